// TSlide and TSlideLib: round trips through library files, the list operations, folder-built
// lists, damaged libraries and the atomic save.
#include "RecordingCanvas.h"
#include "SlideWriter.h"
#include "TestFiles.h"
#include "base/CodePage.h"
#include "base/Errors.h"
#include "slides/SlideClasses.h"
#include "slides/SlideLibs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// A small valid slide; n varies the bytes so that slides can be told apart.
std::vector<uint8_t> MakeSlide(int n) {
    TSlideWriter w(640, 480);
    w.Colour(n & 0xFF);
    for (int i = 0; i <= n % 5; ++i)
        w.Vector(i * 10, n, 600, 400 - i);
    w.End();
    return w.Bytes();
}

std::unique_ptr<TSlide> SlideOf(const std::string& name, const std::vector<uint8_t>& bytes) {
    TMemoryStream s(bytes);
    return TSlide::CreateFromStream(name, s);
}

std::vector<uint8_t> Save(TSlideLib& lib) {
    TMemoryStream out;
    lib.SaveToStream(out);
    return out.Bytes();
}

std::vector<uint8_t> SlideBytes(const TSlideLib& lib, int i) {
    TMemoryStream out;
    lib.SaveSlideToStream(i, out);
    return out.Bytes();
}

// Library bytes built by hand: header, the given entries (name, offset) as they are, then data.
std::vector<uint8_t> RawLibrary(const std::vector<SlideBlock>& entries,
                                const std::vector<uint8_t>& data) {
    TMemoryStream s;
    WriteLibHeader(s, "AutoCAD Slide Library 1.0\r\n\x1a");
    for (const SlideBlock& e : entries)
        WriteSlideBlock(s, e);
    s.WriteBuffer(data.data(), data.size());
    return s.Bytes();
}

std::vector<std::string> Names(const TSlideLib& lib) {
    std::vector<std::string> names;
    for (int i = 0; i < lib.Count(); ++i)
        names.push_back(lib.SlideName(i));
    return names;
}

// Expects opening path to fail with a message naming the file and the read error.
void ExpectOpenFails(const std::string& path) {
    const std::string text = MessageOf<EVarnelError>([&] { TSlideLib::CreateFromFile(path); });
    EXPECT_NE(text.find(path), std::string::npos) << text;
    EXPECT_NE(text.find("Stream read error"), std::string::npos) << text;
}

} // namespace

TEST(SlideClasses, LibraryRoundTripIsByteExact) {
    TTempDir dir;
    auto lib = TSlideLib::CreateEmpty();
    for (int n = 0; n < 7; ++n)
        lib->AddCopy(SlideOf("slide" + std::to_string(n), MakeSlide(n)).get());
    const std::string path = dir.File("a.slb");
    lib->SaveToFile(path);
    const std::vector<uint8_t> first = ReadFileBytes(path);

    auto reopened = TSlideLib::CreateFromFile(path);
    EXPECT_EQ(reopened->DataSize(), static_cast<int64_t>(first.size()));
    EXPECT_EQ(Names(*reopened), (std::vector<std::string>{"SLIDE0", "SLIDE1", "SLIDE2", "SLIDE3",
                                                          "SLIDE4", "SLIDE5", "SLIDE6"}));
    for (int n = 0; n < 7; ++n)
        EXPECT_EQ(SlideBytes(*reopened, n), MakeSlide(n)) << n;
    // Written back onto the file it was read from: the slides read from the memory copy.
    reopened->SaveToFile(path);
    EXPECT_EQ(ReadFileBytes(path), first);
}

