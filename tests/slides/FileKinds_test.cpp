// The one rule for what a file holds: its extension, then its first bytes.
#include "TestFiles.h"
#include "slides/FileKinds.h"
#include "slides/SlideClasses.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

namespace {

const std::string kSlideHead = std::string("AutoCAD Slide\r\n\x1a") + std::string(20, '\0');

TEST(FileKinds, TheExtensionDecidesThenTheFirstBytes) {
    TTempDir dir;
    // The extension in any letter case decides, whatever the bytes (the reader says later
    // what is wrong with them).
    WriteFileText(dir.File("a.SLD"), "junk");
    WriteFileText(dir.File("b.Slb"), kSlideHead);
    WriteFileText(dir.File("c.pat"), "*ANSI31, lines\n45, 0,0, 0,.125\n");
    EXPECT_EQ(FileKindOf(dir.File("a.SLD")), TFileKind::Slide);
    EXPECT_EQ(FileKindOf(dir.File("b.Slb")), TFileKind::Library);
    EXPECT_EQ(FileKindOf(dir.File("c.pat")), TFileKind::Pattern);
    EXPECT_EQ(FileKindOfName("plan.v2.sld"), TFileKind::Slide);
    EXPECT_EQ(FileKindOfName("sld"), TFileKind::Other);

    // Other names: the header text. A library's begins like a slide's, and is told apart.
    WriteFileText(dir.File("slide"), kSlideHead);
    TSlideLib::CreateEmpty()->SaveToFile(dir.File("library.bak"));
    WriteFileText(dir.File("pattern.txt"), "*ANSI31, lines\n45, 0,0, 0,.125\n");
    WriteFileText(dir.File("short"), "AutoCAD Sl");
    WriteFileText(dir.File("empty"), "");
    EXPECT_EQ(FileKindOf(dir.File("slide")), TFileKind::Slide);
    EXPECT_EQ(FileKindOf(dir.File("library.bak")), TFileKind::Library);
    EXPECT_EQ(FileKindOf(dir.File("pattern.txt")), TFileKind::Other); // text marks nothing
    EXPECT_EQ(FileKindOf(dir.File("short")), TFileKind::Other);
    EXPECT_EQ(FileKindOf(dir.File("empty")), TFileKind::Other);
    EXPECT_EQ(FileKindOf(dir.File("missing")), TFileKind::Other);

    // Only plain files are read: a pipe would keep the reader waiting.
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(FileKindOf(dir.File("pipe")), TFileKind::Other);
    EXPECT_EQ(FileKindOf(dir.Path()), TFileKind::Other);
}

} // namespace
