// The settings file: every section, key and default the program keeps between runs, declared
// once here, and the one rule for where the file lives. The main window, the PDF dialog and the
// export dialog each keep their own sections in that one file.
//
// The file is the program's path with ".ini" for its extension when the program's folder is
// writable and the program is not installed (a build or a portable copy keeps its settings with
// it); otherwise <config folder>/<program name>.ini, the config folder being $XDG_CONFIG_HOME, or
// ~/.config. An installed program never writes into its bin folder, not even when root runs it.
#pragma once

#include "settings/IniFile.h"

#include <functional>
#include <string>
#include <vector>

// One value of the settings file: its section, its key, and what it reads as when the key is
// missing or its value damaged.
template <class T> struct TSetting {
    const char* Section;
    const char* Key;
    T Default;
};
using TIntSetting = TSetting<int>;
using TTextSetting = TSetting<const char*>;
// Written "True" or "False"; read also as true/TRUE/1 and false/FALSE/0.
using TFlagSetting = TSetting<bool>;
// Comma-separated integers ("1,2,3,4"); reads as empty when missing or damaged.
struct TIntListSetting {
    const char* Section;
    const char* Key;
};

int ReadSetting(const TIniFile& ini, const TIntSetting& setting);
std::string ReadSetting(const TIniFile& ini, const TTextSetting& setting);
bool ReadSetting(const TIniFile& ini, const TFlagSetting& setting);
std::vector<int> ReadSetting(const TIniFile& ini, const TIntListSetting& setting);
void WriteSetting(TIniFile& ini, const TIntSetting& setting, int value);
void WriteSetting(TIniFile& ini, const TTextSetting& setting, const std::string& value);
void WriteSetting(TIniFile& ini, const TFlagSetting& setting, bool value);
void WriteSetting(TIniFile& ini, const TIntListSetting& setting, const std::vector<int>& values);

// Reads the file again (another part of the program may have written its sections since), lets
// change set values, creates the file's folder when needed and replaces the file atomically.
// Throws EVarnelError when the file cannot be written; the file is then as it was.
void UpdateSettingsFile(const std::string& file, const std::function<void(TIniFile&)>& change);

namespace Settings {

// The main window: the folder shown last ("Path") and where the window stood ("TForm1").
inline constexpr TTextSetting kLastFolder{"Path", "Dir", ""};
inline constexpr TIntSetting kPlacementFlags{"TForm1", "Flags", 0};
// 1 normal, 2 minimised, 3 maximised.
inline constexpr TIntSetting kShowCmd{"TForm1", "ShowCmd", 1};
inline constexpr TIntSetting kPixelsPerInch{"TForm1", "PixelsPerInch", 96};
inline constexpr TTextSetting kMinMaxPos{"TForm1", "MinMaxPos", "-1,-1,-1,-1"};
// The normal (not maximised) frame: left, top, right, bottom.
inline constexpr TIntListSetting kNormPos{"TForm1", "NormPos"};
// Panel sizes in pixels; -1: the window's own default.
inline constexpr TIntSetting kPreviewHeight{"TForm1", "Panel2_Height", -1};
inline constexpr TIntSetting kRightColumnWidth{"TForm1", "Panel3_Width", -1};
inline constexpr TIntSetting kLeftColumnWidth{"TForm1", "Panel1_Width", -1};
inline constexpr TIntSetting kSplitterHandleWidth{"TForm1", "Splitter1_Width", -1};
inline constexpr TIntSetting kLeftSplitterWidth{"TForm1", "Splitter2_Width", -1};
inline constexpr TIntSetting kTreeHeight{"TForm1", "PTShellTree1_Height", -1};

// The PDF and print sheet dialog ("Tdpdf").
inline constexpr TIntSetting kSheetSelection{"Tdpdf", "rbsel_ItemIndex", 0};    // 1: selected only
inline constexpr TIntSetting kSheetColourMode{"Tdpdf", "rdcolor_ItemIndex", 0}; // 1: black/white
inline constexpr TFlagSetting kSheetSorted{"Tdpdf", "sorted_Checked", true};
inline constexpr TIntSetting kSheetColumns{"Tdpdf", "SpinEdit1_Value", 1};
inline constexpr TIntSetting kSheetRows{"Tdpdf", "SpinEdit2_Value", 1};

// The export dialog ("Tfimage"), and the folder last chosen in its folder prompt ("BFolder").
inline constexpr TIntSetting kExportWidth{"Tfimage", "SpinEdit1_Value", 1};
inline constexpr TIntSetting kExportHeight{"Tfimage", "SpinEdit2_Value", 1};
inline constexpr TIntSetting kExportFormat{"Tfimage", "rdFormat_ItemIndex", 0};
inline constexpr TIntSetting kExportSize{"Tfimage", "rdSize_ItemIndex", 0};
inline constexpr TIntSetting kExportSelection{"Tfimage", "rbsel_ItemIndex", 0};
inline constexpr TIntSetting kExportBackground{"Tfimage", "rdback_ItemIndex", 0};
inline constexpr TTextSetting kExportSaveFolder{"Tfimage", "SavePictureDialog1_InitialDir", ""};
inline constexpr TTextSetting kExportFolder{"BFolder", "Folder", ""};

} // namespace Settings

// The path from the installed bin folder to the installed data folder ("../share/varnel").
std::string DataDirFromBinDir();

// The folder of the program's own files (samples/ and the help page): programDir itself when
// they lie there (a build tree, an unpacked copy), else the installed data folder that
// relativeDataDir leads to from programDir (<prefix>/share/varnel beside <prefix>/bin) when it
// exists, else programDir.
std::string ProgramDataDir(const std::string& programDir,
                           const std::string& relativeDataDir = DataDirFromBinDir());

// The settings file of the program at programPath, by the rule above.
std::string SettingsFile(const std::string& programPath);
