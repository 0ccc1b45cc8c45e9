// Browsing in the real window through real input: mouse clicks on the folder tree, the file
// list, the header and the slide list, keys, and the menus' actions.
#include "AppTestSupport.h"

#include "base/Errors.h"
#include "graphics/AcadPal.h"

#include <QAction>
#include <QApplication>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class BrowseTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileBytes(dir.File("b.sld"), MakeSlide(300, 300));
        WriteFileBytes(dir.File("A.SLD"), MakeSlide(400, 200));
        WriteLibrary(dir.File("Lib.SLB"), {{"FIRST", MakeSlide(100, 50)},
                                           {"SECOND", MakeSlide(50, 100)},
                                           {"THIRD", MakeSlide(80, 80)}});
        WriteFileBytes(dir.File("hatch.pat"), {'*', 'X', ',', 'x', '\n', '0', ',', '0', ',', '0',
                                               ',', '0', ',', '1', '\n'});
        form().SetTreeFolder(QString::fromStdString(dir.Path()));
        Settle();
    }
    void TearDown() override {
        BackgroundColour = 0;
        BuildPalette();
    }
    TForm1& form() { return *window.form; }
    QString Status(TStatusPanel panel) { return form().StatusText(panel); }

    TTempDir dir;
    TWindowSetup window;
};

TEST_F(BrowseTest, FolderViewShowsSlidesByNameWithThumbnailsAndFigures) {
    EXPECT_EQ(Captions(form()), (std::vector<std::string>{"A.SLD", "b.sld"}));
    EXPECT_EQ(FileList(form()), (std::vector<std::string>{"hatch.pat", "Lib.SLB"}));
    EXPECT_TRUE(form().Panel5->property("active").toBool());
    ASSERT_EQ(form().limg.size(), 2u);
    EXPECT_EQ(form().limg[0].size(), QSize(128, 80));
    EXPECT_EQ(form().ListBox1->selectedItems().size(), 1);
    EXPECT_EQ(Status(TStatusPanel::SlideName), "A.SLD");
    const QString size = QString("%1x%2").arg(form().Panel2->width()).arg(form().Panel2->height());
    EXPECT_EQ(Status(TStatusPanel::PreviewSize), size);
    EXPECT_EQ(Status(TStatusPanel::Folder).toStdString(), dir.Path());
    // Each panel is as wide as its text plus 8 pixels.
    const QFontMetrics fm(QApplication::font());
    EXPECT_EQ(form().StatusWidth(TStatusPanel::PreviewSize), fm.horizontalAdvance(size) + 8);
    EXPECT_TRUE(window.dialogs.log.empty());
}

TEST_F(BrowseTest, AClickOnALibraryOpensItAndTheHeaderGoesBack) {
    ASSERT_TRUE(ClickItem(form().FileListBox1, "Lib.SLB"));
    EXPECT_TRUE(form().Model().LibraryView());
    EXPECT_FALSE(form().Panel5->property("active").toBool());
    EXPECT_EQ(Captions(form()), (std::vector<std::string>{"FIRST", "SECOND", "THIRD"}));
    EXPECT_EQ(form().limg.size(), 3u);
    EXPECT_EQ(Status(TStatusPanel::SlideName), "FIRST");
    EXPECT_EQ(Status(TStatusPanel::LibraryName).toStdString(), dir.File("Lib.SLB"));
    EXPECT_EQ(Status(TStatusPanel::LibrarySize).toStdString(),
              std::to_string(ReadFileBytes(dir.File("Lib.SLB")).size()));

    ClickWidget(form().Panel5);
    EXPECT_FALSE(form().Model().LibraryView());
    EXPECT_EQ(Captions(form()).size(), 2u);
    EXPECT_TRUE(form().FileListBox1->selectedItems().isEmpty());
}

TEST_F(BrowseTest, KeysInTheFileListOpenTheEntryTheyReach) {
    ASSERT_TRUE(ClickItem(form().FileListBox1, "hatch.pat"));
    EXPECT_EQ(form().Notebook1->currentWidget(), form().HatchsPage);
    EXPECT_EQ(form().ListBox1->count(), 0);

    QTest::keyClick(form().FileListBox1, Qt::Key_Down);
    Settle();
    EXPECT_EQ(form().Notebook1->currentWidget(), form().SlidesPage);
    EXPECT_TRUE(form().Model().LibraryView());
    EXPECT_EQ(Captions(form()), (std::vector<std::string>{"FIRST", "SECOND", "THIRD"}));
    // The keyboard stays in the file list.
    EXPECT_EQ(QApplication::focusWidget(), form().FileListBox1);
}

