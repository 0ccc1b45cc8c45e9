// The filter fields through real input: Ctrl+F, typing, a click on a shown thumbnail, Ctrl+A and
// Del on the filtered list (files on disk afterwards), Escape; and the pattern list's field.
#include "AppTestSupport.h"

#include "SlideWriter.h"

#include "HatchPage.h"
#include "PdfTestSupport.h"
#include "graphics/Graphic.h"
#include "graphics/IndexedPicture.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class FilterTest : public TWindowTest {
protected:
    void SetUp() override {
        for (const char* name : {"D1-door.sld", "D10.sld", "hello.sld", "x.sld"})
            WriteFileBytes(dir.File(name), MakeSlide(100 + static_cast<int>(name[1]), 50));
        WriteFileText(dir.File("h.pat"), "*BRICK,b\n0,0,0,0,1\n*brass,x\n0,0,0,0,1\n*DOTS,d\n"
                                         "0,0,0,0,1\n");
        ShowDir();
        form().WaitForThumbnails();
    }
    QString Count() { return form().StatusText(TStatusPanel::Shown); }
    TTempDir dataHome;
    TScopedEnv trash{"XDG_DATA_HOME", dataHome.Path()};
};

TEST_F(FilterTest, AFailedThumbnailKeptThroughAFilterStillSaysWhy) {
    TSlideWriter bad(100, 100);
    bad.Vector(0, 0, 100, 100);
    bad.Raw({0x00, 0x90}); // no record kind
    bad.End();
    WriteFileBytes(dir.File("D2.sld"), bad.Bytes());
    // The folder view follows the disk.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Captions(form()).size() == 5; }, 10000));
    form().WaitForThumbnails();
    Settle();
    const auto tip = [&] {
        for (int i = 0; i < form().ListBox1->count(); ++i)
            if (form().ListBox1->item(i)->text() == "D2.sld")
                return form().ListBox1->item(i)->toolTip().toStdString();
        return std::string("(not shown)");
    };
    ASSERT_NE(tip().find("Cannot be drawn"), std::string::npos) << tip();
    QTest::keyClicks(form().SlideFilter, "d*");
    Settle();
    ASSERT_EQ(Captions(form()), (Names{"D1-door.sld", "D10.sld", "D2.sld"}));
    EXPECT_NE(tip().find("Cannot be drawn"), std::string::npos) << tip();
}

TEST_F(FilterTest, TypingNarrowsTheListAndCommandsTouchOnlyTheShownSlides) {
    QLineEdit* field = form().SlideFilter;
    EXPECT_EQ(field->placeholderText(), "Filter slides");
    EXPECT_EQ(field->accessibleName(), "Filter slides");
    ClickItem(form().ListBox1, "hello.sld");
    QTest::keyClick(&form(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), field);

    // "-" is typed into the field, not taken as the preview's zoom key.
    QTest::keyClicks(field, "d1-");
    Settle();
    EXPECT_EQ(Captions(form()), Names{"D1-door.sld"});
    EXPECT_EQ(Count(), "1 of 4 slides");
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, "*");
    Settle();
    EXPECT_EQ(Captions(form()), (Names{"D1-door.sld", "D10.sld"}));
    EXPECT_EQ(Count(), "2 of 4 slides");
    EXPECT_EQ(form().Model().Filter(), "d1*");
    // hello.sld went out of view: the first slide shown is selected instead.
    EXPECT_EQ(Selected(form()), Names{"D1-door.sld"});

    // A click on a shown thumbnail selects that slide (its item in the model, not its row).
    form().WaitForThumbnails();
    ASSERT_TRUE(ClickItem(form().ListBox1, "D10.sld"));
    EXPECT_EQ(form().Model().Selection(), std::vector<int>{1});
    EXPECT_EQ(form().StatusText(TStatusPanel::SlideName), "D10.sld");
    // The rows show their own slides' thumbnails.
    for (int row = 0; row < 2; ++row) {
        TBitmap bitmap;
        form().Model().DrawThumbnail(form().ItemOfRow(row), bitmap);
        ASSERT_TRUE(form().limg.Has(static_cast<size_t>(row)));
        EXPECT_EQ(form().limg[static_cast<size_t>(row)],
                  TThumbnailList::ToImage(PackPicture(bitmap.Canvas())));
    }

    // Ctrl+A and Del in the list: the two shown slides go to the trash, the others stay.
    Key(form().ListBox1, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Selected(form()), (Names{"D1-door.sld", "D10.sld"}));
    dialogs().okAnswers = {true};
    Key(form().ListBox1, Qt::Key_Delete);
    Settle();
    EXPECT_FALSE(FileExists(dir.File("D1-door.sld")));
    EXPECT_FALSE(FileExists(dir.File("D10.sld")));
    EXPECT_TRUE(FileExists(dir.File("hello.sld")));
    EXPECT_TRUE(FileExists(dir.File("x.sld")));
    EXPECT_TRUE(Captions(form()).empty());
    EXPECT_EQ(Count(), "0 of 2 slides");

    // Escape in the field clears it: every slide again, the count gone.
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    Settle();
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(Captions(form()), (Names{"hello.sld", "x.sld"}));
    EXPECT_EQ(Count(), "");
    EXPECT_EQ(form().limg.size(), 2u);
}

