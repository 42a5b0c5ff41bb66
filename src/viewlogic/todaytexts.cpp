#include "viewlogic/todaytexts.h"

#include "data/codelists.h"
#include "data/prefixnotes.h"
#include "data/records.h"
#include "data/text.h"
#include "data/zones.h"

#include <optional>

namespace orbilex::today {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A source of the generated table, found by a word of its name so that a
// change of the generator's order cannot pair a fact with another's version.
struct SourceRef {
    const char *key;
    const char *shortName;
};

struct FactSource {
    TodayField fact;
    const char *what;
    SourceRef first;
    std::optional<SourceRef> second;
};

constexpr SourceRef kIsoCodes {"iso-codes", "Debian iso-codes"};
constexpr SourceRef kCldr {"CLDR", "Unicode CLDR"};
constexpr SourceRef kSuffixList {"Public Suffix", "Public Suffix List"};
constexpr SourceRef kPhone {"libphonenumber", "libphonenumber-js"};

// clang-format off
constexpr FactSource kFactSources[] = {
    {TodayField::Name, "ISO 3166-1", kIsoCodes, {}},
    {TodayField::Alpha2, "ISO 3166-1", kIsoCodes, {}},
    {TodayField::Alpha3, "ISO 3166-1", kIsoCodes, {}},
    {TodayField::Numeric, "ISO 3166-1", kIsoCodes, {}},
    {TodayField::Tld, "ccTLDs", kSuffixList, {}},
    {TodayField::Ioc, "IOC codes", {"world-countries", "world-countries"},
        SourceRef {"country-data-list", "country-data-list"}},
    {TodayField::Currency, "ISO 4217", kCldr, {}},
    {TodayField::CallingCode, "E.164 calling codes", kPhone, {}},
    {TodayField::Idd, "international prefixes", kPhone, {}},
    {TodayField::Ndd, "national prefixes", kPhone, {}},
};
// clang-format on
static_assert(std::size(kFactSources) == kTodayFieldCount);
static_assert(
    [] {
        for (std::size_t i = 0; i < std::size(kFactSources); ++i)
            if (std::size_t(kFactSources[i].fact) != i)
                return false;
        return true;
    }(),
    "kFactSources is looked up by fact, so it lists them in the order of TodayField");

QString text(std::string_view s)
{
    return qs(s);
}

QString sourceWithVersion(const SourceRef &ref)
{
    for (const TodaySource &source : kTodaySources)
        if (source.name.find(ref.key) != std::string_view::npos)
            return QStringLiteral("%1 %2 (%3)")
                .arg(QLatin1StringView(ref.shortName), text(source.version), text(source.date));
    return QLatin1StringView(ref.shortName);
}

const FactSource &factSource(TodayField fact)
{
    return kFactSources[std::size_t(fact)];
}

QString joined(const QStringList &list)
{
    return list.isEmpty() ? QStringLiteral("none") : list.join(QStringLiteral(", "));
}

// The value compared, as the window shows it: a prefix note's lines on one line.
QString todayShown(int country, TodayField fact)
{
    const TodayRow &row = kToday[std::size_t(country)];
    if (fact == TodayField::Ioc && !row.iocDispute.empty())
        return QStringLiteral("disputed: ") + text(row.iocDispute);
    return joined(values(country, fact));
}

QString noteOnOneLine(std::string_view note)
{
    return text(note).split(kCrLf).join(QStringLiteral("; "));
}

QString recordValue(int country, TodayField fact)
{
    const CountryCodes &codes = kCodes[std::size_t(country)];
    const CountryRecord &record = kRecords[std::size_t(country)];
    const std::string_view name = kCountryNames[std::size_t(country)];
    switch (fact) {
    case TodayField::Name:
        return text(name);
    case TodayField::Alpha2:
        return text(codes.alpha2);
    case TodayField::Alpha3:
        return text(codes.alpha3);
    case TodayField::Numeric:
        return text(record.isoNumber);
    case TodayField::Tld:
        return text(codes.tld);
    case TodayField::Ioc:
        return text(codes.ioc);
    case TodayField::Currency:
        return text(codes.currency);
    case TodayField::CallingCode:
        return text(record.dialingCode);
    case TodayField::Idd:
        return noteOnOneLine(iddNote(name));
    case TodayField::Ndd:
        return noteOnOneLine(nddNote(name));
    }
    return {};
}

FactRow zoneRow(int country)
{
    QStringList ids;
    for (const std::string_view id : countryZones(country))
        ids << text(id);
    const QString today = ids.isEmpty() ? QStringLiteral("none (%1)").arg(text(noZoneReason(country))) : joined(ids);
    return {QStringLiteral("Time Zone"), text(kRecords[std::size_t(country)].gmt), today,
        QStringLiteral("IANA tz database %1").arg(text(kZonesTzVersion)), false};
}

bool valid(int country)
{
    return country >= 0 && country < kCountryCount;
}

} // namespace

