// sldtool export and convert: the files they leave, and the ones they refuse to write.
#include "SlideWriter.h"
#include "TestFiles.h"
#include "graphics/Bitmap4.h"
#include "graphics/BmpWriter.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string Q(const std::string& s) {
    return "'" + s + "'";
}

std::vector<uint8_t> PlanSlide() {
    TSlideWriter w(400, 300);
    w.Colour(3);
    w.Vector(0, 0, 399, 299);
    w.Fill({{50, 50}, {150, 60}, {100, 200}});
    w.End();
    return w.Bytes();
}

// A 4-bit BMP of width x height, white except a red top-left pixel.
std::vector<uint8_t> Picture(int width, int height) {
    TBitmap4 p;
    p.Width = width;
    p.Height = height;
    p.Indices.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 15);
    p.Indices[0] = 9;
    return EncodeBmp4(p);
}

} // namespace

TEST(SldtoolExport, EveryFormatWritesOneFilePerSlide) {
    TTempDir dir;
    WriteFileBytes(dir.File("PLAN.SLD"), PlanSlide());
    std::string out;
    ASSERT_EQ(
        RunSldtool("lib create " + Q(dir.File("lib.slb")) + " " + Q(dir.File("PLAN.SLD")), &out), 0)
        << out;
    for (const char* format : {"bmp", "png", "jpg", "wmf", "emf", "svg"}) {
        ASSERT_EQ(RunSldtool("export " + Q(dir.File("PLAN.SLD")) + " -d " + Q(dir.Path()) +
                                 " --format " + format + " --size 32x32 --background black",
                             &out),
                  0)
            << out;
        EXPECT_TRUE(FileExists(dir.File(std::string("PLAN.") + format))) << format;
    }
    // A library slide PLAN (its name has no extension) gives PLAN.bmp too, at its own size,
    // in a folder that export makes.
    ASSERT_EQ(RunSldtool("export " + Q(dir.File("lib.slb")) + " -d " + Q(dir.File("sub/new")) +
                             " --format bmp",
                         &out),
              0)
        << out;
    const std::vector<uint8_t> bmp = ReadFileBytes(dir.File("sub/new/PLAN.bmp"));
    ASSERT_GT(bmp.size(), 26u);
    EXPECT_EQ(bmp[18] | (bmp[19] << 8), 400);
    EXPECT_EQ(bmp[22] | (bmp[23] << 8), 300);

    EXPECT_EQ(
        RunSldtool("export " + Q(dir.File("PLAN.SLD")) + " -d " + Q(dir.Path()) + " --format gif",
                   &out),
        2);
    // A folder that cannot be made is an error naming it.
    EXPECT_EQ(RunSldtool("export " + Q(dir.File("PLAN.SLD")) + " -d " +
                             Q(dir.File("PLAN.SLD") + "/x") + " --format bmp",
                         &out),
              1);
    EXPECT_NE(out.find("Cannot create folder"), std::string::npos) << out;
}

TEST(SldtoolConvert, WritesTheSlideBesideThePicture) {
    TTempDir dir;
    WriteFileBytes(dir.File("logo.bmp"), Picture(3, 2));
    std::string out;
    ASSERT_EQ(RunSldtool("convert " + Q(dir.File("logo.bmp")), &out), 0) << out;
    const std::vector<uint8_t> slide = ReadFileBytes(dir.File("logo.sld"));
    ASSERT_GT(slide.size(), 31u);
    EXPECT_EQ(slide[19], 3); // HighX
    EXPECT_EQ(slide[21], 2); // HighY
    EXPECT_EQ(slide[31], 1); // the first colour record: red is index 1
    ASSERT_EQ(RunSldtool("info " + Q(dir.File("logo.sld")), &out), 0) << out;

    // On a white background white pixels become index 0 instead of 7.
    ASSERT_EQ(RunSldtool("convert " + Q(dir.File("logo.bmp")) + " -o " + Q(dir.File("w.sld")) +
                             " --background white",
                         &out),
              0)
        << out;
    const std::vector<uint8_t> white = ReadFileBytes(dir.File("w.sld"));
    const std::vector<uint8_t> black = ReadFileBytes(dir.File("logo.sld"));
    EXPECT_NE(white, black);
}

