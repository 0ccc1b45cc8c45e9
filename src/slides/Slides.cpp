#include "slides/Slides.h"

#include "base/Errors.h"
#include "base/UiHooks.h"
#include "render/AcadPal.h"
#include "slides/SlideReader.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

bool PrintMonochrome = false;

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

int64_t MeasureSlide(TStream& stream, TSlideRecordCounts* counts) {
    TStreamPositionGuard guard(stream);
    TSlideHeader header;
    const int headerBytes = ReadSlideHeader(stream, header);
    stream.Seek(headerBytes, TSeekOrigin::Current);
    TSlideReader in(stream, header.Native);
    // Counts are kept up to date as records are read, so a failure leaves those read so far.
    TSlideRecordCounts unused;
    TSlideRecordCounts& tally = counts ? *counts : unused;
    tally = {};
    for (;;) {
        const uint8_t kind = static_cast<uint8_t>(in.Word() >> 8);
        const int length = RecordLength(kind);
        if (length == 0)
            throw EReadError();
        in.Skip(static_cast<size_t>(length - 2));
        {
            if (kind < 0x80)
                ++tally.Vector;
            else if (kind == kOffsetVectorRecord)
                ++tally.OffsetVector;
            else if (kind == kEndOfSlideRecord)
                ++tally.End;
            else if (kind == kSolidFillRecord)
                ++tally.Fill;
            else if (kind == kCommonEndpointRecord)
                ++tally.CommonEndpoint;
            else
                ++tally.Colour;
        }
        if (kind == kEndOfSlideRecord)
            break;
    }
    return headerBytes + in.Consumed();
}

TSlideTransform::TSlideTransform(const TRect& rect, int highX, int highY)
    : W(rect.Right + 1 - rect.Left), H(rect.Bottom + 1 - rect.Top), hx(highX), hy(highY),
      left(rect.Left), top(rect.Top) {
    if (highX == 0 && highY == 0)
        throw ESlideError(
            "The slide cannot be drawn: both of its extents are 0 (HighX 0, HighY 0)");
    // With one extent 0 the other one decides the scale; for positive extents this is the
    // plain comparison (a tie takes the second branch).
    const bool byWidth = highY == 0 || (highX != 0 && H * hx > hy * W);
    if (byWidth) {
        s = W / hx;
        xoff = 0;
        yoff = (H * hx - hy * W) * 0.5 / hx;
    } else {
        s = H / hy;
        xoff = (W * hy - hx * H) * 0.5 / hy;
        yoff = 0;
    }
}

int TSlideTransform::X(int a, bool& outOfRange) const {
    const double col = a * s + xoff;
    if (a < 0 || a >= hx || col < 0 || col >= W)
        outOfRange = true;
    return RoundEven(col) + left;
}

int TSlideTransform::Y(int a, bool& outOfRange) const {
    const double row = H - a * s - yoff;
    if (a < 0 || a >= hy || row < 0 || row >= H)
        outOfRange = true;
    return RoundEven(row) + top;
}

int64_t DrawSlide(TStream& stream, TCanvas& canvas, const TRect& rect) {
    TStreamPositionGuard guard(stream);
    TSlideHeader header;
    const int headerBytes = ReadSlideHeader(stream, header);
    const TSlideTransform t(rect, header.HighX, header.HighY);
    stream.Seek(headerBytes, TSeekOrigin::Current);
    TSlideReader in(stream, header.Native);

    canvas.SetPenColor(Palette[7]);
    canvas.SetBrushColor(Palette[7]);
    canvas.SetBrushStyle(TBrushStyle::Solid);
    const bool monochrome = PrintMonochrome && canvas.IsPrinter();

    // Converts a slide point; a point out of range switches the pen to entry 7.
    auto convertX = [&](int a) {
        bool out = false;
        const int v = t.X(a, out);
        if (out)
            canvas.SetPenColor(Palette[7]);
        return v;
    };
    auto convertY = [&](int a) {
        bool out = false;
        const int v = t.Y(a, out);
        if (out)
            canvas.SetPenColor(Palette[7]);
        return v;
    };

    int sx = 0, sy = 0; // the saved point
    bool filling = false;
    unsigned announced = 0;
    std::vector<TPoint> fill;
    uint8_t rec[8];
    for (;;) {
        const uint16_t head = in.Word();
        const uint8_t kind = static_cast<uint8_t>(head >> 8);
        const int length = RecordLength(kind);
        if (length == 0 || (filling && kind != kSolidFillRecord)) {
            UiHooks::ShowMessage(kInvalidSlideMessage);
            break;
        }
        in.Read(rec, static_cast<size_t>(length - 2));
        const int lowSigned = static_cast<int8_t>(head & 0xFF);
        if (kind < 0x80) {
            const int fromX = static_cast<int16_t>(head);
            const int fromY = in.Signed(rec);
            const int toX = in.Signed(rec + 2);
            const int toY = in.Signed(rec + 4);
            const int y0 = convertY(fromY);
            const int x0 = convertX(fromX);
            canvas.MoveTo(x0, y0);
            const int y1 = convertY(toY);
            const int x1 = convertX(toX);
            canvas.LineTo(x1, y1);
            canvas.SetPixel(x1, y1, canvas.PenColor());
            sx = fromX;
            sy = fromY;
        } else if (kind == kOffsetVectorRecord) {
            const int dx0 = lowSigned;
            const int dy0 = static_cast<int8_t>(rec[0]);
            const int dx1 = static_cast<int8_t>(rec[1]);
            const int dy1 = static_cast<int8_t>(rec[2]);
            const int y0 = convertY(sy + dy0);
            const int x0 = convertX(sx + dx0);
            canvas.MoveTo(x0, y0);
            const int y1 = convertY(sy + dy1);
            const int x1 = convertX(sx + dx1);
            canvas.SetPixel(x1, y1, canvas.PenColor());
            canvas.LineTo(x1, y1);
            sx += dx0;
            sy += dy0;
        } else if (kind == kCommonEndpointRecord) {
            const int y0 = convertY(sy);
            const int x0 = convertX(sx);
            canvas.MoveTo(x0, y0);
            sx += lowSigned;
            sy += static_cast<int8_t>(rec[0]);
            const int y1 = convertY(sy);
            const int x1 = convertX(sx);
            canvas.LineTo(x1, y1);
            canvas.SetPixel(x1, y1, canvas.PenColor());
        } else if (kind == kSolidFillRecord) {
            const int x = in.Signed(rec);
            const int y = in.Signed(rec + 2);
            if (!filling) {
                filling = true;
                announced = static_cast<uint16_t>(x);
                fill.clear();
                fill.reserve(announced);
            } else if (fill.size() >= announced || y < 0) {
                canvas.Polygon(fill.data(), fill.size());
                fill.clear();
                filling = false;
            } else {
                const int dx = convertX(x);
                const int dy = convertY(y);
                fill.push_back({dx, dy});
            }
        } else if (kind == kColourRecord) {
            const TColor c = Palette[head & 0xFF];
            const TColor use = monochrome ? (c == 0xFFFFFF ? 0xFFFFFFu : 0u) : c;
            canvas.SetPenColor(use);
            canvas.SetBrushColor(use);
        } else { // end of slide
            break;
        }
    }
    return headerBytes + in.Consumed();
}
