// The commands that change slides and libraries: delete, save one slide, save / add / move
// slides into a library, create an empty library, rename, move a slide up or down, and copy
// slides out to a folder. Each works on the model's current list and the selected items (in
// list order), talks to the user through the model's TDialogs only, and leaves the model showing
// what is on disk (ReloadSlideList after a change of the current list, RefreshFileList after a
// library was written into the shown folder).
//
// Every command but CreateNewSlideLib does nothing without a current list. Errors of the file
// system and of damaged files pass to the caller as EVarnelError with a message naming the file;
// when one ends a command, nothing the user did not ask to change has changed:
// - every library and slide file is written beside its place and renamed over it;
// - slides moved into a library leave their source only after the target was written;
// - slide files of a folder are moved to the desktop's trash (TrashFile), and deleted only
//   where no trash can take them.
#pragma once

#include "model/Dialogs.h"

#include <string>
#include <vector>

class TWindowModel;

// The three ways AddToSlideLib fills a library.
enum class TAddMode {
    SaveAs, // a new library of the selected slides, replacing the file
    Add,    // the selected slides copied into a library (made when missing)
    Move,   // copied, then removed from where they came from
};

enum class TSlideMove { Up, Down };

// The chooser for one slide file: "Save as Slide-File", *.sld.
TFileDialogOptions SaveDialog1(const std::string& fileName, const std::string& initialDir);
// The chooser for a library file, *.slb, under the title each command gives.
TFileDialogOptions SaveDialog2(const std::string& title, const std::string& initialDir);

// "&Delete Slides" (F8, Del): after one question, removes the selected slides from the
// library and writes it back, or sends the selected slide files to the trash.
void SlideDelete(TWindowModel& model);
// Writes the one selected slide as a *.sld file that the user chooses.
void SlideSave(TWindowModel& model);
// "Save as Slide-&Library..." (Alt+L), "&Add to Slide-Library..." (F5), "&Move to
// Slide-Library..." (F6). A slide goes into the library under its name without the extension
// (from the last dot on, upper-cased, at most 31 characters); it keeps its own name when that
// leaves nothing, when another slide of the current list bears that name, or when a slide copied
// earlier by the same command took it. Clashes with slides already in an existing library are
// asked about (Yes, No, Cancel, All) in add and move mode.
void AddToSlideLib(TWindowModel& model, TAddMode mode);
// "&New Slide-Library" (F7): an empty library file.
void CreateNewSlideLib(TWindowModel& model);
// "&Rename Slide..." (F2): the slide of a library, or the slide file of a folder.
void SlideRename(TWindowModel& model);
// "Move Slide &Up" (Ctrl+PgUp), "Move Slide &Down" (Ctrl+PgDn): the one selected slide of a
// library changes places with its neighbour; the library is written back and the slide stays
// selected at its new place.
void MvSlideUpDnButtonClick(TWindowModel& model, TSlideMove direction);
// "Save to Directory..." (Alt+D): the selected slides as *.sld files in a folder the user
// chooses (a folder typed there that does not exist is made after asking); one selected slide
// goes through SlideSave instead.
void SaveSlidesToDir(TWindowModel& model);

// In folder view: the files that the items stand for, in the order given. A slide's name holds
// at most 32 characters of its file name, so the files are found in the folder itself.
std::vector<std::string> SlideFilePaths(const TWindowModel& model, const std::vector<int>& items);
