#include "model/WindowModel.h"

#include "model/ListFilter.h"
#include "model/ThumbnailRenderer.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/UiHooks.h"
#include "graphics/AcadPal.h"
#include "graphics/Graphic.h"
#include "graphics/RasterCanvas.h"
#include "output/SlideGraphic.h"
#include "slides/FileKinds.h"
#include "slides/SlideClasses.h"
#include "slides/Slides.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

void FillCanvas(TRasterCanvas& canvas, TColor colour) {
    canvas.SetBrushColor(colour);
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.FillRect({0, 0, canvas.Width(), canvas.Height()});
}

// The box about slides that cannot be drawn: the system's text, then which slides (ten by name).
std::string SlideProblemText(const std::string& text, const std::vector<std::string>& names,
                             const TSlideLib& list) {
    constexpr size_t kNamed = 10;
    const bool library = !list.FileName().empty();
    const std::string where =
        library ? "library \"" + list.FileName() + "\"" : "folder \"" + list.Directory() + "\"";
    std::string about;
    if (names.size() == 1) {
        about = library ? "Slide \"" + names[0] + "\" of " + where
                        : "Slide \"" + JoinPath(list.Directory(), names[0]) + "\"";
    } else {
        about = std::to_string(names.size()) + " slides of " + where + ": ";
        for (size_t i = 0; i < names.size() && i < kNamed; ++i)
            about += (i > 0 ? ", " : "") + names[i];
        if (names.size() > kNamed)
            about += " and " + std::to_string(names.size() - kNamed) + " more";
    }
    return text + "\n\n" + about;
}

} // namespace

TWindowModel::TWindowModel(TDialogs& dialogs)
    : m_dialogs(dialogs), m_hooks([this](const std::string& text) { PostMessage(text, false); }),
      m_patternPage(dialogs, &m_history), m_preview(std::make_unique<TRasterCanvas>(0, 0)) {}

TWindowModel::~TWindowModel() = default;

// ---- Messages ----

TWindowModel::TBusy::TBusy(TWindowModel& model) : m_model(model) {
    ++m_model.m_busy;
}

TWindowModel::TBusy::~TBusy() {
    if (--m_model.m_busy == 0)
        m_model.ShowPostedMessages();
}

void TWindowModel::PostMessage(const std::string& text, bool isError) {
    m_posted.push_back({text, isError});
    if (m_busy == 0)
        ShowPostedMessages();
}

void TWindowModel::ReportSlideProblem(int item, const std::string& text) {
    if (!m_currentList || !m_currentList->Slide(item) || text.empty())
        return;
    if (m_problemsGeneration != m_listGeneration) {
        m_problemsGeneration = m_listGeneration;
        m_reportedItems.clear();
        m_problems.clear();
    }
    if (std::find(m_reportedItems.begin(), m_reportedItems.end(), item) != m_reportedItems.end())
        return;
    m_reportedItems.push_back(item);
    // The slide as the user finds it: a folder's slide by its file, a library's by its entry.
    const TSlide& slide = *m_currentList->Slide(item);
    const std::string name =
        slide.FilePath().empty() ? Cp1252ToUtf8(slide.Name()) : BaseName(slide.FilePath());
    auto group = std::find_if(m_problems.begin(), m_problems.end(),
                              [&](const auto& p) { return p.first == text; });
    if (group == m_problems.end()) {
        m_problems.emplace_back(text, std::vector<std::string>());
        group = m_problems.end() - 1;
    }
    group->second.push_back(name);
    if (m_busy == 0 && !m_thumbnailsPending)
        ShowPostedMessages();
}

void TWindowModel::SetThumbnailsPending(bool pending) {
    m_thumbnailsPending = pending;
    if (!pending && m_busy == 0)
        ShowPostedMessages();
}

