// Canvases that record drawing into a TMetafile, written with libUEMF. The reference device is a
// screen of 96 pixels per inch: one canvas unit is one of its pixels.
//
// Pens are one unit wide and solid; FillRect is a rectangle outlined in the brush colour, so it
// covers exactly Left..Right-1, Top..Bottom-1 as on the raster canvas. Text is not recorded
// (slides carry none), as on the raster canvas.
//
// WMF coordinates are 16-bit: when the metafile is wider or taller than 32767 units, the WMF
// canvas stores coordinates divided by the smallest divisor of 96 that makes them fit and
// declares correspondingly fewer units per inch, so the picture keeps its size.
#pragma once

#include "graphics/Canvas.h"

#include <memory>

class TMetafile;

class TMetafileCanvas : public TCanvas {
public:
    // A canvas for the metafile's format and size. Throws EVarnelError when this build has no
    // metafile support.
    static std::unique_ptr<TMetafileCanvas> Create(TMetafile& metafile);

    // Completes the file and stores it in the metafile; later calls do nothing. The destructor
    // closes a canvas that was not closed, swallowing errors.
    virtual void Close() = 0;

    void TextOut(int, int, const std::string&) override {}
    int TextWidth(const std::string&) override { return 0; }
};
