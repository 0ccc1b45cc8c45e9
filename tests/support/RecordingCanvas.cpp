#include "RecordingCanvas.h"

#include <cstdio>

std::string ColourText(TColor c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
    return buf;
}

// Each drawing call logs the pen colour it draws with, so colour changes are visible in the log.
void TRecordingCanvas::FillRect(const TRect& r) {
    log.push_back("fill " + std::to_string(r.Left) + " " + std::to_string(r.Top) + " " +
                  std::to_string(r.Right) + " " + std::to_string(r.Bottom) + " brush " +
                  ColourText(m_brushColor));
}

void TRecordingCanvas::MoveTo(int x, int y) {
    log.push_back("move " + std::to_string(x) + " " + std::to_string(y));
}

void TRecordingCanvas::LineTo(int x, int y) {
    log.push_back("line " + std::to_string(x) + " " + std::to_string(y) + " pen " +
                  ColourText(m_penColor));
}

void TRecordingCanvas::SetPixel(int x, int y, TColor c) {
    log.push_back("pixel " + std::to_string(x) + " " + std::to_string(y) + " " + ColourText(c));
}

void TRecordingCanvas::Polygon(const TPoint* points, size_t count) {
    std::string s = "polygon";
    for (size_t i = 0; i < count; ++i)
        s += " " + std::to_string(points[i].x) + "," + std::to_string(points[i].y);
    log.push_back(s + " brush " + ColourText(m_brushColor) + " pen " + ColourText(m_penColor));
}

void TRecordingCanvas::Polyline(const TPoint* points, size_t count) {
    std::string s = "polyline";
    for (size_t i = 0; i < count; ++i)
        s += " " + std::to_string(points[i].x) + "," + std::to_string(points[i].y);
    log.push_back(s + " pen " + ColourText(m_penColor));
}

void TRecordingCanvas::TextOut(int x, int y, const std::string& text) {
    log.push_back("text " + std::to_string(x) + " " + std::to_string(y) + " " + text);
}

std::vector<std::string> TRecordingCanvas::Only(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& line : log)
        if (line.rfind(prefix, 0) == 0)
            out.push_back(line);
    return out;
}
