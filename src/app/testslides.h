// TForm1: the main window. The left column browses folders (PTShellTree1) and the slide
// libraries and pattern files of the current folder (FileListBox1); the notebook's "slides"
// page shows the current list as names or thumbnails (ListBox1) and the selected slide in the
// preview (PaintBox1); the "hatchs" page belongs to pattern files.
//
// The window is a shell over TWindowModel, which holds the state (the current list, the view
// mode, the selection, the status texts) and the rules. Each handler tells the model what the
// user did or runs a command over the model, then shows the model again (RefreshView). Handlers
// keep the names of the events and commands they serve (PTShellTree1Change, FileListBox1Click,
// ChangeBackCol...). Split by concern: testslides.cpp (layout, actions, menus, toolbar,
// placement and settings), testslides_browse.cpp (browsing and showing the model),
// testslides_commands.cpp (the commands and when they apply), testslides_slides.cpp (the slide
// management commands), testslides_export.cpp (export, clipboard and image import),
// testslides_open.cpp (paths from the command line and files dropped on the window).
#pragma once

#include "QtDialogs.h"
#include "ThumbnailList.h"
#include "base/UiHooks.h"
#include "model/ThumbnailRenderer.h"
#include "model/WindowModel.h"

#include <QMainWindow>
#include <QPixmap>
#include <QPointF>
#include <QSize>
#include <QStringList>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QFileSystemWatcher;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QStatusBar;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeView;
class THatchPage;
class TIniFile;
class TPreviewBox;
class TPreviewPanel;
class Tfimage;
class TExportDialog;
class Tdpdf;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kCaption = "Varnel Slide Manager / Viewer";
    static constexpr int kThumbWidth = TWindowModel::kThumbWidth;
    static constexpr int kThumbHeight = TWindowModel::kThumbHeight;

    struct TOptions {
        // The folder of the program's own files: samples/, quorvane.chm and quorvane.html are
        // there. By default the program's folder, or the installed data folder (ProgramDataDir).
        std::string ProgramDir;
        // The settings file of the window and its dialogs; chosen by the settings rule
        // (SettingsFile of the program's path) when empty.
        std::string SettingsFile;
        // Dialogs to use instead of the window's own (tests); not owned.
        TDialogs* Dialogs = nullptr;
        // Paths from the command line: shown at start instead of the last folder (OpenPaths).
        std::vector<std::string> OpenPaths;
        // An export dialog to use instead of fimage (tests); not owned.
        TExportDialog* ExportDialog = nullptr;
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

    TWindowModel& Model() { return m_model; }
    const TWindowModel& Model() const { return m_model; }
    TDialogs& Dialogs() { return *m_dialogs; }

    // ---- Browsing (event handlers) ----
    void PTShellTree1Change();
    void PTShellTree1Click();
    void Panel5Click();
    void FileListBox1Click();
    void ListBox1SelectItem();
    void Thumbnails1Click();
    void SelectAllExecute();
    // The filter field's text changed (typed, pasted, cleared): the list shows the matching
    // slides.
    void SlideFilterChange();
    // Ctrl+F: the filter field of the page shown gets the keyboard focus, its text selected.
    void Filter1Click();
    // The item (the model's index) that row of ListBox1 shows, or -1; the row of an item, or -1
    // when the filter hides it.
    int ItemOfRow(int row) const;
    int RowOfItem(int item) const;
    // Zoom and pan of the preview (the mouse on PaintBox1 and the View menu).
    // Zooms around the preview buffer's point at, or around its centre.
    void PreviewZoomBy(double factor, std::optional<QPointF> at);
    void PreviewPan(double dx, double dy);
    void FitClick();

    // ---- Paths from the desktop (testslides_open.cpp) ----
    // Opens what the paths name (model/OpenPaths.h): the folder of the first path with that
    // slide selected, a library, a pattern file, or a folder. False when nothing was opened.
    bool OpenPaths(const std::vector<std::string>& paths);

    // ---- Commands ----
    void ChangeBackCol();
    // testslides_export.cpp: "&Export to Image", "Copy to Clipboard (as WMF)", "&Import from
    // Image".
    void SaveAsPicts();
    void btnCopyclipClick();
    void ConvertBMPToSlideClick();
    void AboutClick();
    void HelpClick();
    // Printing and PDF (testslides_print.cpp)
    void PrintCurrentSlide1Click();
    void btnPrintClick();
    void ConvertCurrentSlidetoPDF1Click();
    void ConvertSlidestoPDF1Click();

    // Points the folder tree at a folder (the nearest existing one above it when it is gone);
    // a change runs PTShellTree1Change.
    void SetTreeFolder(const QString& folder);
    // The folder tree's folder; empty when no file-system folder is selected.
    QString TreeFolder() const;
    // Brings the tree's current folder into view, its name read from the start.
    void ScrollTreeToCurrent();

    // Shows the model again: the file list, the page, the slide list (rebuilt when its items
    // changed, thumbnails drawn), the selection, the preview, the status bar and which commands
    // apply.
    void RefreshView();
    // Runs a command: its errors are shown as one error box with the error's own message, then
    // the window shows the model again.
    void RunCommand(const std::function<void()>& command);
    // Builds the slide list's items from the model's, drawing the thumbnails in thumbnail view.
    // keepThumbnails: the list is the one shown, only the filter changed, so the thumbnails
    // drawn of the slides still shown are kept.
    void FillSlideList(bool keepThumbnails = false);

    // Status panel text and width, as shown.
    QString StatusText(TStatusPanel panel) const;
    int StatusWidth(TStatusPanel panel) const;

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
    THatchPage* HatchPage = nullptr; // the widgets of page "hatchs"
    TPreviewPanel* Panel2 = nullptr;
    TPreviewBox* PaintBox1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    // Above ListBox1: "Filter slides"; Escape clears it.
    QLineEdit* SlideFilter = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QSplitter* Splitter1 = nullptr; // left column | notebook, 5 wide
    QSplitter* Splitter2 = nullptr; // folder tree / file list
    QSplitter* Splitter3 = nullptr; // preview / slide list, 4 high

    // Menu File
    QAction* NewSlideLibrary1 = nullptr;
    QAction* SaveToDirectory1 = nullptr;
    QAction* SaveAsSlideLibrary1 = nullptr;
    QAction* AddToSlideLibrary1 = nullptr;
    QAction* MoveToSlideLibrary1 = nullptr;
    QAction* PrintCurrentSlide1 = nullptr;
    QAction* PrintAllSlides1 = nullptr;
    QAction* ConvertCurrentSlidetoPDF1 = nullptr;
    QAction* ConvertSlidestoPDF1 = nullptr;
    QAction* ExportToImage1 = nullptr;
    QAction* ImportFromImage1 = nullptr;
    QAction* DeleteSlides1 = nullptr;
    QAction* Exit1 = nullptr;
    // Menu Edit
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
    QAction* RenameSlide1 = nullptr;
    QAction* MoveSlideUp1 = nullptr;
    QAction* MoveSlideDown1 = nullptr;
    QAction* CopyToClipboard1 = nullptr;
    QAction* SelectAll = nullptr;
    QAction* Filter1 = nullptr; // "&Filter", Ctrl+F: to the filter field of the page shown
    // Menu View
    QAction* BackgroundColor1 = nullptr;
    QAction* viewlist = nullptr;
    QAction* viewthumb = nullptr;
    QAction* ZoomIn1 = nullptr;  // "Zoom &In", + : the preview twice as large
    QAction* ZoomOut1 = nullptr; // "Zoom &Out", - : half as large, down to fitted
    QAction* Fit1 = nullptr;     // "&Fit": the whole slide fitted into the preview again
    // Menu Help
    QAction* About1 = nullptr;
    QAction* Help1 = nullptr;
    // Actions of the toolbar's drop-downs and keys
    QAction* Saveaslib = nullptr;
    QAction* Addtolib = nullptr;
    QAction* Movetolib = nullptr;
    QAction* deleteAction = nullptr; // "delete", key Del
    QAction* ConvertSlideToImage1 = nullptr;
    QAction* ConvertImageToSlide1 = nullptr;
    QAction* PrintCurrentSlide2 = nullptr;
    QAction* PrintSlides2 = nullptr;
    QAction* ConvertCurrentSlidetoPDF2 = nullptr;
    QAction* ConvertSlidestoPDF2 = nullptr;
    // Toolbar buttons, left to right
    QToolButton* NewLibButton = nullptr;
    QToolButton* SaveAddMoveButton = nullptr;
    QToolButton* SaveToDirButton = nullptr;
    QToolButton* ConvertButton = nullptr;
    QToolButton* PrintButton = nullptr;
    QToolButton* DeleteButton = nullptr;
    QToolButton* MvSlideUpButton = nullptr;
    QToolButton* MvSlideDnButton = nullptr;
    QToolButton* CopyClipButton = nullptr;
    QToolButton* ViewStyleButton = nullptr;

    // The export dialog, created at start-up and kept for the run.
    Tfimage* fimage = nullptr;
    // The sheet settings of the PDF and print commands, created once at start-up.
    Tdpdf* dpdf = nullptr;

    // The thumbnail image list, 128 x 80 per image.
    TThumbnailList limg;
    // Waits until every thumbnail of the list is drawn and shown (tests and benchmarks).
    void WaitForThumbnails();
    // How often changes on disk made the window read a list again (FolderChangedOnDisk).
    int DiskReloads() const { return m_diskReloads; }
    TThumbnailRenderer& ThumbnailRenderer() { return *m_renderer; }
    // The background the slide list's thumbnails were drawn on: the preview's when the list was
    // filled (a later change shows at the next fill).
    TColor ThumbnailBackground() const { return m_shown.Background; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Files and folders dropped on the window open as OpenPaths opens them.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateLayout();
    void CreateStatusBar();
    // Runs the slide management commands from their actions (testslides_slides.cpp).
    void ConnectSlideCommands();
    // Creates the export dialog and connects the picture commands to their actions.
    void ConnectExportCommands();
    void CreatePrintCommands();
    void RestorePlacement(const TIniFile& ini);
    // Enables the commands that apply to the current view and selection.
    void UpdateActions();

    void RefreshFileList();
    void RefreshPage();
    void RefreshSlideList();
    void RefreshSelection();
    void RefreshPreview();
    void SetStatus(TStatusPanel panel, const QString& text, bool fitWidth);
    void SetStatusWidth(TStatusPanel panel, int width);
    void SchedulePreview();
    // The items on screen get their thumbnails (drawn first by the workers); the others let
    // their pictures go.
    void ShowVisibleThumbnails();
    // A thumbnail's size in the screen's device pixels: 128 x 80 times limg's ratio.
    QSize ThumbnailPixels() const;
    // The rows of the first and last item on screen (-1, -1 for an empty list).
    std::pair<int, int> VisibleItems() const;
    void ThumbnailArrived(TThumbnailRenderer::TThumbnail&& thumbnail);
    // Shows the thumbnails waiting in the inbox.
    void TakeThumbnails();
    void StartThumbnailBatch();
    // The item's thumbnail could not be drawn: its tooltip says why (the picture is marked).
    void MarkFailedItem(int index, const std::string& message);
    // Once the workers are done with the list, the problems of its slides are shown in one box.
    void ShowThumbnailProblems();
    // The preview is drawn again once the running work is done.
    void RepaintPreviewWhenIdle();
    // Watches the shown folder (and, in library view, the library file) for changes made by
    // other programs.
    void WatchShownFolder();
    // A change on disk: the lists follow after a short pause that gathers a burst of changes
    // (an export of a thousand files reads the folder a few times, not a thousand).
    void DiskChanged();
    void FollowDiskChanges();

    TOptions m_options;
    std::unique_ptr<TDialogs> m_ownDialogs;
    TDialogs* m_dialogs = nullptr;
    TWindowModel m_model;
    std::string m_settingsFile;
    TExportDialog* m_exportDialog = nullptr;
    QFileSystemModel* m_treeModel = nullptr;
    QLabel* m_panels[kStatusPanelCount] = {};

    // The window's own hooks (pending messages, busy cursor) while it lives.
    std::unique_ptr<UiHooks::THookScope> m_hooks;

    bool m_formRestored = false;
    bool m_startMaximized = false;
    // True while the window sets its widgets from the model: their signals are not user input.
    bool m_refreshing = false;
    bool m_previewPending = false;
    std::mutex m_inboxMutex;
    std::vector<TThumbnailRenderer::TThumbnail> m_inbox;
    std::unique_ptr<TThumbnailRenderer> m_renderer;
    // The thumbnail state of the list the slide list shows. It is replaced whole, together with
    // limg, before the list's items change (ForgetShownThumbnails), so nothing of an old list
    // (its icon range, its batch, its messages) can reach the next one: work that arrives or
    // runs later names its batch, and a batch other than Batch is an old list's.
    struct TShownThumbnails {
        int Batch = -1; // the renderer's batch that draws them; -1: none
        TColor Background = 0;
        // Messages of thumbnails drawn in the background, shown when the batch is done.
        std::vector<std::string> Messages;
        int IconFirst = 0, IconLast = -1; // items that show their thumbnail as an icon
        std::vector<uint8_t> HasIcon;     // 1: the item shows its thumbnail
        // The model's item that each row of ListBox1 shows (the filter shows some of them);
        // rows index limg, HasIcon and the batch.
        std::vector<int> Items;
    };
    TShownThumbnails m_shown;
    // Asks, while thumbnails are drawn, whether the batch is done (ShowThumbnailProblems).
    QTimer* m_problemTimer = nullptr;
    QFileSystemWatcher* m_diskWatcher = nullptr;
    QTimer* m_diskTimer = nullptr;
    QStringList m_watched;
    int m_diskReloads = 0;
    QIcon m_placeholder;
    // Drops the thumbnails of the shown list: the workers' pending work, limg, the icon range.
    // Runs before the slide list's items are replaced, so its layout finds nothing of theirs.
    void ForgetShownThumbnails();
    int m_shownListGeneration = -1;
    int m_shownItemsGeneration = -1; // the model's ShownGeneration() the list shows
    int m_shownSourcesGeneration = -1;
    bool m_shownThumbnailView = true;
};
