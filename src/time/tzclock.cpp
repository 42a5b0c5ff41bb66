#include "time/tzclock.h"

#include "data/cities.h"
#include "data/countries.h"
#include "data/records.h"
#include "data/zones.h"
#include "time/dst.h"
#include "time/gmt.h"

#include <QFile>
#include <QHash>
#include <QLocale>
#include <QMutex>
#include <QTimeZone>

#include <cstdlib>

namespace orbilex {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Opening a zone reads and parses its file; the clock asks for the same zone
// every second, so each is opened once. Unknown ids are kept as invalid zones
// so they are not looked for again either. A QTimeZone is shared, so handing
// out a copy costs a reference count.
QTimeZone cachedZone(std::string_view zoneId)
{
    if (zoneId.empty())
        return {};
    static QMutex mutex;
    static QHash<QByteArray, QTimeZone> zones;
    const QMutexLocker lock(&mutex);
    const QByteArray key = QByteArray::fromRawData(zoneId.data(), qsizetype(zoneId.size()));
    auto it = zones.constFind(key);
    if (it == zones.constEnd()) {
        const QByteArray id(zoneId.data(), qsizetype(zoneId.size()));
        it = zones.insert(id, QTimeZone(id));
    }
    return *it;
}

QString offsetText(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(seconds < 0 ? QChar(u'-') : QChar(u'+'))
        .arg(minutes / 60, 2, 10, QChar(u'0'))
        .arg(minutes % 60, 2, 10, QChar(u'0'));
}

} // namespace

std::string_view placeZone(int country, QStringView cityLine)
{
    if (!cityLine.isEmpty()) {
        const QByteArray utf8 = cityLine.toUtf8();
        const std::string_view zone = cityLineZone(std::string_view(utf8.constData(), std::size_t(utf8.size())));
        if (!zone.empty())
            return zone;
    }
    const auto zones = countryZones(country);
    return zones.empty() ? std::string_view() : zones.front();
}

std::optional<ZoneTime> zoneTime(std::string_view zoneId, const QDateTime &utc)
{
    const QTimeZone zone = cachedZone(zoneId);
    if (!zone.isValid())
        return std::nullopt;
    const QTimeZone::OffsetData data = zone.offsetData(utc);
    ZoneTime time;
    time.offsetSeconds = data.offsetFromUtc;
    time.local = utc.toOffsetFromUtc(data.offsetFromUtc);
    time.offsetText = offsetText(data.offsetFromUtc);
    time.abbreviation = data.abbreviation;
    time.daylightSaving = data.daylightTimeOffset != 0;
    return time;
}

QString zoneTimeText(const ZoneTime &time)
{
    QString text = clockText(time.local.time()) + u' ' + time.offsetText;
    if (!time.abbreviation.isEmpty() && time.abbreviation != time.offsetText)
        text += u' ' + time.abbreviation;
    if (time.daylightSaving)
        text += u" DST";
    return text;
}

QString designGmt(int country, QStringView cityLine, int month, bool considerDst)
{
    if (country < 0 || country >= kCountryCount)
        return {};
    const std::string_view name = kCountryNames[std::size_t(country)];
    const QByteArray line = cityLine.toUtf8();
    const std::string_view cityDeviation = cityGmt(std::string_view(line.constData(), std::size_t(line.size())), name);
    QString gmt = qs(cityDeviation.empty() ? kRecords[std::size_t(country)].gmt : cityDeviation);
    if (considerDst) {
        if (const auto shifted = dstDeviation(qs(name), month, gmt))
            gmt = *shifted;
    }
    return gmt;
}

bool differsFromDesign(const ZoneTime &time, QStringView gmtText)
{
    const auto minutes = deviationMinutes(gmtText);
    return !minutes || *minutes * 60 != time.offsetSeconds;
}

std::optional<OffsetChange> nextOffsetChange(std::string_view zoneId, const QDateTime &utc)
{
    const QTimeZone zone = cachedZone(zoneId);
    if (!zone.isValid() || !zone.hasTransitions())
        return std::nullopt;
    const QDateTime horizon = utc.addMonths(12);
    const QTimeZone::OffsetData before = zone.offsetData(utc);
    QDateTime after = utc;
    for (;;) {
        const QTimeZone::OffsetData next = zone.nextTransition(after);
        if (!next.atUtc.isValid() || next.atUtc <= after || next.atUtc > horizon)
            return std::nullopt;
        after = next.atUtc;
        if (next.offsetFromUtc == before.offsetFromUtc)
            continue;
        OffsetChange change;
        change.atUtc = next.atUtc;
        change.offsetBefore = before.offsetFromUtc;
        change.offsetAfter = next.offsetFromUtc;
        const bool sameStandard = next.standardTimeOffset == before.standardTimeOffset;
        if (sameStandard && before.daylightTimeOffset == 0 && next.daylightTimeOffset != 0)
            change.kind = OffsetChangeKind::DaylightSavingBegins;
        else if (sameStandard && before.daylightTimeOffset != 0 && next.daylightTimeOffset == 0)
            change.kind = OffsetChangeKind::DaylightSavingEnds;
        return change;
    }
}

QString offsetChangeText(const OffsetChange &change)
{
    QString what;
    switch (change.kind) {
    case OffsetChangeKind::DaylightSavingBegins:
        what = QStringLiteral("daylight saving begins");
        break;
    case OffsetChangeKind::DaylightSavingEnds:
        what = QStringLiteral("daylight saving ends");
        break;
    case OffsetChangeKind::OffsetChange:
        what = QStringLiteral("offset changes to %1").arg(offsetText(change.offsetAfter));
        break;
    }
    // Month names in English whatever the user's locale, like the rest of the window.
    const QDateTime wallClock = change.atUtc.toOffsetFromUtc(change.offsetBefore);
    return what + u' ' + QLocale::c().toString(wallClock, u"d MMM yyyy HH:mm");
}

QString tzDatabaseVersion(const QString &zoneinfoFolder)
{
    QFile file(zoneinfoFolder + QStringLiteral("/tzdata.zi"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray first = file.readLine(64).trimmed();
    const QByteArray prefix = "# version ";
    if (!first.startsWith(prefix))
        return {};
    return QString::fromLatin1(first.mid(prefix.size())).trimmed();
}

bool tzDatabaseOlderThanAYear(QStringView version, QDate today)
{
    if (version.size() < 4)
        return false;
    bool ok = false;
    const int year = version.first(4).toInt(&ok);
    if (!ok || year < 1970)
        return false;
    return today > QDate(year + 1, 7, 1);
}

QString zoneToolTip(std::string_view zoneId, const QDateTime &utc, QStringView version, QDate today)
{
    QString tip = qs(zoneId) + QStringLiteral(", tz database ")
        + (version.isEmpty() ? QStringLiteral("of unknown release") : version.toString());
    if (const auto change = nextOffsetChange(zoneId, utc))
        tip += u'\n' + offsetChangeText(*change);
    if (tzDatabaseOlderThanAYear(version, today))
        tip += QStringLiteral("\nThe time-zone database is more than a year old: install the system's updates "
                              "(the tzdata package) for today's rules.");
    return tip;
}

} // namespace orbilex
