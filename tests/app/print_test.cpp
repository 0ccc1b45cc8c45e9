// Printing and PDF files from the real window: Tdpdf driven with the mouse and keys and its
// settings file, the menu entries, the tool button "Print ..." and its drop-down, Qt's print
// dialog and progress dialog, and printing to a PDF file (no print server needed), whose pages
// are counted, read and looked at.
#include "AppTestSupport.h"

#include "QtCanvas.h"
#include "SlideWriter.h"
#include "graphics/AcadPal.h"
#include "pdfset.h"
#include "settings/IniFile.h"
#include "slides/Slides.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QListWidget>
#include <QPrintDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

void TypeInto(QSpinBox* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

QRadioButton* Radio(QGroupBox* group, int index) {
    return group->findChild<QRadioButton*>(QString("%1_%2").arg(group->objectName()).arg(index));
}

// The text in reading order (pdftotext shows a run of blanks as one, and ends each page with
// a form feed).
std::string PdfText(const std::string& file) {
    std::string out;
    RunCommand("pdftotext -raw '" + file + "' -", &out);
    return out;
}

long PdfPages(const std::string& file) {
    const std::string text = PdfText(file);
    return std::count(text.begin(), text.end(), '\f');
}

// Pixels of the first page at 30 dpi: clearly red, dark, and neither grey nor white.
std::vector<int> PageColours(const std::string& file) {
    RunCommand("pdftoppm -r 30 -f 1 -l 1 -singlefile -png '" + file + "' '" + file + "'");
    const QImage page =
        QImage(QString::fromStdString(file + ".png")).convertToFormat(QImage::Format_RGB32);
    std::vector<int> count(3, 0);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c(page.pixel(x, y));
            count[0] += c.red() > 200 && c.green() < 60 && c.blue() < 60;
            count[1] += c.red() < 60 && c.green() < 60 && c.blue() < 60;
            count[2] += c.red() != c.green() || c.green() != c.blue();
        }
    return count;
}

class PrintWindowTest : public TWindowTest {
protected:
    void SetUp() override {
        std::vector<std::pair<std::string, std::vector<uint8_t>>> slides;
        for (const char* name : {"G", "B", "E", "A", "F", "C", "D"})
            slides.push_back({name, MakeSlide(640, 480)});
        WriteLibrary(dir.File("seven.slb"), slides);
        TSlideWriter red(100, 100); // a red square
        red.Colour(1);
        red.Fill({{10, 10}, {90, 10}, {90, 90}, {10, 90}});
        red.End();
        WriteLibrary(dir.File("red.slb"), {{"RED", red.Bytes()}});
        ShowDir();
        ASSERT_TRUE(ClickItem(form().FileListBox1, "seven.slb"));
        printer.Printer().setOutputFormat(QPrinter::PdfFormat);
        printer.Printer().setOutputFileName(QString::fromStdString(printed));
    }
    // The settings Tdpdf holds, confirmed with its OK button when it next shows.
    void Settings(int columns, int rows, bool selectedOnly = false) {
        form().dpdf->SetSettings({columns, rows, true, selectedOnly, TPdfColourMode::Color});
        WhenModal<Tdpdf>([](Tdpdf* d) { ClickWidget(d->OKBtn); });
    }

    TQtPrinter printer;
    const std::string printed = dir.File("printed.pdf");
};

