// A window on scripted dialogs for the window's tests, and real input on its widgets.
#pragma once

#include "PreviewBox.h"
#include "ScriptedDialogs.h"
#include "SlideFixtures.h"
#include "TestFiles.h"
#include "testslides.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QListWidget;
class QWidget;

using Names = std::vector<std::string>;

// Captions of the slide list, in list order.
Names Captions(const TForm1& form);
// Captions of the file list.
Names FileList(const TForm1& form);
// Captions of the slide list's selected items, in list order.
Names Selected(const TForm1& form);

// A mouse click on the item of list whose text is text (ignoring case), as a user makes it:
// the item is scrolled into view and clicked in its middle; modifiers as given. False when
// there is no such item.
bool ClickItem(QListWidget* list, const std::string& text,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A mouse click in the middle of a widget.
void ClickWidget(QWidget* widget);
// A key pressed on widget.
void Key(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// A menu entry (or a tool button's drop-down entry) chosen.
void Trigger(QAction* action);
// Files or folders (as URLs) dragged onto widget and dropped there; false when the drag was
// refused.
bool Drop(QWidget* widget, const std::vector<std::string>& urls);
// Runs the events that clicks and queued signals leave behind.
void Settle();

// Runs action on the modal dialog of type T once its own event loop shows it; gives up after
// ten seconds, so a dialog that never comes fails the test instead of hanging it.
template <class T> void WhenModal(std::function<void(T*)> action) {
    auto* timer = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && clock->elapsed() < 10000)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (dialog)
            action(dialog);
        else
            ADD_FAILURE() << "no modal dialog came";
    });
    timer->start(10);
}

// A window on scripted dialogs with its settings file in a temporary folder.
struct TWindowSetup {
    TTempDir home;
    TScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
    // An export dialog the next NewForm uses instead of its own; not owned.
    TExportDialog* exportDialog = nullptr;
    // The paths the next NewForm opens at start, as `varnel PATH...` gives them.
    std::vector<std::string> openPaths;

    // programDir: where samples/ and the help are looked for (default: an empty folder).
    // start: false leaves form empty until the test calls NewForm.
    explicit TWindowSetup(std::string programDir = {}, bool start = true);
    // The settings file of the window and its dialogs.
    std::string SettingsFile() const { return home.File("varnel.ini"); }
    // A window on these options, shown, with what its first show starts done.
    std::unique_ptr<TForm1> NewForm();
    const std::string& ProgramDir() const { return m_programDir; }

private:
    std::string m_programDir;
};

// A window on a folder of the test's own, dir, which the test fills and then shows.
class TWindowTest : public ::testing::Test {
protected:
    TForm1& form() { return *window.form; }
    TScriptedDialogs& dialogs() { return window.dialogs; }
    void ShowDir();

    TTempDir dir;
    TWindowSetup window;
};
