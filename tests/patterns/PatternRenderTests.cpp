// The pattern renderer: scale choice, clipping, the sweeps, the raster target.
#include "RecordingCanvas.h"
#include "TestFiles.h"
#include "graphics/RasterCanvas.h"
#include "patterns/upat.h"
#include "patterns/upat_render.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

namespace {

using TLines = std::vector<std::string>;

// Draws text on a recording canvas with a 90 x 60 tile at the automatic scale; returns the log,
// and in drawnAt the scale it was drawn at.
TLines Record(const TLines& text, double scale = 0, double* drawnAt = nullptr) {
    TPatternModule m;
    m.TileWidth = 90;
    m.TileHeight = 60;
    m.PatternScale = scale;
    TRecordingCanvas canvas;
    m.DrawPattern(text, canvas);
    if (drawnAt)
        *drawnAt = m.PatternScale;
    return canvas.log;
}

TLines Polylines(const TLines& log) {
    TLines out;
    for (const std::string& l : log)
        if (l.rfind("polyline", 0) == 0)
            out.push_back(l);
    return out;
}

double ScaleOf(const TLines& text, double stored = 0) {
    double scale = 0;
    Record(text, stored, &scale);
    return scale;
}

// Keeps every clipped segment as text, to compare drawings exactly.
class TListSink : public TPatternSink {
public:
    std::vector<std::string> segments;
    void Continuous(const TSegmentClip& s) override { Add('c', s); }
    void Dash(const TSegmentClip& s) override { Add('d', s); }

private:
    void Add(char kind, const TSegmentClip& s) {
        char buf[160];
        std::snprintf(buf, sizeof buf, "%c %.17g %.17g %.17g %.17g", kind, s.x1, s.y1, s.x2, s.y2);
        segments.emplace_back(buf);
    }
};

// The dashed sweeps written out plainly, every row walked, the origin's row by the upward ones
// only: what the renderer must give.
void PlainDashedSweeps(const TLineFamily& f, double scale, double w, double h, TListSink& sink) {
    const double a = f.Angle * (std::numbers::pi / 180);
    const double sinA = (f.Angle == 0 || f.Angle == 180) ? 0 : std::sin(a);
    const double cosA = (f.Angle == 90 || f.Angle == 270) ? 0 : std::cos(a);
    const double cS = cosA * scale, sS = sinA * scale;
    const double ox = f.XOrigin * scale, oy = f.YOrigin * scale;
    const double e = (2 * std::hypot(w, h) / scale) * 2;
    for (int sweep = 0; sweep < 4; ++sweep) {
        const bool forward = sweep < 2;
        const double sign = sweep % 2 == 0 ? 1 : -1;
        for (double r = sign > 0 ? 0 : -f.DeltaY, v = sign > 0 ? 0 : -f.DeltaX; std::fabs(r) <= e;
             r += sign * f.DeltaY, v += sign * f.DeltaX) {
            double pos = 0;
            do {
                for (int k = 0; k < f.DashCount; ++k) {
                    const double d =
                        f.Dashes[static_cast<size_t>(forward ? k : f.DashCount - 1 - k)];
                    if (d >= 0) {
                        const double x1 = v + pos, x2 = forward ? x1 + d : x1 - d;
                        TSegmentClip c;
                        ClipSegment(ox + x1 * cS - r * sS, oy + x1 * sS + r * cS,
                                    ox + x2 * cS - r * sS, oy + x2 * sS + r * cS, w, h, c);
                        if (!c.Outside)
                            sink.Dash(c);
                    }
                    pos += forward ? std::fabs(d) : -std::fabs(d);
                }
            } while (!(std::fabs(pos) > e));
        }
    }
}

} // namespace

