// Small helpers of the model's tests.
#pragma once

#include "base/Errors.h"
#include "graphics/RasterCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Names = std::vector<std::string>;

// The message of the error f ends with ("" and a failure when it ends without one).
template <class E = EVarnelError, class F> std::string ErrorOf(F f) {
    try {
        f();
    } catch (const E& e) {
        return e.what();
    }
    ADD_FAILURE() << "no error";
    return "";
}

// Pixels that are not white.
inline int Inked(const TRasterCanvas& c) {
    int n = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            n += c.Pixel(x, y) != 0xFFFFFF;
    return n;
}
