// TForm1: the commands of the menus, toolbar and keys, and when they apply.
#include "testslides.h"

#include "model/Commands.h"
#include "model/EditHistory.h"

#include <QAction>
#include <utility>

#ifndef VARNEL_VERSION
#define VARNEL_VERSION "0.0"
#endif

void TForm1::UpdateActions() {
    const std::pair<QAction*, TCommand> actions[] = {
        {NewSlideLibrary1, TCommand::NewLibrary},
        {SaveToDirectory1, TCommand::SaveToDirectory},
        {SaveAsSlideLibrary1, TCommand::SaveAsLibrary},
        {Saveaslib, TCommand::SaveAsLibrary},
        {AddToSlideLibrary1, TCommand::AddToLibrary},
        {Addtolib, TCommand::AddToLibrary},
        {MoveToSlideLibrary1, TCommand::MoveToLibrary},
        {Movetolib, TCommand::MoveToLibrary},
        {PrintCurrentSlide1, TCommand::PrintCurrentSlide},
        {PrintCurrentSlide2, TCommand::PrintCurrentSlide},
        {PrintAllSlides1, TCommand::PrintSlides},
        {PrintSlides2, TCommand::PrintSlides},
        {ConvertCurrentSlidetoPDF1, TCommand::PdfCurrentSlide},
        {ConvertCurrentSlidetoPDF2, TCommand::PdfCurrentSlide},
        {ConvertSlidestoPDF1, TCommand::PdfSlides},
        {ConvertSlidestoPDF2, TCommand::PdfSlides},
        {ExportToImage1, TCommand::ExportToImage},
        {ConvertSlideToImage1, TCommand::ExportToImage},
        {ImportFromImage1, TCommand::ImportFromImage},
        {ConvertImageToSlide1, TCommand::ImportFromImage},
        {DeleteSlides1, TCommand::DeleteSlides},
        {deleteAction, TCommand::DeleteSlides},
        {Undo1, TCommand::Undo},
        {Redo1, TCommand::Redo},
        {RenameSlide1, TCommand::RenameSlide},
        {MoveSlideUp1, TCommand::MoveSlideUp},
        {MoveSlideDown1, TCommand::MoveSlideDown},
        {CopyToClipboard1, TCommand::CopyToClipboard},
        {SelectAll, TCommand::SelectAll},
        {BackgroundColor1, TCommand::PreviewBackground},
        {viewlist, TCommand::ViewStyle},
        {viewthumb, TCommand::ViewStyle},
        {ZoomIn1, TCommand::ZoomIn},
        {ZoomOut1, TCommand::ZoomOut},
        {Fit1, TCommand::Fit},
        {About1, TCommand::About},
        {Help1, TCommand::Help},
    };
    for (const auto& [action, command] : actions)
        action->setEnabled(CommandApplies(m_model, command));
    // The entries name the edit they take back or do again ("Undo Delete Slides").
    Undo1->setText("&" + QString::fromStdString(UndoCaption(m_model)));
    Redo1->setText("&" + QString::fromStdString(RedoCaption(m_model)));
}

void TForm1::ChangeBackCol() {
    RunCommand([&] { ::ChangeBackCol(m_model); });
}

void TForm1::AboutClick() {
    RunCommand([&] { ShowAboutBox(m_model, kCaption, VARNEL_VERSION); });
}

void TForm1::HelpClick() {
    RunCommand([&] { OpenHelp(m_model, m_options.ProgramDir); });
}
