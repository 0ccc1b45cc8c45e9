// Undo and redo of every edit the slide commands make: the folder's files (and the trash) byte
// for byte as before the edit after Undo, as after it after Redo; a write that fails halfway;
// files another program changed; the history's bounds.
#include "ModelFixture.h"
#include "ModelTestSupport.h"
#include "base/Errors.h"
#include "graphics/Bitmap4.h"
#include "graphics/BmpWriter.h"
#include "model/Commands.h"
#include "model/EditHistory.h"
#include "model/ExportCommands.h"
#include "model/PatternPage.h"
#include "model/SlideCommands.h"
#include "slides/SlideClasses.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/resource.h>

namespace {

using Bytes = std::vector<uint8_t>;
// Every file under a folder (relative name -> bytes).
using TFiles = std::map<std::string, Bytes>;

TFiles FilesUnder(const std::string& folder) {
    TFiles files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, ec)) {
        if (!entry.is_regular_file())
            continue;
        std::string name = std::filesystem::relative(entry.path(), folder).string();
        // The deletion date in a .trashinfo is the time of the trashing.
        if (name.size() > 10 && name.substr(name.size() - 10) == ".trashinfo")
            files[name] = {};
        else
            files[name] = ReadFileBytes(entry.path().string());
    }
    return files;
}

// Writes may not grow a file beyond limit bytes while this lives (as on a full disk).
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit next = m_saved;
        next.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &next);
    }
    ~TFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

class EditHistoryTest : public TModelTest {
protected:
    void SetUp() override {
        WriteFileBytes(dir.File("a.sld"), MakeSlide(300, 300));
        WriteFileBytes(dir.File("B.sld"), MakeSlide(400, 200));
        WriteLibrary(dir.File("Lib.slb"), {{"FIRST", MakeSlide(100, 50)},
                                           {"SECOND", MakeSlide(50, 100)},
                                           {"THIRD", MakeSlide(80, 80)},
                                           {"FOURTH", MakeSlide(60, 60)}});
        WriteLibrary(dir.File("Other.slb"), {{"OWN", MakeSlide(20, 20)}});
        ShowDir(64, 48);
    }
    void OpenLibrary() { ASSERT_EQ(Choose("Lib.slb"), TSourceKind::Library); }
    void Answer(const Names& files, std::deque<bool> oks = {}) {
        for (const std::string& f : files)
            dialogs.files.push_back(TFileChoice{dir.File(f), 1});
        dialogs.okAnswers = std::move(oks);
    }
    // The folder's files and the trash's.
    TFiles Files() const {
        TFiles files = FilesUnder(dir.Path());
        for (auto& [name, bytes] : FilesUnder(dataHome.Path()))
            files["trash:" + name] = bytes;
        return files;
    }
    Bytes Read(const std::string& name) const { return ReadFileBytes(dir.File(name)); }
    // Files() now, less what went to the trash since `since`; those files' bytes in trashed.
    TFiles FilesLessNewTrash(const TFiles& since, std::multiset<Bytes>* trashed) const {
        TFiles files = Files();
        for (auto it = files.begin(); it != files.end();) {
            if (it->first.rfind("trash:", 0) != 0 || since.count(it->first)) {
                ++it;
                continue;
            }
            if (it->first.rfind("trash:Trash/files/", 0) == 0)
                trashed->insert(it->second);
            it = files.erase(it);
        }
        return files;
    }

    TTempDir dataHome;
    TScopedEnv trash{"XDG_DATA_HOME", dataHome.Path()};
};

