// Reads a slide's records from a stream for the readers that walk them (measuring, drawing on a
// canvas, drawing on a PDF page). Memory streams are walked through their buffer directly, other
// streams through ReadBuffer; either way a short read throws EReadError.
#pragma once

#include "base/Errors.h"
#include "base/Streams.h"

#include <cstdint>
#include <cstring>

class TSlideReader {
public:
    // Starts at the stream's position; native false swaps every 16-bit word.
    TSlideReader(TStream& stream, bool native)
        : m_stream(stream), m_native(native), m_mem(stream.Memory()), m_start(stream.Position()),
          m_pos(m_start), m_size(m_mem ? stream.Size() : 0) {}

    void Read(void* buffer, size_t count) {
        if (m_mem) {
            if (m_pos < 0 || m_pos > m_size || static_cast<int64_t>(count) > m_size - m_pos)
                throw EReadError();
            std::memcpy(buffer, m_mem + m_pos, count);
        } else {
            m_stream.ReadBuffer(buffer, count);
        }
        m_pos += static_cast<int64_t>(count);
    }
    // A 16-bit word in the slide's byte order.
    uint16_t Word() {
        uint8_t b[2];
        Read(b, 2);
        return Order(static_cast<uint16_t>(b[0] | (b[1] << 8)));
    }
    // A signed 16-bit field of a record already read.
    int Signed(const uint8_t* p) const {
        return static_cast<int16_t>(Order(static_cast<uint16_t>(p[0] | (p[1] << 8))));
    }
    void Skip(size_t count) {
        uint8_t buf[8];
        while (count > 0) {
            const size_t n = count < sizeof buf ? count : sizeof buf;
            Read(buf, n);
            count -= n;
        }
    }
    // Bytes read since the start.
    int64_t Consumed() const { return m_pos - m_start; }

    static uint16_t Swap16(uint16_t w) { return static_cast<uint16_t>((w << 8) | (w >> 8)); }

private:
    uint16_t Order(uint16_t w) const { return m_native ? w : Swap16(w); }

    TStream& m_stream;
    bool m_native;
    const uint8_t* m_mem;
    int64_t m_start;
    int64_t m_pos;
    int64_t m_size;
};
