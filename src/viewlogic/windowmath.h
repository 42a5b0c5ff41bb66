#pragma once
// Window arithmetic of the main window: stored numbers, twips, where a window
// may go on the screens, and the options panel's animation.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <algorithm>
#include <limits>
#include <optional>

namespace orbilex {

inline constexpr int kTwipsPerPixel = 15;

// Stored twips can be any int a user wrote: the rounding is done in 64 bits,
// and a pixel count too large for twips is held at the int limits.
inline int twipsToPixels(int twips)
{
    const long long t = twips;
    return int((t >= 0 ? t + kTwipsPerPixel / 2 : t - kTwipsPerPixel / 2) / kTwipsPerPixel);
}
inline int pixelsToTwips(int pixels)
{
    return int(std::clamp<long long>(static_cast<long long>(pixels) * kTwipsPerPixel, std::numeric_limits<int>::min(),
        std::numeric_limits<int>::max()));
}

// Where a window of the given outer size, wanted at topLeft, is put so the
// user can reach it: where it is while enough of it, the top edge included,
// lies on one of the screens' available areas; otherwise moved onto the
// nearest of them just far enough to lie inside it (its top-left corner, when
// it is larger than the area). No screens leave it where it is.
QPoint reachablePosition(QPoint topLeft, QSize size, const QList<QRect> &screens);

// The options panel is revealed by growing the window's outer height in
// steps of 100 twips until it is 900 twips taller than when it was created,
// and hidden by shrinking it back.
struct OptionPanelSizes {
    int closedTwips = 8300;
    int openTwips() const { return closedTwips + 900; }
};

struct PanelTick {
    int heightTwips;
    bool stop;
};

// A tick while opening; a minimised window keeps its height and the timer runs on.
PanelTick openingTick(int heightTwips, bool minimised, const OptionPanelSizes &sizes);
// A tick while closing, whatever the window state.
PanelTick closingTick(int heightTwips, const OptionPanelSizes &sizes);

} // namespace orbilex
