// TWindowModel: the main window's state and its browsing rules, without widgets. The window
// (TForm1) tells it what the user did in the folder tree, the file list and the slide list, and
// shows what it holds: the sources of the shown folder, the slide list's items and selection,
// the preview and the status panels. The window's commands work on this model, TDialogs and the
// core, so tests drive them without a window.
//
// State:
// - the shown folder (the file list's folder) and its sources, the *.slb and *.pat files;
// - the view mode: folder view (the *.sld files of the shown folder) or library view (the slides
//   of the chosen *.slb file);
// - the current list: one TSlideLib or none, rebuilt from disk by ReloadSlideList;
// - the slide list's items (one caption per slide, in list order) and the selection, as item
//   indices; item i stands for slide i of the current list;
// - the filter: the list shows the items whose captions match it (ShownItems), and the
//   selection holds shown items only, so every command acts on slides the user sees;
// - the render state of the preview and the thumbnails: the background and its palette;
// - the status panels' texts.
#pragma once

#include "base/FileUtil.h"
#include "base/UiHooks.h"
#include "graphics/AcadPal.h"
#include "graphics/Canvas.h"
#include "model/Dialogs.h"
#include "model/EditHistory.h"
#include "model/PatternPage.h"
#include "model/PreviewZoom.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TBitmap;
class TRasterCanvas;
class TSlideLib;

enum class TViewMode { Folder, Library };
enum class TPage { Slides, Hatchs };

// The status bar's panels, left to right.
enum class TStatusPanel {
    SlideName,   // the selected slide's name
    SlideSize,   // its byte length
    LibraryName, // the current library's file (empty in folder view)
    LibrarySize, // the size of the library file held in memory (0 in folder view)
    PreviewSize, // "WxH" of the preview panel
    Zoom,        // the preview's zoom, "100%" when fitted
    Shown,       // "12 of 1,000 slides" while a filter narrows the list shown
    Folder,      // the shown folder
    Problem,     // why the folder could not be listed, or what the last reload could not read
};
inline constexpr int kStatusPanelCount = 9;

// What choosing an entry of the file list opened.
enum class TSourceKind { None, Library, Pattern };

class TWindowModel {
public:
    static constexpr int kThumbWidth = 128;
    static constexpr int kThumbHeight = 80;

    // The core's messages (UiHooks::ShowMessage) come to this model while it lives.
    explicit TWindowModel(TDialogs& dialogs);
    ~TWindowModel();
    TWindowModel(const TWindowModel&) = delete;
    TWindowModel& operator=(const TWindowModel&) = delete;

    TDialogs& Dialogs() const { return m_dialogs; }
    // The edits of the user's files that Undo and Redo take back and do again; kept while the
    // window shows other folders and libraries.
    TEditHistory& History() { return m_history; }
    const TEditHistory& History() const { return m_history; }

    // ---- Folder tree and file list ----

    // The folder tree's folder, as the window reports it; empty when the tree shows no
    // file-system folder.
    const std::string& TreeFolder() const { return m_treeFolder; }
    // The folder tree's folder changed (PTShellTree1Change): unless the shown folder is already
    // that one (ignoring case), go to folder view on page "slides", read the new folder's
    // sources and reload. False when nothing happened.
    bool TreeFolderChanged(const std::string& folder);
    // A click on the folder tree (PTShellTree1Click): on the folder already shown, back to its
    // slide files (reloaded when a library or pattern file was shown).
    void TreeFolderClicked();
    // The header "Slides (*.SLD)" was clicked (Panel5Click): folder view of the tree's folder.
    void ShowFolderSlides();
    // The file list's entry index was chosen (FileListBox1Click): a library opens in library
    // view; a pattern file switches to folder view and page "hatchs", becomes PatternFile() and
    // is opened there (a file that cannot be loaded throws, leaving the page empty). None for an
    // index out of range.
    TSourceKind ChooseSource(int index);

