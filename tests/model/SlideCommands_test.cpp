// The slide management commands over the model with scripted dialogs: the questions asked, and
// the files left on disk after each command.
#include "ModelFixture.h"
#include "ModelTestSupport.h"
#include "base/Errors.h"
#include "base/Streams.h"
#include "model/SlideCommands.h"
#include "slides/SlideClasses.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;
using TAnswer = TDialogs::TAnswer;

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
    // The next file choosers answer with these files of the folder, the next questions with oks.
    void Answer(const Names& files, std::deque<bool> oks = {}) {
        for (const std::string& f : files)
            dialogs.files.push_back(TFileChoice{dir.File(f), 1});
        dialogs.okAnswers = std::move(oks);
    }
    Names Lib(const std::string& name = "Lib.slb") const { return LibraryNames(dir.File(name)); }
    Bytes Read(const std::string& name) const { return ReadFileBytes(dir.File(name)); }
    // The bytes of the named slide of a library of the folder.
    Bytes SlideOf(const std::string& library, const std::string& name) const {
        std::unique_ptr<TSlideLib> lib = TSlideLib::CreateFromFile(dir.File(library));
        TMemoryStream out;
        lib->SaveSlideToStream(lib->IndexOfName(name), out);
        return out.Bytes();
    }
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
    const Bytes before = Read("Lib.slb");
    model.SetSelection({1, 3});
    dialogs.okAnswers = {false, true};
    SlideDelete(model);
    EXPECT_EQ(Read("Lib.slb"), before);
    SlideDelete(model);
    EXPECT_EQ(Lib(), (Names{"FIRST", "THIRD", "FIFTH"}));
    EXPECT_EQ(model.Items(), (Names{"FIRST", "THIRD", "FIFTH"}));
    EXPECT_EQ(dialogs.log[1], "confirm: Do you really want to delete the selected slide(s)?");

    // A slide keeps 32 characters of its file name; its file is found all the same, and a file
    // named like the cut name is left alone.
    const std::string longName = "a_slide_file_with_a_rather_long_name.sld";
    const std::string cutName = longName.substr(0, 32);
    WriteFileBytes(dir.File(longName), MakeSlide(90, 90));
    WriteFileBytes(dir.File(cutName), {'k'});
    model.ShowFolderSlides();
    ASSERT_EQ(model.Items()[1], cutName);
    EXPECT_EQ(SlideFilePaths(model, {1, 0}), (Names{dir.File(longName), dir.File("a.sld")}));
    model.SetSelection({1, 2});
    dialogs.okAnswers = {true};
    SlideDelete(model);
    EXPECT_EQ(ReadFileBytes(Trashed("B.sld")), MakeSlide(400, 200));
    EXPECT_TRUE(FileExists(Trashed(longName)));
    EXPECT_TRUE(FileExists(dir.File(cutName)));
    EXPECT_EQ(model.Items(), (Names{"a.sld", "plan.v2.sld"}));
}

TEST_F(SlideCommandsTest, SaveAsReplacesAnExistingFileAfterOneQuestion) {
    WriteLibrary(dir.File("out.slb"), {{"OLD", MakeSlide(10, 10)}});
    OpenLibrary();
    model.SetSelection({0, 2});
    Answer({"out.slb", "out.slb"}, {false, true});
    AddToSlideLib(model, TAddMode::SaveAs);
    EXPECT_EQ(Lib("out.slb"), Names{"OLD"});
    AddToSlideLib(model, TAddMode::SaveAs);
    EXPECT_EQ(Lib("out.slb"), (Names{"FIRST", "THIRD"}));
    EXPECT_EQ(SlideOf("out.slb", "THIRD"), MakeSlide(80, 80));
    EXPECT_EQ(dialogs.log.size(), 4u);
    EXPECT_EQ(dialogs.log[3], "confirm: File exists. Overwrite?");
    EXPECT_EQ(dialogs.fileOptions[0].Filter, "SLB-files (*.slb)|*.slb");
    EXPECT_EQ(model.Sources(), (Names{"Lib.slb", "out.slb"})); // the new file is listed

    // The library shown is never its own target, under any spelling of its path.
    dialogs.log.clear();
    Answer({"LIB.SLB", "./Lib.slb"});
    AddToSlideLib(model, TAddMode::Move);
    AddToSlideLib(model, TAddMode::Add);
    EXPECT_EQ(dialogs.log[1], "error: Cannot write to file itself!");
    EXPECT_EQ(dialogs.log[3], "error: Cannot write to file itself!");
    EXPECT_EQ(Lib().size(), 5u);
}

