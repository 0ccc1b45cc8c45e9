#include "model/EditHistory.h"

#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/Streams.h"
#include "base/Trash.h"
#include "base/UiHooks.h"
#include "model/WindowModel.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <numeric>
#include <sys/stat.h>
#include <unistd.h>

namespace {

uint64_t HashOf(const std::vector<uint8_t>& bytes) {
    // FNV-1a: enough to tell another program's bytes from ours next to the size.
    uint64_t hash = 14695981039346656037ull;
    for (const uint8_t b : bytes) {
        hash ^= b;
        hash *= 1099511628211ull;
    }
    return hash;
}

// The path the history keeps for a file: absolute, so that it stays right whatever the window
// shows later.
std::string HistoryPath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

void WriteState(const std::string& path, const TFileState& state) {
    SaveFileAtomically(path, [&](TStream& stream) {
        if (!state.Bytes.empty())
            stream.WriteBuffer(state.Bytes.data(), state.Bytes.size());
    });
}

// Sets the file of change to what it held before the edit (toBefore) or after it. A file that
// goes is moved to the trash, unless its bytes stay elsewhere (kept).
void SetState(TFileChange& change, bool toBefore, bool kept) {
    const TFileState& want = toBefore ? change.Before : change.After;
    const bool trashed = !change.TrashedAs.empty();
    if (want.Exists) {
        // A file the edit sent to the trash comes back from there while it is still as it went.
        if (toBefore && trashed) {
            TFileState there;
            try {
                there = TFileState::Read(change.TrashedAs);
            } catch (const EVarnelError&) {
                // Not readable there: its bytes are written instead.
            }
            if (there.SameAs(want) && RestoreFromTrash(change.TrashedAs, change.Path))
                return;
        }
        WriteState(change.Path, want);
        return;
    }
    if (kept) {
        if (::unlink(change.Path.c_str()) != 0 && errno != ENOENT)
            throw EFileError("Cannot remove file \"" + change.Path + "\". " + std::strerror(errno));
        return;
    }
    std::string where;
    if (!MoveToTrash(change.Path, TTrashScope::HomeAndTopDirs, &where))
        throw ENoTrash(change.Path);
    // Where the edit's own removal put the file: its undo takes it back from there. (A file
    // that an undo removed is written again by its redo; the trash keeps its copy.)
    if (!toBefore)
        change.TrashedAs = where;
}

std::vector<std::string> SelectedCaptions(const TWindowModel& model) {
    std::vector<std::string> captions;
    for (const int item : model.Selection())
        if (item >= 0 && static_cast<size_t>(item) < model.Items().size())
            captions.push_back(model.Items()[static_cast<size_t>(item)]);
    return captions;
}

// After an undo or redo: the lists show the files as they are now, with the slides the edit
// concerned selected.
void ShowResult(TWindowModel& model, const TEdit& edit, bool undone) {
    bool shownFolder = false;
    bool shownList = false;
    for (const TFileChange& change : edit.Changes()) {
        if (!model.Folder().empty() && SamePlace(FolderOf(change.Path), model.Folder())) {
            shownFolder = true;
            if (!model.LibraryView() && SameText(ExtensionOf(change.Path), ".sld"))
                shownList = true;
        }
        if (model.LibraryView() && SamePlace(change.Path, model.SelectedSourcePath()))
            shownList = true;
    }
    if (shownFolder)
        model.RefreshFileList();
    // Page "hatchs" shows its file as the step left it.
    for (const TFileChange& change : edit.Changes())
        model.PatternFileRewritten(change.Path);
    if (!shownList || model.Page() != TPage::Slides)
        return;
    model.ReloadSlideList();
    const std::vector<std::string>& captions = undone ? edit.SelectedBefore : edit.SelectedAfter;
    const std::vector<std::string>& items = model.Items();
    std::vector<int> selection;
    std::vector<bool> taken(items.size(), false);
    for (const std::string& caption : captions) {
        for (size_t i = 0; i < items.size(); ++i) {
            if (!taken[i] && SameText(items[i], caption)) {
                taken[i] = true;
                selection.push_back(static_cast<int>(i));
                break;
            }
        }
    }
    // The slides the step brought back or renamed are shown: a filter that hides any of them is
    // cleared, so the user sees what the step did.
    if (std::any_of(selection.begin(), selection.end(), [&](int i) { return !model.IsShown(i); }))
        model.SetFilter("");
    if (!selection.empty())
        model.SetSelection(selection);
    model.ActivateSelection();
}

// Page "hatchs" holds edits of a file that the step rewrites: showing the file as the step
// leaves it drops them, so the user is asked first. False when the user keeps them.
bool MayDropPatternEdits(TWindowModel& model, const TEdit& edit, bool undo) {
    const TPatternPage& page = model.PatternPage();
    if (model.Page() != TPage::Hatchs || !page.HasUnsavedEdits())
        return true;
    const std::string& file = page.Module().PatternFileName;
    const std::vector<TFileChange>& changes = edit.Changes();
    if (std::none_of(changes.begin(), changes.end(),
                     [&](const TFileChange& change) { return SamePlace(change.Path, file); }))
        return true;
    return model.Dialogs().ConfirmYesNo(
        "\"" + BaseName(file) + "\" has changes that are not saved. " + (undo ? "Undo" : "Redo") +
        " \"" + edit.Name() + "\" all the same and drop them?");
}

void Step(TWindowModel& model, bool undo) {
    TEditHistory& history = model.History();
    TEdit* edit = undo ? history.NextUndo() : history.NextRedo();
    if (!edit || !MayDropPatternEdits(model, *edit, undo))
        return;
    try {
        UiHooks::TBusyCursor cursor;
        if (undo)
            edit->Undo();
        else
            edit->Redo();
    } catch (const EChangedOutside& e) {
        model.Dialogs().ShowError(std::string(undo ? "Cannot undo" : "Cannot redo") + " \"" +
                                  edit->Name() + "\": the file \"" + e.Path() +
                                  "\" was changed by another program since.");
        history.Forget(e.Path());
        return;
    } catch (const ENoTrash& e) {
        model.Dialogs().ShowError(std::string(undo ? "Cannot undo" : "Cannot redo") + " \"" +
                                  edit->Name() + "\": the file \"" + e.Path() +
                                  "\" cannot be moved to the trash. Nothing was changed.");
        return;
    }
    if (undo)
        history.Undone();
    else
        history.Redone();
    ShowResult(model, *edit, undo);
}

} // namespace

