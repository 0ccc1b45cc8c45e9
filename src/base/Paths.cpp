#include "base/Paths.h"

#include <algorithm>
#include <filesystem>

namespace {

unsigned char Lower(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 'A' && u <= 'Z' ? static_cast<unsigned char>(u + 32) : u;
}

// The position of the extension's dot in the last component, or npos.
size_t ExtensionDot(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::string::npos;
    return dot;
}

} // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ExtensionOf(const std::string& path) {
    const auto dot = ExtensionDot(path);
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string StemOf(const std::string& path) {
    const std::string base = BaseName(path);
    const auto dot = base.find_last_of('.');
    return dot == std::string::npos ? base : base.substr(0, dot);
}

std::string ChangeFileExt(const std::string& name, const std::string& ext) {
    const auto dot = ExtensionDot(name);
    return (dot == std::string::npos ? name : name.substr(0, dot)) + ext;
}

bool SameText(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

bool SamePlace(const std::string& a, const std::string& b) {
    auto trimmed = [](std::string s) {
        while (s.size() > 1 && s.back() == '/')
            s.pop_back();
        return s;
    };
    if (SameText(trimmed(a), trimmed(b)))
        return true;
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

bool LessText(const std::string& a, const std::string& b) {
    const auto [pa, pb] = std::mismatch(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Lower(x) == Lower(y); });
    if (pa == a.end() || pb == b.end())
        return pb != b.end() || (pa == a.end() && a < b);
    return Lower(*pa) < Lower(*pb);
}
