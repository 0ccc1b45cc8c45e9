// Printing and PDF files from the real window: the sheet settings dialog Tdpdf driven with the
// mouse and keys, its settings file, the menu entries, the tool button "Print ..." and its
// drop-down, Qt's print dialog, and printing to a PDF file (no print server needed), whose
// pages are counted and looked at.
#include "AppTestSupport.h"

#include "IniFile.h"
#include "PdfTestSupport.h"
#include "QtCanvas.h"
#include "SlideWriter.h"
#include "graphics/AcadPal.h"
#include "pdfset.h"
#include "slides/Slides.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QListWidget>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs action on the modal dialog of type T once its own event loop shows it. Gives up after
// ten seconds, so a dialog that never comes fails the test instead of hanging it.
template <class T> void WhenModal(std::function<void(T*)> action) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && clock->elapsed() < 10000)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (dialog)
            action(dialog);
        else
            ADD_FAILURE() << "no modal dialog came";
    });
    timer->start(10);
}

// Types a value into a spin box as a user does: select its text, type, Tab away.
void TypeInto(QSpinBox* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

QRadioButton* Radio(QGroupBox* group, int index) {
    return group->findChild<QRadioButton*>(QString("%1_%2").arg(group->objectName()).arg(index));
}

// Accepts Tdpdf with the mouse once it shows.
void AcceptSettings() {
    WhenModal<Tdpdf>([](Tdpdf* d) { ClickWidget(d->OKBtn); });
}

int PdfPages(const std::string& file) {
    std::string out;
    if (RunCommand("pdfinfo '" + file + "'", &out) != 0)
        return -1;
    const size_t at = out.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(out.substr(at + 6));
}

// The text of a PDF file in reading order (pdftotext shows a run of blanks as one).
std::string PdfText(const std::string& file) {
    std::string out;
    RunCommand("pdftotext -raw '" + file + "' -", &out);
    return out;
}

// Page of a PDF file as a picture at 30 dpi.
QImage PdfPage(const std::string& file, const std::string& prefix) {
    RunCommand("pdftoppm -r 30 -f 1 -l 1 -png '" + file + "' '" + prefix + "'");
    QImage page(QString::fromStdString(prefix + "-1.png"));
    if (page.isNull())
        page.load(QString::fromStdString(prefix + "-01.png"));
    return page.convertToFormat(QImage::Format_RGB32);
}

// A square of colour 1 (red) filled, and green and white lines.
std::vector<uint8_t> ColourSlide() {
    TSlideWriter w(100, 100);
    w.Colour(1);
    w.Fill({{10, 10}, {90, 10}, {90, 90}, {10, 90}});
    w.Colour(3);
    w.Vector(5, 5, 95, 5);
    w.Colour(255);
    w.Vector(20, 50, 80, 50);
    w.End();
    return w.Bytes();
}

class PrintWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<std::pair<std::string, std::vector<uint8_t>>> slides;
        for (const char* name : {"G", "B", "E", "A", "F", "C", "D"})
            slides.push_back({name, MakeSlide(640, 480)});
        WriteLibrary(dir.File("seven.slb"), slides);
        WriteLibrary(dir.File("colour.slb"), {{"RED", ColourSlide()}});
        form().SetTreeFolder(QString::fromStdString(dir.Path()));
        Settle();
        ASSERT_TRUE(ClickItem(form().FileListBox1, "seven.slb"));
        ASSERT_EQ(Captions(form()).size(), 7u);
        printer.Printer().setOutputFormat(QPrinter::PdfFormat);
        printer.Printer().setOutputFileName(QString::fromStdString(dir.File("printed.pdf")));
    }
    void TearDown() override {
        BackgroundColour = 0;
        BuildPalette();
    }
    TForm1& form() { return *window.form; }
    void SetGrid(int columns, int rows, bool selectedOnly = false,
                 TPdfColourMode mode = TPdfColourMode::Color) {
        TSheetSettings s;
        s.Columns = columns;
        s.Rows = rows;
        s.SelectedOnly = selectedOnly;
        s.ColourMode = mode;
        form().dpdf->SetSettings(s);
    }

    TTempDir dir;
    TWindowSetup window;
    TQtPrinter printer;
};

