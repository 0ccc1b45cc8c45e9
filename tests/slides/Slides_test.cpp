// The slide reader and renderer: header and byte-order rules, measuring, drawing sequences, and
// what damaged slides do.
#include "SlideWriter.h"
#include "base/Errors.h"
#include "base/UiHooks.h"
#include "graphics/AcadPal.h"
#include "graphics/RasterCanvas.h"
#include "slides/Slides.h"

#include "RecordingCanvas.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

using TBytes = std::vector<uint8_t>;
using TLog = std::vector<std::string>;

// Collects the renderer's messages for the duration of a test.
struct TMessages {
    std::vector<std::string> shown;
    UiHooks::TMessageHook previous;
    TMessages() {
        previous = UiHooks::SetMessageHook([this](const std::string& m) { shown.push_back(m); });
    }
    ~TMessages() { UiHooks::SetMessageHook(previous); }
};

// The example slide: HighX 639, HighY 479, colour 1, one vector (0,0)-(639,479), end.
TSlideWriter ExampleSlide(TSlideWriter::TByteOrder order = TSlideWriter::TByteOrder::Little) {
    TSlideWriter w(639, 479, 2, order, 639.0 / 479.0);
    w.Colour(1);
    w.Vector(0, 0, 639, 479);
    w.End();
    return w;
}

class DrawSlideTest : public ::testing::Test {
protected:
    // Draws the slide into a 100 x 100 box of the canvas; returns the bytes drawn and notes
    // whether a record that cannot be drawn stopped it.
    int64_t Draw(const TBytes& bytes, TCanvas& on) {
        TMemoryStream s(bytes);
        const TSlideDrawing drawn = DrawSlide(s, on, {0, 0, 99, 99}, state);
        EXPECT_EQ(s.Position(), 0);
        invalid = drawn.Invalid;
        return drawn.Length;
    }
    int64_t Draw(const TSlideWriter& w) { return Draw(w.Bytes(), canvas); }
    TRenderState state;
    bool invalid = false;
    TRecordingCanvas canvas;
    // The drawing never reaches the user; its caller tells of an invalid record.
    TMessages messages;
};

} // namespace

TEST(SlideHeader, NewFormatExampleLayoutAndLength) {
    const TSlideWriter w = ExampleSlide();
    const TBytes& b = w.Bytes();
    ASSERT_EQ(b.size(), 43u);
    EXPECT_EQ(TBytes(b.begin() + 19, b.begin() + 23), (TBytes{0x7F, 0x02, 0xDF, 0x01}));
    EXPECT_EQ(TBytes(b.begin() + 29, b.end()), (TBytes{0x34, 0x12, 0x01, 0xFF, 0x00, 0x00, 0x00,
                                                       0x00, 0x7F, 0x02, 0xDF, 0x01, 0x00, 0xFC}));
    TMemoryStream s(b);
    TSlideHeader h;
    EXPECT_EQ(ReadSlideHeader(s, h), 31);
    EXPECT_EQ(h.HeaderLength, 31);
    EXPECT_TRUE(h.Native);
    EXPECT_EQ(h.HighX, 639);
    EXPECT_EQ(h.HighY, 479);
    EXPECT_EQ(MeasureSlide(s), 43);
    EXPECT_EQ(s.Position(), 0);
}

TEST(SlideHeader, BigEndianTwinReadsTheSame) {
    const TSlideWriter big = ExampleSlide(TSlideWriter::TByteOrder::Big);
    EXPECT_EQ(big.Bytes()[29], 0x12);
    EXPECT_EQ(big.Bytes()[30], 0x34);
    TMemoryStream s(big.Bytes());
    TSlideHeader h;
    ReadSlideHeader(s, h);
    EXPECT_FALSE(h.Native);
    EXPECT_EQ(h.HighX, 639);
    EXPECT_EQ(h.HighY, 479);
    EXPECT_EQ(MeasureSlide(s), 43);

    // The twins draw the same picture.
    TRecordingCanvas a, b;
    TMemoryStream little(ExampleSlide().Bytes());
    DrawSlide(little, a, {0, 0, 99, 99}, TRenderState());
    DrawSlide(s, b, {0, 0, 99, 99}, TRenderState());
    EXPECT_EQ(a.log, b.log);
}

