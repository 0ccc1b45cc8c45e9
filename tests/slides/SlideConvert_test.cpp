// Pictures traced into slides: header, runs, colour records, row and column passes.
#include "TestFiles.h"
#include "base/Errors.h"
#include "base/Streams.h"
#include "graphics/AcadPal.h"
#include "graphics/BmpReader.h"
#include "graphics/Graphic.h"
#include "graphics/RasterCanvas.h"
#include "slides/SlideConvert.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const TPalette kBlackPalette = BuildPalette(0);

// Converts a width x height picture filled by pixel(x, y) with a black background palette.
std::vector<uint8_t> Convert(int width, int height, TColor (*pixel)(int, int)) {
    TRasterCanvas canvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.SetPixel(x, y, pixel(x, y));
    TMemoryStream out;
    BitmapToSlide(out, TRasterPixels(canvas), {0, 0, width - 1, height - 1}, kBlackPalette, 0);
    EXPECT_EQ(out.Position(), 0);
    return out.Bytes();
}

std::vector<uint8_t> Header(int highX, int highY, uint32_t aspect) {
    const char magic[] = "AutoCAD Slide\r\n\x1a";
    std::vector<uint8_t> h(magic, magic + sizeof magic); // with its NUL
    h.insert(h.end(), {0x56, 2, static_cast<uint8_t>(highX), static_cast<uint8_t>(highX >> 8),
                       static_cast<uint8_t>(highY), static_cast<uint8_t>(highY >> 8)});
    for (int shift = 0; shift < 32; shift += 8)
        h.push_back(static_cast<uint8_t>(aspect >> shift));
    h.insert(h.end(), {2, 0, 0x34, 0x12}); // hardware fill 2, test number 0x1234
    return h;
}

struct TConvert : ::testing::Test {};

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
    EXPECT_THROW(BitmapToSlide(out, grey, {0, 0, 32767, 0}, kBlackPalette, 0), EVarnelError);
    EXPECT_THROW(BitmapToSlide(out, grey, {0, 0, 0, 32767}, kBlackPalette, 0), EVarnelError);
    // 215 x 1 would need an aspect of 2,150,000,000.
    EXPECT_THROW(BitmapToSlide(out, grey, {0, 0, 214, 0}, kBlackPalette, 0), EVarnelError);
    EXPECT_EQ(out.Size(), 0);
    EXPECT_NO_THROW(BitmapToSlide(out, grey, {0, 0, 213, 0}, kBlackPalette, 0));
}

namespace {

// The trace written out plainly, every colour looked up anew: what the converter must give.
std::vector<uint8_t> PlainTrace(const TPixelSource& p, int w, int h,
                                const TPalette& palette = kBlackPalette) {
    std::vector<uint8_t> out =
        Header(w, h, static_cast<uint32_t>(std::nearbyint(10000000.0 * w / h)));
    int current = NearestColourIndex(p.Pixel(0, 0), palette);
    out.insert(out.end(), {static_cast<uint8_t>(current), 0xFF});
    const auto vector = [&](TColor c, int index, int x0, int y0, int x1, int y1) {
        if (c == 0)
            return;
        if (index != current)
            out.insert(out.end(), {static_cast<uint8_t>(current = index), 0xFF});
        for (const int v : {x0, y0, x1, y1})
            out.insert(out.end(), {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)});
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w;) {
            const TColor c = p.Pixel(x, y);
            const int i = NearestColourIndex(c, palette);
            int e = x;
            while (e + 1 < w &&
                   (p.Pixel(e + 1, y) == c || NearestColourIndex(p.Pixel(e + 1, y), palette) == i))
                ++e;
            if (e > x)
                vector(c, i, x, h - 1 - y, e, h - 1 - y);
            x = e + 1;
        }
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h;) {
            const TColor c = p.Pixel(x, y);
            const int i = NearestColourIndex(c, palette);
            int e = y;
            while (e + 1 < h &&
                   (p.Pixel(x, e + 1) == c || NearestColourIndex(p.Pixel(x, e + 1), palette) == i))
                ++e;
            vector(c, i, x, h - 1 - y, x, h - 1 - e);
            y = e + 1;
        }
    out.insert(out.end(), {0x00, 0xFC});
    return out;
}

std::vector<uint8_t> Traced(const TPixelSource& p, int w, int h,
                            const TPalette& palette = kBlackPalette,
                            int64_t maxBytes = kMaxSlideBytes) {
    TMemoryStream out;
    BitmapToSlide(out, p, {0, 0, w - 1, h - 1}, palette, 0, maxBytes);
    return out.Bytes();
}

// Colours from a fixed generator: some thousands of them, so that remembered colours share
// slots of the converter's table and must be told apart; black and palette colours among them.
struct TNoise : TPixelSource {
    TColor Pixel(int x, int y) const override {
        uint32_t v = static_cast<uint32_t>(x * 7919 + y * 104729) * 2654435761u;
        v ^= v >> 13;
        if (v % 11 == 0)
            return 0; // black: skipped, and a colour of its own in the table
        if (v % 7 == 0)
            return kBlackPalette[v % 256];
        return (v >> 4) & 0x3F3F3F; // few bits per channel: colours repeat
    }
};

} // namespace

TEST_F(TConvert, RememberedColoursGiveThePlainTrace) {
    // A checkerboard of two colours that are no palette entry (the costliest lookups), read as
    // a BMP file, on both backgrounds.
    TBitmap bitmap;
    LoadBmpFile(std::string(VARNEL_SOURCE_DIR) +
                    "/tests/data/malformed/bitmap_two_colours_off_the_palette.bmp",
                bitmap);
    ASSERT_EQ(bitmap.Width(), 256);
    const TRasterPixels pixels(bitmap.Canvas());
    for (const TColor background : {0x000000u, 0xFFFFFFu}) {
        const TPalette palette = BuildPalette(background);
        EXPECT_EQ(Traced(pixels, 256, 256, palette), PlainTrace(pixels, 256, 256, palette));
    }
    const TNoise noise;
    EXPECT_EQ(Traced(noise, 97, 61), PlainTrace(noise, 97, 61));
}

TEST_F(TConvert, RefusesASlideLargerThanASlideCanHold) {
    // A checkerboard: runs of one pixel, so only the columns draw. Its slide's exact length is
    // found by counting first when the bound is near, and the bytes are the same either way.
    struct TChecker : TPixelSource {
        TColor Pixel(int x, int y) const override {
            return (x + y) % 2 ? RGBColor(0xFF, 0, 0) : RGBColor(0, 0, 0xFF);
        }
    } checker;
    const std::vector<uint8_t> whole = Traced(checker, 64, 48);
    const auto length = static_cast<int64_t>(whole.size());
    // A dot per pixel; the colour changes at every pixel but the first of each column (which
    // has the colour the column before ended with).
    EXPECT_EQ(length, 31 + 2 + 64 * 48 * 8 + (64 * 47) * 2 + 2);
    EXPECT_EQ(Traced(checker, 64, 48, kBlackPalette, length), whole);

    TMemoryStream out;
    const std::string text = MessageOf<EVarnelError>([&] {
        BitmapToSlide(out, checker, {0, 0, 63, 47}, kBlackPalette, 0, length - 1);
    });
    EXPECT_NE(
        text.find("64 x 48 pixels would give a slide of " + std::to_string(length) + " bytes"),
        std::string::npos)
        << text;
    EXPECT_EQ(out.Size(), 0);
}
