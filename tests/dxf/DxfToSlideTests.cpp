// DXF drawings drawn into slides: round trips through our own writer, drawings written by ezdxf
// with every entity kind, and damaged or hostile drawings.
#include "SlideWriter.h"
#include "TestFiles.h"
#include "base/Errors.h"
#include "base/Streams.h"
#include "dxf/DxfToSlide.h"
#include "dxf/SlideToDxf.h"
#include "dxf/StrokeFont.h"
#include "slides/SlideDecoder.h"
#include "slides/Slides.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

namespace {

struct TSlideSummary {
    TSlideHeader header;
    std::multiset<std::string> lines; // "colour x0 y0 x1 y1", ends in order
    std::set<int> colours;            // of lines and fills
    int fills = 0;
    std::map<int, std::vector<std::pair<int, int>>> corners; // of the fills, by colour
    bool complete = false;
};

class TSummarySink {
public:
    static constexpr bool kStrictFills = true;
    explicit TSummarySink(TSlideSummary& s) : m_s(s) {}
    void Start(const TSlideHeader& h) { m_s.header = h; }
    void Line(TLineKind, int x0, int y0, int x1, int y1) {
        std::ostringstream t;
        t << m_colour << ' ' << x0 << ' ' << y0 << ' ' << x1 << ' ' << y1;
        m_s.lines.insert(t.str());
        m_s.colours.insert(m_colour);
    }
    void FillBegin(unsigned) {}
    void FillVertex(int x, int y) { m_s.corners[m_colour].emplace_back(x, y); }
    void FillEnd() {
        ++m_s.fills;
        m_s.colours.insert(m_colour);
    }
    void Colour(int index) { m_colour = index; }
    void Invalid() { m_invalid = true; }
    bool m_invalid = false;

private:
    TSlideSummary& m_s;
    int m_colour = 7;
};

TSlideSummary Summarise(const std::vector<uint8_t>& slide) {
    TSlideSummary s;
    TMemoryStream stream(slide);
    TSummarySink sink(s);
    const int64_t length = WalkSlide(stream, sink);
    s.complete = !sink.m_invalid && length == static_cast<int64_t>(slide.size());
    return s;
}

TDxfConversion Convert(const std::string& text, const std::string& name = "drawing.dxf",
                       TDxfConvertOptions options = {}) {
    return DxfToSlide(text, name, options);
}

std::string Entities(const std::string& body) {
    return "0\nSECTION\n2\nENTITIES\n" + body + "0\nENDSEC\n0\nEOF\n";
}

std::string Line(double x0, double y0, double x1, double y1, int colour = 7,
                 const std::string& layer = "0") {
    std::ostringstream s;
    s << "0\nLINE\n8\n"
      << layer << "\n62\n"
      << colour << "\n10\n"
      << x0 << "\n20\n"
      << y0 << "\n11\n"
      << x1 << "\n21\n"
      << y1 << "\n";
    return s.str();
}

bool HaveEzdxf() {
    return RunCommand("/usr/bin/python3 -c 'import ezdxf' 2>/dev/null") == 0;
}

} // namespace

TEST(DxfToSlide, SlideToDxfAndBackGivesTheSameVectors) {
    // A frame from corner to corner makes the drawing's extents the slide's own.
    TSlideWriter w(320, 200);
    w.Colour(7);
    w.Vector(0, 0, 319, 0);
    w.Vector(319, 0, 319, 199);
    w.Vector(319, 199, 0, 199);
    w.Vector(0, 199, 0, 0);
    for (int c = 1; c < 256; c += 17) {
        w.Colour(c);
        w.Vector(c, 10, 300 - c, 190 - c / 2);
    }
    w.Colour(4);
    w.Fill({{20, 20}, {80, 20}, {80, 60}, {20, 60}});
    w.Fill({{100, 100}, {160, 100}, {160, 160}, {130, 120}, {100, 160}});
    w.End();
    const TSlideSummary original = Summarise(w.Bytes());
    for (TDxfVersion version : {TDxfVersion::R12, TDxfVersion::R2000}) {
        TMemoryStream slide(w.Bytes());
        const std::vector<uint8_t> dxf = SlideToDxf(slide, "FRAME", version);
        const TDxfConversion back =
            Convert(std::string(dxf.begin(), dxf.end()), "frame.dxf", {320, 200});
        EXPECT_EQ(back.NotDrawn, "");
        const TSlideSummary again = Summarise(back.Slide);
        EXPECT_TRUE(again.complete);
        EXPECT_EQ(again.header.Level, 2);
        EXPECT_EQ(again.header.HighX, 320);
        EXPECT_EQ(again.header.HighY, 200);
        // The fills come back as fill records; every vector is the same, colour and ends.
        std::multiset<std::string> lines;
        for (const std::string& l : again.lines)
            lines.insert(l);
        for (const std::string& l : original.lines)
            EXPECT_EQ(lines.count(l), 1u) << l;
        EXPECT_GE(again.fills, 2);
        EXPECT_TRUE(again.colours.count(4));
    }
}

