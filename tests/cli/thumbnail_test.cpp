// sldtool thumbnail (the file manager's thumbnailer), --help and --version: the pictures it
// writes, and the files it refuses without leaving a picture behind.
#include "SlideFixtures.h"
#include "SlideWriter.h"
#include "TestFiles.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

// A PNG decoded by netpbm's reader, so the test does not trust our own writer.
struct TPicture {
    int Width = 0, Height = 0;
    std::vector<uint8_t> Rgb;
    uint32_t At(int x, int y) const {
        const size_t i = (static_cast<size_t>(y) * Width + x) * 3;
        return (uint32_t{Rgb[i]} << 16) | (uint32_t{Rgb[i + 1]} << 8) | Rgb[i + 2];
    }
    // Pixels of the rectangle that are not colour.
    int CountOther(int x0, int y0, int x1, int y1, uint32_t colour) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += At(x, y) != colour;
        return n;
    }
};

TPicture ReadPicture(const std::string& png) {
    TPicture p;
    const std::string ppm = png + ".ppm";
    if (RunCommand("pngtopnm " + Q(png) + " > " + Q(ppm)) != 0)
        return p;
    const std::vector<uint8_t> bytes = ReadFileBytes(ppm);
    // "P6 W H 255" and one whitespace byte, then the pixels.
    int maxval = 0, consumed = 0;
    if (std::sscanf(reinterpret_cast<const char*>(bytes.data()), "P6 %d %d %d%n", &p.Width,
                    &p.Height, &maxval, &consumed) != 3)
        return {};
    p.Rgb.assign(bytes.begin() + consumed + 1, bytes.end());
    if (p.Rgb.size() != static_cast<size_t>(p.Width) * p.Height * 3)
        return {};
    return p;
}

// A slide in colour 2 (yellow): a frame just inside its extents and a filled triangle.
std::vector<uint8_t> WideSlide(int highX, int highY) {
    TSlideWriter w(highX, highY);
    w.Colour(2);
    const int r = highX - 1, t = highY - 1;
    w.Vector(0, 1, r, 1);
    w.Vector(r, 1, r, t);
    w.Vector(r, t, 0, t);
    w.Vector(0, t, 0, 1);
    w.Fill({{highX / 4, highY / 4}, {highX * 3 / 4, highY / 4}, {highX / 2, highY * 3 / 4}});
    w.End();
    return w.Bytes();
}

constexpr uint32_t kBlack = 0x000000;

class ThumbnailTest : public ::testing::Test {
protected:
    // Runs the thumbnailer on in at size, expecting status; returns what it said.
    std::string Thumb(const std::string& in, int size, int status = 0) {
        return Sldtool("thumbnail -s " + std::to_string(size) + " " + Q(in) + " " +
                           Q(dir.File("out.png")),
                       status);
    }
    // The command failed, said why naming the file, and left no picture.
    void ExpectRefused(const std::string& in, const std::string& why) {
        const std::string text = Thumb(in, 128, 1);
        EXPECT_NE(text.find("no thumbnail for \"" + in + "\""), std::string::npos) << text;
        EXPECT_NE(text.find(why), std::string::npos) << text;
        EXPECT_FALSE(FileExists(dir.File("out.png"))) << in;
    }

    TTempDir dir;
};

TEST_F(ThumbnailTest, ASlideKeepsItsProportionsOnBlack) {
    WriteFileBytes(dir.File("wide.sld"), WideSlide(400, 300));
    Thumb(dir.File("wide.sld"), 128);
    TPicture p = ReadPicture(dir.File("out.png"));
    ASSERT_EQ(p.Width, 128);
    ASSERT_EQ(p.Height, 96);
    // The frame runs along the edges, the triangle fills the middle, yellow on black.
    EXPECT_EQ(p.At(64, 40), 0xFFFF00u);
    EXPECT_EQ(p.At(0, 50), 0xFFFF00u);
    EXPECT_EQ(p.At(10, 10), kBlack);

    // Upright, the height is the longer side; without its extension a slide is known by its
    // first bytes.
    WriteFileBytes(dir.File("tall"), WideSlide(300, 400));
    Thumb(dir.File("tall"), 256);
    p = ReadPicture(dir.File("out.png"));
    EXPECT_EQ(p.Width, 192);
    EXPECT_EQ(p.Height, 256);
}

