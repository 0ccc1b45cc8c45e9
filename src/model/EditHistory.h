// Undo and redo of the window's edits. Every command that writes, renames or trashes the
// user's files records what each file held before it touched it (TEditRecorder); when the
// command ends, the files that changed make one TEdit on the model's TEditHistory. A TEdit
// knows how to take itself back and do itself again from the bytes it saved: Undo writes each
// file's previous bytes (atomically, like every write), moves a file the edit made to the trash,
// or puts a trashed file back from the trash; Redo does the same towards the edit's result. A
// file a step removes goes to the trash, never away for good (unless the step writes the same
// bytes elsewhere, as in taking back a rename); when no trash takes it, the step is refused
// (ENoTrash) with every file as it was.
//
// Nothing is undone over another program's work: before an edit touches anything, every file
// must be as the edit (or its undo) left it, compared by size and contents. Otherwise the step
// is refused (EChangedOutside) and the history forgets the edits of that file. When a write
// fails halfway through an undo or redo, the files already put back are set as they were, so
// the edit stays whole and in its place.
#pragma once

#include "base/Errors.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class TEditHistory;
class TWindowModel;

// What a file held at one moment: its bytes, or nothing when it did not exist.
struct TFileState {
    bool Exists = false;
    std::vector<uint8_t> Bytes;
    uint64_t Hash = 0;

    // The state of the file at path now; throws EFileError naming it when it cannot be read.
    static TFileState Read(const std::string& path);
    bool SameAs(const TFileState& other) const {
        return Exists == other.Exists && Bytes.size() == other.Bytes.size() && Hash == other.Hash;
    }
};

// One file that an edit changed.
struct TFileChange {
    std::string Path;
    TFileState Before;
    TFileState After;
    // Where the edit moved the file in the trash (After does not exist); empty otherwise.
    std::string TrashedAs;
};

// A file is not as the history left it: another program changed it since.
class EChangedOutside : public EVarnelError {
public:
    explicit EChangedOutside(const std::string& path)
        : EVarnelError("The file \"" + path + "\" was changed by another program since."),
          m_path(path) {}
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// No trash can take a file that a step removes: the step is not done.
class ENoTrash : public EVarnelError {
public:
    explicit ENoTrash(const std::string& path)
        : EVarnelError("The file \"" + path + "\" cannot be moved to the trash."), m_path(path) {}
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// One edit of the user's files, under the name of the command that made it.
class TEdit {
public:
    TEdit(std::string name, std::vector<TFileChange> changes);

    const std::string& Name() const { return m_name; }
    const std::vector<TFileChange>& Changes() const { return m_changes; }
    // The bytes held to take back and redo the edit.
    size_t SavedBytes() const;
    bool Touches(const std::string& path) const;

    // Puts every file back as it was before the edit, or as the edit left it. Throws
    // EChangedOutside, having changed nothing, when a file is not as expected; passes other
    // errors on after putting the files already done back.
    void Undo() { Apply(true); }
    void Redo() { Apply(false); }

    // The captions selected in the slide list before and after the edit.
    std::vector<std::string> SelectedBefore;
    std::vector<std::string> SelectedAfter;

private:
    void Apply(bool undo);

    std::string m_name;
    std::vector<TFileChange> m_changes;
};

// The edits that can be undone, newest last, and those undone that can be done again. Holds at
// most maxEdits edits and maxBytes saved bytes: the oldest edits go first.
class TEditHistory {
public:
    static constexpr size_t kMaxEdits = 100;
    static constexpr size_t kMaxBytes = size_t{256} << 20;

    explicit TEditHistory(size_t maxEdits = kMaxEdits, size_t maxBytes = kMaxBytes)
        : m_maxEdits(maxEdits), m_maxBytes(maxBytes) {}

    // A new edit: it can be undone, and what was undone before cannot be redone any more.
    void Push(std::unique_ptr<TEdit> edit);
    bool CanUndo() const { return !m_done.empty(); }
    bool CanRedo() const { return !m_undone.empty(); }
    // The next edit to undo or redo; null when there is none.
    TEdit* NextUndo() const { return m_done.empty() ? nullptr : m_done.back().get(); }
    TEdit* NextRedo() const { return m_undone.empty() ? nullptr : m_undone.back().get(); }
    // The next edit was undone (redone): it moves to the other list.
    void Undone();
    void Redone();
    // Drops every edit that touches path (another program changed it).
    void Forget(const std::string& path);
    void Clear();
    size_t UndoCount() const { return m_done.size(); }
    size_t RedoCount() const { return m_undone.size(); }
    size_t SavedBytes() const;
    size_t MaxBytes() const { return m_maxBytes; }

private:
    void Trim();

    size_t m_maxEdits;
    size_t m_maxBytes;
    std::deque<std::unique_ptr<TEdit>> m_done;
    std::deque<std::unique_ptr<TEdit>> m_undone;
};

// Records one command's edit: Before(path) ahead of every write, rename or trash of path; when
// the recorder goes (the command succeeded or failed halfway), the files whose contents changed
// become one edit on the history. Nothing is pushed when no file changed.
class TEditRecorder {
public:
    // An edit of the slide commands: it keeps the slides selected before and after it.
    TEditRecorder(TWindowModel& model, std::string name);
    // An edit that selects no slides (the pattern page's saves).
    TEditRecorder(TEditHistory& history, std::string name);
    ~TEditRecorder();
    TEditRecorder(const TEditRecorder&) = delete;
    TEditRecorder& operator=(const TEditRecorder&) = delete;

    // Saves what path holds now (once per path); throws EFileError when it cannot be read, so
    // that nothing is written that could not be taken back. A file larger than the history
    // holds is not read: the edit then cannot be undone, and earlier edits of its files are
    // forgotten.
    void Before(const std::string& path);
    // path went to the trash, to trashedAs (empty when it was deleted instead).
    void Trashed(const std::string& path, const std::string& trashedAs);

private:
    TEditHistory& m_history;
    const TWindowModel* m_model; // null for an edit outside the slide list
    std::string m_name;
    std::vector<TFileChange> m_changes;
    std::vector<std::string> m_selected;
    std::vector<std::string> m_tooLarge;
};

// "Undo" and "Redo" (Ctrl+Z, Ctrl+Shift+Z): the last edit taken back, or the last edit undone
// done again; the file list, the slide list and page "hatchs" show the result. An edit refused
// because another program changed a file is said in a message and forgotten; one refused
// because no trash takes a file it removes is said in a message and stays. When page "hatchs"
// holds unsaved edits of a file the step rewrites, the user is asked first: the page shows the
// file as the step leaves it, so the edits would go.
void UndoEdit(TWindowModel& model);
void RedoEdit(TWindowModel& model);
// "Undo Delete Slides", or "Undo" when there is nothing to undo; the same for "Redo".
std::string UndoCaption(const TWindowModel& model);
std::string RedoCaption(const TWindowModel& model);
