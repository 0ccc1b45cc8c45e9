// `sldtool pat pdf` without the disk: the sheets of two generated files written whole, next to
// the hatch lines of the same patterns in the same cells computed alone (no PDF), the part no
// PDF writer can save. Shapes: 300 patterns of 2 to 12 families each, like the large files
// users have, and 400 patterns of mixed density.
//
// The side-by-side floor outside this program, the same lines computed by the ezdxf hatch
// library (bench/compare/ezdxf_pattern_lines.py), runs at the end when /usr/bin/python3 has
// ezdxf, and the summary gives the sheets' speed over it in CPU time and in wall time.
#include "BenchSupport.h"
#include "base/Memory.h"
#include "base/Streams.h"
#include "patterns/upat.h"
#include "patterns/upat_render.h"

#include "PatternWorkload.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The generated file of kind 0 (many families) or 1 (mixed density), written into folder.
std::string WorkloadFile(int kind, const std::string& folder) {
    return kind == 0 ? ManyFamilyFile(folder) : GeneratedFile(folder);
}

std::string TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "patsheetXXXXXX").string();
    return ::mkdtemp(pattern.data());
}

// A module loaded from the generated file of kind.
TPatternModule Workload(int kind) {
    const std::string folder = TempFolder();
    TPatternModule m;
    m.LoadPatternFile(WorkloadFile(kind, folder));
    std::filesystem::remove_all(folder);
    return m;
}

// The CPU and wall seconds of the best of three sheet runs (the deflating threads included).
TCost SheetCost(int kind) {
    TPatternModule m = Workload(kind);
    return BestCost([&] {
        TMemoryStream out;
        m.WritePatternSheets(out);
    });
}

// The CPU seconds ezdxf takes for the hatch lines of the file of kind; negative when it cannot
// run here.
double EzdxfSeconds(int kind) {
    const std::string folder = TempFolder();
    const std::string command = "/usr/bin/python3 " VARNEL_SOURCE_DIR
                                "/bench/compare/ezdxf_pattern_lines.py '" +
                                WorkloadFile(kind, folder) + "' 2>/dev/null";
    double seconds = -1;
    if (std::FILE* p = ::popen(command.c_str(), "r")) {
        char line[512] = "";
        if (std::fgets(line, sizeof line, p)) {
            const char* at = std::strstr(line, "segments, ");
            if (at)
                seconds = std::atof(at + 10);
        }
        if (::pclose(p) != 0)
            seconds = -1;
    }
    std::filesystem::remove_all(folder);
    return seconds;
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

// CPU time is the whole process's: the pages deflated on other threads count.
BENCHMARK(BM_PatternSheetPdf)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(BM_PatternLinesAlone)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    KeepFreedMemoryForReuse(); // as sldtool and the window do at start
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\n");
    for (int kind : {0, 1}) {
        const TCost sheets = SheetCost(kind);
        const double ezdxf = EzdxfSeconds(kind);
        std::printf("%s: sheets %.0f ms CPU, %.0f ms wall",
                    kind == 0 ? "300 patterns of many families" : "400 patterns of mixed density",
                    sheets.Cpu * 1000, sheets.Wall * 1000);
        if (ezdxf > 0)
            std::printf("; ezdxf's lines alone %.0f ms CPU: %.1fx in CPU time, %.1fx in wall time "
                        "(aim 20x)\n",
                        ezdxf * 1000, ezdxf / sheets.Cpu, ezdxf / sheets.Wall);
        else
            std::printf("; ezdxf is not installed for /usr/bin/python3\n");
    }
    return 0;
}
