#include "model/PatternPage.h"

#include "base/CodePage.h"
#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/UiHooks.h"
#include "graphics/RasterCanvas.h"
#include "model/EditHistory.h"
#include "model/ListFilter.h"
#include "model/ThumbnailRenderer.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <utility>

namespace {

const char* const kPatsaveTitle = "Save File as Slide-Library-File";
const char* const kPatsaveFilter = "Hatch Pattern files (*.pat)|*.pat|PDF file|*.pdf";
constexpr int kPdfFilter = 2;

// The label while thumbnails are built: "k of n:name ".
std::string ProgressText(size_t k, size_t n, const std::string& name) {
    return std::to_string(k) + " of " + std::to_string(n) + ":" + Cp1252ToUtf8(name) + " ";
}

// The same file, also when the names differ (a link, "./", a different spelling).
bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec))
        return true;
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

} // namespace

TPreviewPlace PlacePreview(int panelWidth, int panelHeight, int editorHeight) {
    TPreviewPlace place;
    place.Height = std::max(0, panelHeight - editorHeight - 2);
    place.Width = (3 * place.Height) / 2;
    place.Top = 0;
    place.Left = (panelWidth - place.Width) / 2;
    return place;
}

std::string PatternLinesToText(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += Cp1252ToUtf8(lines[i]);
    }
    return text;
}

std::vector<std::string> PatternTextToLines(const std::string& text) {
    return SplitPatternLines(Utf8ToCp1252(text));
}

// Marks a drawing under way for its lifetime, on every path.
class TPatternPage::TDrawingScope {
public:
    explicit TDrawingScope(TPatternPage& page) : m_page(page) { ++m_page.m_drawing; }
    ~TDrawingScope() { --m_page.m_drawing; }
    TDrawingScope(const TDrawingScope&) = delete;
    TDrawingScope& operator=(const TDrawingScope&) = delete;

private:
    TPatternPage& m_page;
};

TPatternPage::TPatternPage(TDialogs& dialogs, TEditHistory* history)
    : m_dialogs(dialogs), m_history(history), m_preview(std::make_unique<TRasterCanvas>(0, 0)) {}

TPatternPage::~TPatternPage() = default;

// ---- The file and the page ----

void TPatternPage::ClearPage() {
    m_thumbnailsShown = false;
    m_module.Entries.clear();
    m_selected = -1;
    m_thumbnails.clear();
    ++m_thumbnailsGeneration;
    m_thumbnailProblems.clear();
    ++m_listGeneration;
}

void TPatternPage::OpenFile(const std::string& path) {
    if (Drawing())
        return;
    ClearPage();
    m_unstoredEdits = false;
    m_storedUnsaved = false;
    m_changedOnDisk = false;
    m_module.PatternFileName = path;
    // Taken before the bytes are read: a change while they are read shows up later.
    m_fileStamp = StampFile(path);
    try {
        m_module.LoadPatternFile(path);
    } catch (...) {
        // Nothing of the file that failed, nor of the one before, stays on the page.
        m_module.PatternLines.clear();
        m_module.Entries.clear();
        m_module.CurrentPatternLine = -1;
        FillEditor({});
        m_module.EditorModified = false;
        m_label.clear();
        ClearPreview();
        throw;
    }
    m_label = m_module.ScaleText;
    ++m_listGeneration;
    if (m_module.Entries.empty()) {
        // A file without patterns: the page shows none, not the last file's.
        FillEditor({});
        m_module.EditorModified = false;
        ClearPreview();
        return;
    }
    m_selected = 0;
    ShowPattern(m_module.Entries[0].HeaderLine);
}

void TPatternPage::PageChanged(bool toHatchs) {
    // The thumbnails and the list belong to whichever page filled them.
    m_thumbnails.clear();
    ++m_thumbnailsGeneration;
    m_thumbnailProblems.clear();
    m_module.Entries.clear();
    m_selected = -1;
    ++m_listGeneration;
    if (!toHatchs) {
        // The lines go: what was not saved is dropped (the caller asked with ConfirmLeave).
        m_module.PatternLines.clear();
        m_unstoredEdits = false;
        m_storedUnsaved = false;
    }
}

