// The window's browsing rules, without a window: folder and library view, the file list, the
// selection kept by caption, the view switch, the status texts, unreadable sources and pages,
// and what each kind of path from the desktop opens.
#include "ModelFixture.h"
#include "ModelTestSupport.h"
#include "SlideWriter.h"
#include "graphics/AcadPal.h"
#include "graphics/Graphic.h"
#include "model/Commands.h"
#include "model/OpenPaths.h"
#include "model/PatternPage.h"
#include "slides/SlideClasses.h"

#include <filesystem>
#include <gtest/gtest.h>

#include <cmath>
#include <unistd.h>

namespace {

using Ints = std::vector<int>;

class WindowModelTest : public TModelTest {
protected:
    void SetUp() override {
        WriteBrowseFolder(dir.Path());
        ShowDir(200, 100);
    }
    std::string Status(TStatusPanel panel) const { return model.StatusText(panel); }
    // Paths from the desktop, as the window's command line and drops give them.
    bool Show(const Names& paths) { return ShowOpenTarget(model, OpenTargetOf(paths)); }
    Names Selected() const {
        Names names;
        for (int i : model.Selection())
            names.push_back(model.Items()[static_cast<size_t>(i)]);
        return names;
    }
    void MakeSub() {
        std::filesystem::create_directory(dir.File("sub"));
        WriteFileBytes(dir.File("sub/z.sld"), MakeSlide(100, 100));
    }
    std::string Size(const std::vector<uint8_t>& bytes) const {
        return std::to_string(bytes.size());
    }
};

TEST_F(WindowModelTest, FolderViewListsSlideFilesByNameIgnoringCase) {
    EXPECT_EQ(model.Items(), (Names{"A.SLD", "b.sld", "c.Sld"}));
    EXPECT_EQ(model.Sources(), (Names{"hatch.pat", "Lib.SLB"}));
    EXPECT_TRUE(model.FolderSourceActive());
    EXPECT_EQ(model.SelectedSource(), -1);

    // The first slide is selected and previewed; the status texts tell its figures.
    EXPECT_EQ(model.Selection(), Ints{0});
    EXPECT_EQ(Status(TStatusPanel::SlideName), "A.SLD");
    EXPECT_EQ(Status(TStatusPanel::SlideSize), Size(MakeSlide(400, 200)));
    EXPECT_EQ(Status(TStatusPanel::LibraryName) + Status(TStatusPanel::LibrarySize), "0");
    EXPECT_EQ(Status(TStatusPanel::PreviewSize) + " " + Status(TStatusPanel::Folder),
              "200x100 " + dir.Path());
    EXPECT_EQ(Status(TStatusPanel::Problem), "");
    // On a screen at 200 % the preview has twice the pixels; the status bar gives the panel's
    // size in the window's own pixels. A ratio that is no sound number counts as 1.
    model.SetPreviewSize(401, 200, 2);
    model.RepaintPreview();
    EXPECT_EQ(model.Preview().Width(), 401);
    EXPECT_EQ(Status(TStatusPanel::PreviewSize), "201x100");
    model.SetPreviewSize(300, 150, 1.5);
    model.RepaintPreview();
    EXPECT_EQ(Status(TStatusPanel::PreviewSize), "200x100");
    model.SetPreviewSize(200, 100, std::nan(""));
    model.RepaintPreview();
    EXPECT_EQ(Status(TStatusPanel::PreviewSize), "200x100");
    // The frame of the slide is drawn in colour 1 (red) on black.
    const TRasterCanvas& preview = model.Preview();
    int red = 0;
    for (int i = 0; i < preview.Width() * preview.Height(); ++i)
        red += preview.Pixel(i % preview.Width(), i / preview.Width()) ==
               model.RenderState().Palette()[1];
    EXPECT_GT(red, 100);
    EXPECT_EQ(preview.Pixel(50, 20), 0u); // above the diagonal
    EXPECT_TRUE(dialogs.log.empty());

    // The same folder again does nothing.
    const int generation = model.ListGeneration();
    EXPECT_FALSE(model.TreeFolderChanged(dir.Path() + "/"));
    EXPECT_EQ(model.ListGeneration(), generation);
}

TEST_F(WindowModelTest, LibraryViewShowsEntriesAndLibrarySizes) {
    EXPECT_EQ(Choose("Lib.SLB"), TSourceKind::Library);
    EXPECT_TRUE(model.LibraryView());
    EXPECT_FALSE(model.FolderSourceActive());
    EXPECT_EQ(model.Items(), (Names{"FIRST", "SECOND", "THIRD"}));
    // The entry's own length, and the size of the whole library file.
    EXPECT_EQ(Status(TStatusPanel::SlideSize), Size(MakeSlide(100, 50)));
    EXPECT_EQ(Status(TStatusPanel::LibraryName), dir.File("Lib.SLB"));
    EXPECT_EQ(Status(TStatusPanel::LibrarySize), Size(ReadFileBytes(dir.File("Lib.SLB"))));

    // A new file in the list: the library shown is chosen again.
    WriteLibrary(dir.File("aaa.slb"), {{"X", MakeSlide(10, 10)}});
    model.RefreshFileList();
    EXPECT_EQ(model.Sources(), (Names{"aaa.slb", "hatch.pat", "Lib.SLB"}));
    EXPECT_EQ(model.SelectedSourcePath(), dir.File("Lib.SLB"));

    // The header goes back to the folder's slide files, and so does a click on the tree's
    // own folder.
    model.ShowFolderSlides();
    EXPECT_FALSE(model.LibraryView());
    EXPECT_EQ(model.SelectedSource(), -1);
    Choose("Lib.SLB");
    model.TreeFolderClicked();
    EXPECT_FALSE(model.LibraryView());
    EXPECT_EQ(model.Items().size(), 3u);
}

TEST_F(WindowModelTest, SelectionIsKeptAcrossReloadsByCaptionAndTheViewSwitch) {
    Choose("Lib.SLB");
    model.SetSelection({2});
    model.ActivateSelection();
    // Another slide is put in front of it: the reload still selects THIRD, in any letter case.
    WriteLibrary(dir.File("Lib.SLB"), {{"NEW", MakeSlide(10, 10)},
                                       {"FIRST", MakeSlide(100, 50)},
                                       {"SECOND", MakeSlide(50, 100)},
                                       {"third", MakeSlide(80, 80)}});
    model.ReloadSlideList();
    EXPECT_EQ(model.Selection(), Ints{3});
    EXPECT_EQ(Status(TStatusPanel::SlideName), "THIRD");
    // Gone: the first slide is selected.
    WriteLibrary(dir.File("Lib.SLB"), {{"NEW", MakeSlide(10, 10)}});
    model.ReloadSlideList();
    EXPECT_EQ(model.Selection(), Ints{0});

    // Several selected: the first of them is remembered.
    model.ShowFolderSlides();
    model.SetSelection({2, 1});
    EXPECT_EQ(model.SelectedSlide(), 1);
    std::filesystem::rename(dir.File("b.sld"), dir.File("B.SLD"));
    model.ReloadSlideList();
    EXPECT_EQ(model.Selection(), Ints{1});
    EXPECT_EQ(Status(TStatusPanel::SlideName), "B.SLD");
    model.SelectAll();
    EXPECT_EQ(model.Selection(), (Ints{0, 1, 2}));
    model.SetSelection({7, -1, 1, 1});
    EXPECT_EQ(model.Selection(), Ints{1});

    // The view switch rebuilds the list and keeps the selection.
    ASSERT_TRUE(model.ThumbnailView());
    model.SetSelection({0, 2});
    const int generation = model.ListGeneration();
    model.ToggleThumbnailView();
    EXPECT_FALSE(model.ThumbnailView());
    EXPECT_NE(model.ListGeneration(), generation);
    EXPECT_EQ(model.Selection(), (Ints{0, 2}));
}

TEST_F(WindowModelTest, UnreadableSourcesAndEmptyFoldersLeaveTheListEmpty) {
    WriteFileText(dir.File("broken.slb"), "not a lib");
    model.RefreshFileList();
    EXPECT_EQ(Choose("broken.slb"), TSourceKind::Library);
    EXPECT_TRUE(model.Items().empty());
    EXPECT_EQ(model.CurrentList(), nullptr);
    EXPECT_NE(Status(TStatusPanel::Problem).find("broken.slb"), std::string::npos);
    EXPECT_EQ(Status(TStatusPanel::SlideName), "");

    // A folder holding a slide cut short.
    TTempDir other;
    WriteFileText(other.File("cut.sld"), "Auto");
    model.TreeFolderChanged(other.Path());
    EXPECT_TRUE(model.Items().empty());
    EXPECT_NE(Status(TStatusPanel::Problem).find("cut.sld"), std::string::npos);
    EXPECT_TRUE(dialogs.log.empty());
    // A readable folder clears the note.
    model.TreeFolderChanged(dir.Path());
    EXPECT_EQ(Status(TStatusPanel::Problem), "");

    // An empty folder, and a tree node that is no file-system folder.
    TTempDir empty;
    for (const std::string& folder : {empty.Path(), std::string()}) {
        model.TreeFolderChanged(folder);
        EXPECT_TRUE(model.Items().empty());
        EXPECT_EQ(model.CurrentList(), nullptr);
        EXPECT_TRUE(model.Sources().empty());
        for (TStatusPanel p : {TStatusPanel::SlideName, TStatusPanel::SlideSize,
                               TStatusPanel::LibraryName, TStatusPanel::LibrarySize})
            EXPECT_EQ(Status(p), "");
    }
    EXPECT_EQ(model.Folder(), "");
}

TEST_F(WindowModelTest, InvalidRecordIsReportedOncePerSlide) {
    TSlideWriter w(100, 100);
    w.Vector(0, 0, 100, 100);
    w.Raw({0x00, 0x90}); // high byte 0x90 is no record kind
    w.End();
    WriteLibrary(dir.File("bad.slb"), {{"BAD", w.Bytes()}, {"BAD2", w.Bytes()}});
    model.RefreshFileList();
    Choose("bad.slb");
    // The system's text, and which slide of which file.
    EXPECT_EQ(dialogs.log, Names{"message: Error reading slide file. *Invalid*\n\nSlide \"BAD\" "
                                 "of library \"" +
                                 dir.File("bad.slb") + "\""});
    EXPECT_EQ(Status(TStatusPanel::SlideName), "BAD");
    // Repainting the same slide (a resize) does not repeat the box; another slide does.
    model.RepaintPreview();
    EXPECT_EQ(dialogs.log.size(), 1u);
    model.SelectItem(1);
    model.ActivateSelection();
    EXPECT_EQ(dialogs.log.size(), 2u);

    // While work runs the messages wait, and one text comes once.
    {
        TWindowModel::TBusy busy(model);
        model.PostMessage("one", true);
        model.PostMessage("one", true);
        model.PostMessage("two", false);
        EXPECT_EQ(dialogs.log.size(), 2u);
    }
    EXPECT_EQ(Names(dialogs.log.begin() + 2, dialogs.log.end()),
              (Names{"error: one", "message: two"}));
}

TEST_F(WindowModelTest, SlideProblemsNameTheSlidesOncePerFill) {
    TSlideWriter w(100, 100);
    w.Vector(0, 0, 100, 100);
    w.Raw({0x00, 0x90});
    w.End();
    for (int k = 0; k < 12; ++k)
        WriteFileBytes(dir.File("bad" + std::to_string(10 + k) + ".sld"), w.Bytes());
    // Thumbnails of a fill arrive while the window's workers draw: the reports wait for them,
    // and each slide counts once, however often it is drawn.
    model.SetThumbnailsPending(true);
    model.ReloadSlideList();
    dialogs.log.clear();
    for (int round = 0; round < 2; ++round)
        for (int item = 0; item < static_cast<int>(model.Items().size()); ++item) {
            TBitmap bitmap;
            model.DrawThumbnail(item, bitmap);
        }
    EXPECT_TRUE(dialogs.log.empty());
    model.SetThumbnailsPending(false);
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0],
              "message: Error reading slide file. *Invalid*\n\n12 slides of folder \"" +
                  dir.Path() +
                  "\": bad10.sld, bad11.sld, bad12.sld, bad13.sld, bad14.sld, "
                  "bad15.sld, bad16.sld, bad17.sld, bad18.sld, bad19.sld and 2 more");
    // The next fill reports again; a slide that vanished says so with its file.
    model.ReloadSlideList();
    std::filesystem::remove(dir.File("A.SLD"));
    dialogs.log.clear();
    model.SelectItem(0);
    model.ActivateSelection();
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].rfind("error: Cannot open file \"" + dir.File("A.SLD") + "\"", 0), 0u)
        << dialogs.log[0];
    EXPECT_NE(dialogs.log[0].find("Slide \"" + dir.File("A.SLD") + "\""), std::string::npos);
}

