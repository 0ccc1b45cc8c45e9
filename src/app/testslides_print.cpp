// TForm1: printing and PDF files: the sheet settings dialog Tdpdf, and the handlers of the menu
// entries "&Print" and "Make PDF", the tool button "Print ..." and its drop-down.
#include "testslides.h"

#include "model/PdfCommands.h"
#include "model/PrintCommands.h"
#include "pdfset.h"

#include <QAction>
#include <QCoreApplication>

void TForm1::CreatePrintCommands() {
    dpdf = new Tdpdf(m_settingsFile, this);

    connect(PrintCurrentSlide1, &QAction::triggered, this, &TForm1::PrintCurrentSlide1Click);
    connect(PrintCurrentSlide2, &QAction::triggered, this, &TForm1::PrintCurrentSlide1Click);
    // The tool button "Print ..." runs PrintAllSlides1.
    connect(PrintAllSlides1, &QAction::triggered, this, &TForm1::btnPrintClick);
    connect(PrintSlides2, &QAction::triggered, this, &TForm1::btnPrintClick);
    connect(ConvertCurrentSlidetoPDF1, &QAction::triggered, this,
            &TForm1::ConvertCurrentSlidetoPDF1Click);
    connect(ConvertCurrentSlidetoPDF2, &QAction::triggered, this,
            &TForm1::ConvertCurrentSlidetoPDF1Click);
    connect(ConvertSlidestoPDF1, &QAction::triggered, this, &TForm1::ConvertSlidestoPDF1Click);
    connect(ConvertSlidestoPDF2, &QAction::triggered, this, &TForm1::ConvertSlidestoPDF1Click);
}

void TForm1::PrintCurrentSlide1Click() {
    RunCommand([&] { ::PrintCurrentSlide1Click(m_model, *dpdf); });
}

void TForm1::btnPrintClick() {
    RunCommand([&] { ::btnPrintClick(m_model, *dpdf); });
}

void TForm1::ConvertCurrentSlidetoPDF1Click() {
    RunCommand([&] { MakeCurrentSlidePdf(m_model, *dpdf); });
}

void TForm1::ConvertSlidestoPDF1Click() {
    RunCommand([&] { MakeSlideSheetPdf(m_model, *dpdf); });
}
