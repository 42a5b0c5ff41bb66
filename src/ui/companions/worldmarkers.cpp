#include "ui/companions/worldmarkers.h"

#include <QPixmap>
#include <QtMath>

#include <algorithm>

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

QImage markerImage(Marker marker, qreal ratio)
{
    ratio = std::max<qreal>(ratio, 1);
    const int size = qCeil(kMarkerSize * ratio);
    QImage image(size, size, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    // Each device pixel takes the layout pixel it lies in, so edges stay hard.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int lx = int(x / ratio);
            const int ly = int(y / ratio);
            if (marker == Marker::Full ? inFlag(lx, ly) : onOutline(lx, ly))
                image.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
    return image;
}

QPixmap markerPicture(Marker marker, qreal ratio)
{
    return QPixmap::fromImage(markerImage(marker, ratio));
}

QCursor markerCursor(Marker marker, qreal ratio)
{
    return QCursor(markerPicture(marker, ratio), 0, 0);
}

} // namespace orbilex