TEST_F(WindowModelTest, UnsavedPatternEditsAreNotDroppedByLeavingThePage) {
    Choose("hatch.pat");
    model.PatternPage().EditorChanged({"*X,edited", "0,0,0,0,2"});
    // Cancel: each way out stays on the page with the edits.
    dialogs.answers = {TDialogs::TAnswer::Cancel, TDialogs::TAnswer::Cancel,
                       TDialogs::TAnswer::Cancel};
    model.ShowFolderSlides();
    EXPECT_EQ(Choose("Lib.SLB"), TSourceKind::None);
    TTempDir other;
    EXPECT_FALSE(model.TreeFolderChanged(other.Path()));
    EXPECT_EQ(model.TreeFolder(), dir.Path());
    EXPECT_EQ(model.Page(), TPage::Hatchs);
    EXPECT_EQ(model.SelectedSource(), 0);
    EXPECT_EQ(dialogs.log, Names(3, "save?: Save the changes to hatch.pat?"));
    EXPECT_TRUE(model.PatternPage().HasUnsavedEdits());
    // Yes: saved, and the library opens.
    dialogs.answers = {TDialogs::TAnswer::Yes};
    EXPECT_EQ(Choose("Lib.SLB"), TSourceKind::Library);
    EXPECT_EQ(ReadFileText(dir.File("hatch.pat")), "*X,edited\r\n0,0,0,0,2\r\n");
    EXPECT_EQ(model.Page(), TPage::Slides);
}

