// Pattern file lines and the line rules every renderer applies.
#include "patterns/upat.h"

#include <charconv>
#include <cmath>

std::vector<std::string> SplitPatternLines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(bytes.substr(start, i - start));
            // CR LF is one line end; a lone CR or a lone LF is one too.
            i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size())
        lines.emplace_back(bytes.substr(start));
    return lines;
}

int FindChar(std::string_view text, char ch, int start) {
    if (text.empty() || start < 1 || static_cast<size_t>(start) > text.size())
        return 0;
    const size_t at = text.find(ch, static_cast<size_t>(start) - 1);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

std::string HeaderName(std::string_view headerLine) {
    if (!IsHeaderLine(headerLine))
        return {};
    const int comma = FindChar(headerLine, ',', 1);
    if (comma == 0)
        return std::string(headerLine.substr(1));
    return std::string(headerLine.substr(1, static_cast<size_t>(comma) - 2));
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Bytes 0..32 count as blank for the "is this line empty" test.
bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

bool ParsePatternNumber(std::string_view field, double& value) {
    size_t b = 0;
    size_t e = field.size();
    while (b < e && IsBlank(field[b]))
        ++b;
    while (e > b && IsBlank(field[e - 1]))
        --e;
    std::string_view s = field.substr(b, e - b);
    bool negative = false;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    // from_chars would take "inf" and "nan" and a second sign; a number starts with a digit or
    // a decimal point.
    if (s.empty() || !((s[0] >= '0' && s[0] <= '9') || s[0] == '.'))
        return false;
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v))
        return false;
    value = negative ? -v : v;
    return true;
}

TPatternLineKind ParseFamilyLine(std::string_view text, TLineFamily& family, std::string* name) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && IsControlOrBlank(text[b]))
        ++b;
    while (e > b && IsControlOrBlank(text[e - 1]))
        --e;
    if (b == e || text[0] == ';')
        return TPatternLineKind::Skipped;
    if (text[0] == '*') {
        if (name)
            *name = HeaderName(text);
        return TPatternLineKind::Header;
    }

    // An inline comment runs from the first ';' to the end of the line.
    if (const int semicolon = FindChar(text, ';', 1))
        text = text.substr(0, static_cast<size_t>(semicolon) - 1);

    family.DeltaX = 0;
    family.DeltaY = 0;
    family.DashCount = 0;
    double* const fixed[5] = {&family.Angle, &family.XOrigin, &family.YOrigin, &family.DeltaX,
                              &family.DeltaY};
    int k = 0; // index of the field
    size_t from = 0;
    for (;;) {
        const size_t comma = text.find(',', from);
        const std::string_view field = text.substr(
            from, comma == std::string_view::npos ? std::string_view::npos : comma - from);
        double v = 0;
        if (!ParsePatternNumber(field, v))
            v = 0;
        if (k < 5)
            *fixed[k] = v;
        else if (family.DashCount < MaxDashes)
            family.Dashes[static_cast<size_t>(family.DashCount++)] = v;
        ++k;
        if (comma == std::string_view::npos)
            break;
        from = comma + 1;
    }
    return TPatternLineKind::Family;
}
