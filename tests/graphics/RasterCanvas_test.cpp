#include "graphics/RasterCanvas.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <vector>

namespace {

using TPixels = std::set<std::pair<int, int>>;

TPixels Lit(const TRasterCanvas& c) {
    TPixels lit;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Pixel(x, y) != 0)
                lit.insert({x, y});
    return lit;
}

// The plain Bresenham loop the clipped one must agree with, end pixel left out.
TPixels PlainLine(int x0, int y0, int x1, int y1, int w, int h) {
    TPixels lit;
    const long dx = std::labs(x1 - x0), dy = std::labs(y1 - y0);
    const int sx = x1 >= x0 ? 1 : -1, sy = y1 >= y0 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const long major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    long err = 2 * minor - major;
    int x = x0, y = y0;
    for (long i = 0; i < major; ++i) {
        if (x >= 0 && y >= 0 && x < w && y < h)
            lit.insert({x, y});
        if (err > 0) {
            (xMajor ? y : x) += xMajor ? sy : sx;
            err -= 2 * major;
        }
        err += 2 * minor;
        (xMajor ? x : y) += xMajor ? sx : sy;
    }
    return lit;
}

} // namespace

TEST(RasterCanvas, ClippedLinesMatchThePlainLoop) {
    // Lines from far outside the buffer, in every direction, must light exactly the pixels the
    // plain loop lights inside the buffer.
    unsigned seed = 12345;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<unsigned>(range)) - range / 2;
    };
    for (int i = 0; i < 3000; ++i) {
        // Far outside, around, and both ends inside the buffer.
        const int range = i % 3 == 0 ? 4000 : i % 3 == 1 ? 200 : 30;
        const int x0 = next(range) + 16, y0 = next(range) + 12;
        const int x1 = next(range) + 16, y1 = next(range) + 12;
        TRasterCanvas c(32, 24);
        c.SetPenColor(0xFFFFFF);
        c.MoveTo(x0, y0);
        c.LineTo(x1, y1);
        ASSERT_EQ(Lit(c), PlainLine(x0, y0, x1, y1, 32, 24))
            << x0 << "," << y0 << " - " << x1 << "," << y1;
    }
}

TEST(RasterCanvas, HugeCoordinatesAndRectanglesAreClipped) {
    TRasterCanvas c(10, 10);
    c.SetPenColor(0xFFFFFF);
    c.MoveTo(-1000000000, 4);
    c.LineTo(1000000000, 4);
    EXPECT_EQ(Lit(c).size(), 10u);
    // Diagonals whose ends are a billion pixels out on both axes cross the buffer exactly.
    TRasterCanvas d(10, 10);
    d.SetPenColor(0xFFFFFF);
    d.MoveTo(-1000000000 + 3, -1000000000);
    d.LineTo(1000000000 + 3, 1000000000);
    d.MoveTo(1000000000 + 9, -1000000000);
    d.LineTo(-1000000000 + 9, 1000000000);
    TPixels diagonals;
    for (int i = 0; i < 10; ++i) {
        if (i + 3 < 10)
            diagonals.insert({i + 3, i});
        diagonals.insert({9 - i, i});
    }
    EXPECT_EQ(Lit(d), diagonals);
    // Rectangles leave out their right and bottom edges.
    c.SetBrushColor(0x00FF00);
    c.FillRect({2, 5, 5, 8});
    EXPECT_EQ(Lit(c).size(), 10u + 9);
    EXPECT_EQ(c.Pixel(4, 7), 0x00FF00u);
    EXPECT_EQ(c.Pixel(5, 7), 0u);
    c.FillRect({-5, -5, 100, 100});
    EXPECT_EQ(Lit(c).size(), 100u);
}

