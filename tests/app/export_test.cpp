// The export dialog Tfimage worked with the mouse and keys, and the picture commands from the
// window's menu, keys and tool buttons: export, clipboard and import.
#include "AppTestSupport.h"

#include "IniFile.h"
#include "dlgimg.h"
#include "graphics/BmpReader.h"
#include "graphics/Graphic.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

namespace {

// A click on a radio button's indicator, where a click always lands on it.
void ClickRadio(QRadioButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
    Settle();
}

void TypeInto(QSpinBox* edit, const QString& text) {
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
    Settle();
}

// The window's own export dialog, shown and worked by input instead of waiting in its loop.
class TDrivenExportDialog : public TExportDialog {
public:
    Tfimage* dialog = nullptr;
    std::function<void(Tfimage&)> input;

    std::optional<TExportChoices> Execute(const std::string& currentSlide,
                                          const TOkStep& okStep) override {
        dialog->Open(currentSlide, okStep);
        Settle();
        input(*dialog);
        return dialog->Outcome();
    }
};

class ExportWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileBytes(dir.File("PLAN.SLD"), MakeSlide(400, 300));
        WriteFileBytes(dir.File("wide.sld"), MakeSlide(1000, 500));
        window.exportDialog = &driven;
        // Windows put back the hooks of the one before them: the old one goes first.
        window.form.reset();
        window.form = window.NewForm();
        driven.dialog = form().fimage;
        form().SetTreeFolder(QString::fromStdString(dir.Path()));
        Settle();
    }
    TForm1& form() { return *window.form; }

    TTempDir dir, out;
    TDrivenExportDialog driven;
    TWindowSetup window;
};

TEST_F(ExportWindowTest, DialogHasItsChoicesAndKeepsWhatOkConfirmed) {
    Tfimage& d = *form().fimage;
    EXPECT_EQ(d.windowTitle(), "Convert Slide(s) to Image(s)");
    EXPECT_EQ(d.rdFormat->title(), "Image Format");
    EXPECT_EQ(d.rdFormat->Button(1)->text(), "Portable Net Graphic (PNG)");
    EXPECT_EQ(d.rbsel->Button(2)->text(), "Selected slides only");
    EXPECT_EQ(d.rdback->Button(2)->text(), "Button Face");
    EXPECT_EQ(d.Choices(), TExportChoices());
    EXPECT_EQ(d.SpinEdit1->maximum(), 5000);
    EXPECT_EQ(d.SpinEdit2->accessibleName(), "Height");

    int okSteps = 0;
    d.Open("PLAN.SLD", [&](TExportChoices& c) {
        ++okSteps;
        c.Folder = "/chosen";
        return true;
    });
    Settle();
    EXPECT_FALSE(d.gsize->isEnabled());
    ClickRadio(d.rdSize->Button(3)); // "Custom"
    EXPECT_TRUE(d.gsize->isEnabled());
    TypeInto(d.SpinEdit1, "640");
    TypeInto(d.SpinEdit2, "480");
    ClickRadio(d.rdFormat->Button(4));
    ClickRadio(d.rbsel->Button(1));
    ClickWidget(d.OKBtn);
    EXPECT_EQ(okSteps, 1);
    ASSERT_TRUE(d.Outcome());
    EXPECT_EQ(d.Outcome()->Width, 640);
    EXPECT_EQ(d.Outcome()->Format, TImageFormat::Emf);

    const TIniFile ini(window.DefaultSettingsFile());
    EXPECT_EQ(ini.ReadInteger("Tfimage", "SpinEdit1_Value", 0), 640);
    EXPECT_EQ(ini.ReadInteger("Tfimage", "rdFormat_ItemIndex", 0), 4);
    EXPECT_EQ(ini.ReadInteger("Tfimage", "rbsel_ItemIndex", 0), 1);
    EXPECT_EQ(ini.ReadString("BFolder", "Folder", ""), "/chosen");

    // Cancel puts back what the dialog was opened with; the next start reads the kept values.
    d.Open("", nullptr);
    ClickRadio(d.rdSize->Button(0));
    EXPECT_FALSE(d.gsize->isEnabled());
    QTest::keyClick(&d, Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(d.Outcome());
    EXPECT_EQ(d.rdSize->ItemIndex(), 3);
    std::unique_ptr<TForm1> next = window.NewForm();
    EXPECT_EQ(next->fimage->Choices(), d.Choices());
}

TEST_F(ExportWindowTest, ExportFromTheMenuAndTheKeyWritesThePictures) {
    driven.input = [](Tfimage& d) {
        ClickRadio(d.rbsel->Button(1)); // all slides
        ClickRadio(d.rdFormat->Button(0));
        ClickRadio(d.rdSize->Button(1)); // 32x32
        ClickWidget(d.OKBtn);
    };
    window.dialogs.folders.push_back(out.File("new"));
    QTest::keyClick(&form(), Qt::Key_E, Qt::ControlModifier);
    Settle();
    for (const char* name : {"PLAN.bmp", "wide.bmp"}) {
        TBitmap bitmap;
        LoadBmpFile(out.File(std::string("new/") + name), bitmap);
        EXPECT_EQ(bitmap.Width(), 32) << name;
    }
    EXPECT_EQ(window.dialogs.log,
              (std::vector<std::string>{"folder: Choose the folder for the images",
                                        "progress: Export to Image (2)"}));

    // The toolbar's drop-down entry: the current slide into a file of the chosen name.
    driven.input = [](Tfimage& d) {
        ClickRadio(d.rbsel->Button(0));
        ClickRadio(d.rdFormat->Button(1));
        ClickRadio(d.rdSize->Button(0)); // as the slide's own size
        ClickWidget(d.OKBtn);
    };
    ASSERT_TRUE(ClickItem(form().ListBox1, "wide.sld"));
    window.dialogs.files.push_back(TFileChoice{out.File("mine")});
    form().ConvertSlideToImage1->trigger();
    Settle();
    EXPECT_EQ(window.dialogs.fileOptions.back().FileName, "wide.png");
    EXPECT_EQ(QImage(QString::fromStdString(out.File("mine.png"))).size(), QSize(1000, 500));
}

TEST_F(ExportWindowTest, ClipboardGetsTheMetafileAndAPngFromTheToolButton) {
    ASSERT_TRUE(ClickItem(form().ListBox1, "wide.sld"));
    QApplication::clipboard()->clear();
    QTest::mouseClick(form().CopyClipButton, Qt::LeftButton);
    Settle();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    const QByteArray emf = data->data("image/x-emf");
    ASSERT_GT(emf.size(), 24);
    EXPECT_EQ(data->data("image/emf"), emf);
    // The metafile is 3620 x 1810 (bounds right and bottom inclusive), the PNG a tenth of it.
    const auto u32 = [&](int at) {
        return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(emf.constData()) + at);
    };
    EXPECT_EQ(u32(16), 3619u);
    EXPECT_EQ(u32(20), 1809u);
    EXPECT_EQ(QImage::fromData(data->data("image/png"), "PNG").size(), QSize(362, 181));

    // Ctrl+C in the slide list: 400 x 300 is more than 65536 pixels, so about 256 x 256.
    ASSERT_TRUE(ClickItem(form().ListBox1, "PLAN.SLD"));
    QApplication::clipboard()->clear();
    QTest::keyClick(form().ListBox1, Qt::Key_C, Qt::ControlModifier);
    Settle();
    data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    EXPECT_EQ(QImage::fromData(data->data("image/png"), "PNG").size(), QSize(296, 222));
}

