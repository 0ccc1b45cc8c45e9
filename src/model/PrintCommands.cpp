#include "model/PrintCommands.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/UiHooks.h"
#include "graphics/AcadPal.h"
#include "graphics/SheetLayout.h"
#include "model/Dialogs.h"
#include "model/Printer.h"
#include "model/Progress.h"
#include "model/SheetSettings.h"
#include "model/WindowModel.h"
#include "slides/SlideClasses.h"
#include "slides/Slides.h"

#include <cmath>
#include <memory>

namespace {

// Halves go to the even neighbour.
int Round(double x) {
    return static_cast<int>(std::lrint(x));
}

// One printed document: begun on construction, ended on every path out, so an error still
// sends the pages drawn so far. The slides are drawn on white paper in the job's colour mode; the
// caption font is set for the job.
class TPrintJob {
public:
    TPrintJob(TPrinter& printer, TPdfColourMode mode)
        : m_printer(printer), m_paper(PaperRenderState(mode)) {
        m_printer.BeginDoc();
        SetCaptionFont();
    }
    ~TPrintJob() { m_printer.EndDoc(); }
    TPrintJob(const TPrintJob&) = delete;
    TPrintJob& operator=(const TPrintJob&) = delete;

    TPrinterCanvas& Canvas() { return m_printer.Canvas(); }

    void SetCaptionFont() { Canvas().SetFont(kPrintFontName, kPrintFontSize); }

    // Text in black (the caption font's colour), whatever the last slide left in the pen.
    void Text(int x, int y, const std::string& text) {
        Canvas().SetPenColor(0);
        Canvas().TextOut(x, y, text);
    }

    // A slide drawn with a one-unit pen; a record that cannot be drawn is told to the user.
    void Slide(const TSlide& slide, const TRect& rect) {
        Canvas().SetPenWidth(1);
        if (slide.Draw(Canvas(), rect, m_paper).Invalid)
            UiHooks::ShowMessage(kInvalidSlideMessage);
    }

    // A new page starts with the caption font again.
    void NewPage() {
        m_printer.NewPage();
        SetCaptionFont();
    }

private:
    TPrinter& m_printer;
    const TRenderState m_paper;
    UiHooks::TBusyCursor m_busy;
};

} // namespace

void PrintSlidePage(TPrinter& printer, TSlide& slide, const std::string& caption,
                    TPdfColourMode mode) {
    TPrintJob job(printer, mode);
    const int fh = std::abs(job.Canvas().FontHeight());
    job.Text(kPrintMargin, kPrintMargin, caption);
    UiHooks::ProcessPendingMessages();
    const TRect rect{kPrintMargin, kPrintMargin + Round(1.2 * fh),
                     printer.PageWidth() - kPrintMargin, printer.PageHeight() - kPrintMargin};
    job.Slide(slide, rect);
}

bool PrintSheets(TPrinter& printer, const std::vector<TPrintEntry>& entries, int columns, int rows,
                 TPdfColourMode mode, TProgress* progress) {
    if (entries.empty())
        throw EVarnelError(kNoSlidesSelectedMessage);
    if (!SheetGridInRange(columns, rows))
        throw EVarnelError("Columns must be " + SheetColumnRange() + " and rows " +
                           SheetRowRange() + ".");
    TPrintJob job(printer, mode);
    TPrinterCanvas& canvas = job.Canvas();
    const int fontHeight = std::abs(canvas.FontHeight());
    const TSheetLayout layout(PrinterSheetStyle(kPrintMargin, fontHeight), printer.PageWidth(),
                              printer.PageHeight(), columns, rows);
    if (layout.CellWidth() < 1 || layout.CellHeight() < 1)
        throw EVarnelError("The printer's page is too small for " + std::to_string(columns) +
                           " x " + std::to_string(rows) + " slides.");

    // Every length of the printer's layout is a whole device unit.
    auto unit = [](double x) { return static_cast<int>(x); };
    auto startPage = [&](int page, size_t first) {
        // Stopping before a page's first cell leaves no page with nothing but its label.
        if (progress && !progress->Step(static_cast<int>(first), entries[first].Caption))
            return false;
        if (page > 1)
            job.NewPage();
        const std::string label = SheetPageLabel(page);
        job.Text(unit(layout.LabelX(canvas.TextWidth(label))), unit(layout.LabelY()), label);
        return true;
    };
    auto printCell = [&](size_t s, size_t onPage, const TSheetCell& cell) {
        UiHooks::ProcessPendingMessages();
        if (onPage > 0 && progress && !progress->Step(static_cast<int>(s), entries[s].Caption))
            return false;
        const int u = unit(cell.Left), v = unit(cell.Top);
        const int right = unit(cell.Left + cell.Width), bottom = unit(cell.Top + cell.Height);
        job.Slide(*entries[s].Slide, {u, v, right, bottom});

        canvas.SetBrushColor(0xFFFFFF);
        canvas.SetPenColor(0);
        canvas.SetPenWidth(2);
        const TPoint frame[] = {{u, v}, {right, v}, {right, bottom}, {u, bottom}, {u, v}};
        canvas.Polyline(frame, std::size(frame));
        job.Text(unit(cell.CaptionX), unit(cell.CaptionY), entries[s].Caption);
        return true;
    };
    return LayOutSheets(layout, entries.size(), startPage, printCell);
}

std::vector<TPrintEntry> PrintList(const TWindowModel& model, bool selectedOnly, bool sorted) {
    std::vector<TPrintEntry> list;
    const TSlideLib* lib = model.CurrentList();
    // The slides the list shows, all or the selected ones (no indices would mean all).
    const std::vector<int>& indices = selectedOnly ? model.Selection() : model.ShownItems();
    if (!lib || indices.empty())
        return list;
    const std::vector<TPdfSheetEntry> entries = PdfSheetEntries(*lib, indices, sorted);
    list.reserve(entries.size());
    for (const TPdfSheetEntry& e : entries)
        list.push_back({Cp1252ToUtf8(e.Name), e.Slide});
    return list;
}

void PrintCurrentSlide1Click(TWindowModel& model, const TSheetSettingsDialog& settings) {
    const TSlideLib* lib = model.CurrentList();
    const int item = model.SelectedSlide();
    TSlide* slide = lib ? lib->Slide(item) : nullptr;
    if (!slide)
        return;
    TPrinter* printer = model.Dialogs().ChoosePrinter();
    if (!printer)
        return;
    TWindowModel::TBusy busy(model);
    PrintSlidePage(*printer, *slide, model.Items().at(static_cast<size_t>(item)),
                   settings.Settings().ColourMode);
}

void btnPrintClick(TWindowModel& model, TSheetSettingsDialog& settings) {
    PrintSlideSheets(model, settings);
}

void PrintSlideSheets(TWindowModel& model, TSheetSettingsDialog& settings) {
    if (!model.CurrentList() || model.ShownItems().empty())
        return;
    if (!settings.Execute(kPrintSlidesCaption))
        return;
    const TSheetSettings s = settings.Settings();
    const std::vector<TPrintEntry> list = PrintList(model, s.SelectedOnly, s.Sorted);
    if (list.empty()) {
        model.Dialogs().ShowError(kNoSlidesSelectedMessage);
        return;
    }
    TPrinter* printer = model.Dialogs().ChoosePrinter();
    if (!printer)
        return;
    TWindowModel::TBusy busy(model);
    const std::unique_ptr<TProgress> progress =
        model.Dialogs().BeginProgress(kPrintSlidesCaption, static_cast<int>(list.size()));
    PrintSheets(*printer, list, s.Columns, s.Rows, s.ColourMode, progress.get());
}
