#include "QtCanvas.h"

#include "base/Errors.h"

#include <QFontMetrics>
#include <QPen>
#include <QPolygon>
#include <QPrintDialog>
#include <cmath>
#include <vector>

namespace {

QColor Qc(TColor c) {
    return QColor(int(RedOf(c)), int(GreenOf(c)), int(BlueOf(c)));
}

QPolygon ToPolygon(const TPoint* points, size_t count) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(count));
    for (size_t i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    return polygon;
}

} // namespace

QFont TQtCanvas::CurrentFont() const {
    QFont font(QString::fromStdString(m_fontName));
    // Where the font itself is missing, one with the same metrics stands in for it.
    if (m_fontName == "Arial")
        font.setFamilies({"Arial", "Liberation Sans", "Arimo", "Nimbus Sans", "Helvetica"});
    font.setPointSize(m_fontSize > 0 ? m_fontSize : 8);
    return font;
}

namespace {

// A one-unit pen is the device's thinnest line (cosmetic), which a PDF viewer shows at least
// one screen pixel wide at any zoom; wider pens are device units.
QPen PenOf(TColor colour, int width) {
    QPen pen(Qc(colour));
    pen.setWidth(width <= 1 ? 0 : width);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

} // namespace

void TQtCanvas::UsePen() {
    m_painter.setPen(PenOf(m_penColor, m_penWidth));
}

void TQtCanvas::FillRect(const TRect& r) {
    if (r.Right > r.Left && r.Bottom > r.Top)
        m_painter.fillRect(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top),
                           Qc(m_brushColor));
}

void TQtCanvas::MoveTo(int x, int y) {
    m_position = QPoint(x, y);
}

void TQtCanvas::LineTo(int x, int y) {
    const QPoint to(x, y);
    UsePen();
    m_painter.drawLine(m_position, to);
    m_position = to;
}

void TQtCanvas::SetPixel(int x, int y, TColor c) {
    // A point as the pen draws lines, so a line's end point matches its line.
    m_painter.setPen(PenOf(c, m_penWidth));
    m_painter.drawPoint(x, y);
}

void TQtCanvas::Polygon(const TPoint* points, size_t count) {
    if (count == 0)
        return;
    UsePen();
    m_painter.setBrush(m_brushStyle == TBrushStyle::Solid ? QBrush(Qc(m_brushColor))
                                                          : QBrush(Qt::NoBrush));
    m_painter.drawPolygon(ToPolygon(points, count), Qt::OddEvenFill);
    m_painter.setBrush(Qt::NoBrush);
}

void TQtCanvas::Polyline(const TPoint* points, size_t count) {
    if (count == 0)
        return;
    UsePen();
    m_painter.drawPolyline(ToPolygon(points, count));
    m_position = QPoint(points[count - 1].x, points[count - 1].y);
}

void TQtCanvas::TextOut(int x, int y, const std::string& text) {
    const QFont font = CurrentFont();
    m_painter.setFont(font);
    m_painter.setPen(Qc(m_penColor));
    const QFontMetrics metrics(font, m_painter.device());
    m_painter.drawText(QPoint(x, y + metrics.ascent()), QString::fromStdString(text));
}

int TQtCanvas::TextWidth(const std::string& text) {
    const QFontMetrics metrics(CurrentFont(), m_painter.device());
    return metrics.horizontalAdvance(QString::fromStdString(text));
}

int TQtCanvas::FontHeight() {
    // The font's size in points at the device's resolution (its em height), as a printer
    // reports a font's height.
    const QPaintDevice* device = m_painter.device();
    const int dpi = device ? device->logicalDpiY() : 72;
    return static_cast<int>(std::lrint(CurrentFont().pointSizeF() * dpi / 72.0));
}

// ---- TQtPrinter ----

TQtPrinter::TQtPrinter() : m_printer(QPrinter::HighResolution), m_canvas(m_painter) {}

TQtPrinter::~TQtPrinter() {
    EndDoc();
}

bool TQtPrinter::Setup(QWidget* parent) {
    QPrintDialog dialog(&m_printer, parent);
    dialog.setObjectName("PrintDialog1");
    // The pages follow from the settings, not from a range chosen here.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return dialog.exec() == QDialog::Accepted;
}

void TQtPrinter::BeginDoc() {
    if (m_painter.isActive())
        throw EVarnelError("A print job is already running.");
    if (!m_painter.begin(&m_printer)) {
        const QString target = m_printer.outputFileName().isEmpty() ? m_printer.printerName()
                                                                    : m_printer.outputFileName();
        throw EVarnelError("Cannot print to \"" + target.toStdString() + "\".");
    }
    // The printer's paint engine may keep the pen and brush of the last job while the new
    // painter believes it starts with black ones; changing both makes the painter pass on every
    // pen and brush that follows.
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::NoBrush);
    // Each job starts with the canvas's defaults.
    m_canvas.SetPenWidth(1);
    m_canvas.SetPenColor(0);
    m_canvas.SetBrushColor(0xFFFFFF);
    m_canvas.SetBrushStyle(TBrushStyle::Solid);
    m_canvas.MoveTo(0, 0);
}

void TQtPrinter::NewPage() {
    if (!m_printer.newPage())
        throw EVarnelError("The printer cannot start a new page.");
}

void TQtPrinter::EndDoc() {
    if (m_painter.isActive())
        m_painter.end();
}

int TQtPrinter::PageWidth() const {
    return m_printer.width();
}

int TQtPrinter::PageHeight() const {
    return m_printer.height();
}