// Each edit changes the files; Undo puts every byte back, Redo makes exactly the edit's result
// again, and Undo once more ends where it began. A file the edit made goes to the trash on
// Undo, unless the same bytes come back elsewhere (a rename); Redo writes it again.
TEST_F(EditHistoryTest, EveryEditIsUndoneAndRedoneByteForByte) {
    TBitmap4 picture;
    picture.Width = 3;
    picture.Height = 2;
    picture.Indices = {9, 15, 15, 0, 0, 15};
    WriteFileBytes(dir.File("logo.bmp"), EncodeBmp4(picture));
    const TBmpPictureReader reader;

    struct TCase {
        std::string name;
        std::function<void()> setUp; // view and selection
        std::function<void()> edit;
    };
    const auto library = [&](std::vector<int> selection) {
        return [this, selection] {
            OpenLibrary();
            model.SetSelection(selection);
        };
    };
    const auto folder = [&](std::vector<int> selection) {
        return [this, selection] {
            model.ShowFolderSlides();
            model.SetSelection(selection);
        };
    };
    const std::vector<TCase> cases = {
        {"Delete Slides", library({1, 3}),
         [&] {
             dialogs.okAnswers = {true};
             SlideDelete(model);
         }},
        {"Delete Slides", folder({0, 1}),
         [&] {
             dialogs.okAnswers = {true};
             SlideDelete(model);
         }},
        {"Rename Slide", library({2}),
         [&] {
             dialogs.texts = {"door"};
             SlideRename(model);
         }},
        {"Rename Slide", folder({1}),
         [&] {
             dialogs.texts = {"door"};
             SlideRename(model);
         }},
        {"Move Slide Up", library({2}), [&] { MvSlideUpDnButtonClick(model, TSlideMove::Up); }},
        {"Move Slide Down", library({0}), [&] { MvSlideUpDnButtonClick(model, TSlideMove::Down); }},
        {"Add to Slide-Library", library({0, 2}),
         [&] {
             Answer({"Other.slb"});
             AddToSlideLib(model, TAddMode::Add);
         }},
        {"Add to Slide-Library", folder({0}),
         [&] {
             Answer({"new.slb"}, {true});
             AddToSlideLib(model, TAddMode::Add);
         }},
        {"Move to Slide-Library", library({1, 2}),
         [&] {
             Answer({"Other.slb"});
             AddToSlideLib(model, TAddMode::Move);
         }},
        {"Move to Slide-Library", folder({0, 1}),
         [&] {
             Answer({"Other.slb"});
             AddToSlideLib(model, TAddMode::Move);
         }},
        {"Save as Slide-Library", library({3}),
         [&] {
             Answer({"Other.slb"}, {true});
             AddToSlideLib(model, TAddMode::SaveAs);
         }},
        {"New Slide-Library", folder({}),
         [&] {
             Answer({"Lib.slb"}, {true});
             CreateNewSlideLib(model);
         }},
        {"New Slide-Library", folder({}),
         [&] {
             Answer({"empty.slb"});
             CreateNewSlideLib(model);
         }},
        {"Import from Image", folder({}),
         [&] {
             dialogs.files.push_back(TFileChoice{dir.File("logo.bmp")});
             ConvertBMPToSlideClick(model, reader);
         }},
        {"Save to Directory", library({0, 1}),
         [&] {
             dialogs.folders.push_back(dir.Path() + "/out");
             dialogs.okAnswers = {true};
             SaveSlidesToDir(model);
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.setUp();
        const TFiles before = Files();
        c.edit();
        const TFiles after = Files();
        ASSERT_NE(after, before);
        ASSERT_EQ(UndoCaption(model), "Undo " + c.name);
        EXPECT_EQ(RedoCaption(model), "Redo");
        EXPECT_TRUE(CommandApplies(model, TCommand::Undo));

        // What the edit made, less what it renamed.
        std::multiset<Bytes> made;
        for (const auto& [name, bytes] : after)
            if (!before.count(name) && name.rfind("trash:", 0) != 0 && c.name != "Rename Slide")
                made.insert(bytes);

        std::multiset<Bytes> trashed;
        UndoEdit(model);
        EXPECT_EQ(FilesLessNewTrash(before, &trashed), before);
        EXPECT_EQ(trashed, made);
        EXPECT_EQ(RedoCaption(model), "Redo " + c.name);
        EXPECT_TRUE(CommandApplies(model, TCommand::Redo));
        // The trash keeps its copies through Redo and the next Undo.
        TFiles copies;
        for (const auto& [name, bytes] : Files())
            if (name.rfind("trash:", 0) == 0 && !before.count(name))
                copies[name] = bytes;
        TFiles redone = after, undone = before;
        redone.insert(copies.begin(), copies.end());
        undone.insert(copies.begin(), copies.end());
        RedoEdit(model);
        EXPECT_EQ(Files(), redone);
        UndoEdit(model);
        trashed.clear();
        EXPECT_EQ(FilesLessNewTrash(undone, &trashed), undone);
        EXPECT_EQ(trashed, made);
        EXPECT_EQ(dialogs.log.end(),
                  std::find_if(dialogs.log.begin(), dialogs.log.end(),
                               [](const std::string& l) { return l.rfind("error", 0) == 0; }))
            << dialogs.log.back();
        // The out folder that Save to Directory made is the user's: it stays, empty.
        std::filesystem::remove(dir.Path() + "/out");
    }
    EXPECT_EQ(model.History().UndoCount(), 0u);
    EXPECT_EQ(model.History().RedoCount(), 1u);
}

// Undo brings trashed files back out of the trash (the very files, their .trashinfo gone) and
// shows the restored slides selected; the history stays while other sources are shown.
TEST_F(EditHistoryTest, UndoShowsTheRestoredSlidesWhereverTheWindowWas) {
    model.SetSelection({0, 1});
    dialogs.okAnswers = {true};
    SlideDelete(model);
    EXPECT_TRUE(FileExists(dataHome.File("Trash/files/a.sld")));
    EXPECT_TRUE(FileExists(dataHome.File("Trash/info/a.sld.trashinfo")));
    UndoEdit(model);
    EXPECT_FALSE(FileExists(dataHome.File("Trash/files/a.sld")));
    EXPECT_FALSE(FileExists(dataHome.File("Trash/info/a.sld.trashinfo")));
    EXPECT_EQ(model.Items(), (Names{"a.sld", "B.sld"}));
    EXPECT_EQ(model.Selection(), (std::vector<int>{0, 1}));

    // An edit of the library, then a look at the other one: undo still knows it, and shows the
    // library again only when it is the one shown.
    OpenLibrary();
    const Bytes lib = Read("Lib.slb");
    model.SelectItem(1);
    MvSlideUpDnButtonClick(model, TSlideMove::Down);
    ASSERT_EQ(Choose("Other.slb"), TSourceKind::Library);
    UndoEdit(model);
    EXPECT_EQ(Read("Lib.slb"), lib);
    EXPECT_EQ(model.Items(), Names{"OWN"});
    RedoEdit(model);
    OpenLibrary();
    UndoEdit(model);
    EXPECT_EQ(model.Items(), (Names{"FIRST", "SECOND", "THIRD", "FOURTH"}));
    EXPECT_EQ(model.Selection(), std::vector<int>{1});
    // A new edit ends what could be redone.
    EXPECT_TRUE(model.History().CanRedo());
    model.SelectItem(0);
    dialogs.texts = {"ONE"};
    SlideRename(model);
    EXPECT_FALSE(model.History().CanRedo());
    EXPECT_EQ(UndoCaption(model), "Undo Rename Slide");
}

// Another program wrote the file since: undo refuses with the reason, changes nothing, and the
// edits of that file are forgotten; edits of other files stay.
TEST_F(EditHistoryTest, AFileChangedByAnotherProgramIsNotUndone) {
    OpenLibrary();
    model.SelectItem(0);
    dialogs.okAnswers = {true};
    SlideDelete(model); // Lib.slb
    Answer({"Other.slb"});
    model.SelectItem(0);
    AddToSlideLib(model, TAddMode::Add); // Other.slb
    model.SelectItem(1);
    MvSlideUpDnButtonClick(model, TSlideMove::Up); // Lib.slb
    ASSERT_EQ(model.History().UndoCount(), 3u);

    WriteLibrary(dir.File("Lib.slb"), {{"THEIRS", MakeSlide(10, 10)}});
    const TFiles theirs = Files();
    dialogs.log.clear();
    UndoEdit(model);
    EXPECT_EQ(dialogs.log, Names{"error: Cannot undo \"Move Slide Up\": the file \"" +
                                 dir.File("Lib.slb") + "\" was changed by another program since."});
    EXPECT_EQ(Files(), theirs);
    ASSERT_EQ(model.History().UndoCount(), 1u);
    EXPECT_EQ(UndoCaption(model), "Undo Add to Slide-Library");
    UndoEdit(model);
    EXPECT_EQ(LibraryNames(dir.File("Other.slb")), Names{"OWN"});

    // A file removed since its edit counts as changed, and so does one put where an undone
    // edit had removed it.
    Answer({"fresh.slb"});
    CreateNewSlideLib(model);
    std::filesystem::remove(dir.File("fresh.slb"));
    UndoEdit(model);
    EXPECT_FALSE(model.History().CanUndo());
    Answer({"fresh.slb"});
    CreateNewSlideLib(model);
    UndoEdit(model);
    WriteFileBytes(dir.File("fresh.slb"), {'m', 'i', 'n', 'e'});
    dialogs.log.clear();
    RedoEdit(model);
    EXPECT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log.at(0).rfind("error: Cannot redo \"New Slide-Library\"", 0), 0u);
    EXPECT_EQ(Read("fresh.slb"), (Bytes{'m', 'i', 'n', 'e'}));
    EXPECT_FALSE(model.History().CanRedo());
}

// A write that fails halfway: the command's edit holds what it did change, and an undo whose
// second write fails puts its first one back (the file it trashed is written again), so the edit
// stays whole and can be undone later.
TEST_F(EditHistoryTest, AWriteThatFailsHalfwayLeavesAConsistentHistory) {
    const std::string probe = dir.Path() + "/probe/one.slb";
    std::filesystem::create_directory(dir.Path() + "/probe");
    WriteLibrary(probe, {{"FIRST", MakeSlide(100, 50)}});
    const auto oneSlideLibrary = std::filesystem::file_size(probe);
    std::filesystem::remove_all(dir.Path() + "/probe");

    OpenLibrary();
    const TFiles before = Files();
    std::multiset<Bytes> trashed; // the copies of moved.slb that undos put in the trash
    model.SelectItem(0);
    Answer({"moved.slb"}, {true});
    {
        // The target (one slide) can be written, the source (three slides) cannot.
        const TFileSizeLimit limit(oneSlideLibrary);
        EXPECT_THROW(AddToSlideLib(model, TAddMode::Move), EVarnelError);
    }
    EXPECT_EQ(LibraryNames(dir.File("moved.slb")), Names{"FIRST"});
    EXPECT_EQ(Read("Lib.slb"), before.at("Lib.slb"));
    ASSERT_EQ(UndoCaption(model), "Undo Move to Slide-Library");
    const TEdit* partial = model.History().NextUndo();
    ASSERT_TRUE(partial);
    EXPECT_EQ(partial->Changes().size(), 1u);
    UndoEdit(model);
    EXPECT_EQ(FilesLessNewTrash(before, &trashed), before);

    // Now the move succeeds; its undo removes the target first and then fails to write the
    // four-slide source back.
    model.SelectItem(0);
    Answer({"moved.slb"}, {true});
    AddToSlideLib(model, TAddMode::Move);
    const TFiles after = Files();
    const TEdit* whole = model.History().NextUndo();
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->Changes().size(), 2u);
    {
        const TFileSizeLimit limit(oneSlideLibrary);
        EXPECT_THROW(UndoEdit(model), EVarnelError);
    }
    EXPECT_EQ(FilesLessNewTrash(after, &trashed), after);
    EXPECT_EQ(UndoCaption(model), "Undo Move to Slide-Library");
    UndoEdit(model);
    EXPECT_EQ(FilesLessNewTrash(before, &trashed), before);
}