TFileState TFileState::Read(const std::string& path) {
    TFileState state;
    struct stat st {};
    // A name that cannot be there (no such file, too long a name) holds nothing.
    if (::lstat(path.c_str(), &st) != 0 &&
        (errno == ENOENT || errno == ENAMETOOLONG || errno == ENOTDIR))
        return state;
    state.Exists = true;
    state.Bytes = ReadWholeFile(path);
    state.Hash = HashOf(state.Bytes);
    return state;
}

// ---- TEdit ----

TEdit::TEdit(std::string name, std::vector<TFileChange> changes)
    : m_name(std::move(name)), m_changes(std::move(changes)) {}

size_t TEdit::SavedBytes() const {
    size_t bytes = 0;
    for (const TFileChange& change : m_changes)
        bytes += change.Before.Bytes.size() + change.After.Bytes.size();
    return bytes;
}

bool TEdit::Touches(const std::string& path) const {
    return std::any_of(m_changes.begin(), m_changes.end(),
                       [&](const TFileChange& change) { return change.Path == path; });
}

void TEdit::Apply(bool undo) {
    // Every file first: nothing is touched unless all are as this edit expects.
    for (const TFileChange& change : m_changes)
        if (!TFileState::Read(change.Path).SameAs(undo ? change.After : change.Before))
            throw EChangedOutside(change.Path);
    // A file whose bytes another file of the step receives is not lost when it goes.
    const auto kept = [&](const TFileChange& change, bool toBefore) {
        const TFileState& gone = toBefore ? change.After : change.Before;
        return std::any_of(m_changes.begin(), m_changes.end(), [&](const TFileChange& other) {
            const TFileState& set = toBefore ? other.Before : other.After;
            return &other != &change && set.Exists && set.SameAs(gone) && set.Bytes == gone.Bytes;
        });
    };
    size_t done = 0;
    try {
        for (; done < m_changes.size(); ++done)
            SetState(m_changes[done], undo, kept(m_changes[done], undo));
    } catch (...) {
        // The edit stays whole: what was put back goes back to where it was.
        while (done-- > 0) {
            try {
                SetState(m_changes[done], !undo, kept(m_changes[done], !undo));
            } catch (const EVarnelError&) {
                // Its own error is the one to report.
            }
        }
        throw;
    }
}

// ---- TEditHistory ----

