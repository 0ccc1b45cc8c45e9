// The window's commands started through real input: keys pressed on the window, tool buttons
// clicked with the mouse, the menus' and drop-downs' actions triggered. Each input reaches its
// command once; the slide management commands' results show in the window at once. (What the
// commands do on disk is the model's tests' part.)
#include "AppTestSupport.h"

#include "dlgimg.h"
#include "pdfset.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class CommandsWindowTest : public TWindowTest {
protected:
    void SetUp() override {
        WriteFileBytes(dir.File("a.sld"), MakeSlide(300, 300));
        WriteFileBytes(dir.File("b.sld"), MakeSlide(400, 200));
        WriteLibrary(dir.File("Lib.slb"), {{"FIRST", MakeSlide(100, 50)},
                                           {"SECOND", MakeSlide(50, 100)},
                                           {"THIRD", MakeSlide(80, 80)}});
        ShowDir();
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }
    // A key pressed on the window, where the menus' shortcuts take it.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ::Key(&form(), static_cast<Qt::Key>(key), modifiers);
    }
    void OpenLibrary() { ASSERT_TRUE(ClickItem(form().FileListBox1, "Lib.slb")); }
    void Answer(const std::string& file) { dialogs().files.push_back(TFileChoice{dir.File(file)}); }

    TTempDir dataHome;
    TScopedEnv trash{"XDG_DATA_HOME", dataHome.Path()};
};

// Every input of every command that asks something: the first question (or dialog) comes once,
// and with nothing answered the command stops there. The window's own dialogs are logged by
// their titles: the export dialog is cancelled, the sheet settings confirmed.
TEST_F(CommandsWindowTest, EachInputReachesItsCommandOnce) {
    OpenLibrary();
    ASSERT_TRUE(ClickItem(form().ListBox1, "SECOND"));
    const std::vector<uint8_t> before = ReadFileBytes(dir.File("Lib.slb"));
    TForm1& f = form();
    using TInput = std::function<void()>;
    const auto key = [this](int k, Qt::KeyboardModifiers m = {}) -> TInput {
        return [this, k, m] { Key(k, m); };
    };
    const auto menu = [](QAction* a) -> TInput { return [a] { Trigger(a); }; };
    const auto click = [](QWidget* w) -> TInput { return [w] { ClickWidget(w); }; };
    const std::vector<std::pair<Names, std::vector<TInput>>> cases = {
        {{"save: Create New Empty Slide-Library-File"}, {key(Qt::Key_F7), click(f.NewLibButton)}},
        {{"save: Save Slides as Slide-Library-File"},
         {key(Qt::Key_L, Qt::AltModifier), menu(f.Saveaslib)}},
        {{"save: Add Slides to Slide-Library-File"}, {key(Qt::Key_F5), menu(f.Addtolib)}},
        {{"save: Move Slides to Slide-Library-File"}, {key(Qt::Key_F6), menu(f.Movetolib)}},
        {{"save: Save as Slide-File"}, {key(Qt::Key_D, Qt::AltModifier), click(f.SaveToDirButton)}},
        {{"input: New slide name"}, {key(Qt::Key_F2)}},
        {{"confirm: Do you really want to delete the selected slide(s)?"},
         {key(Qt::Key_Delete), key(Qt::Key_F8), click(f.DeleteButton)}},
        {{"open file: Import from Image"},
         {key(Qt::Key_I, Qt::ControlModifier), menu(f.ConvertImageToSlide1)}},
        {{"Tfimage: Convert Slide(s) to Image(s)"},
         {key(Qt::Key_E, Qt::ControlModifier), menu(f.ConvertSlideToImage1)}},
        {{"print dialog"}, {menu(f.PrintCurrentSlide1), menu(f.PrintCurrentSlide2)}},
        {{"Tdpdf: Print Slides", "print dialog"},
         {menu(f.PrintAllSlides1), click(f.PrintButton), menu(f.PrintSlides2)}},
        {{"save: Save as PDF"},
         {menu(f.ConvertCurrentSlidetoPDF1), menu(f.ConvertCurrentSlidetoPDF2)}},
        {{"Tdpdf: PDF Settings", "save: Save as PDF"},
         {menu(f.ConvertSlidestoPDF1), menu(f.ConvertSlidestoPDF2)}},
        {{"colour"}, {menu(f.BackgroundColor1)}},
        {{"about: Varnel Slide Manager / Viewer "}, {menu(f.About1)}},
        {{"error: Cannot find the help file"}, {key(Qt::Key_F1)}},
    };
    for (const auto& [expected, inputs] : cases)
        for (size_t i = 0; i < inputs.size(); ++i) {
            if (expected[0].starts_with("Tfimage") || expected[0].starts_with("Tdpdf"))
                WhenModal<QDialog>([this](QDialog* d) {
                    dialogs().log.push_back(std::string(d->metaObject()->className()) + ": " +
                                            d->windowTitle().toStdString());
                    if (auto* settings = qobject_cast<Tdpdf*>(d))
                        ClickWidget(settings->OKBtn);
                    else
                        d->reject();
                });
            // A modal dialog leaves the window inactive, and shortcuts go to the active window.
            form().activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
            dialogs().log.clear();
            inputs[i]();
            ASSERT_EQ(dialogs().log.size(), expected.size()) << expected[0] << " " << i;
            for (size_t k = 0; k < expected.size(); ++k)
                EXPECT_TRUE(dialogs().log[k].starts_with(expected[k])) << dialogs().log[k];
        }
    // Nothing answered, nothing changed.
    EXPECT_EQ(ReadFileBytes(dir.File("Lib.slb")), before);
    EXPECT_EQ(FileList(form()), Names{"Lib.slb"});
}

