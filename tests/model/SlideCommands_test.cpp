// The slide management commands over the model with scripted dialogs: the questions asked, and
// the files left on disk after each command.
#include "ModelFixture.h"
#include "base/Errors.h"
#include "base/Streams.h"
#include "model/SlideCommands.h"
#include "slides/SlideClasses.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;
using TAnswer = TDialogs::TAnswer;

// The bytes of the named slide of a library.
std::vector<uint8_t> SlideBytes(const std::string& library, const std::string& name) {
    std::unique_ptr<TSlideLib> lib = TSlideLib::CreateFromFile(library);
    TMemoryStream out;
    lib->SaveSlideToStream(lib->IndexOfName(name), out);
    return out.Bytes();
}

TFileChoice File(const std::string& path) {
    return TFileChoice{path, 1};
}

class SlideCommandsTest : public TModelTest {
protected:
    void SetUp() override {
        WriteFileBytes(dir.File("a.sld"), MakeSlide(300, 300));
        WriteFileBytes(dir.File("B.sld"), MakeSlide(400, 200));
        WriteFileBytes(dir.File("plan.v2.sld"), MakeSlide(200, 100));
        WriteLibrary(dir.File("Lib.slb"), {{"FIRST", MakeSlide(100, 50)},
                                           {"SECOND", MakeSlide(50, 100)},
                                           {"THIRD", MakeSlide(80, 80)},
                                           {"FOURTH", MakeSlide(60, 60)},
                                           {"FIFTH", MakeSlide(70, 40)}});
        ShowDir(64, 48);
    }
    void OpenLibrary() { ASSERT_EQ(Choose("Lib.slb"), TSourceKind::Library); }
    std::string Trashed(const std::string& name) const {
        return dataHome.File("Trash/files/" + name);
    }
    // Trashed files go to a trash of the test's own.
    TTempDir dataHome;
    TScopedEnv trash{"XDG_DATA_HOME", dataHome.Path()};
};

TEST_F(SlideCommandsTest, CommandsSayWhatIsWrongWithTheSelection) {
    OpenLibrary();
    model.SetSelection({});
    SlideDelete(model);
    AddToSlideLib(model, TAddMode::Add);
    SaveSlidesToDir(model);
    SlideRename(model);
    MvSlideUpDnButtonClick(model, TSlideMove::Up);
    model.SetSelection({1, 3});
    SlideRename(model);
    MvSlideUpDnButtonClick(model, TSlideMove::Down);
    SlideSave(model);
    EXPECT_EQ(dialogs.log,
              (Names{"error: No selected slides!", "error: No selected slides!",
                     "error: No selected slides!", "error: No selected slide!",
                     "warning: No selected slide!", "error: Must be selected only one slide!",
                     "warning: Must be selected only one slide!",
                     "error: Must be selected only one slide!"}));
}

TEST_F(SlideCommandsTest, DeleteWritesTheLibraryBackOrTrashesTheFiles) {
    OpenLibrary();
    const std::vector<uint8_t> before = ReadFileBytes(dir.File("Lib.slb"));
    model.SetSelection({1, 3});
    dialogs.okAnswers = {false, true};
    SlideDelete(model);
    EXPECT_EQ(ReadFileBytes(dir.File("Lib.slb")), before);
    SlideDelete(model);
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")), (Names{"FIRST", "THIRD", "FIFTH"}));
    EXPECT_EQ(model.Items(), (Names{"FIRST", "THIRD", "FIFTH"}));
    EXPECT_EQ(dialogs.log[1], "confirm: Do you really want to delete the selected slide(s)?");

    model.ShowFolderSlides();
    model.SetSelection({1});
    dialogs.okAnswers = {true};
    SlideDelete(model);
    EXPECT_FALSE(FileExists(dir.File("B.sld")));
    EXPECT_EQ(ReadFileBytes(Trashed("B.sld")), MakeSlide(400, 200));
    EXPECT_EQ(model.Items(), (Names{"a.sld", "plan.v2.sld"}));
}