TEST_F(BrowseTest, ClicksAndKeysInTheSlideListSelectAndPreview) {
    ClickItem(form().FileListBox1, "Lib.SLB");
    ASSERT_TRUE(ClickItem(form().ListBox1, "THIRD"));
    EXPECT_EQ(form().Model().Selection(), std::vector<int>{2});
    EXPECT_EQ(Status(TStatusPanel::SlideName), "THIRD");
    EXPECT_EQ(Status(TStatusPanel::SlideSize).toStdString(),
              std::to_string(MakeSlide(80, 80).size()));

    ClickItem(form().ListBox1, "FIRST", Qt::ControlModifier);
    EXPECT_EQ(form().Model().Selection(), (std::vector<int>{0, 2}));
    EXPECT_EQ(Status(TStatusPanel::SlideName), "FIRST");

    QTest::keyClick(form().ListBox1, Qt::Key_A, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(form().Model().Selection(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(form().ListBox1->selectedItems().size(), 3);
}

TEST_F(BrowseTest, AClickInTheFolderTreeOpensThatFolder) {
    const std::string sub = dir.File("sub");
    std::filesystem::create_directory(sub);
    WriteFileBytes(sub + "/only.sld", MakeSlide(50, 50));
    // The tree reads folders in the background: wait until the new folder shows.
    auto* model = static_cast<QFileSystemModel*>(form().PTShellTree1->model());
    QModelIndex index;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        index = model->index(QString::fromStdString(sub));
        return index.isValid();
    }));
    form().PTShellTree1->scrollTo(index);
    Settle();
    const QRect r = form().PTShellTree1->visualRect(index);
    ASSERT_TRUE(r.isValid());
    // On the start of the name: deep folders stand to the right, beyond the narrow column.
    const QPoint at(std::min(r.left() + 8, form().PTShellTree1->viewport()->width() - 2),
                    r.center().y());
    QTest::mouseClick(form().PTShellTree1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Captions(form()).size() == 1; }));
    EXPECT_EQ(Captions(form()), std::vector<std::string>{"only.sld"});
    EXPECT_EQ(form().Model().Folder(), sub);
    EXPECT_TRUE(FileList(form()).empty());
}

TEST_F(BrowseTest, ViewSwitchFromTheMenuTogglesAndKeepsTheSelection) {
    ClickItem(form().ListBox1, "b.sld");
    form().viewlist->trigger();
    Settle();
    EXPECT_EQ(form().ListBox1->viewMode(), QListView::ListMode);
    EXPECT_TRUE(form().viewlist->isChecked());
    EXPECT_FALSE(form().viewthumb->isChecked());
    EXPECT_TRUE(form().limg.empty());
    EXPECT_EQ(form().ListBox1->selectedItems().size(), 1);
    EXPECT_EQ(form().ListBox1->selectedItems()[0]->text(), "b.sld");

    // "View List" again, while the list view is shown, goes back to thumbnails.
    form().viewlist->trigger();
    Settle();
    EXPECT_EQ(form().ListBox1->viewMode(), QListView::IconMode);
    EXPECT_TRUE(form().viewthumb->isChecked());
    EXPECT_EQ(form().limg.size(), 2u);
}

TEST_F(BrowseTest, EmptyFolderEmptiesTheListAndNarrowsThePanels) {
    TTempDir empty;
    form().SetTreeFolder(QString::fromStdString(empty.Path()));
    Settle();
    EXPECT_EQ(form().ListBox1->count(), 0);
    EXPECT_EQ(form().FileListBox1->count(), 0);
    EXPECT_EQ(Status(TStatusPanel::SlideName), "");
    EXPECT_EQ(form().StatusWidth(TStatusPanel::SlideSize), 16);
    EXPECT_EQ(form().StatusWidth(TStatusPanel::LibraryName), 27);
    EXPECT_EQ(form().StatusWidth(TStatusPanel::LibrarySize), 16);
    EXPECT_FALSE(form().SelectAll->isEnabled());
}

TEST_F(BrowseTest, BackgroundColourAboutAndHelpFromTheMenus) {
    window.dialogs.colours.push_back(RGBColor(255, 255, 255));
    form().BackgroundColor1->trigger();
    Settle();
    EXPECT_EQ(form().Model().Preview().Pixel(1, 1), 0xFFFFFFu);
    // Thumbnails keep their old background until the list is filled again.
    EXPECT_EQ(form().limg[0].pixel(0, 0), qRgb(0, 0, 0));

    form().About1->trigger();
    EXPECT_EQ(window.dialogs.log.back().rfind("about: Varnel Slide Manager / Viewer ", 0), 0u);

    QTest::keyClick(&form(), Qt::Key_F1);
    EXPECT_EQ(window.dialogs.log.back().rfind("error: Cannot find the help file", 0), 0u);
}

TEST_F(BrowseTest, ACommandsErrorIsShownOnceWithItsOwnMessage) {
    form().RunCommand(
        [] { throw EFileError("Cannot create file \"/x/y.slb\". Permission denied"); });
    EXPECT_EQ(window.dialogs.log, std::vector<std::string>{
                                      "error: Cannot create file \"/x/y.slb\". Permission denied"});
    // The window still shows the model.
    EXPECT_EQ(Captions(form()).size(), 2u);
}

TEST_F(BrowseTest, ToolButtonsAreNamedByTheirHints) {
    for (QToolButton* b :
         {form().NewLibButton, form().SaveAddMoveButton, form().SaveToDirButton,
          form().ConvertButton, form().PrintButton, form().DeleteButton, form().MvSlideUpButton,
          form().MvSlideDnButton, form().CopyClipButton, form().ViewStyleButton}) {
        EXPECT_FALSE(b->toolTip().isEmpty());
        EXPECT_EQ(b->accessibleName(), b->toolTip());
    }
}

} // namespace
