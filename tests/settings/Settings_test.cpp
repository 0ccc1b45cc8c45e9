// The settings file: the INI reader and writer, the declared values with their defaults, and
// the one rule for where the file lives.
#include "TestFiles.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

TEST(IniFileTest, ReadsWritesAndKeepsOtherSections) {
    TTempDir dir;
    const std::string path = dir.File("x.ini");
    WriteFileText(path, "; comment\r\n[Other]\r\nKey = kept\r\n[Path]\r\nDir=/a b\r\n"
                        "garbage line\r\n[TForm1]\r\nNormPos=1,2,3,4\r\nPanel2_Height=x\r\n");
    TIniFile ini(path);
    EXPECT_TRUE(ini.Loaded());
    EXPECT_EQ(ini.ReadString("path", "DIR", ""), "/a b"); // names in any letter case
    EXPECT_EQ(ini.ReadIntegers("TForm1", "NormPos"), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ini.ReadInteger("TForm1", "Panel2_Height", 170), 170);
    EXPECT_EQ(ini.ReadInteger("TForm1", "Missing", -1), -1);

    ini.WriteString("Path", "Dir", "/new\nline");
    ini.WriteInteger("TForm1", "Panel1_Width", 171);
    ini.Save();
    EXPECT_EQ(ini.Text(), "[Other]\nKey=kept\n\n[Path]\nDir=/new line\n\n[TForm1]\n"
                          "NormPos=1,2,3,4\nPanel2_Height=x\nPanel1_Width=171\n");
    EXPECT_EQ(TIniFile(path).Text(), ini.Text());

    // A damaged or missing file gives the defaults.
    EXPECT_FALSE(TIniFile(dir.File("none.ini")).Loaded());
    WriteFileBytes(path, {'[', 'P', 'a', 't', 'h', ']', '\n', 0, 0xFF, 'D', '='});
    EXPECT_EQ(TIniFile(path).ReadString("Path", "Dir", "default"), "default");
}

// Each declared value reads as its default when missing or damaged, and as written otherwise.
TEST(SettingsTest, DeclaredValuesReadTheirDefaultsAndWhatWasWritten) {
    TTempDir dir;
    const std::string path = dir.File("v.ini");
    WriteFileText(path, "[Tdpdf]\nsorted_Checked=maybe\nSpinEdit1_Value=x\n"
                        "[TForm1]\nNormPos=1,2,z\n");
    {
        const TIniFile ini(path);
        EXPECT_TRUE(ReadSetting(ini, Settings::kSheetSorted));
        EXPECT_EQ(ReadSetting(ini, Settings::kSheetColumns), 1);
        EXPECT_EQ(ReadSetting(ini, Settings::kShowCmd), 1);
        EXPECT_EQ(ReadSetting(ini, Settings::kLastFolder), "");
        EXPECT_TRUE(ReadSetting(ini, Settings::kNormPos).empty());
    }
    // A new folder is made for the file; the sections already there stay.
    const std::string nested = dir.File("config/sub/v.ini");
    for (const std::string& file : {path, nested})
        UpdateSettingsFile(file, [](TIniFile& ini) {
            WriteSetting(ini, Settings::kSheetSorted, false);
            WriteSetting(ini, Settings::kSheetRows, 7);
            WriteSetting(ini, Settings::kNormPos, {10, 20, 300, 400});
            WriteSetting(ini, Settings::kExportFolder, "/a folder");
        });
    for (const std::string& file : {path, nested}) {
        const TIniFile ini(file);
        EXPECT_FALSE(ReadSetting(ini, Settings::kSheetSorted)) << file;
        EXPECT_EQ(ini.ReadString("Tdpdf", "sorted_Checked", ""), "False");
        EXPECT_EQ(ReadSetting(ini, Settings::kSheetRows), 7);
        EXPECT_EQ(ReadSetting(ini, Settings::kNormPos), (std::vector<int>{10, 20, 300, 400}));
        EXPECT_EQ(ReadSetting(ini, Settings::kExportFolder), "/a folder");
    }
    EXPECT_EQ(TIniFile(path).ReadString("Tdpdf", "SpinEdit1_Value", ""), "x");

    // A file that cannot be written is an error, and the old one stays.
    std::filesystem::create_directory(dir.File("taken.ini"));
    EXPECT_THROW(
        UpdateSettingsFile(dir.File("taken.ini"),
                           [](TIniFile& ini) { WriteSetting(ini, Settings::kShowCmd, 3); }),
        std::exception);
}

// An installed program: <prefix>/bin/varnel with its files in <prefix>/share/varnel.
TEST(SettingsFileTest, TheProgramFindsItsFilesAndKeepsItsSettingsInOnePlace) {
    TTempDir prefix;
    std::filesystem::create_directories(prefix.File("bin"));
    std::filesystem::create_directories(prefix.File("share/varnel/samples"));
    WriteFileText(prefix.File("share/varnel/quorvane.html"), "<p>");

    EXPECT_EQ(DataDirFromBinDir(), "../share/varnel");
    // A build tree or an unpacked copy keeps them beside the program; neither there: the
    // program's folder, where the window says what is missing.
    for (const auto& [from, to] :
         {std::pair("bin", "share/varnel"), std::pair("share/varnel", "share/varnel"),
          std::pair("a/b", "a/b")})
        EXPECT_EQ(ProgramDataDir(prefix.File(from)), prefix.File(to)) << from;

    // Settings beside a program whose folder is writable, else in the config folder. The
    // installed bin folder is writable here, as it is for root, yet they go to the config folder.
    const TScopedEnv config("XDG_CONFIG_HOME", prefix.File("config"));
    EXPECT_EQ(SettingsFile(prefix.File("bin/varnel")), prefix.File("config/varnel.ini"));
    EXPECT_EQ(SettingsFile(prefix.File("share/varnel/varnel")),
              prefix.File("share/varnel/varnel.ini"));
    EXPECT_EQ(SettingsFile("/no/such/folder/varnel"), prefix.File("config/varnel.ini"));
    const TScopedEnv relative("XDG_CONFIG_HOME", "not/absolute");
    const TScopedEnv home("HOME", prefix.File("home"));
    EXPECT_EQ(SettingsFile("/no/such/folder/varnel"), prefix.File("home/.config/varnel.ini"));
}

} // namespace
