// Printed pages without a printer: the sheet grid, page labels, frames and captions in device
// units, the colour mode, stopping, failures, and the print commands over the window's model.
#include "ScriptedDialogs.h"
#include "SlideFixtures.h"
#include "SlideWriter.h"
#include "TestFiles.h"
#include "base/Errors.h"
#include "graphics/AcadPal.h"
#include "model/Commands.h"
#include "model/PrintCommands.h"
#include "model/Printer.h"
#include "model/SheetSettings.h"
#include "model/WindowModel.h"
#include "slides/SlideClasses.h"
#include "slides/Slides.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

std::string Hex(TColor c) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
    return text;
}

// A printer canvas that logs what reaches the paper: lines with their pen colour and width,
// polylines, text.
class TLogCanvas : public TPrinterCanvas {
public:
    std::vector<std::string>& log;
    explicit TLogCanvas(std::vector<std::string>& l) : log(l) {}

    void FillRect(const TRect& r) override {
        log.push_back("fill " + std::to_string(r.Left) + " " + std::to_string(r.Top));
    }
    void MoveTo(int x, int y) override { m_x = x, m_y = y; }
    void LineTo(int x, int y) override {
        log.push_back("line " + std::to_string(m_x) + " " + std::to_string(m_y) + " " +
                      std::to_string(x) + " " + std::to_string(y) + " " + Hex(m_penColor) + " w" +
                      std::to_string(m_penWidth));
        m_x = x, m_y = y;
    }
    void SetPixel(int, int, TColor) override {}
    void Polygon(const TPoint*, size_t) override { log.push_back("polygon " + Hex(m_brushColor)); }
    void Polyline(const TPoint* p, size_t n) override {
        std::string line = "frame";
        for (size_t i = 0; i < n; ++i)
            line += " " + std::to_string(p[i].x) + "," + std::to_string(p[i].y);
        log.push_back(line + " " + Hex(m_penColor) + " w" + std::to_string(m_penWidth));
    }
    void TextOut(int x, int y, const std::string& text) override {
        log.push_back("text " + std::to_string(x) + " " + std::to_string(y) + " " + text + " " +
                      Hex(m_penColor) + " " + m_fontName + " " + std::to_string(m_fontSize));
    }
    int TextWidth(const std::string& text) override { return 10 * static_cast<int>(text.size()); }
    int FontHeight() override { return 67; } // 8 points at 600 dpi

private:
    int m_x = 0, m_y = 0;
};

// A 4800 x 6800 page.
class TLogPrinter : public TPrinter {
public:
    std::vector<std::string> log;
    bool failToBegin = false;

    void BeginDoc() override {
        if (failToBegin)
            throw EVarnelError("Cannot print to \"x\".");
        log.push_back("begin");
        m_open = true;
    }
    void NewPage() override { log.push_back("page"); }
    void EndDoc() override {
        if (m_open)
            log.push_back("end");
        m_open = false;
    }
    int PageWidth() const override { return 4800; }
    int PageHeight() const override { return 6800; }
    TPrinterCanvas& Canvas() override { return m_canvas; }

    std::vector<std::string> Only(const std::string& prefix) const {
        std::vector<std::string> lines;
        for (const std::string& l : log)
            if (l.rfind(prefix, 0) == 0)
                lines.push_back(l);
        return lines;
    }
    // begin, page, end and the page labels: the document's outline.
    std::vector<std::string> Outline() const {
        std::vector<std::string> lines;
        for (const std::string& l : log)
            if (l == "begin" || l == "page" || l == "end" || l.find(" pg.  ") != std::string::npos)
                lines.push_back(l);
        return lines;
    }

private:
    TLogCanvas m_canvas{log};
    bool m_open = false;
};

class TScriptedSettings : public TSheetSettingsDialog {
public:
    TSheetSettings values;
    std::vector<std::string> captions;
    bool ok = true;

    TSheetSettings Settings() const override { return values; }
    bool Execute(const std::string& caption) override {
        captions.push_back(caption);
        return ok;
    }
};

class TCountingProgress : public TProgress {
public:
    int steps = 0;
    int stopAt = -1;
    bool Step(int, const std::string&) override { return ++steps != stopAt; }
};

