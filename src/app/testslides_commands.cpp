// TForm1: the preview background, About and Help.
#include "testslides.h"

#include "render/AcadPal.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifndef VARNEL_VERSION
#define VARNEL_VERSION "0.0"
#endif

void TForm1::ChangeBackCol() {
    const std::optional<TColor> colour = m_dialogs->ChooseColour(m_previewBackground);
    if (!colour)
        return;
    m_previewBackground = *colour;
    BackgroundColour = *colour;
    BuildPalette();
    // Thumbnails keep their old background until the list is filled again.
    RepaintPreview();
}

void TForm1::AboutClick() {
    m_dialogs->ShowAbout(kCaption, VARNEL_VERSION);
}

void TForm1::HelpClick() {
    // The compiled help when one is installed; otherwise the HTML help that ships with us.
    const std::string chm = m_options.ProgramDir + "/quorvane.chm";
    const std::string html = m_options.ProgramDir + "/quorvane.html";
    const std::string help = QFileInfo::exists(QString::fromStdString(chm)) ? chm : html;
    if (!QFileInfo::exists(QString::fromStdString(help))) {
        m_dialogs->ShowError("Cannot find the help file \"" + html + "\".");
        return;
    }
    if (!m_dialogs->OpenDocument(help))
        m_dialogs->ShowError("Cannot open the help file \"" + help + "\".");
}