    // The file list's folder; empty when the tree shows no file-system folder.
    const std::string& Folder() const { return m_folder; }
    // The *.slb and *.pat files of Folder(), by name ignoring case.
    const std::vector<std::string>& Sources() const { return m_sources; }
    // The chosen entry of the file list, or -1.
    int SelectedSource() const { return m_selectedSource; }
    // The chosen entry's full path, or empty.
    std::string SelectedSourcePath() const;
    // The pattern file handed to page "hatchs" by ChooseSource.
    const std::string& PatternFile() const { return m_patternFile; }
    // Page "hatchs": the pattern file's list, preview, editor and commands.
    TPatternPage& PatternPage() { return m_patternPage; }
    const TPatternPage& PatternPage() const { return m_patternPage; }
    // Before page "hatchs" lets its file go (another folder, the folder's slides, another entry
    // of the file list, the window closed): unsaved pattern edits are saved or dropped as the
    // user answers (TPatternPage::ConfirmLeave). False when the user chose to stay; the commands
    // above then change nothing.
    bool ConfirmLeavePatternPage();
    // This program rewrote, removed or brought back path (an undo or redo): when page "hatchs"
    // shows it, the page shows it as it is now (TPatternPage::ReloadFile), or the folder's slides
    // when it is gone. Edits not saved on the page are dropped: the caller asked.
    void PatternFileRewritten(const std::string& path);
    // True while the header "Slides (*.SLD)" shows folder view as the active source.
    bool FolderSourceActive() const { return m_folderSourceActive; }
    // Reads the sources of Folder() again; in library view the current library's entry is
    // chosen again when it lies in that folder (RefreshFileList).
    void RefreshFileList();

    // ---- Changes made by other programs ----

    // The shown folder changed on disk (the window watches it and calls this once for a burst of
    // changes). What the file list and the slide list show is compared with the disk: the file
    // list is read again when a library or pattern file came, went or was renamed; in folder
    // view the slide list is reloaded when a slide file came, went or changed; in library view
    // when the library file changed. The chosen entry and the selected slides stay chosen while
    // they are there; a library shown that went gives way to the folder's slides. Changes that
    // the lists show already (this program's own writes, which reloaded them) do nothing. True
    // when a list was read again.
    // On page "hatchs" the pattern file shown is compared too (TPatternPage::FileChangedOnDisk):
    // read again when the page holds no unsaved edits, left for the folder's slides when it
    // went; with unsaved edits the Problem panel says that it changed and the edits stay.
    bool FolderChangedOnDisk();

    // ---- Page and view ----

    TPage Page() const { return m_page; }
    // Switching the page (Notebook1PageChanged) empties the slide list and the pattern list;
    // leaving page "hatchs" also drops the pattern file's lines.
    void ShowPage(TPage page);
    TViewMode ViewMode() const { return m_viewMode; }
    bool LibraryView() const { return m_viewMode == TViewMode::Library; }
    bool ThumbnailView() const { return m_thumbnailView; }
    // Thumbnails1Click: thumbnails become names and names thumbnails; the list is filled again
    // and keeps its selection.
    void ToggleThumbnailView();

    // ---- Current list and slide list ----

    TSlideLib* CurrentList() const { return m_currentList.get(); }
    // Builds the current list again from disk and fills the slide list, keeping the selected
    // caption selected when it is still there (else the first item).
    void ReloadSlideList();
    // The slide list's items from the current list, one caption per slide.
    void FillSlideList();
    // The captions (UTF-8) of the slide list, in list order.
    const std::vector<std::string>& Items() const { return m_items; }
    // Changes whenever the items change (a fill, a reload, a page switch), so the window knows
    // when to build its list again.
    int ListGeneration() const { return m_listGeneration; }
    // Changes whenever Sources() or SelectedSource() change.
    int SourcesGeneration() const { return m_sourcesGeneration; }

    // ---- Filter ----

