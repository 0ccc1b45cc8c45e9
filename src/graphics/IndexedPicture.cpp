#include "graphics/IndexedPicture.h"

#include "graphics/RasterCanvas.h"

#include <array>

TIndexedPicture PackPicture(const TRasterCanvas& canvas) {
    TIndexedPicture picture;
    picture.Width = canvas.Width();
    picture.Height = canvas.Height();
    const size_t count = static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height);
    const uint32_t* words = canvas.Bits();
    picture.Indices.resize(count);
    // Colour to index through a small open-addressed table (twice the 256 entries, so probes
    // stay short); the alpha byte of a word is always set, so 0 marks a free slot.
    constexpr size_t kSlots = 512;
    std::array<uint32_t, kSlots> keys{};
    std::array<uint8_t, kSlots> values{};
    uint32_t last = 0;
    uint8_t lastIndex = 0;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t w = words[i];
        if (w != last) {
            size_t slot = ((w * 2654435761u) >> 23) & (kSlots - 1);
            while (keys[slot] != 0 && keys[slot] != w)
                slot = (slot + 1) & (kSlots - 1);
            if (keys[slot] == 0) {
                if (picture.Colours.size() == 256) { // too many colours: keep the words
                    picture.Indices.clear();
                    picture.Colours.clear();
                    picture.Words.assign(words, words + count);
                    return picture;
                }
                keys[slot] = w;
                values[slot] = static_cast<uint8_t>(picture.Colours.size());
                picture.Colours.push_back(w);
            }
            last = w;
            lastIndex = values[slot];
        }
        picture.Indices[i] = lastIndex;
    }
    return picture;
}
