// How slides are named: the rules that the window and sldtool share for turning file names into
// slide names and back. Slide names are Windows-1252 bytes, as a library stores them; file names
// are UTF-8.
#pragma once

#include <string>

// The longest name a library directory entry holds.
inline constexpr size_t kLibraryNameLength = 31;

// A name typed by the user or taken from a file name (UTF-8) as the Windows-1252 bytes a slide
// name holds. Throws EVarnelError naming the text when it holds characters that have no
// Windows-1252 byte, rather than storing them as '?'.
std::string ToSlideName(const std::string& utf8);

// A slide name as a library's directory entry holds it: cut to 31 characters, the letters a..z
// upper-cased (other bytes keep their case). Two names that give the same stored name would be
// one name in the file, so clashes are checked on this form.
std::string StoredSlideName(const std::string& name);

// The name a slide is stored under in a library when it comes from a file (a file name without
// its folder, as Windows-1252) or from an item of the slide list: the StoredSlideName of the text
// before its last dot. "plan.v2.sld" gives "PLAN.V2".
std::string LibrarySlideName(const std::string& fileName);

// A new name typed for a slide of a library: a trailing ".sld" (any letter case) is dropped.
std::string RenamedSlideName(const std::string& answer);
// A new name typed for a slide file of a folder: ".sld" is appended when it has no extension.
std::string RenamedSlideFileName(const std::string& answer);

// A name (UTF-8) made safe as one file name inside a chosen folder: '/' and NUL become '_'.
std::string SafeFileName(const std::string& utf8);
// The file a library slide is written to when it is copied out to a folder: its name in UTF-8
// plus ".sld", made safe.
std::string SlideFileName(const std::string& slideName);
