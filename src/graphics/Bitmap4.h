// The 4-bit picture that BMP and PNG export write: every pixel is one of the 16 standard
// colours, the nearest to what the raster canvas holds.
#pragma once

#include "graphics/Canvas.h"

#include <array>
#include <cstdint>
#include <vector>

class TRasterCanvas;

// The standard 16-colour palette, in palette order: black, maroon, green, olive, navy, purple,
// teal, silver, grey, red, lime, yellow, blue, fuchsia, aqua, white.
extern const std::array<TColor, 16> kStandardColours;

// Index of the standard colour nearest to c (squared distance; ties: the lowest index).
int NearestStandardColour(TColor c);

// A picture of palette indices 0..15 into kStandardColours, one byte per pixel, rows top down.
struct TBitmap4 {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Indices;

    uint8_t At(int x, int y) const {
        return Indices[static_cast<size_t>(y) * static_cast<size_t>(Width) +
                       static_cast<size_t>(x)];
    }
};

// Maps every pixel of the canvas to its nearest standard colour.
TBitmap4 ReduceToStandardColours(const TRasterCanvas& canvas);
