// The pattern renderer: scale choice, the sweeps that expand each line family into segments,
// and the raster target.
#include "patterns/upat_render.h"

#include "base/UiHooks.h"
#include "graphics/Canvas.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

double AutoScale(double m) {
    // The comparison with 0.3 takes 0.3 itself as below the threshold: a largest spacing
    // written as 0.3 draws at 100.
    if (m <= 0.3)
        return 100;
    if (m < 0.5)
        return 50;
    if (m <= 1)
        return 25;
    if (m <= 1.5)
        return 15;
    if (m < 5)
        return 10;
    return 5;
}

bool IsGravel(std::string_view name) {
    constexpr std::string_view gravel = "gravel";
    if (name.size() != gravel.size())
        return false;
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != gravel[i])
            return false;
    }
    return true;
}

std::string ScaleLabelText(double scale) {
    char number[64];
    const auto r =
        std::to_chars(number, number + sizeof number, scale, std::chars_format::fixed, 2);
    std::string digits = r.ec == std::errc() ? std::string(number, r.ptr) : std::string("?");
    if (digits.size() < 6)
        digits.insert(0, 6 - digits.size(), ' ');
    return "Scale: " + digits;
}

TPatternScan ScanPattern(const std::vector<std::string>& text, TLineFamily& family) {
    TPatternScan scan;
    for (const std::string& line : text) {
        if (ParseFamilyLine(line, family, &scan.Name) == TPatternLineKind::Family) {
            scan.MaxDX = std::max(scan.MaxDX, std::fabs(family.DeltaX));
            scan.MaxDY = std::max(scan.MaxDY, std::fabs(family.DeltaY));
        }
    }
    return scan;
}

double ChoosePatternScale(const TPatternScan& scan, double storedScale) {
    double s = storedScale > 0 && std::isfinite(storedScale)
                   ? storedScale
                   : AutoScale(std::max(scan.MaxDX, scan.MaxDY));
    if (IsGravel(scan.Name))
        s = 75;
    return s;
}

namespace {

// Every drawing ends: hostile numbers (a spacing of 1e-300, a dash list that no longer moves
// the position once it is large) would otherwise loop for ever. Work counts one unit per row
// and per dash entry walked, and the sink's SegmentCost per segment that reaches the target; a
// drawing stops at its limit (kPatternWorkLimit, or less when it shares a build's budget).

// A spacing (in tile units) no smaller than the target's resolution, keeping its sign: lines
// closer than that cannot show apart, and drawing every one of them could take for ever.
double AtLeastResolution(double step, double resolution) {
    return std::fabs(step) < resolution ? std::copysign(resolution, step) : step;
}

// A closed range of positions along a line.
struct TSpan {
    double Lo = 0;
    double Hi = 0;
};

class TFamilyDrawer {
public:
    TFamilyDrawer(double scale, double w, double h, TPatternSink& sink, TPatternDrawStats& stats,
                  uint64_t workLimit)
        : m_scale(scale), m_w(w), m_h(h), m_d(2 * std::hypot(w, h)),
          m_resolution(sink.Resolution()), m_segmentCost(sink.SegmentCost()), m_sink(sink),
          m_stats(stats), m_limit(workLimit) {}

    void Draw(const TLineFamily& f) {
        // Angles that are exact multiples of 90 get exact directions; nothing else is special.
        const double a = f.Angle * (std::numbers::pi / 180);
        m_sinA = (f.Angle == 0 || f.Angle == 180) ? 0 : std::sin(a);
        m_cosA = (f.Angle == 90 || f.Angle == 270) ? 0 : std::cos(a);
        bool dashed = false;
        for (int j = 0; j < f.DashCount; ++j)
            dashed = dashed || f.Dashes[static_cast<size_t>(j)] != 0;
        // A dash list of zeros only would never move along its line: it draws as continuous.
        if (dashed)
            DrawDashed(f);
        else
            DrawContinuous(f);
    }

private:
    bool Spend(uint64_t units) {
        m_stats.Work += units;
        if (m_stats.Work > m_limit)
            m_stats.Exhausted = true;
        return !m_stats.Exhausted;
    }

