#include "desktop/frmSysTray.h"

#include <QAction>
#include <QCursor>
#include <QGuiApplication>
#include <QStyleHints>

namespace orbilex {

frmSysTray::frmSysTray(std::unique_ptr<TrayIcon> icon, const QString &description)
    : m_icon(std::move(icon))
{
    setObjectName(QStringLiteral("frmSysTray"));
    mnuPopup.setObjectName(QStringLiteral("mnuPopup"));
    mnuPopup.setTitle(QStringLiteral("&Popup"));
    mnuSysTray << mnuPopup.addAction(QString());
    connect(&mnuPopup, &QMenu::triggered, this, [this](QAction *action) {
        const int index = int(mnuSysTray.indexOf(action));
        if (index >= 0)
            emit MenuClick(index, action->data().toString());
    });
    setToolTip(description);
    if (m_icon) {
        m_icon->onMessage = [this](int message) { notify(message); };
        m_icon->create();
    }
    // A session may start the program before its panel: the icon shows as
    // soon as a notification area does.
    timTrayWait = new QTimer(this);
    timTrayWait->setObjectName(QStringLiteral("timTrayWait"));
    timTrayWait->setInterval(kWaitForAreaMs);
    connect(timTrayWait, &QTimer::timeout, this, &frmSysTray::lookForArea);
    if (m_icon && !m_icon->exists())
        timTrayWait->start();
}

void frmSysTray::lookForArea()
{
    if (!m_icon->available())
        return;
    m_icon->create();
    if (!m_icon->exists())
        return;
    timTrayWait->stop();
    emit IconShown();
}

frmSysTray::~frmSysTray()
{
    if (m_icon) {
        m_icon->onMessage = nullptr;
        m_icon->destroy();
    }
}

void frmSysTray::setToolTip(const QString &tip)
{
    m_tip = tip.left(63);
    if (m_icon)
        m_icon->setToolTip(m_tip);
}

void frmSysTray::setIconHandle(const QIcon &icon)
{
    if (icon.cacheKey() == m_iconHandle.cacheKey())
        return;
    m_iconHandle = icon;
    if (m_icon)
        m_icon->setIcon(icon);
}

int frmSysTray::AddMenuItem(const QString &caption, const QString &key, bool isDefault)
{
    QAction *entry = nullptr;
    if (!m_firstItemUsed) {
        entry = mnuSysTray.front();
        m_firstItemUsed = true;
    } else {
        entry = mnuPopup.addAction(QString());
        mnuSysTray << entry;
    }
    const int index = int(mnuSysTray.indexOf(entry));
    entry->setVisible(true);
    entry->setData(key);
    entry->setText(caption);
    entry->setSeparator(caption == QLatin1StringView("-"));
    if (isDefault)
        m_defaultIndex = index;
    return index;
}

void frmSysTray::EnableMenuItem(int index, bool enabled)
{
    if (index >= 0 && index < mnuSysTray.size())
        mnuSysTray[index]->setEnabled(enabled);
}

void frmSysTray::setDefaultMenuIndex(int index)
{
    m_defaultIndex = (index >= 0 && index < mnuSysTray.size()) ? index : 0;
}

void frmSysTray::ShowMenu()
{
    mnuPopup.setDefaultAction(
        m_defaultIndex >= 0 && m_defaultIndex < mnuSysTray.size() ? mnuSysTray[m_defaultIndex] : nullptr);
    mnuPopup.popup(QCursor::pos());
    mnuPopup.activateWindow();
}

void frmSysTray::notify(int message)
{
    switch (message) {
    case 512:
        emit SysTrayMouseMove();
        break;
    case 513:
        emit SysTrayMouseDown(1);
        break;
    case 514:
        emit SysTrayMouseUp(1);
        if (!m_icon || m_icon->reportsDoubleClicks())
            break;
        m_lastClick.start();
        emit SysTrayClick(1);
        break;
    case 515:
        // A host that reports both gives the click first; the double-click
        // that follows is the same gesture.
        if (m_lastClick.isValid() && m_lastClick.elapsed() <= QGuiApplication::styleHints()->mouseDoubleClickInterval())
            break;
        emit SysTrayDoubleClick(1);
        break;
    case 516:
        emit SysTrayMouseDown(2);
        break;
    case 517:
        emit SysTrayMouseUp(2);
        break;
    case 518:
        emit SysTrayDoubleClick(2);
        break;
    default:
        break;
    }
}

} // namespace orbilex
