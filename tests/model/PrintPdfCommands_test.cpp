// The PDF commands over the window's model: the file chooser, replacing a file, the files they
// write as the sheet settings say, stopping, a slide that cannot be drawn, and the palette and
// colour mode afterwards (the pages' own layout is tested with the PDF core). Printed pages
// without a printer: the sheet grid in device units, labels, frames, captions, the colour mode,
// stopping and failures (the print commands' dialogs are tested in the window).
#include "ModelFixture.h"
#include "PdfTestSupport.h"
#include "RecordingCanvas.h"
#include "SlideWriter.h"
#include "base/Errors.h"
#include "graphics/AcadPal.h"
#include "model/PdfCommands.h"
#include "model/PrintCommands.h"
#include "model/Printer.h"
#include "model/SheetSettings.h"
#include "slides/SlideClasses.h"
#include "slides/Slides.h"

#include <gtest/gtest.h>

namespace {

class TScriptedSettings : public TSheetSettingsDialog {
public:
    TSheetSettings values;
    bool ok = true;
    TSheetSettings Settings() const override { return values; }
    bool Execute(const std::string&) override { return ok; }
};

class PdfCommandTest : public TModelTest {
protected:
    void SetUp() override {
        WriteLibrary(dir.File("plans.slb"), {{"GAMMA", MakeSlide(640, 480)},
                                             {"ALPHA", MakeSlide(640, 480)},
                                             {"DELTA", MakeSlide(640, 480)},
                                             {"BETA", MakeSlide(640, 480)}});
        ShowDir(100, 80);
        ASSERT_EQ(Choose("plans.slb"), TSourceKind::Library);
    }
    void Answer(const std::string& file) { dialogs.files.push_back(TFileChoice{file, 1}); }

    TScriptedSettings settings;
};

TEST_F(PdfCommandTest, CurrentSlideInTheShownFolderAskingBeforeReplacing) {
    const TFileDialogOptions o = SavepdfOptions(model, "DELTA");
    EXPECT_EQ(o.Filter, "Adoby PDF files|*.pdf");
    EXPECT_EQ(o.DefaultExt, "PDF");
    EXPECT_EQ(o.InitialDir, dir.Path());
    EXPECT_EQ(o.FileName, "DELTA.pdf");

    const std::string file = dir.File("old.pdf");
    WriteFileBytes(file, {'o', 'l', 'd'});
    model.SelectItem(2);
    Answer(file);
    MakeCurrentSlidePdf(model, settings); // the question is cancelled
    EXPECT_EQ(dialogs.log,
              (std::vector<std::string>{"save: Save as PDF",
                                        "confirm: \"" + file + "\" already exists. Replace it?"}));
    EXPECT_EQ(ReadFileText(file), "old");

    // Replaced, in the dialog's colour mode although the dialog is not shown.
    settings.values.ColourMode = TPdfColourMode::BlackWhite;
    Answer(file);
    dialogs.okAnswers.push_back(true);
    MakeCurrentSlidePdf(model, settings);
    const std::string stream = InflatedStreams(ReadFileText(file)).at(0);
    EXPECT_EQ(stream.rfind("/F0 10 Tf\n/F0 8 Tf\nBT\n48 548 Td\n(DELTA) Tj\nET\n", 0), 0u);
    EXPECT_EQ(stream.find("1 0 0 RG"), std::string::npos); // red drawn black
}

TEST_F(PdfCommandTest, SheetsFollowTheSettingsAndStoppingKeepsThePagesDrawn) {
    const std::string file = dir.File("sheets.pdf");
    Answer(file);
    MakeSlideSheetPdf(model, settings);
    EXPECT_EQ(dialogs.log,
              (std::vector<std::string>{"save: Save as PDF", "progress: Make PDF (4)"}));
    EXPECT_EQ(PdfCaptions(file), "ALPHA BETA DELTA GAMMA ");
    ExpectValidPdf(ReadFileText(file), 4);

    model.SetSelection({3, 0}); // BETA, GAMMA
    settings.values.SelectedOnly = true;
    settings.values.Sorted = false;
    settings.values.Columns = 2;
    Answer(file);
    dialogs.okAnswers.push_back(true);
    MakeSlideSheetPdf(model, settings);
    EXPECT_EQ(PdfCaptions(file), "GAMMA BETA ");
    ExpectValidPdf(ReadFileText(file), 1);

    model.SetSelection({});
    dialogs.log.clear();
    MakeSlideSheetPdf(model, settings);
    EXPECT_EQ(dialogs.log, std::vector<std::string>{"error: No slides selected."});

    settings.values = {};
    dialogs.cancelProgressAt = 2;
    Answer(file);
    dialogs.okAnswers.push_back(true);
    MakeSlideSheetPdf(model, settings);
    EXPECT_EQ(PdfCaptions(file), "ALPHA BETA ");
    ExpectValidPdf(ReadFileText(file), 2);
}

TEST_F(PdfCommandTest, ASlideThatCannotBeDrawnIsReportedAfterSaving) {
    TSlideWriter bad(100, 100);
    bad.Vector(1, 1, 2, 2);
    bad.Raw({0x00, 0x85});
    bad.End();
    WriteLibrary(dir.File("plans.slb"),
                 {{"A", MakeSlide(640, 480)}, {"B", bad.Bytes()}, {"C", MakeSlide(640, 480)}});
    model.ReloadSlideList();
    const std::string file = dir.File("broken.pdf");
    Answer(file);
    settings.values.ColourMode = TPdfColourMode::BlackWhite;
    ExpectThrowMessage<EVarnelError>([&] { MakeSlideSheetPdf(model, settings); },
                                     "Slide \"B\": Stream read error\n\"" + file +
                                         "\" holds the pages drawn before it.");
    ExpectValidPdf(ReadFileText(file), 2);
}

// A 4800 x 6800 page whose canvas logs lines (pen colour and width), frames and texts; its font
// is 67 units high (8 points at 600 dpi) and each character 10 units wide.
class TLogPrinter : public TPrinter, public TPrinterCanvas {
public:
    std::vector<std::string> log;

