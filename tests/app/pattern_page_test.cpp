// The pattern page in the real window through real input: a click on a .pat file, clicks in the
// pattern list, the tool bar's buttons, typing in the editor, keys; at pixel ratio 2, preview
// and thumbnails at the screen's own pixels.
#include "AppTestSupport.h"

#include "HatchPage.h"
#include "graphics/RasterCanvas.h"
#include "model/PatternPage.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string kPatterns = ";; window patterns\r\n"
                              "*ANSI31,ANSI Iron\r\n"
                              "45, 0,0, 0,.125\r\n"
                              "*BRICK,Brick\r\n"
                              "0, 0,0, 0,.25\r\n"
                              "90, 0,0, .25,.25, .25,-.25\r\n"
                              "*GRID,grid\r\n"
                              "0, 0,0, 0,1\r\n"
                              "90, 0,0, 0,1\r\n";

class PatternWindowTest : public TWindowTest {
protected:
    void SetUp() override {
        WriteFileText(dir.File("hatch.pat"), kPatterns);
        WriteLibrary(dir.File("Lib.slb"), {{"FIRST", MakeSlide(100, 50)}});
        form().resize(890, 570);
        ShowDir();
    }
    THatchPage& hatch() { return *form().HatchPage; }
    TPatternPage& page() { return form().Model().PatternPage(); }
    void OpenPatterns() { ASSERT_TRUE(ClickItem(form().FileListBox1, "hatch.pat")); }
    Names Patterns() {
        Names names;
        for (int i = 0; i < hatch().patv->count(); ++i)
            names.push_back(hatch().patv->item(i)->text().toStdString());
        return names;
    }
    int SelectedRow() {
        const QList<QListWidgetItem*> s = hatch().patv->selectedItems();
        return s.isEmpty() ? -1 : hatch().patv->row(s.front());
    }
    std::string Memo() { return hatch().Memo1->toPlainText().toStdString(); }
    std::string Label() { return hatch().Label2->text().toStdString(); }
};

TEST_F(PatternWindowTest, ClickOnAPatternFileListsItsPatternsAndDrawsTheFirst) {
    EXPECT_EQ(Label(), "Scale:");
    OpenPatterns();
    EXPECT_EQ(form().Notebook1->currentWidget(), form().HatchsPage);
    EXPECT_EQ(Patterns(), (Names{"ANSI31", "BRICK", "GRID"}));
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(Memo(), "*ANSI31,ANSI Iron\n45, 0,0, 0,.125");
    EXPECT_EQ(Label(), "Scale: 100.00");
    // The preview is a 3:2 rectangle above the editor, and its picture is that size.
    const QRect r = hatch().Image1->geometry();
    EXPECT_EQ(r.height(), hatch().Panel6->height() - THatchPage::kEditorHeight - 2);
    EXPECT_EQ(r.width(), r.height() * 3 / 2);
    EXPECT_EQ(r.left(), (hatch().Panel6->width() - r.width()) / 2);
    EXPECT_EQ(QSize(page().Preview().Width(), page().Preview().Height()), r.size());
    // The editor's font is a fixed-pitch one, 15 pixels high. Its letters are measured: some
    // monospace fonts (Noto Sans Mono) do not say that they are.
    EXPECT_EQ(hatch().Memo1->font().pixelSize(), 15);
    const QFontMetrics metrics(hatch().Memo1->font());
    EXPECT_EQ(metrics.horizontalAdvance('i'), metrics.horizontalAdvance('W'));
    EXPECT_EQ(metrics.horizontalAdvance(','), metrics.horizontalAdvance('0'));

    // Clicks in the list, on + and on -.
    ASSERT_TRUE(ClickItem(hatch().patv, "GRID"));
    EXPECT_EQ(Memo(), "*GRID,grid\n0, 0,0, 0,1\n90, 0,0, 0,1");
    EXPECT_EQ(Label(), "Scale:  25.00");
    ClickWidget(hatch().Button2);
    EXPECT_EQ(Label(), "Scale:  37.50");
    ClickWidget(hatch().Button3);
    EXPECT_EQ(Label(), "Scale:  25.00");
    EXPECT_TRUE(dialogs().log.empty());

    // Back on the slides: the pattern list goes.
    ClickWidget(form().Panel5);
    EXPECT_EQ(form().Notebook1->currentWidget(), form().SlidesPage);
    EXPECT_EQ(hatch().patv->count(), 0);
}

