// The colour index palette: slides carry colour indices 0..255, this turns them into colours.
// A table is built for one background colour; the render state carries it to the drawings.
#pragma once

#include "graphics/Canvas.h"

#include <array>

// A colour table: colour index to colour value.
using TPalette = std::array<TColor, 256>;

// Black-and-white output (printing, PDF in black and white): exact white stays white, every
// other colour becomes black.
constexpr TColor MonochromeColour(TColor c) {
    return c == 0xFFFFFF ? 0xFFFFFFu : 0u;
}

// The table for a background: entry 0 is the background itself; entry 7 is white on exactly
// black, black on anything else.
TPalette BuildPalette(TColor background);
// The index of the entry of palette nearest to colour (exact match first; ties: the lowest
// index).
int NearestColourIndex(TColor colour, const TPalette& palette);

// What a drawing of slides depends on besides the slide and the canvas: the background, the
// table built for it, and whether paper (a printer canvas, a PDF page) gets black and white
// only (MonochromeColour). A plain value that every drawing takes, as a painter takes its
// state: the window's model owns the one its preview uses, commands and workers draw with
// copies, so drawings on several threads never share anything that changes.
class TRenderState {
public:
    // Black background, in colour: what the window starts with.
    TRenderState() : TRenderState(0, false) {}
    explicit TRenderState(TColor background, bool monochrome)
        : m_palette(BuildPalette(background)), m_background(background), m_monochrome(monochrome) {}

    TColor Background() const { return m_background; }
    const TPalette& Palette() const { return m_palette; }
    bool Monochrome() const { return m_monochrome; }

    friend bool operator==(const TRenderState&, const TRenderState&) = default;

private:
    TPalette m_palette;
    TColor m_background;
    bool m_monochrome;
};