TEST_F(WindowModelTest, ChangesByOtherProgramsAreFollowedKeepingTheSelection) {
    // Nothing changed, or only what the lists show already: nothing is read again.
    int generation = model.ListGeneration();
    EXPECT_FALSE(model.FolderChangedOnDisk());
    WriteFileText(dir.File("notes2.txt"), "not shown");
    EXPECT_FALSE(model.FolderChangedOnDisk());
    EXPECT_EQ(model.ListGeneration(), generation);

    // Slides added, removed and renamed in folder view: the selected ones stay selected.
    model.SetSelection({1, 2}); // b.sld, c.Sld
    WriteFileBytes(dir.File("a0.sld"), MakeSlide(10, 10));
    std::filesystem::remove(dir.File("A.SLD"));
    std::filesystem::rename(dir.File("c.Sld"), dir.File("d.sld"));
    EXPECT_TRUE(model.FolderChangedOnDisk());
    EXPECT_EQ(model.Items(), (Names{"a0.sld", "b.sld", "d.sld"}));
    EXPECT_EQ(Selected(), Names{"b.sld"});
    EXPECT_EQ(Status(TStatusPanel::SlideName), "b.sld");
    // A slide rewritten in place (same name, other bytes) is read again too.
    generation = model.ListGeneration();
    WriteFileBytes(dir.File("b.sld"), MakeSlide(77, 77));
    EXPECT_TRUE(model.FolderChangedOnDisk());
    EXPECT_NE(model.ListGeneration(), generation);
    EXPECT_EQ(Selected(), Names{"b.sld"});
    EXPECT_FALSE(model.FolderChangedOnDisk());
    // Replaced by a rename within the clock's tick, by a slide of the same size: the file is
    // another one all the same.
    const auto time = std::filesystem::last_write_time(dir.File("b.sld"));
    WriteFileBytes(dir.File("b.new"), MakeSlide(78, 78));
    ASSERT_EQ(std::filesystem::file_size(dir.File("b.new")),
              std::filesystem::file_size(dir.File("b.sld")));
    std::filesystem::last_write_time(dir.File("b.new"), time);
    std::filesystem::rename(dir.File("b.new"), dir.File("b.sld"));
    generation = model.ListGeneration();
    EXPECT_TRUE(model.FolderChangedOnDisk());
    EXPECT_NE(model.ListGeneration(), generation);

    // Libraries: a new one appears in the file list, the chosen one stays chosen; the shown one
    // replaced by another program is read again with its selection; gone, the folder's slides.
    Choose("Lib.SLB");
    model.SelectItem(2);
    WriteLibrary(dir.File("new.slb"), {{"ONE", MakeSlide(10, 10)}});
    EXPECT_TRUE(model.FolderChangedOnDisk());
    EXPECT_EQ(model.Sources(), (Names{"hatch.pat", "Lib.SLB", "new.slb"}));
    EXPECT_EQ(model.SelectedSource(), 1);
    WriteLibrary(
        dir.File("Lib.SLB.tmp"),
        {{"ZERO", MakeSlide(10, 10)}, {"FIRST", MakeSlide(100, 50)}, {"THIRD", MakeSlide(8, 8)}});
    std::filesystem::rename(dir.File("Lib.SLB.tmp"), dir.File("Lib.SLB"));
    EXPECT_TRUE(model.FolderChangedOnDisk());
    EXPECT_EQ(model.Items(), (Names{"ZERO", "FIRST", "THIRD"}));
    EXPECT_EQ(Selected(), Names{"THIRD"});
    EXPECT_TRUE(model.LibraryView());
    std::filesystem::rename(dir.File("Lib.SLB"), dir.File("Renamed.slb"));
    EXPECT_TRUE(model.FolderChangedOnDisk());
    EXPECT_FALSE(model.LibraryView());
    EXPECT_EQ(model.SelectedSource(), -1);
    EXPECT_EQ(model.Items(), (Names{"a0.sld", "b.sld", "d.sld"}));
    EXPECT_TRUE(model.FolderSourceActive());

    // The folder itself gone: the lists empty and the status bar says why.
    std::filesystem::remove_all(dir.Path());
    EXPECT_TRUE(model.FolderChangedOnDisk());
    EXPECT_TRUE(model.Items().empty());
    EXPECT_TRUE(model.Sources().empty());
    EXPECT_NE(Status(TStatusPanel::Problem).find(dir.Path()), std::string::npos);
}

