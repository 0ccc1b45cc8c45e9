#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

// Paints an icon at 16, 22, 32 and 64 pixels; draw() works on a 22 x 22 grid.
QIcon MakeIcon(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int size : {16, 22, 32, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 22.0, size / 22.0);
        draw(p);
        icon.addPixmap(pm);
    }
    return icon;
}

const QColor kInk(40, 48, 64);

void Sheet(QPainter& p, const QRectF& r, const QColor& fill) {
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(r, 1.5, 1.5);
}

// A small vector drawing like the ones slides hold.
void Sketch(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(255, 210, 60), 1.2));
    p.drawLine(QPointF(r.left() + 2, r.bottom() - 2), QPointF(r.center().x(), r.top() + 2));
    p.drawLine(QPointF(r.center().x(), r.top() + 2), QPointF(r.right() - 2, r.bottom() - 2));
    p.setPen(QPen(QColor(90, 220, 255), 1.2));
    p.drawLine(QPointF(r.left() + 2, r.bottom() - 2), QPointF(r.right() - 2, r.bottom() - 2));
    p.setPen(QPen(QColor(255, 90, 90), 1.2));
    p.drawEllipse(QPointF(r.center().x(), r.center().y() + 1.5), 2.0, 2.0);
}

} // namespace

QIcon AppIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        Sheet(p, QRectF(1.5, 3.5, 19, 15), QColor(20, 24, 32));
        Sketch(p, QRectF(2.5, 4.5, 17, 13));
    });
    return icon;
}

QIcon SlideIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        Sheet(p, QRectF(2.5, 4.5, 17, 13), QColor(20, 24, 32));
        Sketch(p, QRectF(3.5, 5.5, 15, 11));
    });
    return icon;
}

QIcon LibraryIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        Sheet(p, QRectF(6.5, 1.5, 14, 11), QColor(200, 210, 230));
        Sheet(p, QRectF(4.5, 4.5, 14, 11), QColor(150, 170, 205));
        Sheet(p, QRectF(1.5, 8.5, 14, 11), QColor(20, 24, 32));
        Sketch(p, QRectF(2.5, 9.5, 12, 9));
    });
    return icon;
}

QIcon PatternIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        Sheet(p, QRectF(2.5, 2.5, 17, 17), Qt::white);
        p.setClipRect(QRectF(3, 3, 16, 16));
        p.setPen(QPen(QColor(30, 90, 170), 1.2));
        for (int k = -16; k < 22; k += 4)
            p.drawLine(QPointF(k, 20), QPointF(k + 17, 3));
    });
    return icon;
}

QIcon ViewListIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        for (int row = 0; row < 4; ++row) {
            const qreal y = 3.5 + row * 4.5;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 110, 190));
            p.drawRect(QRectF(2, y, 3, 3));
            p.setPen(QPen(kInk, 1.5));
            p.drawLine(QPointF(7.5, y + 1.5), QPointF(20, y + 1.5));
        }
    });
    return icon;
}

QIcon ViewThumbsIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 2; ++col)
                Sheet(p, QRectF(2.5 + col * 9.5, 3.5 + row * 8, 8, 6.5), QColor(20, 24, 32));
    });
    return icon;
}

QIcon ColourIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        const QColor colours[] = {QColor(230, 60, 60), QColor(250, 200, 40), QColor(60, 180, 80),
                                  QColor(60, 120, 220)};
        for (int i = 0; i < 4; ++i) {
            p.setPen(QPen(kInk, 0.8));
            p.setBrush(colours[i]);
            p.drawEllipse(QPointF(7.5 + (i % 2) * 7, 7.5 + (i / 2) * 7), 4.2, 4.2);
        }
    });
    return icon;
}
