// The picture commands without a window: the export's prompts, files, sizes and palette, the
// dialog's kept values, the clipboard picture's size rule, and pictures traced into slides.
#include "ModelFixture.h"
#include "ModelTestSupport.h"
#include "graphics/AcadPal.h"
#include "graphics/Bitmap4.h"
#include "graphics/BmpReader.h"
#include "graphics/BmpWriter.h"
#include "model/Commands.h"
#include "model/ExportCommands.h"

#include <gtest/gtest.h>

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at, bool big = false) {
    return big ? (uint32_t(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3]
               : b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}

// Width x height of a BMP (read back with the project's reader), a PNG (its IHDR) or an EMF (its
// bounds, right and bottom inclusive).
std::string PictureSize(const std::string& path) {
    const std::vector<uint8_t> b = ReadFileBytes(path);
    if (path.ends_with(".bmp")) {
        TBitmap bitmap;
        LoadBmpFile(path, bitmap);
        return std::to_string(bitmap.Width()) + "x" + std::to_string(bitmap.Height());
    }
    if (path.ends_with(".png"))
        return std::to_string(U32(b, 16, true)) + "x" + std::to_string(U32(b, 20, true));
    return std::to_string(U32(b, 16) + 1) + "x" + std::to_string(U32(b, 20) + 1);
}

// The export dialog as a user who sets these choices and presses OK (or Cancel).
class TScriptedExportDialog : public TExportDialog {
public:
    TExportChoices choices;
    bool pressOk = true;
    std::vector<std::string> shownFor;

    std::optional<TExportChoices> Execute(const std::string& currentSlide,
                                          const TOkStep& okStep) override {
        shownFor.push_back(currentSlide);
        if (!pressOk || !okStep(choices))
            return std::nullopt;
        return choices;
    }
};

class ExportCommandsTest : public TModelTest {
protected:
    void SetUp() override {
        WriteFileBytes(dir.File("PLAN.SLD"), MakeSlide(400, 300));
        WriteFileBytes(dir.File("wide.sld"), MakeSlide(1000, 500));
        WriteFileBytes(dir.File("tall.sld"), MakeSlide(200, 300));
        model.SetPreviewBackground(0x123456);
        ShowDir(100, 80);
    }
    // The preview's render state is as it was: built for 0x123456, so entry 7 is black.
    void ExpectPreviewPalette() {
        const TPalette& palette = model.RenderState().Palette();
        EXPECT_EQ((std::vector<TColor>{model.PreviewBackground(), palette[0], palette[7]}),
                  (std::vector<TColor>{0x123456, 0x123456, 0}));
    }

    TTempDir out;
    TScriptedExportDialog dialog;
};

TEST_F(ExportCommandsTest, CurrentSlideGoesToTheChosenFileWithTheFormatsExtension) {
    model.SelectItem(0); // PLAN.SLD
    dialog.choices.Format = TImageFormat::Png;
    dialogs.files.push_back(TFileChoice{out.File("picture.dat")});
    SaveAsPicts(model, dialog, 0xC0C0C0);
    EXPECT_EQ(dialog.shownFor, Names{"PLAN.SLD"});
    EXPECT_EQ(dialogs.log, Names{"save: Save Slide As Picture"});
    // The format's name and extension, and no folder of its own yet: the shown one.
    const TFileDialogOptions& o = dialogs.fileOptions.at(0);
    EXPECT_EQ(o.FileName + " " + o.DefaultExt + " " + o.InitialDir, "PLAN.png png " + dir.Path());
    EXPECT_EQ(PictureSize(out.File("picture.png")), "400x300");
    EXPECT_FALSE(FileExists(out.File("picture.dat")));
    EXPECT_EQ(dialog.choices.InitialDir, out.Path());
    ExpectPreviewPalette();

    // A cancelled prompt writes nothing; without a selected slide there is no prompt at all.
    dialogs.log.clear();
    dialog.choices.Format = TImageFormat::Emf;
    SaveAsPicts(model, dialog, 0);
    model.SetSelection({});
    SaveAsPicts(model, dialog, 0);
    EXPECT_EQ(dialogs.log, (Names{"save: Save Slide As Picture", "error: No selected slide!"}));
    EXPECT_EQ(dialog.shownFor.back(), "");
    EXPECT_FALSE(FileExists(out.File("PLAN.emf")));
}

TEST_F(ExportCommandsTest, AllAndSelectedSlidesGoIntoTheChosenFolderAtTheChosenSize) {
    dialog.choices = {TExportSelection::All,
                      TImageFormat::Bmp,
                      TExportSize::Size32,
                      1,
                      1,
                      TExportBackground::Black,
                      "",
                      out.Path()};
    // A folder that is not there yet is made.
    dialogs.folders.push_back(out.File("new/sub"));
    SaveAsPicts(model, dialog, 0);
    EXPECT_EQ(dialogs.log,
              (Names{"folder: Choose the folder for the images", "progress: Export to Image (3)"}));
    EXPECT_EQ(dialogs.folderStarts, Names{out.Path()});
    EXPECT_EQ(dialog.choices.Folder, out.File("new/sub"));
    EXPECT_EQ(dialogs.progressSteps, (Names{"PLAN.bmp", "tall.bmp", "wide.bmp"}));
    for (const std::string& name : dialogs.progressSteps)
        EXPECT_EQ(PictureSize(out.File("new/sub/" + name)), "32x32") << name;
    ExpectPreviewPalette();

    // Selected slides only: just those, custom size and metafiles ten times as large.
    dialog.choices = {TExportSelection::Selected,
                      TImageFormat::Emf,
                      TExportSize::Custom,
                      5000,
                      1,
                      TExportBackground::ButtonFace,
                      "",
                      ""};
    model.SetSelection({0, 2});
    dialogs.folders.push_back(out.Path());
    SaveAsPicts(model, dialog, 0);
    EXPECT_EQ(PictureSize(out.File("PLAN.emf")), "50000x10");
    EXPECT_EQ(ExportOptionsOf(dialog.choices, 0xABCDEF).Background, 0xABCDEFu);
    EXPECT_TRUE(FileExists(out.File("wide.emf")));
    EXPECT_FALSE(FileExists(out.File("tall.emf")));

    // With nothing selected it says so and asks for no folder; "All slides" still applies.
    model.SetSelection({});
    dialogs.log.clear();
    SaveAsPicts(model, dialog, 0);
    EXPECT_EQ(dialogs.log, Names{"error: No selected slides!"});
    EXPECT_TRUE(CommandApplies(model, TCommand::ExportToImage));
    EXPECT_FALSE(CommandApplies(model, TCommand::CopyToClipboard));
    ASSERT_TRUE(model.TreeFolderChanged(out.Path())); // no slides
    EXPECT_FALSE(CommandApplies(model, TCommand::ExportToImage));
    EXPECT_TRUE(CommandApplies(model, TCommand::ImportFromImage));
}

TEST_F(ExportCommandsTest, CancelledOrFailedBatchKeepsWhatWasWrittenAndThePalette) {
    dialog.choices.Which = TExportSelection::All;
    dialog.choices.Format = TImageFormat::Jpg;
    dialogs.cancelProgressAt = 1;
    dialogs.folders.push_back(out.Path());
    SaveAsPicts(model, dialog, 0);
    EXPECT_TRUE(FileExists(out.File("PLAN.jpg")));
    EXPECT_FALSE(FileExists(out.File("tall.jpg")));

    // A slide cut short fails while it is drawn on the export's background: the batch ends
    // there, the files before it stay, and the preview's palette is back.
    std::vector<uint8_t> cut = MakeSlide(300, 300);
    cut.resize(cut.size() - 6);
    WriteFileBytes(dir.File("short.sld"), cut);
    model.ReloadSlideList();
    dialogs.cancelProgressAt = -1;
    dialogs.folders.push_back(out.File("again"));
    EXPECT_THROW(SaveAsPicts(model, dialog, 0), EVarnelError);
    EXPECT_TRUE(FileExists(out.File("again/PLAN.jpg")));
    EXPECT_FALSE(FileExists(out.File("again/short.jpg")));
    EXPECT_FALSE(FileExists(out.File("again/wide.jpg")));
    ExpectPreviewPalette();

    // A folder that cannot be made (a file is in the way) is an error naming it.
    WriteFileBytes(out.File("file"), {1});
    dialogs.folders.push_back(out.File("file/sub"));
    EXPECT_NE(MessageOf<EFileError>([&] { SaveAsPicts(model, dialog, 0); }).find("file/sub"),
              std::string::npos);
    ExpectPreviewPalette();
}

TEST_F(ExportCommandsTest, ClipboardPictureKeepsSmallSlidesAndScalesLargeOnesTo256Square) {
    int w = 0, h = 0;
    ClipboardPictureSize(200, 300, w, h);
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(200, 300));
    ClipboardPictureSize(256, 256, w, h); // exactly 65536 stays
    EXPECT_EQ(std::make_pair(w, h), std::make_pair(256, 256));

    model.SelectItem(2); // wide.sld, 1000 x 500
    const std::optional<TClipboardPicture> picture = ClipboardPicture(model);
    ASSERT_TRUE(picture);
    ASSERT_GT(picture->Emf.size(), 24u);
    EXPECT_EQ(std::make_pair(U32(picture->Emf, 16) + 1, U32(picture->Emf, 20) + 1),
              std::make_pair(3620u, 1810u));
    EXPECT_EQ(std::make_pair(picture->Bitmap->Width(), picture->Bitmap->Height()),
              std::make_pair(362, 181));
    EXPECT_EQ(picture->Bitmap->Canvas().Pixel(180, 90), 0x123456u); // the preview background
    ExpectPreviewPalette();
    // The slide as a drawing, for CAD programs.
    const std::string dxf(picture->Dxf.begin(), picture->Dxf.end());
    EXPECT_NE(dxf.find("AC1009"), std::string::npos);
    EXPECT_NE(dxf.find("\nwide\n"), std::string::npos); // the layer named after the slide
    EXPECT_NE(dxf.find("\nEOF\n"), std::string::npos);

    model.SetSelection({});
    EXPECT_FALSE(ClipboardPicture(model));
    EXPECT_EQ(dialogs.log, Names{"error: No selected slide!"});
}

