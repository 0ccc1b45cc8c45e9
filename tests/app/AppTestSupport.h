// A window on scripted dialogs for the window's tests, and real input on its widgets.
#pragma once

#include "PreviewBox.h"
#include "ScriptedDialogs.h"
#include "SlideFixtures.h"
#include "TestFiles.h"
#include "testslides.h"

#include <memory>
#include <string>
#include <vector>

class QListWidget;
class QWidget;

// Captions of the slide list, in list order.
std::vector<std::string> Captions(const TForm1& form);
// Captions of the file list.
std::vector<std::string> FileList(const TForm1& form);

// A mouse click on the item of list whose text is text (ignoring case), as a user makes it:
// the item is scrolled into view and clicked in its middle; modifiers as given. False when
// there is no such item.
bool ClickItem(QListWidget* list, const std::string& text,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A mouse click in the middle of a widget.
void ClickWidget(QWidget* widget);
// Runs the events that clicks and queued signals leave behind.
void Settle();

// A window on scripted dialogs with its settings file in a temporary folder.
struct TWindowSetup {
    TTempDir home;
    TScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;

    // programDir: where samples/ and the help are looked for (default: an empty folder).
    explicit TWindowSetup(std::string programDir = {});
    // An export dialog the next NewForm uses instead of its own; not owned.
    TExportDialog* exportDialog = nullptr;

    std::string SettingsFile() const { return home.File("varnel.ini"); }
    // The default settings file, where the export dialog keeps its values.
    std::string DefaultSettingsFile() const { return home.File("config/varnel.ini"); }
    std::unique_ptr<TForm1> NewForm();
    const std::string& ProgramDir() const { return m_programDir; }

private:
    std::string m_programDir;
};
