#include "model/SlideCommands.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/Streams.h"
#include "base/Trash.h"
#include "base/UiHooks.h"
#include "model/EditHistory.h"
#include "model/WindowModel.h"
#include "slides/FileKinds.h"
#include "slides/SlideClasses.h"
#include "slides/SlideNames.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// A slide keeps at most this many characters of its name.
constexpr size_t kSlideNameLength = 32;

const char* const kNoSelectedSlides = "No selected slides!";
const char* const kNoSelectedSlide = "No selected slide!";
const char* const kOnlyOneSlide = "Must be selected only one slide!";
const char* const kFileExists = "File exists. Overwrite?";
const char* const kFileItself = "Cannot write to file itself!";
const char* const kBadSlideName = "Bad slide name!";

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

enum class TMessageKind { Error, Warning };

void Show(TDialogs& dialogs, TMessageKind kind, const std::string& text) {
    if (kind == TMessageKind::Error)
        dialogs.ShowError(text);
    else
        dialogs.ShowWarning(text);
}

// The one selected item, or -1 after saying what is wrong with the selection.
int OneSelectedItem(TWindowModel& model, TMessageKind kind) {
    const std::vector<int>& selection = model.Selection();
    if (selection.empty()) {
        Show(model.Dialogs(), kind, kNoSelectedSlide);
        return -1;
    }
    if (selection.size() > 1) {
        Show(model.Dialogs(), kind, kOnlyOneSlide);
        return -1;
    }
    return selection.front();
}

// Writes the current library back to its file. On failure the list is read again from the
// file (which is unchanged), so the items and the list agree, and the error passes on.
void WriteBack(TWindowModel& model) {
    TSlideLib& lib = *model.CurrentList();
    try {
        UiHooks::TBusyCursor cursor;
        lib.SaveToFile(lib.FileName());
    } catch (...) {
        model.ReloadSlideList();
        throw;
    }
}

// Sends a slide file to the trash; says so when it exists and can be neither trashed nor
// deleted. The recorder learns where it went.
void EraseFile(TDialogs& dialogs, TEditRecorder& record, const std::string& path) {
    if (!Exists(path))
        return;
    record.Before(path);
    std::string trashedAs;
    if (TrashFile(path, TTrashScope::HomeAndTopDirs, &trashedAs) == TTrashOutcome::Failed)
        dialogs.ShowError("Cannot erase file: \"" + path + "\"");
    record.Trashed(path, trashedAs);
}

// Writes slide index of lib as a *.sld file, replacing any file there.
void WriteSlideFile(const TSlideLib& lib, int index, const std::string& path) {
    try {
        SaveFileAtomically(path, [&](TStream& stream) { lib.SaveSlideToStream(index, stream); });
    } catch (const EReadError&) {
        throw EFileError("Cannot read the slide \"" + Cp1252ToUtf8(lib.SlideName(index)) +
                         "\": Stream read error");
    }
}

// The caption the slide list shows for a slide file of that name.
std::string FolderCaption(const std::string& fileName) {
    return Cp1252ToUtf8(Utf8ToCp1252(fileName).substr(0, kSlideNameLength));
}

// A slide of lib before or after index bears name (as the library compares names).
bool BorneByAnother(const TSlideLib& lib, const std::string& name, int index) {
    const int i = lib.IndexOfName(name);
    return i != -1 && i != index;
}

// Gives a slide another name for its lifetime.
class TNameScope {
public:
    TNameScope(TSlide& slide, const std::string& name) : m_slide(slide), m_saved(slide.Name()) {
        m_slide.SetName(name);
    }
    ~TNameScope() { m_slide.SetName(m_saved); }
    TNameScope(const TNameScope&) = delete;
    TNameScope& operator=(const TNameScope&) = delete;

private:
    TSlide& m_slide;
    std::string m_saved;
};

// A file name the user typed for a slide file: one name, no folders.
bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string("/\0", 2)) == std::string::npos;
}

// A name in folder that equals name ignoring case, as on the desktop the slides come from.
bool NameTaken(const std::string& folder, const std::string& name) {
    if (Exists(JoinPath(folder, name)))
        return true;
    for (const std::string& other : ListFolder(folder, "*"))
        if (SameText(other, name))
            return true;
    return false;
}

// What the user answered to an overwrite question in a loop of several files.
enum class TLoopStep { Copy, Skip, Stop };

