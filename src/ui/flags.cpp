#include "ui/flags.h"

#include "ui/densepictures.h"

namespace orbilex {

namespace {

bool isFlagName(QStringView fips)
{
    // Only a two-capital name can name a flag; anything else (blanks, a path,
    // the empty picture's own name) must not reach the resource system.
    return fips.size() == 2 && fips[0] >= u'A' && fips[0] <= u'Z' && fips[1] >= u'A' && fips[1] <= u'Z';
}

} // namespace

QPixmap flagPicture(QStringView fips, qreal ratio)
{
    if (!isFlagName(fips))
        return {};
    return densePicture(QStringLiteral(":/flags/%1.png").arg(fips), ratio);
}

QPixmap emptyFlagPicture(qreal ratio)
{
    return densePicture(QStringLiteral(":/flags/empty.png"), ratio);
}

QPixmap flagOrEmpty(QStringView fips, qreal ratio)
{
    const QPixmap flag = flagPicture(fips, ratio);
    return flag.isNull() ? emptyFlagPicture(ratio) : flag;
}

QPixmap flagAtLayoutSize(const QPixmap &shown, QStringView fips)
{
    return shown.devicePixelRatio() > 1 ? flagOrEmpty(fips) : shown;
}

} // namespace orbilex
