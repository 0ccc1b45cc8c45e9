// Pattern rendering: sheets for a generated file of 400 patterns of mixed density, and the
// preview of the densest kinds. Reports the segments sent to the clip test per second.
#include "graphics/RasterCanvas.h"
#include "patterns/upat.h"
#include "pdf/PdfDoc.h"

#include "PatternWorkload.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

struct TBenchFolder {
    std::string path;
    TBenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "patbenchXXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~TBenchFolder() { std::filesystem::remove_all(path); }
};

void BM_PatternSheets400(benchmark::State& state) {
    TBenchFolder folder;
    TPatternModule m;
    m.LoadPatternFile(GeneratedFile(folder.path));
    uint64_t sent = 0;
    for (auto _ : state) {
        m.SegmentsSent = 0;
        m.WritePatternSheets(folder.path + "/sheets.pdf");
        sent += m.SegmentsSent;
    }
    state.counters["segments"] = benchmark::Counter(static_cast<double>(m.SegmentsSent));
    state.counters["segments/s"] =
        benchmark::Counter(static_cast<double>(sent), benchmark::Counter::kIsRate);
    state.counters["drawn"] = benchmark::Counter(static_cast<double>(m.SegmentsDrawn) /
                                                 static_cast<double>(state.iterations()));
}
BENCHMARK(BM_PatternSheets400)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same 400 cells drawn onto one page without saving: the renderer and the page canvas's
// operators without the writer's compression.
void BM_PatternCells400(benchmark::State& state) {
    TBenchFolder folder;
    TPatternModule m;
    m.LoadPatternFile(GeneratedFile(folder.path));
    uint64_t sent = 0;
    for (auto _ : state) {
        TPdfDoc doc;
        doc.StartDocument();
        doc.AddPage();
        m.SegmentsSent = 0;
        m.TileWidth = 157.2;
        m.TileHeight = 116;
        m.TileOriginX = 36;
        m.TileOriginY = 666;
        for (int i = 0; i < static_cast<int>(m.Entries.size()); ++i)
            m.DrawPatternToPdf(i, doc.GetCanvas());
        sent += m.SegmentsSent;
    }
    state.counters["segments"] = benchmark::Counter(static_cast<double>(m.SegmentsSent));
    state.counters["segments/s"] =
        benchmark::Counter(static_cast<double>(sent), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PatternCells400)->Unit(benchmark::kMillisecond);

// The preview (450 x 300 pixels) of one generated pattern of each dense kind.
void BM_PreviewDense(benchmark::State& state) {
    const std::vector<std::string> text = GeneratedPattern(static_cast<int>(state.range(0)));
    TPatternModule m;
    m.TileWidth = 450;
    m.TileHeight = 300;
    TRasterCanvas canvas(450, 300);
    uint64_t sent = 0;
    for (auto _ : state) {
        m.PatternScale = 0;
        m.SegmentsSent = 0;
        m.DrawPattern(text, canvas);
        sent += m.SegmentsSent;
    }
    state.counters["segments"] = benchmark::Counter(static_cast<double>(m.SegmentsSent));
    state.counters["segments/s"] =
        benchmark::Counter(static_cast<double>(sent), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PreviewDense)->Arg(3)->Arg(4)->Arg(7)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
