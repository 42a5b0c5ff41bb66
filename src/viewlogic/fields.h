#pragma once
// The main window's field tables: the check boxes that choose the fields for
// copying and the HTML page, and the ten fields a user may override.

#include <array>

namespace orbilex {

struct FieldCheck {
    const char *objectName;
    const char *caption;
    const char *settingsKey;
};

// In the order the settings are read and written.
inline constexpr std::array<FieldCheck, 23> kFieldChecks = {{
    {"chkCountryName", "C&ountry Name:", "chkCountryName"},
    {"chkLongName", "Lon&g Name:", "chkLongName"},
    {"chkType", "T&ype:", "chkType"},
    {"chkDep", "De&pendency Of:", "chkDep"},
    {"chkLocation", "&Location:", "chkLocation"},
    {"chkTLD", "&TLD Code: ", "chkTLD"},
    {"chkISO2", "ISO Alpha-&2 Code:", "chkISO2"},
    {"chkISO3", "ISO Alpha-&3 Code:", "chkISO3"},
    {"chkISONumber", "ISO Nu&mber:", "chkISONumber"},
    {"chkIOC", "I&OC Code:", "chkIOC"},
    {"chkCurrency", "I&SO Currency Code:", "chkCurrency"},
    {"chkLanguage", "Language a&bb.:", "chkLanguage"},
    {"chkFIPS", "FIPS &10-4 Code:", "chkFIPS"},
    {"chkGMT", "GMT Deviation:", "chkGMT"},
    {"chkUrl", "&Extra Information: ", "chkUrl"},
    {"chkInfoP", "Extra Information II:", "chkInfoP"},
    {"chkCountryCode", "Dia&ling Code:", "chkCountryCode"},
    {"chkSameCode", "Countries &with the same dialing code:", "chkSameCode"},
    {"chkCity", "C&ity:", "chkCity"},
    {"chkCityAll", "choose all cities when copying :", "chkCityAll"},
    {"chkIDDCopy", "IDDD Code:", "chkIDD"},
    {"chkNDD", "&NDD Code:", "chkNDD"},
    {"chkDSCode", "Distinguishing &sign:", "chkDSCode"},
}};

struct OverrideField {
    const char *key;
    const char *field;
    const char *editButton;
    const char *resetButton;
};

inline constexpr std::array<OverrideField, 10> kOverrideFields = {{
    {"LongName", "txtLongName", "cmdLongEdit", "cmdLongDef"},
    {"Type", "txtType", "cmdTypeEdit", "cmdTypeDef"},
    {"Dep", "txtDep", "cmdDep", "cmdDepDef"},
    {"Location", "txtLocation", "cmdLocationEdit", "cmdLocationDef"},
    {"ISONum", "txtISONumber", "cmdISONumEdit", "cmdISoNumDef"},
    {"GMT", "txtGMT", "cmdGMTEdit", "cmdGMTdef"},
    {"InfoA", "txtUrl", "cmdInfoAEdit", "cmdInfoADef"},
    {"InfoB", "txtPInfo", "cmdInfoBEdit", "cmdInfoBDef"},
    {"IDDD", "txtIDD", "cmdIDDEdit", "cmdIDDDef"},
    {"NDD", "txtNDD", "cmdNDDEdit", "cmdNDDDef"},
}};

// The order in which a shown record reads its overrides: "GMT" last, so an
// override wins over both the record and the city rule.
inline constexpr std::array<const char *, 10> kOverrideReadOrder = {
    "LongName", "Type", "Dep", "Location", "NDD", "ISONum", "InfoA", "InfoB", "IDDD", "GMT",
};

inline constexpr const char *kUserDbFile = "userdb.ini";

} // namespace orbilex
