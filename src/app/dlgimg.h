// Tfimage: the export dialog "Convert Slide(s) to Image(s)". It asks which slides (rbsel), the
// image format (rdFormat), the size (rdSize, with the custom size gsize: SpinEdit1 x SpinEdit2)
// and the background (rdback). The window creates it once at start-up; it keeps its values for
// the run and in the settings file between runs (sections "Tfimage" and "BFolder").
//
// Pressing OK runs the command's OK step (the save or folder prompt) while the dialog still
// shows; the dialog closes with OK only when that step agrees. Cancel puts back the values the
// dialog was opened with.
#pragma once

#include "model/ExportCommands.h"

#include <QDialog>
#include <QGroupBox>
#include <QStringList>
#include <optional>
#include <string>

class QButtonGroup;
class QPushButton;
class QRadioButton;
class QSpinBox;

// A group box of radio buttons, exactly one of them chosen (ItemIndex).
class TRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int ItemIndex() const;
    // An index out of range chooses the first item.
    void SetItemIndex(int index);
    int Count() const;
    QRadioButton* Button(int index) const;

signals:
    // The user chose an item (by mouse or keys).
    void Clicked(int index);

private:
    QButtonGroup* m_buttons;
};

class Tfimage : public QDialog, public TExportDialog {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Convert Slide(s) to Image(s)";

    // Reads the values kept in settingsFile (the settings file).
    explicit Tfimage(std::string settingsFile, QWidget* parent = nullptr);

    std::optional<TExportChoices> Execute(const std::string& currentSlide,
                                          const TOkStep& okStep) override;

    // Execute in two halves, for tests that work the shown dialog with the mouse and keys: Open
    // shows the dialog and returns at once; Outcome is what Execute returns, once it has closed.
    void Open(const std::string& currentSlide, const TOkStep& okStep);
    const std::optional<TExportChoices>& Outcome() const { return m_outcome; }

    // The values of the controls and of the prompts' folders.
    TExportChoices Choices() const;
    void SetChoices(const TExportChoices& choices);
    // The current slide's name the dialog was opened for; empty when none was selected.
    const std::string& CurrentSlideName() const { return m_currentSlide; }
    const std::string& SettingsFile() const { return m_settingsFile; }

    // OK pressed: the OK step, then the values are kept in the settings file.
    void OKBtnClick();
    void reject() override;

    TRadioGroup* rbsel = nullptr;
    TRadioGroup* rdFormat = nullptr;
    TRadioGroup* rdSize = nullptr;
    QGroupBox* gsize = nullptr;
    QSpinBox* SpinEdit1 = nullptr; // width
    QSpinBox* SpinEdit2 = nullptr; // height
    TRadioGroup* rdback = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Prepare(const std::string& currentSlide, const TOkStep& okStep);
    // "Custom Image Size" can be changed exactly when "Custom" is chosen.
    void UpdateCustomSize();
    void WriteSettings(const TExportChoices& choices) const;

    std::string m_settingsFile;
    std::string m_currentSlide;
    TOkStep m_okStep;
    std::string m_initialDir;
    std::string m_folder;
    TExportChoices m_opened;
    std::optional<TExportChoices> m_outcome;
};
