// What kind of file a path holds, for every place that must tell: the window's file list, the
// paths given on the command line or dropped on the window, the thumbnailer, and the picture
// import that takes bitmaps and drawings alike. The extension decides first (".sld", ".slb",
// ".pat", ".dxf", any letter case); a file with none of them is known by its first bytes: a
// slide library's and a slide file's header text, a DXF drawing's first group ("0" then
// "SECTION", after an optional comment) or the binary DXF's sentinel. Pattern files are plain
// text with nothing that marks them, so only their extension tells.
#pragma once

#include <cstddef>
#include <string>

enum class TFileKind { Other, Slide, Library, Pattern, Drawing };

// The kind that a file name's extension gives; Other for any other extension.
TFileKind FileKindOfName(const std::string& name);
// The kind that a file's first bytes give (Slide, Library, Drawing or Other); size is how many
// of them there are.
TFileKind FileKindOfBytes(const void* head, size_t size);
// The rule: by extension, then by the file's first bytes (read now, from a plain file only). A
// file that cannot be read and has none of the four extensions is Other.
TFileKind FileKindOf(const std::string& path);

// The masks of the window's lists, which go by extension: "*.sld" for the slide files of a
// folder, "*.slb;*.pat" for the file list.
extern const char* const kSlideFileMask;
extern const char* const kSourceFileMask;