TEST_F(SlideCommandsTest, FolderSlidesWithLongNamesAreFoundByTheirFiles) {
    // A slide keeps 32 characters of its name; the file is found all the same, and a file
    // named like the cut name is left alone.
    const std::string longName = "a_slide_file_with_a_rather_long_name.sld";
    const std::string cutName = longName.substr(0, 32);
    WriteFileBytes(dir.File(longName), MakeSlide(90, 90));
    WriteFileBytes(dir.File(cutName), {'k', 'e', 'e', 'p'});
    model.ReloadSlideList();
    ASSERT_EQ(model.Items()[1], cutName);
    EXPECT_EQ(SlideFilePaths(model, {1, 0}), (Names{dir.File(longName), dir.File("a.sld")}));
    model.SetSelection({1});
    dialogs.okAnswers = {true};
    SlideDelete(model);
    EXPECT_FALSE(FileExists(dir.File(longName)));
    EXPECT_TRUE(FileExists(Trashed(longName)));
    EXPECT_TRUE(FileExists(dir.File(cutName)));
}

TEST_F(SlideCommandsTest, SaveAsReplacesAnExistingFileAfterOneQuestion) {
    WriteLibrary(dir.File("out.slb"), {{"OLD", MakeSlide(10, 10)}});
    OpenLibrary();
    model.SetSelection({0, 2});
    dialogs.files = {File(dir.File("out.slb")), File(dir.File("out.slb"))};
    dialogs.okAnswers = {false, true};
    AddToSlideLib(model, TAddMode::SaveAs);
    EXPECT_EQ(LibraryNames(dir.File("out.slb")), Names{"OLD"});
    AddToSlideLib(model, TAddMode::SaveAs);
    EXPECT_EQ(LibraryNames(dir.File("out.slb")), (Names{"FIRST", "THIRD"}));
    EXPECT_EQ(SlideBytes(dir.File("out.slb"), "THIRD"), MakeSlide(80, 80));
    EXPECT_EQ(
        dialogs.log,
        (Names{"save: Save Slides as Slide-Library-File", "confirm: File exists. Overwrite?",
               "save: Save Slides as Slide-Library-File", "confirm: File exists. Overwrite?"}));
    EXPECT_EQ(dialogs.fileOptions[0].Filter, "SLB-files (*.slb)|*.slb");
    // The new file shows up in the file list.
    EXPECT_EQ(model.Sources(), (Names{"Lib.slb", "out.slb"}));
    EXPECT_EQ(model.SelectedSource(), 0);

    // The library shown is never its own target, under any spelling of its path.
    dialogs.log.clear();
    dialogs.files = {File(dir.File("LIB.SLB")), File(dir.Path() + "/./Lib.slb")};
    AddToSlideLib(model, TAddMode::Move);
    AddToSlideLib(model, TAddMode::Add);
    EXPECT_EQ(dialogs.log[1], "error: Cannot write to file itself!");
    EXPECT_EQ(dialogs.log[3], "error: Cannot write to file itself!");
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")).size(), 5u);
}

