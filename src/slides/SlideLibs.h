// The slide library file (*.slb): a 32-byte header, a directory of 36-byte entries (32-byte
// name field, 32-bit little-endian offset) closed by an entry with an empty name, then the
// slides' bytes one after another.
#pragma once

#include "base/Streams.h"

#include <cstdint>
#include <string>

struct SlideLibHeader {
    std::string Text;
};

struct SlideBlock {
    std::string Name;
    int32_t Offset = 0;
};

inline constexpr int kLibHeaderSize = 32;
inline constexpr int kSlideBlockSize = 36;
inline constexpr int kNameFieldSize = 32;

// Copies the first min(length, max) characters of text into field and one NUL after them;
// the rest of the field is left as it is.
void StrToField(char* field, int max, const std::string& text);
// The characters of field up to its first NUL, at most max of them.
std::string FieldToStr(const char* field, int max);

// Reads 32 bytes; returns the header text (up to the first NUL, at most 31 characters).
std::string ReadLibHeader(TStream& stream);
// Writes 32 bytes: the text cut to 31 characters, NULs after it.
void WriteLibHeader(TStream& stream, const std::string& text);
// Reads one 36-byte directory entry.
SlideBlock ReadSlideBlock(TStream& stream);
// Writes one entry: the name upper-cased (a..z only) and cut to 31 characters, then the offset.
void WriteSlideBlock(TStream& stream, const SlideBlock& block);
// Writes entry i at 32 + 36 i and moves back to where the stream was (also on failure).
void WriteSlideBlockAt(TStream& stream, int i, const SlideBlock& block);
