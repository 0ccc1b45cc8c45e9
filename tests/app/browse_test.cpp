// Browsing in the real window through real input: mouse clicks on the folder tree, the file
// list, the header and the slide list, keys, and the menus' actions; the slide list's
// thumbnails: the first screen at once, the rest from the workers, equal to what one thread
// draws, and a reload in the middle of a fill.
#include "AppTestSupport.h"

#include "SlideWriter.h"
#include "base/Errors.h"
#include "graphics/AcadPal.h"
#include "graphics/Graphic.h"
#include "graphics/IndexedPicture.h"
#include "output/SlideGraphic.h"
#include "slides/SlideClasses.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class BrowseTest : public TWindowTest {
protected:
    void SetUp() override {
        WriteBrowseFolder(dir.Path());
        ShowDir();
    }
    QString Status(TStatusPanel panel) { return form().StatusText(panel); }
};

TEST_F(BrowseTest, FolderViewShowsSlidesByNameWithThumbnailsAndFigures) {
    EXPECT_EQ(Captions(form()), (Names{"A.SLD", "b.sld", "c.Sld"}));
    EXPECT_EQ(FileList(form()), (Names{"hatch.pat", "Lib.SLB"}));
    EXPECT_TRUE(form().Panel5->property("active").toBool());
    ASSERT_EQ(form().limg.size(), 3u);
    EXPECT_EQ(form().limg[0].size(), QSize(128, 80));
    EXPECT_EQ(Status(TStatusPanel::SlideName), "A.SLD");
    // The preview's size, in a panel as wide as its text plus 8 pixels.
    const QString size = QString("%1x%2").arg(form().Panel2->width()).arg(form().Panel2->height());
    EXPECT_EQ(Status(TStatusPanel::PreviewSize), size);
    EXPECT_EQ(form().StatusWidth(TStatusPanel::PreviewSize),
              QFontMetrics(QApplication::font()).horizontalAdvance(size) + 8);
    EXPECT_TRUE(dialogs().log.empty());
}

TEST_F(BrowseTest, ClicksAndKeysOpenLibrariesAndSelectSlides) {
    // A click on a library opens it; a click on the header goes back to the folder.
    ASSERT_TRUE(ClickItem(form().FileListBox1, "Lib.SLB"));
    EXPECT_TRUE(form().Model().LibraryView());
    EXPECT_FALSE(form().Panel5->property("active").toBool());
    EXPECT_EQ(Captions(form()), (Names{"FIRST", "SECOND", "THIRD"}));
    EXPECT_EQ(form().limg.size(), 3u);
    EXPECT_EQ(Status(TStatusPanel::LibraryName).toStdString(), dir.File("Lib.SLB"));
    ClickWidget(form().Panel5);
    EXPECT_FALSE(form().Model().LibraryView());
    EXPECT_TRUE(form().FileListBox1->selectedItems().isEmpty());

    // A key in the file list opens the entry it reaches, and the keyboard stays there.
    ASSERT_TRUE(ClickItem(form().FileListBox1, "hatch.pat"));
    EXPECT_EQ(form().Notebook1->currentWidget(), form().HatchsPage);
    Key(form().FileListBox1, Qt::Key_Down);
    EXPECT_EQ(form().Notebook1->currentWidget(), form().SlidesPage);
    EXPECT_EQ(Captions(form()), (Names{"FIRST", "SECOND", "THIRD"}));
    EXPECT_EQ(QApplication::focusWidget(), form().FileListBox1);

    // Clicks, Ctrl+clicks and Ctrl+A in the slide list.
    ASSERT_TRUE(ClickItem(form().ListBox1, "THIRD"));
    EXPECT_EQ(form().Model().Selection(), std::vector<int>{2});
    EXPECT_EQ(Status(TStatusPanel::SlideName), "THIRD");
    ClickItem(form().ListBox1, "FIRST", Qt::ControlModifier);
    EXPECT_EQ(form().Model().Selection(), (std::vector<int>{0, 2}));
    EXPECT_EQ(Status(TStatusPanel::SlideName), "FIRST");
    Key(form().ListBox1, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(form().ListBox1->selectedItems().size(), 3);
}

TEST_F(BrowseTest, AClickInTheFolderTreeOpensThatFolder) {
    const std::string sub = dir.File("sub");
    std::filesystem::create_directory(sub);
    std::filesystem::create_directory(dir.File(std::string(150, 'x'))); // widens the column
    WriteFileBytes(sub + "/only.sld", MakeSlide(50, 50));
    // The tree reads folders in the background: wait until the new folder shows.
    auto* model = static_cast<QFileSystemModel*>(form().PTShellTree1->model());
    QModelIndex index;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            index = model->index(QString::fromStdString(sub));
            return index.isValid() &&
                   model->index(QString::fromStdString(dir.File(std::string(150, 'x')))).isValid();
        },
        10000));
    // The tree sorts and lays out what it read a little later, more so on a busy machine: click
    // only once the folder's place has stopped moving.
    QRect r;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            form().PTShellTree1->scrollTo(index);
            Settle();
            const QRect before = form().PTShellTree1->visualRect(index);
            QTest::qWait(100);
            Settle();
            r = form().PTShellTree1->visualRect(index);
            return r.isValid() && r == before;
        },
        10000));
    // On the start of the name: deep folders stand to the right, beyond the narrow column.
    const QPoint at(std::min(r.left() + 8, form().PTShellTree1->viewport()->width() - 2),
                    r.center().y());
    QTest::mouseClick(form().PTShellTree1->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Captions(form()).size() == 1; }, 10000));
    EXPECT_EQ(Captions(form()), Names{"only.sld"});
    EXPECT_EQ(form().Model().Folder(), sub);
    EXPECT_TRUE(FileList(form()).empty());

    // Pointed at a folder, the tree shows its name from the start, not the column's far end.
    form().SetTreeFolder(QString::fromStdString(sub));
    Settle();
    const QRect shown = form().PTShellTree1->visualRect(index);
    EXPECT_GE(shown.left(), 0);
    EXPECT_LE(shown.left(), 2 * form().PTShellTree1->indentation());
}

