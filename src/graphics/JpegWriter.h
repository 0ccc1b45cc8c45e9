// JPEG files of a raster canvas, through libjpeg: colour (YCbCr), baseline, not progressive.
#pragma once

#include <cstdint>
#include <vector>

class TRasterCanvas;

struct TJpegOptions {
    int Quality = 90; // 1..100
};

// The whole JPEG file. libjpeg's fatal errors become EWriteError with its message (its own
// handler would end the process).
std::vector<uint8_t> EncodeJpeg(const TRasterCanvas& canvas, TJpegOptions options = {});
