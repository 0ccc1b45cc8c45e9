#include "graphics/MetafileCanvas.h"

#include "base/Errors.h"
#include "graphics/Metafile.h"

#ifdef VARNEL_HAVE_UEMF

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

extern "C" {
#include <uemf.h>
#include <uemf_endian.h>
#include <uwmf.h>
#include <uwmf_endian.h>
}

namespace {

constexpr uint32_t kInitialBuffer = 64 * 1024;
constexpr uint32_t kBufferChunk = 256 * 1024;
constexpr int kPixelsPerInch = 96;

U_COLORREF ColourRef(TColor c) {
    return colorref3_set(static_cast<uint8_t>(RedOf(c)), static_cast<uint8_t>(GreenOf(c)),
                         static_cast<uint8_t>(BlueOf(c)));
}

[[noreturn]] void Fail(const char* what) {
    throw EWriteError(std::string("Metafile writer: ") + what);
}

// A growing record buffer in libUEMF's tracking structure. We keep the bytes in memory and
// hand them to the TMetafile instead of letting libUEMF write a file of its own.
template <typename TTrack> TTrack* NewTrack() {
    auto* track = static_cast<TTrack*>(std::calloc(1, sizeof(TTrack)));
    if (track == nullptr)
        Fail("out of memory");
    track->buf = static_cast<char*>(std::malloc(kInitialBuffer));
    if (track->buf == nullptr) {
        std::free(track);
        Fail("out of memory");
    }
    track->allocated = kInitialBuffer;
    track->chunk = kBufferChunk;
    return track;
}

void PutU16(char* at, uint16_t v) {
    std::memcpy(at, &v, 2);
}
void PutU32(char* at, uint32_t v) {
    std::memcpy(at, &v, 4);
}

// The pen and brush that the file has selected, so objects are created only on a change.
struct TSelection {
    bool hasPen = false;
    TColor pen = 0;
    enum class TBrush { None, Solid, Null } brush = TBrush::None;
    TColor brushColour = 0;
};

// ---- EMF ----

class TEmfCanvas final : public TMetafileCanvas {
public:
    explicit TEmfCanvas(TMetafile& metafile) : m_metafile(metafile) {
        m_track = NewTrack<EMFTRACK>();
        if (emf_htable_create(128, 128, &m_handles) != 0) {
            emf_free(&m_track);
            Fail("out of memory");
        }
        const int w = metafile.Width();
        const int h = metafile.Height();
        // Bounds in reference pixels (inclusive); the frame in hundredths of a millimetre.
        const U_RECTL bounds{0, 0, w - 1, h - 1};
        const U_RECTL frame{0, 0, HundredthsOfMm(w), HundredthsOfMm(h)};
        // The reference screen: 1920 x 1440 pixels on 508 x 381 mm, 96 pixels per inch.
        const U_SIZEL device{1920, 1440};
        const U_SIZEL millimetres{508, 381};
        Append(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, device, millimetres, 0));
        Append(U_EMRSETMAPMODE_set(U_MM_TEXT));
        Append(U_EMRSETBKMODE_set(U_TRANSPARENT));
        Append(U_EMRSETPOLYFILLMODE_set(U_ALTERNATE));
    }

    ~TEmfCanvas() override {
        try {
            Close();
        } catch (...) {
        }
        Release();
    }

    void Close() override {
        if (m_closed)
            return;
        m_closed = true;
        Append(U_EMREOF_set(0, nullptr, m_track));
        // The header's totals are known only now.
        char* header = m_track->buf;
        PutU32(header + offsetof(U_EMRHEADER, nBytes), static_cast<uint32_t>(m_track->used));
        PutU32(header + offsetof(U_EMRHEADER, nRecords), m_track->records);
        PutU16(header + offsetof(U_EMRHEADER, nHandles),
               static_cast<uint16_t>(m_handles->peak + 1));
        PutU32(header + offsetof(U_EMRHEADER, nPalEntries), m_track->PalEntries);
#if U_BYTE_SWAP
        U_emf_endian(m_track->buf, m_track->used, 0);
#endif
        m_metafile.SetBytes(std::vector<uint8_t>(m_track->buf, m_track->buf + m_track->used));
        Release();
    }

