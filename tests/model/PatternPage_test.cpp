// The pattern page without widgets: opening, selecting, zooming, editing and storing, thumbnails,
// saving as a pattern file or PDF sheets, and files that are not pattern files.
#include "ModelTestSupport.h"
#include "PdfTestSupport.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "base/UiHooks.h"
#include "model/PatternPage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

const std::string kPatterns =
    ";; test patterns\r\n*ANSI31,ANSI Iron\r\n45, 0,0, 0,.125\r\n"
    "*BRICK,Brick\r\n0, 0,0, 0,.25\r\n90, 0,0, .25,.25, .25,-.25\r\n"
    "*GRID\xE9,grid\r\n0, 0,0, 0,1\r\n90, 0,0, 0,1\r\n*Gravel,stones\r\n0, 0,0, 0,1\r\n";

class PatternPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileText(file, kPatterns);
        page.SetPreviewSize(271, 181);
    }
    void Open() { page.OpenFile(file); }
    Names Listed() const {
        Names names;
        for (const TPatternEntry& e : page.Entries())
            names.push_back(e.Name);
        return names;
    }

    TTempDir dir;
    std::string file = dir.File("test.pat");
    TScriptedDialogs dialogs;
    TPatternPage page{dialogs};
};

TEST_F(PatternPageTest, OpeningSelectingAndScaling) {
    EXPECT_EQ(page.LabelText(), "Scale:");
    Open();
    EXPECT_EQ(Listed(), (Names{"ANSI31", "BRICK", "GRID\xE9", "Gravel"}));
    EXPECT_EQ(page.SelectedEntry(), 0);
    EXPECT_EQ(page.Module().CurrentPatternLine, 1);
    EXPECT_EQ(page.EditorLines(), (Names{"*ANSI31,ANSI Iron", "45, 0,0, 0,.125"}));
    EXPECT_EQ(page.LabelText(), "Scale: 100.00");
    EXPECT_GT(Inked(page.Preview()), 1000);
    EXPECT_FALSE(page.HasUnstoredEdits());
    EXPECT_TRUE(dialogs.log.empty());

    // Selecting the pattern shown again does not redraw.
    const int drawn = page.PreviewGeneration();
    EXPECT_TRUE(page.SelectEntry(0));
    EXPECT_EQ(page.PreviewGeneration(), drawn);
    EXPECT_TRUE(page.SelectEntry(1));
    EXPECT_GT(page.PreviewGeneration(), drawn);
    EXPECT_EQ(page.EditorLines().front(), "*BRICK,Brick");
    EXPECT_FALSE(page.SelectEntry(7)); // no such entry: nothing changes
    EXPECT_EQ(page.SelectedEntry(), 1);

    // Plus scales by one and a half, also after the preview grew: the grid's vertical lines at
    // multiples of 37.5 pixels reach the new right part.
    page.SelectEntry(2);
    EXPECT_EQ(page.PatternScale(), 25);
    page.Enlarge();
    page.SetPreviewSize(450, 300);
    EXPECT_EQ(page.Module().TileWidth, 450);
    EXPECT_EQ(page.PatternScale(), 37.5);
    EXPECT_EQ(page.Preview().Pixel(375, 160), 0u);
    EXPECT_EQ(page.Preview().Pixel(376, 160), 0xFFFFFFu);
    page.Enlarge();
    EXPECT_EQ(page.PatternScale(), 56.25);
    EXPECT_EQ(page.LabelText(), "Scale:  56.25");
    // A new selection starts at the automatic scale again; Gravel's goes no higher.
    page.SelectEntry(3);
    page.Enlarge();
    EXPECT_EQ(page.LabelText(), "Scale:  75.00");
}

TEST_F(PatternPageTest, ButtonsBeforeAnyPatternClearThePreview) {
    for (auto press : {&TPatternPage::Redraw, &TPatternPage::Enlarge, &TPatternPage::Reduce}) {
        TScriptedDialogs d;
        TPatternPage fresh(d);
        fresh.SetPreviewSize(60, 40);
        (fresh.*press)();
        EXPECT_EQ(Inked(fresh.Preview()), 0);
        EXPECT_TRUE(fresh.Module().PatternLines.empty());
    }
}

