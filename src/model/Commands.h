// The window's commands as plain code over the model, TDialogs and the core, and the rule of
// when each applies. The window's menus, toolbar and keys run these and then show the model.
#pragma once

#include <string>

class TWindowModel;

// Every command of the window's menus, toolbar and keys.
enum class TCommand {
    NewLibrary,
    SaveToDirectory,
    SaveAsLibrary,
    AddToLibrary,
    MoveToLibrary,
    PrintCurrentSlide,
    PrintSlides,
    PdfCurrentSlide,
    PdfSlides,
    ExportToImage,
    ImportFromImage,
    DeleteSlides,
    RenameSlide,
    MoveSlideUp,
    MoveSlideDown,
    Undo,
    Redo,
    CopyToClipboard,
    SelectAll,
    PreviewBackground,
    ViewStyle,
    ZoomIn,
    ZoomOut,
    Fit,
    About,
    Help,
};

// Whether the command can do anything in the model's state: the window disables it otherwise.
// The commands themselves still check their preconditions and say what is missing.
bool CommandApplies(const TWindowModel& model, TCommand command);

// "Background &Color...": the colour dialog; a chosen colour becomes the preview background
// (and the palette's), and the preview is drawn again. Thumbnails keep their background until
// the list is filled again.
void ChangeBackCol(TWindowModel& model);
// "&About": the About box with the product name and version.
void ShowAboutBox(TWindowModel& model, const std::string& product, const std::string& version);
// "&Help": opens the help in programDir (quorvane.chm when one is installed, otherwise
// quorvane.html) with the desktop's program for it; says so when it is missing or cannot open.
void OpenHelp(TWindowModel& model, const std::string& programDir);