TEST_F(SlideCommandsTest, AddAsksAboutEachClashUntilAll) {
    WriteLibrary(dir.File("T.slb"), {{"SECOND", MakeSlide(11, 11)},
                                     {"ZED", MakeSlide(12, 12)},
                                     {"THIRD", MakeSlide(13, 13)},
                                     {"FIFTH", MakeSlide(14, 14)}});
    OpenLibrary();
    model.SetSelection({0, 1, 2, 4});
    dialogs.files = {File(dir.File("T.slb"))};
    dialogs.answers = {TAnswer::All};
    AddToSlideLib(model, TAddMode::Add);
    // One question; All replaced every later clash at its place; FIRST went last.
    EXPECT_EQ(dialogs.log, (Names{"save: Add Slides to Slide-Library-File",
                                  "ask: Slide: SECOND exists. Overwrite?"}));
    EXPECT_EQ(LibraryNames(dir.File("T.slb")), (Names{"SECOND", "ZED", "THIRD", "FIFTH", "FIRST"}));
    EXPECT_EQ(SlideBytes(dir.File("T.slb"), "SECOND"), MakeSlide(50, 100));
    EXPECT_EQ(SlideBytes(dir.File("T.slb"), "FIFTH"), MakeSlide(70, 40));
    EXPECT_EQ(SlideBytes(dir.File("T.slb"), "ZED"), MakeSlide(12, 12));
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")).size(), 5u); // add leaves the source

    // No skips one slide; Cancel stops, and what was copied so far is written.
    WriteLibrary(dir.File("T.slb"), {{"SECOND", MakeSlide(11, 11)}, {"THIRD", MakeSlide(13, 13)}});
    dialogs.log.clear();
    dialogs.files = {File(dir.File("T.slb"))};
    dialogs.answers = {TAnswer::No, TAnswer::Cancel};
    AddToSlideLib(model, TAddMode::Add);
    EXPECT_EQ(dialogs.log, (Names{"save: Add Slides to Slide-Library-File",
                                  "ask: Slide: SECOND exists. Overwrite?",
                                  "ask: Slide: THIRD exists. Overwrite?"}));
    EXPECT_EQ(LibraryNames(dir.File("T.slb")), (Names{"SECOND", "THIRD", "FIRST"}));
    EXPECT_EQ(SlideBytes(dir.File("T.slb"), "SECOND"), MakeSlide(11, 11));
}

TEST_F(SlideCommandsTest, AddAndMoveFolderSlidesToAMissingLibrary) {
    model.SetSelection({0, 2});
    dialogs.files = {File(dir.File("new.slb")), File(dir.File("new.slb"))};
    dialogs.okAnswers = {false, true};
    AddToSlideLib(model, TAddMode::Add);
    EXPECT_FALSE(FileExists(dir.File("new.slb")));
    AddToSlideLib(model, TAddMode::Add);
    // Folder slides go in under their file names without the extension: a dotted name loses
    // only its last part.
    EXPECT_EQ(LibraryNames(dir.File("new.slb")), (Names{"A", "PLAN.V2"}));
    EXPECT_EQ(SlideBytes(dir.File("new.slb"), "PLAN.V2"), MakeSlide(200, 100));
    EXPECT_EQ(dialogs.log[1], "confirm: File does not exist. Create?");
    EXPECT_EQ(model.Sources(), (Names{"Lib.slb", "new.slb"}));

    // Moved: the files go to the trash once the library holds them.
    model.SetSelection({1});
    dialogs.files = {File(dir.File("new.slb"))};
    AddToSlideLib(model, TAddMode::Move);
    EXPECT_EQ(LibraryNames(dir.File("new.slb")), (Names{"A", "PLAN.V2", "B"}));
    EXPECT_EQ(ReadFileBytes(Trashed("B.sld")), MakeSlide(400, 200));
    EXPECT_EQ(model.Items(), (Names{"a.sld", "plan.v2.sld"}));
}

TEST_F(SlideCommandsTest, MovingThreeAdjacentSlidesMovesExactlyThose) {
    OpenLibrary();
    model.SetSelection({1, 2, 3});
    dialogs.files = {File(dir.File("moved.slb"))};
    dialogs.okAnswers = {true};
    AddToSlideLib(model, TAddMode::Move);
    EXPECT_EQ(LibraryNames(dir.File("moved.slb")), (Names{"SECOND", "THIRD", "FOURTH"}));
    EXPECT_EQ(SlideBytes(dir.File("moved.slb"), "FOURTH"), MakeSlide(60, 60));
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")), (Names{"FIRST", "FIFTH"}));
    EXPECT_EQ(model.Items(), (Names{"FIRST", "FIFTH"}));
}