TEST_F(PrintWindowTest, TdpdfControlsDefaultsAndSettingsThatPersist) {
    const std::string file = dir.File("pdfset.ini");
    Tdpdf dialog(file);
    EXPECT_EQ(dialog.windowTitle(), "Make PDF");
    EXPECT_EQ(dialog.SpinEdit1->minimum(), 1);
    EXPECT_EQ(dialog.SpinEdit1->maximum(), 100);
    EXPECT_EQ(dialog.SpinEdit2->maximum(), 20);
    const TSheetSettings defaults = dialog.Settings();
    EXPECT_EQ(defaults.Columns, 1);
    EXPECT_EQ(defaults.Rows, 1);
    EXPECT_TRUE(defaults.Sorted);
    EXPECT_FALSE(defaults.SelectedOnly);
    EXPECT_EQ(defaults.ColourMode, TPdfColourMode::Color);
    EXPECT_EQ(Radio(dialog.rbsel, 1)->text(), "Selected slides only");
    EXPECT_EQ(Radio(dialog.rdcolor, 1)->text(), "Black / White");
    EXPECT_TRUE(dialog.OKBtn->isDefault());
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (qobject_cast<QSpinBox*>(w) || qobject_cast<QAbstractButton*>(w) ||
            qobject_cast<QGroupBox*>(w)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
        }
    }

    // Chosen with keys and clicks, confirmed with OK: kept, and written to the file.
    WhenModal<Tdpdf>([](Tdpdf* d) {
        TypeInto(d->SpinEdit1, "12");
        TypeInto(d->SpinEdit2, "2");
        ClickWidget(d->sorted);
        ClickWidget(Radio(d->rbsel, 1));
        ClickWidget(Radio(d->rdcolor, 1));
        ClickWidget(d->OKBtn);
    });
    EXPECT_TRUE(dialog.Execute("Print Slides"));
    EXPECT_EQ(dialog.windowTitle(), "Print Slides");
    const TIniFile ini(file);
    EXPECT_EQ(ini.ReadString("Tdpdf", "rbsel_ItemIndex", ""), "1");
    EXPECT_EQ(ini.ReadString("Tdpdf", "rdcolor_ItemIndex", ""), "1");
    EXPECT_EQ(ini.ReadString("Tdpdf", "sorted_Checked", ""), "False");
    EXPECT_EQ(ini.ReadString("Tdpdf", "SpinEdit1_Value", ""), "12");
    EXPECT_EQ(ini.ReadString("Tdpdf", "SpinEdit2_Value", ""), "2");

    // Changed and cancelled with Escape: the values it had.
    WhenModal<Tdpdf>([](Tdpdf* d) {
        TypeInto(d->SpinEdit2, "7");
        ClickWidget(Radio(d->rdcolor, 0));
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog.Execute("PDF Settings"));
    const TSheetSettings kept = dialog.Settings();
    EXPECT_EQ(kept.Rows, 2);
    EXPECT_EQ(kept.ColourMode, TPdfColourMode::BlackWhite);

    // The next start reads them; a damaged value gives its default.
    Tdpdf next(file);
    const TSheetSettings read = next.Settings();
    EXPECT_EQ(read.Columns, 12);
    EXPECT_EQ(read.Rows, 2);
    EXPECT_FALSE(read.Sorted);
    EXPECT_TRUE(read.SelectedOnly);
    EXPECT_EQ(read.ColourMode, TPdfColourMode::BlackWhite);
    TIniFile damaged(file);
    damaged.WriteString("Tdpdf", "SpinEdit2_Value", "many");
    damaged.WriteString("Tdpdf", "rdcolor_ItemIndex", "9");
    damaged.Save();
    EXPECT_EQ(Tdpdf(file).Settings().Rows, 1);
    EXPECT_EQ(Tdpdf(file).Settings().ColourMode, TPdfColourMode::Color);
}