TEST(SlideHeader, LevelDecidesHeaderLengthAndSwapping) {
    // Level 1: 34 bytes, never swapped, even with 12 34 where a test number would be.
    TSlideWriter old(100, 50, 1);
    old.End();
    TBytes bytes = old.Bytes();
    ASSERT_EQ(bytes.size(), 36u);
    bytes[29] = 0x12;
    bytes[30] = 0x34;
    TMemoryStream s1(bytes);
    TSlideHeader h1;
    EXPECT_EQ(ReadSlideHeader(s1, h1), 34);
    EXPECT_TRUE(h1.Native);
    EXPECT_EQ(h1.HeaderLength, 34);
    EXPECT_EQ(h1.HighX, 100);
    EXPECT_EQ(MeasureSlide(s1), 36);

    // Any other level: 23 bytes, the caller's header length stays.
    TSlideWriter level2(100, 50);
    TBytes other = level2.Bytes();
    other[18] = 7;
    other.resize(23);
    other.insert(other.end(), {0x00, 0xFC});
    TMemoryStream s3(other);
    TSlideHeader h3;
    h3.HeaderLength = 99;
    EXPECT_EQ(ReadSlideHeader(s3, h3), 23);
    EXPECT_EQ(h3.HeaderLength, 99);
    EXPECT_EQ(MeasureSlide(s3), 25);
}

TEST(MeasureSlide, StopsAtTheSlidesOwnEndInsideALibrary) {
    TBytes lib(50, 0xEE); // bytes before the slide
    const TSlideWriter w = ExampleSlide();
    lib.insert(lib.end(), w.Bytes().begin(), w.Bytes().end());
    lib.insert(lib.end(), {0x12, 0x34, 0x56}); // the next slide's bytes
    TMemoryStream s(lib);
    s.SetPosition(50);
    TSlideRecordCounts counts;
    EXPECT_EQ(MeasureSlide(s, &counts), 43);
    EXPECT_EQ(s.Position(), 50);
    EXPECT_EQ(counts.Vector, 1);
    EXPECT_EQ(counts.Colour, 1);
    EXPECT_EQ(counts.End, 1);

    // 0xFA is an invalid head, 0xFB a valid record.
    TSlideWriter bad(10, 10), ok(10, 10);
    bad.Raw({0x00, 0xFA});
    ok.OffsetVector(1, 1, 2, 2);
    for (TSlideWriter* x : {&bad, &ok})
        x->End();
    TMemoryStream badStream(bad.Bytes()), okStream(ok.Bytes());
    EXPECT_THROW(MeasureSlide(badStream), EReadError);
    EXPECT_EQ(MeasureSlide(okStream), 31 + 5 + 2);
}

TEST(MeasureSlide, ShortSlidesFailToMeasureAndDrawAndRestoreThePosition) {
    TSlideWriter cut(100, 100);
    cut.Vector(1, 1, 2, 2);
    // A fill announcing 65535 vertices with only a few present: the reserve is bounded and the
    // short read fails cleanly.
    TSlideWriter fill(100, 100);
    fill.FillRecord(65535, 0);
    fill.FillRecord(1, 1);
    fill.FillRecord(2, 2);
    const TBytes cases[] = {TBytes(cut.Bytes().begin(), cut.Bytes().end() - 3), fill.Bytes(),
                            TBytes(20, 0)};
    for (const TBytes& slide : cases) {
        TBytes bytes(10, 0);
        bytes.insert(bytes.end(), slide.begin(), slide.end());
        TMemoryStream s(bytes);
        s.SetPosition(10);
        EXPECT_THROW(MeasureSlide(s), EReadError);
        EXPECT_EQ(s.Position(), 10);
        TRecordingCanvas canvas;
        EXPECT_THROW(DrawSlide(s, canvas, {0, 0, 99, 99}, TRenderState()), EReadError);
        EXPECT_EQ(s.Position(), 10);
    }
    TMemoryStream header(TBytes(20, 0));
    TSlideHeader h;
    EXPECT_THROW(ReadSlideHeader(header, h), EReadError);
    EXPECT_EQ(header.Position(), 0);
}

