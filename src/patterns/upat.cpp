// The pattern file in memory: loading, pattern bodies, storing edits, saving.
#include "patterns/upat.h"

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Streams.h"

#include <algorithm>

namespace {

// No hatch-pattern file comes near these limits (large collections have some ten thousand lines);
// larger files are refused before their lines are built.
constexpr int64_t kMaxPatternFileSize = 16 * 1024 * 1024;
constexpr size_t kMaxPatternLines = 1'000'000;

// A build over a whole file (its thumbnails, its sheet cells) may do this much work per byte of
// the file's text, plus one drawing's full limit. Real patterns need well under a million units
// in a sheet cell (a dense one of the sample files half a million) and take a hundred bytes of
// text or more each; a sheet of the densest patterns costs some 3,000 units per byte, which the
// base covers for files of hundreds of them. A 64 KB file of costly patterns ends in seconds.
constexpr uint64_t kBuildWorkPerByte = 2000;
constexpr uint64_t kBuildWorkBase = kPatternWorkLimit;

} // namespace

TPatternBudget TPatternModule::BuildBudget() const {
    return BuildBudget(Entries.size());
}

TPatternBudget TPatternModule::BuildBudget(size_t drawings) const {
    uint64_t bytes = 0;
    for (const std::string& line : PatternLines)
        bytes += line.size() + 2;
    return TPatternBudget(kBuildWorkBase + kBuildWorkPerByte * bytes, drawings);
}

void TPatternModule::LoadPatternFile(const std::string& path) {
    CurrentPatternLine = -1;
    ScaleText.clear();
    std::string bytes;
    {
        TFileStream file(path, TFileMode::OpenRead);
        const int64_t size = file.Size();
        if (size > kMaxPatternFileSize)
            throw EFileError("\"" + path + "\" is too large for a pattern file");
        bytes.resize(static_cast<size_t>(size));
        try {
            file.ReadBuffer(bytes.data(), bytes.size());
        } catch (const EReadError&) {
            throw EFileError("Cannot read \"" + path + "\"");
        }
    }
    LoadPatternBytes(bytes, path);
}

void TPatternModule::LoadPatternBytes(std::string_view bytes, const std::string& name) {
    CurrentPatternLine = -1;
    ScaleText.clear();
    if (bytes.size() > static_cast<uint64_t>(kMaxPatternFileSize))
        throw EFileError("\"" + name + "\" is too large for a pattern file");
    // Every line but the last ends in CR or LF, so this bounds the number of lines.
    if (static_cast<size_t>(std::count_if(bytes.begin(), bytes.end(), [](char c) {
            return c == '\r' || c == '\n';
        })) >= kMaxPatternLines)
        throw EFileError("\"" + name + "\" has too many lines for a pattern file");
    PatternLines = SplitPatternLines(bytes);
    EditorModified = false;
    Entries = CollectPatternEntries(PatternLines);
}

std::vector<TPatternEntry> CollectPatternEntries(const std::vector<std::string>& lines) {
    std::vector<TPatternEntry> entries;
    for (size_t i = 0; i < lines.size(); ++i)
        if (IsHeaderLine(lines[i]))
            entries.push_back({HeaderName(lines[i]), static_cast<int>(i), -1});
    return entries;
}

std::vector<std::string> TPatternModule::PatternBody(int headerLine) const {
    std::vector<std::string> body;
    if (headerLine < 0 || static_cast<size_t>(headerLine) >= PatternLines.size())
        return body;
    auto i = static_cast<size_t>(headerLine);
    body.push_back(PatternLines[i]);
    for (++i; i < PatternLines.size() && !IsHeaderLine(PatternLines[i]); ++i)
        body.push_back(PatternLines[i]);
    return body;
}

bool TPatternModule::StoreEditedPattern(const std::vector<std::string>& editorLines,
                                        int selectedEntry) {
    if (!EditorModified || CurrentPatternLine == -1 || selectedEntry < 0 ||
        static_cast<size_t>(selectedEntry) >= Entries.size())
        return false;
    const auto count = static_cast<long>(PatternLines.size());
    // The old block runs from the shown header to the line before the next entry's header.
    const long s = std::min<long>(std::max(CurrentPatternLine, 0), count);
    long e = count - 1;
    if (static_cast<size_t>(selectedEntry) + 1 < Entries.size())
        e = std::min<long>(Entries[static_cast<size_t>(selectedEntry) + 1].HeaderLine - 1, e);
    if (e >= s)
        PatternLines.erase(PatternLines.begin() + s, PatternLines.begin() + e + 1);
    PatternLines.insert(PatternLines.begin() + s, editorLines.begin(), editorLines.end());

    size_t k = 0;
    for (size_t i = 0; i < PatternLines.size() && k < Entries.size(); ++i) {
        if (IsHeaderLine(PatternLines[i])) {
            Entries[k].Name = HeaderName(PatternLines[i]);
            Entries[k].HeaderLine = static_cast<int>(i);
            ++k;
        }
    }
    return true;
}

void TPatternModule::SavePatternFile(const std::string& path) const {
    SaveFileAtomically(path, [this](TStream& out) {
        std::string text;
        for (const std::string& line : PatternLines) {
            text += line;
            text += "\r\n";
        }
        out.WriteBuffer(text.data(), text.size());
    });
}