TEST_F(WindowModelTest, AFolderThatCannotBeListedSaysWhy) {
    for (const std::string& folder : {dir.File("gone"), dir.File("hatch.pat")}) {
        model.TreeFolderChanged(folder);
        EXPECT_TRUE(model.Items().empty());
        EXPECT_TRUE(model.Sources().empty());
        const std::string problem = Status(TStatusPanel::Problem);
        EXPECT_NE(problem.find("\"" + folder + "\""), std::string::npos) << problem;
        EXPECT_NE(problem.find(folder == dir.File("gone") ? "No such file" : "Not a directory"),
                  std::string::npos)
            << problem;
        model.TreeFolderChanged(dir.Path());
        EXPECT_EQ(Status(TStatusPanel::Problem), "");
    }
}

TEST_F(WindowModelTest, PatternFileGoesToPageHatchsAndLeavingItEmptiesThePage) {
    EXPECT_EQ(Choose("hatch.pat"), TSourceKind::Pattern);
    EXPECT_EQ(model.Page(), TPage::Hatchs);
    EXPECT_EQ(model.PatternFile(), dir.File("hatch.pat"));
    EXPECT_EQ(model.PatternPage().Entries().size(), 1u);
    EXPECT_TRUE(model.Items().empty());
    EXPECT_FALSE(CommandApplies(model, TCommand::SelectAll));
    EXPECT_FALSE(CommandApplies(model, TCommand::DeleteSlides));

    model.ShowFolderSlides();
    EXPECT_EQ(model.Page(), TPage::Slides);
    EXPECT_TRUE(CommandApplies(model, TCommand::SelectAll));
    EXPECT_TRUE(model.PatternPage().Module().PatternLines.empty());
    EXPECT_TRUE(model.PatternPage().Entries().empty());
    // The editor's text stays until another file is opened.
    EXPECT_FALSE(model.PatternPage().EditorLines().empty());
    EXPECT_EQ(model.ChooseSource(5), TSourceKind::None);
}