TEST_F(SlideCommandsTest, AMoveWhoseTargetCannotBeWrittenLosesNothing) {
    const std::string target = dir.File("no such folder/moved.slb");
    // Folder view: the files stay.
    model.SetSelection({0, 1, 2});
    dialogs.files = {File(target)};
    dialogs.okAnswers = {true};
    EXPECT_THROW(AddToSlideLib(model, TAddMode::Move), EVarnelError);
    EXPECT_TRUE(FileExists(dir.File("a.sld")));
    EXPECT_TRUE(FileExists(dir.File("plan.v2.sld")));
    EXPECT_FALSE(FileExists(Trashed("a.sld")));

    // Library view: the library stays as it was.
    OpenLibrary();
    const std::vector<uint8_t> before = ReadFileBytes(dir.File("Lib.slb"));
    model.SetSelection({0, 4});
    dialogs.files = {File(target)};
    dialogs.okAnswers = {true};
    EXPECT_THROW(AddToSlideLib(model, TAddMode::Move), EVarnelError);
    EXPECT_EQ(ReadFileBytes(dir.File("Lib.slb")), before);
    EXPECT_EQ(model.CurrentList()->Count(), 5);

    // A target that is not a library ends the command with its name, before anything changed.
    WriteFileBytes(dir.File("bad.slb"), {'n', 'o', 't'});
    dialogs.files = {File(dir.File("bad.slb"))};
    try {
        AddToSlideLib(model, TAddMode::Move);
        ADD_FAILURE() << "no error";
    } catch (const EVarnelError& e) {
        EXPECT_NE(std::string(e.what()).find(dir.File("bad.slb")), std::string::npos);
    }
    EXPECT_EQ(ReadFileBytes(dir.File("Lib.slb")), before);
    EXPECT_EQ(ReadFileBytes(dir.File("bad.slb")), (std::vector<uint8_t>{'n', 'o', 't'}));
}

TEST_F(SlideCommandsTest, SlidesThatShareANameWithoutExtensionAreNotLost) {
    WriteLibrary(dir.File("Lib.slb"), {{"DOOR.1", MakeSlide(21, 21)},
                                       {"DOOR.2", MakeSlide(22, 22)},
                                       {"WALL", MakeSlide(23, 23)}});
    OpenLibrary();
    model.SelectAll();
    dialogs.files = {File(dir.File("moved.slb"))};
    dialogs.okAnswers = {true};
    AddToSlideLib(model, TAddMode::Move);
    // The second one keeps its own name rather than replacing the first.
    EXPECT_EQ(LibraryNames(dir.File("moved.slb")), (Names{"DOOR", "DOOR.2", "WALL"}));
    EXPECT_EQ(SlideBytes(dir.File("moved.slb"), "DOOR"), MakeSlide(21, 21));
    EXPECT_EQ(SlideBytes(dir.File("moved.slb"), "DOOR.2"), MakeSlide(22, 22));
    EXPECT_TRUE(LibraryNames(dir.File("Lib.slb")).empty());
}

TEST_F(SlideCommandsTest, NewLibraryIsAnEmptyLibraryFile) {
    dialogs.files = {File(dir.File("empty.slb")), File(dir.File("Lib.slb"))};
    dialogs.okAnswers = {false};
    CreateNewSlideLib(model);
    CreateNewSlideLib(model);
    EXPECT_EQ(dialogs.log, (Names{"save: Create New Empty Slide-Library-File",
                                  "save: Create New Empty Slide-Library-File",
                                  "confirm: File exists. Overwrite?"}));
    // An empty library: 68 bytes (the library's own tests check each of them).
    EXPECT_EQ(ReadFileBytes(dir.File("empty.slb")).size(), 68u);
    EXPECT_EQ(model.Sources(), (Names{"empty.slb", "Lib.slb"}));
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")).size(), 5u);
}

