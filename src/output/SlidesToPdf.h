// Slides on PDF pages: the slide walker that turns records into path operators, the
// current-slide page (landscape A4) and contact sheets (columns x rows per portrait A4 page).
#pragma once

#include "base/Streams.h"
#include "graphics/AcadPal.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

class TPdfDoc;
class TSlide;
class TSlideLib;

// The colour mode of printed and PDF pages, as the PDF and print settings hold it.
enum class TPdfColourMode { Color, BlackWhite };

// Slides on paper, printed or on PDF pages: the palette of a white background, black and white
// only in BlackWhite mode.
inline TRenderState PaperRenderState(TPdfColourMode mode) {
    return TRenderState(0xFFFFFF, mode == TPdfColourMode::BlackWhite);
}

// Slide units to page points: scaled uniformly as large as the box allows and centred along the
// other axis. The box is left, top (y of its top edge), width, height; slide y grows upward
// like PDF y. Throws ESlideError when both extents are 0.
struct TPdfSlideTransform {
    double Scale = 0, OffsetX = 0, OffsetY = 0;

    float X(int x) const { return static_cast<float>(x * Scale + OffsetX); }
    float Y(int y) const { return static_cast<float>(y * Scale + OffsetY); }
};
TPdfSlideTransform PdfSlideTransform(double left, double top, double width, double height,
                                     int highX, int highY);

// Draws the slide at the stream's position on the document's current page, every line its own
// path ("m", "l", "S"), in the state's colours (black or white only when monochrome). Returns the
// slide's byte length. An invalid record head, or any record but a fill record while a fill is
// open, throws EReadError ("Stream read error") with what was drawn so far left on the page.
// The stream position is restored on every path.
int64_t DrawSlideToPdf(TStream& stream, TPdfDoc& doc, double left, double top, double width,
                       double height, const TRenderState& state);

// DrawSlideToPdf of a slide: left, top (y of the top edge), width and height in points, on the
// document's current page.
void DrawToPdf(const TSlide& slide, TPdfDoc& doc, double left, double top, double width,
               double height, const TRenderState& state);
// DrawToPdf of lib's slide index; nothing for an index out of range.
void DrawToPdf(const TSlideLib& lib, int index, TPdfDoc& doc, double left, double top, double width,
               double height, const TRenderState& state);

// One cell of a contact sheet: the caption and the slide drawn there.
struct TPdfSheetEntry {
    std::string Name; // Windows-1252, as slide names are stored
    TSlide* Slide = nullptr;
};

struct TPdfSheetSettings {
    int Columns = 1; // kSheetMinColumns..kSheetMaxColumns (graphics/SheetLayout.h)
    int Rows = 1;    // kSheetMinRows..kSheetMaxRows
    bool Sorted = true;
    TPdfColourMode ColourMode = TPdfColourMode::Color;
    // Threads that compress the pages when the file is written (0: one per core); the file does
    // not depend on it.
    int Threads = 0;
};

// The name list of a sheet: the slides of lib at indices (all of them when indices is empty),
// in that order, or ordered by name without regard to letter case when sorted.
std::vector<TPdfSheetEntry> PdfSheetEntries(const TSlideLib& lib, const std::vector<int>& indices,
                                            bool sorted);
// Orders entries by name without regard to letter case; equal names keep their order.
void SortPdfSheetEntries(std::vector<TPdfSheetEntry>& entries);

// Draws onto a started document with its first page added and "Arial" 8 set, the slides on
// white paper in the colour mode given (PaperRenderState). A slide that cannot be drawn throws
// with the pages drawn so far left in the document.
void DrawCurrentSlidePage(TPdfDoc& doc, TSlide& slide, const std::string& name,
                          TPdfColourMode mode);

// Asked before each cell of a sheet with the number of cells drawn so far and the entry about
// to be drawn; false stops the sheets there, keeping the pages drawn so far.
using TPdfSheetProgress = std::function<bool(size_t done, const TPdfSheetEntry& next)>;

// Returns false when progress stopped the sheets.
bool DrawSlideSheets(TPdfDoc& doc, const std::vector<TPdfSheetEntry>& entries,
                     const TPdfSheetSettings& settings, const TPdfSheetProgress& progress = {});

// What writing a whole file gave: when a slide could not be drawn, the document was still
// written as drawn so far, and Failure holds the error for the caller to report after saving.
struct TPdfSlidesResult {
    std::exception_ptr Failure;
    std::string FailedSlide; // the name of that slide
    int Pages = 0;
    bool Cancelled = false; // progress stopped the sheets; the file holds the pages drawn
};

// The current-slide file: landscape A4, compressed, the name at (48, 548) above the slide.
TPdfSlidesResult WriteCurrentSlidePdf(TStream& out, TSlide& slide, const std::string& name,
                                      TPdfColourMode mode);
// Contact sheets of entries (in the order given). Throws EVarnelError ("No slides to write.")
// before writing anything when entries is empty, and EPdfInvalidValue for columns or rows
// out of range. progress, when given, may stop the sheets after any cell; the document is then
// written with the pages drawn so far.
TPdfSlidesResult WriteSlideSheetPdf(TStream& out, const std::vector<TPdfSheetEntry>& entries,
                                    const TPdfSheetSettings& settings,
                                    const TPdfSheetProgress& progress = {});

inline constexpr const char* kNoSlidesToWriteMessage = "No slides to write.";