void TWindowModel::ShowPostedMessages() {
    if (!m_thumbnailsPending && m_currentList && m_problemsGeneration == m_listGeneration) {
        for (const auto& [text, names] : m_problems)
            m_posted.push_back(
                {SlideProblemText(text, names, *m_currentList), text != kInvalidSlideMessage});
        m_problems.clear();
    }
    // A list with many damaged slides says so once, not once per thumbnail.
    std::vector<TPostedMessage> messages;
    messages.swap(m_posted);
    std::vector<std::string> shown;
    for (const TPostedMessage& m : messages) {
        if (std::find(shown.begin(), shown.end(), m.Text) != shown.end())
            continue;
        shown.push_back(m.Text);
        if (m.IsError)
            m_dialogs.ShowError(m.Text);
        else
            m_dialogs.ShowMessage(m.Text);
    }
}

// ---- Folder tree and file list ----

std::string TWindowModel::SelectedSourcePath() const {
    if (m_selectedSource < 0 || m_folder.empty())
        return {};
    return JoinPath(m_folder, m_sources[static_cast<size_t>(m_selectedSource)]);
}

void TWindowModel::SetFolder(const std::string& folder) {
    m_folder = folder;
    m_sources.clear();
    m_sourcesStamp.clear();
    m_selectedSource = -1;
    m_folderProblem.clear();
    ++m_sourcesGeneration;
    if (folder.empty())
        return;
    try {
        // Stamped first: a change made meanwhile shows as a difference later, never as none.
        m_sourcesStamp = StampFolder(folder, kSourceFileMask);
        m_sources = ListFolder(folder, kSourceFileMask);
    } catch (const EVarnelError& e) {
        // The file list stays empty; the status bar says why (the folder and the reason).
        m_folderProblem = e.what();
    }
}

void TWindowModel::ClearSourceSelection() {
    if (m_selectedSource != -1) {
        m_selectedSource = -1;
        ++m_sourcesGeneration;
    }
}

bool TWindowModel::ConfirmLeavePatternPage() {
    return m_page != TPage::Hatchs || m_patternPage.ConfirmLeave();
}

void TWindowModel::PatternFileRewritten(const std::string& path) {
    if (m_page != TPage::Hatchs || !SamePlace(path, m_patternFile))
        return;
    std::error_code ec;
    if (std::filesystem::exists(m_patternFile, ec)) {
        m_patternPage.ReloadFile();
        ShowPatternReadProblem("");
        return;
    }
    // The file shown went: the folder's slides instead. Leaving the page drops its edits.
    ShowPage(TPage::Slides);
    ShowFolderSlides();
}

bool TWindowModel::TreeFolderChanged(const std::string& folder) {
    if (SamePlace(folder, m_folder)) {
        m_treeFolder = folder;
        return false;
    }
    // Unsaved pattern edits: the user may stay (the tree's folder is then the old one).
    if (!ConfirmLeavePatternPage())
        return false;
    m_treeFolder = folder;
    m_folderSourceActive = true;
    UiHooks::ProcessPendingMessages(); // so the header's colour shows at once
    m_viewMode = TViewMode::Folder;
    ShowPage(TPage::Slides);
    ClearSourceSelection();
    SetFolder(folder);
    UiHooks::ProcessPendingMessages();
    ReloadSlideList();
    return true;
}

void TWindowModel::TreeFolderClicked() {
    if (!SamePlace(m_treeFolder, m_folder))
        return;
    // Back to the folder's slide files. The list is loaded again when it showed a library or a
    // pattern file, so the view and the list always agree.
    if (LibraryView() || m_page != TPage::Slides) {
        ShowFolderSlides();
        return;
    }
    ClearSourceSelection();
}

void TWindowModel::ShowFolderSlides() {
    if (!ConfirmLeavePatternPage())
        return;
    m_folderSourceActive = true;
    UiHooks::ProcessPendingMessages();
    m_viewMode = TViewMode::Folder;
    ShowPage(TPage::Slides);
    ClearSourceSelection();
    SetFolder(m_treeFolder);
    ReloadSlideList();
}

