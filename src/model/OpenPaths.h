// Paths handed to the window from the desktop (the command line, files dropped on the window)
// and what they open. The first path decides:
// - a folder: its slide files (folder view);
// - a slide file (*.sld): its folder in folder view with that slide selected; further slide
//   files of the same folder are selected with it;
// - a slide library (*.slb): its folder, with the library open in library view;
// - a pattern file (*.pat): its folder, with the file on page "hatchs";
// - anything else, or a path that does not exist: a message, and the window shows what it
//   showed before.
// The kind follows the core's rule (FileKindOf: by extension, then by the first bytes). The
// window's lists show files by their extension, so a slide or library known only by its first
// bytes is Unknown, with a message that says what it holds.
#pragma once

#include "slides/FileKinds.h"

#include <string>
#include <vector>

class TWindowModel;

enum class TOpenKind { Nothing, Folder, Slides, Library, Pattern, Missing, Unknown };

struct TOpenTarget {
    TOpenKind Kind = TOpenKind::Nothing;
    // The folder to show (absolute, without a trailing '/'); empty for Nothing, Missing and
    // Unknown.
    std::string Folder;
    // Slides: the file names to select, first path first; Library, Pattern: the one file name.
    std::vector<std::string> Names;
    // The path that decided, as given (for the message of Missing and Unknown).
    std::string Path;
    // Unknown: what the file's first bytes say it holds (Other when nothing).
    TFileKind Content = TFileKind::Other;
};

// The rule above, on the file system as it is now. Relative paths are taken from the current
// folder. No paths: Nothing.
TOpenTarget OpenTargetOf(const std::vector<std::string>& paths);

// The message for a target that opens nothing (Missing, Unknown); empty otherwise.
std::string OpenProblem(const TOpenTarget& target);

// Shows the target in the model: the folder becomes the tree's folder (a folder shown already
// is read again), then the library or pattern file is chosen in the file list, or the slides
// are selected in the slide list. The window then points its folder tree at TreeFolder().
// Missing and Unknown show OpenProblem as an error and change nothing. True when the target was
// shown as asked; false when it opened nothing, or a named file was not among the folder's
// files (then the folder is shown as it is).
bool ShowOpenTarget(TWindowModel& model, const TOpenTarget& target);
