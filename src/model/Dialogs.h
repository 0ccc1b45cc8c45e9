// TDialogs: every question the window asks and every box it shows goes through this
// interface, so the window's commands can be plain code over it. The window implements it on
// Qt's message boxes and file, folder, colour and input dialogs; tests use a scripted stand-in
// that records the calls and gives prepared answers.
#pragma once

#include "graphics/Canvas.h"
#include "model/Progress.h"

#include <memory>
#include <optional>
#include <string>

class TPrinter;
class TProgress;

// Options of a file chooser. Filter is the "Description|*.ext|Description|*.ext" text;
// DefaultExt (without dot) is appended to a typed name without extension.
struct TFileDialogOptions {
    std::string Title;
    std::string Filter;
    std::string DefaultExt;
    std::string FileName;
    std::string InitialDir;
};

struct TFileChoice {
    std::string FileName;
    int FilterIndex = 1; // 1-based entry of the filter that was chosen
};

class TDialogs {
public:
    // The answers of the four-button question (Yes is the default, Escape gives Cancel).
    enum class TAnswer { Yes, No, Cancel, All };

    TDialogs() = default;
    TDialogs(const TDialogs&) = delete;
    TDialogs& operator=(const TDialogs&) = delete;
    virtual ~TDialogs() = default;

    // Boxes with one OK button.
    virtual void ShowError(const std::string& text) = 0;
    virtual void ShowWarning(const std::string& text) = 0;
    // A plain message, such as the renderer's "Error reading slide file. *Invalid*".
    virtual void ShowMessage(const std::string& text) = 0;
    // OK and Cancel, OK the default; true for OK.
    virtual bool ConfirmOkCancel(const std::string& text) = 0;
    // Yes, No, Cancel and All, Yes the default.
    virtual TAnswer ConfirmYesNoCancelAll(const std::string& text) = 0;
    // Yes and No, No the default (and Escape): a question whose Yes drops the user's work.
    // True for Yes.
    virtual bool ConfirmYesNo(const std::string& text) = 0;
    // Yes, No and Cancel, Yes the default, Escape Cancel: "Save the changes to ...?".
    virtual TAnswer ConfirmYesNoCancel(const std::string& text) = 0;

    // The colour chosen, or nothing when cancelled.
    virtual std::optional<TColor> ChooseColour(TColor initial) = 0;
    // File choosers; nothing when cancelled. The save chooser does not ask about existing
    // files: the commands ask themselves.
    virtual std::optional<TFileChoice> SaveFileName(const TFileDialogOptions& options) = 0;
    virtual std::optional<TFileChoice> OpenFileName(const TFileDialogOptions& options) = 0;
    // A folder chooser; nothing when cancelled. The user may also type the name of a folder
    // that does not exist yet: the caller asks before it makes that folder.
    virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                    const std::string& startFolder) = 0;
    // A one-line input box; returns preset when cancelled.
    virtual std::string InputText(const std::string& caption, const std::string& prompt,
                                  const std::string& preset) = 0;

    // The About box: product name, version and an OK button.
    virtual void ShowAbout(const std::string& product, const std::string& version) = 0;
    // Opens a document with the desktop's default program; false when that failed.
    virtual bool OpenDocument(const std::string& path) = 0;

    // The print dialog: the printer chosen and set up (it belongs to the dialogs and keeps its
    // setup for the next print), or nothing when cancelled.
    virtual TPrinter* ChoosePrinter() = 0;
    // A progress display with a Cancel button for work of total steps, under title; it closes
    // when the returned object goes. The window shows it only once the work has taken a
    // moment, so short work does not flash it.
    virtual std::unique_ptr<TProgress> BeginProgress(const std::string& title, int total) = 0;
};
