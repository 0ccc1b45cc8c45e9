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
    // 16 x 40,000 pixels (and a floor of 2^20), after which they are only outlined: the
    // picture is the same triangle, at a bounded cost.
    TMemoryStream slide = Malformed("slide_thousands_of_full_size_fills.sld");
    TPaletteScope palette(0);
    TRasterCanvas canvas(200, 200);
    EXPECT_EQ(DrawSlide(slide, canvas, {0, 0, 199, 199}), slide.Size());
    const uint64_t limit = 16 * 200 * 200 + (1 << 20);
    EXPECT_GT(canvas.FillWork(), limit);
    EXPECT_LT(canvas.FillWork(), limit + 2 * 200 * 200); // at most one polygon past the limit
    EXPECT_EQ(canvas.Pixel(100, 150), Palette[7]);       // inside the triangle
    EXPECT_EQ(canvas.Pixel(5, 5), 0u);                   // above its left side

    // The same canvas drawn again: the bound counts from where this drawing starts.
    const uint64_t before = canvas.FillWork();
    DrawSlide(slide, canvas, {0, 0, 199, 199});
    EXPECT_GT(canvas.FillWork() - before, limit);
    EXPECT_LT(canvas.FillWork() - before, limit + 2 * 200 * 200);
}

TEST(HostileSlides, APolygonOfLongEdgesIsFilledWhole) {
    // 10,000 edges that all cross every row: one polygon, filled whole in 300 rows, each row
    // costing its crossings.
    TMemoryStream slide = Malformed("slide_polygon_of_ten_thousand_long_edges.sld");
    TPaletteScope palette(0xFFFFFF);
    TRasterCanvas canvas(300, 300);
    canvas.SetBrushColor(0xFFFFFF);
    canvas.FillRect({0, 0, 300, 300});
    EXPECT_EQ(DrawSlide(slide, canvas, {0, 0, 299, 299}), slide.Size());
    EXPECT_LE(canvas.FillWork(), 300u * (10000 + 300));
    EXPECT_GE(canvas.FillWork(), 299u * 9999);
}
