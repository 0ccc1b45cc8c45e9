#include "model/OpenPaths.h"

#include "base/CodePage.h"
#include "base/Paths.h"
#include "model/WindowModel.h"
#include "slides/FileKinds.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

std::string Absolute(const std::string& path) {
    std::error_code ec;
    fs::path p = fs::absolute(path, ec);
    if (ec)
        p = path;
    std::string s = p.lexically_normal().string();
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

TOpenKind OpenKindOf(TFileKind kind) {
    switch (kind) {
    case TFileKind::Slide:
        return TOpenKind::Slides;
    case TFileKind::Library:
        return TOpenKind::Library;
    case TFileKind::Pattern:
        return TOpenKind::Pattern;
    default:
        return TOpenKind::Unknown;
    }
}

// The kind of a file's name extension as a phrase, for the message about a misnamed file.
const char* KindPhrase(TFileKind kind) {
    return kind == TFileKind::Library ? "a slide library, which the window shows only as *.slb"
                                      : "a slide, which the window shows only as *.sld";
}

// The index of name in names: spelled the same, else the only one equal ignoring case; -1.
int FindName(const std::vector<std::string>& names, const std::string& name) {
    int found = -1;
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name)
            return static_cast<int>(i);
        if (SameText(names[i], name))
            found = found == -1 ? static_cast<int>(i) : -2;
    }
    return found >= 0 ? found : -1;
}

} // namespace

TOpenTarget OpenTargetOf(const std::vector<std::string>& paths) {
    TOpenTarget target;
    if (paths.empty())
        return target;
    target.Path = paths.front();
    const std::string first = Absolute(paths.front());
    std::error_code ec;
    const fs::file_status status = fs::status(first, ec);
    if (ec || !fs::exists(status)) {
        target.Kind = TOpenKind::Missing;
        return target;
    }
    if (fs::is_directory(status)) {
        target.Kind = TOpenKind::Folder;
        target.Folder = first;
        return target;
    }
    // The window's lists show files by their extension: a file known only by its first bytes
    // cannot be shown there, and the message says so.
    const TFileKind kind = FileKindOf(first);
    if (kind != FileKindOfName(first)) {
        target.Kind = TOpenKind::Unknown;
        // A slide or a library under another name can be shown once renamed; a drawing not.
        if (kind == TFileKind::Slide || kind == TFileKind::Library)
            target.Content = kind;
        return target;
    }
    target.Kind = OpenKindOf(kind);
    if (target.Kind == TOpenKind::Unknown)
        return target;
    target.Folder = FolderOf(first);
    target.Names.push_back(BaseName(first));
    if (target.Kind != TOpenKind::Slides)
        return target;
    // A selection of slides in a file manager arrives as several paths.
    for (size_t i = 1; i < paths.size(); ++i) {
        const std::string other = Absolute(paths[i]);
        if (FileKindOfName(other) == TFileKind::Slide && FolderOf(other) == target.Folder &&
            fs::is_regular_file(other, ec))
            target.Names.push_back(BaseName(other));
    }
    return target;
}

std::string OpenProblem(const TOpenTarget& target) {
    switch (target.Kind) {
    case TOpenKind::Missing:
        return "Cannot find \"" + target.Path + "\".";
    case TOpenKind::Unknown:
        if (target.Content != TFileKind::Other)
            return "Cannot open \"" + target.Path + "\": it holds " + KindPhrase(target.Content) +
                   "; give it that extension.";
        return "Cannot open \"" + target.Path +
               "\": Varnel opens folders, slide files (*.sld), slide libraries (*.slb) and "
               "pattern files (*.pat).";
    default:
        return {};
    }
}

bool ShowOpenTarget(TWindowModel& model, const TOpenTarget& target) {
    if (target.Kind == TOpenKind::Nothing)
        return false;
    if (target.Kind == TOpenKind::Missing || target.Kind == TOpenKind::Unknown) {
        model.Dialogs().ShowError(OpenProblem(target));
        return false;
    }
    // A folder shown already is read again: the user asks to see it as it is now.
    if (!model.TreeFolderChanged(target.Folder)) {
        if (target.Kind == TOpenKind::Folder || target.Kind == TOpenKind::Slides)
            model.ShowFolderSlides();
        else
            model.RefreshFileList();
    }

    switch (target.Kind) {
    case TOpenKind::Folder:
        return true;
    case TOpenKind::Library:
    case TOpenKind::Pattern: {
        const int index = FindName(model.Sources(), target.Names.front());
        return index >= 0 && model.ChooseSource(index) != TSourceKind::None;
    }
    case TOpenKind::Slides: {
        // The list shows slide names as the slides keep them (Windows-1252), so a file name
        // is compared in that spelling.
        std::vector<int> items;
        for (const std::string& name : target.Names) {
            const int item = FindName(model.Items(), Cp1252ToUtf8(Utf8ToCp1252(name)));
            if (item >= 0)
                items.push_back(item);
        }
        if (items.empty())
            return false;
        // The slides asked for are shown, whatever the filter field holds.
        if (std::any_of(items.begin(), items.end(), [&](int i) { return !model.IsShown(i); }))
            model.SetFilter({});
        model.SetSelection(items);
        model.ActivateSelection();
        return items.size() == target.Names.size();
    }
    default:
        return false;
    }
}
