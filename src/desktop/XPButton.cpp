#include "desktop/XPButton.h"

#include "desktop/xpbuttonlayout.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

namespace orbilex {

namespace {

const QLatin1StringView kThemeName("orbilexButtonTheme");

// Lives as a child of its button, so it goes when the button goes and leaves
// nothing behind.
class ButtonTheme : public QObject
{
public:
    explicit ButtonTheme(QAbstractButton *button)
        : QObject(button)
        , m_button(button)
        , m_ownMinimum(button->minimumSize())
    {
        setObjectName(kThemeName);
        button->setAttribute(Qt::WA_Hover);
        button->installEventFilter(this);
        fitSize();
        button->update();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_button)
            return false;
        switch (event->type()) {
        case QEvent::Paint:
            paint();
            return true;
        case QEvent::Enter:
        case QEvent::Leave:
            m_hot = event->type() == QEvent::Enter;
            m_button->update();
            return false;
        case QEvent::FontChange:
        case QEvent::StyleChange:
            fitSize();
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return !isPushButton() && takeMouse(static_cast<QMouseEvent *>(event));
        default:
            return false;
        }
    }

private:
    bool isPushButton() const { return qobject_cast<QPushButton *>(m_button) != nullptr; }

    // A check box answers clicks only on its box and label; drawn as a button
    // it must answer them anywhere on the button, the way a push button does.
    bool takeMouse(QMouseEvent *event)
    {
        const bool inside = m_button->rect().contains(event->position().toPoint());
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (event->button() != Qt::LeftButton)
                return false;
            m_pressing = true;
            m_button->setDown(true);
            return true;
        case QEvent::MouseMove:
            if (!m_pressing)
                return false;
            m_button->setDown(inside);
            return true;
        case QEvent::MouseButtonRelease: {
            if (!m_pressing || event->button() != Qt::LeftButton)
                return false;
            m_pressing = false;
            // Moves keep the button down exactly while the pointer is on it.
            const bool wasDown = m_button->isDown();
            m_button->setDown(false);
            if (wasDown)
                m_button->click();
            return true;
        }
        default:
            return false;
        }
    }