    void FillRect(const TRect& r) override {
        if (r.Left >= r.Right || r.Top >= r.Bottom)
            return;
        // A rectangle leaves out its right and bottom edges, like FillRect.
        SelectPen(m_brushColor);
        SelectSolidBrush(m_brushColor);
        Append(U_EMRRECTANGLE_set(U_RECTL{r.Left, r.Top, r.Right, r.Bottom}));
    }
    void MoveTo(int x, int y) override {
        Append(U_EMRMOVETOEX_set(point32_set(x, y)));
    }
    void LineTo(int x, int y) override {
        SelectPen(m_penColor);
        Append(U_EMRLINETO_set(point32_set(x, y)));
    }
    void SetPixel(int x, int y, TColor c) override {
        Append(U_EMRSETPIXELV_set(point32_set(x, y), ColourRef(c)));
    }
    void Polygon(const TPoint* points, size_t count) override {
        if (count == 0)
            return;
        SelectPen(m_penColor);
        if (m_brushStyle == TBrushStyle::Solid)
            SelectSolidBrush(m_brushColor);
        else
            SelectNullBrush();
        std::vector<U_POINTL> pts = Points(points, count);
        Append(U_EMRPOLYGON_set(Bounds(pts), static_cast<uint32_t>(pts.size()), pts.data()));
    }
    void Polyline(const TPoint* points, size_t count) override {
        if (count == 0)
            return;
        SelectPen(m_penColor);
        std::vector<U_POINTL> pts = Points(points, count);
        Append(U_EMRPOLYLINE_set(Bounds(pts), static_cast<uint32_t>(pts.size()), pts.data()));
    }

private:
    static int32_t HundredthsOfMm(int pixels) {
        return static_cast<int32_t>((static_cast<int64_t>(pixels) * 2540 + kPixelsPerInch / 2) /
                                    kPixelsPerInch);
    }
    static std::vector<U_POINTL> Points(const TPoint* points, size_t count) {
        std::vector<U_POINTL> pts(count);
        for (size_t i = 0; i < count; ++i)
            pts[i] = point32_set(points[i].x, points[i].y);
        return pts;
    }
    static U_RECTL Bounds(const std::vector<U_POINTL>& pts) {
        U_RECTL r{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
        for (const U_POINTL& p : pts) {
            r.left = std::min(r.left, p.x);
            r.top = std::min(r.top, p.y);
            r.right = std::max(r.right, p.x);
            r.bottom = std::max(r.bottom, p.y);
        }
        return r;
    }

    void Append(char* record) {
        if (m_track == nullptr)
            Fail("the metafile is already closed");
        if (record == nullptr)
            Fail("out of memory");
        if (emf_append(reinterpret_cast<U_ENHMETARECORD*>(record), m_track, 1) != 0) {
            std::free(record);
            Fail("out of memory");
        }
    }

    void SelectPen(TColor c) {
        if (m_selection.hasPen && m_selection.pen == c)
            return;
        uint32_t pen = 0;
        Append(createpen_set(&pen, m_handles,
                             logpen_set(U_PS_SOLID, point32_set(1, 1), ColourRef(c))));
        Append(selectobject_set(pen, m_handles));
        if (m_pen != 0)
            Append(deleteobject_set(&m_pen, m_handles));
        m_pen = pen;
        m_selection.hasPen = true;
        m_selection.pen = c;
    }
    void SelectSolidBrush(TColor c) {
        if (m_selection.brush == TSelection::TBrush::Solid && m_selection.brushColour == c)
            return;
        uint32_t brush = 0;
        Append(
            createbrushindirect_set(&brush, m_handles, logbrush_set(U_BS_SOLID, ColourRef(c), 0)));
        Append(selectobject_set(brush, m_handles));
        if (m_brush != 0)
            Append(deleteobject_set(&m_brush, m_handles));
        m_brush = brush;
        m_selection.brush = TSelection::TBrush::Solid;
        m_selection.brushColour = c;
    }
    void SelectNullBrush() {
        if (m_selection.brush == TSelection::TBrush::Null)
            return;
        Append(selectobject_set(U_NULL_BRUSH, m_handles));
        if (m_brush != 0)
            Append(deleteobject_set(&m_brush, m_handles));
        m_brush = 0;
        m_selection.brush = TSelection::TBrush::Null;
    }

    void Release() {
        if (m_track != nullptr)
            emf_free(&m_track);
        if (m_handles != nullptr)
            emf_htable_free(&m_handles);
    }

    TMetafile& m_metafile;
    EMFTRACK* m_track = nullptr;
    EMFHANDLES* m_handles = nullptr;
    uint32_t m_pen = 0;
    uint32_t m_brush = 0;
    TSelection m_selection;
    bool m_closed = false;
};

// ---- WMF ----

// The smallest divisor of 96 that brings the larger side to 32767 units or fewer.
int WmfUnitPixels(int width, int height) {
    static const int kDivisors[] = {1, 2, 3, 4, 6, 8, 12, 16, 24, 32, 48, 96};
    const int64_t side = std::max(width, height);
    for (int d : kDivisors)
        if ((side + d - 1) / d <= 32767)
            return d;
    return 96;
}

class TWmfCanvas final : public TMetafileCanvas {
public:
    explicit TWmfCanvas(TMetafile& metafile)
        : m_metafile(metafile), m_unit(WmfUnitPixels(metafile.Width(), metafile.Height())) {
        m_track = NewTrack<WMFTRACK>();
        if (wmf_htable_create(128, 128, &m_handles) != 0) {
            wmf_free(&m_track);
            Fail("out of memory");
        }
        const int16_t w = Unit(metafile.Width());
        const int16_t h = Unit(metafile.Height());
        const unsigned inch = static_cast<unsigned>(kPixelsPerInch / m_unit);
        // The placeable header: bounding box w x h units at `inch` units per inch.
        U_PAIRF size{static_cast<float>(w) / static_cast<float>(inch),
                     static_cast<float>(h) / static_cast<float>(inch)};
        char* header = U_WMRHEADER_set(&size, inch);
        if (header == nullptr)
            Fail("out of memory");
        // Set the box exactly rather than through the float size in inches.
        U_WMRPLACEABLE placeable{};
        std::memcpy(&placeable, header, sizeof placeable);
        placeable.Dst = U_RECT16{0, 0, w, h};
        placeable.Inch = static_cast<uint16_t>(inch);
        placeable.Checksum = 0;
        std::memcpy(header, &placeable, sizeof placeable);
        // The checksum covers the ten 16-bit words before it.
        int16_t words[10];
        std::memcpy(words, header, sizeof words);
        placeable.Checksum = static_cast<uint16_t>(U_16_checksum(words, 10));
        std::memcpy(header, &placeable, sizeof placeable);
        if (wmf_header_append(reinterpret_cast<U_METARECORD*>(header), m_track, 1) != 0) {
            std::free(header);
            Fail("out of memory");
        }
        Append(U_WMRSETWINDOWORG_set(U_POINT16{0, 0}));
        Append(U_WMRSETWINDOWEXT_set(U_POINT16{w, h}));
        Append(U_WMRSETBKMODE_set(U_TRANSPARENT));
        Append(U_WMRSETPOLYFILLMODE_set(U_ALTERNATE));
    }

