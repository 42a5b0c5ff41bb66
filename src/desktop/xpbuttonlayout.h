#pragma once
// What a themed picture button shows, and where: the parts of its painting
// that need no window, so they can be checked without one.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>

namespace orbilex {

// The push-button looks a theme offers, numbered as visual-style themes
// number them.
enum class ButtonLook { Normal = 1, Hot = 2, Pressed = 3, Disabled = 4, Defaulted = 5 };

// Which of a button's pictures goes with its look. A button without a down or
// disabled picture of its own shows its normal one instead.
enum class ButtonPicture { Normal, Down, Disabled };

struct ButtonFlags {
    bool enabled = true;
    bool hot = false; // the pointer is over the button
    bool pushed = false; // held down by the mouse or the space key
    bool checked = false; // a ticked check box, option button or toggle button
    bool focused = false;
    bool isDefault = false; // the button Enter presses
};

struct ButtonState {
    ButtonLook look = ButtonLook::Normal;
    ButtonPicture picture = ButtonPicture::Normal;
    friend bool operator==(const ButtonState &, const ButtonState &) = default;
};

// The first rule that holds wins: disabled, hot (unless held down), pressed
// or checked, focused or default, normal. A checked button keeps its down
// picture while hot, so hovering does not flip the picture back.
ButtonState chooseButtonState(const ButtonFlags &flags);

// The caption's last line keeps this many pixels clear of the bottom edge
// when a picture stands above it.
inline constexpr int kCaptionBottomGap = 5;
// The focus rectangle sits this far inside every edge.
inline constexpr int kFocusInset = 3;

struct ButtonLayout {
    QRect caption; // the box the caption's lines fill; null without a caption
    QRect picture; // null without a picture
};

// text is the caption measured word-wrapped on the button's width, picture
// the picture's size in pixels; an empty size means there is none. With both,
// the caption sits at the bottom and the picture is centred in the space above
// it; alone, each is centred in the whole button.
ButtonLayout layoutButton(QSize client, QSize text, QSize picture);

QRect focusRect(QSize client);

// The content a button needs to show its caption (measured on one line) under
// its picture without overlap; the style adds its own margins around it.
QSize pictureButtonContents(QSize text, QSize picture);

// The picture as a flat shape in one colour: every pixel that is at least
// half opaque takes the colour, every other one becomes transparent. This is
// how a disabled button shows its picture.
QImage silhouette(const QImage &picture, const QColor &colour);

} // namespace orbilex
