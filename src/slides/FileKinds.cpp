#include "slides/FileKinds.h"

#include "base/Paths.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

namespace {

// A library's header text begins with these words; a slide file's with the longer text below,
// which the library's does not share (a library goes on with " Library").
const char kLibraryHead[] = "AutoCAD Slide Library";
const char kSlideHead[] = "AutoCAD Slide\r\n\x1a";

const char kBinaryDxfHead[] = "AutoCAD Binary DXF\r\n\x1a";

bool StartsWith(const void* head, size_t size, const char* text, size_t length) {
    return size >= length && std::memcmp(head, text, length) == 0;
}

// The next line of text, its blanks and line end taken off; false when the bytes end first
// (a line cut off by the end of the bytes is not a whole line).
bool NextLine(std::string_view& text, std::string_view& line) {
    const size_t end = text.find('\n');
    if (end == std::string_view::npos)
        return false;
    line = text.substr(0, end);
    text.remove_prefix(end + 1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r'))
        line.remove_suffix(1);
    return true;
}

// An ASCII DXF file opens with the group "0" "SECTION", after one comment group "999" at most.
bool IsDxfHead(std::string_view text) {
    std::string_view code, value;
    if (!NextLine(text, code) || !NextLine(text, value))
        return false;
    if (code == "999" && (!NextLine(text, code) || !NextLine(text, value)))
        return false;
    return code == "0" && value == "SECTION";
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
    if (SameText(ext, ".dxf"))
        return TFileKind::Drawing;
    return TFileKind::Other;
}

TFileKind FileKindOfBytes(const void* head, size_t size) {
    if (StartsWith(head, size, kLibraryHead, sizeof kLibraryHead - 1))
        return TFileKind::Library;
    if (StartsWith(head, size, kSlideHead, sizeof kSlideHead - 1))
        return TFileKind::Slide;
    if (StartsWith(head, size, kBinaryDxfHead, sizeof kBinaryDxfHead - 1) ||
        IsDxfHead(std::string_view(static_cast<const char*>(head), size)))
        return TFileKind::Drawing;
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
    char head[512] = {}; // room for a drawing's opening comment
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return TFileKind::Other;
    in.read(head, sizeof head);
    return FileKindOfBytes(head, static_cast<size_t>(in.gcount()));
}