// No trash takes the file an undo removes: the undo is refused, naming the file, with the files
// and the history as they were; once the trash works, the undo goes through.
TEST_F(EditHistoryTest, AnUndoThatCannotTrashAFileChangesNothing) {
    OpenLibrary();
    model.SelectItem(0);
    Answer({"moved.slb"}, {true});
    AddToSlideLib(model, TAddMode::Move); // Lib.slb rewritten, moved.slb made
    const TFiles after = Files();
    // A file stands where the trash's folder of files would be.
    std::filesystem::create_directories(dataHome.File("Trash"));
    WriteFileBytes(dataHome.File("Trash/files"), {0});
    dialogs.log.clear();
    UndoEdit(model);
    EXPECT_EQ(dialogs.log, Names{"error: Cannot undo \"Move to Slide-Library\": the file \"" +
                                 dir.File("moved.slb") +
                                 "\" cannot be moved to the trash. Nothing was changed."});
    TFiles now = Files();
    now.erase("trash:Trash/files");
    EXPECT_EQ(now, after);
    EXPECT_EQ(UndoCaption(model), "Undo Move to Slide-Library");
    EXPECT_FALSE(model.History().CanRedo());

    std::filesystem::remove(dataHome.File("Trash/files"));
    UndoEdit(model);
    EXPECT_EQ(ReadFileBytes(dataHome.File("Trash/files/moved.slb")), after.at("moved.slb"));
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")), (Names{"FIRST", "SECOND", "THIRD", "FOURTH"}));
    EXPECT_EQ(RedoCaption(model), "Redo Move to Slide-Library");
}

