// Texts of drawings as strokes: the Hershey Roman simplex font (single-stroke lines, as a plotter
// draws them), loaded once from the font files the hershey-fonts-data package installs.
#pragma once

#include "dxf/Polygons.h"

#include <string>
#include <vector>

// One stroke of a glyph, in font units: x from the glyph's left edge, y up from the baseline.
using TStroke = std::vector<TDxfPoint>;

class TStrokeFont {
public:
    // The font, or nullptr when its file cannot be read.
    static const TStrokeFont* Get();

    // Capital letters rise this many font units above the baseline; descenders go this far below.
    static constexpr double kCapHeight = 21;
    static constexpr double kDescent = 7;

    // The strokes of a character (a byte; characters the font lacks come out as '?'), and how
    // far the next character starts to the right.
    const std::vector<TStroke>& Strokes(unsigned char c) const { return m_glyphs[Glyph(c)]; }
    double Advance(unsigned char c) const { return m_advance[Glyph(c)]; }
    // The width of a line of text in font units.
    double Width(const std::string& text) const;

private:
    TStrokeFont() = default;
    unsigned char Glyph(unsigned char c) const { return m_advance[c] > 0 ? c : '?'; }
    std::vector<TStroke> m_glyphs[256];
    double m_advance[256] = {};
};
