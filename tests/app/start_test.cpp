// Starting and closing the real window: `varnel PATH` at start, files dropped on the window, and
// the settings file (INI text, written on close and on a termination signal, read on start).
#include "AppTestSupport.h"

#include "SignalWatcher.h"
#include "settings/IniFile.h"

#include <QApplication>
#include <QListWidget>
#include <QSplitter>
#include <QTreeView>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class OpenWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteBrowseFolder(dir.Path());
        WriteFileBytes(other.File("z.sld"), MakeSlide(100, 100));
        // The folder the window showed when it was last closed.
        TIniFile ini(window.SettingsFile());
        ini.WriteString("Path", "Dir", other.Path());
        ini.Save();
    }
    // Starts the window as `varnel paths...` starts it.
    TForm1& Start(std::vector<std::string> paths) {
        window.form.reset();
        window.openPaths = std::move(paths);
        window.form = window.NewForm();
        return *window.form;
    }

    TTempDir dir, other;
    TWindowSetup window{{}, false};
};

TEST_F(OpenWindowTest, ASlideOnTheCommandLineOpensItsFolderWithItSelected) {
    TForm1& f = Start({dir.File("b.sld")});
    EXPECT_EQ(f.TreeFolder().toStdString(), dir.Path());
    EXPECT_EQ(Captions(f), (Names{"A.SLD", "b.sld", "c.Sld"}));
    EXPECT_EQ(f.ListBox1->currentItem()->text(), "b.sld");
    // The tree's own late signal finds the folder shown and leaves the selection alone.
    Settle();
    EXPECT_EQ(Selected(*window.form), Names{"b.sld"});
    EXPECT_TRUE(window.dialogs.log.empty());
    // Closing remembers the folder opened from the command line.
    f.close();
    EXPECT_EQ(TIniFile(window.SettingsFile()).ReadString("Path", "Dir", ""), dir.Path());

    // A path that opens nothing is reported, and the last folder opens.
    TForm1& g = Start({dir.File("gone.sld")});
    EXPECT_EQ(window.dialogs.log, Names{"error: Cannot find \"" + dir.File("gone.sld") + "\"."});
    EXPECT_EQ(g.TreeFolder().toStdString(), dir.Path());
    EXPECT_EQ(Captions(g).size(), 3u);
}

TEST_F(OpenWindowTest, FilesDroppedOnTheWindowOpenThere) {
    TForm1& f = Start({});
    ASSERT_EQ(f.TreeFolder().toStdString(), other.Path());
    EXPECT_FALSE(Drop(&f, {"https://example.org/plan.sld"}));
    // Dropped on the slide list, which takes no files itself: the window opens them.
    EXPECT_TRUE(Drop(f.ListBox1->viewport(),
                     {"file://" + dir.File("c.Sld"), "file://" + dir.File("A.SLD")}));
    EXPECT_EQ(f.TreeFolder().toStdString(), dir.Path());
    EXPECT_EQ(Selected(*window.form), (Names{"A.SLD", "c.Sld"}));
    EXPECT_TRUE(window.dialogs.log.empty());

    // A dropped folder shows its slide files, after a library of it was open.
    ASSERT_TRUE(ClickItem(f.FileListBox1, "Lib.SLB"));
    ASSERT_TRUE(f.Model().LibraryView());
    Drop(f.PTShellTree1->viewport(), {"file://" + dir.Path()});
    EXPECT_FALSE(f.Model().LibraryView());
    EXPECT_EQ(Captions(f).size(), 3u);
    EXPECT_TRUE(f.FileListBox1->selectedItems().isEmpty());
}

TEST(WindowSettingsTest, WrittenOnCloseAndReadOnStart) {
    TTempDir slides;
    WriteFileBytes(slides.File("one.sld"), MakeSlide(10, 10));
    TWindowSetup window;
    window.form->SetTreeFolder(QString::fromStdString(slides.Path()));
    window.form->Splitter3->setSizes({120, 300});
    QApplication::processEvents();
    Trigger(window.form->Exit1); // File > Exit closes the window, which writes the settings

    const TIniFile ini(window.SettingsFile());
    ASSERT_TRUE(ini.Loaded());
    EXPECT_EQ(ini.ReadString("Path", "Dir", ""), slides.Path());
    for (const char* key : {"Flags", "ShowCmd", "PixelsPerInch", "MinMaxPos", "Panel3_Width",
                            "Panel1_Width", "Splitter1_Width", "Splitter2_Width"})
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
