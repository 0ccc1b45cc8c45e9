#include "slides/SlideConvert.h"

#include "base/ByteOrder.h"
#include "base/Errors.h"
#include "graphics/AcadPal.h"
#include "graphics/RasterCanvas.h"

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
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
};

// The run tracer's state: the colour index most recently written.
struct TTracer {
    const TPixelSource& pixels;
    TColor skip;
    TSlideBytes& out;
    int current;

    void Draw(TColor colour, int index, int fromX, int fromY, int toX, int toY) {
        if (colour == skip)
            return;
        if (index != current) {
            out.ColourRecord(index);
            current = index;
        }
        out.VectorRecord(fromX, fromY, toX, toY);
    }
};

} // namespace

void BitmapToSlide(TStream& stream, const TPixelSource& pixels, const TRect& rect,
                   TColor skipColour) {
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

    TSlideBytes out;
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

    const int left = rect.Left, top = rect.Top, right = rect.Right, bottom = rect.Bottom;
    TTracer tracer{pixels, skipColour, out, NearestColourIndex(pixels.Pixel(left, top))};
    out.ColourRecord(tracer.current);

    // Row pass: runs of two pixels or more.
    for (int py = top; py <= bottom; ++py) {
        int px = left;
        while (px <= right) {
            const TColor colour = pixels.Pixel(px, py);
            const int index = NearestColourIndex(colour);
            int end = px;
            while (end < right) {
                const TColor next = pixels.Pixel(end + 1, py);
                if (next != colour && NearestColourIndex(next) != index)
                    break;
                ++end;
            }
            if (end > px)
                tracer.Draw(colour, index, px - left, bottom - py, end - left, bottom - py);
            px = end + 1;
        }
    }
    // Column pass: every run, a single pixel as a dot.
    for (int px = left; px <= right; ++px) {
        int py = top;
        while (py <= bottom) {
            const TColor colour = pixels.Pixel(px, py);
            const int index = NearestColourIndex(colour);
            int end = py;
            while (end < bottom) {
                const TColor next = pixels.Pixel(px, end + 1);
                if (next != colour && NearestColourIndex(next) != index)
                    break;
                ++end;
            }
            tracer.Draw(colour, index, px - left, bottom - py, px - left, bottom - end);
            py = end + 1;
        }
    }
    out.U8(0x00); // end of slide
    out.U8(0xFC);

    TStreamPositionGuard guard(stream);
    stream.WriteBuffer(out.Bytes().data(), out.Bytes().size());
}
