// sldtool info and render, run as a user would.
#include "SlideWriter.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {

std::string Write(const TTempDir& dir, const std::string& name, const TSlideWriter& w) {
    WriteFileBytes(dir.File(name), w.Bytes());
    return Q(dir.File(name));
}

} // namespace

TEST(SldtoolInfo, JsonAgreesWithTheReader) {
    TTempDir dir;
    TSlideWriter big(639, 479, 2, TSlideWriter::TByteOrder::Big);
    big.Colour(1);
    big.Vector(0, 0, 639, 479);
    big.End();
    TSlideWriter old(10, 10, 1);
    old.End();
    old.Raw({1, 2, 3}); // bytes after the end do not count
    const std::string out =
        Sldtool("info --json " + Write(dir, "b.sld", big) + " " + Write(dir, "c.sld", old));
    EXPECT_NE(out.find("\"name\": \"b.sld\", \"level\": 2, \"native\": false, \"highx\": 639, "
                       "\"highy\": 479, \"header_len\": 31, \"length\": 43, \"records\": "
                       "{\"vector\": 1, \"offset_vector\": 0, \"end\": 1, \"fill\": 0, "
                       "\"common_endpoint\": 0, \"colour\": 1}, \"error\": null}"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\"level\": 1, \"native\": true, \"highx\": 10, \"highy\": 10, "
                       "\"header_len\": 34, \"length\": 36"),
              std::string::npos)
        << out;
}

TEST(SldtoolInfo, ReportsTheFirstErrorOfDamagedSlides) {
    TTempDir dir;
    TSlideWriter invalid(100, 100);
    invalid.Vector(1, 1, 2, 2);
    invalid.Raw({0x00, 0xFA});
    invalid.End();
    TSlideWriter zero(0, 0);
    zero.End();
    std::string out = Sldtool("info --json " + Write(dir, "bad.sld", invalid) + " " +
                              Write(dir, "zero.sld", zero));
    EXPECT_NE(out.find("\"length\": null, \"records\": {\"vector\": 1, \"offset_vector\": 0, "
                       "\"end\": 0, \"fill\": 0, \"common_endpoint\": 0, \"colour\": 0}, "
                       "\"error\": \"Error reading slide file. *Invalid*\""),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\"length\": 33"), std::string::npos) << out;
    EXPECT_NE(out.find("both of its extents are 0"), std::string::npos) << out;

    // A file too short for a header is an error naming the file.
    WriteFileBytes(dir.File("short.sld"), {1, 2, 3});
    out = Sldtool("info " + Q(dir.File("short.sld")), 1);
    EXPECT_NE(out.find("short.sld"), std::string::npos) << out;
    Sldtool("info --bogus x.sld", 2);
}

TEST(SldtoolRender, WritesAPngOfTheAskedSize) {
    TTempDir dir;
    TSlideWriter w(200, 100);
    w.Colour(1);
    w.Vector(0, 0, 199, 99);
    w.End();
    const std::string png = dir.File("out.png");
    Sldtool("render " + Write(dir, "s.sld", w) + " -o " + Q(png) +
            " --size 64x32 --background white");
    const std::vector<uint8_t> bytes = ReadFileBytes(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes[1], 'P');
    // IHDR width and height, big-endian.
    EXPECT_EQ(bytes[16 + 3], 64);
    EXPECT_EQ(bytes[20 + 3], 32);
    Sldtool("render " + Q(dir.File("s.sld")) + " -o " + Q(png) + " --size 0x5", 2);
}
