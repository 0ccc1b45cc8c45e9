#include "graphics/AcadPal.h"

#include <gtest/gtest.h>

TEST(Palette, BackgroundDecidesEntries0And7AndEachStateKeepsItsOwn) {
    const TPalette black = BuildPalette(0);
    EXPECT_EQ(black[0], 0x000000u);
    EXPECT_EQ(black[7], 0xFFFFFFu);
    EXPECT_EQ(BuildPalette(RGBColor(1, 1, 1))[7], 0x000000u);

    const TRenderState screen;
    TRenderState paper(0xFFFFFF, true);
    EXPECT_EQ(paper.Palette()[0], 0xFFFFFFu);
    EXPECT_EQ(paper.Palette()[7], 0x000000u);
    EXPECT_TRUE(paper.Monochrome());
    // A state is a value: changing one copy leaves the others as they were.
    const TRenderState copy = paper;
    paper = TRenderState(0x404040, false);
    EXPECT_EQ(copy, TRenderState(0xFFFFFF, true));
    EXPECT_EQ(paper.Background(), 0x404040u);
    EXPECT_EQ(screen.Background(), 0u);
    EXPECT_EQ(screen.Palette(), black);
    EXPECT_FALSE(screen.Monochrome());
}

TEST(Palette, EntriesInColourValueOrderAndTheNearestOfThem) {
    const TPalette black = BuildPalette(0);
    // Entry 30 is FF8000 (red 255, green 128): red in the low byte.
    EXPECT_EQ(black[30], RGBColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(black[249], RGBColor(0x26, 0x13, 0x18));
    EXPECT_EQ(NearestColourIndex(RGBColor(255, 0, 0), black), 1);        // not 10
    EXPECT_EQ(NearestColourIndex(RGBColor(0x80, 0x80, 0x80), black), 8); // not 251
    EXPECT_EQ(NearestColourIndex(0xFFFFFF, black), 7);
    EXPECT_EQ(NearestColourIndex(0xFFFFFF, BuildPalette(0xFFFFFF)), 0);
}
