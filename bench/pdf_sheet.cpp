// A 20-page contact sheet (4 x 5 cells, each a slide of 2,000 vectors with a colour change
// every 50) written whole, next to the writer's deflate alone packing the same content bytes on
// one thread, and zlib at level 9 doing the same: the writer's deflate must pack at least as
// tightly (compare the packed_bytes counters). The writer deflates its page streams on all
// cores, so it should beat the deflate alone.
#include "SlideWriter.h"
#include "output/SlidesToPdf.h"
#include "pdf/PdfDoc.h"
#include "slides/SlideClasses.h"

#include "ZlibLevel9.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kColumns = 4, kRows = 5, kPages = 20, kVectors = 2000;

struct TSheetWorkload {
    std::unique_ptr<TSlideLib> lib = TSlideLib::CreateEmpty();
    std::vector<TPdfSheetEntry> entries;
    TPdfSheetSettings settings;

    TSheetWorkload() {
        uint32_t seed = 12345;
        auto next = [&](int range) {
            seed = seed * 1664525u + 1013904223u;
            return static_cast<int>((seed >> 8) % static_cast<uint32_t>(range));
        };
        for (int s = 0; s < kColumns * kRows * kPages; ++s) {
            TSlideWriter w(4000, 3000);
            for (int v = 0; v < kVectors; ++v) {
                if (v % 50 == 0)
                    w.Colour(1 + next(254));
                w.Vector(next(4000), next(3000), next(4000), next(3000));
            }
            w.End();
            TMemoryStream m(w.Bytes());
            auto slide = TSlide::CreateFromStream("S" + std::to_string(s), m);
            lib->AddCopy(slide.get());
        }
        entries = PdfSheetEntries(*lib, {}, false);
        settings.Columns = kColumns;
        settings.Rows = kRows;
    }

    // The page content streams, as the writer would deflate them.
    std::vector<std::string> ContentBytes() const {
        TPdfDoc doc;
        doc.NewPageWidth = 596;
        doc.NewPageHeight = 842;
        doc.StartDocument();
        doc.AddPage();
        doc.GetCanvas().SetFont("Arial", 8);
        DrawSlideSheets(doc, entries, settings);
        std::vector<std::string> streams;
        for (size_t i = 1; i < doc.Xref().ItemCount(); ++i)
            if (auto* s = dynamic_cast<TPdfStream*>(doc.Xref().Items(i).Object.get()))
                streams.push_back(s->StreamData());
        return streams;
    }
};

const TSheetWorkload& Workload() {
    static const TSheetWorkload w;
    return w;
}

void BM_WriteSheetPdf(benchmark::State& state) {
    const TSheetWorkload& w = Workload();
    int64_t bytes = 0;
    for (auto _ : state) {
        TMemoryStream out;
        WriteSlideSheetPdf(out, w.entries, w.settings);
        bytes = out.Size();
        benchmark::DoNotOptimize(out.Memory());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

// The same document without compression: what the writer costs besides zlib.
void BM_WriteSheetPdfUncompressed(benchmark::State& state) {
    const TSheetWorkload& w = Workload();
    for (auto _ : state) {
        TPdfDoc doc;
        doc.StartDocument();
        doc.AddPage();
        doc.GetCanvas().SetFont("Arial", 8);
        DrawSlideSheets(doc, w.entries, w.settings);
        TMemoryStream out;
        doc.SaveToStream(out);
        benchmark::DoNotOptimize(out.Memory());
    }
}

void BM_DeflateAloneOneThread(benchmark::State& state) {
    const std::vector<std::string> streams = Workload().ContentBytes();
    int64_t plain = 0, packed = 0;
    for (const std::string& s : streams)
        plain += static_cast<int64_t>(s.size());
    for (auto _ : state) {
        packed = 0;
        for (const std::string& s : streams)
            packed += static_cast<int64_t>(DeflateBytes(s).size());
    }
    state.counters["content_bytes"] = static_cast<double>(plain);
    state.counters["packed_bytes"] = static_cast<double>(packed);
    state.counters["streams"] = static_cast<double>(streams.size());
}

void BM_ZlibLevel9AloneOneThread(benchmark::State& state) {
    const std::vector<std::string> streams = Workload().ContentBytes();
    int64_t packed = 0;
    for (auto _ : state) {
        packed = 0;
        for (const std::string& s : streams)
            packed += static_cast<int64_t>(ZlibLevel9(s).size());
    }
    state.counters["packed_bytes"] = static_cast<double>(packed);
}

} // namespace

BENCHMARK(BM_WriteSheetPdf)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteSheetPdfUncompressed)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DeflateAloneOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ZlibLevel9AloneOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
