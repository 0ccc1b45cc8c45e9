// Small hostile files and what they cost: 64 KB of patterns whose lines lie a millionth apart as
// PDF sheets and as 128 x 80 thumbnails, a 4096 x 4096 two-colour picture (colours off the
// palette) traced into a slide, and a 64 KB slide of 2,166 fills over its whole picture drawn
// at 2,000 x 2,000. Each should take seconds at most.
#include "base/Streams.h"
#include "graphics/AcadPal.h"
#include "graphics/RasterCanvas.h"
#include "patterns/upat.h"
#include "slides/SlideConvert.h"
#include "slides/Slides.h"

#include "SlideWriter.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

std::string DensePatterns() {
    std::string text;
    for (int i = 0;; ++i) {
        const std::string p =
            "*DENSE" + std::to_string(i) + ",lines a millionth apart\r\n0, 0,0, 0,1e-6\r\n";
        if (text.size() + p.size() > 65536)
            return text;
        text += p;
    }
}

void BM_DensePatternSheets(benchmark::State& state) {
    TPatternModule m;
    m.LoadPatternBytes(DensePatterns(), "dense.pat");
    for (auto _ : state) {
        TMemoryStream pdf;
        m.WritePatternSheets(pdf);
        benchmark::DoNotOptimize(pdf.Size());
    }
    state.counters["patterns"] = static_cast<double>(m.Entries.size());
}
BENCHMARK(BM_DensePatternSheets)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DensePatternThumbnails(benchmark::State& state) {
    TPatternModule m;
    m.LoadPatternBytes(DensePatterns(), "dense.pat");
    TRasterCanvas tile(128, 80);
    for (auto _ : state) {
        TPatternBudget budget = m.BuildBudget();
        m.TileWidth = 128;
        m.TileHeight = 80;
        for (const TPatternEntry& e : m.Entries) {
            m.PatternScale = 0;
            m.DrawPattern(m.PatternBody(e.HeaderLine), tile, TPatternTarget::Thumbnail, &budget);
        }
    }
}
BENCHMARK(BM_DensePatternThumbnails)->Unit(benchmark::kMillisecond);

void BM_ConvertTwoColours4096(benchmark::State& state) {
    TRasterCanvas picture(4096, 4096);
    for (int y = 0; y < 4096; ++y)
        for (int x = 0; x < 4096; ++x)
            picture.SetPixel(x, y,
                             (x + y) % 2 ? RGBColor(0x10, 0x30, 0x40) : RGBColor(0xF0, 0xDC, 0xC8));
    const TPalette palette = BuildPalette(0);
    int64_t bytes = 0;
    for (auto _ : state) {
        TMemoryStream slide;
        BitmapToSlide(slide, TRasterPixels(picture), {0, 0, 4095, 4095}, palette, 0);
        bytes = slide.Size();
    }
    state.counters["slide MB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_ConvertTwoColours4096)->Unit(benchmark::kMillisecond);

void BM_FullSizeFills(benchmark::State& state) {
    TSlideWriter w(10000, 10000);
    while (w.Bytes().size() < 65000)
        w.Fill({{0, 0}, {9999, 0}, {5000, 9999}});
    w.End();
    TMemoryStream slide(w.Bytes());
    TRasterCanvas canvas(2000, 2000);
    const TRenderState black;
    for (auto _ : state)
        DrawSlide(slide, canvas, {0, 0, 1999, 1999}, black);
}
BENCHMARK(BM_FullSizeFills)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
