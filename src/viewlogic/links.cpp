#include "viewlogic/links.h"

#include <QDir>
#include <QRegularExpression>
#include <QUrl>

namespace orbilex {

namespace {

QString web(const char *host, const QString &path)
{
    return QStringLiteral("http://") + QLatin1StringView(host) + path;
}

} // namespace

QString supportMailAddress()
{
    return QStringLiteral("mailto:") + QLatin1StringView(kSupportMail) + QStringLiteral("?subject=Orbilex%20v2.0");
}

QString factbookLink(const QString &fips)
{
    return QLatin1StringView(kFactbookHost) + QStringLiteral("/cia/publications/factbook/geos/")
        + fips.trimmed().toLower() + QStringLiteral(".html");
}

QString statisticsLink(const QString &fips)
{
    return QLatin1StringView(kStatisticsHost) + QStringLiteral("/country/") + fips.trimmed().toLower()
        + QStringLiteral("/");
}

QString extraInformationTarget(
    const QString &text, const QString &programFolder, const std::function<bool(const QString &path)> &isFile)
{
    const QString t = text.trimmed();
    // A scheme has two characters at least: "C:" is a drive.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]"));
    if (t.isEmpty() || scheme.match(t).hasMatch())
        return text;
    QString path;
    if (drive.match(t).hasMatch() || t.startsWith(QStringLiteral("\\\\")))
        path = QString(t).replace(u'\\', u'/');
    else if (QDir::isAbsolutePath(t))
        path = t;
    else if (const QString beside = QDir(programFolder).filePath(t); isFile(beside))
        path = beside;
    else
        return text;
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

QString largeFlagAddress(const QString &fips)
{
    return web(kFactbookHost,
        QStringLiteral("/cia/publications/factbook/flags/") + fips.trimmed().toLower() + QStringLiteral("-lgflag.gif"));
}

QString olympicAddress(const QString &ioc)
{
    return web(kOlympicHost, QStringLiteral("/uk/organisation/noc/noc_uk.asp?noc_initials=") + ioc.trimmed());
}

QString currencyAddress(const QString &fips)
{
    return web(kStatisticsHost, QStringLiteral("/country/") + fips.trimmed().toLower() + QStringLiteral("/Currency"));
}

QString banknoteAddress(const QString &alpha2)
{
    return web(kBanknoteHost, u'/' + alpha2.trimmed().toLower() + QStringLiteral(".htm"));
}

QString airportAddress(const QString &countryName)
{
    return web(kAirportHost,
        QStringLiteral("/alphabetical/country-name/") + countryName.left(1).toLower() + QStringLiteral(".html"));
}

QString worldClockAddress(const QString &alpha2)
{
    return web(kWorldClockHost, QStringLiteral("/current_time_in_") + alpha2.trimmed() + QStringLiteral(".aspx"));
}

QString tldLinkAddress(const QString &tld)
{
    return web(kIanaHost, QStringLiteral("/root-whois/") + tld.trimmed().right(2) + QStringLiteral(".htm"));
}

QString mapProfileAddress(const QString &fips)
{
    return web(
        kMapServiceHost, QStringLiteral("/mapmachine/profiles/") + fips.trimmed().toLower() + QStringLiteral(".html"));
}

QString worldMapAddress()
{
    return web(kMapServiceHost, QStringLiteral("/mapmachine/viewandcustomize.html?task=getMap&themeId=100&size=l"));
}

bool isTldForm(const QString &trimmedTld)
{
    return trimmedTld.size() == 3 && trimmedTld.startsWith(u'.');
}

QString unknownTldMessage(const QString &trimmedTld)
{
    return QStringLiteral("There is no such TLD Code <") + trimmedTld + QStringLiteral("> in database.\r\n")
        + QStringLiteral("Make sure that the form is correct. (eg: .uk)");
}

bool hasLargeFlag(const QString &trimmedFips)
{
    for (const char *none : {"AY", "GZ", "WI", "WE"})
        if (trimmedFips == QLatin1StringView(none))
            return false;
    return true;
}

QString noLargeFlagMessage(const QString &countryName)
{
    return QStringLiteral("Sorry but large picture is not available for \r\n\r\n        ") + countryName
        + QStringLiteral(" flag.");
}

} // namespace orbilex
