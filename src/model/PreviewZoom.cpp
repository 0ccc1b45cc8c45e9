#include "model/PreviewZoom.h"

#include <algorithm>
#include <cmath>

void TPreviewZoom::SetViewSize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == m_width && height == m_height)
        return;
    // The frame's point at the view's centre, in fractions of the frame.
    const double cx = m_width > 0 ? (m_width / 2.0 - m_left) / (m_zoom * m_width) : 0.5;
    const double cy = m_height > 0 ? (m_height / 2.0 - m_top) / (m_zoom * m_height) : 0.5;
    m_width = width;
    m_height = height;
    m_left = m_width / 2.0 - cx * m_zoom * m_width;
    m_top = m_height / 2.0 - cy * m_zoom * m_height;
    Clamp();
}

void TPreviewZoom::Fit() {
    m_zoom = 1;
    m_left = 0;
    m_top = 0;
}

double TPreviewZoom::WheelFactor(int angle) {
    return std::pow(2.0, angle / 240.0);
}

int TPreviewZoom::FrameWidth() const {
    return static_cast<int>(std::lround(m_zoom * m_width));
}

int TPreviewZoom::FrameHeight() const {
    return static_cast<int>(std::lround(m_zoom * m_height));
}

bool TPreviewZoom::ZoomAt(double factor, double x, double y) {
    if (!(factor > 0) || m_width <= 0 || m_height <= 0)
        return false;
    double zoom = std::clamp(m_zoom * factor, 1.0, kMaxZoom);
    // Wheel steps out and back in land on the fitted view exactly, not a hair beside it.
    if (zoom < 1 + 1e-9)
        zoom = 1;
    if (zoom == m_zoom)
        return false;
    // The point under (x, y), in fractions of the frame as it is drawn, stays under (x, y).
    const TRect before = Frame();
    const double fx = (x - before.Left) / (before.Right + 1 - before.Left);
    const double fy = (y - before.Top) / (before.Bottom + 1 - before.Top);
    m_zoom = zoom;
    m_left = x - fx * FrameWidth();
    m_top = y - fy * FrameHeight();
    Clamp();
    return true;
}

bool TPreviewZoom::Pan(double dx, double dy) {
    const TRect before = Frame();
    m_left += dx;
    m_top += dy;
    Clamp();
    return Frame() != before;
}

void TPreviewZoom::Clamp() {
    m_left = std::clamp(m_left, static_cast<double>(m_width - FrameWidth()), 0.0);
    m_top = std::clamp(m_top, static_cast<double>(m_height - FrameHeight()), 0.0);
}

TRect TPreviewZoom::Frame() const {
    const int width = FrameWidth(), height = FrameHeight();
    const int left = static_cast<int>(std::lround(m_left));
    const int top = static_cast<int>(std::lround(m_top));
    return {left, top, left + width - 1, top + height - 1};
}

std::string TPreviewZoom::ZoomText() const {
    return std::to_string(std::lround(m_zoom * 100)) + "%";
}