TSourceKind TWindowModel::ChooseSource(int index) {
    if (index < 0 || index >= static_cast<int>(m_sources.size()) || m_folder.empty())
        return TSourceKind::None;
    if (!ConfirmLeavePatternPage()) {
        ++m_sourcesGeneration; // the file list shows the entry still chosen
        return TSourceKind::None;
    }
    if (m_selectedSource != index) {
        m_selectedSource = index;
        ++m_sourcesGeneration;
    }
    const std::string path = SelectedSourcePath();
    m_folderSourceActive = false;
    UiHooks::ProcessPendingMessages();
    if (FileKindOfName(path) != TFileKind::Pattern) {
        ShowPage(TPage::Slides);
        m_viewMode = TViewMode::Library;
        ReloadSlideList();
        return TSourceKind::Library;
    }
    m_viewMode = TViewMode::Folder;
    m_patternFile = path;
    ShowPage(TPage::Hatchs);
    m_readProblem.clear();
    try {
        m_patternPage.OpenFile(path);
    } catch (...) {
        SetStatus(TStatusPanel::Problem, m_folderProblem);
        throw;
    }
    ShowPatternReadProblem("");
    return TSourceKind::Pattern;
}

void TWindowModel::RefreshFileList() {
    SetFolder(m_folder);
    // The entry of the file shown stays chosen: the library of the slide list, or the pattern
    // file of page "hatchs".
    std::string shown;
    if (m_page == TPage::Hatchs)
        shown = m_patternFile;
    else if (LibraryView() && m_currentList)
        shown = m_currentList->FileName();
    if (shown.empty() || !SamePlace(FolderOf(shown), m_folder))
        return;
    for (size_t i = 0; i < m_sources.size(); ++i) {
        if (SameText(m_sources[i], BaseName(shown))) {
            m_selectedSource = static_cast<int>(i);
            ++m_sourcesGeneration;
            break;
        }
    }
}

// ---- Changes made by other programs ----

bool TWindowModel::FolderChangedOnDisk() {
    if (m_folder.empty())
        return false;
    bool reloaded = false;
    std::vector<TFileStamp> sources;
    try {
        sources = StampFolder(m_folder, kSourceFileMask);
    } catch (const EVarnelError&) {
        // Gone or unreadable: read again below, which says why.
    }
    if (sources != m_sourcesStamp || !m_folderProblem.empty()) {
        const std::string chosen =
            m_selectedSource >= 0 ? m_sources[static_cast<size_t>(m_selectedSource)] : "";
        SetFolder(m_folder);
        const auto it = std::find(m_sources.begin(), m_sources.end(), chosen);
        if (!chosen.empty() && it != m_sources.end())
            m_selectedSource = static_cast<int>(it - m_sources.begin());
        reloaded = true;
        if (LibraryView() && m_selectedSource < 0 && m_page == TPage::Slides) {
            // The library shown went (deleted, renamed): the folder's slides instead.
            m_viewMode = TViewMode::Folder;
            m_folderSourceActive = true;
            ReloadKeepingSelection();
            return true;
        }
    }
    if (m_page == TPage::Hatchs)
        return PatternFileChangedOnDisk() || reloaded;
    if (m_page != TPage::Slides)
        return reloaded;
    std::vector<TFileStamp> shown;
    try {
        shown =
            LibraryView() ? StampFile(SelectedSourcePath()) : StampFolder(m_folder, kSlideFileMask);
    } catch (const EVarnelError&) {
    }
    if (shown != m_listStamp) {
        ReloadKeepingSelection();
        reloaded = true;
    }
    return reloaded;
}

bool TWindowModel::PatternFileChangedOnDisk() {
    using TChange = TPatternPage::TDiskChange;
    TChange change = TChange::None;
    std::string problem;
    try {
        change = m_patternPage.FileChangedOnDisk();
    } catch (const EVarnelError& e) {
        // Read again and found damaged: the page is empty, the status bar says why.
        problem = e.what();
        change = TChange::Reloaded;
    }
    if (change == TChange::Gone) {
        ShowPage(TPage::Slides);
        ShowFolderSlides();
        return true;
    }
    // Edits kept: StatusText says so while it holds.
    if (change != TChange::Reloaded)
        return change == TChange::Kept;
    ShowPatternReadProblem(problem);
    return true;
}

