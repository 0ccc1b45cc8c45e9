// PaintBox1: shows the preview buffer, a raster canvas the size of the preview panel, through a
// QImage that wraps its pixels (no copy). The box sits inside the panel's 1-pixel border, so it
// shows the buffer from (1, 1) on and the border clips the drawing.
//
// The mouse zooms and pans the preview: the wheel zooms around the pointer, dragging with the
// left button pans, a double click fits the slide again. The box only reports these, in the
// buffer's pixels; the window tells the model and draws again.
#pragma once

#include "graphics/RasterCanvas.h"

#include <QPoint>
#include <QPointF>
#include <QWidget>

class TPreviewBox : public QWidget {
    Q_OBJECT
public:
    TPreviewBox(const TRasterCanvas& buffer, QWidget* parent);

    // The buffer's point (device pixels of the whole panel) under the box's point.
    QPointF BufferPoint(QPointF local) const;
    // Shows an open hand while the slide is zoomed (it can be dragged), else the arrow.
    void SetZoomed(bool zoomed);

signals:
    // A wheel turn: angle in eighths of a degree (120 a notch, positive away from the user)
    // at the buffer's point.
    void WheelTurned(int angle, QPointF at);
    // The pointer was dragged by (dx, dy) of the buffer's pixels.
    void Dragged(double dx, double dy);
    void DoubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const TRasterCanvas& m_buffer;
    bool m_zoomed = false;
    bool m_dragging = false;
    QPointF m_last;
};

// Panel2: the framed preview panel; reports its size changes.
class TPreviewPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewPanel(QWidget* parent) : QWidget(parent) {}

signals:
    void Resized();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
