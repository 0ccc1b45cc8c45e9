// Seekable byte streams: memory and file. Readers of slide data work on these, so a slide
// can live in its own file, in a memory copy, or at some offset inside a library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

enum class TSeekOrigin { Begin, Current, End };

class TStream {
public:
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;
    virtual ~TStream() = default;

    // Reads up to count bytes; returns how many were read (0 at the end).
    virtual size_t Read(void* buffer, size_t count) = 0;
    // Writes up to count bytes; returns how many were written.
    virtual size_t Write(const void* buffer, size_t count) = 0;
    // Moves the position and returns the new one. Positions past the end are allowed;
    // reading there returns nothing.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    virtual int64_t Size() = 0;

    // The stream's bytes when they all sit in memory (memory streams), else null. Readers use
    // it to walk slide records without a call per record.
    virtual const uint8_t* Memory() const { return nullptr; }
    // The file the stream reads or writes, named in its errors; empty for a stream in memory.
    virtual const std::string& FileName() const;

    int64_t Position() { return Seek(0, TSeekOrigin::Current); }
    void SetPosition(int64_t pos) { Seek(pos, TSeekOrigin::Begin); }

    // Reads exactly count bytes or throws EReadError.
    void ReadBuffer(void* buffer, size_t count);
    // Writes exactly count bytes or throws EWriteError; for a stream over a file the message
    // names the file and the system's reason ("Cannot write file "x". No space left on device").
    void WriteBuffer(const void* buffer, size_t count);
    // Copies count bytes from source at its position (count 0: from source's start to its
    // end, as a whole-stream copy). Returns the number of bytes copied.
    int64_t CopyFrom(TStream& source, int64_t count);
};

// A growable in-memory stream.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<uint8_t> bytes) : m_data(std::move(bytes)) {}

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override { return static_cast<int64_t>(m_data.size()); }
    const uint8_t* Memory() const override { return m_data.data(); }

    // Replaces the contents with the whole file; throws EFileError naming the file.
    void LoadFromFile(const std::string& path);
    // Replaces the contents with the rest of source from its current position.
    void LoadFromStream(TStream& source);
    void SetSize(int64_t size);
    void Clear();

    const std::vector<uint8_t>& Bytes() const { return m_data; }
    std::vector<uint8_t>& Bytes() { return m_data; }

private:
    std::vector<uint8_t> m_data;
    int64_t m_position = 0;
};

enum class TFileMode { OpenRead, Create, OpenReadWrite };

// A stream over an open file. Opening failures throw EFileError naming the file. The end of
// the file reads as a short read (EReadError in ReadBuffer); a read or seek that the system
// refuses (an input/output error) throws EFileError naming the file and the reason.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& path, TFileMode mode);
    ~TFileStream() override;

    size_t Read(void* buffer, size_t count) override;
    size_t Write(const void* buffer, size_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() override;

    const std::string& FileName() const override { return m_path; }
    // Flushes to the file system and reports any pending write error (EWriteError).
    void Flush();
    // Flushes and closes; errors while closing throw EWriteError. Called by the destructor
    // too, which swallows the error.
    void Close();

private:
    std::string m_path;
    std::FILE* m_file = nullptr;
};

// Remembers a stream's position and seeks back to it when the scope ends, on every path.
class TStreamPositionGuard {
public:
    explicit TStreamPositionGuard(TStream& stream) : m_stream(stream), m_pos(stream.Position()) {}
    ~TStreamPositionGuard() { m_stream.SetPosition(m_pos); }
    TStreamPositionGuard(const TStreamPositionGuard&) = delete;
    TStreamPositionGuard& operator=(const TStreamPositionGuard&) = delete;

    int64_t Start() const { return m_pos; }

private:
    TStream& m_stream;
    int64_t m_pos;
};
