// The pattern page in the real window through real input: a click on a .pat file, clicks in the
// pattern list, the tool bar's buttons, typing in the editor, keys.
#include "AppTestSupport.h"

#include "HatchPage.h"
#include "base/CodePage.h"
#include "graphics/RasterCanvas.h"
#include "model/PatternPage.h"

#include <QAction>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolBar>
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

std::string Text(const std::vector<uint8_t>& b) {
    return {b.begin(), b.end()};
}

// Pixels that are not white.
int Inked(const TRasterCanvas& c) {
    int n = 0;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            n += c.Pixel(x, y) != 0xFFFFFF;
    return n;
}

class PatternWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileBytes(dir.File("hatch.pat"), {kPatterns.begin(), kPatterns.end()});
        WriteLibrary(dir.File("Lib.slb"), {{"FIRST", MakeSlide(100, 50)}});
        form().resize(890, 570);
        form().SetTreeFolder(QString::fromStdString(dir.Path()));
        Settle();
    }
    TForm1& form() { return *window.form; }
    THatchPage& hatch() { return *form().HatchPage; }
    TPatternPage& page() { return form().Model().PatternPage(); }
    void OpenPatterns(const std::string& name = "hatch.pat") {
        ASSERT_TRUE(ClickItem(form().FileListBox1, name));
        Settle();
    }
    std::vector<std::string> Patterns() {
        std::vector<std::string> names;
        for (int i = 0; i < hatch().patv->count(); ++i)
            names.push_back(hatch().patv->item(i)->text().toStdString());
        return names;
    }
    int SelectedRow() {
        const QList<QListWidgetItem*> s = hatch().patv->selectedItems();
        return s.isEmpty() ? -1 : hatch().patv->row(s.front());
    }
    void Click(QAbstractButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, b->rect().center());
        Settle();
    }

    TTempDir dir;
    TWindowSetup window;
};

TEST_F(PatternWindowTest, ClickOnAPatternFileListsItsPatternsAndDrawsTheFirst) {
    OpenPatterns();
    EXPECT_EQ(form().Notebook1->currentWidget(), form().HatchsPage);
    EXPECT_EQ(Patterns(), (std::vector<std::string>{"ANSI31", "BRICK", "GRID"}));
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(hatch().Memo1->toPlainText().toStdString(), "*ANSI31,ANSI Iron\n45, 0,0, 0,.125");
    EXPECT_EQ(hatch().Label2->text().toStdString(), "Scale: 100.00");
    // The preview is a 3:2 rectangle above the editor, and its picture is that size.
    const QRect r = hatch().Image1->geometry();
    EXPECT_EQ(r.height(), hatch().Panel6->height() - THatchPage::kEditorHeight - 2);
    EXPECT_EQ(r.width(), r.height() * 3 / 2);
    EXPECT_EQ(r.left(), (hatch().Panel6->width() - r.width()) / 2);
    EXPECT_EQ(page().Preview().Width(), r.width());
    EXPECT_EQ(page().Preview().Height(), r.height());
    EXPECT_GT(Inked(page().Preview()), r.width() * r.height() / 20);
    EXPECT_TRUE(window.dialogs.log.empty());
    // Del belongs to the editor on this page.
    EXPECT_FALSE(form().deleteAction->isEnabled());
    // Back on the slides: the pattern list goes.
    ClickWidget(form().Panel5);
    EXPECT_EQ(form().Notebook1->currentWidget(), form().SlidesPage);
    EXPECT_EQ(hatch().patv->count(), 0);
}

TEST_F(PatternWindowTest, ClicksInTheListRedrawOnlyAnotherPattern) {
    OpenPatterns();
    const int drawn = page().PreviewGeneration();
    ASSERT_TRUE(ClickItem(hatch().patv, "ANSI31"));
    EXPECT_EQ(page().PreviewGeneration(), drawn);
    ASSERT_TRUE(ClickItem(hatch().patv, "GRID"));
    EXPECT_GT(page().PreviewGeneration(), drawn);
    EXPECT_EQ(hatch().Memo1->toPlainText().toStdString(), "*GRID,grid\n0, 0,0, 0,1\n90, 0,0, 0,1");
    EXPECT_EQ(hatch().Label2->text().toStdString(), "Scale:  25.00");
    // "+" twice, "-" once.
    Click(hatch().Button2);
    Click(hatch().Button2);
    EXPECT_EQ(hatch().Label2->text().toStdString(), "Scale:  56.25");
    Click(hatch().Button3);
    EXPECT_EQ(hatch().Label2->text().toStdString(), "Scale:  37.50");
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
    EXPECT_EQ(memo->toPlainText().toStdString().substr(0, 12), "*WRICK,Brick");
    EXPECT_TRUE(page().HasUnstoredEdits());

    // No: the edits and the selection stay.
    window.dialogs.yesNoAnswers = {false};
    ASSERT_TRUE(ClickItem(hatch().patv, "GRID"));
    EXPECT_EQ(window.dialogs.log,
              (std::vector<std::string>{"yes/no: Discard the changes to this pattern?"}));
    EXPECT_EQ(SelectedRow(), 1);
    EXPECT_EQ(memo->toPlainText().toStdString().substr(0, 12), "*WRICK,Brick");

    // Redraw stores them: the list takes the new name, and nothing is asked any more.
    Click(hatch().Button1);
    EXPECT_EQ(Patterns(), (std::vector<std::string>{"ANSI31", "WRICK", "GRID"}));
    window.dialogs.log.clear();
    ASSERT_TRUE(ClickItem(hatch().patv, "GRID"));
    EXPECT_TRUE(window.dialogs.log.empty());
    EXPECT_EQ(SelectedRow(), 2);

    // Save with the pattern filter writes the stored lines, CR LF.
    const std::string saved = dir.File("saved.pat");
    window.dialogs.files = {TFileChoice{saved, 1}};
    Click(hatch().ToolButton9);
    EXPECT_EQ(window.dialogs.log.back(), "save: Save File as Slide-Library-File");
    std::string expected = kPatterns;
    expected.replace(expected.find("*BRICK"), 6, "*WRICK");
    EXPECT_EQ(Text(ReadFileBytes(saved)), expected);

    // Save with the PDF filter writes every pattern.
    window.dialogs.files = {TFileChoice{dir.File("sheets.pat"), 2}};
    Click(hatch().ToolButton9);
    const std::string pdf = Text(ReadFileBytes(dir.File("sheets.pdf")));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
}