TEST(DxfToSlide, ColoursComeFromEntitiesLayersAndInserts) {
    const std::string text =
        "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n"
        "0\nLAYER\n2\nWALLS\n70\n0\n62\n3\n"   // green
        "0\nLAYER\n2\nOFF\n70\n0\n62\n-40\n"   // off: a negative colour
        "0\nLAYER\n2\nFROZEN\n70\n1\n62\n50\n" // frozen
        "0\nENDTAB\n0\nENDSEC\n"
        "0\nSECTION\n2\nBLOCKS\n"
        "0\nBLOCK\n8\n0\n2\nB\n70\n0\n10\n0\n20\n0\n"
        "0\nLINE\n8\n0\n62\n0\n10\n0\n20\n0\n11\n1\n21\n0\n" // BYBLOCK
        "0\nLINE\n8\n0\n10\n0\n20\n0\n11\n0\n21\n1\n"        // BYLAYER on layer 0
        "0\nENDBLK\n8\n0\n"
        "0\nENDSEC\n" +
        std::string("0\nSECTION\n2\nENTITIES\n") + Line(0, 0, 100, 0, 256, "WALLS") +
        Line(0, 10, 100, 10, 256, "OFF") + Line(0, 20, 100, 20, 256, "FROZEN") +
        "0\nLINE\n8\n0\n62\n7\n420\n16744192\n10\n0\n20\n30\n11\n100\n21\n30\n" + // 255,128,0
        "0\nINSERT\n8\nWALLS\n62\n6\n2\nB\n10\n50\n20\n50\n41\n10\n42\n10\n" +
        "0\nENDSEC\n0\nEOF\n";
    const TSlideSummary s = Summarise(Convert(text).Slide);
    EXPECT_TRUE(s.complete);
    EXPECT_TRUE(s.colours.count(3));  // BYLAYER, and layer 0 in the block takes WALLS
    EXPECT_TRUE(s.colours.count(6));  // BYBLOCK takes the insert's colour
    EXPECT_TRUE(s.colours.count(30)); // the true colour's nearest colour number
    EXPECT_FALSE(s.colours.count(40));
    EXPECT_FALSE(s.colours.count(50));
    EXPECT_FALSE(s.colours.count(0));
    EXPECT_FALSE(s.colours.count(7)); // the true colour wins over the colour number
}

TEST(DxfToSlide, FitsTheDrawingKeepingItsAspect) {
    const std::string text = Entities(Line(-50, 10, 150, 10) + Line(-50, 10, -50, 60));
    TSlideSummary s = Summarise(Convert(text, "d.dxf", {1000, 1000}).Slide);
    EXPECT_EQ(s.header.HighX, 1000);
    EXPECT_EQ(s.header.HighY, 251); // 200 x 50 drawing units, 999 / 200 slide units each
    EXPECT_TRUE(s.lines.count("7 0 0 999 0"));
    EXPECT_TRUE(s.lines.count("7 0 0 0 250"));
    s = Summarise(Convert(text, "d.dxf", {100, 1000}).Slide);
    EXPECT_EQ(s.header.HighX, 100);
    EXPECT_EQ(s.header.HighY, 26);
}

