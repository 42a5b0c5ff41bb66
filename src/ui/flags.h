#pragma once

#include <QPixmap>
#include <QStringView>

namespace orbilex {

// The flag compiled in under this FIPS 10-4 code, exactly as given (capitals,
// not trimmed); null when there is none.
QPixmap flagPicture(QStringView fips);

// The picture shown where a country has no flag.
QPixmap emptyFlagPicture();

// The flag, or the empty picture when the code has none.
QPixmap flagOrEmpty(QStringView fips);

} // namespace orbilex
