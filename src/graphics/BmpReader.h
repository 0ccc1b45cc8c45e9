// Reads BMP files: 1, 4, 8, 24 and 32 bits per pixel, uncompressed (32-bit also with the usual
// bit-field masks), rows bottom up or top down, the old 12-byte and the 40..124-byte headers.
// Every field is checked against the file: a damaged or hostile file gives a clear error that
// names it, never a read outside the data or an allocation the file cannot back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TBitmap;

// The largest picture read: 256 million pixels (1 GiB as 32-bit pixels).
inline constexpr int64_t kMaxBmpPixels = 256LL * 1024 * 1024;

// Decodes the file bytes into bitmap (its size becomes the picture's). name is used in
// messages. Throws EVarnelError "Cannot read image \"name\": <reason>".
void DecodeBmp(const std::vector<uint8_t>& bytes, const std::string& name, TBitmap& bitmap);

// Reads the file and decodes it; errors name the file.
void LoadBmpFile(const std::string& path, TBitmap& bitmap);
