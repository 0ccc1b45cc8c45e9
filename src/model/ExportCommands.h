// The window's picture commands as plain code over the model, TDialogs and the core: slides
// exported as image files (SaveAsPicts, with the export dialog Tfimage behind TExportDialog),
// the current slide copied to the clipboard as a metafile and a bitmap (btnCopyclipClick), and
// a picture traced into a slide file (ConvertBMPToSlideClick).
#pragma once

#include "graphics/Canvas.h"
#include "graphics/Graphic.h"
#include "output/ImageExport.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TIniFile;
class TWindowModel;

// ---- The export dialog ----

// The export dialog's values: its choices and the folders its two prompts start in.
struct TExportChoices {
    TExportSelection Which = TExportSelection::Current; // rbsel
    TImageFormat Format = TImageFormat::Bmp;            // rdFormat
    TExportSize Size = TExportSize::Original;           // rdSize
    int Width = 1;                                      // SpinEdit1, kMinCustomSize..kMaxCustomSize
    int Height = 1;                                     // SpinEdit2, the same range
    TExportBackground Background = TExportBackground::White; // rdback
    std::string InitialDir; // the save prompt's folder (SavePictureDialog1.InitialDir)
    std::string Folder;     // the folder last chosen in the folder prompt

    bool operator==(const TExportChoices&) const = default;
};

// The formats the dialog offers, in the order of its choices (rdFormat's item index).
inline constexpr TImageFormat kDialogFormats[] = {TImageFormat::Bmp, TImageFormat::Png,
                                                  TImageFormat::Jpg, TImageFormat::Wmf,
                                                  TImageFormat::Emf, TImageFormat::Dxf};

// The export options of the dialog's choices; buttonFace is the desktop's button colour.
TExportOptions ExportOptionsOf(const TExportChoices& choices, TColor buttonFace);

// The dialog's values as the settings file keeps them (Settings::kExport..., kExportFolder).
// Missing or damaged values give the defaults; sizes outside the custom-size range are brought
// into it.
TExportChoices ReadExportChoices(const TIniFile& ini);
void WriteExportChoices(TIniFile& ini, const TExportChoices& choices);

// What SaveAsPicts needs of the export dialog Tfimage.
class TExportDialog {
public:
    // Runs when the user presses OK, with the dialog's values (whose folders it may change);
    // false closes the dialog as cancelled.
    using TOkStep = std::function<bool(TExportChoices& choices)>;

    TExportDialog() = default;
    TExportDialog(const TExportDialog&) = delete;
    TExportDialog& operator=(const TExportDialog&) = delete;
    virtual ~TExportDialog() = default;

    // Shows the dialog modally for the current slide's name (empty when no slide is selected).
    // The values when it was closed with OK and okStep agreed; nothing when cancelled.
    virtual std::optional<TExportChoices> Execute(const std::string& currentSlide,
                                                  const TOkStep& okStep) = 0;
};

// Where an export goes: one file for the current slide, a folder for all or selected slides.
struct TExportTarget {
    std::string File;
    std::string Folder;
};

// The dialog's OK step (OKBtnClick). "Current slide": "No selected slide!" without a current
// slide, else the save prompt "Save Slide As Picture" with the format's filter and the proposed
// name; the chosen name gets the format's extension and its folder becomes the prompt's next
// folder. "All slides" and "Selected slides only" ("No selected slides!" with no selection): the
// folder prompt, whose folder is remembered. Nothing when a prompt was cancelled or refused.
// shownFolder is where the prompts start while they have no folder of their own.
std::optional<TExportTarget> ExportDialogOk(TWindowModel& model, TExportChoices& choices,
                                            const std::string& shownFolder);

// "&Export to Image" (SaveAsPicts): with a current list, the export dialog, then one image file
// per slide at the chosen size and background, replacing files of the same names. Batches of
// more than one slide show a progress dialog; cancelling ends the batch after the slide being
// written, and what was written stays. The palette is the preview's again afterwards, also
// when an export fails.
void SaveAsPicts(TWindowModel& model, TExportDialog& dialog, TColor buttonFace);

// ---- The clipboard ----

// The clipboard picture's size for a slide of highX x highY: the slide's own, unless its area is
// above 65536; then about 256 x 256 with the slide's proportions (1000 x 500 gives 362 x 181).
void ClipboardPictureSize(int highX, int highY, int& width, int& height);

// The selected slide as the clipboard holds it: an enhanced metafile of ten times the picture
// size and a bitmap of the picture size, both drawn with the preview's render state, and the
// slide as an R12 DXF drawing for CAD programs.
struct TClipboardPicture {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Emf;
    std::vector<uint8_t> Dxf;
    std::unique_ptr<TBitmap> Bitmap;
};

// What "Copy to Clipboard (as WMF)" (btnCopyclipClick) copies: nothing without a current list;
// "No selected slide!" without a selected slide; otherwise the picture for the window to put on
// the clipboard. A slide whose extents give no picture throws EVarnelError naming it.
std::optional<TClipboardPicture> ClipboardPicture(TWindowModel& model);

// ---- Pictures into slides ----

// Reads picture files into bitmaps for the converter.
class TPictureReader {
public:
    TPictureReader() = default;
    TPictureReader(const TPictureReader&) = delete;
    TPictureReader& operator=(const TPictureReader&) = delete;
    virtual ~TPictureReader() = default;

    // The open prompt's filter entries offered after "Bitmaps (*.bmp)|*.bmp" (the same
    // "Description|*.ext;*.ext" form); empty when only BMP files are read.
    virtual std::string Filter() const = 0;
    // Reads the picture; throws EVarnelError naming the file when it cannot.
    virtual void Load(const std::string& path, TBitmap& bitmap) const = 0;
};

// BMP files, through the project's own reader.
class TBmpPictureReader : public TPictureReader {
public:
    std::string Filter() const override { return {}; }
    void Load(const std::string& path, TBitmap& bitmap) const override;
};

// "&Import from Image" (ConvertBMPToSlideClick): the open prompt, then the picture traced into a
// slide file of the same name with the extension ".sld" beside it, black pixels left out and
// colours mapped through the preview's palette. A DXF drawing (offered after the pictures) is
// drawn into the slide instead; what it holds that cannot be drawn is named in one warning. An
// existing slide file is replaced only when the user agrees. In folder view, when the slide lands
// in the shown folder, the list is loaded again and the new slide selected. Returns the slide file
// written, or empty.
std::string ConvertBMPToSlideClick(TWindowModel& model, const TPictureReader& reader);
