#include "PreviewBox.h"
#include "QtSupport.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QWheelEvent>

TPreviewBox::TPreviewBox(const TRasterCanvas& buffer, QWidget* parent)
    : QWidget(parent), m_buffer(buffer) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPointF TPreviewBox::BufferPoint(QPointF local) const {
    // The box starts one pixel into the panel; the buffer has the panel's device pixels.
    return (local + QPointF(pos())) * devicePixelRatioF();
}

void TPreviewBox::SetZoomed(bool zoomed) {
    m_zoomed = zoomed;
    if (!m_dragging)
        setCursor(zoomed ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void TPreviewBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_buffer.Width() <= 0 || m_buffer.Height() <= 0)
        return;
    QImage image = WrapCanvas(m_buffer);
    // One buffer pixel per device pixel: on a screen of ratio 2 the buffer has twice the
    // panel's width and height, and the image is shown at that ratio, not scaled.
    const qreal ratio = devicePixelRatioF();
    image.setDevicePixelRatio(ratio);
    const QPointF origin = BufferPoint(QPointF(0, 0));
    p.drawImage(QPointF(0, 0), image,
                QRectF(origin.x(), origin.y(), width() * ratio, height() * ratio));
}

void TPreviewBox::wheelEvent(QWheelEvent* event) {
    const int angle = event->angleDelta().y();
    if (angle == 0) {
        event->ignore();
        return;
    }
    emit WheelTurned(angle, BufferPoint(event->position()));
    event->accept();
}

void TPreviewBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_last = event->position();
    if (m_zoomed)
        setCursor(Qt::ClosedHandCursor);
}

void TPreviewBox::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return;
    const QPointF delta = (event->position() - m_last) * devicePixelRatioF();
    m_last = event->position();
    if (!delta.isNull())
        emit Dragged(delta.x(), delta.y());
}

void TPreviewBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = false;
    SetZoomed(m_zoomed);
}

void TPreviewBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit DoubleClicked();
}

void TPreviewPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit Resized();
}

void TPreviewPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
