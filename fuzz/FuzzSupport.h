// What the fuzz targets share. Each target is one small file with LLVMFuzzerTestOneInput: it
// feeds the input to one reader (and the writers behind it) and expects only the errors the
// reader promises (EVarnelError and its kinds). Anything else ends the run and keeps the input:
// a sanitizer report, an escaping exception, a broken round trip (FUZZ_CHECK), or an input that
// takes longer than libFuzzer's -timeout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

// Stops the run when a promise of the code under test does not hold.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? static_cast<void>(0) : FuzzCheckFailed(#condition, __FILE__, __LINE__))

[[noreturn]] inline void FuzzCheckFailed(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what);
    std::abort();
}

inline std::vector<uint8_t> FuzzBytes(const uint8_t* data, size_t size) {
    return size ? std::vector<uint8_t>(data, data + size) : std::vector<uint8_t>();
}

// A byte of the input chosen by position, for options that inputs may vary (0 when empty).
inline uint8_t FuzzByte(const uint8_t* data, size_t size, size_t from_end) {
    return size > from_end ? data[size - 1 - from_end] : 0;
}
