#include "output/SlidesToPdf.h"

#include "base/Errors.h"
#include "base/UiHooks.h"
#include "graphics/AcadPal.h"
#include "graphics/SheetLayout.h"
#include "pdf/PdfDoc.h"
#include "slides/SlideClasses.h"
#include "slides/SlideDecoder.h"
#include "slides/Slides.h"

#include <algorithm>

namespace {

// The text height of the current-slide page.
constexpr double kTextHeight = 10;

// Names compared without regard to (ASCII) letter case.
bool NameLess(const TPdfSheetEntry& a, const TPdfSheetEntry& b) {
    return std::lexicographical_compare(
        a.Name.begin(), a.Name.end(), b.Name.begin(), b.Name.end(), [](char x, char y) {
            auto lower = [](char c) {
                const auto u = static_cast<unsigned char>(c);
                return u >= 'A' && u <= 'Z' ? u + 32u : static_cast<unsigned>(u);
            };
            return lower(x) < lower(y);
        });
}

void CheckSheetGrid(const TPdfSheetSettings& settings) {
    if (!SheetGridInRange(settings.Columns, settings.Rows))
        throw EPdfInvalidValue("DrawSlideSheets --columns must be " + SheetColumnRange() +
                               " and rows " + SheetRowRange() + ".");
}

TPdfDoc& StartSlideDocument(TPdfDoc& doc, int width, int height) {
    doc.ContentCompression = TPdfCompressionMethod::Flate;
    doc.NewPageWidth = static_cast<uint16_t>(width);
    doc.NewPageHeight = static_cast<uint16_t>(height);
    doc.WithOutlines = false;
    doc.StartDocument();
    doc.AddPage();
    doc.GetCanvas().SetFont("Arial", 8);
    return doc;
}

// The sheets, noting in current the name of the slide being drawn. False when progress stopped
// them.
bool DrawSheets(TPdfDoc& doc, const std::vector<TPdfSheetEntry>& entries,
                const TPdfSheetSettings& settings, const TPdfSheetProgress& progress,
                std::string& current) {
    CheckSheetGrid(settings);
    const TRenderState paper = PaperRenderState(settings.ColourMode);
    TPdfCanvas& canvas = doc.GetCanvas();
    const TSheetLayout layout(PdfSheetStyle(), canvas.PageWidth(), canvas.PageHeight(),
                              settings.Columns, settings.Rows);
    auto startPage = [&](int page, size_t first) {
        // Stopping before a page's first cell leaves no page with nothing but its number.
        if (progress && !progress(first, entries[first]))
            return false;
        if (page > 1)
            doc.AddPage();
        // The font is set on the first page only: later pages number and caption in the
        // default text state.
        const std::string label = SheetPageLabel(page);
        canvas.TextOut(static_cast<float>(layout.LabelX(canvas.TextWidth(label))),
                       static_cast<float>(layout.LabelY()), label);
        return true;
    };
    auto drawCell = [&](size_t i, size_t onPage, const TSheetCell& cell) {
        UiHooks::ProcessPendingMessages();
        if (onPage > 0 && progress && !progress(i, entries[i]))
            return false;
        current = entries[i].Name;
        DrawToPdf(*entries[i].Slide, doc, cell.Left, cell.Top, cell.Width, cell.Height, paper);
        current.clear();
        canvas.SetStrokeColor(0);
        canvas.SetFillColor(0);
        const auto fx = static_cast<float>(cell.Left), fy = static_cast<float>(cell.Top);
        const auto fr = static_cast<float>(cell.Left + cell.Width);
        const auto fb = static_cast<float>(cell.Top - cell.Height);
        canvas.MoveTo(fx, fy);
        canvas.LineTo(fr, fy);
        canvas.LineTo(fr, fb);
        canvas.LineTo(fx, fb);
        canvas.LineTo(fx, fy);
        canvas.Stroke();
        canvas.TextOut(static_cast<float>(cell.CaptionX), static_cast<float>(cell.CaptionY),
                       entries[i].Name);
        return true;
    };
    return LayOutSheets(layout, entries.size(), startPage, drawCell);
}

} // namespace

TPdfSlideTransform PdfSlideTransform(double left, double top, double width, double height,
                                     int highX, int highY) {
    const TSlideFit fit = FitSlide(width, height, highX, highY);
    TPdfSlideTransform t;
    t.Scale = fit.Scale;
    t.OffsetX = fit.OffsetX + left;
    t.OffsetY = fit.OffsetY + top - height;
    return t;
}

namespace {

// Every line its own path; fills as closed filled paths. Records that cannot be drawn end the
// page's slide with a read error.
class TPdfSink {
public:
    static constexpr bool kStrictFills = true;
    TPdfSink(TPdfCanvas& canvas, double left, double top, double width, double height,
             const TRenderState& state)
        : m_canvas(canvas), m_left(left), m_top(top), m_width(width), m_height(height),
          m_palette(state.Palette()), m_monochrome(state.Monochrome()) {}

