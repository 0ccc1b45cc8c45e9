#include "PreviewBox.h"
#include "QtSupport.h"

#include <QImage>
#include <QPainter>
#include <QStyleOptionFrame>

TPreviewBox::TPreviewBox(const TRasterCanvas& buffer, QWidget* parent)
    : QWidget(parent), m_buffer(buffer) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPreviewBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (m_buffer.Width() <= 0 || m_buffer.Height() <= 0)
        return;
    const QImage image = WrapCanvas(m_buffer);
    p.drawImage(QPoint(0, 0), image, QRect(1, 1, width(), height()));
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