TEST_F(WindowModelTest, HelpOpensTheHtmlOrTheCompiledHelp) {
    TTempDir program;
    const std::string html = program.File("quorvane.html"), chm = program.File("quorvane.chm");
    OpenHelp(model, program.Path());
    EXPECT_EQ(dialogs.log.back(), "error: Cannot find the help file \"" + html + "\".");
    WriteFileText(html, "<p>");
    OpenHelp(model, program.Path());
    EXPECT_EQ(dialogs.log.back(), "open: " + html);
    WriteFileText(chm, "ITSF");
    dialogs.openSucceeds = false;
    OpenHelp(model, program.Path());
    EXPECT_EQ(dialogs.log.back(), "error: Cannot open the help file \"" + chm + "\".");
}

TEST_F(WindowModelTest, OpenEachKindOfPathHasItsTarget) {
    MakeSub();
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

    // What opens nothing: its message is the one the window shows (below).
    EXPECT_EQ(OpenTargetOf({dir.File("gone.sld")}).Kind, TOpenKind::Missing);
    EXPECT_EQ(OpenTargetOf({dir.File("notes.txt")}).Kind, TOpenKind::Unknown);
    // A library known only by its first bytes: the lists show libraries by their extension,
    // so the message says what it holds.
    TSlideLib::CreateEmpty()->SaveToFile(dir.File("old.bak"));
    const TOpenTarget misnamed = OpenTargetOf({dir.File("old.bak")});
    EXPECT_EQ(misnamed.Kind, TOpenKind::Unknown);
    EXPECT_EQ(misnamed.Content, TFileKind::Library);
    EXPECT_NE(OpenProblem(misnamed).find("a slide library"), std::string::npos)
        << OpenProblem(misnamed);
    // A drawing opens nothing, under its own name or another; it is not called a slide.
    WriteFileText(dir.File("plan.dxf"), "0\nSECTION\n");
    WriteFileText(dir.File("plan.txt"), "0\nSECTION\n");
    for (const char* name : {"plan.dxf", "plan.txt"}) {
        const TOpenTarget drawing = OpenTargetOf({dir.File(name)});
        EXPECT_EQ(drawing.Kind, TOpenKind::Unknown) << name;
        EXPECT_EQ(OpenProblem(drawing).find("it holds"), std::string::npos) << OpenProblem(drawing);
    }
    EXPECT_EQ(OpenTargetOf({}).Kind, TOpenKind::Nothing);

    // Relative paths are taken from the current folder.
    char* saved = ::getcwd(nullptr, 0);
    ASSERT_EQ(::chdir(dir.File("sub").c_str()), 0);
    const TOpenTarget t = OpenTargetOf({"../b.sld"});
    const TOpenTarget here = OpenTargetOf({"."});
    ASSERT_EQ(::chdir(saved), 0);
    std::free(saved);
    EXPECT_EQ(t.Folder, dir.Path());
    EXPECT_EQ(here.Kind, TOpenKind::Folder);
    EXPECT_EQ(here.Folder, dir.File("sub"));
}