    // The filter field's text (UTF-8). It stays while other folders and libraries are shown
    // (as file managers keep theirs), so each new list is shown filtered too.
    const std::string& Filter() const { return m_filter; }
    // The user typed into the filter field: the list shows the items whose captions match
    // (MatchesFilter). Selected items that are still shown stay selected; when none is, the
    // first shown item is selected. The preview is drawn again.
    void SetFilter(const std::string& text);
    // The items the slide list shows, in list order: all of them with an empty filter.
    const std::vector<int>& ShownItems() const;
    bool IsShown(int item) const;
    // The shown item step places after (step > 0) or before item, or -1 at either end.
    int ShownNeighbour(int item, int step) const;
    // Changes whenever ShownItems() changes (the items or the filter), so the window knows when
    // to build its list again.
    int ShownGeneration() const { return m_listGeneration + m_filterGeneration; }

    // The selected items in list order; all of them shown.
    const std::vector<int>& Selection() const { return m_selection; }
    // "The selected slide": the first selected item, or -1.
    int SelectedSlide() const { return m_selection.empty() ? -1 : m_selection.front(); }
    // The user selected these items (out-of-range and hidden ones are dropped; order and
    // duplicates do not matter).
    void SetSelection(std::vector<int> items);
    // Selects the one item (nothing when out of range); a hidden item leaves the selection as
    // it is.
    void SelectItem(int item);
    // Ctrl+A: every shown item, when there are any.
    void SelectAll();
    // A command just made or renamed the slide with this caption (ignoring case): it is selected
    // and drawn. When the filter hides it, the filter is cleared first (the field empties), so
    // the user never loses sight of what was just made; a filter that shows it stays. False when
    // the list holds no such slide.
    bool ShowMadeSlide(const std::string& caption);
    // True when the filter hides a slide of that caption.
    bool FilterHides(const std::string& caption) const;
    // After a selection: with an empty slide list the current list is dropped; the preview is
    // drawn again.
    void ActivateSelection();

    // ---- Preview, thumbnails and status ----

    // What the preview and the thumbnails are drawn with; commands that show what the preview
    // shows (the clipboard, importing a picture) take a copy.
    const TRenderState& RenderState() const { return m_renderState; }
    // The preview background: the render state's.
    TColor PreviewBackground() const { return m_renderState.Background(); }
    // A new render state for the background. Thumbnails already made keep their background
    // until the list is filled again.
    void SetPreviewBackground(TColor colour);
    // The preview: a picture the size of the preview panel, which the window shows.
    const TRasterCanvas& Preview() const { return *m_preview; }
    // The preview's size in device pixels, pixelRatio of them to one pixel of the window (2 on
    // a screen at 200 %). The status bar gives the panel's size in the window's own pixels, as
    // every other size of the window is given; a ratio that is not a sound number counts as 1.
    void SetPreviewSize(int width, int height, double pixelRatio = 1);
    // The preview's zoom and the part of the slide in view. Another slide selected starts
    // fitted again; a reload that keeps the same slide keeps its zoom.
    const TPreviewZoom& PreviewZoom() const { return m_zoom; }
    // Zooms by factor around the preview's point (x, y), pans by (dx, dy) pixels, fits again;
    // each says whether the view changed. The caller draws the preview again (RepaintPreview),
    // so a burst of wheel turns or mouse moves costs one drawing.
    bool ZoomPreview(double factor, double x, double y);
    bool PanPreview(double dx, double dy);
    bool FitPreview();
    // Fills the preview with the background, draws the selected slide at its zoom (fitted at
    // zoom 1), and sets the status texts. Messages of a slide that cannot be drawn are shown once
    // per slide and fill, not again at every repaint.
    void RepaintPreview();
    // Changes at every repaint of the preview and its status texts.
    int PreviewGeneration() const { return m_previewGeneration; }
    // Item index drawn into a width x height bitmap on the preview background (kThumbWidth x
    // kThumbHeight, times the screen's pixel ratio). Messages wait until the running work is
    // done; returns the message, if any.
    std::string DrawThumbnail(int index, TBitmap& bitmap, int width = kThumbWidth,
                              int height = kThumbHeight);
    // The text of a status panel; Shown tells how many items of the page's list the filter
    // shows ("12 of 1,000 slides", "3 of 40 patterns"), empty without a filter.
    std::string StatusText(TStatusPanel panel) const;