TLoopStep AskOverwrite(TDialogs& dialogs, const std::string& question, bool& ask) {
    switch (dialogs.ConfirmYesNoCancelAll(question)) {
    case TDialogs::TAnswer::Yes:
        return TLoopStep::Copy;
    case TDialogs::TAnswer::No:
        return TLoopStep::Skip;
    case TDialogs::TAnswer::All:
        ask = false;
        return TLoopStep::Copy;
    case TDialogs::TAnswer::Cancel:
        break;
    }
    return TLoopStep::Stop;
}

// Says which of the selected slides are damaged (IsComplete) and asks whether the others go
// into the library without them; true when the command goes on. damaged[n] marks selected[n].
// A selection of damaged slides only is refused, and so is a move out of a library. Nothing of
// the user's is lost either way: the damaged slides stay where they are.
bool LeaveOutDamaged(TWindowModel& model, TAddMode mode, const std::vector<int>& selected,
                     const std::vector<std::string>& sourceFiles, std::vector<bool>& damaged) {
    const TSlideLib& lib = *model.CurrentList();
    constexpr size_t kNamesShown = 10;
    std::string names;
    size_t count = 0;
    {
        UiHooks::TBusyCursor cursor;
        UiHooks::TPendingMessagePump pump;
        for (size_t n = 0; n < selected.size(); ++n) {
            const TSlide* slide = lib.Slide(selected[n]);
            pump.Tick();
            if (!slide || slide->IsComplete())
                continue;
            damaged[n] = true;
            if (++count > kNamesShown)
                continue;
            // A slide of a folder is its file; a library's slide is named with the library.
            names += sourceFiles.empty()
                         ? "\n\"" + Cp1252ToUtf8(slide->Name()) + "\" of \"" + lib.FileName() + "\""
                         : "\n\"" + sourceFiles[n] + "\"";
        }
    }
    if (count == 0)
        return true;
    if (count > kNamesShown)
        names += "\nand " + std::to_string(count - kNamesShown) + " more";
    const std::string what = std::string(count == 1 ? "This slide is" : "These slides are") +
                             " damaged (cut short, or holding a record that cannot be read) and "
                             "cannot go into a library:" +
                             names;
    if (count == selected.size()) {
        model.Dialogs().ShowError(what + "\nNothing was written.");
        return false;
    }
    // Slides moved out of a library leave the damaged ones behind in a library that must be
    // written back, and a damaged slide cannot be written: nothing moves.
    if (mode == TAddMode::Move && sourceFiles.empty()) {
        model.Dialogs().ShowError(what + "\nNothing was moved.");
        return false;
    }
    const char* const verb = mode == TAddMode::SaveAs ? "Save"
                             : mode == TAddMode::Add  ? "Add"
                                                      : "Move";
    return model.Dialogs().ConfirmOkCancel(what + "\n" + verb + " the other slides without " +
                                           (count == 1 ? "it?" : "them?"));
}

} // namespace

TFileDialogOptions SaveDialog1(const std::string& fileName, const std::string& initialDir) {
    TFileDialogOptions options;
    options.Title = "Save as Slide-File";
    options.Filter = "SLD-files (*.sld)|*.sld";
    options.DefaultExt = "sld";
    options.FileName = fileName;
    options.InitialDir = initialDir;
    return options;
}

TFileDialogOptions SaveDialog2(const std::string& title, const std::string& initialDir) {
    TFileDialogOptions options;
    options.Title = title;
    options.Filter = "SLB-files (*.slb)|*.slb";
    options.DefaultExt = "slb";
    options.InitialDir = initialDir;
    return options;
}

std::vector<std::string> SlideFilePaths(const TWindowModel& model, const std::vector<int>& items) {
    const TSlideLib* lib = model.CurrentList();
    std::vector<std::string> paths;
    if (!lib)
        return paths;
    const std::string folder = lib->Directory().empty() ? model.Folder() : lib->Directory();
    std::vector<std::string> files;
    try {
        files = ListFolder(folder, kSlideFileMask);
    } catch (const EVarnelError&) {
        // The folder cannot be read: the captions are all there is.
    }
    const auto stands = [&](const std::string& file, const std::string& name) {
        return Utf8ToCp1252(file).substr(0, kSlideNameLength) == name;
    };
    for (const int item : items) {
        const std::string name = lib->SlideName(item);
        std::string file;
        // The list was read from the same folder in the same order: item k is file k, unless
        // the folder changed since.
        if (item >= 0 && static_cast<size_t>(item) < files.size() &&
            stands(files[static_cast<size_t>(item)], name)) {
            file = files[static_cast<size_t>(item)];
        } else {
            const auto found = std::find_if(files.begin(), files.end(),
                                            [&](const std::string& f) { return stands(f, name); });
            if (found != files.end())
                file = *found;
            else if (item >= 0 && static_cast<size_t>(item) < model.Items().size())
                file = model.Items()[static_cast<size_t>(item)];
        }
        paths.push_back(JoinPath(folder, file));
    }
    return paths;
}