    void DrawContinuous(const TLineFamily& f) {
        const double ox = f.XOrigin * m_scale;
        const double oy = f.YOrigin * m_scale;
        // Delta-y 0 stays 0 (one line); lines closer than the resolution draw as a solid band.
        const double step = f.DeltaY == 0 ? 0 : AtLeastResolution(f.DeltaY * m_scale, m_resolution);
        const double dx = m_d * m_cosA;
        const double dy = m_d * m_sinA;
        TSegmentClip clip;
        // The rows from the origin's up to the first that misses the tile, then those below it
        // down to the first that misses: the origin's row once.
        for (int sweep = 0; sweep < 2 && !m_stats.Exhausted; ++sweep) {
            double r = sweep == 0 ? 0 : -step;
            for (;;) {
                m_pump.Tick();
                if (!Spend(1))
                    return;
                const double bx = ox - r * m_sinA;
                const double by = oy + r * m_cosA;
                ++m_stats.Sent;
                ClipSegment(bx - dx, by - dy, bx + dx, by + dy, m_w, m_h, clip);
                if (clip.Outside) {
                    // Nothing is drawn below an origin's row that misses the tile either.
                    if (r == 0)
                        return;
                    break;
                }
                ++m_stats.Drawn;
                m_stats.Work += m_segmentCost;
                m_sink.Continuous(clip);
                // Delta-y 0: the line through the origin, once.
                if (step == 0)
                    return;
                r += sweep == 0 ? step : -step;
            }
        }
    }

    // True when some segment of the row between along-line positions lo and hi could pass the
    // bounding-box test: the row's whole extent must reach the tile's x range and its y range.
    // The margin covers the rounding of the per-segment arithmetic, so a row is skipped only
    // when every one of its segments would be rejected anyway.
    static double RowMargin(double ox, double oy, double cS, double sS, double rS, double rC,
                            double lo, double hi) {
        const double size = std::fabs(ox) + std::fabs(oy) + std::fabs(rS) + std::fabs(rC) +
                            (std::fabs(lo) + std::fabs(hi)) * (std::fabs(cS) + std::fabs(sS));
        return 1e-9 * size + 1e-9;
    }

    bool RowMayReachTile(double ox, double oy, double cS, double sS, double rS, double rC,
                         double lo, double hi) const {
        const double xLo = ox + lo * cS - rS;
        const double xHi = ox + hi * cS - rS;
        const double yLo = oy + lo * sS + rC;
        const double yHi = oy + hi * sS + rC;
        const double m = RowMargin(ox, oy, cS, sS, rS, rC, lo, hi);
        return !(std::min(xLo, xHi) > m_w + m || std::max(xLo, xHi) < -m ||
                 std::min(yLo, yHi) > m_h + m || std::max(yLo, yHi) < -m);
    }

    // Where each pass over the dash list starts along a row, from the row's own start (0): the
    // same for every row of a walk, with the very sums a walk makes (forward adds the lengths
    // first to last, backward subtracts them last to first), up to the first start beyond the
    // walk's reach e. Empty when a walk would take more passes than is kept (it is then walked
    // dash by dash).
    void PassStarts(const TLineFamily& f, bool forward, double e, std::vector<double>& starts) {
        constexpr size_t kMostPasses = size_t{1} << 18;
        const int n = f.DashCount;
        starts.clear();
        double pos = 0;
        starts.push_back(pos);
        do {
            if (starts.size() > kMostPasses) {
                starts.clear();
                return;
            }
            if (forward)
                for (int j = 0; j < n; ++j)
                    pos += std::fabs(f.Dashes[static_cast<size_t>(j)]);
            else
                for (int j = n - 1; j >= 0; --j)
                    pos -= std::fabs(f.Dashes[static_cast<size_t>(j)]);
            starts.push_back(pos);
        } while (!(std::fabs(pos) > e));
    }

    // count passes over a dash list of n entries whose dashes all miss the tile, counted as a
    // walk would: each pass tries its drawing entries and spends n, the walk stopping after the
    // pass that overruns the limit. False when it stops.
    bool PassOver(uint64_t count, uint64_t n, uint64_t drawingEntries) {
        if (count == 0)
            return true;
        const uint64_t room = m_stats.Work < m_limit ? m_limit - m_stats.Work : 0;
        const uint64_t passes = count > room / n ? room / n + 1 : count;
        m_stats.Sent += drawingEntries * passes;
        return Spend(n * passes);
    }

