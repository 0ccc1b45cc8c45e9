// Pictures traced into slides: header, runs, colour records, row and column passes.
#include "base/Errors.h"
#include "base/Streams.h"
#include "graphics/AcadPal.h"
#include "graphics/RasterCanvas.h"
#include "slides/SlideConvert.h"

#include <gtest/gtest.h>

namespace {

// Converts a width x height picture filled by pixel(x, y) with a black background palette.
std::vector<uint8_t> Convert(int width, int height, TColor (*pixel)(int, int)) {
    TRasterCanvas canvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.SetPixel(x, y, pixel(x, y));
    TMemoryStream out;
    BitmapToSlide(out, TRasterPixels(canvas), {0, 0, width - 1, height - 1}, 0);
    EXPECT_EQ(out.Position(), 0);
    return out.Bytes();
}

std::vector<uint8_t> Header(int highX, int highY, uint32_t aspect) {
    std::vector<uint8_t> h = {'A', 'u', 't', 'o',  'C',  'A',  'D', ' ',  'S', 'l',
                              'i', 'd', 'e', '\r', '\n', 0x1A, 0,   0x56, 2};
    h.push_back(static_cast<uint8_t>(highX));
    h.push_back(static_cast<uint8_t>(highX >> 8));
    h.push_back(static_cast<uint8_t>(highY));
    h.push_back(static_cast<uint8_t>(highY >> 8));
    for (int shift = 0; shift < 32; shift += 8)
        h.push_back(static_cast<uint8_t>(aspect >> shift));
    h.insert(h.end(), {2, 0, 0x34, 0x12}); // hardware fill 2, test number 0x1234
    return h;
}

struct TConvert : ::testing::Test {
    void SetUp() override {
        BackgroundColour = 0;
        BuildPalette();
    }
};

} // namespace

TEST_F(TConvert, OneBlackPixelGivesA35ByteSlide) {
    std::vector<uint8_t> expected = Header(1, 1, 10000000);
    expected.insert(expected.end(), {0, 0xFF, 0x00, 0xFC}); // colour 0, end
    EXPECT_EQ(Convert(1, 1, [](int, int) -> TColor { return 0; }), expected);
}

TEST_F(TConvert, ThreeWhitePixelsGiveARowVectorAndThreeDots) {
    std::vector<uint8_t> expected = Header(3, 1, 30000000);
    expected.insert(expected.end(), {7, 0xFF}); // white is index 7 on black
    expected.insert(expected.end(), {0, 0, 0, 0, 2, 0, 0, 0});
    for (uint8_t x = 0; x < 3; ++x)
        expected.insert(expected.end(), {x, 0, 0, 0, x, 0, 0, 0});
    expected.insert(expected.end(), {0x00, 0xFC});
    EXPECT_EQ(Convert(3, 1, [](int, int) -> TColor { return 0xFFFFFF; }), expected);
}

TEST_F(TConvert, AspectAndCoordinates) {
    // 200 x 100: aspect 20,000,000 at offset 23.
    const std::vector<uint8_t> wide = Convert(200, 100, [](int, int) -> TColor { return 0; });
    EXPECT_EQ(std::vector<uint8_t>(wide.begin(), wide.begin() + 31), Header(200, 100, 20000000));

    // 1 x 2: a red top pixel over a black one. The top row gets the larger y; neighbouring
    // shades of one index form one run; the column pass writes the colour record.
    const std::vector<uint8_t> tall =
        Convert(1, 2, [](int, int y) -> TColor { return y == 0 ? RGBColor(0xFF, 0, 0) : 0; });
    std::vector<uint8_t> expected = Header(1, 2, 5000000);
    expected.insert(expected.end(), {1, 0xFF, 0, 0, 1, 0, 0, 0, 1, 0, 0x00, 0xFC});
    EXPECT_EQ(tall, expected);

    const std::vector<uint8_t> shades = Convert(2, 1, [](int x, int) -> TColor {
        return x == 0 ? RGBColor(0xFF, 0, 0) : RGBColor(0xFE, 0, 0);
    });
    expected = Header(2, 1, 20000000);
    expected.insert(expected.end(),
                    {1, 0xFF, 0, 0, 0, 0, 1, 0, 0, 0, // row run 0..1
                     0, 0,    0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0x00, 0xFC});
    EXPECT_EQ(shades, expected);
}

TEST_F(TConvert, RefusesPicturesASlideCannotHold) {
    struct TGrey : TPixelSource {
        TColor Pixel(int, int) const override { return 0x808080; }
    } grey;
    TMemoryStream out;
    EXPECT_THROW(BitmapToSlide(out, grey, {0, 0, 32767, 0}, 0), EVarnelError);
    EXPECT_THROW(BitmapToSlide(out, grey, {0, 0, 0, 32767}, 0), EVarnelError);
    // 215 x 1 would need an aspect of 2,150,000,000.
    EXPECT_THROW(BitmapToSlide(out, grey, {0, 0, 214, 0}, 0), EVarnelError);
    EXPECT_EQ(out.Size(), 0);
    EXPECT_NO_THROW(BitmapToSlide(out, grey, {0, 0, 213, 0}, 0));
}