TEST_F(SlideCommandsTest, RenameInALibrary) {
    OpenLibrary();
    model.SelectItem(2);
    dialogs.texts = {"door.SLD"};
    SlideRename(model);
    EXPECT_EQ(dialogs.presets, Names{"THIRD"});
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")),
              (Names{"FIRST", "SECOND", "DOOR", "FOURTH", "FIFTH"}));
    EXPECT_EQ(model.Selection(), std::vector<int>{2}); // the renamed slide stays selected

    // Another slide's name, in any letter case, and no name at all are refused.
    const std::vector<uint8_t> before = ReadFileBytes(dir.File("Lib.slb"));
    dialogs.texts = {"second", ""};
    SlideRename(model);
    SlideRename(model);
    EXPECT_EQ(dialogs.log,
              (Names{"input: New slide name", "input: New slide name", "error: Bad slide name!",
                     "input: New slide name", "error: Bad slide name!"}));
    EXPECT_EQ(ReadFileBytes(dir.File("Lib.slb")), before);

    // A cancelled input box gives the slide its own name: nothing to say, nothing changes.
    dialogs.log.clear();
    SlideRename(model);
    EXPECT_EQ(dialogs.log, Names{"input: New slide name"});
    EXPECT_EQ(ReadFileBytes(dir.File("Lib.slb")), before);
}

TEST_F(SlideCommandsTest, RenameInAFolder) {
    model.SelectItem(0);
    dialogs.texts = {"door"};
    SlideRename(model);
    EXPECT_EQ(dialogs.presets, Names{"a.sld"});
    EXPECT_FALSE(FileExists(dir.File("a.sld")));
    EXPECT_EQ(ReadFileBytes(dir.File("door.sld")), MakeSlide(300, 300));
    EXPECT_EQ(model.Items(), (Names{"B.sld", "door.sld", "plan.v2.sld"}));
    EXPECT_EQ(model.Selection(), std::vector<int>{1});

    // A change of letter case only does nothing; a taken name (in any case), a folder in the
    // name and no name at all are refused.
    dialogs.log.clear();
    dialogs.texts = {"DOOR.SLD", "b.SLD", "../door.sld", ""};
    for (int i = 0; i < 4; ++i)
        SlideRename(model);
    EXPECT_EQ(dialogs.log,
              (Names{"input: New slide name", "input: New slide name", "error: Bad slide name!",
                     "input: New slide name", "error: Bad slide name!", "input: New slide name",
                     "error: Bad slide name!"}));
    EXPECT_TRUE(FileExists(dir.File("door.sld")));
    EXPECT_TRUE(FileExists(dir.File("B.sld")));

    // A name the file system cannot take.
    dialogs.log.clear();
    dialogs.texts = {std::string(300, 'x') + ".sld"};
    SlideRename(model);
    EXPECT_EQ(dialogs.log.back(),
              "error: Cannot rename the slide to: " + dir.File(std::string(300, 'x') + ".sld"));
    EXPECT_TRUE(FileExists(dir.File("door.sld")));
}

TEST_F(SlideCommandsTest, MoveUpAndDownInALibrary) {
    OpenLibrary();
    const std::vector<uint8_t> before = ReadFileBytes(dir.File("Lib.slb"));
    model.SelectItem(0);
    MvSlideUpDnButtonClick(model, TSlideMove::Up);
    model.SelectItem(4);
    MvSlideUpDnButtonClick(model, TSlideMove::Down);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(ReadFileBytes(dir.File("Lib.slb")), before);

    model.SelectItem(1);
    MvSlideUpDnButtonClick(model, TSlideMove::Down);
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")),
              (Names{"FIRST", "THIRD", "SECOND", "FOURTH", "FIFTH"}));
    EXPECT_EQ(model.Selection(), std::vector<int>{2});
    MvSlideUpDnButtonClick(model, TSlideMove::Up);
    MvSlideUpDnButtonClick(model, TSlideMove::Up);
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")),
              (Names{"SECOND", "FIRST", "THIRD", "FOURTH", "FIFTH"}));
    EXPECT_EQ(model.Selection(), std::vector<int>{0});
    EXPECT_EQ(SlideBytes(dir.File("Lib.slb"), "SECOND"), MakeSlide(50, 100));

    model.ShowFolderSlides();
    MvSlideUpDnButtonClick(model, TSlideMove::Down);
    EXPECT_EQ(dialogs.log, Names{"error: This is not a slide-library!"});
}

