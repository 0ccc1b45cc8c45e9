// A small INI file: "[Section]" lines and "Key=Value" lines, as the settings file uses them.
// Section and key names compare without regard to letter case; the order in which they were first
// written is kept when the file is saved.
#pragma once

#include <string>
#include <vector>

class TIniFile {
public:
    // Reads path when it exists. A missing, unreadable, oversized or non-text file gives an
    // empty file (every read returns its default); lines that are neither a section nor a
    // key are ignored.
    explicit TIniFile(std::string path);

    const std::string& FileName() const { return m_path; }
    // True when the file existed and was read.
    bool Loaded() const { return m_loaded; }

    bool HasKey(const std::string& section, const std::string& key) const;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;
    // The value as a decimal integer; the default when missing or not a number.
    int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
    // Comma-separated decimal integers ("1,2,3,4"); empty when any of them is not a number.
    std::vector<int> ReadIntegers(const std::string& section, const std::string& key) const;

    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int value);

    // The text that Save writes.
    std::string Text() const;
    // Replaces the file atomically; throws EFileError / EWriteError when it cannot.
    void Save() const;

private:
    struct TEntry {
        std::string Key;
        std::string Value;
    };
    struct TSection {
        std::string Name;
        std::vector<TEntry> Entries;
    };
    void Parse(const std::string& text);
    const TEntry* Find(const std::string& section, const std::string& key) const;
    TSection& SectionFor(const std::string& name);

    std::string m_path;
    bool m_loaded = false;
    std::vector<TSection> m_sections;
};
