// sldtool on the hostile files of tests/data/malformed/: each ends at once with a result or a
// clear refusal.
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Malformed(const std::string& name) {
    return "'" + std::string(VARNEL_SOURCE_DIR) + "/tests/data/malformed/" + name + "'";
}

} // namespace

TEST(HostileFiles, LibraryAliasesAreRefusedByName) {
    std::string out;
    EXPECT_EQ(RunSldtool("lib list " + Malformed("library_entries_alias_one_slide.slb"), &out), 1);
    EXPECT_NE(out.find("sldtool: Cannot read slide library"), std::string::npos) << out;
    EXPECT_NE(out.find("both start at offset 36068; a library holds each slide once"),
              std::string::npos)
        << out;
}

TEST(HostileFiles, PatternSheetsOfFineLinesAreWritten) {
    TTempDir dir;
    std::string out;
    EXPECT_EQ(RunSldtool("pat pdf " + Malformed("pattern_lines_closer_than_a_pixel.pat") + " -o '" +
                             dir.File("dense.pdf") + "'",
                         &out),
              0)
        << out;
    EXPECT_EQ(RunCommand("qpdf --show-npages '" + dir.File("dense.pdf") + "'", &out), 0) << out;
    EXPECT_EQ(out, "86\n");
    EXPECT_EQ(RunSldtool("pat render " + Malformed("pattern_lines_closer_than_a_pixel.pat") +
                             " DENSE7 --size 1000x700 -o '" + dir.File("dense.png") + "'",
                         &out),
              0)
        << out;
    EXPECT_EQ(out, "Scale: 100.00\n");
}

TEST(HostileFiles, TwoColourPictureConverts) {
    TTempDir dir;
    std::string out;
    EXPECT_EQ(RunSldtool("convert " + Malformed("bitmap_two_colours_off_the_palette.bmp") +
                             " -o '" + dir.File("checker.sld") + "'",
                         &out),
              0)
        << out;
    // A dot per pixel, a colour record for all but the first pixel of each column.
    EXPECT_EQ(ReadFileBytes(dir.File("checker.sld")).size(),
              31u + 2 + 256 * 256 * 8 + 256 * 255 * 2 + 2);
}