TEST_F(ExportWindowTest, ImportTurnsAnyPictureIntoASlideThatShowsInTheList) {
    // Transparent pixels become black, which is left out: the slide's first colour is black's.
    QImage picture(2, 1, QImage::Format_ARGB32);
    picture.setPixelColor(0, 0, QColor(255, 255, 255, 0));
    picture.setPixelColor(1, 0, QColor(255, 0, 0));
    ASSERT_TRUE(picture.save(QString::fromStdString(dir.File("pic.png"))));
    window.dialogs.files.push_back(TFileChoice{dir.File("pic.png")});
    form().ImportFromImage1->trigger();
    Settle();
    const std::string& filter = window.dialogs.fileOptions.at(0).Filter;
    EXPECT_EQ(filter.rfind("Bitmaps (*.bmp)|*.bmp|All pictures|*.bmp;", 0), 0u) << filter;
    EXPECT_NE(filter.find(";*.png"), std::string::npos) << filter;
    const std::vector<uint8_t> slide = ReadFileBytes(dir.File("pic.sld"));
    ASSERT_EQ(slide.size(), 45u); // header, two colours, one dot, the end
    EXPECT_EQ(slide[31], 0);      // black: the colour index of the background
    EXPECT_EQ(slide[33], 1);      // red
    EXPECT_EQ(Captions(form()), (std::vector<std::string>{"pic.sld", "PLAN.SLD", "wide.sld"}));
    ASSERT_EQ(form().ListBox1->selectedItems().size(), 1);
    EXPECT_EQ(form().ListBox1->selectedItems()[0]->text(), "pic.sld");

    // A file that is no picture says so and writes nothing.
    WriteFileBytes(dir.File("junk.png"), {'x'});
    window.dialogs.files.push_back(TFileChoice{dir.File("junk.png")});
    form().ConvertImageToSlide1->trigger();
    Settle();
    EXPECT_EQ(window.dialogs.log.back().rfind("error: Cannot read image \"", 0), 0u);
    EXPECT_FALSE(FileExists(dir.File("junk.sld")));
}

TEST_F(ExportWindowTest, CommandsWithoutSlidesAreDisabled) {
    EXPECT_TRUE(form().ExportToImage1->isEnabled());
    EXPECT_TRUE(form().CopyClipButton->isEnabled());
    form().SetTreeFolder(QString::fromStdString(out.Path()));
    Settle();
    EXPECT_FALSE(form().ExportToImage1->isEnabled());
    EXPECT_FALSE(form().CopyToClipboard1->isEnabled());
    EXPECT_FALSE(form().CopyClipButton->isEnabled());
    EXPECT_TRUE(form().ImportFromImage1->isEnabled());
    EXPECT_TRUE(form().ConvertButton->isEnabled());
}

} // namespace
