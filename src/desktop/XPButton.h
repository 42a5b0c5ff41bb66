#pragma once
// Picture buttons in the desktop style's push-button look.

class QAbstractButton;

namespace orbilex {

// From now on the button (a push button, check box or option button) is
// painted as a push button of the current style: background in its normal,
// hot, pressed, disabled or defaulted look, a focus rectangle, its caption at
// the bottom and its picture centred above. A check box or option button then
// answers clicks anywhere on it. Clicks, keys, signals and size stay the
// button's own, except that a button showing both a caption and a picture, or
// a check box drawn as a button, is given room for them. Anything else, and a
// button already themed, is left as it is.
void ThemeButton(QAbstractButton *button);

bool isThemedButton(const QAbstractButton *button);

} // namespace orbilex
