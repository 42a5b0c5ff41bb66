#include "desktop/systemtray.h"

#include <QSystemTrayIcon>
#include <QWidget>

namespace orbilex {

SystemTrayIcon::SystemTrayIcon(QWidget *window)
    : m_window(window)
{
}

SystemTrayIcon::~SystemTrayIcon() = default;

bool SystemTrayIcon::available() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTrayIcon::create()
{
    if (m_icon || !available())
        return;
    m_icon = std::make_unique<QSystemTrayIcon>(m_window->windowIcon());
    m_icon->setToolTip(m_window->windowTitle());
    QObject::connect(m_icon.get(), &QSystemTrayIcon::activated, m_window,
                     [window = m_window](QSystemTrayIcon::ActivationReason reason) {
                         if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
                             return;
                         window->showNormal();
                         window->activateWindow();
                     });
    m_icon->show();
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
    if (m_icon)
        m_icon->setToolTip(text.left(63));
}

} // namespace orbilex
