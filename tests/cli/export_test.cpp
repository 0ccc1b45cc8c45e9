// sldtool export and convert: the files they leave, and the ones they refuse to write.
#include "SlideWriter.h"
#include "TestFiles.h"
#include "graphics/Bitmap4.h"
#include "graphics/BmpWriter.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

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
    const std::string plan = Q(dir.File("PLAN.SLD"));
    WriteFileBytes(dir.File("PLAN.SLD"), PlanSlide());
    Sldtool("lib create " + Q(dir.File("lib.slb")) + " " + plan);
    for (const char* format : {"bmp", "png", "jpg", "wmf", "emf", "svg"}) {
        Sldtool("export " + plan + " -d " + Q(dir.Path()) + " --format " + format +
                " --size 32x32 --background black");
        EXPECT_TRUE(FileExists(dir.File(std::string("PLAN.") + format))) << format;
    }
    // A library slide PLAN (its name has no extension) gives PLAN.bmp too, at its own size,
    // in a folder that export makes.
    Sldtool("export " + Q(dir.File("lib.slb")) + " -d " + Q(dir.File("sub/new")) + " --format bmp");
    const std::vector<uint8_t> bmp = ReadFileBytes(dir.File("sub/new/PLAN.bmp"));
    ASSERT_GT(bmp.size(), 26u);
    EXPECT_EQ(bmp[18] | (bmp[19] << 8), 400);
    EXPECT_EQ(bmp[22] | (bmp[23] << 8), 300);

    Sldtool("export " + plan + " -d " + Q(dir.Path()) + " --format gif", 2);
    // A folder that cannot be made is an error naming it.
    const std::string out =
        Sldtool("export " + plan + " -d " + Q(dir.File("PLAN.SLD") + "/x") + " --format bmp", 1);
    EXPECT_NE(out.find("Cannot create folder"), std::string::npos) << out;
}

TEST(SldtoolConvert, WritesTheSlideBesideThePictureOrNothing) {
    TTempDir dir;
    WriteFileBytes(dir.File("logo.bmp"), Picture(3, 2));
    Sldtool("convert " + Q(dir.File("logo.bmp")));
    const std::vector<uint8_t> slide = ReadFileBytes(dir.File("logo.sld"));
    ASSERT_GT(slide.size(), 31u);
    EXPECT_EQ(slide[19], 3); // HighX
    EXPECT_EQ(slide[21], 2); // HighY
    EXPECT_EQ(slide[31], 1); // the first colour record: red is index 1
    // On a white background white pixels become index 0 instead of 7.
    Sldtool("convert " + Q(dir.File("logo.bmp")) + " -o " + Q(dir.File("w.sld")) +
            " --background white");
    EXPECT_NE(ReadFileBytes(dir.File("w.sld")), slide);

    // Too wide for a slide's extents or for its aspect, or not a picture: the old file stays.
    WriteFileBytes(dir.File("wide.bmp"), Picture(32768, 1));
    WriteFileBytes(dir.File("flat.bmp"), Picture(215, 1));
    WriteFileBytes(dir.File("flat.sld"), {1, 2, 3});
    WriteFileBytes(dir.File("junk.bmp"), {'B', 'M', 0});
    for (const auto& [name, why] :
         {std::pair{"wide", "32767"}, {"flat", "too wide"}, {"junk", "junk.bmp"}}) {
        const std::string out = Sldtool("convert " + Q(dir.File(name + std::string(".bmp"))), 1);
        EXPECT_NE(out.find(why), std::string::npos) << out;
    }
    EXPECT_FALSE(FileExists(dir.File("wide.sld")));
    EXPECT_EQ(ReadFileBytes(dir.File("flat.sld")), (std::vector<uint8_t>{1, 2, 3}));
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
    Sldtool("lib create " + Q(dir.File("all.slb")) + sources);
    WriteFileBytes(dir.File("PLAN.SLD"), PlanSlide());
    std::filesystem::create_directory(dir.File("twin"));
    WriteFileBytes(dir.File("twin/S3.sld"), PlanSlide());
    const std::string what =
        Q(dir.File("all.slb")) + " " + Q(dir.File("PLAN.SLD")) + " " + Q(dir.File("twin/S3.sld"));
    for (const std::string format : {"png", "emf", "jpg"}) {
        const std::string options = " --format " + format + " --size 128x80 -j ";
        const std::string one =
            Sldtool("export " + what + " -d " + Q(dir.File("one")) + options + "1");
        std::string two = Sldtool("export " + what + " -d " + Q(dir.File("two")) + options + "2");
        // The same paths, in the same order, and the same bytes in each file.
        for (size_t at; (at = two.find(dir.File("two/"))) != std::string::npos;)
            two.replace(at, dir.File("two/").size(), dir.File("one/"));
        EXPECT_EQ(two, one);
        for (int n = 0; n < 40; ++n) {
            const std::string file = "S" + std::to_string(n) + "." + format;
            ASSERT_EQ(ReadFileBytes(dir.File("one/" + file)),
                      ReadFileBytes(dir.File("two/" + file)))
                << file;
        }
        EXPECT_EQ(ReadFileBytes(dir.File("one/S3." + format)),
                  ReadFileBytes(dir.File("one/PLAN." + format)));
    }
    Sldtool("export " + what + " -d " + Q(dir.File("x")) + " --format png -j many", 2);
}
