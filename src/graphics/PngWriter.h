// PNG files of a raster canvas, through libpng.
#pragma once

#include <cstdint>
#include <string>

class TRasterCanvas;

// Writes the canvas as an 8-bit RGB PNG, replacing path atomically. Errors name the file.
void WriteRgbPng(const TRasterCanvas& canvas, const std::string& path);
// Writes width x height pixels, given as 0xAARRGGBB words row by row with no padding, as an
// 8-bit RGBA PNG (alpha 0 transparent, 255 opaque), replacing path atomically.
void WriteRgbaPng(const uint32_t* pixels, int width, int height, const std::string& path);
