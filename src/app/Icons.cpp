#include "Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

// Paints an icon at 16, 22, 32, 44, 64 and 128 pixels, so the list's 16 and the toolbar's 22
// come drawn at twice their size too, for screens of ratio 2; draw() works on a 22 x 22 grid.
QIcon MakeIcon(const std::function<void(QPainter&)>& draw) {
    QIcon icon;
    for (int size : {16, 22, 32, 44, 64, 128}) {
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

QIcon NewLibraryIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        Sheet(p, QRectF(3.5, 5.5, 14, 11), QColor(150, 170, 205));
        Sheet(p, QRectF(1.5, 8.5, 14, 11), QColor(235, 238, 245));
        // A star for "new".
        p.setPen(QPen(QColor(230, 150, 20), 1.6));
        p.drawLine(QPointF(17, 1.5), QPointF(17, 8.5));
        p.drawLine(QPointF(13.5, 5), QPointF(20.5, 5));
        p.drawLine(QPointF(14.5, 2.5), QPointF(19.5, 7.5));
        p.drawLine(QPointF(19.5, 2.5), QPointF(14.5, 7.5));
    });
    return icon;
}

QIcon SaveToFolderIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        p.setPen(QPen(kInk, 1.0));
        p.setBrush(QColor(240, 200, 90));
        QPainterPath folder;
        folder.moveTo(1.5, 7.5);
        folder.lineTo(8, 7.5);
        folder.lineTo(9.5, 9.5);
        folder.lineTo(20.5, 9.5);
        folder.lineTo(20.5, 19.5);
        folder.lineTo(1.5, 19.5);
        folder.closeSubpath();
        p.drawPath(folder);
        Sheet(p, QRectF(5.5, 1.5, 10, 8), QColor(20, 24, 32));
        Sketch(p, QRectF(6, 2, 9, 7));
    });
    return icon;
}

QIcon ImageIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        Sheet(p, QRectF(1.5, 3.5, 19, 15), QColor(150, 200, 240));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 150, 70));
        QPainterPath hills;
        hills.moveTo(2, 18);
        hills.lineTo(8, 10);
        hills.lineTo(12, 14);
        hills.lineTo(15, 11);
        hills.lineTo(20, 18);
        hills.closeSubpath();
        p.drawPath(hills);
        p.setBrush(QColor(250, 210, 60));
        p.drawEllipse(QPointF(15.5, 7.5), 2.0, 2.0);
    });
    return icon;
}

QIcon PrintIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        Sheet(p, QRectF(5.5, 1.5, 11, 7), Qt::white);
        Sheet(p, QRectF(1.5, 7.5, 19, 9), QColor(170, 175, 185));
        Sheet(p, QRectF(5.5, 13.5, 11, 7), Qt::white);
        p.setPen(QPen(kInk, 0.8));
        p.drawLine(QPointF(7.5, 16), QPointF(14.5, 16));
        p.drawLine(QPointF(7.5, 18), QPointF(12.5, 18));
    });
    return icon;
}

QIcon DeleteIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        p.setPen(QPen(QColor(200, 40, 40), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(17, 17));
        p.drawLine(QPointF(17, 5), QPointF(5, 17));
    });
    return icon;
}

namespace {

void Arrow(QPainter& p, bool up) {
    p.setPen(QPen(kInk, 1.0));
    p.setBrush(QColor(60, 140, 210));
    QPainterPath arrow;
    const qreal tip = up ? 2.5 : 19.5, base = up ? 11 : 11, tail = up ? 19.5 : 2.5;
    arrow.moveTo(11, tip);
    arrow.lineTo(19, base);
    arrow.lineTo(14, base);
    arrow.lineTo(14, tail);
    arrow.lineTo(8, tail);
    arrow.lineTo(8, base);
    arrow.lineTo(3, base);
    arrow.closeSubpath();
    p.drawPath(arrow);
}

} // namespace

QIcon MoveUpIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) { Arrow(p, true); });
    return icon;
}

QIcon MoveDownIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) { Arrow(p, false); });
    return icon;
}

QIcon ClipboardIcon() {
    static const QIcon icon = MakeIcon([](QPainter& p) {
        Sheet(p, QRectF(3.5, 3.5, 15, 17), QColor(200, 160, 100));
        Sheet(p, QRectF(7.5, 1.5, 7, 4), QColor(170, 175, 185));
        Sheet(p, QRectF(5.5, 7.5, 11, 10), QColor(20, 24, 32));
        Sketch(p, QRectF(6, 8, 10, 9));
    });
    return icon;
}