TEST(DxfToSlide, TextsAreStrokesAndUnknownEntitiesAreNamed) {
    const std::string text = Entities("0\nTEXT\n8\n0\n10\n0\n20\n0\n40\n10\n1\nHi\n"
                                      "0\n3DSOLID\n8\n0\n"
                                      "0\nIMAGE\n8\n0\n"
                                      "0\n3DSOLID\n8\n0\n");
    const TDxfConversion c = Convert(text);
    const TSlideSummary s = Summarise(c.Slide);
    EXPECT_GE(s.lines.size(), 3u); // H is three strokes, i two
    EXPECT_EQ(c.NotDrawn, "Not drawn: 2 3DSOLID, 1 IMAGE.");
}

TEST(DxfToSlide, DamagedAndHostileDrawingsGiveAnErrorNamingTheFile) {
    const auto error = [](const std::string& text) {
        return MessageOf<EVarnelError>([&] { Convert(text, "bad.dxf"); });
    };
    EXPECT_NE(error("hello\nworld\n").find("bad.dxf"), std::string::npos);
    EXPECT_NE(error(Entities("")).find("nothing to draw"), std::string::npos);
    EXPECT_NE(error(Entities(Line(0, 0, 1e300, 0))).find("beyond 1e15"), std::string::npos);
    EXPECT_NE(error(Entities(Line(0, 0, 0, 0) + "0\nLINE\n10\nnan\n20\n0\n11\n1\n21\n1\n"))
                  .find("not a number"),
              std::string::npos);

    // A block that inserts itself, and a chain of blocks deeper than any drawing needs.
    const std::string self = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nA\n10\n0\n20\n0\n" +
                             Line(0, 0, 1, 1) + "0\nINSERT\n2\nA\n10\n1\n20\n1\n0\nENDBLK\n" +
                             "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" +
                             "0\nINSERT\n2\nA\n10\n0\n20\n0\n0\nENDSEC\n0\nEOF\n";
    const std::string selfMessage = error(self);
    EXPECT_NE(selfMessage.find("\"bad.dxf\""), std::string::npos) << selfMessage;
    EXPECT_NE(selfMessage.find("block \"A\" inserts itself"), std::string::npos) << selfMessage;
    std::string chain = "0\nSECTION\n2\nBLOCKS\n";
    for (int i = 0; i < 40; ++i)
        chain += "0\nBLOCK\n2\nB" + std::to_string(i) + "\n10\n0\n20\n0\n" + Line(0, 0, 1, 1) +
                 "0\nINSERT\n2\nB" + std::to_string(i + 1) + "\n10\n1\n20\n0\n0\nENDBLK\n";
    chain += "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nB0\n10\n0\n20\n0\n"
             "0\nENDSEC\n0\nEOF\n";
    EXPECT_NE(error(chain).find("nested more than 32"), std::string::npos);

    // An array of a billion inserts is bounded by the work the file's size allows.
    const std::string array = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nA\n10\n0\n20\n0\n" +
                              Line(0, 0, 1, 1) + "0\nENDBLK\n0\nENDSEC\n" +
                              "0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nA\n10\n0\n20\n0\n"
                              "70\n32000\n71\n32000\n44\n2\n45\n2\n0\nENDSEC\n0\nEOF\n";
    EXPECT_NE(error(array).find("more work than its size allows"), std::string::npos);

    // Counts far beyond what the file holds allocate nothing of that size.
    const TDxfConversion c = Convert(Entities(
        Line(0, 0, 10, 10) +
        "0\nLWPOLYLINE\n90\n2000000000\n70\n0\n10\n0\n20\n0\n10\n5\n20\n5\n"
        "0\nSPLINE\n71\n3\n72\n2000000000\n73\n2000000000\n74\n2000000000\n"
        "0\nHATCH\n2\nSOLID\n70\n1\n91\n2000000000\n92\n2\n72\n0\n73\n1\n93\n2000000000\n"));
    EXPECT_TRUE(Summarise(c.Slide).complete);
}

// The vectors of one colour, as ends, in order of their first end.
std::vector<std::array<int, 4>> LinesOf(const TSlideSummary& s, int colour) {
    std::vector<std::array<int, 4>> out;
    for (const std::string& l : s.lines) {
        std::istringstream in(l);
        int c = 0;
        std::array<int, 4> e{};
        in >> c >> e[0] >> e[1] >> e[2] >> e[3];
        if (c == colour)
            out.push_back(e);
    }
    std::sort(out.begin(), out.end());
    return out;
}

