// Paths from the desktop in the real window: `varnel PATH` at start, files dropped on the
// window, and where an installed program finds its own files and keeps its settings.
#include "AppTestSupport.h"

#include "AppSettings.h"
#include "IniFile.h"
#include "graphics/AcadPal.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QStackedWidget>
#include <QTreeView>
#include <QUrl>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

class OpenWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileBytes(dir.File("b.sld"), MakeSlide(300, 300));
        WriteFileBytes(dir.File("A.SLD"), MakeSlide(400, 200));
        WriteFileBytes(dir.File("c.sld"), MakeSlide(200, 100));
        WriteLibrary(dir.File("Lib.SLB"),
                     {{"FIRST", MakeSlide(100, 50)}, {"SECOND", MakeSlide(50, 100)}});
        WriteFileBytes(dir.File("hatch.pat"), {'*', 'X', ',', 'x', '\n', '0', ',', '0', ',', '0',
                                               ',', '0', ',', '1', '\n'});
        WriteFileBytes(other.File("z.sld"), MakeSlide(100, 100));
        std::filesystem::create_directory(home.File("program"));
        // The folder the window showed when it was last closed.
        TIniFile ini(home.File("varnel.ini"));
        ini.WriteString("Path", "Dir", other.Path());
        ini.Save();
    }
    void TearDown() override {
        form.reset();
        BackgroundColour = 0;
        BuildPalette();
    }
    // Starts the window as `varnel paths...` starts it.
    TForm1& Start(std::vector<std::string> paths) {
        TForm1::TOptions options;
        options.ProgramDir = home.File("program");
        options.SettingsFile = home.File("varnel.ini");
        options.Dialogs = &dialogs;
        options.OpenPaths = std::move(paths);
        form = std::make_unique<TForm1>(options);
        form->ShowRestored();
        Settle(); // the first show restores the window and opens what it was given
        Settle();
        return *form;
    }
    std::vector<std::string> Selected() const {
        std::vector<std::string> names;
        for (const QListWidgetItem* item : form->ListBox1->selectedItems())
            names.push_back(item->text().toStdString());
        return names;
    }
    std::unique_ptr<QMimeData> Urls(const std::vector<std::string>& urls) {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> list;
        for (const std::string& u : urls)
            list.push_back(QUrl(QString::fromStdString(u)));
        data->setUrls(list);
        return data;
    }

    TTempDir dir;
    TTempDir other;
    TTempDir home;
    TScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

TEST_F(OpenWindowTest, ASlideOnTheCommandLineOpensItsFolderWithItSelected) {
    TForm1& f = Start({dir.File("b.sld")});
    EXPECT_EQ(f.TreeFolder().toStdString(), dir.Path());
    EXPECT_EQ(FileList(f), (std::vector<std::string>{"hatch.pat", "Lib.SLB"}));
    EXPECT_EQ(Captions(f), (std::vector<std::string>{"A.SLD", "b.sld", "c.sld"}));
    EXPECT_EQ(Selected(), (std::vector<std::string>{"b.sld"}));
    EXPECT_EQ(f.ListBox1->currentItem()->text(), "b.sld");
    EXPECT_EQ(f.StatusText(TStatusPanel::SlideName), "b.sld");
    EXPECT_EQ(f.StatusText(TStatusPanel::Folder).toStdString(), dir.Path());
    EXPECT_TRUE(dialogs.log.empty());

    // The tree's own late signal finds the folder shown and leaves the selection alone.
    Settle();
    EXPECT_EQ(Selected(), (std::vector<std::string>{"b.sld"}));
    // Closing remembers the folder opened from the command line.
    f.close();
    EXPECT_EQ(TIniFile(home.File("varnel.ini")).ReadString("Path", "Dir", ""), dir.Path());
}

TEST_F(OpenWindowTest, ALibraryOrAPatternFileOnTheCommandLineOpensThatFile) {
    TForm1& f = Start({dir.File("Lib.SLB")});
    EXPECT_TRUE(f.Model().LibraryView());
    EXPECT_EQ(Captions(f), (std::vector<std::string>{"FIRST", "SECOND"}));
    ASSERT_EQ(f.FileListBox1->selectedItems().size(), 1);
    EXPECT_EQ(f.FileListBox1->selectedItems().front()->text(), "Lib.SLB");
    EXPECT_EQ(f.StatusText(TStatusPanel::LibraryName).toStdString(), dir.File("Lib.SLB"));

    form.reset();
    TForm1& g = Start({dir.File("hatch.pat")});
    EXPECT_EQ(g.Notebook1->currentWidget(), g.HatchsPage);
    EXPECT_EQ(g.Model().PatternFile(), dir.File("hatch.pat"));
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(OpenWindowTest, APathThatOpensNothingIsReportedAndTheLastFolderOpens) {
    TForm1& f = Start({dir.File("gone.sld")});
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0], "error: Cannot find \"" + dir.File("gone.sld") + "\".");
    EXPECT_EQ(f.TreeFolder().toStdString(), other.Path());
    EXPECT_EQ(Captions(f), (std::vector<std::string>{"z.sld"}));
}

