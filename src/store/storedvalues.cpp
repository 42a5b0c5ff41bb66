#include "store/storedvalues.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace orbilex {

std::optional<int> storedNumber(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double whole = std::trunc(value);
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(whole);
}

} // namespace orbilex