TEST(DxfToSlide, FacesHideTheirInvisibleEdges) {
    // A frame of colour 7 fixes the extents: 0..100 in both directions, one slide unit each.
    const std::string frame = Line(0, 0, 100, 0) + Line(0, 100, 100, 100);
    const std::string face = "0\n3DFACE\n8\n0\n62\n1\n10\n10\n20\n10\n11\n90\n21\n10\n"
                             "12\n90\n22\n90\n13\n10\n23\n90\n70\n";
    const auto edges = [&](int flags) {
        const TSlideSummary s = Summarise(
            Convert(Entities(frame + face + std::to_string(flags) + "\n"), "f.dxf", {101, 101})
                .Slide);
        return LinesOf(s, 1).size();
    };
    EXPECT_EQ(edges(0), 4u);
    EXPECT_EQ(edges(1), 3u);
    EXPECT_EQ(edges(10), 2u); // the second and the fourth
    EXPECT_EQ(edges(15), 0u);
}

TEST(DxfToSlide, LinetypesDashLinesArcsAndPolylines) {
    // DASHED: 10 drawn, 5 left out; twice as long with $LTSCALE 2 and once more by the entity.
    const std::string head =
        "0\nSECTION\n2\nHEADER\n9\n$LTSCALE\n40\n2\n0\nENDSEC\n"
        "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLTYPE\n"
        "0\nLTYPE\n2\nDASHED\n70\n0\n73\n2\n40\n15\n49\n10\n74\n0\n49\n-5\n"
        "74\n0\n0\nLTYPE\n2\nDOTS\n73\n2\n40\n2\n49\n0\n49\n-2\n"
        "0\nENDTAB\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nHIDDEN\n62\n3\n6\nDashed\n"
        "0\nENDTAB\n0\nENDSEC\n"
        "0\nSECTION\n2\nENTITIES\n" +
        Line(0, 0, 300, 0) + Line(0, 300, 300, 300);
    const auto convert = [&](const std::string& body) {
        return Summarise(Convert(head + body + "0\nENDSEC\n0\nEOF\n", "l.dxf", {301, 301}).Slide);
    };
    // 300 units in dashes of 20 and gaps of 10: ten dashes from 0 to 290.
    TSlideSummary s = convert("0\nLINE\n8\n0\n62\n1\n6\nDASHED\n10\n0\n20\n10\n11\n300\n21\n10\n");
    std::vector<std::array<int, 4>> dashes = LinesOf(s, 1);
    ASSERT_EQ(dashes.size(), 10u);
    EXPECT_EQ(dashes.front(), (std::array<int, 4>{0, 10, 20, 10}));
    EXPECT_EQ(dashes.back(), (std::array<int, 4>{270, 10, 290, 10}));
    // By layer, the entity's scale halving it: twenty dashes of 10.
    s = convert("0\nLINE\n8\nHIDDEN\n48\n0.5\n10\n0\n20\n10\n11\n300\n21\n10\n");
    EXPECT_EQ(LinesOf(s, 3).size(), 20u);
    // A polyline's pattern starts again at each vertex; with the flag 128 it runs on round
    // its corners, the first dash turning the corner.
    const std::string polyline = "0\nLWPOLYLINE\n8\n0\n62\n2\n6\nDASHED\n90\n3\n10\n0\n20\n50\n10\n"
                                 "10\n20\n50\n10\n10\n20\n90\n70\n";
    s = convert(polyline + "0\n");
    EXPECT_EQ(LinesOf(s, 2), (std::vector<std::array<int, 4>>{
                                 {0, 50, 10, 50}, {10, 50, 10, 70}, {10, 80, 10, 90}}));
    s = convert(polyline + "128\n");
    EXPECT_EQ(LinesOf(s, 2), (std::vector<std::array<int, 4>>{
                                 {0, 50, 10, 50}, {10, 50, 10, 60}, {10, 70, 10, 90}}));
    // Dots are points; a circle's dashes stay on the circle.
    s = convert("0\nLINE\n8\n0\n62\n4\n6\nDOTS\n10\n0\n20\n20\n11\n40\n21\n20\n"
                "0\nCIRCLE\n8\n0\n62\n5\n6\nDASHED\n10\n150\n20\n150\n40\n100\n");
    EXPECT_EQ(LinesOf(s, 4).size(), 11u); // every 4 units from 0 to 40
    for (const auto& d : LinesOf(s, 4))
        EXPECT_EQ(d[0], d[2]);
    const std::vector<std::array<int, 4>> arc = LinesOf(s, 5);
    EXPECT_GT(arc.size(), 20u);
    for (const auto& d : arc)
        EXPECT_NEAR(std::hypot(d[0] - 150, d[1] - 150), 100, 1.5);
    // A pattern too fine to see at the slide's size draws solid, bounding the work.
    s = convert("0\nLINE\n8\n0\n62\n6\n6\nDASHED\n48\n0.001\n10\n0\n20\n10\n11\n300\n21\n10\n");
    EXPECT_EQ(LinesOf(s, 6).size(), 1u);
}