TEST(SlideTransformTest, RoundsHalvesToEvenAndFlagsPointsOutOfRange) {
    // Scale 0.5 on a 10 x 10 slide into 5 x 5: 2.5 -> 2, 3.5 -> 4.
    bool out = false;
    const TSlideTransform half({0, 0, 4, 4}, 10, 10);
    EXPECT_EQ(half.X(5, out), 2);
    EXPECT_EQ(half.X(7, out), 4);
    // The full extent lands one past the last column, and counts as out of range.
    EXPECT_FALSE(out);
    EXPECT_EQ(half.X(10, out), 5);
    EXPECT_TRUE(out);

    EXPECT_THROW(TSlideTransform({0, 0, 99, 99}, 0, 0), ESlideError);
    const TSlideTransform onlyY({0, 0, 99, 99}, 0, 50);
    EXPECT_DOUBLE_EQ(onlyY.Scale, 2.0);
    out = false;
    onlyY.X(0, out);
    EXPECT_TRUE(out) << "every x is out of range on a zero axis";
}

TEST_F(DrawSlideTest, VectorDrawsLineThenEndPixel) {
    TSlideWriter w(1000, 500);
    w.Colour(1);
    w.Vector(0, 499, 500, 250);
    w.End();
    TMemoryStream s(w.Bytes());
    EXPECT_EQ(DrawSlide(s, canvas, {0, 0, 199, 199}, state).Length, 31 + 2 + 8 + 2);
    EXPECT_EQ(canvas.log, (TLog{"move 0 50", "line 100 100 pen ff0000", "pixel 100 100 ff0000"}));
    EXPECT_EQ(canvas.BrushColor(), 0x0000FFu);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DrawSlideTest, OutOfRangePointSwitchesPenToEntry7UntilNextColour) {
    TSlideWriter w(100, 100);
    w.Colour(1);
    w.Vector(0, 0, 100, 50); // ends at x = HighX: out of range
    w.Vector(10, 10, 20, 20);
    w.Colour(3);
    w.Vector(10, 10, 20, 20);
    w.End();
    Draw(w);
    EXPECT_EQ(canvas.Only("line"),
              (TLog{"line 100 50 pen ffffff", "line 20 80 pen ffffff", "line 20 80 pen 00ff00"}));
}

TEST_F(DrawSlideTest, OffsetVectorAndCommonEndpointMoveTheSavedPoint) {
    TSlideWriter w(100, 100);
    w.Colour(2);
    w.Vector(10, 10, 50, 50);      // saved point (10, 10)
    w.OffsetVector(5, -5, 20, 30); // (15, 5)-(30, 40); saved point (15, 5)
    w.CommonEndpoint(-3, 4);       // (15, 5)-(12, 9); saved point (12, 9)
    w.End();
    Draw(w);
    EXPECT_EQ(canvas.log, (TLog{"move 10 90", "line 50 50 pen ffff00", "pixel 50 50 ffff00",
                                "move 15 95", "pixel 30 60 ffff00", "line 30 60 pen ffff00",
                                "move 15 95", "line 12 91 pen ffff00", "pixel 12 91 ffff00"}));
}

