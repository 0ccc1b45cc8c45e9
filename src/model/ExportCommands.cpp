#include "model/ExportCommands.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/Streams.h"
#include "base/UiHooks.h"
#include "dxf/DxfToSlide.h"
#include "graphics/BmpReader.h"
#include "graphics/Metafile.h"
#include "model/EditHistory.h"
#include "model/WindowModel.h"
#include "output/SlideGraphic.h"
#include "settings/Settings.h"
#include "slides/FileKinds.h"
#include "slides/SlideClasses.h"
#include "slides/SlideConvert.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <iterator>

namespace {

const char* const kNoSelectedSlide = "No selected slide!";
const char* const kNoSelectedSlides = "No selected slides!";

constexpr int kFormatCount = static_cast<int>(std::size(kDialogFormats));

// An item index read from the settings: the default when it is not one of count choices.
int ReadIndex(const TIniFile& ini, const TIntSetting& setting, int count) {
    const int index = ReadSetting(ini, setting);
    return index >= 0 && index < count ? index : setting.Default;
}

int FormatIndex(TImageFormat format) {
    for (int i = 0; i < kFormatCount; ++i)
        if (kDialogFormats[i] == format)
            return i;
    return 0;
}

std::string SlideLabel(const TSlideLib& list, int index) {
    return "\"" + Cp1252ToUtf8(list.SlideName(index)) + "\"";
}

} // namespace

// ---- The export dialog ----

TExportOptions ExportOptionsOf(const TExportChoices& choices, TColor buttonFace) {
    TExportOptions options;
    options.Format = choices.Format;
    options.Size = choices.Size;
    options.CustomWidth = choices.Width;
    options.CustomHeight = choices.Height;
    options.Background = ExportBackgroundColour(choices.Background, buttonFace);
    return options;
}

TExportChoices ReadExportChoices(const TIniFile& ini) {
    using namespace Settings;
    TExportChoices c;
    c.Width = std::clamp(ReadSetting(ini, kExportWidth), kMinCustomSize, kMaxCustomSize);
    c.Height = std::clamp(ReadSetting(ini, kExportHeight), kMinCustomSize, kMaxCustomSize);
    c.Format = kDialogFormats[ReadIndex(ini, kExportFormat, kFormatCount)];
    c.Size = static_cast<TExportSize>(ReadIndex(ini, kExportSize, 4));
    c.Which = static_cast<TExportSelection>(ReadIndex(ini, kExportSelection, 3));
    c.Background = static_cast<TExportBackground>(ReadIndex(ini, kExportBackground, 3));
    c.InitialDir = ReadSetting(ini, kExportSaveFolder);
    c.Folder = ReadSetting(ini, kExportFolder);
    return c;
}

void WriteExportChoices(TIniFile& ini, const TExportChoices& c) {
    using namespace Settings;
    WriteSetting(ini, kExportWidth, c.Width);
    WriteSetting(ini, kExportHeight, c.Height);
    WriteSetting(ini, kExportFormat, FormatIndex(c.Format));
    WriteSetting(ini, kExportSize, static_cast<int>(c.Size));
    WriteSetting(ini, kExportSelection, static_cast<int>(c.Which));
    WriteSetting(ini, kExportBackground, static_cast<int>(c.Background));
    WriteSetting(ini, kExportSaveFolder, c.InitialDir);
    WriteSetting(ini, kExportFolder, c.Folder);
}