std::vector<uint8_t> ColourSlide() {
    TSlideWriter w(100, 100);
    w.Colour(1); // red
    w.Vector(10, 10, 90, 10);
    w.Colour(255); // exactly white
    w.Vector(10, 20, 90, 20);
    w.Colour(7); // black on white paper
    w.Vector(10, 30, 90, 30);
    w.Colour(8); // grey
    w.Vector(10, 40, 90, 40);
    w.End();
    return w.Bytes();
}

struct TLib {
    std::unique_ptr<TSlideLib> lib = TSlideLib::CreateEmpty();
    std::vector<TPrintEntry> entries;

    explicit TLib(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& slides) {
        for (const auto& [name, bytes] : slides) {
            TMemoryStream m(bytes);
            auto slide = TSlide::CreateFromStream(name, m);
            lib->AddCopy(slide.get());
        }
        for (int i = 0; i < lib->Count(); ++i)
            entries.push_back({lib->SlideName(i), lib->Slide(i)});
    }
};

TLib SevenSlides() {
    std::vector<std::pair<std::string, std::vector<uint8_t>>> slides;
    for (const char* name : {"S1", "S2", "S3", "S4", "S5", "S6", "S7"})
        slides.push_back({name, MakeSlide(400, 300)});
    return TLib(slides);
}

class PrintTest : public ::testing::Test {
protected:
    void TearDown() override {
        BackgroundColour = 0;
        BuildPalette();
    }
};

TEST_F(PrintTest, SevenSlidesOnThreeByTwoGiveTwoPages) {
    TLib s = SevenSlides();
    TLogPrinter printer;
    EXPECT_TRUE(PrintSheets(printer, s.entries, 3, 2, TPdfColourMode::Color));
    // fh 67: top = 150 + round(80.4) = 230; the label stands at 4800 - 5 * 67 - 70, 230 - 134.
    EXPECT_EQ(printer.Outline(),
              (std::vector<std::string>{"begin", "text 4395 96 pg.  1. 000000 Arial 8", "page",
                                        "text 4395 96 pg.  2. 000000 Arial 8", "end"}));
    // Usable 4500 x 6420: cells round(0.9 * 4500 / 3) = 1350 wide at a pitch of 1500, rows
    // 3210 apart and trunc((6420 - 402) / 2) = 3009 high; frames 2 units wide in black.
    const std::vector<std::string> frames = printer.Only("frame");
    ASSERT_EQ(frames.size(), 7u);
    EXPECT_EQ(frames[0], "frame 150,230 1500,230 1500,3239 150,3239 150,230 000000 w2");
    EXPECT_EQ(frames[1].substr(0, 16), "frame 1650,230 3");
    EXPECT_EQ(frames[3], "frame 150,3440 1500,3440 1500,6449 150,6449 150,3440 000000 w2");
    EXPECT_EQ(frames[6], frames[0]); // the seventh slide opens page 2 at the top left
    // Captions under the cells, black, in the caption font.
    const std::vector<std::string> texts = printer.Only("text");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "text 190 3269 S1 000000 Arial 8"),
              texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "text 3190 6479 S6 000000 Arial 8"),
              texts.end());
    // The slides themselves are drawn with a one-unit pen, inside their cells.
    for (const std::string& line : printer.Only("line"))
        EXPECT_NE(line.find(" w1"), std::string::npos) << line;
}

TEST_F(PrintTest, OneByOneFramesEverySlideOnItsOwnLabelledPage) {
    TLib s = SevenSlides();
    TLogPrinter printer;
    PrintSheets(printer, s.entries, 1, 1, TPdfColourMode::Color);
    const std::vector<std::string> outline = printer.Outline();
    ASSERT_EQ(outline.size(), 2u + 7u + 6u);
    for (int page = 1; page <= 7; ++page)
        EXPECT_NE(std::find(outline.begin(), outline.end(),
                            "text 4395 96 pg.  " + std::to_string(page) + ". 000000 Arial 8"),
                  outline.end());
    EXPECT_EQ(printer.Only("frame").size(), 7u);
    // One cell: round(0.9 * 4500) = 4050 wide, trunc(6420 - 201) = 6219 high.
    EXPECT_EQ(printer.Only("frame")[4],
              "frame 150,230 4200,230 4200,6449 150,6449 150,230 000000 w2");
}

