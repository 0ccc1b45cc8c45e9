// The PDF commands over the window's model: the file chooser, replacing a file, the files they
// write as the sheet settings say, stopping, a slide that cannot be drawn, and the palette and
// colour mode afterwards. (The pages' own layout is tested with the PDF core.)
#include "ModelFixture.h"
#include "PdfTestSupport.h"
#include "SlideWriter.h"
#include "base/Errors.h"
#include "graphics/AcadPal.h"
#include "model/PdfCommands.h"
#include "model/SheetSettings.h"

#include <gtest/gtest.h>

namespace {

class TScriptedSettings : public TSheetSettingsDialog {
public:
    TSheetSettings values;
    bool ok = true;
    TSheetSettings Settings() const override { return values; }
    bool Execute(const std::string&) override { return ok; }
};

// The texts shown on the pages, but the page numbers, in file order.
std::string Captions(const std::string& path) {
    std::string captions;
    for (const std::string& s : InflatedStreams(ReadFileText(path)))
        for (size_t at = s.find(") Tj"); at != std::string::npos; at = s.find(") Tj", at + 1)) {
            const size_t open = s.rfind('(', at);
            if (s.compare(open + 1, 3, "pg.") != 0)
                captions += s.substr(open + 1, at - open - 1) + " ";
        }
    return captions;
}

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
    EXPECT_EQ(PdfColourMode, TPdfColourMode::Color);
    EXPECT_EQ(BackgroundColour, 0u);
    EXPECT_EQ(Palette[7], 0xFFFFFFu);
}

TEST_F(PdfCommandTest, SheetsFollowTheSettingsAndStoppingKeepsThePagesDrawn) {
    const std::string file = dir.File("sheets.pdf");
    Answer(file);
    MakeSlideSheetPdf(model, settings);
    EXPECT_EQ(dialogs.log,
              (std::vector<std::string>{"save: Save as PDF", "progress: Make PDF (4)"}));
    EXPECT_EQ(Captions(file), "ALPHA BETA DELTA GAMMA ");
    ExpectValidPdf(ReadFileText(file), 4);

    model.SetSelection({3, 0}); // BETA, GAMMA
    settings.values.SelectedOnly = true;
    settings.values.Sorted = false;
    settings.values.Columns = 2;
    Answer(file);
    dialogs.okAnswers.push_back(true);
    MakeSlideSheetPdf(model, settings);
    EXPECT_EQ(Captions(file), "GAMMA BETA ");
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
    EXPECT_EQ(Captions(file), "ALPHA BETA ");
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
    EXPECT_EQ(PdfColourMode, TPdfColourMode::Color);
    EXPECT_EQ(Palette[7], 0xFFFFFFu);
}

} // namespace
