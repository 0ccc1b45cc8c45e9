// The export dialog Tfimage worked with the mouse and keys, the clipboard from the tool button
// and the key, and pictures of any kind imported into slides.
#include "AppTestSupport.h"

#include "dlgimg.h"
#include "settings/IniFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
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

class ExportWindowTest : public TWindowTest {
protected:
    void SetUp() override {
        WriteFileBytes(dir.File("PLAN.SLD"), MakeSlide(400, 300));
        WriteFileBytes(dir.File("wide.sld"), MakeSlide(1000, 500));
        window.exportDialog = &driven;
        // Windows put back the hooks of the one before them: the old one goes first.
        window.form.reset();
        window.form = window.NewForm();
        driven.dialog = form().fimage;
        ShowDir();
    }

    TDrivenExportDialog driven;
};

TEST_F(ExportWindowTest, DialogByMouseAndKeysKeepsWhatOkConfirmed) {
    Tfimage& d = *form().fimage;
    EXPECT_EQ(d.Choices(), TExportChoices());
    EXPECT_EQ(d.SpinEdit1->maximum(), 5000);

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
    // A drawing has neither size nor background: DXF turns both groups off, EMF back on.
    ClickRadio(d.rdFormat->Button(5));
    EXPECT_FALSE(d.rdSize->isEnabled());
    EXPECT_FALSE(d.rdback->isEnabled());
    EXPECT_FALSE(d.gsize->isEnabled());
    ClickRadio(d.rdFormat->Button(4));
    EXPECT_TRUE(d.rdSize->isEnabled());
    EXPECT_TRUE(d.rdback->isEnabled());
    EXPECT_TRUE(d.gsize->isEnabled());
    ClickRadio(d.rbsel->Button(1));
    ClickRadio(d.rdback->Button(2));
    ClickWidget(d.OKBtn);
    EXPECT_EQ(okSteps, 1);
    const TExportChoices chosen{TExportSelection::All,
                                TImageFormat::Emf,
                                TExportSize::Custom,
                                640,
                                480,
                                TExportBackground::ButtonFace,
                                "",
                                "/chosen"};
    EXPECT_EQ(d.Outcome(), chosen);
    // Kept in the settings file, under the dialog's keys, beside the window's own.
    const TIniFile ini(window.SettingsFile());
    EXPECT_EQ(ini.ReadString("BFolder", "Folder", ""), "/chosen");
    const std::vector<std::pair<const char*, int>> keys = {
        {"SpinEdit1_Value", 640},  {"SpinEdit2_Value", 480}, {"rbsel_ItemIndex", 1},
        {"rdFormat_ItemIndex", 4}, {"rdSize_ItemIndex", 3},  {"rdback_ItemIndex", 2}};
    for (const auto& [key, value] : keys)
        EXPECT_EQ(ini.ReadInteger("Tfimage", key, -1), value) << key;

    // Cancel puts back what the dialog was opened with; the next start reads the kept values.
    d.Open("", nullptr);
    ClickRadio(d.rdSize->Button(0));
    EXPECT_FALSE(d.gsize->isEnabled());
    QTest::keyClick(&d, Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(d.Outcome());
    EXPECT_EQ(d.rdSize->ItemIndex(), 3);
    std::unique_ptr<TForm1> next = window.NewForm();
    EXPECT_EQ(next->fimage->Choices(), chosen);

    // Damaged values give the defaults, sizes their nearest limit.
    TIniFile damaged(window.SettingsFile());
    for (const auto& [key, value] :
         {std::pair("SpinEdit1_Value", "9000"), std::pair("SpinEdit2_Value", "0"),
          std::pair("rdFormat_ItemIndex", "6"), // six formats
          std::pair("rbsel_ItemIndex", "-1")})
        damaged.WriteString("Tfimage", key, value);
    damaged.Save();
    next.reset();
    next = window.NewForm();
    const TExportChoices read = next->fimage->Choices();
    EXPECT_EQ(std::make_pair(read.Width, read.Height), std::make_pair(5000, 1));
    EXPECT_EQ(read.Format, TImageFormat::Bmp);
    EXPECT_EQ(read.Which, TExportSelection::Current);
}

TEST_F(ExportWindowTest, ClipboardGetsTheMetafileAndAPngFromTheToolButton) {
    ASSERT_TRUE(ClickItem(form().ListBox1, "wide.sld"));
    QApplication::clipboard()->clear();
    ClickWidget(form().CopyClipButton);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(data);
    // The model's metafile under both names, and its bitmap as a PNG.
    EXPECT_GT(data->data("image/x-emf").size(), 24);
    EXPECT_EQ(data->data("image/emf"), data->data("image/x-emf"));
    EXPECT_EQ(QImage::fromData(data->data("image/png"), "PNG").size(), QSize(362, 181));

    // Ctrl+C in the slide list: 400 x 300 is more than 65536 pixels, so about 256 x 256.
    ASSERT_TRUE(ClickItem(form().ListBox1, "PLAN.SLD"));
    QApplication::clipboard()->clear();
    Key(form().ListBox1, Qt::Key_C, Qt::ControlModifier);
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
    dialogs().files.push_back(TFileChoice{dir.File("pic.png")});
    Trigger(form().ImportFromImage1);
    const std::string& filter = dialogs().fileOptions.at(0).Filter;
    EXPECT_EQ(filter.rfind("Bitmaps (*.bmp)|*.bmp|All pictures|*.bmp;", 0), 0u) << filter;
    EXPECT_NE(filter.find(";*.png"), std::string::npos) << filter;
    const std::vector<uint8_t> slide = ReadFileBytes(dir.File("pic.sld"));
    ASSERT_EQ(slide.size(), 45u); // header, two colours, one dot, the end
    EXPECT_EQ(slide[31], 0);      // black: the colour index of the background
    EXPECT_EQ(slide[33], 1);      // red
    EXPECT_EQ(Captions(form()), (Names{"pic.sld", "PLAN.SLD", "wide.sld"}));
    EXPECT_EQ(Selected(form()), Names{"pic.sld"});

    // A file that is no picture says so and writes nothing.
    WriteFileBytes(dir.File("junk.png"), {'x'});
    dialogs().files.push_back(TFileChoice{dir.File("junk.png")});
    Trigger(form().ConvertImageToSlide1);
    EXPECT_EQ(dialogs().log.back().rfind("error: Cannot read image \"", 0), 0u);
    EXPECT_FALSE(FileExists(dir.File("junk.sld")));
}

// Scripted dialogs whose file chooser is the window's real one.
class TRealFileDialogs : public TScriptedDialogs {
public:
    std::unique_ptr<TQtDialogs> qt;
    std::optional<TFileChoice> OpenFileName(const TFileDialogOptions& o) override {
        fileOptions.push_back(o);
        return qt->OpenFileName(o);
    }
};

TEST_F(ExportWindowTest, ImportOpensATypedDrawingWhateverFilterTheChooserShows) {
    WriteFileText(dir.File("drawing.dxf"),
                  "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\n0\n62\n1\n10\n0\n20\n0\n11\n"
                  "30\n21\n20\n0\nENDSEC\n0\nEOF\n");
    // A drawing under a name without its extension is known by its first group.
    WriteFileText(dir.File("sketch.txt"), "999\nmade elsewhere\n  0\r\nSECTION\r\n2\nENTITIES\n0\n"
                                          "CIRCLE\n10\n0\n20\n0\n40\n5\n0\nENDSEC\n0\nEOF\n");
    TRealFileDialogs real;
    TForm1::TOptions options;
    options.ProgramDir = window.ProgramDir();
    options.SettingsFile = dir.File("real.ini");
    options.Dialogs = &real;
    TForm1 shown(options);
    real.qt = std::make_unique<TQtDialogs>(&shown);
    shown.show();
    shown.SetTreeFolder(QString::fromStdString(dir.Path()));
    Settle();

    // The chooser opens on bitmaps, which hide the drawing; typed, it opens all the same.
    for (const char* typed : {"drawing.dxf", "sketch.txt"}) {
        WhenModal<QFileDialog>([typed](QFileDialog* d) {
            EXPECT_EQ(d->selectedNameFilter(), "Bitmaps (*.bmp)");
            auto* edit = d->findChild<QLineEdit*>("fileNameEdit");
            auto* buttons = d->findChild<QDialogButtonBox*>("buttonBox");
            ASSERT_TRUE(edit && buttons);
            QTest::keyClicks(edit, typed);
            Settle();
            ClickWidget(buttons->button(QDialogButtonBox::Open));
            // A chooser that stays open fails the test instead of hanging it.
            QTimer::singleShot(2000, d, [d] {
                ADD_FAILURE() << "the chooser did not take the typed name";
                d->reject();
            });
        });
        Trigger(shown.ImportFromImage1);
    }
    EXPECT_EQ(real.log, Names{});
    const std::vector<uint8_t> slide = ReadFileBytes(dir.File("drawing.sld"));
    ASSERT_GT(slide.size(), 31u);
    EXPECT_EQ(slide[31], 1); // the line's colour: red
    EXPECT_GT(ReadFileBytes(dir.File("sketch.sld")).size(), 100u);
    EXPECT_EQ(Captions(shown), (Names{"drawing.sld", "PLAN.SLD", "sketch.sld", "wide.sld"}));

    // A name that names nothing leaves Open off, as Qt's chooser has it.
    WhenModal<QFileDialog>([](QFileDialog* d) {
        auto* edit = d->findChild<QLineEdit*>("fileNameEdit");
        auto* buttons = d->findChild<QDialogButtonBox*>("buttonBox");
        ASSERT_TRUE(edit && buttons);
        QTest::keyClicks(edit, "missing.dxf");
        Settle();
        EXPECT_FALSE(buttons->button(QDialogButtonBox::Open)->isEnabled());
        d->reject();
    });
    Trigger(shown.ImportFromImage1);
    EXPECT_FALSE(FileExists(dir.File("missing.sld")));
}

} // namespace