TEST_F(FilterTest, ThePatternListHasItsOwnField) {
    ASSERT_TRUE(ClickItem(form().FileListBox1, "h.pat"));
    QListWidget* patv = form().HatchPage->patv;
    ASSERT_EQ(patv->count(), 3);
    QTest::keyClick(&form(), Qt::Key_F, Qt::ControlModifier);
    QLineEdit* field = form().HatchPage->PatternFilter;
    EXPECT_EQ(QApplication::focusWidget(), field);
    QTest::keyClicks(field, "br");
    Settle();
    EXPECT_EQ(patv->count(), 2);
    EXPECT_EQ(Count(), "2 of 3 patterns");
    // A click on a shown pattern puts that pattern (not the row's index) into the editor.
    QTest::keyClick(field, Qt::Key_Escape);
    QTest::keyClicks(field, "dots");
    Settle();
    ASSERT_EQ(patv->count(), 1);
    ASSERT_TRUE(ClickItem(patv, "DOTS"));
    EXPECT_EQ(form().Model().PatternPage().SelectedEntry(), 2);
    EXPECT_TRUE(form().HatchPage->Memo1->toPlainText().startsWith("*DOTS"));
}

TEST_F(FilterTest, ThePatternPagesPdfHoldsThePatternsShown) {
    ASSERT_TRUE(ClickItem(form().FileListBox1, "h.pat"));
    QTest::keyClick(&form(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(form().HatchPage->PatternFilter, "br");
    Settle();
    ASSERT_EQ(form().HatchPage->patv->count(), 2);
    dialogs().files = {TFileChoice{dir.File("shown"), 2}};
    ClickWidget(form().HatchPage->ToolButton9);
    Settle();
    std::string content;
    for (const std::string& s : InflatedStreams(ReadFileText(dir.File("shown.pdf"))))
        content += s;
    EXPECT_NE(content.find("(BRICK) Tj"), std::string::npos);
    EXPECT_NE(content.find("(brass) Tj"), std::string::npos);
    EXPECT_EQ(content.find("(DOTS) Tj"), std::string::npos);
}

TEST_F(FilterTest, ASlideRenamedToANameTheFilterHidesIsShownAndSelected) {
    QLineEdit* field = form().SlideFilter;
    QTest::keyClick(&form(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(field, "d1");
    Settle();
    ASSERT_EQ(Captions(form()), (Names{"D1-door.sld", "D10.sld"}));
    ASSERT_TRUE(ClickItem(form().ListBox1, "D10.sld"));
    // F2 in the list: renamed to a name "d1" hides.
    dialogs().texts = {"wall.sld"};
    Key(form().ListBox1, Qt::Key_F2);
    Settle();
    EXPECT_TRUE(FileExists(dir.File("wall.sld")));
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_EQ(form().Model().Filter(), "");
    EXPECT_EQ(Captions(form()), (Names{"D1-door.sld", "hello.sld", "wall.sld", "x.sld"}));
    EXPECT_EQ(Selected(form()), Names{"wall.sld"});
    EXPECT_EQ(form().StatusText(TStatusPanel::SlideName), "wall.sld");
    EXPECT_EQ(Count(), "");
}

} // namespace
