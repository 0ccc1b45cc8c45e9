#include "slides/Slides.h"

#include "base/Errors.h"
#include "graphics/AcadPal.h"
#include "slides/SlideDecoder.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kRecordLengths[5] = {5, 2, 6, 3, 2}; // 0xFB .. 0xFF

// Rounds to the nearest integer, halves to even. Values are clamped first so that a point far
// outside the picture cannot overflow the conversion.
inline int RoundEven(double v) {
    constexpr double kLimit = 1 << 30;
    if (!(v > -kLimit))
        v = -kLimit;
    else if (v > kLimit)
        v = kLimit;
    return static_cast<int>(std::lrint(v));
}

} // namespace

int RecordLength(uint8_t highByte) {
    if (highByte < 0x80)
        return 8;
    if (highByte < kOffsetVectorRecord)
        return 0;
    return kRecordLengths[highByte - kOffsetVectorRecord];
}

int ReadSlideHeader(TStream& stream, TSlideHeader& header) {
    TStreamPositionGuard guard(stream);
    uint8_t b[34];
    stream.ReadBuffer(b, 23);
    int read = 23;
    const int level = b[18];
    bool native = true;
    if (level == 1) {
        stream.ReadBuffer(b + 23, 11);
        read = 34;
        header.HeaderLength = 34;
    } else if (level == 2) {
        stream.ReadBuffer(b + 23, 8);
        read = 31;
        header.HeaderLength = 31;
        // The test number 0x1234 read little-endian says the slide is in our byte order.
        native = (b[29] | (b[30] << 8)) == 0x1234;
    }
    auto word = [&](int at) {
        const uint16_t w = static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
        return static_cast<int16_t>(native ? w : TSlideReader::Swap16(w));
    };
    header.Start = guard.Start();
    header.Level = level;
    header.Native = native;
    header.HighX = word(19);
    header.HighY = word(21);
    return read;
}

namespace {

// Counts the records; an invalid head ends the measuring with a read error. Fills are not
// checked here: a slide's length does not depend on what lies inside a fill.
class TMeasureSink {
public:
    static constexpr bool kStrictFills = false;
    explicit TMeasureSink(TSlideRecordCounts& counts) : m_counts(counts) {}

    void Start(const TSlideHeader&) {}
    void Line(TLineKind kind, int, int, int, int) {
        if (kind == TLineKind::Vector)
            ++m_counts.Vector;
        else if (kind == TLineKind::OffsetVector)
            ++m_counts.OffsetVector;
        else
            ++m_counts.CommonEndpoint;
    }
    void FillBegin(unsigned) { ++m_counts.Fill; }
    void FillVertex(int, int) { ++m_counts.Fill; }
    void FillEnd() { ++m_counts.Fill; }
    void Colour(int) { ++m_counts.Colour; }
    [[noreturn]] void Invalid() { throw EReadError(); }

private:
    TSlideRecordCounts& m_counts;
};

// A slide's fills may together cost this many times the pixels of the rectangle they are drawn
// in (plus a floor for small ones); a polygon that would pass that is outlined only. Real
// slides fill each area a few times at most; a 64 KB slide of thousands of polygons over a
// 10,000 x 10,000 picture would otherwise take minutes, and one of ten thousand edges that
// each cross every row would cost each row a sort of them.
constexpr uint64_t kFillCover = 16;
constexpr uint64_t kFillFloor = 1 << 12;

// Draws on a canvas through the fit-and-centre transform. A point out of range switches the pen
// to entry 7; an invalid record ends the drawing normally and is noted for the caller.
class TCanvasSink {
public:
    static constexpr bool kStrictFills = true;
    TCanvasSink(TCanvas& canvas, const TRect& rect, const TRenderState& state)
        : m_canvas(canvas), m_rect(rect), m_palette(state.Palette()),
          m_monochrome(canvas.IsPrinter() && state.Monochrome()) {}

