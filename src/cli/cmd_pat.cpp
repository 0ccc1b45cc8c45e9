// sldtool pat: hatch-pattern files. list names the patterns, render draws one into a PNG the
// way the pattern page previews it, pdf writes the pattern sheets.
#include "CliCommon.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "graphics/PngWriter.h"
#include "graphics/RasterCanvas.h"
#include "patterns/upat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>

namespace {

struct TPatternFacts {
    int families = 0;
    int maxDash = 0; // the longest dash list (at most MaxDashes)
};

TPatternFacts FactsOf(const std::vector<std::string>& body) {
    TPatternFacts facts;
    TLineFamily family;
    for (const std::string& line : body) {
        if (ParseFamilyLine(line, family) == TPatternLineKind::Family) {
            ++facts.families;
            facts.maxDash = std::max(facts.maxDash, family.DashCount);
        }
    }
    return facts;
}

int List(TArgs args) {
    const bool json = TakeFlag(args, "--json");
    RejectUnknownOptions(args);
    if (args.size() != 1)
        throw TUsageError{"pat list needs one FILE.pat"};
    TPatternModule m;
    m.LoadPatternFile(args[0]);
    std::string out = json ? "[" : "";
    for (size_t k = 0; k < m.Entries.size(); ++k) {
        const TPatternEntry& e = m.Entries[k];
        const TPatternFacts f = FactsOf(m.PatternBody(e.HeaderLine));
        const std::string name = Cp1252ToUtf8(e.Name);
        if (json) {
            out += (k ? ",\n " : "\n ");
            out += "{\"name\": " + JsonString(name) +
                   ", \"line\": " + std::to_string(e.HeaderLine) +
                   ", \"families\": " + std::to_string(f.families) +
                   ", \"max_dash\": " + std::to_string(f.maxDash) + "}";
        } else {
            char buf[64];
            std::snprintf(buf, sizeof buf, "%6d  %3d families  %2d dashes  ", e.HeaderLine,
                          f.families, f.maxDash);
            out += buf + name + "\n";
        }
    }
    if (json)
        out += m.Entries.empty() ? "]\n" : "\n]\n";
    std::cout << out;
    return 0;
}

// The pattern of that name: exactly as written, else the only one equal ignoring letter case.
const TPatternEntry& FindPattern(const TPatternModule& m, const std::string& name,
                                 const std::string& file) {
    const std::string wanted = Utf8ToCp1252(name);
    for (const TPatternEntry& e : m.Entries)
        if (e.Name == wanted)
            return e;
    const auto lower = [](std::string s) {
        for (char& c : s)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        return s;
    };
    const TPatternEntry* found = nullptr;
    for (const TPatternEntry& e : m.Entries) {
        if (lower(e.Name) == lower(wanted)) {
            if (found)
                throw EVarnelError("more than one pattern named \"" + name + "\" in \"" + file +
                                   "\"");
            found = &e;
        }
    }
    if (!found)
        throw EVarnelError("no pattern named \"" + name + "\" in \"" + file + "\"");
    return *found;
}

int Render(TArgs args) {
    const std::string output = TakeOption(args, "-o");
    const std::string size = TakeOption(args, "--size", "450x300");
    const std::string scaleText = TakeOption(args, "--scale");
    RejectUnknownOptions(args);
    if (args.size() != 2 || output.empty())
        throw TUsageError{"pat render needs FILE.pat NAME -o OUT.png"};
    int width = 0;
    int height = 0;
    ParseSize(size, width, height);
    double scale = 0;
    if (!scaleText.empty()) {
        const auto [end, ec] =
            std::from_chars(scaleText.data(), scaleText.data() + scaleText.size(), scale);
        if (ec != std::errc() || end != scaleText.data() + scaleText.size() || !(scale > 0) ||
            !(scale <= 1e6))
            throw TUsageError{"bad scale \"" + scaleText + "\" (a number above 0)"};
    }

    TPatternModule m;
    m.LoadPatternFile(args[0]);
    const TPatternEntry& entry = FindPattern(m, args[1], args[0]);
    TRasterCanvas canvas(width, height);
    m.TileWidth = width;
    m.TileHeight = height;
    m.PatternScale = scale;
    m.CurrentPatternLine = entry.HeaderLine;
    m.DrawPattern(m.PatternBody(entry.HeaderLine), canvas);
    WriteRgbPng(canvas, output);
    std::cout << m.ScaleText << '\n';
    return 0;
}

int Pdf(TArgs args) {
    const std::string output = TakeOption(args, "-o");
    RejectUnknownOptions(args);
    if (args.size() != 1 || output.empty())
        throw TUsageError{"pat pdf needs FILE.pat -o OUT.pdf"};
    TPatternModule m;
    m.LoadPatternFile(args[0]);
    const std::string written = m.WritePatternSheets(output);
    if (written.empty())
        throw EVarnelError("\"" + args[0] + "\" holds no patterns: nothing written");
    if (written != output)
        std::cout << "wrote " << written << '\n';
    return 0;
}

} // namespace

int CmdPat(TArgs args) {
    if (args.empty())
        throw TUsageError{"pat needs list, render or pdf"};
    const std::string what = args[0];
    args.erase(args.begin());
    if (what == "list")
        return List(std::move(args));
    if (what == "render")
        return Render(std::move(args));
    if (what == "pdf")
        return Pdf(std::move(args));
    throw TUsageError{"unknown pat command \"" + what + "\""};
}
