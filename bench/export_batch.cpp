// A batch export as `sldtool export LIB.slb -d DIR --format png --size 128x80 -j N` makes it: the
// thumbnail library (1,000 slides, each the 5,000-vector workload slide of BenchSupport.h)
// written as 128 x 80 PNG files into a folder that already holds them, with one thread and with
// two; against the plain one-thread drawing of the same 1,000 thumbnails in the same run. Each
// file is replaced atomically, and the batch ends with one sync of the folder's file system.
#include "base/FileUtil.h"
#include "graphics/Graphic.h"
#include "output/ImageExport.h"
#include "output/SlideGraphic.h"
#include "slides/SlideClasses.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kSlides = 1000;

std::string g_folder;
std::unique_ptr<TSlideLib> g_lib;

TExportOptions Options(int threads) {
    TExportOptions options;
    options.Format = TImageFormat::Png;
    options.Size = TExportSize::Custom;
    options.CustomWidth = 128;
    options.CustomHeight = 80;
    options.Background = 0xFFFFFF;
    options.Threads = threads;
    return options;
}

void Export(int threads) {
    std::vector<int> all(kSlides);
    for (int i = 0; i < kSlides; ++i)
        all[static_cast<size_t>(i)] = i;
    benchmark::DoNotOptimize(ExportSlidesToFolder(*g_lib, all, g_folder, Options(threads)));
}

void Draw() {
    TBitmap bitmap;
    const TRenderState white(0xFFFFFF, false);
    for (int i = 0; i < kSlides; ++i) {
        DrawToGraphic(*g_lib, i, bitmap, 80, 128, white);
        benchmark::DoNotOptimize(bitmap.Canvas().Bits());
    }
}

void BM_Draw(benchmark::State& state) {
    for (auto _ : state)
        Draw();
}
void BM_ExportPng(benchmark::State& state) {
    for (auto _ : state)
        Export(static_cast<int>(state.range(0)));
}
BENCHMARK(BM_Draw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportPng)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    char pattern[] = "/tmp/varnel-bench-XXXXXX";
    if (!::mkdtemp(pattern))
        return 1;
    const std::string root = pattern;
    g_folder = root + "/out";
    {
        TMemoryStream bytes(MakeWorkloadSlide(5000));
        auto lib = TSlideLib::CreateEmpty();
        for (int i = 0; i < kSlides; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "S%04d", i);
            lib->AddCopy(TSlide::CreateFromStream(name, bytes).get());
        }
        lib->SaveToFile(root + "/thumbs.slb");
    }
    g_lib = TSlideLib::CreateFromFile(root + "/thumbs.slb");
    Export(1); // the files are there before the runs that count

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const double draw = BestSeconds(Draw);
    const double one = BestSeconds([] { Export(1); });
    const double two = BestSeconds([] { Export(2); });
    std::printf("\n1,000 PNG files: -j 1 %.0f ms, -j 2 %.0f ms; plain drawing %.0f ms. -j 1 over "
                "drawing %.2f (target 3 or less), -j 2 over -j 1 %.2f (target 0.6 or less)\n",
                one * 1000, two * 1000, draw * 1000, one / draw, two / one);
    g_lib.reset();
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    return 0;
}
