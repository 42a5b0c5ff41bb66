#include "viewlogic/abouttexts.h"

#include "common/program.h"

#include <QHash>
#include <QStringList>

namespace orbilex::about {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString title()
{
    return QString::fromLatin1(kProgramTitle);
}

struct Release {
    const char *heading;
    std::initializer_list<const char *> changes;
};

// "*" changed or fixed, "+" added, "." remark.
// clang-format off
const Release kHistory[] = {
    {"v2.5 (June 05, 2005)",
     {"+ IP to country window, with auto hide after a found country",
      "+ ISO 639 language codes window",
      "+ latitudes of United States places",
      "* daylight saving rules brought up to date",
      "* picture buttons follow the Windows XP theme",
      ". the database holds 253 countries and territories"}},
    {"v2.4 (March 28, 2005)",
     {"+ world time-zone map with a blinking marker on the current country",
      "+ marker positions can be moved and are kept in wlocation.dat",
      "* faster selection of a country"}},
    {"v2.3 (January 17, 2005)",
     {"+ icon and menu in the notification area",
      "+ option to run when Windows starts",
      "* window positions are remembered"}},
    {"v2.2 (October 25, 2004)",
     {"+ ten fields of any country can be edited and reset to the default",
      "+ Reinstall Dlls in the About window",
      "* country names that share a dialing code listed in full"}},
    {"v2.1 (August 16, 2004)",
     {"+ a record exported as an HTML page with its flag",
      "+ copy of the ticked fields only",
      "* dialing prefix notes corrected"}},
    {"v2.0 (May 30, 2004)",
     {"+ country clock that follows daylight saving time",
      "+ city lists with area codes and coordinates",
      "+ dialing code index with the places that share a code"}},
    {"v1.5 (February 22, 2004)",
     {"+ IOC codes, currency codes and vehicle signs",
      "+ flags of every country",
      "* a country can be found by any of its codes"}},
    {"v1.1 (December 14, 2003)",
     {"* spelling of several country names fixed",
      "* type-ahead in the country list"}},
    {"v1.0 (November 03, 2003)",
     {". first release: ISO 3166, FIPS 10-4, top level domains and dialing codes"}},
};
// clang-format on

} // namespace

QString platformLine(const QString &kernelType, const QString &prettyName)
{
    if (kernelType == u"winnt")
        return QStringLiteral("for Windows 9x/ME/NT/2000/XP");
    static const QHash<QString, QString> families = {
        {QStringLiteral("linux"), QStringLiteral("Linux")},
        {QStringLiteral("darwin"), QStringLiteral("macOS")},
        {QStringLiteral("freebsd"), QStringLiteral("FreeBSD")},
    };
    const QString family = families.value(kernelType, kernelType);
    if (prettyName.isEmpty() || prettyName == family)
        return QStringLiteral("for ") + family;
    return QStringLiteral("for %1 (%2)").arg(family, prettyName);
}

QString infoText(const QVersionNumber &version, const QString &platform)
{
    const QStringList lines = {
        QStringLiteral("Orbilex Version ") + QString::number(version.majorVersion()) + u'.'
            + QString::number(version.minorVersion()) + u'.' + QString::number(version.microVersion()),
        platform,
        QString(),
        QStringLiteral("Copyright (C) 2003-2005 the Orbilex project. All rights reserved."),
        QStringLiteral("Written by the Orbilex developers"),
        QString::fromLatin1(kWebAddress),
        QString(),
        QString(),
    };
    return lines.join(kCrLf);
}

QString descriptionText()
{
    return QStringLiteral(
        "The database already contains 253 countries. Updates will be available as soon as needed and "
        "possible. All comments and suggestions are welcomed. Contact us!");
}

QString historyText()
{
    QStringList lines;
    for (const Release &release : kHistory) {
        if (!lines.isEmpty())
            lines << QString();
        lines << QString::fromLatin1(release.heading);
        for (const char *change : release.changes)
            lines << QString::fromLatin1(change);
    }
    return lines.join(kCrLf);
}

QString reportMailAddress()
{
    return QStringLiteral("mailto:") + QString::fromLatin1(kSupportAddress)
        + QStringLiteral("?subject=Orbilex v2.5.0 : Data Update Report");
}

QString reinstallDoneTitle()
{
    return title() + QStringLiteral(" - it is done.");
}

QString reinstallDoneText()
{
    return QStringLiteral("IP2Location.dll and VUROREro.dll have been successfully registred into windows registry.");
}

QString reinstallErrorTitle()
{
    return title() + QStringLiteral(" - Error.");
}

QString reinstallErrorText(const AppError &error)
{
    return QStringLiteral("Some errors occured :") + kCrLf + QString::number(error.number) + QStringLiteral(":: ")
        + error.description + kCrLf + kCrLf + QStringLiteral("TIP:: try to reinstall Orbilex from original package.");
}

QString uninstallQuestion()
{
    return QStringLiteral("Orbilex has created some registry keys to remeber last run settings") + kCrLf
        + QStringLiteral("also IP2Location.dll and VUROREro.dll are registered in windows registry,") + kCrLf + kCrLf
        + QStringLiteral("   This will remove them, continue?");
}

QString uninstallErrorText(const AppError &error)
{
    return QStringLiteral("Some errors occured:") + kCrLf + QString::number(error.number) + QStringLiteral(": ")
        + error.description;
}

QString ipDatabaseText(const QDateTime &buildDate)
{
    if (!buildDate.isValid())
        return QStringLiteral("IP database: not found");
    return QStringLiteral("IP database built on ") + buildDate.toUTC().date().toString(Qt::ISODate);
}

} // namespace orbilex::about
