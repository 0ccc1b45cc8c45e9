// The preview's zoom and pan through real input: wheel turns on the preview, a drag, a double
// click, the + and - keys and View > "Fit"; the status bar's zoom panel. On a screen of pixel
// ratio 2, thumbnails, preview and icons at the screen's own pixels.
#include "AppTestSupport.h"

#include "SlideWriter.h"
#include "graphics/AcadPal.h"
#include "model/ThumbnailRenderer.h"
#include "slides/SlideClasses.h"

#include <QAction>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QWheelEvent>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class PreviewTest : public TWindowTest {
protected:
    void SetUp() override {
        // A cross in colour 1: a level line at y 30 and an upright one at x 60, on a 200 x 100
        // slide; a second slide to switch to.
        TSlideWriter cross(200, 100);
        cross.Colour(1);
        cross.Vector(10, 30, 190, 30);
        cross.Vector(60, 5, 60, 95);
        cross.End();
        WriteFileBytes(dir.File("cross.sld"), cross.Bytes());
        WriteFileBytes(dir.File("other.sld"), MakeSlide(300, 300));
        ShowDir();
        WaitForPreview();
    }
    void WaitForPreview() {
        form().WaitForThumbnails();
        Settle();
    }
    const TRasterCanvas& Buffer() { return form().Model().Preview(); }
    // Where the cross's lines are drawn: the row with the most red pixels, the column with the
    // most; and how many pixels wide the level line is in the upright one's column + 40.
    QPoint Crossing() {
        const TRasterCanvas& b = Buffer();
        int bestRow = -1, bestCol = -1, rowCount = 0, colCount = 0;
        for (int y = 0; y < b.Height(); ++y) {
            int n = 0;
            for (int x = 0; x < b.Width(); ++x)
                n += b.Pixel(x, y) == form().Model().RenderState().Palette()[1];
            if (n > rowCount)
                rowCount = n, bestRow = y;
        }
        for (int x = 0; x < b.Width(); ++x) {
            int n = 0;
            for (int y = 0; y < b.Height(); ++y)
                n += b.Pixel(x, y) == form().Model().RenderState().Palette()[1];
            if (n > colCount)
                colCount = n, bestCol = x;
        }
        return {bestCol, bestRow};
    }
    int LineWidthAt(int x) {
        int n = 0;
        for (int y = 0; y < Buffer().Height(); ++y)
            n += Buffer().Pixel(x, y) == form().Model().RenderState().Palette()[1];
        return n;
    }
    // A wheel turn over the preview at its local point.
    void Wheel(QPoint at, int angle) {
        QWidget* box = form().PaintBox1;
        QWheelEvent event(QPointF(at), QPointF(box->mapToGlobal(at)), QPoint(), QPoint(0, angle),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &event);
        WaitForPreview();
    }
    QString Zoom() { return form().StatusText(TStatusPanel::Zoom); }
};

TEST_F(PreviewTest, WheelZoomsAroundThePointerDragPansDoubleClickFits) {
    ASSERT_EQ(Selected(form()), Names{"cross.sld"});
    EXPECT_EQ(Zoom(), "100%");
    EXPECT_FALSE(form().Fit1->isEnabled());
    EXPECT_FALSE(form().ZoomOut1->isEnabled());
    EXPECT_TRUE(form().ZoomIn1->isEnabled());

    // The pointer on the crossing; the box's point (x, y) shows the buffer's (x + 1, y + 1).
    const QPoint crossing = Crossing();
    const QPoint pointer = crossing - QPoint(1, 1);
    Wheel(pointer, 120 * 6); // six notches: 8 times
    EXPECT_EQ(Zoom(), "800%");
    EXPECT_TRUE(form().Fit1->isEnabled());
    const QPoint zoomed = Crossing();
    EXPECT_LE(std::abs(zoomed.x() - crossing.x()), 1);
    EXPECT_LE(std::abs(zoomed.y() - crossing.y()), 1);
    EXPECT_EQ(LineWidthAt(zoomed.x() + 40), 1); // drawn at the zoom: still one pixel

    // A drag moves the slide with the pointer.
    QWidget* box = form().PaintBox1;
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, pointer);
    QMouseEvent move(QEvent::MouseMove, QPointF(pointer + QPoint(25, 10)),
                     QPointF(box->mapToGlobal(pointer + QPoint(25, 10))), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &move);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, pointer + QPoint(25, 10));
    WaitForPreview();
    EXPECT_EQ(Crossing(), zoomed + QPoint(25, 10));

    // The - key halves the zoom, the + key doubles it; a double click fits again.
    Key(form().ListBox1, Qt::Key_Minus);
    WaitForPreview();
    EXPECT_EQ(Zoom(), "400%");
    Key(form().ListBox1, Qt::Key_Plus);
    WaitForPreview();
    EXPECT_EQ(Zoom(), "800%");
    QTest::mouseDClick(box, Qt::LeftButton, Qt::NoModifier, pointer);
    WaitForPreview();
    EXPECT_EQ(Zoom(), "100%");
    EXPECT_EQ(Crossing(), crossing);

    // View > "Fit" after a zoom; another slide starts fitted.
    Wheel(pointer, 240);
    EXPECT_EQ(Zoom(), "200%");
    Trigger(form().Fit1);
    WaitForPreview();
    EXPECT_EQ(Zoom(), "100%");
    Wheel(pointer, 240);
    ASSERT_TRUE(ClickItem(form().ListBox1, "other.sld"));
    WaitForPreview();
    EXPECT_EQ(Zoom(), "100%");
    EXPECT_TRUE(dialogs().log.empty());
}

