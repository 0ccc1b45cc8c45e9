// TCanvas: the drawing surface that slides, patterns and printed sheets are drawn on.
// Back-ends: the raster canvas (preview, thumbnails, image export), the metafile canvases
// (WMF, EMF), the window's printer canvas, and a recording canvas in the tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A colour value: red in the low byte, then green, then blue (0x00BBGGRR); white is 0xFFFFFF.
using TColor = uint32_t;

constexpr TColor RGBColor(unsigned r, unsigned g, unsigned b) {
    return r | (g << 8) | (b << 16);
}
constexpr unsigned RedOf(TColor c) {
    return c & 0xFF;
}
constexpr unsigned GreenOf(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr unsigned BlueOf(TColor c) {
    return (c >> 16) & 0xFF;
}

struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A device rectangle. Depending on the call, Right and Bottom are inclusive (slide drawing)
// or exclusive (FillRect); each operation says which.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TRect&, const TRect&) = default;
};

enum class TBrushStyle { Solid, Clear };

class TCanvas {
public:
    TCanvas() = default;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;
    virtual ~TCanvas() = default;

    // Drawing state; back-ends read it when they draw.
    void SetPenColor(TColor c) { m_penColor = c; }
    TColor PenColor() const { return m_penColor; }
    void SetBrushColor(TColor c) { m_brushColor = c; }
    TColor BrushColor() const { return m_brushColor; }
    void SetBrushStyle(TBrushStyle s) { m_brushStyle = s; }
    TBrushStyle BrushStyle() const { return m_brushStyle; }
    void SetFont(const std::string& name, int size) {
        m_fontName = name;
        m_fontSize = size;
    }
    const std::string& FontName() const { return m_fontName; }
    int FontSize() const { return m_fontSize; }

    // Fills with the brush colour; Right and Bottom are excluded.
    virtual void FillRect(const TRect& r) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // A one-pixel line in the pen colour from the current point; the end pixel is left out.
    virtual void LineTo(int x, int y) = 0;
    virtual void SetPixel(int x, int y, TColor c) = 0;
    // Filled with the brush (alternate rule) unless the brush is clear, outlined with the pen.
    virtual void Polygon(const TPoint* points, size_t count) = 0;
    virtual void Polyline(const TPoint* points, size_t count) = 0;
    // Text in the current font, pen colour; (x, y) is the top left of the text. UTF-8.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    // True for the printer back-end: monochrome printing depends on it.
    virtual bool IsPrinter() const { return false; }
    // The work polygon fills have cost this canvas so far (pixels filled and edge crossings
    // found), so that a renderer can bound what a hostile picture costs; 0 for canvases whose
    // fills cost no more than their vertices.
    virtual uint64_t FillWork() const { return 0; }
    // At least what filling this polygon would add to FillWork, found in one pass over it.
    virtual uint64_t FillCost(const TPoint*, size_t) const { return 0; }
    // The part of r (Right and Bottom inclusive) that drawing can reach: all of it, unless the
    // surface has edges that clip (a zoomed preview draws into a rectangle far larger than
    // itself). Left > Right or Top > Bottom when none of r can be reached.
    virtual TRect Reachable(const TRect& r) const { return r; }

protected:
    TColor m_penColor = 0;
    TColor m_brushColor = 0xFFFFFF;
    TBrushStyle m_brushStyle = TBrushStyle::Solid;
    std::string m_fontName = "Arial";
    int m_fontSize = 10;
};

// Draws nothing; used to walk a slide only for its error messages and length.
class TNullCanvas : public TCanvas {
public:
    void FillRect(const TRect&) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void SetPixel(int, int, TColor) override {}
    void Polygon(const TPoint*, size_t) override {}
    void Polyline(const TPoint*, size_t) override {}
    void TextOut(int, int, const std::string&) override {}
    int TextWidth(const std::string&) override { return 0; }
};
