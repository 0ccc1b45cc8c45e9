// sldtool: the program's jobs in batches. A thin shell over the core: it parses arguments,
// calls the core, and reports errors as "sldtool: <message>" with exit code 1 (2 for bad usage).
#include "CliCommon.h"

#include "base/Memory.h"
#include "base/UiHooks.h"

#ifndef VARNEL_VERSION
#define VARNEL_VERSION "0.0"
#endif

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

namespace {

// One row per command: its name, its entry point and its usage lines. The whole usage, a
// command's own usage (COMMAND --help) and the usage printed after a mistake come from here.
struct TCommand {
    const char* name;
    int (*run)(TArgs);
    const char* usage;
};

constexpr TCommand kCommands[] = {
    {"info", CmdInfo,
     "  info [--json] SRC...            header, byte order, extents, length, record counts, "
     "first error\n"},
    {"render", CmdRender,
     "  render SRC -o OUT [--size WxH|original] [--background black|white|buttonface|#RRGGBB]\n"},
    {"lib", CmdLib,
     "  lib list [--json] LIB.slb       header text; name, offset, length of every slide\n"
     "  lib create|add LIB.slb SRC...   lib delete LIB.slb NAME...   lib rename LIB.slb OLD NEW\n"
     "  lib move LIB.slb NAME up|down   lib extract LIB.slb [NAME...] -d DIR\n"},
    {"export", CmdExport,
     "  export SRC... -d DIR --format bmp|png|jpg|wmf|emf|svg|dxf [--size "
     "original|32x32|16x16|WxH]\n"
     "         [--background ...] [--dxf-version r12|r2000] [-j N]\n"},
    {"pdf", CmdPdf, "  pdf SRC... -o OUT.pdf [--sheet CxR] [--sorted] [--bw] [-j N]\n"},
    {"pat", CmdPat,
     "  pat list [--json] FILE.pat      pat render FILE.pat NAME -o OUT.png [--size WxH] "
     "[--scale S]\n"
     "  pat pdf FILE.pat -o OUT.pdf\n"},
    {"convert", CmdConvert,
     "  convert IMAGE.bmp [-o OUT.sld] [--background ...]\n"
     "  convert DRAWING.dxf [-o OUT.sld] [--size WxH]   a drawing's model space, fitted into WxH\n"
     "                                  (default 2048x1536) keeping its aspect\n"},
    {"thumbnail", CmdThumbnail,
     "  thumbnail [-s SIZE] IN OUT.png  a slide, a library's first slides or a pattern file's "
     "first\n"
     "                                  pattern, SIZE pixels on its longer side (default 128)\n"},
};

const char* const kSourceNote =
    "A slide source SRC is a *.sld file, a *.slb file (all its slides) or LIB.slb:NAME.\n";

// Every command's usage, or only that of command when one is given.
std::string Usage(const TCommand* command = nullptr) {
    std::string text = command ? "usage: sldtool " + std::string(command->name) + " ...\n"
                               : "usage: sldtool COMMAND ...\n";
    for (const TCommand& c : kCommands)
        if (!command || &c == command)
            text += c.usage;
    if (!command || std::strstr(command->usage, "SRC"))
        text += kSourceNote;
    if (!command)
        text += "  --help, -h                      this text; COMMAND --help: that command's\n"
                "  --version                       the version\n";
    return text;
}

bool IsHelp(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

} // namespace

int main(int argc, char** argv) {
    KeepFreedMemoryForReuse();
    if (argc < 2) {
        std::fputs(Usage().c_str(), stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        std::fputs(Usage().c_str(), stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("sldtool %s\n", VARNEL_VERSION);
        return 0;
    }
    // The renderer's modal message becomes a line on stderr.
    UiHooks::SetMessageHook(
        [](const std::string& text) { std::cerr << "sldtool: " << text << '\n'; });
    const std::string name = argv[1];
    TArgs args(argv + 2, argv + argc);
    const TCommand* command = nullptr;
    for (const TCommand& c : kCommands)
        if (name == c.name)
            command = &c;
    try {
        if (!command)
            throw TUsageError{"unknown command \"" + name + "\""};
        // COMMAND --help anywhere among its arguments: its usage, and nothing run.
        if (std::any_of(args.begin(), args.end(), IsHelp)) {
            std::fputs(Usage(command).c_str(), stdout);
            return 0;
        }
        return command->run(std::move(args));
    } catch (const TUsageError& e) {
        std::cerr << "sldtool: " << e.message << '\n' << Usage(command);
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "sldtool: " << e.what() << '\n';
        return 1;
    }
}
