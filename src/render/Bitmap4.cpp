#include "render/Bitmap4.h"

#include "render/RasterCanvas.h"

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
    // Slides use few colours and long runs of one: remember the last word and its index.
    const uint32_t* words = canvas.Bits();
    uint32_t lastWord = words != nullptr && count > 0 ? ~words[0] : 0;
    uint8_t lastIndex = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t w = words[i];
        if (w != lastWord) {
            lastWord = w;
            lastIndex = static_cast<uint8_t>(
                NearestStandardColour(RGBColor((w >> 16) & 0xFF, (w >> 8) & 0xFF, w & 0xFF)));
        }
        image.Indices[i] = lastIndex;
    }
    return image;
}