TEST(SlideClasses, DirectoriesWrittenElsewhere) {
    const std::vector<uint8_t> a = MakeSlide(1), b = MakeSlide(2);
    std::vector<uint8_t> data = a;
    data.insert(data.end(), b.begin(), b.end());
    const int32_t start = 32 + 3 * 36, second = start + static_cast<int32_t>(a.size());
    TTempDir dir;
    // Libraries written elsewhere often hold 0 in the end entry.
    const std::string path = dir.File("zero.slb");
    WriteFileBytes(path, RawLibrary({{"A", start}, {"B", second}, {"", 0}}, data));
    auto lib = TSlideLib::CreateFromFile(path);
    ASSERT_EQ(lib->Count(), 2);
    EXPECT_EQ(lib->Slide(1)->KnownSize(), -1); // not measured until asked
    EXPECT_EQ(SlideBytes(*lib, 0), a);
    EXPECT_EQ(SlideBytes(*lib, 1), b);
    EXPECT_EQ(lib->SlideSize(1), static_cast<int64_t>(b.size()));
    // Written back, the end entry holds the file length.
    const std::vector<uint8_t> out = Save(*lib);
    EXPECT_EQ(out.size(), static_cast<size_t>(start + data.size()));
    EXPECT_EQ(std::vector<uint8_t>(out.begin() + 136, out.begin() + 140),
              (std::vector<uint8_t>{static_cast<uint8_t>(out.size()),
                                    static_cast<uint8_t>(out.size() >> 8), 0, 0}));

    // An entry whose name begins with NUL ends the directory, whatever follows.
    WriteFileBytes(path, RawLibrary({{"A", start}, {"", 0}, {"B", start}}, data));
    EXPECT_EQ(TSlideLib::CreateFromFile(path)->Count(), 1);

    // Two entries of one name: the first is found, and deleting by name takes only it.
    WriteFileBytes(path, RawLibrary({{"TWIN", start}, {"TWIN", second}, {"", 0}}, data));
    lib = TSlideLib::CreateFromFile(path);
    EXPECT_EQ(lib->IndexOfName("twin"), 0);
    lib->DeleteByName("twin");
    ASSERT_EQ(lib->Count(), 1);
    EXPECT_EQ(SlideBytes(*lib, 0), b);
}

TEST(SlideClasses, CapacityFollowsTheCountAndEmptiesTo68Bytes) {
    auto lib = TSlideLib::CreateEmpty();
    for (int n = 0; n < 5; ++n)
        lib->AddCopy(SlideOf("s" + std::to_string(n), MakeSlide(n)).get());
    lib->SetCapacity(2); // never below the count
    EXPECT_EQ(lib->Capacity(), 5);
    lib->SetCapacity(INT32_MAX); // cannot be held: nothing changes
    EXPECT_EQ(lib->Capacity(), 5);
    while (lib->Count() > 0)
        lib->Delete(lib->Count() - 1);
    // Deleting the last slide leaves an empty library, written as 68 bytes.
    EXPECT_EQ(Save(*lib).size(), 68u);
}

TEST(SlideClasses, NamesIgnoreCase) {
    auto lib = TSlideLib::CreateEmpty();
    lib->AddCopy(SlideOf("door", MakeSlide(1)).get());
    lib->AddCopy(SlideOf("window", MakeSlide(2)).get());
    // Same name in other letters: replaces at its place with the new spelling and bytes.
    lib->AddCopy(SlideOf("DOOR", MakeSlide(3)).get());
    EXPECT_EQ(Names(*lib), (std::vector<std::string>{"DOOR", "window"}));
    EXPECT_EQ(SlideBytes(*lib, 0), MakeSlide(3));
    // Windows-1252 letters fold too: 0xDC is U-umlaut, 0xFC u-umlaut.
    lib->AddCopy(SlideOf("T\xfcre", MakeSlide(4)).get());
    EXPECT_EQ(lib->IndexOfName("T\xdcRE"), 2);

    EXPECT_FALSE(lib->Rename(0, ""));
    EXPECT_FALSE(lib->Rename(0, "WINDOW"));
    EXPECT_FALSE(lib->Rename(7, "new"));
    EXPECT_TRUE(lib->Rename(0, "Door")); // its own name in other letters
    EXPECT_TRUE(lib->Rename(1, std::string(40, 'w')));
    // A new name is taken as the directory will hold it: 31 characters, a..z upper-cased.
    EXPECT_EQ(lib->SlideName(1), std::string(31, 'W'));
    EXPECT_EQ(lib->SlideName(0), "DOOR");

    lib->Exchange(0, 5);
    lib->Exchange(0, 2);
    EXPECT_EQ(Names(*lib), (std::vector<std::string>{"T\xfcre", std::string(31, 'W'), "DOOR"}));

    // Two names that differ only beyond the 31st character would be one name in the file.
    const std::string longName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ12345";
    EXPECT_TRUE(lib->Rename(0, longName + "6"));
    EXPECT_EQ(lib->SlideName(0), longName);
    EXPECT_FALSE(lib->Rename(2, longName + "7"));
    EXPECT_FALSE(lib->Rename(2, "abcdefghijklmnopqrstuvwxyz123458"));
    EXPECT_EQ(lib->SlideName(2), "DOOR");
    EXPECT_TRUE(lib->Rename(0, "abcdefghijklmnopqrstuvwxyz12345x")); // its own stored name
}

