#include "slides/SlideNames.h"

#include "base/CodePage.h"
#include "base/Errors.h"
#include "base/Paths.h"

#include <algorithm>

std::string ToSlideName(const std::string& utf8) {
    std::string name = Utf8ToCp1252(utf8);
    if (Cp1252ToUtf8(name) != utf8)
        throw EVarnelError("the slide name \"" + utf8 +
                           "\" holds characters that a slide library cannot store");
    return name;
}

std::string StoredSlideName(const std::string& name) {
    std::string stored = name.substr(0, kLibraryNameLength);
    for (char& c : stored)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return stored;
}

std::string LibrarySlideName(const std::string& fileName) {
    const auto dot = fileName.find_last_of('.');
    return StoredSlideName(fileName.substr(0, std::min(dot, fileName.size())));
}

std::string RenamedSlideName(const std::string& answer) {
    if (SameText(ExtensionOf(answer), ".sld"))
        return answer.substr(0, answer.size() - 4);
    return answer;
}

std::string RenamedSlideFileName(const std::string& answer) {
    return ExtensionOf(answer).empty() ? answer + ".sld" : answer;
}

std::string SafeFileName(const std::string& utf8) {
    std::string name = utf8;
    std::replace(name.begin(), name.end(), '/', '_');
    std::replace(name.begin(), name.end(), '\0', '_');
    return name;
}

std::string SlideFileName(const std::string& slideName) {
    return SafeFileName(Cp1252ToUtf8(slideName)) + ".sld";
}
