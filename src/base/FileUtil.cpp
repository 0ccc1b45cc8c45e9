#include "base/FileUtil.h"

#include "base/Errors.h"
#include "base/Paths.h"
#include "base/Streams.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// A stream over a file descriptor; used for the temporary file of an atomic save, whose errors
// name the file it is going to replace.
class TFdStream : public TStream {
public:
    TFdStream(int fd, std::string fileName) : m_fd(fd), m_fileName(std::move(fileName)) {}
    const std::string& FileName() const override { return m_fileName; }
    size_t Read(void* buffer, size_t count) override {
        const ssize_t n = ::read(m_fd, buffer, count);
        return n < 0 ? 0 : static_cast<size_t>(n);
    }
    size_t Write(const void* buffer, size_t count) override {
        size_t done = 0;
        const auto* p = static_cast<const char*>(buffer);
        while (done < count) {
            const ssize_t n = ::write(m_fd, p + done, count - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            done += static_cast<size_t>(n);
        }
        return done;
    }
    int64_t Seek(int64_t offset, TSeekOrigin origin) override {
        const int whence = origin == TSeekOrigin::Begin     ? SEEK_SET
                           : origin == TSeekOrigin::Current ? SEEK_CUR
                                                            : SEEK_END;
        const off_t pos = ::lseek(m_fd, static_cast<off_t>(offset), whence);
        if (pos < 0)
            throw EReadError();
        return pos;
    }
    int64_t Size() override {
        struct stat st {};
        return ::fstat(m_fd, &st) == 0 ? st.st_size : 0;
    }

private:
    int m_fd;
    std::string m_fileName;
};

// The end of the character that starts at text: a UTF-8 sequence counts as one character.
const char* NextChar(const char* text, const char* tend) {
    ++text;
    while (text < tend && (static_cast<unsigned char>(*text) & 0xC0) == 0x80)
        ++text;
    return text;
}

bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

// '*' matches any run of characters, '?' one character; letters ignore case. After a mismatch
// only the last '*' takes one more character, so a typed pattern full of stars costs at most
// pattern length times text length, never an exponential search.
bool WildMatch(const char* pattern, const char* pend, const char* text, const char* tend) {
    const char* star = nullptr;   // the pattern after the last '*'
    const char* resume = nullptr; // where the text goes on when that star takes one more
    while (text < tend) {
        if (pattern < pend && *pattern == '*') {
            star = ++pattern;
            resume = text;
        } else if (pattern < pend && *pattern == '?') {
            ++pattern;
            text = NextChar(text, tend);
        } else if (pattern < pend && SameLetter(*pattern, *text)) {
            ++pattern;
            ++text;
        } else if (star) {
            pattern = star;
            resume = NextChar(resume, tend);
            text = resume;
        } else {
            return false;
        }
    }
    while (pattern < pend && *pattern == '*')
        ++pattern;
    return pattern == pend;
}

} // namespace

void SaveFileAtomically(const std::string& path, const std::function<void(TStream&)>& write,
                        TDurability durability) {
    std::string temp = FolderOf(path) + "/.varnel-save-XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw EFileError("Cannot create file \"" + path + "\". " + std::strerror(errno));
    // Keep the permissions of the file being replaced; a new file gets the usual 0666 & ~umask.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        // The process's umask can only be read by setting it: do that once, not while other
        // threads may be creating files.
        static const mode_t mask = [] {
            const mode_t m = ::umask(0);
            ::umask(m);
            return m;
        }();
        ::fchmod(fd, 0666 & ~mask);
    }
    try {
        TFdStream stream(fd, path);
        write(stream);
        if (durability == TDurability::Synced && ::fsync(fd) != 0)
            throw EWriteError("Cannot write file \"" + path + "\". " + std::strerror(errno));
        // The descriptor is gone after close(), whatever it returned: never close it twice.
        const int closed = ::close(fd);
        fd = -1;
        if (closed != 0)
            throw EWriteError("Cannot write file \"" + path + "\". " + std::strerror(errno));
    } catch (...) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.c_str());
        throw;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        throw EFileError("Cannot replace file \"" + path + "\". " + std::strerror(err));
    }
}

bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that flag: a hard link cannot replace either.
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return true;
    }
    // Nor hard links: the name was found free just before.
    struct stat st {};
    if ((errno == EPERM || errno == EOPNOTSUPP) && ::lstat(to.c_str(), &st) != 0)
        return ::rename(from.c_str(), to.c_str()) == 0;
    return false;
}

void SyncFileSystemOf(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 || ::syncfs(fd) != 0) {
        const int err = errno;
        if (fd >= 0)
            ::close(fd);
        throw EWriteError("Cannot write the files in \"" + folder + "\". " + std::strerror(err));
    }
    ::close(fd);
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    TFileStream file(path, TFileMode::OpenRead);
    // The size when opened bounds the read; another program may cut the file short meanwhile,
    // and then the bytes that were there are the file.
    std::vector<uint8_t> bytes(static_cast<size_t>(std::max<int64_t>(file.Size(), 0)));
    size_t got = 0;
    while (got < bytes.size()) {
        const size_t n = file.Read(bytes.data() + got, bytes.size() - got);
        if (n == 0)
            break;
        got += n;
    }
    bytes.resize(got);
    return bytes;
}

bool MatchesMask(const std::string& name, const std::string& mask) {
    size_t start = 0;
    while (start <= mask.size()) {
        size_t end = mask.find(';', start);
        if (end == std::string::npos)
            end = mask.size();
        if (end > start && WildMatch(mask.data() + start, mask.data() + end, name.data(),
                                     name.data() + name.size()))
            return true;
        start = end + 1;
    }
    return false;
}

bool MatchesFilter(const std::string& name, const std::string& filter) {
    if (filter.empty())
        return true;
    const auto same = [](char a, char b) { return SameLetter(a, b); };
    if (std::search(name.begin(), name.end(), filter.begin(), filter.end(), same) != name.end())
        return true;
    return filter.find_first_of("*?") != std::string::npos &&
           WildMatch(filter.data(), filter.data() + filter.size(), name.data(),
                     name.data() + name.size());
}

std::vector<std::string> ListFolder(const std::string& folder, const std::string& mask) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        throw EFileError("Cannot read folder \"" + folder + "\". " + std::strerror(errno));
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name == "." || name == ".." || !MatchesMask(name, mask))
            continue;
        // The entry's type saves a stat() of every file; links and file systems that do not
        // tell are asked.
        if (e->d_type != DT_REG) {
            struct stat st {};
            if (e->d_type != DT_LNK && e->d_type != DT_UNKNOWN)
                continue;
            if (::stat((folder + "/" + name).c_str(), &st) != 0 || !S_ISREG(st.st_mode))
                continue;
        }
        names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), LessText);
    return names;
}

std::vector<TFileStamp> StampFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return {{path, static_cast<int64_t>(st.st_size),
             static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
             static_cast<uint64_t>(st.st_ino)}};
}

std::vector<TFileStamp> StampFolder(const std::string& folder, const std::string& mask) {
    std::vector<TFileStamp> stamps;
    for (const std::string& name : ListFolder(folder, mask)) {
        std::vector<TFileStamp> one = StampFile(folder + "/" + name);
        // Gone since the listing: it counts as not there.
        if (!one.empty()) {
            one[0].Name = name;
            stamps.push_back(std::move(one[0]));
        }
    }
    return stamps;
}
