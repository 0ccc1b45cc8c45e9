// Printing from the window: the current slide alone on a page, or sheets of slides in a grid of
// columns x rows, each framed and captioned, with a page label on every page. The slides stand
// on the white paper (nothing paints a background); "Black / White" prints every colour that is
// not exactly white in black. Lengths are printer device units.
#pragma once

#include "output/SlidesToPdf.h"

#include <string>
#include <vector>

class TPrinter;
class TProgress;
class TSheetSettingsDialog;
class TSlide;
class TWindowModel;

// The sheets' fixed layout: margins and the caption font.
inline constexpr int kPrintMargin = 150;
inline constexpr const char* kPrintFontName = "Arial";
inline constexpr int kPrintFontSize = 8;

// The current slide on one page: its caption at (150, 150) and the slide fitted into the rest of
// the page within the margins. Begins and ends the printer's document; a slide that cannot be
// drawn throws after the document was ended.
void PrintSlidePage(TPrinter& printer, TSlide& slide, const std::string& caption,
                    TPdfColourMode mode);

// One cell of a printed sheet: the caption (UTF-8) written under the cell and its slide.
struct TPrintEntry {
    std::string Caption;
    TSlide* Slide = nullptr;
};

// The sheets of entries (at least one) in their order, columns x rows per page, row by row.
// progress, when given, is asked before each cell and may stop the job: the document then ends
// with the pages done so far. Returns false when stopped. Throws EVarnelError when the page is
// too small for the grid (ending the document before anything is drawn); a slide that cannot be
// drawn throws after the document was ended with the pages so far.
bool PrintSheets(TPrinter& printer, const std::vector<TPrintEntry>& entries, int columns, int rows,
                 TPdfColourMode mode, TProgress* progress = nullptr);

// The print list of the slide list: all items or the selected ones, in list order or ordered by
// caption without regard to letter case (the same order as the PDF sheets).
std::vector<TPrintEntry> PrintList(const TWindowModel& model, bool selectedOnly, bool sorted);

// "Print Current Slide": the print dialog, then the first selected slide on one page in the
// settings' colour mode. Nothing without a selected slide.
void PrintCurrentSlide1Click(TWindowModel& model, const TSheetSettingsDialog& settings);
// "Print All Slides", "Print &Slides" and the tool button "Print ...": PrintSlideSheets.
void btnPrintClick(TWindowModel& model, TSheetSettingsDialog& settings);
// The sheet settings under "Print Slides", the print dialog, then the sheets with a progress
// display that can stop them. "No slides selected." when the choice holds no slide.
void PrintSlideSheets(TWindowModel& model, TSheetSettingsDialog& settings);