TEST(PatternScale, AutomaticTableAtItsThresholds) {
    const std::pair<double, double> table[] = {
        {0, 100},  {0.25, 100}, {0.3, 100},    {0.30001, 50}, {0.4, 50},   {0.5, 25}, {1, 25},
        {1.2, 15}, {1.5, 15},   {1.50001, 10}, {2, 10},       {4.999, 10}, {5, 5},    {80, 5}};
    for (const auto& [m, s] : table)
        EXPECT_EQ(AutoScale(m), s) << m;
    // As written in a file: the larger of |delta-x| and |delta-y| of all families counts.
    EXPECT_EQ(ScaleOf({"*A", "0,0,0,0,.3"}), 100);
    EXPECT_EQ(ScaleOf({"*A", "0,0,0,-0.4,.1", "90,0,0,0,.2"}), 50);
    EXPECT_EQ(ScaleOf({"*A", "0,0,0,0,1.5"}), 15);
    EXPECT_EQ(ScaleOf({"*A", "0,0,0,0,5"}), 5);
    // A stored scale wins over the table.
    EXPECT_EQ(ScaleOf({"*A", "0,0,0,0,.3"}, 56.25), 56.25);
}

TEST(PatternScale, GravelInAnyCaseDrawsAt75) {
    EXPECT_FALSE(IsGravel(" Gravel"));
    EXPECT_EQ(ScaleOf({"*GRAVEL,stones", "0,0,0,0,.3"}), 75);
    EXPECT_EQ(ScaleOf({"*gRaVeL", "0,0,0,0,.3"}, 37.5), 75); // even after "+" or "-"
    // The last header of the text names it.
    EXPECT_EQ(ScaleOf({"*Gravel", "*Other", "0,0,0,0,1"}), 25);
}

TEST(PatternScale, LabelOnlyForThePreview) {
    TPatternModule m;
    m.TileWidth = m.TileHeight = 10;
    TRecordingCanvas canvas;
    m.ScaleText = "3 of 9:A ";
    m.DrawPattern({"*A", "0,0,0,0,1"}, canvas, TPatternTarget::Thumbnail);
    EXPECT_EQ(m.ScaleText, "3 of 9:A ");
    m.DrawPattern({"*A", "0,0,0,0,1"}, canvas, TPatternTarget::Preview);
    EXPECT_EQ(m.ScaleText, "Scale:  25.00");
    EXPECT_EQ(ScaleLabelText(1234.5), "Scale: 1234.50");
}

TEST(ClipSegment, EdgesAndCorners) {
    TSegmentClip c;
    ClipSegment(1, 1, 9, 5, 10, 10, c);
    EXPECT_TRUE(c.Inside);
    EXPECT_FALSE(c.Outside);

    ClipSegment(0, -5, 5, -0.001, 10, 10, c); // below the tile
    EXPECT_TRUE(c.Outside);

    // Touching a corner is not outside.
    ClipSegment(10, 10, 12, 12, 10, 10, c);
    EXPECT_FALSE(c.Outside);
    EXPECT_EQ(c.x1, 10);
    EXPECT_EQ(c.y1, 10);
    EXPECT_EQ(c.x2, 10);
    EXPECT_EQ(c.y2, 10);

    // Passing outside a corner: one end is moved per edge, never tested again, so the result
    // still lies outside the tile on the segment's own line.
    ClipSegment(-2, 1, 1, -2, 10, 10, c);
    EXPECT_FALSE(c.Outside);
    EXPECT_EQ(c.x1, -1);
    EXPECT_EQ(c.y1, 0);
    EXPECT_EQ(c.x2, 1);
    EXPECT_EQ(c.y2, -2);

    // Across the whole tile from the upper right to the lower left.
    ClipSegment(15, 15, -5, -5, 10, 10, c);
    EXPECT_DOUBLE_EQ(c.x1, 10);
    EXPECT_DOUBLE_EQ(c.y1, 10);
    EXPECT_DOUBLE_EQ(c.x2, 0);
    EXPECT_DOUBLE_EQ(c.y2, 0);

    EXPECT_EQ(YAtX(3, 7, 3 + 1e-7, 9, 100), 7); // nearly vertical: ya
    EXPECT_EQ(XAtY(3, 7, 9, 7, 100), 3);        // horizontal: xa
}

