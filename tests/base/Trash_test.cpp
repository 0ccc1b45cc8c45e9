// The desktop's trash: where a file goes, what its .trashinfo says, names that are taken, and
// deleting only when no trash can take the file.
#include "TestFiles.h"
#include "base/Trash.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>

namespace fs = std::filesystem;

namespace {

class TrashTest : public ::testing::Test {
protected:
    std::string Trash(const std::string& part) const { return dataHome.File("Trash/" + part); }

    TTempDir dir;
    TTempDir dataHome;
    TScopedEnv home{"XDG_DATA_HOME", dataHome.Path()};
};

TEST_F(TrashTest, AFileGoesToTheHomeTrashWithWhereAndWhen) {
    const std::string file = dir.File("my plan%1.sld");
    WriteFileBytes(file, {1, 2, 3});
    EXPECT_EQ(HomeTrashFolder(), dataHome.File("Trash"));
    EXPECT_EQ(TrashFile(file), TTrashOutcome::Trashed);
    EXPECT_FALSE(FileExists(file));
    EXPECT_EQ(ReadFileBytes(Trash("files/my plan%1.sld")), (std::vector<uint8_t>{1, 2, 3}));
    // The path is absolute and percent-encoded; the date is local time without a zone.
    const std::string info = ReadFileText(Trash("info/my plan%1.sld.trashinfo"));
    const std::regex layout("\\[Trash Info\\]\nPath=(.*)\nDeletionDate="
                            "\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\n");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(info, m, layout)) << info;
    EXPECT_EQ(m[1].str(), dir.Path() + "/my%20plan%251.sld");
}

TEST_F(TrashTest, ATakenNameGetsANumberAndNothingInTheTrashIsReplaced) {
    WriteFileBytes(dir.File("door.sld"), {1});
    ASSERT_EQ(TrashFile(dir.File("door.sld")), TTrashOutcome::Trashed);
    WriteFileBytes(dir.File("door.sld"), {2});
    ASSERT_EQ(TrashFile(dir.File("door.sld")), TTrashOutcome::Trashed);
    // A file left in files/ without its info keeps its name too.
    WriteFileBytes(Trash("files/door.3.sld"), {9});
    WriteFileBytes(dir.File("door.sld"), {3});
    ASSERT_EQ(TrashFile(dir.File("door.sld")), TTrashOutcome::Trashed);
    EXPECT_EQ(ReadFileBytes(Trash("files/door.sld")), std::vector<uint8_t>{1});
    EXPECT_EQ(ReadFileBytes(Trash("files/door.2.sld")), std::vector<uint8_t>{2});
    EXPECT_EQ(ReadFileBytes(Trash("files/door.3.sld")), std::vector<uint8_t>{9});
    EXPECT_EQ(ReadFileBytes(Trash("files/door.4.sld")), std::vector<uint8_t>{3});
    EXPECT_TRUE(FileExists(Trash("info/door.4.sld.trashinfo")));
    EXPECT_FALSE(FileExists(Trash("info/door.3.sld.trashinfo")));
}

TEST_F(TrashTest, ALinkIsTrashedAsALink) {
    WriteFileBytes(dir.File("target.sld"), {7});
    fs::create_symlink(dir.File("target.sld"), dir.File("link.sld"));
    ASSERT_EQ(TrashFile(dir.File("link.sld")), TTrashOutcome::Trashed);
    EXPECT_TRUE(fs::is_symlink(Trash("files/link.sld")));
    EXPECT_EQ(ReadFileBytes(dir.File("target.sld")), std::vector<uint8_t>{7});
}

TEST_F(TrashTest, WithoutATrashTheFileIsDeleted) {
    // The home trash cannot be made: a file stands where its folder would be.
    WriteFileBytes(dataHome.File("blocker"), {0});
    const TScopedEnv blocked("XDG_DATA_HOME", dataHome.File("blocker"));
    WriteFileBytes(dir.File("x.sld"), {1});
    EXPECT_FALSE(MoveToTrash(dir.File("x.sld"), TTrashScope::HomeOnly)); // never deletes
    EXPECT_TRUE(FileExists(dir.File("x.sld")));
    EXPECT_EQ(TrashFile(dir.File("x.sld"), TTrashScope::HomeOnly), TTrashOutcome::Deleted);
    EXPECT_FALSE(FileExists(dir.File("x.sld")));
    EXPECT_EQ(TrashFile(dir.File("x.sld"), TTrashScope::HomeOnly), TTrashOutcome::Failed);
}

} // namespace
