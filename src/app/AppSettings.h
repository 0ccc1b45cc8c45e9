// Where the window keeps its settings files.
//
// The main window's file is the program's path with ".ini" for its extension when the
// program's folder is writable (a portable copy keeps its settings with it); otherwise the
// default settings file in the user's config folder ($XDG_CONFIG_HOME, or ~/.config).
#pragma once

#include <string>

// The file beside the program: <programDir>/<programName>.ini.
std::string ProgramSettingsFile(const std::string& programPath);
// The default settings file: <config folder>/<programName>.ini.
std::string DefaultSettingsFile(const std::string& programPath);
// The main window's file by the rule above.
std::string MainSettingsFile(const std::string& programPath);
