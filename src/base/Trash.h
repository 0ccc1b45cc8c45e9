// The desktop's trash (the freedesktop.org trash): files the user deletes are moved there, with
// a .trashinfo file that records where they came from and when, so the file manager can put
// them back.
//
// The home trash is $XDG_DATA_HOME/Trash ($HOME/.local/share/Trash when XDG_DATA_HOME is unset
// or not absolute). A file on another file system goes to the trash at the top of its own file
// system: $topdir/.Trash/$uid when $topdir/.Trash is a real folder with the sticky bit, else
// $topdir/.Trash-$uid. Files are only ever renamed into a trash, never copied.
#pragma once

#include <string>

enum class TTrashOutcome {
    Trashed, // the file is in a trash
    Deleted, // no trash could take it: it was deleted
    Failed,  // it could neither be trashed nor deleted (it stays where it was)
};

// Which trashes TrashFile may use.
enum class TTrashScope {
    HomeAndTopDirs, // the home trash, and the top-directory trashes of other file systems
    HomeOnly,       // the home trash only
};

// Moves the file (or symbolic link: the link itself, not what it points to) at path into the
// trash. When no trash can take it, it is deleted instead. A file that does not exist gives
// Failed. The file's name in the trash is its own name, or "stem.N.ext" when that is taken;
// when trashedAs is given, it receives the file's path in the trash (empty unless Trashed).
TTrashOutcome TrashFile(const std::string& path, TTrashScope scope = TTrashScope::HomeAndTopDirs,
                        std::string* trashedAs = nullptr);

// Moves the file into the trash like TrashFile, but never deletes it: false, with the file
// left where it is, when no trash can take it.
bool MoveToTrash(const std::string& path, TTrashScope scope = TTrashScope::HomeAndTopDirs,
                 std::string* trashedAs = nullptr);

// Puts a file that TrashFile moved to trashedAs back at path, and removes its .trashinfo.
// Never replaces a file at path; false when the file cannot be put back.
bool RestoreFromTrash(const std::string& trashedAs, const std::string& path);

// The folder of the home trash (holding files/ and info/), whether it exists or not.
std::string HomeTrashFolder();
