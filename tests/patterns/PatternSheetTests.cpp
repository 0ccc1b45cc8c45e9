// Pattern sheets: cells, pages, page numbers, dots, and files that qpdf accepts.
#include "PdfTestSupport.h"
#include "TestFiles.h"
#include "base/Streams.h"
#include "patterns/upat.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A module holding n patterns; the first has a dot family, the rest plain lines.
TPatternModule Patterns(int n) {
    TPatternModule m;
    m.PatternLines.push_back(";; generated");
    for (int k = 0; k < n; ++k) {
        m.Entries.push_back(
            {"P" + std::to_string(k + 1), static_cast<int>(m.PatternLines.size()), -1});
        m.PatternLines.push_back("*P" + std::to_string(k + 1) + ",generated");
        m.PatternLines.push_back(k == 0 ? "0, .05,.05, 0,2, 0,-2" : "45, 0,0, 0,.3");
    }
    return m;
}

// The file with its streams uncompressed, as text.
std::string Uncompressed(const TTempDir& dir, const std::string& pdf) {
    const std::string plain = dir.File("plain.pdf");
    std::string out;
    EXPECT_EQ(RunCommand("qpdf --qdf --object-streams=disable '" + pdf + "' '" + plain + "'", &out),
              0)
        << out;
    const std::vector<uint8_t> bytes = ReadFileBytes(plain);
    return {bytes.begin(), bytes.end()};
}

int Pages(const std::string& pdf) {
    std::string out;
    EXPECT_EQ(RunCommand("qpdf --show-npages '" + pdf + "'", &out), 0) << out;
    return std::stoi(out);
}

void ExpectQpdfCheckPasses(const std::string& pdf) {
    std::string out;
    EXPECT_EQ(RunCommand("qpdf --check '" + pdf + "'", &out), 0) << out;
}

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

TEST(PatternSheets, FifteenPatternsFillAPageAndTheSixteenthStartsTheNext) {
    TTempDir dir;
    TPatternModule m = Patterns(16);
    const std::string written = m.WritePatternSheets(dir.File("sheet.pat"));
    EXPECT_EQ(written, dir.File("sheet.pdf")); // the chosen name's extension becomes .pdf
    ExpectQpdfCheckPasses(written);
    EXPECT_EQ(Pages(written), 2);
    const std::string text = Uncompressed(dir, written);
    const size_t second = text.find("(pg.  2.) Tj");
    ASSERT_NE(second, std::string::npos);
    const std::string first = text.substr(0, second);
    EXPECT_EQ(Count(first, "(pg.  1.) Tj"), 1u);
    EXPECT_EQ(Count(first, "\nW\nn\n"), 15u);
    // Font once, on the first page; caps and line width once per page, before its cells,
    // the width counting in the cells' space of hundredths of a point (0.03 pt on the first
    // page, 1 pt on the others). The cells draw in the page's starting black.
    EXPECT_NE(first.find("stream\n/F0 10 Tf\n/F0 8 Tf\n1 J\n3 w\nBT\n"), std::string::npos);
    EXPECT_EQ(Count(text, " w\n"), 2u);
    EXPECT_EQ(Count(text, " J\n"), 2u);
    EXPECT_EQ(Count(text, " RG\n") + Count(text, " rg\n"), 0u);
    EXPECT_NE(text.find("/F0 10 Tf\n1 J\n100 w\nBT\n"), std::string::npos);
    // The first cell: clip path inside the saved state, then the cell's space from its lower
    // left corner (36, 666), the frame in it, and the caption.
    EXPECT_NE(first.find("q\n36 782 m\n193.2 782 l\n193.2 666 l\n36 666 l\nh\nW\nn\n"
                         "0.01 0 0 0.01 36 666 cm\n"),
              std::string::npos);
    EXPECT_NE(first.find("0 11600 m\n15720 11600 l\n15720 0 l\n0 0 l\n0 11600 l\nS\nQ\nBT\n"
                         "66 651 Td\n(P1) Tj\nET\n"),
              std::string::npos);
    // Its dots are zero-length subpaths (0.05 at scale 10 from the cell's corner: half a
    // point, 50 hundredths).
    EXPECT_NE(first.find("\n50 50 m\n50 50 l\n"), std::string::npos);
    // The last cell of the page: column 3, row 5.
    EXPECT_NE(first.find("(P15) Tj"), std::string::npos);
    EXPECT_NE(first.find("385.33 198 m\n542.53 198 l\n"), std::string::npos);
    // The second page holds one cell, top left.
    EXPECT_EQ(Count(text.substr(second), "\nW\nn\n"), 1u);
    EXPECT_NE(text.find("q\n36 782 m\n", second), std::string::npos);
    EXPECT_NE(text.find("(P16) Tj", second), std::string::npos);

    EXPECT_EQ(Patterns(0).WritePatternSheets(dir.File("none.pdf")), "");
    EXPECT_FALSE(FileExists(dir.File("none.pdf")));
}

// The pages are deflated at the quick level 2 on whatever thread, to the same bytes as on one
// thread; each segment is its own subpath "x1 y1 m\nx2 y2 l\n" in the cell's hundredths, a dot
// the same point twice.
TEST(PatternSheets, PagesDeflateAtLevelTwoTheSameOnAnyThread) {
    TFixedPdfClock clock;
    TPatternModule m = Patterns(40);
    TMemoryStream out;
    ASSERT_TRUE(m.WritePatternSheets(out));
    const std::string file(out.Bytes().begin(), out.Bytes().end());
    const std::vector<std::string> pages = InflatedStreams(file); // checks the threads too
    ASSERT_EQ(pages.size(), 3u);
    for (const std::string& page : pages)
        EXPECT_NE(file.find(DeflateBytes(page, 2)), std::string::npos);
    ExpectValidPdf(file, 3);
    // The first cell's dots from (0.05, 0.05) at scale 10, one every 20 points along the row,
    // and the second cell's 45 degree lines: whole segments from edge to edge of its tile.
    EXPECT_NE(pages[0].find("cm\n50 50 m\n50 50 l\n2050 50 m\n2050 50 l\n"), std::string::npos);
    EXPECT_NE(pages[0].find("0.01 0 0 0.01 210.67 666 cm\n0 0 m\n11600 11600 l\n0 4243 m\n"
                            "7357 11600 l\n"),
              std::string::npos);
}

TEST(PatternSheets, SampleFilesListRenderAndPrint) {
    // The sample files that ship with the program go through every command of sldtool.
    TTempDir dir;
    const std::string samples = std::string(VARNEL_SOURCE_DIR) + "/samples/";
    for (const char* sample : {"hatches.pat", "metric.pat"}) {
        const std::string pat = Q(samples + sample);
        const std::string out = Sldtool("pat list --json " + pat);
        EXPECT_NE(out.find("\"families\": "), std::string::npos);
        Sldtool("pat pdf " + pat + " -o " + Q(dir.File("s.pdf")));
        ExpectQpdfCheckPasses(dir.File("s.pdf"));
    }
    EXPECT_EQ(Sldtool("pat render " + Q(samples + "hatches.pat") + " gravel -o " +
                      Q(dir.File("g.png")) + " --size 120x80 --scale 10"),
              "Scale:  75.00\n");
    EXPECT_TRUE(FileExists(dir.File("g.png")));
    Sldtool("pat render " + Q(samples + "hatches.pat") + " NOSUCH -o " + Q(dir.File("n.png")), 1);
}
