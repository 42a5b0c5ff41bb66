#pragma once
// The two flag pictures of the world map: the blinking marker and, in edit
// mode, the mouse pointer. Their hot spot is the top-left corner, so where
// the pointer clicks is exactly where the marker will stand.

#include <QCursor>
#include <QImage>

namespace orbilex {

enum class Marker { Full, Empty };

inline constexpr int kMarkerSize = 32;

// 32 x 32, black on transparent: a block 8 wide and 9 high at the top left, a
// bar on its fifth and sixth rows reaching 20 pixels past it, and a pole on
// columns 3 and 4 down to row 20. The empty one keeps only the outline.
// Above a device pixel ratio of 1 each of those pixels is a square of device
// pixels, in an image of the same 32 x 32 layout size that carries the ratio.
QImage markerImage(Marker marker, qreal ratio = 1);
QPixmap markerPicture(Marker marker, qreal ratio = 1);
QCursor markerCursor(Marker marker, qreal ratio = 1);

} // namespace orbilex
