// The slide list's thumbnails in the real window: the first screen at once, the rest from the
// workers, equal to what one thread draws; a reload in the middle of a fill.
#include "AppTestSupport.h"

#include "SlideWriter.h"
#include "graphics/AcadPal.h"
#include "graphics/Graphic.h"
#include "graphics/IndexedPicture.h"
#include "output/SlideGraphic.h"
#include "slides/SlideClasses.h"

#include <QListWidget>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

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
        DrawToGraphic(*form.Model().CurrentList(), i, bitmap, 80, 128, BackgroundColour);
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
