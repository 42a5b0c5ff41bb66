#include "viewlogic/localtimefield.h"

#include "data/zones.h"
#include "time/gmt.h"
#include "time/tzclock.h"

namespace orbilex {

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

LocalTimeClock::LocalTimeClock(QString zoneinfoFolder)
    : m_zoneinfoFolder(std::move(zoneinfoFolder))
{
}

void LocalTimeClock::setPlace(int country, QStringView cityLine)
{
    m_country = country;
    m_zone = placeZone(country, cityLine);
    m_tipOffset.reset();
}

LocalTimeView LocalTimeClock::at(const QDateTime &utc, QStringView designGmt, QDate today)
{
    LocalTimeView view;
    // No country chosen: nothing to say, like the design's fields.
    if (m_country < 0)
        return view;
    if (m_zone.empty()) {
        const QString reason = qs(noZoneReason(m_country));
        view.text = reason.isEmpty() ? QStringLiteral("no time zone")
                                     : QStringLiteral("no time zone (%1)").arg(reason.section(u':', 0, 0));
        view.toolTip = reason;
        return view;
    }
    const std::optional<ZoneTime> time = zoneTime(m_zone, utc);
    if (!time) {
        view.text = QStringLiteral("no time zone (unknown to this system)");
        view.toolTip = qs(m_zone) + QStringLiteral(" is not in this system's time-zone database")
            + (version().isEmpty() ? QString() : QStringLiteral(" (release %1)").arg(version()))
            + QStringLiteral(": install the system's updates (the tzdata package).");
        return view;
    }
    if (m_tipOffset != time->offsetSeconds || m_tipDay != today) {
        m_toolTip = zoneToolTip(m_zone, utc, version(), today);
        m_tipOffset = time->offsetSeconds;
        m_tipDay = today;
    }
    view.text = zoneTimeText(*time);
    view.toolTip = m_toolTip;
    view.differs = differsFromDesign(*time, designGmt);
    if (view.differs) {
        view.text = QString(kDiffersMark) + u' ' + view.text;
        view.toolTip += QStringLiteral("\n%1 the Country/City Time shows another time").arg(kDiffersMark);
    }
    return view;
}

std::optional<QString> LocalTimeClock::clockAt(const QDateTime &utc) const
{
    const std::optional<ZoneTime> time = zoneTime(m_zone, utc);
    if (!time)
        return std::nullopt;
    return clockText(time->local.time());
}

const QString &LocalTimeClock::version()
{
    if (!m_version)
        m_version = tzDatabaseVersion(m_zoneinfoFolder);
    return *m_version;
}

} // namespace orbilex
