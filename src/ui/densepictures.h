#pragma once
// Pictures for screens with more than one device pixel to a layout pixel
// (devicePixelRatio above 1): each keeps its layout size and carries the
// ratio, so Qt draws it pixel for pixel instead of blowing up a 1x picture.

#include <QPixmap>
#include <QSize>
#include <QString>

namespace orbilex {

// The PNG at a resource path, or for a ratio above 1 its "@2x" sibling (drawn
// at twice the size). A picture without a sibling comes as it is.
QPixmap densePicture(const QString &path, qreal ratio);

// A transparent pixmap of a layout size holding every device pixel at the
// ratio, for a QPainter to draw on in layout coordinates.
QPixmap denseCanvas(QSize size, qreal ratio);

} // namespace orbilex
