#include "checksupport.h"

#include "data/codelists.h"
#include "data/countries.h"
#include "data/dialing.h"
#include "data/text.h"

namespace orbilex::fuzzcheck {

QString shown(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u'\\')
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return u'"' + out + u'"';
}

QString shown(std::optional<int> index)
{
    return index ? QString::number(*index) : QStringLiteral("none");
}

namespace {

QStringList codeColumn(std::string_view CountryCodes::*column)
{
    QStringList entries;
    for (const CountryCodes &row : kCodes)
        entries << qs(row.*column);
    return entries;
}

template<typename Rows> QStringList textsOf(const Rows &rows)
{
    QStringList entries;
    for (const std::string_view row : rows)
        entries << qs(row);
    return entries;
}

} // namespace

const QList<QStringList> &boxLists()
{
    static const QList<QStringList> lists {
        codeColumn(&CountryCodes::alpha2),
        codeColumn(&CountryCodes::alpha3),
        codeColumn(&CountryCodes::tld),
        codeColumn(&CountryCodes::fips),
        codeColumn(&CountryCodes::ioc),
        codeColumn(&CountryCodes::currency),
        codeColumn(&CountryCodes::language),
        codeColumn(&CountryCodes::sign),
        textsOf(kCountryNames),
        textsOf(kDialingCodes),
    };
    return lists;
}

const QStringList &countryNames()
{
    return boxLists()[8];
}

bool begins(const QString &entry, const QString &text)
{
    return entry.startsWith(text, Qt::CaseInsensitive);
}

std::optional<int> expectedFromTop(const QStringList &list, const QString &text)
{
    for (int i = 0; i < list.size(); ++i)
        if (begins(list[i], text))
            return i;
    return std::nullopt;
}

} // namespace orbilex::fuzzcheck
