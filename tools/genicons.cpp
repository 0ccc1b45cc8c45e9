// Draws the desktop icons as slides and renders them with the program's own slide renderer into
// the hicolor icon theme: the program's icon and one icon for each of its three file types.
// Each icon is rendered at four times its size and averaged down, so edges are smooth and the
// background becomes transparent.
// Usage: genicons OUTPUT_FOLDER  (writes OUTPUT_FOLDER/hicolor/NxN/{apps,mimetypes}/NAME.png)
#include "SlideWriter.h"
#include "base/Streams.h"
#include "graphics/AcadPal.h"
#include "graphics/PngWriter.h"
#include "graphics/RasterCanvas.h"
#include "slides/Slides.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace {

// Icons are drawn on a 1000 x 1000 grid, y up.
constexpr int kGrid = 1000;
constexpr int kSupersample = 4;
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The renderer paints the background first; that colour becomes transparent. None of the
// colours below is exactly black.
constexpr TColor kTransparent = 0x000000;

using TPoly = std::vector<std::pair<int, int>>;

// Entry 7 and the light colours as on the black drawing screen.
const TRenderState& Screen() {
    static const TRenderState screen(kTransparent, false);
    return screen;
}

int Ink(unsigned r, unsigned g, unsigned b) {
    return NearestColourIndex(RGBColor(r, g, b), Screen().Palette());
}

