// Image objects that pictures are rendered into: a bitmap, a JPEG image made from a bitmap, a
// metafile or an SVG picture. Each kind is a subclass; a kind that a renderer does not know is
// left untouched.
#pragma once

#include "graphics/RasterCanvas.h"

class TGraphic {
public:
    TGraphic() = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;
    virtual ~TGraphic() = default;
};

// A bitmap: a raster canvas of a given size.
class TBitmap : public TGraphic {
public:
    TBitmap() : m_canvas(0, 0) {}
    void SetSize(int width, int height) { m_canvas.Resize(width, height); }
    int Width() const { return m_canvas.Width(); }
    int Height() const { return m_canvas.Height(); }
    TRasterCanvas& Canvas() { return m_canvas; }
    const TRasterCanvas& Canvas() const { return m_canvas; }

private:
    TRasterCanvas m_canvas;
};
