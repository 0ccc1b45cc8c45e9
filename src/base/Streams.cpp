#include "base/Streams.h"

#include "base/Errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

void TStream::ReadBuffer(void* buffer, size_t count) {
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError();
}

const std::string& TStream::FileName() const {
    static const std::string none;
    return none;
}

void TStream::WriteBuffer(const void* buffer, size_t count) {
    if (count == 0)
        return;
    errno = 0;
    if (Write(buffer, count) == count)
        return;
    const int error = errno;
    if (FileName().empty())
        throw EWriteError();
    // A write that stored part of the bytes and then nothing may leave no reason behind.
    throw EWriteError("Cannot write file \"" + FileName() + "\". " +
                      (error != 0 ? std::strerror(error) : "Stream write error"));
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    if (const uint8_t* mem = source.Memory()) {
        const int64_t pos = source.Position();
        if (pos < 0 || count < 0 || pos > source.Size() || count > source.Size() - pos)
            throw EReadError();
        WriteBuffer(mem + pos, static_cast<size_t>(count));
        source.SetPosition(pos + count);
        return count;
    }
    std::vector<uint8_t> chunk(static_cast<size_t>(std::min<int64_t>(count, 1 << 20)));
    int64_t left = count;
    while (left > 0) {
        const size_t n = static_cast<size_t>(std::min<int64_t>(left, std::ssize(chunk)));
        source.ReadBuffer(chunk.data(), n);
        WriteBuffer(chunk.data(), n);
        left -= static_cast<int64_t>(n);
    }
    return count;
}

size_t TMemoryStream::Read(void* buffer, size_t count) {
    const int64_t size = Size();
    if (m_position >= size || count == 0)
        return 0;
    const size_t n =
        static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(count), size - m_position));
    std::memcpy(buffer, m_data.data() + m_position, n);
    m_position += static_cast<int64_t>(n);
    return n;
}

size_t TMemoryStream::Write(const void* buffer, size_t count) {
    if (count == 0)
        return 0;
    const size_t end = static_cast<size_t>(m_position) + count;
    if (end > m_data.size())
        m_data.resize(end);
    std::memcpy(m_data.data() + m_position, buffer, count);
    m_position = static_cast<int64_t>(end);
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    int64_t base = 0;
    if (origin == TSeekOrigin::Current)
        base = m_position;
    else if (origin == TSeekOrigin::End)
        base = Size();
    const int64_t pos = base + offset;
    if (pos < 0)
        throw EReadError();
    m_position = pos;
    return m_position;
}

void TMemoryStream::LoadFromFile(const std::string& path) {
    TFileStream file(path, TFileMode::OpenRead);
    file.SetPosition(0);
    LoadFromStream(file);
}

void TMemoryStream::LoadFromStream(TStream& source) {
    const int64_t pos = source.Position();
    const int64_t size = source.Size();
    const int64_t count = size > pos ? size - pos : 0;
    std::vector<uint8_t> bytes(static_cast<size_t>(count));
    source.ReadBuffer(bytes.data(), bytes.size());
    m_data = std::move(bytes);
    m_position = 0;
}

void TMemoryStream::SetSize(int64_t size) {
    m_data.resize(static_cast<size_t>(std::max<int64_t>(size, 0)));
    m_position = std::min(m_position, Size());
}

void TMemoryStream::Clear() {
    m_data.clear();
    m_data.shrink_to_fit();
    m_position = 0;
}

TFileStream::TFileStream(const std::string& path, TFileMode mode) : m_path(path) {
    const char* how = mode == TFileMode::OpenRead ? "rb" : mode == TFileMode::Create ? "wb" : "r+b";
    m_file = std::fopen(path.c_str(), how);
    if (!m_file) {
        const char* what = mode == TFileMode::Create ? "Cannot create file" : "Cannot open file";
        throw EFileError(std::string(what) + " \"" + path + "\". " + std::strerror(errno));
    }
    // A folder or a device opens like a file here, but has no size to read; refuse it.
    struct stat st {};
    if (mode == TFileMode::OpenRead &&
        (::fstat(::fileno(m_file), &st) != 0 || !S_ISREG(st.st_mode))) {
        std::fclose(m_file);
        m_file = nullptr;
        throw EFileError("Cannot open file \"" + path + "\". It is not a plain file.");
    }
}

TFileStream::~TFileStream() {
    try {
        Close();
    } catch (const EVarnelError&) {
        // The destructor cannot report; callers that care call Close() themselves.
    }
}

size_t TFileStream::Read(void* buffer, size_t count) {
    if (!m_file)
        return 0;
    const size_t n = std::fread(buffer, 1, count, m_file);
    // The end of the file is a short read; an error of the system is the file's.
    if (n < count && std::ferror(m_file)) {
        const int error = errno;
        std::clearerr(m_file);
        throw EFileError("Cannot read file \"" + m_path + "\". " + std::strerror(error));
    }
    return n;
}

size_t TFileStream::Write(const void* buffer, size_t count) {
    return m_file ? std::fwrite(buffer, 1, count, m_file) : 0;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    if (!m_file)
        throw EReadError();
    const int whence = origin == TSeekOrigin::Begin     ? SEEK_SET
                       : origin == TSeekOrigin::Current ? SEEK_CUR
                                                        : SEEK_END;
    // A position before the start fails as in memory; a seek the system refuses is the file's.
    if ((origin == TSeekOrigin::Begin && offset < 0) ||
        (origin == TSeekOrigin::Current && offset < 0 && ftello(m_file) + offset < 0))
        throw EReadError();
    if (!(origin == TSeekOrigin::Current && offset == 0) &&
        fseeko(m_file, static_cast<off_t>(offset), whence) != 0)
        throw EFileError("Cannot read file \"" + m_path + "\". " + std::strerror(errno));
    const int64_t pos = static_cast<int64_t>(ftello(m_file));
    if (pos < 0)
        throw EFileError("Cannot read file \"" + m_path + "\". " + std::strerror(errno));
    return pos;
}

int64_t TFileStream::Size() {
    const int64_t pos = Position();
    const int64_t size = Seek(0, TSeekOrigin::End);
    SetPosition(pos);
    return size;
}

void TFileStream::Flush() {
    if (m_file && std::fflush(m_file) != 0)
        throw EWriteError("Cannot write file \"" + m_path + "\". " + std::strerror(errno));
}

void TFileStream::Close() {
    if (!m_file)
        return;
    std::FILE* f = m_file;
    m_file = nullptr;
    const bool failed = std::ferror(f) != 0;
    if (std::fclose(f) != 0 || failed)
        throw EWriteError("Cannot write file \"" + m_path + "\"");
}