void TPatternPage::ReloadFile() {
    Reload(std::nullopt);
}

void TPatternPage::Reload(const std::optional<std::string>& keepName) {
    if (Drawing() || m_module.PatternFileName.empty())
        return;
    int selected = m_selected;
    const bool thumbnails = m_thumbnailsShown;
    OpenFile(m_module.PatternFileName);
    if (thumbnails && !m_module.Entries.empty()) {
        BuildPatternThumbnails();
        m_thumbnailsShown = true;
    }
    if (keepName) {
        const auto& entries = m_module.Entries;
        const auto it = std::find_if(entries.begin(), entries.end(), [&](const TPatternEntry& e) {
            return SameText(e.Name, *keepName);
        });
        selected = it == entries.end() ? 0 : static_cast<int>(it - entries.begin());
    }
    if (selected > 0 && static_cast<size_t>(selected) < m_module.Entries.size())
        SelectEntry(selected);
}

TPatternPage::TDiskChange TPatternPage::FileChangedOnDisk() {
    const std::string& file = m_module.PatternFileName;
    if (Drawing() || file.empty())
        return TDiskChange::None;
    std::vector<TFileStamp> stamp = StampFile(file);
    if (stamp == m_fileStamp)
        return TDiskChange::None;
    m_fileStamp = std::move(stamp);
    if (HasUnsavedEdits()) {
        // The user's edits stay; Save asks before it replaces the other program's version.
        m_changedOnDisk = true;
        return TDiskChange::Kept;
    }
    if (m_fileStamp.empty())
        return TDiskChange::Gone;
    std::optional<std::string> name;
    if (m_selected >= 0)
        name = m_module.Entries[static_cast<size_t>(m_selected)].Name;
    Reload(name);
    return TDiskChange::Reloaded;
}

bool TPatternPage::WritePatternFile(const std::string& path) {
    const bool own = SameFile(path, m_module.PatternFileName);
    std::error_code ec;
    if (own && m_changedOnDisk && std::filesystem::exists(path, ec) &&
        !m_dialogs.ConfirmYesNo("\"" + path +
                                "\" was changed by another program while it was shown here. "
                                "Replace that version with yours?"))
        return false;
    UiHooks::TBusyCursor cursor;
    // What the file held goes into the history first; a write that fails changes nothing and
    // so leaves no step.
    std::optional<TEditRecorder> record;
    if (m_history) {
        record.emplace(*m_history, kSaveEdit);
        record->Before(path);
    }
    m_module.SavePatternFile(path);
    if (own) {
        m_fileStamp = StampFile(path);
        m_changedOnDisk = false;
    }
    return true;
}

bool TPatternPage::ConfirmLeave() {
    if (Drawing())
        return false;
    if (!HasUnsavedEdits())
        return true;
    const std::string& file = m_module.PatternFileName;
    switch (m_dialogs.ConfirmYesNoCancel("Save the changes to " + BaseName(file) + "?")) {
    case TDialogs::TAnswer::Yes:
        try {
            if (m_unstoredEdits && m_module.StoreEditedPattern(m_editorLines, m_selected))
                ++m_listGeneration;
            m_unstoredEdits = false;
            if (!WritePatternFile(file)) {
                // The other program's version stays, and so do the edits and the page.
                m_storedUnsaved = true;
                return false;
            }
            m_storedUnsaved = false;
        } catch (const std::exception& e) {
            // Not saved: the edits stay, and so does the page.
            m_dialogs.ShowError(e.what());
            m_storedUnsaved = true;
            return false;
        }
        return true;
    case TDialogs::TAnswer::No:
        m_unstoredEdits = false;
        m_storedUnsaved = false;
        return true;
    default:
        return false;
    }
}

// ---- The pattern list ----

