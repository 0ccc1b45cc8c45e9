#include "SlideWriter.h"

#include <cstring>

TSlideWriter::TSlideWriter(int highX, int highY, int level, TByteOrder order, double aspect,
                           uint8_t typeByte)
    : m_big(order == TByteOrder::Big) {
    static const char kId[] = "AutoCAD Slide\r\n\x1a";
    m_bytes.assign(kId, kId + 17); // 16 characters and the NUL after them
    m_bytes.push_back(typeByte);
    m_bytes.push_back(static_cast<uint8_t>(level));
    Word(highX);
    Word(highY);
    if (aspect < 0)
        aspect = highY != 0 ? static_cast<double>(highX) / highY : 1.0;
    if (level == 1) {
        // An 8-byte real, then the hardware fill word and a filler byte.
        uint8_t real[8];
        std::memcpy(real, &aspect, 8);
        m_bytes.insert(m_bytes.end(), real, real + 8);
        Word(0);
        m_bytes.push_back(0);
    } else {
        const auto ratio = static_cast<int32_t>(aspect * 10000000.0);
        const auto u = static_cast<uint32_t>(ratio);
        if (m_big) {
            for (int shift = 24; shift >= 0; shift -= 8)
                m_bytes.push_back(static_cast<uint8_t>(u >> shift));
        } else {
            for (int shift = 0; shift < 32; shift += 8)
                m_bytes.push_back(static_cast<uint8_t>(u >> shift));
        }
        Word(0);      // hardware fill
        Word(0x1234); // test number
    }
}

void TSlideWriter::Word(int value) {
    const auto w = static_cast<uint16_t>(value);
    if (m_big) {
        m_bytes.push_back(static_cast<uint8_t>(w >> 8));
        m_bytes.push_back(static_cast<uint8_t>(w));
    } else {
        m_bytes.push_back(static_cast<uint8_t>(w));
        m_bytes.push_back(static_cast<uint8_t>(w >> 8));
    }
}

void TSlideWriter::Vector(int fromX, int fromY, int toX, int toY) {
    Word(fromX); // the head is from-x itself (0..32767)
    Word(fromY);
    Word(toX);
    Word(toY);
}

// The head's high byte is the kind, its low byte the first data byte; single bytes that follow
// the head are never swapped.
void TSlideWriter::OffsetVector(int dx0, int dy0, int dx1, int dy1) {
    Word((0xFB << 8) | (dx0 & 0xFF));
    m_bytes.push_back(static_cast<uint8_t>(dy0));
    m_bytes.push_back(static_cast<uint8_t>(dx1));
    m_bytes.push_back(static_cast<uint8_t>(dy1));
}

void TSlideWriter::CommonEndpoint(int dx, int dy) {
    Word((0xFE << 8) | (dx & 0xFF));
    m_bytes.push_back(static_cast<uint8_t>(dy));
}

void TSlideWriter::FillRecord(int x, int y) {
    Word(0xFD00);
    Word(x);
    Word(y);
}

void TSlideWriter::Fill(const std::vector<std::pair<int, int>>& vertices) {
    FillRecord(static_cast<int>(vertices.size()), -1);
    for (const auto& [x, y] : vertices)
        FillRecord(x, y);
    FillRecord(0, -1);
}

void TSlideWriter::Colour(int index) {
    Word((0xFF << 8) | (index & 0xFF));
}

void TSlideWriter::End() {
    Word(0xFC00);
}

void TSlideWriter::Raw(const std::vector<uint8_t>& bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}
