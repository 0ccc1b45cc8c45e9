// TSlide: one slide in memory (name, where its bytes are, extents, length); TSlideLib: the
// one container of slides (a library file, a new library, or the *.sld files of a folder).
// Slides are never parsed into records: every drawing walks the bytes again.
//
// Names are kept as 8-bit Windows-1252 bytes, as they stand in library files; names that come
// from the file system (UTF-8) are converted when a folder is read, and converted back where
// they meet the screen or a file name.
#pragma once

#include "base/SharedBytes.h"
#include "base/Streams.h"
#include "graphics/AcadPal.h"
#include "graphics/Canvas.h"
#include "slides/Slides.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Where a slide's bytes are, apart from the TSlide: the shared bytes it lies in (a library's, or
// its own copy) or, for a slide of a folder, its file. Copies are cheap and stay valid when the
// slide or its library is freed or changed, so drawings on other threads take one of these.
struct TSlideData {
    TBytesPtr Bytes;   // null for a slide of a folder
    int64_t Start = 0; // position of the slide's first byte in Bytes
    int64_t End = -1;  // where the slide's bytes end at the latest; -1: where Bytes end
    std::string Path;  // the file of a slide of a folder

    class TView;
    // The slide's bytes for one reader: a view of the shared bytes, or the file read now (throws
    // EFileError naming it when it cannot be read).
    TView Open() const;
};

class TSlideData::TView {
public:
    // A stream over bytes up to end (all of them for -1), at start.
    TView(TBytesPtr bytes, int64_t start, int64_t end = -1)
        : m_bytes(std::move(bytes)), m_stream(m_bytes->Data(), Limit(*m_bytes, end)),
          m_start(start) {
        m_stream.SetPosition(start);
    }
    TView(TView&& other) noexcept
        : m_bytes(std::move(other.m_bytes)), m_stream(m_bytes->Data(), other.m_stream.Size()),
          m_start(other.m_start) {
        m_stream.SetPosition(m_start);
    }
    TView(const TView&) = delete;
    TView& operator=(const TView&) = delete;
    TView& operator=(TView&&) = delete;

    // A stream of its own, at the slide's first byte when handed out.
    TStream& Stream() { return m_stream; }
    int64_t Start() const { return m_start; }

private:
    static int64_t Limit(const TSharedBytes& bytes, int64_t end) {
        return end < 0 || end > bytes.Size() ? bytes.Size() : end;
    }

    TBytesPtr m_bytes;
    TMemoryViewStream m_stream;
    int64_t m_start;
};

class TSlide {
public:
    // A copy of the whole source (first byte to end) that the slide owns; Size is the size of the
    // copy. The source position is restored.
    static std::unique_ptr<TSlide> CreateFromStream(const std::string& name, TStream& source);
    // A library entry: lies at position in the library's shared bytes; Size unknown (-1). end,
    // when not -1, is where the slide's bytes end at the latest (the next slide's start): reading
    // beyond it fails like reading beyond the bytes' end.
    static std::unique_ptr<TSlide> CreateInBytes(const std::string& name, int64_t position,
                                                 TBytesPtr bytes, int64_t end = -1);
    // A slide of a folder: only its header is read now; its bytes are read from the file each
    // time they are needed (drawn, measured, saved, copied), so a folder of many slides does not
    // sit in memory. Size is the file's size.
    static std::unique_ptr<TSlide> CreateFromFile(const std::string& name, const std::string& path);
    // A copy of another slide's bytes (measured first when its size is unknown).
    static std::unique_ptr<TSlide> CreateCopy(const TSlide& other);
    ~TSlide();

    const std::string& Name() const { return m_name; }
    // Cut to its first 32 characters.
    void SetName(const std::string& name);
    int HighX() const { return m_highX; }
    int HighY() const { return m_highY; }
    // Position of the slide's first byte in its bytes (a library entry's offset).
    int64_t Start() const { return m_source.Start; }
    // The file of a slide of a folder; empty for the others.
    const std::string& FilePath() const { return m_source.Path; }
    const TSlideData& Data() const { return m_source; }
    TSlideData::TView Open() const { return m_source.Open(); }
    // -1 until measured (library entries) or drawn.
    int64_t KnownSize() const { return m_size.load(std::memory_order_relaxed); }

    // The byte length, measured (and cached) on first use.
    int64_t Size() const;
    // Whether the slide's records run to its end-of-slide record, measured afresh from its bytes
    // (a slide of a folder reads its file now; EFileError naming it when it cannot). A slide that
    // breaks off early or holds a record head that cannot be read is damaged: copied into a
    // library as the bytes it has, it would run on into the slide after it.
    bool IsComplete() const;
    // Writes the slide's bytes at the target's position; a complete *.sld file. A slide of a
    // folder writes its file as it is now (read afresh; EFileError naming it when it is gone).
    void SaveToStream(TStream& target) const;
    // Draws into rect (Right and Bottom inclusive) without a background in the colours of
    // state; stores the length when the drawing reached the end-of-slide record (a damaged
    // slide keeps its old size). A record that cannot be drawn is reported in the result.
    TSlideDrawing Draw(TCanvas& canvas, const TRect& rect, const TRenderState& state) const;
    // Fills rect with the state's background (solid brush), then Draw.
    TSlideDrawing DrawOn(TCanvas& canvas, const TRect& rect, const TRenderState& state) const;

private:
    TSlide() = default;
    void ReadHeader();

