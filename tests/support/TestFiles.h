// Temporary folders and small file helpers for tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <exception>
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
// A file's bytes as text, and text written as a file's bytes.
void WriteFileText(const std::string& path, const std::string& text);
std::string ReadFileText(const std::string& path);

// Sets an environment variable for its lifetime; the old value (or its absence) comes back.
class TScopedEnv {
public:
    TScopedEnv(const char* name, const std::string& value);
    ~TScopedEnv();
    TScopedEnv(const TScopedEnv&) = delete;
    TScopedEnv& operator=(const TScopedEnv&) = delete;

private:
    std::string m_name;
    bool m_had = false;
    std::string m_old;
};

// Runs a shell command; returns its exit status and fills output with stdout and stderr.
int RunCommand(const std::string& command, std::string* output = nullptr);
// Runs the sldtool built with the tests, arguments as given (quoted by the caller).
int RunSldtool(const std::string& arguments, std::string* output = nullptr);
// Runs sldtool and expects the exit status given; returns its stdout and stderr.
std::string Sldtool(const std::string& arguments, int status = 0);
// A path in single quotes, for a shell command.
std::string Q(const std::string& path);

// The message of the E that f throws; the test fails when f throws nothing.
template <class E = std::exception, class F> std::string MessageOf(F f) {
    try {
        f();
    } catch (const E& e) {
        return e.what();
    }
    ADD_FAILURE() << "no exception";
    return "";
}
