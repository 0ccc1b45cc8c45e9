// Opening a slide library of 10,000 slides (about 50 MB) next to merely reading the file into
// memory. Opening reads the file once and only each slide's header, so it should stay within
// 1.5 times the plain read. The ratio is printed after the runs.
#include "SlideWriter.h"
#include "base/FileUtil.h"
#include "base/Streams.h"
#include "slides/SlideClasses.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

constexpr int kSlides = 10000;

// A slide of about 5,000 bytes: 620 vectors of 8 bytes.
std::vector<uint8_t> MakeSlide(int n) {
    TSlideWriter w(4000, 3000);
    w.Colour(1 + n % 250);
    for (int i = 0; i < 620; ++i)
        w.Vector((i * 7 + n) % 4000, i % 3000, (i * 13) % 4000, (i * 5 + n) % 3000);
    w.End();
    return w.Bytes();
}

// The generated library, written once into a temporary file and removed at exit.
class TLibraryFile {
public:
    TLibraryFile() {
        std::string templ = (std::filesystem::temp_directory_path() / "bench-lib-XXXXXX").string();
        const int fd = ::mkstemp(templ.data());
        if (fd < 0)
            throw std::runtime_error("cannot create a temporary file");
        ::close(fd);
        m_path = templ;
        auto lib = TSlideLib::CreateEmpty();
        for (int n = 0; n < kSlides; ++n) {
            TMemoryStream bytes(MakeSlide(n));
            lib->AddCopy(TSlide::CreateFromStream("SLIDE" + std::to_string(n), bytes).get());
        }
        lib->SaveToFile(m_path);
    }
    ~TLibraryFile() { std::remove(m_path.c_str()); }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

const TLibraryFile& Library() {
    static const TLibraryFile file;
    return file;
}

void BM_ReadFileIntoMemory(benchmark::State& state) {
    const std::string& path = Library().Path();
    for (auto _ : state) {
        TMemoryStream data;
        data.LoadFromFile(path);
        benchmark::DoNotOptimize(data.Memory());
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(path));
}
BENCHMARK(BM_ReadFileIntoMemory)->Unit(benchmark::kMillisecond);

void BM_OpenLibrary(benchmark::State& state) {
    const std::string& path = Library().Path();
    for (auto _ : state) {
        auto lib = TSlideLib::CreateFromFile(path);
        if (lib->Count() != kSlides)
            state.SkipWithError("wrong slide count");
        benchmark::DoNotOptimize(lib.get());
    }
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(path));
}
BENCHMARK(BM_OpenLibrary)->Unit(benchmark::kMillisecond);

// For comparison: opening and measuring every slide (what listing lengths costs).
void BM_OpenAndMeasureAll(benchmark::State& state) {
    const std::string& path = Library().Path();
    for (auto _ : state) {
        auto lib = TSlideLib::CreateFromFile(path);
        int64_t total = 0;
        for (int i = 0; i < lib->Count(); ++i)
            total += lib->SlideSize(i);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_OpenAndMeasureAll)->Unit(benchmark::kMillisecond);

// Remembers each benchmark's mean real time per iteration.
class TRecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::printf("library: %s, %ju bytes, %d slides\n", Library().Path().c_str(),
                static_cast<uintmax_t>(std::filesystem::file_size(Library().Path())), kSlides);
    TRecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto read = reporter.times.find("BM_ReadFileIntoMemory");
    const auto open = reporter.times.find("BM_OpenLibrary");
    if (read != reporter.times.end() && open != reporter.times.end() && read->second > 0)
        std::printf("open / read = %.2f (target: at most 1.5)\n", open->second / read->second);
    benchmark::Shutdown();
    return 0;
}