TEST_F(SlideCommandsTest, AddAsksAboutEachClashUntilAll) {
    WriteLibrary(dir.File("T.slb"), {{"SECOND", MakeSlide(11, 11)},
                                     {"ZED", MakeSlide(12, 12)},
                                     {"THIRD", MakeSlide(13, 13)},
                                     {"FIFTH", MakeSlide(14, 14)}});
    OpenLibrary();
    model.SetSelection({0, 1, 2, 4});
    Answer({"T.slb"});
    dialogs.answers = {TAnswer::All};
    AddToSlideLib(model, TAddMode::Add);
    // One question; All replaced every later clash at its place; FIRST went last.
    EXPECT_EQ(dialogs.log, (Names{"save: Add Slides to Slide-Library-File",
                                  "ask: Slide: SECOND exists. Overwrite?"}));
    EXPECT_EQ(Lib("T.slb"), (Names{"SECOND", "ZED", "THIRD", "FIFTH", "FIRST"}));
    EXPECT_EQ(SlideOf("T.slb", "SECOND"), MakeSlide(50, 100));
    EXPECT_EQ(SlideOf("T.slb", "FIFTH"), MakeSlide(70, 40));
    EXPECT_EQ(Lib().size(), 5u); // add leaves the source

    // No skips one slide; Cancel stops, and what was copied so far is written.
    WriteLibrary(dir.File("T.slb"), {{"SECOND", MakeSlide(11, 11)}, {"THIRD", MakeSlide(13, 13)}});
    dialogs.log.clear();
    Answer({"T.slb"});
    dialogs.answers = {TAnswer::No, TAnswer::Cancel};
    AddToSlideLib(model, TAddMode::Add);
    EXPECT_EQ(dialogs.log.back(), "ask: Slide: THIRD exists. Overwrite?");
    EXPECT_EQ(Lib("T.slb"), (Names{"SECOND", "THIRD", "FIRST"}));
    EXPECT_EQ(SlideOf("T.slb", "SECOND"), MakeSlide(11, 11));
}

TEST_F(SlideCommandsTest, AddAndMoveFolderSlidesToAMissingLibrary) {
    model.SetSelection({0, 2});
    Answer({"new.slb", "new.slb"}, {false, true});
    AddToSlideLib(model, TAddMode::Add);
    EXPECT_FALSE(FileExists(dir.File("new.slb")));
    AddToSlideLib(model, TAddMode::Add);
    // Folder slides go in under their file names without the extension: a dotted name loses
    // only its last part.
    EXPECT_EQ(Lib("new.slb"), (Names{"A", "PLAN.V2"}));
    EXPECT_EQ(SlideOf("new.slb", "PLAN.V2"), MakeSlide(200, 100));
    EXPECT_EQ(dialogs.log[1], "confirm: File does not exist. Create?");

    // Moved: the files go to the trash once the library holds them.
    model.SetSelection({1});
    Answer({"new.slb"});
    AddToSlideLib(model, TAddMode::Move);
    EXPECT_EQ(Lib("new.slb"), (Names{"A", "PLAN.V2", "B"}));
    EXPECT_EQ(ReadFileBytes(Trashed("B.sld")), MakeSlide(400, 200));
    EXPECT_EQ(model.Items(), (Names{"a.sld", "plan.v2.sld"}));
}

