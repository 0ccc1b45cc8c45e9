// TJpegImage: a JPEG picture made by compressing a bitmap (quality 90, baseline, colour).
#pragma once

#include "graphics/Graphic.h"
#include "graphics/JpegWriter.h"

#include <cstdint>
#include <vector>

class TJpegImage : public TGraphic {
public:
    // Compresses the bitmap; the image takes its size. Throws EWriteError when libjpeg fails.
    void Assign(const TBitmap& bitmap) {
        m_bytes = EncodeJpeg(bitmap.Canvas(), m_options);
        m_width = bitmap.Width();
        m_height = bitmap.Height();
    }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // The JPEG file; empty until a bitmap was assigned.
    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    TJpegOptions m_options;
    int m_width = 0;
    int m_height = 0;
    std::vector<uint8_t> m_bytes;
};