    ~TWmfCanvas() override {
        try {
            Close();
        } catch (...) {
        }
        Release();
    }

    void Close() override {
        if (m_closed)
            return;
        m_closed = true;
        Append(U_WMREOF_set());
        // The header's totals are known only now; they count 16-bit words.
        char* header = m_track->buf + U_SIZE_WMRPLACEABLE;
        PutU32(header + offsetof(U_WMRHEADER, Sizew),
               static_cast<uint32_t>((m_track->used - U_SIZE_WMRPLACEABLE) / 2));
        PutU32(header + offsetof(U_WMRHEADER, maxSize), m_track->largest / 2);
        PutU16(header + offsetof(U_WMRHEADER, nObjects), static_cast<uint16_t>(m_handles->peak));
#if U_BYTE_SWAP
        U_wmf_endian(m_track->buf, m_track->used, 0, 0);
#endif
        m_metafile.SetBytes(std::vector<uint8_t>(m_track->buf, m_track->buf + m_track->used));
        Release();
    }

    void FillRect(const TRect& r) override {
        if (r.Left >= r.Right || r.Top >= r.Bottom)
            return;
        SelectPen(m_brushColor);
        SelectSolidBrush(m_brushColor);
        Append(U_WMRRECTANGLE_set(U_RECT16_set(Point(r.Left, r.Top), Point(r.Right, r.Bottom))));
    }
    void MoveTo(int x, int y) override {
        Append(U_WMRMOVETO_set(Point(x, y)));
    }
    void LineTo(int x, int y) override {
        SelectPen(m_penColor);
        Append(U_WMRLINETO_set(Point(x, y)));
    }
    void SetPixel(int x, int y, TColor c) override {
        Append(U_WMRSETPIXEL_set(ColourRef(c), Point(x, y)));
    }
    void Polygon(const TPoint* points, size_t count) override {
        if (count == 0)
            return;
        SelectPen(m_penColor);
        if (m_brushStyle == TBrushStyle::Solid)
            SelectSolidBrush(m_brushColor);
        else
            SelectNullBrush();
        std::vector<U_POINT16> pts = Points(points, count);
        Append(U_WMRPOLYGON_set(static_cast<uint16_t>(pts.size()), pts.data()));
    }
    void Polyline(const TPoint* points, size_t count) override {
        if (count == 0)
            return;
        SelectPen(m_penColor);
        std::vector<U_POINT16> pts = Points(points, count);
        Append(U_WMRPOLYLINE_set(static_cast<uint16_t>(pts.size()), pts.data()));
    }

private:
    // A canvas coordinate in file units (rounded), held to the 16-bit range.
    int16_t Unit(int v) const {
        const int64_t half = m_unit / 2;
        const int64_t u = v >= 0 ? (static_cast<int64_t>(v) + half) / m_unit
                                 : -((-static_cast<int64_t>(v) + half) / m_unit);
        return static_cast<int16_t>(std::clamp<int64_t>(u, -32768, 32767));
    }
    U_POINT16 Point(int x, int y) const {
        return U_POINT16{Unit(x), Unit(y)};
    }
    std::vector<U_POINT16> Points(const TPoint* points, size_t count) const {
        // A polygon record holds at most 65535 points.
        count = std::min<size_t>(count, std::numeric_limits<uint16_t>::max());
        std::vector<U_POINT16> pts(count);
        for (size_t i = 0; i < count; ++i)
            pts[i] = Point(points[i].x, points[i].y);
        return pts;
    }

