// Little-endian fields appended to a byte buffer, one at a time, for the writers of binary files.
#pragma once

#include <cstdint>
#include <vector>

class TLittleEndianBytes {
public:
    explicit TLittleEndianBytes(std::vector<uint8_t>& out) : m_out(out) {}
    void U8(unsigned v) { m_out.push_back(static_cast<uint8_t>(v)); }
    void U16(unsigned v) {
        U8(v & 0xFF);
        U8((v >> 8) & 0xFF);
    }
    void U32(uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }

private:
    std::vector<uint8_t>& m_out;
};
