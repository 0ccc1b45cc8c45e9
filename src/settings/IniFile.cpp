#include "settings/IniFile.h"

#include "base/FileUtil.h"
#include "base/Paths.h"
#include "base/Streams.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace {

// Settings files are a few hundred bytes; anything far larger is not ours.
constexpr std::streamoff kMaxIniSize = 1 << 20;

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

bool ParseInt(const std::string& text, int& value) {
    const std::string t = Trim(text);
    if (t.empty())
        return false;
    const char* begin = t.data();
    if (*begin == '+')
        ++begin;
    const char* end = t.data() + t.size();
    auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end;
}

} // namespace

TIniFile::TIniFile(std::string path) : m_path(std::move(path)) {
    std::ifstream in(m_path, std::ios::binary);
    if (!in)
        return;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kMaxIniSize)
        return;
    in.seekg(0);
    std::string text(static_cast<size_t>(size), '\0');
    if (!in.read(text.data(), size))
        return;
    // A file holding NUL bytes is not a settings file: use the defaults.
    if (text.find('\0') != std::string::npos)
        return;
    Parse(text);
    m_loaded = true;
}

void TIniFile::Parse(const std::string& text) {
    std::istringstream lines(text);
    std::string line;
    TSection* current = nullptr;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            current =
                close == std::string::npos ? nullptr : &SectionFor(Trim(line.substr(1, close - 1)));
            continue;
        }
        const auto eq = line.find('=');
        if (!current || eq == std::string::npos || eq == 0)
            continue;
        const std::string key = Trim(line.substr(0, eq));
        if (!key.empty() && !Find(current->Name, key))
            current->Entries.push_back({key, Trim(line.substr(eq + 1))});
    }
}

TIniFile::TSection& TIniFile::SectionFor(const std::string& name) {
    for (TSection& s : m_sections)
        if (SameText(s.Name, name))
            return s;
    m_sections.push_back({name, {}});
    return m_sections.back();
}

const TIniFile::TEntry* TIniFile::Find(const std::string& section, const std::string& key) const {
    for (const TSection& s : m_sections) {
        if (!SameText(s.Name, section))
            continue;
        for (const TEntry& e : s.Entries)
            if (SameText(e.Key, key))
                return &e;
    }
    return nullptr;
}

bool TIniFile::HasKey(const std::string& section, const std::string& key) const {
    return Find(section, key) != nullptr;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
    const TEntry* e = Find(section, key);
    return e ? e->Value : defaultValue;
}

int TIniFile::ReadInteger(const std::string& section, const std::string& key,
                          int defaultValue) const {
    const TEntry* e = Find(section, key);
    int value = 0;
    return e && ParseInt(e->Value, value) ? value : defaultValue;
}

std::vector<int> TIniFile::ReadIntegers(const std::string& section, const std::string& key) const {
    std::vector<int> values;
    const TEntry* e = Find(section, key);
    if (!e)
        return values;
    std::istringstream parts(e->Value);
    std::string part;
    while (std::getline(parts, part, ',')) {
        int v = 0;
        if (!ParseInt(part, v))
            return {};
        values.push_back(v);
    }
    return values;
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
    // Line breaks would split the entry: keep the value on its line.
    std::string clean = value;
    std::replace(clean.begin(), clean.end(), '\n', ' ');
    std::replace(clean.begin(), clean.end(), '\r', ' ');
    TSection& s = SectionFor(section);
    for (TEntry& e : s.Entries) {
        if (SameText(e.Key, key)) {
            e.Value = clean;
            return;
        }
    }
    s.Entries.push_back({key, clean});
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
    WriteString(section, key, std::to_string(value));
}

std::string TIniFile::Text() const {
    std::string text;
    for (const TSection& s : m_sections) {
        if (!text.empty())
            text += "\n";
        text += "[" + s.Name + "]\n";
        for (const TEntry& e : s.Entries)
            text += e.Key + "=" + e.Value + "\n";
    }
    return text;
}

void TIniFile::Save() const {
    const std::string text = Text();
    SaveFileAtomically(m_path, [&](TStream& out) { out.WriteBuffer(text.data(), text.size()); });
}
