// Redrawing the preview of a 1,000,000-vector slide at zoom 1, 8 and 64, as the window does at
// every wheel turn and drag: the 1280 x 720 preview filled with the background, then the slide
// drawn into the zoom's frame (8 or 64 times the preview, around its centre). The canvas clips
// every line to the preview, so a zoomed redraw costs no more than a fitted one.
// A summary prints the best of three redraws at each zoom.
#include "graphics/AcadPal.h"
#include "graphics/RasterCanvas.h"
#include "model/PreviewZoom.h"
#include "slides/Slides.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int kWidth = 1280, kHeight = 720;

TMemoryStream& Slide() {
    static TMemoryStream slide(MakeWorkloadSlide(1000000));
    return slide;
}

void Redraw(TRasterCanvas& canvas, double zoom) {
    TPreviewZoom view;
    view.SetViewSize(kWidth, kHeight);
    view.ZoomAt(zoom, kWidth / 2.0, kHeight / 2.0);
    const TRenderState render;
    canvas.SetBrushColor(render.Background());
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.FillRect({0, 0, kWidth, kHeight});
    DrawSlide(Slide(), canvas, view.Frame(), render);
    benchmark::DoNotOptimize(canvas.Bits());
}

void BM_PreviewRedraw(benchmark::State& state) {
    TRasterCanvas canvas(kWidth, kHeight);
    for (auto _ : state)
        Redraw(canvas, static_cast<double>(state.range(0)));
}
BENCHMARK(BM_PreviewRedraw)->Arg(1)->Arg(8)->Arg(64)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TRasterCanvas canvas(kWidth, kHeight);
    for (int zoom : {1, 8, 64}) {
        const double seconds = BestSeconds([&] { Redraw(canvas, zoom); });
        std::printf("1,000,000 vectors, %d x %d preview, zoom %2d: redraw %8.2f ms\n", kWidth,
                    kHeight, zoom, seconds * 1e3);
    }
}