TEST(DxfToSlide, SplinesFollowTheirKnotsWeightsAndFitPoints) {
    // A frame of colour 7 from -50 to 150: one slide unit per drawing unit, 50 the origin.
    const std::string frame = Line(-50, -50, 150, -50) + Line(-50, 150, 150, 150);
    const auto convert = [&](const std::string& body) {
        return Summarise(Convert(Entities(frame + body), "s.dxf", {201, 201}).Slide);
    };
    // A quarter circle of radius 100 as a rational spline of degree 2: every point within the
    // tolerance and the rounding of the circle.
    TSlideSummary s = convert("0\nSPLINE\n8\n0\n62\n1\n71\n2\n72\n6\n73\n3\n"
                              "40\n0\n40\n0\n40\n0\n40\n1\n40\n1\n40\n1\n"
                              "10\n100\n20\n0\n41\n1\n10\n100\n20\n100\n41\n0.70710678\n"
                              "10\n0\n20\n100\n41\n1\n");
    std::vector<std::array<int, 4>> arc = LinesOf(s, 1);
    EXPECT_GT(arc.size(), 10u);
    for (const auto& v : arc)
        for (int k : {0, 2})
            EXPECT_NEAR(std::hypot(v[k] - 50, v[k + 1] - 50), 100, 0.8) << v[k] << " " << v[k + 1];
    // Fit points alone: the curve goes through each of them.
    s = convert(
        "0\nSPLINE\n8\n0\n62\n2\n71\n3\n74\n3\n11\n0\n21\n0\n11\n50\n21\n50\n11\n100\n21\n0\n");
    std::set<std::pair<int, int>> ends;
    for (const auto& v : LinesOf(s, 2)) {
        ends.insert({v[0], v[1]});
        ends.insert({v[2], v[3]});
    }
    for (const std::pair<int, int>& fit :
         {std::pair{50, 50}, std::pair{100, 100}, std::pair{150, 50}})
        EXPECT_TRUE(ends.count(fit)) << fit.first << " " << fit.second;
    EXPECT_GT(ends.size(), 10u); // a curve, not three lines

    // A hatch bounded by one full ellipse edge (200 by 100) and a spline edge whose fit count
    // comes before the next edge: both fill to their true outline.
    s = convert("0\nHATCH\n8\n0\n62\n3\n2\nSOLID\n70\n1\n71\n0\n91\n1\n92\n1\n93\n1\n"
                "72\n3\n10\n50\n20\n50\n11\n100\n21\n0\n40\n0.5\n50\n0\n51\n360\n73\n1\n97\n0\n"
                "0\nHATCH\n8\n0\n62\n4\n2\nSOLID\n70\n1\n71\n0\n91\n1\n92\n0\n93\n2\n"
                "72\n4\n94\n1\n73\n0\n74\n0\n95\n4\n96\n2\n40\n0\n40\n0\n40\n1\n40\n1\n"
                "10\n0\n20\n120\n10\n100\n20\n120\n97\n0\n"
                "72\n1\n10\n100\n20\n120\n11\n0\n21\n140\n97\n0\n");
    const auto box = [&](int colour) {
        int minX = 1000, maxX = -1000, minY = 1000, maxY = -1000;
        const auto add = [&](int x, int y) {
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        };
        for (const auto& v : LinesOf(s, colour)) {
            add(v[0], v[1]);
            add(v[2], v[3]);
        }
        for (const auto& [x, y] : s.corners[colour])
            add(x, y);
        return std::vector<int>{minX, maxX, minY, maxY};
    };
    EXPECT_EQ(box(3), (std::vector<int>{0, 200, 50, 150}));
    EXPECT_EQ(box(4), (std::vector<int>{50, 150, 170, 190})); // the line, then back to the start

    // Angles far beyond a turn cost no more than any other.
    s = convert("0\nARC\n8\n0\n62\n5\n10\n50\n20\n50\n40\n10\n50\n1e300\n51\n0\n"
                "0\nELLIPSE\n8\n0\n62\n6\n10\n50\n20\n50\n11\n10\n21\n0\n40\n0.5\n41\n-1e300\n42\n"
                "1e300\n");
    EXPECT_TRUE(s.complete);
}

