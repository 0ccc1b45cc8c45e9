// The work of pattern drawings, bounded: the budget that a build of many drawings shares, lines
// and dashes finer than the target shows, and the 64 KB file of such patterns kept in
// tests/data/malformed/.
#include "base/Streams.h"
#include "graphics/RasterCanvas.h"
#include "patterns/upat.h"
#include "patterns/upat_render.h"
#include "pdf/PdfDoc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using TLines = std::vector<std::string>;

const std::string kDenseFile =
    std::string(VARNEL_SOURCE_DIR) + "/tests/data/malformed/pattern_lines_closer_than_a_pixel.pat";

class TCountingSink : public TPatternSink {
public:
    void Continuous(const TSegmentClip&) override {}
    void Dash(const TSegmentClip&) override {}
};

TPatternDrawStats Draw(const std::string& line, double scale, double w, double h) {
    TCountingSink sink;
    TLineFamily family;
    TPatternDrawStats stats;
    DrawPatternFamilies({line}, family, scale, w, h, sink, stats);
    return stats;
}

// The tile drawn on a raster (black lines on white) as rows of '#' and '.'.
TLines Picture(const TLines& text, int w, int h, double scale) {
    TPatternModule m;
    m.TileWidth = w;
    m.TileHeight = h;
    m.PatternScale = scale;
    TRasterCanvas canvas(w, h);
    m.DrawPattern(text, canvas);
    TLines rows;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x)
            row += canvas.Pixel(x, y) == 0 ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(PatternBudget, SharesWorkAndKeepsAFloorForEveryDrawing) {
    // 1,000 units for 4 drawings: each is sure of 125; the first may take all but the floors
    // of the other three.
    TPatternBudget budget(1000, 4);
    EXPECT_EQ(budget.NextShare(), 625u);
    budget.Spend(625);
    EXPECT_EQ(budget.NextShare(), 125u);
    budget.Spend(0); // a cheap drawing leaves its floor to the next ones
    EXPECT_EQ(budget.NextShare(), 250u);
    budget.Spend(100);
    EXPECT_EQ(budget.NextShare(), 275u);
    budget.Spend(275);
    EXPECT_EQ(budget.Remaining(), 0u);
    // Drawings beyond the announced number share what is left; overspending leaves nothing.
    EXPECT_EQ(budget.NextShare(), 0u);
    budget.Spend(10);
    EXPECT_EQ(budget.Remaining(), 0u);
    // One drawing never gets more than its own limit.
    EXPECT_EQ(TPatternBudget(UINT64_C(1) << 50, 1).NextShare(), kPatternWorkLimit);
    EXPECT_EQ(TPatternBudget(10, 0).NextShare(), 10u);
}

TEST(PatternBudget, LinesFinerThanAPixelDrawSolidAndCheap) {
    // Delta-y 1e-6 at scale 100: a hundredth of a pixel apart. Drawn half a pixel apart, the
    // tile is covered, at a cost of a few thousand lines, not the work limit.
    const TPatternDrawStats stats = Draw("0, 0,0, 0,1e-6", 100, 450, 300);
    EXPECT_FALSE(stats.Exhausted);
    EXPECT_EQ(stats.Drawn, 601u); // y = 0, 0.5, ... 300
    // (Row 0 is where the lines end at the tile's top edge, and a line leaves out its end.)
    const TLines rows = Picture({"*D", "37, 0,0, 0,1e-6"}, 60, 40, 100);
    for (size_t y = 1; y < rows.size(); ++y)
        EXPECT_EQ(rows[y].find('.'), std::string::npos) << y << ": " << rows[y];
    // The line through the origin still decides: outside the tile, nothing.
    EXPECT_EQ(Draw("0, 0,-1, 0,1e-6", 100, 450, 300).Drawn, 0u);
}