// At most so many edits and so many saved bytes: the oldest go first.
TEST_F(EditHistoryTest, TheHistoryIsBounded) {
    const auto edit = [](const std::string& name, size_t bytes) {
        TFileChange change;
        change.Path = "/nowhere/" + name;
        change.Before.Exists = true;
        change.Before.Bytes.assign(bytes, 1);
        return std::make_unique<TEdit>(name, std::vector<TFileChange>{change});
    };
    TEditHistory history(3, 100);
    for (const char* name : {"1", "2", "3", "4"})
        history.Push(edit(name, 10));
    EXPECT_EQ(history.UndoCount(), 3u);
    history.Push(edit("big", 85));
    EXPECT_EQ(history.UndoCount(), 2u);
    EXPECT_EQ(history.SavedBytes(), 95u);
    history.Undone();
    const TEdit* undo = history.NextUndo();
    const TEdit* redo = history.NextRedo();
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(undo->Name(), "4");
    EXPECT_EQ(redo->Name(), "big");
    history.Push(edit("more", 200)); // alone larger than the bound: kept by none
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoCount(), 0u);

    // The window's own history holds 100 edits.
    EXPECT_EQ(TEditHistory::kMaxEdits, 100u);
    EXPECT_EQ(TEditHistory::kMaxBytes, size_t{256} << 20);
    for (int i = 0; i < 102; ++i)
        model.History().Push(edit(std::to_string(i), 1));
    EXPECT_EQ(model.History().UndoCount(), 100u);
    EXPECT_EQ(UndoCaption(model), "Undo 101");

    // A file larger than the history holds is edited all the same, without an undo; earlier
    // edits of it are forgotten.
    model.History() = TEditHistory(100, 64);
    OpenLibrary();
    model.SelectItem(0);
    dialogs.okAnswers = {true};
    SlideDelete(model);
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")), (Names{"SECOND", "THIRD", "FOURTH"}));
    EXPECT_FALSE(model.History().CanUndo());
}

