// Tdpdf: the sheet settings dialog that the PDF sheets and the printed sheets share: columns and
// rows per page, name order, all or the selected slides, colour or black and white. It lives
// for the whole run; its values are kept in a settings file (section "Tdpdf") when the dialog is
// closed with OK, and read when it is created.
#pragma once

#include "model/SheetSettings.h"

#include <QDialog>
#include <string>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QSpinBox;

class Tdpdf : public QDialog, public TSheetSettingsDialog {
    Q_OBJECT
public:
    // settingsFile: where the values are kept; empty keeps them for the run only.
    explicit Tdpdf(std::string settingsFile, QWidget* parent = nullptr);

    TSheetSettings Settings() const override;
    // Sets the caption, shows the dialog modally; OK keeps the values and writes them to the
    // settings file, Cancel puts back the values it had.
    bool Execute(const std::string& caption) override;

    // Sets the controls (as if the user had chosen these values).
    void SetSettings(const TSheetSettings& settings);
    // Reads the values from the settings file (defaults where a key is missing or bad), and
    // writes them; Write reports a file that cannot be written on stderr and goes on.
    void ReadSettings();
    void WriteSettings() const;
    const std::string& SettingsFile() const { return m_settingsFile; }

    // The controls, named as the dialog's designer named them.
    QSpinBox* SpinEdit1 = nullptr; // "Columns", 1..100
    QSpinBox* SpinEdit2 = nullptr; // "Rows", 1..20
    QCheckBox* sorted = nullptr;   // "Sorted by name"
    QGroupBox* rbsel = nullptr;    // 0 "All slides", 1 "Selected slides only"
    QGroupBox* rdcolor = nullptr;  // 0 "Color", 1 "Black / White"
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    int rbselItemIndex() const;
    int rdcolorItemIndex() const;

private:
    std::string m_settingsFile;
    QButtonGroup* m_rbselButtons = nullptr;
    QButtonGroup* m_rdcolorButtons = nullptr;
};
