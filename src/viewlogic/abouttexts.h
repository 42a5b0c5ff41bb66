#pragma once
// The About window's fixed texts and the messages of its maintenance buttons,
// kept apart from the window so they can be read and checked on their own.

#include "common/apperror.h"

#include <QDateTime>
#include <QString>
#include <QVersionNumber>

#include <array>

namespace orbilex::about {

struct GlossaryEntry {
    const char *term;
    const char *meaning;
};

inline constexpr std::array<GlossaryEntry, 6> kGlossary = {{
    {"ISO:", "International Organization for Standardization"},
    {"TLD:", "Top Level Domains (assigned by IANA)"},
    {"FIPS:", "Federal Information Processing Standards (US)"},
    {"IOC:", "International Olympic Committee"},
    {"IDDD:", "International Direct Distance Dialing"},
    {"NDD:", "National Direct Dialing"},
}};

// Placeholders under the reserved example.org domain until the project has
// addresses of its own.
inline constexpr const char *kWebAddress = "https://orbilex.example.org/";
inline constexpr const char *kSupportAddress = "support@orbilex.example.org";

// The line under the version: the design's list of Windows versions on
// Windows, the system the program runs on elsewhere. kernelType and
// prettyName as QSysInfo gives them.
QString platformLine(const QString &kernelType, const QString &prettyName);
// Version line, platform line, notice, credit and web address, CR LF joined.
QString infoText(const QVersionNumber &version, const QString &platform);
QString descriptionText();
// Newest release first, each a heading with its date and one line a change.
QString historyText();
// The draft the "Report BUG" button opens; its version is fixed text.
QString reportMailAddress();

QString reinstallDoneTitle();
QString reinstallDoneText();
QString reinstallErrorTitle();
QString reinstallErrorText(const AppError &error);

QString uninstallQuestion();
QString uninstallErrorText(const AppError &error);

// The IP database line under the description; the date is the database's own.
QString ipDatabaseText(const QDateTime &buildDate);

} // namespace orbilex::about