    void Start(const TSlideHeader& header) {
        m_t = PdfSlideTransform(m_left, m_top, m_width, m_height, header.HighX, header.HighY);
        m_canvas.SetLineWidth(0.3f);
        m_canvas.SetStrokeColor(m_palette[7]);
        m_canvas.SetFillColor(m_palette[7]);
    }
    void Line(TLineKind, int x0, int y0, int x1, int y1) {
        m_canvas.MoveTo(m_t.X(x0), m_t.Y(y0));
        m_canvas.LineTo(m_t.X(x1), m_t.Y(y1));
        m_canvas.Stroke();
    }
    void FillBegin(unsigned) { m_fill.clear(); }
    void FillVertex(int x, int y) { m_fill.emplace_back(m_t.X(x), m_t.Y(y)); }
    void FillEnd() {
        m_canvas.EndPath();
        // A fill closed before its first vertex has no outline to fill.
        if (!m_fill.empty()) {
            m_canvas.MoveTo(m_fill[0].first, m_fill[0].second);
            for (size_t k = 1; k < m_fill.size(); ++k)
                m_canvas.LineTo(m_fill[k].first, m_fill[k].second);
            m_canvas.ClosePath();
            m_canvas.Fill();
        }
        m_fill.clear();
    }
    void Colour(int index) {
        const TColor c = m_monochrome ? MonochromeColour(m_palette[index]) : m_palette[index];
        m_canvas.SetStrokeColor(c);
        m_canvas.SetFillColor(c);
    }
    [[noreturn]] void Invalid() { throw EReadError(); }

private:
    TPdfCanvas& m_canvas;
    double m_left, m_top, m_width, m_height;
    const TPalette& m_palette;
    const bool m_monochrome;
    TPdfSlideTransform m_t;
    std::vector<std::pair<float, float>> m_fill;
};

} // namespace

int64_t DrawSlideToPdf(TStream& stream, TPdfDoc& doc, double left, double top, double width,
                       double height, const TRenderState& state) {
    TPdfSink sink(doc.GetCanvas(), left, top, width, height, state);
    return WalkSlide(stream, sink);
}

void DrawToPdf(const TSlide& slide, TPdfDoc& doc, double left, double top, double width,
               double height, const TRenderState& state) {
    TSlideData::TView view = slide.Open();
    DrawSlideToPdf(view.Stream(), doc, left, top, width, height, state);
}

void DrawToPdf(const TSlideLib& lib, int index, TPdfDoc& doc, double left, double top, double width,
               double height, const TRenderState& state) {
    if (TSlide* s = lib.Slide(index))
        DrawToPdf(*s, doc, left, top, width, height, state);
}

void SortPdfSheetEntries(std::vector<TPdfSheetEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(), NameLess);
}

std::vector<TPdfSheetEntry> PdfSheetEntries(const TSlideLib& lib, const std::vector<int>& indices,
                                            bool sorted) {
    std::vector<TPdfSheetEntry> entries;
    auto add = [&](int i) {
        if (TSlide* s = lib.Slide(i))
            entries.push_back({s->Name(), s});
    };
    if (indices.empty())
        for (int i = 0; i < lib.Count(); ++i)
            add(i);
    else
        for (const int i : indices)
            add(i);
    if (sorted)
        SortPdfSheetEntries(entries);
    return entries;
}

void DrawCurrentSlidePage(TPdfDoc& doc, TSlide& slide, const std::string& name,
                          TPdfColourMode mode) {
    TPdfCanvas& canvas = doc.GetCanvas();
    const double H = canvas.PageHeight() - 72 - 1.2 * kTextHeight;
    const double W = canvas.PageWidth() - 96;
    canvas.TextOut(48, static_cast<float>(36 + H), name);
    UiHooks::ProcessPendingMessages();
    DrawToPdf(slide, doc, 48, 48 + H + 12, W, H, PaperRenderState(mode));
}

bool DrawSlideSheets(TPdfDoc& doc, const std::vector<TPdfSheetEntry>& entries,
                     const TPdfSheetSettings& settings, const TPdfSheetProgress& progress) {
    std::string current;
    return DrawSheets(doc, entries, settings, progress, current);
}

TPdfSlidesResult WriteCurrentSlidePdf(TStream& out, TSlide& slide, const std::string& name,
                                      TPdfColourMode mode) {
    UiHooks::TBusyCursor busy;
    TPdfDoc doc;
    StartSlideDocument(doc, 842, 596);
    TPdfSlidesResult result;
    try {
        DrawCurrentSlidePage(doc, slide, name, mode);
    } catch (...) {
        result.Failure = std::current_exception();
        result.FailedSlide = name;
    }
    doc.SaveToStream(out);
    result.Pages = doc.PageCount();
    return result;
}

TPdfSlidesResult WriteSlideSheetPdf(TStream& out, const std::vector<TPdfSheetEntry>& entries,
                                    const TPdfSheetSettings& settings,
                                    const TPdfSheetProgress& progress) {
    if (entries.empty())
        throw EVarnelError(kNoSlidesToWriteMessage);
    CheckSheetGrid(settings);
    UiHooks::TBusyCursor busy;
    TPdfDoc doc;
    doc.Threads = settings.Threads;
    StartSlideDocument(doc, 596, 842);
    TPdfSlidesResult result;
    std::string current;
    try {
        result.Cancelled = !DrawSheets(doc, entries, settings, progress, current);
    } catch (...) {
        result.Failure = std::current_exception();
        result.FailedSlide = current;
    }
    doc.SaveToStream(out);
    result.Pages = doc.PageCount();
    return result;
}
