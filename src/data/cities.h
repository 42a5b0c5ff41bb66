#pragma once
// The city lists: the United Kingdom and United States lists, the city
// time-zone table and the city kind of each record. A city line is display
// text, never parsed and compared only as a whole.

#include "data/citylines.h"

#include <array>
#include <span>
#include <string_view>

namespace orbilex {

inline constexpr int kUnitedKingdomIndex = 237;
inline constexpr int kUnitedStatesIndex = 238;

inline constexpr std::array<std::string_view, 15> kUnitedKingdomCities = {{
    "Belfast  28                54° 36' N      5° 55' W",
    "Cambridge  1223",
    "Cardiff  29                51° 28' N      3° 10' W",
    "Coventry  24",
    "Durham  1385",
    "Edinburgh  131                55° 55' N      3° 11' W",
    "Glasgow  141               55° 52' N      4° 17' W",
    "Leeds  113",
    "* London  20                 51° 29' N      0° 0' W",
    "Liverpool  151",
    "Manchester  161",
    "Nottingham  115",
    "Oxford  1865",
    "Sheffield  114",
    "Southampton  23",
}};

// The position in this list is what the settings store keeps for the United
// States, so the order is stored data: keep it as it is.
inline constexpr std::array<std::string_view, 93> kUnitedStatesCities = {{
    "Alaska  907", // 0
    "Albuquerque  505", // 1
    "Anchorage  907", // 2
    "Atlanta  404", // 3
    "Atlantic City  609", // 4
    "Austin  512", // 5
    "Baltimore  410", // 6
    "Baton Rouge  225", // 7
    "Battle Creek  616", // 8
    "Birmingham  205", // 9
    "Bloomfield  201", // 10
    "Boston  617", // 11
    "Bridgeport  203", // 12
    "Buffalo  716", // 13
    "Burbank  818", // 14
    "Burlington  843", // 15
    "Cape Cod  508", // 16
    "Charleston  843", // 17
    "Charlotte  704", // 18
    "Chattanooga  423", // 19
    "Chicago  312", // 20
    "Cincinnati  513", // 21
    "Clearwater  727", // 22
    "Cleveland  216", // 23
    "Colorado Springs  719", // 24
    "Columbia  803", // 25
    "Columbus  662/614", // 26
    "Corpus Christi  361", // 27
    "Dallas  214", // 28
    "Denver  303", // 29
    "Des Moines  989", // 30
    "Detroit  313", // 31
    "El Paso  915", // 32
    "Fort Lauderdale  954", // 33
    "Fort Worth  817", // 34
    "Grand Rapids  989", // 35
    "Hartford  860", // 36
    "Hawaii  808", // 37
    "Hollywood  213", // 38
    "Honolulu  808", // 39
    "Houston  713", // 40
    "Indianapolis  317", // 41
    "Jackson  601", // 42
    "Jersey City  201", // 43
    "Kansas City  816", // 44
    "LasVegas  702", // 45
    "Long Beach  562", // 46
    "Los Angeles  213", // 47
    "Louisville  502", // 48
    "Manhattan  212", // 49
    "Memphis  901", // 50
    "Miami  305", // 51
    "Milwaukee  414", // 52
    "Minneapolis  612", // 53
    "Mobile  334", // 54
    "Montana 406", // 55
    "Nashville  615", // 56
    "New Haven  203", // 57
    "New Orleans  504", // 58
    "New York  718", // 59
    "Newark  201", // 60
    "Norfolk  757", // 61
    "Oklahoma City  405", // 62
    "Omaha  402", // 63
    "Orlando  407", // 64
    "Palm Springs  619", // 65
    "Pasadena  626", // 66
    "Philadelphia  215", // 67
    "Phoenix  602", // 68
    "Pittsburgh  412", // 69
    "Portland  503", // 70
    "Providence  401", // 71
    "Richmond  804", // 72
    "Rochester  585", // 73
    "Rockford  815", // 74
    "Sacramento  916", // 75
    "Salt Lake City  801", // 76
    "San Diego  619", // 77
    "San Francisco  415", // 78
    "San Jose  408", // 79
    "Seattle  206", // 80
    "Springfield  413", // 81
    "Saint Louis  314", // 82
    "Saint Paul  651", // 83
    "Syracuse  315", // 84
    "Tampa  813", // 85
    "Toledo  419", // 86
    "Tulsa  918", // 87
    "* Washington  202", // 88
    "Wichita  316", // 89
    "Wilmington  302", // 90
    "Yonkers  914", // 91
    "Youngstown  330", // 92
}};

struct CityZone {
    std::string_view line;
    std::string_view gmt;
};

// North American lines set the GMT deviation to their city's zone.
inline constexpr std::array<CityZone, 43> kCityZones = {{
    {"Montreal  514/450          45° 28' N     73° 45' W", "-05:00:00"},
    {"* Ottawa  613                 45° 19' N     75° 40' W", "-05:00:00"},
    {"Toronto  416                   43° 41' N     79° 38' W", "-05:00:00"},
    {"Vancouver  604/778        49° 11' N    123° 10' W", "-08:00:00"},
    {"Edmonton  403                  53° 34' N    113° 31' W", "-08:00:00"},
    {"LasVegas  702", "-08:00:00"},
    {"Long Beach  562", "-08:00:00"},
    {"Los Angeles  213", "-08:00:00"},
    {"Portland  503", "-08:00:00"},
    {"Sacramento  916", "-08:00:00"},
    {"San Diego  619", "-08:00:00"},
    {"San Francisco  415", "-08:00:00"},
    {"San Jose  408", "-08:00:00"},
    {"Seattle  206", "-08:00:00"},
    {"Palm Springs  619", "-08:00:00"},
    {"Honolulu  808", "-10:00:00"},
    {"Anchorage  907", "-09:00:00"},
    {"Alaska  907", "-09:00:00"},
    {"Albuquerque  505", "-07:00:00"},
    {"Denver  303", "-07:00:00"},
    {"El Paso  915", "-07:00:00"},
    {"Salt Lake City  801", "-07:00:00"},
    {"Phoenix  602", "-07:00:00"},
    {"Austin  512", "-06:00:00"},
    {"Baton Rouge  225", "-06:00:00"},
    {"Birmingham  205", "-06:00:00"},
    {"Chicago  312", "-06:00:00"},
    {"Dallas  214", "-06:00:00"},
    {"Des Moines  989", "-06:00:00"},
    {"Houston  713", "-06:00:00"},
    {"Jackson  601", "-06:00:00"},
    {"Kansas City  816", "-06:00:00"},
    {"Memphis  901", "-06:00:00"},
    {"Milwaukee  414", "-06:00:00"},
    {"Minneapolis  612", "-06:00:00"},
    {"Mobile  334", "-06:00:00"},
    {"Nashville  615", "-06:00:00"},
    {"New Orleans  504", "-06:00:00"},
    {"Oklahoma City  405", "-06:00:00"},
    {"Saint Louis  314", "-06:00:00"},
    {"Saint Paul  651", "-06:00:00"},
    {"Wichita  316", "-06:00:00"},
    {"Omaha  402", "-06:00:00"},
}};

enum class CityKind { None, Own, UnitedKingdom, UnitedStates };

CityKind cityKind(int country);

// The record's own lines in record order; empty unless cityKind is Own.
std::span<const OwnCityLine> ownCityLines(int country);

// The deviation a selected line sets: its zone's, "-05:00:00" for any other
// United States line, empty (leave the field alone) otherwise.
std::string_view cityGmt(std::string_view line, std::string_view country);

} // namespace orbilex
