// Work spread over threads: items 0..count-1 handed out in index order to a few threads, the
// calling thread among them. Results come back in index order whatever the thread count, and the
// failure that counts is the one of the lowest index, passed on only after every thread stopped.
#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

// The threads a run of count items uses when asked for requested (0: one per core): never more
// than there are items, at least one.
size_t ParallelThreadCount(int requested, size_t count);

// Calls item(i) for i from 0 up on ParallelThreadCount(threads, count) threads, each taking the
// next index not yet taken. Once item returns false no further index is handed out; the items
// already running finish. Returns when every thread has stopped. item must not throw.
void RunOnThreads(size_t count, int threads, const std::function<bool(size_t)>& item);

// What RunInParallel gave: every item's result in index order, and the first failure in index
// order with its index. Items are taken in order and a failure stops only the taking of new ones,
// so every result before FailedAt is complete; results at and after it may be missing.
template <class T> struct TParallelRun {
    static constexpr size_t kNone = std::numeric_limits<size_t>::max();

    std::vector<T> Results;
    size_t FailedAt = kNone;
    std::exception_ptr Failure;

    void RethrowFailure() const {
        if (Failure)
            std::rethrow_exception(Failure);
    }
};

// Runs work(i) -> T for every i below count (see RunOnThreads); an exception from work is caught
// and ends the run as a failure of that item. T is stored per item, so it must not be bool.
template <class T, class Work>
TParallelRun<T> RunInParallel(size_t count, int threads, Work&& work) {
    TParallelRun<T> run;
    run.Results.resize(count);
    std::vector<std::exception_ptr> failures(count);
    RunOnThreads(count, threads, [&](size_t i) {
        try {
            run.Results[i] = work(i);
            return true;
        } catch (...) {
            failures[i] = std::current_exception();
            return false;
        }
    });
    for (size_t i = 0; i < count; ++i) {
        if (failures[i]) {
            run.FailedAt = i;
            run.Failure = failures[i];
            break;
        }
    }
    return run;
}

// Runs work(i) for every i below count and rethrows the first failure in index order after all
// threads stopped.
template <class Work> void ParallelFor(size_t count, int threads, Work&& work) {
    struct TDone {};
    RunInParallel<TDone>(count, threads, [&](size_t i) {
        work(i);
        return TDone{};
    }).RethrowFailure();
}
