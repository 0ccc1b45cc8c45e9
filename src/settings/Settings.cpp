#include "settings/Settings.h"

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

int ReadSetting(const TIniFile& ini, const TIntSetting& setting) {
    return ini.ReadInteger(setting.Section, setting.Key, setting.Default);
}

std::string ReadSetting(const TIniFile& ini, const TTextSetting& setting) {
    return ini.ReadString(setting.Section, setting.Key, setting.Default);
}

bool ReadSetting(const TIniFile& ini, const TFlagSetting& setting) {
    const std::string text = ini.ReadString(setting.Section, setting.Key, "");
    if (text == "True" || text == "true" || text == "TRUE" || text == "1")
        return true;
    if (text == "False" || text == "false" || text == "FALSE" || text == "0")
        return false;
    return setting.Default;
}

std::vector<int> ReadSetting(const TIniFile& ini, const TIntListSetting& setting) {
    return ini.ReadIntegers(setting.Section, setting.Key);
}

void WriteSetting(TIniFile& ini, const TIntSetting& setting, int value) {
    ini.WriteInteger(setting.Section, setting.Key, value);
}

void WriteSetting(TIniFile& ini, const TTextSetting& setting, const std::string& value) {
    ini.WriteString(setting.Section, setting.Key, value);
}

void WriteSetting(TIniFile& ini, const TFlagSetting& setting, bool value) {
    ini.WriteString(setting.Section, setting.Key, value ? "True" : "False");
}

void WriteSetting(TIniFile& ini, const TIntListSetting& setting, const std::vector<int>& values) {
    std::string text;
    for (const int v : values)
        text += (text.empty() ? "" : ",") + std::to_string(v);
    ini.WriteString(setting.Section, setting.Key, text);
}

void UpdateSettingsFile(const std::string& file, const std::function<void(TIniFile&)>& change) {
    TIniFile ini(file);
    change(ini);
    std::error_code ec;
    std::filesystem::create_directories(FolderOf(file), ec);
    ini.Save();
}

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

std::string SettingsFile(const std::string& programPath) {
    const std::string programDir = FolderOf(programPath);
    const bool installed = ProgramDataDir(programDir) != programDir;
    if (!installed && ::access(programDir.c_str(), W_OK) == 0)
        return ChangeFileExt(programPath, ".ini");
    return ConfigFolder() + "/" + ChangeFileExt(BaseName(programPath), ".ini");
}