TEST(SldtoolConvert, RefusesPicturesTooLargeForASlideAndWritesNothing) {
    TTempDir dir;
    WriteFileBytes(dir.File("wide.bmp"), Picture(32768, 1));
    WriteFileBytes(dir.File("flat.bmp"), Picture(215, 1));
    WriteFileBytes(dir.File("flat.sld"), {1, 2, 3});
    std::string out;
    EXPECT_EQ(RunSldtool("convert " + Q(dir.File("wide.bmp")), &out), 1);
    EXPECT_NE(out.find("32767"), std::string::npos) << out;
    EXPECT_FALSE(FileExists(dir.File("wide.sld")));
    EXPECT_EQ(RunSldtool("convert " + Q(dir.File("flat.bmp")), &out), 1);
    EXPECT_NE(out.find("too wide"), std::string::npos) << out;
    EXPECT_EQ(ReadFileBytes(dir.File("flat.sld")), (std::vector<uint8_t>{1, 2, 3}));
    WriteFileBytes(dir.File("junk.bmp"), {'B', 'M', 0});
    EXPECT_EQ(RunSldtool("convert " + Q(dir.File("junk.bmp")), &out), 1);
    EXPECT_NE(out.find("junk.bmp"), std::string::npos) << out;
}

TEST(SldtoolExport, ThreadsWriteTheSameFilesAsOne) {
    TTempDir dir;
    // Forty slides of a library and two slide files, one of them named like a library slide
    // (S3): the file left is the one written last, as with one thread.
    std::string sources;
    for (int n = 0; n < 40; ++n) {
        TSlideWriter w(300 + n, 200);
        for (int k = 0; k < 10; ++k) {
            w.Colour(n + k + 1);
            w.Vector(k * 20, 0, 299 - k * 9, 199 - n);
        }
        w.End();
        const std::string name = "S" + std::to_string(n) + ".sld";
        WriteFileBytes(dir.File(name), w.Bytes());
        sources += " " + Q(dir.File(name));
    }
    std::string out;
    ASSERT_EQ(RunSldtool("lib create " + Q(dir.File("all.slb")) + sources, &out), 0) << out;
    WriteFileBytes(dir.File("PLAN.SLD"), PlanSlide());
    std::filesystem::create_directory(dir.File("twin"));
    WriteFileBytes(dir.File("twin/S3.sld"), PlanSlide());
    const std::string what =
        Q(dir.File("all.slb")) + " " + Q(dir.File("PLAN.SLD")) + " " + Q(dir.File("twin/S3.sld"));
    for (const char* format : {"png", "emf", "jpg"}) {
        std::string one, two;
        ASSERT_EQ(RunSldtool("export " + what + " -d " + Q(dir.File("one")) + " --format " +
                                 format + " --size 128x80 -j 1",
                             &one),
                  0)
            << one;
        ASSERT_EQ(RunSldtool("export " + what + " -d " + Q(dir.File("two")) + " --format " +
                                 format + " --size 128x80 -j 2",
                             &two),
                  0)
            << two;
        // The same paths, in the same order, and the same bytes in each file.
        std::string twoAsOne = two;
        for (size_t at; (at = twoAsOne.find(dir.File("two/"))) != std::string::npos;)
            twoAsOne.replace(at, dir.File("two/").size(), dir.File("one/"));
        EXPECT_EQ(twoAsOne, one);
        for (int n = 0; n < 40; ++n) {
            const std::string file = "S" + std::to_string(n) + "." + format;
            ASSERT_EQ(ReadFileBytes(dir.File("one/" + file)),
                      ReadFileBytes(dir.File("two/" + file)))
                << file;
        }
        const std::string planned = std::string("S3.") + format;
        EXPECT_EQ(ReadFileBytes(dir.File("one/" + planned)),
                  ReadFileBytes(dir.File("two/" + planned)));
        EXPECT_EQ(ReadFileBytes(dir.File("one/" + planned)),
                  ReadFileBytes(dir.File(std::string("one/PLAN.") + format)));
    }
    EXPECT_EQ(
        RunSldtool("export " + what + " -d " + Q(dir.File("x")) + " --format png -j many", &out),
        2);
}