    // Walks one row of a dashed family through its passes (starts, from PassStarts), sending
    // its dashes as the plain walk does, but passing over whole passes before and after the
    // part of the row where dashes can meet both the tile's x and y ranges (alongX, alongY).
    // The positions, counts and work are the plain walk's. False when the work limit stops it.
    template <class Send>
    bool WalkRow(const TLineFamily& f, bool forward, const std::vector<double>& starts, double v,
                 const TSpan& alongX, const TSpan& alongY, double reach, Send send) {
        const int n = f.DashCount;
        const double* dashes = f.Dashes.data();
        uint64_t drawingEntries = 0;
        for (int j = 0; j < n; ++j)
            drawingEntries += dashes[j] >= 0 ? 1 : 0;
        // A pass's dashes lie between its start and the next pass's start; the slack covers
        // the rounding of a dash's own end.
        const double slack = 1e-12 * (std::fabs(v) + reach);
        const double from = std::max(alongX.Lo, alongY.Lo) - v - slack;
        const double to = std::min(alongX.Hi, alongY.Hi) - v + slack;
        const size_t passes = starts.size() - 1;
        const auto first = starts.begin();
        const auto last = first + static_cast<std::ptrdiff_t>(passes);
        size_t p0, p1; // the passes [p0, p1) are walked dash by dash
        if (forward) {
            p0 = static_cast<size_t>(std::lower_bound(first + 1, starts.end(), from) - (first + 1));
            p1 = static_cast<size_t>(std::upper_bound(first, last, to) - first);
        } else {
            p0 = static_cast<size_t>(
                std::lower_bound(first + 1, starts.end(), to, std::greater<>()) - (first + 1));
            p1 = static_cast<size_t>(std::upper_bound(first, last, from, std::greater<>()) - first);
        }
        p1 = std::max(p0, p1);
        const auto un = static_cast<uint64_t>(n);
        if (!PassOver(p0, un, drawingEntries))
            return false;
        for (size_t p = p0; p < p1; ++p) {
            double pos = starts[p];
            if (forward) {
                for (int j = 0; j < n; ++j) {
                    const double d = dashes[j];
                    if (d >= 0) {
                        const double x1 = v + pos;
                        send(x1, x1 + d);
                    }
                    pos += std::fabs(d);
                }
            } else {
                for (int j = n - 1; j >= 0; --j) {
                    const double d = dashes[j];
                    if (d >= 0) {
                        const double x1 = v + pos;
                        send(x1, x1 - d);
                    }
                    pos -= std::fabs(d);
                }
            }
            if (!Spend(un))
                return false;
        }
        return PassOver(passes - p1, un, drawingEntries);
    }

    // The along-line positions of a row's points c + t * k (one coordinate) that lie within
    // -m .. size + m: every t when k is 0.
    static TSpan Within(double c, double k, double size, double m) {
        if (k == 0)
            return {-std::numeric_limits<double>::infinity(),
                    std::numeric_limits<double>::infinity()};
        const double a = (-m - c) / k;
        const double b = (size + m - c) / k;
        return {std::min(a, b), std::max(a, b)};
    }

