// Slide files: the header, the records, and the readers that walk them straight from the bytes.
// Every reader starts at a stream position and leaves the stream there, also when it fails.
#pragma once

#include "base/Streams.h"
#include "graphics/AcadPal.h"
#include "graphics/Canvas.h"

#include <cstdint>
#include <string>

class TCanvas;

// Record kinds by the high byte of the record head (after byte swapping).
enum : uint8_t {
    kOffsetVectorRecord = 0xFB,
    kEndOfSlideRecord = 0xFC,
    kSolidFillRecord = 0xFD,
    kCommonEndpointRecord = 0xFE,
    kColourRecord = 0xFF,
};

// Length in bytes, head included, of the record whose head has this high byte: 8 for vectors
// (0x00..0x7F), the table for 0xFB..0xFF, 0 for the invalid heads 0x80..0xFA.
int RecordLength(uint8_t highByte);

struct TSlideHeader {
    int64_t Start = 0;     // stream position of the slide's first byte
    int Level = 0;         // the level byte: 1 old format, 2 new format
    int HeaderLength = -1; // 34 (level 1), 31 (level 2); other levels leave it as it was
    bool Native = true;    // false when every 16-bit word must be swapped
    int HighX = 0;
    int HighY = 0;
};

// Reads the header at the stream's position and restores the position. Returns the number of
// header bytes read (34, 31 or 23); throws EReadError on a short stream.
int ReadSlideHeader(TStream& stream, TSlideHeader& header);

// How many records of each kind a slide holds (for sldtool info).
struct TSlideRecordCounts {
    int64_t Vector = 0, OffsetVector = 0, End = 0, Fill = 0, CommonEndpoint = 0, Colour = 0;
};

// The slide's byte length from the stream's position up to and including its end-of-slide
// record; position restored. Throws EReadError ("Stream read error") on a short slide and on
// an invalid record head. counts, when given, hold the records read, also after a failure.
int64_t MeasureSlide(TStream& stream, TSlideRecordCounts* counts = nullptr);

// Fit and centre: the uniform scale that makes highX x highY as large as a width x height box
// allows, and the offsets that centre it along the other axis. With one extent 0 the other one
// decides. Throws ESlideError when both extents are 0.
struct TSlideFit {
    double Scale = 0, OffsetX = 0, OffsetY = 0;
};
TSlideFit FitSlide(double width, double height, int highX, int highY);

// The fit of a slide's extents onto a device rectangle (Right and Bottom inclusive), with device
// y growing downwards.
struct TSlideTransform {
    double Width = 0, Height = 0; // rectangle size in pixels
    double HighX = 0, HighY = 0;  // slide extents
    double Scale = 0, OffsetX = 0, OffsetY = 0;
    int Left = 0, Top = 0; // the rectangle's corner on the device

    // Throws ESlideError when both extents are 0.
    TSlideTransform(const TRect& rect, int highX, int highY);
    // Device column of slide x; sets outOfRange when the slide value or the result is outside.
    int X(int a, bool& outOfRange) const;
    int Y(int a, bool& outOfRange) const;
};

// The message shown when a slide holds a record that cannot be drawn.
inline constexpr const char* kInvalidSlideMessage = "Error reading slide file. *Invalid*";

// What a drawing read: the bytes up to and including the end-of-slide record or the record
// where the drawing stopped, and whether it stopped at a record that cannot be drawn (its
// caller, on the window's thread, tells the user kInvalidSlideMessage).
struct TSlideDrawing {
    int64_t Length = 0;
    bool Invalid = false;
};

// Draws the slide at the stream's position into rect (Right and Bottom inclusive), fitted and
// centred, in the colours of state (black and white on a printer canvas when it says so),
// without painting a background. A polygon whose fill would take the slide's fills past sixteen
// times the pixels of the rectangle's reachable part (TCanvas::Reachable, FillWork, FillCost) is
// only outlined: no real slide comes near that, a hostile one cannot stall the drawing. An
// invalid record ends the drawing normally and is reported in the result; a short slide throws
// EReadError; both extents 0 throws ESlideError before anything is drawn. The stream position is
// restored on every path. Nothing but the canvas and the stream is touched (no message reaches
// the user from here), so drawings with their own canvas and stream may run on several threads.
TSlideDrawing DrawSlide(TStream& stream, TCanvas& canvas, const TRect& rect,
                        const TRenderState& state);
