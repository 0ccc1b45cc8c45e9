// zlib at its best level, the yardstick the writer's deflate is held to: the same format, and
// a packed size no smaller than the writer's.
#pragma once

#include <zlib.h>

#include <string>
#include <string_view>

inline std::string ZlibLevel9(std::string_view data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()),
                  9) != Z_OK)
        return {};
    out.resize(size);
    return out;
}