TEST_F(CommandsWindowTest, DeletedSlidesLeaveTheListAndFolderSlidesGoToTheTrash) {
    OpenLibrary();
    ASSERT_TRUE(ClickItem(form().ListBox1, "SECOND"));
    dialogs().okAnswers = {true, true};
    Key(Qt::Key_Delete);
    EXPECT_EQ(Captions(form()), (Names{"FIRST", "THIRD"}));

    ClickWidget(form().Panel5);
    ASSERT_TRUE(ClickItem(form().ListBox1, "b.sld"));
    ClickWidget(form().DeleteButton);
    EXPECT_FALSE(FileExists(dir.File("b.sld")));
    EXPECT_TRUE(FileExists(dataHome.File("Trash/files/b.sld")));
    EXPECT_EQ(Captions(form()), Names{"a.sld"});

    // Del belongs to the editor on the pattern page.
    WriteFileText(dir.File("h.pat"), "*X\n");
    ClickWidget(form().Panel5); // reads the folder's files again
    ASSERT_TRUE(ClickItem(form().FileListBox1, "h.pat"));
    EXPECT_FALSE(form().deleteAction->isEnabled());
    EXPECT_FALSE(form().DeleteButton->isEnabled());
    dialogs().log.clear();
    Key(Qt::Key_Delete);
    EXPECT_TRUE(dialogs().log.empty());
    EXPECT_TRUE(FileExists(dir.File("a.sld")));
}

TEST_F(CommandsWindowTest, NewSaveAsAndMoveToALibraryShowTheirResults) {
    Answer("one.slb");
    Key(Qt::Key_F7);
    EXPECT_EQ(FileList(form()), (Names{"Lib.slb", "one.slb"}));

    OpenLibrary();
    ASSERT_TRUE(ClickItem(form().ListBox1, "FIRST"));
    ASSERT_TRUE(ClickItem(form().ListBox1, "THIRD", Qt::ControlModifier));
    Answer("new.slb");
    Key(Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(FileList(form()), (Names{"Lib.slb", "new.slb", "one.slb"}));
    EXPECT_EQ(form().FileListBox1->currentItem()->text(), "Lib.slb"); // still the one shown

    // Moved: the list shows what is left.
    ASSERT_TRUE(ClickItem(form().ListBox1, "FIRST"));
    Answer("moved.slb");
    dialogs().okAnswers = {true};
    Key(Qt::Key_F6);
    EXPECT_EQ(Captions(form()), (Names{"SECOND", "THIRD"}));
}

// Save as Slide-Library with a slide cut short among the selected: the user is told which file
// is damaged, and the library holds the whole ones only.
TEST_F(CommandsWindowTest, SaveAsLibraryNamesADamagedSlideAndLeavesItOut) {
    std::vector<uint8_t> cut = MakeSlide(90, 90);
    cut.resize(cut.size() - 5);
    WriteFileBytes(dir.File("cut.sld"), cut);
    ClickWidget(form().Panel5); // reads the folder's files again
    ASSERT_TRUE(ClickItem(form().ListBox1, "a.sld"));
    ASSERT_TRUE(ClickItem(form().ListBox1, "cut.sld", Qt::ControlModifier));
    Answer("out.slb");
    dialogs().okAnswers = {true};
    Trigger(form().SaveAsSlideLibrary1);
    ASSERT_EQ(dialogs().log.size(), 2u);
    EXPECT_NE(dialogs().log[1].find("damaged"), std::string::npos) << dialogs().log[1];
    EXPECT_NE(dialogs().log[1].find("\"" + dir.File("cut.sld") + "\""), std::string::npos)
        << dialogs().log[1];
    EXPECT_EQ(LibraryNames(dir.File("out.slb")), Names{"A"});
    EXPECT_EQ(FileList(form()), (Names{"Lib.slb", "out.slb"}));
    EXPECT_EQ(ReadFileBytes(dir.File("cut.sld")), cut);
}

TEST_F(CommandsWindowTest, RenameAndMoveUpAndDownKeepTheSlideSelected) {
    OpenLibrary();
    ASSERT_TRUE(ClickItem(form().ListBox1, "SECOND"));
    dialogs().texts = {"middle.sld"};
    Key(Qt::Key_F2);
    EXPECT_EQ(Captions(form()), (Names{"FIRST", "MIDDLE", "THIRD"}));
    EXPECT_EQ(Selected(form()), Names{"MIDDLE"});
    // Several selected: rename does not apply.
    ASSERT_TRUE(ClickItem(form().ListBox1, "FIRST", Qt::ControlModifier));
    EXPECT_FALSE(form().RenameSlide1->isEnabled());

    // Moved up and down with keys and buttons.
    dialogs().log.clear();
    ASSERT_TRUE(ClickItem(form().ListBox1, "FIRST"));
    EXPECT_FALSE(form().MvSlideUpButton->isEnabled()); // the first slide goes no higher
    Key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Captions(form()), (Names{"MIDDLE", "FIRST", "THIRD"}));
    ClickWidget(form().MvSlideDnButton);
    EXPECT_EQ(Captions(form()), (Names{"MIDDLE", "THIRD", "FIRST"}));
    EXPECT_EQ(Selected(form()), Names{"FIRST"});
    EXPECT_FALSE(form().MvSlideDnButton->isEnabled()); // nor the last one lower
    ClickWidget(form().MvSlideUpButton);
    Key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Captions(form()), (Names{"FIRST", "MIDDLE", "THIRD"}));
    EXPECT_TRUE(dialogs().log.empty());

    // A folder has no order of its own.
    ClickWidget(form().Panel5);
    EXPECT_FALSE(form().MoveSlideUp1->isEnabled());
    EXPECT_FALSE(form().MoveSlideDown1->isEnabled());
}