void TWindowModel::ShowPatternReadProblem(const std::string& error) {
    m_readProblem = error;
    // A file without a header line (not a pattern file at all, or only comments) opens as an
    // empty page: the status bar says which file it is.
    if (m_readProblem.empty() && m_patternPage.Entries().empty())
        m_readProblem = "\"" + m_patternFile + "\" holds no hatch patterns";
    SetStatus(TStatusPanel::Problem, m_folderProblem.empty() ? m_readProblem : m_folderProblem);
}

void TWindowModel::ReloadKeepingSelection() {
    std::vector<std::string> selected;
    for (int i : m_selection)
        selected.push_back(m_items[static_cast<size_t>(i)]);
    ReloadSlideList();
    std::vector<int> kept;
    for (size_t i = 0; i < m_items.size(); ++i)
        if (std::find(selected.begin(), selected.end(), m_items[i]) != selected.end())
            kept.push_back(static_cast<int>(i));
    if (!kept.empty() && kept != m_selection) {
        SetSelection(std::move(kept));
        ActivateSelection();
    }
}

// ---- Page and view ----

void TWindowModel::ShowPage(TPage page) {
    if (m_page == page)
        return;
    m_page = page;
    m_patternPage.PageChanged(page == TPage::Hatchs);
    // The list belongs to whichever page filled it, and so does what its reload could not read.
    m_items.clear();
    m_selection.clear();
    m_readProblem.clear();
    ++m_listGeneration;
    ActivateSelection();
}

void TWindowModel::ToggleThumbnailView() {
    const std::vector<int> selected = m_selection;
    m_thumbnailView = !m_thumbnailView;
    FillSlideList();
    // The list holds the same slides: keep what was selected.
    SetSelection(selected);
}

// ---- Current list and slide list ----

void TWindowModel::ReloadSlideList() {
    TBusy busy(*this);
    FillPreviewBackground();
    m_currentList.reset();
    m_readProblem.clear();

    if (m_treeFolder.empty()) {
        // No file-system folder: nothing to list.
        SetFolder({});
        m_items.clear();
        m_selection.clear();
        ++m_listGeneration;
        ActivateSelection();
        return;
    }

    {
        UiHooks::TBusyCursor cursor;
        m_listStamp.clear();
        try {
            // Stamped first: a change made meanwhile shows as a difference later.
            m_listStamp = LibraryView() ? StampFile(SelectedSourcePath())
                                        : StampFolder(m_folder, kSlideFileMask);
            if (LibraryView())
                m_currentList = TSlideLib::CreateFromFile(SelectedSourcePath());
            else
                m_currentList = TSlideLib::CreateFromDirectory(m_folder, kSlideFileMask);
        } catch (const EReadError& e) {
            m_readProblem = e.what();
        } catch (const EFileError& e) {
            // A library or folder that cannot be read gives an empty list; no box, but the
            // status bar says what could not be read.
            m_readProblem = e.what();
        }
    }

    const int selected = SelectedSlide();
    const std::string remembered =
        selected >= 0 ? m_items[static_cast<size_t>(selected)] : std::string();

    FillSlideList();

    m_selection.clear();
    if (m_currentList && !m_items.empty()) {
        // The remembered slide when the filter shows it, else the first slide shown (none when
        // the filter hides them all).
        const std::vector<int>& shown = ShownItems();
        const auto kept = std::find_if(shown.begin(), shown.end(), [&](int i) {
            return SameText(m_items[static_cast<size_t>(i)], remembered);
        });
        if (kept != shown.end())
            m_selection.push_back(*kept);
        else if (!shown.empty())
            m_selection.push_back(shown.front());
    } else {
        // No list: no items that stand for nothing.
        m_items.clear();
        ++m_listGeneration;
    }
    ActivateSelection();
}

