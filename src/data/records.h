#pragma once
// Compiled in rather than read from a file: a record changes only through the user's overrides laid over it.
#include "data/countries.h"
namespace orbilex {
struct CountryRecord {
    std::string_view longName;
    std::string_view type;
    std::string_view dependency;
    std::string_view location;
    std::string_view isoNumber;
    std::string_view dialingCode;
    std::string_view gmt;
};
// clang-format off
inline constexpr std::array<CountryRecord, kCountryCount> kRecords = {{
    {"Islamic State of Afghanistan", "Nation", "(Does Not Exist)", "Southern Asia", "004", "93", "+04:30:00"}, // 0 Afghanistan
    {"Republic of Albania", "Nation", "(Does Not Exist)", "Southern Europe", "008", "355", "+01:00:00"}, // 1 Albania
    {"People's Democratic Republic of Algeria", "Nation", "(Does Not Exist)", "Northern Africa", "012", "213", "+01:00:00"}, // 2 Algeria
    {"Territory of American Samoa", "Dependent", "United States", "-", "016", "684", "-"}, // 3 American Samoa
    {"Principality of Andorra", "Nation", "(Does Not Exist)", "Southern Europe", "020", "376", "+01:00:00"}, // 4 Andorra
    {"Republic of Angola", "Nation", "(Does Not Exist)", "Southern Africa", "024", "244", "+01:00:00"}, // 5 Angola
    {"-", "Dependent", "United Kingdom", "-", "660", "1264", "-04:00:00"}, // 6 Anguilla
    {"-", "Miscellaneous", "(Does Not Exist)", "Antarctica", "010", "672", "+04:30:00"}, // 7 Antarctica
    {"-", "Nation", "(Does Not Exist)", "Caribbean", "028", "1268", "-04:00:00"}, // 8 Antigua And Barbuda
    {"Argentine Republic", "Nation", "(Does Not Exist)", "South America", "032", "54", "-03:00:00"}, // 9 Argentina
    {"Republic of Armenia", "Nation", "(Does Not Exist)", "Southwestern Asia", "051", "374", "+04:00:00"}, // 10 Armenia
    {"-", "Dependent", "Netherlands", "Caribbean", "533", "297", "-04:00:00"}, // 11 Aruba
    {"Commonwealth of Australia", "Nation", "(Does Not Exist)", "Australasia", "036", "61", "+10:00:00"}, // 12 Australia
    {"Republic of Austria", "Nation", "(Does Not Exist)", "Western Europe", "040", "43", "+01:00:00"}, // 13 Austria
    {"Republic of Azerbaijan", "Nation", "(Does Not Exist)", "Southwestern Asia", "031", "994", "+04:00:00"}, // 14 Azerbaijan
    {"Commonwealth of The Bahamas", "Nation", "(Does Not Exist)", "Caribbean", "044", "1242", "-05:00:00"}, // 15 Bahamas
    {"Kingdom of Bahrain", "Nation", "(Does Not Exist)", "Middle East", "048", "973", "+03:00:00"}, // 16 Bahrain
    {"-", "Dependent", "(Does Not Exist)", "United States", "581", "0", "-"}, // 17 Baker Island
    {"People's Republic of Bangladesh", "Nation", "(Does Not Exist)", "Southern Asia", "050", "880", "+06:00:00"}, // 18 Bangladesh
    {"-", "Nation", "(Does Not Exist)", "Caribbean", "052", "1246", "-04:00:00"}, // 19 Barbados
    {"Republic of Belarus", "Nation", "(Does Not Exist)", "Eastern Europe", "112", "375", "+02:00:00"}, // 20 Belarus
    {"Kingdom of Belgium", "Nation", "(Does Not Exist)", "Western Europe", "056", "32", "+01:00:00"}, // 21 Belgium
    {"-", "Nation", "(Does Not Exist)", "Central America", "084", "501", "-06:00:00"}, // 22 Belize
    {"Republic of Benin", "Nation", "(Does Not Exist)", "Western Africa", "204", "229", "+01:00:00"}, // 23 Benin
    {"-", "Dependent", "United Kingdom", "-", "060", "1441", "-04:00:00"}, // 24 Bermuda
    {"Kingdom of Bhutan", "Nation", "(Does Not Exist)", "Southern Asia", "064", "975", "+06:00:00"}, // 25 Bhutan
    {"Republic of Bolivia", "Nation", "(Does Not Exist)", "South America", "068", "591", "-04:00:00"}, // 26 Bolivia
    {"-", "Nation", "(Does Not Exist)", "Southern Europe", "070", "387", "+01:00:00"}, // 27 Bosnia and Herzegovina
    {"Republic of Botswana", "Nation", "(Does Not Exist)", "Southern Africa", "072", "267", "+02:00:00"}, // 28 Botswana
    {"-", "Dependent", "Norway", "-", "074", "47", "-"}, // 29 Bouvet Island
    {"Federative Republic of Brazil", "Nation", "(Does Not Exist)", "South America", "076", "55", "-03:00:00"}, // 30 Brazil
    {"-", "Dependent", "United Kingdom", "-", "086", "246", "-"}, // 31 British Indian Ocean Territory
    {"Negara Brunei Darussalam", "Nation", "(Does Not Exist)", "Southeastern Asia", "096", "673", "+08:00:00"}, // 32 Brunei
    {"Republic of Bulgaria", "Nation", "(Does Not Exist)", "Eastern Europe", "100", "359", "+02:00:00"}, // 33 Bulgaria
    {"-", "Nation", "(Does Not Exist)", "Western Africa", "854", "226", "+00:00:00"}, // 34 Burkina Faso
    {"Republic of Burundi", "Nation", "(Does Not Exist)", "Central Africa", "108", "257", "+02:00:00"}, // 35 Burundi
    {"Kingdom of Cambodia", "Nation", "(Does Not Exist)", "Southeastern Asia", "116", "855", "+07:00:00"}, // 36 Cambodia
    {"Republic of Cameroon", "Nation", "(Does Not Exist)", "Central Africa", "120", "237", "+01:00:00"}, // 37 Cameroon
    {"-", "Nation", "(Does Not Exist)", "North America", "124", "1", "-05:00:00"}, // 38 Canada
    {"Republic of Cape Verde", "Nation", "(Does Not Exist)", "Western Africa", "132", "238", "-01:00:00"}, // 39 Cape Verde
    {"-", "Dependent", "United Kingdom", "-", "136", "1345", "-05:00:00"}, // 40 Cayman Islands
    {"-", "Nation", "(Does Not Exist)", "Central Africa", "140", "236", "+01:00:00"}, // 41 Central African Republic
    {"Republic of Chad", "Nation", "(Does Not Exist)", "Central Africa", "148", "235", "+01:00:00"}, // 42 Chad
    {"Republic of Chile", "Nation", "(Does Not Exist)", "South America", "152", "56", "-04:00:00"}, // 43 Chile
    {"People's Republic of China", "Nation", "(Does Not Exist)", "Eastern Asia", "156", "86", "+08:00:00"}, // 44 China
    {"Territory of Christmas Island", "Dependent", "Australia", "-", "162", "61", "-"}, // 45 Christmas Island
    {"Territory of Cocos (Keeling) Islands", "Dependent", "Australia", "-", "166", "61", "-"}, // 46 Cocos (Keeling) Islands
    {"Republic of Colombia", "Nation", "(Does Not Exist)", "South America", "170", "57", "-05:00:00"}, // 47 Colombia
    {"Union of the Comoros", "Nation", "(Does Not Exist)", "Southern Africa", "174", "269", "+03:00:00"}, // 48 Comoros
    {"Republic of the Congo", "Nation", "(Does Not Exist)", "Central Africa", "178", "242", "+01:00:00"}, // 49 Congo
    {"Democratic Republic of the Congo", "Nation", "(Does Not Exist)", "Central Africa", "180", "243", "+01:00:00"}, // 50 Congo, Democratic Republic of
    {"-", "Dependent", "New Zealand", "-", "184", "682", "-10:00:00"}, // 51 Cook Islands
    {"Republic of Costa Rica", "Nation", "(Does Not Exist)", "Central America", "188", "506", "-06:00:00"}, // 52 Costa Rica
    {"Republic of Cote d'Ivoire", "Nation", "(Does Not Exist)", "Western Africa", "384", "225", "+00:00:00"}, // 53 Cote D 'Ivoire
    {"Republic of Croatia", "Nation", "(Does Not Exist)", "Southern Europe", "191", "385", "+01:00:00"}, // 54 Croatia (Hrvatska)
    {"Republic of Cuba", "Nation", "(Does Not Exist)", "Caribbean", "192", "53", "-05:00:00"}, // 55 Cuba
    {"Republic of Cyprus", "Nation", "(Does Not Exist)", "Middle East", "196", "357", "+02:00:00"}, // 56 Cyprus
    {"-", "Nation", "(Does Not Exist)", "Eastern Europe", "203", "420", "+01:00:00"}, // 57 Czech
    {"Kingdom of Denmark", "Nation", "(Does Not Exist)", "Northern Europe", "208", "45", "+01:00:00"}, // 58 Denmark
    {"Republic of Djibouti", "Nation", "(Does Not Exist)", "Eastern Africa", "262", "253", "+03:00:00"}, // 59 Djibouti
    {"Commonwealth of Dominica", "Nation", "(Does Not Exist)", "Caribbean", "212", "1767", "-04:00:00"}, // 60 Dominica
    {"-", "Nation", "(Does Not Exist)", "Caribbean", "214", "1809", "-04:00:00"}, // 61 Dominican Republic
    {"Republic of Ecuador", "Nation", "(Does Not Exist)", "South America", "218", "593", "-05:00:00"}, // 62 Ecuador
    {"Arab Republic of Egypt", "Nation", "(Does Not Exist)", "Northern Africa", "818", "20", "+02:00:00"}, // 63 Egypt
    {"Republic of El Salvador", "Nation", "(Does Not Exist)", "Central America", "222", "503", "-06:00:00"}, // 64 El Salvador
    {"Republic of Equatorial Guinea", "Nation", "(Does Not Exist)", "Central Africa", "226", "240", "+01:00:00"}, // 65 Equatorial Guinea
    {"State of Eritrea", "Nation", "(Does Not Exist)", "Eastern Africa", "232", "291", "+03:00:00"}, // 66 Eritrea
    {"Republic of Estonia", "Nation", "(Does Not Exist)", "Eastern Europe", "233", "372", "+02:00:00"}, // 67 Estonia
    {"Federal Democratic Republic of Ethiopia", "Nation", "(Does Not Exist)", "Eastern Africa", "231", "251", "+03:00:00"}, // 68 Ethiopia
    {"-", "Dependent", "United Kingdom", "-", "238", "500", "-04:00:00"}, // 69 Falkland Islands (Islas Malvinas)
    {"-", "Dependent", "Denmark", "Northern Europe", "234", "298", "+00:00:00"}, // 70 Faroe Islands
    {"Republic of the Fiji Islands", "Nation", "(Does Not Exist)", "Australasia", "242", "679", "+12:00:00"}, // 71 Fiji
    {"Republic of Finland", "Nation", "(Does Not Exist)", "Northern Europe", "246", "358", "+02:00:00"}, // 72 Finland
    {"French Republic", "Nation", "(Does Not Exist)", "Western Europe", "250", "33", "+01:00:00"}, // 73 France
    {"Department of Guiana", "Dependent", "France", "South America", "254", "594", "-03:00:00"}, // 74 French Guiana
    {"Territory of French Polynesia", "Dependent", "France", "-", "258", "689", "-10:00:00"}, // 75 French Polynesia
    {"Territory of the French Southern and Antarctic Lands", "Dependent", "France", "-", "260", "596", "-"}, // 76 French Southern and Antarctic Lands
    {"Gabonese Republic", "Nation", "(Does Not Exist)", "Central Africa", "266", "241", "+01:00:00"}, // 77 Gabon
    {"Republic of The Gambia", "Nation", "(Does Not Exist)", "Western Africa", "270", "220", "+00:00:00"}, // 78 Gambia
    {"-", "Miscellaneous", "-", "Middle East", "-", "970", "+02:00:00"}, // 79 Gaza Strip
    {"-", "Nation", "(Does Not Exist)", "Southwestern Asia", "268", "995", "+04:00:00"}, // 80 Georgia
    {"Federal Republic of Germany", "Nation", "(Does Not Exist)", "Western Europe", "276", "49", "+01:00:00"}, // 81 Germany
    {"Republic of Ghana", "Nation", "(Does Not Exist)", "Western Africa", "288", "233", "+00:00:00"}, // 82 Ghana
    {"-", "Dependent", "United Kingdom", "-", "292", "350", "+01:00:00"}, // 83 Gibraltar
    {"Hellenic Republic", "Nation", "(Does Not Exist)", "Southern Europe", "300", "30", "+02:00:00"}, // 84 Greece
    {"-", "Dependent", "Denmark", "North America", "304", "299", "-03:00:00"}, // 85 Greenland
    {"-", "Nation", "(Does Not Exist)", "Caribbean", "308", "1473", "-04:00:00"}, // 86 Grenada
    {"Department of Guadeloupe", "Dependent", "France", "Caribbean", "312", "590", "-04:00:00"}, // 87 Guadeloupe
    {"Territory of Guam", "Dependent", "United States", "-", "316", "1671", "+10:00:00"}, // 88 Guam
    {"Republic of Guatemala", "Nation", "(Does Not Exist)", "Central America", "320", "502", "-06:00:00"}, // 89 Guatemala
    {"Bailiwick of Guernsey", "Dependent", "United Kingdom", "-", "-", "44", "+00:00:00"}, // 90 Guernsey
    {"Republic of Guinea", "Nation", "(Does Not Exist)", "Western Africa", "324", "224", "+00:00:00"}, // 91 Guinea
    {"Republic of Guinea-Bissau", "Nation", "(Does Not Exist)", "Western Africa", "624", "245", "+00:00:00"}, // 92 Guinea - Bissau
    {"Co-operative Republic of Guyana", "Nation", "(Does Not Exist)", "South America", "328", "592", "-04:00:00"}, // 93 Guyana
    {"Republic of Haiti", "Nation", "(Does Not Exist)", "Caribbean", "332", "509", "-05:00:00"}, // 94 Haiti
    {"Territory of Heard Island and McDonald Islands", "Dependent", "Australia", "-", "334", "692", "-"}, // 95 Heard and McDonald Islands
    {"The Holy See (State of the Vatican City)", "Nation", "(Does Not Exist)", "Southern Europe", "336", "379", "+01:00:00"}, // 96 Holy See (Vatican City)
    {"Republic of Honduras", "Nation", "(Does Not Exist)", "Central America", "340", "504", "-06:00:00"}, // 97 Honduras
    {"Hong Kong Special Administrative Region", "Dependent", "China", "Eastern Asia", "344", "852", "+08:00:00"}, // 98 Hong Kong
    {"-", "Dependent", "United States", "-", "581", "682", "-"}, // 99 Howland Island
    {"Republic of Hungary", "Nation", "(Does Not Exist)", "Eastern Europe", "348", "36", "+01:00:00"}, // 100 Hungary
    {"Republic of Iceland", "Nation", "(Does Not Exist)", "Northern Europe", "352", "354", "+00:00:00"}, // 101 Iceland
    {"Republic of India", "Nation", "(Does Not Exist)", "Southern Asia", "356", "91", "+05:30:00"}, // 102 India
    {"Republic of Indonesia", "Nation", "(Does Not Exist)", "Southeastern Asia", "360", "62", "+07:00:00"}, // 103 Indonesia
    {"Islamic Republic of Iran", "Nation", "(Does Not Exist)", "Middle East", "364", "98", "+03:30:00"}, // 104 Iran
    {"Republic of Iraq", "Nation", "(Does Not Exist)", "Middle East", "368", "964", "+03:00:00"}, // 105 Iraq
    {"-", "Nation", "(Does Not Exist)", "Western Europe", "372", "353", "+00:00:00"}, // 106 Ireland
    {"State of Israel", "Nation", "(Does Not Exist)", "Middle East", "376", "972", "+02:00:00"}, // 107 Israel
    {"Italian Republic", "Nation", "(Does Not Exist)", "Southern Europe", "380", "39", "+01:00:00"}, // 108 Italy
    {"-", "Nation", "(Does Not Exist)", "Caribbean", "388", "1876", "-05:00:00"}, // 109 Jamaica
    {"-", "Dependent", "Norway", "-", "-", "378", "-"}, // 110 Jan Mayen
    {"-", "Nation", "(Does Not Exist)", "Eastern Asia", "392", "81", "+09:00:00"}, // 111 Japan
    {"-", "Dependent", "United States", "-", "581", "0", "-"}, // 112 Jarvis Island
    {"Bailiwick of Jersey", "Dependent", "United Kingdom", "-", "-", "44", "+00:00:00"}, // 113 Jersey
    {"-", "Dependent", "United States", "-", "581", "0", "-"}, // 114 Johnston Atoll
    {"Hashemite Kingdom of Jordan", "Nation", "(Does Not Exist)", "Middle East", "400", "962", "+02:00:00"}, // 115 Jordan
    {"Republic of Kazakhstan", "Nation", "(Does Not Exist)", "Central Asia", "398", "7", "+06:00:00"}, // 116 Kazakhstan
    {"Republic of Kenya", "Nation", "(Does Not Exist)", "Eastern Africa", "404", "254", "+03:00:00"}, // 117 Kenya
    {"-", "Dependent", "United States", "-", "581", "0", "-"}, // 118 Kingman Reef
    {"Republic of Kiribati", "Nation", "(Does Not Exist)", "Australasia", "296", "686", "+12:00:00"}, // 119 Kiribati
    {"Democratic People's Republic of Korea", "Nation", "(Does Not Exist)", "Eastern Asia", "408", "850", "+09:00:00"}, // 120 Korea, North
    {"Republic of Korea", "Nation", "(Does Not Exist)", "Eastern Asia", "410", "82", "+09:00:00"}, // 121 Korea
    {"State of Kuwait", "Nation", "(Does Not Exist)", "Middle East", "414", "965", "+03:00:00"}, // 122 Kuwait
    {"Kyrgyz Republic", "Nation", "(Does Not Exist)", "Central Asia", "417", "996", "+05:00:00"}, // 123 Kyrgyzstan
    {"Lao People's Democratic Republic", "Nation", "(Does Not Exist)", "Southeastern Asia", "418", "856", "+07:00:00"}, // 124 Laos
    {"Republic of Latvia", "Nation", "(Does Not Exist)", "Eastern Europe", "428", "371", "+02:00:00"}, // 125 Latvia
    {"Lebanese Republic", "Nation", "(Does Not Exist)", "Middle East", "422", "961", "+02:00:00"}, // 126 Lebanon
    {"Kingdom of Lesotho", "Nation", "(Does Not Exist)", "Southern Africa", "426", "266", "+02:00:00"}, // 127 Lesotho
    {"Republic of Liberia", "Nation", "(Does Not Exist)", "Western Africa", "430", "231", "+00:00:00"}, // 128 Liberia
    {"Great Socialist People's Libyan Arab Jamahiriya", "Nation", "(Does Not Exist)", "Northern Africa", "434", "218", "+02:00:00"}, // 129 Libya
    {"Principality of Liechtenstein", "Nation", "(Does Not Exist)", "Western Europe", "438", "423", "+01:00:00"}, // 130 Liechtenstein
    {"Republic of Lithuania", "Nation", "(Does Not Exist)", "Eastern Europe", "440", "370", "+02:00:00"}, // 131 Lithuania
    {"Grand Duchy of Luxembourg", "Nation", "(Does Not Exist)", "Western Europe", "442", "352", "+01:00:00"}, // 132 Luxembourg
    {"Macau Special Administrative Region", "Dependent", "China", "Eastern Asia", "446", "853", "+08:00:00"}, // 133 Macao
    {"Republic of Macedonia", "Nation", "(Does Not Exist)", "Southern Europe", "807", "389", "+01:00:00"}, // 134 Macedonia, The Former Republic of Yugoslav
    {"Republic of Madagascar", "Nation", "(Does Not Exist)", "Southern Africa", "450", "261", "+03:00:00"}, // 135 Madagascar
    {"Republic of Malawi", "Nation", "(Does Not Exist)", "Southern Africa", "454", "265", "+02:00:00"}, // 136 Malawi
    {"-", "Nation", "(Does Not Exist)", "Southeastern Asia", "458", "60", "+08:00:00"}, // 137 Malaysia
    {"Republic of Maldives", "Nation", "(Does Not Exist)", "Southern Asia", "462", "960", "+05:00:00"}, // 138 Maldives
    {"Republic of Mali", "Nation", "(Does Not Exist)", "Western Africa", "466", "223", "+00:00:00"}, // 139 Mali
    {"Republic of Malta", "Nation", "(Does Not Exist)", "Southern Europe", "470", "356", "+01:00:00"}, // 140 Malta
    {"-", "Dependent", "United Kingdom", "-", "-", "44", "+00:00:00"}, // 141 Man, Isle of
    {"Republic of the Marshall Islands", "Nation", "(Does Not Exist)", "Australasia", "584", "692", "+12:00:00"}, // 142 Marshall Islands
    {"Department of Martinique", "Dependent", "France", "Caribbean", "474", "596", "-04:00:00"}, // 143 Martinique
    {"Islamic Republic of Mauritania", "Nation", "(Does Not Exist)", "Western Africa", "478", "222", "+00:00:00"}, // 144 Mauritania
    {"Republic of Mauritius", "Nation", "(Does Not Exist)", "Southern Africa", "480", "230", "+04:00:00"}, // 145 Mauritius
    {"Territorial Collectivity of Mayotte", "Dependent", "France", "-", "175", "269", "+03:00:00"}, // 146 Mayotte
    {"United Mexican States", "Nation", "(Does Not Exist)", "North America", "484", "52", "-06:00:00"}, // 147 Mexico
    {"Federated States of Micronesia", "Nation", "(Does Not Exist)", "Australasia", "583", "691", "+11:00:00"}, // 148 Micronesia
    {"-", "Dependent", "United States", "-", "581", "808", "-"}, // 149 Midway Islands
    {"Republic of Moldova", "Nation", "(Does Not Exist)", "Eastern Europe", "498", "373", "+02:00:00"}, // 150 Moldova
    {"Principality of Monaco", "Nation", "(Does Not Exist)", "Western Europe", "492", "377", "+01:00:00"}, // 151 Monaco
    {"-", "Nation", "(Does Not Exist)", "Northern Asia", "496", "976", "+08:00:00"}, // 152 Mongolia
    {"-", "Dependent", "United Kingdom", "-", "500", "1664", "-04:00:00"}, // 153 Montserrat
    {"Kingdom of Morocco", "Nation", "(Does Not Exist)", "Northern Africa", "504", "212", "+00:00:00"}, // 154 Morocco
    {"Republic of Mozambique", "Nation", "(Does Not Exist)", "Southern Africa", "508", "258", "+02:00:00"}, // 155 Mozambique
    {"Union of Burma", "Nation", "(Does Not Exist)", "Southeastern Asia", "104", "95", "+06:30:00"}, // 156 Myanmar
    {"Republic of Namibia", "Nation", "(Does Not Exist)", "Southern Africa", "516", "264", "+01:00:00"}, // 157 Namibia
    {"Republic of Nauru", "Nation", "(Does Not Exist)", "Australasia", "520", "674", "+12:00:00"}, // 158 Nauru
    {"-", "Dependent", "United States", "-", "581", "1", "-"}, // 159 Navassa Island
    {"Kingdom of Nepal", "Nation", "(Does Not Exist)", "Southern Asia", "524", "977", "+05:45:00"}, // 160 Nepal
    {"Kingdom of the Netherlands", "Nation", "(Does Not Exist)", "Western Europe", "528", "31", "+01:00:00"}, // 161 Netherlands
    {"-", "Dependent", "Netherlands", "Caribbean", "530", "599", "-04:00:00"}, // 162 Netherlands Antilles
    {"Territory of New Caledonia and Dependencies", "Dependent", "France", "-", "540", "687", "+11:00:00"}, // 163 New Caledonia
    {"-", "Nation", "(Does Not Exist)", "Australasia", "554", "64", "+12:00:00"}, // 164 New Zealand
    {"Republic of Nicaragua", "Nation", "(Does Not Exist)", "Central America", "558", "505", "-06:00:00"}, // 165 Nicaragua
    {"Republic of Niger", "Nation", "(Does Not Exist)", "Western Africa", "562", "227", "+01:00:00"}, // 166 Niger
    {"Federal Republic of Nigeria", "Nation", "(Does Not Exist)", "Western Africa", "566", "234", "+01:00:00"}, // 167 Nigeria
    {"-", "Dependent", "New Zealand", "-", "570", "683", "-"}, // 168 Niue
    {"Territory of Norfolk Island", "Dependent", "Australia", "-", "574", "672", "-"}, // 169 Norfolk Island
    {"Commonwealth of the Northern Mariana Islands", "Dependent", "United States", "-", "580", "1670", "+10:00:00"}, // 170 Northern Mariana Islands
    {"Kingdom of Norway", "Nation", "(Does Not Exist)", "Northern Europe", "578", "47", "+01:00:00"}, // 171 Norway
    {"Sultanate of Oman", "Nation", "(Does Not Exist)", "Middle East", "512", "968", "+04:00:00"}, // 172 Oman
    {"Islamic Republic of Pakistan", "Nation", "(Does Not Exist)", "Southern Asia", "586", "92", "+05:00:00"}, // 173 Pakistan
    {"Republic of Palau", "Nation", "(Does Not Exist)", "Australasia", "585", "680", "+09:00:00"}, // 174 Palau
    {"-", "Dependent", "United States", "-", "581", "0", "-"}, // 175 Palmyra Atoll
    {"-", "-", "-", "Middle East", "275", "970", "+02:00:00"}, // 176 Palestinian Territory
    {"Republic of Panama", "Nation", "(Does Not Exist)", "Central America", "591", "507", "-05:00:00"}, // 177 Panama
    {"Independent State of Papua New Guinea", "Nation", "(Does Not Exist)", "Australasia", "598", "675", "+10:00:00"}, // 178 Papua New Guinea
    {"Republic of Paraguay", "Nation", "(Does Not Exist)", "South America", "600", "595", "-04:00:00"}, // 179 Paraguay
    {"Republic of Peru", "Nation", "(Does Not Exist)", "South America", "604", "51", "-05:00:00"}, // 180 Peru
    {"Republic of the Philippines", "Nation", "(Does Not Exist)", "Southeastern Asia", "608", "63", "+08:00:00"}, // 181 Philippines
    {"Pitcairn, Henderson, Ducie, and Oeno Islands", "Dependent", "United Kingdom", "-", "612", "0", "-"}, // 182 Pitcairn Island
    {"Republic of Poland", "Nation", "(Does Not Exist)", "Eastern Europe", "616", "48", "+01:00:00"}, // 183 Poland
    {"Portuguese Republic", "Nation", "(Does Not Exist)", "Southern Europe", "620", "351", "+00:00:00"}, // 184 Portugal
    {"Commonwealth of Puerto Rico", "Dependent", "United States", "Caribbean", "630", "1787", "-04:00:00"}, // 185 Puerto Rico
    {"State of Qatar", "Nation", "(Does Not Exist)", "Middle East", "634", "974", "+03:00:00"}, // 186 Qatar
    {"Department of Reunion", "Dependent", "France", "Southern Africa", "638", "262", "+04:00:00"}, // 187 Reunion
    {"-", "Nation", "(Does Not Exist)", "Eastern Europe", "642", "40", "+02:00:00"}, // 188 Romania
    {"Russian Federation", "Nation", "(Does Not Exist)", "Northern Asia", "643", "7", "+03:00:00"}, // 189 Russia
    {"Republic of Rwanda", "Nation", "(Does Not Exist)", "Central Africa", "646", "250", "+02:00:00"}, // 190 Rwanda
    {"-", "Dependent", "United Kingdom", "-", "654", "290", "+00:00:00"}, // 191 Saint Helena
    {"Federation of Saint Kitts and Nevis", "Nation", "(Does Not Exist)", "Caribbean", "659", "1869", "-04:00:00"}, // 192 Saint Kitts And Nevis
    {"-", "Nation", "(Does Not Exist)", "Caribbean", "662", "1758", "-04:00:00"}, // 193 Saint Lucia
    {"Territorial Collectivity of Saint Pierre and Miquelon", "Dependent", "France", "-", "666", "508", "-03:00:00"}, // 194 Saint Pierre and Miquelon
    {"-", "Nation", "(Does Not Exist)", "Caribbean", "670", "1784", "-04:00:00"}, // 195 Saint Vincent and the Grenadines
    {"Independent State of Samoa", "Nation", "(Does Not Exist)", "Australasia", "882", "685", "-11:00:00"}, // 196 Samoa
    {"Republic of San Marino", "Nation", "(Does Not Exist)", "Southern Europe", "674", "378", "+01:00:00"}, // 197 San Marino
    {"Democratic Republic of Sao Tome and Principe", "Nation", "(Does Not Exist)", "Central Africa", "678", "239", "+00:00:00"}, // 198 Sao Tome And Principe
    {"Kingdom of Saudi Arabia", "Nation", "(Does Not Exist)", "Middle East", "682", "966", "+03:00:00"}, // 199 Saudi Arabia
    {"Republic of Senegal", "Nation", "(Does Not Exist)", "Western Africa", "686", "221", "+00:00:00"}, // 200 Senegal
    {"-", "Nation", "(Does Not Exist)", "Southern Europe", "891", "381", "+01:00:00"}, // 201 Serbia and Montenegro
    {"Republic of Seychelles", "Nation", "(Does Not Exist)", "Eastern Africa", "690", "248", "+04:00:00"}, // 202 Seychelles
    {"Republic of Sierra Leone", "Nation", "(Does Not Exist)", "Western Africa", "694", "232", "+00:00:00"}, // 203 Sierra Leone
    {"Republic of Singapore", "Nation", "(Does Not Exist)", "Southeastern Asia", "702", "65", "+08:00:00"}, // 204 Singapore
    {"Slovak Republic", "Nation", "(Does Not Exist)", "Eastern Europe", "703", "421", "+01:00:00"}, // 205 Slovakia
    {"Republic of Slovenia", "Nation", "(Does Not Exist)", "Southern Europe", "705", "386", "+01:00:00"}, // 206 Slovenia
    {"-", "Nation", "(Does Not Exist)", "Australasia", "090", "677", "+11:00:00"}, // 207 Solomon Islands
    {"-", "Nation", "(Does Not Exist)", "Eastern Africa", "706", "252", "+03:00:00"}, // 208 Somalia
    {"Republic of South Africa", "Nation", "(Does Not Exist)", "Southern Africa", "710", "27", "+02:00:00"}, // 209 South Africa
    {"South Georgia and the South Sandwich Islands", "Dependent", "United Kingdom", "-", "239", "0", "-"}, // 210 South Georgia
    {"Kingdom of Spain", "Nation", "(Does Not Exist)", "Southern Europe", "724", "34", "+01:00:00"}, // 211 Spain
    {"Democratic Socialist Republic of Sri Lanka", "Nation", "(Does Not Exist)", "Southern Asia", "144", "94", "+05:30:00"}, // 212 Sri Lanka
    {"Republic of the Sudan", "Nation", "(Does Not Exist)", "Northern Africa", "736", "249", "+03:00:00"}, // 213 Sudan
    {"Republic of Suriname", "Nation", "(Does Not Exist)", "South America", "740", "597", "-03:00:00"}, // 214 Suriname
    {"-", "Dependent", "Norway", "-", "744", "378", "+01:00:00"}, // 215 Svalbard
    {"Kingdom of Swaziland", "Nation", "(Does Not Exist)", "Southern Africa", "748", "268", "+02:00:00"}, // 216 Swaziland
    {"Kingdom of Sweden", "Nation", "(Does Not Exist)", "Northern Europe", "752", "46", "+01:00:00"}, // 217 Sweden
    {"Swiss Confederation", "Nation", "(Does Not Exist)", "Western Europe", "756", "41", "+01:00:00"}, // 218 Switzerland
    {"Syrian Arab Republic", "Nation", "(Does Not Exist)", "Middle East", "760", "963", "+02:00:00"}, // 219 Syria
    {"-", "Other", "(Does Not Exist)", "Eastern Asia", "158", "886", "+08:00:00"}, // 220 Taiwan
    {"Republic of Tajikistan", "Nation", "(Does Not Exist)", "Central Asia", "762", "992", "+05:00:00"}, // 221 Tajikistan
    {"United Republic of Tanzania", "Nation", "(Does Not Exist)", "Eastern Africa", "834", "255", "+03:00:00"}, // 222 Tanzania
    {"Kingdom of Thailand", "Nation", "(Does Not Exist)", "Southeastern Asia", "764", "66", "+07:00:00"}, // 223 Thailand
    {"Democratic Republic of Timor-Leste", "Nation", "(Does Not Exist)", "Southeastern Asia", "626", "670", "+09:00:00"}, // 224 Timor-Leste
    {"Togolese Republic", "Nation", "(Does Not Exist)", "Western Africa", "768", "228", "+00:00:00"}, // 225 Togo
    {"-", "Dependent", "New Zealand", "-", "772", "690", "-"}, // 226 Tokelau
    {"Kingdom of Tonga", "Nation", "(Does Not Exist)", "Australasia", "776", "676", "+13:00:00"}, // 227 Tonga
    {"Republic of Trinidad and Tobago", "Nation", "(Does Not Exist)", "Caribbean", "780", "1868", "-04:00:00"}, // 228 Trinidad And Tobago
    {"Tunisian Republic", "Nation", "(Does Not Exist)", "Northern Africa", "788", "216", "+01:00:00"}, // 229 Tunisia
    {"Republic of Turkey", "Nation", "(Does Not Exist)", "Southwestern Asia", "792", "90", "+02:00:00"}, // 230 Turkey
    {"-", "Nation", "(Does Not Exist)", "Central Asia", "795", "993", "+05:00:00"}, // 231 Turkmenistan
    {"-", "Dependent", "United Kingdom", "-", "796", "1649", "-05:00:00"}, // 232 Turks And Caicos Islands
    {"-", "Nation", "(Does Not Exist)", "Australasia", "798", "688", "+12:00:00"}, // 233 Tuvalu
    {"Republic of Uganda", "Nation", "(Does Not Exist)", "Eastern Africa", "800", "256", "+03:00:00"}, // 234 Uganda
    {"-", "Nation", "(Does Not Exist)", "Eastern Europe", "804", "380", "+02:00:00"}, // 235 Ukraine
    {"-", "Nation", "(Does Not Exist)", "Middle East", "784", "971", "+04:00:00"}, // 236 United Arab Emirates
    {"United Kingdom of Great Britain and Northern Ireland", "Nation", "(Does Not Exist)", "Western Europe", "826", "44", "+00:00:00"}, // 237 United Kingdom
    {"United States of America", "Nation", "(Does Not Exist)", "North America", "840", "1", "-05:00:00"}, // 238 United States
    {"Oriental Republic of Uruguay", "Nation", "(Does Not Exist)", "South America", "858", "598", "-03:00:00"}, // 239 Uruguay
    {"Republic of Uzbekistan", "Nation", "(Does Not Exist)", "Central Asia", "860", "998", "+05:00:00"}, // 240 Uzbekistan
    {"Republic of Vanuatu", "Nation", "(Does Not Exist)", "Australasia", "548", "678", "+11:00:00"}, // 241 Vanuatu
    {"Bolivarian Republic of Venezuela", "Nation", "(Does Not Exist)", "South America", "862", "58", "-04:00:00"}, // 242 Venezuela
    {"Socialist Republic of Vietnam", "Nation", "(Does Not Exist)", "Southeastern Asia", "704", "84", "+07:00:00"}, // 243 Vietnam
    {"-", "Dependent", "United Kingdom", "-", "092", "1284", "-04:00:00"}, // 244 Virgin Islands (British)
    {"United States Virgin Islands", "Dependent", "United States", "Caribbean", "850", "1340", "-04:00:00"}, // 245 Virgin Islands
    {"-", "Dependent", "United States", "-", "581", "808", "-"}, // 246 Wake Island
    {"Territory of the Wallis and Futuna Islands", "Dependent", "France", "-", "876", "681", "+12:00:00"}, // 247 Wallis And Futuna
    {"-", "Miscellaneous", "-", "Middle East", "-", "970", "+02:00:00"}, // 248 West Bank
    {"-", "Miscellaneous", "-", "Northern Africa", "732", "212", "+00:00:00"}, // 249 Western Sahara
    {"Republic of Yemen", "Nation", "(Does Not Exist)", "Middle East", "887", "967", "+03:00:00"}, // 250 Yemen
    {"Republic of Zambia", "Nation", "(Does Not Exist)", "Southern Africa", "894", "260", "+02:00:00"}, // 251 Zambia
    {"Republic of Zimbabwe", "Nation", "(Does Not Exist)", "Southern Africa", "716", "263", "+02:00:00"}, // 252 Zimbabwe
}};
// clang-format on
} // namespace orbilex
