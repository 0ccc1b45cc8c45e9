#include "base/FileUtil.h"

#include "base/Errors.h"
#include "base/Paths.h"
#include "base/Streams.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

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

// The characters of a name as the filter compares them: one unit per UTF-8 character, with its
// letter case folded, and one per byte that is not part of valid UTF-8 (a unit above every code
// point, so such a byte matches the same byte only).
using TUnits = std::vector<char32_t>;
constexpr char32_t kRawByte = 0x110000;

// The letter that c stands for without regard to case (its small letter, mostly), for ASCII,
// Latin-1, Latin Extended-A, Greek and Cyrillic; any other character is itself. Fixed tables,
// so the result never depends on the process's locale.
char32_t FoldCase(char32_t c) {
    // The letters whose folded form follows no rule of their block.
    static constexpr std::pair<char32_t, char32_t> kSingles[] = {
        {0xB5, 0x3BC},  {0x130, 'i'},   {0x178, 0xFF},   {0x17F, 's'},   {0x37F, 0x3F3},
        {0x386, 0x3AC}, {0x38C, 0x3CC}, {0x3C2, 0x3C3},  {0x3CF, 0x3D7}, {0x3D0, 0x3B2},
        {0x3D1, 0x3B8}, {0x3D5, 0x3C6}, {0x3D6, 0x3C0},  {0x3F0, 0x3BA}, {0x3F1, 0x3C1},
        {0x3F4, 0x3B8}, {0x3F5, 0x3B5}, {0x3F7, 0x3F8},  {0x3F9, 0x3F2}, {0x3FA, 0x3FB},
        {0x4C0, 0x4CF}, {0x1E9E, 0xDF}, {0x2126, 0x3C9}, {0x212A, 'k'},  {0x212B, 0xE5},
    };
    const auto single =
        std::lower_bound(std::begin(kSingles), std::end(kSingles), c,
                         [](const auto& entry, char32_t x) { return entry.first < x; });
    if (single != std::end(kSingles) && single->first == c)
        return single->second;
    const auto in = [c](char32_t first, char32_t last) { return c >= first && c <= last; };
    // Blocks of capital and small letter side by side: the capital at the even place, or at the
    // odd one.
    const bool evenCapital = in(0x100, 0x12F) || in(0x132, 0x137) || in(0x14A, 0x177) ||
                             in(0x370, 0x373) || in(0x376, 0x377) || in(0x3D8, 0x3EF) ||
                             in(0x460, 0x481) || in(0x48A, 0x4BF) || in(0x4D0, 0x52F);
    const bool oddCapital = in(0x139, 0x148) || in(0x179, 0x17E) || in(0x4C1, 0x4CE);
    if ((evenCapital && c % 2 == 0) || (oddCapital && c % 2 == 1))
        return c + 1;
    // Blocks of capitals at a fixed distance from their small letters.
    if (in('A', 'Z') || (in(0xC0, 0xDE) && c != 0xD7) || (in(0x391, 0x3AB) && c != 0x3A2) ||
        in(0x410, 0x42F))
        return c + 0x20;
    if (in(0x388, 0x38A))
        return c + 0x25;
    if (in(0x38E, 0x38F))
        return c + 0x3F;
    if (in(0x400, 0x40F))
        return c + 0x50;
    if (in(0x3FD, 0x3FF))
        return c - 0x82;
    return c;
}

// The units of text (length bytes): valid UTF-8 decoded and folded, every other byte on its own.
// Overlong forms, surrogates and values above U+10FFFF are not valid.
TUnits MatchUnits(const char* text, size_t length) {
    TUnits units;
    units.reserve(length);
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    size_t i = 0;
    while (i < length) {
        const unsigned char b = s[i];
        size_t count = 0;
        char32_t c = 0;
        char32_t least = 0;
        if (b < 0x80) {
            count = 1;
            c = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            count = 2;
            c = b & 0x1F;
            least = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            count = 3;
            c = b & 0x0F;
            least = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            count = 4;
            c = b & 0x07;
            least = 0x10000;
        }
        bool valid = count > 0 && length - i >= count;
        for (size_t k = 1; valid && k < count; ++k) {
            valid = (s[i + k] & 0xC0) == 0x80;
            c = (c << 6) | (s[i + k] & 0x3F);
        }
        valid = valid && c >= least && c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
        if (valid) {
            units.push_back(FoldCase(c));
            i += count;
        } else {
            units.push_back(kRawByte + b);
            ++i;
        }
    }
    return units;
}

TUnits MatchUnits(const std::string& text) {
    return MatchUnits(text.data(), text.size());
}

// '*' matches any run of characters, '?' one character. After a mismatch only the last '*'
// takes one more character, so a typed pattern full of stars costs at most pattern length
// times text length steps, never an exponential search.
bool WildMatch(const TUnits& pattern, const TUnits& text) {
    size_t p = 0;
    size_t t = 0;
    size_t star = std::string::npos; // the pattern after the last '*'
    size_t resume = 0;               // where the text goes on when that star takes one more
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = ++p;
            resume = t;
        } else if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (star != std::string::npos) {
            p = star;
            t = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

// True when text contains part, in time linear in their lengths (Knuth-Morris-Pratt).
bool Contains(const TUnits& text, const TUnits& part) {
    if (part.empty())
        return true;
    // border[k]: the length of the longest proper border of part's first k + 1 units.
    std::vector<size_t> border(part.size(), 0);
    for (size_t k = 1, b = 0; k < part.size(); ++k) {
        while (b > 0 && part[k] != part[b])
            b = border[b - 1];
        if (part[k] == part[b])
            ++b;
        border[k] = b;
    }
    for (size_t t = 0, m = 0; t < text.size(); ++t) {
        while (m > 0 && text[t] != part[m])
            m = border[m - 1];
        if (text[t] == part[m] && ++m == part.size())
            return true;
    }
    return false;
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
    const TUnits text = MatchUnits(name);
    size_t start = 0;
    while (start <= mask.size()) {
        size_t end = mask.find(';', start);
        if (end == std::string::npos)
            end = mask.size();
        if (end > start && WildMatch(MatchUnits(mask.data() + start, end - start), text))
            return true;
        start = end + 1;
    }
    return false;
}

bool MatchesFilter(const std::string& name, const std::string& filter) {
    if (filter.empty())
        return true;
    const TUnits text = MatchUnits(name);
    const TUnits part = MatchUnits(filter);
    return Contains(text, part) ||
           (filter.find_first_of("*?") != std::string::npos && WildMatch(part, text));
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
