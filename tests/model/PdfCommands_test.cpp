// The PDF commands over the window's model: the file chooser, the files they write (the
// current-slide page, contact sheets), the sheet settings, replacing a file, stopping, a slide
// that cannot be drawn, and the palette and colour mode afterwards.
#include "PdfTestSupport.h"
#include "ScriptedDialogs.h"
#include "SlideFixtures.h"
#include "SlideWriter.h"
#include "TestFiles.h"
#include "base/Errors.h"
#include "graphics/AcadPal.h"
#include "model/Commands.h"
#include "model/PdfCommands.h"
#include "model/SheetSettings.h"
#include "model/WindowModel.h"
#include "output/SlidesToPdf.h"

#include <gtest/gtest.h>

namespace {

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

std::string FileText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// The captions written under the cells, in file order.
std::string SheetCaptions(const std::string& file) {
    std::string captions;
    for (const std::string& s : InflatedStreams(file)) {
        for (size_t at = s.find(") Tj"); at != std::string::npos; at = s.find(") Tj", at + 1)) {
            const size_t open = s.rfind('(', at);
            const std::string text = s.substr(open + 1, at - open - 1);
            if (text.rfind("pg.", 0) != 0)
                captions += text + " ";
        }
    }
    return captions;
}

class PdfCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteLibrary(dir.File("plans.slb"), {{"GAMMA", MakeSlide(640, 480)},
                                             {"ALPHA", MakeSlide(640, 480)},
                                             {"DELTA", MakeSlide(640, 480)},
                                             {"BETA", MakeSlide(640, 480)}});
        model.SetPreviewSize(100, 50);
        ASSERT_TRUE(model.TreeFolderChanged(dir.Path()));
        ASSERT_EQ(model.ChooseSource(0), TSourceKind::Library);
        ASSERT_EQ(model.Items().size(), 4u);
    }
    void TearDown() override {
        BackgroundColour = 0;
        BuildPalette();
    }
    void Answer(const std::string& file) { dialogs.files.push_back(TFileChoice{file, 1}); }

    TFixedPdfClock clock;
    TTempDir dir;
    TScriptedDialogs dialogs;
    TWindowModel model{dialogs};
    TScriptedSettings settings;
};

TEST_F(PdfCommandTest, SavepdfStartsInTheShownFolder) {
    const TFileDialogOptions o = SavepdfOptions(model, "PLAN");
    EXPECT_EQ(o.Filter, "Adoby PDF files|*.pdf");
    EXPECT_EQ(o.DefaultExt, "PDF");
    EXPECT_EQ(o.InitialDir, dir.Path());
    EXPECT_EQ(o.FileName, "PLAN.pdf");
    EXPECT_EQ(SavepdfOptions(model, "a/b.sld").FileName, "a_b.pdf");
}

TEST_F(PdfCommandTest, CurrentSlidePageUnderItsName) {
    model.SelectItem(2);
    const std::string file = dir.File("delta.pdf");
    Answer(file);
    MakeCurrentSlidePdf(model, settings);
    EXPECT_TRUE(settings.captions.empty()); // the dialog is not shown
    EXPECT_EQ(dialogs.log, std::vector<std::string>{"save: Save as PDF"});
    const std::string text = FileText(file);
    EXPECT_NE(text.find("/MediaBox [0 0 842 596 ]"), std::string::npos);
    const std::vector<std::string> streams = InflatedStreams(text);
    ASSERT_EQ(streams.size(), 1u);
    EXPECT_EQ(streams[0].rfind("/F0 10 Tf\n/F0 8 Tf\nBT\n48 548 Td\n(DELTA) Tj\nET\n0.3 w\n"
                               "0 0 0 RG\n0 0 0 rg\n1 0 0 RG\n1 0 0 rg\n",
                               0),
              0u);
    ExpectValidPdf(text, 1);
    EXPECT_EQ(BackgroundColour, 0u);
    EXPECT_EQ(Palette[7], 0xFFFFFFu);

    // The dialog's colour choice holds for the current slide too.
    settings.values.ColourMode = TPdfColourMode::BlackWhite;
    Answer(dir.File("bw.pdf"));
    MakeCurrentSlidePdf(model, settings);
    const std::string bw = InflatedStreams(FileText(dir.File("bw.pdf"))).at(0);
    EXPECT_EQ(bw.find("1 0 0 RG"), std::string::npos);
    EXPECT_EQ(PdfColourMode, TPdfColourMode::Color);

    // Cancelled: no file.
    MakeCurrentSlidePdf(model, settings);
    EXPECT_EQ(dialogs.log.back(), "save: Save as PDF");
}