TEST_F(PatternWindowTest, TypedEditsAreAskedAboutAndRedrawStoresThem) {
    OpenPatterns();
    ASSERT_TRUE(ClickItem(hatch().patv, "BRICK"));
    QPlainTextEdit* memo = hatch().Memo1;
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Home);
    QTest::keyClick(memo, Qt::Key_Right); // after the asterisk
    QTest::keyClick(memo, Qt::Key_Delete);
    QTest::keyClicks(memo, "W");
    Settle();
    EXPECT_EQ(Memo().substr(0, 12), "*WRICK,Brick");
    EXPECT_TRUE(page().HasUnstoredEdits());

    // No: the edits and the selection stay.
    dialogs().yesNoAnswers = {false};
    ASSERT_TRUE(ClickItem(hatch().patv, "GRID"));
    EXPECT_EQ(dialogs().log, Names{"yes/no: Discard the changes to this pattern?"});
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(Memo().substr(0, 12), "*WRICK,Brick");

    // Redraw stores them: the list takes the new name, and nothing is asked any more.
    ClickWidget(hatch().Button1);
    EXPECT_EQ(Patterns(), (Names{"ANSI31", "WRICK", "GRID"}));
    ASSERT_TRUE(ClickItem(hatch().patv, "GRID"));
    EXPECT_EQ(dialogs().log.size(), 1u);
    EXPECT_EQ(SelectedRow(), 2);

    // Save with the pattern filter writes the stored lines, CR LF; with the PDF filter, sheets.
    const std::string saved = dir.File("saved.pat");
    dialogs().files = {TFileChoice{saved, 1}, TFileChoice{dir.File("sheets"), 2}};
    ClickWidget(hatch().ToolButton9);
    EXPECT_EQ(dialogs().log.back(), "save: Save File as Slide-Library-File");
    EXPECT_EQ(ReadFileText(saved).find("*WRICK,Brick\r\n0, 0,0, 0,.25\r\n"), 56u);
    ClickWidget(hatch().ToolButton9);
    EXPECT_EQ(ReadFileText(dir.File("sheets.pdf")).substr(0, 5), "%PDF-");
}

TEST_F(PatternWindowTest, UnsavedEditsAreAskedAboutBeforeThePageLetsTheFileGo) {
    OpenPatterns();
    QPlainTextEdit* memo = hatch().Memo1;
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(memo, " typed");
    dialogs().log.clear();
    // Cancel: the header, another file of the list and closing the window all stay.
    dialogs().answers = {TDialogs::TAnswer::Cancel, TDialogs::TAnswer::Cancel,
                         TDialogs::TAnswer::Cancel};
    ClickWidget(form().Panel5);
    EXPECT_EQ(form().Notebook1->currentWidget(), form().HatchsPage);
    ClickItem(form().FileListBox1, "Lib.slb");
    Settle();
    EXPECT_EQ(form().Notebook1->currentWidget(), form().HatchsPage);
    EXPECT_EQ(FileList(form())[static_cast<size_t>(form().FileListBox1->currentRow())],
              "hatch.pat");
    EXPECT_FALSE(form().close());
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(dialogs().log, Names(3, "save?: Save the changes to hatch.pat?"));
    EXPECT_NE(Memo().find(" typed"), std::string::npos);
    EXPECT_EQ(ReadFileText(dir.File("hatch.pat")), kPatterns);

    // Yes: the typed text is stored and written, then the library opens.
    dialogs().answers = {TDialogs::TAnswer::Yes};
    ASSERT_TRUE(ClickItem(form().FileListBox1, "Lib.slb"));
    Settle();
    EXPECT_EQ(form().Notebook1->currentWidget(), form().SlidesPage);
    EXPECT_NE(ReadFileText(dir.File("hatch.pat")).find("45, 0,0, 0,.125 typed\r\n"),
              std::string::npos);
}

