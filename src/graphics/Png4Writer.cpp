#include "graphics/Png4Writer.h"

#include "base/Errors.h"
#include "graphics/Bitmap4.h"

#include <png.h>
#include <zlib.h>

namespace {

void AppendData(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void FlushData(png_structp) {}

// libpng calls this instead of returning; unwinding out of it is how libpng expects C++
// callers to leave (its own alternative is longjmp).
[[noreturn]] void OnError(png_structp, png_const_charp message) {
    throw EWriteError(message);
}
void OnWarning(png_structp, png_const_charp) {}

// Frees libpng's structures on every path.
struct TPngWriteStruct {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~TPngWriteStruct() { png_destroy_write_struct(&png, &info); }
};

// The file with the rows deflated by zlib's strategy.
std::vector<uint8_t> Encode(const TBitmap4& image, int strategy) {
    std::vector<uint8_t> bytes;
    TPngWriteStruct s;
    s.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
    if (s.png == nullptr)
        throw EWriteError("PNG encoder: out of memory");
    s.info = png_create_info_struct(s.png);
    if (s.info == nullptr)
        throw EWriteError("PNG encoder: out of memory");
    png_set_write_fn(s.png, &bytes, AppendData, FlushData);
    png_set_IHDR(s.png, s.info, static_cast<png_uint_32>(image.Width),
                 static_cast<png_uint_32>(image.Height), 4, PNG_COLOR_TYPE_PALETTE,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[16];
    for (size_t i = 0; i < 16; ++i) {
        palette[i].red = static_cast<png_byte>(RedOf(kStandardColours[i]));
        palette[i].green = static_cast<png_byte>(GreenOf(kStandardColours[i]));
        palette[i].blue = static_cast<png_byte>(BlueOf(kStandardColours[i]));
    }
    png_set_PLTE(s.png, s.info, palette, 16);
    // Palette pictures compress best unfiltered.
    png_set_filter(s.png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_strategy(s.png, strategy);
    png_write_info(s.png, s.info);
    // Two pixels per byte, the left one in the high nibble.
    std::vector<png_byte> row((static_cast<size_t>(image.Width) + 1) / 2);
    for (int y = 0; y < image.Height; ++y) {
        for (int x = 0; x < image.Width; x += 2) {
            const unsigned left = image.At(x, y);
            const unsigned right = x + 1 < image.Width ? image.At(x + 1, y) : 0;
            row[static_cast<size_t>(x / 2)] = static_cast<png_byte>((left << 4) | right);
        }
        png_write_row(s.png, row.data());
    }
    png_write_end(s.png, s.info);
    return bytes;
}

} // namespace

std::vector<uint8_t> EncodePng4(const TBitmap4& image) {
    // Run-length matching packs a busy picture (a thumbnail of thousands of lines) a few percent
    // smaller than zlib's default search, in a third of the time. A picture of long runs, which
    // it packs to less than half, may come out up to twice as large as with the default search,
    // so that one is tried too and the smaller file kept. Either way the file depends only on the
    // picture.
    std::vector<uint8_t> bytes = Encode(image, Z_RLE);
    const size_t rowBytes = (static_cast<size_t>(image.Width) + 1) / 2 + 1;
    if (bytes.size() * 2 < rowBytes * static_cast<size_t>(image.Height)) {
        std::vector<uint8_t> searched = Encode(image, Z_DEFAULT_STRATEGY);
        if (searched.size() < bytes.size())
            bytes = std::move(searched);
    }
    return bytes;
}
