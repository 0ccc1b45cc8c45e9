// TSvgImage and TSvgCanvas: a slide as a plain SVG drawing, one element per line, pixel,
// rectangle or polygon, in the palette's colours. Units are pixels of a width x height picture;
// lines run through pixel centres with square caps, so they cover the same pixels as on the
// raster canvas, end pixel included.
#pragma once

#include "graphics/Canvas.h"
#include "graphics/Graphic.h"

#include <string>

class TSvgImage : public TGraphic {
public:
    void SetSize(int width, int height) {
        m_width = width;
        m_height = height;
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The SVG document (UTF-8), empty until a canvas has been closed on the image.
    const std::string& Text() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }

private:
    int m_width = 0;
    int m_height = 0;
    std::string m_text;
};

class TSvgCanvas : public TCanvas {
public:
    explicit TSvgCanvas(TSvgImage& image);
    // Ends the document and stores it in the image; later calls do nothing.
    void Close();

    void FillRect(const TRect& r) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    // A pixel at the end of the line just drawn in the same colour adds nothing and is left out.
    void SetPixel(int x, int y, TColor c) override;
    void Polygon(const TPoint* points, size_t count) override;
    void Polyline(const TPoint* points, size_t count) override;
    void TextOut(int x, int y, const std::string& text) override;
    // Without font metrics: an estimate of 0.6 em per character.
    int TextWidth(const std::string& text) override;

private:
    void PointList(const TPoint* points, size_t count);

    TSvgImage& m_image;
    std::string m_text;
    bool m_closed = false;
    int m_x = 0;
    int m_y = 0;
    bool m_lineEnded = false; // the last element was a line ending at (m_x, m_y)
    TColor m_lineColour = 0;
};
