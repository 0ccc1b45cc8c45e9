// The raster canvas: a 32-bit pixel buffer that the preview, thumbnails and image export all
// draw on, so a slide looks the same everywhere. Pixels are stored as 0xFFRRGGBB words (the
// layout of a Qt RGB32 image), so the window can show the buffer without copying.
#pragma once

#include "graphics/Canvas.h"

#include <vector>

class TRasterCanvas : public TCanvas {
public:
    TRasterCanvas(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Resizes the buffer; the contents become black.
    void Resize(int width, int height);

    // The pixel as a colour value (0x00BBGGRR); 0 outside the buffer.
    TColor Pixel(int x, int y) const;
    // Row-major words 0xFFRRGGBB, Width() per row, no padding.
    const uint32_t* Bits() const { return m_pixels.data(); }
    uint32_t* Bits() { return m_pixels.data(); }

    void FillRect(const TRect& r) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, TColor c) override;
    void Polygon(const TPoint* points, size_t count) override;
    void Polyline(const TPoint* points, size_t count) override;
    // The raster canvas has no fonts: text is not drawn and measures 0. Text in the window
    // and on printed pages goes through Qt.
    void TextOut(int, int, const std::string&) override {}
    int TextWidth(const std::string&) override { return 0; }
    uint64_t FillWork() const override { return m_fillWork; }
    // The rows the polygon's edges cross in the buffer and the pixels of its bounding box there.
    uint64_t FillCost(const TPoint* points, size_t count) const override;
    // r clipped to the buffer.
    TRect Reachable(const TRect& r) const override;

    // The buffer word of a colour value.
    static uint32_t ToWord(TColor c) {
        return 0xFF000000u | (RedOf(c) << 16) | (GreenOf(c) << 8) | BlueOf(c);
    }

private:
    void Line(int x0, int y0, int x1, int y1, uint32_t word);
    void FillPolygon(const TPoint* points, size_t count, uint32_t word);

    int m_width = 0;
    int m_height = 0;
    std::vector<uint32_t> m_pixels;
    int m_x = 0;
    int m_y = 0;
    uint64_t m_fillWork = 0;
};
