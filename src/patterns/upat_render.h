// The drawing passes of the pattern renderer, shared by the raster and the PDF targets. Only
// the segment sinks differ between targets; everything up to and including the clip test is
// the same code, with no allocation and no virtual call before the bounding-box test.
#pragma once

#include "patterns/upat.h"

#include <cstdint>
#include <string>
#include <vector>

// Receives the clipped segments that survive ClipSegment (Outside never set), in tile units with
// y pointing up. Continuous: a line of a family without dashes; Dash: one dash or dot.
class TPatternSink {
public:
    TPatternSink() = default;
    TPatternSink(const TPatternSink&) = delete;
    TPatternSink& operator=(const TPatternSink&) = delete;
    virtual ~TPatternSink() = default;
    virtual void Continuous(const TSegmentClip& s) = 0;
    virtual void Dash(const TSegmentClip& s) = 0;
    // The smallest distance, in tile units, at which two lines still show apart on the target:
    // lines or rows closer than this are drawn this far apart, and a dash list that repeats
    // within it draws as a continuous line.
    virtual double Resolution() const { return 0.5; }
    // The units of work one segment that reaches the target counts (walking a row or a dash
    // entry counts 1): drawing costs far more than rejecting.
    virtual uint64_t SegmentCost() const { return 64; }
};

// What the scan pass finds: the name of the last header line and the largest spacings.
struct TPatternScan {
    std::string Name;
    double MaxDX = 0;
    double MaxDY = 0;
};

// The scan pass over a text. family carries angle and origin on into the drawing pass.
TPatternScan ScanPattern(const std::vector<std::string>& text, TLineFamily& family);

// The scale in use: storedScale when it is a positive finite number, else AutoScale of the
// largest spacing; 75 for a pattern named "Gravel" whatever was stored.
double ChoosePatternScale(const TPatternScan& scan, double storedScale);

struct TPatternDrawStats {
    uint64_t Sent = 0;      // segments tried against the tile (clipped or passed over)
    uint64_t Drawn = 0;     // segments passed to the sink
    uint64_t Work = 0;      // units of work done (see kPatternWorkLimit)
    bool Exhausted = false; // the work limit stopped the drawing
};

// The drawing pass: every line family of text, at scale, into the tile 0..w x 0..h, stopping
// once workLimit units of work are done.
void DrawPatternFamilies(const std::vector<std::string>& text, TLineFamily& family, double scale,
                         double w, double h, TPatternSink& sink, TPatternDrawStats& stats,
                         uint64_t workLimit = kPatternWorkLimit);
