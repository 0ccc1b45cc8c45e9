// TPatternPage: the state and commands of the window's page "hatchs", without widgets. The page
// shows one pattern file (TPatternModule): the list of its patterns (as names or with 128 x 80
// thumbnails), a 3:2 preview of the selected pattern at an adjustable scale, and an editor with
// the pattern's text. The user edits the text, redraws it (which stores it into the file's lines),
// zooms with "+" and "-", and saves the lines as a pattern file or all patterns as PDF sheets.
// Every write of a pattern file is a step of the window's edit history ("Save Patterns"), so
// Undo puts the file back as it was; ReloadFile shows it as the step left it.
//
// The window shows what this holds and reports what the user did: a selection in the list, the
// editor's new text, the thumbnail switch, the buttons, the preview's size. Texts it hands out
// for the screen (list captions, editor lines, the label) are 8-bit Windows-1252 like the file,
// except LabelText(), which is UTF-8.
//
// Drawing is never re-entered: while a pattern, the thumbnails or the PDF sheets are drawn
// (Drawing()), every command returns at once without doing anything. The window lets no user
// input through during that time anyway; this also covers timers and accessibility actions.
#pragma once

#include "base/FileUtil.h"
#include "model/Dialogs.h"
#include "patterns/upat.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TEditHistory;
class TRasterCanvas;

// Where the preview sits in its panel: a 3:2 rectangle above the editor, centred (Panel6Resize).
struct TPreviewPlace {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};
TPreviewPlace PlacePreview(int panelWidth, int panelHeight, int editorHeight);

// The editor's text for the screen: the 8-bit lines in UTF-8, joined by line feeds.
std::string PatternLinesToText(const std::vector<std::string>& lines);
// The editor's UTF-8 text as 8-bit lines (characters outside Windows-1252 become '?'). Lines end
// at CR LF, CR or LF; a final line end does not start an empty line, and an empty text has none.
std::vector<std::string> PatternTextToLines(const std::string& text);

class TPatternPage {
public:
    static constexpr int kThumbWidth = 128;
    static constexpr int kThumbHeight = 80;
    static constexpr const char* kDiscardQuestion = "Discard the changes to this pattern?";
    // The name of a pattern file's write in the edit history: "Undo Save Patterns".
    static constexpr const char* kSaveEdit = "Save Patterns";

    // history: where the page's writes of pattern files go as edits; none without one.
    explicit TPatternPage(TDialogs& dialogs, TEditHistory* history = nullptr);
    ~TPatternPage();
    TPatternPage(const TPatternPage&) = delete;
    TPatternPage& operator=(const TPatternPage&) = delete;

    // The file model: lines, entries, scale, tile. Read it; change it only through the page.
    const TPatternModule& Module() const { return m_module; }

    // ---- The file and the page ----

    // A pattern file was chosen in the file list: the switch goes up, the list, the thumbnails,
    // the editor and the preview are cleared, the file is loaded and its first pattern shown.
    // A file that cannot be loaded leaves the page empty and throws the load's error (it names
    // the file and the reason).
    void OpenFile(const std::string& path);
    // The window's page changed (Notebook1PageChanged): the thumbnails and the list go; leaving
    // page "hatchs" also empties the file's lines. The editor's text and the scale stay.
    void PageChanged(bool toHatchs);
    // The loaded file was rewritten by this program (an undo or redo): it is read again and
    // shown as it is now, edits not saved are dropped (the caller asked), the entry selected
    // stays selected by its place in the list, and the thumbnails are built again when they were
    // shown. A file that cannot be read leaves the page empty and throws, as OpenFile.
    void ReloadFile();
    // What FileChangedOnDisk found.
    enum class TDiskChange {
        None,     // the file is as the page read or wrote it
        Reloaded, // changed, no edits on the page: read again
        Gone,     // removed, no edits on the page: the caller shows something else
        Kept,     // changed or removed while the page holds unsaved edits: they stay
    };
    // Another program may have changed the loaded file (compared by size, time and inode with
    // what the page read or wrote last). Without unsaved edits a changed file is read again,
    // with the pattern selected before selected again by name (the first one when it is gone)
    // and the filter as it is. With unsaved edits nothing is read: the edits stay, and the next
    // write of the file asks before it replaces the other program's version.
    TDiskChange FileChangedOnDisk();
    // True after another program changed or removed the loaded file while the page held edits,
    // until the page writes or reads the file again.
    bool ChangedOnDisk() const { return m_changedOnDisk; }
    // True when the loaded file was not there at the last look.
    bool FileGoneOnDisk() const { return m_fileStamp.empty(); }

    // ---- The pattern list (patv) ----