TEST_F(PrintWindowTest, WindowKeepsTdpdfAndItsSettingsFileAcrossStarts) {
    ASSERT_NE(form().dpdf, nullptr);
    SetGrid(4, 3);
    AcceptSettings();
    window.dialogs.files.push_back(std::nullopt); // the file chooser is cancelled
    form().ConvertSlidestoPDF1->trigger();
    EXPECT_EQ(form().dpdf->windowTitle(), "PDF Settings");
    std::unique_ptr<TForm1> next = window.NewForm();
    EXPECT_EQ(next->dpdf->Settings().Columns, 4);
    EXPECT_EQ(next->dpdf->Settings().Rows, 3);
    // The main window's own settings stay in the same file beside them.
    form().close();
    const TIniFile ini(window.SettingsFile());
    EXPECT_TRUE(ini.HasKey("TForm1", "NormPos"));
    EXPECT_EQ(ini.ReadInteger("Tdpdf", "SpinEdit1_Value", 0), 4);
}

TEST_F(PrintWindowTest, MakePdfFromTheMenusAndTheDropDown) {
    TFixedPdfClock clock;
    // "Make PDF from Current Slide": the selected slide under its name.
    ASSERT_TRUE(ClickItem(form().ListBox1, "E"));
    ASSERT_TRUE(form().ConvertCurrentSlidetoPDF1->isEnabled());
    const std::string current = dir.File("current.pdf");
    window.dialogs.files.push_back(TFileChoice{current, 1});
    form().ConvertCurrentSlidetoPDF1->trigger();
    EXPECT_EQ(window.dialogs.log, std::vector<std::string>{"save: Save as PDF"});
    const std::vector<uint8_t> bytes = ReadFileBytes(current);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(InflatedStreams(text).at(0).rfind("/F0 10 Tf\n/F0 8 Tf\nBT\n48 548 Td\n(E) Tj\nET\n"
                                                "0.3 w\n0 0 0 RG\n0 0 0 rg\n",
                                                0),
              0u);
    EXPECT_EQ(PdfPages(current), 1);

    // "Convert Slides to PDF" from the tool button's drop-down: 1 x 1 sheets in name order.
    SetGrid(1, 1);
    AcceptSettings();
    const std::string sheets = dir.File("sheets.pdf");
    window.dialogs.files.push_back(TFileChoice{sheets, 1});
    form().ConvertSlidestoPDF2->trigger();
    EXPECT_EQ(PdfPages(sheets), 7);
    const std::vector<uint8_t> sb = ReadFileBytes(sheets);
    const std::vector<std::string> streams = InflatedStreams(std::string(sb.begin(), sb.end()));
    ASSERT_EQ(streams.size(), 7u);
    EXPECT_EQ(streams[0].rfind("/F0 10 Tf\n/F0 8 Tf\nBT\n451.76 794 Td\n(pg.  1.) Tj\nET\n", 0),
              0u);
    EXPECT_NE(streams[0].find("36 782 m\n507.6 782 l\n507.6 78 l\n36 78 l\n36 782 l\nS\n"
                              "BT\n66 63 Td\n(A) Tj\nET\n"),
              std::string::npos);
    EXPECT_NE(streams[6].find("(G) Tj"), std::string::npos);
    EXPECT_EQ(BackgroundColour, 0u);
    EXPECT_EQ(Palette[7], 0xFFFFFFu);
}

