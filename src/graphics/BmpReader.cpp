#include "graphics/BmpReader.h"

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "graphics/Graphic.h"

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

class TBmpBytes {
public:
    TBmpBytes(const std::vector<uint8_t>& bytes, const std::string& name)
        : m_bytes(bytes), m_name(name) {}

    [[noreturn]] void Fail(const std::string& reason) const {
        throw EVarnelError("Cannot read image \"" + m_name + "\": " + reason);
    }
    void Need(uint64_t offset, uint64_t count, const char* what) const {
        if (offset > m_bytes.size() || count > m_bytes.size() - offset)
            Fail(std::string("the file ends inside the ") + what);
    }
    uint8_t U8(uint64_t at) const { return m_bytes[at]; }
    uint16_t U16(uint64_t at) const {
        return static_cast<uint16_t>(m_bytes[at] | (m_bytes[at + 1] << 8));
    }
    uint32_t U32(uint64_t at) const { return U16(at) | (static_cast<uint32_t>(U16(at + 2)) << 16); }
    const uint8_t* Data(uint64_t at) const { return m_bytes.data() + at; }

private:
    const std::vector<uint8_t>& m_bytes;
    const std::string& m_name;
};

struct TBmpHeader {
    uint32_t PixelOffset = 0;
    uint32_t HeaderSize = 0;
    int64_t Width = 0;
    int64_t Height = 0; // negative: rows top down
    unsigned BitCount = 0;
    uint32_t Compression = kBiRgb;
    uint32_t ColoursUsed = 0;
    uint32_t Masks[3] = {0, 0, 0}; // red, green, blue for bit fields
};

TBmpHeader ReadHeader(const TBmpBytes& in) {
    TBmpHeader h;
    in.Need(0, 14 + 4, "file header");
    if (in.U8(0) != 'B' || in.U8(1) != 'M')
        in.Fail("not a BMP file (no \"BM\" signature)");
    h.PixelOffset = in.U32(10);
    h.HeaderSize = in.U32(14);
    if (h.HeaderSize == 12) {
        // BITMAPCOREHEADER: 16-bit sizes, no compression.
        in.Need(14, 12, "bitmap header");
        h.Width = in.U16(18);
        h.Height = in.U16(20);
        h.BitCount = in.U16(24);
    } else if (h.HeaderSize >= 40 && h.HeaderSize <= 124) {
        in.Need(14, h.HeaderSize, "bitmap header");
        h.Width = static_cast<int32_t>(in.U32(18));
        h.Height = static_cast<int32_t>(in.U32(22));
        h.BitCount = in.U16(28);
        h.Compression = in.U32(30);
        h.ColoursUsed = in.U32(46);
        if (h.Compression == kBiBitfields) {
            // The masks follow a 40-byte header, or stand inside the longer ones.
            in.Need(54, 12, "colour masks");
            for (int i = 0; i < 3; ++i)
                h.Masks[i] = in.U32(54 + 4 * static_cast<uint64_t>(i));
        }
    } else {
        in.Fail("unknown bitmap header size " + std::to_string(h.HeaderSize));
    }
    if (in.U16(14 + (h.HeaderSize == 12 ? 8 : 12)) != 1)
        in.Fail("the plane count is not 1");
    if (h.Width < 1 || h.Height == 0)
        in.Fail("the picture has no pixels");
    const bool plain =
        h.Compression == kBiRgb && (h.BitCount == 1 || h.BitCount == 4 || h.BitCount == 8 ||
                                    h.BitCount == 24 || h.BitCount == 32);
    const bool fields = h.Compression == kBiBitfields && h.BitCount == 32 &&
                        h.Masks[0] == 0xFF0000 && h.Masks[1] == 0xFF00 && h.Masks[2] == 0xFF;
    if (!plain && !fields)
        in.Fail("only uncompressed pictures of 1, 4, 8, 24 or 32 bits per pixel are read (this "
                "one has " +
                std::to_string(h.BitCount) + " bits, compression " + std::to_string(h.Compression) +
                ")");
    return h;
}

} // namespace

void DecodeBmp(const std::vector<uint8_t>& bytes, const std::string& name, TBitmap& bitmap) {
    const TBmpBytes in(bytes, name);
    const TBmpHeader h = ReadHeader(in);
    const int64_t width = h.Width;
    const int64_t height = h.Height < 0 ? -h.Height : h.Height;
    if (width > 65535 || height > 65535 || width * height > kMaxBmpPixels)
        in.Fail("the picture is " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels, too large to read");

    // The colour table follows the headers (three bytes per entry after the old header).
    std::vector<TColor> colours;
    if (h.BitCount <= 8) {
        const uint32_t most = 1u << h.BitCount;
        const uint32_t count = h.ColoursUsed == 0 || h.ColoursUsed > most ? most : h.ColoursUsed;
        const uint64_t entry = h.HeaderSize == 12 ? 3 : 4;
        const uint64_t at = 14 + static_cast<uint64_t>(h.HeaderSize) +
                            (h.Compression == kBiBitfields && h.HeaderSize == 40 ? 12 : 0);
        in.Need(at, entry * count, "colour table");
        colours.resize(most, 0); // indices past the table draw black
        for (uint32_t i = 0; i < count; ++i) {
            const uint64_t e = at + entry * i;
            colours[i] = RGBColor(in.U8(e + 2), in.U8(e + 1), in.U8(e));
        }
    }

    // Rows are padded to 32 bits; every row must be in the file.
    const uint64_t rowBytes = (static_cast<uint64_t>(width) * h.BitCount + 31) / 32 * 4;
    in.Need(h.PixelOffset, rowBytes * static_cast<uint64_t>(height), "pixel data");

    bitmap.SetSize(static_cast<int>(width), static_cast<int>(height));
    uint32_t* out = bitmap.Canvas().Bits();
    for (int64_t row = 0; row < height; ++row) {
        // Row 0 of the file is the bottom row unless the height is negative.
        const int64_t y = h.Height > 0 ? height - 1 - row : row;
        const uint8_t* src = in.Data(h.PixelOffset + rowBytes * static_cast<uint64_t>(row));
        uint32_t* dst = out + static_cast<size_t>(y) * static_cast<size_t>(width);
        for (int64_t x = 0; x < width; ++x) {
            TColor c = 0;
            switch (h.BitCount) {
            case 1:
                c = colours[(src[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                c = colours[(src[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xF];
                break;
            case 8:
                c = colours[src[x]];
                break;
            case 24:
                c = RGBColor(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            case 32:
                c = RGBColor(src[4 * x + 2], src[4 * x + 1], src[4 * x]);
                break;
            default:
                break;
            }
            dst[x] = TRasterCanvas::ToWord(c);
        }
    }
}

void LoadBmpFile(const std::string& path, TBitmap& bitmap) {
    DecodeBmp(ReadWholeFile(path), path, bitmap);
}
