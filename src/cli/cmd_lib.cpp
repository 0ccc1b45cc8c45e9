// sldtool lib: list, create, add, delete, rename, move and extract slides of a library. Every
// change is made on a TSlideLib in memory and written back whole with SaveToFile, which
// replaces the file atomically: the same operations the window uses.
#include "CliCommon.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Paths.h"
#include "slides/SlideClasses.h"
#include "slides/SlideLibs.h"
#include "slides/SlideNames.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <set>
#include <sstream>

namespace {

// The index of the first slide with this name (ignoring case) or an error naming the library.
int FindSlide(const TSlideLib& lib, const std::string& file, const std::string& name) {
    const int i = lib.IndexOfName(ToSlideName(name));
    if (i < 0)
        throw EVarnelError("no slide \"" + name + "\" in \"" + file + "\"");
    return i;
}

// Control characters of the header text as escapes, so the text form stays on one line.
std::string Printable(const std::string& s) {
    std::string out;
    for (unsigned char c : s) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c == 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int List(TArgs args) {
    const bool json = TakeFlag(args, "--json");
    RejectUnknownOptions(args);
    if (args.size() != 1)
        throw TUsageError{"lib list needs one library"};
    const std::string& file = args[0];
    std::unique_ptr<TSlideLib> lib = TSlideLib::CreateFromFile(file);
    // A slide that cannot be measured is listed without a length and reported at the end.
    std::vector<std::string> errors;
    std::ostringstream o;
    if (json)
        o << "{\"header\": " << JsonString(Cp1252ToUtf8(lib->Header())) << ", \"slides\": [";
    else
        o << "header: " << Printable(Cp1252ToUtf8(lib->Header())) << "\n";
    for (int i = 0; i < lib->Count(); ++i) {
        const std::string name = Cp1252ToUtf8(lib->SlideName(i));
        std::string length;
        try {
            length = std::to_string(lib->SlideSize(i));
        } catch (const EVarnelError& e) {
            length = json ? "null" : "?";
            errors.push_back("slide \"" + name + "\" of \"" + file + "\": " + e.what());
        }
        const int64_t offset = lib->Slide(i)->Start();
        if (json)
            o << (i ? ",\n  " : "\n  ") << "{\"name\": " << JsonString(name)
              << ", \"offset\": " << offset << ", \"length\": " << length << "}";
        else
            o << name << "\t" << offset << "\t" << length << "\n";
    }
    if (json)
        o << (lib->Count() ? "\n]}\n" : "]}\n");
    std::cout << o.str();
    for (const std::string& e : errors)
        std::cerr << "sldtool: " << e << "\n";
    return errors.empty() ? 0 : 1;
}

// create: a new library of the sources' slides, replacing any file of that name. add: the
// sources' slides added to an existing library; a slide with the name of one already there
// (ignoring case) takes its place.
int CreateOrAdd(TArgs args, bool create) {
    RejectUnknownOptions(args);
    if (args.empty())
        throw TUsageError{create ? "lib create needs a library" : "lib add needs a library"};
    const std::string file = args[0];
    const TArgs sourceArgs(args.begin() + 1, args.end());
    if (!create && sourceArgs.empty())
        throw TUsageError{"lib add needs at least one slide source"};
    std::unique_ptr<TSlideLib> target =
        create ? TSlideLib::CreateEmpty() : TSlideLib::CreateFromFile(file);
    std::vector<TSlideSource> sources = OpenSources(sourceArgs);
    // A damaged slide would go in as the bytes it has: each one is named, and nothing is written.
    int damaged = 0;
    for (const TSlideSource& s : sources) {
        for (int i : s.indices) {
            if (s.lib->Slide(i)->IsComplete())
                continue;
            ++damaged;
            std::cerr << "sldtool: slide "
                      << (s.lib->FileName().empty() ? "\"" + s.label + "\""
                                                    : "\"" + Cp1252ToUtf8(s.lib->SlideName(i)) +
                                                          "\" of \"" + s.lib->FileName() + "\"")
                      << " is damaged (cut short, or holding a record that cannot be read)\n";
        }
    }
    if (damaged > 0)
        throw EVarnelError(std::to_string(damaged) + " damaged slide" + (damaged > 1 ? "s" : "") +
                           " cannot go into a library; \"" + file + "\" was not written");
    for (TSlideSource& s : sources) {
        const bool slideFile = s.lib->FileName().empty();
        for (int i : s.indices) {
            // A slide file is stored under its file name without the extension; it keeps
            // its own name when that leaves nothing.
            const std::string name = LibrarySlideName(ToSlideName(BaseName(s.label)));
            if (slideFile && !name.empty())
                s.lib->Rename(i, name);
            target->AddFrom(s.lib.get(), i);
        }
    }
    target->SaveToFile(file);
    return 0;
}

int Delete(TArgs args) {
    RejectUnknownOptions(args);
    if (args.size() < 2)
        throw TUsageError{"lib delete needs a library and at least one slide name"};
    const std::string file = args[0];
    std::unique_ptr<TSlideLib> lib = TSlideLib::CreateFromFile(file);
    // Every name must be there before anything changes.
    for (size_t k = 1; k < args.size(); ++k)
        FindSlide(*lib, file, args[k]);
    for (size_t k = 1; k < args.size(); ++k)
        lib->DeleteByName(ToSlideName(args[k]));
    lib->SaveToFile(file);
    return 0;
}

int Rename(TArgs args) {
    RejectUnknownOptions(args);
    if (args.size() != 3)
        throw TUsageError{"lib rename needs a library, the old name and the new name"};
    const std::string file = args[0];
    std::unique_ptr<TSlideLib> lib = TSlideLib::CreateFromFile(file);
    const int i = FindSlide(*lib, file, args[1]);
    const std::string newName = ToSlideName(RenamedSlideName(args[2]));
    if (!lib->Rename(i, newName))
        throw EVarnelError("Bad slide name! (\"" + Cp1252ToUtf8(StoredSlideName(newName)) +
                           "\", as the library stores it, is empty or another slide of \"" + file +
                           "\" has it)");
    lib->SaveToFile(file);
    return 0;
}

int Move(TArgs args) {
    RejectUnknownOptions(args);
    if (args.size() != 3 || (args[2] != "up" && args[2] != "down"))
        throw TUsageError{"lib move needs a library, a slide name and up or down"};
    const std::string file = args[0];
    std::unique_ptr<TSlideLib> lib = TSlideLib::CreateFromFile(file);
    const int i = FindSlide(*lib, file, args[1]);
    const int j = args[2] == "up" ? i - 1 : i + 1;
    // Up on the first slide and down on the last change nothing.
    if (j < 0 || j >= lib->Count())
        return 0;
    lib->Exchange(i, j);
    lib->SaveToFile(file);
    return 0;
}

int Extract(TArgs args) {
    const std::string dir = TakeOption(args, "-d");
    RejectUnknownOptions(args);
    if (args.empty() || dir.empty())
        throw TUsageError{"lib extract needs a library and -d DIR"};
    const std::string file = args[0];
    std::unique_ptr<TSlideLib> lib = TSlideLib::CreateFromFile(file);
    std::vector<int> indices;
    if (args.size() == 1) {
        for (int i = 0; i < lib->Count(); ++i)
            indices.push_back(i);
    } else {
        for (size_t k = 1; k < args.size(); ++k)
            indices.push_back(FindSlide(*lib, file, args[k]));
    }
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!std::filesystem::is_directory(dir))
        throw EFileError("Cannot create folder \"" + dir + "\"");
    // Two slides of one name (possible in a library written elsewhere) would land in one
    // file: the first is written, the others are reported.
    std::set<std::string> written;
    int status = 0;
    for (int i : indices) {
        const std::string name = SlideFileName(lib->SlideName(i));
        if (!written.insert(name).second) {
            std::cerr << "sldtool: slide " << i << " of \"" << file << "\" has the name \""
                      << Cp1252ToUtf8(lib->SlideName(i)) << "\" of an earlier one; not extracted\n";
            status = 1;
            continue;
        }
        try {
            SaveFileAtomically(JoinPath(dir, name),
                               [&](TStream& out) { lib->SaveSlideToStream(i, out); });
        } catch (const EReadError& e) {
            throw EFileError("slide \"" + Cp1252ToUtf8(lib->SlideName(i)) + "\" of \"" + file +
                             "\": " + e.what());
        }
    }
    return status;
}

} // namespace

int CmdLib(TArgs args) {
    if (args.empty())
        throw TUsageError{"lib needs a subcommand"};
    const std::string sub = args.front();
    args.erase(args.begin());
    if (sub == "list")
        return List(std::move(args));
    if (sub == "create" || sub == "add")
        return CreateOrAdd(std::move(args), sub == "create");
    if (sub == "delete")
        return Delete(std::move(args));
    if (sub == "rename")
        return Rename(std::move(args));
    if (sub == "move")
        return Move(std::move(args));
    if (sub == "extract")
        return Extract(std::move(args));
    throw TUsageError{"unknown lib subcommand \"" + sub + "\""};
}