void SlideDelete(TWindowModel& model) {
    TSlideLib* lib = model.CurrentList();
    if (!lib)
        return;
    TDialogs& dialogs = model.Dialogs();
    const std::vector<int> selected = model.Selection();
    if (selected.empty()) {
        dialogs.ShowError(kNoSelectedSlides);
        return;
    }
    if (!dialogs.ConfirmOkCancel("Do you really want to delete the selected slide(s)?"))
        return;
    TEditRecorder record(model, "Delete Slides");
    if (model.LibraryView()) {
        record.Before(lib->FileName());
        // By place, last first, so each index still means the slide the user selected (a
        // library written elsewhere may hold two slides of one name).
        for (auto k = selected.rbegin(); k != selected.rend(); ++k)
            lib->Delete(*k);
        WriteBack(model);
    } else {
        UiHooks::TPendingMessagePump pump;
        for (const std::string& path : SlideFilePaths(model, selected)) {
            EraseFile(dialogs, record, path);
            pump.Tick();
        }
    }
    model.ReloadSlideList();
}

void SlideSave(TWindowModel& model) {
    TSlideLib* lib = model.CurrentList();
    if (!lib)
        return;
    TDialogs& dialogs = model.Dialogs();
    const int k = OneSelectedItem(model, TMessageKind::Error);
    if (k < 0)
        return;
    const bool folderView = !model.LibraryView();
    const std::string source = folderView ? SlideFilePaths(model, {k}).front() : std::string();
    const std::string caption = model.Items()[static_cast<size_t>(k)];
    const std::optional<TFileChoice> choice =
        dialogs.SaveFileName(SaveDialog1(SafeFileName(caption), model.Folder()));
    if (!choice)
        return;
    const std::string& file = choice->FileName;
    if (folderView && SamePlace(source, file)) {
        dialogs.ShowError(kFileItself);
        return;
    }
    if (Exists(file) && !dialogs.ConfirmOkCancel(kFileExists))
        return;
    TEditRecorder record(model, "Save Slide");
    record.Before(file);
    WriteSlideFile(*lib, k, file);
    if (folderView && SamePlace(FolderOf(file), model.Folder())) {
        model.ReloadSlideList();
        // The selection stays, unless the filter hides the new slide: then it is shown.
        const std::string made = FolderCaption(BaseName(file));
        if (model.FilterHides(made))
            model.ShowMadeSlide(made);
    }
}

