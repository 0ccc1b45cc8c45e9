// TQtDialogs: the window's TDialogs on Qt's standard dialogs.
#pragma once

#include "model/Dialogs.h"

#include <memory>

class QWidget;
class TQtPrinter;

// The window's dialogs, parented to a widget.
class TQtDialogs : public TDialogs {
public:
    explicit TQtDialogs(QWidget* parent);
    ~TQtDialogs() override;

    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    bool ConfirmOkCancel(const std::string& text) override;
    TAnswer ConfirmYesNoCancelAll(const std::string& text) override;
    TAnswer ConfirmYesNoCancel(const std::string& text) override;
    bool ConfirmYesNo(const std::string& text) override;
    std::optional<TColor> ChooseColour(TColor initial) override;
    std::optional<TFileChoice> SaveFileName(const TFileDialogOptions& options) override;
    std::optional<TFileChoice> OpenFileName(const TFileDialogOptions& options) override;
    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& startFolder) override;
    std::string InputText(const std::string& caption, const std::string& prompt,
                          const std::string& preset) override;
    // A window-modal progress dialog with Cancel; it appears when the work takes a moment.
    std::unique_ptr<TProgress> BeginProgress(const std::string& title, int total) override;
    void ShowAbout(const std::string& product, const std::string& version) override;
    bool OpenDocument(const std::string& path) override;
    // The window's one printer, set up by Qt's print dialog.
    TPrinter* ChoosePrinter() override;

private:
    QWidget* m_parent;
    std::unique_ptr<TQtPrinter> m_printer;
};
