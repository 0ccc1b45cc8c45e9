// Image export of the thumbnail workload: one slide of 5,000 vectors (endpoints from a linear
// congruential generator, x in 0..4095, y in 0..2729, a colour record every 100 vectors)
// exported 1,000 times at 128 x 80 as a 4-bit BMP and as a PNG, in memory. The bare drawing of
// the same slide into the same bitmap is measured in the same run; the summary prints the time
// per image and what writing adds to drawing.
#include "graphics/AcadPal.h"
#include "graphics/Graphic.h"
#include "output/ImageExport.h"
#include "output/SlideGraphic.h"
#include "slides/SlideClasses.h"

#include "BenchSupport.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

constexpr int kWidth = 128, kHeight = 80, kImages = 1000;

std::unique_ptr<TSlideLib> MakeLibrary() {
    TMemoryStream bytes(MakeWorkloadSlide(5000));
    auto lib = TSlideLib::CreateEmpty();
    lib->AddCopy(TSlide::CreateFromStream("BENCH", bytes).get());
    return lib;
}

TSlideLib& Library() {
    static std::unique_ptr<TSlideLib> lib = MakeLibrary();
    return *lib;
}

// The bare drawing: background and slide into a 128 x 80 bitmap.
void DrawAll() {
    TBitmap bitmap;
    const TRenderState white(0xFFFFFF, false);
    for (int i = 0; i < kImages; ++i) {
        DrawToGraphic(Library(), 0, bitmap, kHeight, kWidth, white);
        benchmark::DoNotOptimize(bitmap.Canvas().Bits());
    }
}

// The whole export of each image to file bytes: render state, drawing, 16-colour reduction,
// encoding.
void ExportAll(TImageFormat format) {
    TExportOptions options;
    options.Format = format;
    options.Size = TExportSize::Custom;
    options.CustomWidth = kWidth;
    options.CustomHeight = kHeight;
    options.Background = 0xFFFFFF;
    for (int i = 0; i < kImages; ++i)
        benchmark::DoNotOptimize(RenderSlideImage(Library(), 0, options));
}

void BM_Thumbnails_Draw(benchmark::State& state) {
    for (auto _ : state)
        DrawAll();
    state.SetItemsProcessed(state.iterations() * kImages);
}
void BM_Thumbnails_ExportBmp(benchmark::State& state) {
    for (auto _ : state)
        ExportAll(TImageFormat::Bmp);
    state.SetItemsProcessed(state.iterations() * kImages);
}
void BM_Thumbnails_ExportPng(benchmark::State& state) {
    for (auto _ : state)
        ExportAll(TImageFormat::Png);
    state.SetItemsProcessed(state.iterations() * kImages);
}

BENCHMARK(BM_Thumbnails_Draw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Thumbnails_ExportBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Thumbnails_ExportPng)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double draw = BestSeconds(DrawAll) / kImages;
    const double bmp = BestSeconds([] { ExportAll(TImageFormat::Bmp); }) / kImages;
    const double png = BestSeconds([] { ExportAll(TImageFormat::Png); }) / kImages;
    std::printf("per 128 x 80 image: draw %.1f us, BMP export %.1f us (+%.0f%%), PNG export %.1f "
                "us (+%.0f%%)\n",
                draw * 1e6, bmp * 1e6, (bmp / draw - 1) * 100, png * 1e6, (png / draw - 1) * 100);
    return 0;
}
