// TForm1: the main window. The left column browses folders (PTShellTree1) and the slide
// libraries and pattern files of the current folder (FileListBox1); the notebook's "slides"
// page shows the current list as names or thumbnails (ListBox1) and the selected slide in the
// preview (PaintBox1); the "hatchs" page belongs to pattern files.
//
// The window owns the current list (one TSlideLib or none), the view mode (folder view: the
// *.sld files of the current folder; library view: the slides of the chosen *.slb file), the
// preview background and the dialogs. Handlers keep the names of the events and commands
// they serve (PTShellTree1Change, FileListBox1Click, ReloadSlideList...). Split by concern:
// testslides.cpp (layout, menus, placement and settings), testslides_browse.cpp (browsing,
// slide list, preview), testslides_commands.cpp (background colour, About, Help).
#pragma once

#include "Dialogs.h"
#include "render/RasterCanvas.h"

#include <QMainWindow>
#include <QPixmap>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QStatusBar;
class QToolBar;
class QToolButton;
class QTreeView;
class TIniFile;
class TPreviewBox;
class TPreviewPanel;
class TSlideLib;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Varnel Slide Manager / Viewer";
    static constexpr int kThumbWidth = 128;
    static constexpr int kThumbHeight = 80;
    static constexpr int kStatusPanels = 7;

    struct TOptions {
        // The folder the program runs from: samples/, quorvane.chm and quorvane.html are there.
        std::string ProgramDir;
        // The main window's settings file; chosen by the settings rule when empty.
        std::string SettingsFile;
        // Dialogs to use instead of the window's own (tests); not owned.
        TDialogs* Dialogs = nullptr;
    };

    explicit TForm1(TOptions options, QWidget* parent = nullptr);
    ~TForm1() override;

    // Start-up: shows the window with its restored placement (normal or maximised); the first
    // show reads "Path"/"Dir" and opens that folder (FormRestore).
    void ShowRestored();
    // Reads the last folder and opens it (the samples folder on a first start). Runs once.
    void FormRestore();
    // Writes placement, panel sizes and the current folder to the settings file. Called on
    // close and on a termination signal.
    void SaveSettings();
    const std::string& SettingsFileName() const { return m_settingsFile; }

    // ---- Browsing (event handlers and the operations other commands use) ----
    void PTShellTree1Change();
    void PTShellTree1Click();
    void Panel5Click();
    void FileListBox1Click();
    void ReloadSlideList();
    void FillSlideList();
    void ActivateSelection();
    void RepaintPreview();
    void RefreshFileList();
    void Thumbnails1Click();
    void SelectAllExecute();
    void Notebook1PageChanged();

    // ---- Commands ----
    void ChangeBackCol();
    void AboutClick();
    void HelpClick();

    // Points the folder tree at a folder (the nearest existing one above it when it is gone);
    // a change runs PTShellTree1Change.
    void SetTreeFolder(const QString& folder);
    // The folder tree's folder; empty when no file-system folder is selected.
    QString TreeFolder() const;
    QString FileListFolder() const { return m_fileListFolder; }
    // Makes name the file list's current entry as a click on it does (runs FileListBox1Click).
    bool ClickFileListEntry(const QString& name);

    TSlideLib* CurrentList() const { return m_currentList.get(); }
    bool LibraryView() const { return m_libraryView; }
    bool ThumbnailView() const { return m_thumbView; }
    // The selected slides in list order; "the selected slide" is the first of them (-1: none).
    std::vector<int> SelectedSlides() const;
    int SelectedSlide() const;
    TColor PreviewBackground() const { return m_previewBackground; }
    const TRasterCanvas& PreviewBuffer() const { return m_preview; }
    QString StatusText(int panel) const;
    int StatusWidth(int panel) const;
    TDialogs& Dialogs() { return *m_dialogs; }

    // Components, named as the window's designer named them.
    QToolBar* ToolBar1 = nullptr;
    QWidget* Panel1 = nullptr; // left column
    QTreeView* PTShellTree1 = nullptr;
    QPushButton* Panel5 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QWidget* Panel3 = nullptr; // right side, holds the notebook
    QStackedWidget* Notebook1 = nullptr;
    QWidget* SlidesPage = nullptr;
    QWidget* HatchsPage = nullptr;
    TPreviewPanel* Panel2 = nullptr;
    TPreviewBox* PaintBox1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QSplitter* Splitter1 = nullptr; // left column | notebook, 5 wide
    QSplitter* Splitter2 = nullptr; // folder tree / file list
    QSplitter* Splitter3 = nullptr; // preview / slide list, 4 high
    QToolButton* ViewStyleButton = nullptr;
    QAction* viewlist = nullptr;
    QAction* viewthumb = nullptr;
    QAction* SelectAll = nullptr;
    QAction* BackgroundColor1 = nullptr;
    QAction* About1 = nullptr;
    QAction* Help1 = nullptr;
    QAction* Exit1 = nullptr;
    // The thumbnail image list, 128 x 80 per image.
    std::vector<QPixmap> limg;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateLayout();
    void CreateStatusBar();
    void RestorePlacement(const TIniFile& ini);

    void SetPanel5Active(bool active);
    void SetFileListFolder(const QString& folder);
    void ClearFileListSelection();
    QString SelectedFilePath() const;
    void SetStatus(int panel, const QString& text, bool fitWidth);
    void SetStatusWidth(int panel, int width);
    void ShowPage(QWidget* page);
    void OpenPatternFile(const QString& path);
    void SchedulePreview();
    // Marks long work: a preview asked for meanwhile waits for its end, and messages raised
    // meanwhile are shown when the outermost scope ends.
    class TBusyScope {
    public:
        explicit TBusyScope(TForm1& form) : m_form(form) { ++m_form.m_busy; }
        ~TBusyScope();
        TBusyScope(const TBusyScope&) = delete;
        TBusyScope& operator=(const TBusyScope&) = delete;

    private:
        TForm1& m_form;
    };
    friend class TBusyScope;
    // Messages raised while drawing (the renderer's, errors of a slide that cannot be drawn)
    // are collected and shown once the drawing is done, never from inside it.
    void QueueMessage(const std::string& text, bool isError);
    void ShowQueuedMessages();

    TOptions m_options;
    std::unique_ptr<TDialogs> m_ownDialogs;
    TDialogs* m_dialogs = nullptr;
    std::string m_settingsFile;
    QFileSystemModel* m_treeModel = nullptr;
    QLabel* m_panels[kStatusPanels] = {};

    std::unique_ptr<TSlideLib> m_currentList;
    bool m_libraryView = false;
    bool m_thumbView = true;
    bool m_placementRestored = false;
    bool m_formRestored = false;
    bool m_startMaximized = false;
    bool m_fillingList = false;
    bool m_fileListUpdating = false;
    int m_busy = 0;
    bool m_previewPending = false;
    QString m_fileListFolder;
    QString m_patternFileName;
    QLabel* m_hatchsInfo = nullptr;
    // What the last reload could not read (shown in status panel 6); empty after success.
    QString m_readProblem;
    TColor m_previewBackground = 0;
    TRasterCanvas m_preview{0, 0};

    struct TQueuedMessage {
        std::string Text;
        bool IsError;
    };
    std::vector<TQueuedMessage> m_queuedMessages;
    // The slide whose messages were shown last, so that repainting it (a resize) does not
    // show them again.
    int m_listGeneration = 0;
    int m_messagesShownGeneration = -1;
    int m_messagesShownIndex = -1;
};
