#include "graphics/Bitmap4.h"

#include "graphics/RasterCanvas.h"

#include <climits>

const std::array<TColor, 16> kStandardColours = {
    RGBColor(0x00, 0x00, 0x00), RGBColor(0x80, 0x00, 0x00), RGBColor(0x00, 0x80, 0x00),
    RGBColor(0x80, 0x80, 0x00), RGBColor(0x00, 0x00, 0x80), RGBColor(0x80, 0x00, 0x80),
    RGBColor(0x00, 0x80, 0x80), RGBColor(0xC0, 0xC0, 0xC0), RGBColor(0x80, 0x80, 0x80),
    RGBColor(0xFF, 0x00, 0x00), RGBColor(0x00, 0xFF, 0x00), RGBColor(0xFF, 0xFF, 0x00),
    RGBColor(0x00, 0x00, 0xFF), RGBColor(0xFF, 0x00, 0xFF), RGBColor(0x00, 0xFF, 0xFF),
    RGBColor(0xFF, 0xFF, 0xFF)};

int NearestStandardColour(TColor c) {
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < 16; ++i) {
        const TColor e = kStandardColours[static_cast<size_t>(i)];
        const int dr = static_cast<int>(RedOf(e)) - static_cast<int>(RedOf(c));
        const int dg = static_cast<int>(GreenOf(e)) - static_cast<int>(GreenOf(c));
        const int db = static_cast<int>(BlueOf(e)) - static_cast<int>(BlueOf(c));
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

TBitmap4 ReduceToStandardColours(const TRasterCanvas& canvas) {
    TBitmap4 image;
    image.Width = canvas.Width();
    image.Height = canvas.Height();
    const size_t count = static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height);
    image.Indices.resize(count);
    // A slide holds at most 257 colours (the palette and the background), but a small picture
    // of many crossing lines changes colour at nearly every pixel: remember each colour's index
    // in a small direct-mapped table. Buffer words always have 0xFF in the top byte, so 0 marks
    // an empty slot.
    struct TSlot {
        uint32_t word = 0;
        uint8_t index = 0;
    };
    std::array<TSlot, 1024> cache{};
    const uint32_t* words = canvas.Bits();
    for (size_t i = 0; i < count; ++i) {
        const uint32_t w = words[i];
        TSlot& slot = cache[(w * 2654435761u) >> 22];
        if (slot.word != w) {
            slot.word = w;
            slot.index = static_cast<uint8_t>(
                NearestStandardColour(RGBColor((w >> 16) & 0xFF, (w >> 8) & 0xFF, w & 0xFF)));
        }
        image.Indices[i] = slot.index;
    }
    return image;
}
