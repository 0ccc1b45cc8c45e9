// Slides that would cost a raster canvas far more than their size, kept in
// tests/data/malformed/: thousands of fills over the whole picture, and one polygon of
// ten thousand edges that each span it.
#include "TestFiles.h"
#include "base/Streams.h"
#include "graphics/AcadPal.h"
#include "graphics/RasterCanvas.h"
#include "slides/Slides.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TMemoryStream Malformed(const std::string& name) {
    return TMemoryStream(
        ReadFileBytes(std::string(VARNEL_SOURCE_DIR) + "/tests/data/malformed/" + name));
}

} // namespace

TEST(HostileSlides, FillsStopCostingAtSixteenCoversOfThePicture) {
    // 2,166 triangles, each half of a 10,000 x 10,000 slide. Drawn into 200 x 200 they may cost
    // 16 x 40,000 pixels (and a floor of 4,096); the ones that would pass that are only
    // outlined: the picture is the same triangle, at a bounded cost.
    TMemoryStream slide = Malformed("slide_thousands_of_full_size_fills.sld");
    const TRenderState state(0, false);
    TRasterCanvas canvas(200, 200);
    EXPECT_EQ(DrawSlide(slide, canvas, {0, 0, 199, 199}, state).Length, slide.Size());
    const uint64_t limit = 16 * 200 * 200 + (1 << 12);
    const TPoint triangle[] = {{0, 200}, {200, 200}, {100, 0}};
    const uint64_t one = canvas.FillCost(triangle, 3); // 400 crossings, 40,000 pixels
    EXPECT_EQ(one, 40400u);
    EXPECT_LE(canvas.FillWork(), limit);
    EXPECT_GT(canvas.FillWork(), limit - 2 * one);
    EXPECT_EQ(canvas.Pixel(100, 150), state.Palette()[7]); // inside the triangle
    EXPECT_EQ(canvas.Pixel(5, 5), 0u);                     // above its left side

    // The same canvas drawn again: the bound counts from where this drawing starts.
    const uint64_t before = canvas.FillWork();
    DrawSlide(slide, canvas, {0, 0, 199, 199}, state);
    EXPECT_LE(canvas.FillWork() - before, limit);
    EXPECT_GT(canvas.FillWork() - before, limit - 2 * one);
}

TEST(HostileSlides, AZoomedDrawingHasTheBudgetOfWhatTheCanvasShows) {
    // The same triangles fitted into a frame 64 times the 200 x 200 canvas (a zoomed preview):
    // only the 200 x 200 the canvas shows counts for the bound, so zooming in cannot make the
    // drawing 4,096 times dearer. The canvas lies inside the triangle: every pixel is filled.
    TMemoryStream slide = Malformed("slide_thousands_of_full_size_fills.sld");
    const TRenderState state;
    TRasterCanvas canvas(200, 200);
    const TRect frame{-6300, -12600, -6300 + 12799, -12600 + 12799};
    EXPECT_EQ(DrawSlide(slide, canvas, frame, state).Length, slide.Size());
    EXPECT_LE(canvas.FillWork(), 16u * 200 * 200 + (1 << 12) + 200 * 200 + 2 * 200);
    EXPECT_GE(canvas.FillWork(), 15u * 200 * 200);
    EXPECT_EQ(canvas.Pixel(0, 0), state.Palette()[7]);
    EXPECT_EQ(canvas.Pixel(199, 199), state.Palette()[7]);
}

TEST(HostileSlides, APolygonOfLongEdgesFillsOnlyWhereItsCostFits) {
    // 10,000 edges that all cross every row: 300 rows of them cost 3 million crossings, more
    // than 16 covers of a 300 x 300 picture, so the polygon is outlined only; in a 1000 x 1000
    // picture it costs 10 million against a bound of 16 million, and is filled.
    TMemoryStream slide = Malformed("slide_polygon_of_ten_thousand_long_edges.sld");
    const TRenderState state(0xFFFFFF, false);
    TRasterCanvas small(300, 300);
    EXPECT_EQ(DrawSlide(slide, small, {0, 0, 299, 299}, state).Length, slide.Size());
    EXPECT_EQ(small.FillWork(), 0u);
    TRasterCanvas large(1000, 1000);
    DrawSlide(slide, large, {0, 0, 999, 999}, state);
    EXPECT_GE(large.FillWork(), 999u * 9999);
    EXPECT_LE(large.FillWork(), 16u * 1000 * 1000 + (1 << 12));
}

TEST(HostileSlides, FillsWithoutVerticesDrawNothing) {
    // Found by fuzzing: a fill closed before its first vertex (announcing none, or five) is an
    // empty polygon, whose cost was found from an empty bounding box.
    TMemoryStream slide = Malformed("slide_fills_without_vertices.sld");
    const TRenderState state(0, false);
    TRasterCanvas canvas(64, 40);
    EXPECT_EQ(DrawSlide(slide, canvas, {0, 0, 63, 39}, state).Length, slide.Size());
    EXPECT_EQ(canvas.FillWork(), 0u);
    EXPECT_EQ(canvas.FillCost(nullptr, 0), 0u);
    int diagonal = 0; // the line after them, across the picture (in entry 7: it starts at y 0)
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 64; ++x)
            diagonal += canvas.Pixel(x, y) == state.Palette()[7];
    EXPECT_GE(diagonal, 60);
}