// A slide cut short (or holding a record that cannot be read) is never copied into a library as
// the bytes it has: the user is told which slides are damaged and where, and the others go
// without them only after OK. The damaged slides stay where they are, also when moving.
TEST_F(SlideCommandsTest, DamagedSlidesAreNamedAndLeftOutOfALibrary) {
    Bytes cut = MakeSlide(90, 90);
    cut.resize(cut.size() - 5); // no end-of-slide record, the last vector broken off
    WriteFileBytes(dir.File("cut.sld"), cut);
    model.ShowFolderSlides();
    ASSERT_EQ(model.Items(), (Names{"a.sld", "B.sld", "cut.sld", "plan.v2.sld"}));
    const std::string damaged =
        "This slide is damaged (cut short, or holding a record that cannot be read) and cannot go "
        "into a library:\n\"" +
        dir.File("cut.sld") + "\"\n";
    model.SelectAll();
    Answer({"out.slb", "out.slb"}, {false, true});
    AddToSlideLib(model, TAddMode::SaveAs);
    EXPECT_EQ(dialogs.log.back(), "confirm: " + damaged + "Save the other slides without it?");
    EXPECT_FALSE(FileExists(dir.File("out.slb")));
    AddToSlideLib(model, TAddMode::SaveAs);
    // The library holds the three whole slides, byte for byte as one made of them alone.
    WriteLibrary(
        dir.File("expected.slb"),
        {{"A", MakeSlide(300, 300)}, {"B", MakeSlide(400, 200)}, {"PLAN.V2", MakeSlide(200, 100)}});
    EXPECT_EQ(Read("out.slb"), Read("expected.slb"));

    // Only damaged slides selected: said so, nothing written or moved.
    model.SetSelection({2});
    dialogs.log.clear();
    Answer({"moved.slb"});
    AddToSlideLib(model, TAddMode::Move);
    EXPECT_EQ(dialogs.log, (Names{"save: Move Slides to Slide-Library-File",
                                  "error: " + damaged + "Nothing was written."}));
    EXPECT_FALSE(FileExists(dir.File("moved.slb")));
    // Moved with another: the whole one goes, the damaged one stays in the folder.
    model.SetSelection({1, 2});
    Answer({"moved.slb"}, {true, true});
    AddToSlideLib(model, TAddMode::Move);
    EXPECT_EQ(Lib("moved.slb"), Names{"B"});
    EXPECT_EQ(Read("cut.sld"), cut);
    EXPECT_FALSE(FileExists(Trashed("cut.sld")));
    EXPECT_EQ(model.Items(), (Names{"a.sld", "cut.sld", "plan.v2.sld"}));

    // In a library, the damaged slide is named with its library. A move would leave it in a
    // library that must be written back: nothing moves. Added, the others go.
    WriteLibrary(dir.File("Lib.slb"),
                 {{"FIRST", MakeSlide(100, 50)}, {"CUT", cut}, {"LAST", MakeSlide(70, 40)}});
    OpenLibrary();
    const Bytes library = Read("Lib.slb");
    model.SelectAll();
    dialogs.log.clear();
    Answer({"moved.slb", "moved.slb"}, {true});
    AddToSlideLib(model, TAddMode::Move);
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_NE(
        dialogs.log[1].find(":\n\"CUT\" of \"" + dir.File("Lib.slb") + "\"\nNothing was moved."),
        std::string::npos)
        << dialogs.log[1];
    EXPECT_EQ(Lib("moved.slb"), Names{"B"});
    EXPECT_EQ(Read("Lib.slb"), library);
    AddToSlideLib(model, TAddMode::Add);
    EXPECT_NE(dialogs.log.back().find("\"\nAdd the other slides without it?"), std::string::npos)
        << dialogs.log.back();
    EXPECT_EQ(Lib("moved.slb"), (Names{"B", "FIRST", "LAST"}));
    EXPECT_EQ(Read("Lib.slb"), library);
}

