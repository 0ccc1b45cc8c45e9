// sldtool: the program's jobs in batches. A thin shell over the core: it parses arguments,
// calls the core, and reports errors as "sldtool: <message>" with exit code 1 (2 for bad usage).
#include "CliCommon.h"

#include "base/UiHooks.h"

#ifndef VARNEL_VERSION
#define VARNEL_VERSION "0.0"
#endif

#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>

namespace {

const char* const kUsage =
    R"(usage: sldtool COMMAND ...
  info [--json] SRC...            header, byte order, extents, length, record counts, first error
  render SRC -o OUT [--size WxH|original] [--background black|white|buttonface|#RRGGBB]
  lib list [--json] LIB.slb       header text; name, offset, length of every slide
  lib create|add LIB.slb SRC...   lib delete LIB.slb NAME...   lib rename LIB.slb OLD NEW
  lib move LIB.slb NAME up|down   lib extract LIB.slb [NAME...] -d DIR
  export SRC... -d DIR --format bmp|png|jpg|wmf|emf|svg [--size original|32x32|16x16|WxH]
         [--background ...] [-j N]
  pdf SRC... -o OUT.pdf [--sheet CxR] [--sorted] [--bw] [-j N]
  pat list [--json] FILE.pat      pat render FILE.pat NAME -o OUT.png [--size WxH] [--scale S]
  pat pdf FILE.pat -o OUT.pdf     convert IMAGE.bmp [-o OUT.sld] [--background ...]
  thumbnail [-s SIZE] IN OUT.png  a slide, a library's first slides or a pattern file's first
                                  pattern, SIZE pixels on its longer side (default 128)
A slide source SRC is a *.sld file, a *.slb file (all its slides) or LIB.slb:NAME.
  --help, -h                      this text
  --version                       the version
)";

struct TCommand {
    const char* name;
    int (*run)(TArgs);
};

constexpr TCommand kCommands[] = {
    {"info", CmdInfo},       {"render", CmdRender}, {"lib", CmdLib}, {"export", CmdExport},
    {"convert", CmdConvert}, {"pdf", CmdPdf},       {"pat", CmdPat}, {"thumbnail", CmdThumbnail},
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        std::fputs(kUsage, stdout);
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
    try {
        for (const TCommand& c : kCommands)
            if (name == c.name)
                return c.run(std::move(args));
        throw TUsageError{"unknown command \"" + name + "\""};
    } catch (const TUsageError& e) {
        std::cerr << "sldtool: " << e.message << '\n' << kUsage;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "sldtool: " << e.what() << '\n';
        return 1;
    }
}