TEST_F(PatternWindowTest, ThumbnailSwitchBuildsOnceAndShowsIcons) {
    OpenPatterns();
    Click(hatch().ToolButton11);
    EXPECT_TRUE(hatch().ToolButton11->isChecked());
    EXPECT_EQ(hatch().patv->viewMode(), QListView::IconMode);
    ASSERT_EQ(form().limg.size(), 3u);
    EXPECT_EQ(form().limg[0].size(), QSize(128, 80));
    EXPECT_FALSE(hatch().patv->item(2)->icon().isNull());
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_TRUE(hatch().Memo1->isVisible());
    EXPECT_EQ(hatch().Label2->text().toStdString(), "Scale: 100.00");
    const qint64 key = form().limg[1].cacheKey();

    Click(hatch().ToolButton11);
    EXPECT_FALSE(hatch().ToolButton11->isChecked());
    EXPECT_EQ(hatch().patv->viewMode(), QListView::ListMode);
    Click(hatch().ToolButton11);
    ASSERT_EQ(form().limg.size(), 3u);
    EXPECT_EQ(form().limg[1].cacheKey(), key);

    // Opening the file again drops them and shows names.
    ASSERT_TRUE(ClickItem(form().FileListBox1, "Lib.slb"));
    OpenPatterns();
    EXPECT_FALSE(hatch().ToolButton11->isChecked());
    EXPECT_EQ(hatch().patv->viewMode(), QListView::ListMode);
    EXPECT_TRUE(form().limg.empty());
}

TEST_F(PatternWindowTest, FilesThatAreNotPatternFilesDoNotBreakThePage) {
    std::vector<uint8_t> binary;
    for (int i = 0; i < 50000; ++i)
        binary.push_back(static_cast<uint8_t>((i * 7919) >> 3));
    binary.insert(binary.begin(), {'*', 0, 0xFF, ',', '\n', '1', ',', '2', '\n'});
    WriteFileBytes(dir.File("binary.pat"), binary);
    WriteFileBytes(dir.File("large.pat"), std::vector<uint8_t>(17 * 1024 * 1024, '\n'));
    form().RefreshView();
    form().Model().RefreshFileList();
    form().RefreshView();
    Settle();

    OpenPatterns("binary.pat");
    EXPECT_GE(hatch().patv->count(), 1);
    Click(hatch().ToolButton11);
    Click(hatch().Button1);
    EXPECT_TRUE(window.dialogs.log.empty());

    OpenPatterns("large.pat");
    ASSERT_EQ(window.dialogs.log.size(), 1u);
    EXPECT_EQ(window.dialogs.log[0],
              "error: \"" + dir.File("large.pat") + "\" is too large for a pattern file");
    EXPECT_EQ(hatch().patv->count(), 0);
    EXPECT_TRUE(hatch().Memo1->toPlainText().isEmpty());
    EXPECT_EQ(hatch().Label2->text(), "");
}

TEST_F(PatternWindowTest, EveryControlHasANameAndTheEditorAFixedFont) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             hatch().ToolButton9, hatch().ToolButton11, hatch().Button1, hatch().Button2,
             hatch().Button3, hatch().Image1, hatch().Memo1, hatch().patv})
        EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
    EXPECT_EQ(hatch().ToolButton9->toolTip(), "Save Hatch Patterns File\nSave as Adobe PDF file");
    EXPECT_EQ(hatch().ToolButton11->toolTip(), "Thumbnails On/Off");
    EXPECT_TRUE(hatch().ToolButton11->isCheckable());
    EXPECT_EQ(hatch().Button1->size(), QSize(73, 28));
    EXPECT_EQ(hatch().Memo1->font().pixelSize(), 15);
    EXPECT_TRUE(QFontInfo(hatch().Memo1->font()).fixedPitch());
    EXPECT_EQ(hatch().Label2->text(), "Scale:");
}

// Pattern files that other programs ship, where they are installed.
TEST_F(PatternWindowTest, PatternFilesOfOtherProgramsOpenAndDraw) {
    const char* const candidates[] = {"/usr/share/freecad/Mod/TechDraw/PAT/FCPAT.pat"};
    int tried = 0;
    for (const char* path : candidates) {
        if (!std::filesystem::exists(path))
            continue;
        ++tried;
        std::filesystem::copy_file(path, dir.File("other.pat"),
                                   std::filesystem::copy_options::overwrite_existing);
        form().Model().RefreshFileList();
        form().RefreshView();
        OpenPatterns("other.pat");
        ASSERT_GT(hatch().patv->count(), 0) << path;
        Click(hatch().ToolButton11);
        for (int k = 0; k < page().ThumbnailCount(); ++k) {
            EXPECT_GT(Inked(page().Thumbnail(k)), 50)
                << path << " " << page().Entries()[static_cast<size_t>(k)].Name;
        }
        EXPECT_TRUE(window.dialogs.log.empty());
    }
    if (tried == 0)
        GTEST_SKIP() << "no pattern files of other programs installed";
}

} // namespace
