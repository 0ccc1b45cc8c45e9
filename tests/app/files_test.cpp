// Files that other programs change while the window shows them, and what the window shows about
// files that are wrong: the folder view follows the disk, keeping the selection, and a burst of
// changes reads the folder a few times, not once per file; damaged slides are named once per
// fill and their thumbnails marked; names too long for the lists show from their start; the
// status bar's panels speak to screen readers.
#include "AppTestSupport.h"

#include "SlideWriter.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QStatusBar>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class FilesWindowTest : public TWindowTest {
protected:
    void SetUp() override {
        WriteBrowseFolder(dir.Path());
        ShowDir();
    }
    // Runs events until done() holds; false after ten seconds.
    static bool WaitFor(const std::function<bool()>& done) {
        QElapsedTimer clock;
        clock.start();
        while (!done()) {
            if (clock.elapsed() > 10000)
                return false;
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return true;
    }
};

TEST_F(FilesWindowTest, TheFolderViewFollowsOtherProgramsKeepingTheSelection) {
    ASSERT_TRUE(ClickItem(form().ListBox1, "b.sld"));
    // Another program adds a slide before the selected one, removes one, adds a library.
    WriteFileBytes(dir.File("a0.sld"), MakeSlide(10, 10));
    std::filesystem::remove(dir.File("c.Sld"));
    WriteLibrary(dir.File("New.slb"), {{"ONE", MakeSlide(10, 10)}});
    ASSERT_TRUE(WaitFor([&] {
        return Captions(form()) == Names{"A.SLD", "a0.sld", "b.sld"} &&
               FileList(form()) == Names{"hatch.pat", "Lib.SLB", "New.slb"};
    })) << Captions(form()).size();
    EXPECT_EQ(Selected(form()), Names{"b.sld"});
    EXPECT_EQ(form().Model().Selection(), std::vector<int>{2});
    EXPECT_EQ(form().StatusText(TStatusPanel::SlideName), "b.sld");
    EXPECT_TRUE(dialogs().log.empty());

    // A thousand files written into the folder while the window runs: the list shows them all
    // after a few readings of the folder, not one per file.
    const int before = form().DiskReloads();
    for (int k = 0; k < 1000; ++k) {
        char name[16];
        std::snprintf(name, sizeof name, "x%04d.sld", k);
        WriteFileBytes(dir.File(name), MakeSlide(20, 20));
        QApplication::processEvents();
    }
    ASSERT_TRUE(WaitFor([&] { return Captions(form()).size() == 1003u; }));
    QApplication::processEvents(QEventLoop::AllEvents, 500);
    const int reloads = form().DiskReloads() - before;
    EXPECT_GE(reloads, 1);
    EXPECT_LT(reloads, 50);
    EXPECT_EQ(Selected(form()), Names{"b.sld"});
}

TEST_F(FilesWindowTest, DamagedSlidesAreNamedOnceAndTheirThumbnailsMarked) {
    TSlideWriter w(100, 100);
    w.Vector(0, 0, 100, 100);
    w.Raw({0x00, 0x90}); // no record kind
    w.End();
    TTempDir other;
    for (int k = 0; k < 40; ++k)
        WriteFileBytes(other.File("bad" + std::to_string(10 + k) + ".sld"), w.Bytes());
    WriteFileBytes(other.File("good.sld"), MakeSlide(100, 100));
    form().SetTreeFolder(QString::fromStdString(other.Path()));
    form().WaitForThumbnails();
    Settle();
    ASSERT_EQ(dialogs().log.size(), 1u);
    EXPECT_EQ(dialogs().log[0].rfind("message: Error reading slide file. *Invalid*\n\n40 slides of "
                                     "folder \"" +
                                         other.Path() + "\": bad10.sld, bad11.sld",
                                     0),
              0u)
        << dialogs().log[0];
    // A failed thumbnail carries the red cross and says why in its tooltip; a good one does not.
    ASSERT_EQ(form().limg.size(), 41u);
    for (size_t i : {size_t{0}, size_t{39}}) {
        ASSERT_TRUE(form().limg.Has(i)) << i;
        EXPECT_EQ(form().limg[i].pixel(64, 40), qRgb(255, 0, 0)) << i;
        EXPECT_NE(form().ListBox1->item(static_cast<int>(i))->toolTip().indexOf("*Invalid*"), -1);
    }
    EXPECT_NE(form().limg[40].pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(form().ListBox1->item(40)->toolTip(), "good.sld");
}

TEST_F(FilesWindowTest, LongNamesShowFromTheirStartAndTheStatusBarSpeaks) {
    const std::string longName = std::string(120, 'w') + "-end.slb";
    WriteLibrary(dir.File(longName), {{"ONE", MakeSlide(10, 10)}});
    form().Model().RefreshFileList();
    form().RefreshView();
    Settle();
    // No sideways scrolling: each entry is as wide as the list at most, so a short name shows.
    QListWidget* list = form().FileListBox1;
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
    for (int i = 0; i < list->count(); ++i) {
        const QRect r = list->visualItemRect(list->item(i));
        EXPECT_GE(r.left(), 0) << i;
        EXPECT_LE(r.right(), list->viewport()->width()) << i;
    }
    EXPECT_EQ(list->textElideMode(), Qt::ElideMiddle);
    EXPECT_EQ(form().ListBox1->textElideMode(), Qt::ElideMiddle);

    // Each panel says what it is; its text is its description.
    const auto* name = form().StatusBar1->findChild<QLabel*>("SlideNamePanel");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->accessibleName(), "Slide name");
    EXPECT_EQ(name->accessibleDescription(), "A.SLD");
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(const_cast<QLabel*>(name));
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->text(QAccessible::Name), "Slide name");
    EXPECT_EQ(spoken->text(QAccessible::Description), "A.SLD");
    const auto* folder = form().StatusBar1->findChild<QLabel*>("FolderPanel");
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->accessibleName(), "Folder");
    EXPECT_EQ(folder->accessibleDescription().toStdString(), dir.Path());
}

} // namespace