TEST_F(WindowModelTest, OpenTargetsAreShownWhereTheyBelongWithFurtherSlidesSelected) {
    const TOpenTarget t =
        OpenTargetOf({dir.File("c.Sld"), dir.File("A.SLD"), dir.File("sub/z.sld"),
                      dir.File("Lib.SLB"), dir.File("gone.sld"), dir.File("b.sld")});
    EXPECT_EQ(t.Names, (Names{"c.Sld", "A.SLD", "b.sld"}));
    EXPECT_TRUE(ShowOpenTarget(model, t));
    EXPECT_EQ(Selected(), (Names{"A.SLD", "b.sld", "c.Sld"}));
    // Only the first path decides: a library after a slide is not opened.
    EXPECT_FALSE(model.LibraryView());

    // Each target is shown where it belongs. A slide: its folder with that slide selected,
    // previewed and in the status bar.
    EXPECT_TRUE(Show({dir.File("b.sld")}));
    EXPECT_EQ(model.TreeFolder(), dir.Path());
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

TEST_F(WindowModelTest, OpenAFolderShownAlreadyIsReadAgain) {
    MakeSub();
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

// The pattern file shown is rewritten by another program: without edits on the page it is read
// again, keeping the pattern selected by name and the filter; with unsaved edits they stay, the
// status bar says so, and Save asks before it replaces the other version. Removed, the page
// gives way to the folder's slides.
TEST_F(WindowModelTest, APatternFileChangedByAnotherProgramIsReadAgainUnlessEditsWouldGo) {
    TPatternPage& page = model.PatternPage();
    const auto names = [&] {
        Names shown;
        for (const int entry : page.ShownEntries())
            shown.push_back(page.Entries()[static_cast<size_t>(entry)].Name);
        return shown;
    };
    WriteFileText(dir.File("hatch.pat"), "*X,x\n0,0,0,0,1\n*BX,b\n0,0,0,0,2\n*Y,y\n0,0,0,0,3\n");
    model.RefreshFileList();
    Choose("hatch.pat");
    page.SetFilter("*X");
    ASSERT_TRUE(page.SelectEntry(1));
    EXPECT_FALSE(model.FolderChangedOnDisk());
    WriteFileText(dir.File("hatch.pat"), "*NEW,n\n0,0,0,0,4\n*X,x\n0,0,0,0,1\n*BX,b\n0,0,0,0,5\n");
    EXPECT_TRUE(model.FolderChangedOnDisk());
    EXPECT_EQ(names(), (Names{"X", "BX"}));
    EXPECT_EQ(page.SelectedEntry(), 2);
    EXPECT_EQ(page.EditorLines(), (Names{"*BX,b", "0,0,0,0,5"}));
    EXPECT_FALSE(model.FolderChangedOnDisk());
    EXPECT_EQ(Status(TStatusPanel::Problem), "");

    // Unsaved edits: kept, said, and Save asks (No writes nothing, Yes replaces).
    page.EditorChanged({"*BX,mine", "0,0,0,0,6"});
    const std::string theirs = "*THEIRS,t\n0,0,0,0,7\n";
    WriteFileText(dir.File("hatch.pat"), theirs);
    EXPECT_TRUE(model.FolderChangedOnDisk());
    EXPECT_EQ(names(), (Names{"X", "BX"}));
    EXPECT_EQ(page.EditorLines(), (Names{"*BX,mine", "0,0,0,0,6"}));
    EXPECT_EQ(Status(TStatusPanel::Problem),
              "\"" + dir.File("hatch.pat") +
                  "\" was changed by another program; your changes are kept");
    page.Redraw();
    dialogs.files = {TFileChoice{dir.File("hatch.pat"), 1}, TFileChoice{dir.File("hatch.pat"), 1}};
    dialogs.yesNoAnswers = {false, true};
    dialogs.log.clear();
    page.Save();
    EXPECT_EQ(ReadFileText(dir.File("hatch.pat")), theirs);
    EXPECT_EQ(dialogs.log.back(), "yes/no: \"" + dir.File("hatch.pat") +
                                      "\" was changed by another program while it was shown "
                                      "here. Replace that version with yours?");
    EXPECT_TRUE(page.HasUnsavedEdits());
    page.Save();
    EXPECT_NE(ReadFileText(dir.File("hatch.pat")).find("*BX,mine"), std::string::npos);
    EXPECT_FALSE(page.ChangedOnDisk());
    // Its own write: the file list is read again, the page is not.
    const int generation = page.ListGeneration();
    model.FolderChangedOnDisk();
    EXPECT_EQ(page.ListGeneration(), generation);
    EXPECT_FALSE(page.ChangedOnDisk());

    // Removed: the folder's slides show.
    std::filesystem::remove(dir.File("hatch.pat"));
    EXPECT_TRUE(model.FolderChangedOnDisk());
    EXPECT_EQ(model.Page(), TPage::Slides);
    EXPECT_EQ(model.Items(), (Names{"A.SLD", "b.sld", "c.Sld"}));
}

} // namespace
