#include "model/PdfCommands.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Paths.h"
#include "model/Progress.h"
#include "model/SheetSettings.h"
#include "model/WindowModel.h"
#include "output/SlidesToPdf.h"
#include "slides/SlideClasses.h"
#include "slides/SlideNames.h"

#include <filesystem>
#include <memory>
#include <optional>

namespace {

// The PDF file the user chose, once an existing file there may be replaced; nothing when the
// chooser or the question was cancelled.
std::optional<std::string> ChoosePdfFile(TWindowModel& model, const std::string& name) {
    const std::optional<TFileChoice> choice =
        model.Dialogs().SaveFileName(SavepdfOptions(model, name));
    if (!choice || choice->FileName.empty())
        return std::nullopt;
    std::error_code ec;
    if (std::filesystem::exists(choice->FileName, ec) &&
        !model.Dialogs().ConfirmOkCancel("\"" + choice->FileName +
                                         "\" already exists. Replace it?"))
        return std::nullopt;
    return choice->FileName;
}

// A slide that could not be drawn is reported once the file holds the pages drawn before it.
void ReportFailure(const TPdfSlidesResult& result, const std::string& file) {
    if (!result.Failure)
        return;
    try {
        std::rethrow_exception(result.Failure);
    } catch (const std::exception& e) {
        throw EVarnelError("Slide \"" + Cp1252ToUtf8(result.FailedSlide) + "\": " + e.what() +
                           "\n\"" + file + "\" holds the pages drawn before it.");
    }
}

} // namespace

TFileDialogOptions SavepdfOptions(const TWindowModel& model, const std::string& name) {
    TFileDialogOptions options;
    options.Title = "Save as PDF";
    options.Filter = "Adoby PDF files|*.pdf";
    options.DefaultExt = "PDF";
    options.InitialDir = model.Folder();
    options.FileName = name.empty() ? std::string() : SafeFileName(ChangeFileExt(name, ".pdf"));
    return options;
}

void MakeCurrentSlidePdf(TWindowModel& model, const TSheetSettingsDialog& settings) {
    const TSlideLib* lib = model.CurrentList();
    const int item = model.SelectedSlide();
    TSlide* slide = lib ? lib->Slide(item) : nullptr;
    if (!slide)
        return;
    const std::optional<std::string> file =
        ChoosePdfFile(model, model.Items().at(static_cast<size_t>(item)));
    if (!file)
        return;
    TWindowModel::TBusy busy(model);
    const TPdfColourMode mode = settings.Settings().ColourMode;
    TPdfSlidesResult result;
    SaveFileAtomically(*file, [&](TStream& out) {
        result = WriteCurrentSlidePdf(out, *slide, slide->Name(), mode);
    });
    ReportFailure(result, *file);
}

void MakeSlideSheetPdf(TWindowModel& model, TSheetSettingsDialog& settings) {
    if (model.ShownItems().empty())
        return;
    if (!settings.Execute(kPdfSettingsCaption))
        return;
    const TSlideLib* lib = model.CurrentList();
    if (!lib)
        return;
    const TSheetSettings s = settings.Settings();
    // The slides the list shows, all or the selected ones (no indices would mean all).
    const std::vector<int>& indices = s.SelectedOnly ? model.Selection() : model.ShownItems();
    std::vector<TPdfSheetEntry> entries;
    if (!indices.empty())
        entries = PdfSheetEntries(*lib, indices, s.Sorted);
    if (entries.empty()) {
        model.Dialogs().ShowError(kNoSlidesSelectedMessage);
        return;
    }
    const std::string proposed =
        model.LibraryView() && !lib->FileName().empty() ? BaseName(lib->FileName()) : std::string();
    const std::optional<std::string> file = ChoosePdfFile(model, proposed);
    if (!file)
        return;

    TWindowModel::TBusy busy(model);
    TPdfSheetSettings sheet;
    sheet.Columns = s.Columns;
    sheet.Rows = s.Rows;
    sheet.Sorted = s.Sorted;
    sheet.ColourMode = s.ColourMode;
    const std::unique_ptr<TProgress> progress =
        model.Dialogs().BeginProgress(kMakePdfCaption, static_cast<int>(entries.size()));
    TPdfSlidesResult result;
    SaveFileAtomically(*file, [&](TStream& out) {
        result =
            WriteSlideSheetPdf(out, entries, sheet, [&](size_t done, const TPdfSheetEntry& next) {
                return progress->Step(static_cast<int>(done), Cp1252ToUtf8(next.Name));
            });
    });
    ReportFailure(result, *file);
}
