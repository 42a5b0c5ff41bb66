#pragma once

#include <QPixmap>
#include <QStringView>

namespace orbilex {

// The flag compiled in under this FIPS 10-4 code, exactly as given (capitals,
// not trimmed); null when there is none. Above a device pixel ratio of 1 it is
// the picture drawn at twice the size, still 52 x 30 in layout pixels.
QPixmap flagPicture(QStringView fips, qreal ratio = 1);

// The picture shown where a country has no flag.
QPixmap emptyFlagPicture(qreal ratio = 1);

// The flag, or the empty picture when the code has none.
QPixmap flagOrEmpty(QStringView fips, qreal ratio = 1);

// The flag a label shows, as copies and exports take it: always the 1x
// picture, whatever the screen's density.
QPixmap flagAtLayoutSize(const QPixmap &shown, QStringView fips);

} // namespace orbilex