// Lists that cannot hold one more slide: every constructor and AddCopy fails, keeping nothing.
TEST(SlideClasses, ASlideThatCannotBeHeldIsAnError) {
    struct TLimit {
        TLimit() { TSlideLib::LimitCapacityForTesting(4); }
        ~TLimit() { TSlideLib::LimitCapacityForTesting(0); }
    } limit;
    auto lib = TSlideLib::CreateEmpty();
    for (int n = 0; n < 4; ++n)
        lib->AddCopy(SlideOf("s" + std::to_string(n), MakeSlide(n)).get());
    EXPECT_NE(MessageOf<EVarnelError>([&] {
                  lib->AddCopy(SlideOf("s4", MakeSlide(4)).get());
              }).find("s4"),
              std::string::npos);
    EXPECT_EQ(lib->Count(), 4);
    lib->AddCopy(SlideOf("S3", MakeSlide(5)).get()); // replacing needs no room
    EXPECT_EQ(SlideBytes(*lib, 3), MakeSlide(5));

    // A library of five slides is not opened as its first four.
    TTempDir dir;
    const std::string path = dir.File("five.slb");
    TSlideLib::LimitCapacityForTesting(0);
    lib->AddCopy(SlideOf("s4", MakeSlide(4)).get());
    lib->SaveToFile(path);
    TSlideLib::LimitCapacityForTesting(4);
    EXPECT_NE(MessageOf<EVarnelError>([&] { TSlideLib::CreateFromFile(path); }).find(path),
              std::string::npos);
    for (int n = 0; n < 5; ++n)
        WriteFileBytes(dir.File(std::to_string(n) + ".sld"), MakeSlide(n));
    EXPECT_NE(MessageOf<EVarnelError>([&] {
                  TSlideLib::CreateFromDirectory(dir.Path(), "*.sld");
              }).find(dir.Path()),
              std::string::npos);
}

TEST(SlideClasses, SlideObjects) {
    // A folder slide's size is its file's, bytes after the end record included, until drawn.
    std::vector<uint8_t> file = MakeSlide(2);
    const auto own = static_cast<int64_t>(file.size());
    file.insert(file.end(), {1, 2, 3});
    TMemoryStream source(file);
    source.SetPosition(7);
    auto slide = TSlide::CreateFromStream(std::string(40, 'n'), source);
    EXPECT_EQ(source.Position(), 7);
    EXPECT_EQ(slide->Name(), std::string(32, 'n'));
    EXPECT_EQ(slide->Size(), own + 3);
    EXPECT_EQ(slide->HighX(), 640);
    EXPECT_EQ(slide->HighY(), 480);

    // A library keeps every byte of such a slide; reopened, the entry measures its own length.
    auto lib = TSlideLib::CreateEmpty();
    lib->AddCopy(slide.get());
    EXPECT_EQ(SlideBytes(*lib, 0), file);
    TMemoryStream saved;
    lib->SaveToStream(saved);
    auto entry = TSlide::CreateInBytes("x", 104, MakeSharedBytes(saved.Bytes()));
    EXPECT_EQ(entry->KnownSize(), -1);
    auto copy = TSlide::CreateCopy(*entry);
    EXPECT_EQ(copy->Size(), own);
    EXPECT_EQ(entry->KnownSize(), own);

    TMemoryStream shortSlide(std::vector<uint8_t>(20, 0));
    EXPECT_THROW(TSlide::CreateFromStream("s", shortSlide), EReadError);
}

