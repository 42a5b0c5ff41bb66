#pragma once

#include "platform/trayicon.h"

#include <memory>

class QSystemTrayIcon;
class QWidget;

namespace orbilex {

// The notification-area icon on top of QSystemTrayIcon.
class SystemTrayIcon final : public TrayIcon
{
public:
    explicit SystemTrayIcon(QWidget *window);
    ~SystemTrayIcon() override;

    bool available() const override;
    void create() override;
    void destroy() override;
    bool exists() const override;
    void setToolTip(const QString &text) override;

private:
    QWidget *m_window;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace orbilex
