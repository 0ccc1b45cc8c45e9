// The printer's canvas and printer: TCanvas drawing on a QPainter, and TPrinter on a QPrinter
// (a real printer, or a PDF file, which needs no print server).
#pragma once

#include "model/Printer.h"

#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QPrinter>

class QWidget;

// Draws on a QPainter in the painter's device units. Lines are drawn with the pen's width in
// device units and square ends (a one-unit pen as the device's thinnest line); text goes in the
// current font (Arial, or a font with Arial's metrics where Arial is missing) with its top left at
// the point, without a background.
class TQtCanvas : public TPrinterCanvas {
public:
    explicit TQtCanvas(QPainter& painter) : m_painter(painter) {}

    void FillRect(const TRect& r) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetPixel(int x, int y, TColor c) override;
    void Polygon(const TPoint* points, size_t count) override;
    void Polyline(const TPoint* points, size_t count) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int FontHeight() override;

    // The font the canvas's font name and size stand for, on the painter's device.
    QFont CurrentFont() const;

private:
    void UsePen();

    QPainter& m_painter;
    QPoint m_position;
};

// A TPrinter on Qt's printer. The printer keeps its setup (the printer chosen, the file printed
// to, the page) from one print job to the next.
class TQtPrinter : public TPrinter {
public:
    TQtPrinter();
    ~TQtPrinter() override;

    // The print dialog: choice of printer (or "Print to File (PDF)") and its options. False when
    // cancelled.
    bool Setup(QWidget* parent);

    void BeginDoc() override;
    void NewPage() override;
    void EndDoc() override;
    int PageWidth() const override;
    int PageHeight() const override;
    TPrinterCanvas& Canvas() override { return m_canvas; }

    QPrinter& Printer() { return m_printer; }

private:
    QPrinter m_printer;
    QPainter m_painter;
    TQtCanvas m_canvas;
};
