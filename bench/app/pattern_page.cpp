// Building the pattern page's thumbnails of the 400 generated patterns (the pattern benchmark's
// file) in the window, against the bare DrawPattern calls that make the same 400 thumbnails (a
// fresh 128 x 80 bitmap each, the same tile, automatic scales) in the same run. The page's own
// work on top (progress label, list items with icons, the image list, showing the first pattern)
// should stay within 1.3 times the bare drawing; a summary prints the ratio at the end.
#include "HatchPage.h"
#include "graphics/RasterCanvas.h"
#include "model/PatternPage.h"
#include "patterns/upat.h"
#include "testslides.h"

#include "PatternWorkload.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

std::string g_folder;
TForm1* g_form = nullptr;
double g_pageSeconds = 0, g_drawSeconds = 0;

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_PagePatternThumbnails(benchmark::State& state) {
    TPatternPage& page = g_form->Model().PatternPage();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        // What the thumbnail switch runs, and the window showing the result.
        g_form->RunCommand([&] { page.BuildPatternThumbnails(); });
        g_pageSeconds += Seconds(start) / static_cast<double>(state.max_iterations);
    }
    state.counters["thumbnails"] = static_cast<double>(g_form->limg.size());
}
BENCHMARK(BM_PagePatternThumbnails)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_BareDrawPatternThumbnails(benchmark::State& state) {
    TPatternModule m;
    m.LoadPatternFile(g_folder + "/generated.pat");
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (const TPatternEntry& entry : m.Entries) {
            TRasterCanvas bitmap(TPatternPage::kThumbWidth, TPatternPage::kThumbHeight);
            m.TileWidth = TPatternPage::kThumbWidth;
            m.TileHeight = TPatternPage::kThumbHeight;
            m.PatternScale = 0;
            m.DrawPattern(m.PatternBody(entry.HeaderLine), bitmap, TPatternTarget::Thumbnail);
            benchmark::DoNotOptimize(bitmap.Bits());
        }
        g_drawSeconds += Seconds(start) / static_cast<double>(state.max_iterations);
    }
}
BENCHMARK(BM_BareDrawPatternThumbnails)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);

    char pattern[] = "/tmp/varnel-bench-XXXXXX";
    if (!::mkdtemp(pattern))
        return 1;
    g_folder = pattern;
    GeneratedFile(g_folder);

    {
        TForm1::TOptions options;
        options.ProgramDir = g_folder;
        options.SettingsFile = g_folder + "/varnel.ini";
        TForm1 form(options);
        form.resize(890, 570);
        form.show();
        QApplication::processEvents();
        form.SetTreeFolder(QString::fromStdString(g_folder));
        form.RunCommand([&] { form.Model().ChooseSource(0); });
        QApplication::processEvents();
        g_form = &form;

        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        if (g_pageSeconds > 0 && g_drawSeconds > 0)
            std::printf("\nPattern thumbnails on the page: %.1f ms, bare DrawPattern: %.1f ms, "
                        "ratio %.2f (mean of the iterations; target 1.3 or less)\n",
                        g_pageSeconds * 1000, g_drawSeconds * 1000, g_pageSeconds / g_drawSeconds);
        g_form = nullptr;
    }
    std::error_code ec;
    std::filesystem::remove_all(g_folder, ec);
    return 0;
}
