#include "graphics/RasterCanvas.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// Products of two coordinates' spans need more than 64 bits.
__extension__ typedef __int128 TWide;

// Floor and ceiling of a / b for b > 0, for quotients that fit 64 bits.
int64_t FloorDiv(TWide a, TWide b) {
    return static_cast<int64_t>(a >= 0 ? a / b : -((-a + b - 1) / b));
}
int64_t CeilDiv(TWide a, TWide b) {
    return -FloorDiv(-a, b);
}

} // namespace

TRasterCanvas::TRasterCanvas(int width, int height) {
    Resize(width, height);
}

void TRasterCanvas::Resize(int width, int height) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_pixels.assign(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), 0xFF000000u);
}

TColor TRasterCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return 0;
    const uint32_t w = m_pixels[static_cast<size_t>(y) * m_width + x];
    return RGBColor((w >> 16) & 0xFF, (w >> 8) & 0xFF, w & 0xFF);
}

void TRasterCanvas::FillRect(const TRect& r) {
    const int left = std::max(r.Left, 0);
    const int right = std::min(r.Right, m_width);
    const int top = std::max(r.Top, 0);
    const int bottom = std::min(r.Bottom, m_height);
    if (left >= right || top >= bottom)
        return;
    const uint32_t word = ToWord(m_brushColor);
    for (int y = top; y < bottom; ++y) {
        uint32_t* row = m_pixels.data() + static_cast<size_t>(y) * m_width;
        std::fill(row + left, row + right, word);
    }
}

void TRasterCanvas::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
}

void TRasterCanvas::LineTo(int x, int y) {
    Line(m_x, m_y, x, y, ToWord(m_penColor));
    m_x = x;
    m_y = y;
}

void TRasterCanvas::SetPixel(int x, int y, TColor c) {
    if (static_cast<unsigned>(x) < static_cast<unsigned>(m_width) &&
        static_cast<unsigned>(y) < static_cast<unsigned>(m_height))
        m_pixels[static_cast<size_t>(y) * m_width + x] = ToWord(c);
}