TEST_F(SlideCommandsTest, MovingThreeAdjacentSlidesMovesExactlyThose) {
    OpenLibrary();
    model.SetSelection({1, 2, 3});
    Answer({"moved.slb"}, {true});
    AddToSlideLib(model, TAddMode::Move);
    EXPECT_EQ(Lib("moved.slb"), (Names{"SECOND", "THIRD", "FOURTH"}));
    EXPECT_EQ(SlideOf("moved.slb", "FOURTH"), MakeSlide(60, 60));
    EXPECT_EQ(Lib(), (Names{"FIRST", "FIFTH"}));
    EXPECT_EQ(model.Items(), (Names{"FIRST", "FIFTH"}));
}

TEST_F(SlideCommandsTest, AMoveWhoseTargetCannotBeWrittenLosesNothing) {
    // Folder view: the files stay.
    model.SetSelection({0, 1, 2});
    Answer({"no such folder/moved.slb"}, {true});
    EXPECT_THROW(AddToSlideLib(model, TAddMode::Move), EVarnelError);
    EXPECT_TRUE(FileExists(dir.File("a.sld")));
    EXPECT_TRUE(FileExists(dir.File("plan.v2.sld")));
    EXPECT_FALSE(FileExists(Trashed("a.sld")));

    // Library view: the library stays as it was.
    OpenLibrary();
    const Bytes before = Read("Lib.slb");
    model.SetSelection({0, 4});
    Answer({"no such folder/moved.slb"}, {true});
    EXPECT_THROW(AddToSlideLib(model, TAddMode::Move), EVarnelError);
    EXPECT_EQ(Read("Lib.slb"), before);
    EXPECT_EQ(model.CurrentList()->Count(), 5);

    // A target that is not a library ends the command with its name, before anything changed.
    WriteFileBytes(dir.File("bad.slb"), {'n', 'o', 't'});
    Answer({"bad.slb"});
    EXPECT_NE(MessageOf<EVarnelError>([&] {
                  AddToSlideLib(model, TAddMode::Move);
              }).find(dir.File("bad.slb")),
              std::string::npos);
    EXPECT_EQ(Read("Lib.slb"), before);
    EXPECT_EQ(Read("bad.slb"), (Bytes{'n', 'o', 't'}));
}

TEST_F(SlideCommandsTest, AMoveWhoseTargetCannotHoldTheSlidesLosesNothing) {
    struct TLimit {
        ~TLimit() { TSlideLib::LimitCapacityForTesting(0); }
    } lift;
    // Folder view: no room for even one slide; no file is written or trashed.
    model.SelectAll();
    Answer({"moved.slb"}, {true});
    TSlideLib::LimitCapacityForTesting(2);
    EXPECT_THROW(AddToSlideLib(model, TAddMode::Move), EVarnelError);
    EXPECT_FALSE(FileExists(dir.File("moved.slb")));
    EXPECT_TRUE(FileExists(dir.File("a.sld")));
    EXPECT_FALSE(FileExists(Trashed("a.sld")));

    // Library view: room for four of the five; the fifth stops the command before the target
    // is written or any slide leaves the library.
    TSlideLib::LimitCapacityForTesting(0);
    OpenLibrary();
    const Bytes before = Read("Lib.slb");
    model.SelectAll();
    Answer({"moved.slb"}, {true});
    TSlideLib::LimitCapacityForTesting(4);
    EXPECT_NE(MessageOf<EVarnelError>([&] { AddToSlideLib(model, TAddMode::Move); }).find("FIFTH"),
              std::string::npos);
    EXPECT_FALSE(FileExists(dir.File("moved.slb")));
    EXPECT_EQ(Read("Lib.slb"), before);
    EXPECT_EQ(model.CurrentList()->Count(), 5);
}

TEST_F(SlideCommandsTest, RenameToANameThatDiffersOnlyBeyondWhatTheLibraryKeepsIsRefused) {
    OpenLibrary();
    model.SelectItem(0);
    dialogs.texts = {"ABCDEFGHIJKLMNOPQRSTUVWXYZ123456"};
    SlideRename(model);
    model.SelectItem(1);
    dialogs.texts = {"abcdefghijklmnopqrstuvwxyz123457"};
    SlideRename(model);
    EXPECT_EQ(dialogs.log.back(), "error: Bad slide name!");
    EXPECT_EQ(Lib(),
              (Names{"ABCDEFGHIJKLMNOPQRSTUVWXYZ12345", "SECOND", "THIRD", "FOURTH", "FIFTH"}));
    EXPECT_EQ(model.Selection(), std::vector<int>{1});
}

