// DXF both ways: a drawing of 100,000 entities (lines, arcs, circles, polylines with bulges,
// texts, and a block inserted 1,000 times) and one of 50,000 splines, hatches with curved edges
// and dashed entities drawn into a 2048 x 1536 slide, and a busy slide (10,000 vectors and 500
// fills) written as R12 and R2000 drawings. The machine may be shared: read the CPU column.
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

// 50,000 curves and dashed entities: splines by knots and by fit points, hatches bounded by
// ellipse arcs and spline edges, and lines and circles in a dashed linetype.
std::string CurvesDrawing() {
    std::string s = "0\nSECTION\n2\nHEADER\n9\n$LTSCALE\n40\n0.5\n0\nENDSEC\n"
                    "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLTYPE\n0\nLTYPE\n2\nDASHED\n73\n2\n40\n"
                    "0.75\n49\n0.5\n49\n-0.25\n0\nENDTAB\n0\nENDSEC\n"
                    "0\nSECTION\n2\nENTITIES\n";
    const auto n = [](double v) { return std::to_string(v); };
    for (int i = 0; i < 50000; ++i) {
        const double x = (i % 250) * 4.0, y = (i / 250) * 4.0;
        const std::string colour = std::to_string(1 + i % 255);
        switch (i % 5) {
        case 0: // degree 3, six control points, non-uniform knots
            s += "0\nSPLINE\n8\nA\n62\n" + colour + "\n71\n3\n72\n10\n73\n6\n";
            for (double k : {0.0, 0.0, 0.0, 0.0, 1.0, 3.0, 4.0, 4.0, 4.0, 4.0})
                s += "40\n" + n(k) + "\n";
            for (int c = 0; c < 6; ++c)
                s += "10\n" + n(x + c * 0.6) + "\n20\n" + n(y + (c % 2) * 3) + "\n";
            break;
        case 1: // fit points only
            s += "0\nSPLINE\n8\nA\n62\n" + colour + "\n71\n3\n74\n5\n";
            for (int c = 0; c < 5; ++c)
                s += "11\n" + n(x + c * 0.8) + "\n21\n" + n(y + (c % 2) * 2.5) + "\n";
            break;
        case 2: // an ellipse arc and a spline edge
            s += "0\nHATCH\n8\nA\n62\n" + colour +
                 "\n2\nSOLID\n70\n1\n71\n0\n91\n1\n92\n0\n93\n2\n72\n3\n10\n" + n(x + 1.5) +
                 "\n20\n" + n(y + 1.5) + "\n11\n1.5\n21\n0\n40\n0.5\n50\n0\n51\n180\n73\n1\n" +
                 "72\n4\n94\n2\n73\n0\n74\n0\n95\n6\n96\n3\n40\n0\n40\n0\n40\n0\n40\n1\n40\n1\n40"
                 "\n" +
                 "1\n10\n" + n(x) + "\n20\n" + n(y + 1.5) + "\n10\n" + n(x + 1.5) + "\n20\n" +
                 n(y) + "\n10\n" + n(x + 3) + "\n20\n" + n(y + 1.5) + "\n97\n0\n";
            break;
        case 3:
            s += "0\nLINE\n8\nA\n62\n" + colour + "\n6\nDASHED\n10\n" + n(x) + "\n20\n" + n(y) +
                 "\n11\n" + n(x + 3.5) + "\n21\n" + n(y + 3) + "\n";
            break;
        default:
            s += "0\nCIRCLE\n8\nA\n62\n" + colour + "\n6\nDASHED\n10\n" + n(x + 2) + "\n20\n" +
                 n(y + 2) + "\n40\n1.5\n";
        }
    }
    return s + "0\nENDSEC\n0\nEOF\n";
}

void BM_DxfToSlide50kCurvesAndDashes(benchmark::State& state) {
    const std::string drawing = CurvesDrawing();
    for (auto _ : state) {
        const TDxfConversion c = DxfToSlide(drawing, "curves.dxf", {2048, 1536});
        benchmark::DoNotOptimize(c.Slide.data());
    }
    state.counters["MB"] = static_cast<double>(drawing.size()) / 1e6;
}
BENCHMARK(BM_DxfToSlide50kCurvesAndDashes)->Unit(benchmark::kMillisecond);

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
