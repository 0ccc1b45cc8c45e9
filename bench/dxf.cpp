// DXF both ways: a drawing of 100,000 entities (lines, arcs, circles, polylines with bulges,
// texts, and a block inserted 1,000 times) drawn into a 2048 x 1536 slide, and the slides of a
// busy slide (10,000 vectors and 500 fills) written as R12 and R2000 drawings.
#include "base/Streams.h"
#include "dxf/DxfToSlide.h"
#include "dxf/SlideToDxf.h"

#include "SlideWriter.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string BigDrawing() {
    std::string s = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nMARK\n10\n0\n20\n0\n"
                    "0\nLINE\n8\n0\n10\n-1\n20\n0\n11\n1\n21\n0\n"
                    "0\nCIRCLE\n8\n0\n62\n0\n10\n0\n20\n0\n40\n0.5\n"
                    "0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
    const auto n = [](double v) { return std::to_string(v); };
    for (int i = 0; i < 100000; ++i) {
        const double x = (i % 400) * 2.5, y = (i / 400) * 4.0;
        const std::string colour = std::to_string(1 + i % 255);
        switch (i % 6) {
        case 0:
        case 1:
            s += "0\nLINE\n8\nA\n62\n" + colour + "\n10\n" + n(x) + "\n20\n" + n(y) + "\n11\n" +
                 n(x + 2) + "\n21\n" + n(y + 3) + "\n";
            break;
        case 2:
            s += "0\nARC\n8\nA\n62\n" + colour + "\n10\n" + n(x) + "\n20\n" + n(y) +
                 "\n40\n1\n50\n0\n51\n270\n";
            break;
        case 3:
            s += "0\nCIRCLE\n8\nA\n62\n" + colour + "\n10\n" + n(x) + "\n20\n" + n(y) +
                 "\n40\n1.2\n";
            break;
        case 4:
            s += "0\nLWPOLYLINE\n8\nA\n62\n" + colour + "\n90\n3\n70\n1\n10\n" + n(x) + "\n20\n" +
                 n(y) + "\n42\n0.4\n10\n" + n(x + 2) + "\n20\n" + n(y) + "\n10\n" + n(x + 1) +
                 "\n20\n" + n(y + 2) + "\n";
            break;
        default:
            if (i % 100 == 5)
                s += "0\nINSERT\n8\nA\n62\n" + colour + "\n2\nMARK\n10\n" + n(x) + "\n20\n" + n(y) +
                     "\n";
            else
                s += "0\nTEXT\n8\nA\n62\n" + colour + "\n10\n" + n(x) + "\n20\n" + n(y) +
                     "\n40\n1\n1\nA" + std::to_string(i % 100) + "\n";
        }
    }
    return s + "0\nENDSEC\n0\nEOF\n";
}

void BM_DxfToSlide100kEntities(benchmark::State& state) {
    const std::string drawing = BigDrawing();
    for (auto _ : state) {
        const TDxfConversion c = DxfToSlide(drawing, "big.dxf", {2048, 1536});
        benchmark::DoNotOptimize(c.Slide.data());
    }
    state.counters["MB"] = static_cast<double>(drawing.size()) / 1e6;
}
BENCHMARK(BM_DxfToSlide100kEntities)->Unit(benchmark::kMillisecond);

std::vector<uint8_t> BusySlide() {
    TSlideWriter w(2000, 1500);
    for (int i = 0; i < 10000; ++i) {
        w.Colour(1 + i % 255);
        w.Vector(i % 2000, i % 1500, (i * 7) % 2000, (i * 13) % 1500);
    }
    for (int i = 0; i < 500; ++i)
        w.Fill({{i, i}, {i + 40, i}, {i + 50, i + 30}, {i + 20, i + 45}, {i, i + 30}});
    w.End();
    return w.Bytes();
}

void BM_SlideToDxf(benchmark::State& state) {
    const std::vector<uint8_t> slide = BusySlide();
    const TDxfVersion version = state.range(0) ? TDxfVersion::R2000 : TDxfVersion::R12;
    for (auto _ : state) {
        TMemoryStream stream(slide);
        const std::vector<uint8_t> dxf = SlideToDxf(stream, "BUSY", version);
        benchmark::DoNotOptimize(dxf.data());
    }
}
BENCHMARK(BM_SlideToDxf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