bool TPatternPage::SelectEntry(int entry) {
    if (Drawing())
        return false;
    const std::vector<int>& shown = ShownEntries();
    if (!std::binary_search(shown.begin(), shown.end(), entry))
        return false;
    const int line = m_module.Entries[static_cast<size_t>(entry)].HeaderLine;
    if (line != m_module.CurrentPatternLine && m_unstoredEdits &&
        !m_dialogs.ConfirmYesNo(kDiscardQuestion))
        return false;
    m_selected = entry;
    ShowPattern(line);
    return true;
}

// ---- The filter ----

void TPatternPage::SetFilter(const std::string& text) {
    if (text == m_filter)
        return;
    m_filter = text;
    ++m_filterGeneration;
}

const std::vector<int>& TPatternPage::ShownEntries() const {
    if (m_shownFor != ShownGeneration()) {
        std::vector<std::string> names;
        names.reserve(m_module.Entries.size());
        for (const TPatternEntry& entry : m_module.Entries)
            names.push_back(Cp1252ToUtf8(entry.Name));
        m_shown = ShownByFilter(names, m_filter);
        m_shownFor = ShownGeneration();
    }
    return m_shown;
}

std::string TPatternPage::ShownText() const {
    return m_filter.empty()
               ? std::string()
               : ShownCountText(ShownEntries().size(), m_module.Entries.size(), "patterns");
}

void TPatternPage::ShowPattern(int headerLine) {
    // The pattern shown is not drawn again: a repeated selection does nothing.
    if (headerLine == m_module.CurrentPatternLine)
        return;
    m_module.CurrentPatternLine = headerLine;
    UiHooks::TBusyCursor cursor;
    FillEditor(m_module.PatternBody(headerLine));
    // A newly selected pattern gets its automatic scale.
    m_module.PatternScale = 0;
    if (!m_editorLines.empty())
        DrawPreview();
}

// ---- Thumbnails ----

void TPatternPage::SetThumbnailsShown(bool shown) {
    if (Drawing())
        return;
    if (!shown) {
        m_thumbnailsShown = false;
        return;
    }
    if (m_thumbnails.empty()) {
        if (m_unstoredEdits && !m_dialogs.ConfirmYesNo(kDiscardQuestion))
            return;
        BuildPatternThumbnails();
    }
    UiHooks::ProcessPendingMessages();
    m_thumbnailsShown = true;
}

void TPatternPage::BuildPatternThumbnails() {
    if (Drawing())
        return;
    m_module.CurrentPatternLine = -1;
    if (m_module.PatternLines.empty())
        return;
    // The editor is hidden while its pattern is not the one shown, and comes back on every path.
    struct TEditorHidden {
        bool& visible;
        explicit TEditorHidden(bool& v) : visible(v) { visible = false; }
        ~TEditorHidden() { visible = true; }
        TEditorHidden(const TEditorHidden&) = delete;
        TEditorHidden& operator=(const TEditorHidden&) = delete;
    } hidden(m_editorVisible);
    UiHooks::TBusyCursor cursor;
    {
        TDrawingScope drawing(*this);
        m_label.clear();
        m_module.Entries.clear();
        m_selected = -1;
        m_thumbnails.clear();
        ++m_thumbnailsGeneration;
        m_thumbnailProblems.clear();
        ++m_listGeneration;

        std::vector<TPatternEntry> entries = CollectPatternEntries(m_module.PatternLines);
        m_thumbnails.reserve(entries.size());
        // Each thumbnail is a drawing of its own 128 x 80 tile (in the screen's pixels), so it
        // shows the whole pattern at its automatic scale whatever the size of the preview.
        const int width = ThumbnailPixelWidth();
        const int height = ThumbnailPixelHeight();
        m_module.TileWidth = width;
        m_module.TileHeight = height;
        // The label shows which pattern is drawn, a few dozen times a second: letting the
        // window repaint for every thumbnail would cost more than drawing most of them.
        UiHooks::TPendingMessagePump pump(m_progressIntervalMs);
        // The thumbnails share one budget in proportion to the file's size: a small file of
        // costly patterns cannot keep the page busy for minutes.
        TPatternBudget budget = m_module.BuildBudget(entries.size());
        for (size_t k = 0; k < entries.size(); ++k) {
            m_label = ProgressText(k + 1, entries.size(), entries[k].Name);
            pump.Tick();
            std::string problem;
            m_thumbnails.push_back(DrawThumbnail(entries[k].HeaderLine, budget, problem));
            entries[k].ThumbnailIndex = static_cast<int>(k);
            m_thumbnailProblems.push_back(std::move(problem));
        }
        ++m_thumbnailsGeneration;
        m_module.Entries = std::move(entries);
        ++m_listGeneration;
    }
    // The first pattern is shown afresh (nothing is shown now), replacing the editor's text.
    m_unstoredEdits = false;
    if (!m_module.Entries.empty()) {
        m_selected = 0;
        ShowPattern(m_module.Entries[0].HeaderLine);
    }
}

