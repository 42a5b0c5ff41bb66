#pragma once
// Indexed like the country list: a code box finds its country by the position of the typed code.
#include "data/countries.h"
namespace orbilex {
struct CountryCodes {
    std::string_view alpha2; // ISO 3166-1 alpha-2
    std::string_view alpha3; // ISO 3166-1 alpha-3
    std::string_view tld; // with its dot
    std::string_view fips; // FIPS 10-4
    std::string_view ioc;
    std::string_view currency; // ISO 4217
    std::string_view language; // Windows locale abbreviation of the main language
    std::string_view sign; // international vehicle distinguishing sign
};
// clang-format off
inline constexpr std::array<CountryCodes, kCountryCount> kCodes = {{
    {"AF", "AFG", ".af", "AF", "AFG", "AFA", "-", "AFG"}, // 0 Afghanistan
    {"AL", "ALB", ".al", "AL", "ALB", "ALL", "SQI", "AL"}, // 1 Albania
    {"DZ", "DZA", ".dz", "AG", "ALG", "DZD", "ARG", "DZ"}, // 2 Algeria
    {"AS", "ASM", ".as", "AQ", "ASA", "USD", "ENU", "-"}, // 3 American Samoa
    {"AD", "AND", ".ad", "AN", "AND", "EUR", "-", "AND"}, // 4 Andorra
    {"AO", "AGO", ".ao", "AO", "ANG", "AOA", "-", "-"}, // 5 Angola
    {"AI", "AIA", ".ai", "AV", "-", "XCD", "ENB", "-"}, // 6 Anguilla
    {"AQ", "ATA", ".aq", "AY", "-", "-", "-", "-"}, // 7 Antarctica
    {"AG", "ATG", ".ag", "AC", "ANT", "XCD", "ENB", "-"}, // 8 Antigua And Barbuda
    {"AR", "ARG", ".ar", "AR", "ARG", "ARS", "ESS", "RA"}, // 9 Argentina
    {"AM", "ARM", ".am", "AM", "ARM", "AMD", "HYE", "AM"}, // 10 Armenia
    {"AW", "ABW", ".aw", "AA", "ARU", "AWG", "NLD", "-"}, // 11 Aruba
    {"AU", "AUS", ".au", "AS", "AUS", "AUD", "ENA", "AUS"}, // 12 Australia
    {"AT", "AUT", ".at", "AU", "AUT", "EUR", "DEA", "A"}, // 13 Austria
    {"AZ", "AZE", ".az", "AJ", "AZE", "AZM", "AZE", "AZ"}, // 14 Azerbaijan
    {"BS", "BHS", ".bs", "BF", "BAH", "BSD", "ENB", "BS"}, // 15 Bahamas
    {"BH", "BHR", ".bh", "BA", "BRN", "BHD", "ARH", "BRN"}, // 16 Bahrain
    {"UM", "UMI", ".um", "FQ", "UMI", "USD", "ENB", "-"}, // 17 Baker Island
    {"BD", "BGD", ".bd", "BG", "BAN", "BDT", "-", "BD"}, // 18 Bangladesh
    {"BB", "BRB", ".bb", "BB", "BAR", "BBD", "ENB", "BDS"}, // 19 Barbados
    {"BY", "BLR", ".by", "BO", "BLR", "BYR", "BEL", "BY"}, // 20 Belarus
    {"BE", "BEL", ".be", "BE", "BEL", "EUR", "NLB", "B"}, // 21 Belgium
    {"BZ", "BLZ", ".bz", "BH", "BIZ", "BZD", "ENL", "BH"}, // 22 Belize
    {"BJ", "BEN", ".bj", "BN", "BEN", "XOF", "-", "DY"}, // 23 Benin
    {"BM", "BMU", ".bm", "BD", "BER", "BMD", "ENB", "-"}, // 24 Bermuda
    {"BT", "BTN", ".bt", "BT", "BHU", "BTN", "-", "-"}, // 25 Bhutan
    {"BO", "BOL", ".bo", "BL", "BOL", "BOB", "ESB", "BOL"}, // 26 Bolivia
    {"BA", "BIH", ".ba", "BK", "BIH", "BAM", "BSB", "BIH"}, // 27 Bosnia and Herzegovina
    {"BW", "BWA", ".bw", "BC", "BOT", "BWP", "-", "RB"}, // 28 Botswana
    {"BV", "BVT", ".bv", "BV", "-", "NOK", "-", "-"}, // 29 Bouvet Island
    {"BR", "BRA", ".br", "BR", "BRA", "BRL", "PTB", "BR"}, // 30 Brazil
    {"IO", "IOT", ".io", "IO", "-", "USD", "-", "-"}, // 31 British Indian Ocean Territory
    {"BN", "BRN", ".bn", "BX", "BRU", "BND", "MSB", "BRU"}, // 32 Brunei
    {"BG", "BGR", ".bg", "BU", "BUL", "BGN", "BGR", "BG"}, // 33 Bulgaria
    {"BF", "BFA", ".bf", "UV", "BUR", "XOF", "-", "BF"}, // 34 Burkina Faso
    {"BI", "BDI", ".bi", "BY", "BDI", "BIF", "-", "RU"}, // 35 Burundi
    {"KH", "KHM", ".kh", "CB", "CAM", "KHR", "-", "K"}, // 36 Cambodia
    {"CM", "CMR", ".cm", "CM", "CMR", "XAF", "-", "CAM"}, // 37 Cameroon
    {"CA", "CAN", ".ca", "CA", "CAN", "CAD", "ENC", "CDN"}, // 38 Canada
    {"CV", "CPV", ".cv", "CV", "CPV", "CVE", "-", "-"}, // 39 Cape Verde
    {"KY", "CYM", ".ky", "CJ", "CAY", "KYD", "ENB", "-"}, // 40 Cayman Islands
    {"CF", "CAF", ".cf", "CT", "CAF", "XAF", "-", "RCA"}, // 41 Central African Republic
    {"TD", "TCD", ".td", "CD", "CHA", "XAF", "-", "TCH/TD"}, // 42 Chad
    {"CL", "CHL", ".cl", "CI", "CHI", "CLP", "ESL", "RCH"}, // 43 Chile
    {"CN", "CHN", ".cn", "CH", "CHN", "CNY", "CHS", "-"}, // 44 China
    {"CX", "CXR", ".cx", "KT", "-", "AUD", "ENA", "-"}, // 45 Christmas Island
    {"CC", "CCK", ".cc", "CK", "-", "AUD", "ENA", "-"}, // 46 Cocos (Keeling) Islands
    {"CO", "COL", ".co", "CO", "COL", "COP", "ESO", "CO"}, // 47 Colombia
    {"KM", "COM", ".km", "CN", "COM", "KMF", "-", "-"}, // 48 Comoros
    {"CG", "COG", ".cg", "CF", "CGO", "XAF", "-", "RCB"}, // 49 Congo
    {"CD", "COD", ".cd", "CG", "COD", "CDF", "-", "CGO"}, // 50 Congo, Democratic Republic of
    {"CK", "COK", ".ck", "CW", "COK", "NZD", "ENZ", "-"}, // 51 Cook Islands
    {"CR", "CRI", ".cr", "CS", "CRC", "CRC", "ESC", "CR"}, // 52 Costa Rica
    {"CI", "CIV", ".ci", "IV", "CIV", "XOF", "-", "CI"}, // 53 Cote D 'Ivoire
    {"HR", "HRV", ".hr", "HR", "CRO", "HRK", "HRV", "HR"}, // 54 Croatia (Hrvatska)
    {"CU", "CUB", ".cu", "CU", "CUB", "CUP", "-", "-"}, // 55 Cuba
    {"CY", "CYP", ".cy", "CY", "CYP", "CYP", "-", "CY"}, // 56 Cyprus
    {"CZ", "CZE", ".cz", "EZ", "CZE", "CZK", "CSY", "CZ"}, // 57 Czech
    {"DK", "DNK", ".dk", "DA", "DEN", "DKK", "DAN", "DK"}, // 58 Denmark
    {"DJ", "DJI", ".dj", "DJ", "DJI", "DJF", "-", "-"}, // 59 Djibouti
    {"DM", "DMA", ".dm", "DO", "DMA", "XCD", "ENB", "WD"}, // 60 Dominica
    {"DO", "DOM", ".do", "DR", "DOM", "DOP", "ESD", "DOM"}, // 61 Dominican Republic
    {"EC", "ECU", ".ec", "EC", "ECU", "USD", "ESF", "EC"}, // 62 Ecuador
    {"EG", "EGY", ".eg", "EG", "EGY", "EGP", "ARE", "ET"}, // 63 Egypt
    {"SV", "SLV", ".sv", "ES", "ESA", "USD", "ESE", "ES"}, // 64 El Salvador
    {"GQ", "GNQ", ".gq", "EK", "GEQ", "XAF", "-", "-"}, // 65 Equatorial Guinea
    {"ER", "ERI", ".er", "ER", "ERI", "ERN", "-", "ER"}, // 66 Eritrea
    {"EE", "EST", ".ee", "EN", "EST", "EEK", "ETI", "EST"}, // 67 Estonia
    {"ET", "ETH", ".et", "ET", "ETH", "ETB", "-", "ETH"}, // 68 Ethiopia
    {"FK", "FLK", ".fk", "FK", "-", "FKP", "ENG", "-"}, // 69 Falkland Islands (Islas Malvinas)
    {"FO", "FRO", ".fo", "FO", "-", "DKK", "FOS", "FO"}, // 70 Faroe Islands
    {"FJ", "FJI", ".fj", "FJ", "FIJ", "FJD", "-", "FJI"}, // 71 Fiji
    {"FI", "FIN", ".fi", "FI", "FIN", "EUR", "FIN", "FIN"}, // 72 Finland
    {"FR", "FRA", ".fr", "FR", "FRA", "EUR", "FRA", "F"}, // 73 France
    {"GF", "GUF", ".gf", "FG", "-", "EUR", "FRA", "-"}, // 74 French Guiana
    {"PF", "PYF", ".pf", "FP", "-", "XPF", "FRA", "-"}, // 75 French Polynesia
    {"TF", "ATF", ".tf", "FS", "-", "EUR", "-", "-"}, // 76 French Southern and Antarctic Lands
    {"GA", "GAB", ".ga", "GB", "GAB", "XAF", "-", "G"}, // 77 Gabon
    {"GM", "GMB", ".gm", "GA", "GAM", "GMD", "-", "WAG"}, // 78 Gambia
    {"GZ", "-", ".-", "GZ", "-", "-", "-", "-"}, // 79 Gaza Strip
    {"GE", "GEO", ".ge", "GG", "GEO", "GEL", "KAT", "GE"}, // 80 Georgia
    {"DE", "DEU", ".de", "GM", "GER", "EUR", "DEU", "D"}, // 81 Germany
    {"GH", "GHA", ".gh", "GH", "GHA", "GHC", "-", "GH"}, // 82 Ghana
    {"GI", "GIB", ".gi", "GI", "-", "GIP", "ENG", "GBZ"}, // 83 Gibraltar
    {"GR", "GRC", ".gr", "GR", "GRE", "EUR", "ELL", "GR"}, // 84 Greece
    {"GL", "GRL", ".gl", "GL", "-", "DKK", "DAN", "-"}, // 85 Greenland
    {"GD", "GRD", ".gd", "GJ", "GRN", "XCD", "ENB", "WG"}, // 86 Grenada
    {"GP", "GLP", ".gp", "GP", "-", "EUR", "FRA", "-"}, // 87 Guadeloupe
    {"GU", "GUM", ".gu", "GQ", "GUM", "USD", "ENU", "-"}, // 88 Guam
    {"GT", "GTM", ".gt", "GT", "GUA", "GTQ", "ESG", "GCA"}, // 89 Guatemala
    {"GG", "-", ".gg", "GK", "-", "GBP", "ENG", "GBG"}, // 90 Guernsey
    {"GN", "GIN", ".gn", "GV", "GUI", "GNF", "-", "RG"}, // 91 Guinea
    {"GW", "GNB", ".gw", "PU", "GBS", "XOF", "-", "-"}, // 92 Guinea - Bissau
    {"GY", "GUY", ".gy", "GY", "GUY", "GYD", "ENB", "GUY"}, // 93 Guyana
    {"HT", "HTI", ".ht", "HA", "HAI", "HTG", "-", "RH"}, // 94 Haiti
    {"HM", "HMD", ".hm", "HM", "-", "AUD", "-", "-"}, // 95 Heard and McDonald Islands
    {"VA", "VAT", ".va", "VT", "-", "EUR", "-", "V"}, // 96 Holy See (Vatican City)
    {"HN", "HND", ".hn", "HO", "HON", "HNL", "ESH", "-"}, // 97 Honduras
    {"HK", "HKG", ".hk", "HK", "HKG", "HKD", "ZHH", "HK"}, // 98 Hong Kong
    {"UM", "UMI", ".um", "HQ", "UMI", "USD", "ENB", "-"}, // 99 Howland Island
    {"HU", "HUN", ".hu", "HU", "HUN", "HUF", "HUN", "H"}, // 100 Hungary
    {"IS", "ISL", ".is", "IC", "ISL", "ISK", "ISL", "IS"}, // 101 Iceland
    {"IN", "IND", ".in", "IN", "IND", "INR", "HIN", "IND"}, // 102 India
    {"ID", "IDN", ".id", "ID", "INA", "IDR", "IND", "RI"}, // 103 Indonesia
    {"IR", "IRN", ".ir", "IR", "IRI", "IRR", "FAR", "IR"}, // 104 Iran
    {"IQ", "IRQ", ".iq", "IZ", "IRQ", "IQD", "ARI", "IRQ"}, // 105 Iraq
    {"IE", "IRL", ".ie", "EI", "IRL", "EUR", "ENI", "IRL"}, // 106 Ireland
    {"IL", "ISR", ".il", "IS", "ISR", "ILS", "HEB", "IL"}, // 107 Israel
    {"IT", "ITA", ".it", "IT", "ITA", "EUR", "ITA", "I"}, // 108 Italy
    {"JM", "JAM", ".jm", "JM", "JAM", "JMD", "ENJ", "JA"}, // 109 Jamaica
    {"SJ", "-", ".sj", "JN", "-", "-", "-", "-"}, // 110 Jan Mayen
    {"JP", "JPN", ".jp", "JA", "JPN", "JPY", "JPN", "J"}, // 111 Japan
    {"UM", "UMI", ".um", "DQ", "UMI", "USD", "ENB", "-"}, // 112 Jarvis Island
    {"JE", "-", ".je", "JE", "-", "GBP", "ENG", "GBJ"}, // 113 Jersey
    {"UM", "UMI", ".um", "JQ", "UMI", "USD", "ENB", "-"}, // 114 Johnston Atoll
    {"JO", "JOR", ".jo", "JO", "JOR", "JOD", "ARJ", "HKJ"}, // 115 Jordan
    {"KZ", "KAZ", ".kz", "KZ", "KAZ", "KZT", "KKZ", "KZ"}, // 116 Kazakhstan
    {"KE", "KEN", ".ke", "KE", "KEN", "KES", "SWK", "EAK"}, // 117 Kenya
    {"UM", "UMI", ".um", "KQ", "UMI", "USD", "ENB", "-"}, // 118 Kingman Reef
    {"KI", "KIR", ".ki", "KR", "KIR", "AUD", "-", "-"}, // 119 Kiribati
    {"KP", "PRK", ".kp", "KN", "PRK", "KPW", "-", "-"}, // 120 Korea, North
    {"KR", "KOR", ".kr", "KS", "KOR", "KRW", "KOR", "ROK"}, // 121 Korea
    {"KW", "KWT", ".kw", "KU", "KUW", "KWD", "ARK", "KWT"}, // 122 Kuwait
    {"KG", "KGZ", ".kg", "KG", "KGZ", "KGS", "KYR", "KS"}, // 123 Kyrgyzstan
    {"LA", "LAO", ".la", "LA", "LAO", "LAK", "-", "LAO"}, // 124 Laos
    {"LV", "LVA", ".lv", "LG", "LAT", "LVL", "LVI", "LV"}, // 125 Latvia
    {"LB", "LBN", ".lb", "LE", "LIB", "LBP", "ARB", "RL"}, // 126 Lebanon
    {"LS", "LSO", ".ls", "LT", "LES", "LSL", "-", "LS"}, // 127 Lesotho
    {"LR", "LBR", ".lr", "LI", "LBR", "LRD", "-", "LB"}, // 128 Liberia
    {"LY", "LBY", ".ly", "LY", "LBA", "LYD", "ARL", "LAR"}, // 129 Libya
    {"LI", "LIE", ".li", "LS", "LIE", "CHF", "DEC", "FL"}, // 130 Liechtenstein
    {"LT", "LTU", ".lt", "LH", "LTU", "LTL", "LTH", "LT"}, // 131 Lithuania
    {"LU", "LUX", ".lu", "LU", "LUX", "EUR", "FRL", "L"}, // 132 Luxembourg
    {"MO", "MAC", ".mo", "MC", "Mac", "MOP", "ZHM", "-"}, // 133 Macao
    {"MK", "MKD", ".mk", "MK", "MKD", "MKD", "MKI", "MK"}, // 134 Macedonia, The Former Republic of Yugoslav
    {"MG", "MDG", ".mg", "MA", "MAD", "MGA", "-", "RM"}, // 135 Madagascar
    {"MW", "MWI", ".mw", "MI", "MAW", "MWK", "-", "MW"}, // 136 Malawi
    {"MY", "MYS", ".my", "MY", "MAS", "MYR", "MSL", "MAL"}, // 137 Malaysia
    {"MV", "MDV", ".mv", "MV", "MDV", "MVR", "DIV", "-"}, // 138 Maldives
    {"ML", "MLI", ".ml", "ML", "MLI", "XOF", "-", "RMM"}, // 139 Mali
    {"MT", "MLT", ".mt", "MT", "MLT", "MTL", "MLT", "M"}, // 140 Malta
    {"IM", "-", ".im", "IM", "-", "GBP", "ENG", "GBM"}, // 141 Man, Isle of
    {"MH", "MHL", ".mh", "RM", "-", "USD", "-", "-"}, // 142 Marshall Islands
    {"MQ", "MTQ", ".mq", "MB", "-", "EUR", "FRA", "-"}, // 143 Martinique
    {"MR", "MRT", ".mr", "MR", "MTN", "MRO", "-", "RIM"}, // 144 Mauritania
    {"MU", "MUS", ".mu", "MP", "MRI", "MUR", "-", "MS"}, // 145 Mauritius
    {"YT", "MYT", ".yt", "MF", "-", "EUR", "FRA", "-"}, // 146 Mayotte
    {"MX", "MEX", ".mx", "MX", "MEX", "MXN", "ESM", "MEX"}, // 147 Mexico
    {"FM", "FSM", ".fm", "FM", "FSM", "USD", "-", "-"}, // 148 Micronesia
    {"UM", "UMI", ".um", "MQ", "UMI", "USD", "ENB", "-"}, // 149 Midway Islands
    {"MD", "MDA", ".md", "MD", "MDA", "MDL", "-", "MD"}, // 150 Moldova
    {"MC", "MCO", ".mc", "MN", "MON", "EUR", "FRM", "MC"}, // 151 Monaco
    {"MN", "MNG", ".mn", "MG", "MGL", "MNT", "MON", "MGL"}, // 152 Mongolia
    {"MS", "MSR", ".ms", "MH", "-", "XCD", "ENB", "-"}, // 153 Montserrat
    {"MA", "MAR", ".ma", "MO", "MAR", "MAD", "ARM", "MA"}, // 154 Morocco
    {"MZ", "MOZ", ".mz", "MZ", "MOZ", "MZM", "-", "MOC"}, // 155 Mozambique
    {"MM", "MMR", ".mm", "BM", "MYA", "MMK", "-", "BUR"}, // 156 Myanmar
    {"NA", "NAM", ".na", "WA", "NAM", "NAD", "-", "NAM"}, // 157 Namibia
    {"NR", "NRU", ".nr", "NR", "NRU", "AUD", "-", "NAU"}, // 158 Nauru
    {"UM", "UMI", ".um", "BQ", "UMI", "USD", "ENB", "-"}, // 159 Navassa Island
    {"NP", "NPL", ".np", "NP", "NEP", "NPR", "-", "NEP"}, // 160 Nepal
    {"NL", "NLD", ".nl", "NL", "NED", "EUR", "NLD", "NL"}, // 161 Netherlands
    {"AN", "ANT", ".an", "NT", "AHO", "ANG", "NLD", "NA"}, // 162 Netherlands Antilles
    {"NC", "NCL", ".nc", "NC", "-", "XPF", "FRA", "-"}, // 163 New Caledonia
    {"NZ", "NZL", ".nz", "NZ", "NZL", "NZD", "ENZ", "NZ"}, // 164 New Zealand
    {"NI", "NIC", ".ni", "NU", "NCA", "NIO", "ESI", "NIC"}, // 165 Nicaragua
    {"NE", "NER", ".ne", "NG", "NIG", "XOF", "-", "RN"}, // 166 Niger
    {"NG", "NGA", ".ng", "NI", "NGR", "NGN", "-", "WAN"}, // 167 Nigeria
    {"NU", "NIU", ".nu", "NE", "-", "NZD", "ENZ", "-"}, // 168 Niue
    {"NF", "NFK", ".nf", "NF", "-", "AUD", "ENA", "-"}, // 169 Norfolk Island
    {"MP", "MNP", ".mp", "CQ", "-", "USD", "ENU", "-"}, // 170 Northern Mariana Islands
    {"NO", "NOR", ".no", "NO", "NOR", "NOK", "NOR", "N"}, // 171 Norway
    {"OM", "OMN", ".om", "MU", "OMA", "OMR", "ARO", "-"}, // 172 Oman
    {"PK", "PAK", ".pk", "PK", "PAK", "PKR", "URD", "PK"}, // 173 Pakistan
    {"PW", "PLW", ".pw", "PS", "PLW", "USD", "-", "-"}, // 174 Palau
    {"UM", "UMI", ".um", "LQ", "UMI", "USD", "ENB", "-"}, // 175 Palmyra Atoll
    {"PS", "PSE", ".ps", "GZ", "PLE", "-", "-", "-"}, // 176 Palestinian Territory
    {"PA", "PAN", ".pa", "PM", "PAN", "PAB", "ESA", "PA"}, // 177 Panama
    {"PG", "PNG", ".pg", "PP", "PNG", "PGK", "-", "PNG"}, // 178 Papua New Guinea
    {"PY", "PRY", ".py", "PA", "PAR", "PYG", "ESZ", "PY"}, // 179 Paraguay
    {"PE", "PER", ".pe", "PE", "PER", "PEN", "ESR", "PE"}, // 180 Peru
    {"PH", "PHL", ".ph", "RP", "PHI", "PHP", "ENP", "RP"}, // 181 Philippines
    {"PN", "PCN", ".pn", "PC", "-", "NZD", "ENG", "-"}, // 182 Pitcairn Island
    {"PL", "POL", ".pl", "PL", "POL", "PLN", "PLK", "PL"}, // 183 Poland
    {"PT", "PRT", ".pt", "PO", "POR", "EUR", "PTG", "P"}, // 184 Portugal
    {"PR", "PRI", ".pr", "RQ", "PUR", "USD", "ESU", "-"}, // 185 Puerto Rico
    {"QA", "QAT", ".qa", "QA", "QAT", "QAR", "ARQ", "Q"}, // 186 Qatar
    {"RE", "REU", ".re", "RE", "-", "EUR", "FRA", "-"}, // 187 Reunion
    {"RO", "ROU", ".ro", "RO", "ROM", "RON", "ROM", "RO"}, // 188 Romania
    {"RU", "RUS", ".ru", "RS", "RUS", "RUB", "RUS", "RUS"}, // 189 Russia
    {"RW", "RWA", ".rw", "RW", "RWA", "RWF", "-", "RWA"}, // 190 Rwanda
    {"SH", "SHN", ".sh", "SH", "-", "SHP", "ENG", "-"}, // 191 Saint Helena
    {"KN", "KNA", ".kn", "SC", "SKN", "XCD", "ENB", "-"}, // 192 Saint Kitts And Nevis
    {"LC", "LCA", ".lc", "ST", "LCA", "XCD", "ENB", "WL"}, // 193 Saint Lucia
    {"PM", "SPM", ".pm", "SB", "-", "EUR", "FRA", "-"}, // 194 Saint Pierre and Miquelon
    {"VC", "VCT", ".vc", "VC", "VIN", "XCD", "ENB", "WV"}, // 195 Saint Vincent and the Grenadines
    {"WS", "WSM", ".ws", "WS", "SAM", "WST", "-", "WS"}, // 196 Samoa
    {"SM", "SMR", ".sm", "SM", "SMR", "EUR", "-", "RSM"}, // 197 San Marino
    {"ST", "STP", ".st", "TP", "STP", "STD", "-", "-"}, // 198 Sao Tome And Principe
    {"SA", "SAU", ".sa", "SA", "KSA", "SAR", "ARA", "-"}, // 199 Saudi Arabia
    {"SN", "SEN", ".sn", "SG", "SEN", "XOF", "-", "SN"}, // 200 Senegal
    {"CS", "SCG", ".yu", "YI", "YUG", "YUG", "-", "SCG"}, // 201 Serbia and Montenegro
    {"SC", "SYC", ".sc", "SE", "SEY", "SCR", "-", "SY"}, // 202 Seychelles
    {"SL", "SLE", ".sl", "SL", "SLE", "SLL", "-", "WAL"}, // 203 Sierra Leone
    {"SG", "SGP", ".sg", "SN", "SIN", "SGD", "ZHI", "SGP"}, // 204 Singapore
    {"SK", "SVK", ".sk", "LO", "SVK", "SKK", "SKY", "SK"}, // 205 Slovakia
    {"SI", "SVN", ".si", "SI", "SLO", "SIT", "SLV", "SLO"}, // 206 Slovenia
    {"SB", "SLB", ".sb", "BP", "SOL", "SBD", "-", "-"}, // 207 Solomon Islands
    {"SO", "SOM", ".so", "SO", "SOM", "SOS", "-", "SO"}, // 208 Somalia
    {"ZA", "ZAF", ".za", "SF", "RSA", "ZAR", "ENS", "ZA"}, // 209 South Africa
    {"GS", "SGS", ".gs", "SX", "-", "-", "-", "-"}, // 210 South Georgia
    {"ES", "ESP", ".es", "SP", "ESP", "EUR", "ESN", "E"}, // 211 Spain
    {"LK", "LKA", ".lk", "CE", "SRI", "LKR", "-", "CL"}, // 212 Sri Lanka
    {"SD", "SDN", ".sd", "SU", "SUD", "SDD", "-", "SUD"}, // 213 Sudan
    {"SR", "SUR", ".sr", "NS", "SUR", "SRD", "-", "SME"}, // 214 Suriname
    {"SJ", "SJM", ".sj", "SV", "-", "NOK", "NOR", "-"}, // 215 Svalbard
    {"SZ", "SWZ", ".sz", "WZ", "SWZ", "SZL", "-", "SD"}, // 216 Swaziland
    {"SE", "SWE", ".se", "SW", "SWE", "SEK", "SVE", "S"}, // 217 Sweden
    {"CH", "CHE", ".ch", "SZ", "SUI", "CHF", "DES", "CH"}, // 218 Switzerland
    {"SY", "SYR", ".sy", "SY", "SYR", "SYP", "ARS", "SYR"}, // 219 Syria
    {"TW", "TWN", ".tw", "TW", "TPE", "TWD", "CHT", "RC"}, // 220 Taiwan
    {"TJ", "TJK", ".tj", "TI", "TJK", "TJS", "-", "TJ"}, // 221 Tajikistan
    {"TZ", "TZA", ".tz", "TZ", "TAN", "TZS", "-", "EAT"}, // 222 Tanzania
    {"TH", "THA", ".th", "TH", "THA", "THB", "THA", "T"}, // 223 Thailand
    {"TL", "TLS", ".tp", "TT", "TLS", "TPE", "-", "-"}, // 224 Timor-Leste
    {"TG", "TGO", ".tg", "TO", "TOG", "XOF", "-", "TG"}, // 225 Togo
    {"TK", "TKL", ".tk", "TL", "-", "NZD", "ENZ", "-"}, // 226 Tokelau
    {"TO", "TON", ".to", "TN", "TGA", "TOP", "-", "-"}, // 227 Tonga
    {"TT", "TTO", ".tt", "TD", "TRI", "TTD", "ENT", "TT"}, // 228 Trinidad And Tobago
    {"TN", "TUN", ".tn", "TS", "TUN", "TND", "ART", "TN"}, // 229 Tunisia
    {"TR", "TUR", ".tr", "TU", "TUR", "TRY", "TRK", "TR"}, // 230 Turkey
    {"TM", "TKM", ".tm", "TX", "TKM", "TMM", "-", "TM"}, // 231 Turkmenistan
    {"TC", "TCA", ".tc", "TK", "-", "USD", "ENB", "-"}, // 232 Turks And Caicos Islands
    {"TV", "TUV", ".tv", "TV", "-", "AUD", "-", "-"}, // 233 Tuvalu
    {"UG", "UGA", ".ug", "UG", "UGA", "UGX", "-", "EAU"}, // 234 Uganda
    {"UA", "UKR", ".ua", "UP", "UKR", "UAH", "UKR", "UA"}, // 235 Ukraine
    {"AE", "ARE", ".ae", "AE", "UAE", "AED", "ARU", "UAE"}, // 236 United Arab Emirates
    {"GB", "GBR", ".uk", "UK", "GBR", "GBP", "ENG", "GB"}, // 237 United Kingdom
    {"US", "USA", ".us", "US", "USA", "USD", "ENU", "USA"}, // 238 United States
    {"UY", "URY", ".uy", "UY", "URU", "UYU", "ESY", "ROU"}, // 239 Uruguay
    {"UZ", "UZB", ".uz", "UZ", "UZB", "UZS", "UZB", "UZ"}, // 240 Uzbekistan
    {"VU", "VUT", ".vu", "NH", "VAN", "VUV", "-", "-"}, // 241 Vanuatu
    {"VE", "VEN", ".ve", "VE", "VEN", "VEB", "ESV", "YV"}, // 242 Venezuela
    {"VN", "VNM", ".vn", "VM", "VIE", "VND", "VIT", "VN"}, // 243 Vietnam
    {"VG", "VGB", ".vg", "VI", "IVB", "USD", "ENB", "-"}, // 244 Virgin Islands (British)
    {"VI", "VIR", ".vi", "VQ", "ISV", "USD", "ENB", "-"}, // 245 Virgin Islands
    {"UM", "UMI", ".um", "WQ", "UMI", "USD", "ENB", "-"}, // 246 Wake Island
    {"WF", "WLF", ".wf", "WF", "-", "XPF", "FRA", "-"}, // 247 Wallis And Futuna
    {"WE", "-", "-", "WE", "-", "-", "-", "-"}, // 248 West Bank
    {"EH", "ESH", ".eh", "WI", "-", "MAD", "-", "-"}, // 249 Western Sahara
    {"YE", "YEM", ".ye", "YM", "YEM", "YER", "ARY", "YAR"}, // 250 Yemen
    {"ZM", "ZMB", ".zm", "ZA", "ZAM", "ZMK", "-", "RNR"}, // 251 Zambia
    {"ZW", "ZWE", ".zw", "ZI", "ZIM", "ZWD", "ENW", "ZW"}, // 252 Zimbabwe
}};
// clang-format on
} // namespace orbilex