TEST_F(DrawSlideTest, FillSequences) {
    // Four vertices closed by a record with negative y: one quadrilateral.
    TSlideWriter w(100, 100);
    w.Colour(5);
    w.Fill({{10, 10}, {90, 10}, {90, 90}, {10, 90}});
    // Three announced, four given: the fourth record closes; the next one opens a new sequence.
    w.FillRecord(3, 0);
    w.FillRecord(0, 0);
    w.FillRecord(50, 0);
    w.FillRecord(50, 50);
    w.FillRecord(99, 99); // closes the triangle (not a vertex)
    w.FillRecord(1, 0);   // opens a sequence of one
    w.FillRecord(5, 5);
    w.FillRecord(0, -1);
    w.End();
    Draw(w);
    EXPECT_EQ(canvas.Only("polygon"),
              (TLog{"polygon 10,90 90,90 90,10 10,10 brush 0000ff pen 0000ff",
                    // y = 0 lands one row past the bottom: pen to entry 7
                    "polygon 0,100 50,100 50,50 brush 0000ff pen ffffff",
                    "polygon 5,95 brush 0000ff pen ffffff"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DrawSlideTest, RecordsInsideAFillStopTheDrawingWithTheMessage) {
    for (bool colourInside : {true, false}) {
        TRecordingCanvas c;
        TSlideWriter w(100, 100);
        w.FillRecord(3, 0);
        w.FillRecord(1, 1);
        if (colourInside)
            w.Colour(1);
        w.End();
        w.Vector(1, 1, 2, 2);
        EXPECT_EQ(Draw(w.Bytes(), c), 31 + 6 + 6 + 2);
        EXPECT_TRUE(invalid);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_TRUE(c.Only("polygon").empty()) << "the open polygon is not drawn";
    }
}

TEST_F(DrawSlideTest, InvalidHeadStopsDrawingAndKeepsWhatWasDrawn) {
    for (int kind = 0x80; kind <= 0xFA; kind += 0x3D) {
        TRecordingCanvas c;
        TSlideWriter w(100, 100);
        w.Vector(1, 1, 2, 2);
        w.Raw({0x00, static_cast<uint8_t>(kind)});
        w.Vector(3, 3, 4, 4);
        w.End();
        EXPECT_EQ(Draw(w.Bytes(), c), 31 + 8 + 2);
        EXPECT_EQ(c.Only("line").size(), 1u);
        EXPECT_TRUE(invalid);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(DrawSlideTest, ExtentsOfZeroFailAndNegativeOnesFlip) {
    TSlideWriter zero(0, 0);
    zero.Vector(1, 1, 2, 2);
    zero.End();
    EXPECT_NE(MessageOf<ESlideError>([&] { Draw(zero); }).find("HighX 0, HighY 0"),
              std::string::npos);
    EXPECT_TRUE(canvas.log.empty());

    TSlideWriter w(-100, 100);
    w.Colour(1);
    w.Vector(10, 10, 90, 90);
    w.End();
    EXPECT_EQ(Draw(w), 31 + 2 + 8 + 2);
    EXPECT_EQ(canvas.Only("line").size(), 1u);
    TSlideWriter both(-32768, -1);
    both.Vector(32767, 32767, 0, 0);
    both.End();
    TRecordingCanvas c;
    TMemoryStream s(both.Bytes());
    EXPECT_NO_THROW(DrawSlide(s, c, {0, 0, 1919, 1079}, state));
}

TEST_F(DrawSlideTest, PrinterInBlackAndWhite) {
    state = TRenderState(0xFFFFFF, true);
    TSlideWriter w(100, 100);
    w.Colour(7); // black on white
    w.Vector(1, 1, 2, 2);
    w.Colour(255); // exactly white
    w.Vector(1, 1, 2, 2);
    w.Colour(1); // red
    w.Vector(1, 1, 2, 2);
    w.End();
    canvas.printer = true;
    Draw(w);
    // Not on the printer: colours as they are.
    TRecordingCanvas screen;
    Draw(w.Bytes(), screen);
    EXPECT_EQ(screen.Only("line").back(), "line 2 98 pen ff0000");
    EXPECT_EQ(canvas.Only("line"),
              (TLog{"line 2 98 pen 000000", "line 2 98 pen ffffff", "line 2 98 pen 000000"}));
}

TEST(HostileSlides, RandomDamageNeverCrashesOrHangs) {
    // Damaged copies of a slide that uses every record kind: truncated, bytes flipped, counts
    // replaced. Each either draws, stops with the message, or throws a read error.
    TSlideWriter w(300, 200);
    w.Colour(3);
    w.Vector(10, 10, 290, 190);
    w.OffsetVector(5, 5, -20, 30);
    w.CommonEndpoint(-7, 9);
    w.Fill({{10, 10}, {100, 10}, {50, 90}});
    w.Colour(250);
    w.End();
    const TBytes original = w.Bytes();
    TMessages quiet;
    uint32_t seed = 7;
    auto next = [&seed](uint32_t range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    for (int round = 0; round < 3000; ++round) {
        TBytes bytes = original;
        for (uint32_t k = 0, n = 1 + next(4); k < n; ++k)
            bytes[next(static_cast<uint32_t>(bytes.size()))] = static_cast<uint8_t>(next(256));
        if (round % 3 == 0)
            bytes.resize(next(static_cast<uint32_t>(bytes.size())));
        TMemoryStream s(bytes);
        TRasterCanvas canvas(64, 48);
        try {
            DrawSlide(s, canvas, {0, 0, 63, 47}, TRenderState());
        } catch (const EVarnelError&) {
        }
        EXPECT_EQ(s.Position(), 0);
        try {
            MeasureSlide(s);
        } catch (const EReadError&) {
        }
        EXPECT_EQ(s.Position(), 0);
    }
}