TEST_F(PatternPageTest, AnotherSelectionAsksBeforeDroppingTheUsersEdits) {
    Open();
    // The page's own filling of the editor is no edit of the user's.
    page.SelectEntry(1);
    page.SelectEntry(0);
    EXPECT_TRUE(dialogs.log.empty());

    // No keeps the edits (the window's test types them and answers No to a click); the thumbnail
    // build replaces the editor's text as well and asks the same; Yes drops them.
    page.EditorChanged({"*ANSI31,ANSI Iron", "0, 0,0, 0,.5"});
    dialogs.yesNoAnswers = {false, true};
    page.SetThumbnailsShown(true);
    EXPECT_EQ(dialogs.log, Names{"yes/no: Discard the changes to this pattern?"});
    EXPECT_FALSE(page.ThumbnailsShown());
    EXPECT_EQ(page.ThumbnailCount(), 0);
    EXPECT_TRUE(page.SelectEntry(2));
    EXPECT_EQ(page.EditorLines().front(), "*GRID\xE9,grid");
    EXPECT_FALSE(page.HasUnstoredEdits());
    // After Redraw the edits are stored: no question.
    dialogs.log.clear();
    page.EditorChanged({"*GRID,grid", "0, 0,0, 0,1"});
    page.Redraw();
    EXPECT_TRUE(page.SelectEntry(0));
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(PatternPageTest, RedrawStoresTheEditorAndSaveWritesStoredEditsOnly) {
    Open();
    page.SelectEntry(1);
    page.EditorChanged({"*BRICKS,renamed", "0, 0,0, 0,.5", "90, 0,0, 0,.5", "; four lines now"});
    // Drawn at the scale in use (the one BRICK was shown at), then stored.
    page.Redraw();
    EXPECT_EQ(page.LabelText(), "Scale: 100.00");
    EXPECT_EQ(Listed(), (Names{"ANSI31", "BRICKS", "GRID\xE9", "Gravel"}));
    EXPECT_EQ(page.Entries()[2].HeaderLine, 7);
    // Typed but not redrawn: not in the file.
    page.EditorChanged({"*BRICKS,renamed", "0, 0,0, 0,.75"});

    // The dialog starts at the file.
    const TFileDialogOptions o = page.PatsaveOptions();
    EXPECT_EQ(o.Filter, "Hatch Pattern files (*.pat)|*.pat|PDF file|*.pdf");
    EXPECT_EQ(o.DefaultExt + " " + o.InitialDir + " " + o.FileName, "pat " + dir.Path() + " test");
    const std::string copy = dir.File("copy.pat");
    dialogs.files = {TFileChoice{copy, 1}};
    page.Save();
    // CR LF lines; only BRICK's stored edits differ from the file.
    const std::string brick = "*BRICK,Brick\r\n0, 0,0, 0,.25\r\n90, 0,0, .25,.25, .25,-.25\r\n";
    std::string expected = kPatterns;
    expected.replace(expected.find(brick), brick.size(),
                     "*BRICKS,renamed\r\n0, 0,0, 0,.5\r\n90, 0,0, 0,.5\r\n; four lines now\r\n");
    EXPECT_EQ(ReadFileText(copy), expected);
    // The loaded file itself is left alone.
    EXPECT_EQ(ReadFileText(file), kPatterns);

    // Another file is replaced only after a question; saving over the open file is a plain save.
    const std::string other = dir.File("other.pat");
    WriteFileText(other, "keep me");
    dialogs.files = {TFileChoice{other, 1}};
    dialogs.okAnswers = {false};
    page.Save();
    EXPECT_EQ(dialogs.log.back(), "confirm: \"" + other + "\" already exists. Replace it?");
    EXPECT_EQ(ReadFileText(other), "keep me");
    dialogs.log.clear();
    dialogs.files = {TFileChoice{file, 1}};
    page.Save();
    EXPECT_EQ(dialogs.log, Names{"save: Save File as Slide-Library-File"});
    EXPECT_EQ(ReadFileText(file).find(";; test patterns\r\n*ANSI31,ANSI Iron\r\n45,"), 0u);
    EXPECT_NE(ReadFileText(file).find("*BRICKS,renamed\r\n"), std::string::npos);
}

TEST_F(PatternPageTest, SaveWithThePdfFilterWritesEveryPatternAndKeepsThePreviewScale) {
    std::string text = "*P0,first\r\n0, 0,0, 0,.5\r\n";
    for (int k = 1; k < 16; ++k)
        text += "*P" + std::to_string(k) + "\r\n45, 0,0, 0,.3\r\n";
    WriteFileText(file, text);
    Open();
    page.Enlarge();
    EXPECT_EQ(page.PatternScale(), 37.5);
    dialogs.files = {TFileChoice{dir.File("sheets"), 2}};
    page.Save();
    // 16 patterns: two pages of 3 x 5 cells, under the name with ".pdf".
    ExpectValidPdf(ReadFileText(dir.File("sheets.pdf")), 2);
    EXPECT_FALSE(FileExists(dir.File("sheets")));
    EXPECT_EQ(page.PatternScale(), 37.5);
    page.Enlarge();
    EXPECT_EQ(page.PatternScale(), 56.25);
}

TEST_F(PatternPageTest, PdfSheetsHoldThePatternsTheFilterShows) {
    std::string text;
    for (int k = 0; k < 20; ++k)
        text += (k % 4 == 0 ? "*KEEP" : "*P") + std::to_string(k) + "\r\n45, 0,0, 0,.3\r\n";
    WriteFileText(file, text);
    Open();
    // No filter: every pattern, two pages of 3 x 5 cells.
    dialogs.files = {TFileChoice{dir.File("all.pdf"), 2}};
    page.Save();
    ExpectValidPdf(ReadFileText(dir.File("all.pdf")), 2);
    EXPECT_EQ(PdfCaptions(dir.File("all.pdf")).substr(0, 15), "KEEP0 P1 P2 P3 ");

    // The filter shows five of twenty: one page of those five, in list order; the list keeps its
    // entries and the preview its scale.
    page.SetFilter("keep*");
    page.Enlarge();
    const double scale = page.PatternScale();
    dialogs.files = {TFileChoice{dir.File("shown"), 2}};
    page.Save();
    ExpectValidPdf(ReadFileText(dir.File("shown.pdf")), 1);
    EXPECT_EQ(PdfCaptions(dir.File("shown.pdf")), "KEEP0 KEEP4 KEEP8 KEEP12 KEEP16 ");
    EXPECT_EQ(page.Entries().size(), 20u);
    EXPECT_EQ(page.PatternScale(), scale);
    // The pattern file is written whole, whatever the filter shows.
    dialogs.files = {TFileChoice{dir.File("whole.pat"), 1}};
    page.Save();
    EXPECT_EQ(ReadFileText(dir.File("whole.pat")), text);

    // Nothing shown: nothing written, and the user is told why.
    page.SetFilter("none");
    dialogs.files = {TFileChoice{dir.File("empty.pdf"), 2}};
    page.Save();
    EXPECT_FALSE(FileExists(dir.File("empty.pdf")));
    EXPECT_EQ(dialogs.log.back(),
              "warning: The filter shows no patterns to write into a PDF file.");
}

TEST_F(PatternPageTest, TheExtensionTypedDecidesWhatSaveWrites) {
    Open();
    // ".pdf" typed under the pattern filter: PDF sheets, never pattern text in a ".pdf" file;
    // ".PAT" typed under the PDF filter: the pattern file.
    dialogs.files = {TFileChoice{dir.File("typed.pdf"), 1}, TFileChoice{dir.File("typed.PAT"), 2},
                     TFileChoice{dir.File("plain.pat"), 1}};
    page.Save();
    page.Save();
    page.Save();
    ExpectValidPdf(ReadFileText(dir.File("typed.pdf")), 1);
    EXPECT_EQ(ReadFileText(dir.File("typed.PAT")), kPatterns);
    EXPECT_FALSE(FileExists(dir.File("typed.pdf.pdf")));
    EXPECT_EQ(ReadFileText(dir.File("plain.pat")), kPatterns);
}

TEST_F(PatternPageTest, LeavingWithUnsavedEditsAsksToSaveThem) {
    Open();
    // Nothing changed: nothing to ask.
    EXPECT_TRUE(page.ConfirmLeave());
    EXPECT_TRUE(dialogs.log.empty());

    // Typed, not stored: Cancel stays and keeps the edits; No drops them.
    page.EditorChanged({"*ANSI31,typed", "0, 0,0, 0,.5"});
    EXPECT_TRUE(page.HasUnsavedEdits());
    dialogs.answers = {TDialogs::TAnswer::Cancel, TDialogs::TAnswer::No};
    EXPECT_FALSE(page.ConfirmLeave());
    EXPECT_EQ(dialogs.log, Names{"save?: Save the changes to test.pat?"});
    EXPECT_TRUE(page.HasUnsavedEdits());
    EXPECT_EQ(page.EditorLines()[0], "*ANSI31,typed");
    EXPECT_TRUE(page.ConfirmLeave());
    EXPECT_FALSE(page.HasUnsavedEdits());
    EXPECT_EQ(ReadFileText(file), kPatterns);

    // Stored by Redraw and typed again: Yes stores the editor's text and writes the file.
    page.EditorChanged({"*ANSI31,stored", "0, 0,0, 0,.5"});
    page.Redraw();
    page.EditorChanged({"*ANSI31,typed", "0, 0,0, 0,.75"});
    dialogs.answers = {TDialogs::TAnswer::Yes};
    EXPECT_TRUE(page.ConfirmLeave());
    EXPECT_FALSE(page.HasUnsavedEdits());
    EXPECT_EQ(
        ReadFileText(file).find(";; test patterns\r\n*ANSI31,typed\r\n0, 0,0, 0,.75\r\n*BRICK"),
        0u);

    // Stored edits saved under another name are saved; leaving the page drops the rest.
    page.EditorChanged({"*ANSI31,again", "0, 0,0, 0,.5"});
    page.Redraw();
    dialogs.files = {TFileChoice{dir.File("copy.pat"), 1}};
    page.Save();
    EXPECT_FALSE(page.HasUnsavedEdits());
    page.EditorChanged({"*ANSI31,dropped", "0, 0,0, 0,.5"});
    page.PageChanged(false);
    EXPECT_FALSE(page.HasUnsavedEdits());

    // A file that cannot be written: the error is shown and the page stays with its edits.
    Open();
    page.EditorChanged({"*ANSI31,typed", "0, 0,0, 0,.5"});
    std::filesystem::remove(file);
    std::filesystem::create_directory(file); // nothing can replace a folder
    dialogs.log.clear();
    dialogs.answers = {TDialogs::TAnswer::Yes};
    EXPECT_FALSE(page.ConfirmLeave());
    ASSERT_EQ(dialogs.log.size(), 2u);
    EXPECT_EQ(dialogs.log[1].rfind("error: ", 0), 0u) << dialogs.log[1];
    EXPECT_TRUE(page.HasUnsavedEdits());
}

TEST_F(PatternPageTest, ThumbnailsAreBuiltOnceWithProgressAndKeptAcrossTheSwitch) {
    Open();
    page.EditorChanged({"*ANSI31", "0, 0,0, 0,.5"});
    page.Redraw(); // stored: the build asks nothing
    // The preview is smaller than a thumbnail: each thumbnail is still a whole drawing.
    page.SetPreviewSize(60, 40);
    Names progress;
    std::vector<bool> editorShown;
    const UiHooks::TProcessHook saved = UiHooks::SetProcessHook([&] {
        if (progress.empty() || progress.back() != page.LabelText())
            progress.push_back(page.LabelText());
        editorShown.push_back(page.EditorVisible());
    });
    page.SetProgressInterval(0);
    page.SetThumbnailsShown(true);
    UiHooks::SetProcessHook(saved);

    EXPECT_EQ(progress, (Names{"1 of 4:ANSI31 ", "2 of 4:BRICK ", "3 of 4:GRID\xC3\xA9 ",
                               "4 of 4:Gravel ", "Scale:  25.00"}));
    EXPECT_EQ(editorShown.front(), false);
    EXPECT_TRUE(page.EditorVisible());
    EXPECT_TRUE(page.ThumbnailsShown());
    ASSERT_EQ(page.ThumbnailCount(), 4);
    for (int k = 0; k < 4; ++k) {
        // 128 x 80, drawn on white over the whole bitmap, also beyond the preview's 60 x 40.
        const TRasterCanvas& t = page.Thumbnail(k);
        EXPECT_EQ(std::make_pair(t.Width(), t.Height()), std::make_pair(128, 80));
        EXPECT_EQ(page.Entries()[static_cast<size_t>(k)].ThumbnailIndex, k);
        int white = 0;
        for (int i = 0; i < 36 * 64; ++i)
            white += t.Pixel(64 + i % 64, 44 + i / 64) == 0xFFFFFF;
        EXPECT_GT(white, 36 * 64 / 2) << k;
        EXPECT_GT(Inked(t), 100) << k;
    }
    // The first pattern is shown afresh: the stored text.
    EXPECT_EQ(page.SelectedEntry(), 0);
    EXPECT_EQ(page.EditorLines(), (Names{"*ANSI31", "0, 0,0, 0,.5"}));

    const TRasterCanvas* first = &page.Thumbnail(0);
    page.SetThumbnailsShown(false);
    EXPECT_FALSE(page.ThumbnailsShown());
    page.SetThumbnailsShown(true);
    EXPECT_EQ(&page.Thumbnail(0), first);

    // Another file drops them and the switch goes up.
    Open();
    EXPECT_FALSE(page.ThumbnailsShown());
    EXPECT_EQ(page.ThumbnailCount(), 0);
}

TEST_F(PatternPageTest, AtPixelRatio2TheSamePicturesHaveTwiceThePixelsAndLinesOneWide) {
    // The same file on a plain screen and on one of ratio 2, whose preview has twice the pixels.
    TScriptedDialogs hiDialogs;
    TPatternPage hi{hiDialogs};
    hi.SetPixelRatio(2);
    page.SetPreviewSize(150, 100);
    hi.SetPreviewSize(300, 200);
    Open();
    hi.OpenFile(file);
    page.SelectEntry(2);
    hi.SelectEntry(2);
    // The grid's lines lie 25 screen pixels apart on both, 50 device pixels at ratio 2: ink of
    // the plain picture has ink beside twice its coordinates in the other (a line at a half pixel
    // may round to the next device pixel), and lines stay one device pixel wide (drawn, not
    // scaled up), so the ink only doubles with the lines' length.
    const auto samePicture = [](const TRasterCanvas& lo, const TRasterCanvas& twice) {
        ASSERT_EQ(twice.Width(), 2 * lo.Width());
        ASSERT_EQ(twice.Height(), 2 * lo.Height());
        for (int y = 0; y < lo.Height(); ++y)
            for (int x = 0; x < lo.Width(); ++x) {
                bool inked = false;
                for (int d = 0; d < 9; ++d)
                    inked = inked || twice.Pixel(std::max(0, 2 * x + d % 3 - 1),
                                                 std::max(0, 2 * y + d / 3 - 1)) != 0xFFFFFF;
                if (lo.Pixel(x, y) != 0xFFFFFF) {
                    ASSERT_TRUE(inked) << x << "," << y;
                }
            }
        EXPECT_GT(Inked(twice), 3 * Inked(lo) / 2);
        EXPECT_LT(Inked(twice), 5 * Inked(lo) / 2);
    };
    samePicture(page.Preview(), hi.Preview());
    EXPECT_EQ(hi.LabelText(), "Scale:  25.00");
    EXPECT_EQ(hi.PatternScale(), page.PatternScale());
    // "+" scales the picture, not the pixels, on both.
    page.Enlarge();
    hi.Enlarge();
    EXPECT_EQ(hi.LabelText(), "Scale:  37.50");
    samePicture(page.Preview(), hi.Preview());

    page.SetThumbnailsShown(true);
    hi.SetThumbnailsShown(true);
    ASSERT_EQ(hi.ThumbnailCount(), 4);
    EXPECT_EQ(hi.ThumbnailPixelWidth(), 256);
    EXPECT_EQ(hi.ThumbnailPixelHeight(), 160);
    samePicture(page.Thumbnail(2), hi.Thumbnail(2));
    for (int k = 0; k < 4; ++k)
        EXPECT_GT(Inked(hi.Thumbnail(k)), Inked(page.Thumbnail(k))) << k;

    // Ratios no screen has count as the nearest sound one.
    hi.SetPixelRatio(std::nan(""));
    EXPECT_EQ(hi.PixelRatio(), 1);
    hi.SetPixelRatio(1e9);
    EXPECT_EQ(hi.PixelRatio(), 8);
    hi.SetPixelRatio(-2);
    EXPECT_EQ(hi.PixelRatio(), 1);
}

TEST_F(PatternPageTest, AThumbnailThatThrowsIsMarkedAndTheOthersAreDrawn) {
    Open();
    int drawn = 0;
    page.SetThumbnailDrawing([&](const Names& text, TCanvas& canvas) {
        if (text.front().rfind("*BRICK", 0) == 0)
            throw std::bad_alloc();
        canvas.MoveTo(10, 10);
        canvas.LineTo(100, 10);
        ++drawn;
    });
    page.SetThumbnailsShown(true);
    EXPECT_TRUE(page.ThumbnailsShown());
    ASSERT_EQ(page.ThumbnailCount(), 4);
    EXPECT_EQ(drawn, 3);
    for (int k = 0; k < 4; ++k) {
        const bool brick = k == 1;
        EXPECT_EQ(page.ThumbnailProblem(k).empty(), !brick) << k;
        // The red cross of a failed thumbnail.
        EXPECT_EQ(page.Thumbnail(k).Pixel(64, 40) == 0x0000FF, brick) << k;
    }
    EXPECT_EQ(page.ThumbnailProblem(1), "There is not enough memory to draw it.");
    EXPECT_EQ(page.SelectedEntry(), 0);
}

TEST_F(PatternPageTest, FilesThatAreNotPatternFiles) {
    Open();
    // No header line: nothing listed, and nothing of the last file shown.
    const std::string none = dir.File("none.pat");
    WriteFileText(none, ";; nothing\r\n0, 0,0, 0,1\r\n");
    page.OpenFile(none);
    EXPECT_TRUE(page.Entries().empty() && page.EditorLines().empty());
    EXPECT_EQ(Inked(page.Preview()), 0);

    // Binary bytes with header-like lines: they load, draw and make thumbnails, and end.
    std::vector<uint8_t> binary;
    uint32_t seed = 7;
    const char hostile[] = "\n*\0x,1e300,-0,\n1,2,3,1e-300,4e-300,0\n";
    for (int i = 0; i < 100000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        binary.push_back(static_cast<uint8_t>(seed >> 24));
        if (i % 2500 == 0)
            binary.insert(binary.end(), hostile, hostile + sizeof hostile - 1);
    }
    const std::string bin = dir.File("binary.pat");
    WriteFileBytes(bin, binary);
    page.OpenFile(bin);
    EXPECT_GE(page.Entries().size(), 40u);
    page.SetThumbnailsShown(true);
    EXPECT_EQ(page.ThumbnailCount(), static_cast<int>(page.Entries().size()));
    page.Redraw();

    // Too large: the error names the file and the reason, and the page is left empty.
    const std::string large = dir.File("large.pat");
    WriteFileBytes(large, std::vector<uint8_t>(17 * 1024 * 1024, 'x'));
    EXPECT_EQ(MessageOf<EFileError>([&] { page.OpenFile(large); }),
              "\"" + large + "\" is too large for a pattern file");
    EXPECT_TRUE(page.Entries().empty() && page.EditorLines().empty());
    EXPECT_TRUE(page.Module().PatternLines.empty());
    EXPECT_EQ(page.LabelText(), "");
    EXPECT_EQ(Inked(page.Preview()), 0);
    EXPECT_THROW(page.OpenFile(dir.File("missing.pat")), EFileError);
}

TEST(PatternTextTest, EditorTextLinesAndPlace) {
    // The preview: a 3:2 rectangle above the editor, centred; it may be wider than a narrow panel.
    const TPreviewPlace p = PlacePreview(500, 299, 116);
    EXPECT_EQ(std::vector<int>({p.Left, p.Top, p.Width, p.Height}),
              std::vector<int>({114, 0, 271, 181}));
    EXPECT_EQ(PlacePreview(200, 299, 116).Left, -35);
    EXPECT_EQ(PlacePreview(200, 50, 116).Width, 0);

    const Names lines = {"*A,\xE9t\xE9", "", "0, 0,0, 0,1"};
    EXPECT_EQ(PatternLinesToText(lines), "*A,\xC3\xA9t\xC3\xA9\n\n0, 0,0, 0,1");
    EXPECT_EQ(PatternTextToLines(PatternLinesToText(lines)), lines);
    EXPECT_EQ(PatternTextToLines("a\r\nb\n"), (Names{"a", "b"}));
    EXPECT_EQ(PatternTextToLines("a\n\n"), (Names{"a", ""}));
    EXPECT_TRUE(PatternTextToLines("").empty());
    EXPECT_EQ(PatternTextToLines("\xE2\x82\xAC \xE4\xB8\x80"), (Names{"\x80 ?"}));
}

// Pattern files that other CAD programs ship, where they are installed (Debian's freecad-common).
TEST_F(PatternPageTest, PatternFilesOfOtherProgramsOpenAndDraw) {
    const std::string path = "/usr/share/freecad/Mod/TechDraw/PAT/FCPAT.pat";
    if (!std::filesystem::exists(path))
        GTEST_SKIP() << "no pattern files of other programs installed";
    page.OpenFile(path);
    ASSERT_GT(page.Entries().size(), 0u);
    page.SetThumbnailsShown(true);
    for (int k = 0; k < page.ThumbnailCount(); ++k)
        EXPECT_GT(Inked(page.Thumbnail(k)), 50) << page.Entries()[static_cast<size_t>(k)].Name;
    EXPECT_TRUE(dialogs.log.empty());
}

TEST(PatternPageHostile, ThumbnailsOfAFileOfCostlyPatternsShareOneBudget) {
    // 64 KB of patterns whose lines lie a millionth apart: each drawing alone would run to the
    // drawing's limit, all of them together for minutes.
    TScriptedDialogs dialogs;
    TPatternPage page{dialogs};
    page.OpenFile(std::string(VARNEL_SOURCE_DIR) +
                  "/tests/data/malformed/pattern_lines_closer_than_a_pixel.pat");
    ASSERT_GT(page.Entries().size(), 1000u);
    page.SetThumbnailsShown(true);
    EXPECT_EQ(page.ThumbnailCount(), static_cast<int>(page.Entries().size()));
    EXPECT_GT(Inked(page.Thumbnail(0)), 0);
}

} // namespace
