// TPreviewZoom: how far the preview is zoomed into the slide and which part of it is in view.
//
// At zoom 1 the slide is fitted and centred into the view, as the preview always draws it. At
// zoom z the slide is fitted into a frame z times the view's size, and the view shows part of
// that frame; the slide is then drawn into the frame anew (lines stay one pixel wide, the canvas
// leaves out what lies outside the view). The frame always covers the whole view: panning stops
// at its edges. Zooming keeps the frame's point under the mouse where it is, measured on the
// frame as drawn (whole pixels), so repeated steps do not drift.
//
// All positions are the view's device pixels, (0, 0) at its top left.
#pragma once

#include "graphics/Canvas.h"

#include <string>

class TPreviewZoom {
public:
    static constexpr double kMaxZoom = 64;
    // One step of the keys (+ and -).
    static constexpr double kKeyStep = 2;

    // The view's size in device pixels; the zoom is kept, and the frame's point at the view's
    // centre stays there.
    void SetViewSize(int width, int height);
    int ViewWidth() const { return m_width; }
    int ViewHeight() const { return m_height; }

    double Zoom() const { return m_zoom; }
    bool Fitted() const { return m_zoom == 1; }
    // Back to the fitted view.
    void Fit();
    // Multiplies the zoom by factor (within 1..kMaxZoom), keeping the slide's point under the
    // view's point (x, y) where it is. False when the zoom stayed as it was.
    bool ZoomAt(double factor, double x, double y);
    // Zooms around the view's centre.
    bool ZoomIn() { return ZoomAt(kKeyStep, m_width / 2.0, m_height / 2.0); }
    bool ZoomOut() { return ZoomAt(1 / kKeyStep, m_width / 2.0, m_height / 2.0); }
    // The zoom factor of a wheel turn: angle in eighths of a degree, as the desktop reports it
    // (one notch of 15 degrees is 120); a notch zooms by the square root of 2.
    static double WheelFactor(int angle);
    // Moves the slide by (dx, dy) pixels, as far as the frame's edges allow. False when
    // nothing moved.
    bool Pan(double dx, double dy);

    // The rectangle (Right and Bottom inclusive) the slide is fitted into: the view itself at
    // zoom 1, else a z times larger one around it.
    TRect Frame() const;
    // The zoom as the status bar shows it: "100%", "800%", "141%".
    std::string ZoomText() const;

private:
    int FrameWidth() const;
    int FrameHeight() const;
    // Keeps the frame over the whole view.
    void Clamp();

    int m_width = 0;
    int m_height = 0;
    double m_zoom = 1;
    // The frame's top left corner in the view (0 or less).
    double m_left = 0;
    double m_top = 0;
};
