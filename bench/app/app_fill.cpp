// Filling the slide list in thumbnail view from a library of 1,000 slides (each the 5,000-vector
// slide: endpoints from a linear congruential generator, x in 0..4095, y in 0..2729, a colour
// record every 100 vectors) until every thumbnail is drawn and shown (the first screen at once,
// the rest on the worker threads), against the bare one-thread DrawSlide time for the same 1,000
// thumbnails (128 x 80, background first) in the same run. A summary prints the ratio at the end.
#include "graphics/AcadPal.h"
#include "graphics/RasterCanvas.h"
#include "slides/SlideClasses.h"
#include "slides/Slides.h"
#include "testslides.h"

#include "BenchSupport.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr int kSlides = 1000;

std::string g_folder;
TForm1* g_form = nullptr;
double g_fillSeconds = 0, g_drawSeconds = 0;

void BM_FillSlideListThumbnails(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        g_form->FillSlideList();
        g_form->WaitForThumbnails();
        g_fillSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
            static_cast<double>(state.max_iterations);
    }
    state.counters["thumbnails"] = static_cast<double>(g_form->limg.size());
}
BENCHMARK(BM_FillSlideListThumbnails)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_BareDrawSlideThumbnails(benchmark::State& state) {
    TMemoryStream slide(MakeWorkloadSlide(5000));
    TRasterCanvas canvas(TForm1::kThumbWidth, TForm1::kThumbHeight);
    const TRenderState black;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kSlides; ++i) {
            canvas.SetBrushColor(0);
            canvas.SetBrushStyle(TBrushStyle::Solid);
            canvas.FillRect({0, 0, TForm1::kThumbWidth, TForm1::kThumbHeight});
            DrawSlide(slide, canvas, {0, 0, TForm1::kThumbWidth - 1, TForm1::kThumbHeight - 1},
                      black);
        }
        benchmark::DoNotOptimize(canvas.Bits());
        g_drawSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
            static_cast<double>(state.max_iterations);
    }
}
BENCHMARK(BM_BareDrawSlideThumbnails)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);

    char pattern[] = "/tmp/varnel-bench-XXXXXX";
    if (!::mkdtemp(pattern))
        return 1;
    g_folder = pattern;
    {
        const std::vector<uint8_t> bytes = MakeWorkloadSlide(5000);
        std::unique_ptr<TSlideLib> lib = TSlideLib::CreateEmpty();
        for (int i = 0; i < kSlides; ++i) {
            TMemoryStream stream(bytes);
            char name[16];
            std::snprintf(name, sizeof name, "S%04d", i);
            lib->AddCopy(TSlide::CreateFromStream(name, stream).get());
        }
        lib->SaveToFile(g_folder + "/bench.slb");
    }

    int result = 0;
    {
        TForm1::TOptions options;
        options.ProgramDir = g_folder;
        options.SettingsFile = g_folder + "/varnel.ini";
        TForm1 form(options);
        form.resize(890, 570);
        form.SetTreeFolder(QString::fromStdString(g_folder));
        form.RunCommand([&] { form.Model().ChooseSource(0); });
        g_form = &form;

        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        if (g_fillSeconds > 0 && g_drawSeconds > 0)
            std::printf("\nFilling the list: %.1f ms, bare DrawSlide: %.1f ms, ratio %.2f "
                        "(mean of the iterations; target 1.3 or less)\n",
                        g_fillSeconds * 1000, g_drawSeconds * 1000, g_fillSeconds / g_drawSeconds);
        g_form = nullptr;
    }
    std::error_code ec;
    std::filesystem::remove_all(g_folder, ec);
    return result;
}
