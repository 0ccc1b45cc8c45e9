// Builds slide bytes record by record: the samples generator, the image converter, the tests
// and the benchmarks all write slides through this.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TSlideWriter {
public:
    enum class TByteOrder { Little, Big };

    // Level 2 (31-byte header, test number 0x1234) or level 1 (34-byte header, never swapped;
    // big-endian makes sense only for level 2). aspect is width / height * 10,000,000 for
    // level 2 and the 8-byte real for level 1.
    TSlideWriter(int highX, int highY, int level = 2, TByteOrder order = TByteOrder::Little,
                 double aspect = -1, uint8_t typeByte = 0x56);

    void Vector(int fromX, int fromY, int toX, int toY);
    void OffsetVector(int dx0, int dy0, int dx1, int dy1);
    void CommonEndpoint(int dx, int dy);
    // A whole fill sequence: the opening record with the vertex count, the vertices, and the
    // closing record (negative y).
    void Fill(const std::vector<std::pair<int, int>>& vertices);
    // One solid fill record as it is, for building damaged slides.
    void FillRecord(int x, int y);
    void Colour(int index);
    void End();
    // Raw bytes, for damaged slides in tests.
    void Raw(const std::vector<uint8_t>& bytes);

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }

private:
    void Word(int value);

    std::vector<uint8_t> m_bytes;
    bool m_big;
};