// Save through the tool bar, then Ctrl+Z: the file is as before byte for byte and the page
// shows it so; Ctrl+Shift+Z writes the saved version again. While the editor has the focus, the
// keys undo its typing, and Undo asks before it drops that typing.
TEST_F(PatternWindowTest, ASaveIsUndoneAndRedoneByKeys) {
    OpenPatterns();
    ASSERT_TRUE(ClickItem(hatch().patv, "BRICK"));
    QPlainTextEdit* memo = hatch().Memo1;
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_Home);
    QTest::keyClick(memo, Qt::Key_Right);
    QTest::keyClick(memo, Qt::Key_Delete);
    QTest::keyClicks(memo, "W");
    ClickWidget(hatch().Button1);
    dialogs().files = {TFileChoice{dir.File("hatch.pat"), 1}};
    ClickWidget(hatch().ToolButton9);
    const std::string saved = ReadFileText(dir.File("hatch.pat"));
    ASSERT_NE(saved.find("*WRICK,Brick\r\n"), std::string::npos);
    EXPECT_EQ(form().Undo1->text(), "&Undo Save Patterns");
    EXPECT_TRUE(form().Undo1->isEnabled());

    // The editor's own undo: the typing goes, the file stays.
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(memo, "X");
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(Memo().find('X'), std::string::npos);
    EXPECT_EQ(ReadFileText(dir.File("hatch.pat")), saved);

    // In the list, the keys are the window's: the editor holds typing, so Undo asks first.
    ASSERT_TRUE(ClickItem(hatch().patv, "WRICK"));
    dialogs().log.clear();
    dialogs().yesNoAnswers = {true};
    Key(hatch().patv, Qt::Key_Z, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(dialogs().log, Names{"yes/no: \"hatch.pat\" has changes that are not saved. Undo "
                                   "\"Save Patterns\" all the same and drop them?"});
    EXPECT_EQ(ReadFileText(dir.File("hatch.pat")), kPatterns);
    EXPECT_EQ(Patterns(), (Names{"ANSI31", "BRICK", "GRID"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(Memo().substr(0, 13), "*BRICK,Brick\n");
    EXPECT_EQ(form().Redo1->text(), "&Redo Save Patterns");

    Key(hatch().patv, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    Settle();
    EXPECT_EQ(ReadFileText(dir.File("hatch.pat")), saved);
    EXPECT_EQ(Patterns(), (Names{"ANSI31", "WRICK", "GRID"}));
    EXPECT_EQ(Memo().substr(0, 13), "*WRICK,Brick\n");
    EXPECT_EQ(dialogs().log.size(), 1u);
}

// A new library made while a pattern file is shown: the file list is read again and keeps the
// shown file's entry chosen, as it keeps a shown library's.
TEST_F(PatternWindowTest, ANewLibraryLeavesTheShownPatternFileChosen) {
    OpenPatterns();
    dialogs().files = {TFileChoice{dir.File("Fresh.slb")}};
    Trigger(form().NewSlideLibrary1);
    ASSERT_EQ(FileList(form()), (Names{"Fresh.slb", "hatch.pat", "Lib.slb"}));
    EXPECT_EQ(form().Notebook1->currentWidget(), form().HatchsPage);
    const int row = form().FileListBox1->currentRow();
    ASSERT_GE(row, 0);
    EXPECT_EQ(FileList(form())[static_cast<size_t>(row)], "hatch.pat");
    EXPECT_TRUE(form().FileListBox1->item(row)->isSelected());
}

// A file named .pat that holds no pattern (binary garbage, a text of comments) opens as an empty
// page; the status bar says which file holds none, until a file with patterns is opened.
TEST_F(PatternWindowTest, AFileWithoutPatternsSaysSoInTheStatusBar) {
    std::filesystem::create_directory(dir.File("other"));
    const std::string garbage = dir.File("other/garbage.pat");
    WriteFileBytes(garbage, {0x00, 0xff, 0x13, '\n', 0x7f, 0x80, 0x2a});
    WriteFileText(dir.File("other/hatch.pat"), kPatterns);
    form().SetTreeFolder(QString::fromStdString(dir.File("other")));
    Settle();
    ASSERT_TRUE(ClickItem(form().FileListBox1, "garbage.pat"));
    EXPECT_TRUE(Patterns().empty());
    const std::string problem = form().StatusText(TStatusPanel::Problem).toStdString();
    EXPECT_NE(problem.find(garbage), std::string::npos) << problem;
    EXPECT_NE(problem.find("no hatch patterns"), std::string::npos) << problem;
    EXPECT_TRUE(dialogs().log.empty());

    OpenPatterns();
    EXPECT_EQ(Patterns().size(), 3u);
    EXPECT_EQ(form().StatusText(TStatusPanel::Problem).toStdString(), "");
}

// Save is there while the page has something to write: not for a file of comments only, nor
// after leaving the page.
TEST_F(PatternWindowTest, SaveIsDisabledWhileThereIsNothingToSave) {
    std::filesystem::create_directory(dir.File("other"));
    WriteFileText(dir.File("other/notes.pat"), ";; no patterns here\r\n;; only comments\r\n");
    WriteFileText(dir.File("other/hatch.pat"), kPatterns);
    form().SetTreeFolder(QString::fromStdString(dir.File("other")));
    Settle();
    ASSERT_TRUE(ClickItem(form().FileListBox1, "notes.pat"));
    EXPECT_EQ(form().Notebook1->currentWidget(), form().HatchsPage);
    EXPECT_FALSE(hatch().ToolButton9->isEnabled());
    dialogs().files = {TFileChoice{dir.File("copy.pat"), 1}};
    ClickWidget(hatch().ToolButton9);
    EXPECT_TRUE(dialogs().log.empty());
    EXPECT_FALSE(FileExists(dir.File("copy.pat")));

    // A file with patterns can be saved (as a copy, or as PDF sheets) unchanged.
    OpenPatterns();
    EXPECT_TRUE(hatch().ToolButton9->isEnabled());
    ClickWidget(hatch().ToolButton9);
    EXPECT_EQ(ReadFileText(dir.File("copy.pat")), kPatterns);

    ClickWidget(form().Panel5);
    EXPECT_FALSE(hatch().ToolButton9->isEnabled());
}

TEST_F(PatternWindowTest, ThumbnailSwitchBuildsOnceAndShowsIcons) {
    OpenPatterns();
    ClickWidget(hatch().ToolButton11);
    EXPECT_TRUE(hatch().ToolButton11->isChecked());
    EXPECT_EQ(hatch().patv->viewMode(), QListView::IconMode);
    ASSERT_EQ(form().limg.size(), 3u);
    EXPECT_EQ(form().limg[0].size(), QSize(128, 80));
    EXPECT_FALSE(hatch().patv->item(2)->icon().isNull());
    EXPECT_TRUE(hatch().Memo1->isVisible());
    const qint64 key = form().limg[1].cacheKey();

    ClickWidget(hatch().ToolButton11);
    EXPECT_FALSE(hatch().ToolButton11->isChecked());
    EXPECT_EQ(hatch().patv->viewMode(), QListView::ListMode);
    ClickWidget(hatch().ToolButton11);
    ASSERT_EQ(form().limg.size(), 3u);
    EXPECT_EQ(form().limg[1].cacheKey(), key);

    // Opening the file again drops them and shows names.
    ASSERT_TRUE(ClickItem(form().FileListBox1, "Lib.slb"));
    OpenPatterns();
    EXPECT_FALSE(hatch().ToolButton11->isChecked());
    EXPECT_EQ(hatch().patv->viewMode(), QListView::ListMode);
    EXPECT_TRUE(form().limg.empty());
}

// Redraw stores the edited text: the pattern's thumbnail shows what is stored, the others stay,
// and the preview keeps the scale that "+" gave it.
TEST_F(PatternWindowTest, RedrawRedrawsTheEditedPatternsThumbnail) {
    OpenPatterns();
    ClickWidget(hatch().ToolButton11);
    ASSERT_EQ(form().limg.size(), 3u);
    ASSERT_TRUE(ClickItem(hatch().patv, "ANSI31"));
    const QImage before = form().limg[0];
    const QImage other = form().limg[2];
    ClickWidget(hatch().Button2); // "+"
    const std::string scale = Label();
    QPlainTextEdit* memo = hatch().Memo1;
    memo->setFocus();
    QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(memo, Qt::Key_Home);
    QTest::keyClick(memo, Qt::Key_Delete);
    QTest::keyClick(memo, Qt::Key_Delete);
    QTest::keyClicks(memo, "90"); // the lines of ANSI31 turn from 45 to 90 degrees
    Settle();
    ClickWidget(hatch().Button1);
    ASSERT_EQ(form().limg.size(), 3u);
    EXPECT_NE(form().limg[0], before) << "the edited pattern's thumbnail is the old drawing";
    EXPECT_EQ(form().limg[2], other);
    EXPECT_EQ(Label(), scale);
    ASSERT_EQ(hatch().patv->count(), 3);
    EXPECT_FALSE(hatch().patv->item(0)->icon().isNull());
}

// Runs only on a screen of pixel ratio 2 (QT_SCALE_FACTOR=2: the test app_hidpi).
class HiDpiPatternTest : public PatternWindowTest {
protected:
    void SetUp() override {
        if (form().devicePixelRatioF() != 2)
            GTEST_SKIP() << "needs a screen of pixel ratio 2 (QT_SCALE_FACTOR=2)";
        PatternWindowTest::SetUp();
    }
};

TEST_F(HiDpiPatternTest, PreviewAndThumbnailsHaveTheScreensPixels) {
    OpenPatterns();
    Settle();
    // The preview has the device pixels of its place, is shown unscaled, and draws the pattern
    // at the scale the label says, as on a plain screen.
    const QSize place = hatch().Image1->size();
    ASSERT_GT(place.width(), 0);
    EXPECT_EQ(page().Preview().Width(), 2 * place.width());
    EXPECT_EQ(page().Preview().Height(), 2 * place.height());
    EXPECT_EQ(Label(), "Scale: 100.00");
    const QPixmap shown = hatch().Image1->grab();
    EXPECT_EQ(shown.devicePixelRatio(), 2.0);
    const TRasterCanvas& preview = page().Preview();
    const QImage drawn(reinterpret_cast<const uchar*>(preview.Bits()), preview.Width(),
                       preview.Height(), preview.Width() * 4, QImage::Format_RGB32);
    EXPECT_EQ(shown.toImage().convertToFormat(QImage::Format_RGB32), drawn);

    // The thumbnail switch: 256 x 160 pictures on 128 x 80 items.
    ClickWidget(hatch().ToolButton11);
    ASSERT_EQ(form().limg.size(), 3u);
    for (size_t i = 0; i < form().limg.size(); ++i) {
        EXPECT_EQ(form().limg[i].size(), QSize(256, 160)) << i;
        EXPECT_EQ(form().limg[i].deviceIndependentSize(), QSizeF(128, 80)) << i;
    }
    EXPECT_EQ(hatch().patv->iconSize(), QSize(128, 80));
    const QIcon icon = hatch().patv->item(2)->icon();
    EXPECT_EQ(icon.pixmap(QSize(128, 80), 2.0).size(), QSize(256, 160));
    // The switch's own icon comes drawn at 44 for its 22 pixels.
    EXPECT_TRUE(hatch().ToolButton11->icon().availableSizes().contains(QSize(44, 44)));
}

TEST_F(PatternWindowTest, AThumbnailThatCannotBeDrawnIsMarkedAndSaysWhy) {
    page().SetThumbnailDrawing([](const std::vector<std::string>& text, TCanvas& canvas) {
        if (text.front().starts_with("*BRICK"))
            throw std::bad_alloc();
        canvas.MoveTo(10, 10);
        canvas.LineTo(100, 10);
    });
    OpenPatterns();
    ClickWidget(hatch().ToolButton11);
    ASSERT_EQ(hatch().patv->count(), 3);
    EXPECT_EQ(hatch().patv->item(1)->toolTip().toStdString(),
              "BRICK\nCannot be drawn: There is not enough memory to draw it.");
    EXPECT_TRUE(hatch().patv->item(0)->toolTip().isEmpty());
    EXPECT_TRUE(hatch().patv->item(2)->toolTip().isEmpty());
}

// Another program rewrites the file shown: the window's watcher reads it again, BRICK stays
// selected; after typing in the editor the typing stays and the status bar says why.
TEST_F(PatternWindowTest, AFileRewrittenByAnotherProgramIsShownAgainUnlessTypingWouldGo) {
    OpenPatterns();
    ASSERT_TRUE(ClickItem(hatch().patv, "BRICK"));
    WriteFileText(dir.File("hatch.pat"), "*DOTS,dots\r\n0, 0,0, 0,1, 0,-1\r\n" + kPatterns);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Patterns().size() == 4; }, 10000));
    EXPECT_EQ(Patterns(), (Names{"DOTS", "ANSI31", "BRICK", "GRID"}));
    EXPECT_EQ(SelectedRow(), 2);
    EXPECT_EQ(Memo().substr(0, 12), "*BRICK,Brick");

    hatch().Memo1->setFocus();
    QTest::keyClicks(hatch().Memo1, "mine");
    const std::string typed = Memo();
    WriteFileText(dir.File("hatch.pat"), "*THEIRS,t\r\n0, 0,0, 0,1\r\n");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return form().StatusText(TStatusPanel::Problem).contains("changed by another program");
        },
        10000));
    EXPECT_EQ(Memo(), typed);
    EXPECT_EQ(Patterns().size(), 4u);
    EXPECT_TRUE(dialogs().log.empty());
}

} // namespace
