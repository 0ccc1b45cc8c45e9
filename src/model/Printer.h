// TPrinter: what printing needs of a printer, so the printed pages can be laid out without a
// window: begin a document, start new pages, end it, the page size in device units, and a
// canvas on the page. The window implements it on Qt's printer (a real printer, or a PDF file
// where no print server is needed); tests record what was drawn.
#pragma once

#include "graphics/Canvas.h"

// The printer's drawing surface. Lengths are device units of the printer (its pixels).
class TPrinterCanvas : public TCanvas {
public:
    // The pen's width in device units for the lines that follow (1 at the start).
    void SetPenWidth(int width) { m_penWidth = width < 1 ? 1 : width; }
    int PenWidth() const { return m_penWidth; }
    // The height of the current font in device units: its size in points at the printer's
    // resolution.
    virtual int FontHeight() = 0;
    bool IsPrinter() const override { return true; }

protected:
    int m_penWidth = 1;
};

class TPrinter {
public:
    TPrinter() = default;
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;
    virtual ~TPrinter() = default;

    // Starts a document on its first page; throws EVarnelError when the printer (or the file
    // printed to) cannot be opened.
    virtual void BeginDoc() = 0;
    // Ends the page being drawn and starts the next.
    virtual void NewPage() = 0;
    // Ends the document: the pages are printed. Does nothing without a document.
    virtual void EndDoc() = 0;
    // The printable page in device units; valid once the document has begun.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    // Draws on the current page while a document is open.
    virtual TPrinterCanvas& Canvas() = 0;
};
