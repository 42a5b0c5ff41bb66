#pragma once
// The international (IDD) and national (NDD) dialing prefixes. Where a country
// has several carriers or rules the note lists them line by line, joined by
// CR LF with none after the last line; blanks inside and at the end of a line
// are part of the note. Keyed by the exact country-list text.

#include <array>
#include <string_view>

namespace orbilex {

struct PrefixNote {
    std::string_view country;
    std::string_view text;
};

inline constexpr std::string_view kDefaultIddNote = "00";
inline constexpr std::string_view kDefaultNddNote = "0";

// clang-format off
inline constexpr std::array<PrefixNote, 71> kIddNotes = {{
    {"Anguilla", "011"},
    {"Antigua And Barbuda", "011"},
    {"Australia", "0011 (Voice calls)" "\r\n" "0015 (Fax calls)"},
    {"Bahamas", "011"},
    {"Barbados", "011"},
    {"Belarus", "8**10 ( written as 8~10)"},
    {"Bermuda", "011"},
    {"Bolivia", "0010 (ENTEL)" "\r\n" "0011 (AES COMMUNICATIONS BOLIVIA)" "\r\n" "0012 (TELEDATA)" "\r\n" "0013 (BOLIVIATEL)"},
    {"Brazil", "0014 (Brasil Telecom)" "\r\n" "0015 (Telefonica)" "\r\n" "0021 (Embratel)" "\r\n" "0023 (Intelig)" "\r\n" "0031 (Telemar)"},
    {"Cambodia", "001"},
    {"Canada", "011"},
    {"Cayman Islands", "011"},
    {"Chad", "15"},
    {"Christmas Island", "0011 (Telstra)"},
    {"Colombia", "005    Orbitel" "\r\n" "007    ETB" "\r\n" "009    Telecom" "\r\n" "#555   Bellsouth" "\r\n" "#999   Comcel"},
    {"Cuba", "119"},
    {"Czech", "00" "\r\n" "95200 (Discount carrier)"},
    {"Dominica", "011"},
    {"Dominican Republic", "011"},
    {"El Salvador", "00" "\r\n" "144+00 Telefonica"},
    {"Finland", "00, 990, 994, 999"},
    {"France", "00 (France Telecom)" "\r\n" "40 (TELE 2)" "\r\n" "50 (OMNICOM)" "\r\n" "70 (LE 7 CEGETEL)" "\r\n" "90 (9 TELECOM)"},
    {"Georgia", "8~10"},
    {"Grenada", "011"},
    {"Guam", "011"},
    {"Guatemala", "00" "\r\n" "130+00 Telefonica" "\r\n" "147-00 Telgua"},
    {"Guyana", "001"},
    {"Hong Kong", "001  -- PCCW" "\r\n" "0080 -- Hutchison" "\r\n" "009  -- New World"},
    {"Indonesia", "001,008"},
    {"Ireland", "00" "\r\n" "048 to Northern Ireland"},
    {"Israel", "00 (default selected carrier, not available from public phones); " "\r\n" "012 (Golden Lines)" "\r\n" "013 (Barak LTD)" "\r\n" "014 (Bezeq LTD)"},
    {"Japan", "001 (KDD) " "\r\n" "010 (MYLINE/MYLINE PLUS)" "\r\n" "0061 (Cable & Wireless IDC)" "\r\n" "0041 (Japan Telecom)"},
    {"Kazakhstan", "8~10"},
    {"Kenya", "000" "\r\n" "006 to Uganda" "\r\n" "007 to Tanzania"},
    {"Korea", "001, 002" "\r\n" "00700 (Speed/ SKTelecom mobiles)"},
    {"Lebanon", "00 - to dial Syria From Lebanon, you may use \"02-xx-number\", where xx is the area code in Syria."},
    {"Marshall Islands", "011"},
    {"Micronesia", "011"},
    {"Midway Islands", "011"},
    {"Mongolia", "001"},
    {"Montserrat", "011"},
    {"Nigeria", "009"},
    {"Northern Mariana Islands", "011"},
    {"Palau", "011"},
    {"Panama", "00 Cable & Wireless" "\r\n" "088+00  Telecarrier" "\r\n" "055+00 Clarocom"},
    {"Papua New Guinea", "05"},
    {"Paraguay", "002"},
    {"Portugal", "00" "\r\n" "882 Rubicon/BT GeoVerse"},
    {"Puerto Rico", "011"},
    {"Russia", "8~10" "\r\n" "Possibly changing to 00"},
    {"Saint Kitts And Nevis", "011"},
    {"Saint Lucia", "011"},
    {"Saint Vincent and the Grenadines", "011"},
    {"Serbia and Montenegro", "99"},
    {"Singapore", "001 - Singtel IDD" "\r\n" "002 - MobileOne IDD" "\r\n" "008 - Starhub IDD" "\r\n" "012 - Singtel FaxPlus (Fax over IP)" "\r\n" "013 - Singtel BudgetCall (Voice recommended only/Fax possible)" "\r\n" "018 - Starhub I-Call (Voice over IP)" "\r\n" "019 - Singtel V019 (Voice over IP)"},
    {"South Africa", "09"},
    {"Syria", "00 - to dial Lebanon from Syria, you may also use 06-xx-number, where xx is the area code in Lebanon."},
    {"Taiwan", "002"},
    {"Tajikistan", "8~10"},
    {"Tanzania", "000" "\r\n" "000, 005 to Kenya" "\r\n" "006 to Uganda"},
    {"Thailand", "001 (to call Malaysia from Thailand, dial 007-60 +Area Code)"},
    {"Trinidad And Tobago", "011"},
    {"Turkmenistan", "8~10"},
    {"Turks And Caicos Islands", "011"},
    {"Uganda", "000" "\r\n" "000, 005 to Kenya" "\r\n" "007 to Tanzania"},
    {"Ukraine", "8~10"},
    {"United Kingdom", "00 (including ADSL and ISDN)"},
    {"Uzbekistan", "8~10"},
    {"Venezuela", "00 - DEFAULT" "\r\n" "01-02-0 - Etelix" "\r\n" "01-07-0 - www.digitel.com.ve" "\r\n" "01-10-0 - CANTV" "\r\n" "01-11-0 - Convergence Comunications" "\r\n" "01-14-0 - Telcel, C.A." "\r\n" "01-19-0 - Totalcom Venezuela" "\r\n" "01-23-0 - Orbitel de Venezuela, C.A. ENTEL Venezuela" "\r\n" "01-50-0 - LD Telecomunicaciones, C.A." "\r\n" "01-33-0 - Telecomunicaciones NGTV" "\r\n" "01-99-0 - Veninfotel Comunicaciones"},
    {"Virgin Islands (British)", "011"},
    {"Wallis And Futuna", "19"},
}};
// clang-format on

// clang-format off
inline constexpr std::array<PrefixNote, 56> kNddNotes = {{
    {"Algeria", "7"},
    {"Anguilla", "1"},
    {"Antigua And Barbuda", "1"},
    {"Armenia", "8"},
    {"Azerbaijan", "8"},
    {"Bahamas", "1"},
    {"Barbados", "1"},
    {"Belarus", "8"},
    {"Bermuda", "1"},
    {"Canada", "1"},
    {"Cayman Islands", "1"},
    {"Colombia", "03   (Mobile Phones)" "\r\n" "05     Orbitel" "\r\n" "07    ETB" "\r\n" "09    Telecom"},
    {"Cook Islands", "00"},
    {"Cyprus", "None required"},
    {"Czech", "None required"},
    {"Dominica", "1"},
    {"Dominican Republic", "1"},
    {"Estonia", "None required"},
    {"Georgia", "8"},
    {"Greece", "None required"},
    {"Grenada", "1"},
    {"Guam", "1"},
    {"Guatemala", "None required"},
    {"Hungary", "06"},
    {"Jamaica", "1"},
    {"Kazakhstan", "8"},
    {"Korea", "0, 082"},
    {"Latvia", "8"},
    {"Liberia", "22"},
    {"Liechtenstein", "None required"},
    {"Lithuania", "8"},
    {"Luxembourg", "None required"},
    {"Marshall Islands", "1"},
    {"Mexico", "01"},
    {"Micronesia", "1"},
    {"Midway Islands", "1"},
    {"Montserrat", "1"},
    {"Norfolk Island", "None required"},
    {"Norway", "None required"},
    {"Portugal", "None required"},
    {"Puerto Rico", "1"},
    {"Russia", "8 - may change to 0"},
    {"Saint Kitts And Nevis", "1"},
    {"Saint Lucia", "1"},
    {"Saint Vincent and the Grenadines", "1"},
    {"Singapore", "None required"},
    {"Tajikistan", "8"},
    {"Trinidad And Tobago", "1"},
    {"Turkmenistan", "8"},
    {"Turks And Caicos Islands", "1"},
    {"Ukraine", "8"},
    {"United States", "1"},
    {"Uzbekistan", "8"},
    {"Venezuela", "0 - DEFAULT" "\r\n" "01-02 - Etelix" "\r\n" "01-07 - www.digitel.com.ve" "\r\n" "01-10 - CANTV" "\r\n" "01-11 - Convergence Comunications" "\r\n" "01-14 - Telcel, C.A." "\r\n" "01-19 - Totalcom Venezuela" "\r\n" "01-23 - Orbitel de Venezuela, C.A. ENTEL Venezuela" "\r\n" "01-50 - LD Telecomunicaciones, C.A." "\r\n" "01-33 - Telecomunicaciones NGTV" "\r\n" "01-99 - Veninfotel Comunicaciones"},
    {"Virgin Islands (British)", "1"},
    {"Virgin Islands", "1"},
}};
// clang-format on

// The note of the country named exactly so, or the default.
std::string_view iddNote(std::string_view country);
std::string_view nddNote(std::string_view country);

} // namespace orbilex
