// Library file records: header, directory entries and the name field rules.
#include "SlideWriter.h"
#include "base/Errors.h"
#include "base/Streams.h"
#include "slides/SlideClasses.h"
#include "slides/SlideLibs.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> Le32(uint32_t v) {
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 24)};
}

// The first 32 bytes of every library the program creates.
std::vector<uint8_t> NewHeaderBytes() {
    const char text[] = "AutoCAD Slide Library 1.0\r\n\x1a";
    std::vector<uint8_t> bytes(text, text + 28);
    bytes.resize(32, 0);
    return bytes;
}

} // namespace

TEST(SlideLibs, EmptyLibraryIs68Bytes) {
    TMemoryStream out;
    TSlideLib::CreateEmpty()->SaveToStream(out);
    std::vector<uint8_t> expected = NewHeaderBytes();
    expected.resize(64, 0); // end entry: 32 NULs of name
    const auto offset = Le32(68);
    expected.insert(expected.end(), offset.begin(), offset.end());
    EXPECT_EQ(out.Bytes(), expected);
}

TEST(SlideLibs, OneHundredByteSlideNamedDoor) {
    // 31 header bytes, eight vectors, one common endpoint, the end record: 100 bytes.
    TSlideWriter w(100, 100);
    for (int i = 0; i < 8; ++i)
        w.Vector(i, 0, i, 50);
    w.CommonEndpoint(3, 4);
    w.End();
    ASSERT_EQ(w.Bytes().size(), 100u);
    TMemoryStream slideFile(w.Bytes());
    auto source = TSlideLib::CreateEmpty();
    source->AddCopy(TSlide::CreateFromStream("door", slideFile).get());

    TMemoryStream out;
    source->SaveToStream(out);
    const std::vector<uint8_t>& b = out.Bytes();
    ASSERT_EQ(b.size(), 204u);
    EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.begin() + 32), NewHeaderBytes());
    std::vector<uint8_t> entry0(32, 0);
    std::memcpy(entry0.data(), "DOOR", 4);
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 32, b.begin() + 64), entry0);
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 64, b.begin() + 68), Le32(104));
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 68, b.begin() + 100), std::vector<uint8_t>(32, 0));
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 100, b.begin() + 104), Le32(204));
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 104, b.end()), w.Bytes());
}

TEST(SlideLibs, NameFieldRules) {
    // Written: a..z upper-cased, other bytes (0xFC is u-umlaut) kept, cut to 31, NUL after.
    TMemoryStream out;
    WriteSlideBlock(out, {"abcdefghijklmnopqrstuvwxyz\xfc"
                          "0123456789",
                          -2});
    const std::vector<uint8_t>& b = out.Bytes();
    ASSERT_EQ(b.size(), 36u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 31), "ABCDEFGHIJKLMNOPQRSTUVWXYZ\xfc"
                                                      "0123");
    EXPECT_EQ(b[31], 0);
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 32, b.end()), Le32(0xFFFFFFFE));

    // Read: up to the first NUL, never beyond the 31st byte.
    std::vector<uint8_t> noNul(32, 'X');
    const auto off = Le32(1234);
    noNul.insert(noNul.end(), off.begin(), off.end());
    TMemoryStream in(noNul);
    const SlideBlock block = ReadSlideBlock(in);
    EXPECT_EQ(block.Name, std::string(31, 'X'));
    EXPECT_EQ(block.Offset, 1234);
    EXPECT_EQ(in.Position(), 36);
}

TEST(SlideLibs, HeaderAndEntryPlacement) {
    TMemoryStream s;
    WriteLibHeader(s, std::string(40, 'H'));
    ASSERT_EQ(s.Size(), 32);
    EXPECT_EQ(s.Bytes()[31], 0);
    s.SetPosition(0);
    EXPECT_EQ(ReadLibHeader(s), std::string(31, 'H'));

    // Entry 2 lands at 32 + 72 and the position comes back.
    s.SetPosition(5);
    WriteSlideBlockAt(s, 2, {"x", 77});
    EXPECT_EQ(s.Position(), 5);
    s.SetPosition(104);
    const SlideBlock back = ReadSlideBlock(s);
    EXPECT_EQ(back.Name, "X");
    EXPECT_EQ(back.Offset, 77);
}
