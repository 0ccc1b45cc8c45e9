// Browsing: folder view, library view, thumbnails, status bar, selection, unreadable sources.
#include "AppTestSupport.h"

#include "base/Streams.h"
#include "render/AcadPal.h"
#include "slides/SlideClasses.h"
#include "slides/SlideWriter.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

std::vector<std::string> Sorted(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<std::string> FileList(const TForm1& form) {
    std::vector<std::string> names;
    for (int i = 0; i < form.FileListBox1->count(); ++i)
        names.push_back(form.FileListBox1->item(i)->text().toStdString());
    return names;
}

class BrowseTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileBytes(dir.File("a.sld"), MakeSlide(400, 200));
        WriteFileBytes(dir.File("B.SLD"), MakeSlide(300, 300));
        WriteLibrary(dir.File("Lib.SLB"), {{"FIRST", MakeSlide(100, 50)},
                                           {"SECOND", MakeSlide(50, 100)},
                                           {"THIRD", MakeSlide(80, 80)}});
        WriteFileBytes(dir.File("hatch.pat"), {'*', 'X', ',', 'x', '\n', '0', ',', '0', ',', '0',
                                               ',', '0', ',', '1', '\n'});
        WriteFileBytes(dir.File("notes.txt"), {'x'});
        form().SetTreeFolder(QString::fromStdString(dir.Path()));
    }
    void TearDown() override {
        BackgroundColour = 0;
        BuildPalette();
    }
    TForm1& form() { return *window.form; }

    TTempDir dir;
    TWindowSetup window;
};

TEST_F(BrowseTest, FolderViewListsSlidesWithThumbnailsAndFigures) {
    EXPECT_EQ(Sorted(Captions(form())), (std::vector<std::string>{"B.SLD", "a.sld"}));
    EXPECT_EQ(FileList(form()), (std::vector<std::string>{"hatch.pat", "Lib.SLB"}));
    EXPECT_FALSE(form().LibraryView());
    EXPECT_TRUE(form().Panel5->property("active").toBool());
    ASSERT_EQ(form().limg.size(), 2u);
    EXPECT_EQ(form().limg[0].size(), QSize(128, 80));

    // The first slide is selected and previewed; the status bar tells its figures.
    ASSERT_EQ(form().SelectedSlide(), 0);
    const std::string first = Captions(form())[0];
    EXPECT_EQ(form().StatusText(0).toStdString(), first);
    EXPECT_EQ(form().StatusText(1).toStdString(),
              std::to_string(ReadFileBytes(dir.File(first)).size()));
    EXPECT_EQ(form().StatusText(2), "");
    EXPECT_EQ(form().StatusText(3), "0");
    const QString size = QString("%1x%2").arg(form().Panel2->width()).arg(form().Panel2->height());
    EXPECT_EQ(form().StatusText(4), size);
    EXPECT_EQ(form().StatusText(5).toStdString(), dir.Path());
    EXPECT_EQ(form().StatusText(6), "");
    // Each panel is as wide as its text plus 8 pixels.
    const QFontMetrics fm(QApplication::font());
    EXPECT_EQ(form().StatusWidth(4), fm.horizontalAdvance(size) + 8);

    // The preview shows the slide: its frame is drawn in colour 1 (red) somewhere.
    const TRasterCanvas& preview = form().PreviewBuffer();
    ASSERT_EQ(preview.Width(), form().Panel2->width());
    int red = 0;
    for (int y = 0; y < preview.Height(); ++y)
        for (int x = 0; x < preview.Width(); ++x)
            red += preview.Pixel(x, y) == Palette[1];
    EXPECT_GT(red, 100);
    EXPECT_TRUE(window.dialogs.log.empty());
}

TEST_F(BrowseTest, LibraryViewShowsEntriesAndLibrarySizes) {
    ASSERT_TRUE(form().ClickFileListEntry("lib.slb"));
    EXPECT_TRUE(form().LibraryView());
    EXPECT_FALSE(form().Panel5->property("active").toBool());
    EXPECT_EQ(Captions(form()), (std::vector<std::string>{"FIRST", "SECOND", "THIRD"}));
    EXPECT_EQ(form().limg.size(), 3u);
    EXPECT_EQ(form().StatusText(0), "FIRST");
    EXPECT_EQ(form().StatusText(1).toStdString(), std::to_string(MakeSlide(100, 50).size()));
    EXPECT_EQ(form().StatusText(2).toStdString(), dir.File("Lib.SLB"));
    EXPECT_EQ(form().StatusText(3).toStdString(),
              std::to_string(ReadFileBytes(dir.File("Lib.SLB")).size()));

    // The header button goes back to the folder's slide files.
    form().Panel5Click();
    EXPECT_FALSE(form().LibraryView());
    EXPECT_EQ(Captions(form()).size(), 2u);
    EXPECT_EQ(form().FileListBox1->currentItem(), nullptr);
}