    void BeginDoc() override { log.push_back("begin"); }
    void NewPage() override { log.push_back("page"); }
    void EndDoc() override { log.push_back("end"); }
    int PageWidth() const override { return 4800; }
    int PageHeight() const override { return 6800; }
    TPrinterCanvas& Canvas() override { return *this; }

    void FillRect(const TRect&) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override { log.push_back("line " + Pen()); }
    void SetPixel(int, int, TColor) override {}
    void Polygon(const TPoint*, size_t) override {}
    void Polyline(const TPoint* p, size_t n) override {
        std::string line = "frame";
        for (size_t i = 0; i < n; ++i)
            line += " " + std::to_string(p[i].x) + "," + std::to_string(p[i].y);
        log.push_back(line + " " + Pen());
    }
    void TextOut(int x, int y, const std::string& text) override {
        log.push_back("text " + std::to_string(x) + " " + std::to_string(y) + " " + text + " " +
                      ColourText(m_penColor) + " " + m_fontName + " " + std::to_string(m_fontSize));
    }
    int TextWidth(const std::string& text) override { return 10 * static_cast<int>(text.size()); }
    int FontHeight() override { return 67; }

    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> lines;
        for (const std::string& l : log)
            if (l.rfind(prefix, 0) == 0)
                lines.push_back(l);
        return lines;
    }

private:
    std::string Pen() const { return ColourText(m_penColor) + " w" + std::to_string(m_penWidth); }
};

// Asks to stop at the fifth step.
struct TStopAtFifth : TProgress {
    int left = 5;
    bool Step(int, const std::string&) override { return --left > 0; }
};

struct TEntries {
    std::unique_ptr<TSlideLib> lib = TSlideLib::CreateEmpty();
    std::vector<TPrintEntry> list;
    explicit TEntries(const std::vector<std::vector<uint8_t>>& slides) {
        for (size_t i = 0; i < slides.size(); ++i) {
            TMemoryStream m(slides[i]);
            lib->AddCopy(TSlide::CreateFromStream("S" + std::to_string(i + 1), m).get());
            list.push_back({lib->SlideName(static_cast<int>(i)), lib->Slide(static_cast<int>(i))});
        }
    }
};

