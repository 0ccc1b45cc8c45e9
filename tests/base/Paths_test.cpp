// Path and name helpers, and the order in which folders list their files.
#include "TestFiles.h"
#include "base/FileUtil.h"
#include "base/Paths.h"

#include <algorithm>
#include <gtest/gtest.h>

TEST(Paths, PartsOfAPath) {
    EXPECT_EQ(JoinPath("/a/b/", "c.sld"), "/a/b/c.sld");
    EXPECT_EQ(JoinPath("/", "c.sld"), "/c.sld");
    EXPECT_EQ(BaseName("/a/b/plan.v2.sld"), "plan.v2.sld");
    EXPECT_EQ(FolderOf("/plan.sld"), "/");
    EXPECT_EQ(FolderOf("plan.sld"), ".");
    // The extension belongs to the last component only.
    EXPECT_EQ(ExtensionOf("/a.b/plan"), "");
    EXPECT_EQ(StemOf("/a.b/plan.v2.sld"), "plan.v2");
    EXPECT_EQ(ChangeFileExt("/a.b/plan", ".bmp"), "/a.b/plan.bmp");
}

TEST(Paths, NamesCompareIgnoringCase) {
    EXPECT_TRUE(SameText("Lib.SLB", "lib.slb"));
    // Only ASCII letters fold: other bytes compare as they are.
    EXPECT_FALSE(SameText("\xc3\xa4", "\xc3\x84"));

    std::vector<std::string> names = {"b.sld", "S10.sld", "a.SLD", "B.sld", "s9.sld", "A.sld"};
    std::sort(names.begin(), names.end(), LessText);
    // Names that differ only in case keep one order: upper case (the smaller byte) first.
    EXPECT_EQ(names,
              (std::vector<std::string>{"A.sld", "a.SLD", "B.sld", "b.sld", "S10.sld", "s9.sld"}));
    EXPECT_FALSE(LessText("ab", "ab"));
}

TEST(Paths, FoldersListTheirFilesByName) {
    TTempDir dir;
    for (const char* name : {"S00046.sld", "s04805.SLD", "S04253.sld", "a.slb", "Z.sld", "x.txt"})
        WriteFileBytes(dir.File(name), {'x'});
    EXPECT_EQ(ListFolder(dir.Path(), "*.sld"),
              (std::vector<std::string>{"S00046.sld", "S04253.sld", "s04805.SLD", "Z.sld"}));
    EXPECT_EQ(ListFolder(dir.Path(), "*.slb;*.txt"), (std::vector<std::string>{"a.slb", "x.txt"}));
}
