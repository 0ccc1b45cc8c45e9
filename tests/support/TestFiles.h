// Temporary folders and small file helpers for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TTempDir {
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::string& Path() const { return m_path; }
    // Path of a file inside the folder.
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_parent;
    std::string m_path;
};

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);

// Runs a shell command; returns its exit status and fills output with stdout and stderr.
int RunCommand(const std::string& command, std::string* output = nullptr);
// Runs the sldtool built with the tests, arguments as given (quoted by the caller).
int RunSldtool(const std::string& arguments, std::string* output = nullptr);
