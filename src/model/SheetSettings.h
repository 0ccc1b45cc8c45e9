// The sheet settings that the PDF contact sheets and the printed sheets share, and the dialog
// that holds them (Tdpdf in the window). The dialog lives for the whole run: its colour choice
// also decides how the current slide is written to PDF or printed, when the dialog is not shown.
#pragma once

#include "output/SlidesToPdf.h"

#include <string>

struct TSheetSettings {
    int Columns = 1;           // 1..100
    int Rows = 1;              // 1..20
    bool Sorted = true;        // sheets in name order, not in list order
    bool SelectedOnly = false; // the selected slides of the list, not all of them
    TPdfColourMode ColourMode = TPdfColourMode::Color;
};

class TSheetSettingsDialog {
public:
    TSheetSettingsDialog() = default;
    TSheetSettingsDialog(const TSheetSettingsDialog&) = delete;
    TSheetSettingsDialog& operator=(const TSheetSettingsDialog&) = delete;
    virtual ~TSheetSettingsDialog() = default;

    // What the dialog holds now.
    virtual TSheetSettings Settings() const = 0;
    // Shows the dialog modally under caption. True when it was closed with OK, which keeps the
    // values chosen; Cancel keeps the values it had before.
    virtual bool Execute(const std::string& caption) = 0;
};

// The captions each command gives the dialog.
inline constexpr const char* kPdfSettingsCaption = "PDF Settings";
inline constexpr const char* kPrintSlidesCaption = "Print Slides";
inline constexpr const char* kMakePdfCaption = "Make PDF";
// What the sheet commands say when the choice of slides holds none.
inline constexpr const char* kNoSlidesSelectedMessage = "No slides selected.";
