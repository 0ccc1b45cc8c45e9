#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/Streams.h"

#include "TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(Streams, ShortReadRaisesReadErrorWithItsMessage) {
    TMemoryStream m({1, 2, 3});
    uint8_t buf[4];
    try {
        m.ReadBuffer(buf, 4);
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error");
    }
    // Reading past the end, or at a position past the end, fails the same way.
    m.SetPosition(10);
    EXPECT_THROW(m.ReadBuffer(buf, 1), EReadError);
    EXPECT_NO_THROW(m.ReadBuffer(buf, 0));
}

TEST(Streams, MemoryStreamWritesGrowAndSeekFromEveryOrigin) {
    TMemoryStream m;
    m.WriteBuffer("abc", 3);
    m.SetPosition(5);
    m.WriteBuffer("z", 1);
    EXPECT_EQ(m.Size(), 6);
    EXPECT_EQ(m.Bytes()[3], 0); // the gap is zero-filled
    EXPECT_EQ(m.Seek(-2, TSeekOrigin::End), 4);
    EXPECT_EQ(m.Seek(1, TSeekOrigin::Current), 5);
    EXPECT_THROW(m.Seek(-1, TSeekOrigin::Begin), EReadError);
}

TEST(Streams, PositionGuardRestoresOnEveryPath) {
    TMemoryStream m(std::vector<uint8_t>(10));
    m.SetPosition(3);
    try {
        TStreamPositionGuard guard(m);
        m.SetPosition(8);
        uint8_t buf[5];
        m.ReadBuffer(buf, 5);
    } catch (const EReadError&) {
    }
    EXPECT_EQ(m.Position(), 3);
}

TEST(Streams, CopyFromWholeStreamAndFileStreams) {
    TTempDir dir;
    {
        TFileStream f(dir.File("a.bin"), TFileMode::Create);
        f.WriteBuffer("0123456789", 10);
    }
    TFileStream f(dir.File("a.bin"), TFileMode::OpenRead);
    EXPECT_EQ(f.Size(), 10);
    f.SetPosition(7);
    TMemoryStream m;
    EXPECT_EQ(m.CopyFrom(f, 0), 10); // count 0 copies the whole source
    EXPECT_EQ(std::string(m.Bytes().begin(), m.Bytes().end()), "0123456789");
    EXPECT_THROW(TFileStream(dir.File("missing"), TFileMode::OpenRead), EFileError);
    try {
        TFileStream missing(dir.File("missing"), TFileMode::OpenRead);
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("missing"), std::string::npos) << "names the file";
    }
}

TEST(CodePage, Windows1252RoundTripsThroughUtf8) {
    const std::string cp = "T\xFCre \x80 \x9F";
    EXPECT_EQ(Cp1252ToUtf8(cp), "Türe € Ÿ");
    EXPECT_EQ(Utf8ToCp1252("Türe € Ÿ"), cp);
    EXPECT_EQ(Utf8ToCp1252("日本"), "??");
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?"); // cut sequence
    std::string all;
    for (int c = 1; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(FileUtil, MasksMatchWithoutRegardToCase) {
    EXPECT_TRUE(MatchesMask("PLAN.SLD", "*.sld"));
    EXPECT_TRUE(MatchesMask("plan.sld", "*.SLD"));
    EXPECT_TRUE(MatchesMask("x.Pat", "*.slb;*.pat"));
    EXPECT_FALSE(MatchesMask("plan.sld.bak", "*.sld"));
    EXPECT_TRUE(MatchesMask("a1.sld", "a?.sld"));
    EXPECT_EQ(ChangeFileExt("dir.v2/plan", ".bmp"), "dir.v2/plan.bmp");
    EXPECT_EQ(ChangeFileExt("plan.sld", ".bmp"), "plan.bmp");
}

TEST(FileUtil, AtomicSaveKeepsTheOldFileWhenWritingFails) {
    TTempDir dir;
    const std::string path = dir.File("lib.slb");
    WriteFileBytes(path, {1, 2, 3});
    EXPECT_THROW(SaveFileAtomically(path,
                                    [](TStream& s) {
                                        s.WriteBuffer("partial", 7);
                                        throw EReadError();
                                    }),
                 EReadError);
    EXPECT_EQ(ReadFileBytes(path), (std::vector<uint8_t>{1, 2, 3}));
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path()))
        ++files;
    EXPECT_EQ(files, 1) << "the partial file is removed";

    SaveFileAtomically(path, [](TStream& s) { s.WriteBuffer("new", 3); });
    EXPECT_EQ(ReadFileBytes(path), (std::vector<uint8_t>{'n', 'e', 'w'}));
}

TEST(FileUtil, AtomicSaveIntoAMissingFolderNamesTheFile) {
    try {
        SaveFileAtomically("/nonexistent-folder/x.slb", [](TStream&) {});
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("/nonexistent-folder/x.slb"), std::string::npos);
    }
}

TEST(Streams, AFolderIsNoFileToRead) {
    TTempDir dir;
    try {
        TMemoryStream m;
        m.LoadFromFile(dir.Path());
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_NE(std::string(e.what()).find("not a plain file"), std::string::npos);
    }
}
