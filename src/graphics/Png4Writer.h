// PNG files of the 4-bit picture, through libpng: colour type palette, bit depth 4, the 16
// standard colours as the palette.
#pragma once

#include <cstdint>
#include <vector>

struct TBitmap4;

// The whole PNG file. Throws EWriteError with libpng's message when encoding fails.
std::vector<uint8_t> EncodePng4(const TBitmap4& image);
