#include "slides/SlideClasses.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Paths.h"
#include "slides/SlideLibs.h"
#include "slides/SlideNames.h"
#include "slides/Slides.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kMaxNameLength = 32;

// Case folding of Windows-1252 letters: ASCII, Latin-1 and the few letters in 0x80..0x9F.
unsigned char FoldCase(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A:
        return 0x9A; // S caron
    case 0x8C:
        return 0x9C; // OE
    case 0x8E:
        return 0x9E; // Z caron
    case 0x9F:
        return 0xFF; // Y diaeresis
    default:
        return c;
    }
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldCase(static_cast<unsigned char>(a[i])) !=
            FoldCase(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string CutName(const std::string& name) {
    return name.substr(0, kMaxNameLength);
}

// Storage beyond this many slots fails as exhausted memory does (tests lower it).
std::atomic<int> g_capacityLimit{INT_MAX};

// The error of a list that cannot hold one more slide: nothing is kept, written or deleted.
[[noreturn]] void ThrowCannotHold(const std::string& what) {
    throw EVarnelError("Not enough memory to hold " + what);
}

} // namespace

// ---- TSlide ----

TSlideData::TView TSlideData::Open() const {
    if (Bytes)
        return TView(Bytes, Start, End);
    return TView(ReadSharedFile(Path), 0);
}

std::unique_ptr<TSlide> TSlide::CreateFromStream(const std::string& name, TStream& source) {
    std::unique_ptr<TSlide> slide(new TSlide);
    slide->SetName(name);
    TMemoryStream copy;
    {
        TStreamPositionGuard guard(source);
        source.SetPosition(0);
        copy.LoadFromStream(source);
    }
    slide->m_size = copy.Size();
    slide->m_source.Bytes = MakeSharedBytes(std::move(copy.Bytes()));
    slide->ReadHeader();
    return slide;
}

std::unique_ptr<TSlide> TSlide::CreateInBytes(const std::string& name, int64_t position,
                                              TBytesPtr bytes, int64_t end) {
    std::unique_ptr<TSlide> slide(new TSlide);
    slide->SetName(name);
    slide->m_source.Bytes = std::move(bytes);
    slide->m_source.Start = position;
    slide->m_source.End = end;
    slide->ReadHeader();
    return slide;
}

std::unique_ptr<TSlide> TSlide::CreateFromFile(const std::string& name, const std::string& path) {
    std::unique_ptr<TSlide> slide(new TSlide);
    slide->SetName(name);
    slide->m_source.Path = path;
    // One open, one stat and one read of the header's bytes: a folder of thousands of slides
    // opens at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw EFileError("Cannot open file \"" + path + "\". " + std::strerror(errno));
    struct stat st {};
    uint8_t head[34];
    const bool plain = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const ssize_t got = plain ? ::pread(fd, head, sizeof head, 0) : -1;
    const int error = errno;
    ::close(fd);
    if (!plain)
        throw EFileError("Cannot open file \"" + path + "\". It is not a plain file.");
    if (got < 0)
        throw EFileError("Cannot read file \"" + path + "\". " + std::strerror(error));
    slide->m_size = st.st_size;
    slide->m_listedSize = st.st_size;
    TMemoryViewStream file(head, got);
    TSlideHeader header;
    ReadSlideHeader(file, header);
    slide->m_highX = header.HighX;
    slide->m_highY = header.HighY;
    return slide;
}

std::unique_ptr<TSlide> TSlide::CreateCopy(const TSlide& other) {
    std::unique_ptr<TSlide> slide(new TSlide);
    const int64_t size = other.Size();
    TMemoryStream copy;
    if (size > 0) { // CopyFrom takes 0 as "the whole stream"
        TSlideData::TView view = other.Open();
        copy.CopyFrom(view.Stream(), size);
    }
    slide->m_name = other.m_name;
    slide->m_size = size;
    slide->m_source.Bytes = MakeSharedBytes(std::move(copy.Bytes()));
    slide->m_highX = other.m_highX;
    slide->m_highY = other.m_highY;
    return slide;
}

TSlide::~TSlide() = default;

void TSlide::SetName(const std::string& name) {
    m_name = CutName(name);
}

void TSlide::ReadHeader() {
    TSlideData::TView view = Open();
    TSlideHeader header;
    ReadSlideHeader(view.Stream(), header);
    m_highX = header.HighX;
    m_highY = header.HighY;
}

