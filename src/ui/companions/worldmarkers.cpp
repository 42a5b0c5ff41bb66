#include "ui/companions/worldmarkers.h"

#include <QPixmap>

namespace orbilex {

namespace {

bool inFlag(int x, int y)
{
    if (x < 0 || y < 0 || x >= kMarkerSize || y >= kMarkerSize)
        return false;
    const bool block = x < 8 && y < 9;
    const bool bar = (y == 4 || y == 5) && x < 8 + 20;
    const bool pole = (x == 3 || x == 4) && y <= 20;
    return block || bar || pole;
}

bool onOutline(int x, int y)
{
    return inFlag(x, y) && !(inFlag(x - 1, y) && inFlag(x + 1, y) && inFlag(x, y - 1) && inFlag(x, y + 1));
}

} // namespace

QImage markerImage(Marker marker)
{
    QImage image(kMarkerSize, kMarkerSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < kMarkerSize; ++y)
        for (int x = 0; x < kMarkerSize; ++x)
            if (marker == Marker::Full ? inFlag(x, y) : onOutline(x, y))
                image.setPixel(x, y, qRgba(0, 0, 0, 255));
    return image;
}

QCursor markerCursor(Marker marker)
{
    return QCursor(QPixmap::fromImage(markerImage(marker)), 0, 0);
}

} // namespace orbilex
