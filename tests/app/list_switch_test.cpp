// The slide list replaced under the widgets: what belonged to the shown list (icons on screen,
// thumbnails on their way, scroll position, selection) never reaches the next one. Each case
// scrolls or selects in one list through real input and then replaces the list another way.
#include "AppTestSupport.h"

#include "HatchPage.h"
#include "graphics/Graphic.h"
#include "graphics/IndexedPicture.h"
#include "graphics/RasterCanvas.h"
#include "model/PatternPage.h"

#include <QToolButton>
#include <filesystem>
#include <functional>

#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// A library of count small slides named S1, S2...
void WriteNumberedLibrary(const std::string& path, int count) {
    std::vector<std::pair<std::string, std::vector<uint8_t>>> slides;
    for (int i = 1; i <= count; ++i)
        slides.emplace_back("S" + std::to_string(i), MakeSlide(100 + i, 60 + i));
    WriteLibrary(path, slides);
}

// The mouse wheel turned down over the list's items, a notch at a time, until its last row
// shows (or it cannot scroll further).
void WheelToEnd(QListWidget* list) {
    QScrollBar* bar = list->verticalScrollBar();
    QWidget* viewport = list->viewport();
    const QPointF at = QRectF(viewport->rect()).center();
    for (int notch = 0; notch < 200 && bar->value() < bar->maximum(); ++notch) {
        QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        Settle();
    }
}

// Every item that shows its thumbnail is one of the shown list's, and the icons on screen
// are thumbnails of this list (the placeholder elsewhere is fine).
void ExpectListConsistent(TForm1& form) {
    const int count = form.ListBox1->count();
    EXPECT_EQ(count, static_cast<int>(form.Model().Items().size()));
    if (form.Model().ThumbnailView() && form.Model().Page() == TPage::Slides) {
        EXPECT_EQ(form.limg.size(), static_cast<size_t>(count));
    }
    QScrollBar* bar = form.ListBox1->verticalScrollBar();
    EXPECT_LE(bar->value(), bar->maximum());
}

// Every thumbnail the window holds is the picture of the shown list's slide at its index (on
// the background it was filled with, which a later change does not touch until the next fill).
void ExpectThumbnailsOfShownList(TForm1& form) {
    if (form.ThumbnailBackground() != form.Model().PreviewBackground())
        return;
    TBitmap bitmap;
    for (size_t i = 0; i < form.limg.size(); ++i) {
        if (!form.limg.Has(i))
            continue;
        form.Model().DrawThumbnail(static_cast<int>(i), bitmap);
        EXPECT_EQ(form.limg[i], TThumbnailList::ToImage(PackPicture(bitmap.Canvas())))
            << "item " << i << " shows another slide's thumbnail";
    }
}

class ListSwitchTest : public TWindowTest {
protected:
    void SetUp() override {
        WriteNumberedLibrary(dir.File("Long.slb"), 43);
        WriteNumberedLibrary(dir.File("Middle.slb"), 28);
        WriteNumberedLibrary(dir.File("Short.slb"), 2);
        WriteNumberedLibrary(dir.File("Ten.slb"), 10);
        WriteFileText(dir.File("hatch.pat"), "*X,x\n0,0,0,0,1\n");
        WriteFileText(dir.File("a.pat"), "*A,a\n0,0,0,0,1\n*B,b\n45,0,0,0,1\n");
        WriteFileText(dir.File("b.pat"), "*C,c\n90,0,0,0,2\n*D,d\n0,0,0,0,3\n90,0,0,0,3\n");
        WriteFileText(dir.File("broken.slb"), "not a library");
        std::filesystem::create_directory(dir.File("sub"));
        WriteFileBytes(dir.File("sub/one.sld"), MakeSlide(90, 40));
        ShowDir();
        // A list a few rows high, so 43 thumbnails scroll.
        form().resize(900, 600);
        Settle();
    }
    void OpenAndScrollToEnd(const std::string& library) {
        ASSERT_TRUE(ClickItem(form().FileListBox1, library));
        form().WaitForThumbnails();
        WheelToEnd(form().ListBox1);
        QScrollBar* bar = form().ListBox1->verticalScrollBar();
        ASSERT_GT(bar->maximum(), 0) << library << " does not scroll";
        ASSERT_EQ(bar->value(), bar->maximum());
    }
};