// ---- The pattern page's saves ----

const std::string kHatch = ";; hatch\r\n*ANSI31,Iron\r\n45, 0,0, 0,.125\r\n"
                           "*BRICK,Brick\r\n0, 0,0, 0,.25\r\n90, 0,0, .25,.25, .25,-.25\r\n";

class PatternSaveHistoryTest : public EditHistoryTest {
protected:
    void SetUp() override {
        WriteFileText(dir.File("hatch.pat"), kHatch);
        WriteFileText(dir.File("other.pat"), "*OTHER\r\n0, 0,0, 0,1\r\n");
        EditHistoryTest::SetUp();
        model.PatternPage().SetPreviewSize(150, 100);
        ASSERT_EQ(Choose("hatch.pat"), TSourceKind::Pattern);
    }
    TPatternPage& page() { return model.PatternPage(); }
    // Types text over the first line of the pattern shown and stores it (Redraw).
    void EditFirstLine(const std::string& line) {
        Names lines = page().EditorLines();
        lines.at(0) = line;
        page().EditorChanged(lines);
        page().Redraw();
    }
    void SaveAs(const std::string& name, std::deque<bool> oks = {}) {
        Answer({name}, std::move(oks));
        page().Save();
    }
    Names Listed() {
        Names names;
        for (const TPatternEntry& e : page().Entries())
            names.push_back(e.Name);
        return names;
    }
    uint64_t Hash(const std::string& name) { return TFileState::Read(dir.File(name)).Hash; }
};

