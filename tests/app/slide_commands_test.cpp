// The slide management commands in the real window, started through real input: keys pressed
// on the window, tool buttons clicked with the mouse, the menus' and drop-downs' actions
// triggered. The dialogs answer from a script; the files on disk show what each command did.
#include "AppTestSupport.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace {

using Names = std::vector<std::string>;

TFileChoice Choice(const std::string& path) {
    return TFileChoice{path, 1};
}

class SlideCommandsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("XDG_DATA_HOME");
        m_savedDataHome = old ? std::optional<std::string>(old) : std::nullopt;
        ::setenv("XDG_DATA_HOME", dataHome.Path().c_str(), 1);
        WriteFileBytes(dir.File("a.sld"), MakeSlide(300, 300));
        WriteFileBytes(dir.File("b.sld"), MakeSlide(400, 200));
        WriteLibrary(dir.File("Lib.slb"), {{"FIRST", MakeSlide(100, 50)},
                                           {"SECOND", MakeSlide(50, 100)},
                                           {"THIRD", MakeSlide(80, 80)}});
        form().SetTreeFolder(QString::fromStdString(dir.Path()));
        Settle();
        form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    }
    void TearDown() override {
        if (m_savedDataHome)
            ::setenv("XDG_DATA_HOME", m_savedDataHome->c_str(), 1);
        else
            ::unsetenv("XDG_DATA_HOME");
    }
    TForm1& form() { return *window.form; }
    TScriptedDialogs& dialogs() { return window.dialogs; }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&form(), static_cast<Qt::Key>(key), modifiers);
        Settle();
    }
    void OpenLibrary() {
        ASSERT_TRUE(ClickItem(form().FileListBox1, "Lib.slb"));
        ASSERT_TRUE(form().Model().LibraryView());
    }

    TTempDir dir;
    TTempDir dataHome;
    TWindowSetup window;

private:
    std::optional<std::string> m_savedDataHome;
};

TEST_F(SlideCommandsWindowTest, NewLibraryFromTheKeyAndTheToolButton) {
    dialogs().files = {Choice(dir.File("one.slb")), Choice(dir.File("two.slb"))};
    Key(Qt::Key_F7);
    ClickWidget(form().NewLibButton);
    EXPECT_EQ(dialogs().log, (Names{"save: Create New Empty Slide-Library-File",
                                    "save: Create New Empty Slide-Library-File"}));
    EXPECT_EQ(ReadFileBytes(dir.File("one.slb")).size(), 68u);
    EXPECT_EQ(ReadFileBytes(dir.File("two.slb")).size(), 68u);
    // The file list shows the new libraries at once.
    EXPECT_EQ(FileList(form()), (Names{"Lib.slb", "one.slb", "two.slb"}));
}

TEST_F(SlideCommandsWindowTest, DeleteWithDelInALibraryAndTheButtonInAFolder) {
    OpenLibrary();
    ASSERT_TRUE(ClickItem(form().ListBox1, "SECOND"));
    dialogs().okAnswers = {true, true};
    Key(Qt::Key_Delete);
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")), (Names{"FIRST", "THIRD"}));

    ClickWidget(form().Panel5);
    ASSERT_TRUE(ClickItem(form().ListBox1, "b.sld"));
    ClickWidget(form().DeleteButton);
    EXPECT_FALSE(FileExists(dir.File("b.sld")));
    EXPECT_TRUE(FileExists(dataHome.File("Trash/files/b.sld")));
    EXPECT_EQ(Captions(form()), Names{"a.sld"});
    EXPECT_EQ(dialogs().log.size(), 2u);
}

TEST_F(SlideCommandsWindowTest, DelDoesNothingOnThePatternPage) {
    WriteFileBytes(dir.File("h.pat"), {'*', 'X', '\n'});
    ClickWidget(form().Panel5); // reads the folder's files again
    ASSERT_TRUE(ClickItem(form().FileListBox1, "h.pat"));
    EXPECT_FALSE(form().deleteAction->isEnabled());
    EXPECT_FALSE(form().DeleteButton->isEnabled());
    Key(Qt::Key_Delete);
    EXPECT_TRUE(dialogs().log.empty());
    EXPECT_TRUE(FileExists(dir.File("a.sld")));
}

