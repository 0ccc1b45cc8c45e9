// The PDF walk of a slide: onto a page of an uncompressed document saved to memory, and the
// current-slide file (landscape A4, compressed) in colour or black and white.
#include "FuzzSupport.h"

#include "base/Errors.h"
#include "base/Streams.h"
#include "output/SlidesToPdf.h"
#include "pdf/PdfDoc.h"
#include "slides/SlideClasses.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TMemoryStream stream(FuzzBytes(data, size));
    const auto mode =
        FuzzByte(data, size, 0) & 1 ? TPdfColourMode::BlackWhite : TPdfColourMode::Color;

    TPdfDoc doc;
    doc.StartDocument();
    doc.AddPage();
    try {
        DrawSlideToPdf(stream, doc, 36, 500, 400, 300, PaperRenderState(mode));
    } catch (const EVarnelError&) {
        // A short or invalid slide, or both extents 0: the page keeps what was drawn.
    }
    FUZZ_CHECK(stream.Position() == 0);
    TMemoryStream page;
    doc.SaveToStream(page);
    FUZZ_CHECK(page.Size() > 0);

    std::unique_ptr<TSlide> slide;
    try {
        slide = TSlide::CreateFromStream("FUZZ.SLD", stream);
    } catch (const EReadError&) {
        return 0; // no header
    }
    TMemoryStream file;
    const TPdfSlidesResult result = WriteCurrentSlidePdf(file, *slide, slide->Name(), mode);
    // Written whole even when the slide could not be drawn to its end, and then only for one
    // of the errors the readers promise (anything else escapes here).
    FUZZ_CHECK(result.Pages == 1 && file.Size() > 0);
    if (result.Failure) {
        try {
            std::rethrow_exception(result.Failure);
        } catch (const EVarnelError&) {
        }
    }
    return 0;
}