// A line of the given width as a filled quadrilateral, so it keeps its weight at every size.
void ThickLine(TSlideWriter& w, double x0, double y0, double x1, double y1, double width) {
    const double len = std::hypot(x1 - x0, y1 - y0);
    if (len <= 0)
        return;
    const double nx = -(y1 - y0) / len * width / 2, ny = (x1 - x0) / len * width / 2;
    const auto p = [](double x, double y) {
        return std::pair{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
    };
    w.Fill({p(x0 + nx, y0 + ny), p(x1 + nx, y1 + ny), p(x1 - nx, y1 - ny), p(x0 - nx, y0 - ny)});
}

// A rectangle with cut corners.
TPoly Rounded(int x0, int y0, int x1, int y1, int cut) {
    return {{x0 + cut, y0}, {x1 - cut, y0}, {x1, y0 + cut}, {x1, y1 - cut},
            {x1 - cut, y1}, {x0 + cut, y1}, {x0, y1 - cut}, {x0, y0 + cut}};
}

// A drawing screen with a small sketch on it: a yellow roof, a cyan base and a red circle.
void Screen(TSlideWriter& w, int x0, int y0, int x1, int y1) {
    const int cut = (x1 - x0) / 16;
    w.Colour(Ink(0xBB, 0xBB, 0xBB));
    w.Fill(Rounded(x0, y0, x1, y1, cut));
    const int b = std::max(12, (x1 - x0) / 28);
    w.Colour(Ink(0x13, 0x13, 0x26));
    w.Fill(Rounded(x0 + b, y0 + b, x1 - b, y1 - b, cut));
    const double W = x1 - x0, H = y1 - y0;
    const double line = std::max(16.0, W / 14);
    const double lx = x0 + W * 0.22, rx = x0 + W * 0.78, by = y0 + H * 0.24, ty = y0 + H * 0.78;
    const double mx = (lx + rx) / 2;
    // The roof as one outline, so its ridge is a clean point.
    const double slope = (ty - by) / (mx - lx);
    const double inset = line * std::sqrt(1 + 1 / (slope * slope));
    const auto p = [](double x, double y) {
        return std::pair{static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
    };
    w.Colour(Ink(0xFF, 0xFF, 0x00));
    w.Fill({p(lx, by), p(mx, ty), p(rx, by), p(rx - inset, by), p(mx, ty - inset * slope),
            p(lx + inset, by)});
    w.Colour(Ink(0x00, 0xFF, 0xFF));
    ThickLine(w, lx - line / 2, by, rx + line / 2, by, line);
    w.Colour(Ink(0xFF, 0x00, 0x00));
    TPoly circle;
    const double r = W * 0.075, cy = by + H * 0.2;
    for (int i = 0; i < 16; ++i) {
        const double a = 2 * std::numbers::pi * i / 16;
        circle.emplace_back(static_cast<int>(std::lround(mx + r * std::cos(a))),
                            static_cast<int>(std::lround(cy + r * std::sin(a))));
    }
    w.Fill(circle);
}

// A sheet of paper with a folded top right corner, outlined.
void Sheet(TSlideWriter& w, int x0, int y0, int x1, int y1) {
    const int fold = (x1 - x0) / 4;
    w.Colour(Ink(0x76, 0x76, 0x76));
    w.Fill({{x0, y0}, {x1, y0}, {x1, y1 - fold}, {x1 - fold, y1}, {x0, y1}});
    const int b = 24;
    w.Colour(Ink(0xFF, 0xFF, 0xFF));
    w.Fill({{x0 + b, y0 + b},
            {x1 - b, y0 + b},
            {x1 - b, y1 - fold - b / 2},
            {x1 - fold - b / 2, y1 - b},
            {x0 + b, y1 - b}});
    w.Colour(Ink(0xDD, 0xDD, 0xDD));
    w.Fill({{x1 - fold, y1 - fold}, {x1 - b, y1 - fold}, {x1 - fold, y1 - b}});
}

std::vector<uint8_t> AppIcon() {
    TSlideWriter w(kGrid, kGrid);
    Screen(w, 40, 150, 960, 850);
    // The stand of the screen.
    w.Colour(Ink(0x76, 0x76, 0x76));
    w.Fill({{430, 150}, {570, 150}, {600, 60}, {400, 60}});
    w.Fill(Rounded(300, 20, 700, 80, 20));
    w.End();
    return w.Bytes();
}

std::vector<uint8_t> SlideIcon() {
    TSlideWriter w(kGrid, kGrid);
    Sheet(w, 150, 20, 850, 980);
    Screen(w, 210, 260, 790, 720);
    w.End();
    return w.Bytes();
}

std::vector<uint8_t> LibraryIcon() {
    TSlideWriter w(kGrid, kGrid);
    // Three sheets, the front one with a screen on it.
    Sheet(w, 290, 240, 950, 980);
    Sheet(w, 190, 130, 850, 870);
    Sheet(w, 90, 20, 750, 760);
    Screen(w, 140, 200, 700, 600);
    w.End();
    return w.Bytes();
}

std::vector<uint8_t> PatternIcon() {
    TSlideWriter w(kGrid, kGrid);
    Sheet(w, 150, 20, 850, 980);
    // A brick hatch in a frame.
    const int x0 = 240, y0 = 130, x1 = 760, y1 = 770, line = 34;
    w.Colour(Ink(0x26, 0x26, 0x4C));
    for (int k = 0; k <= 4; ++k) {
        const double y = y0 + (y1 - y0) * k / 4.0;
        ThickLine(w, x0, y, x1, y, line);
    }
    for (int row = 0; row < 4; ++row) {
        const double ya = y0 + (y1 - y0) * row / 4.0, yb = y0 + (y1 - y0) * (row + 1) / 4.0;
        for (double x = x0 + (row % 2 ? (x1 - x0) / 4.0 : 0.0); x <= x1 + 1; x += (x1 - x0) / 2.0)
            ThickLine(w, x, ya, x, yb, line);
    }
    w.End();
    return w.Bytes();
}

// Renders slide at size x size pixels with a transparent background and writes it as a PNG.
void RenderIcon(const std::vector<uint8_t>& slide, int size, const std::string& path) {
    const int big = size * kSupersample;
    TRasterCanvas canvas(big, big);
    TMemoryStream stream(slide);
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.SetBrushColor(kTransparent);
    canvas.FillRect({0, 0, big, big});
    DrawSlide(stream, canvas, {0, 0, big - 1, big - 1}, Screen());

    const uint32_t key = TRasterCanvas::ToWord(kTransparent);
    std::vector<uint32_t> out(static_cast<size_t>(size) * static_cast<size_t>(size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            unsigned count = 0, r = 0, g = 0, b = 0;
            for (int dy = 0; dy < kSupersample; ++dy) {
                const uint32_t* row =
                    canvas.Bits() + static_cast<size_t>(y * kSupersample + dy) * big;
                for (int dx = 0; dx < kSupersample; ++dx) {
                    const uint32_t p = row[x * kSupersample + dx];
                    if (p == key)
                        continue;
                    ++count;
                    r += (p >> 16) & 0xFF;
                    g += (p >> 8) & 0xFF;
                    b += p & 0xFF;
                }
            }
            uint32_t word = 0;
            if (count) {
                const unsigned n = kSupersample * kSupersample;
                const unsigned alpha = (count * 255 + n / 2) / n;
                word = (alpha << 24) | ((r / count) << 16) | ((g / count) << 8) | (b / count);
            }
            out[static_cast<size_t>(y) * size + x] = word;
        }
    }
    WriteRgbaPng(out.data(), size, size, path);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: genicons OUTPUT_FOLDER\n");
        return 2;
    }
    try {
        const std::pair<std::string, std::vector<uint8_t>> icons[] = {
            {"apps/varnel", AppIcon()},
            {"mimetypes/application-x-autocad-slide", SlideIcon()},
            {"mimetypes/application-x-autocad-slide-library", LibraryIcon()},
            {"mimetypes/text-x-autocad-hatch-pattern", PatternIcon()},
        };
        for (int size : kSizes) {
            const std::string folder = std::string(argv[1]) + "/hicolor/" + std::to_string(size) +
                                       "x" + std::to_string(size);
            for (const auto& [name, slide] : icons) {
                const std::string path = folder + "/" + name + ".png";
                std::filesystem::create_directories(std::filesystem::path(path).parent_path());
                RenderIcon(slide, size, path);
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "genicons: %s\n", e.what());
        return 1;
    }
    return 0;
}
