// The filter fields above the slide list and the pattern list: which items a filter shows, and
// the status text that says how many. Both lists match their names by one rule, MatchesFilter.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The indices of the names that filter shows (MatchesFilter), in list order; every index for an
// empty filter.
std::vector<int> ShownByFilter(const std::vector<std::string>& names, const std::string& filter);

// "12 of 1,000 slides": shown of total things, the numbers with a comma between thousands.
std::string ShownCountText(size_t shown, size_t total, const std::string& things);