std::unique_ptr<TRasterCanvas> TPatternPage::DrawThumbnail(int headerLine, TPatternBudget& budget,
                                                           std::string& problem) {
    const int width = ThumbnailPixelWidth();
    const int height = ThumbnailPixelHeight();
    m_module.TileWidth = width;
    m_module.TileHeight = height;
    // A fresh bitmap draws with the default white brush and black pen.
    auto bitmap = std::make_unique<TRasterCanvas>(width, height);
    const std::vector<std::string> text = m_module.PatternBody(headerLine);
    m_module.PatternScale = 0;
    try {
        if (m_thumbnailDrawing)
            m_thumbnailDrawing(text, *bitmap);
        else if (!text.empty())
            m_module.DrawPattern(text, *bitmap, TPatternTarget::Thumbnail, &budget);
    } catch (...) {
        // One pattern that cannot be drawn, for whatever reason, is marked; the others are
        // drawn all the same.
        problem = FailureText(std::current_exception());
        MarkFailedThumbnail(*bitmap, width, height);
    }
    return bitmap;
}

void TPatternPage::RedrawThumbnail(int entry) {
    if (entry < 0 || static_cast<size_t>(entry) >= m_module.Entries.size())
        return;
    const int index = m_module.Entries[static_cast<size_t>(entry)].ThumbnailIndex;
    if (index < 0 || index >= ThumbnailCount())
        return;
    // The preview's scale and tile stay as they are: "+" and "-" go on from them.
    const double scale = m_module.PatternScale;
    const int tileWidth = m_module.TileWidth;
    const int tileHeight = m_module.TileHeight;
    TPatternBudget budget = m_module.BuildBudget(1);
    std::string problem;
    m_thumbnails[static_cast<size_t>(index)] =
        DrawThumbnail(m_module.Entries[static_cast<size_t>(entry)].HeaderLine, budget, problem);
    m_thumbnailProblems[static_cast<size_t>(index)] = std::move(problem);
    m_module.PatternScale = scale;
    m_module.TileWidth = tileWidth;
    m_module.TileHeight = tileHeight;
    ++m_thumbnailsGeneration;
}

// ---- The editor ----

void TPatternPage::FillEditor(std::vector<std::string> lines) {
    m_editorLines = std::move(lines);
    ++m_editorGeneration;
    m_unstoredEdits = false;
    // The page's own filling counts as a change of the text, so Redraw always stores.
    m_module.EditorModified = true;
}

void TPatternPage::EditorChanged(std::vector<std::string> lines) {
    if (Drawing())
        return;
    m_editorLines = std::move(lines);
    m_module.EditorModified = true;
    m_unstoredEdits = true;
}

// ---- The screen ----

void TPatternPage::SetPixelRatio(double ratio) {
    if (Drawing())
        return;
    // No screen has more than a few device pixels per pixel; the bounds keep a thumbnail small.
    m_module.PixelRatio = std::isfinite(ratio) && ratio > 0 ? std::clamp(ratio, 0.25, 8.0) : 1;
}

int TPatternPage::ThumbnailPixelWidth() const {
    return static_cast<int>(std::lrint(kThumbWidth * m_module.PixelRatio));
}

int TPatternPage::ThumbnailPixelHeight() const {
    return static_cast<int>(std::lrint(kThumbHeight * m_module.PixelRatio));
}

// ---- Preview ----