void TEditHistory::Push(std::unique_ptr<TEdit> edit) {
    m_undone.clear();
    m_done.push_back(std::move(edit));
    Trim();
}

void TEditHistory::Undone() {
    if (m_done.empty())
        return;
    m_undone.push_back(std::move(m_done.back()));
    m_done.pop_back();
}

void TEditHistory::Redone() {
    if (m_undone.empty())
        return;
    m_done.push_back(std::move(m_undone.back()));
    m_undone.pop_back();
}

void TEditHistory::Forget(const std::string& path) {
    const auto touches = [&](const std::unique_ptr<TEdit>& edit) { return edit->Touches(path); };
    m_done.erase(std::remove_if(m_done.begin(), m_done.end(), touches), m_done.end());
    m_undone.erase(std::remove_if(m_undone.begin(), m_undone.end(), touches), m_undone.end());
}

void TEditHistory::Clear() {
    m_done.clear();
    m_undone.clear();
}

size_t TEditHistory::SavedBytes() const {
    const auto add = [](size_t sum, const std::unique_ptr<TEdit>& edit) {
        return sum + edit->SavedBytes();
    };
    return std::accumulate(m_done.begin(), m_done.end(),
                           std::accumulate(m_undone.begin(), m_undone.end(), size_t{0}, add), add);
}

void TEditHistory::Trim() {
    size_t bytes = SavedBytes();
    while (!m_done.empty() &&
           (m_done.size() + m_undone.size() > m_maxEdits || bytes > m_maxBytes)) {
        bytes -= m_done.front()->SavedBytes();
        m_done.pop_front();
    }
}

// ---- TEditRecorder ----

TEditRecorder::TEditRecorder(TWindowModel& model, std::string name)
    : m_history(model.History()), m_model(&model), m_name(std::move(name)),
      m_selected(SelectedCaptions(model)) {}

TEditRecorder::TEditRecorder(TEditHistory& history, std::string name)
    : m_history(history), m_model(nullptr), m_name(std::move(name)) {}

TEditRecorder::~TEditRecorder() {
    std::vector<std::string> paths = m_tooLarge;
    for (const TFileChange& change : m_changes)
        paths.push_back(change.Path);
    std::vector<TFileChange> changed;
    try {
        if (!m_tooLarge.empty())
            throw EVarnelError("too large to keep");
        for (TFileChange& change : m_changes) {
            change.After = TFileState::Read(change.Path);
            if (!change.After.SameAs(change.Before))
                changed.push_back(std::move(change));
        }
        if (changed.empty())
            return;
        auto edit = std::make_unique<TEdit>(m_name, std::move(changed));
        edit->SelectedBefore = std::move(m_selected);
        if (m_model)
            edit->SelectedAfter = SelectedCaptions(*m_model);
        m_history.Push(std::move(edit));
    } catch (...) {
        // What these files hold now is unknown: no edit of them can be taken back safely.
        for (const std::string& path : paths)
            m_history.Forget(path);
    }
}

void TEditRecorder::Before(const std::string& path) {
    const std::string place = HistoryPath(path);
    for (const TFileChange& change : m_changes)
        if (change.Path == place)
            return;
    if (std::find(m_tooLarge.begin(), m_tooLarge.end(), place) != m_tooLarge.end())
        return;
    struct stat st {};
    if (::stat(place.c_str(), &st) == 0 &&
        static_cast<uint64_t>(st.st_size) > m_history.MaxBytes()) {
        m_tooLarge.push_back(place);
        return;
    }
    TFileChange change;
    change.Path = place;
    change.Before = TFileState::Read(place);
    m_changes.push_back(std::move(change));
}

void TEditRecorder::Trashed(const std::string& path, const std::string& trashedAs) {
    const std::string place = HistoryPath(path);
    for (TFileChange& change : m_changes)
        if (change.Path == place)
            change.TrashedAs = trashedAs;
}

// ---- Commands ----

void UndoEdit(TWindowModel& model) {
    Step(model, true);
}

void RedoEdit(TWindowModel& model) {
    Step(model, false);
}

std::string UndoCaption(const TWindowModel& model) {
    const TEdit* edit = model.History().NextUndo();
    return edit ? "Undo " + edit->Name() : "Undo";
}

std::string RedoCaption(const TWindowModel& model) {
    const TEdit* edit = model.History().NextRedo();
    return edit ? "Redo " + edit->Name() : "Redo";
}
