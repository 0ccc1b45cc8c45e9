// PNG files of a raster canvas, through libpng.
#pragma once

#include <string>

class TRasterCanvas;

// Writes the canvas as an 8-bit RGB PNG, replacing path atomically. Errors name the file.
void WriteRgbPng(const TRasterCanvas& canvas, const std::string& path);
