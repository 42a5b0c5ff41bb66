#pragma once
// What each fuzz target does with one input, shared with the regression test
// that replays the inputs the fuzzers found. A check returns what went wrong,
// or an empty text when the input was handled as it must be; crashes and
// undefined behaviour are left to the sanitizers. Each check is described
// where it is defined, in check_<target>.cpp.

#include <QByteArray>
#include <QString>

namespace orbilex {
class IpDatabase;
}

namespace orbilex::fuzzcheck {

// The checks given a folder write their files there.
QString checkIniStore(const QByteArray &bytes, const QString &folder);
QString checkSettingsStore(const QByteArray &bytes, const QString &folder);
QString checkCodeSearch(const QByteArray &bytes);
QString checkTypeAhead(const QByteArray &bytes);
QString checkLocationFile(const QByteArray &bytes, const QString &folder);
// Without a database only the reading of the text is checked.
QString checkIpAddress(const QByteArray &bytes, const IpDatabase *db);

} // namespace orbilex::fuzzcheck