TEST(PatternRaster, FillsTheTileAndDrawsVerticalLinesAtAngle90) {
    const TLines log = Record({"*V", "90, 0,0, 0,.2"}); // scale 100: every 20 pixels
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log[0], "fill 0 0 90 60 brush ffffff");
    const TLines lines = Polylines(log);
    ASSERT_FALSE(lines.empty());
    for (const std::string& l : lines) {
        int x1, y1, x2, y2;
        ASSERT_EQ(std::sscanf(l.c_str(), "polyline %d,%d %d,%d", &x1, &y1, &x2, &y2), 4) << l;
        EXPECT_EQ(x1, x2) << l;
        EXPECT_EQ(x1 % 20, 0) << l;
        EXPECT_EQ(y1, 60); // clipped at the bottom edge, flipped
        EXPECT_EQ(y2, 0);
    }
    // x = 0, 20, 40, 60, 80 once each: the line through the origin is not drawn again on the
    // way back.
    EXPECT_EQ(lines.size(), 5u);
}

TEST(PatternRaster, DotsShowAsOnePixel) {
    TPatternModule m;
    m.TileWidth = 40;
    m.TileHeight = 35;
    TRasterCanvas canvas(40, 35);
    m.DrawPattern({"*DOTS", "0, 0,0, 0,.1, 0,-.1"}, canvas); // scale 100: a dot every 10 pixels
    int black = 0;
    for (int y = 0; y < 35; ++y)
        for (int x = 0; x < 40; ++x)
            if (canvas.Pixel(x, y) == 0) {
                ++black;
                EXPECT_EQ(x % 10, 0);
                EXPECT_EQ(y % 10, 5); // tile y 0, 10, 20, 30 flipped in a 35 high tile
            }
    EXPECT_EQ(black, 4 * 3); // x = 40 and pixel row 35 lie outside the bitmap
}

TEST(PatternRaster, NothingForOutsideOriginsAndGapsOnly) {
    // The line through the origin misses the tile: the family stops there.
    EXPECT_TRUE(Polylines(Record({"*A", "0, 0,-5, 0,.1"})).empty());
    EXPECT_TRUE(Polylines(Record({"*A", "45, 0,0, 0,1, -.5,-.25"})).empty());
}