TEST_F(ExportCommandsTest, PictureBecomesASlideBesideItAndShowsInTheFolder) {
    TBitmap4 p;
    p.Width = 3;
    p.Height = 2;
    p.Indices = {9, 15, 15, 0, 0, 15}; // red, white, black
    WriteFileBytes(dir.File("logo.bmp"), EncodeBmp4(p));
    dialogs.files.push_back(TFileChoice{dir.File("logo.bmp")});
    const TBmpPictureReader reader;
    EXPECT_EQ(ConvertBMPToSlideClick(model, reader), dir.File("logo.sld"));
    EXPECT_EQ(dialogs.fileOptions.at(0).DefaultExt, "bmp");
    const std::vector<uint8_t> slide = ReadFileBytes(dir.File("logo.sld"));
    ASSERT_GT(slide.size(), 31u);
    EXPECT_EQ(slide[19] | (slide[20] << 8), 3);
    EXPECT_EQ(slide[21] | (slide[22] << 8), 2);
    // The new slide is in the list and selected.
    EXPECT_EQ(model.Items()[static_cast<size_t>(model.SelectedSlide())], "logo.sld");

    // An existing slide file is replaced only when the user agrees.
    const std::vector<uint8_t> mine = {1, 2, 3};
    WriteFileBytes(dir.File("logo.sld"), mine);
    dialogs.log.clear();
    dialogs.files.push_back(TFileChoice{dir.File("logo.bmp")});
    dialogs.okAnswers.push_back(false);
    EXPECT_EQ(ConvertBMPToSlideClick(model, reader), "");
    EXPECT_EQ(ReadFileBytes(dir.File("logo.sld")), mine);
    EXPECT_EQ(dialogs.log.at(1), "confirm: The slide file \"" + dir.File("logo.sld") +
                                     "\" already exists. Replace it?");

    // A picture elsewhere leaves the list alone; a damaged one names itself and writes nothing.
    WriteFileBytes(out.File("x.bmp"), EncodeBmp4(p));
    const int generation = model.ListGeneration();
    dialogs.files.push_back(TFileChoice{out.File("x.bmp")});
    ConvertBMPToSlideClick(model, reader);
    EXPECT_TRUE(FileExists(out.File("x.sld")));
    EXPECT_EQ(model.ListGeneration(), generation);
    WriteFileBytes(out.File("bad.bmp"), {'B', 'M', 1});
    dialogs.files.push_back(TFileChoice{out.File("bad.bmp")});
    EXPECT_THROW(ConvertBMPToSlideClick(model, reader), EVarnelError);
    EXPECT_FALSE(FileExists(out.File("bad.sld")));
}