TEST(SlideClasses, FolderListMatchesMaskIgnoringCase) {
    TTempDir dir;
    WriteFileBytes(dir.File("PLAN.SLD"), MakeSlide(1));
    WriteFileBytes(dir.File("plan.sld"), MakeSlide(2));
    WriteFileBytes(dir.File("T\xc3\xbcre.sld"), MakeSlide(3)); // UTF-8 on disk
    WriteFileBytes(dir.File("notes.txt"), {1, 2, 3});
    std::filesystem::create_directory(dir.File("sub.sld"));
    auto folder = TSlideLib::CreateFromDirectory(dir.Path(), "*.sld");
    EXPECT_EQ(folder->Directory(), dir.Path());
    EXPECT_EQ(folder->Header(), "Dir Created Slide-Lib");
    std::vector<std::string> names = Names(*folder);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"PLAN.SLD", "T\xfcre.sld", "plan.sld"}));

    // Through a library and back to disk the name stays, upper-cased (a..z only).
    const int ture = folder->IndexOfName("t\xdcre.sld");
    ASSERT_GE(ture, 0);
    auto lib = TSlideLib::CreateEmpty();
    folder->Rename(ture, "T\xfcre");
    lib->AddFrom(folder.get(), ture);
    lib->AddFrom(lib.get(), 0); // from itself: nothing
    lib->SaveToFile(dir.File("lib.slb"));
    auto reopened = TSlideLib::CreateFromFile(dir.File("lib.slb"));
    ASSERT_EQ(reopened->Count(), 1);
    EXPECT_EQ(Cp1252ToUtf8(reopened->SlideName(0)), "T\xc3\xbcRE");
    EXPECT_EQ(SlideBytes(*reopened, 0), MakeSlide(3));

    WriteFileBytes(dir.File("broken.sld"), {1, 2, 3});
    EXPECT_NE(MessageOf<EVarnelError>([&] {
                  TSlideLib::CreateFromDirectory(dir.Path(), "*.sld");
              }).find("broken.sld"),
              std::string::npos);
}

TEST(SlideClasses, DamagedLibrariesAreRefusedNamingTheFile) {
    TTempDir dir;
    const std::vector<uint8_t> slide = MakeSlide(1);
    const int32_t start = 32 + 2 * 36;

    // Too short for a header; a directory that runs off the end of the file without an end
    // entry; offsets past the end, negative, or with fewer bytes than a slide header after them.
    std::vector<uint8_t> open = RawLibrary({{"A", 68}}, {});
    open.resize(open.size() + 20, 'x');
    const std::vector<uint8_t> cases[] = {
        std::vector<uint8_t>(31, 'A'), open, RawLibrary({{"A", 100000}, {"", 0}}, slide),
        RawLibrary({{"A", -5}, {"", 0}}, slide),
        RawLibrary({{"A", start + static_cast<int32_t>(slide.size()) - 10}, {"", 0}}, slide)};
    const std::string bad = dir.File("bad.slb");
    for (const std::vector<uint8_t>& bytes : cases) {
        WriteFileBytes(bad, bytes);
        ExpectOpenFails(bad);
    }

    // Garbage where the slide should be: the header is not checked, so the library opens;
    // measuring fails, and so does writing it, naming the slide and the file.
    const std::string garbage = dir.File("garbage.slb");
    WriteFileBytes(garbage, RawLibrary({{"JUNK", start}, {"", 0}}, std::vector<uint8_t>(60, 0x90)));
    auto lib = TSlideLib::CreateFromFile(garbage);
    EXPECT_THROW(lib->SlideSize(0), EReadError);
    TMemoryStream out;
    const std::string text = MessageOf<EVarnelError>([&] { lib->SaveToStream(out); });
    EXPECT_NE(text.find("JUNK"), std::string::npos) << text;
    EXPECT_NE(text.find(garbage), std::string::npos) << text;

    // 10,000 entries, one slide each, open fine; without an end entry they fail.
    std::vector<SlideBlock> many;
    std::vector<uint8_t> slides;
    for (int k = 0; k < 10000; ++k) {
        many.push_back(
            {"S" + std::to_string(k), 32 + 10001 * 36 + static_cast<int32_t>(slides.size())});
        slides.insert(slides.end(), slide.begin(), slide.end());
    }
    many.push_back({"", 0});
    const std::string big = dir.File("many.slb");
    WriteFileBytes(big, RawLibrary(many, slides));
    EXPECT_EQ(TSlideLib::CreateFromFile(big)->Count(), 10000);
    many.pop_back();
    WriteFileBytes(big, RawLibrary(many, {}));
    ExpectOpenFails(big);

    std::filesystem::create_directory(dir.File("folder.slb"));
    EXPECT_THROW(TSlideLib::CreateFromFile(dir.File("folder.slb")), EFileError);
    EXPECT_THROW(TSlideLib::CreateFromFile(dir.File("missing.slb")), EFileError);
}

