#include "time/gmt.h"

#include <QLatin1StringView>

#include <algorithm>
#include <array>
#include <string_view>

namespace orbilex {

namespace {

struct OffsetKey {
    std::string_view key;
    int minutes;
};

// The deviations the clock knows. Keys are matched literally, so "-00:00",
// "+5:30" or "+05:45" are unknown even though they read like offsets.
constexpr std::array<OffsetKey, 48> kOffsetKeys = {{
    {"-12:00", -720},
    {"-11:30", -690},
    {"-11:00", -660},
    {"-10:30", -630},
    {"-10:00", -600},
    {"-09:30", -570},
    {"-09:00", -540},
    {"-08:30", -510},
    {"-08:00", -480},
    {"-07:30", -450},
    {"-07:00", -420},
    {"-06:30", -390},
    {"-06:00", -360},
    {"-05:30", -330},
    {"-05:00", -300},
    {"-04:30", -270},
    {"-04:00", -240},
    {"-03:30", -210},
    {"-03:00", -180},
    {"-02:30", -150},
    {"-02:00", -120},
    {"-01:30", -90},
    {"-01:00", -60},
    {"-00:30", -30},
    {"+00:00", 0},
    {"+00:30", 30},
    {"+01:00", 60},
    {"+01:30", 90},
    {"+02:00", 120},
    {"+03:00", 180},
    {"+03:30", 210},
    {"+04:00", 240},
    {"+04:30", 270},
    {"+05:00", 300},
    {"+05:30", 330},
    {"+06:00", 360},
    {"+06:30", 390},
    {"+07:00", 420},
    {"+07:30", 450},
    {"+08:00", 480},
    {"+08:30", 510},
    {"+09:00", 540},
    {"+09:30", 570},
    {"+10:00", 600},
    {"+10:30", 630},
    {"+11:00", 660},
    {"+11:30", 690},
    {"+12:00", 720},
}};

constexpr int kSecondsPerDay = 24 * 60 * 60;

} // namespace

std::optional<int> deviationMinutes(QStringView gmtText)
{
    const QStringView head = gmtText.first(std::min<qsizetype>(gmtText.size(), 6));
    for (const OffsetKey &entry : kOffsetKeys) {
        if (head == QLatin1StringView(entry.key.data(), qsizetype(entry.key.size())))
            return entry.minutes;
    }
    return std::nullopt;
}

QString countryTimeText(QTime utc, int minutes)
{
    // Reduced to a day first so that no offset, however large, can overflow the seconds.
    const int shift = int((qint64(minutes) * 60) % kSecondsPerDay);
    return utc.addSecs(shift).toString(u"HH:mm:ss");
}

QString clockText(QTime time)
{
    return time.toString(u"HH:mm:ss");
}

} // namespace orbilex