    void Append(char* record) {
        if (m_track == nullptr)
            Fail("the metafile is already closed");
        if (record == nullptr)
            Fail("out of memory");
        if (wmf_append(reinterpret_cast<U_METARECORD*>(record), m_track, 1) != 0) {
            std::free(record);
            Fail("out of memory");
        }
    }

    void SelectPen(TColor c) {
        if (m_selection.hasPen && m_selection.pen == c)
            return;
        uint32_t pen = 0;
        Append(wcreatepenindirect_set(&pen, m_handles, U_PEN_set(U_PS_SOLID, 1, ColourRef(c))));
        Append(wselectobject_set(pen, m_handles));
        if (m_pen != 0)
            Append(wdeleteobject_set(&m_pen, m_handles));
        m_pen = pen;
        m_selection.hasPen = true;
        m_selection.pen = c;
    }
    void SelectBrush(uint16_t style, TColor c) {
        uint32_t brush = 0;
        Append(
            wcreatebrushindirect_set(&brush, m_handles, U_WLOGBRUSH_set(style, ColourRef(c), 0)));
        Append(wselectobject_set(brush, m_handles));
        if (m_brush != 0)
            Append(wdeleteobject_set(&m_brush, m_handles));
        m_brush = brush;
    }
    void SelectSolidBrush(TColor c) {
        if (m_selection.brush == TSelection::TBrush::Solid && m_selection.brushColour == c)
            return;
        SelectBrush(U_BS_SOLID, c);
        m_selection.brush = TSelection::TBrush::Solid;
        m_selection.brushColour = c;
    }
    // WMF has no stock objects: a hollow brush is an object of its own.
    void SelectNullBrush() {
        if (m_selection.brush == TSelection::TBrush::Null)
            return;
        SelectBrush(U_BS_NULL, 0);
        m_selection.brush = TSelection::TBrush::Null;
    }

    void Release() {
        if (m_track != nullptr)
            wmf_free(&m_track);
        if (m_handles != nullptr)
            wmf_htable_free(&m_handles);
    }

    TMetafile& m_metafile;
    int m_unit; // reference pixels per file unit
    WMFTRACK* m_track = nullptr;
    WMFHANDLES* m_handles = nullptr;
    uint32_t m_pen = 0;
    uint32_t m_brush = 0;
    TSelection m_selection;
    bool m_closed = false;
};

} // namespace

std::unique_ptr<TMetafileCanvas> TMetafileCanvas::Create(TMetafile& metafile) {
    if (metafile.Width() < 1 || metafile.Height() < 1)
        throw EVarnelError("Metafile writer: a " + std::to_string(metafile.Width()) + " x " +
                           std::to_string(metafile.Height()) + " metafile cannot be made");
    if (metafile.Format() == TMetafileFormat::Wmf)
        return std::make_unique<TWmfCanvas>(metafile);
    return std::make_unique<TEmfCanvas>(metafile);
}

#else // no libUEMF in this build

std::unique_ptr<TMetafileCanvas> TMetafileCanvas::Create(TMetafile&) {
    throw EVarnelError("Metafiles are not available in this build (libUEMF was not found)");
}

#endif
