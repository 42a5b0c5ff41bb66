#pragma once
// The true local time of a place, from the system's IANA time-zone database
// through QTimeZone, beside the country clock of gmt.h and dst.h, which keeps
// its own offset keys and month rules. Every function takes the instant it
// speaks of, so nothing here reads the clock and a test can fix the date.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

namespace orbilex {

// The zone of a shown place: the city line's when the line is a listed city,
// else the country's (its capital's). Empty for a place without a zone.
std::string_view placeZone(int country, QStringView cityLine);

struct ZoneTime {
    QDateTime local; // the wall-clock time in the zone
    int offsetSeconds = 0;
    QString offsetText; // "+05:45"
    QString abbreviation; // "CEST"; the database writes "+0545" where a zone has no letters
    bool daylightSaving = false;
};

// None for an empty id or one this machine's database does not know.
std::optional<ZoneTime> zoneTime(std::string_view zoneId, const QDateTime &utc);

// "14:05:09 +05:45 +0545", with " DST" while daylight saving is in force.
QString zoneTimeText(const ZoneTime &time);

// The deviation the country clock works from for a place in a month (1 =
// January): the North American city's or the record's own, shifted by the
// month rule when considerDst, as the GMT field would hold it.
QString designGmt(int country, QStringView cityLine, int month, bool considerDst);

// Whether the country clock, reading gmtText, shows another time than the
// zone; also when it shows the time as unknown.
bool differsFromDesign(const ZoneTime &time, QStringView gmtText);

enum class OffsetChangeKind { DaylightSavingBegins, DaylightSavingEnds, OffsetChange };

struct OffsetChange {
    QDateTime atUtc;
    OffsetChangeKind kind = OffsetChangeKind::OffsetChange;
    int offsetBefore = 0; // seconds east of UTC
    int offsetAfter = 0;
};

// The first change of the zone's UTC offset after utc and within twelve
// months; a change of abbreviation alone does not count.
std::optional<OffsetChange> nextOffsetChange(std::string_view zoneId, const QDateTime &utc);

// "daylight saving ends 25 Oct 2026 03:00": the wall-clock time at which the
// clocks are turned, read in the offset before the change.
QString offsetChangeText(const OffsetChange &change);

// The release of the time-zone database the system keeps ("2025b"), read from
// the first line of its tzdata.zi; empty when it cannot be told.
QString tzDatabaseVersion(const QString &zoneinfoFolder = QStringLiteral("/usr/share/zoneinfo"));

// A release names only its year, so it counts as made on 1 July of it: the
// word comes at most half a year early or late. False for an unreadable version.
bool tzDatabaseOlderThanAYear(QStringView version, QDate today);

// The tooltip of the local-time field: the zone id and database release, the
// next offset change when one comes within twelve months, and a word when the
// database is older than a year.
QString zoneToolTip(std::string_view zoneId, const QDateTime &utc, QStringView version, QDate today);

} // namespace orbilex
