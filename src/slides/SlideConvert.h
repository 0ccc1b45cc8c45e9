// BitmapToSlide: a raster picture traced into a slide, in runs of pixels of one colour index,
// one vector record per run: first along the rows, then along the columns.
#pragma once

#include "base/Streams.h"
#include "graphics/AcadPal.h"
#include "graphics/Canvas.h"

#include <cstdint>

class TRasterCanvas;

// The largest slide: its length and the offsets of a library are signed 32-bit numbers.
inline constexpr int64_t kMaxSlideBytes = 0x7FFFFFFF;

// The colours of a picture, answered one pixel at a time as colour values (0x00BBGGRR).
class TPixelSource {
public:
    virtual ~TPixelSource() = default;
    virtual TColor Pixel(int x, int y) const = 0;
};

// The pixels of a raster canvas.
class TRasterPixels : public TPixelSource {
public:
    explicit TRasterPixels(const TRasterCanvas& canvas) : m_canvas(canvas) {}
    TColor Pixel(int x, int y) const override;

private:
    const TRasterCanvas& m_canvas;
};

// Writes a complete level-2, little-endian slide at the stream's position from the pixels
// inside rect (all four edges inclusive) and moves the stream back to that position. Colours
// become indices through NearestColourIndex of palette. Runs whose first pixel is exactly
// skipColour are not drawn; row runs are drawn from 2 pixels on, column runs always (a single
// pixel gives a dot).
//
// Each colour is looked up once and remembered, so the work is a few steps per pixel whatever
// the colours.
//
// Throws EVarnelError, writing nothing, when the rectangle is empty, 32768 pixels or more in
// either direction, so wide that width / height x 10,000,000 does not fit the 32-bit aspect
// field (about 214 times as wide as high), or so busy that its slide would pass the 2 GB that
// a slide's length (and a library's offsets) can hold; maxBytes lowers that bound.
void BitmapToSlide(TStream& stream, const TPixelSource& pixels, const TRect& rect,
                   const TPalette& palette, TColor skipColour, int64_t maxBytes = kMaxSlideBytes);