std::optional<TExportTarget> ExportDialogOk(TWindowModel& model, TExportChoices& choices,
                                            const std::string& shownFolder) {
    TDialogs& dialogs = model.Dialogs();
    const TSlideLib* list = model.CurrentList();
    const std::string ext = ImageExtension(choices.Format);

    if (choices.Which == TExportSelection::Current) {
        const TSlide* slide = list ? list->Slide(model.SelectedSlide()) : nullptr;
        if (slide == nullptr) {
            dialogs.ShowError(kNoSelectedSlide);
            return std::nullopt;
        }
        TFileDialogOptions prompt;
        prompt.Title = "Save Slide As Picture";
        prompt.Filter = ImageFilter(choices.Format);
        prompt.DefaultExt = ext.substr(1);
        prompt.FileName = ExportFileName(*slide, choices.Format);
        prompt.InitialDir = choices.InitialDir.empty() ? shownFolder : choices.InitialDir;
        const std::optional<TFileChoice> file = dialogs.SaveFileName(prompt);
        if (!file)
            return std::nullopt;
        choices.InitialDir = FolderOf(file->FileName);
        return TExportTarget{ChangeFileExt(file->FileName, ext), {}};
    }

    if (choices.Which == TExportSelection::Selected && model.Selection().empty()) {
        dialogs.ShowError(kNoSelectedSlides);
        return std::nullopt;
    }
    const std::optional<std::string> folder = dialogs.ChooseFolder(
        "Choose the folder for the images", choices.Folder.empty() ? shownFolder : choices.Folder);
    if (!folder)
        return std::nullopt;
    choices.Folder = *folder;
    return TExportTarget{{}, *folder};
}

void SaveAsPicts(TWindowModel& model, TExportDialog& dialog, TColor buttonFace) {
    if (!model.CurrentList())
        return;
    const int current = model.SelectedSlide();
    const std::string currentName =
        current >= 0 ? model.Items()[static_cast<size_t>(current)] : std::string();
    const std::string shownFolder = model.Folder();

    std::optional<TExportTarget> target;
    const std::optional<TExportChoices> choices =
        dialog.Execute(currentName, [&](TExportChoices& c) {
            target = ExportDialogOk(model, c, shownFolder);
            return target.has_value();
        });
    const TSlideLib* list = model.CurrentList();
    if (!choices || !target || !list)
        return;
    const TExportOptions options = ExportOptionsOf(*choices, buttonFace);

    if (choices->Which == TExportSelection::Current) {
        ExportSlideToFile(*list, current, target->File, options);
        return;
    }
    // Item i of the slide list stands for slide i of the current list; "all" are the slides
    // the list shows.
    const std::vector<int> indices =
        choices->Which == TExportSelection::All ? model.ShownItems() : model.Selection();
    std::unique_ptr<TProgress> progress;
    if (indices.size() > 1)
        progress =
            model.Dialogs().BeginProgress("Export to Image", static_cast<int>(indices.size()));
    ExportSlidesToFolder(*list, indices, target->Folder, options,
                         [&](size_t done, const std::string& path) {
                             if (!progress)
                                 return true;
                             return progress->Step(static_cast<int>(done), BaseName(path));
                         });
}

// ---- The clipboard ----

void ClipboardPictureSize(int highX, int highY, int& width, int& height) {
    width = highX;
    height = highY;
    const double w = highX;
    const double h = highY;
    if (w * h > 65536.0) {
        // The same area as 256 x 256, in the slide's proportions; halves round to even.
        const double r = w / h;
        width = static_cast<int>(std::lrint(std::sqrt(r) * 256.0));
        height = static_cast<int>(std::lrint(std::sqrt(1.0 / r) * 256.0));
    }
}

