#pragma once
// The two reference links of a country, built from its FIPS 10-4 code. They
// are kept without a scheme, as the record's extra-information fields are.
// The mid-2000s pages they name live on in a web archive.

#include <QString>

namespace orbilex {

inline constexpr const char *kFactbookHost = "web.archive.org/web/2006/www.cia.gov";
inline constexpr const char *kStatisticsHost = "web.archive.org/web/2006/www.nationmaster.com";

QString factbookLink(const QString &fips);
QString statisticsLink(const QString &fips);

} // namespace orbilex
