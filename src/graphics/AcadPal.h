// The colour index palette: slides carry colour indices 0..255, this turns them into colours.
// One process-wide table, built for one background colour.
#pragma once

#include "graphics/Canvas.h"

#include <array>

// A colour table: colour index to colour value.
using TPalette = std::array<TColor, 256>;

// Entry 0 is the background itself; entry 7 is white on exactly black, black on anything else.
extern TPalette Palette;
// The background the table was built for; 0 (black) at start-up.
extern TColor BackgroundColour;

// Black-and-white output (printing, PDF in black and white): exact white stays white, every
// other colour becomes black.
constexpr TColor MonochromeColour(TColor c) {
    return c == 0xFFFFFF ? 0xFFFFFFu : 0u;
}

// The table for a background, without touching the process-wide one: what drawings on other
// threads use.
TPalette PaletteFor(TColor background);
// Fills all 256 entries of Palette from BackgroundColour.
void BuildPalette();
// The index of the entry nearest to colour (exact match first; ties: the lowest index).
int NearestColourIndex(TColor colour);

// Sets BackgroundColour and rebuilds the table for its lifetime; restores both on every path.
class TPaletteScope {
public:
    explicit TPaletteScope(TColor background);
    ~TPaletteScope();
    TPaletteScope(const TPaletteScope&) = delete;
    TPaletteScope& operator=(const TPaletteScope&) = delete;

private:
    TColor m_saved;
};