void AddToSlideLib(TWindowModel& model, TAddMode mode) {
    TSlideLib* lib = model.CurrentList();
    if (!lib)
        return;
    TDialogs& dialogs = model.Dialogs();
    const std::vector<int> selected = model.Selection();
    if (selected.empty()) {
        dialogs.ShowError(kNoSelectedSlides);
        return;
    }
    const char* const title = mode == TAddMode::SaveAs ? "Save Slides as Slide-Library-File"
                              : mode == TAddMode::Add  ? "Add Slides to Slide-Library-File"
                                                       : "Move Slides to Slide-Library-File";
    const std::optional<TFileChoice> choice =
        dialogs.SaveFileName(SaveDialog2(title, model.Folder()));
    if (!choice)
        return;
    const std::string& file = choice->FileName;
    const bool libraryView = model.LibraryView();
    if (libraryView && SamePlace(file, lib->FileName())) {
        dialogs.ShowError(kFileItself);
        return;
    }

    const std::vector<std::string> sourceFiles =
        libraryView ? std::vector<std::string>() : SlideFilePaths(model, selected);
    std::vector<bool> damaged(selected.size(), false);
    if (!LeaveOutDamaged(model, mode, selected, sourceFiles, damaged))
        return;

    std::unique_ptr<TSlideLib> target;
    bool ask = true;
    if (mode == TAddMode::SaveAs) {
        if (Exists(file) && !dialogs.ConfirmOkCancel(kFileExists))
            return;
        target = TSlideLib::CreateEmpty();
        ask = false;
    } else if (Exists(file)) {
        // A library that cannot be read ends the command with its error: nothing is written.
        UiHooks::TBusyCursor cursor;
        target = TSlideLib::CreateFromFile(file);
    } else {
        if (!dialogs.ConfirmOkCancel("File does not exist. Create?"))
            return;
        target = TSlideLib::CreateEmpty();
    }

    std::vector<size_t> copied;         // positions in selected
    std::vector<const TSlide*> arrived; // the target's slides that this command put there
    const auto givenBefore = [&](const std::string& name) {
        const TSlide* there = target->Slide(target->IndexOfName(name));
        return there && std::find(arrived.begin(), arrived.end(), there) != arrived.end();
    };
    for (size_t n = 0; n < selected.size(); ++n) {
        const int k = selected[n];
        TSlide* slide = lib->Slide(k);
        if (!slide || damaged[n])
            continue; // a damaged slide stays where it is
        const std::string own = slide->Name();
        std::string name =
            LibrarySlideName(libraryView ? own : Utf8ToCp1252(BaseName(sourceFiles[n])));
        // Two slides never end up under one name: the later one keeps its own.
        if (name.empty() || BorneByAnother(*lib, name, k) || givenBefore(name))
            name = own;
        if (givenBefore(name))
            continue; // a library written elsewhere with one name twice: the slide stays
        if (ask && target->IndexOfName(name) != -1) {
            const TLoopStep step =
                AskOverwrite(dialogs, "Slide: " + Cp1252ToUtf8(name) + " exists. Overwrite?", ask);
            if (step == TLoopStep::Skip)
                continue;
            if (step == TLoopStep::Stop)
                break;
        }
        try {
            const TNameScope rename(*slide, name);
            target->AddFrom(lib, k);
        } catch (const EReadError&) {
            throw EFileError("Cannot read the slide \"" + Cp1252ToUtf8(own) +
                             "\": Stream read error");
        }
        copied.push_back(n);
        arrived.push_back(target->Slide(target->IndexOfName(name)));
    }

    TEditRecorder record(model, mode == TAddMode::SaveAs ? "Save as Slide-Library"
                                : mode == TAddMode::Add  ? "Add to Slide-Library"
                                                         : "Move to Slide-Library");
    record.Before(file);
    {
        UiHooks::TBusyCursor cursor;
        target->SaveToFile(file);
    }
    target.reset();

    if (mode == TAddMode::Move) {
        // The slides are in the target now: only then do they leave their source.
        if (libraryView) {
            record.Before(lib->FileName());
            for (auto n = copied.rbegin(); n != copied.rend(); ++n)
                lib->Delete(selected[*n]);
            WriteBack(model);
        } else {
            UiHooks::TPendingMessagePump pump;
            for (const size_t n : copied) {
                EraseFile(dialogs, record, sourceFiles[n]);
                pump.Tick();
            }
        }
        model.ReloadSlideList();
    }
    if (SamePlace(FolderOf(file), model.Folder()))
        model.RefreshFileList();
}

void CreateNewSlideLib(TWindowModel& model) {
    TDialogs& dialogs = model.Dialogs();
    const std::optional<TFileChoice> choice =
        dialogs.SaveFileName(SaveDialog2("Create New Empty Slide-Library-File", model.Folder()));
    if (!choice)
        return;
    const std::string& file = choice->FileName;
    if (Exists(file) && !dialogs.ConfirmOkCancel(kFileExists))
        return;
    const TSlideLib* lib = model.CurrentList();
    const bool shown = model.LibraryView() && lib && SamePlace(file, lib->FileName());
    TEditRecorder record(model, "New Slide-Library");
    record.Before(file);
    TSlideLib::CreateEmpty()->SaveToFile(file);
    // The library shown was just emptied: show it as it is now.
    if (shown)
        model.ReloadSlideList();
    if (SamePlace(FolderOf(file), model.Folder()))
        model.RefreshFileList();
}