TEST_F(SlideCommandsTest, SlidesThatShareANameWithoutExtensionAreNotLost) {
    WriteLibrary(dir.File("Lib.slb"), {{"DOOR.1", MakeSlide(21, 21)},
                                       {"DOOR.2", MakeSlide(22, 22)},
                                       {"WALL", MakeSlide(23, 23)}});
    OpenLibrary();
    model.SelectAll();
    Answer({"moved.slb"}, {true});
    AddToSlideLib(model, TAddMode::Move);
    // The second one keeps its own name rather than replacing the first.
    EXPECT_EQ(Lib("moved.slb"), (Names{"DOOR", "DOOR.2", "WALL"}));
    EXPECT_EQ(SlideOf("moved.slb", "DOOR"), MakeSlide(21, 21));
    EXPECT_EQ(SlideOf("moved.slb", "DOOR.2"), MakeSlide(22, 22));
    EXPECT_TRUE(Lib().empty());
}

TEST_F(SlideCommandsTest, NewLibraryIsAnEmptyLibraryFile) {
    Answer({"empty.slb", "Lib.slb"}, {false});
    CreateNewSlideLib(model);
    CreateNewSlideLib(model);
    EXPECT_EQ(dialogs.log.back(), "confirm: File exists. Overwrite?");
    // An empty library: 68 bytes (the library's own tests check each of them).
    EXPECT_EQ(Read("empty.slb").size(), 68u);
    EXPECT_EQ(model.Sources(), (Names{"empty.slb", "Lib.slb"}));
    EXPECT_EQ(Lib().size(), 5u);
}

TEST_F(SlideCommandsTest, RenameInALibrary) {
    OpenLibrary();
    model.SelectItem(2);
    dialogs.texts = {"door.SLD"};
    SlideRename(model);
    EXPECT_EQ(dialogs.presets, Names{"THIRD"});
    EXPECT_EQ(Lib(), (Names{"FIRST", "SECOND", "DOOR", "FOURTH", "FIFTH"}));
    EXPECT_EQ(model.Selection(), std::vector<int>{2}); // the renamed slide stays selected

    // Another slide's name, in any letter case, and no name at all are refused; a cancelled
    // input box gives the slide its own name: nothing to say, nothing changes.
    const Bytes before = Read("Lib.slb");
    dialogs.log.clear();
    dialogs.texts = {"second", ""};
    for (int i = 0; i < 3; ++i)
        SlideRename(model);
    EXPECT_EQ(dialogs.log,
              (Names{"input: New slide name", "error: Bad slide name!", "input: New slide name",
                     "error: Bad slide name!", "input: New slide name"}));
    EXPECT_EQ(Read("Lib.slb"), before);
}

TEST_F(SlideCommandsTest, RenameInAFolder) {
    model.SelectItem(0);
    dialogs.texts = {"door"};
    SlideRename(model);
    EXPECT_EQ(dialogs.presets, Names{"a.sld"});
    EXPECT_FALSE(FileExists(dir.File("a.sld")));
    EXPECT_EQ(Read("door.sld"), MakeSlide(300, 300));
    EXPECT_EQ(model.Items(), (Names{"B.sld", "door.sld", "plan.v2.sld"}));
    EXPECT_EQ(model.Selection(), std::vector<int>{1});

    // A change of letter case only does nothing; a taken name (in any case), a folder in the
    // name, no name at all and one the file system cannot take are refused.
    dialogs.log.clear();
    const std::string tooLong = std::string(300, 'x') + ".sld";
    dialogs.texts = {"DOOR.SLD", "b.SLD", "../door.sld", "", tooLong};
    for (int i = 0; i < 5; ++i)
        SlideRename(model);
    EXPECT_EQ(std::count(dialogs.log.begin(), dialogs.log.end(), "error: Bad slide name!"), 3);
    EXPECT_EQ(dialogs.log.size(), 9u);
    EXPECT_EQ(dialogs.log.back(), "error: Cannot rename the slide to: " + dir.File(tooLong));
    EXPECT_TRUE(FileExists(dir.File("door.sld")));
    EXPECT_TRUE(FileExists(dir.File("B.sld")));
}

