#include "slides/SlideConvert.h"

#include "base/ByteOrder.h"
#include "base/Errors.h"
#include "graphics/AcadPal.h"
#include "graphics/RasterCanvas.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

TColor TRasterPixels::Pixel(int x, int y) const {
    return m_canvas.Pixel(x, y);
}

namespace {

// Slide bytes in little-endian order.
class TSlideBytes : public TLittleEndianBytes {
public:
    TSlideBytes() : TLittleEndianBytes(m_bytes) {}
    void ColourRecord(int index) {
        U8(static_cast<unsigned>(index)); // the colour index is the head's low byte
        U8(0xFF);
    }
    void VectorRecord(int fromX, int fromY, int toX, int toY) {
        U16(static_cast<unsigned>(fromX)); // from-x is the head itself: 0..32767
        U16(static_cast<unsigned>(fromY));
        U16(static_cast<unsigned>(toX));
        U16(static_cast<unsigned>(toY));
    }
    void Reserve(int64_t size) { m_bytes.reserve(static_cast<size_t>(size)); }
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

// Counts the bytes the records would take, for pictures whose slide might be too large.
class TSlideByteCount {
public:
    void ColourRecord(int) { m_count += 2; }
    void VectorRecord(int, int, int, int) { m_count += 8; }
    int64_t Count() const { return m_count; }

private:
    int64_t m_count = 0;
};

// Remembers the nearest palette index of every colour met: a picture holds few colours, but
// finding one anew scans up to 256 entries, and the runs look colours up at nearly every pixel.
// Direct-mapped; a slot's key has bit 24 set, so 0 marks an empty slot (black is a colour too).
class TNearestIndexCache {
public:
    explicit TNearestIndexCache(const TPalette& palette) : m_palette(palette) {}
    int Index(TColor colour) {
        const uint32_t key = (colour & 0xFFFFFFu) | 0x1000000u;
        TSlot& slot = m_slots[(key * 2654435761u) >> 22];
        if (slot.key != key) {
            slot.key = key;
            slot.index = static_cast<uint8_t>(NearestColourIndex(colour, m_palette));
        }
        return slot.index;
    }

private:
    struct TSlot {
        uint32_t key = 0;
        uint8_t index = 0;
    };
    const TPalette& m_palette;
    std::array<TSlot, 1024> m_slots{};
};

// Traces the runs of the picture into out: first the rows, then the columns.
template <class Out>
void TraceRuns(const TPixelSource& pixels, const TRect& rect, TColor skip, int current,
               TNearestIndexCache& nearest, Out& out) {
    const auto draw = [&](TColor colour, int index, int fromX, int fromY, int toX, int toY) {
        if (colour == skip)
            return;
        if (index != current) {
            out.ColourRecord(index);
            current = index;
        }
        out.VectorRecord(fromX, fromY, toX, toY);
    };
    const int left = rect.Left, top = rect.Top, right = rect.Right, bottom = rect.Bottom;
    // Row pass: runs of two pixels or more.
    for (int py = top; py <= bottom; ++py) {
        int px = left;
        while (px <= right) {
            const TColor colour = pixels.Pixel(px, py);
            const int index = nearest.Index(colour);
            int end = px;
            while (end < right) {
                const TColor next = pixels.Pixel(end + 1, py);
                if (next != colour && nearest.Index(next) != index)
                    break;
                ++end;
            }
            if (end > px)
                draw(colour, index, px - left, bottom - py, end - left, bottom - py);
            px = end + 1;
        }
    }
    // Column pass: every run, a single pixel as a dot.
    for (int px = left; px <= right; ++px) {
        int py = top;
        while (py <= bottom) {
            const TColor colour = pixels.Pixel(px, py);
            const int index = nearest.Index(colour);
            int end = py;
            while (end < bottom) {
                const TColor next = pixels.Pixel(px, end + 1);
                if (next != colour && nearest.Index(next) != index)
                    break;
                ++end;
            }
            draw(colour, index, px - left, bottom - py, px - left, bottom - end);
            py = end + 1;
        }
    }
}

} // namespace

void BitmapToSlide(TStream& stream, const TPixelSource& pixels, const TRect& rect,
                   const TPalette& palette, TColor skipColour, int64_t maxBytes) {
    const int64_t width = static_cast<int64_t>(rect.Right) - rect.Left + 1;
    const int64_t height = static_cast<int64_t>(rect.Bottom) - rect.Top + 1;
    const std::string size = std::to_string(width) + " x " + std::to_string(height);
    if (width < 1 || height < 1)
        throw EVarnelError("An image of " + size + " pixels cannot become a slide");
    if (width >= 32768 || height >= 32768)
        throw EVarnelError("The image is " + size +
                           " pixels; a slide holds at most 32767 x 32767 pixels");
    // width / height x 10,000,000, to the nearest integer, halves to the even neighbour.
    const double aspect =
        std::nearbyint(static_cast<double>(width) / static_cast<double>(height) * 10000000.0);
    if (aspect > std::numeric_limits<int32_t>::max())
        throw EVarnelError("The image is " + size +
                           " pixels, too wide for a slide (at most about 214 times as wide as "
                           "high)");

    constexpr int64_t kHeaderBytes = 31;
    constexpr int64_t kFixedBytes = kHeaderBytes + 2 + 2; // header, first colour, end record
    TNearestIndexCache nearest(palette);
    const int first = nearest.Index(pixels.Pixel(rect.Left, rect.Top));
    // At most a row vector for every second pixel and a dot for every pixel, each after a
    // colour record: only a picture that might exceed the largest slide is counted first.
    TSlideBytes out;
    if (kFixedBytes + 15 * width * height > maxBytes) {
        TSlideByteCount count;
        TraceRuns(pixels, rect, skipColour, first, nearest, count);
        const int64_t total = kFixedBytes + count.Count();
        if (total > maxBytes)
            throw EVarnelError("The image of " + size + " pixels would give a slide of " +
                               std::to_string(total) + " bytes, more than the " +
                               std::to_string(maxBytes) +
                               " a slide can hold; use a smaller or simpler image");
        out.Reserve(total);
    }

    // Header, 31 bytes.
    const char id[] = "AutoCAD Slide\r\n\x1a";
    for (size_t i = 0; i < 17; ++i) // the id string and the NUL after it
        out.U8(static_cast<uint8_t>(id[i]));
    out.U8(0x56);                                                 // type byte
    out.U8(2);                                                    // level
    out.U16(static_cast<unsigned>(width));                        // HighX
    out.U16(static_cast<unsigned>(height));                       // HighY
    out.U32(static_cast<uint32_t>(static_cast<int32_t>(aspect))); // aspect ratio
    out.U16(2);                                                   // hardware fill
    out.U16(0x1234);                                              // test number

    out.ColourRecord(first);
    TraceRuns(pixels, rect, skipColour, first, nearest, out);
    out.U8(0x00); // end of slide
    out.U8(0xFC);

    TStreamPositionGuard guard(stream);
    stream.WriteBuffer(out.Bytes().data(), out.Bytes().size());
}
