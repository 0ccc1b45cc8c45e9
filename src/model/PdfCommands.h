// Slides into PDF files from the window: the current slide on a landscape A4 page, or contact
// sheets of the slide list on portrait A4 pages, laid out by the sheet settings (Tdpdf). Both
// ask for the file with the same chooser (Savepdf) and write it atomically: a file that was
// there stays as it was until the new one is complete.
#pragma once

#include "model/Dialogs.h"

#include <string>

class TSheetSettingsDialog;
class TWindowModel;

// The file chooser of both commands: "Adoby PDF files|*.pdf", default extension "PDF", starting
// in the shown folder with name proposed.
TFileDialogOptions SavepdfOptions(const TWindowModel& model, const std::string& name);

// "Make PDF from Current Slide" / "Convert Current Slide to PDF": the first selected slide
// under its name, in the settings' colour mode (the dialog is not shown). Nothing without a
// selected slide.
void MakeCurrentSlidePdf(TWindowModel& model, const TSheetSettingsDialog& settings);
// "Make PDF from Slides" / "Convert Slides to PDF": the sheet settings under "PDF Settings",
// then the file, then the sheets with a progress display; stopping it keeps the pages drawn.
// "No slides selected." when the choice holds no slide.
void MakeSlideSheetPdf(TWindowModel& model, TSheetSettingsDialog& settings);
