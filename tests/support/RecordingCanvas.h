// A canvas that logs every call as a line of text, so tests can assert exact drawing sequences.
#pragma once

#include "graphics/Canvas.h"

#include <string>
#include <vector>

class TRecordingCanvas : public TCanvas {
public:
    // Calls in order, e.g. "pen 0000ff", "move 10 20", "line 30 40", "pixel 30 40 0000ff",
    // "polygon 0,0 10,0 10,10 brush ff0000", "fill 0 0 10 10 brush 000000".
    std::vector<std::string> log;
    bool printer = false;

    void FillRect(const TRect& r) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, TColor c) override;
    void Polygon(const TPoint* points, size_t count) override;
    void Polyline(const TPoint* points, size_t count) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override { return static_cast<int>(text.size()) * 6; }
    bool IsPrinter() const override { return printer; }

    // Only the lines that start with prefix ("line", "pixel"...).
    std::vector<std::string> Only(const std::string& prefix) const;
};

// A colour as six hex digits, red first ("ff0000" is red), as the log writes it.
std::string ColourText(TColor c);
