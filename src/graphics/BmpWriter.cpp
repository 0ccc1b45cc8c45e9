#include "graphics/BmpWriter.h"

#include "base/ByteOrder.h"
#include "graphics/Bitmap4.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPaletteSize = 16 * 4;
constexpr uint32_t kPixelsPerMetre = 3780; // 96 pixels per inch

} // namespace

std::vector<uint8_t> EncodeBmp4(const TBitmap4& image) {
    const auto width = static_cast<uint32_t>(image.Width);
    const auto height = static_cast<uint32_t>(image.Height);
    // Two pixels per byte, rows padded to 32 bits.
    const uint32_t rowBytes = (width * 4 + 31) / 32 * 4;
    const uint32_t imageSize = rowBytes * height;
    const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;

    std::vector<uint8_t> bytes;
    bytes.reserve(pixelOffset + imageSize);
    TLittleEndianBytes out(bytes);
    // BITMAPFILEHEADER
    out.U8('B'); // Type
    out.U8('M');
    out.U32(pixelOffset + imageSize); // FileSize
    out.U16(0);                       // Reserved1
    out.U16(0);                       // Reserved2
    out.U32(pixelOffset);             // PixelDataOffset
    // BITMAPINFOHEADER
    out.U32(kInfoHeaderSize); // HeaderSize
    out.U32(width);           // Width
    out.U32(height);          // Height (positive: rows bottom up)
    out.U16(1);               // Planes
    out.U16(4);               // BitCount
    out.U32(0);               // Compression (BI_RGB)
    out.U32(imageSize);       // ImageSize
    out.U32(kPixelsPerMetre); // XPixelsPerMetre
    out.U32(kPixelsPerMetre); // YPixelsPerMetre
    out.U32(16);              // ColoursUsed
    out.U32(0);               // ColoursImportant (all)
    // Palette: blue, green, red, reserved.
    for (TColor c : kStandardColours) {
        out.U8(BlueOf(c));
        out.U8(GreenOf(c));
        out.U8(RedOf(c));
        out.U8(0);
    }
    // Pixels: the high nibble holds the left pixel of each pair.
    for (uint32_t row = height; row-- > 0;) {
        const size_t rowStart = bytes.size();
        for (uint32_t x = 0; x < width; x += 2) {
            const unsigned left = image.At(static_cast<int>(x), static_cast<int>(row));
            const unsigned right =
                x + 1 < width ? image.At(static_cast<int>(x + 1), static_cast<int>(row)) : 0;
            out.U8((left << 4) | right);
        }
        bytes.resize(rowStart + rowBytes, 0);
    }
    return bytes;
}
