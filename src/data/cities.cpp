#include "data/cities.h"

#include <algorithm>

namespace orbilex {

namespace {

constexpr bool sortedByCountry()
{
    return std::ranges::is_sorted(kOwnCityLines, {}, &OwnCityLine::country);
}
static_assert(sortedByCountry(), "own city lines must stay in country-index order");

} // namespace

std::span<const OwnCityLine> ownCityLines(int country)
{
    const auto range = std::ranges::equal_range(kOwnCityLines, country, {}, &OwnCityLine::country);
    return {range.begin(), range.end()};
}

CityKind cityKind(int country)
{
    if (country == kUnitedKingdomIndex)
        return CityKind::UnitedKingdom;
    if (country == kUnitedStatesIndex)
        return CityKind::UnitedStates;
    return ownCityLines(country).empty() ? CityKind::None : CityKind::Own;
}

std::string_view cityGmt(std::string_view line, std::string_view country)
{
    const auto it = std::ranges::find(kCityZones, line, &CityZone::line);
    if (it != kCityZones.end())
        return it->gmt;
    return country == "United States" ? std::string_view("-05:00:00") : std::string_view();
}

} // namespace orbilex