TEST(PatternBudget, DashesFinerThanAPixelDrawAsWholeLines) {
    // A dash and a gap of a billionth: every pixel of the line is touched, as for a line.
    EXPECT_EQ(Picture({"*D", "0, 0,0, 0,.1, 1e-9,-1e-9"}, 60, 40, 100),
              Picture({"*C", "0, 0,0, 0,.1"}, 60, 40, 100));
    const TPatternDrawStats stats = Draw("0, 0,0, 0,.1, 1e-9,-1e-9", 100, 450, 300);
    EXPECT_FALSE(stats.Exhausted);
    EXPECT_LT(stats.Work, 100'000u);
    // Gaps only draw nothing, and cost nothing to find out.
    const TPatternDrawStats gaps = Draw("0, 0,0, 0,1e-9, -1e-9", 100, 450, 300);
    EXPECT_EQ(gaps.Sent, 0u);
    EXPECT_EQ(gaps.Work, 0u);
}

TEST(PatternBudget, RowsOfDashesFinerThanAPixelKeepTheirDashes) {
    // Rows 1e-7 apart, dashes 10 pixels long with gaps of 10, delta-x 0: the rows stack into
    // columns of dashes, drawn from one row per half pixel.
    const TLines rows = Picture({"*R", "0, 0,0, 0,1e-7, .1,-.1"}, 60, 20, 100);
    for (const std::string& row : rows)
        EXPECT_EQ(row, "##########..........##########..........##########..........") << row;
    const TPatternDrawStats stats = Draw("0, 0,0, 0,1e-7, .1,-.1", 100, 450, 300);
    EXPECT_FALSE(stats.Exhausted);
}

TEST(PatternBudget, PdfCellsDrawLinesATenthOfAPointApart) {
    TPatternModule m;
    m.PatternLines = {"*D,dense", "0, 0,0, 0,1e-6"};
    m.Entries = {{"D", 0, -1}};
    m.TileWidth = 157.2;
    m.TileHeight = 116;
    TPdfDoc doc;
    doc.StartDocument();
    doc.AddPage();
    m.DrawPatternToPdf(0, doc.GetCanvas());
    // y = 0, 0.1, ... 116 on the way up, y = 0 again on the way down.
    EXPECT_NEAR(static_cast<double>(m.SegmentsDrawn), 1162, 2);
}

TEST(PatternBudget, AFileOfCostlyPatternsEndsWithinItsBudget) {
    // 1,281 patterns of lines a millionth apart in 64 KB: the budget that the file's size gives
    // bounds the whole build. The sheets are written here with a tenth of it (the whole takes
    // seconds): all 86 pages, every cell within its share.
    TPatternModule m;
    m.LoadPatternFile(kDenseFile);
    ASSERT_EQ(m.Entries.size(), 1281u);
    const uint64_t units = m.BuildBudget().Remaining();
    EXPECT_EQ(units, kPatternWorkLimit + 2000 * 65502u);

    TPatternBudget sheets(units / 10, m.Entries.size());
    TMemoryStream pdf;
    ASSERT_TRUE(m.WritePatternSheets(pdf, &sheets));
    EXPECT_LE(m.SegmentsDrawn * 256, units / 10);
    const std::string text(reinterpret_cast<const char*>(pdf.Memory()),
                           static_cast<size_t>(pdf.Size()));
    EXPECT_NE(text.find("/Count 86"), std::string::npos);
    const std::string head(reinterpret_cast<const char*>(pdf.Memory()), 8);
    EXPECT_EQ(head, "%PDF-1.2");

    m.SegmentsSent = m.SegmentsDrawn = 0;
    TPatternBudget thumbnails = m.BuildBudget();
    TRasterCanvas tile(128, 80);
    m.TileWidth = 128;
    m.TileHeight = 80;
    for (const TPatternEntry& e : m.Entries) {
        m.PatternScale = 0;
        m.DrawPattern(m.PatternBody(e.HeaderLine), tile, TPatternTarget::Thumbnail, &thumbnails);
    }
    EXPECT_LE(m.SegmentsDrawn * 64 + m.SegmentsSent, 2 * units);
    // Each thumbnail of a line pattern this fine is cheap: the budget was hardly touched.
    EXPECT_GT(thumbnails.Remaining(), units / 2);
}

TEST(PatternBudget, ACostlyPatternAmongCheapOnesDrawsWhole) {
    // The first pattern needs more than an even share of the file's budget; the cheap ones
    // after it leave it enough, so its cell is the same as drawn alone.
    TPatternModule m;
    m.PatternLines = {"*HEAVY", "0, 0,0, .013,.011, 0,-.009", "45, 0,0, .007,.013, .01,-.01"};
    for (int k = 0; k < 300; ++k)
        m.PatternLines.push_back("*L" + std::to_string(k));
    m.PatternLines.push_back("45, 0,0, 0,.5");
    m.Entries = CollectPatternEntries(m.PatternLines);
    m.TileWidth = 157.2;
    m.TileHeight = 116;
    TPdfDoc doc;
    doc.StartDocument();
    doc.AddPage();
    m.DrawPatternToPdf(0, doc.GetCanvas());
    const uint64_t alone = m.SegmentsDrawn;
    TPatternBudget budget = m.BuildBudget();
    const uint64_t evenShare = budget.Remaining() / m.Entries.size();
    ASSERT_GT(alone * 256, evenShare);
    m.SegmentsDrawn = 0;
    m.DrawPatternToPdf(0, doc.GetCanvas(), &budget);
    EXPECT_EQ(m.SegmentsDrawn, alone);
}

TEST(PatternBudget, CoordinatesThatAreNotNumbersLieOutside) {
    TSegmentClip clip;
    ClipSegment(NAN, 1, 2, 3, 10, 10, clip);
    EXPECT_TRUE(clip.Outside);
    ClipSegment(1, 1, 2, NAN, 10, 10, clip);
    EXPECT_TRUE(clip.Outside);
    ClipSegment(1, 1, 2, 3, 10, 10, clip);
    EXPECT_FALSE(clip.Outside);
}
