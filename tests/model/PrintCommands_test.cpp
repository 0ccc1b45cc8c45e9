// Printed pages without a printer: the sheet grid in device units, labels, frames, captions, the
// colour mode, stopping and failures. (The commands' dialogs are tested in the window.)
#include "RecordingCanvas.h"
#include "SlideFixtures.h"
#include "SlideWriter.h"
#include "base/Errors.h"
#include "graphics/AcadPal.h"
#include "model/PrintCommands.h"
#include "model/Printer.h"
#include "model/Progress.h"
#include "slides/SlideClasses.h"
#include "slides/Slides.h"

#include <gtest/gtest.h>

namespace {

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

TEST(PrintSheets, BlackWhiteStoppingAndFailuresRestoreEverything) {
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
    EXPECT_FALSE(PrintMonochrome);
    EXPECT_EQ(BackgroundColour, 0u); // the screen's palette is back
    EXPECT_EQ(Palette[7], 0xFFFFFFu);

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
    EXPECT_FALSE(PrintMonochrome);
    EXPECT_EQ(Palette[7], 0xFFFFFFu);
    TLogPrinter none;
    EXPECT_THROW(PrintSheets(none, {}, 1, 1, TPdfColourMode::Color), EVarnelError);
    EXPECT_TRUE(none.log.empty());
}

} // namespace