TEST_F(BrowseTest, ViewSwitchFromTheMenuTogglesAndKeepsTheSelection) {
    ClickItem(form().ListBox1, "b.sld");
    Trigger(form().viewlist);
    EXPECT_EQ(form().ListBox1->viewMode(), QListView::ListMode);
    EXPECT_TRUE(form().viewlist->isChecked() && !form().viewthumb->isChecked());
    EXPECT_TRUE(form().limg.empty());
    EXPECT_EQ(Selected(form()), Names{"b.sld"});
    // "View List" again, while the list view is shown, goes back to thumbnails.
    Trigger(form().viewlist);
    EXPECT_EQ(form().ListBox1->viewMode(), QListView::IconMode);
    EXPECT_TRUE(form().viewthumb->isChecked() && !form().viewlist->isChecked());
    EXPECT_EQ(form().limg.size(), 3u);
}

TEST_F(BrowseTest, EmptyFolderNarrowsThePanelsAndDisablesTheSlideCommands) {
    TTempDir empty;
    form().SetTreeFolder(QString::fromStdString(empty.Path()));
    Settle();
    EXPECT_EQ(form().ListBox1->count() + form().FileListBox1->count(), 0);
    EXPECT_EQ(form().StatusWidth(TStatusPanel::SlideSize), 16);
    EXPECT_EQ(form().StatusWidth(TStatusPanel::LibraryName), 27);
    // The tool buttons follow their actions.
    EXPECT_FALSE(form().ExportToImage1->isEnabled());
    EXPECT_FALSE(form().CopyClipButton->isEnabled());
    EXPECT_TRUE(form().ConvertButton->isEnabled());
}

TEST_F(BrowseTest, ANewBackgroundColourRepaintsThePreviewAndErrorsAreShownOnce) {
    dialogs().colours.push_back(RGBColor(255, 255, 255));
    Trigger(form().BackgroundColor1);
    EXPECT_EQ(form().Model().Preview().Pixel(1, 1), 0xFFFFFFu);
    EXPECT_EQ(form().Model().RenderState().Palette()[7], 0u); // white lines turn black on white
    // Thumbnails keep their old background until the list is filled again.
    EXPECT_EQ(form().limg[0].pixel(0, 0), qRgb(0, 0, 0));
    Trigger(form().BackgroundColor1); // cancelled: nothing changes
    EXPECT_EQ(form().Model().PreviewBackground(), 0xFFFFFFu);

    // A command's error comes once with its own message, and the window still shows the model.
    dialogs().log.clear();
    form().RunCommand([] { throw EFileError("Cannot create file \"/x/y.slb\"."); });
    EXPECT_EQ(dialogs().log, Names{"error: Cannot create file \"/x/y.slb\"."});
    EXPECT_EQ(Captions(form()).size(), 3u);
}