void SlideRename(TWindowModel& model) {
    TSlideLib* lib = model.CurrentList();
    if (!lib)
        return;
    TDialogs& dialogs = model.Dialogs();
    const int k = OneSelectedItem(model, TMessageKind::Error);
    if (k < 0)
        return;

    if (model.LibraryView()) {
        const std::string current = lib->SlideName(k);
        const std::string answer =
            dialogs.InputText("New slide name", "name", Cp1252ToUtf8(current));
        const std::string name = ToSlideName(RenamedSlideName(answer));
        if (StoredSlideName(name) == current)
            return; // cancelled, or the same name typed again: the file stays as it is
        if (!lib->Rename(k, name)) {
            dialogs.ShowError(kBadSlideName);
            return;
        }
        TEditRecorder record(model, "Rename Slide");
        record.Before(lib->FileName());
        WriteBack(model);
        const std::string caption = Cp1252ToUtf8(lib->SlideName(k));
        model.ReloadSlideList();
        model.ShowMadeSlide(caption);
        return;
    }

    const std::string path = SlideFilePaths(model, {k}).front();
    if (!Exists(path))
        return;
    const std::string folder = FolderOf(path);
    const std::string fileName = BaseName(path);
    const std::string answer = dialogs.InputText("New slide name", "name", fileName);
    const std::string newName = RenamedSlideFileName(answer);
    if (SameText(newName, fileName))
        return;
    if (answer.empty() || !IsPlainFileName(newName) || NameTaken(folder, newName)) {
        dialogs.ShowError(kBadSlideName);
        return;
    }
    const std::string newPath = JoinPath(folder, newName);
    TEditRecorder record(model, "Rename Slide");
    record.Before(path);
    record.Before(newPath);
    if (!RenameNoReplace(path, newPath)) {
        dialogs.ShowError("Cannot rename the slide to: " + newPath);
        return;
    }
    model.ReloadSlideList();
    model.ShowMadeSlide(FolderCaption(newName));
}

void MvSlideUpDnButtonClick(TWindowModel& model, TSlideMove direction) {
    TSlideLib* lib = model.CurrentList();
    if (!lib)
        return;
    if (!model.LibraryView()) {
        model.Dialogs().ShowError("This is not a slide-library!");
        return;
    }
    const int k = OneSelectedItem(model, TMessageKind::Warning);
    if (k < 0)
        return;
    // The slide changes places with its neighbour in the list shown; slides a filter hides
    // keep theirs.
    const int to = model.ShownNeighbour(k, direction == TSlideMove::Up ? -1 : 1);
    if (to < 0 || to >= lib->Count())
        return;
    TEditRecorder record(model, direction == TSlideMove::Up ? "Move Slide Up" : "Move Slide Down");
    record.Before(lib->FileName());
    lib->Exchange(k, to);
    WriteBack(model);
    model.ReloadSlideList();
    model.SelectItem(to);
    model.ActivateSelection();
}

void SaveSlidesToDir(TWindowModel& model) {
    TSlideLib* lib = model.CurrentList();
    if (!lib)
        return;
    TDialogs& dialogs = model.Dialogs();
    const std::vector<int> selected = model.Selection();
    if (selected.empty()) {
        dialogs.ShowError(kNoSelectedSlides);
        return;
    }
    if (selected.size() == 1) {
        SlideSave(model);
        return;
    }
    const std::optional<std::string> chosen = dialogs.ChooseFolder("Save Slides to Directory", "");
    if (!chosen || chosen->empty())
        return;
    const std::string& folder = *chosen;
    if (!Exists(folder)) {
        // A folder typed into the chooser: made once the user agrees.
        if (!dialogs.ConfirmOkCancel("Directory \"" + folder + "\" does not exist. Create?"))
            return;
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (ec)
            throw EFileError("Cannot create folder \"" + folder + "\". " + ec.message());
    }
    const bool libraryView = model.LibraryView();
    if (!libraryView && SamePlace(folder, model.Folder())) {
        dialogs.ShowError("Cannot copy to same directory!");
        return;
    }
    const std::vector<std::string> sourceFiles =
        libraryView ? std::vector<std::string>() : SlideFilePaths(model, selected);
    bool ask = true;
    UiHooks::TPendingMessagePump pump;
    TEditRecorder record(model, "Save to Directory");
    for (size_t n = 0; n < selected.size(); ++n) {
        const int k = selected[n];
        const std::string fileName =
            libraryView ? SlideFileName(lib->SlideName(k)) : BaseName(sourceFiles[n]);
        const std::string path = JoinPath(folder, fileName);
        if (ask && Exists(path)) {
            const TLoopStep step =
                AskOverwrite(dialogs, "File: " + fileName + " exists. Overwrite?", ask);
            if (step == TLoopStep::Skip)
                continue;
            if (step == TLoopStep::Stop)
                break;
        }
        record.Before(path);
        WriteSlideFile(*lib, k, path);
        pump.Tick();
    }
}