TEST_F(SlideCommandsTest, MoveUpAndDownInALibrary) {
    OpenLibrary();
    // Up on the first and down on the last slide: nothing to say, nothing written.
    const Bytes before = Read("Lib.slb");
    model.SelectItem(0);
    MvSlideUpDnButtonClick(model, TSlideMove::Up);
    model.SelectItem(4);
    MvSlideUpDnButtonClick(model, TSlideMove::Down);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(Read("Lib.slb"), before);

    model.SelectItem(1);
    MvSlideUpDnButtonClick(model, TSlideMove::Down);
    EXPECT_EQ(Lib(), (Names{"FIRST", "THIRD", "SECOND", "FOURTH", "FIFTH"}));
    EXPECT_EQ(model.Selection(), std::vector<int>{2});
    MvSlideUpDnButtonClick(model, TSlideMove::Up);
    MvSlideUpDnButtonClick(model, TSlideMove::Up);
    EXPECT_EQ(Lib(), (Names{"SECOND", "FIRST", "THIRD", "FOURTH", "FIFTH"}));
    EXPECT_EQ(model.Selection(), std::vector<int>{0});
    EXPECT_EQ(SlideOf("Lib.slb", "SECOND"), MakeSlide(50, 100));

    model.ShowFolderSlides();
    MvSlideUpDnButtonClick(model, TSlideMove::Down);
    EXPECT_EQ(dialogs.log, Names{"error: This is not a slide-library!"});
}

TEST_F(SlideCommandsTest, SaveOneSlide) {
    model.SelectItem(1);
    Answer({"b.sld", "copy.sld"});
    SaveSlidesToDir(model); // one slide: saved through the slide file chooser
    EXPECT_EQ(dialogs.log,
              (Names{"save: Save as Slide-File", "error: Cannot write to file itself!"}));
    EXPECT_EQ(dialogs.fileOptions[0].FileName + " " + dialogs.fileOptions[0].DefaultExt,
              "B.sld sld");
    SlideSave(model);
    EXPECT_EQ(model.Items()[2], "copy.sld"); // written into the folder shown: listed

    // A library slide is its exact bytes; an existing file is replaced only after OK.
    OpenLibrary();
    model.SelectItem(3);
    dialogs.log.clear();
    Answer({"copy.sld", "copy.sld"}, {false, true});
    SlideSave(model);
    EXPECT_EQ(Read("copy.sld"), MakeSlide(400, 200)); // the first copy, kept
    SlideSave(model);
    EXPECT_EQ(Read("copy.sld"), MakeSlide(60, 60));
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
    EXPECT_EQ(ReadFileBytes(out + "/FIRST.sld"), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(ReadFileBytes(out + "/FOURTH.sld"), MakeSlide(60, 60));

    // A folder not made when the user says no; the shown folder is not a target in folder view;
    // folder slides keep their file names.
    model.ShowFolderSlides();
    model.SetSelection({0, 2});
    dialogs.folders = {dir.File("never"), dir.Path() + "/", out};
    dialogs.okAnswers = {false};
    SaveSlidesToDir(model);
    SaveSlidesToDir(model);
    EXPECT_FALSE(std::filesystem::exists(dir.File("never")));
    EXPECT_EQ(dialogs.log.back(), "error: Cannot copy to same directory!");
    SaveSlidesToDir(model);
    EXPECT_EQ(ReadFileBytes(out + "/plan.v2.sld"), MakeSlide(200, 100));
    EXPECT_TRUE(FileExists(dir.File("a.sld")));
}

} // namespace