void TWindowModel::FillSlideList() {
    ++m_listGeneration;
    if (!m_currentList)
        return;
    m_items.clear();
    m_selection.clear();
    const int count = m_currentList->Count();
    m_items.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        m_items.push_back(Cp1252ToUtf8(m_currentList->SlideName(i)));
}

void TWindowModel::SetSelection(std::vector<int> items) {
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
    // Hidden items are never selected: no command may touch a slide the user does not see.
    items.erase(std::remove_if(items.begin(), items.end(), [this](int i) { return !IsShown(i); }),
                items.end());
    m_selection = std::move(items);
}

void TWindowModel::SelectItem(int item) {
    if (item >= 0 && item < static_cast<int>(m_items.size()) && !IsShown(item))
        return;
    SetSelection({item});
}

void TWindowModel::SelectAll() {
    SetSelection(ShownItems());
}

bool TWindowModel::ShowMadeSlide(const std::string& caption) {
    const auto it = std::find_if(m_items.begin(), m_items.end(),
                                 [&](const std::string& item) { return SameText(item, caption); });
    if (it == m_items.end())
        return false;
    const int item = static_cast<int>(it - m_items.begin());
    if (!IsShown(item)) {
        m_filter.clear();
        ++m_filterGeneration;
    }
    SetSelection({item});
    ActivateSelection();
    return true;
}

bool TWindowModel::FilterHides(const std::string& caption) const {
    return !MatchesFilter(caption, m_filter);
}

// ---- Filter ----

void TWindowModel::SetFilter(const std::string& text) {
    if (text == m_filter)
        return;
    m_filter = text;
    ++m_filterGeneration;
    std::vector<int> kept = m_selection;
    SetSelection(std::move(kept));
    if (m_selection.empty() && !ShownItems().empty())
        m_selection.push_back(ShownItems().front());
    ActivateSelection();
}

const std::vector<int>& TWindowModel::ShownItems() const {
    if (m_shownFor != ShownGeneration()) {
        m_shown = ShownByFilter(m_items, m_filter);
        m_shownFor = ShownGeneration();
    }
    return m_shown;
}

bool TWindowModel::IsShown(int item) const {
    const std::vector<int>& shown = ShownItems();
    return std::binary_search(shown.begin(), shown.end(), item);
}

int TWindowModel::ShownNeighbour(int item, int step) const {
    const std::vector<int>& shown = ShownItems();
    const auto it = std::lower_bound(shown.begin(), shown.end(), item);
    if (it == shown.end() || *it != item)
        return -1;
    const auto at = (it - shown.begin()) + step;
    return at >= 0 && at < static_cast<std::ptrdiff_t>(shown.size())
               ? shown[static_cast<size_t>(at)]
               : -1;
}

void TWindowModel::ActivateSelection() {
    if (m_items.empty())
        m_currentList.reset();
    RepaintPreview();
}

// ---- Preview, thumbnails and status ----

void TWindowModel::SetPreviewBackground(TColor colour) {
    m_renderState = TRenderState(colour, false);
    RepaintPreview();
}

void TWindowModel::SetPreviewSize(int width, int height, double pixelRatio) {
    width = std::max(0, width);
    height = std::max(0, height);
    m_previewRatio = std::isfinite(pixelRatio) && pixelRatio > 0 ? pixelRatio : 1;
    if (m_preview->Width() != width || m_preview->Height() != height)
        m_preview->Resize(width, height);
    m_zoom.SetViewSize(width, height);
}

bool TWindowModel::ZoomPreview(double factor, double x, double y) {
    return m_currentList && SelectedSlide() >= 0 && m_zoom.ZoomAt(factor, x, y);
}

bool TWindowModel::PanPreview(double dx, double dy) {
    return m_zoom.Pan(dx, dy);
}

bool TWindowModel::FitPreview() {
    if (m_zoom.Fitted())
        return false;
    m_zoom.Fit();
    return true;
}

void TWindowModel::FillPreviewBackground() {
    FillCanvas(*m_preview, PreviewBackground());
    ++m_previewGeneration;
}

void TWindowModel::SetStatus(TStatusPanel panel, std::string text) {
    m_status[static_cast<int>(panel)] = std::move(text);
}

