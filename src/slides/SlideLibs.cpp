#include "slides/SlideLibs.h"

#include <algorithm>
#include <cstring>

void StrToField(char* field, int max, const std::string& text) {
    const size_t n = std::min(text.size(), static_cast<size_t>(std::max(max, 0)));
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

std::string FieldToStr(const char* field, int max) {
    const auto* end = static_cast<const char*>(std::memchr(field, 0, static_cast<size_t>(max)));
    return std::string(field, end ? static_cast<size_t>(end - field) : static_cast<size_t>(max));
}

std::string ReadLibHeader(TStream& stream) {
    char field[kLibHeaderSize];
    stream.ReadBuffer(field, sizeof field);
    return FieldToStr(field, kLibHeaderSize - 1);
}

void WriteLibHeader(TStream& stream, const std::string& text) {
    char field[kLibHeaderSize] = {};
    StrToField(field, kLibHeaderSize - 1, text);
    stream.WriteBuffer(field, sizeof field);
}

SlideBlock ReadSlideBlock(TStream& stream) {
    uint8_t entry[kSlideBlockSize];
    stream.ReadBuffer(entry, sizeof entry);
    SlideBlock block;
    block.Name = FieldToStr(reinterpret_cast<const char*>(entry), kNameFieldSize - 1);
    block.Offset =
        static_cast<int32_t>(static_cast<uint32_t>(entry[32]) | (entry[33] << 8) |
                             (entry[34] << 16) | (static_cast<uint32_t>(entry[35]) << 24));
    return block;
}

void WriteSlideBlock(TStream& stream, const SlideBlock& block) {
    char field[kNameFieldSize] = {};
    std::string upper = block.Name;
    // Only a..z change; accented letters and other bytes keep their case.
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    StrToField(field, kNameFieldSize - 1, upper);
    stream.WriteBuffer(field, sizeof field);
    const auto u = static_cast<uint32_t>(block.Offset);
    const uint8_t offset[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8),
                               static_cast<uint8_t>(u >> 16), static_cast<uint8_t>(u >> 24)};
    stream.WriteBuffer(offset, sizeof offset);
}

void WriteSlideBlockAt(TStream& stream, int i, const SlideBlock& block) {
    TStreamPositionGuard guard(stream);
    stream.SetPosition(kLibHeaderSize + int64_t{kSlideBlockSize} * i);
    WriteSlideBlock(stream, block);
}
