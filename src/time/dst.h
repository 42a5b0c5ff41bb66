#pragma once
// Daylight saving by whole calendar months. The rule table is compiled in;
// the operating system's zone database is never asked, so the shown offset
// stays the same on every machine.

#include <QString>
#include <QStringView>

#include <array>
#include <optional>
#include <string_view>

namespace orbilex {

struct DstRule {
    std::string_view country; // exact list name
    int startMonth; // the season lies strictly between these two months,
    int endMonth; // across the turn of the year when the start is the later one
    std::string_view shifted; // empty: derived from the deviation shown (North America)
};

// clang-format off
inline constexpr std::array<DstRule, 75> kDstRules = {{
    {"Albania", 3, 11, "+02:00:00"}, // 1 Albania
    {"Andorra", 3, 11, "+02:00:00"}, // 4 Andorra
    {"Armenia", 3, 11, "+05:00:00"}, // 10 Armenia
    {"Australia", 10, 4, "+11:00:00"}, // 12 Australia
    {"Austria", 3, 11, "+02:00:00"}, // 13 Austria
    {"Azerbaijan", 3, 11, "+05:00:00"}, // 14 Azerbaijan
    {"Bahamas", 3, 11, ""}, // 15 Bahamas
    {"Belarus", 3, 11, "+03:00:00"}, // 20 Belarus
    {"Belgium", 3, 11, "+02:00:00"}, // 21 Belgium
    {"Bosnia and Herzegovina", 3, 11, "+02:00:00"}, // 27 Bosnia and Herzegovina
    {"Brazil", 10, 3, "-02:00:00"}, // 30 Brazil
    {"Bulgaria", 3, 11, "+03:00:00"}, // 33 Bulgaria
    {"Canada", 3, 11, ""}, // 38 Canada
    {"Chile", 9, 3, "-03:00:00"}, // 43 Chile
    {"Croatia (Hrvatska)", 3, 11, "+02:00:00"}, // 54 Croatia (Hrvatska)
    {"Cyprus", 3, 11, "+03:00:00"}, // 56 Cyprus
    {"Czech", 3, 11, "+02:00:00"}, // 57 Czech
    {"Denmark", 3, 11, "+02:00:00"}, // 58 Denmark
    {"Egypt", 4, 10, "+03:00:00"}, // 63 Egypt
    {"Estonia", 3, 11, "+03:00:00"}, // 67 Estonia
    {"Falkland Islands (Islas Malvinas)", 8, 4, "-03:00:00"}, // 69 Falkland Islands (Islas Malvinas)
    {"Faroe Islands", 3, 11, "+01:00:00"}, // 70 Faroe Islands
    {"Finland", 3, 11, "+03:00:00"}, // 72 Finland
    {"France", 3, 11, "+02:00:00"}, // 73 France
    {"Gaza Strip", 3, 11, "+03:00:00"}, // 79 Gaza Strip
    {"Germany", 3, 11, "+02:00:00"}, // 81 Germany
    {"Gibraltar", 3, 11, "+02:00:00"}, // 83 Gibraltar
    {"Greece", 3, 11, "+03:00:00"}, // 84 Greece
    {"Greenland", 3, 11, "-02:00:00"}, // 85 Greenland
    {"Holy See (Vatican City)", 3, 11, "+02:00:00"}, // 96 Holy See (Vatican City)
    {"Hungary", 3, 11, "+02:00:00"}, // 100 Hungary
    {"Iran", 3, 10, "+04:30:00"}, // 104 Iran
    {"Iraq", 3, 10, "+04:00:00"}, // 105 Iraq
    {"Israel", 3, 10, "+03:00:00"}, // 107 Israel
    {"Italy", 3, 11, "+02:00:00"}, // 108 Italy
    {"Jordan", 3, 11, "+03:00:00"}, // 115 Jordan
    {"Kyrgyzstan", 3, 11, "+06:00:00"}, // 123 Kyrgyzstan
    {"Latvia", 3, 11, "+03:00:00"}, // 125 Latvia
    {"Lebanon", 3, 11, "+03:00:00"}, // 126 Lebanon
    {"Liechtenstein", 3, 11, "+02:00:00"}, // 130 Liechtenstein
    {"Lithuania", 3, 11, "+03:00:00"}, // 131 Lithuania
    {"Luxembourg", 3, 11, "+02:00:00"}, // 132 Luxembourg
    {"Macedonia, The Former Republic of Yugoslav", 3, 11, "+02:00:00"}, // 134 Macedonia, The Former Republic of Yugoslav
    {"Malta", 3, 11, "+02:00:00"}, // 140 Malta
    {"Mexico", 3, 11, ""}, // 147 Mexico
    {"Moldova", 3, 11, "+03:00:00"}, // 150 Moldova
    {"Monaco", 3, 11, "+02:00:00"}, // 151 Monaco
    {"Mongolia", 3, 10, "+09:00:00"}, // 152 Mongolia
    {"Namibia", 8, 4, "+02:00:00"}, // 157 Namibia
    {"Netherlands", 3, 11, "+02:00:00"}, // 161 Netherlands
    {"New Zealand", 9, 4, "+13:00:00"}, // 164 New Zealand
    {"Nicaragua", 3, 10, "-05:00:00"}, // 165 Nicaragua
    {"Norway", 3, 11, "+02:00:00"}, // 171 Norway
    {"Palestinian Territory", 3, 11, "+03:00:00"}, // 176 Palestinian Territory
    {"Paraguay", 10, 3, "-03:00:00"}, // 179 Paraguay
    {"Poland", 3, 11, "+02:00:00"}, // 183 Poland
    {"Portugal", 3, 11, "+01:00:00"}, // 184 Portugal
    {"Romania", 3, 11, "+03:00:00"}, // 188 Romania
    {"Russia", 3, 11, "+04:00:00"}, // 189 Russia
    {"San Marino", 3, 11, "+02:00:00"}, // 197 San Marino
    {"Serbia and Montenegro", 3, 11, "+02:00:00"}, // 201 Serbia and Montenegro
    {"Slovakia", 3, 11, "+02:00:00"}, // 205 Slovakia
    {"Slovenia", 3, 11, "+02:00:00"}, // 206 Slovenia
    {"Spain", 3, 11, "+02:00:00"}, // 211 Spain
    {"Sweden", 3, 11, "+02:00:00"}, // 217 Sweden
    {"Switzerland", 3, 11, "+02:00:00"}, // 218 Switzerland
    {"Syria", 3, 10, "+03:00:00"}, // 219 Syria
    {"Tonga", 11, 2, "-10:00:00"}, // 227 Tonga
    {"Tunisia", 4, 10, "+02:00:00"}, // 229 Tunisia
    {"Turkey", 3, 11, "+03:00:00"}, // 230 Turkey
    {"Ukraine", 3, 11, "+03:00:00"}, // 235 Ukraine
    {"United Kingdom", 3, 11, "+01:00:00"}, // 237 United Kingdom
    {"United States", 3, 11, ""}, // 238 United States
    {"Uruguay", 8, 4, "-02:00:00"}, // 239 Uruguay
    {"West Bank", 3, 11, "+03:00:00"}, // 248 West Bank
}};
// clang-format on

// Whether month (1 = January) lies strictly inside the season from startMonth to endMonth.
bool ruleInForce(int startMonth, int endMonth, int month);

// The deviation to put into the GMT field for country in month, or none when
// the country has no rule or is out of season. For the North American
// countries it is derived from presentGmt, the standard deviation of the
// country or of its chosen city: its hours less one, minutes dropped. A text
// that does not start with "-" and two digits of at least one hour (a user's
// own entry, the unknown mark "-") gives none, so the field keeps what it has.
std::optional<QString> dstDeviation(QStringView country, int month, QStringView presentGmt);

} // namespace orbilex