TEST_F(SlideCommandsTest, SaveOneSlide) {
    model.SelectItem(1);
    dialogs.files = {File(dir.File("b.sld")), File(dir.File("copy.sld"))};
    dialogs.okAnswers = {};
    SaveSlidesToDir(model); // one slide: saved through the slide file chooser
    EXPECT_EQ(dialogs.log,
              (Names{"save: Save as Slide-File", "error: Cannot write to file itself!"}));
    EXPECT_EQ(dialogs.fileOptions[0].FileName, "B.sld");
    EXPECT_EQ(dialogs.fileOptions[0].DefaultExt, "sld");
    SlideSave(model);
    EXPECT_EQ(ReadFileBytes(dir.File("copy.sld")), MakeSlide(400, 200));
    // Written into the folder shown: the list shows it.
    EXPECT_EQ(model.Items(), (Names{"a.sld", "B.sld", "copy.sld", "plan.v2.sld"}));

    // A library slide is its exact bytes; an existing file is replaced only after OK.
    OpenLibrary();
    model.SelectItem(3);
    dialogs.log.clear();
    dialogs.files = {File(dir.File("copy.sld")), File(dir.File("copy.sld"))};
    dialogs.okAnswers = {false, true};
    SlideSave(model);
    EXPECT_EQ(ReadFileBytes(dir.File("copy.sld")), MakeSlide(400, 200));
    SlideSave(model);
    EXPECT_EQ(ReadFileBytes(dir.File("copy.sld")), MakeSlide(60, 60));
    EXPECT_EQ(dialogs.log[1], "confirm: File exists. Overwrite?");
    EXPECT_EQ(dialogs.fileOptions.back().FileName, "FOURTH"); // the library's name of it
}

TEST_F(SlideCommandsTest, SaveToDirectoryMakesTheFolderAndAsksAboutEachFile) {
    OpenLibrary();
    const std::string out = dir.File("out");
    model.SetSelection({0, 1, 2});
    dialogs.folders = {out};
    dialogs.okAnswers = {true};
    SaveSlidesToDir(model);
    EXPECT_EQ(dialogs.log, (Names{"folder: Save Slides to Directory",
                                  "confirm: Directory \"" + out + "\" does not exist. Create?"}));
    EXPECT_EQ(ReadFileBytes(out + "/FIRST.sld"), MakeSlide(100, 50));
    EXPECT_EQ(ReadFileBytes(out + "/THIRD.sld"), MakeSlide(80, 80));

    // Existing files: No keeps one, All writes the rest.
    WriteFileBytes(out + "/FIRST.sld", {'o', 'l', 'd'});
    model.SetSelection({0, 1, 2, 3});
    dialogs.log.clear();
    dialogs.folders = {out};
    dialogs.answers = {TAnswer::No, TAnswer::All};
    SaveSlidesToDir(model);
    EXPECT_EQ(dialogs.log,
              (Names{"folder: Save Slides to Directory", "ask: File: FIRST.sld exists. Overwrite?",
                     "ask: File: SECOND.sld exists. Overwrite?"}));
    EXPECT_EQ(ReadFileBytes(out + "/FIRST.sld"), (std::vector<uint8_t>{'o', 'l', 'd'}));
    EXPECT_EQ(ReadFileBytes(out + "/FOURTH.sld"), MakeSlide(60, 60));

    // A folder not made when the user says no; the shown folder is not a target in folder view.
    model.ShowFolderSlides();
    model.SetSelection({0, 2});
    dialogs.log.clear();
    dialogs.folders = {dir.File("never"), dir.Path() + "/"};
    dialogs.okAnswers = {false};
    SaveSlidesToDir(model);
    SaveSlidesToDir(model);
    EXPECT_FALSE(fs::exists(dir.File("never")));
    EXPECT_EQ(dialogs.log.back(), "error: Cannot copy to same directory!");

    // Folder slides keep their file names.
    dialogs.folders = {out};
    SaveSlidesToDir(model);
    EXPECT_EQ(ReadFileBytes(out + "/plan.v2.sld"), MakeSlide(200, 100));
    EXPECT_TRUE(FileExists(dir.File("a.sld")));
}

} // namespace
