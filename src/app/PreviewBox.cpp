#include "PreviewBox.h"

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
    const QImage image(reinterpret_cast<const uchar*>(m_buffer.Bits()), m_buffer.Width(),
                       m_buffer.Height(), m_buffer.Width() * 4, QImage::Format_RGB32);
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
