// The contact-sheet grid shared by the PDF slide sheets, the pattern sheets and the printer:
// cells, label and caption anchors in both units, the grid limits, page breaks and stopping.
#include "graphics/SheetLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(SheetLayout, PdfPointsOnPortraitA4) {
    // 3 x 5: usable 524 x 734 pt below the 12 pt label band; cells 524 * 0.9 / 3 = 157.2 wide,
    // columns 174.67 apart, rows trunc(734 / 5) = 146 apart, trunc((734 - 150) / 5) = 116 high.
    const TSheetLayout layout(PdfSheetStyle(), 596, 842, 3, 5);
    EXPECT_EQ(layout.CellsPerPage(), 15u);
    EXPECT_DOUBLE_EQ(layout.CellWidth(), 157.2);
    EXPECT_EQ(layout.CellHeight(), 116);
    const TSheetCell first = layout.Cell(0);
    EXPECT_EQ(first.Left, 36);
    EXPECT_EQ(first.Top, 782); // y upward: 842 - 48 - 12
    EXPECT_EQ(first.CaptionX, 66);
    EXPECT_EQ(first.CaptionY, 651);          // 15 pt below the bottom edge at 666
    const TSheetCell fifth = layout.Cell(4); // second row, second column
    EXPECT_DOUBLE_EQ(fifth.Left, 36 + 157.2 / 0.9);
    EXPECT_EQ(fifth.Top, 636);
    EXPECT_EQ(layout.Cell(14).Top, 782 - 4 * 146);
    // The label ends 122 pt left of the page's right edge, on the top margin.
    EXPECT_EQ(layout.LabelX(20), 454);
    EXPECT_EQ(layout.LabelY(), 794);
}

TEST(SheetLayout, PrinterDeviceUnitsAreWhole) {
    // A 4800 x 6800 page, font 67 high: the band is round(80.4) = 80, cells round(1350) wide at
    // round(1350 / 0.9) = 1500 apart, rows 3210 apart and 3009 high, y downward.
    const TSheetLayout layout(PrinterSheetStyle(150, 67), 4800, 6800, 3, 2);
    EXPECT_EQ(layout.CellWidth(), 1350);
    EXPECT_EQ(layout.CellHeight(), 3009);
    const TSheetCell last = layout.Cell(5);
    EXPECT_EQ(last.Left, 3150);
    EXPECT_EQ(last.Top, 3440);
    EXPECT_EQ(last.CaptionX, 3190);
    EXPECT_EQ(last.CaptionY, 3440 + 3009 + 30);
    EXPECT_EQ(layout.LabelX(100), 4800 - 335 - 100);
    EXPECT_EQ(layout.LabelY(), 230 - 134);
    // 7 columns of 4500 units: 578.57 rounds to 579 and the pitch to round(643.3) = 643.
    const TSheetLayout seven(PrinterSheetStyle(150, 67), 4800, 6800, 7, 1);
    EXPECT_EQ(seven.CellWidth(), 579);
    EXPECT_EQ(seven.Cell(1).Left, 150 + 643);
}

TEST(SheetLayout, GridLimitsAndLabels) {
    EXPECT_TRUE(SheetGridInRange(1, 1));
    EXPECT_TRUE(SheetGridInRange(100, 20));
    EXPECT_FALSE(SheetGridInRange(0, 1));
    EXPECT_FALSE(SheetGridInRange(101, 1));
    EXPECT_FALSE(SheetGridInRange(1, 0));
    EXPECT_FALSE(SheetGridInRange(1, 21));
    EXPECT_EQ(SheetColumnRange(), "1..100");
    EXPECT_EQ(SheetRowRange(), "1..20");
    EXPECT_EQ(SheetPageLabel(12), "pg.  12.");
}

TEST(SheetLayout, CellsFlowOntoPagesAndStopWhenAsked) {
    const TSheetLayout layout(PdfSheetStyle(), 596, 842, 2, 2);
    std::string log;
    EXPECT_TRUE(LayOutSheets(
        layout, 5,
        [&](int page, size_t first) {
            log += "P" + std::to_string(page) + "@" + std::to_string(first) + " ";
            return true;
        },
        [&](size_t i, size_t onPage, const TSheetCell& cell) {
            EXPECT_EQ(cell.Left, layout.Cell(onPage).Left);
            log += std::to_string(i) + ":" + std::to_string(onPage) + " ";
            return true;
        }));
    EXPECT_EQ(log, "P1@0 0:0 1:1 2:2 3:3 P2@4 4:0 ");

    int cells = 0;
    EXPECT_FALSE(LayOutSheets(
        layout, 9, [](int page, size_t) { return page < 2; },
        [&](size_t, size_t, const TSheetCell&) { return ++cells < 9; }));
    EXPECT_EQ(cells, 4); // the second page was refused before its first cell
    EXPECT_TRUE(LayOutSheets(
        layout, 0, [](int, size_t) { return false; },
        [](size_t, size_t, const TSheetCell&) { return false; }));
}