TEST_F(PrintWindowTest, TdpdfByMouseAndKeysKeepsItsSettingsAcrossStarts) {
    Tdpdf& d = *form().dpdf;
    EXPECT_EQ(d.SpinEdit1->maximum() + d.SpinEdit2->maximum(), 120);
    const TSheetSettings defaults = d.Settings();
    EXPECT_TRUE(defaults.Columns == 1 && defaults.Rows == 1 && defaults.Sorted &&
                !defaults.SelectedOnly && defaults.ColourMode == TPdfColourMode::Color);

    WhenModal<Tdpdf>([](Tdpdf* dialog) {
        TypeInto(dialog->SpinEdit1, "12");
        TypeInto(dialog->SpinEdit2, "2");
        ClickWidget(dialog->sorted);
        ClickWidget(Radio(dialog->rbsel, 1));
        ClickWidget(Radio(dialog->rdcolor, 1));
        ClickWidget(dialog->OKBtn);
    });
    dialogs().files.push_back(std::nullopt); // the file chooser is cancelled
    form().ConvertSlidestoPDF1->trigger();
    EXPECT_EQ(d.windowTitle(), "PDF Settings");
    const TIniFile ini(window.SettingsFile());
    for (const auto& [key, value] :
         {std::pair("rbsel_ItemIndex", "1"), std::pair("rdcolor_ItemIndex", "1"),
          std::pair("sorted_Checked", "False"), std::pair("SpinEdit1_Value", "12"),
          std::pair("SpinEdit2_Value", "2")})
        EXPECT_EQ(ini.ReadString("Tdpdf", key, ""), value) << key;

    // Changed, then Escape: the values it had.
    WhenModal<Tdpdf>([](Tdpdf* dialog) {
        TypeInto(dialog->SpinEdit2, "7");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    form().PrintAllSlides1->trigger();
    EXPECT_EQ(d.Settings().Rows, 2);
    EXPECT_EQ(dialogs().log, Names{"save: Save as PDF"}); // no printer

    // The next start reads them; the main window's own settings stay beside them.
    form().close();
    std::unique_ptr<TForm1> next = window.NewForm();
    const TSheetSettings read = next->dpdf->Settings();
    EXPECT_TRUE(read.Columns == 12 && read.Rows == 2 && !read.Sorted && read.SelectedOnly &&
                read.ColourMode == TPdfColourMode::BlackWhite);
    EXPECT_TRUE(TIniFile(window.SettingsFile()).HasKey("TForm1", "NormPos"));
}

TEST_F(PrintWindowTest, PrintButtonAndMenusPrintSheetsToAPdfFile) {
    Settings(3, 2); // 7 slides at 3 x 2: two pages
    dialogs().printers.push_back(&printer);
    ClickWidget(form().PrintButton);
    EXPECT_EQ(form().dpdf->windowTitle(), "Print Slides");
    EXPECT_EQ(dialogs().log, (Names{"print dialog", "progress: Print Slides (7)"}));
    EXPECT_EQ(PdfPages(printed), 2);

    Settings(1, 1); // seven framed pages with their labels
    dialogs().printers.push_back(&printer);
    form().PrintAllSlides1->trigger();
    EXPECT_EQ(PdfPages(printed), 7);
    const std::string text = PdfText(printed);
    EXPECT_EQ(text.rfind("pg. 1.\nA\n\fpg. 2.\nB\n\fpg. 3.\nC\n", 0), 0u);
    EXPECT_NE(text.find("pg. 7.\nG\n"), std::string::npos);
    EXPECT_GT(PageColours(printed)[1], 300); // the frame

    // "Selected slides only" with "Sorted by name" from the drop-down.
    ASSERT_TRUE(ClickItem(form().ListBox1, "F"));
    ASSERT_TRUE(ClickItem(form().ListBox1, "B", Qt::ControlModifier));
    ASSERT_TRUE(ClickItem(form().ListBox1, "D", Qt::ControlModifier));
    Settings(3, 1, true);
    dialogs().printers.push_back(&printer);
    form().PrintSlides2->trigger();
    EXPECT_EQ(PdfText(printed), "pg. 1.\nB D F\n\f");

    form().ListBox1->clearSelection();
    Settle();
    dialogs().log.clear();
    Settings(3, 1, true);
    form().PrintSlides2->trigger();
    EXPECT_EQ(dialogs().log, Names{"error: No slides selected."});
}

TEST_F(PrintWindowTest, BlackWhitePrintsBlackOnWhiteAndThePreviewKeepsItsState) {
    ASSERT_TRUE(ClickItem(form().FileListBox1, "red.slb"));
    form().Model().SetPreviewBackground(0x404040);
    dialogs().printers.push_back(&printer);
    form().PrintCurrentSlide1->trigger();
    EXPECT_GT(PageColours(printed)[0], 1000); // the red square

    form().dpdf->SetSettings({1, 1, true, false, TPdfColourMode::BlackWhite});
    dialogs().printers.push_back(&printer);
    form().PrintCurrentSlide2->trigger();
    const std::vector<int> mono = PageColours(printed);
    EXPECT_GT(mono[1], 1000); // the square in black
    EXPECT_EQ(mono[2], 0);    // nothing in colour at all
    EXPECT_EQ(form().Model().RenderState(), TRenderState(0x404040, false));
}

// Dialogs whose print dialog is Qt's own.
class TRealPrintDialogs : public TScriptedDialogs {
public:
    TQtPrinter* qtPrinter = nullptr;
    QWidget* parent = nullptr;
    TPrinter* ChoosePrinter() override { return qtPrinter->Setup(parent) ? qtPrinter : nullptr; }
};

TEST_F(PrintWindowTest, QtPrintDialogAndProgressDialog) {
    TRealPrintDialogs qtDialogs;
    TForm1::TOptions options;
    options.ProgramDir = window.ProgramDir();
    options.SettingsFile = dir.File("real.ini");
    options.Dialogs = &qtDialogs;
    TForm1 real(options);
    qtDialogs.qtPrinter = &printer;
    qtDialogs.parent = &real;
    real.show();
    real.SetTreeFolder(QString::fromStdString(dir.Path()));
    Settle();
    ASSERT_TRUE(ClickItem(real.FileListBox1, "seven.slb"));
    ASSERT_TRUE(ClickItem(real.ListBox1, "C"));
    WhenModal<QPrintDialog>([](QPrintDialog* d) { d->reject(); });
    real.PrintCurrentSlide1->trigger();
    EXPECT_FALSE(FileExists(printed));
    WhenModal<QPrintDialog>([](QPrintDialog* d) { d->accept(); });
    real.PrintCurrentSlide1->trigger();
    EXPECT_EQ(PdfText(printed), "C\n\f");

    // The progress dialog shows once the work takes a moment; its Cancel button stops it.
    TQtDialogs qt(&real);
    std::unique_ptr<TProgress> progress = qt.BeginProgress("Print Slides", 10);
    EXPECT_TRUE(progress->Step(0, "A"));
    QTest::qWait(600);
    EXPECT_TRUE(progress->Step(1, "B"));
    auto* shown = real.findChild<QProgressDialog*>("ProgressDialog");
    ASSERT_TRUE(shown && shown->isVisible());
    EXPECT_EQ(shown->labelText(), "2 of 10: B");
    ClickWidget(shown->findChild<QPushButton*>());
    EXPECT_FALSE(progress->Step(2, "C"));
}

} // namespace
