#include "base/Trash.h"

#include "base/FileUtil.h"
#include "base/Paths.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// A name in the trash is tried with these many numbers before the trash is given up.
constexpr int kMaxNameTries = 10000;

bool IsOwnFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

// The folder exists (made with mode 0700 when missing), is a real folder and is ours.
bool EnsureOwnFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    return IsOwnFolder(path);
}

// Makes every missing folder of path (mode 0700), like mkdir -p.
bool EnsureFolders(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const std::string parent = FolderOf(path);
    if (parent != path && !EnsureFolders(parent))
        return false;
    return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

// The trash's files/ and info/ folders exist.
bool EnsureTrashParts(const std::string& trash) {
    return EnsureOwnFolder(trash + "/files") && EnsureOwnFolder(trash + "/info");
}

// The path as it stands in a .trashinfo file: every byte but unreserved ones and '/' as %XX.
std::string EncodePath(const std::string& path) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out;
    for (const char c : path) {
        const auto u = static_cast<unsigned char>(c);
        const bool plain = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') ||
                           (u >= '0' && u <= '9') || u == '-' || u == '_' || u == '.' || u == '~' ||
                           u == '/';
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += hex[u >> 4];
            out += hex[u & 15];
        }
    }
    return out;
}

std::string LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

bool WriteAll(int fd, const std::string& text) {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The name tried at attempt n: the file's own name first, then "stem.n.ext".
std::string TrashName(const std::string& base, int n) {
    if (n == 1)
        return base;
    const auto dot = base.find_last_of('.');
    if (dot == std::string::npos || dot == 0)
        return base + "." + std::to_string(n);
    return base.substr(0, dot) + "." + std::to_string(n) + base.substr(dot);
}

// The .trashinfo file of a file in a trash's files/ folder.
std::string InfoFileOf(const std::string& trashed) {
    return FolderOf(FolderOf(trashed)) + "/info/" + BaseName(trashed) + ".trashinfo";
}

// Moves the file at absolute path into trash; infoPath is the path its .trashinfo records.
// Returns the file's path in the trash, or empty when it could not be moved there.
std::string MoveInto(const std::string& trash, const std::string& path,
                     const std::string& infoPath) {
    if (!EnsureTrashParts(trash))
        return {};
    const std::string base = BaseName(path);
    const std::string contents =
        "[Trash Info]\nPath=" + EncodePath(infoPath) + "\nDeletionDate=" + LocalTimeNow() + "\n";
    for (int n = 1; n <= kMaxNameTries; ++n) {
        const std::string name = TrashName(base, n);
        const std::string info = trash + "/info/" + name + ".trashinfo";
        const std::string target = trash + "/files/" + name;
        // The info file is made first and exclusively: it reserves the name.
        const int fd = ::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return {};
        }
        struct stat st {};
        if (::lstat(target.c_str(), &st) == 0) {
            // A file without its info: leave it alone and take another name.
            ::close(fd);
            ::unlink(info.c_str());
            continue;
        }
        const bool written = WriteAll(fd, contents);
        const bool closed = ::close(fd) == 0;
        if (!written || !closed || ::rename(path.c_str(), target.c_str()) != 0) {
            ::unlink(info.c_str());
            return {};
        }
        return target;
    }
    return {};
}

// The absolute path of path with its folder's symbolic links resolved (the file itself is kept
// as it is: a link is trashed as a link).
std::string AbsolutePath(const std::string& path) {
    char resolved[PATH_MAX];
    const std::string folder = FolderOf(path);
    if (!::realpath(folder.c_str(), resolved))
        return {};
    return JoinPath(resolved, BaseName(path));
}

// The top folder of the file system that holds folder (its mount point).
std::string TopFolder(const std::string& folder, dev_t device) {
    std::string top = folder;
    while (top != "/") {
        const std::string parent = FolderOf(top);
        struct stat st {};
        if (::stat(parent.c_str(), &st) != 0 || st.st_dev != device)
            break;
        top = parent;
    }
    return top;
}

// The top-directory trashes of topdir that may be used, best first.
std::vector<std::string> TopDirTrashes(const std::string& topdir) {
    std::vector<std::string> trashes;
    const std::string uid = std::to_string(::getuid());
    const std::string shared = JoinPath(topdir, ".Trash");
    struct stat st {};
    // A shared trash counts only as a real folder with the sticky bit, never through a link.
    if (::lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) &&
        EnsureOwnFolder(shared + "/" + uid))
        trashes.push_back(shared + "/" + uid);
    const std::string own = JoinPath(topdir, ".Trash-" + uid);
    if (EnsureOwnFolder(own))
        trashes.push_back(own);
    return trashes;
}

} // namespace

std::string HomeTrashFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return JoinPath(dataHome, "Trash");
    const char* home = std::getenv("HOME");
    return JoinPath(home && home[0] ? home : "/", ".local/share/Trash");
}

bool MoveToTrash(const std::string& path, TTrashScope scope, std::string* trashedAs) {
    std::string trashed;
    if (!trashedAs)
        trashedAs = &trashed;
    trashedAs->clear();
    struct stat file {};
    if (::lstat(path.c_str(), &file) != 0)
        return false;
    const std::string absolute = AbsolutePath(path);
    if (!absolute.empty()) {
        const std::string home = HomeTrashFolder();
        struct stat homeStat {};
        // The home trash may be a link to a folder elsewhere; it must be ours.
        const bool homeReady = EnsureFolders(home) && ::stat(home.c_str(), &homeStat) == 0 &&
                               S_ISDIR(homeStat.st_mode) && homeStat.st_uid == ::getuid();
        if (homeReady && homeStat.st_dev == file.st_dev) {
            *trashedAs = MoveInto(home, absolute, absolute);
            if (!trashedAs->empty())
                return true;
        } else if (scope == TTrashScope::HomeAndTopDirs) {
            // Another file system: its own trash, so the file is renamed, not copied.
            const std::string topdir = TopFolder(FolderOf(absolute), file.st_dev);
            const std::string relative =
                topdir == "/" ? absolute.substr(1) : absolute.substr(topdir.size() + 1);
            for (const std::string& trash : TopDirTrashes(topdir)) {
                *trashedAs = MoveInto(trash, absolute, relative);
                if (!trashedAs->empty())
                    return true;
            }
        }
    }
    return false;
}

TTrashOutcome TrashFile(const std::string& path, TTrashScope scope, std::string* trashedAs) {
    struct stat file {};
    if (::lstat(path.c_str(), &file) != 0)
        return TTrashOutcome::Failed;
    if (MoveToTrash(path, scope, trashedAs))
        return TTrashOutcome::Trashed;
    if (::unlink(path.c_str()) == 0)
        return TTrashOutcome::Deleted;
    return TTrashOutcome::Failed;
}

bool RestoreFromTrash(const std::string& trashedAs, const std::string& path) {
    if (!RenameNoReplace(trashedAs, path))
        return false;
    ::unlink(InfoFileOf(trashedAs).c_str());
    return true;
}
