// Work spread over threads: results in index order whatever the thread count, the first failure
// in index order passed on after every thread stopped, no new item after a failure.
#include "base/Parallel.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>

TEST(Parallel, ResultsInIndexOrderForAnyThreadCount) {
    for (int threads : {0, 1, 2, 7, 500}) {
        const TParallelRun<std::string> run =
            RunInParallel<std::string>(100, threads, [](size_t i) { return std::to_string(i); });
        EXPECT_FALSE(run.Failure);
        EXPECT_EQ(run.FailedAt, TParallelRun<std::string>::kNone);
        ASSERT_EQ(run.Results.size(), 100u);
        for (size_t i = 0; i < 100; ++i)
            EXPECT_EQ(run.Results[i], std::to_string(i)) << threads << " threads";
    }
    EXPECT_EQ(ParallelThreadCount(8, 3), 3u);
    EXPECT_EQ(ParallelThreadCount(2, 0), 1u);
    EXPECT_GE(ParallelThreadCount(0, 100), 1u);
    int calls = 0;
    ParallelFor(0, 4, [&](size_t) { ++calls; });
    EXPECT_EQ(calls, 0);
}

TEST(Parallel, FirstFailureInIndexOrderAfterAllStopped) {
    for (int threads : {1, 2, 4}) {
        std::atomic<int> running{0};
        // Items 30 and 10 fail; 10 comes first in index order, whichever thread meets it first.
        const TParallelRun<int> run = RunInParallel<int>(1000, threads, [&](size_t i) {
            ++running;
            if (i == 30 || i == 10) {
                --running;
                throw std::runtime_error("item " + std::to_string(i));
            }
            --running;
            return static_cast<int>(i) * 2;
        });
        EXPECT_EQ(running, 0);
        ASSERT_TRUE(run.Failure) << threads;
        EXPECT_EQ(run.FailedAt, 10u);
        for (size_t i = 0; i < 10; ++i)
            EXPECT_EQ(run.Results[i], static_cast<int>(i) * 2);
        try {
            run.RethrowFailure();
            ADD_FAILURE() << "no failure passed on";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "item 10");
        }
    }
    // A failure stops the handing out: with one thread nothing after the failing item runs.
    int after = 0;
    EXPECT_THROW(ParallelFor(50, 1,
                             [&](size_t i) {
                                 if (i > 5)
                                     ++after;
                                 if (i == 5)
                                     throw std::logic_error("five");
                             }),
                 std::logic_error);
    EXPECT_EQ(after, 0);
}
