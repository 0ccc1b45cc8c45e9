#include "slides/FileKinds.h"

#include "base/Paths.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

// A library's header text begins with these words; a slide file's with the longer text below,
// which the library's does not share (a library goes on with " Library").
const char kLibraryHead[] = "AutoCAD Slide Library";
const char kSlideHead[] = "AutoCAD Slide\r\n\x1a";

bool StartsWith(const void* head, size_t size, const char* text, size_t length) {
    return size >= length && std::memcmp(head, text, length) == 0;
}

} // namespace

const char* const kSlideFileMask = "*.sld";
const char* const kSourceFileMask = "*.slb;*.pat";

TFileKind FileKindOfName(const std::string& name) {
    const std::string ext = ExtensionOf(name);
    if (SameText(ext, ".sld"))
        return TFileKind::Slide;
    if (SameText(ext, ".slb"))
        return TFileKind::Library;
    if (SameText(ext, ".pat"))
        return TFileKind::Pattern;
    return TFileKind::Other;
}

TFileKind FileKindOfBytes(const void* head, size_t size) {
    if (StartsWith(head, size, kLibraryHead, sizeof kLibraryHead - 1))
        return TFileKind::Library;
    if (StartsWith(head, size, kSlideHead, sizeof kSlideHead - 1))
        return TFileKind::Slide;
    return TFileKind::Other;
}

TFileKind FileKindOf(const std::string& path) {
    const TFileKind byName = FileKindOfName(path);
    if (byName != TFileKind::Other)
        return byName;
    // Only a plain file is read: a pipe or a device could keep the reader waiting for ever.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return TFileKind::Other;
    char head[32] = {};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return TFileKind::Other;
    in.read(head, sizeof head);
    return FileKindOfBytes(head, static_cast<size_t>(in.gcount()));
}