std::string TWindowModel::StatusText(TStatusPanel panel) const {
    if (panel == TStatusPanel::Problem && m_page == TPage::Hatchs && m_patternPage.ChangedOnDisk())
        return "\"" + m_patternFile + "\" was " +
               (m_patternPage.FileGoneOnDisk() ? "removed" : "changed") +
               " by another program; your changes are kept";
    if (panel != TStatusPanel::Shown)
        return m_status[static_cast<int>(panel)];
    if (m_page == TPage::Hatchs)
        return m_patternPage.ShownText();
    return m_filter.empty() ? std::string()
                            : ShownCountText(ShownItems().size(), m_items.size(), "slides");
}

void TWindowModel::RepaintPreview() {
    TBusy busy(*this);
    FillPreviewBackground();
    // The panel's size in the window's pixels, however many device pixels the preview has.
    const auto windowPixels = [this](int devicePixels) {
        return std::to_string(std::lround(devicePixels / m_previewRatio));
    };
    SetStatus(TStatusPanel::PreviewSize,
              windowPixels(m_preview->Width()) + "x" + windowPixels(m_preview->Height()));
    SetStatus(TStatusPanel::Folder, m_treeFolder);
    SetStatus(TStatusPanel::Problem, m_folderProblem.empty() ? m_readProblem : m_folderProblem);

    const int a = SelectedSlide();
    if (!m_currentList) {
        for (TStatusPanel p :
             {TStatusPanel::SlideName, TStatusPanel::SlideSize, TStatusPanel::LibraryName,
              TStatusPanel::LibrarySize, TStatusPanel::Zoom})
            SetStatus(p, {});
        m_zoom.Fit();
        m_zoomedSlide.clear();
        return;
    }
    if (a < 0 || a >= m_currentList->Count())
        return;

    // Another slide is shown fitted; the same one again (a reload, a resize) keeps its zoom.
    const std::string name = m_currentList->SlideName(a);
    if (name != m_zoomedSlide || m_currentList->FileName() != m_zoomedList) {
        m_zoom.Fit();
        m_zoomedSlide = name;
        m_zoomedList = m_currentList->FileName();
    }
    SetStatus(TStatusPanel::Zoom, m_zoom.ZoomText());

    UiHooks::TBusyCursor cursor;
    std::string problem;
    try {
        if (m_currentList->Draw(a, *m_preview, m_zoom.Frame(), m_renderState).Invalid)
            problem = kInvalidSlideMessage;
    } catch (const EVarnelError& e) {
        problem = e.what();
    }
    // Drawing the same slide again (a resize) does not repeat its message.
    ReportSlideProblem(a, problem);
    std::string size;
    try {
        size = std::to_string(m_currentList->SlideSize(a));
    } catch (const EVarnelError&) {
        size = "?";
    }
    SetStatus(TStatusPanel::SlideName, Cp1252ToUtf8(m_currentList->SlideName(a)));
    SetStatus(TStatusPanel::SlideSize, size);
    SetStatus(TStatusPanel::LibraryName, m_currentList->FileName());
    SetStatus(TStatusPanel::LibrarySize, std::to_string(m_currentList->DataSize()));
}

std::string TWindowModel::DrawThumbnail(int index, TBitmap& bitmap, int width, int height) {
    TBusy busy(*this);
    const TSlide* slide = m_currentList ? m_currentList->Slide(index) : nullptr;
    if (!slide)
        return {};
    std::string message;
    try {
        if (DrawToGraphic(*slide, bitmap, height, width, m_renderState).Invalid)
            message = kInvalidSlideMessage;
    } catch (...) {
        // One thumbnail that fails, for whatever reason, leaves the others to be drawn.
        message = FailureText(std::current_exception());
    }
    if (!message.empty())
        MarkFailedThumbnail(bitmap.Canvas(), bitmap.Width(), bitmap.Height());
    // The thumbnail keeps what was drawn; the box comes once the work is done.
    ReportSlideProblem(index, message);
    return message;
}
