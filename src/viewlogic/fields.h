#pragma once
// The main window's fields, one row each: the check box that chooses the
// field for copying and the HTML page, the widget that shows it, its line in
// the copied text, its row on the page and, for the ten a user may replace,
// the key in userdb.ini with the buttons that edit and reset it. Building the
// window, copying, the page, the stored choices and the overrides all loop
// over this table.

#include "data/today.h"
#include "store/settingskeys.h"

#include <array>
#include <cstddef>

namespace orbilex {

// In the order of the table, which is the order the check boxes are stored.
enum class Field {
    CountryName,
    LongName,
    Type,
    Dependency,
    Location,
    Tld,
    Alpha2,
    Alpha3,
    IsoNumber,
    Ioc,
    Currency,
    Language,
    Fips,
    Gmt,
    ExtraInfo,
    ExtraInfo2,
    DialingCode,
    SameCode,
    City,
    CityAll,
    Idd,
    Ndd,
    Sign,
};

inline constexpr std::size_t kFieldCount = std::size_t(Field::Sign) + 1;

constexpr std::size_t index(Field f)
{
    return std::size_t(f);
}

// One value per field, reached by the field's name.
template<typename T> struct PerField {
    std::array<T, kFieldCount> values {};

    T &operator[](Field f) { return values[index(f)]; }
    const T &operator[](Field f) const { return values[index(f)]; }
};

// A line of the copied text: its label and its place among the lines. The
// city part follows the lines and is built apart.
struct CopyLine {
    const char *label = nullptr; // null: no line of its own
    int line = -1;
};

enum class PageKind { LongName, Plain, Link, Note };

// A row of the HTML page and its place among the rows.
struct PageRow {
    const char *label = nullptr; // null: no row of its own
    PageKind kind = PageKind::Plain;
    bool trimmed = false; // the value shown without its surrounding blanks
    int row = -1;
};

// A field the user may replace: its key in a country's section of userdb.ini.
struct Override {
    const char *key = nullptr; // null: the field keeps the record's value
    const char *editButton = nullptr;
    const char *resetButton = nullptr;
};

// A field compared with a fact of today: the label beside the field that
// shows today's value when it changed, and the fact it shows.
struct TodayMark {
    const char *marker = nullptr; // null: the field has no fact of today
    TodayField fact = TodayField::Name;
};

struct FieldRow {
    Field field;
    const char *check; // the check box's objectName
    const char *caption; // the check box's caption; its text is the field's accessible name
    BoolKey settingsKey; // where the tick is stored
    const char *widget; // the objectName of the widget that shows the field; null for none
    CopyLine copy;
    PageRow page;
    Override user;
    TodayMark today {};
};

// The copied text gives the distinguishing sign behind the extra information;
// the page moves it behind the dialing notes.
inline constexpr std::array<FieldRow, kFieldCount> kFields = {{
    {Field::CountryName, "chkCountryName", "C&ountry Name:", BoolKey {"chkCountryName"}, "txtCountryName",
        {"Country Name: ", 0}, {}, {}, {"lblCountryNameToday", TodayField::Name}},
    {Field::LongName, "chkLongName", "Lon&g Name:", BoolKey {"chkLongName"}, "txtLongName", {"Long Name: ", 1},
        {"Long Name:", PageKind::LongName, false, 0}, {"LongName", "cmdLongEdit", "cmdLongDef"}},
    {Field::Type, "chkType", "T&ype:", BoolKey {"chkType"}, "txtType", {"Type: ", 2},
        {"Type:", PageKind::Plain, false, 1}, {"Type", "cmdTypeEdit", "cmdTypeDef"}},
    {Field::Dependency, "chkDep", "De&pendency Of:", BoolKey {"chkDep"}, "txtDep", {"Dependency Of: ", 3},
        {"Dependency Of:", PageKind::Plain, false, 2}, {"Dep", "cmdDep", "cmdDepDef"}},
    {Field::Location, "chkLocation", "&Location:", BoolKey {"chkLocation"}, "txtLocation", {"Location: ", 4},
        {"Location:", PageKind::Plain, false, 3}, {"Location", "cmdLocationEdit", "cmdLocationDef"}},
    {Field::Tld, "chkTLD", "&TLD Code: ", BoolKey {"chkTLD"}, "cmbTLD", {"TLD Code: ", 5},
        {"TLD Code:", PageKind::Plain, true, 4}, {}, {"lblTLDToday", TodayField::Tld}},
    {Field::Alpha2, "chkISO2", "ISO Alpha-&2 Code:", BoolKey {"chkISO2"}, "cmbCountryCode", {"ISO Alpha-2 Code: ", 6},
        {"ISO Alpha-2 Code:", PageKind::Plain, true, 5}, {}, {"lblISO2Today", TodayField::Alpha2}},
    {Field::Alpha3, "chkISO3", "ISO Alpha-&3 Code:", BoolKey {"chkISO3"}, "cmbISO3", {"ISO Alpha-3 Code: ", 7},
        {"ISO Alpha-3 Code:", PageKind::Plain, false, 6}, {}, {"lblISO3Today", TodayField::Alpha3}},
    {Field::IsoNumber, "chkISONumber", "ISO Nu&mber:", BoolKey {"chkISONumber"}, "txtISONumber", {"ISO Number: ", 8},
        {"ISO Number:", PageKind::Plain, false, 7}, {"ISONum", "cmdISONumEdit", "cmdISoNumDef"},
        {"lblISONumberToday", TodayField::Numeric}},
    {Field::Ioc, "chkIOC", "I&OC Code:", BoolKey {"chkIOC"}, "cmbIOC", {"IOC Code: ", 9},
        {"IOC Code:", PageKind::Plain, true, 8}, {}, {"lblIOCToday", TodayField::Ioc}},
    {Field::Currency, "chkCurrency", "I&SO Currency Code:", BoolKey {"chkCurrency"}, "cmbCurrencyCode",
        {"ISO Currency Code: ", 10}, {"ISO Currency Code:", PageKind::Plain, true, 9}, {},
        {"lblCurrencyToday", TodayField::Currency}},
    {Field::Language, "chkLanguage", "Language a&bb.:", BoolKey {"chkLanguage"}, "cmbLanguage",
        {"Language abbreviation: ", 11}, {"Language abbreviation:", PageKind::Plain, true, 10}, {}},
    {Field::Fips, "chkFIPS", "FIPS &10-4 Code:", BoolKey {"chkFIPS"}, "cmbFIPS", {"FIPS 10-4 Code: ", 12},
        {"FIPS 10-4 Code:", PageKind::Plain, true, 11}, {}},
    {Field::Gmt, "chkGMT", "GMT Deviation:", BoolKey {"chkGMT"}, "txtGMT", {"GMT Deviation: ", 13},
        {"GMT Deviation:", PageKind::Plain, false, 12}, {"GMT", "cmdGMTEdit", "cmdGMTdef"}},
    {Field::ExtraInfo, "chkUrl", "&Extra Information: ", BoolKey {"chkUrl"}, "txtUrl", {"Extra Information: ", 14},
        {"Extra Information:", PageKind::Link, false, 13}, {"InfoA", "cmdInfoAEdit", "cmdInfoADef"}},
    {Field::ExtraInfo2, "chkInfoP", "Extra Information II:", BoolKey {"chkInfoP"}, "txtPInfo",
        {"Extra Information II: ", 15}, {"Extra Information II:", PageKind::Link, false, 14},
        {"InfoB", "cmdInfoBEdit", "cmdInfoBDef"}},
    {Field::DialingCode, "chkCountryCode", "Dia&ling Code:", BoolKey {"chkCountryCode"}, "cmbCode",
        {"Dialing Code: ", 17}, {"Dialing Code:", PageKind::Plain, true, 15}, {},
        {"lblCodeToday", TodayField::CallingCode}},
    {Field::SameCode, "chkSameCode", "Countries &with the same dialing code:", BoolKey {"chkSameCode"}, "lstSameCode",
        {"Countries with the same dialing code: ", 18},
        {"Countries with the <br>same dialing code:", PageKind::Plain, false, 16}, {}},
    {Field::City, "chkCity", "C&ity:", BoolKey {"chkCity"}, "cmbCity", {}, {}, {}},
    {Field::CityAll, "chkCityAll", "choose all cities when copying :", BoolKey {"chkCityAll"}, nullptr, {}, {}, {}},
    {Field::Idd, "chkIDDCopy", "IDDD Code:", BoolKey {"chkIDD"}, "txtIDD", {"IDDD Code: ", 19},
        {"IDDD Code:", PageKind::Note, true, 17}, {"IDDD", "cmdIDDEdit", "cmdIDDDef"},
        {"lblIDDToday", TodayField::Idd}},
    {Field::Ndd, "chkNDD", "&NDD Code:", BoolKey {"chkNDD"}, "txtNDD", {"NDD Code: ", 20},
        {"NDD Code:", PageKind::Note, true, 18}, {"NDD", "cmdNDDEdit", "cmdNDDDef"}, {"lblNDDToday", TodayField::Ndd}},
    {Field::Sign, "chkDSCode", "Distinguishing &sign:", BoolKey {"chkDSCode"}, "cmbDSCode",
        {"Distinguishing sign: ", 16}, {"Distinguishing sign:", PageKind::Plain, true, 19}, {}},
}};

constexpr const FieldRow &fieldRow(Field f)
{
    return kFields[index(f)];
}

namespace detail {

consteval bool rowsInEnumOrder()
{
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (index(kFields[i].field) != i)
            return false;
    return true;
}

// The fields that have a place, in the order of their places; a place taken
// twice or left empty does not compile.
template<std::size_t N, typename Place> consteval std::array<Field, N> inPlaceOrder(Place place)
{
    std::array<Field, N> order {};
    std::array<bool, N> taken {};
    for (const FieldRow &row : kFields) {
        const int at = place(row);
        if (at < 0)
            continue;
        if (std::size_t(at) >= N || taken[std::size_t(at)])
            throw "two fields in one place";
        taken[std::size_t(at)] = true;
        order[std::size_t(at)] = row.field;
    }
    for (const bool t : taken)
        if (!t)
            throw "a place without a field";
    return order;
}

} // namespace detail

static_assert(detail::rowsInEnumOrder(), "kFields must list the fields in the order of Field");

namespace detail {

consteval bool marksEveryFactOfTodayOnce()
{
    std::array<int, kTodayFieldCount> marks {};
    for (const FieldRow &row : kFields)
        if (row.today.marker)
            ++marks[std::size_t(row.today.fact)];
    for (const int n : marks)
        if (n != 1)
            return false;
    return true;
}

} // namespace detail

static_assert(detail::marksEveryFactOfTodayOnce(), "every fact of today needs one field that shows it");

// The lines of the copied text before the city part.
inline constexpr std::array<Field, 21> kCopyOrder
    = detail::inPlaceOrder<21>([](const FieldRow &row) { return row.copy.line; });
// The rows of the HTML page before the city row.
inline constexpr std::array<Field, 20> kPageOrder
    = detail::inPlaceOrder<20>([](const FieldRow &row) { return row.page.row; });

// The order in which a shown record reads its overrides: GMT last, so an
// override wins over both the record and the city rule.
inline constexpr std::array<Field, 10> kOverrideReadOrder = {
    Field::LongName,
    Field::Type,
    Field::Dependency,
    Field::Location,
    Field::Ndd,
    Field::IsoNumber,
    Field::ExtraInfo,
    Field::ExtraInfo2,
    Field::Idd,
    Field::Gmt,
};

namespace detail {

consteval bool readsEveryOverrideOnce()
{
    std::size_t overridable = 0;
    for (const FieldRow &row : kFields)
        if (row.user.key) {
            ++overridable;
            std::size_t reads = 0;
            for (const Field f : kOverrideReadOrder)
                reads += f == row.field;
            if (reads != 1)
                return false;
        }
    return overridable == kOverrideReadOrder.size();
}

} // namespace detail

static_assert(detail::readsEveryOverrideOnce(), "kOverrideReadOrder must name every overridable field once");

inline constexpr const char *kUserDbFile = "userdb.ini";

} // namespace orbilex