// Undo and redo from the Edit menu and with Ctrl+Z / Ctrl+Shift+Z: the entries name the edit,
// the files come back byte for byte and the list shows them with the slides selected again.
TEST_F(CommandsWindowTest, UndoAndRedoFromTheEditMenuAndTheKeys) {
    const auto* edit = form().findChild<QMenu*>("Edit1");
    ASSERT_TRUE(edit);
    EXPECT_TRUE(edit->actions().contains(form().Undo1));
    EXPECT_TRUE(edit->actions().contains(form().Redo1));
    EXPECT_EQ(form().Undo1->text(), "&Undo");
    EXPECT_FALSE(form().Undo1->isEnabled());
    EXPECT_FALSE(form().Redo1->isEnabled());

    OpenLibrary();
    const std::vector<uint8_t> before = ReadFileBytes(dir.File("Lib.slb"));
    ASSERT_TRUE(ClickItem(form().ListBox1, "SECOND"));
    ASSERT_TRUE(ClickItem(form().ListBox1, "THIRD", Qt::ControlModifier));
    dialogs().okAnswers = {true};
    Key(Qt::Key_Delete);
    const std::vector<uint8_t> after = ReadFileBytes(dir.File("Lib.slb"));
    EXPECT_EQ(Captions(form()), Names{"FIRST"});
    EXPECT_EQ(form().Undo1->text(), "&Undo Delete Slides");
    EXPECT_TRUE(form().Undo1->isEnabled());

    Trigger(form().Undo1);
    EXPECT_EQ(ReadFileBytes(dir.File("Lib.slb")), before);
    EXPECT_EQ(Captions(form()), (Names{"FIRST", "SECOND", "THIRD"}));
    EXPECT_EQ(Selected(form()), (Names{"SECOND", "THIRD"}));
    EXPECT_EQ(form().Redo1->text(), "&Redo Delete Slides");
    EXPECT_FALSE(form().Undo1->isEnabled());

    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ReadFileBytes(dir.File("Lib.slb")), after);
    EXPECT_EQ(Captions(form()), Names{"FIRST"});

    // A slide file of the folder comes back from the trash.
    ClickWidget(form().Panel5);
    ASSERT_TRUE(ClickItem(form().ListBox1, "b.sld"));
    dialogs().okAnswers = {true};
    ClickWidget(form().DeleteButton);
    ASSERT_FALSE(FileExists(dir.File("b.sld")));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ReadFileBytes(dir.File("b.sld")), MakeSlide(400, 200));
    EXPECT_FALSE(FileExists(dataHome.File("Trash/files/b.sld")));
    EXPECT_EQ(Selected(form()), Names{"b.sld"});
    // The library's delete is next, though another list is shown.
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ReadFileBytes(dir.File("Lib.slb")), before);
    EXPECT_EQ(Captions(form()), (Names{"a.sld", "b.sld"}));
    EXPECT_TRUE(dialogs().log.end() ==
                std::find_if(dialogs().log.begin(), dialogs().log.end(),
                             [](const std::string& l) { return l.rfind("error", 0) == 0; }));
}

} // namespace