// Save, Save as over another file and Save as a new file: Undo puts every byte back (the new
// file goes to the trash), Redo writes the saved version again, and the page shows
// the file as it is after each step: the editor's text, the list and the thumbnails.
TEST_F(PatternSaveHistoryTest, SavesAreUndoneAndRedoneByteForByte) {
    const TFiles start = Files();
    const uint64_t original = Hash("hatch.pat");
    page().SelectEntry(1);
    EditFirstLine("*WALL,Brick");
    SaveAs("hatch.pat");
    const TFiles saved = Files();
    const uint64_t edited = Hash("hatch.pat");
    ASSERT_NE(edited, original);
    ASSERT_EQ(UndoCaption(model), "Undo Save Patterns");
    EXPECT_TRUE(CommandApplies(model, TCommand::Undo)); // on page "hatchs" too

    page().SetThumbnailsShown(true);
    page().SelectEntry(1);
    UndoEdit(model);
    EXPECT_EQ(Hash("hatch.pat"), original);
    EXPECT_EQ(Files(), start);
    EXPECT_EQ(Listed(), (Names{"ANSI31", "BRICK"}));
    EXPECT_EQ(page().SelectedEntry(), 1);
    EXPECT_EQ(page().EditorLines().front(), "*BRICK,Brick");
    EXPECT_TRUE(page().ThumbnailsShown());
    EXPECT_EQ(page().ThumbnailCount(), 2);
    EXPECT_FALSE(page().HasUnsavedEdits());
    EXPECT_EQ(RedoCaption(model), "Redo Save Patterns");
    RedoEdit(model);
    EXPECT_EQ(Hash("hatch.pat"), edited);
    EXPECT_EQ(Files(), saved);
    EXPECT_EQ(Listed(), (Names{"ANSI31", "WALL"}));
    EXPECT_EQ(page().EditorLines().front(), "*WALL,Brick");

    // Over another pattern file, after the question; then as a new file.
    const uint64_t other = Hash("other.pat");
    SaveAs("other.pat", {true});
    EXPECT_EQ(Hash("other.pat"), edited);
    SaveAs("new.pat");
    const TFiles both = Files();
    EXPECT_EQ(Hash("new.pat"), edited);
    UndoEdit(model);
    EXPECT_FALSE(FileExists(dir.File("new.pat")));
    EXPECT_EQ(TFileState::Read(dataHome.File("Trash/files/new.pat")).Hash, edited);
    EXPECT_EQ(model.Sources(), (Names{"hatch.pat", "Lib.slb", "other.pat", "Other.slb"}));
    UndoEdit(model);
    EXPECT_EQ(Hash("other.pat"), other);
    std::multiset<Bytes> trashed;
    EXPECT_EQ(FilesLessNewTrash(saved, &trashed), saved);
    EXPECT_EQ(trashed.size(), 1u);
    // The page's file was not touched by these: it shows what it showed.
    EXPECT_EQ(page().EditorLines().front(), "*WALL,Brick");
    RedoEdit(model);
    RedoEdit(model);
    EXPECT_EQ(FilesLessNewTrash(both, &trashed), both);
    EXPECT_EQ(model.History().UndoCount(), 3u);
    EXPECT_EQ(dialogs.log.end(),
              std::find_if(dialogs.log.begin(), dialogs.log.end(),
                           [](const std::string& l) { return l.rfind("error", 0) == 0; }));
}

// Another program wrote the file since: Undo refuses with the reason and forgets the saves of
// that file. A save that fails leaves the file and the history as they were, and so does a save
// of what the file holds already.
TEST_F(PatternSaveHistoryTest, OutsideChangesAndFailedSavesLeaveNoStep) {
    EditFirstLine("*IRON,Iron");
    SaveAs("hatch.pat");
    WriteFileText(dir.File("hatch.pat"), "*THEIRS\r\n");
    dialogs.log.clear();
    UndoEdit(model);
    EXPECT_EQ(dialogs.log,
              Names{"error: Cannot undo \"Save Patterns\": the file \"" + dir.File("hatch.pat") +
                    "\" was changed by another program since."});
    EXPECT_EQ(ReadFileText(dir.File("hatch.pat")), "*THEIRS\r\n");
    EXPECT_FALSE(model.History().CanUndo());

    ASSERT_EQ(Choose("hatch.pat"), TSourceKind::Pattern);
    EditFirstLine("*THEIRS,with a description long enough to outgrow the limit");
    {
        const TFileSizeLimit limit(12);
        EXPECT_THROW(SaveAs("hatch.pat"), EVarnelError);
    }
    EXPECT_EQ(ReadFileText(dir.File("hatch.pat")), "*THEIRS\r\n");
    EXPECT_FALSE(model.History().CanUndo());
    EXPECT_THROW(SaveAs("no such folder/x.pat"), EVarnelError);
    EXPECT_FALSE(model.History().CanUndo());
    SaveAs("hatch.pat");
    ASSERT_EQ(model.History().UndoCount(), 1u);
    SaveAs("hatch.pat"); // the same bytes again
    EXPECT_EQ(model.History().UndoCount(), 1u);
}

