// sldtool export: slides written as image files, one per slide, through the export core.
#include "CliCommon.h"

#include "output/ImageExport.h"
#include "slides/SlideClasses.h"

#include <iostream>

namespace {

TImageFormat ParseFormat(const std::string& text) {
    static const struct {
        const char* name;
        TImageFormat format;
    } kFormats[] = {{"bmp", TImageFormat::Bmp}, {"png", TImageFormat::Png},
                    {"jpg", TImageFormat::Jpg}, {"jpeg", TImageFormat::Jpg},
                    {"wmf", TImageFormat::Wmf}, {"emf", TImageFormat::Emf},
                    {"svg", TImageFormat::Svg}, {"dxf", TImageFormat::Dxf}};
    for (const auto& f : kFormats)
        if (text == f.name)
            return f.format;
    throw TUsageError{"bad format \"" + text + "\" (bmp, png, jpg, wmf, emf, svg or dxf)"};
}

void ParseExportSize(const std::string& text, TExportOptions& options) {
    if (text == "original")
        options.Size = TExportSize::Original;
    else if (text == "32x32")
        options.Size = TExportSize::Size32;
    else if (text == "16x16")
        options.Size = TExportSize::Size16;
    else {
        options.Size = TExportSize::Custom;
        ParseSize(text, options.CustomWidth, options.CustomHeight);
    }
}

} // namespace

int CmdExport(TArgs args) {
    const std::string folder = TakeOption(args, "-d");
    const std::string format = TakeOption(args, "--format");
    const std::string size = TakeOption(args, "--size", "original");
    const std::string background = TakeOption(args, "--background", "white");
    const std::string jobs = TakeOption(args, "-j", "0");
    const std::string dxfVersion = TakeOption(args, "--dxf-version", "r12");
    RejectUnknownOptions(args);
    if (args.empty() || folder.empty() || format.empty())
        throw TUsageError{"export needs slide sources, -d DIR and --format"};
    TExportOptions options;
    options.Format = ParseFormat(format);
    ParseExportSize(size, options);
    options.Background = ParseBackground(background);
    options.Threads = ParseJobs(jobs);
    if (dxfVersion == "r12" || dxfVersion == "R12")
        options.DxfVersion = TDxfVersion::R12;
    else if (dxfVersion == "r2000" || dxfVersion == "R2000")
        options.DxfVersion = TDxfVersion::R2000;
    else
        throw TUsageError{"bad DXF version \"" + dxfVersion + "\" (r12 or r2000)"};

    // One batch of every source's slides, so many slide files share the cores too.
    const std::vector<TSlideSource> sources = OpenSources(args);
    std::vector<TExportItem> items;
    for (const TSlideSource& s : sources)
        for (int i : s.indices)
            items.push_back({s.lib.get(), i});
    for (const std::string& path : ExportSlidesToFolder(items, folder, options))
        std::cout << path << '\n';
    return 0;
}
