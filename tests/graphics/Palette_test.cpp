#include "graphics/AcadPal.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {
struct TBlackPalette : ::testing::Test {
    void SetUp() override {
        BackgroundColour = 0;
        BuildPalette();
    }
};
} // namespace

TEST_F(TBlackPalette, BackgroundDecidesEntries0And7AndTheScopeRestoresIt) {
    EXPECT_EQ(Palette[0], 0x000000u);
    EXPECT_EQ(Palette[7], 0xFFFFFFu);
    {
        TPaletteScope almostBlack(RGBColor(1, 1, 1));
        EXPECT_EQ(Palette[7], 0x000000u);
    }
    try {
        TPaletteScope white(0xFFFFFF);
        EXPECT_EQ(Palette[0], 0xFFFFFFu);
        EXPECT_EQ(Palette[7], 0x000000u);
        throw std::runtime_error("drawing failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(BackgroundColour, 0u);
    EXPECT_EQ(Palette[0], 0u);
    EXPECT_EQ(Palette[7], 0xFFFFFFu);
}

TEST_F(TBlackPalette, EntriesInColourValueOrderAndTheNearestOfThem) {
    // Entry 30 is FF8000 (red 255, green 128): red in the low byte.
    EXPECT_EQ(Palette[30], RGBColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(Palette[249], RGBColor(0x26, 0x13, 0x18));
    EXPECT_EQ(NearestColourIndex(RGBColor(255, 0, 0)), 1);        // not 10
    EXPECT_EQ(NearestColourIndex(RGBColor(0x80, 0x80, 0x80)), 8); // not 251
    EXPECT_EQ(NearestColourIndex(0xFFFFFF), 7);
    TPaletteScope white(0xFFFFFF);
    EXPECT_EQ(NearestColourIndex(0xFFFFFF), 0);
}