TEST_F(ThumbnailTest, ALibraryShowsItsOnlySlideOrASheetOfItsFirstFour) {
    WriteLibrary(dir.File("one.slb"), {{"ONLY", WideSlide(400, 100)}});
    Thumb(dir.File("one.slb"), 128);
    TPicture p = ReadPicture(dir.File("out.png"));
    EXPECT_EQ(p.Width, 128);
    EXPECT_EQ(p.Height, 32);

    // Three slides, known without the extension: a square sheet with a grey cross between the
    // cells; the fourth cell stays black.
    WriteLibrary(
        dir.File("three"),
        {{"A", WideSlide(100, 100)}, {"B", WideSlide(100, 100)}, {"C", WideSlide(100, 100)}});
    Thumb(dir.File("three"), 128);
    p = ReadPicture(dir.File("out.png"));
    ASSERT_EQ(p.Width, 128);
    ASSERT_EQ(p.Height, 128);
    const int cell = (128 - 2) / 2; // gap of 128 / 64 = 2 pixels
    EXPECT_EQ(p.CountOther(cell, 0, cell + 2, 128, 0x404040), 0);
    EXPECT_EQ(p.CountOther(0, cell, 128, cell + 2, 0x404040), 0);
    for (auto [x, y] : {std::pair{0, 0}, {cell + 2, 0}, {0, cell + 2}})
        EXPECT_GT(p.CountOther(x, y, x + cell, y + cell, kBlack), 100) << x << "," << y;
    EXPECT_EQ(p.CountOther(cell + 2, cell + 2, 128, 128, kBlack), 0);
}

TEST_F(ThumbnailTest, APatternFileShowsItsFirstPatternBlackOnWhite) {
    WriteFileText(dir.File("h.PAT"), "; comment\r\n*LINES,horizontal\r\n0, 0,0, 0,0.25\r\n"
                                     "*CROSS,second\r\n0, 0,0, 0,1\r\n90, 0,0, 0,1\r\n");
    Thumb(dir.File("h.PAT"), 100);
    const TPicture p = ReadPicture(dir.File("out.png"));
    ASSERT_EQ(p.Width, 100);
    ASSERT_EQ(p.Height, 100);
    // Horizontal lines only: some rows are black all across, and no column is.
    int blackRows = 0, blackColumns = 0;
    for (int y = 0; y < 100; ++y)
        blackRows += p.CountOther(0, y, 100, y + 1, kBlack) == 0;
    for (int x = 0; x < 100; ++x)
        blackColumns += p.CountOther(x, 0, x + 1, 100, kBlack) == 0;
    EXPECT_GT(blackRows, 2);
    EXPECT_EQ(blackColumns, 0);
    EXPECT_GT(p.CountOther(0, 0, 100, 100, kBlack), 100 * 100 / 2) << "mostly white";
}

TEST_F(ThumbnailTest, DamagedFilesGetNoPictureAndAClearError) {
    // A record head of the invalid range: the renderer would stop there.
    TSlideWriter bad(100, 100);
    bad.Colour(1);
    bad.Vector(0, 0, 100, 100);
    bad.Raw({0x00, 0x90});
    bad.End();
    WriteFileBytes(dir.File("bad.sld"), bad.Bytes());
    ExpectRefused(dir.File("bad.sld"), "Error reading slide file. *Invalid*");

    // No end-of-slide record.
    std::vector<uint8_t> cut = WideSlide(100, 100);
    cut.resize(cut.size() - 2);
    WriteFileBytes(dir.File("cut.sld"), cut);
    ExpectRefused(dir.File("cut.sld"), "Stream read error");

    // Extents 0 x 0 cannot be fitted.
    TSlideWriter flat(0, 0);
    flat.End();
    WriteFileBytes(dir.File("flat.sld"), flat.Bytes());
    ExpectRefused(dir.File("flat.sld"), "both of its extents are 0");

    // A library whose second slide is damaged: the sheet would be incomplete.
    WriteLibrary(dir.File("lib.slb"), {{"GOOD", WideSlide(100, 100)}, {"BAD", bad.Bytes()}});
    ExpectRefused(dir.File("lib.slb"), "slide \"BAD\": Error reading slide file. *Invalid*");

    // A library whose directory runs off its end, and one with no slides.
    std::string head = "AutoCAD Slide Library 1.0\r\n\x1a";
    head.resize(40, '\0');
    head[32] = 'X';
    WriteFileText(dir.File("short.slb"), head);
    ExpectRefused(dir.File("short.slb"), "Stream read error");
    WriteLibrary(dir.File("empty.slb"), {});
    ExpectRefused(dir.File("empty.slb"), "holds no slides");

    // A pattern file without patterns, a file of another kind, a missing file, a folder.
    WriteFileText(dir.File("none.pat"), "; x\n");
    ExpectRefused(dir.File("none.pat"), "holds no patterns");
    WriteFileText(dir.File("notes.txt"), "hi");
    ExpectRefused(dir.File("notes.txt"), "not a slide, slide library or pattern file");
    ExpectRefused(dir.File("gone.sld"), "no such file");
    ExpectRefused(dir.Path(), "not a file");
}

