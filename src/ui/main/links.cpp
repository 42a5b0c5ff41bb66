#include "ui/main/links.h"

namespace orbilex {

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

} // namespace orbilex