std::optional<TClipboardPicture> ClipboardPicture(TWindowModel& model) {
    const TSlideLib* list = model.CurrentList();
    if (!list)
        return std::nullopt;
    const int index = model.SelectedSlide();
    if (list->Slide(index) == nullptr) {
        model.Dialogs().ShowError(kNoSelectedSlide);
        return std::nullopt;
    }
    TClipboardPicture picture;
    ClipboardPictureSize(list->SlideHighX(index), list->SlideHighY(index), picture.Width,
                         picture.Height);
    if (picture.Width < 1 || picture.Height < 1)
        throw EVarnelError("Slide " + SlideLabel(*list, index) + " has the extents " +
                           std::to_string(list->SlideHighX(index)) + " x " +
                           std::to_string(list->SlideHighY(index)) + ", which give no picture");

    UiHooks::TBusyCursor busy;
    try {
        // The preview's render state: the clipboard gets what the preview shows.
        const TRenderState state = model.RenderState();
        TMetafile metafile(TMetafileFormat::Emf);
        const bool invalid =
            DrawToGraphic(*list, index, metafile, picture.Height, picture.Width, state).Invalid;
        picture.Emf = metafile.Bytes();
        picture.Bitmap = std::make_unique<TBitmap>();
        DrawToGraphic(*list, index, *picture.Bitmap, picture.Height, picture.Width, state);
        // Both pictures stop at the same record: the user hears of it once.
        if (invalid)
            UiHooks::ShowMessage(kInvalidSlideMessage);
        TExportOptions dxf;
        dxf.Format = TImageFormat::Dxf;
        picture.Dxf = RenderSlideImage(*list, index, dxf);
    } catch (const EReadError& e) {
        throw EVarnelError("Cannot copy slide " + SlideLabel(*list, index) + ": " + e.what());
    } catch (const ESlideError& e) {
        throw EVarnelError("Cannot copy slide " + SlideLabel(*list, index) + ": " + e.what());
    }
    return picture;
}

// ---- Pictures into slides ----

void TBmpPictureReader::Load(const std::string& path, TBitmap& bitmap) const {
    LoadBmpFile(path, bitmap);
}

std::string ConvertBMPToSlideClick(TWindowModel& model, const TPictureReader& reader) {
    TDialogs& dialogs = model.Dialogs();
    TFileDialogOptions prompt;
    prompt.Title = "Import from Image";
    prompt.Filter = "Bitmaps (*.bmp)|*.bmp";
    if (const std::string more = reader.Filter(); !more.empty())
        prompt.Filter += "|" + more;
    prompt.Filter += "|DXF Drawings (*.dxf)|*.dxf";
    prompt.DefaultExt = "bmp";
    prompt.InitialDir = model.Folder();
    const std::optional<TFileChoice> image = dialogs.OpenFileName(prompt);
    if (!image)
        return {};
    const std::string slideFile = ChangeFileExt(image->FileName, ".sld");

    TMemoryStream slide;
    std::string notDrawn;
    // The file's kind, not the filter the chooser showed, decides how it is read.
    if (FileKindOf(image->FileName) == TFileKind::Drawing) {
        UiHooks::TBusyCursor busy;
        const std::vector<uint8_t> bytes = ReadWholeFile(image->FileName);
        TDxfConversion drawing =
            DxfToSlide(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                       image->FileName);
        slide.WriteBuffer(drawing.Slide.data(), drawing.Slide.size());
        slide.SetPosition(0);
        notDrawn = drawing.NotDrawn;
    } else {
        UiHooks::TBusyCursor busy;
        TBitmap bitmap;
        reader.Load(image->FileName, bitmap);
        // Colours become the indices of the preview's palette; black pixels are the slide's
        // background and are left out.
        const TRasterPixels pixels(bitmap.Canvas());
        BitmapToSlide(slide, pixels, {0, 0, bitmap.Width() - 1, bitmap.Height() - 1},
                      model.RenderState().Palette(), RGBColor(0, 0, 0));
    }
    std::error_code ec;
    if (std::filesystem::exists(slideFile, ec) &&
        !dialogs.ConfirmOkCancel("The slide file \"" + slideFile +
                                 "\" already exists. Replace it?"))
        return {};
    TEditRecorder record(model, "Import from Image");
    record.Before(slideFile);
    {
        UiHooks::TBusyCursor busy;
        SaveFileAtomically(slideFile, [&](TStream& stream) {
            stream.WriteBuffer(slide.Memory(), static_cast<size_t>(slide.Size()));
        });
    }

    if (model.Page() == TPage::Slides && !model.LibraryView() &&
        SamePlace(FolderOf(slideFile), model.Folder())) {
        model.ReloadSlideList();
        // The new slide shows in the preview, also when the filter would hide it.
        model.ShowMadeSlide(BaseName(slideFile));
    }
    if (!notDrawn.empty())
        dialogs.ShowWarning("\"" + image->FileName + "\": " + notDrawn);
    return slideFile;
}
