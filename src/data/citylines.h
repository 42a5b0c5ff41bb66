#pragma once
// The short city lists kept in the country records, each in the order its record shows them.
// A line is only ever shown and compared whole (the North American time-zone rule matches it
// exactly), so its blanks, capital mark and column padding are data and must stay as they are.
#include "data/countries.h"
namespace orbilex {
struct OwnCityLine {
    int country; // country index
    std::string_view text; // display text, never parsed
};
inline constexpr std::array<OwnCityLine, 175> kOwnCityLines = {{
    {0, "* Kabul  20                 34° 35' N     69° 12' E"}, // 0 Afghanistan
    {1, "* Tirana  4"}, // 1 Albania
    {1, "Durres  52"}, // 1 Albania
    {2, "* Algiers  21              36° 45' N      3° 3' E"}, // 2 Algeria
    {5, "* Luanda  2"}, // 5 Angola
    {9, "* Buenos Aires  11         34° 36' S     58° 22' W"}, // 9 Argentina
    {9, "Cordoba  351"}, // 9 Argentina
    {10, "* Yerevan  10              40° 10' N     44° 30' E"}, // 10 Armenia
    {12, "Sydney  2                  33° 52' S    151° 13' E"}, // 12 Australia
    {12, "Melbourne  3"}, // 12 Australia
    {12, "* Canberra  2              35° 16' S    149° 8' E"}, // 12 Australia
    {12, "Brisbane  7"}, // 12 Australia
    {12, "Perth  8"}, // 12 Australia
    {13, "* Vienna  1                48° 12' N     16° 22' E"}, // 13 Austria
    {13, "Salzburg  662"}, // 13 Austria
    {14, "* Baku  12                 40° 23' N     49° 52' E"}, // 14 Azerbaijan
    {15, "* Nassau  242"}, // 15 Bahamas
    {18, "* Dhaka  2                 23° 43' N     90° 24' E"}, // 18 Bangladesh
    {20, "* Minsk  17                53° 54' N     27° 34' E"}, // 20 Belarus
    {21, "* Brussels  2              50° 50' N      4° 20' E"}, // 21 Belgium
    {21, "Antwerp  3"}, // 21 Belgium
    {25, "* Thimphu  2"}, // 25 Bhutan
    {26, "La Paz  2                  16° 30' S     68° 9' W"}, // 26 Bolivia
    {26, "Santa Cruz  3"}, // 26 Bolivia
    {27, "* Sarajevo  33             43° 52' N     18° 25' E"}, // 27 Bosnia and Herzegovina
    {30, "Rio de Janeiro  21"}, // 30 Brazil
    {30, "Sao Paulo  11              23° 33' S     46° 38' W"}, // 30 Brazil
    {30, "* Brasilia  61             15° 47' S     47° 55' W"}, // 30 Brazil
    {30, "Salvador  71"}, // 30 Brazil
    {32, "* Bandar Seri Begawan 2"}, // 32 Brunei
    {33, "* Sofia  2                 42° 41' N     23° 19' E"}, // 33 Bulgaria
    {36, "* Phnom Penh  23           11° 33' N    104° 55' E"}, // 36 Cambodia
    {38, "Edmonton  403                  53° 34' N    113° 31' W"}, // 38 Canada
    {38, "Montreal  514/450          45° 28' N     73° 45' W"}, // 38 Canada
    {38, "* Ottawa  613                 45° 19' N     75° 40' W"}, // 38 Canada
    {38, "Toronto  416                   43° 41' N     79° 38' W"}, // 38 Canada
    {38, "Vancouver  604/778        49° 11' N    123° 10' W"}, // 38 Canada
    {43, "* Santiago  2              33° 27' S     70° 40' W"}, // 43 Chile
    {44, "* Beijing  10 "}, // 44 China
    {44, "Shanghai  21               31° 14' N    121° 28' E"}, // 44 China
    {44, "Guangzhou  20"}, // 44 China
    {44, "Shenzhen  755"}, // 44 China
    {44, "Tianjin  22"}, // 44 China
    {47, "* Bogota  1                4° 36' N     74° 5' W"}, // 47 Colombia
    {50, "* Kinshasa  12"}, // 50 Congo, Democratic Republic of
    {54, "* Zagreb  1                45° 48' N     16° 0' E"}, // 54 Croatia (Hrvatska)
    {55, "* Havana  7                23° 7' N     82° 21' W"}, // 55 Cuba
    {56, "* Nicosia  22              35° 10' N     33° 22' E"}, // 56 Cyprus
    {57, "* Prague  2                50° 5' N     14° 28' E"}, // 57 Czech
    {58, "* Copenhagen"}, // 58 Denmark
    {61, "* Santo Domingo  809       18° 28' N     69° 54' W"}, // 61 Dominican Republic
    {62, "* Quito  2                 0° 13' S     78° 30' W"}, // 62 Ecuador
    {63, "* Cairo  2                 30° 3' N     31° 15' E"}, // 63 Egypt
    {63, "Alexandria  3"}, // 63 Egypt
    {66, "* Asmara  1"}, // 66 Eritrea
    {68, "* Addis Ababa  1"}, // 68 Ethiopia
    {72, "* Helsinki  9              60° 10' N     24° 56' E"}, // 72 Finland
    {73, "* Paris  1                 48° 52' N      2° 20' E"}, // 73 France
    {73, "Lyon  4"}, // 73 France
    {73, "Marseille  4"}, // 73 France
    {80, "* Tbilisi  32              41° 41' N     44° 50' E"}, // 80 Georgia
    {81, "* Berlin  30                  52° 27' N     13° 18' E"}, // 81 Germany
    {81, "Bonn  228"}, // 81 Germany
    {81, "Dortmund  231"}, // 81 Germany
    {81, "Frankfurt  69"}, // 81 Germany
    {81, "Hamburg  40               53° 33' N      9° 58' E"}, // 81 Germany
    {81, "Munich  89                48° 9' N      11° 34' E"}, // 81 Germany
    {82, "* Accra  21"}, // 82 Ghana
    {84, "* Athens  210              37° 59' N     23° 44' E"}, // 84 Greece
    {98, "* Hong Kong                22° 17' N    114° 9' E"}, // 98 Hong Kong
    {100, "* Budapest  1              47° 30' N     19° 5' E"}, // 100 Hungary
    {101, "* Reykjavik                64° 9' N     21° 57' W"}, // 101 Iceland
    {102, "* New Delhi  11            28° 36' N     77° 12' E"}, // 102 India
    {102, "Mumbai  22                 18° 58' N     72° 50' E"}, // 102 India
    {102, "Kolkata  33"}, // 102 India
    {102, "Chennai  44"}, // 102 India
    {103, "* Jakarta  21              6° 10' S    106° 49' E"}, // 103 Indonesia
    {104, "* Tehran  21               35° 42' N     51° 25' E"}, // 104 Iran
    {105, "* Baghdad  1               33° 20' N     44° 24' E"}, // 105 Iraq
    {106, "* Dublin  1                53° 19' N      6° 14' W"}, // 106 Ireland
    {107, "Tel Aviv  3"}, // 107 Israel
    {107, "Jerusalem  2               31° 46' N     35° 14' E"}, // 107 Israel
    {108, "* Rome  06                 41° 54' N     12° 29' E"}, // 108 Italy
    {108, "Milan  02"}, // 108 Italy
    {108, "Naples  081"}, // 108 Italy
    {109, "* Kingston  876            18° 0' N     76° 48' W"}, // 109 Jamaica
    {111, "* Tokyo  3                 35° 41' N    139° 45' E"}, // 111 Japan
    {111, "Osaka  6"}, // 111 Japan
    {111, "Yokohama  45"}, // 111 Japan
    {111, "Nagoya  52"}, // 111 Japan
    {115, "* Amman  6                 31° 57' N     35° 56' E"}, // 115 Jordan
    {116, "* Astana  3172             51° 10' N     71° 25' E"}, // 116 Kazakhstan
    {117, "* Nairobi  20              1° 17' S     36° 49' E"}, // 117 Kenya
    {120, "* Pyongyang  2             39° 1' N    125° 45' E"}, // 120 Korea, North
    {121, "* Seoul  2                 37° 33' N    126° 59' E"}, // 121 Korea
    {121, "Busan  51"}, // 121 Korea
    {123, "* Bishkek  312"}, // 123 Kyrgyzstan
    {124, "* Vientiane  21"}, // 124 Laos
    {126, "* Beirut  1                33° 52' N     35° 30' E"}, // 126 Lebanon
    {129, "* Tripoli  21              32° 53' N     13° 10' E"}, // 129 Libya
    {131, "* Vilnius  5               54° 41' N     25° 19' E"}, // 131 Lithuania
    {134, "* Skopje  2                42° 0' N     21° 26' E"}, // 134 Macedonia, The Former Republic of Yugoslav
    {135, "* Antananarivo  20"}, // 135 Madagascar
    {137, "* Kuala Lumpur  3          3° 10' N    101° 42' E"}, // 137 Malaysia
    {147, "* Mexico City  55          19° 26' N     99° 8' W"}, // 147 Mexico
    {147, "Guadalajara  33"}, // 147 Mexico
    {147, "Monterrey  81/82/83"}, // 147 Mexico
    {150, "* Chisinau  22"}, // 150 Moldova
    {151, "All Points 93"}, // 151 Monaco
    {152, "* Ulaanbaatar  11"}, // 152 Mongolia
    {154, "* Rabat  37                34° 1' N      6° 49' W"}, // 154 Morocco
    {155, "* Maputo  21"}, // 155 Mozambique
    {156, "Yangon  1                  16° 48' N     96° 9' E"}, // 156 Myanmar
    {157, "* Windhoek  61"}, // 157 Namibia
    {160, "* Kathmandu  1             27° 43' N     85° 19' E"}, // 160 Nepal
    {161, "* Amsterdam  20            52° 21' N      4° 55' E"}, // 161 Netherlands
    {161, "Rotterdam  10"}, // 161 Netherlands
    {164, "* Wellington  4            41° 18' S    174° 47' E"}, // 164 New Zealand
    {165, "* Managua  2"}, // 165 Nicaragua
    {167, "Lagos  1"}, // 167 Nigeria
    {167, "* Abuja  9                 9° 5' N      7° 32' E"}, // 167 Nigeria
    {173, "Karachi  21"}, // 173 Pakistan
    {173, "Lahore  42"}, // 173 Pakistan
    {173, "* Islamabad  51            33° 41' N     73° 3' E"}, // 173 Pakistan
    {176, "Ramallah  2"}, // 176 Palestinian Territory
    {179, "* Asuncion  21"}, // 179 Paraguay
    {180, "* Lima  1                  12° 3' S     77° 3' W"}, // 180 Peru
    {181, "* Manila  2                14° 36' N    120° 58' E"}, // 181 Philippines
    {183, "* Warsaw  22               52° 15' N     21° 0' E"}, // 183 Poland
    {183, "Krakow  12"}, // 183 Poland
    {184, "* Lisbon  21               38° 43' N      9° 8' W"}, // 184 Portugal
    {188, "* Bucharest  21            44° 26' N     26° 6' E"}, // 188 Romania
    {189, "* Moscow  495              55° 45' N     37° 36' E"}, // 189 Russia
    {189, "Saint Petersburg  812      59° 57' N     30° 19' E"}, // 189 Russia
    {189, "Novosibirsk  383"}, // 189 Russia
    {199, "Jeddah  2"}, // 199 Saudi Arabia
    {199, "Makkah 2"}, // 199 Saudi Arabia
    {199, "* Riyadh  1                24° 39' N     46° 42' E"}, // 199 Saudi Arabia
    {199, "Medina 4"}, // 199 Saudi Arabia
    {201, "* Belgrade  11             44° 50' N     20° 30' E"}, // 201 Serbia and Montenegro
    {205, "* Bratislava  2            48° 9' N     17° 7' E"}, // 205 Slovakia
    {206, "* Ljubljana  1             46° 3' N     14° 31' E"}, // 206 Slovenia
    {209, "* Pretoria  12             25° 42' S     28° 13' E"}, // 209 South Africa
    {209, "Johannesburg  11"}, // 209 South Africa
    {211, "* Madrid  91               40° 24' N      3° 41' W"}, // 211 Spain
    {211, "Barcelona  93"}, // 211 Spain
    {211, "Seville  95"}, // 211 Spain
    {212, "Colombo  11                6° 55' N     79° 50' E"}, // 212 Sri Lanka
    {213, "* Khartoum  183            15° 36' N     32° 32' E"}, // 213 Sudan
    {217, "* Stockholm  8             59° 20' N     18° 3' E"}, // 217 Sweden
    {217, "Gothenburg  31"}, // 217 Sweden
    {218, "Zurich  1"}, // 218 Switzerland
    {218, "Geneva  22"}, // 218 Switzerland
    {219, "* Damascus  11             33° 30' N     36° 18' E"}, // 219 Syria
    {220, "* Taipei  2                 25° 2' N     121° 31' E"}, // 220 Taiwan
    {221, "* Dushanbe  372"}, // 221 Tajikistan
    {222, "Dar es Salaam  22"}, // 222 Tanzania
    {223, "* Bangkok  2               13° 45' N    100° 31' E"}, // 223 Thailand
    {228, "* Port of Spain  868"}, // 228 Trinidad And Tobago
    {229, "* Tunis  71                36° 48' N     10° 11' E"}, // 229 Tunisia
    {230, "Istanbul  212/216          41° 1' N     28° 58' E"}, // 230 Turkey
    {230, "* Ankara  312              39° 56' N     32° 52' E"}, // 230 Turkey
    {230, "Izmir  232"}, // 230 Turkey
    {231, "* Ashgabat  12"}, // 231 Turkmenistan
    {234, "* Kampala  41              0° 19' N     32° 33' E"}, // 234 Uganda
    {235, "* Kiev  44                 50° 26' N     30° 31' E"}, // 235 Ukraine
    {236, "* Abu Dhabi  2             24° 28' N     54° 22' E"}, // 236 United Arab Emirates
    {239, "* Montevideo  2            34° 51' S     56° 10' W"}, // 239 Uruguay
    {240, "* Tashkent  71             41° 19' N     69° 15' E"}, // 240 Uzbekistan
    {242, "* Caracas  212             10° 29' N     66° 52' W"}, // 242 Venezuela
    {243, "Ho Chi Minh City  8"}, // 243 Vietnam
    {243, "* Hanoi  4                 21° 2' N    105° 51' E"}, // 243 Vietnam
    {250, "* Sanaa  1                 15° 21' N     44° 12' E"}, // 250 Yemen
    {251, "* Lusaka  1"}, // 251 Zambia
    {252, "* Harare  4                17° 49' S     31° 2' E"}, // 252 Zimbabwe
}};
} // namespace orbilex