TEST_F(SlideCommandsWindowTest, SaveAddAndMoveToALibrary) {
    OpenLibrary();
    // Alt+L: save as a new library.
    ASSERT_TRUE(ClickItem(form().ListBox1, "FIRST"));
    ASSERT_TRUE(ClickItem(form().ListBox1, "THIRD", Qt::ControlModifier));
    dialogs().files = {Choice(dir.File("new.slb"))};
    Key(Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(LibraryNames(dir.File("new.slb")), (Names{"FIRST", "THIRD"}));
    EXPECT_EQ(FileList(form()), (Names{"Lib.slb", "new.slb"}));
    EXPECT_EQ(form().FileListBox1->currentItem()->text(), "Lib.slb"); // still the one shown

    // F5: add, with a clash answered Yes.
    ASSERT_TRUE(ClickItem(form().ListBox1, "SECOND"));
    ASSERT_TRUE(ClickItem(form().ListBox1, "THIRD", Qt::ControlModifier));
    dialogs().files = {Choice(dir.File("new.slb"))};
    dialogs().answers = {TDialogs::TAnswer::Yes};
    Key(Qt::Key_F5);
    EXPECT_EQ(LibraryNames(dir.File("new.slb")), (Names{"FIRST", "THIRD", "SECOND"}));
    EXPECT_EQ(dialogs().log.back(), "ask: Slide: THIRD exists. Overwrite?");

    // F6: move; the list shows what is left.
    ASSERT_TRUE(ClickItem(form().ListBox1, "FIRST"));
    dialogs().files = {Choice(dir.File("moved.slb"))};
    dialogs().okAnswers = {true};
    Key(Qt::Key_F6);
    EXPECT_EQ(LibraryNames(dir.File("moved.slb")), Names{"FIRST"});
    EXPECT_EQ(Captions(form()), (Names{"SECOND", "THIRD"}));
}

TEST_F(SlideCommandsWindowTest, TheDropDownEntriesTellTheirMode) {
    ASSERT_TRUE(ClickItem(form().ListBox1, "a.sld"));
    dialogs().files = {Choice(dir.File("s.slb")), Choice(dir.File("s.slb")),
                       Choice(dir.File("s.slb"))};
    // The clash of the add is answered Cancel: the library stays as it was.
    form().Saveaslib->trigger();
    Settle();
    form().Addtolib->trigger();
    Settle();
    ASSERT_TRUE(ClickItem(form().ListBox1, "b.sld"));
    form().Movetolib->trigger();
    Settle();
    EXPECT_EQ(
        dialogs().log,
        (Names{"save: Save Slides as Slide-Library-File", "save: Add Slides to Slide-Library-File",
               "ask: Slide: A exists. Overwrite?", "save: Move Slides to Slide-Library-File"}));
    EXPECT_EQ(LibraryNames(dir.File("s.slb")), (Names{"A", "B"}));
    EXPECT_FALSE(FileExists(dir.File("b.sld")));
    EXPECT_EQ(Captions(form()), Names{"a.sld"});
}

TEST_F(SlideCommandsWindowTest, RenameWithF2) {
    OpenLibrary();
    ASSERT_TRUE(ClickItem(form().ListBox1, "SECOND"));
    dialogs().texts = {"middle.sld"};
    Key(Qt::Key_F2);
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")), (Names{"FIRST", "MIDDLE", "THIRD"}));
    ASSERT_EQ(form().ListBox1->selectedItems().size(), 1);
    EXPECT_EQ(form().ListBox1->selectedItems()[0]->text(), "MIDDLE");

    // Several selected: rename does not apply.
    ASSERT_TRUE(ClickItem(form().ListBox1, "FIRST", Qt::ControlModifier));
    EXPECT_FALSE(form().RenameSlide1->isEnabled());
}

TEST_F(SlideCommandsWindowTest, MoveUpAndDownWithKeysAndButtons) {
    OpenLibrary();
    ASSERT_TRUE(ClickItem(form().ListBox1, "FIRST"));
    EXPECT_FALSE(form().MvSlideUpButton->isEnabled()); // the first slide goes no higher
    Key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")), (Names{"SECOND", "FIRST", "THIRD"}));
    ClickWidget(form().MvSlideDnButton);
    EXPECT_EQ(LibraryNames(dir.File("Lib.slb")), (Names{"SECOND", "THIRD", "FIRST"}));
    EXPECT_EQ(form().ListBox1->selectedItems()[0]->text(), "FIRST");
    EXPECT_FALSE(form().MvSlideDnButton->isEnabled()); // nor the last one lower
    ClickWidget(form().MvSlideUpButton);
    Key(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(Captions(form()), (Names{"FIRST", "SECOND", "THIRD"}));
    EXPECT_TRUE(dialogs().log.empty());

    // A folder has no order of its own.
    ClickWidget(form().Panel5);
    EXPECT_FALSE(form().MoveSlideUp1->isEnabled());
    EXPECT_FALSE(form().MoveSlideDown1->isEnabled());
}

TEST_F(SlideCommandsWindowTest, SaveToDirectoryWithAltDAndTheToolButton) {
    OpenLibrary();
    form().SelectAll->trigger();
    Settle();
    const std::string out = dir.File("out");
    std::filesystem::create_directory(out);
    dialogs().folders = {out};
    Key(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(ReadFileBytes(out + "/SECOND.sld"), MakeSlide(50, 100));
    EXPECT_EQ(dialogs().log, Names{"folder: Save Slides to Directory"});

    // One slide: the slide file chooser, from the tool button.
    ASSERT_TRUE(ClickItem(form().ListBox1, "THIRD"));
    dialogs().files = {Choice(out + "/third copy.sld")};
    ClickWidget(form().SaveToDirButton);
    EXPECT_EQ(dialogs().log.back(), "save: Save as Slide-File");
    EXPECT_EQ(dialogs().fileOptions.back().FileName, "THIRD");
    EXPECT_EQ(ReadFileBytes(out + "/third copy.sld"), MakeSlide(80, 80));
}

} // namespace
