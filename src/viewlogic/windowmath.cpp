#include "viewlogic/windowmath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orbilex {

namespace {

// What must show of a window for the user to take it by its title bar.
constexpr long long kReachableWidth = 64;
constexpr long long kReachableHeight = 24;

// Lengths along one axis, in 64 bits: a wanted position may lie near the int
// limits, and its far edge beyond them.
long long overlap(long long a0, long long a1, long long b0, long long b1)
{
    return std::max(0LL, std::min(a1, b1) - std::max(a0, b0));
}

long long gap(long long a0, long long a1, long long b0, long long b1)
{
    return std::max({0LL, b0 - a1, a0 - b1});
}

// Inside [lo, hi) when the length fits, else at lo.
long long inside(long long pos, long long length, long long lo, long long hi)
{
    return std::max(lo, std::min(pos, hi - length));
}

} // namespace

QPoint reachablePosition(QPoint topLeft, QSize size, const QList<QRect> &screens)
{
    const long long x = topLeft.x(), y = topLeft.y();
    const long long w = std::max(1, size.width()), h = std::max(1, size.height());
    qsizetype nearest = -1;
    double nearestDistance = 0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QRect &s = screens[i];
        if (s.isEmpty())
            continue;
        const long long left = s.left(), top = s.top(), right = left + s.width(), bottom = top + s.height();
        if (y >= top && overlap(x, x + w, left, right) >= std::min(w, kReachableWidth)
            && overlap(y, y + h, top, bottom) >= std::min(h, kReachableHeight))
            return topLeft;
        const double dx = double(gap(x, x + w, left, right));
        const double dy = double(gap(y, y + h, top, bottom));
        const double distance = dx * dx + dy * dy;
        if (nearest < 0 || distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    if (nearest < 0)
        return topLeft;
    const QRect &s = screens[nearest];
    return QPoint(int(inside(x, w, s.left(), (long long)s.left() + s.width())),
        int(inside(y, h, s.top(), (long long)s.top() + s.height())));
}

PanelTick openingTick(int heightTwips, bool minimised, const OptionPanelSizes &sizes)
{
    if (minimised)
        return {heightTwips, false};
    const int grown = heightTwips + 100;
    return {grown, grown >= sizes.openTwips()};
}

PanelTick closingTick(int heightTwips, const OptionPanelSizes &sizes)
{
    const int shrunk = heightTwips - 100;
    return {shrunk, shrunk <= sizes.closedTwips};
}

} // namespace orbilex
