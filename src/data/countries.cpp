#include "data/countries.h"

#include <algorithm>
#include <functional>

namespace orbilex {

namespace {

constexpr char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

template<typename Equal> std::optional<int> findName(std::string_view name, Equal equal)
{
    const auto it = std::ranges::find_if(kCountryNames, [&](std::string_view entry) { return equal(entry, name); });
    if (it == kCountryNames.end())
        return std::nullopt;
    return int(it - kCountryNames.begin());
}

} // namespace

std::optional<int> countryIndexByName(std::string_view name)
{
    return findName(name, equalsIgnoringCase);
}

std::optional<int> countryIndexByExactName(std::string_view name)
{
    return findName(name, std::equal_to<> {});
}

} // namespace orbilex