// Bresenham, end pixel left out. Only the steps whose pixel lies inside the buffer are walked:
// the range of steps whose major coordinate is inside, narrowed to those whose minor coordinate
// is inside too, and the minor coordinate and error term of the first of them, all come in
// closed form, so a line far outside the buffer costs no more than one across it, and the loop
// itself needs no bounds check. Pixel i of the line (i = 0 .. major - 1) lies k(i) =
// ceil((2 i minor - major) / (2 major)) minor steps from the start.
void TRasterCanvas::Line(int x0, int y0, int x1, int y1, uint32_t word) {
    const int64_t dx = std::llabs(static_cast<int64_t>(x1) - x0);
    const int64_t dy = std::llabs(static_cast<int64_t>(y1) - y0);
    const int sx = x1 >= x0 ? 1 : -1;
    const int sy = y1 >= y0 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const int64_t major = xMajor ? dx : dy;
    const int64_t minor = xMajor ? dy : dx;
    if (major == 0)
        return;
    if (std::max(x0, x1) < 0 || std::min(x0, x1) >= m_width || std::max(y0, y1) < 0 ||
        std::min(y0, y1) >= m_height)
        return;

    // Range of steps i whose major coordinate is inside.
    const int64_t start = xMajor ? x0 : y0;
    const int64_t limit = xMajor ? m_width : m_height;
    const int step = xMajor ? sx : sy;
    int64_t first = 0;
    int64_t last = major - 1;
    if (step > 0) {
        first = std::max<int64_t>(first, -start);
        last = std::min<int64_t>(last, limit - 1 - start);
    } else {
        first = std::max<int64_t>(first, start - (limit - 1));
        last = std::min<int64_t>(last, start);
    }

    // Narrowed to the steps whose minor coordinate is inside: k(i) runs from 0 to about minor
    // without going back, so they are one range, which a line whose two ends are inside on the
    // minor axis does not narrow.
    const int64_t minorStart = xMajor ? y0 : x0;
    const int64_t minorEnd = xMajor ? y1 : x1;
    const int64_t minorLimit = xMajor ? m_height : m_width;
    const int minorStep = xMajor ? sy : sx;
    if (minorStart < 0 || minorStart >= minorLimit || minorEnd < 0 || minorEnd >= minorLimit) {
        // The k that keep the minor coordinate inside.
        const int64_t kLow = minorStep > 0 ? -minorStart : minorStart - (minorLimit - 1);
        const int64_t kHigh = minorStep > 0 ? minorLimit - 1 - minorStart : minorStart;
        if (minor == 0) {
            if (kLow > 0 || kHigh < 0)
                return;
        } else {
            // k(i) >= kLow for i > (2 kLow - 1) major / (2 minor); k(i) <= kHigh for
            // i <= (2 kHigh + 1) major / (2 minor).
            first = std::max(first, FloorDiv(TWide{2 * kLow - 1} * major, TWide{2} * minor) + 1);
            last = std::min(last, FloorDiv(TWide{2 * kHigh + 1} * major, TWide{2} * minor));
        }
    }
    if (first > last)
        return;

    // The minor offset and the error term of the first step (k(0) is 0).
    const int64_t twoMajor = 2 * major;
    const int64_t twoMinor = 2 * minor;
    int64_t k = 0;
    int64_t err = twoMinor - major;
    if (first > 0) {
        k = CeilDiv(TWide{2} * first * minor - major, twoMajor);
        err = static_cast<int64_t>(TWide{twoMinor} * (first + 1) - major - TWide{twoMajor} * k);
    }
    const int64_t a = start + step * first;       // major coordinate
    const int64_t b = minorStart + minorStep * k; // minor coordinate
    const auto stride = static_cast<int64_t>(m_width);
    int64_t at = xMajor ? b * stride + a : a * stride + b;
    const int64_t majorStride = xMajor ? step : step * stride;
    const int64_t minorStride = xMajor ? minorStep * stride : minorStep;
    uint32_t* bits = m_pixels.data();
    // The error's turn is a branch: without one, each step's address waits for the error of
    // the step before, and a long line drawn into a large buffer took half as long again.
    for (int64_t n = last - first + 1; n > 0; --n) {
        bits[at] = word;
        if (err > 0) {
            at += minorStride;
            err -= twoMajor;
        }
        err += twoMinor;
        at += majorStride;
    }
}

void TRasterCanvas::Polyline(const TPoint* points, size_t count) {
    if (count == 0)
        return;
    MoveTo(points[0].x, points[0].y);
    for (size_t i = 1; i < count; ++i)
        LineTo(points[i].x, points[i].y);
}

void TRasterCanvas::Polygon(const TPoint* points, size_t count) {
    if (count == 0)
        return;
    if (m_brushStyle == TBrushStyle::Solid)
        FillPolygon(points, count, ToWord(m_brushColor));
    const uint32_t pen = ToWord(m_penColor);
    for (size_t i = 0; i < count; ++i) {
        const TPoint& p = points[i];
        const TPoint& q = points[(i + 1) % count];
        Line(p.x, p.y, q.x, q.y, pen);
    }
    if (count == 1)
        SetPixel(points[0].x, points[0].y, m_penColor);
    m_x = points[0].x;
    m_y = points[0].y;
}

uint64_t TRasterCanvas::FillCost(const TPoint* points, size_t count) const {
    if (count == 0)
        return 0;
    uint64_t crossings = 0;
    int64_t left = INT64_MAX, right = INT64_MIN, top = INT64_MAX, bottom = INT64_MIN;
    for (size_t i = 0; i < count; ++i) {
        const TPoint& p = points[i];
        const TPoint& q = points[(i + 1) % count];
        const int64_t from = std::max(std::min(p.y, q.y), 0);
        const int64_t to = std::min(std::max(p.y, q.y), m_height);
        if (from < to)
            crossings += static_cast<uint64_t>(to - from);
        left = std::min<int64_t>(left, p.x);
        right = std::max<int64_t>(right, p.x);
        top = std::min<int64_t>(top, p.y);
        bottom = std::max<int64_t>(bottom, p.y);
    }
    const int64_t w = std::min<int64_t>(right, m_width) - std::max<int64_t>(left, 0);
    const int64_t h = std::min<int64_t>(bottom, m_height) - std::max<int64_t>(top, 0);
    const uint64_t pixels =
        w > 0 && h > 0 ? static_cast<uint64_t>(w) * static_cast<uint64_t>(h) : 0;
    return crossings + pixels;
}

