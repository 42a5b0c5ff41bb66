#include "ui/flags.h"

namespace orbilex {

namespace {

bool isFlagName(QStringView fips)
{
    // Only a two-capital name can name a flag; anything else (blanks, a path,
    // the empty picture's own name) must not reach the resource system.
    return fips.size() == 2 && fips[0] >= u'A' && fips[0] <= u'Z' && fips[1] >= u'A' && fips[1] <= u'Z';
}

} // namespace

QPixmap flagPicture(QStringView fips)
{
    if (!isFlagName(fips))
        return {};
    return QPixmap(QStringLiteral(":/flags/%1.png").arg(fips));
}

QPixmap emptyFlagPicture()
{
    return QPixmap(QStringLiteral(":/flags/empty.png"));
}

QPixmap flagOrEmpty(QStringView fips)
{
    const QPixmap flag = flagPicture(fips);
    return flag.isNull() ? emptyFlagPicture() : flag;
}

} // namespace orbilex
