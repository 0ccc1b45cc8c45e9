#include "base/SharedBytes.h"

#include "base/Errors.h"
#include "base/FileUtil.h"

#include <algorithm>
#include <cstring>

namespace {

class TVectorBytes : public TSharedBytes {
public:
    explicit TVectorBytes(std::vector<uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    const uint8_t* Data() const override { return m_bytes.data(); }
    int64_t Size() const override { return static_cast<int64_t>(m_bytes.size()); }

private:
    std::vector<uint8_t> m_bytes;
};

} // namespace

TBytesPtr MakeSharedBytes(std::vector<uint8_t> bytes) {
    return std::make_shared<TVectorBytes>(std::move(bytes));
}

TBytesPtr ReadSharedFile(const std::string& path) {
    return MakeSharedBytes(ReadWholeFile(path));
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
