// The one walk over a slide's records. Measuring, drawing on a canvas and drawing on a PDF page
// differ only in what they do with each record, so they share this decoder and hand it a sink.
// The sink is a template parameter: the renderer's loop pays no virtual call per record.
//
// The decoder does the record-kind switch, the saved-point arithmetic of the relative records
// and the fill state machine; the sink sees lines and fills in slide units:
//
//   void Start(const TSlideHeader& header);   // before the first record (may throw)
//   void Line(TLineKind kind, int x0, int y0, int x1, int y1);
//   void FillBegin(unsigned announced);       // the opening fill record: announced vertices
//   void FillVertex(int x, int y);
//   void FillEnd();                            // the closing record, or the announced count met
//   void Colour(int index);                    // 0..255
//   void Invalid();                            // may throw; when it returns, the walk ends
//   static constexpr bool kStrictFills;        // any record but a fill inside a fill is invalid
//
// The walk ends after the end-of-slide record (or at Invalid) and returns the bytes read, the
// header included. A short slide throws EReadError. The stream position is restored on every
// path.
#pragma once

#include "base/Streams.h"
#include "slides/SlideReader.h"
#include "slides/Slides.h"

#include <cstdint>

enum class TLineKind {
    Vector,         // absolute from and to point; the from point becomes the saved point
    OffsetVector,   // both ends relative to the saved point, which moves by the first offset
    CommonEndpoint, // from the saved point to the saved point moved by the offset, which it keeps
};

template <class Sink> int64_t WalkSlide(TStream& stream, Sink& sink) {
    TStreamPositionGuard guard(stream);
    TSlideHeader header;
    const int headerBytes = ReadSlideHeader(stream, header);
    sink.Start(header);
    stream.Seek(headerBytes, TSeekOrigin::Current);
    TSlideReader in(stream, header.Native);

    int sx = 0, sy = 0; // the saved point
    bool filling = false;
    unsigned announced = 0, vertices = 0;
    uint8_t rec[8];
    for (;;) {
        const uint16_t head = in.Word();
        const auto kind = static_cast<uint8_t>(head >> 8);
        const int length = RecordLength(kind);
        if (length == 0 || (Sink::kStrictFills && filling && kind != kSolidFillRecord)) {
            sink.Invalid();
            break;
        }
        in.Read(rec, static_cast<size_t>(length - 2));
        // The low byte of the head is the first signed offset of the relative records.
        const int low = static_cast<int8_t>(head & 0xFF);
        if (kind < 0x80) {
            const int fromX = static_cast<int16_t>(head);
            const int fromY = in.Signed(rec);
            sink.Line(TLineKind::Vector, fromX, fromY, in.Signed(rec + 2), in.Signed(rec + 4));
            sx = fromX;
            sy = fromY;
        } else if (kind == kOffsetVectorRecord) {
            const int dy0 = static_cast<int8_t>(rec[0]);
            sink.Line(TLineKind::OffsetVector, sx + low, sy + dy0, sx + static_cast<int8_t>(rec[1]),
                      sy + static_cast<int8_t>(rec[2]));
            sx += low;
            sy += dy0;
        } else if (kind == kCommonEndpointRecord) {
            const int x0 = sx, y0 = sy;
            sx += low;
            sy += static_cast<int8_t>(rec[0]);
            sink.Line(TLineKind::CommonEndpoint, x0, y0, sx, sy);
        } else if (kind == kSolidFillRecord) {
            // Opening record: x holds the vertex count; then one record per vertex; a record
            // with negative y (or one past the announced count) closes the polygon.
            const int x = in.Signed(rec);
            const int y = in.Signed(rec + 2);
            if (!filling) {
                filling = true;
                announced = static_cast<uint16_t>(x);
                vertices = 0;
                sink.FillBegin(announced);
            } else if (vertices < announced && y >= 0) {
                ++vertices;
                sink.FillVertex(x, y);
            } else {
                filling = false;
                sink.FillEnd();
            }
        } else if (kind == kColourRecord) {
            sink.Colour(head & 0xFF);
        } else { // end of slide
            break;
        }
    }
    return headerBytes + in.Consumed();
}
