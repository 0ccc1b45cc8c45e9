#include "AppSettings.h"

#include "base/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#ifndef VARNEL_DATADIR_FROM_BINDIR
#define VARNEL_DATADIR_FROM_BINDIR "../share/varnel"
#endif

namespace {

std::string ConfigFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config";
    return std::filesystem::temp_directory_path().string();
}

// The program's own files lie in folder.
bool HoldsProgramFiles(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(folder / "samples", ec) ||
           std::filesystem::is_regular_file(folder / "quorvane.html", ec);
}

} // namespace

std::string DataDirFromBinDir() {
    return VARNEL_DATADIR_FROM_BINDIR;
}

std::string ProgramDataDir(const std::string& programDir, const std::string& relativeDataDir) {
    if (HoldsProgramFiles(programDir) || relativeDataDir.empty())
        return programDir;
    const std::filesystem::path installed =
        (std::filesystem::path(programDir) / relativeDataDir).lexically_normal();
    std::string data = installed.string();
    while (data.size() > 1 && data.back() == '/')
        data.pop_back();
    return HoldsProgramFiles(installed) ? data : programDir;
}

std::string ProgramSettingsFile(const std::string& programPath) {
    return ChangeFileExt(programPath, ".ini");
}

std::string DefaultSettingsFile(const std::string& programPath) {
    return ConfigFolder() + "/" + ChangeFileExt(BaseName(programPath), ".ini");
}

std::string MainSettingsFile(const std::string& programPath) {
    const std::string programDir = FolderOf(programPath);
    const bool installed = ProgramDataDir(programDir) != programDir;
    if (!installed && ::access(programDir.c_str(), W_OK) == 0)
        return ProgramSettingsFile(programPath);
    return DefaultSettingsFile(programPath);
}
