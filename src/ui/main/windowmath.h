#pragma once
// Window arithmetic of the main window: stored numbers, twips and the options
// panel's animation.

#include <QString>

#include <optional>

namespace orbilex {

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}
inline int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

// A stored number: decimal text, blanks around it allowed, cut to its integer
// part. Missing, non-numeric and out-of-range text has none.
std::optional<int> storedNumber(const QString &text);

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