    void Start(const TSlideHeader& header) {
        m_t.emplace(m_rect, header.HighX, header.HighY);
        m_canvas.SetPenColor(m_palette[7]);
        m_canvas.SetBrushColor(m_palette[7]);
        m_canvas.SetBrushStyle(TBrushStyle::Solid);
        // Only the part of the rectangle the canvas can show counts: a zoomed drawing, fitted
        // into a rectangle many times the canvas, gets no larger budget than a fitted one.
        const TRect reach = m_canvas.Reachable(m_rect);
        const auto w =
            static_cast<uint64_t>(std::max<int64_t>(0, int64_t{reach.Right} - reach.Left + 1));
        const auto h =
            static_cast<uint64_t>(std::max<int64_t>(0, int64_t{reach.Bottom} - reach.Top + 1));
        m_fillLimit = m_canvas.FillWork() + kFillCover * w * h + kFillFloor;
    }
    void Line(TLineKind kind, int fx, int fy, int tx, int ty) {
        const int y0 = ConvertY(fy);
        const int x0 = ConvertX(fx);
        m_canvas.MoveTo(x0, y0);
        const int y1 = ConvertY(ty);
        const int x1 = ConvertX(tx);
        // The end pixel is set too, since LineTo leaves it out.
        if (kind == TLineKind::OffsetVector) {
            m_canvas.SetPixel(x1, y1, m_canvas.PenColor());
            m_canvas.LineTo(x1, y1);
        } else {
            m_canvas.LineTo(x1, y1);
            m_canvas.SetPixel(x1, y1, m_canvas.PenColor());
        }
    }
    void FillBegin(unsigned announced) {
        m_fill.clear();
        m_fill.reserve(announced);
    }
    void FillVertex(int x, int y) {
        const int dx = ConvertX(x);
        const int dy = ConvertY(y);
        m_fill.push_back({dx, dy});
    }
    void FillEnd() {
        const uint64_t cost = m_canvas.FillCost(m_fill.data(), m_fill.size());
        if (m_canvas.FillWork() + cost > m_fillLimit) {
            m_canvas.SetBrushStyle(TBrushStyle::Clear);
            m_canvas.Polygon(m_fill.data(), m_fill.size());
            m_canvas.SetBrushStyle(TBrushStyle::Solid);
        } else {
            m_canvas.Polygon(m_fill.data(), m_fill.size());
        }
        m_fill.clear();
    }
    void Colour(int index) {
        const TColor c = m_monochrome ? MonochromeColour(m_palette[index]) : m_palette[index];
        m_canvas.SetPenColor(c);
        m_canvas.SetBrushColor(c);
    }
    void Invalid() { m_invalid = true; }
    bool StoppedAtInvalid() const { return m_invalid; }

private:
    int ConvertX(int a) {
        bool out = false;
        const int v = m_t->X(a, out);
        if (out)
            m_canvas.SetPenColor(m_palette[7]);
        return v;
    }
    int ConvertY(int a) {
        bool out = false;
        const int v = m_t->Y(a, out);
        if (out)
            m_canvas.SetPenColor(m_palette[7]);
        return v;
    }

    TCanvas& m_canvas;
    TRect m_rect;
    const TPalette& m_palette;
    const bool m_monochrome;
    std::optional<TSlideTransform> m_t;
    bool m_invalid = false;
    uint64_t m_fillLimit = 0;
    std::vector<TPoint> m_fill;
};

} // namespace

int64_t MeasureSlide(TStream& stream, TSlideRecordCounts* counts) {
    // Counts are kept up to date as records are read, so a failure leaves those read so far.
    TSlideRecordCounts unused;
    TSlideRecordCounts& tally = counts ? *counts : unused;
    tally = {};
    TMeasureSink sink(tally);
    const int64_t length = WalkSlide(stream, sink);
    ++tally.End; // the measuring ends only at the end-of-slide record
    return length;
}

TSlideFit FitSlide(double width, double height, int highX, int highY) {
    if (highX == 0 && highY == 0)
        throw ESlideError(
            "The slide cannot be drawn: both of its extents are 0 (HighX 0, HighY 0)");
    const double hx = highX, hy = highY;
    // For positive extents this is the plain comparison (a tie takes the second branch).
    const bool byWidth = highY == 0 || (highX != 0 && height * hx > hy * width);
    TSlideFit fit;
    if (byWidth) {
        fit.Scale = width / hx;
        fit.OffsetY = (height * hx - hy * width) * 0.5 / hx;
    } else {
        fit.Scale = height / hy;
        fit.OffsetX = (width * hy - hx * height) * 0.5 / hy;
    }
    return fit;
}

TSlideTransform::TSlideTransform(const TRect& rect, int highX, int highY)
    : Width(rect.Right + 1 - rect.Left), Height(rect.Bottom + 1 - rect.Top), HighX(highX),
      HighY(highY), Left(rect.Left), Top(rect.Top) {
    const TSlideFit fit = FitSlide(Width, Height, highX, highY);
    Scale = fit.Scale;
    OffsetX = fit.OffsetX;
    OffsetY = fit.OffsetY;
}

int TSlideTransform::X(int a, bool& outOfRange) const {
    const double col = a * Scale + OffsetX;
    if (a < 0 || a >= HighX || col < 0 || col >= Width)
        outOfRange = true;
    return RoundEven(col) + Left;
}

int TSlideTransform::Y(int a, bool& outOfRange) const {
    const double row = Height - a * Scale - OffsetY;
    if (a < 0 || a >= HighY || row < 0 || row >= Height)
        outOfRange = true;
    return RoundEven(row) + Top;
}

TSlideDrawing DrawSlide(TStream& stream, TCanvas& canvas, const TRect& rect,
                        const TRenderState& state) {
    TCanvasSink sink(canvas, rect, state);
    TSlideDrawing drawing;
    drawing.Length = WalkSlide(stream, sink);
    drawing.Invalid = sink.StoppedAtInvalid();
    return drawing;
}
