// The fixed workloads the benchmarks share, and a best-of timer for their summaries.
#pragma once

#include "SlideWriter.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
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
