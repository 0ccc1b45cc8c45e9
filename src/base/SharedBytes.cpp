#include "base/SharedBytes.h"

#include "base/Errors.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>

namespace {

class TVectorBytes : public TSharedBytes {
public:
    explicit TVectorBytes(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    const uint8_t* Data() const override { return m_bytes.data(); }
    int64_t Size() const override { return static_cast<int64_t>(m_bytes.size()); }

private:
    std::vector<uint8_t> m_bytes;
};

// A file's bytes in a buffer of their own, read in without being cleared first. A large file's
// buffer is aligned to huge pages and advised to use them: reading in a 40 MB library then
// takes a few dozen page faults instead of ten thousand, which cost more than the reading.
class TFileBytes : public TSharedBytes {
public:
    explicit TFileBytes(size_t capacity) {
        constexpr size_t kHugePage = size_t{2} << 20;
        // Below this the rounding up to whole huge pages would waste more than a fifth.
        constexpr size_t kHugeFrom = 4 * kHugePage;
        if (capacity >= kHugeFrom) {
            const size_t rounded = (capacity + kHugePage - 1) / kHugePage * kHugePage;
            m_data = static_cast<uint8_t*>(std::aligned_alloc(kHugePage, rounded));
            if (m_data)
                ::madvise(m_data, rounded, MADV_HUGEPAGE); // only advice: failing is harmless
        } else {
            m_data = static_cast<uint8_t*>(std::malloc(std::max<size_t>(capacity, 1)));
        }
        if (!m_data)
            throw std::bad_alloc();
    }
    TFileBytes(const TFileBytes&) = delete;
    TFileBytes& operator=(const TFileBytes&) = delete;
    ~TFileBytes() override { std::free(m_data); }

    const uint8_t* Data() const override { return m_data; }
    int64_t Size() const override { return m_size; }
    uint8_t* Room() { return m_data; }
    void SetSize(int64_t size) { m_size = size; }

private:
    uint8_t* m_data = nullptr;
    int64_t m_size = 0;
};

} // namespace

TBytesPtr MakeSharedBytes(std::vector<uint8_t> bytes) {
    return std::make_shared<TVectorBytes>(std::move(bytes));
}

TBytesPtr ReadSharedFile(const std::string& path) {
    TFileStream file(path, TFileMode::OpenRead);
    // The size when opened bounds the read; another program may cut the file short meanwhile,
    // and then the bytes that were there are the file.
    const auto size = static_cast<size_t>(std::max<int64_t>(file.Size(), 0));
    auto bytes = std::make_shared<TFileBytes>(size);
    size_t got = 0;
    while (got < size) {
        const size_t n = file.Read(bytes->Room() + got, size - got);
        if (n == 0)
            break;
        got += n;
    }
    bytes->SetSize(static_cast<int64_t>(got));
    return bytes;
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
