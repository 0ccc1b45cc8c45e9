// Damaged and hostile slide libraries kept in tests/data/malformed/: entries that alias one
// slide, a slide that runs on into the next, drawings that stop early; and the bounded stream
// that keeps each slide to its own bytes.
#include "TestFiles.h"
#include "base/Errors.h"
#include "base/Streams.h"
#include "base/UiHooks.h"
#include "graphics/Canvas.h"
#include "slides/SlideClasses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Malformed(const std::string& name) {
    return std::string(VARNEL_SOURCE_DIR) + "/tests/data/malformed/" + name;
}

std::vector<uint8_t> SlideBytes(const TSlideLib& lib, int i) {
    TMemoryStream out;
    lib.SaveSlideToStream(i, out);
    return out.Bytes();
}

// The bytes of the file from offset, count of them.
std::vector<uint8_t> FileBytes(const std::string& path, int64_t offset, int64_t count) {
    const std::vector<uint8_t> all = ReadFileBytes(path);
    return {all.begin() + offset, all.begin() + offset + count};
}

// Counts the renderer's messages while it lives.
struct TMessageCount {
    int shown = 0;
    UiHooks::TMessageHook previous =
        UiHooks::SetMessageHook([this](const std::string&) { ++shown; });
    ~TMessageCount() { UiHooks::SetMessageHook(previous); }
};

} // namespace

TEST(HostileLibraries, EntriesThatAliasOneSlideAreRefused) {
    // 1,000 entries, one 2 KB slide: drawing or saving it would cost as much as a 2 MB library.
    const std::string path = Malformed("library_entries_alias_one_slide.slb");
    const std::string text = MessageOf<EFileError>([&] { TSlideLib::CreateFromFile(path); });
    EXPECT_NE(text.find(path), std::string::npos) << text;
    EXPECT_NE(text.find("\"S0\" and \"S1\" both start at offset 36068"), std::string::npos) << text;
    // The same bytes from memory are refused the same way.
    EXPECT_THROW(TSlideLib::CreateFromBytes("aliases.slb", ReadFileBytes(path)), EFileError);
}

TEST(HostileLibraries, ASlideEndsWhereTheNextBegins) {
    // OPEN has no end record; its records would run on through CLOSED's bytes.
    const std::string path = Malformed("library_slide_runs_into_the_next.slb");
    auto lib = TSlideLib::CreateFromFile(path);
    ASSERT_EQ(lib->Count(), 2);
    EXPECT_THROW(lib->SlideSize(0), EReadError);
    EXPECT_EQ(lib->SlideSize(1), 43);
    EXPECT_EQ(SlideBytes(*lib, 1), FileBytes(path, 189, 43));

    // Drawing OPEN draws what it has and stops at its own end, as a short slide does.
    TNullCanvas canvas;
    EXPECT_THROW(lib->Draw(0, canvas, {0, 0, 63, 39}, TRenderState()), EReadError);
    lib->Draw(1, canvas, {0, 0, 63, 39}, TRenderState());

    // Saving would need OPEN's length: it fails naming the slide and the file, writing nothing.
    TMemoryStream out;
    const std::string text = MessageOf<EFileError>([&] { lib->SaveToStream(out); });
    EXPECT_NE(text.find("\"OPEN\""), std::string::npos) << text;
    EXPECT_NE(text.find(path), std::string::npos) << text;
    // Without OPEN the rest saves and reopens whole.
    lib->Delete(0);
    TMemoryStream saved;
    lib->SaveToStream(saved);
    auto reopened = TSlideLib::CreateFromBytes("saved.slb", saved.Bytes());
    ASSERT_EQ(reopened->Count(), 1);
    EXPECT_EQ(SlideBytes(*reopened, 0), FileBytes(path, 189, 43));
}

TEST(HostileLibraries, ADrawingThatStopsEarlyDoesNotShortenTheSlide) {
    // FILL holds a colour record inside a fill: the drawing stops there and says so (to its
    // caller, never to the user), but the slide measures to its end record, and a save after
    // drawing keeps all of it.
    const std::string path = Malformed("library_colour_record_inside_fill.slb");
    auto lib = TSlideLib::CreateFromFile(path);
    ASSERT_EQ(lib->Count(), 2);
    TMessageCount messages;
    TNullCanvas canvas;
    EXPECT_TRUE(lib->Draw(0, canvas, {0, 0, 127, 79}, TRenderState()).Invalid);
    EXPECT_EQ(messages.shown, 0);
    EXPECT_EQ(lib->SlideSize(0), 75);
    TMemoryStream saved;
    lib->SaveToStream(saved);
    auto reopened = TSlideLib::CreateFromBytes("saved.slb", saved.Bytes());
    EXPECT_EQ(SlideBytes(*reopened, 0), FileBytes(path, 140, 75));
    EXPECT_EQ(SlideBytes(*reopened, 1), FileBytes(path, 215, 43));
}

TEST(HostileLibraries, ADrawnSlideThatCannotBeMeasuredIsNotSavedCut) {
    // Found by fuzzing: DOOR (swapped byte order) meets an invalid record. Drawing it once used
    // to leave the bytes before that record as its length, and saving then wrote them as if
    // they were the whole slide, without an end record, and said nothing.
    const std::string path = Malformed("library_slide_with_invalid_record.slb");
    auto lib = TSlideLib::CreateFromFile(path);
    ASSERT_EQ(lib->Count(), 5);
    TMessageCount messages;
    TNullCanvas canvas;
    int invalid = 0;
    for (int i = 0; i < lib->Count(); ++i)
        invalid += lib->Draw(i, canvas, {0, 0, 63, 39}, TRenderState()).Invalid;
    EXPECT_EQ(invalid, 1);
    EXPECT_EQ(messages.shown, 0);
    EXPECT_EQ(lib->Slide(0)->KnownSize(), -1);
    EXPECT_THROW(lib->SlideSize(0), EReadError);
    TMemoryStream out;
    EXPECT_NE(MessageOf<EFileError>([&] { lib->SaveToStream(out); }).find("\"DOOR\""),
              std::string::npos);
}

TEST(HostileLibraries, AViewOfASlideStopsWhereTheNextBegins) {
    const TBytesPtr bytes = MakeSharedBytes({1, 2, 3, 4, 5, 6, 7, 8});
    TSlideData::TView view(bytes, 3, 5);
    TStream& s = view.Stream();
    EXPECT_EQ(s.Size(), 5);
    EXPECT_EQ(s.Position(), 3);
    uint8_t buf[8] = {};
    EXPECT_EQ(s.Read(buf, 8), 2u); // 4 and 5, not beyond
    EXPECT_EQ(buf[0], 4);
    EXPECT_EQ(buf[1], 5);
    EXPECT_EQ(s.Read(buf, 1), 0u);
    s.SetPosition(4);
    EXPECT_THROW(s.ReadBuffer(buf, 2), EReadError);
    EXPECT_EQ(s.Write(buf, 1), 0u);
    // An end beyond the bytes is their end.
    EXPECT_EQ(TSlideData::TView(bytes, 0, 100).Stream().Size(), 8);
}