int64_t TSlide::Size() const {
    int64_t size = m_size.load(std::memory_order_relaxed);
    if (size == -1) {
        TSlideData::TView view = Open();
        size = MeasureSlide(view.Stream());
        m_size.store(size, std::memory_order_relaxed);
    }
    return size;
}

bool TSlide::IsComplete() const {
    TSlideData::TView view = Open();
    try {
        MeasureSlide(view.Stream());
        return true;
    } catch (const EReadError&) {
        return false;
    }
}

void TSlide::SaveToStream(TStream& target) const {
    if (!m_source.Bytes) {
        // A slide of a folder is its file as it is now. Another program may have replaced or cut
        // it since it was listed: then the length known from the listing is not the file's.
        TSlideData::TView view = Open();
        const int64_t now = view.Stream().Size();
        const int64_t size = now == m_listedSize ? Size() : now;
        if (size > 0)
            target.CopyFrom(view.Stream(), size);
        return;
    }
    const int64_t size = Size();
    if (size <= 0) // CopyFrom takes 0 as "the whole stream"
        return;
    TSlideData::TView view = Open();
    target.CopyFrom(view.Stream(), size);
}

TSlideDrawing TSlide::Draw(TCanvas& canvas, const TRect& rect, const TRenderState& state) const {
    TSlideData::TView view = Open();
    // The length is kept only from a drawing that reached the end-of-slide record: one that
    // stopped at a damaged record read less than the slide, and a library saved with that
    // length would cut the slide short.
    const TSlideDrawing drawing = DrawSlide(view.Stream(), canvas, rect, state);
    if (!drawing.Invalid)
        m_size.store(drawing.Length, std::memory_order_relaxed);
    return drawing;
}

TSlideDrawing TSlide::DrawOn(TCanvas& canvas, const TRect& rect, const TRenderState& state) const {
    canvas.SetBrushColor(state.Background());
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.FillRect({rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1});
    return Draw(canvas, rect, state);
}

// ---- TSlideLib ----

const std::string TSlideLib::kNewLibraryHeader =
    std::string("AutoCAD Slide Library 1.0\r\n\x1a") + std::string(4, '\0');

std::unique_ptr<TSlideLib> TSlideLib::CreateEmpty() {
    std::unique_ptr<TSlideLib> lib(new TSlideLib);
    lib->SetCapacity(1);
    lib->m_header = kNewLibraryHeader;
    return lib;
}

std::unique_ptr<TSlideLib> TSlideLib::CreateFromFile(const std::string& fileName) {
    return CreateFromBytes(fileName, ReadSharedFile(fileName));
}

std::unique_ptr<TSlideLib> TSlideLib::CreateFromBytes(const std::string& fileName,
                                                      std::vector<uint8_t> bytes) {
    return CreateFromBytes(fileName, MakeSharedBytes(std::move(bytes)));
}

std::unique_ptr<TSlideLib> TSlideLib::CreateFromBytes(const std::string& fileName,
                                                      TBytesPtr bytes) {
    std::unique_ptr<TSlideLib> lib(new TSlideLib);
    lib->SetCapacity(1);
    lib->m_fileName = fileName;
    lib->m_data = std::move(bytes);
    TMemoryViewStream stream(*lib->m_data);
    const int64_t size = stream.Size();
    const auto prefix = [&] { return "Cannot read slide library \"" + fileName + "\": "; };
    // Every failure is the stream's read error; the message adds the file and where it failed.
    auto fail = [&](const std::string& why) {
        throw EFileError(prefix() + why + " (Stream read error)");
    };
    const auto where = [](const SlideBlock& block) {
        return "slide \"" + Cp1252ToUtf8(block.Name) + "\" at offset " +
               std::to_string(block.Offset);
    };
    if (size < kLibHeaderSize)
        fail("the file is shorter than a library header");
    lib->m_header = ReadLibHeader(stream);
    // The directory ends at the first entry with an empty name; the end entry's offset is not
    // used (libraries written elsewhere often hold 0 there).
    std::vector<SlideBlock> blocks;
    for (;;) {
        if (stream.Position() + kSlideBlockSize > size)
            fail("the directory runs past the end of the file");
        SlideBlock block = ReadSlideBlock(stream);
        if (block.Name.empty())
            break;
        if (block.Offset < 0 || block.Offset >= size)
            fail(where(block) + " lies outside the file");
        blocks.push_back(std::move(block));
    }

    // Each slide ends at the latest where the next one (by offset) begins.
    std::vector<int32_t> starts;
    starts.reserve(blocks.size());
    for (const SlideBlock& block : blocks)
        starts.push_back(block.Offset);
    std::sort(starts.begin(), starts.end());
    const auto shared = std::adjacent_find(starts.begin(), starts.end());
    if (shared != starts.end()) {
        std::vector<const SlideBlock*> sharing;
        for (const SlideBlock& block : blocks)
            if (block.Offset == *shared)
                sharing.push_back(&block);
        throw EFileError(prefix() + "the slides \"" + Cp1252ToUtf8(sharing[0]->Name) + "\" and \"" +
                         Cp1252ToUtf8(sharing[1]->Name) + "\" both start at offset " +
                         std::to_string(*shared) + "; a library holds each slide once");
    }
    for (const SlideBlock& block : blocks) {
        const auto next = std::upper_bound(starts.begin(), starts.end(), block.Offset);
        const int64_t end = next == starts.end() ? size : *next;
        // A library that cannot be held whole is not opened: a truncated one written back
        // would lose the slides that did not fit.
        if (!lib->SetCount(lib->m_count + 1))
            ThrowCannotHold("the " + std::to_string(blocks.size()) + " slides of \"" + fileName +
                            "\"");
        try {
            lib->m_slides[static_cast<size_t>(lib->m_count - 1)] =
                TSlide::CreateInBytes(block.Name, block.Offset, lib->m_data, end);
        } catch (const EReadError&) {
            fail(where(block) + " has no complete slide header");
        }
    }
    return lib;
}