    void DrawDashed(const TLineFamily& f) {
        const double cS = m_cosA * m_scale;
        const double sS = m_sinA * m_scale;
        const double ox = f.XOrigin * m_scale;
        const double oy = f.YOrigin * m_scale;
        const double e = (m_d / m_scale) * 2;
        const int n = f.DashCount;
        const double* dashes = f.Dashes.data();
        double passLength = 0;
        double longest = 0;
        bool draws = false;
        for (int j = 0; j < n; ++j) {
            passLength += std::fabs(dashes[j]);
            longest = std::max(longest, std::fabs(dashes[j]));
            draws = draws || dashes[j] >= 0;
        }
        // Gaps only: nothing is ever sent.
        if (!draws)
            return;
        // A dash list that repeats within the resolution covers its whole line: each row is one
        // segment over the reach of both walks.
        const bool solidRows = passLength * m_scale < m_resolution;
        // Every position of a walk lies within this reach of its starting point.
        const double reach = e + passLength + longest;
        const bool singleRow = f.DeltaY == 0;
        // Rows closer than the resolution: every k-th row is drawn, k rows being at least the
        // resolution apart, each with its own along-line shift.
        double rowStep = f.DeltaY;
        double shiftStep = f.DeltaX;
        if (!singleRow && std::fabs(f.DeltaY) * m_scale < m_resolution) {
            const double k = std::ceil(m_resolution / (std::fabs(f.DeltaY) * m_scale));
            rowStep =
                std::isfinite(k) ? f.DeltaY * k : std::copysign(m_resolution / m_scale, f.DeltaY);
            shiftStep = std::isfinite(k) ? f.DeltaX * k : 0;
        }

        TSegmentClip clip;
        // The positions of the row being walked where its points reach the tile's x range and
        // its y range, widened by the row's margin. A dash's bounding box meets the tile only
        // if the dash meets both: one that misses either is passed over without the clipping,
        // which is most of the dashes of a dense pattern's long rows.
        TSpan alongX, alongY;
        const auto send = [&](double x1, double x2, double rS, double rC) {
            ++m_stats.Sent;
            const double lo = std::min(x1, x2), hi = std::max(x1, x2);
            if (hi < alongX.Lo || lo > alongX.Hi || hi < alongY.Lo || lo > alongY.Hi)
                return;
            ClipSegment(ox + x1 * cS - rS, oy + x1 * sS + rC, ox + x2 * cS - rS, oy + x2 * sS + rC,
                        m_w, m_h, clip);
            if (!clip.Outside) {
                ++m_stats.Drawn;
                m_stats.Work += m_segmentCost;
                m_sink.Dash(clip);
            }
        };

        if (!solidRows) {
            PassStarts(f, true, e, m_forwardStarts);
            PassStarts(f, false, e, m_backwardStarts);
        }
        for (int sweep = 0; sweep < 4; ++sweep) {
            const bool forward = sweep < 2;
            const bool up = sweep % 2 == 0;
            // Delta-y 0: the line through the origin, walked once each way. Solid rows are
            // drawn whole on the forward sweeps.
            if ((singleRow && !up) || (solidRows && !forward))
                continue;
            const double dR = up ? rowStep : -rowStep;
            const double dV = up ? shiftStep : -shiftStep;
            // The origin's row is walked by the upward sweeps only.
            double r = up ? 0 : dR;
            double v = up ? 0 : dV;
            while (std::fabs(r) <= e) {
                m_pump.Tick();
                if (!Spend(1))
                    return;
                const double rS = r * sS;
                const double rC = r * cS;
                const double lo = forward && !solidRows ? v : v - reach;
                const double hi = forward || solidRows ? v + reach : v;
                if (RowMayReachTile(ox, oy, cS, sS, rS, rC, lo, hi)) {
                    const double m = RowMargin(ox, oy, cS, sS, rS, rC, lo, hi);
                    alongX = Within(ox - rS, cS, m_w, m);
                    alongY = Within(oy + rC, sS, m_h, m);
                    double pos = 0;
                    const std::vector<double>& starts =
                        forward ? m_forwardStarts : m_backwardStarts;
                    if (solidRows) {
                        send(v - e, v + e, rS, rC); // the reach of both walks
                    } else if (!starts.empty()) {
                        if (!WalkRow(f, forward, starts, v, alongX, alongY, reach,
                                     [&](double x1, double x2) { send(x1, x2, rS, rC); }))
                            return;
                    } else if (forward) {
                        do {
                            for (int j = 0; j < n; ++j) {
                                const double d = dashes[j];
                                if (d >= 0) {
                                    const double x1 = v + pos;
                                    send(x1, x1 + d, rS, rC);
                                }
                                pos += std::fabs(d);
                            }
                            if (!Spend(static_cast<uint64_t>(n)))
                                return;
                        } while (!(pos > e));
                    } else {
                        do {
                            for (int j = n - 1; j >= 0; --j) {
                                const double d = dashes[j];
                                if (d >= 0) {
                                    const double x1 = v + pos;
                                    send(x1, x1 - d, rS, rC);
                                }
                                pos -= std::fabs(d);
                            }
                            if (!Spend(static_cast<uint64_t>(n)))
                                return;
                        } while (!(std::fabs(pos) > e));
                    }
                }
                if (singleRow)
                    break;
                r += dR;
                v += dV;
            }
        }
    }

