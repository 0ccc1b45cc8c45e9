#include "model/ListFilter.h"

#include "base/FileUtil.h"

namespace {

std::string GroupedNumber(size_t n) {
    std::string digits = std::to_string(n);
    for (size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

} // namespace

std::vector<int> ShownByFilter(const std::vector<std::string>& names, const std::string& filter) {
    std::vector<int> shown;
    shown.reserve(names.size());
    for (size_t i = 0; i < names.size(); ++i)
        if (MatchesFilter(names[i], filter))
            shown.push_back(static_cast<int>(i));
    return shown;
}

std::string ShownCountText(size_t shown, size_t total, const std::string& things) {
    return GroupedNumber(shown) + " of " + GroupedNumber(total) + " " + things;
}
