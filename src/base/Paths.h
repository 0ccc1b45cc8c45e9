// Path and name helpers shared by the window and sldtool. Paths are UTF-8 with '/' between
// folders; names compare without regard to ASCII letter case, as the desktop the slide files
// come from compares them.
#pragma once

#include <string>

// folder + name with exactly one '/' between them.
std::string JoinPath(const std::string& folder, const std::string& name);
// The last component of a path ("a/b/plan.sld" -> "plan.sld").
std::string BaseName(const std::string& path);
// The folder of a path ("a/b/plan.sld" -> "a/b"; "plan.sld" -> "."; "/plan.sld" -> "/").
std::string FolderOf(const std::string& path);
// The extension of the last component, from its last dot on ("plan.v2.sld" -> ".sld"), or
// empty when it has no dot.
std::string ExtensionOf(const std::string& path);
// The last component without its extension ("a/plan.v2.sld" -> "plan.v2").
std::string StemOf(const std::string& path);
// Replaces the extension of a file name ("plan.sld" + ".bmp" -> "plan.bmp"; no extension:
// appended).
std::string ChangeFileExt(const std::string& name, const std::string& ext);

// Equal ignoring ASCII letter case.
bool SameText(const std::string& a, const std::string& b);
// The same file or folder: the same path ignoring ASCII letter case and a trailing '/', or one
// file or folder reached by two paths (a link, "..").
bool SamePlace(const std::string& a, const std::string& b);
// Ordering ignoring ASCII letter case; names that differ only in case are ordered by their bytes,
// so the order is total.
bool LessText(const std::string& a, const std::string& b);