TEST(PatternRaster, EveryDrawingEnds) {
    // Delta-y 0: the line through the origin, once.
    EXPECT_EQ(Polylines(Record({"*A", "0, 0,.1, 0,0"})).size(), 1u);
    EXPECT_EQ(Polylines(Record({"*A", "words"})).size(), 1u);
    const auto dashedOnce = Polylines(Record({"*A", "0, 0,.1, .3,0, .1,-.1"}));
    // Dashes of 10 pixels from x = 0 forward (the backward walk starts with the gap, leftwards).
    EXPECT_EQ(dashedOnce.size(), 5u);
    // A dash list of zeros draws continuous lines.
    EXPECT_EQ(Record({"*A", "30, 0,0, 0,.1, 0,0,0"}), Record({"*A", "30, 0,0, 0,.1"}));

    // Spacings too small to walk row by row or dash by dash end well within the work limit:
    // rows closer than half a pixel are drawn half a pixel apart, dashes that repeat within
    // half a pixel as whole lines.
    class TCountingSink : public TPatternSink {
    public:
        void Continuous(const TSegmentClip&) override {}
        void Dash(const TSegmentClip&) override {}
    } sink;
    for (const char* line : {"0, 0,0, 0,1e-300, 1,-1", "0, 0,0, 0,1, 1e-300,-1e-300",
                             "0, 0,0, 0,1e-300", "33, 0,0, 5,1e-300, 1e-300,-1e-300"}) {
        TLineFamily family;
        TPatternDrawStats stats;
        DrawPatternFamilies({line}, family, 100, 50, 50, sink, stats);
        EXPECT_FALSE(stats.Exhausted) << line;
        EXPECT_LT(stats.Work, 200'000u) << line;
    }
    // The limit given ends a drawing that would go on (dots 0.6 pixel apart on rows a pixel
    // apart): it is kept to within one dash pass and its segment.
    TLineFamily family;
    TPatternDrawStats stats;
    DrawPatternFamilies({"0, 0,0, 0,.01, 0,-.006"}, family, 100, 50, 50, sink, stats, 5000);
    EXPECT_TRUE(stats.Exhausted);
    EXPECT_LE(stats.Work, 5000u + 1 + 64);
}

TEST(PatternRaster, SkippedRowsChangeNothing) {
    const char* lines[] = {"0, 0,0, .05,.2, .3,-.1,0,-.1",  "90, .1,.2, .1,.3, .2,-.15",
                           "45, 0,0, .1,.17, 0,-.12",       "-30, 1,-2, .3,.25, .4,-.2,.05,-.2",
                           "118.3, .3,.7, -.2,-.4, .6,-.3", "180, 0,0, 0,.5, 1,-.5"};
    for (const char* line : lines) {
        TLineFamily family;
        ASSERT_EQ(ParseFamilyLine(line, family), TPatternLineKind::Family);
        TListSink plain;
        PlainDashedSweeps(family, 40, 120, 80, plain);
        TListSink drawn;
        TPatternDrawStats stats;
        TLineFamily carry;
        DrawPatternFamilies({line}, carry, 40, 120, 80, drawn, stats);
        ASSERT_FALSE(plain.segments.empty()) << line;
        EXPECT_EQ(drawn.segments, plain.segments) << line;
        EXPECT_FALSE(stats.Exhausted);
    }
}

// The sweeps up and down both start at the line through the origin; it is walked by the first
// only, so no segment reaches the target twice (a line stroked twice looks darker in a viewer
// that smooths edges): continuous lines, rows closer than the resolution, dashes, dots, dashes
// that repeat within the resolution, and a family drawn as its origin's line alone.
TEST(PatternRaster, TheOriginsRowIsDrawnOnce) {
    const char* lines[] = {"0, 0,0, 0,.2",           "37, .1,.05, .3,.15",
                           "12, 0,0, 0,1e-6",        "-30, 1,-2, .3,.25, .4,-.2,.05,-.2",
                           "45, 0,0, .05,.1, 0,-.1", "60, 0,0, .1,.2, 1e-9,-1e-9",
                           "0, 0,.5, 0,0, .3,-.1"};
    for (const char* line : lines) {
        TListSink drawn;
        TPatternDrawStats stats;
        TLineFamily family;
        DrawPatternFamilies({line}, family, 40, 120, 80, drawn, stats);
        ASSERT_GT(drawn.segments.size(), 2u) << line;
        const size_t all = drawn.segments.size();
        std::vector<std::string> sorted = drawn.segments;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::unique(sorted.begin(), sorted.end()) - sorted.begin(),
                  static_cast<std::ptrdiff_t>(all))
            << line;
        EXPECT_EQ(stats.Drawn, all) << line;
    }
}

// Dashes whose row positions miss the tile's x or y range are passed over without clipping:
// the drawing keeps every dash the clipping keeps, at tile corners, along the edges, at angles
// next to the axes and with tiles and scales of other shapes.
TEST(PatternRaster, DashesPassedOverChangeNothing) {
    const char* lines[] = {"0.001, 0,0, .05,.2, .3,-.1,0,-.1",  "89.999, .1,.2, .1,.3, .2,-.15",
                           "270, 0,0, .02,.04, 0,-.04",         "135, .01,0, .02,.05, .03,-.03",
                           "33.7, 0,.2, .08,.15, 0,-.25,0,-.3", "-0.0001, 0,0, 0,.3, .5,-.5",
                           "45, 0,0, .005,.02, .03,-.01,0,-.01"};
    const double tiles[][3] = {{40, 157.2, 116}, {60, 12, 300}, {50, 300, 7.5}};
    for (const char* line : lines)
        for (const auto& tile : tiles) {
            TLineFamily family;
            ASSERT_EQ(ParseFamilyLine(line, family), TPatternLineKind::Family);
            TListSink plain;
            PlainDashedSweeps(family, tile[0], tile[1], tile[2], plain);
            TListSink drawn;
            TPatternDrawStats stats;
            TLineFamily carry;
            DrawPatternFamilies({line}, carry, tile[0], tile[1], tile[2], drawn, stats,
                                uint64_t{1} << 40);
            EXPECT_FALSE(stats.Exhausted) << line;
            EXPECT_EQ(drawn.segments, plain.segments) << line << " at " << tile[0];
        }
}

