// Pattern sheets: every pattern of the file in a framed cell of 3 x 5 per portrait A4 page.
#include "patterns/upat_render.h"

#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/Streams.h"
#include "base/UiHooks.h"
#include "graphics/SheetLayout.h"
#include "pdf/PdfDoc.h"

namespace {

// A point of the page in the whole hundredths of a point it is written with.
int64_t Hundredths(double x) {
    return PdfHundredths(static_cast<float>(x));
}

// A cell's own space: whole hundredths of a point from its lower left corner, itself rounded to
// a hundredth. A point written in it is the point the page would be written with, in fewer
// bytes: "34496 77315" there is "344.96 773.15" on the page, and mostly "1342 1071" in the cell.
struct TCellSpace {
    int64_t X = 0; // the corner in hundredths of the page's points
    int64_t Y = 0;

    TCellSpace(double cornerX, double cornerY) : X(Hundredths(cornerX)), Y(Hundredths(cornerY)) {}
    int64_t PointX(double pageX) const { return Hundredths(pageX) - X; }
    int64_t PointY(double pageY) const { return Hundredths(pageY) - Y; }
    // Sets the space up ("cm").
    void Enter(TPdfCanvas& canvas) const {
        canvas.Concat(0.01, 0, 0, 0.01, static_cast<double>(X) / 100, static_cast<double>(Y) / 100);
    }
};

// The PDF target: segments become path operators ("m", "l") in the cell's space, not stroked;
// the cell strokes them together with its frame. A dot is a zero-length subpath, which shows
// because the cell draws with round line caps.
class TPdfPatternSink : public TPatternSink {
public:
    TPdfPatternSink(TPdfCanvas& canvas, double originX, double originY)
        : m_canvas(canvas), m_originX(originX), m_originY(originY), m_space(originX, originY) {}

    void Continuous(const TSegmentClip& s) override { Segment(s); }
    void Dash(const TSegmentClip& s) override { Segment(s); }
    // Hairlines a tenth of a point apart print as a solid area.
    double Resolution() const override { return 0.1; }
    // Each segment is two formatted points in a compressed content stream.
    uint64_t SegmentCost() const override { return 256; }

private:
    void Segment(const TSegmentClip& s) {
        m_canvas.SegmentUnits(m_space.PointX(m_originX + s.x1), m_space.PointY(m_originY + s.y1),
                              m_space.PointX(m_originX + s.x2), m_space.PointY(m_originY + s.y2));
    }

    TPdfCanvas& m_canvas;
    double m_originX;
    double m_originY;
    TCellSpace m_space;
};

// The state every cell of a page strokes with, set once at the top of the page: round caps,
// as a dot is a zero-length path, which viewers paint only with round caps; and the line width,
// which counts in the space the lines are stroked in: the cells' hundredths. The cells draw in
// black, the colour every page starts with.
void SetCellState(TPdfCanvas& canvas, float pageLineWidth) {
    canvas.SetLineCap(TPdfLineCap::Round);
    canvas.SetLineWidth(pageLineWidth * 100);
}

// The first page draws its lines 0.03 pt wide; the later ones keep the page's starting line
// width of 1 pt.
constexpr float kFirstPageLineWidth = 0.03f;
constexpr float kPageLineWidth = 1;

// The deflate level of the sheets' pages. A page is a few hundred thousand short numbers that
// libdeflate's quick levels pack within about 2% of its level 6, in less than half the time;
// its level 1 loses a tenth.
constexpr int kSheetDeflateLevel = 2;

// Every page holds 3 x 5 patterns.
constexpr int kSheetColumns = 3;
constexpr int kSheetRows = 5;

void CellPath(TPdfCanvas& canvas, float x, float y, float w, float h) {
    canvas.MoveTo(x, y);
    canvas.LineTo(x + w, y);
    canvas.LineTo(x + w, y - h);
    canvas.LineTo(x, y - h);
}

// The cell's frame, closed by a line back to its start, in the cell's space.
void CellFrame(TPdfCanvas& canvas, const TCellSpace& space, float x, float y, float w, float h) {
    const float right = x + w, bottom = y - h;
    canvas.MoveToUnits(space.PointX(x), space.PointY(y));
    canvas.LineToUnits(space.PointX(right), space.PointY(y));
    canvas.LineToUnits(space.PointX(right), space.PointY(bottom));
    canvas.LineToUnits(space.PointX(x), space.PointY(bottom));
    canvas.LineToUnits(space.PointX(x), space.PointY(y));
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
    doc.DeflateLevel = kSheetDeflateLevel;
    doc.NewPageWidth = 596;
    doc.NewPageHeight = 842;
    doc.WithOutlines = false;
    doc.StartDocument();
    doc.AddPage();
    TPdfCanvas& canvas = doc.GetCanvas();
    // Set once: later pages start with the writer's page state (size 10, line width 1).
    canvas.SetFont("Arial", 8);
    float pageLineWidth = kFirstPageLineWidth;

    const TSheetLayout layout(PdfSheetStyle(), canvas.PageWidth(), canvas.PageHeight(),
                              kSheetColumns, kSheetRows);
    const auto cw = static_cast<float>(layout.CellWidth());
    const auto ch = static_cast<float>(layout.CellHeight());
    UiHooks::TPendingMessagePump pump;
    auto startPage = [&](int page, size_t) {
        if (page > 1) {
            doc.AddPage();
            pageLineWidth = kPageLineWidth;
        }
        SetCellState(canvas, pageLineWidth);
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
        CellPath(canvas, fx, fy, cw, ch);
        canvas.ClosePath();
        canvas.Clip();
        canvas.EndPath();

        TileWidth = cell.Width;
        TileHeight = cell.Height;
        TileOriginX = cell.Left;
        TileOriginY = cell.Top - cell.Height;
        const TCellSpace space(TileOriginX, TileOriginY);
        space.Enter(canvas);
        DrawPatternToPdf(static_cast<int>(i), canvas, budget);
        CellFrame(canvas, space, fx, fy, cw, ch);
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
