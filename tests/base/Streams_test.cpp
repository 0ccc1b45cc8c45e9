#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/SharedBytes.h"
#include "base/Streams.h"

#include "TestFiles.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

TEST(Streams, ShortReadsRaiseReadErrorsWithTheirMessage) {
    TMemoryStream m({1, 2, 3});
    uint8_t buf[4];
    EXPECT_EQ(MessageOf<EReadError>([&] { m.ReadBuffer(buf, 4); }), "Stream read error");
    // Reading at a position past the end fails the same way; the gap a write leaves is zeros.
    m.SetPosition(10);
    EXPECT_THROW(m.ReadBuffer(buf, 1), EReadError);
    m.WriteBuffer("z", 1);
    EXPECT_EQ(m.Size(), 11);
    EXPECT_EQ(m.Bytes()[5], 0);
    EXPECT_EQ(m.Seek(-2, TSeekOrigin::End), 9);
    EXPECT_THROW(m.Seek(-1, TSeekOrigin::Begin), EReadError);

    // A guard puts the position back when a read fails.
    m.SetPosition(3);
    try {
        TStreamPositionGuard guard(m);
        m.SetPosition(8);
        m.ReadBuffer(buf, 4);
    } catch (const EReadError&) {
    }
    EXPECT_EQ(m.Position(), 3);
}

TEST(Streams, FilesAreCopiedWholeAndMissingOrFolderFilesAreNamed) {
    TTempDir dir;
    SaveFileAtomically(dir.File("a.bin"), [](TStream& s) { s.WriteBuffer("0123456789", 10); });
    TFileStream f(dir.File("a.bin"), TFileMode::OpenRead);
    f.SetPosition(7);
    TMemoryStream m;
    EXPECT_EQ(m.CopyFrom(f, 0), 10); // count 0 copies the whole source
    EXPECT_EQ(std::string(m.Bytes().begin(), m.Bytes().end()), "0123456789");
    for (const std::string& path : {dir.File("missing"), dir.Path()})
        EXPECT_NE(MessageOf<EFileError>([&] { m.LoadFromFile(path); }).find(path),
                  std::string::npos);
    EXPECT_THROW(TFileStream(dir.File("missing"), TFileMode::OpenRead), EFileError);
}

// Shared file bytes are read, not mapped: sizes around the huge-page buffers' threshold, an
// empty file, and missing or folder paths named in the error.
TEST(Streams, SharedFilesAreReadWholeAtEverySize) {
    TTempDir dir;
    for (const size_t size : {size_t{0}, size_t{1}, (size_t{8} << 20) - 1, (size_t{8} << 20) + 3}) {
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i * 2654435761u >> 24);
        const std::string path = dir.File("f" + std::to_string(size));
        SaveFileAtomically(path, [&](TStream& s) { s.WriteBuffer(bytes.data(), bytes.size()); });
        const TBytesPtr read = ReadSharedFile(path);
        ASSERT_EQ(read->Size(), static_cast<int64_t>(size));
        EXPECT_EQ(std::memcmp(bytes.data(), read->Data(), size), 0) << size;
    }
    for (const std::string& path : {dir.File("missing"), dir.Path()})
        EXPECT_NE(MessageOf<EFileError>([&] { ReadSharedFile(path); }).find(path),
                  std::string::npos);
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
    EXPECT_TRUE(MatchesMask("plan.sld", "*.SLD"));
    EXPECT_TRUE(MatchesMask("x.Pat", "*.slb;*.pat"));
    EXPECT_FALSE(MatchesMask("plan.sld.bak", "*.sld"));
    EXPECT_TRUE(MatchesMask("a1.sld", "a?.sld"));
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
    EXPECT_NE(MessageOf<EFileError>([] {
                  SaveFileAtomically("/nonexistent-folder/x.slb", [](TStream&) {});
              }).find("/nonexistent-folder/x.slb"),
              std::string::npos);
}