    const std::vector<TPatternEntry>& Entries() const { return m_module.Entries; }
    // The selected entry, or -1.
    int SelectedEntry() const { return m_selected; }
    // The user selected an entry (patvSelectItem): its pattern goes into the editor and is drawn
    // at its automatic scale, unless it is the one shown already (then nothing is redrawn).
    // Unstored edits are not dropped without asking; false when the user kept them (the old
    // selection stays), for an entry the filter hides, or while drawing.
    bool SelectEntry(int entry);
    // Changes whenever the entries, their names or the thumbnails change.
    int ListGeneration() const { return m_listGeneration; }

    // ---- The filter field above the list ----

    // The filter's text (UTF-8); it stays when another file is opened.
    const std::string& Filter() const { return m_filter; }
    // The user typed into the filter field: the list shows the entries whose names match
    // (MatchesFilter). The pattern in the editor stays, also when the list no longer shows it.
    void SetFilter(const std::string& text);
    // The entries the list shows, in list order: all of them with an empty filter.
    const std::vector<int>& ShownEntries() const;
    // Changes whenever ShownEntries() changes (the entries or the filter).
    int ShownGeneration() const { return m_listGeneration + m_filterGeneration; }
    // "3 of 40 patterns" while a filter is set; empty without one.
    std::string ShownText() const;

    // ---- Thumbnails (ToolButton11, limg) ----

    // True while the switch is down: the list shows thumbnails.
    bool ThumbnailsShown() const { return m_thumbnailsShown; }
    // The switch was pressed (ToolButton11Click). Down: the thumbnails are built unless they
    // exist (after asking about unstored edits, which the build replaces; a "No" leaves the
    // switch up). Up: back to names; the thumbnails are kept until the list is cleared.
    void SetThumbnailsShown(bool shown);
    // One 128 x 80 picture per entry (times the pixel ratio), in list order, once built.
    int ThumbnailCount() const { return static_cast<int>(m_thumbnails.size()); }
    const TRasterCanvas& Thumbnail(int index) const { return *m_thumbnails.at(index); }
    // Changes whenever the thumbnails are dropped or built, so a copy of them knows it is old
    // (another file's list may have as many).
    int ThumbnailsGeneration() const { return m_thumbnailsGeneration; }
    // Why the thumbnail could not be drawn (whatever the drawing threw, even running out of
    // memory), or empty. A failed thumbnail is marked (MarkFailedThumbnail); the others are
    // drawn all the same.
    const std::string& ThumbnailProblem(int index) const { return m_thumbnailProblems.at(index); }
    // Draws one pattern's text into its thumbnail; the page's own drawing unless a test puts
    // another in its place (to make one fail).
    using TThumbnailDrawing =
        std::function<void(const std::vector<std::string>& text, TCanvas& thumbnail)>;
    void SetThumbnailDrawing(TThumbnailDrawing drawing) { m_thumbnailDrawing = std::move(drawing); }
    // Draws every pattern of the file into its thumbnail, rebuilds the list from the file's
    // header lines and selects the first entry. Label2 shows "k of n:name " meanwhile and the
    // editor is hidden.
    void BuildPatternThumbnails();
    // How often the build lets pending messages through so that the label shows: every 20 ms
    // by default; 0 for every pattern (tests).
    void SetProgressInterval(int ms) { m_progressIntervalMs = ms; }

    // ---- The editor (Memo1) ----

    // The editor's lines (8-bit text).
    const std::vector<std::string>& EditorLines() const { return m_editorLines; }
    // Changes whenever the page itself puts a text into the editor.
    int EditorGeneration() const { return m_editorGeneration; }
    // The user changed the editor's text (Memo1Change).
    void EditorChanged(std::vector<std::string> lines);
    // True after a change by the user that Redraw has not stored yet.
    bool HasUnstoredEdits() const { return m_unstoredEdits; }
    // True while the page holds edits that are not in the file: text typed and not stored, or
    // stored lines not saved since the file was loaded.
    bool HasUnsavedEdits() const {
        return !m_module.PatternFileName.empty() && (m_unstoredEdits || m_storedUnsaved);
    }
    // Before the page lets its file go (the page is left, another file opened, the window
    // closed): with unsaved edits asks "Save the changes to NAME?". Yes stores the editor's text
    // and writes the file (an error is shown and the page stays), No drops the edits; true when
    // the caller may go on. Cancel keeps everything and returns false: the caller stays.
    bool ConfirmLeave();
    // False while the thumbnails are built.
    bool EditorVisible() const { return m_editorVisible; }

    // ---- The screen ----

    // Device pixels per pixel of the window (2 on a screen at 200 %; a ratio that is not a
    // sound number counts as 1, one outside 0.25..8 as the nearer bound). The thumbnails then have
    // kThumbWidth x kThumbHeight times that many pixels, the preview's size is given in device
    // pixels, and patterns are drawn at the scale shown times the ratio: the same pictures as on a
    // plain screen, only sharper. Takes effect at the next drawing; thumbnails already built keep
    // their pixels.
    void SetPixelRatio(double ratio);
    double PixelRatio() const { return m_module.PixelRatio; }
    // A thumbnail's width and height in device pixels.
    int ThumbnailPixelWidth() const;
    int ThumbnailPixelHeight() const;

