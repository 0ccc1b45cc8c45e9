#include "model/Commands.h"

#include "base/Paths.h"
#include "model/WindowModel.h"
#include "slides/SlideClasses.h"

#include <filesystem>

bool CommandApplies(const TWindowModel& model, TCommand command) {
    // Del belongs to page "slides"; on page "hatchs" the key is the pattern editor's.
    if (command == TCommand::DeleteSlides && model.Page() != TPage::Slides)
        return false;
    const bool slides = model.Page() == TPage::Slides;
    // Commands act on the slides the list shows: with all of them filtered out, none apply.
    const bool haveSlides = slides && model.CurrentList() && !model.ShownItems().empty();
    const std::vector<int>& selection = model.Selection();
    const bool oneSelected = haveSlides && selection.size() == 1;
    switch (command) {
    case TCommand::SelectAll:
    case TCommand::PrintSlides:
    case TCommand::PdfSlides:
        return haveSlides;
    case TCommand::NewLibrary:
        return true;
    case TCommand::SaveToDirectory:
    case TCommand::SaveAsLibrary:
    case TCommand::AddToLibrary:
    case TCommand::MoveToLibrary:
    case TCommand::DeleteSlides:
        return haveSlides && !selection.empty();
    case TCommand::RenameSlide:
        return oneSelected;
    // Only the slides of a library have an order of their own; the ends of the list shown stay
    // where they are.
    case TCommand::MoveSlideUp:
        return oneSelected && model.LibraryView() &&
               model.ShownNeighbour(selection.front(), -1) >= 0;
    case TCommand::MoveSlideDown:
        return oneSelected && model.LibraryView() &&
               model.ShownNeighbour(selection.front(), 1) >= 0;
    // One history for both pages: the slide commands' edits and the pattern page's saves. While
    // the pattern editor has the focus, its own keys undo the typing.
    case TCommand::Undo:
        return model.History().CanUndo();
    case TCommand::Redo:
        return model.History().CanRedo();
    case TCommand::ExportToImage:
        return haveSlides;
    case TCommand::CopyToClipboard:
        return haveSlides && model.SelectedSlide() >= 0;
    case TCommand::ImportFromImage:
        // Writes a slide beside the picture, whatever the window shows.
        return true;
    case TCommand::PrintCurrentSlide:
    case TCommand::PdfCurrentSlide:
        return haveSlides && model.SelectedSlide() >= 0;
    // The preview zooms while it shows a slide, from fitted up to the largest zoom.
    case TCommand::ZoomIn:
        return haveSlides && model.SelectedSlide() >= 0 &&
               model.PreviewZoom().Zoom() < TPreviewZoom::kMaxZoom;
    case TCommand::ZoomOut:
    case TCommand::Fit:
        return haveSlides && model.SelectedSlide() >= 0 && !model.PreviewZoom().Fitted();
    case TCommand::PreviewBackground:
    case TCommand::ViewStyle:
    case TCommand::About:
    case TCommand::Help:
        return true;
    default:
        // Commands that the window does not offer yet.
        return false;
    }
}

void ChangeBackCol(TWindowModel& model) {
    if (const std::optional<TColor> colour =
            model.Dialogs().ChooseColour(model.PreviewBackground()))
        model.SetPreviewBackground(*colour);
}

void ShowAboutBox(TWindowModel& model, const std::string& product, const std::string& version) {
    model.Dialogs().ShowAbout(product, version);
}

void OpenHelp(TWindowModel& model, const std::string& programDir) {
    const std::string chm = JoinPath(programDir, "quorvane.chm");
    const std::string html = JoinPath(programDir, "quorvane.html");
    std::error_code ec;
    const std::string help = std::filesystem::exists(chm, ec) ? chm : html;
    if (!std::filesystem::exists(help, ec)) {
        model.Dialogs().ShowError("Cannot find the help file \"" + html + "\".");
        return;
    }
    if (!model.Dialogs().OpenDocument(help))
        model.Dialogs().ShowError("Cannot open the help file \"" + help + "\".");
}