std::unique_ptr<TSlideLib> TSlideLib::CreateFromDirectory(const std::string& folder,
                                                          const std::string& mask) {
    std::unique_ptr<TSlideLib> lib(new TSlideLib);
    lib->SetCapacity(1);
    lib->m_directory = folder;
    lib->m_header = "Dir Created Slide-Lib";
    for (const std::string& name : ListFolder(folder, mask)) {
        const std::string path = JoinPath(folder, name);
        // The file name is UTF-8 on disk; the slide keeps it as Windows-1252.
        std::unique_ptr<TSlide> slide;
        try {
            slide = TSlide::CreateFromFile(Utf8ToCp1252(name), path);
        } catch (const EReadError&) {
            throw EFileError("Cannot read slide \"" + path + "\": Stream read error");
        }
        if (!lib->SetCount(lib->m_count + 1))
            ThrowCannotHold("the slides of \"" + folder + "\"");
        lib->m_slides[static_cast<size_t>(lib->m_count - 1)] = std::move(slide);
    }
    return lib;
}

TSlideLib::~TSlideLib() {
    // Slides refer into m_data: free them first.
    m_slides.clear();
    m_data.reset();
}

TSlide* TSlideLib::Slide(int index) const {
    if (index < 0 || index >= m_count)
        return nullptr;
    return m_slides[static_cast<size_t>(index)].get();
}

int64_t TSlideLib::SlideSize(int index) const {
    TSlide* s = Slide(index);
    return s ? s->Size() : 0;
}

int TSlideLib::SlideHighX(int index) const {
    TSlide* s = Slide(index);
    return s ? s->HighX() : 0;
}

int TSlideLib::SlideHighY(int index) const {
    TSlide* s = Slide(index);
    return s ? s->HighY() : 0;
}

std::string TSlideLib::SlideName(int index) const {
    TSlide* s = Slide(index);
    return s ? s->Name() : std::string();
}

int64_t TSlideLib::DataSize() const {
    return m_data ? m_data->Size() : 0;
}

TSlideDrawing TSlideLib::Draw(int index, TCanvas& canvas, const TRect& rect,
                              const TRenderState& state) const {
    if (TSlide* s = Slide(index))
        return s->Draw(canvas, rect, state);
    return {};
}

void TSlideLib::SaveSlideToStream(int index, TStream& stream) const {
    if (TSlide* s = Slide(index))
        s->SaveToStream(stream);
}

int TSlideLib::IndexOfName(const std::string& name) const {
    for (int i = 0; i < m_count; ++i)
        if (SameName(m_slides[static_cast<size_t>(i)]->Name(), name))
            return i;
    return -1;
}

bool TSlideLib::Rename(int index, const std::string& newName) {
    TSlide* s = Slide(index);
    const std::string name = StoredSlideName(newName);
    if (!s || name.empty())
        return false;
    const int other = IndexOfName(name);
    if (other != -1 && other != index)
        return false;
    s->SetName(name);
    return true;
}