// Passes over the dash list that miss the tile still count their work: a limit stops the
// drawing part way, at a prefix of the whole drawing, in the walk before or after the tile
// as well as in it, with the work just past the limit.
TEST(PatternRaster, AWorkLimitStopsAtAPrefixOfTheDrawing) {
    const std::string line = "33.7, 0,.2, .08,.15, 0,-.25,0,-.3";
    auto draw = [&](uint64_t limit, TListSink& sink) {
        TLineFamily carry;
        TPatternDrawStats stats;
        DrawPatternFamilies({line}, carry, 40, 157.2, 116, sink, stats, limit);
        return stats;
    };
    TListSink all;
    const TPatternDrawStats whole = draw(kPatternWorkLimit, all);
    ASSERT_FALSE(whole.Exhausted);
    ASSERT_GT(all.segments.size(), 100u);
    // The counts of the walk that tries every dash of every pass, the origin's row once (its
    // forward and backward walks of 72 dashes each, 9 of them in the tile, not repeated by the
    // downward sweeps).
    EXPECT_EQ(whole.Sent, 6192u);
    EXPECT_EQ(whole.Drawn, 278u);
    EXPECT_EQ(whole.Work, 30698u);
    TListSink stopped;
    const TPatternDrawStats atLimit = draw(20000, stopped);
    EXPECT_EQ(atLimit.Sent, 1802u);
    EXPECT_EQ(atLimit.Drawn, 254u);
    EXPECT_EQ(atLimit.Work, 20001u);
    uint64_t lastWork = 0;
    for (uint64_t limit = 7; limit < whole.Work; limit = limit * 3 + 1) {
        TListSink part;
        const TPatternDrawStats stats = draw(limit, part);
        EXPECT_TRUE(stats.Exhausted) << limit;
        EXPECT_GT(stats.Work, limit);
        EXPECT_LE(stats.Work, limit + 64 * 3 + 4); // one pass: its dashes drawn and its n
        EXPECT_GE(stats.Work, lastWork);
        lastWork = stats.Work;
        ASSERT_LE(part.segments.size(), all.segments.size());
        EXPECT_TRUE(std::equal(part.segments.begin(), part.segments.end(), all.segments.begin()))
            << limit;
    }
}

TEST(PatternRaster, BinaryFilesLoadAndDraw) {
    TTempDir dir;
    std::mt19937 random(5);
    std::vector<uint8_t> bytes(20000);
    for (auto& b : bytes)
        b = static_cast<uint8_t>(random());
    for (size_t i = 0; i < bytes.size(); i += 97)
        bytes[i] = '\n', bytes[i + 1] = (i % 3 == 0) ? '*' : '1';
    WriteFileBytes(dir.File("bin.pat"), bytes);
    TPatternModule m;
    m.LoadPatternFile(dir.File("bin.pat"));
    ASSERT_FALSE(m.Entries.empty());
    TRasterCanvas canvas(60, 40);
    m.TileWidth = 60;
    m.TileHeight = 40;
    for (const TPatternEntry& e : m.Entries) {
        m.PatternScale = 0;
        m.DrawPattern(m.PatternBody(e.HeaderLine), canvas);
    }
}
