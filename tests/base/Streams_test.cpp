#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/SharedBytes.h"
#include "base/Streams.h"

#include "TestFiles.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>

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

// A write that fails names the file it was writing and why, whether it goes straight to the file
// or beside it for an atomic replacement; the file replaced stays as it was.
TEST(Streams, WriteFailuresOfFilesNameTheFile) {
    const std::vector<char> bytes(1 << 20, 'x'); // more than any write buffer holds
    TFileStream full("/dev/full", TFileMode::Create);
    const std::string message =
        MessageOf<EWriteError>([&] { full.WriteBuffer(bytes.data(), bytes.size()); });
    EXPECT_EQ(message, "Cannot write file \"/dev/full\". " + std::string(std::strerror(ENOSPC)));
    EXPECT_THROW(full.Close(), EWriteError);

    TTempDir dir;
    const std::string path = dir.File("out.bin");
    WriteFileBytes(path, {1, 2, 3});
    struct TFileSizeLimit {
        rlimit saved{};
        void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
        TFileSizeLimit() {
            getrlimit(RLIMIT_FSIZE, &saved);
            rlimit small = saved;
            small.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &small);
        }
        ~TFileSizeLimit() {
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, handler);
        }
    };
    {
        const TFileSizeLimit limit;
        EXPECT_EQ(MessageOf<EWriteError>([&] {
                      SaveFileAtomically(
                          path, [&](TStream& s) { s.WriteBuffer(bytes.data(), bytes.size()); });
                  }),
                  "Cannot write file \"" + path + "\". " + std::strerror(EFBIG));
    }
    EXPECT_EQ(ReadFileBytes(path), (std::vector<uint8_t>{1, 2, 3}));

    // A stream with no file behind it has none to name.
    struct TRefusingStream : TMemoryStream {
        size_t Write(const void*, size_t) override { return 0; }
    } refusing;
    EXPECT_EQ(MessageOf<EWriteError>([&] { refusing.WriteBuffer("x", 1); }), "Stream write error");
}

// A read that the system refuses is the file's error, not the end of the data: /proc/self/mem
// cannot be read at address 0.
TEST(Streams, ReadFailuresOfFilesNameTheFile) {
    const std::string mem = "/proc/self/mem";
    if (!std::filesystem::exists(mem))
        GTEST_SKIP() << "no " << mem;
    TFileStream file(mem, TFileMode::OpenRead);
    file.SetPosition(0);
    uint8_t buf[16];
    EXPECT_EQ(MessageOf<EFileError>([&] { file.ReadBuffer(buf, sizeof buf); }),
              "Cannot read file \"" + mem + "\". " + std::strerror(EIO));
    // A position before the start fails as in memory.
    EXPECT_THROW(file.SetPosition(-1), EReadError);
    EXPECT_THROW(file.Seek(-1, TSeekOrigin::Current), EReadError);
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