// The folder tree keeps its own + and - keys (open and close the folder) while a slide is shown;
// elsewhere they zoom the preview.
TEST_F(PreviewTest, TheFolderTreeKeepsItsPlusAndMinusKeys) {
    std::filesystem::create_directory(dir.File("sub"));
    Key(form().ListBox1, Qt::Key_Plus);
    WaitForPreview();
    ASSERT_EQ(Zoom(), "200%");
    QTreeView* tree = form().PTShellTree1;
    const QModelIndex folder = tree->currentIndex();
    ASSERT_TRUE(folder.isValid());
    tree->setFocus();
    Key(tree, Qt::Key_Plus);
    WaitForPreview();
    EXPECT_TRUE(tree->isExpanded(folder));
    EXPECT_EQ(Zoom(), "200%");
    Key(tree, Qt::Key_Minus);
    WaitForPreview();
    EXPECT_FALSE(tree->isExpanded(folder));
    EXPECT_EQ(Zoom(), "200%");
    EXPECT_EQ(tree->currentIndex(), folder);
    // With Ctrl held the keys zoom, also in the tree.
    Key(tree, Qt::Key_Minus, Qt::ControlModifier);
    WaitForPreview();
    EXPECT_EQ(Zoom(), "100%");
}

} // namespace

namespace {

// Runs only on a screen of pixel ratio 2 (QT_SCALE_FACTOR=2: the test app_hidpi).
class HiDpiTest : public TWindowTest {
protected:
    void SetUp() override {
        if (form().devicePixelRatioF() != 2)
            GTEST_SKIP() << "needs a screen of pixel ratio 2 (QT_SCALE_FACTOR=2)";
        WriteBrowseFolder(dir.Path());
        ShowDir();
        form().WaitForThumbnails();
        Settle();
    }
};

TEST_F(HiDpiTest, ThumbnailsPreviewAndIconsHaveTheScreensPixels) {
    // Every thumbnail has 256 x 160 pixels shown on a 128 x 80 item, drawn so, not scaled: the
    // slide's frame line is one device pixel wide, as in a thumbnail drawn at that size.
    ASSERT_EQ(form().limg.size(), 3u);
    for (size_t i = 0; i < form().limg.size(); ++i) {
        const QImage& image = form().limg[i];
        EXPECT_EQ(image.size(), QSize(256, 160)) << i;
        EXPECT_EQ(image.devicePixelRatio(), 2.0) << i;
        EXPECT_EQ(image.deviceIndependentSize(), QSizeF(128, 80)) << i;
    }
    const TSlide* a = form().Model().CurrentList()->Slide(0);
    const TThumbnailRenderer::TThumbnail direct =
        TThumbnailRenderer::Draw(a->Data(), form().Model().RenderState(), 256, 160);
    EXPECT_EQ(form().limg[0].convertToFormat(QImage::Format_RGB32),
              TThumbnailList::ToImage(direct.Picture).convertToFormat(QImage::Format_RGB32));
    const QIcon icon = form().ListBox1->item(0)->icon();
    EXPECT_EQ(icon.pixmap(QSize(128, 80), 2.0).size(), QSize(256, 160));

    // The preview buffer has the panel's device pixels; the status bar gives the panel's size
    // in the window's pixels, as the window's geometry is given, also after a resize.
    EXPECT_EQ(form().Model().Preview().Width(), 2 * form().Panel2->width());
    EXPECT_EQ(form().Model().Preview().Height(), 2 * form().Panel2->height());
    const auto panelSize = [&] {
        return QString("%1x%2").arg(form().Panel2->width()).arg(form().Panel2->height());
    };
    EXPECT_EQ(form().StatusText(TStatusPanel::PreviewSize), panelSize());
    const QString before = panelSize();
    form().resize(form().size() + QSize(60, 40));
    ASSERT_TRUE(QTest::qWaitFor([&] { return panelSize() != before; }, 5000));
    Settle();
    EXPECT_EQ(form().StatusText(TStatusPanel::PreviewSize), panelSize());
    EXPECT_EQ(form().Model().Preview().Width(), 2 * form().Panel2->width());
    // The toolbar's 22-pixel icons come drawn at 44.
    const QIcon tool = form().DeleteButton->icon();
    EXPECT_EQ(tool.pixmap(QSize(22, 22), 2.0).size(), QSize(44, 44));
    EXPECT_TRUE(tool.availableSizes().contains(QSize(44, 44)));
}

} // namespace