TEST(SlideClasses, FailedSaveLeavesTheOldFile) {
    TTempDir dir;
    const std::string target = dir.File("target.slb");
    auto good = TSlideLib::CreateEmpty();
    good->AddCopy(SlideOf("a", MakeSlide(1)).get());
    good->SaveToFile(target);
    const std::vector<uint8_t> before = ReadFileBytes(target);

    // The library to save holds a good slide, then one whose bytes cannot be measured: the
    // write fails half-way.
    const std::vector<uint8_t> slide = MakeSlide(2);
    std::vector<uint8_t> data = slide;
    data.resize(data.size() + 60, 0x90);
    const int32_t start = 32 + 3 * 36;
    const std::string garbage = dir.File("garbage.bin");
    WriteFileBytes(
        garbage,
        RawLibrary({{"GOOD", start}, {"JUNK", start + static_cast<int32_t>(slide.size())}, {"", 0}},
                   data));
    auto broken = TSlideLib::CreateFromFile(garbage);
    EXPECT_THROW(broken->SaveToFile(target), EVarnelError);
    EXPECT_THROW(broken->SaveToFile(garbage), EVarnelError);
    // Copying it measures it first, and fails before anything changes.
    EXPECT_THROW(good->AddFrom(broken.get(), 1), EReadError);
    EXPECT_EQ(good->Count(), 1);

    EXPECT_EQ(ReadFileBytes(target), before);
    std::vector<std::string> left;
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        left.push_back(e.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"garbage.bin", "target.slb"}));

    // A folder that does not exist: nothing is created.
    EXPECT_THROW(good->SaveToFile(dir.File("none/x.slb")), EFileError);
}

TEST(SlideClasses, FilesChangedByAnotherProgramWhileShown) {
    TTempDir dir;
    // A library of 64 MiB, its one slide at the far end (the gap is a hole in the file), cut short
    // by another program while it is shown: the bytes read stay as they were, and nothing touches
    // the vanished part of the file.
    const std::vector<uint8_t> slide = MakeSlide(4);
    const int32_t far = (int32_t{64} << 20) + 4096;
    const std::string big = dir.File("big.slb");
    std::vector<uint8_t> head = RawLibrary({{"FAR", far}, {"", 0}}, {});
    head.resize(static_cast<size_t>(far), 0);
    head.insert(head.end(), slide.begin(), slide.end());
    WriteFileBytes(big, head);
    head = {};
    auto lib = TSlideLib::CreateFromFile(big);
    std::filesystem::resize_file(big, 100);
    EXPECT_EQ(SlideBytes(*lib, 0), slide);
    EXPECT_EQ(lib->SlideSize(0), static_cast<int64_t>(slide.size()));

    // Folder slides are read when they are used: one that vanished after the listing fails with
    // a message naming its file; one replaced or cut short is copied as it is now, never a mix of
    // the listed length and the new bytes.
    WriteFileBytes(dir.File("a.sld"), MakeSlide(1));
    WriteFileBytes(dir.File("b.sld"), MakeSlide(2));
    WriteFileBytes(dir.File("c.sld"), MakeSlide(1));
    auto folder = TSlideLib::CreateFromDirectory(dir.Path(), "*.sld");
    ASSERT_EQ(folder->Count(), 3);
    std::filesystem::remove(dir.File("a.sld"));
    std::filesystem::resize_file(dir.File("b.sld"), 20);
    WriteFileBytes(dir.File("c.sld"), MakeSlide(4));
    const std::string text = MessageOf<EVarnelError>([&] { SlideBytes(*folder, 0); });
    EXPECT_NE(text.find(dir.File("a.sld")), std::string::npos) << text;
    std::vector<uint8_t> cut = MakeSlide(2);
    cut.resize(20);
    EXPECT_EQ(SlideBytes(*folder, 1), cut);
    EXPECT_EQ(SlideBytes(*folder, 2), MakeSlide(4));
    TRecordingCanvas canvas;
    EXPECT_THROW(folder->Draw(0, canvas, {0, 0, 99, 99}, TRenderState()), EFileError);
}