    double m_scale;
    double m_w;
    double m_h;
    double m_d; // half the length of a continuous line: two tile diagonals
    double m_resolution;
    uint64_t m_segmentCost;
    TPatternSink& m_sink;
    TPatternDrawStats& m_stats;
    uint64_t m_limit;
    UiHooks::TPendingMessagePump m_pump;
    double m_sinA = 0;
    double m_cosA = 0;
    std::vector<double> m_forwardStarts; // PassStarts of the family being drawn
    std::vector<double> m_backwardStarts;
};

// A point of the tile as a pixel: rounded to the nearest (halves to even), y flipped. False for
// a coordinate that is not a number; far-off ones are pinned well outside any bitmap.
bool ToPixel(double x, double y, double tileHeight, TPoint& p) {
    constexpr double kFar = 1e9;
    const double py = tileHeight - y;
    if (std::isnan(x) || std::isnan(py))
        return false;
    p.x = static_cast<int>(std::lrint(std::clamp(x, -kFar, kFar)));
    p.y = static_cast<int>(std::lrint(std::clamp(py, -kFar, kFar)));
    return true;
}

// The raster target: each segment a two-point polyline in the canvas's current pen. The
// polyline leaves out its end pixel, so a dash whose ends meet is widened one pixel to the right
// to show as a dot.
class TRasterPatternSink : public TPatternSink {
public:
    TRasterPatternSink(TCanvas& canvas, double tileHeight)
        : m_canvas(canvas), m_tileHeight(tileHeight) {}

    void Continuous(const TSegmentClip& s) override {
        TPoint p[2];
        if (ToPixel(s.x1, s.y1, m_tileHeight, p[0]) && ToPixel(s.x2, s.y2, m_tileHeight, p[1]))
            m_canvas.Polyline(p, 2);
    }
    void Dash(const TSegmentClip& s) override {
        TPoint p[2];
        if (!ToPixel(s.x1, s.y1, m_tileHeight, p[0]) || !ToPixel(s.x2, s.y2, m_tileHeight, p[1]))
            return;
        if (p[0] == p[1])
            p[1].x += 1;
        m_canvas.Polyline(p, 2);
    }

private:
    TCanvas& m_canvas;
    double m_tileHeight;
};

} // namespace

void DrawPatternFamilies(const std::vector<std::string>& text, TLineFamily& family, double scale,
                         double w, double h, TPatternSink& sink, TPatternDrawStats& stats,
                         uint64_t workLimit) {
    if (!(scale > 0) || !std::isfinite(scale) || !(w >= 0) || !(h >= 0) || !std::isfinite(w) ||
        !std::isfinite(h))
        return;
    TFamilyDrawer drawer(scale, w, h, sink, stats, workLimit);
    for (const std::string& line : text) {
        if (stats.Exhausted)
            break;
        if (ParseFamilyLine(line, family) == TPatternLineKind::Family)
            drawer.Draw(family);
    }
}

void TPatternModule::DrawPattern(const std::vector<std::string>& text, TCanvas& target,
                                 TPatternTarget kind, TPatternBudget* budget) {
    const double w = TileWidth;
    const double h = TileHeight;
    const auto whole = [](double v) {
        return std::isfinite(v) ? static_cast<int>(std::lrint(std::clamp(v, -1e9, 1e9))) : 0;
    };
    target.FillRect({0, 0, whole(w), whole(h)});
    // Yields are rate-limited: a drawing that ends quickly does not yield at all.
    UiHooks::TPendingMessagePump pump;
    pump.Tick();

    TLineFamily family;
    const TPatternScan scan = ScanPattern(text, family);
    const double scale = ChoosePatternScale(scan, PatternScale);
    PatternScale = scale;
    if (kind == TPatternTarget::Preview)
        ScaleText = ScaleLabelText(scale);
    pump.Tick();

    // A ratio that is not a sound number draws as on a plain screen.
    const double ratio = std::isfinite(PixelRatio) && PixelRatio > 0 ? PixelRatio : 1;
    TRasterPatternSink sink(target, h);
    TPatternDrawStats stats;
    DrawPatternFamilies(text, family, scale * ratio, w, h, sink, stats,
                        budget ? budget->NextShare() : kPatternWorkLimit);
    if (budget)
        budget->Spend(stats.Work);
    SegmentsSent += stats.Sent;
    SegmentsDrawn += stats.Drawn;
}
