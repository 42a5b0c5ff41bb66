#include "desktop/systemtray.h"

#include <QSystemTrayIcon>

namespace orbilex {

SystemTrayIcon::SystemTrayIcon() = default;
SystemTrayIcon::~SystemTrayIcon() = default;

bool SystemTrayIcon::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::create()
{
    if (m_icon || !available())
        return;
    m_icon = std::make_unique<QSystemTrayIcon>(m_picture);
    m_icon->setToolTip(m_toolTip);
    // Qt reports whole clicks; they reach the program as the press and
    // release messages the tray window decodes.
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason reason) {
        if (!onMessage)
            return;
        switch (reason) {
        case QSystemTrayIcon::Trigger:
            onMessage(513);
            onMessage(514);
            break;
        case QSystemTrayIcon::DoubleClick:
            onMessage(515);
            break;
        case QSystemTrayIcon::Context:
            onMessage(516);
            onMessage(517);
            break;
        case QSystemTrayIcon::MiddleClick:
        case QSystemTrayIcon::Unknown:
            break;
        }
    });
    m_icon->show();
}

// Windows reports double-clicks. Elsewhere the StatusNotifierItem hosts of
// today never do and the older XEmbed ones do; Qt does not say which one it
// talks to, so there a single click counts.
bool SystemTrayIcon::reportsDoubleClicks() const
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

void SystemTrayIcon::destroy()
{
    m_icon.reset();
}

bool SystemTrayIcon::exists() const
{
    return m_icon != nullptr;
}

void SystemTrayIcon::setToolTip(const QString &text)
{
    m_toolTip = text;
    if (m_icon)
        m_icon->setToolTip(text);
}

void SystemTrayIcon::setIcon(const QIcon &icon)
{
    m_picture = icon;
    if (m_icon)
        m_icon->setIcon(icon);
}

} // namespace orbilex