TEST(DxfToSlide, MTextsWrapToTheirWidthWithoutTheirCodes) {
    if (TStrokeFont::Get() == nullptr)
        GTEST_SKIP() << "the stroke font is not installed";
    // One slide unit per drawing unit; height 21 makes one drawing unit a font unit.
    const std::string frame = Line(0, 0, 300, 0) + Line(0, 300, 300, 300);
    const auto convert = [&](const std::string& extra, const std::string& text) {
        return Summarise(
            Convert(Entities(frame + "0\nMTEXT\n8\n0\n62\n2\n10\n20\n20\n200\n40\n21\n" + extra +
                             "1\n" + text + "\n"),
                    "m.dxf", {301, 301})
                .Slide);
    };
    const auto rows = [](const TSlideSummary& s) {
        int low = 1000, high = -1000, left = 1000, right = -1000;
        for (const auto& v : LinesOf(s, 2)) {
            low = std::min({low, v[1], v[3]}), high = std::max({high, v[1], v[3]});
            left = std::min({left, v[0], v[2]}), right = std::max({right, v[0], v[2]});
        }
        return std::array<int, 4>{left, right, low, high};
    };
    // Without a width one line (its top at 200, letters 21 high); a width narrower than any
    // word puts each word on a line of its own, 35 apart.
    const std::array<int, 4> one = rows(convert("", "aaa bbb ccc"));
    EXPECT_GE(one[2], 200 - 21 - 8);
    const std::array<int, 4> three = rows(convert("41\n1\n", "aaa bbb ccc"));
    EXPECT_NEAR(three[2], one[2] - 70, 2);
    EXPECT_LT(three[1] - three[0], (one[1] - one[0]) / 2);
    // Inline codes draw nothing; \U+hhhh is its character, \P a new paragraph.
    EXPECT_EQ(convert("", "{\\fArial|b1;\\C1;A\\H2x;}\\U+0042").lines, convert("", "AB").lines);
    EXPECT_EQ(rows(convert("", "aaa\\Pbbb\\Pccc"))[2], three[2]);
    // The rotation is in degrees: a quarter turn stands the line upright.
    const std::array<int, 4> upright = rows(convert("50\n90\n", "aaaaaa"));
    EXPECT_GT(upright[3] - upright[2], 3 * (upright[1] - upright[0]));
}

