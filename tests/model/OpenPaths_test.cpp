// Paths from the desktop: what each kind of path opens, and how the model shows it.
#include "ModelFixture.h"
#include "ModelTestSupport.h"
#include "model/OpenPaths.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class OpenPathsTest : public TModelTest {
protected:
    void SetUp() override {
        WriteBrowseFolder(dir.Path());
        std::filesystem::create_directory(dir.File("sub"));
        WriteFileBytes(dir.File("sub/z.sld"), MakeSlide(100, 100));
        model.SetPreviewSize(200, 100);
    }
    bool Show(const Names& paths) { return ShowOpenTarget(model, OpenTargetOf(paths)); }
    Names Selected() const {
        Names names;
        for (int i : model.Selection())
            names.push_back(model.Items()[static_cast<size_t>(i)]);
        return names;
    }
};

TEST_F(OpenPathsTest, EachKindOfPathHasItsTarget) {
    // Extensions in any case, as the window's lists take them; a folder also with a trailing
    // '/' or a '..' in it.
    const std::vector<std::pair<std::string, TOpenKind>> kinds = {
        {"b.sld", TOpenKind::Slides},
        {"c.Sld", TOpenKind::Slides},
        {"Lib.SLB", TOpenKind::Library},
        {"hatch.pat", TOpenKind::Pattern},
        {"sub/../sub/", TOpenKind::Folder}};
    for (const auto& [name, kind] : kinds) {
        const TOpenTarget t = OpenTargetOf({dir.File(name)});
        EXPECT_EQ(t.Kind, kind) << name;
        EXPECT_EQ(t.Folder, kind == TOpenKind::Folder ? dir.File("sub") : dir.Path()) << name;
        EXPECT_EQ(t.Names, kind == TOpenKind::Folder ? Names{} : Names{name}) << name;
    }

    TOpenTarget t = OpenTargetOf({dir.File("gone.sld")});
    EXPECT_EQ(t.Kind, TOpenKind::Missing);
    EXPECT_TRUE(t.Folder.empty());
    EXPECT_EQ(OpenProblem(t), "Cannot find \"" + dir.File("gone.sld") + "\".");
    t = OpenTargetOf({dir.File("notes.txt")});
    EXPECT_EQ(t.Kind, TOpenKind::Unknown);
    EXPECT_NE(OpenProblem(t).find("notes.txt"), std::string::npos);
    EXPECT_EQ(OpenTargetOf({}).Kind, TOpenKind::Nothing);

    // Relative paths are taken from the current folder.
    char* saved = ::getcwd(nullptr, 0);
    ASSERT_EQ(::chdir(dir.File("sub").c_str()), 0);
    t = OpenTargetOf({"../b.sld"});
    const TOpenTarget here = OpenTargetOf({"."});
    ASSERT_EQ(::chdir(saved), 0);
    std::free(saved);
    EXPECT_EQ(t.Folder, dir.Path());
    EXPECT_EQ(here.Kind, TOpenKind::Folder);
    EXPECT_EQ(here.Folder, dir.File("sub"));
}

TEST_F(OpenPathsTest, FurtherSlidesOfTheFirstFolderJoinTheSelection) {
    const TOpenTarget t =
        OpenTargetOf({dir.File("c.Sld"), dir.File("A.SLD"), dir.File("sub/z.sld"),
                      dir.File("Lib.SLB"), dir.File("gone.sld"), dir.File("b.sld")});
    EXPECT_EQ(t.Names, (Names{"c.Sld", "A.SLD", "b.sld"}));
    EXPECT_TRUE(ShowOpenTarget(model, t));
    EXPECT_EQ(Selected(), (Names{"A.SLD", "b.sld", "c.Sld"}));
    // Only the first path decides: a library after a slide is not opened.
    EXPECT_FALSE(model.LibraryView());
}

TEST_F(OpenPathsTest, EachTargetIsShownWhereItBelongs) {
    // A slide: its folder with that slide selected, previewed and in the status bar.
    EXPECT_TRUE(Show({dir.File("b.sld")}));
    EXPECT_EQ(model.TreeFolder(), dir.Path());
    EXPECT_EQ(model.Folder(), dir.Path());
    EXPECT_EQ(Selected(), Names{"b.sld"});
    EXPECT_EQ(model.StatusText(TStatusPanel::SlideName), "b.sld");

    EXPECT_TRUE(Show({dir.File("Lib.SLB")}));
    EXPECT_EQ(model.SelectedSourcePath(), dir.File("Lib.SLB"));
    EXPECT_EQ(model.Items(), (Names{"FIRST", "SECOND", "THIRD"}));

    EXPECT_TRUE(Show({dir.File("hatch.pat")}));
    EXPECT_EQ(model.Page(), TPage::Hatchs);
    EXPECT_EQ(model.PatternFile(), dir.File("hatch.pat"));

    // A slide of the same folder goes back to the folder's slides on page "slides".
    EXPECT_TRUE(Show({dir.File("A.SLD")}));
    EXPECT_EQ(model.Page(), TPage::Slides);
    EXPECT_TRUE(model.FolderSourceActive());
    EXPECT_EQ(Selected(), Names{"A.SLD"});
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(OpenPathsTest, AFolderShownAlreadyIsReadAgain) {
    ASSERT_TRUE(Show({dir.Path()}));
    // Files that appeared since the folder was read.
    WriteFileBytes(dir.File("d.sld"), MakeSlide(50, 50));
    WriteLibrary(dir.File("new.slb"), {{"ONLY", MakeSlide(10, 10)}});
    EXPECT_TRUE(Show({dir.File("d.sld")}));
    EXPECT_EQ(Selected(), Names{"d.sld"});
    EXPECT_TRUE(Show({dir.File("new.slb")}));
    EXPECT_EQ(model.Items(), Names{"ONLY"});

    // What opens nothing says so and changes nothing.
    EXPECT_FALSE(Show({dir.File("gone.sld")}));
    EXPECT_FALSE(Show({dir.File("notes.txt")}));
    EXPECT_FALSE(Show({}));
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[0], "error: Cannot find \"" + dir.File("gone.sld") + "\".");
    EXPECT_EQ(dialogs.log[1].rfind("error: Cannot open \"" + dir.File("notes.txt") + "\"", 0), 0u);
    EXPECT_EQ(model.Items(), Names{"ONLY"});

    // A folder path after a library: the folder's own slides again.
    EXPECT_TRUE(Show({dir.Path() + "/"}));
    EXPECT_FALSE(model.LibraryView());
    EXPECT_EQ(model.Items().size(), 4u);

    // A folder holding a slide that cannot be read: the list stays empty, and the slide asked
    // for is not there to select.
    WriteFileBytes(dir.File("sub/broken.sld"), {'A', 'u', 't', 'o'});
    EXPECT_FALSE(Show({dir.File("sub/z.sld")}));
    EXPECT_EQ(model.Folder(), dir.File("sub"));
    EXPECT_TRUE(model.Items().empty());
    EXPECT_FALSE(model.StatusText(TStatusPanel::Problem).empty());
}

} // namespace
