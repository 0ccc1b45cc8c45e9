#include "graphics/RasterCanvas.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <utility>

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

TEST(RasterCanvas, LineLeavesOutItsEndPixel) {
    TRasterCanvas c(10, 10);
    c.SetPenColor(0xFFFFFF);
    c.MoveTo(1, 1);
    c.LineTo(5, 1);
    EXPECT_EQ(Lit(c), (TPixels{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    c.LineTo(5, 1); // zero length: nothing
    EXPECT_EQ(Lit(c).size(), 4u);
}

TEST(RasterCanvas, ClippedLinesMatchThePlainLoop) {
    // Lines from far outside the buffer, in every direction, must light exactly the pixels the
    // plain loop lights inside the buffer.
    unsigned seed = 12345;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<unsigned>(range)) - range / 2;
    };
    for (int i = 0; i < 2000; ++i) {
        const int range = i % 2 ? 200 : 4000;
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

TEST(RasterCanvas, HugeCoordinatesCostNoMoreThanTheBuffer) {
    TRasterCanvas c(8, 8);
    c.SetPenColor(0xFFFFFF);
    c.MoveTo(-1000000000, 4);
    c.LineTo(1000000000, 4);
    EXPECT_EQ(Lit(c).size(), 8u);
}

TEST(RasterCanvas, FillRectLeavesOutRightAndBottom) {
    TRasterCanvas c(10, 10);
    c.SetBrushColor(0x00FF00);
    c.FillRect({2, 3, 5, 6});
    EXPECT_EQ(Lit(c).size(), 9u);
    EXPECT_EQ(c.Pixel(4, 5), 0x00FF00u);
    EXPECT_EQ(c.Pixel(5, 5), 0u);
    EXPECT_EQ(c.Pixel(4, 6), 0u);
    c.FillRect({-5, -5, 100, 100}); // clipped, no crash
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

    // A clear brush only outlines.
    TRasterCanvas e(20, 20);
    e.SetBrushStyle(TBrushStyle::Clear);
    e.SetPenColor(0xFFFFFF);
    e.Polygon(square, 4);
    EXPECT_EQ(e.Pixel(5, 5), 0u);
    EXPECT_EQ(Lit(e).size(), 32u);
}
