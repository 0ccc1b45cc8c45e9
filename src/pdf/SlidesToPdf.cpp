#include "base/Errors.h"
#include "slides/SlideClasses.h"

// Placeholder until the PDF slide walker lands.
void TSlide::DrawToPdf(TPdfDoc&, double, double, double, double) {
    throw EVarnelError("PDF output is not available yet");
}

void TSlideLib::DrawToPdf(int index, TPdfDoc& doc, double left, double top, double width,
                          double height) const {
    if (TSlide* s = Slide(index))
        s->DrawToPdf(doc, left, top, width, height);
}
