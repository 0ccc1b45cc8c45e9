#include "base/SharedBytes.h"

#include "base/Errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class TVectorBytes : public TSharedBytes {
public:
    explicit TVectorBytes(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    const uint8_t* Data() const override { return m_bytes.data(); }
    int64_t Size() const override { return static_cast<int64_t>(m_bytes.size()); }

private:
    std::vector<uint8_t> m_bytes;
};

// A file mapped read-only. The mapping is private: a program that rewrites the file through a
// new file and a rename (as this one does) leaves the mapped bytes as they were.
class TMappedBytes : public TSharedBytes {
public:
    TMappedBytes(void* address, int64_t size) : m_address(address), m_size(size) {}
    ~TMappedBytes() override { ::munmap(m_address, static_cast<size_t>(m_size)); }
    const uint8_t* Data() const override { return static_cast<const uint8_t*>(m_address); }
    int64_t Size() const override { return m_size; }

private:
    void* m_address;
    int64_t m_size;
};

} // namespace

TBytesPtr MakeSharedBytes(std::vector<uint8_t> bytes) {
    return std::make_shared<TVectorBytes>(std::move(bytes));
}

TBytesPtr ReadSharedFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= kMapFilesFrom) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0) {
            const int64_t size = st.st_size;
            void* address =
                ::mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_PRIVATE, fd, 0);
            ::close(fd);
            if (address != MAP_FAILED)
                return std::make_shared<TMappedBytes>(address, size);
        }
        // Mapping failed: read it as any other file.
    }
    TMemoryStream m;
    m.LoadFromFile(path);
    return MakeSharedBytes(std::move(m.Bytes()));
}

size_t TMemoryViewStream::Read(void* buffer, size_t count) {
    if (m_position >= m_size || count == 0)
        return 0;
    const size_t n =
        static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(count), m_size - m_position));
    std::memcpy(buffer, m_data + m_position, n);
    m_position += static_cast<int64_t>(n);
    return n;
}

int64_t TMemoryViewStream::Seek(int64_t offset, TSeekOrigin origin) {
    int64_t base = 0;
    if (origin == TSeekOrigin::Current)
        base = m_position;
    else if (origin == TSeekOrigin::End)
        base = m_size;
    const int64_t pos = base + offset;
    if (pos < 0)
        throw EReadError();
    m_position = pos;
    return m_position;
}