TEST(PrintSheets, GridLabelsFramesAndCaptionsInDeviceUnits) {
    TEntries seven(std::vector<std::vector<uint8_t>>(7, MakeSlide(400, 300)));
    TLogPrinter p;
    EXPECT_TRUE(PrintSheets(p, seven.list, 3, 2, TPdfColourMode::Color));
    // fh 67: top = 150 + round(80.4) = 230; the label at 4800 - 5 * 67 - 70, 230 - 134.
    EXPECT_EQ(p.log.front(), "begin");
    EXPECT_EQ(p.log[1], "text 4395 96 pg.  1. 000000 Arial 8");
    EXPECT_EQ(p.Only("page").size(), 1u);
    EXPECT_EQ(p.log.back(), "end");
    // Usable 4500 x 6420: cells round(0.9 * 4500 / 3) = 1350 wide at a pitch of 1500, rows
    // 3210 apart, trunc((6420 - 402) / 2) = 3009 high; frames 2 units wide in black.
    const std::vector<std::string> frames = p.Only("frame");
    ASSERT_EQ(frames.size(), 7u);
    EXPECT_EQ(frames[0], "frame 150,230 1500,230 1500,3239 150,3239 150,230 000000 w2");
    EXPECT_EQ(frames[5], "frame 3150,3440 4500,3440 4500,6449 3150,6449 3150,3440 000000 w2");
    EXPECT_EQ(frames[6], frames[0]); // the seventh slide opens page 2 at the top left
    EXPECT_EQ(p.Only("text 190 3269 S1 000000 Arial 8").size(), 1u); // under the cell
    EXPECT_EQ(p.Only("text 190 3269 S7 000000 Arial 8").size(), 1u);
    for (const std::string& line : p.Only("line"))
        EXPECT_EQ(line, "line ff0000 w1"); // the slides' own lines, thin, in their colour

    // 1 x 1: every slide framed on its own labelled page.
    TLogPrinter one;
    PrintSheets(one, seven.list, 1, 1, TPdfColourMode::Color);
    EXPECT_EQ(one.Only("page").size(), 6u);
    EXPECT_EQ(one.Only("text 4395 96 pg.  7. 000000 Arial 8").size(), 1u);
    EXPECT_EQ(one.Only("frame 150,230 4200,230 4200,6449 150,6449 150,230 000000 w2").size(), 7u);
}

TEST(PrintSheets, BlackWhiteStoppingAndFailuresEndTheDocument) {
    TSlideWriter w(100, 100);
    for (const int colour : {1, 255, 7, 8}) { // red, exact white, black on paper, grey
        w.Colour(colour);
        w.Vector(10, 10 * colour % 90, 90, 10);
    }
    w.End();
    TEntries coloured({w.Bytes()});
    TLogPrinter mono;
    PrintSlidePage(mono, *coloured.list[0].Slide, "S1", TPdfColourMode::BlackWhite);
    EXPECT_EQ(mono.log[1], "text 150 150 S1 000000 Arial 8");
    EXPECT_EQ(mono.Only("line"), (std::vector<std::string>{"line 000000 w1", "line ffffff w1",
                                                           "line 000000 w1", "line 000000 w1"}));

    // Stopped before the fifth cell: four pages, no fifth started for nothing.
    TEntries seven(std::vector<std::vector<uint8_t>>(7, MakeSlide(100, 100)));
    TLogPrinter stopped;
    TStopAtFifth stop;
    EXPECT_FALSE(PrintSheets(stopped, seven.list, 1, 1, TPdfColourMode::Color, &stop));
    EXPECT_EQ(stopped.Only("frame").size(), 4u);
    EXPECT_EQ(stopped.Only("page").size(), 3u);
    EXPECT_EQ(stopped.log.back(), "end");

    // A slide cut short ends the document with what was printed.
    std::vector<uint8_t> cut = MakeSlide(100, 100);
    cut.resize(cut.size() - 6);
    TEntries broken({MakeSlide(100, 100), cut});
    TLogPrinter failed;
    EXPECT_THROW(PrintSheets(failed, broken.list, 1, 1, TPdfColourMode::BlackWhite), EReadError);
    EXPECT_EQ(failed.log.back(), "end");
    EXPECT_EQ(failed.Only("frame").size(), 1u);
    TLogPrinter none;
    EXPECT_THROW(PrintSheets(none, {}, 1, 1, TPdfColourMode::Color), EVarnelError);
    EXPECT_TRUE(none.log.empty());
}

} // namespace