TEST_F(ExportCommandsTest, DrawingBecomesASlideAndWhatItCannotDrawIsNamed) {
    const std::string drawing = "0\nSECTION\n2\nENTITIES\n"
                                "0\nLINE\n8\n0\n62\n1\n10\n0\n20\n0\n11\n200\n21\n100\n"
                                "0\n3DSOLID\n8\n0\n0\nENDSEC\n0\nEOF\n";
    WriteFileText(dir.File("drawing.dxf"), drawing);
    dialogs.files.push_back(TFileChoice{dir.File("drawing.dxf")});
    const TBmpPictureReader reader;
    EXPECT_EQ(ConvertBMPToSlideClick(model, reader), dir.File("drawing.sld"));
    EXPECT_NE(dialogs.fileOptions.at(0).Filter.find("DXF Drawings (*.dxf)|*.dxf"),
              std::string::npos);
    const std::vector<uint8_t> slide = ReadFileBytes(dir.File("drawing.sld"));
    ASSERT_GT(slide.size(), 31u);
    EXPECT_EQ(slide[19] | (slide[20] << 8), 2048); // fitted into 2048 x 1536, aspect kept
    EXPECT_EQ(slide[21] | (slide[22] << 8), 1025); // 100 x 2047 / 200 + 1
    EXPECT_EQ(dialogs.log.back(),
              "warning: \"" + dir.File("drawing.dxf") + "\": Not drawn: 1 3DSOLID.");
    EXPECT_EQ(model.Items()[static_cast<size_t>(model.SelectedSlide())], "drawing.sld");

    // A drawing that cannot be read names itself and writes nothing.
    WriteFileText(dir.File("bad.dxf"), "no drawing\n");
    dialogs.files.push_back(TFileChoice{dir.File("bad.dxf")});
    EXPECT_NE(
        MessageOf<EVarnelError>([&] { ConvertBMPToSlideClick(model, reader); }).find("bad.dxf"),
        std::string::npos);
    EXPECT_FALSE(FileExists(dir.File("bad.sld")));
}

} // namespace
