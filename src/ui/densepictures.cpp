#include "ui/densepictures.h"

#include <QtMath>

#include <algorithm>

namespace orbilex {

QPixmap densePicture(const QString &path, qreal ratio)
{
    if (ratio > 1 && path.endsWith(QLatin1StringView(".png"))) {
        QPixmap dense(path.chopped(4) + QStringLiteral("@2x.png"));
        if (!dense.isNull()) {
            // QImageReader reads the ratio from the name unless
            // QT_HIGHDPI_DISABLE_2X_IMAGE_LOADING is set; the size must hold anyway.
            dense.setDevicePixelRatio(2);
            return dense;
        }
    }
    return QPixmap(path);
}

QPixmap denseCanvas(QSize size, qreal ratio)
{
    ratio = std::max<qreal>(ratio, 1);
    QPixmap canvas(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
    canvas.setDevicePixelRatio(ratio);
    canvas.fill(Qt::transparent);
    return canvas;
}

} // namespace orbilex
