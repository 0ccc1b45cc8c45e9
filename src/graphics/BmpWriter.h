// BMP files of the 4-bit picture: BITMAPINFOHEADER, 16 palette entries, uncompressed rows.
#pragma once

#include <cstdint>
#include <vector>

struct TBitmap4;

// The whole BMP file: 4 bits per pixel, the 16 standard colours as its palette, rows bottom up,
// each padded to a multiple of 4 bytes, 96 pixels per inch.
std::vector<uint8_t> EncodeBmp4(const TBitmap4& image);
