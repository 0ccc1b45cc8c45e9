#include "graphics/SvgCanvas.h"

#include <cstdio>

namespace {

std::string Int(int v) {
    return std::to_string(v);
}

// v + 0.5 without floating point, so no locale or rounding can change the text.
std::string Centre(int v) {
    return v >= 0 ? Int(v) + ".5" : "-" + Int(-v - 1) + ".5";
}

std::string Hex(TColor c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
    return text;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

} // namespace

TSvgCanvas::TSvgCanvas(TSvgImage& image) : m_image(image) {
    const std::string w = Int(image.Width());
    const std::string h = Int(image.Height());
    m_text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
             w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
             "\" shape-rendering=\"crispEdges\" stroke-width=\"1\" stroke-linecap=\"square\">\n";
}

void TSvgCanvas::Close() {
    if (m_closed)
        return;
    m_closed = true;
    m_text += "</svg>\n";
    m_image.SetText(std::move(m_text));
    m_text.clear();
}

void TSvgCanvas::FillRect(const TRect& r) {
    if (r.Left >= r.Right || r.Top >= r.Bottom)
        return;
    m_text += "<rect x=\"" + Int(r.Left) + "\" y=\"" + Int(r.Top) + "\" width=\"" +
              Int(r.Right - r.Left) + "\" height=\"" + Int(r.Bottom - r.Top) + "\" fill=\"" +
              Hex(m_brushColor) + "\"/>\n";
    m_lineEnded = false;
}

void TSvgCanvas::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
    m_lineEnded = false;
}

void TSvgCanvas::LineTo(int x, int y) {
    m_text += "<line x1=\"" + Centre(m_x) + "\" y1=\"" + Centre(m_y) + "\" x2=\"" + Centre(x) +
              "\" y2=\"" + Centre(y) + "\" stroke=\"" + Hex(m_penColor) + "\"/>\n";
    m_x = x;
    m_y = y;
    m_lineEnded = true;
    m_lineColour = m_penColor;
}

void TSvgCanvas::SetPixel(int x, int y, TColor c) {
    if (m_lineEnded && x == m_x && y == m_y && c == m_lineColour)
        return; // the square cap has drawn it
    m_text += "<rect x=\"" + Int(x) + "\" y=\"" + Int(y) + "\" width=\"1\" height=\"1\" fill=\"" +
              Hex(c) + "\"/>\n";
}

void TSvgCanvas::PointList(const TPoint* points, size_t count) {
    m_text += " points=\"";
    for (size_t i = 0; i < count; ++i) {
        if (i > 0)
            m_text += ' ';
        m_text += Centre(points[i].x) + "," + Centre(points[i].y);
    }
    m_text += '"';
}

void TSvgCanvas::Polygon(const TPoint* points, size_t count) {
    if (count == 0)
        return;
    m_text += "<polygon";
    PointList(points, count);
    m_text += " fill=\"" +
              (m_brushStyle == TBrushStyle::Solid ? Hex(m_brushColor) : std::string("none")) +
              "\" fill-rule=\"evenodd\" stroke=\"" + Hex(m_penColor) + "\"/>\n";
    m_lineEnded = false;
}

void TSvgCanvas::Polyline(const TPoint* points, size_t count) {
    if (count == 0)
        return;
    m_text += "<polyline";
    PointList(points, count);
    m_text += " fill=\"none\" stroke=\"" + Hex(m_penColor) + "\"/>\n";
    m_x = points[count - 1].x;
    m_y = points[count - 1].y;
    m_lineEnded = true;
    m_lineColour = m_penColor;
}

void TSvgCanvas::TextOut(int x, int y, const std::string& text) {
    m_text += "<text x=\"" + Int(x) + "\" y=\"" + Int(y + m_fontSize) + "\" font-family=\"" +
              Escaped(m_fontName) + "\" font-size=\"" + Int(m_fontSize) + "\" fill=\"" +
              Hex(m_penColor) + "\">" + Escaped(text) + "</text>\n";
    m_lineEnded = false;
}

int TSvgCanvas::TextWidth(const std::string& text) {
    return static_cast<int>(text.size()) * m_fontSize * 3 / 5;
}
