#pragma once
// The country clock's arithmetic: the GMT field's text turned into an offset
// and the offset laid over the UTC time of day. Kept free of the window so the
// clock can be checked without one.

#include <QString>
#include <QStringView>
#include <QTime>

#include <optional>

namespace orbilex {

// Only sign, hours, colon and minutes count; the seconds of the field are
// ignored. A text whose first six characters are not one of the clock's
// half-hour keys from -12:00 to +12:00 (there is no +02:30) has none, and the
// window then shows the country time as unknown.
std::optional<int> deviationMinutes(QStringView gmtText);

// The time of day at UTC plus the offset, wrapping around midnight either way;
// the date plays no part.
QString countryTimeText(QTime utc, int minutes);

// A time of day for the clock fields, 24-hour, two digits each.
QString clockText(QTime time);

} // namespace orbilex