TEST_F(PrintTest, BlackWhitePrintsBlackOnWhiteExceptExactWhite) {
    TLib s({{"C", ColourSlide()}});
    TLogPrinter colour;
    PrintSheets(colour, s.entries, 1, 1, TPdfColourMode::Color);
    std::vector<std::string> lines = colour.Only("line");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[0].find(" ff0000 "), std::string::npos);
    EXPECT_NE(lines[1].find(" ffffff "), std::string::npos);
    EXPECT_NE(lines[2].find(" 000000 "), std::string::npos); // colour 7 on white paper
    EXPECT_NE(lines[3].find(" 767676 "), std::string::npos);

    TLogPrinter mono;
    PrintSheets(mono, s.entries, 1, 1, TPdfColourMode::BlackWhite);
    lines = mono.Only("line");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NE(lines[0].find(" 000000 "), std::string::npos);
    EXPECT_NE(lines[1].find(" ffffff "), std::string::npos);
    EXPECT_NE(lines[2].find(" 000000 "), std::string::npos);
    EXPECT_NE(lines[3].find(" 000000 "), std::string::npos);
    // The screen's palette and the printer rule are back as they were.
    EXPECT_EQ(BackgroundColour, 0u);
    EXPECT_EQ(Palette[7], 0xFFFFFFu);
    EXPECT_FALSE(PrintMonochrome);
}

TEST_F(PrintTest, CurrentSlidePageCaptionAndFit) {
    TLib s({{"PLAN", ColourSlide()}});
    TLogPrinter printer;
    PrintSlidePage(printer, *s.entries[0].Slide, "PLAN", TPdfColourMode::BlackWhite);
    EXPECT_EQ(printer.log.front(), "begin");
    EXPECT_EQ(printer.log[1], "text 150 150 PLAN 000000 Arial 8");
    EXPECT_EQ(printer.log.back(), "end");
    EXPECT_TRUE(printer.Only("frame").empty());
    // The square slide fits the rectangle 150..4650 x 230..6650 (4501 x 6421): scale 45.01,
    // centred vertically 960 units down; its first line, at slide y 10, lands on row
    // round(6421 - 450.1 - 960) + 230.
    const std::vector<std::string> lines = printer.Only("line");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "line 600 5241 4201 5241 000000 w1");
    EXPECT_FALSE(PrintMonochrome);
}

TEST_F(PrintTest, StoppingEndsTheDocumentWithThePagesDone) {
    TLib s = SevenSlides();
    TLogPrinter printer;
    TCountingProgress progress;
    progress.stopAt = 5; // the fifth cell is not printed
    EXPECT_FALSE(PrintSheets(printer, s.entries, 1, 1, TPdfColourMode::Color, &progress));
    EXPECT_EQ(printer.Only("frame").size(), 4u);
    // No fifth page was started for nothing.
    EXPECT_EQ(printer.Only("page").size(), 3u);
    EXPECT_EQ(printer.log.back(), "end");

    TLogPrinter grid;
    TCountingProgress stopSecond;
    stopSecond.stopAt = 2;
    EXPECT_FALSE(PrintSheets(grid, s.entries, 3, 2, TPdfColourMode::Color, &stopSecond));
    EXPECT_EQ(grid.Only("frame").size(), 1u);
    EXPECT_EQ(grid.log.back(), "end");
}

TEST_F(PrintTest, FailuresEndTheDocumentAndRestoreThePalette) {
    std::vector<uint8_t> cut = MakeSlide(100, 100);
    cut.resize(cut.size() - 6); // the slide ends inside a record
    TLib s({{"A", MakeSlide(100, 100)}, {"B", cut}, {"C", MakeSlide(100, 100)}});
    TLogPrinter printer;
    EXPECT_THROW(PrintSheets(printer, s.entries, 1, 1, TPdfColourMode::BlackWhite), EReadError);
    EXPECT_EQ(printer.log.back(), "end");
    EXPECT_EQ(printer.Only("frame").size(), 1u);
    EXPECT_EQ(BackgroundColour, 0u);
    EXPECT_EQ(Palette[7], 0xFFFFFFu);
    EXPECT_FALSE(PrintMonochrome);

    TLogPrinter none;
    EXPECT_THROW(PrintSheets(none, {}, 1, 1, TPdfColourMode::Color), EVarnelError);
    EXPECT_THROW(PrintSheets(none, s.entries, 101, 1, TPdfColourMode::Color), EVarnelError);
    EXPECT_TRUE(none.log.empty());

    TLogPrinter closed;
    closed.failToBegin = true;
    EXPECT_THROW(PrintSlidePage(closed, *s.entries[0].Slide, "A", TPdfColourMode::BlackWhite),
                 EVarnelError);
    EXPECT_FALSE(PrintMonochrome);
}