    TSlideData m_source;
    // Measuring caches the length; slides are drawn on several threads at once.
    mutable std::atomic<int64_t> m_size{-1};
    int64_t m_listedSize = -1; // a slide of a folder: its file's size when it was listed
    int m_highX = 0;
    int m_highY = 0;
    std::string m_name;
};

class TSlideLib {
public:
    // The header text of a new library: "AutoCAD Slide Library 1.0\r\n\x1a" and four NULs.
    static const std::string kNewLibraryHeader;

    static std::unique_ptr<TSlideLib> CreateEmpty();
    // Reads the whole file into memory (maps it read-only when it is large), then the header and
    // directory; each slide's header is read at once, its length only when first needed. A file
    // that is short, a directory that runs off the end, or an offset with no slide header behind it
    // throws EFileError naming the file (and the slide) and ending in "(Stream read error)";
    // nothing is kept.
    //
    // Each slide's bytes end at the latest where the next slide of the file (by offset) starts,
    // so a slide without its end-of-slide record reads as damaged instead of running on into the
    // next one, and all the slides together hold no more bytes than the file. Two entries with
    // the same offset are refused with EFileError naming both: no library holds a slide twice,
    // and such aliases would let a small file cost as much work and output as a huge one.
    // A library too large to hold whole throws EVarnelError rather than keeping part of it.
    static std::unique_ptr<TSlideLib> CreateFromFile(const std::string& fileName);
    // The same for a library file's bytes already in memory; fileName names it in messages and
    // becomes FileName().
    static std::unique_ptr<TSlideLib> CreateFromBytes(const std::string& fileName, TBytesPtr bytes);
    static std::unique_ptr<TSlideLib> CreateFromBytes(const std::string& fileName,
                                                      std::vector<uint8_t> bytes);
    // One slide per file of folder matching mask (case-insensitive), in name order, named by its
    // file name (extension kept) converted from UTF-8 to Windows-1252. Only the headers are read
    // now (TSlide::CreateFromFile). A file whose header cannot be read throws EFileError naming
    // it; a list that cannot grow throws EVarnelError.
    static std::unique_ptr<TSlideLib> CreateFromDirectory(const std::string& folder,
                                                          const std::string& mask);
    ~TSlideLib();

    int Count() const { return m_count; }
    int Capacity() const { return m_capacity; }
    const std::string& FileName() const { return m_fileName; }
    const std::string& Directory() const { return m_directory; }
    const std::string& Header() const { return m_header; }
    void SetHeader(const std::string& header) { m_header = header; }
    // The slide at index, or null when out of range.
    TSlide* Slide(int index) const;

    // Per-slide queries and operations; an index out of range does nothing and returns 0,
    // an empty name or false.
    int64_t SlideSize(int index) const;
    int SlideHighX(int index) const;
    int SlideHighY(int index) const;
    std::string SlideName(int index) const;
    int64_t DataSize() const;
    // TSlide::Draw of the slide at index; nothing drawn for an index out of range.
    TSlideDrawing Draw(int index, TCanvas& canvas, const TRect& rect,
                       const TRenderState& state) const;
    void SaveSlideToStream(int index, TStream& stream) const;

    // The first slide whose name equals name ignoring case, or -1.
    int IndexOfName(const std::string& name) const;
    // The name is taken as the directory entry will store it (StoredSlideName: cut to 31,
    // a..z upper-cased), so the check sees what the file will hold. False, and nothing changed,
    // for an index out of range, a name that is empty or that another slide has (ignoring
    // case); otherwise the slide takes that name.
    bool Rename(int index, const std::string& newName);
    // Adds a copy of slide (nothing for null): it replaces a slide of the same name (ignoring
    // case) at its place, or goes last. Measuring the slide may throw EReadError, a list that
    // cannot grow throws EVarnelError; then nothing changes.
    void AddCopy(TSlide* slide);
    // AddCopy of source's slide index; nothing when source is null, this, or index is out of
    // range.
    void AddFrom(const TSlideLib* source, int index);
    void Delete(int index);
    // Deletes the first slide of that name (ignoring case), if any.
    void DeleteByName(const std::string& name);
    void Exchange(int i, int j);
    // Storage: growing doubles (or n + 2 / n + 3 when n is beyond twice), shrinking never goes
    // below the count; when the storage cannot be had nothing changes (and SetCount says so).
    void SetCapacity(int n);
    // Tests: storage of more than slots slots fails as exhausted memory does, in every list of
    // the process; 0 lifts the limit.
    static void LimitCapacityForTesting(int slots);
    // Slides beyond n are freed; the storage halves when n is at most half of it. False when
    // the storage cannot grow to n.
    bool SetCount(int n);

    // Header, directory and slides, at absolute positions of stream (which starts empty). A
    // slide that cannot be measured throws EFileError naming it; a library beyond the 2 GB that
    // 32-bit offsets reach throws EWriteError.
    void SaveToStream(TStream& stream);
    // Writes beside the file and renames it over; on failure the old file is untouched.
    void SaveToFile(const std::string& fileName);

private:
    TSlideLib() = default;

    std::vector<std::unique_ptr<TSlide>> m_slides; // m_capacity slots, m_count in use
    int m_count = 0;
    int m_capacity = 0;
    TBytesPtr m_data; // a library file's bytes
    std::string m_fileName;
    std::string m_directory;
    std::string m_header;
};