TRect TRasterCanvas::Reachable(const TRect& r) const {
    return {std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, m_width - 1),
            std::min(r.Bottom, m_height - 1)};
}

// Alternate (even-odd) fill over pixel centres: in each row, the pixels from the ceiling of one
// crossing up to (not including) the ceiling of the next are filled, so right edges are left out.
void TRasterCanvas::FillPolygon(const TPoint* points, size_t count, uint32_t word) {
    struct TEdge {
        int yTop, yBottom; // rows [yTop, yBottom)
        double x, slope;   // x at row yTop; change per row
    };
    std::vector<TEdge> edges;
    edges.reserve(count);
    int yMin = m_height, yMax = 0;
    for (size_t i = 0; i < count; ++i) {
        TPoint p = points[i];
        TPoint q = points[(i + 1) % count];
        if (p.y == q.y)
            continue;
        if (p.y > q.y)
            std::swap(p, q);
        const double slope = static_cast<double>(q.x - p.x) / (q.y - p.y);
        const int top = std::max(p.y, 0);
        const int bottom = std::min(q.y, m_height);
        if (top >= bottom)
            continue;
        edges.push_back({top, bottom, p.x + slope * (top - p.y), slope});
        yMin = std::min(yMin, top);
        yMax = std::max(yMax, bottom);
    }
    if (edges.empty())
        return;
    // By first row, and along a row by x, so that edges starting together join in order.
    std::sort(edges.begin(), edges.end(), [](const TEdge& a, const TEdge& b) {
        return a.yTop != b.yTop ? a.yTop < b.yTop : a.x < b.x;
    });
    // The crossings of the active edges with the row, kept in x order from row to row: edges
    // seldom cross, so putting the row back in order is an insertion sort of a few moves, and a
    // full sort when they cross a lot. Thousands of edges spanning every row then cost each
    // row its crossings, not a sort of them.
    struct TCrossing {
        double x;
        const TEdge* edge;
    };
    const auto byX = [](const TCrossing& a, const TCrossing& b) { return a.x < b.x; };
    std::vector<TCrossing> active;
    size_t next = 0;
    for (int y = yMin; y < yMax; ++y) {
        std::erase_if(active, [y](const TCrossing& c) { return c.edge->yBottom <= y; });
        for (TCrossing& c : active)
            c.x = c.edge->x + c.edge->slope * (y - c.edge->yTop);
        size_t moves = 0;
        const size_t allowed = 8 * active.size() + 64;
        for (size_t i = 1; i < active.size() && moves <= allowed; ++i) {
            const TCrossing c = active[i];
            size_t j = i;
            for (; j > 0 && active[j - 1].x > c.x; --j)
                active[j] = active[j - 1];
            active[j] = c;
            moves += i - j;
        }
        if (moves > allowed)
            std::sort(active.begin(), active.end(), byX);
        // Edges starting on this row, already in x order, merged in.
        const size_t old = active.size();
        while (next < edges.size() && edges[next].yTop == y) {
            active.push_back({edges[next].x, &edges[next]});
            ++next;
        }
        std::inplace_merge(active.begin(), active.begin() + static_cast<std::ptrdiff_t>(old),
                           active.end(), byX);
        m_fillWork += active.size();
        uint32_t* row = m_pixels.data() + static_cast<size_t>(y) * m_width;
        for (size_t i = 0; i + 1 < active.size(); i += 2) {
            const double l = std::ceil(active[i].x);
            const double r = std::ceil(active[i + 1].x);
            const int left = static_cast<int>(std::clamp(l, 0.0, static_cast<double>(m_width)));
            const int right = static_cast<int>(std::clamp(r, 0.0, static_cast<double>(m_width)));
            if (left < right) {
                std::fill(row + left, row + right, word);
                m_fillWork += static_cast<uint64_t>(right - left);
            }
        }
    }
}