void TSlideLib::AddCopy(TSlide* slide) {
    if (!slide)
        return;
    std::unique_ptr<TSlide> copy = TSlide::CreateCopy(*slide);
    const int existing = IndexOfName(slide->Name());
    if (existing != -1) {
        m_slides[static_cast<size_t>(existing)] = std::move(copy);
        return;
    }
    if (!SetCount(m_count + 1))
        ThrowCannotHold("one more slide (\"" + Cp1252ToUtf8(slide->Name()) + "\")");
    m_slides[static_cast<size_t>(m_count - 1)] = std::move(copy);
}

void TSlideLib::AddFrom(const TSlideLib* source, int index) {
    if (!source || source == this)
        return;
    AddCopy(source->Slide(index));
}

void TSlideLib::Delete(int index) {
    if (index < 0 || index >= m_count)
        return;
    auto first = m_slides.begin() + index;
    first->reset();
    std::rotate(first, first + 1, m_slides.begin() + m_count);
    SetCount(m_count - 1);
}

void TSlideLib::DeleteByName(const std::string& name) {
    const int i = IndexOfName(CutName(name));
    if (i != -1)
        Delete(i);
}

void TSlideLib::Exchange(int i, int j) {
    if (i < 0 || j < 0 || i >= m_count || j >= m_count)
        return;
    std::swap(m_slides[static_cast<size_t>(i)], m_slides[static_cast<size_t>(j)]);
}

void TSlideLib::SetCapacity(int n) {
    if (n == m_capacity)
        return;
    int64_t capacity;
    if (n > m_capacity) {
        if (n <= int64_t{2} * m_capacity)
            capacity = int64_t{2} * m_capacity;
        else
            capacity = n % 2 == 0 ? int64_t{n} + 2 : int64_t{n} + 3;
    } else {
        capacity = std::max({n, m_count, 1});
    }
    if (capacity > INT_MAX || (n > m_capacity && capacity > g_capacityLimit.load()))
        return; // cannot be held: like exhausted memory, nothing changes
    try {
        m_slides.resize(static_cast<size_t>(capacity));
    } catch (const std::bad_alloc&) {
        return; // storage and capacity stay as they were
    } catch (const std::length_error&) {
        return;
    }
    m_capacity = static_cast<int>(capacity);
}

void TSlideLib::LimitCapacityForTesting(int slots) {
    g_capacityLimit = slots > 0 ? slots : INT_MAX;
}

bool TSlideLib::SetCount(int n) {
    if (n == m_count)
        return true;
    if (n < 0)
        return false;
    if (n > m_capacity) {
        SetCapacity(n);
        if (m_capacity < n)
            return false;
    }
    // Slots from n on are emptied; callers have freed (or moved out) their slides.
    for (int i = n; i < m_count; ++i)
        m_slides[static_cast<size_t>(i)].reset();
    m_count = n;
    if (n <= m_capacity / 2)
        SetCapacity(m_capacity / 2);
    return true;
}

void TSlideLib::SaveToStream(TStream& stream) {
    WriteLibHeader(stream, m_header);
    int64_t offset = kLibHeaderSize + int64_t{kSlideBlockSize} * (m_count + 1);
    for (int i = 0; i < m_count; ++i) {
        TSlide& slide = *m_slides[static_cast<size_t>(i)];
        int64_t size = 0;
        try {
            size = slide.Size();
        } catch (const EReadError&) {
            // A slide that cannot be measured cannot be written: say which one.
            throw EFileError("Cannot read slide \"" + Cp1252ToUtf8(slide.Name()) + "\"" +
                             (m_fileName.empty() ? "" : " of \"" + m_fileName + "\"") +
                             ": Stream read error");
        }
        // Offsets are signed 32-bit in the directory.
        if (offset + size > INT32_MAX)
            throw EWriteError("The slide library would be larger than 2 GB");
        stream.SetPosition(offset);
        slide.SaveToStream(stream);
        WriteSlideBlockAt(stream, i, {slide.Name(), static_cast<int32_t>(offset)});
        offset += size;
    }
    WriteSlideBlockAt(stream, m_count, {"", static_cast<int32_t>(offset)});
}

void TSlideLib::SaveToFile(const std::string& fileName) {
    SaveFileAtomically(fileName, [this](TStream& stream) { SaveToStream(stream); });
}