TEST_F(OpenWindowTest, FilesDroppedOnTheWindowOpenThere) {
    TForm1& f = Start({});
    ASSERT_EQ(f.TreeFolder().toStdString(), other.Path());

    const std::unique_ptr<QMimeData> web = Urls({"https://example.org/plan.sld"});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, web.get(), Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(&f, &refused);
    EXPECT_FALSE(refused.isAccepted());

    const std::unique_ptr<QMimeData> files =
        Urls({"file://" + dir.File("c.sld"), "file://" + dir.File("A.SLD")});
    // Dropped on the slide list, which takes no files itself: the window opens them.
    QWidget* slideList = f.ListBox1->viewport();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, files.get(), Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(slideList, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, files.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(slideList, &drop);
    EXPECT_TRUE(drop.isAccepted());
    Settle();
    EXPECT_EQ(f.TreeFolder().toStdString(), dir.Path());
    EXPECT_EQ(Selected(), (std::vector<std::string>{"A.SLD", "c.sld"}));
    EXPECT_TRUE(dialogs.log.empty());

    // A dropped folder shows its slide files, after a library of it was open.
    ASSERT_TRUE(ClickItem(f.FileListBox1, "Lib.SLB"));
    ASSERT_TRUE(f.Model().LibraryView());
    const std::unique_ptr<QMimeData> folder = Urls({"file://" + dir.Path()});
    QDragEnterEvent enterFolder(QPoint(10, 10), Qt::CopyAction, folder.get(), Qt::LeftButton,
                                Qt::NoModifier);
    QApplication::sendEvent(f.PTShellTree1->viewport(), &enterFolder);
    ASSERT_TRUE(enterFolder.isAccepted());
    QDropEvent dropFolder(QPointF(10, 10), Qt::CopyAction, folder.get(), Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(f.PTShellTree1->viewport(), &dropFolder);
    Settle();
    EXPECT_FALSE(f.Model().LibraryView());
    EXPECT_EQ(Captions(f).size(), 3u);
    EXPECT_TRUE(f.FileListBox1->selectedItems().isEmpty());
}

// An installed program: <prefix>/bin/varnel with its files in <prefix>/share/varnel.
TEST(InstalledLayoutTest, TheProgramFindsItsFilesAndKeepsItsSettingsInTheConfigFolder) {
    TTempDir prefix;
    std::filesystem::create_directories(prefix.File("bin"));
    std::filesystem::create_directories(prefix.File("share/varnel/samples"));
    WriteFileBytes(prefix.File("share/varnel/quorvane.html"), {'<', 'p', '>'});
    WriteFileBytes(prefix.File("share/varnel/samples/s.sld"), MakeSlide(100, 100));

    EXPECT_EQ(DataDirFromBinDir(), "../share/varnel");
    EXPECT_EQ(ProgramDataDir(prefix.File("bin")), prefix.File("share/varnel"));
    // A build tree or an unpacked copy keeps them beside the program.
    EXPECT_EQ(ProgramDataDir(prefix.File("share/varnel")), prefix.File("share/varnel"));
    // Neither there: the program's folder, where the window says what is missing.
    EXPECT_EQ(ProgramDataDir(prefix.File("a/b")), prefix.File("a/b"));

    // The bin folder is writable here, as it is for root, yet the settings go to the config
    // folder.
    ::setenv("XDG_CONFIG_HOME", prefix.File("config").c_str(), 1);
    EXPECT_EQ(MainSettingsFile(prefix.File("bin/varnel")), prefix.File("config/varnel.ini"));
    EXPECT_EQ(MainSettingsFile(prefix.File("share/varnel/varnel")),
              prefix.File("share/varnel/varnel.ini"));
    ::unsetenv("XDG_CONFIG_HOME");

    // The first start opens the installed samples.
    TScriptedDialogs dialogs;
    TForm1::TOptions options;
    options.ProgramDir = ProgramDataDir(prefix.File("bin"));
    options.SettingsFile = prefix.File("config-varnel.ini");
    options.Dialogs = &dialogs;
    TForm1 f(options);
    f.show();
    Settle();
    Settle();
    EXPECT_EQ(f.TreeFolder().toStdString(), prefix.File("share/varnel/samples"));
    EXPECT_EQ(Captions(f), (std::vector<std::string>{"s.sld"}));
    BackgroundColour = 0;
    BuildPalette();
}

} // namespace
