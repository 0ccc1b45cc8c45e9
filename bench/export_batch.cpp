// A batch export as `sldtool export LIB.slb -d DIR --format png --size 128x80
// -j N` makes it: the thumbnail library (1,000 slides, each the 5,000-vector
// workload slide of BenchSupport.h) read from its file and written as 128 x 80
// PNG files into a folder that already holds them, with one thread and with
// two. Each file is replaced atomically, and the batch ends with one sync of
// the folder's file system.
//
// Its floor, in the same run: the plain one-thread drawing of the same 1,000
// thumbnails, plus what the file system itself takes to replace 1,000 files of
// the same sizes the same way (new file beside, rename over, one sync). The
// summary gives wall and CPU time (all threads).
#include "base/FileUtil.h"
#include "graphics/Graphic.h"
#include "output/ImageExport.h"
#include "output/SlideGraphic.h"
#include "slides/SlideClasses.h"

#include "BenchSupport.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <malloc.h>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kSlides = 1000;

std::string g_library;
std::string g_folder;
std::unique_ptr<TSlideLib> g_lib;
// The exported files' sizes, for the file system's share of the floor.
std::vector<size_t> g_sizes;

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

// The library read from its file, as sldtool does, then exported.
void Export(int threads) {
    const std::unique_ptr<TSlideLib> lib = TSlideLib::CreateFromFile(g_library);
    std::vector<int> all(kSlides);
    for (int i = 0; i < kSlides; ++i)
        all[static_cast<size_t>(i)] = i;
    benchmark::DoNotOptimize(ExportSlidesToFolder(*lib, all, g_folder, Options(threads)));
}

// The file system's share: files of the exported sizes replaced as the export
// replaces them.
void ReplaceFiles() {
    const std::string folder = g_folder + "-floor";
    std::filesystem::create_directories(folder);
    const std::vector<uint8_t> bytes(*std::max_element(g_sizes.begin(), g_sizes.end()), 0x55);
    for (size_t i = 0; i < g_sizes.size(); ++i)
        SaveFileAtomically(
            folder + "/S" + std::to_string(i) + ".png",
            [&](TStream& s) { s.WriteBuffer(bytes.data(), g_sizes[i]); }, TDurability::Unsynced);
    SyncFileSystemOf(folder);
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
void BM_ReplaceFiles(benchmark::State& state) {
    for (auto _ : state)
        ReplaceFiles();
}
void BM_ExportPng(benchmark::State& state) {
    for (auto _ : state)
        Export(static_cast<int>(state.range(0)));
}
// CPU time is the whole process's: the second thread of -j 2 counts.
BENCHMARK(BM_Draw)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReplaceFiles)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_ExportPng)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

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
    g_library = root + "/thumbs.slb";
    g_lib = TSlideLib::CreateFromFile(g_library);
    Export(1); // the files are there before the runs that count
    for (int i = 0; i < kSlides; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/S%04d.png", i);
        g_sizes.push_back(static_cast<size_t>(std::filesystem::file_size(g_folder + name)));
    }
    ReplaceFiles();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const TCost draw = BestCost(Draw);
    const TCost files = BestCost(ReplaceFiles);
    const TCost one = BestCost([] { Export(1); });
    const TCost two = BestCost([] { Export(2); });
    const double floorWall = draw.Wall + files.Wall, floorCpu = draw.Cpu + files.Cpu;
    std::printf("\n1,000 PNG files, wall (CPU) ms: -j 1 %.0f (%.0f), -j 2 %.0f (%.0f); "
                "floor %.0f "
                "(%.0f) = plain drawing %.0f (%.0f) + replacing the files %.0f (%.0f).\n"
                "-j 1 over the floor %.2f (%.2f CPU; aim 1.3 or less), -j 2 %.2f (aim "
                "1)\n",
                one.Wall * 1000, one.Cpu * 1000, two.Wall * 1000, two.Cpu * 1000, floorWall * 1000,
                floorCpu * 1000, draw.Wall * 1000, draw.Cpu * 1000, files.Wall * 1000,
                files.Cpu * 1000, one.Wall / floorWall, one.Cpu / floorCpu, two.Wall / floorWall);
    g_lib.reset();
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    return 0;
}