// Edits on the page that are not saved yet go when the page shows the file as the step leaves
// it, so Undo asks first; No keeps them and the step. Undo on page "slides" needs no question,
// and the file opens as it is now; leaving the page with "Yes" saves as a step too.
TEST_F(PatternSaveHistoryTest, UnsavedEditsOnThePageAreAskedAbout) {
    EditFirstLine("*IRON,Iron");
    SaveAs("hatch.pat");
    const TFiles saved = Files();
    Names typed = page().EditorLines();
    typed.push_back("0, 0,0, 0,.5");
    page().EditorChanged(typed);
    dialogs.log.clear();
    UndoEdit(model);
    EXPECT_EQ(dialogs.log, Names{"yes/no: \"hatch.pat\" has changes that are not saved. Undo "
                                 "\"Save Patterns\" all the same and drop them?"});
    EXPECT_EQ(Files(), saved);
    EXPECT_EQ(page().EditorLines(), typed);
    EXPECT_TRUE(model.History().CanUndo());
    dialogs.yesNoAnswers = {true};
    UndoEdit(model);
    EXPECT_EQ(ReadFileText(dir.File("hatch.pat")), kHatch);
    EXPECT_EQ(page().EditorLines().front(), "*ANSI31,Iron");
    EXPECT_FALSE(page().HasUnsavedEdits());

    // Stored edits count as well; an undo of a slide edit leaves them alone.
    EditFirstLine("*STEEL,Iron");
    model.History().Push(std::make_unique<TEdit>("Elsewhere", std::vector<TFileChange>{}));
    dialogs.log.clear();
    UndoEdit(model);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(page().EditorLines().front(), "*STEEL,Iron");

    // Leaving with "Yes" writes the file as a step; Undo from page "slides" asks nothing.
    dialogs.answers = {TDialogs::TAnswer::Yes};
    model.ShowFolderSlides();
    ASSERT_EQ(model.Page(), TPage::Slides);
    EXPECT_EQ(UndoCaption(model), "Undo Save Patterns");
    EXPECT_EQ(ReadFileText(dir.File("hatch.pat")).substr(0, 21), ";; hatch\r\n*STEEL,Iron");
    dialogs.log.clear();
    UndoEdit(model);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(ReadFileText(dir.File("hatch.pat")), kHatch);
    EXPECT_EQ(model.Items(), (Names{"a.sld", "B.sld"}));
    ASSERT_EQ(Choose("hatch.pat"), TSourceKind::Pattern);
    EXPECT_EQ(page().EditorLines().front(), "*ANSI31,Iron");
}

// The page shows a file that Undo removes (a Save as to a new file, opened since): the folder's
// slides show instead.
TEST_F(PatternSaveHistoryTest, ThePageGivesWayWhenItsFileGoes) {
    SaveAs("copy.pat");
    model.RefreshFileList();
    ASSERT_EQ(Choose("copy.pat"), TSourceKind::Pattern);
    UndoEdit(model);
    EXPECT_FALSE(FileExists(dir.File("copy.pat")));
    EXPECT_EQ(ReadFileText(dataHome.File("Trash/files/copy.pat")), kHatch);
    EXPECT_EQ(model.Page(), TPage::Slides);
    EXPECT_EQ(model.Items(), (Names{"a.sld", "B.sld"}));
    RedoEdit(model);
    EXPECT_EQ(ReadFileText(dir.File("copy.pat")), kHatch);
}

} // namespace