TEST_F(ThumbnailTest, BadUsageExitsWithTwo) {
    WriteFileBytes(dir.File("a.sld"), WideSlide(10, 10));
    for (const char* size : {"0", "4097", "12x", "-3", ""})
        EXPECT_EQ(RunSldtool(std::string("thumbnail -s '") + size + "' " + Q(dir.File("a.sld")) +
                             " " + Q(dir.File("out.png"))),
                  2)
            << size;
    EXPECT_EQ(RunSldtool("thumbnail " + Q(dir.File("a.sld"))), 2);
    EXPECT_FALSE(FileExists(dir.File("out.png")));
    // Without -s the freedesktop "normal" size.
    Sldtool("thumbnail " + Q(dir.File("a.sld")) + " " + Q(dir.File("out.png")));
    EXPECT_EQ(ReadPicture(dir.File("out.png")).Width, 128);
}

// sldtool's standard output alone, and its exit code.
int StandardOutput(const std::string& arguments, std::string& text) {
    return RunCommand(std::string("( '") + VARNEL_SLDTOOL + "' " + arguments + " 2>/dev/null )",
                      &text);
}

TEST(SldtoolHelp, HelpAndVersionGoToStandardOutput) {
    std::string text;
    for (const char* flag : {"--help", "-h", "help"}) {
        ASSERT_EQ(StandardOutput(flag, text), 0) << flag;
        EXPECT_EQ(text.rfind("usage: sldtool COMMAND", 0), 0u) << flag;
        EXPECT_NE(text.find("thumbnail [-s SIZE] IN OUT.png"), std::string::npos);
    }
    ASSERT_EQ(StandardOutput("--version", text), 0);
    EXPECT_EQ(text.rfind("sldtool ", 0), 0u) << text;
    EXPECT_EQ(text.back(), '\n');
    // Without a command: the usage on standard error, exit 2.
    EXPECT_EQ(StandardOutput("", text), 2);
    EXPECT_TRUE(text.empty()) << text;
}

// COMMAND --help (or -h, anywhere among its arguments): that command's usage, exit 0, nothing
// run; a mistake prints the same lines after the message.
TEST(SldtoolHelp, EachCommandHasItsOwnHelp) {
    std::string text;
    for (const char* command :
         {"info", "render", "lib", "export", "pdf", "pat", "convert", "thumbnail"}) {
        for (const char* flag : {"--help", "-h"}) {
            ASSERT_EQ(StandardOutput(std::string(command) + " " + flag, text), 0)
                << command << " " << flag << ": " << text;
            EXPECT_EQ(
                text.rfind("usage: sldtool " + std::string(command) + " ...\n  " + command, 0), 0u)
                << text;
            EXPECT_EQ(text.find("unknown option"), std::string::npos) << text;
        }
    }
    ASSERT_EQ(StandardOutput("lib rename nosuch.slb --help", text), 0);
    EXPECT_NE(text.find("lib rename LIB.slb OLD NEW"), std::string::npos) << text;
    EXPECT_EQ(text.find("thumbnail"), std::string::npos) << text;

    // A mistake: the message, then the same usage on standard error, exit 2.
    std::string help, mistake;
    StandardOutput("pdf --help", help);
    EXPECT_EQ(RunSldtool("pdf --frobnicate", &mistake), 2);
    EXPECT_EQ(mistake, "sldtool: unknown option \"--frobnicate\"\n" + help);
}

} // namespace