    QSize captionSize(const QFontMetrics &metrics, int flags, int width) const
    {
        if (m_button->text().isEmpty())
            return {};
        return metrics.boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), flags, m_button->text()).size();
    }

    QPixmap picture(ButtonPicture which) const
    {
        const QIcon icon = m_button->icon();
        if (icon.isNull())
            return {};
        QIcon::Mode mode = QIcon::Normal;
        QIcon::State state = QIcon::Off;
        if (which == ButtonPicture::Down)
            state = QIcon::On; // an icon without an "on" picture hands out its "off" one
        else if (which == ButtonPicture::Disabled && !icon.availableSizes(QIcon::Disabled).isEmpty())
            mode = QIcon::Disabled;
        return icon.pixmap(m_button->iconSize(), m_button->devicePixelRatioF(), mode, state);
    }

    int textFlags(const QStyleOption &option) const
    {
        const bool underline = m_button->style()->styleHint(QStyle::SH_UnderlineShortcut, &option, m_button);
        return Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap
            | (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
    }

    QStyleOptionButton buttonOption(const ButtonState &state, const ButtonFlags &flags) const
    {
        QStyleOptionButton option;
        option.initFrom(m_button);
        option.state &= ~(QStyle::State_Enabled | QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_On
            | QStyle::State_Raised | QStyle::State_HasFocus);
        switch (state.look) {
        case ButtonLook::Normal:
            option.state |= QStyle::State_Enabled | QStyle::State_Raised;
            break;
        case ButtonLook::Hot:
            option.state |= QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_MouseOver;
            break;
        case ButtonLook::Pressed:
            option.state |= QStyle::State_Enabled | QStyle::State_Sunken;
            break;
        case ButtonLook::Disabled:
            option.state |= QStyle::State_Raised;
            break;
        case ButtonLook::Defaulted:
            option.state |= QStyle::State_Enabled | QStyle::State_Raised;
            option.features |= QStyleOptionButton::DefaultButton;
            break;
        }
        if (flags.checked)
            option.state |= QStyle::State_On;
        if (flags.focused)
            option.state |= QStyle::State_HasFocus;
        if (auto *push = qobject_cast<QPushButton *>(m_button); push && push->isFlat())
            option.features |= QStyleOptionButton::Flat;
        return option;
    }

    void paint()
    {
        auto *push = qobject_cast<QPushButton *>(m_button);
        ButtonFlags flags;
        flags.enabled = m_button->isEnabled();
        flags.hot = m_hot;
        flags.pushed = m_button->isDown();
        flags.checked = m_button->isCheckable() && m_button->isChecked();
        flags.focused = m_button->hasFocus();
        flags.isDefault = push && push->isDefault();
        const ButtonState state = chooseButtonState(flags);
        const QStyleOptionButton option = buttonOption(state, flags);
        QStyle *style = m_button->style();
        const QSize client = m_button->size();

        QPainter painter(m_button);
        painter.fillRect(m_button->rect(), m_button->palette().brush(QPalette::Window));
        style->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, m_button);
        if (flags.focused) {
            QStyleOptionFocusRect focus;
            focus.initFrom(m_button);
            // Some styles draw focus only after a key moved it; this look always shows it.
            focus.state = option.state | QStyle::State_KeyboardFocusChange;
            focus.rect = focusRect(client);
            focus.backgroundColor = option.palette.color(QPalette::Button);
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, m_button);
        }

        const QPixmap pixmap = picture(state.picture);
        const int flagsForText = textFlags(option);
        const ButtonLayout layout
            = layoutButton(client, captionSize(m_button->fontMetrics(), flagsForText, client.width()),
                pixmap.isNull() ? QSize() : pixmap.deviceIndependentSize().toSize());
        if (!layout.caption.isNull()) {
            painter.setFont(m_button->font());
            style->drawItemText(&painter, layout.caption, flagsForText, option.palette, flags.enabled, m_button->text(),
                QPalette::ButtonText);
        }
        if (layout.picture.isNull())
            return;
        if (flags.enabled)
            painter.drawPixmap(layout.picture.topLeft(), pixmap);
        else
            painter.drawImage(layout.picture.topLeft(),
                silhouette(pixmap.toImage(), option.palette.color(QPalette::Disabled, QPalette::ButtonText)));
    }

    // A push button's own size already fits a caption or a picture alone; a
    // picture above a caption, or a check box drawn as a button, needs more.
    void fitSize()
    {
        const QSize pictureSize = m_button->icon().isNull() ? QSize() : m_button->iconSize();
        const bool both = !m_button->text().isEmpty() && !pictureSize.isEmpty();
        if (isPushButton() && !both)
            return;
        QStyleOptionButton option;
        option.initFrom(m_button);
        const QSize text = m_button->text().isEmpty()
            ? QSize()
            : m_button->fontMetrics().size(textFlags(option) & ~Qt::TextWordWrap, m_button->text());
        const QSize contents = pictureButtonContents(text, pictureSize);
        const QSize needed = m_button->style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, m_button);
        m_button->setMinimumSize(m_ownMinimum.expandedTo(needed));
    }

    QAbstractButton *m_button;
    QSize m_ownMinimum;
    bool m_hot = false;
    bool m_pressing = false;
};

} // namespace

void ThemeButton(QAbstractButton *button)
{
    const bool kindWeTheme = qobject_cast<QPushButton *>(button) || qobject_cast<QCheckBox *>(button)
        || qobject_cast<QRadioButton *>(button);
    if (!kindWeTheme || isThemedButton(button))
        return;
    new ButtonTheme(button);
}

bool isThemedButton(const QAbstractButton *button)
{
    return button && button->findChild<QObject *>(kThemeName, Qt::FindDirectChildrenOnly);
}

} // namespace orbilex
