// `sldtool pat pdf` without the disk: the sheets of two generated files written whole, next to
// the hatch lines of the same patterns in the same cells computed alone (no PDF), the part no
// PDF writer can save. Shapes: 300 patterns of 2 to 12 families each, like the large files
// users have, and 400 patterns of mixed density.
//
// The side-by-side floor outside this program (the same lines computed by another hatch
// library) is measured by hand; its figures are in the closing notes of the work.
#include "base/Streams.h"
#include "patterns/upat.h"
#include "patterns/upat_render.h"

#include "PatternWorkload.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A module loaded from the generated file of kind 0 (many families) or 1 (mixed density).
TPatternModule Workload(int kind) {
    std::string pattern = (std::filesystem::temp_directory_path() / "patsheetXXXXXX").string();
    const std::string folder = ::mkdtemp(pattern.data());
    TPatternModule m;
    m.LoadPatternFile(kind == 0 ? ManyFamilyFile(folder) : GeneratedFile(folder));
    std::filesystem::remove_all(folder);
    return m;
}

void BM_PatternSheetPdf(benchmark::State& state) {
    TPatternModule m = Workload(static_cast<int>(state.range(0)));
    int64_t bytes = 0;
    for (auto _ : state) {
        m.SegmentsDrawn = 0;
        TMemoryStream out;
        m.WritePatternSheets(out);
        bytes = out.Size();
        benchmark::DoNotOptimize(out.Memory());
    }
    state.counters["patterns"] = static_cast<double>(m.Entries.size());
    state.counters["segments"] = static_cast<double>(m.SegmentsDrawn);
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

// Counts the segments that reach the cell, at the PDF cells' resolution.
class TCountingSink : public TPatternSink {
public:
    uint64_t Segments = 0;
    void Continuous(const TSegmentClip&) override { ++Segments; }
    void Dash(const TSegmentClip&) override { ++Segments; }
    double Resolution() const override { return 0.1; }
    uint64_t SegmentCost() const override { return 256; }
};

// The floor: every pattern's lines in a 157.2 x 116 pt cell, at the scale the sheets choose.
void BM_PatternLinesAlone(benchmark::State& state) {
    TPatternModule m = Workload(static_cast<int>(state.range(0)));
    uint64_t segments = 0;
    for (auto _ : state) {
        TCountingSink sink;
        for (const TPatternEntry& e : m.Entries) {
            const std::vector<std::string> text = m.PatternBody(e.HeaderLine);
            TLineFamily family;
            const TPatternScan scan = ScanPattern(text, family);
            TPatternDrawStats stats;
            DrawPatternFamilies(text, family, ChoosePatternScale(scan, 0), 157.2, 116, sink, stats);
        }
        segments = sink.Segments;
    }
    state.counters["segments"] = static_cast<double>(segments);
}

} // namespace

BENCHMARK(BM_PatternSheetPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PatternLinesAlone)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
