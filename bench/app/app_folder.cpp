// Opening a folder of 5,000 slide files in the window (each the 5,000-vector thumbnail workload
// slide of BenchSupport.h, 40 KB): the time until the first screen of thumbnails is there (the
// folder tree's change handled: list read, items made, the visible thumbnails drawn), the time
// until every thumbnail is drawn (the rest on the worker threads), and the process's peak
// memory; against one thread reading and drawing the same 5,000 thumbnails in the same run.
#include "graphics/Graphic.h"
#include "output/SlideGraphic.h"
#include "slides/SlideClasses.h"
#include "testslides.h"

#include "BenchSupport.h"

#include <QApplication>
#include <QListWidget>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr int kSlides = 5000;

std::string g_folder;
std::string g_empty;
TForm1* g_form = nullptr;
double g_firstScreen = 1e9, g_all = 1e9, g_oneThread = 1e9;

double Since(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Peak resident memory of the process so far, in MB.
double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void BM_OpenFolderOfSlides(benchmark::State& state) {
    for (auto _ : state) {
        g_form->SetTreeFolder(QString::fromStdString(g_empty));
        QApplication::processEvents();
        const auto t0 = std::chrono::steady_clock::now();
        g_form->SetTreeFolder(QString::fromStdString(g_folder));
        const double first = Since(t0);
        g_form->WaitForThumbnails();
        QApplication::processEvents();
        g_firstScreen = std::min(g_firstScreen, first);
        g_all = std::min(g_all, Since(t0));
    }
    state.counters["items"] = g_form->ListBox1->count();
}
BENCHMARK(BM_OpenFolderOfSlides)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_OneThreadReadAndDraw(benchmark::State& state) {
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        std::unique_ptr<TSlideLib> lib = TSlideLib::CreateFromDirectory(g_folder, "*.sld");
        TBitmap bitmap;
        const TRenderState black;
        for (int i = 0; i < lib->Count(); ++i)
            DrawToGraphic(*lib, i, bitmap, TForm1::kThumbHeight, TForm1::kThumbWidth, black);
        benchmark::DoNotOptimize(bitmap.Canvas().Bits());
        g_oneThread = std::min(g_oneThread, Since(t0));
    }
}
BENCHMARK(BM_OneThreadReadAndDraw)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);

    char pattern[] = "/tmp/varnel-bench-XXXXXX";
    if (!::mkdtemp(pattern))
        return 1;
    const std::string root = pattern;
    g_folder = root + "/slides";
    g_empty = root + "/empty";
    std::filesystem::create_directories(g_folder);
    std::filesystem::create_directories(g_empty);
    {
        const std::vector<uint8_t> bytes = MakeWorkloadSlide(5000);
        for (int i = 0; i < kSlides; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "/S%05d.sld", i);
            std::ofstream(g_folder + name, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
        }
    }

    double peakBefore = 0, peakAfter = 0;
    {
        TForm1::TOptions options;
        options.ProgramDir = root;
        options.SettingsFile = root + "/varnel.ini";
        TForm1 form(options);
        form.resize(890, 570);
        form.show();
        QApplication::processEvents();
        g_form = &form;
        peakBefore = PeakMegabytes();

        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        peakAfter = PeakMegabytes();
        g_form = nullptr;
    }
    if (g_all < 1e9 && g_oneThread < 1e9)
        std::printf("\nFolder of %d slides: first screen %.0f ms (target 200 ms or less), all "
                    "thumbnails %.0f ms, one thread %.0f ms, ratio %.2f (target 0.6 or less); "
                    "peak memory %.0f MB (%.0f MB before the folder; target below 150 MB)\n",
                    kSlides, g_firstScreen * 1000, g_all * 1000, g_oneThread * 1000,
                    g_all / g_oneThread, peakAfter, peakBefore);
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    return 0;
}
