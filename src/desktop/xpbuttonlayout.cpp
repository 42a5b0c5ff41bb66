#include "desktop/xpbuttonlayout.h"

#include <algorithm>

namespace orbilex {

ButtonState chooseButtonState(const ButtonFlags &flags)
{
    if (!flags.enabled)
        return {ButtonLook::Disabled, ButtonPicture::Disabled};
    if (flags.hot && !flags.pushed)
        return {ButtonLook::Hot, flags.checked ? ButtonPicture::Down : ButtonPicture::Normal};
    if (flags.checked || flags.pushed)
        return {ButtonLook::Pressed, ButtonPicture::Down};
    if (flags.focused || flags.isDefault)
        return {ButtonLook::Defaulted, ButtonPicture::Normal};
    return {ButtonLook::Normal, ButtonPicture::Normal};
}

ButtonLayout layoutButton(QSize client, QSize text, QSize picture)
{
    ButtonLayout layout;
    int pictureAreaBottom = client.height();
    if (!text.isEmpty()) {
        const int top = picture.isEmpty() ? qRound((client.height() - text.height()) / 2.0)
                                          : client.height() - text.height() - kCaptionBottomGap;
        layout.caption = QRect(0, top, client.width(), text.height());
        pictureAreaBottom = top;
    }
    if (!picture.isEmpty()) {
        const QPoint at(
            qRound((client.width() - picture.width()) / 2.0), qRound((pictureAreaBottom - picture.height()) / 2.0));
        layout.picture = QRect(at, picture);
    }
    return layout;
}

QRect focusRect(QSize client)
{
    return QRect(QPoint(0, 0), client).adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
}

QSize pictureButtonContents(QSize text, QSize picture)
{
    if (text.isEmpty())
        return picture;
    if (picture.isEmpty())
        return text;
    // A little room above the picture balances the gap under the caption.
    const int aboveAndBetween = 4;
    return {std::max(text.width(), picture.width()),
        picture.height() + aboveAndBetween + text.height() + kCaptionBottomGap};
}

QImage silhouette(const QImage &picture, const QColor &colour)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage shape(source.size(), QImage::Format_ARGB32);
    shape.setDevicePixelRatio(picture.devicePixelRatio());
    const QRgb ink = QColor(colour.red(), colour.green(), colour.blue()).rgba();
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(shape.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            out[x] = qAlpha(in[x]) >= 128 ? ink : qRgba(0, 0, 0, 0);
    }
    return shape;
}

} // namespace orbilex