    // ---- Messages ----

    // A message for the user. While work runs (TBusy) messages wait, and one text is shown once
    // when the outermost work ends.
    void PostMessage(const std::string& text, bool isError);
    // Item of the list cannot be drawn, whole or in part (the preview, a thumbnail); text is the
    // system's own message. Each slide is reported once per fill. Reports wait while work runs
    // or thumbnails are pending, then come as one box per text that names the slides (the file
    // of a folder slide, the entry and file of a library slide).
    void ReportSlideProblem(int item, const std::string& text);
    // While thumbnails of the list are still being drawn elsewhere (the window's workers), the
    // reports of slide problems wait, so that a fill says what is wrong once.
    void SetThumbnailsPending(bool pending);
    // Marks running work for its lifetime.
    class TBusy {
    public:
        explicit TBusy(TWindowModel& model);
        ~TBusy();
        TBusy(const TBusy&) = delete;
        TBusy& operator=(const TBusy&) = delete;

    private:
        TWindowModel& m_model;
    };
    bool Busy() const { return m_busy > 0; }

private:
    void SetFolder(const std::string& folder);
    // ReloadSlideList, then the slides selected before that are still there are selected again.
    void ReloadKeepingSelection();
    // The Problem panel after the pattern file was read: error, or else a word that the file
    // holds no pattern when it holds none.
    void ShowPatternReadProblem(const std::string& error);
    bool PatternFileChangedOnDisk();
    void ClearSourceSelection();
    void SetStatus(TStatusPanel panel, std::string text);
    void FillPreviewBackground();
    void ShowPostedMessages();

    TDialogs& m_dialogs;
    UiHooks::THookScope m_hooks;
    TEditHistory m_history;
    std::string m_treeFolder;
    std::string m_folder;
    std::vector<std::string> m_sources;
    int m_selectedSource = -1;
    // The disk as the lists were read from it: the folder's sources, and the slide files (folder
    // view) or the library file (library view) of the current list.
    std::vector<TFileStamp> m_sourcesStamp;
    std::vector<TFileStamp> m_listStamp;
    std::string m_patternFile;
    TPatternPage m_patternPage;
    bool m_folderSourceActive = true;
    TPage m_page = TPage::Slides;
    TViewMode m_viewMode = TViewMode::Folder;
    bool m_thumbnailView = true;

    std::unique_ptr<TSlideLib> m_currentList;
    std::vector<std::string> m_items;
    std::vector<int> m_selection;
    int m_listGeneration = 0;
    std::string m_filter;
    int m_filterGeneration = 0;
    // ShownItems() as of the items and filter of generation m_shownFor.
    mutable std::vector<int> m_shown;
    mutable int m_shownFor = -1;
    int m_sourcesGeneration = 0;
    std::string m_readProblem;   // what the last reload could not read
    std::string m_folderProblem; // why the shown folder could not be listed
    std::string m_status[kStatusPanelCount];
    std::unique_ptr<TRasterCanvas> m_preview;
    double m_previewRatio = 1; // device pixels of the preview per pixel of the window
    TRenderState m_renderState;
    int m_previewGeneration = 0;
    TPreviewZoom m_zoom;
    // The slide the zoom belongs to: its library (empty in folder view) and its name.
    std::string m_zoomedList;
    std::string m_zoomedSlide;

    struct TPostedMessage {
        std::string Text;
        bool IsError;
    };
    std::vector<TPostedMessage> m_posted;
    int m_busy = 0;
    // Slide problems of the fill m_problemsGeneration: the items already reported, and the
    // texts waiting to be shown with the slides they name, in the order they came.
    int m_problemsGeneration = -1;
    std::vector<int> m_reportedItems;
    std::vector<std::pair<std::string, std::vector<std::string>>> m_problems;
    bool m_thumbnailsPending = false;
};