TEST_F(BrowseTest, SelectionIsKeptAcrossReloadsByCaption) {
    ASSERT_TRUE(form().ClickFileListEntry("Lib.SLB"));
    form().ListBox1->setCurrentRow(2, QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(form().StatusText(0), "THIRD");

    // Another slide is put in front of it: the reload still selects THIRD.
    WriteLibrary(dir.File("Lib.SLB"), {{"NEW", MakeSlide(10, 10)},
                                       {"FIRST", MakeSlide(100, 50)},
                                       {"SECOND", MakeSlide(50, 100)},
                                       {"third", MakeSlide(80, 80)}});
    form().ReloadSlideList();
    EXPECT_EQ(form().SelectedSlides(), std::vector<int>{3});
    EXPECT_EQ(form().StatusText(0), "THIRD");

    // Gone: the first slide is selected.
    WriteLibrary(dir.File("Lib.SLB"), {{"NEW", MakeSlide(10, 10)}});
    form().ReloadSlideList();
    EXPECT_EQ(form().SelectedSlides(), std::vector<int>{0});

    form().SelectAllExecute();
    EXPECT_EQ(form().SelectedSlides().size(), 1u);

    // Folder view: the caption matches without regard to letter case.
    form().Panel5Click();
    form().ListBox1->findItems("B.SLD", Qt::MatchExactly)[0]->setSelected(true);
    form().ListBox1->findItems("a.sld", Qt::MatchExactly)[0]->setSelected(false);
    ASSERT_EQ(form().StatusText(0), "B.SLD");
    std::filesystem::rename(dir.File("B.SLD"), dir.File("b.sld"));
    WriteFileBytes(dir.File("0.sld"), MakeSlide(10, 10));
    form().ReloadSlideList();
    EXPECT_EQ(form().StatusText(0), "b.sld");
    EXPECT_EQ(form().SelectedSlides().size(), 1u);
}

TEST_F(BrowseTest, ViewSwitchTogglesWhicheverActionIsChosen) {
    ASSERT_TRUE(form().ThumbnailView());
    form().ListBox1->item(1)->setSelected(true);
    form().viewlist->trigger();
    EXPECT_FALSE(form().ThumbnailView());
    EXPECT_EQ(form().ListBox1->viewMode(), QListView::ListMode);
    EXPECT_TRUE(form().viewlist->isChecked());
    EXPECT_FALSE(form().viewthumb->isChecked());
    EXPECT_EQ(form().ListBox1->count(), 2);
    EXPECT_EQ(form().SelectedSlides(), (std::vector<int>{0, 1}));

    // "View List" again, while the list view is shown, goes back to thumbnails.
    form().viewlist->trigger();
    EXPECT_TRUE(form().ThumbnailView());
    EXPECT_EQ(form().ListBox1->viewMode(), QListView::IconMode);
    EXPECT_TRUE(form().viewthumb->isChecked());
    EXPECT_EQ(form().limg.size(), 2u);

    form().SelectAllExecute();
    EXPECT_EQ(form().SelectedSlides(), (std::vector<int>{0, 1}));
}

TEST_F(BrowseTest, UnreadableSourcesLeaveTheListEmptyAndSaySoInTheStatusBar) {
    WriteFileBytes(dir.File("broken.slb"), {'n', 'o', 't', ' ', 'a', ' ', 'l', 'i', 'b'});
    form().RefreshFileList();
    ASSERT_TRUE(form().ClickFileListEntry("broken.slb"));
    EXPECT_EQ(form().ListBox1->count(), 0);
    EXPECT_EQ(form().CurrentList(), nullptr);
    EXPECT_TRUE(form().StatusText(6).contains("broken.slb")) << form().StatusText(6).toStdString();
    EXPECT_EQ(form().StatusText(0), "");
    EXPECT_EQ(form().StatusWidth(2), 27);

    // A folder holding a slide cut short.
    TTempDir other;
    WriteFileBytes(other.File("cut.sld"), {'A', 'u', 't', 'o'});
    form().SetTreeFolder(QString::fromStdString(other.Path()));
    EXPECT_EQ(form().ListBox1->count(), 0);
    EXPECT_TRUE(form().StatusText(6).contains("cut.sld"));
    EXPECT_TRUE(window.dialogs.log.empty());

    // A readable folder clears the note.
    form().SetTreeFolder(QString::fromStdString(dir.Path()));
    EXPECT_EQ(form().StatusText(6), "");
}

TEST_F(BrowseTest, InvalidRecordIsReportedOnceInABox) {
    TSlideWriter w(100, 100);
    w.Vector(0, 0, 100, 100);
    w.Raw({0x00, 0x90}); // high byte 0x90 is no record kind
    w.End();
    WriteLibrary(dir.File("bad.slb"), {{"BAD", w.Bytes()}, {"BAD2", w.Bytes()}});
    form().RefreshFileList();
    ASSERT_TRUE(form().ClickFileListEntry("bad.slb"));
    EXPECT_EQ(window.dialogs.log,
              std::vector<std::string>{"message: Error reading slide file. *Invalid*"});
    EXPECT_EQ(form().StatusText(0), "BAD");

    // Repainting the same slide (a resize) does not repeat the box; another slide does.
    form().RepaintPreview();
    EXPECT_EQ(window.dialogs.log.size(), 1u);
    form().ListBox1->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(window.dialogs.log.size(), 2u);
}

TEST_F(BrowseTest, PatternFileShowsTheHatchsPage) {
    ASSERT_TRUE(form().ClickFileListEntry("hatch.pat"));
    EXPECT_EQ(form().Notebook1->currentWidget(), form().HatchsPage);
    EXPECT_EQ(form().ListBox1->count(), 0);
    EXPECT_FALSE(form().LibraryView());

    form().Panel5Click();
    EXPECT_EQ(form().Notebook1->currentWidget(), form().SlidesPage);
    EXPECT_EQ(form().ListBox1->count(), 2);
}

TEST_F(BrowseTest, EmptyFolderEmptiesListAndFigures) {
    TTempDir empty;
    form().SetTreeFolder(QString::fromStdString(empty.Path()));
    EXPECT_EQ(form().ListBox1->count(), 0);
    EXPECT_EQ(form().CurrentList(), nullptr);
    EXPECT_EQ(form().FileListBox1->count(), 0);
    for (int panel = 0; panel <= 3; ++panel)
        EXPECT_EQ(form().StatusText(panel), "");
    EXPECT_EQ(form().StatusWidth(1), 16);
    EXPECT_EQ(form().StatusWidth(3), 16);
}

TEST_F(BrowseTest, BackgroundColourRepaintsThePreviewOnly) {
    window.dialogs.colours.push_back(RGBColor(255, 255, 255));
    form().ChangeBackCol();
    EXPECT_EQ(form().PreviewBackground(), 0xFFFFFFu);
    EXPECT_EQ(BackgroundColour, 0xFFFFFFu);
    EXPECT_EQ(Palette[7], 0u); // white lines turn black on white
    const TRasterCanvas& preview = form().PreviewBuffer();
    EXPECT_EQ(preview.Pixel(1, 1), 0xFFFFFFu);
    // Thumbnails keep their old background until the list is filled again.
    EXPECT_EQ(form().limg[0].toImage().pixel(0, 0), qRgb(0, 0, 0));

    // Cancelled: nothing changes.
    form().ChangeBackCol();
    EXPECT_EQ(form().PreviewBackground(), 0xFFFFFFu);
}

TEST_F(BrowseTest, AboutAndHelp) {
    form().AboutClick();
    ASSERT_EQ(window.dialogs.log.size(), 1u);
    EXPECT_EQ(window.dialogs.log[0].rfind("about: Varnel Slide Manager / Viewer ", 0), 0u);

    // No help beside the program: say so.
    form().HelpClick();
    EXPECT_EQ(window.dialogs.log.back().rfind("error: Cannot find the help file", 0), 0u);

    const std::string html = window.ProgramDir() + "/quorvane.html";
    WriteFileBytes(html, {'<', 'p', '>'});
    form().HelpClick();
    EXPECT_EQ(window.dialogs.log.back(), "open: " + html);

    const std::string chm = window.ProgramDir() + "/quorvane.chm";
    WriteFileBytes(chm, {'I', 'T', 'S', 'F'});
    form().HelpClick();
    EXPECT_EQ(window.dialogs.log.back(), "open: " + chm);
}

} // namespace