TEST_F(PdfCommandTest, ReplacingAFileIsAskedFirst) {
    const std::string file = dir.File("old.pdf");
    WriteFileBytes(file, {'o', 'l', 'd'});
    Answer(file);
    MakeCurrentSlidePdf(model, settings); // the question is cancelled
    EXPECT_EQ(dialogs.log.back(), "confirm: \"" + file + "\" already exists. Replace it?");
    EXPECT_EQ(FileText(file), "old");
    Answer(file);
    dialogs.okAnswers.push_back(true);
    MakeCurrentSlidePdf(model, settings);
    EXPECT_EQ(FileText(file).rfind("%PDF-1.2", 0), 0u);
}

TEST_F(PdfCommandTest, OneByOneSheetsNumberAndFrameEveryPage) {
    const std::string file = dir.File("sheets.pdf");
    Answer(file);
    MakeSlideSheetPdf(model, settings);
    EXPECT_EQ(settings.captions, std::vector<std::string>{"PDF Settings"});
    EXPECT_EQ(dialogs.log, (std::vector<std::string>{"save: Save as PDF", "progress: Make PDF 4"}));
    const std::string text = FileText(file);
    const std::vector<std::string> streams = InflatedStreams(text);
    ASSERT_EQ(streams.size(), 4u);
    EXPECT_EQ(streams[0].rfind("/F0 10 Tf\n/F0 8 Tf\nBT\n451.76 794 Td\n(pg.  1.) Tj\nET\n", 0),
              0u);
    EXPECT_NE(streams[0].find("36 782 m\n507.6 782 l\n507.6 78 l\n36 78 l\n36 782 l\nS\n"
                              "BT\n66 63 Td\n(ALPHA) Tj\nET\n"),
              std::string::npos);
    EXPECT_EQ(SheetCaptions(text), "ALPHA BETA DELTA GAMMA ");
    ExpectValidPdf(text, 4);
    EXPECT_EQ(BackgroundColour, 0u);
    EXPECT_EQ(Palette[7], 0xFFFFFFu);
}

TEST_F(PdfCommandTest, SettingsChooseSlidesOrderGridAndColour) {
    model.SetSelection({3, 0}); // BETA, GAMMA
    settings.values.SelectedOnly = true;
    settings.values.Columns = 2;
    settings.values.ColourMode = TPdfColourMode::BlackWhite;
    const std::string file = dir.File("two.pdf");
    Answer(file);
    MakeSlideSheetPdf(model, settings);
    std::string text = FileText(file);
    EXPECT_EQ(SheetCaptions(text), "BETA GAMMA ");
    EXPECT_EQ(InflatedStreams(text).at(0).find("1 0 0 RG"), std::string::npos);
    ExpectValidPdf(text, 1);

    settings.values.Sorted = false;
    Answer(file);
    dialogs.okAnswers.push_back(true);
    MakeSlideSheetPdf(model, settings);
    EXPECT_EQ(SheetCaptions(FileText(file)), "GAMMA BETA ");

    // Nothing selected: said so, no file chooser.
    model.SetSelection({});
    dialogs.log.clear();
    MakeSlideSheetPdf(model, settings);
    EXPECT_EQ(dialogs.log, std::vector<std::string>{"error: No slides selected."});
    EXPECT_FALSE(CommandApplies(model, TCommand::PdfCurrentSlide));
    EXPECT_TRUE(CommandApplies(model, TCommand::PdfSlides));

    // Cancel in the settings: nothing else is asked.
    settings.ok = false;
    MakeSlideSheetPdf(model, settings);
    EXPECT_EQ(dialogs.log.size(), 1u);
}

TEST_F(PdfCommandTest, StoppingKeepsThePagesDrawn) {
    dialogs.cancelProgressAfter = 2;
    const std::string file = dir.File("stopped.pdf");
    Answer(file);
    MakeSlideSheetPdf(model, settings);
    const std::string text = FileText(file);
    EXPECT_EQ(SheetCaptions(text), "ALPHA BETA ");
    ExpectValidPdf(text, 2);
}

TEST_F(PdfCommandTest, ASlideThatCannotBeDrawnIsReportedAfterSaving) {
    TSlideWriter bad(100, 100);
    bad.Vector(1, 1, 2, 2);
    bad.Raw({0x00, 0x85});
    bad.End();
    WriteLibrary(dir.File("plans.slb"),
                 {{"A", MakeSlide(640, 480)}, {"B", bad.Bytes()}, {"C", MakeSlide(640, 480)}});
    model.ReloadSlideList();
    ASSERT_EQ(model.Items().size(), 3u);
    const std::string file = dir.File("broken.pdf");
    Answer(file);
    settings.values.ColourMode = TPdfColourMode::BlackWhite;
    ExpectThrowMessage<EVarnelError>([&] { MakeSlideSheetPdf(model, settings); },
                                     "Slide \"B\": Stream read error\n\"" + file +
                                         "\" holds the pages drawn before it.");
    ExpectValidPdf(FileText(file), 2);
    EXPECT_EQ(PdfColourMode, TPdfColourMode::Color);
    EXPECT_EQ(BackgroundColour, 0u);
    EXPECT_EQ(Palette[7], 0xFFFFFFu);
}

} // namespace