    // ---- Preview (Image1) and label (Label2) ----

    // The preview's size (in device pixels) follows its place in the panel; a pattern shown is
    // drawn again at the new size and the scale in use. False while drawing: nothing changed, ask
    // again later.
    bool SetPreviewSize(int width, int height);
    const TRasterCanvas& Preview() const { return *m_preview; }
    // Changes whenever the preview's pixels change.
    int PreviewGeneration() const { return m_previewGeneration; }
    // Label2: "Scale:" at start, the scale of the last preview drawing ("Scale:  56.25"), empty
    // after loading, "k of n:name " while the thumbnails are built. UTF-8.
    const std::string& LabelText() const { return m_label; }
    double PatternScale() const { return m_module.PatternScale; }
    bool Drawing() const { return m_drawing > 0; }

    // ---- Buttons ----

    // "Redraw" (Button1Click): draws the editor's text at the scale in use, then stores it over
    // the selected pattern's lines.
    void Redraw();
    // "+" (Button2Click) and "-" (Button3Click): scale times or divided by 1.5, then drawn again;
    // nothing is stored.
    void Enlarge();
    void Reduce();
    // Whether "Save" has anything to write: a loaded file that holds patterns, or stored edits
    // not saved yet (they may have taken out the last pattern). A file of comments only, or none,
    // has nothing; the window disables the button then, and Save does nothing.
    bool CanSave() const {
        return !m_module.PatternFileName.empty() && (!m_module.Entries.empty() || m_storedUnsaved);
    }
    // "Save" (ToolButton9Click): the save dialog patsave. The name typed decides what is written:
    // one ending in ".pat" gets the file's lines (stored edits only, each line ended by CR LF),
    // one ending in ".pdf" PDF sheets of the patterns the list shows (all of them without a
    // filter), whatever filter of the dialog is chosen; other names follow the dialog's filter
    // (with the PDF filter the extension becomes ".pdf"). An existing file other than the loaded
    // one is replaced only after the user agreed, and so is the loaded one once another program
    // changed it while the page held edits (FileChangedOnDisk). The scale of the preview is kept
    // across the PDF sheets.
    void Save();
    // The options of patsave for the loaded file.
    TFileDialogOptions PatsaveOptions() const;

private:
    class TDrawingScope;
    void ClearPage();
    void ShowPattern(int headerLine);
    // Writes the file's lines to path, as one edit of the history. False when path is the
    // loaded file, another program changed it since, and the user would not replace it.
    bool WritePatternFile(const std::string& path);
    // Reads the loaded file again; the entry named keepName is selected (the first when there
    // is none of that name), without a name the one at the place selected before.
    void Reload(const std::optional<std::string>& keepName);
    void FillEditor(std::vector<std::string> lines);
    void DrawPreview();
    void ClearPreview();
    // The thumbnail of the pattern whose header is at headerLine, in a tile of its own at the
    // pattern's automatic scale; problem says why it is marked as not drawn.
    std::unique_ptr<TRasterCanvas> DrawThumbnail(int headerLine, TPatternBudget& budget,
                                                 std::string& problem);
    // The thumbnail of entry drawn again from the stored text (after Redraw stored it).
    void RedrawThumbnail(int entry);

    TDialogs& m_dialogs;
    TEditHistory* m_history;
    TPatternModule m_module;
    int m_selected = -1;
    int m_listGeneration = 0;
    std::string m_filter;
    int m_filterGeneration = 0;
    mutable std::vector<int> m_shown; // ShownEntries() as of generation m_shownFor
    mutable int m_shownFor = -1;
    bool m_thumbnailsShown = false;
    std::vector<std::unique_ptr<TRasterCanvas>> m_thumbnails;
    int m_thumbnailsGeneration = 0;
    std::vector<std::string> m_thumbnailProblems;
    TThumbnailDrawing m_thumbnailDrawing;

    std::vector<TFileStamp> m_fileStamp; // the loaded file as last read or written
    bool m_changedOnDisk = false;

    std::vector<std::string> m_editorLines;
    int m_editorGeneration = 0;
    bool m_unstoredEdits = false;
    bool m_storedUnsaved = false; // edits stored into the lines, not yet written to a file
    bool m_editorVisible = true;

    std::unique_ptr<TRasterCanvas> m_preview;
    int m_previewGeneration = 0;
    std::string m_label = "Scale:";
    int m_drawing = 0;
    int m_progressIntervalMs = 20;
};
