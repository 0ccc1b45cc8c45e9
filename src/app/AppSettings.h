// Where the window keeps its settings files and finds its own files.
//
// The main window's file is the program's path with ".ini" for its extension when the
// program's folder is writable and the program is not installed (a build or a portable copy
// keeps its settings with it); otherwise the default settings file in the user's config folder
// ($XDG_CONFIG_HOME, or ~/.config). An installed program never writes into its bin folder, not
// even when root runs it.
#pragma once

#include <string>

// The path from the installed bin folder to the installed data folder ("../share/varnel").
std::string DataDirFromBinDir();

// The folder of the program's own files (samples/ and the help page): programDir itself when
// they lie there (a build tree, an unpacked copy), else the installed data folder that
// relativeDataDir leads to from programDir (<prefix>/share/varnel beside <prefix>/bin) when it
// exists, else programDir.
std::string ProgramDataDir(const std::string& programDir,
                           const std::string& relativeDataDir = DataDirFromBinDir());

// The file beside the program: <programDir>/<programName>.ini.
std::string ProgramSettingsFile(const std::string& programPath);
// The default settings file: <config folder>/<programName>.ini.
std::string DefaultSettingsFile(const std::string& programPath);
// The main window's file by the rule above.
std::string MainSettingsFile(const std::string& programPath);
