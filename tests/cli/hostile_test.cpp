// sldtool on the hostile files of tests/data/malformed/: each ends at once with a result or a
// clear refusal.
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Malformed(const std::string& name) {
    return Q(std::string(VARNEL_SOURCE_DIR) + "/tests/data/malformed/" + name);
}

} // namespace

TEST(HostileFiles, LibraryAliasesAreRefusedByName) {
    const std::string out =
        Sldtool("lib list " + Malformed("library_entries_alias_one_slide.slb"), 1);
    EXPECT_NE(out.find("sldtool: Cannot read slide library"), std::string::npos) << out;
    EXPECT_NE(out.find("both start at offset 36068; a library holds each slide once"),
              std::string::npos)
        << out;
}

TEST(HostileFiles, PatternSheetsOfFineLinesAreWritten) {
    TTempDir dir;
    const std::string dense = Malformed("pattern_lines_closer_than_a_pixel.pat");
    Sldtool("pat pdf " + dense + " -o " + Q(dir.File("dense.pdf")));
    std::string out;
    EXPECT_EQ(RunCommand("qpdf --show-npages " + Q(dir.File("dense.pdf")), &out), 0) << out;
    EXPECT_EQ(out, "86\n");
    EXPECT_EQ(
        Sldtool("pat render " + dense + " DENSE7 --size 1000x700 -o " + Q(dir.File("dense.png"))),
        "Scale: 100.00\n");
}

TEST(HostileFiles, TwoColourPictureConverts) {
    TTempDir dir;
    Sldtool("convert " + Malformed("bitmap_two_colours_off_the_palette.bmp") + " -o " +
            Q(dir.File("checker.sld")));
    // A dot per pixel, a colour record for all but the first pixel of each column.
    EXPECT_EQ(ReadFileBytes(dir.File("checker.sld")).size(),
              31u + 2 + 256 * 256 * 8 + 256 * 255 * 2 + 2);
}

TEST(HostileFiles, PictureTooWideForASlideIsRefusedAndWritesNothing) {
    TTempDir dir;
    const std::string out = Sldtool("convert " + Malformed("bitmap_too_wide_for_a_slide.bmp") +
                                        " -o " + Q(dir.File("wide.sld")),
                                    1);
    EXPECT_NE(out.find("The image is 269 x 1 pixels, too wide for a slide"), std::string::npos)
        << out;
    EXPECT_FALSE(FileExists(dir.File("wide.sld")));
}