TEST(RasterCanvas, PolygonFillsAlternateAndOutlinesWithThePen) {
    TRasterCanvas c(20, 20);
    c.SetBrushColor(0x0000FF);
    c.SetPenColor(0x00FF00);
    const TPoint square[] = {{2, 2}, {10, 2}, {10, 10}, {2, 10}};
    c.Polygon(square, 4);
    EXPECT_EQ(c.Pixel(5, 5), 0x0000FFu);
    EXPECT_EQ(c.Pixel(2, 5), 0x00FF00u);   // outline
    EXPECT_EQ(c.Pixel(10, 10), 0x00FF00u); // every corner is outlined
    EXPECT_EQ(c.Pixel(11, 5), 0u);

    // Two overlapping loops: the overlap is outside under the alternate rule.
    TRasterCanvas d(30, 30);
    d.SetBrushColor(0x0000FF);
    d.SetPenColor(0x0000FF);
    const TPoint twice[] = {{0, 0},   {20, 0},  {20, 20}, {0, 20},  {0, 0},
                            {10, 10}, {29, 10}, {29, 29}, {10, 29}, {10, 10}};
    d.Polygon(twice, 10);
    EXPECT_EQ(d.Pixel(5, 5), 0x0000FFu);
    EXPECT_EQ(d.Pixel(15, 15), 0u);
    EXPECT_EQ(d.Pixel(25, 25), 0x0000FFu);
}

namespace {

// Even-odd over pixel centres, pixel by pixel: a pixel of row y is inside when an odd number
// of the edges that span the row cross it at or left of the pixel (crossing x rounded up).
bool InsideByParity(const std::vector<TPoint>& poly, int px, int y) {
    int crossings = 0;
    for (size_t i = 0; i < poly.size(); ++i) {
        TPoint p = poly[i], q = poly[(i + 1) % poly.size()];
        if (p.y == q.y)
            continue;
        if (p.y > q.y)
            std::swap(p, q);
        if (y < p.y || y >= q.y)
            continue;
        const double x = p.x + static_cast<double>(q.x - p.x) / (q.y - p.y) * (y - p.y);
        if (std::ceil(x) <= px)
            ++crossings;
    }
    return crossings % 2 == 1;
}

} // namespace

TEST(RasterCanvas, SelfCrossingPolygonsFillByParityAndCountTheirWork) {
    // Stars and random polygons whose edges cross often: the crossings of each row are kept in
    // order from row to row, and the result must be the plain even-odd rule.
    std::srand(7);
    for (int round = 0; round < 40; ++round) {
        std::vector<TPoint> poly;
        const int n = round % 4 == 3 ? 90 + round : 3 + round % 17;
        for (int i = 0; i < n; ++i) {
            if (round % 4 == 3) // a comb: many edges start on one row, sharing vertices
                poly.push_back({i * 60 / n + (i % 3), i % 2 == 0 ? 2 : 57});
            else if (round % 2 == 0) // a star: every vertex far round the circle from the last
                poly.push_back({static_cast<int>(30 + 28 * std::cos(i * 2.4 * (n / 2))),
                                static_cast<int>(30 + 28 * std::sin(i * 2.4 * (n / 2)))});
            else
                poly.push_back({std::rand() % 70 - 5, std::rand() % 70 - 5});
        }
        TRasterCanvas filled(60, 60), outline(60, 60);
        filled.SetBrushColor(0x0000FF);
        filled.SetPenColor(0x00FF00);
        filled.Polygon(poly.data(), poly.size());
        outline.SetBrushStyle(TBrushStyle::Clear);
        outline.SetPenColor(0x00FF00);
        outline.Polygon(poly.data(), poly.size());
        int inside = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x) {
                if (outline.Pixel(x, y) == 0x00FF00) {
                    EXPECT_EQ(filled.Pixel(x, y), 0x00FF00u);
                    continue;
                }
                const bool in = InsideByParity(poly, x, y);
                inside += in;
                EXPECT_EQ(filled.Pixel(x, y), in ? 0x0000FFu : 0u)
                    << "round " << round << " at " << x << "," << y;
            }
        EXPECT_EQ(outline.FillWork(), 0u);
        EXPECT_GE(filled.FillWork(), static_cast<uint64_t>(inside));
        // What a renderer is told in advance is no less than what the fill did.
        EXPECT_LE(filled.FillWork(), filled.FillCost(poly.data(), poly.size()));
    }
}