TEST_F(PrintWindowTest, PrintButtonPrintsSheetsToAPdfFile) {
    const std::string file = dir.File("printed.pdf");
    // 7 slides at 3 x 2: two pages.
    SetGrid(3, 2);
    AcceptSettings();
    window.dialogs.printers.push_back(&printer);
    ASSERT_TRUE(form().PrintButton->isEnabled());
    ClickWidget(form().PrintButton);
    EXPECT_EQ(form().dpdf->windowTitle(), "Print Slides");
    EXPECT_EQ(window.dialogs.log,
              (std::vector<std::string>{"print dialog", "progress: Print Slides 7"}));
    EXPECT_EQ(PdfPages(file), 2);

    // 1 x 1: seven framed pages with their labels, from the menu entry.
    SetGrid(1, 1);
    AcceptSettings();
    window.dialogs.printers.push_back(&printer);
    form().PrintAllSlides1->trigger();
    EXPECT_EQ(PdfPages(file), 7);
    const std::string text = PdfText(file);
    for (int page = 1; page <= 7; ++page)
        EXPECT_NE(text.find("pg. " + std::to_string(page) + ".\n"), std::string::npos) << page;
    // The first page holds "A" (name order), framed: a dark line runs along the cell's top.
    EXPECT_EQ(text.rfind("pg. 1.\nA\n\fpg. 2.\nB\n", 0), 0u);
    const QImage page = PdfPage(file, dir.File("page"));
    ASSERT_FALSE(page.isNull());
    int dark = 0;
    for (int x = 0; x < page.width(); ++x)
        for (int y = 0; y < page.height() / 10; ++y)
            dark += qGray(page.pixel(x, y)) < 128;
    EXPECT_GT(dark, page.width() / 2);

    // "Selected slides only" with "Sorted by name", from the drop-down: name order.
    ASSERT_TRUE(ClickItem(form().ListBox1, "F"));
    ASSERT_TRUE(ClickItem(form().ListBox1, "B", Qt::ControlModifier));
    ASSERT_TRUE(ClickItem(form().ListBox1, "D", Qt::ControlModifier));
    SetGrid(3, 1, true);
    AcceptSettings();
    window.dialogs.printers.push_back(&printer);
    form().PrintSlides2->trigger();
    EXPECT_EQ(PdfPages(file), 1);
    const std::string selected = PdfText(file);
    const size_t b = selected.find("B"), d = selected.find("D"), f = selected.find("F");
    ASSERT_NE(f, std::string::npos);
    EXPECT_LT(b, d);
    EXPECT_LT(d, f);
    EXPECT_EQ(selected.find("G"), std::string::npos);

    // Nothing selected: said so, no print dialog.
    form().ListBox1->clearSelection();
    Settle();
    window.dialogs.log.clear();
    AcceptSettings();
    form().PrintSlides2->trigger();
    EXPECT_EQ(window.dialogs.log, std::vector<std::string>{"error: No slides selected."});
}

TEST_F(PrintWindowTest, BlackWhitePrintsBlackOnWhiteAndThePaletteComesBack) {
    ASSERT_TRUE(ClickItem(form().FileListBox1, "colour.slb"));
    form().Model().SetPreviewBackground(0x404040);
    const std::string file = dir.File("printed.pdf");
    auto colours = [&](const char* name) {
        const QImage page = PdfPage(file, dir.File(name));
        int red = 0, black = 0, other = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c(page.pixel(x, y));
                if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                    ++red;
                else if (c.red() < 60 && c.green() < 60 && c.blue() < 60)
                    ++black;
                else if (c.red() != c.green() || c.green() != c.blue())
                    ++other;
            }
        return std::vector<int>{red, black, other};
    };

    window.dialogs.printers.push_back(&printer);
    form().PrintCurrentSlide1->trigger();
    std::vector<int> c = colours("colour");
    EXPECT_GT(c[0], 1000); // the red square
    EXPECT_EQ(BackgroundColour, 0x404040u);
    EXPECT_FALSE(PrintMonochrome);

    TSheetSettings bw = form().dpdf->Settings();
    bw.ColourMode = TPdfColourMode::BlackWhite;
    form().dpdf->SetSettings(bw);
    window.dialogs.printers.push_back(&printer);
    form().PrintCurrentSlide2->trigger();
    c = colours("mono");
    EXPECT_EQ(c[0], 0);
    EXPECT_GT(c[1], 1000); // the square in black
    EXPECT_EQ(c[2], 0);    // nothing in colour at all
    EXPECT_EQ(BackgroundColour, 0x404040u);
    EXPECT_EQ(Palette[0], 0x404040u);
    EXPECT_EQ(Palette[7], 0u);
    EXPECT_FALSE(PrintMonochrome);
    EXPECT_EQ(PdfColourMode, TPdfColourMode::Color);
}

