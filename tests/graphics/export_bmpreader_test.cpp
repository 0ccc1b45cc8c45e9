// The BMP reader: round trips through the 4-bit writer, other depths, damaged files.
#include "TestFiles.h"
#include "base/Errors.h"
#include "graphics/Bitmap4.h"
#include "graphics/BmpReader.h"
#include "graphics/BmpWriter.h"
#include "graphics/Graphic.h"

#include <gtest/gtest.h>

namespace {

// A BITMAPINFOHEADER file of the given depth with pixel rows as given (already padded).
std::vector<uint8_t> MakeBmp(int width, int height, int bits, const std::vector<uint8_t>& palette,
                             const std::vector<uint8_t>& rows) {
    std::vector<uint8_t> b;
    auto u16 = [&](unsigned v) {
        b.push_back(static_cast<uint8_t>(v));
        b.push_back(static_cast<uint8_t>(v >> 8));
    };
    auto u32 = [&](uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    const auto offset = static_cast<uint32_t>(54 + palette.size());
    b = {'B', 'M'};
    u32(offset + static_cast<uint32_t>(rows.size()));
    u32(0);
    u32(offset);
    u32(40);
    u32(static_cast<uint32_t>(width));
    u32(static_cast<uint32_t>(height));
    u16(1);
    u16(static_cast<unsigned>(bits));
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    u32(static_cast<uint32_t>(palette.size() / 4));
    u32(0);
    b.insert(b.end(), palette.begin(), palette.end());
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

} // namespace

TEST(BmpReader, ReadsBackThe4BitWriter) {
    TBitmap4 picture;
    picture.Width = 5;
    picture.Height = 3;
    for (int i = 0; i < 15; ++i)
        picture.Indices.push_back(static_cast<uint8_t>(i));
    TBitmap bitmap;
    DecodeBmp(EncodeBmp4(picture), "t.bmp", bitmap);
    ASSERT_EQ(bitmap.Width(), 5);
    ASSERT_EQ(bitmap.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(bitmap.Canvas().Pixel(x, y), kStandardColours[picture.At(x, y)]);
}

TEST(BmpReader, OtherDepthsAndTopDownRows) {
    TBitmap bitmap;
    // 24-bit, 2 x 1: blue-green-red bytes, padded to 8.
    DecodeBmp(MakeBmp(2, 1, 24, {}, {0, 0, 0xFF, 0xFF, 0, 0, 0, 0}), "a.bmp", bitmap);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), RGBColor(0xFF, 0, 0));
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), RGBColor(0, 0, 0xFF));
    // 1-bit, 3 x 2 with a two-entry table; rows bottom up: the top row is the second stored.
    DecodeBmp(MakeBmp(3, 2, 1, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}, {0x00, 0, 0, 0, 0xA0, 0, 0, 0}),
              "b.bmp", bitmap);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), 0u);
    EXPECT_EQ(bitmap.Canvas().Pixel(2, 0), 0xFFFFFFu);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 1), 0u);
    // 8-bit, top down (negative height), an index past the table reads as black.
    DecodeBmp(MakeBmp(2, -1, 8, {0, 0xFF, 0, 0}, {0, 9, 0, 0}), "c.bmp", bitmap);
    EXPECT_EQ(bitmap.Canvas().Pixel(0, 0), RGBColor(0, 0xFF, 0));
    EXPECT_EQ(bitmap.Canvas().Pixel(1, 0), 0u);
}

TEST(BmpReader, DamagedFilesGiveErrorsNamingThem) {
    TBitmap bitmap;
    const std::vector<uint8_t> good = MakeBmp(2, 2, 24, {}, std::vector<uint8_t>(16, 0));
    auto fails = [&](std::vector<uint8_t> bytes, const std::string& reason) {
        EXPECT_NE(MessageOf<EVarnelError>([&] {
                      DecodeBmp(bytes, "bad.bmp", bitmap);
                  }).find("\"bad.bmp\""),
                  std::string::npos)
            << reason;
    };
    std::vector<uint8_t> cut = good;
    cut.resize(cut.size() - 1);
    fails(cut, "a missing byte of pixel data");
    fails(std::vector<uint8_t>(good.begin(), good.begin() + 20), "a cut header");
    std::vector<uint8_t> huge = good;
    huge[18] = huge[19] = huge[20] = 0xFF; // width 16 million
    huge[21] = 0;
    fails(huge, "a huge width");
    std::vector<uint8_t> rle = good;
    rle[30] = 1; // RLE8
    fails(rle, "compression");
    std::vector<uint8_t> sig = good;
    sig[0] = 'X';
    fails(sig, "no signature");
    EXPECT_NO_THROW(DecodeBmp(good, "good.bmp", bitmap));
}