TEST(DxfToSlide, EzdxfDrawingWithEveryEntityKind) {
    if (!HaveEzdxf())
        GTEST_SKIP() << "python3-ezdxf is not installed";
    TTempDir dir;
    // R2010 for the newer entities and true colours (which R2000 cannot hold).
    for (const std::string version : {"R12", "R2010"}) {
        SCOPED_TRACE(version);
        const std::string dxf = dir.File("all_" + version + ".dxf");
        ASSERT_EQ(RunCommand("/usr/bin/python3 " VARNEL_SOURCE_DIR "/tests/dxf/ezdxf_drawing.py " +
                             Q(dxf) + " " + version),
                  0);
        const std::string sld = dir.File("all.sld");
        const std::string out = Sldtool("convert " + Q(dxf) + " -o " + Q(sld) + " --size 800x600");
        const TSlideSummary s = Summarise(ReadFileBytes(sld));
        EXPECT_TRUE(s.complete);
        EXPECT_LE(s.header.HighX, 800);
        EXPECT_LE(s.header.HighY, 600);
        EXPECT_TRUE(s.header.HighX == 800 || s.header.HighY == 600);
        for (int c : {1, 2, 3, 5, 6, 7})
            EXPECT_TRUE(s.colours.count(c)) << c;
        EXPECT_FALSE(s.colours.count(40)); // the layer that is off
        EXPECT_FALSE(s.colours.count(50)); // the frozen layer
        EXPECT_FALSE(s.colours.count(0));
        EXPECT_GE(s.fills, version == "R12" ? 2 : 3); // solid, trace, a wide polyline
        if (version == "R2010") {
            EXPECT_TRUE(s.colours.count(4));  // the ellipse
            EXPECT_TRUE(s.colours.count(30)); // true colour 255,128,0
            EXPECT_NE(out.find("Not drawn: 1 3DSOLID, 1 XLINE."), std::string::npos) << out;
        }
    }
}

TEST(DxfToSlide, ConvertRefusesSizesBeyondASlide) {
    TTempDir dir;
    const std::string dxf = dir.File("a.dxf");
    WriteFileText(dxf, Entities(Line(0, 0, 10, 10)));
    EXPECT_NE(Sldtool("convert " + Q(dxf) + " --size 40000x10", 2).find("bad size"),
              std::string::npos);
    Sldtool("convert " + Q(dxf) + " --size 64x64");
    const TSlideSummary s = Summarise(ReadFileBytes(dir.File("a.sld")));
    EXPECT_EQ(s.header.HighX, 64);
    EXPECT_EQ(s.header.HighY, 64);
    EXPECT_TRUE(s.lines.count("7 0 0 63 63"));
    EXPECT_NE(Sldtool("convert " + Q(dir.File("missing.dxf")), 1).find("missing.dxf"),
              std::string::npos);
}

TEST(DxfToSlide, MatchesEzdxfsOwnRenderingOfItsDrawing) {
    if (RunCommand("/usr/bin/python3 -c 'import ezdxf, matplotlib' 2>/dev/null") != 0)
        GTEST_SKIP() << "python3-ezdxf or python3-matplotlib is not installed";
    TTempDir dir;
    // The drawing without texts (fonts differ between renderers), and the drawing of curves and
    // linetypes, both framed from -10 to 110 so that both pictures have the same extents.
    for (const std::string script : {"ezdxf_drawing.py {} R12 compare",
                                     "ezdxf_drawing.py {} R2010 compare", "ezdxf_curves.py {}"}) {
        SCOPED_TRACE(script);
        const std::string dxf = dir.File("cmp.dxf");
        std::string command = script;
        command.replace(command.find("{}"), 2, Q(dxf));
        ASSERT_EQ(RunCommand("/usr/bin/python3 " VARNEL_SOURCE_DIR "/tests/dxf/" + command), 0);
        Sldtool("convert " + Q(dxf) + " -o " + Q(dir.File("cmp.sld")) + " --size 600x600");
        Sldtool("render " + Q(dir.File("cmp.sld")) + " -o " + Q(dir.File("ours.png")) +
                " --size 600x600");
        std::string out;
        ASSERT_EQ(RunCommand("/usr/bin/python3 " VARNEL_SOURCE_DIR "/tests/dxf/ezdxf_compare.py " +
                                 Q(dxf) + " " + Q(dir.File("ours.png")) + " " +
                                 Q(dir.File("theirs.png")) + " -10 -10 110 110",
                             &out),
                  0)
            << out;
        double ours = 1, theirs = 1;
        int inkOurs = 0, inkTheirs = 0;
        ASSERT_EQ(std::sscanf(out.c_str(), "MISMATCH %lf %lf INK %d %d", &ours, &theirs, &inkOurs,
                              &inkTheirs),
                  4)
            << out;
        // Within three pixels, all but a few in a hundred of either picture's drawn pixels.
        EXPECT_LT(ours, 0.03) << out;
        EXPECT_LT(theirs, 0.03) << out;
        EXPECT_GT(inkOurs, 5000) << out;
    }
}
