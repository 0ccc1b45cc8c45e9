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
    const bool haveSlides = slides && model.CurrentList() && !model.Items().empty();
    switch (command) {
    case TCommand::SelectAll:
        return haveSlides;
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