bool TPatternPage::SetPreviewSize(int width, int height) {
    if (Drawing())
        return false;
    width = std::max(0, width);
    height = std::max(0, height);
    if (m_preview->Width() == width && m_preview->Height() == height)
        return true;
    m_preview->Resize(width, height);
    if (m_module.CurrentPatternLine != -1 && !m_editorLines.empty())
        DrawPreview();
    else
        ClearPreview();
    return true;
}

void TPatternPage::ClearPreview() {
    m_preview->FillRect({0, 0, m_preview->Width(), m_preview->Height()});
    ++m_previewGeneration;
}

void TPatternPage::DrawPreview() {
    TDrawingScope drawing(*this);
    UiHooks::TBusyCursor cursor;
    // The tile is the preview as it is now.
    m_module.TileWidth = m_preview->Width();
    m_module.TileHeight = m_preview->Height();
    // The editor's text must not change under the drawing.
    const std::vector<std::string> text = m_editorLines;
    m_module.DrawPattern(text, *m_preview, TPatternTarget::Preview);
    m_label = m_module.ScaleText;
    ++m_previewGeneration;
}

// ---- Buttons ----

void TPatternPage::Redraw() {
    if (Drawing())
        return;
    DrawPreview();
    if (m_module.StoreEditedPattern(m_editorLines, m_selected)) {
        m_unstoredEdits = false;
        m_storedUnsaved = true;
        // Stored header lines may have renamed the entries; the thumbnail shows the stored text.
        ++m_listGeneration;
        RedrawThumbnail(m_selected);
    }
}

void TPatternPage::Enlarge() {
    if (Drawing())
        return;
    m_module.PatternScale *= 1.5;
    DrawPreview();
}

void TPatternPage::Reduce() {
    if (Drawing())
        return;
    m_module.PatternScale /= 1.5;
    DrawPreview();
}

TFileDialogOptions TPatternPage::PatsaveOptions() const {
    TFileDialogOptions options;
    options.Title = kPatsaveTitle;
    options.Filter = kPatsaveFilter;
    options.DefaultExt = "pat";
    if (!m_module.PatternFileName.empty()) {
        options.InitialDir = FolderOf(m_module.PatternFileName);
        // Without its extension: the filter chosen gives one, or the user types it.
        options.FileName = ChangeFileExt(BaseName(m_module.PatternFileName), "");
    }
    return options;
}

void TPatternPage::Save() {
    if (Drawing() || !CanSave())
        return;
    const std::optional<TFileChoice> choice = m_dialogs.SaveFileName(PatsaveOptions());
    if (!choice || choice->FileName.empty())
        return;
    // The extension typed decides; a name without one follows the filter.
    const std::string typed = ExtensionOf(choice->FileName);
    const bool pdf =
        SameText(typed, ".pdf") || (!SameText(typed, ".pat") && choice->FilterIndex == kPdfFilter);
    const std::string target = pdf ? ChangeFileExt(choice->FileName, ".pdf") : choice->FileName;
    if (pdf && m_module.Entries.empty()) {
        m_dialogs.ShowWarning("There are no patterns to write into a PDF file.");
        return;
    }
    if (pdf && ShownEntries().empty()) {
        m_dialogs.ShowWarning("The filter shows no patterns to write into a PDF file.");
        return;
    }
    std::error_code ec;
    if (!SameFile(target, m_module.PatternFileName) && std::filesystem::exists(target, ec) &&
        !m_dialogs.ConfirmOkCancel("\"" + target + "\" already exists. Replace it?"))
        return;
    if (!pdf) {
        if (WritePatternFile(target))
            m_storedUnsaved = false;
        return;
    }
    // The sheets hold the patterns the list shows (every one without a filter), each cell at its
    // automatic scale. They are drawn from a copy of the file that lists only those, so the
    // preview keeps the scale it shows and the list its entries.
    TPatternModule sheets = m_module;
    sheets.Entries.clear();
    for (const int entry : ShownEntries())
        sheets.Entries.push_back(m_module.Entries[static_cast<size_t>(entry)]);
    TDrawingScope drawing(*this);
    sheets.WritePatternSheets(target);
}
