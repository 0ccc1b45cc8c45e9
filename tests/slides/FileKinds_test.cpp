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

    // A DXF drawing: its extension, else its first group after one comment at most, or the
    // binary form's sentinel.
    EXPECT_EQ(FileKindOfName("PLAN.Dxf"), TFileKind::Drawing);
    WriteFileText(dir.File("drawing"), "999\r\ndxflib 3.26\r\n  0\r\nSECTION\r\n  2\r\nHEADER\r\n");
    WriteFileText(dir.File("bare"), "0\nSECTION\n");
    WriteFileText(dir.File("binary"), std::string("AutoCAD Binary DXF\r\n\x1a\0", 22));
    WriteFileText(dir.File("two-comments"), "999\na\n999\nb\n0\nSECTION\n");
    WriteFileText(dir.File("cut-short"), "0\nSECTION"); // the line never ends
    WriteFileText(dir.File("other-group"), "0\nSECTIONS\n");
    EXPECT_EQ(FileKindOf(dir.File("drawing")), TFileKind::Drawing);
    EXPECT_EQ(FileKindOf(dir.File("bare")), TFileKind::Drawing);
    EXPECT_EQ(FileKindOf(dir.File("binary")), TFileKind::Drawing);
    EXPECT_EQ(FileKindOf(dir.File("two-comments")), TFileKind::Other);
    EXPECT_EQ(FileKindOf(dir.File("cut-short")), TFileKind::Other);
    EXPECT_EQ(FileKindOf(dir.File("other-group")), TFileKind::Other);

    // Only plain files are read: a pipe would keep the reader waiting.
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_EQ(FileKindOf(dir.File("pipe")), TFileKind::Other);
    EXPECT_EQ(FileKindOf(dir.Path()), TFileKind::Other);
}

} // namespace
