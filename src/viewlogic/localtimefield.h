#pragma once
// The "Local time (tz)" field beside the country clock: the shown place's
// time from the system's time-zone database, marked where the country clock
// shows another time.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

namespace orbilex {

struct LocalTimeView {
    QString text; // "≠ 17:45:00 +05:45 +0545" when it differs from the country clock
    bool differs = false;
    QString toolTip;
};

// One shown place at a time. The zone is looked up when the place changes,
// so a tick costs one offset of an open zone and a few short texts; the
// tooltip, which searches the zone's coming changes, is built again only when
// the offset or the day changes.
class LocalTimeClock
{
public:
    // The database's release is read from zoneinfoFolder when first needed.
    explicit LocalTimeClock(QString zoneinfoFolder = QStringLiteral("/usr/share/zoneinfo"));

    // The place the main window shows: the city line's zone, else the country's.
    void setPlace(int country, QStringView cityLine);
    std::string_view zone() const { return m_zone; }

    // The field at utc, beside a country clock that reads designGmt; today is
    // the local date, for the database's age.
    LocalTimeView at(const QDateTime &utc, QStringView designGmt, QDate today);

    // The place's wall-clock time "hh:mm:ss"; none for a place without a zone.
    std::optional<QString> clockAt(const QDateTime &utc) const;

    static constexpr char16_t kDiffersMark = u'≠';

private:
    const QString &version();

    QString m_zoneinfoFolder;
    std::optional<QString> m_version;
    int m_country = -1;
    std::string_view m_zone;
    QString m_toolTip;
    std::optional<int> m_tipOffset;
    QDate m_tipDay;
};

} // namespace orbilex
