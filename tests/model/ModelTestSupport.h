// Small helpers of the model's tests.
#pragma once

#include "TestFiles.h"
#include "base/Errors.h"
#include "graphics/RasterCanvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Names = std::vector<std::string>;

// Pixels that are not white.
inline int Inked(const TRasterCanvas& c) {
    int n = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            n += c.Pixel(x, y) != 0xFFFFFF;
    return n;
}
