#pragma once
// The web addresses the main window opens, built from what it shows. The
// mid-2000s pages their paths name live on in a web archive; the world clock
// must show today's time, so it is asked live.

#include <QString>

#include <functional>
#include <optional>

namespace orbilex {

inline constexpr const char *kFactbookHost = "web.archive.org/web/2006/www.cia.gov";
inline constexpr const char *kStatisticsHost = "web.archive.org/web/2006/www.nationmaster.com";
inline constexpr const char *kOlympicHost = "web.archive.org/web/2006/www.olympic.org";
inline constexpr const char *kBanknoteHost = "web.archive.org/web/2006/www.banknotes.com";
inline constexpr const char *kAirportHost = "web.archive.org/web/2006/www.world-airport-codes.com";
inline constexpr const char *kWorldClockHost = "www.worldtimeserver.com";
inline constexpr const char *kIanaHost = "web.archive.org/web/2006/www.iana.org";
inline constexpr const char *kMapServiceHost = "web.archive.org/web/2006/plasma.nationalgeographic.com";

// The maker's pages: this program's own web page and support address.
inline constexpr const char *kMakerWebAddress = "https://orbilex.example/";
inline constexpr const char *kSupportMail = "support@orbilex.example";
// A new message to support, its subject naming the program.
QString supportMailAddress();

// The record's two reference links, kept without a scheme.
QString factbookLink(const QString &fips);
QString statisticsLink(const QString &fips);

// What the desktop is asked to open for the text of an extra-information
// field, which the user may have replaced by anything. A text with a scheme
// (a web or mail address) and a bare web address stay as they are; a local
// path (absolute, a drive or a network path, or the name of a file that
// isFile finds beside the program) becomes a file URL, so it opens as the
// file it names and never as a web address.
QString extraInformationTarget(
    const QString &text, const QString &programFolder, const std::function<bool(const QString &path)> &isFile);

QString largeFlagAddress(const QString &fips);
QString olympicAddress(const QString &ioc);
QString currencyAddress(const QString &fips);
QString banknoteAddress(const QString &alpha2);
QString airportAddress(const QString &countryName);
QString worldClockAddress(const QString &alpha2);
// The IANA root-zone whois page of a TLD such as ".de".
QString tldLinkAddress(const QString &tld);
// The world map's two pages: a country's profile and the whole world.
QString mapProfileAddress(const QString &fips);
QString worldMapAddress();

// A top-level domain is looked up only in the form ".xx".
bool isTldForm(const QString &trimmedTld);
QString unknownTldMessage(const QString &trimmedTld);

// The flags that have no large picture.
bool hasLargeFlag(const QString &trimmedFips);
QString noLargeFlagMessage(const QString &countryName);

} // namespace orbilex
