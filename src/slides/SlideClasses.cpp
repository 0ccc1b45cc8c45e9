#include "slides/SlideClasses.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Paths.h"
#include "slides/SlideLibs.h"
#include "slides/Slides.h"

#include <algorithm>
#include <climits>
#include <new>
#include <stdexcept>

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

} // namespace

// ---- TSlide ----

std::unique_ptr<TSlide> TSlide::CreateFromStream(const std::string& name, TStream& source) {
    std::unique_ptr<TSlide> slide(new TSlide);
    slide->SetName(name);
    auto copy = std::make_unique<TMemoryStream>();
    {
        TStreamPositionGuard guard(source);
        source.SetPosition(0);
        copy->LoadFromStream(source);
    }
    slide->m_size = copy->Size();
    slide->m_start = 0;
    slide->m_stream = copy.get();
    slide->m_ownedStream = std::move(copy);
    slide->m_ownsStream = true;
    slide->ReadHeader();
    return slide;
}

std::unique_ptr<TSlide> TSlide::CreateInStream(const std::string& name, int64_t position,
                                               TStream& stream, int64_t end) {
    std::unique_ptr<TSlide> slide(new TSlide);
    slide->SetName(name);
    slide->m_start = position;
    slide->m_size = -1;
    slide->m_stream = &stream;
    if (end != -1) {
        slide->m_ownedStream = std::make_unique<TBoundedStream>(stream, end);
        slide->m_stream = slide->m_ownedStream.get();
    }
    slide->m_ownsStream = false;
    slide->ReadHeader();
    return slide;
}

std::unique_ptr<TSlide> TSlide::CreateCopy(TSlide& other) {
    std::unique_ptr<TSlide> slide(new TSlide);
    const int64_t size = other.Size();
    auto copy = std::make_unique<TMemoryStream>();
    {
        TStreamPositionGuard guard(other.Stream());
        other.Stream().SetPosition(other.m_start);
        if (size > 0) // CopyFrom takes 0 as "the whole stream"
            copy->CopyFrom(other.Stream(), size);
    }
    copy->SetPosition(0);
    slide->m_name = other.m_name;
    slide->m_size = size;
    slide->m_start = 0;
    slide->m_stream = copy.get();
    slide->m_ownedStream = std::move(copy);
    slide->m_ownsStream = true;
    slide->ReadHeader();
    return slide;
}

TSlide::~TSlide() = default;

void TSlide::SetName(const std::string& name) {
    m_name = CutName(name);
}

void TSlide::ReadHeader() {
    TStreamPositionGuard guard(*m_stream);
    m_stream->SetPosition(m_start);
    TSlideHeader header;
    ReadSlideHeader(*m_stream, header);
    m_highX = header.HighX;
    m_highY = header.HighY;
}

int64_t TSlide::Size() {
    if (m_size == -1) {
        TStreamPositionGuard guard(*m_stream);
        m_stream->SetPosition(m_start);
        m_size = MeasureSlide(*m_stream);
    }
    return m_size;
}

void TSlide::SaveToStream(TStream& target) {
    const int64_t size = Size();
    TStreamPositionGuard guard(*m_stream);
    m_stream->SetPosition(m_start);
    if (size > 0) // CopyFrom takes 0 as "the whole stream"
        target.CopyFrom(*m_stream, size);
}

void TSlide::Draw(TCanvas& canvas, const TRect& rect) {
    TStreamPositionGuard guard(*m_stream);
    m_stream->SetPosition(m_start);
    // The length is kept only from a drawing that reached the end-of-slide record: one that
    // stopped at a damaged record read less than the slide, and a library saved with that
    // length would cut the slide short.
    bool complete = false;
    const int64_t length = DrawSlide(*m_stream, canvas, rect, &complete);
    if (complete)
        m_size = length;
}

void TSlide::DrawOn(TColor background, TCanvas& canvas, const TRect& rect) {
    canvas.SetBrushColor(background);
    canvas.SetBrushStyle(TBrushStyle::Solid);
    canvas.FillRect({rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1});
    Draw(canvas, rect);
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
    TMemoryStream file;
    file.LoadFromFile(fileName);
    return CreateFromBytes(fileName, std::move(file.Bytes()));
}

std::unique_ptr<TSlideLib> TSlideLib::CreateFromBytes(const std::string& fileName,
                                                      std::vector<uint8_t> bytes) {
    std::unique_ptr<TSlideLib> lib(new TSlideLib);
    lib->SetCapacity(1);
    lib->m_fileName = fileName;
    lib->m_data = std::make_unique<TMemoryStream>(std::move(bytes));
    TMemoryStream& stream = *lib->m_data;
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
        if (!lib->SetCount(lib->m_count + 1))
            break; // out of memory: keep the slides read so far
        try {
            lib->m_slides[static_cast<size_t>(lib->m_count - 1)] =
                TSlide::CreateInStream(block.Name, block.Offset, stream, end);
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
        TFileStream file(path, TFileMode::OpenRead);
        if (!lib->SetCount(lib->m_count + 1))
            break; // out of memory: keep the slides read so far
        try {
            // The file name is UTF-8 on disk; the slide keeps it as Windows-1252.
            lib->m_slides[static_cast<size_t>(lib->m_count - 1)] =
                TSlide::CreateFromStream(Utf8ToCp1252(name), file);
        } catch (const EReadError&) {
            throw EFileError("Cannot read slide \"" + path + "\": Stream read error");
        }
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

void TSlideLib::Draw(int index, TCanvas& canvas, const TRect& rect) const {
    if (TSlide* s = Slide(index))
        s->Draw(canvas, rect);
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
    if (!s || newName.empty())
        return false;
    const int other = IndexOfName(CutName(newName));
    if (other != -1 && other != index)
        return false;
    s->SetName(newName);
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
        return;
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
    if (capacity > INT_MAX)
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