// Screen readers name every button, box, list and editor of the window, its pattern page and
// its dialogs.
TEST_F(BrowseTest, EveryControlHasAnAccessibleName) {
    int controls = 0;
    for (QWidget* w : form().findChildren<QWidget*>()) {
        // Qt's own parts (and the tree's hidden header) are Qt's to name.
        if (w->objectName().startsWith("qt_") || qobject_cast<QHeaderView*>(w) ||
            !(qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
              qobject_cast<QGroupBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
              qobject_cast<QPlainTextEdit*>(w)))
            continue;
        ++controls;
        EXPECT_FALSE(w->accessibleName().isEmpty())
            << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
    EXPECT_GT(controls, 40);
}

// count slides s000.sld... that differ from each other (and from those of another offset).
void WriteFolder(const TTempDir& dir, int count, int offset = 0) {
    for (int n = offset; n < offset + count; ++n) {
        TSlideWriter w(300 + n, 200);
        for (int k = 0; k < 30; ++k) {
            w.Colour((n + k) % 250 + 1);
            w.Vector(k * 9, 0, 299 - k * 4, 199);
        }
        w.End();
        char name[16];
        std::snprintf(name, sizeof name, "s%03d.sld", n - offset);
        WriteFileBytes(dir.File(name), w.Bytes());
    }
}

// Each of the first count thumbnails is there and equal to what one thread draws for it.
void ExpectOneThreadPictures(const TForm1& form, int count) {
    for (int i = 0; i < count; ++i) {
        TBitmap bitmap;
        DrawToGraphic(*form.Model().CurrentList(), i, bitmap, 80, 128, form.Model().RenderState());
        const QImage expected = TThumbnailList::ToImage(PackPicture(bitmap.Canvas()));
        ASSERT_TRUE(form.limg.Has(static_cast<size_t>(i))) << i;
        ASSERT_EQ(form.limg[static_cast<size_t>(i)].convertToFormat(QImage::Format_RGB32),
                  expected.convertToFormat(QImage::Format_RGB32))
            << "item " << i;
    }
}

TEST(ThumbnailsTest, AFolderOfManySlidesGetsEveryThumbnailAsOneThreadDrawsIt) {
    TTempDir dir;
    WriteFolder(dir, 150);
    TWindowSetup window;
    TForm1& form = *window.form;
    form.SetTreeFolder(QString::fromStdString(dir.Path()));
    ASSERT_EQ(form.ListBox1->count(), 150);
    // The first screen is there when the folder has opened.
    EXPECT_TRUE(form.limg.Has(0));
    form.WaitForThumbnails();
    ExpectOneThreadPictures(form, 150);
    // Scrolled to the end: the items there show their thumbnails.
    form.ListBox1->verticalScrollBar()->setValue(form.ListBox1->verticalScrollBar()->maximum());
    Settle();
    EXPECT_EQ(form.ListBox1->item(149)->icon().pixmap(128, 80).toImage().convertToFormat(
                  QImage::Format_RGB32),
              form.limg[149].convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(window.dialogs.log.empty());
}

TEST(ThumbnailsTest, AReloadInTheMiddleOfAFillLeavesNoStaleThumbnail) {
    TTempDir big, small;
    WriteFolder(big, 400);
    WriteFolder(small, 40, 100); // other pictures under the same names
    TWindowSetup window;
    TForm1& form = *window.form;
    for (int round = 0; round < 3; ++round) {
        form.SetTreeFolder(QString::fromStdString(big.Path()));
        Settle();
        form.SetTreeFolder(QString::fromStdString(small.Path()));
    }
    form.WaitForThumbnails();
    Settle();
    ASSERT_EQ(form.ListBox1->count(), 40);
    ExpectOneThreadPictures(form, 40);
    // A background change in the middle of a fill: nothing crashes, every item gets a picture.
    form.SetTreeFolder(QString::fromStdString(big.Path()));
    window.dialogs.colours.push_back(RGBColor(255, 255, 255));
    form.BackgroundColor1->trigger();
    form.WaitForThumbnails();
    for (int i = 0; i < 400; ++i)
        ASSERT_TRUE(form.limg.Has(static_cast<size_t>(i))) << i;
}

} // namespace
