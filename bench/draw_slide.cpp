// DrawSlide against a plain Bresenham loop that writes the same lines into a plain pixel buffer
// (no stream, no records, no canvas).
//   Thumbnails: one slide of 5,000 vectors drawn 1,000 times into 128 x 80, background first.
//   Big preview: one slide of 1,000,000 vectors drawn into 1920 x 1080.
//   Render: `sldtool render` of the big preview's slide: its file read, drawn into 1920 x 1080 and
//   written as a PNG file, against the same baseline.
// After the benchmarks, a summary prints DrawSlide's time over the baseline's for each workload.
#include "graphics/AcadPal.h"
#include "graphics/PngWriter.h"
#include "graphics/RasterCanvas.h"
#include "slides/SlideClasses.h"
#include "slides/Slides.h"

#include "BenchSupport.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

struct TLine {
    int x0, y0, x1, y1;
    uint32_t word;
};

TMemoryStream MakeSlide(int vectors) {
    return TMemoryStream(MakeWorkloadSlide(vectors));
}

// The device lines DrawSlide draws, taken once from a recording of its calls.
class TLineRecorder : public TRasterCanvas {
public:
    TLineRecorder() : TRasterCanvas(1, 1) {}
    std::vector<TLine> lines;
    void MoveTo(int x, int y) override {
        m_cx = x;
        m_cy = y;
    }
    void LineTo(int x, int y) override { lines.push_back({m_cx, m_cy, x, y, ToWord(PenColor())}); }
    void SetPixel(int, int, TColor) override {}

private:
    int m_cx = 0, m_cy = 0;
};

std::vector<TLine> DeviceLines(TMemoryStream& slide, int w, int h) {
    TLineRecorder rec;
    DrawSlide(slide, rec, {0, 0, w - 1, h - 1}, TRenderState());
    return rec.lines;
}

// The baseline: background fill, then each line by the textbook loop with a bounds check per
// pixel, then its end pixel.
void PlainDraw(const std::vector<TLine>& lines, std::vector<uint32_t>& buf, int w, int h) {
    std::fill(buf.begin(), buf.end(), 0xFF000000u);
    auto plot = [&](int x, int y, uint32_t c) {
        if (static_cast<unsigned>(x) < static_cast<unsigned>(w) &&
            static_cast<unsigned>(y) < static_cast<unsigned>(h))
            buf[static_cast<size_t>(y) * w + x] = c;
    };
    for (const TLine& l : lines) {
        const int dx = std::abs(l.x1 - l.x0), dy = -std::abs(l.y1 - l.y0);
        const int sx = l.x0 < l.x1 ? 1 : -1, sy = l.y0 < l.y1 ? 1 : -1;
        int err = dx + dy, x = l.x0, y = l.y0;
        while (x != l.x1 || y != l.y1) {
            plot(x, y, l.word);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
        plot(l.x1, l.y1, l.word);
    }
}

struct TWorkload {
    TMemoryStream slide;
    int width, height, repeats;
    std::vector<TLine> lines;
    TWorkload(int vectors, int w, int h, int r)
        : slide(MakeSlide(vectors)), width(w), height(h), repeats(r),
          lines(DeviceLines(slide, w, h)) {}
};

TWorkload& Thumbnails() {
    static TWorkload w(5000, 128, 80, 1000);
    return w;
}
TWorkload& BigPreview() {
    static TWorkload w(1000000, 1920, 1080, 1);
    return w;
}

void RunDrawSlide(TWorkload& wl) {
    TRasterCanvas canvas(wl.width, wl.height);
    const TRenderState black;
    for (int i = 0; i < wl.repeats; ++i) {
        canvas.SetBrushColor(black.Background());
        canvas.FillRect({0, 0, wl.width, wl.height});
        DrawSlide(wl.slide, canvas, {0, 0, wl.width - 1, wl.height - 1}, black);
    }
    benchmark::DoNotOptimize(canvas.Bits());
}

void RunPlain(TWorkload& wl) {
    std::vector<uint32_t> buf(static_cast<size_t>(wl.width) * wl.height);
    for (int i = 0; i < wl.repeats; ++i)
        PlainDraw(wl.lines, buf, wl.width, wl.height);
    benchmark::DoNotOptimize(buf.data());
}

// The big preview's slide as a file, and where the render writes its picture.
struct TRenderFiles {
    std::string Folder, Slide, Picture;
    TRenderFiles() {
        std::string pattern = (std::filesystem::temp_directory_path() / "renderXXXXXX").string();
        Folder = ::mkdtemp(pattern.data());
        Slide = Folder + "/big.sld";
        Picture = Folder + "/big.png";
        const std::vector<uint8_t>& bytes = BigPreview().slide.Bytes();
        std::FILE* f = std::fopen(Slide.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    ~TRenderFiles() { std::filesystem::remove_all(Folder); }
};

TRenderFiles& RenderFiles() {
    static TRenderFiles files;
    return files;
}

void RunRender() {
    const TRenderFiles& files = RenderFiles();
    const std::unique_ptr<TSlide> slide = TSlide::CreateFromFile("BIG", files.Slide);
    TRasterCanvas canvas(1920, 1080);
    slide->DrawOn(canvas, {0, 0, 1919, 1079}, TRenderState());
    WriteRgbPng(canvas, files.Picture);
}

void BM_Thumbnails_DrawSlide(benchmark::State& state) {
    for (auto _ : state)
        RunDrawSlide(Thumbnails());
}
void BM_Thumbnails_PlainBaseline(benchmark::State& state) {
    for (auto _ : state)
        RunPlain(Thumbnails());
}
void BM_BigPreview_DrawSlide(benchmark::State& state) {
    for (auto _ : state)
        RunDrawSlide(BigPreview());
}
void BM_BigPreview_PlainBaseline(benchmark::State& state) {
    for (auto _ : state)
        RunPlain(BigPreview());
}

void BM_Render_SlideFileToPng(benchmark::State& state) {
    for (auto _ : state)
        RunRender();
}

BENCHMARK(BM_Thumbnails_DrawSlide)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Thumbnails_PlainBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BigPreview_DrawSlide)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BigPreview_PlainBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Render_SlideFileToPng)->Unit(benchmark::kMillisecond);

double ProcessSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The least CPU seconds of three runs of f.
template <typename F> double BestCpuSeconds(F f) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const double t0 = ProcessSeconds();
        f();
        best = std::min(best, ProcessSeconds() - t0);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (auto [name, wl] :
         {std::pair{"thumbnails", &Thumbnails()}, {"big preview", &BigPreview()}}) {
        const double draw = BestSeconds([&] { RunDrawSlide(*wl); });
        const double plain = BestSeconds([&] { RunPlain(*wl); });
        std::printf("%-12s DrawSlide %8.2f ms  baseline %8.2f ms  ratio %.2f\n", name, draw * 1e3,
                    plain * 1e3, draw / plain);
    }
    // The render in CPU time too: on a busy machine wall time says little.
    const double render = BestSeconds(RunRender);
    const double plain = BestSeconds([] { RunPlain(BigPreview()); });
    const double renderCpu = BestCpuSeconds(RunRender);
    const double plainCpu = BestCpuSeconds([] { RunPlain(BigPreview()); });
    std::printf("%-12s file to PNG %8.2f ms (%.2f ms CPU)  baseline %8.2f ms (%.2f ms CPU)  ratio "
                "%.2f (%.2f CPU; aim 1.3 or less)\n",
                "render", render * 1e3, renderCpu * 1e3, plain * 1e3, plainCpu * 1e3,
                render / plain, renderCpu / plainCpu);
    return 0;
}
