#include "data/today.h"

#include "data/codelists.h"
#include "data/prefixnotes.h"
#include "data/records.h"

#include <QString>

#include <algorithm>
#include <regex>
#include <string>

// How a record's value is compared with today's (tools/make-today.mjs applies the same rules to count them):
//   Name         the country-list name, against the ISO name, the CLDR name and the current short forms,
//                by letters and digits alone, without accents or letter case
//   Alpha2, Alpha3, Tld, Ioc, Currency    the code list entry (codelists.h)
//   Numeric, CallingCode                  the record's ISO number and dialing code (records.h)
//   Idd, Ndd     the first prefix of the record's note (prefixnotes.h), "~" and "*" (wait for tone) left out;
//                "None required" is no prefix. IDD matches the preferred prefix or the accepted pattern.
// A record's "-", ".-" and dialing code "0" are no value, which matches a today field without values.
// A dissolved row differs in every field: the record describes a country that no longer exists.
// A row that is part of another entry keeps its own name. Disputed IOC codes, and the prefixes of a place
// without a numbering plan, are Unknown.

namespace orbilex {

namespace {

std::string_view noValue(std::string_view value)
{
    return (value == "-" || value == ".-" || value == "0") ? std::string_view() : value;
}

bool among(std::string_view value, std::string_view joined)
{
    if (value.empty())
        return joined.empty();
    const std::vector<std::string_view> values = todayValues(joined);
    return std::ranges::find(values, value) != values.end();
}

QString folded(std::string_view text)
{
    const QString decomposed
        = QString::fromUtf8(text.data(), qsizetype(text.size())).normalized(QString::NormalizationForm_D);
    QString letters;
    for (const QChar c : decomposed) {
        if (c.isLetterOrNumber())
            letters += c.toLower();
    }
    return letters;
}

bool nameMatches(int index, const TodayRow &row)
{
    const QString name = folded(kCountryNames[index]);
    for (const std::string_view joined : {row.isoName, row.commonName, row.shortNames}) {
        for (const std::string_view candidate : todayValues(joined)) {
            if (folded(candidate) == name)
                return true;
        }
    }
    return false;
}

std::string leadingPrefix(std::string_view note)
{
    if (note.starts_with("None required"))
        return {};
    std::string prefix;
    for (const char c : note) {
        if (c >= '0' && c <= '9')
            prefix += c;
        else if (c != '~' && c != '*')
            break;
    }
    return prefix;
}

bool iddMatches(const std::string &prefix, const TodayRow &row)
{
    for (const std::string_view idd : todayValues(row.idd)) {
        std::string digits(idd);
        std::erase(digits, '~');
        if (digits == prefix)
            return true;
    }
    return !row.iddPattern.empty() && std::regex_match(prefix, std::regex(std::string(row.iddPattern)));
}

TodayState state(bool same)
{
    return same ? TodayState::Same : TodayState::Differs;
}

} // namespace

std::vector<std::string_view> todayValues(std::string_view joined)
{
    std::vector<std::string_view> values;
    if (joined.empty())
        return values;
    for (std::size_t start = 0;;) {
        const std::size_t bar = joined.find('|', start);
        values.push_back(joined.substr(start, bar - start));
        if (bar == std::string_view::npos)
            return values;
        start = bar + 1;
    }
}

TodayState compareWithToday(int countryIndex, TodayField field)
{
    if (countryIndex < 0 || countryIndex >= kCountryCount)
        return TodayState::Unknown;
    const TodayRow &row = kToday[countryIndex];
    if (row.kind == TodayKind::Dissolved)
        return TodayState::Differs;
    const CountryCodes &codes = kCodes[countryIndex];
    const CountryRecord &record = kRecords[countryIndex];
    const bool hasPlan = !row.callingCodes.empty();
    switch (field) {
    case TodayField::Name:
        return row.kind == TodayKind::PartOf ? TodayState::Same : state(nameMatches(countryIndex, row));
    case TodayField::Alpha2:
        return state(among(noValue(codes.alpha2), row.alpha2));
    case TodayField::Alpha3:
        return state(among(noValue(codes.alpha3), row.alpha3));
    case TodayField::Numeric:
        return state(among(noValue(record.isoNumber), row.numeric));
    case TodayField::Tld:
        return state(among(noValue(codes.tld), row.tlds));
    case TodayField::Ioc:
        return row.iocDispute.empty() ? state(among(noValue(codes.ioc), row.ioc)) : TodayState::Unknown;
    case TodayField::Currency:
        return state(among(noValue(codes.currency), row.currencies));
    case TodayField::CallingCode:
        return state(among(noValue(record.dialingCode), row.callingCodes));
    case TodayField::Idd:
        if (!hasPlan)
            return TodayState::Unknown;
        return state(iddMatches(leadingPrefix(iddNote(kCountryNames[countryIndex])), row));
    case TodayField::Ndd: {
        if (!hasPlan)
            return TodayState::Unknown;
        const std::string prefix = leadingPrefix(nddNote(kCountryNames[countryIndex]));
        return state(among(prefix, row.ndd));
    }
    }
    return TodayState::Unknown;
}

} // namespace orbilex
