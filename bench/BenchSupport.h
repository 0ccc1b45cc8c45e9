// The fixed workloads the benchmarks share, and a best-of timer for their summaries.
#pragma once

#include "SlideWriter.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <vector>

inline constexpr int kWorkloadHighX = 4095, kWorkloadHighY = 2729;

// A slide of vector records whose endpoints come from a linear congruential generator (x in
// 0..4095, y in 0..2729), with a colour record every 100 vectors.
inline std::vector<uint8_t> MakeWorkloadSlide(int vectors) {
    TSlideWriter w(kWorkloadHighX, kWorkloadHighY);
    uint32_t seed = 1;
    auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<uint32_t>(range + 1));
    };
    for (int i = 0; i < vectors; ++i) {
        if (i % 100 == 0)
            w.Colour(1 + (i / 100) % 254);
        const int x0 = next(kWorkloadHighX), y0 = next(kWorkloadHighY);
        const int x1 = next(kWorkloadHighX), y1 = next(kWorkloadHighY);
        w.Vector(x0, y0, x1, y1);
    }
    w.End();
    return w.Bytes();
}

// The shortest of three runs of f, in seconds.
template <typename F> double BestSeconds(F f) {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        f();
        best = std::min(
            best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return best;
}

// The CPU seconds of the whole process so far, every thread included.
inline double ProcessSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The wall and CPU seconds of the best of three runs of f (each the shortest of its three).
struct TCost {
    double Wall = 1e9;
    double Cpu = 1e9;
};
template <typename F> TCost BestCost(F f) {
    TCost best;
    for (int i = 0; i < 3; ++i) {
        const double cpu0 = ProcessSeconds();
        const auto t0 = std::chrono::steady_clock::now();
        f();
        best.Wall =
            std::min(best.Wall,
                     std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        best.Cpu = std::min(best.Cpu, ProcessSeconds() - cpu0);
    }
    return best;
}
