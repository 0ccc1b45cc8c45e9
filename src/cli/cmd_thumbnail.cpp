// sldtool thumbnail: the file manager's thumbnailer. A slide becomes a picture whose longer side
// is SIZE pixels, with the slide's proportions; a library becomes its only slide, or a square
// 2 x 2 contact sheet of its first four slides; a pattern file becomes a square tile of its
// first pattern.
//
// Slides are drawn as the window's preview draws them, on black, so their colours (chosen for a
// black drawing screen: yellow, cyan and white lines) read as they do in CAD. Patterns are drawn
// as the pattern page draws them, black lines on white.
//
// The file's kind follows the rule the window uses (FileKindOf: by extension, then by its first
// bytes, so a slide or library renamed without its extension still gets its picture). A file that
// cannot be drawn whole (short, damaged, empty, too big) gets no picture: the command says why and
// exits with 1, so the file manager keeps its plain icon rather than caching a broken drawing.
#include "CliCommon.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/Paths.h"
#include "base/Streams.h"
#include "graphics/AcadPal.h"
#include "graphics/PngWriter.h"
#include "graphics/RasterCanvas.h"
#include "patterns/upat.h"
#include "slides/FileKinds.h"
#include "slides/SlideClasses.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// No slide, library or pattern file is anywhere near this; a thumbnailer runs unattended on
// whatever lies in a folder, so it refuses to load more.
constexpr uintmax_t kMaxInputSize = 64u << 20;
constexpr int kMaxThumbnailSize = 4096;

constexpr TColor kSlideBackground = 0x000000;
constexpr TColor kSheetGap = 0x404040; // the lines between the cells of a library's sheet
constexpr TColor kPatternBackground = 0xFFFFFF;
constexpr TColor kPatternInk = 0x000000;

[[noreturn]] void Refuse(const std::string& file, const std::string& why) {
    throw EVarnelError("no thumbnail for \"" + file + "\": " + why);
}

// The file's kind; a file that is missing, not a plain file, too large or of no kind that has
// a thumbnail is refused.
TFileKind KindOf(const std::string& file) {
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (ec || !std::filesystem::exists(status))
        Refuse(file, "no such file");
    if (!std::filesystem::is_regular_file(status))
        Refuse(file, "not a file");
    const uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec)
        Refuse(file, ec.message());
    if (size > kMaxInputSize)
        Refuse(file, "larger than 64 MiB");
    const TFileKind kind = FileKindOf(file);
    if (kind == TFileKind::Other || kind == TFileKind::Drawing)
        Refuse(file, "not a slide, slide library or pattern file");
    return kind;
}

// Draws slide index of lib, fitted and centred, on black into rect; throws naming the file and
// the slide when it cannot be drawn whole.
void DrawWhole(const TSlideLib& lib, int index, TRasterCanvas& canvas, const TRect& rect,
               const std::string& file, bool named) {
    const std::string what =
        named ? "slide \"" + Cp1252ToUtf8(lib.SlideName(index)) + "\": " : std::string();
    // The slide colours are those of the black drawing screen, whatever the window uses.
    static const TRenderState screen(kSlideBackground, false);
    // A record that cannot be drawn makes the picture unusable here.
    bool invalid = false;
    try {
        invalid = lib.Slide(index)->DrawOn(canvas, rect, screen).Invalid;
    } catch (const EVarnelError& e) {
        Refuse(file, what + e.what());
    }
    if (invalid)
        Refuse(file, what + kInvalidSlideMessage);
}

// Width and height of a picture whose longer side is size, in the proportions of the extents.
void FitSize(int highX, int highY, int size, int& width, int& height) {
    width = height = size;
    if (highX < 1 || highY < 1 || highX == highY)
        return;
    if (highX > highY)
        height = std::max(1, static_cast<int>(std::lround(double(size) * highY / highX)));
    else
        width = std::max(1, static_cast<int>(std::lround(double(size) * highX / highY)));
}

void OneSlide(const TSlideLib& lib, int size, const std::string& file, const std::string& out) {
    int width = 0, height = 0;
    FitSize(lib.SlideHighX(0), lib.SlideHighY(0), size, width, height);
    TRasterCanvas canvas(width, height);
    DrawWhole(lib, 0, canvas, {0, 0, width - 1, height - 1}, file, lib.FileName().size() > 0);
    WriteRgbPng(canvas, out);
}