// Dialogs whose print dialog is Qt's own.
class TRealPrintDialogs : public TScriptedDialogs {
public:
    TQtPrinter* qtPrinter = nullptr;
    QWidget* parent = nullptr;
    TPrinter* ChoosePrinter() override {
        log.push_back("print dialog");
        return qtPrinter->Setup(parent) ? qtPrinter : nullptr;
    }
};

TEST_F(PrintWindowTest, QtPrintDialogPrintsTheCurrentSlideToAFile) {
    TRealPrintDialogs dialogs;
    TForm1::TOptions options;
    options.ProgramDir = window.ProgramDir();
    options.SettingsFile = dir.File("real.ini");
    options.Dialogs = &dialogs;
    TForm1 real(options);
    dialogs.qtPrinter = &printer;
    dialogs.parent = &real;
    real.show();
    real.SetTreeFolder(QString::fromStdString(dir.Path()));
    Settle();
    ASSERT_TRUE(ClickItem(real.FileListBox1, "seven.slb"));
    ASSERT_TRUE(ClickItem(real.ListBox1, "C"));

    // Cancelled: nothing printed.
    const std::string file = dir.File("printed.pdf");
    WhenModal<QPrintDialog>([](QPrintDialog* d) { d->reject(); });
    real.PrintCurrentSlide1->trigger();
    EXPECT_FALSE(FileExists(file));

    WhenModal<QPrintDialog>([](QPrintDialog* d) {
        EXPECT_EQ(d->objectName(), "PrintDialog1");
        d->accept();
    });
    real.PrintCurrentSlide1->trigger();
    EXPECT_EQ(PdfPages(file), 1);
    const std::string text = PdfText(file);
    EXPECT_NE(text.find("C"), std::string::npos);
    EXPECT_EQ(dialogs.log, (std::vector<std::string>{"print dialog", "print dialog"}));
}

TEST_F(PrintWindowTest, ProgressDialogCancelButtonStopsTheWork) {
    TQtDialogs dialogs(&form());
    std::unique_ptr<TProgress> progress = dialogs.BeginProgress("Print Slides", 10);
    EXPECT_TRUE(progress->Step(0, "A"));
    QTest::qWait(600); // it shows once the work takes a moment
    EXPECT_TRUE(progress->Step(1, "B"));
    auto* shown = form().findChild<QProgressDialog*>("ProgressDialog");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->labelText(), "2 of 10: B");
    QPushButton* cancel = shown->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    ClickWidget(cancel);
    EXPECT_FALSE(progress->Step(2, "C"));
    progress.reset();
    EXPECT_EQ(form().findChild<QProgressDialog*>("ProgressDialog"), nullptr);
}

TEST(PrintCommandsEnabled, OnlyWithSlidesAndTheCurrentOnesWithASelection) {
    TTempDir empty;
    TWindowSetup window;
    window.form->SetTreeFolder(QString::fromStdString(empty.Path()));
    Settle();
    for (QAction* a : {window.form->PrintCurrentSlide1, window.form->PrintAllSlides1,
                       window.form->ConvertCurrentSlidetoPDF1, window.form->ConvertSlidestoPDF2})
        EXPECT_FALSE(a->isEnabled()) << a->objectName().toStdString();
    EXPECT_FALSE(window.form->PrintButton->isEnabled());
}

} // namespace
