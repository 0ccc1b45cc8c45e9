// Bytes that several readers share without copying: a slide library read into memory, a slide's
// own copy. Nothing writes them once made, so readers on several
// threads may read them at once, each through its own TMemoryViewStream; whoever holds the
// shared pointer keeps them alive.
#pragma once

#include "base/Streams.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TSharedBytes {
public:
    TSharedBytes() = default;
    TSharedBytes(const TSharedBytes&) = delete;
    TSharedBytes& operator=(const TSharedBytes&) = delete;
    virtual ~TSharedBytes() = default;

    virtual const uint8_t* Data() const = 0;
    virtual int64_t Size() const = 0;
};

using TBytesPtr = std::shared_ptr<const TSharedBytes>;

// Takes over a buffer.
TBytesPtr MakeSharedBytes(std::vector<uint8_t> bytes);
// The whole file, read into memory. Files are never mapped: another program may truncate a file
// while it is shown, and touching a mapped page beyond the new end ends the process (SIGBUS).
// Read bytes stay as they were whatever happens to the file. Throws EFileError naming the file
// when it cannot be read.
TBytesPtr ReadSharedFile(const std::string& path);

// A read-only stream over bytes that someone else owns, with a position of its own.
class TMemoryViewStream : public TStream {
public:
    TMemoryViewStream(const uint8_t* data, int64_t size) : m_data(data), m_size(size) {}
    explicit TMemoryViewStream(const TSharedBytes& bytes)
        : TMemoryViewStream(bytes.Data(), bytes.Size()) {}

    size_t Read(void* buffer, size_t count) override;
    // Refuses every write: the bytes are shared.
    size_t Write(const void*, size_t) override { return 0; }
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return m_size; }
    const uint8_t* Memory() const override { return m_data; }

private:
    const uint8_t* m_data;
    int64_t m_size;
    int64_t m_position = 0;
};