QStringList values(int country, TodayField fact)
{
    if (!valid(country))
        return {};
    const TodayRow &row = kToday[std::size_t(country)];
    std::string_view joinedValues;
    switch (fact) {
    case TodayField::Name:
        joinedValues = row.isoName;
        break;
    case TodayField::Alpha2:
        joinedValues = row.alpha2;
        break;
    case TodayField::Alpha3:
        joinedValues = row.alpha3;
        break;
    case TodayField::Numeric:
        joinedValues = row.numeric;
        break;
    case TodayField::Tld:
        joinedValues = row.tlds;
        break;
    case TodayField::Ioc:
        joinedValues = row.ioc;
        break;
    case TodayField::Currency:
        joinedValues = row.currencies;
        break;
    case TodayField::CallingCode:
        joinedValues = row.callingCodes;
        break;
    case TodayField::Idd:
        // Where several prefixes are accepted, the pattern is all there is.
        joinedValues = row.idd.empty() ? row.iddPattern : row.idd;
        break;
    case TodayField::Ndd:
        joinedValues = row.ndd;
        break;
    }
    QStringList list;
    for (const std::string_view value : todayValues(joinedValues))
        list << text(value);
    return list;
}

QString sourceText(TodayField fact)
{
    const FactSource &source = factSource(fact);
    QString line = QLatin1StringView(source.what) + QStringLiteral(" through ") + sourceWithVersion(source.first);
    if (source.second)
        line += QStringLiteral(" and ") + sourceWithVersion(*source.second);
    return line;
}

QString spokenField(Field field)
{
    QString caption = QString::fromLatin1(fieldRow(field).caption).remove(u'&').trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption.trimmed();
}

Marker marker(int country, Field field)
{
    const TodayMark &mark = fieldRow(field).today;
    if (!mark.marker || !valid(country) || compareWithToday(country, mark.fact) != TodayState::Differs)
        return {};
    const QString value = todayShown(country, mark.fact);
    return {QStringLiteral("today ") + value, spokenField(field) + QStringLiteral(" today: ") + value,
        sourceText(mark.fact)};
}

int changedCount(int country)
{
    int changed = 0;
    for (int f = 0; f < kTodayFieldCount; ++f)
        changed += compareWithToday(country, TodayField(f)) == TodayState::Differs;
    return changed;
}

QString summaryText(int country)
{
    return summaryForCount(changedCount(country));
}

QString summaryForCount(int changed)
{
    if (changed == 0)
        return {};
    return changed == 1 ? QStringLiteral("1 fact changed since this record")
                        : QStringLiteral("%1 facts changed since this record").arg(changed);
}

QString noteText(int country)
{
    return valid(country) ? text(kToday[std::size_t(country)].reason) : QString();
}

std::vector<FactRow> factRows(int country)
{
    std::vector<FactRow> rows;
    if (!valid(country))
        return rows;
    for (const FieldRow &field : kFields) {
        if (!field.today.marker)
            continue;
        const TodayField fact = field.today.fact;
        rows.push_back({spokenField(field.field), recordValue(country, fact), todayShown(country, fact),
            sourceText(fact), compareWithToday(country, fact) == TodayState::Differs});
    }
    rows.push_back(zoneRow(country));
    return rows;
}

QString copyText(int country)
{
    if (!valid(country))
        return {};
    QStringList lines {text(kCountryNames[std::size_t(country)]) + QStringLiteral(": the record beside today")};
    for (const QString &line : {noteText(country), summaryText(country)})
        if (!line.isEmpty())
            lines << line;
    for (const FactRow &row : factRows(country))
        lines << QStringLiteral("%1: %2; today: %3%4; source: %5")
                     .arg(row.field, row.record, row.today, row.changed ? QStringLiteral(" (changed)") : QString(),
                         row.source);
    return lines.join(kCrLf) + kCrLf;
}

QStringList sourceLines()
{
    QStringList lines;
    for (const TodaySource &source : kTodaySources)
        lines << QStringLiteral("%1 %2 (%3), %4")
                     .arg(text(source.name), text(source.version), text(source.date), text(source.licence));
    lines << QStringLiteral("IANA tz database %1, public domain").arg(text(kZonesTzVersion));
    return lines;
}

} // namespace orbilex::today
