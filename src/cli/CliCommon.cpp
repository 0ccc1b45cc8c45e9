#include "CliCommon.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/Paths.h"
#include "output/ImageExport.h"
#include "slides/SlideClasses.h"

#include <cctype>
#include <cstdlib>

std::string TakeOption(TArgs& args, const std::string& name, const std::string& fallback) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            if (i + 1 >= args.size())
                throw TUsageError{name + " needs a value"};
            std::string value = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i),
                       args.begin() + static_cast<long>(i) + 2);
            return value;
        }
        if (args[i].rfind(name + "=", 0) == 0) {
            std::string value = args[i].substr(name.size() + 1);
            args.erase(args.begin() + static_cast<long>(i));
            return value;
        }
    }
    return fallback;
}

bool TakeFlag(TArgs& args, const std::string& name) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == name) {
            args.erase(args.begin() + static_cast<long>(i));
            return true;
        }
    }
    return false;
}

void RejectUnknownOptions(const TArgs& args) {
    for (const std::string& a : args)
        if (a.size() > 1 && a[0] == '-')
            throw TUsageError{"unknown option \"" + a + "\""};
}

void ParseSize(const std::string& text, int& width, int& height) {
    const auto x = text.find('x');
    char* end = nullptr;
    if (x != std::string::npos) {
        const long w = std::strtol(text.c_str(), &end, 10);
        if (end == text.c_str() + x) {
            const long h = std::strtol(text.c_str() + x + 1, &end, 10);
            if (*end == '\0' && w >= kMinCustomSize && h >= kMinCustomSize && w <= kMaxCustomSize &&
                h <= kMaxCustomSize) {
                width = static_cast<int>(w);
                height = static_cast<int>(h);
                return;
            }
        }
    }
    throw TUsageError{"bad size \"" + text + "\" (expected WxH, each " +
                      std::to_string(kMinCustomSize) + ".." + std::to_string(kMaxCustomSize) + ")"};
}

unsigned ParseBackground(const std::string& text) {
    if (text == "black")
        return 0x000000;
    if (text == "white")
        return 0xFFFFFF;
    if (text == "buttonface")
        return 0xF0F0F0; // the usual light grey of window buttons
    if (text.size() == 7 && text[0] == '#') {
        char* end = nullptr;
        const unsigned long rgb = std::strtoul(text.c_str() + 1, &end, 16);
        if (*end == '\0')
            return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    }
    throw TUsageError{"bad background \"" + text + "\" (black, white, buttonface or #RRGGBB)"};
}

namespace {

bool EndsWithNoCase(const std::string& s, const std::string& suffix) {
    if (s.size() < suffix.size())
        return false;
    for (size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - suffix.size() + i])) !=
            std::tolower(static_cast<unsigned char>(suffix[i])))
            return false;
    return true;
}

} // namespace

std::vector<TSlideSource> OpenSources(const TArgs& sources) {
    std::vector<TSlideSource> result;
    for (const std::string& src : sources) {
        TSlideSource s;
        s.label = src;
        // LIB.slb:NAME names one slide of a library.
        const auto colon = src.rfind(':');
        const bool oneSlide =
            colon != std::string::npos && colon > 0 && EndsWithNoCase(src.substr(0, colon), ".slb");
        const std::string file = oneSlide ? src.substr(0, colon) : src;
        if (EndsWithNoCase(file, ".slb")) {
            s.lib = TSlideLib::CreateFromFile(file);
            if (oneSlide) {
                const std::string name = Utf8ToCp1252(src.substr(colon + 1));
                const int i = s.lib->IndexOfName(name);
                if (i < 0)
                    throw EVarnelError("no slide \"" + src.substr(colon + 1) + "\" in \"" + file +
                                       "\"");
                s.indices.push_back(i);
            } else {
                for (int i = 0; i < s.lib->Count(); ++i)
                    s.indices.push_back(i);
            }
        } else {
            std::shared_ptr<TSlideLib> lib = TSlideLib::CreateEmpty();
            TFileStream in(file, TFileMode::OpenRead);
            std::unique_ptr<TSlide> slide;
            try {
                slide = TSlide::CreateFromStream(Utf8ToCp1252(BaseName(file)), in);
            } catch (const EReadError&) {
                throw EFileError("Cannot read slide \"" + file + "\": Stream read error");
            }
            lib->AddCopy(slide.get());
            s.lib = lib;
            s.indices.push_back(0);
        }
        result.push_back(std::move(s));
    }
    return result;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20) {
            static const char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

int ParseJobs(const std::string& text) {
    int jobs = -1;
    if (!text.empty() && text.size() <= 3 &&
        text.find_first_not_of("0123456789") == std::string::npos)
        jobs = std::stoi(text);
    if (jobs < 0 || jobs > 256)
        throw TUsageError{"bad -j \"" + text + "\" (0..256 threads, 0: one per core)"};
    return jobs;
}
