#include "data/zones.h"

#include <algorithm>

namespace orbilex {

std::span<const std::string_view> countryZones(int country)
{
    if (country < 0 || country >= kCountryCount)
        return {};
    const CountryZones &c = kCountryZones[std::size_t(country)];
    return std::span(kZoneIds).subspan(std::size_t(c.first), std::size_t(c.count));
}

std::string_view noZoneReason(int country)
{
    if (country < 0 || country >= kCountryCount)
        return {};
    return kCountryZones[std::size_t(country)].noZone;
}

std::string_view cityLineZone(std::string_view line)
{
    const auto it = std::ranges::find(kCityLineZones, line, &CityLineZone::line);
    return it == kCityLineZones.end() ? std::string_view() : it->zone;
}

} // namespace orbilex
