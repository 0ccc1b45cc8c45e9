// The settings file: INI text, written on close (and on a termination signal), read on start.
#include "AppTestSupport.h"

#include "AppSettings.h"
#include "IniFile.h"
#include "SignalWatcher.h"

#include <QApplication>
#include <QListWidget>
#include <QSplitter>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

TEST(IniFileTest, ReadsWritesAndKeepsOtherSections) {
    TTempDir dir;
    const std::string path = dir.File("x.ini");
    const std::string text = "; comment\r\n[Other]\r\nKey = kept\r\n[Path]\r\nDir=/a b\r\n"
                             "garbage line\r\n[TForm1]\r\nNormPos=1,2,3,4\r\nPanel2_Height=x\r\n";
    WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
    TIniFile ini(path);
    EXPECT_TRUE(ini.Loaded());
    EXPECT_EQ(ini.ReadString("path", "DIR", ""), "/a b");
    EXPECT_EQ(ini.ReadIntegers("TForm1", "NormPos"), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ini.ReadInteger("TForm1", "Panel2_Height", 170), 170);
    EXPECT_EQ(ini.ReadInteger("TForm1", "Missing", -1), -1);

    ini.WriteString("Path", "Dir", "/new\nline");
    ini.WriteInteger("TForm1", "Panel1_Width", 171);
    ini.Save();
    EXPECT_EQ(ini.Text(), "[Other]\nKey=kept\n\n[Path]\nDir=/new line\n\n[TForm1]\n"
                          "NormPos=1,2,3,4\nPanel2_Height=x\nPanel1_Width=171\n");
    TIniFile again(path);
    EXPECT_EQ(again.ReadInteger("TForm1", "Panel1_Width", 0), 171);
    EXPECT_EQ(again.ReadString("Other", "Key", ""), "kept");
}

TEST(IniFileTest, DamagedOrMissingFileGivesDefaults) {
    TTempDir dir;
    EXPECT_FALSE(TIniFile(dir.File("none.ini")).Loaded());
    WriteFileBytes(dir.File("bin.ini"), {'[', 'P', 'a', 't', 'h', ']', '\n', 0, 0xFF, 'D', '='});
    const TIniFile damaged(dir.File("bin.ini"));
    EXPECT_FALSE(damaged.Loaded());
    EXPECT_EQ(damaged.ReadString("Path", "Dir", "default"), "default");
}

TEST(AppSettingsTest, BesideTheProgramWhenWritableElseConfigFolder) {
    TTempDir dir;
    ::setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
    EXPECT_EQ(MainSettingsFile(dir.File("varnel")), dir.File("varnel.ini"));
    EXPECT_EQ(MainSettingsFile("/no/such/folder/varnel"), dir.File("config/varnel.ini"));
    EXPECT_EQ(DefaultSettingsFile(dir.File("varnel")), dir.File("config/varnel.ini"));
    EXPECT_EQ(ProgramSettingsFile("/opt/v/varnel"), "/opt/v/varnel.ini");
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST(WindowSettingsTest, WrittenOnCloseAndReadOnStart) {
    TTempDir slides;
    WriteFileBytes(slides.File("one.sld"), MakeSlide(10, 10));
    TWindowSetup window;
    window.form->SetTreeFolder(QString::fromStdString(slides.Path()));
    window.form->Splitter3->setSizes({120, 300});
    QApplication::processEvents();
    window.form->close();

    const TIniFile ini(window.SettingsFile());
    ASSERT_TRUE(ini.Loaded());
    EXPECT_EQ(ini.ReadString("Path", "Dir", ""), slides.Path());
    for (const char* key :
         {"Flags", "ShowCmd", "PixelsPerInch", "MinMaxPos", "NormPos", "Panel2_Height",
          "Panel3_Width", "Panel1_Width", "Splitter1_Width", "Splitter2_Width"})
        EXPECT_TRUE(ini.HasKey("TForm1", key)) << key;
    EXPECT_EQ(ini.ReadInteger("TForm1", "Panel2_Height", 0), 120);
    EXPECT_EQ(ini.ReadIntegers("TForm1", "NormPos").size(), 4u);

    // The next start opens the same folder with the same preview height.
    std::unique_ptr<TForm1> next = window.NewForm();
    EXPECT_EQ(next->TreeFolder().toStdString(), slides.Path());
    EXPECT_EQ(next->ListBox1->count(), 1);
    EXPECT_EQ(next->Panel2->height(), 120);
}

TEST(WindowSettingsTest, FirstStartOpensTheSamplesAndDamagedFileGivesDefaults) {
    TTempDir program;
    std::filesystem::create_directory(program.File("samples"));
    WriteFileBytes(program.File("samples/demo.sld"), MakeSlide(20, 10));
    TWindowSetup window(program.Path());
    EXPECT_EQ(window.form->TreeFolder().toStdString(), program.File("samples"));
    EXPECT_EQ(window.form->ListBox1->count(), 1);

    WriteFileBytes(window.SettingsFile(), {0, 1, 2, 0xFF, '[', 'P'});
    std::unique_ptr<TForm1> next = window.NewForm();
    EXPECT_EQ(next->TreeFolder().toStdString(), program.File("samples"));
    EXPECT_EQ(next->size(), QSize(890, 570));
}

TEST(WindowSettingsTest, TerminationSignalSavesTheSettings) {
    TTempDir slides;
    TWindowSetup window;
    window.form->SetTreeFolder(QString::fromStdString(slides.Path()));
    TSignalWatcher watcher;
    int received = 0;
    QObject::connect(&watcher, &TSignalWatcher::TerminationRequested, window.form.get(),
                     [&](int signalNumber) {
                         received = signalNumber;
                         window.form->close();
                     });
    std::raise(SIGTERM);
    for (int i = 0; i < 50 && received == 0; ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(received, SIGTERM);
    EXPECT_EQ(TIniFile(window.SettingsFile()).ReadString("Path", "Dir", ""), slides.Path());
}

} // namespace
