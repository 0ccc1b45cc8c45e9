// TMetafile: a picture kept as drawing records, written as a Windows metafile (WMF) or an
// enhanced metafile (EMF). Drawing goes through TMetafileCanvas (MetafileCanvas.h); closing the
// canvas completes the file bytes held here.
#pragma once

#include "graphics/Graphic.h"

#include <cstdint>
#include <vector>

enum class TMetafileFormat { Wmf, Emf };

class TMetafile : public TGraphic {
public:
    explicit TMetafile(TMetafileFormat format = TMetafileFormat::Emf) : m_format(format) {}

    TMetafileFormat Format() const { return m_format; }
    // Size in pixels of the reference device (96 pixels per inch).
    void SetSize(int width, int height) {
        m_width = width;
        m_height = height;
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // The complete file, empty until a canvas has been closed on the metafile.
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    void SetBytes(std::vector<uint8_t> bytes) { m_bytes = std::move(bytes); }

private:
    TMetafileFormat m_format;
    int m_width = 0;
    int m_height = 0;
    std::vector<uint8_t> m_bytes;
};
