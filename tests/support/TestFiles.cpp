#include "TestFiles.h"

#include "base/FileUtil.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/wait.h>

TTempDir::TTempDir() {
    std::string templ = (std::filesystem::temp_directory_path() / "varnel-test-XXXXXX").string();
    if (!::mkdtemp(templ.data()))
        throw std::runtime_error("cannot create a temporary folder");
    // The folder handed out sits inside a fresh parent of its own. A folder tree that watches the
    // temporary folder can then never have listed the parent before this folder existed (a
    // listing read a moment too early drops a new folder from the tree).
    m_parent = templ;
    m_path = m_parent + "/d";
    std::filesystem::create_directory(m_path);
}

TTempDir::~TTempDir() {
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_parent, ec);
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    return ReadWholeFile(path);
}

bool FileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

void WriteFileText(const std::string& path, const std::string& text) {
    WriteFileBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::string ReadFileText(const std::string& path) {
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TScopedEnv::TScopedEnv(const char* name, const std::string& value) : m_name(name) {
    if (const char* old = std::getenv(name)) {
        m_had = true;
        m_old = old;
    }
    ::setenv(name, value.c_str(), 1);
}

TScopedEnv::~TScopedEnv() {
    if (m_had)
        ::setenv(m_name.c_str(), m_old.c_str(), 1);
    else
        ::unsetenv(m_name.c_str());
}

int RunCommand(const std::string& command, std::string* output) {
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return -1;
    std::array<char, 4096> buf{};
    std::string text;
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0)
        text.append(buf.data(), n);
    const int status = ::pclose(pipe);
    if (output)
        *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

int RunSldtool(const std::string& arguments, std::string* output) {
    return RunCommand(std::string("'") + VARNEL_SLDTOOL + "' " + arguments, output);
}

std::string Sldtool(const std::string& arguments, int status) {
    std::string output;
    EXPECT_EQ(RunSldtool(arguments, &output), status) << "sldtool " << arguments << "\n" << output;
    return output;
}

std::string Q(const std::string& path) {
    return "'" + path + "'";
}
