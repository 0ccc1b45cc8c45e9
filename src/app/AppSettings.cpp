#include "AppSettings.h"

#include "base/FileUtil.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

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
