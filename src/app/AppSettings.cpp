#include "AppSettings.h"

#include "base/Paths.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

std::string ConfigFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config";
    return std::filesystem::temp_directory_path().string();
}

} // namespace

std::string ProgramSettingsFile(const std::string& programPath) {
    return ChangeFileExt(programPath, ".ini");
}

std::string DefaultSettingsFile(const std::string& programPath) {
    return ConfigFolder() + "/" + ChangeFileExt(BaseName(programPath), ".ini");
}

std::string MainSettingsFile(const std::string& programPath) {
    if (::access(FolderOf(programPath).c_str(), W_OK) == 0)
        return ProgramSettingsFile(programPath);
    return DefaultSettingsFile(programPath);
}