// ---- The commands over the window's model ----

class PrintCommandTest : public PrintTest {
protected:
    void SetUp() override {
        for (const char* name : {"d.sld", "B.sld", "a.sld", "C.sld"})
            WriteFileBytes(dir.File(name), MakeSlide(200, 100));
        model.SetPreviewSize(100, 50);
        ASSERT_TRUE(model.TreeFolderChanged(dir.Path()));
        ASSERT_EQ(model.Items(), (std::vector<std::string>{"a.sld", "B.sld", "C.sld", "d.sld"}));
    }
    std::vector<std::string> Captions(const TLogPrinter& p) const {
        std::vector<std::string> captions;
        for (const std::string& t : p.Only("text"))
            if (t.find(" pg.  ") == std::string::npos)
                captions.push_back(t.substr(t.find(".sld") - 1, 5));
        return captions;
    }

    TTempDir dir;
    TScriptedDialogs dialogs;
    TWindowModel model{dialogs};
    TScriptedSettings settings;
    TLogPrinter printer;
};

TEST_F(PrintCommandTest, SheetsAskForSettingsThenPrinterInTheirOrder) {
    // Cancel in the settings: no print dialog.
    settings.ok = false;
    btnPrintClick(model, settings);
    EXPECT_EQ(settings.captions, std::vector<std::string>{"Print Slides"});
    EXPECT_TRUE(dialogs.log.empty());

    // The print dialog cancelled: nothing printed.
    settings.ok = true;
    PrintSlideSheets(model, settings);
    EXPECT_EQ(dialogs.log, std::vector<std::string>{"print dialog"});
    EXPECT_TRUE(printer.log.empty());

    // Selected slides in name order, whatever order they were selected in.
    model.SetSelection({3, 0, 1});
    settings.values.SelectedOnly = true;
    dialogs.printers.push_back(&printer);
    PrintSlideSheets(model, settings);
    EXPECT_EQ(Captions(printer), (std::vector<std::string>{"a.sld", "B.sld", "d.sld"}));
    EXPECT_EQ(dialogs.log.back(), "progress: Print Slides 3");

    // In list order when not sorted.
    TLogPrinter unsorted;
    settings.values.Sorted = false;
    settings.values.SelectedOnly = false;
    dialogs.printers.push_back(&unsorted);
    PrintSlideSheets(model, settings);
    EXPECT_EQ(Captions(unsorted), (std::vector<std::string>{"a.sld", "B.sld", "C.sld", "d.sld"}));
}

TEST_F(PrintCommandTest, NothingSelectedSaysSoWithoutAskingForAPrinter) {
    model.SetSelection({});
    settings.values.SelectedOnly = true;
    PrintSlideSheets(model, settings);
    EXPECT_EQ(dialogs.log, std::vector<std::string>{"error: No slides selected."});
}

TEST_F(PrintCommandTest, CurrentSlideUsesTheDialogsColourModeWithoutShowingIt) {
    model.SetSelection({2, 1});
    settings.values.ColourMode = TPdfColourMode::BlackWhite;
    dialogs.printers.push_back(&printer);
    PrintCurrentSlide1Click(model, settings);
    EXPECT_TRUE(settings.captions.empty());
    EXPECT_EQ(printer.Only("text"), std::vector<std::string>{"text 150 150 B.sld 000000 Arial 8"});
    for (const std::string& line : printer.Only("line"))
        EXPECT_NE(line.find(" 000000 "), std::string::npos) << line; // red printed black

    // No selected slide: nothing at all, and the command does not apply.
    model.SetSelection({});
    EXPECT_FALSE(CommandApplies(model, TCommand::PrintCurrentSlide));
    EXPECT_TRUE(CommandApplies(model, TCommand::PrintSlides));
    PrintCurrentSlide1Click(model, settings);
    EXPECT_EQ(dialogs.log, std::vector<std::string>{"print dialog"});
}

} // namespace
