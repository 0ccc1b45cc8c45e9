// Pattern sheets: every pattern of the file in a framed cell of 3 x 5 per portrait A4 page.
#include "patterns/upat_render.h"

#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/Streams.h"
#include "base/UiHooks.h"
#include "graphics/SheetLayout.h"
#include "pdf/PdfDoc.h"

namespace {

// The PDF target: segments become path operators ("m", "l") at the cell's origin, unrounded and
// not stroked; the cell strokes them together with its frame. A dot is a zero-length subpath,
// which shows because the cell draws with round line caps.
class TPdfPatternSink : public TPatternSink {
public:
    TPdfPatternSink(TPdfCanvas& canvas, double originX, double originY)
        : m_canvas(canvas), m_originX(originX), m_originY(originY) {}

    void Continuous(const TSegmentClip& s) override { Segment(s); }
    void Dash(const TSegmentClip& s) override { Segment(s); }
    // Hairlines a tenth of a point apart print as a solid area.
    double Resolution() const override { return 0.1; }
    // Each segment is two formatted points in a compressed content stream.
    uint64_t SegmentCost() const override { return 256; }

private:
    void Segment(const TSegmentClip& s) {
        m_canvas.MoveTo(static_cast<float>(m_originX + s.x1), static_cast<float>(m_originY + s.y1));
        m_canvas.LineTo(static_cast<float>(m_originX + s.x2), static_cast<float>(m_originY + s.y2));
    }

    TPdfCanvas& m_canvas;
    double m_originX;
    double m_originY;
};

// A dot is a zero-length path, which viewers paint only with round caps.
void SetRoundLineCaps(TPdfCanvas& canvas) {
    canvas.SetLineCap(TPdfLineCap::Round);
}

// Every page holds 3 x 5 patterns.
constexpr int kSheetColumns = 3;
constexpr int kSheetRows = 5;

void CellPath(TPdfCanvas& canvas, float x, float y, float w, float h) {
    canvas.MoveTo(x, y);
    canvas.LineTo(x + w, y);
    canvas.LineTo(x + w, y - h);
    canvas.LineTo(x, y - h);
}

} // namespace

void TPatternModule::DrawPatternToPdf(int i, TPdfCanvas& canvas, TPatternBudget* budget) {
    UiHooks::TPendingMessagePump pump;
    pump.Tick();
    if (i < 0 || static_cast<size_t>(i) >= Entries.size())
        return;
    const std::vector<std::string> text = PatternBody(Entries[static_cast<size_t>(i)].HeaderLine);
    PatternScale = 0;
    TLineFamily family;
    const TPatternScan scan = ScanPattern(text, family);
    const double scale = ChoosePatternScale(scan, PatternScale);
    PatternScale = scale;
    pump.Tick();
    TPdfPatternSink sink(canvas, TileOriginX, TileOriginY);
    TPatternDrawStats stats;
    DrawPatternFamilies(text, family, scale, TileWidth, TileHeight, sink, stats,
                        budget ? budget->NextShare() : kPatternWorkLimit);
    if (budget)
        budget->Spend(stats.Work);
    SegmentsSent += stats.Sent;
    SegmentsDrawn += stats.Drawn;
}

std::string TPatternModule::WritePatternSheets(const std::string& chosenName) {
    if (Entries.empty())
        return {};
    const std::string path = ChangeFileExt(chosenName, ".pdf");
    SaveFileAtomically(path, [&](TStream& out) { WritePatternSheets(out); });
    return path;
}

bool TPatternModule::WritePatternSheets(TStream& out, TPatternBudget* budget) {
    // Pending messages are processed while the cells are drawn and the page may load another
    // file meanwhile: the loop keeps its own copy of the list it started with.
    const std::vector<TPatternEntry> entries = Entries;
    if (entries.empty())
        return false;
    UiHooks::TBusyCursor busy;
    TPatternBudget ownBudget = BuildBudget();
    if (!budget)
        budget = &ownBudget;

    TPdfDoc doc;
    doc.ContentCompression = TPdfCompressionMethod::Flate;
    doc.NewPageWidth = 596;
    doc.NewPageHeight = 842;
    doc.WithOutlines = false;
    doc.StartDocument();
    doc.AddPage();
    TPdfCanvas& canvas = doc.GetCanvas();
    // Set once: later pages start with the writer's page state (size 10, line width 1).
    canvas.SetFont("Arial", 8);
    canvas.SetLineWidth(0.03f);

    const TSheetLayout layout(PdfSheetStyle(), canvas.PageWidth(), canvas.PageHeight(),
                              kSheetColumns, kSheetRows);
    const auto cw = static_cast<float>(layout.CellWidth());
    const auto ch = static_cast<float>(layout.CellHeight());
    UiHooks::TPendingMessagePump pump;
    auto startPage = [&](int page, size_t) {
        if (page > 1)
            doc.AddPage();
        const std::string label = SheetPageLabel(page);
        canvas.TextOut(static_cast<float>(layout.LabelX(canvas.TextWidth(label))),
                       static_cast<float>(layout.LabelY()), label);
        return true;
    };
    auto drawCell = [&](size_t i, size_t, const TSheetCell& cell) {
        pump.Tick();
        const auto fx = static_cast<float>(cell.Left);
        const auto fy = static_cast<float>(cell.Top);
        pump.Tick();

        canvas.SaveState();
        SetRoundLineCaps(canvas);
        CellPath(canvas, fx, fy, cw, ch);
        canvas.ClosePath();
        canvas.Clip();
        canvas.EndPath();

        TileWidth = cell.Width;
        TileHeight = cell.Height;
        TileOriginX = cell.Left;
        TileOriginY = cell.Top - cell.Height;
        DrawPatternToPdf(static_cast<int>(i), canvas, budget);

        canvas.SetStrokeColor(0);
        canvas.SetFillColor(0);
        CellPath(canvas, fx, fy, cw, ch);
        canvas.LineTo(fx, fy);
        canvas.Stroke();
        canvas.RestoreState();

        canvas.TextOut(static_cast<float>(cell.CaptionX), static_cast<float>(cell.CaptionY),
                       entries[i].Name);
        return true;
    };
    LayOutSheets(layout, entries.size(), startPage, drawCell);
    doc.SaveToStream(out);
    return true;
}
