// PaintBox1: shows the preview buffer, a raster canvas the size of the preview panel, through a
// QImage that wraps its pixels (no copy). The box sits inside the panel's 1-pixel border, so it
// shows the buffer from (1, 1) on and the border clips the drawing.
#pragma once

#include "graphics/RasterCanvas.h"

#include <QWidget>

class TPreviewBox : public QWidget {
    Q_OBJECT
public:
    TPreviewBox(const TRasterCanvas& buffer, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TRasterCanvas& m_buffer;
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