// The first four slides in a 2 x 2 sheet, left to right and top to bottom, with grey lines
// between the cells; a cell without a slide stays black. Each slide is drawn on a canvas of its
// own cell, so a line on the edge of a slide cannot reach into the lines between the cells.
void ContactSheet(const TSlideLib& lib, int size, const std::string& file, const std::string& out) {
    TRasterCanvas sheet(size, size);
    sheet.SetBrushStyle(TBrushStyle::Solid);
    sheet.SetBrushColor(kSheetGap);
    sheet.FillRect({0, 0, size, size});
    const int gap = std::max(1, size / 64);
    const int cell0 = std::max(1, (size - gap) / 2);
    const int cell1 = std::max(1, size - gap - cell0);
    for (int i = 0; i < 4; ++i) {
        const int left = (i % 2) ? cell0 + gap : 0;
        const int top = (i / 2) ? cell0 + gap : 0;
        const int w = (i % 2) ? cell1 : cell0;
        const int h = (i / 2) ? cell1 : cell0;
        TRasterCanvas cell(w, h); // black
        if (i < lib.Count())
            DrawWhole(lib, i, cell, {0, 0, w - 1, h - 1}, file, true);
        for (int y = 0; y < h && top + y < size; ++y)
            for (int x = 0; x < w && left + x < size; ++x)
                sheet.Bits()[static_cast<size_t>(top + y) * size + left + x] =
                    cell.Bits()[static_cast<size_t>(y) * w + x];
    }
    WriteRgbPng(sheet, out);
}

void Pattern(const std::string& file, int size, const std::string& out) {
    TPatternModule m;
    m.LoadPatternFile(file);
    if (m.Entries.empty())
        Refuse(file, "it holds no patterns");
    TRasterCanvas canvas(size, size);
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.SetBrushColor(kPatternBackground);
    canvas.SetPenColor(kPatternInk);
    m.TileWidth = size;
    m.TileHeight = size;
    m.PatternScale = 0;
    m.CurrentPatternLine = m.Entries.front().HeaderLine;
    m.DrawPattern(m.PatternBody(m.CurrentPatternLine), canvas, TPatternTarget::Thumbnail);
    WriteRgbPng(canvas, out);
}

} // namespace

int CmdThumbnail(TArgs args) {
    const std::string sizeText = TakeOption(args, "-s", "128");
    RejectUnknownOptions(args);
    if (args.size() != 2)
        throw TUsageError{"thumbnail needs -s SIZE IN OUT.png"};
    char* end = nullptr;
    const long size = std::strtol(sizeText.c_str(), &end, 10);
    if (sizeText.empty() || *end != '\0' || size < 1 || size > kMaxThumbnailSize)
        throw TUsageError{"bad size \"" + sizeText + "\" (1.." + std::to_string(kMaxThumbnailSize) +
                          ")"};
    const std::string& file = args[0];
    const std::string& out = args[1];
    const int side = static_cast<int>(size);

    switch (KindOf(file)) {
    case TFileKind::Slide: {
        std::unique_ptr<TSlideLib> lib = TSlideLib::CreateEmpty();
        try {
            TFileStream in(file, TFileMode::OpenRead);
            std::unique_ptr<TSlide> slide = TSlide::CreateFromStream(BaseName(file), in);
            lib->AddCopy(slide.get());
        } catch (const EVarnelError& e) {
            Refuse(file, e.what());
        }
        OneSlide(*lib, side, file, out);
        break;
    }
    case TFileKind::Library: {
        std::unique_ptr<TSlideLib> lib;
        try {
            lib = TSlideLib::CreateFromFile(file);
        } catch (const EVarnelError& e) {
            Refuse(file, e.what());
        }
        if (lib->Count() == 0)
            Refuse(file, "the library holds no slides");
        if (lib->Count() == 1)
            OneSlide(*lib, side, file, out);
        else
            ContactSheet(*lib, side, file, out);
        break;
    }
    case TFileKind::Pattern:
        Pattern(file, side, out);
        break;
    case TFileKind::Other:
    case TFileKind::Drawing:
        break; // refused by KindOf
    }
    return 0;
}
