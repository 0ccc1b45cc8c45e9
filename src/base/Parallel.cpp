#include "base/Parallel.h"

#include <algorithm>
#include <atomic>
#include <thread>

size_t ParallelThreadCount(int requested, size_t count) {
    const size_t wanted = requested > 0 ? static_cast<size_t>(requested)
                                        : std::max(1u, std::thread::hardware_concurrency());
    return std::max<size_t>(1, std::min(wanted, count));
}

void RunOnThreads(size_t count, int threads, const std::function<bool(size_t)>& item) {
    const size_t threadCount = ParallelThreadCount(threads, count);
    if (threadCount == 1) {
        for (size_t i = 0; i < count; ++i)
            if (!item(i))
                return;
        return;
    }
    std::atomic<size_t> next{0};
    std::atomic<bool> stopped{false};
    auto run = [&] {
        for (size_t i; !stopped && (i = next.fetch_add(1)) < count;)
            if (!item(i))
                stopped = true;
    };
    std::vector<std::jthread> pool;
    pool.reserve(threadCount - 1);
    for (size_t t = 1; t < threadCount; ++t)
        pool.emplace_back(run);
    run();
    // The jthreads join as the pool goes.
}