TEST_F(ListSwitchTest, ScrolledToTheEndThenAShorterLibraryIsClicked) {
    for (const auto& [from, to] : {std::pair{"Long.slb", "Short.slb"},
                                   {"Middle.slb", "Ten.slb"},
                                   {"Long.slb", "Middle.slb"}}) {
        SCOPED_TRACE(std::string(from) + " -> " + to);
        OpenAndScrollToEnd(from);
        ASSERT_TRUE(ClickItem(form().FileListBox1, to));
        form().WaitForThumbnails();
        ExpectListConsistent(form());
        const int count = std::string(to) == "Short.slb" ? 2
                          : std::string(to) == "Ten.slb" ? 10
                                                         : 28;
        ASSERT_EQ(form().ListBox1->count(), count);
        for (int i = 0; i < count; ++i)
            EXPECT_TRUE(form().limg.Has(static_cast<size_t>(i))) << i;
        ExpectThumbnailsOfShownList(form());
    }
}

// Scrolled to the end of the long list with its last slide selected, the list is replaced
// each way the window knows; the new list shows its own items, thumbnails and selection.
TEST_F(ListSwitchTest, ScrolledAndSelectedThenTheListIsReplacedAnyWay) {
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"thumbnails off and on",
         [&] {
             Trigger(form().viewlist);
             Trigger(form().viewthumb);
         }},
        {"the header", [&] { ClickWidget(form().Panel5); }},
        {"a pattern file and back",
         [&] {
             ASSERT_TRUE(ClickItem(form().FileListBox1, "hatch.pat"));
             ASSERT_TRUE(ClickItem(form().FileListBox1, "Short.slb"));
         }},
        {"the last slide deleted",
         [&] {
             dialogs().okAnswers.push_back(true);
             Trigger(form().deleteAction);
         }},
        {"a library dropped",
         [&] { Drop(form().ListBox1->viewport(), {"file://" + dir.File("Ten.slb")}); }},
        {"the background changed, then a short library",
         [&] {
             dialogs().colours.push_back(TColor(0xFFFFFF));
             Trigger(form().BackgroundColor1);
             ASSERT_TRUE(ClickItem(form().FileListBox1, "Short.slb"));
         }},
        {"another folder", [&] { form().SetTreeFolder(QString::fromStdString(dir.File("sub"))); }},
    };
    for (const auto& [name, replace] : ways) {
        SCOPED_TRACE(name);
        OpenAndScrollToEnd("Long.slb");
        QListWidget* list = form().ListBox1;
        ASSERT_TRUE(ClickItem(list, list->item(list->count() - 1)->text().toStdString()));
        replace();
        form().WaitForThumbnails();
        Settle();
        ExpectListConsistent(form());
        ExpectThumbnailsOfShownList(form());
        // The window's selection is the model's.
        std::vector<int> shown;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->isSelected())
                shown.push_back(i);
        EXPECT_EQ(shown, form().Model().Selection());
    }
    EXPECT_EQ(form().Model().Items(), (Names{"one.sld"}));
}

// Two pattern files with as many patterns: the second's thumbnails are its own.
TEST_F(ListSwitchTest, PatternThumbnailsAreTheShownFilesOwn) {
    THatchPage& page = *form().HatchPage;
    TPatternPage& model = form().Model().PatternPage();
    for (const char* file : {"a.pat", "b.pat"}) {
        SCOPED_TRACE(file);
        ASSERT_TRUE(ClickItem(form().FileListBox1, file));
        ClickWidget(page.ToolButton11);
        ASSERT_TRUE(model.ThumbnailsShown());
        ASSERT_EQ(page.patv->count(), 2);
        ASSERT_EQ(form().limg.size(), 2u);
        for (int k = 0; k < 2; ++k) {
            const TRasterCanvas& canvas = model.Thumbnail(k);
            const QImage want(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(),
                              canvas.Height(), canvas.Width() * 4, QImage::Format_RGB32);
            EXPECT_EQ(form().limg[static_cast<size_t>(k)], want) << "pattern " << k;
        }
    }
}

// What a library that could not be read says in the status bar belongs to that library: a
// pattern file clicked next does not show it.
TEST_F(ListSwitchTest, AnUnreadableLibrarysProblemGoesWithIt) {
    ASSERT_TRUE(ClickItem(form().FileListBox1, "broken.slb"));
    ASSERT_TRUE(form().StatusText(TStatusPanel::Problem).contains("broken.slb"));
    ASSERT_TRUE(ClickItem(form().FileListBox1, "a.pat"));
    EXPECT_EQ(form().StatusText(TStatusPanel::Problem).toStdString(), "");
    EXPECT_EQ(form().Model().StatusText(TStatusPanel::Problem), "");
}

} // namespace
