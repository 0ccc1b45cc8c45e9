// A raster picture kept with one byte per pixel: slides are drawn in at most 256 palette colours,
// so a thumbnail packs into a quarter of its raster size without losing a pixel. A picture with
// more colours keeps its words as they are.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class TRasterCanvas;

struct TIndexedPicture {
    int Width = 0;
    int Height = 0;
    // Packed: Width * Height indices into Colours (0xFFRRGGBB words, at most 256).
    std::vector<uint8_t> Indices;
    std::vector<uint32_t> Colours;
    // Not packed (more than 256 colours): the words, row by row.
    std::vector<uint32_t> Words;

    bool Packed() const { return Words.empty(); }
    // The word of pixel (x, y), which must lie inside.
    uint32_t Word(int x, int y) const {
        const size_t i =
            static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x);
        return Packed() ? Colours[Indices[i]] : Words[i];
    }
};

TIndexedPicture PackPicture(const TRasterCanvas& canvas);
