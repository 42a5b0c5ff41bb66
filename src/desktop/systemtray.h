#pragma once

#include "platform/trayicon.h"

#include <memory>

class QSystemTrayIcon;

namespace orbilex {

// The notification-area icon on top of QSystemTrayIcon.
class SystemTrayIcon final : public TrayIcon
{
public:
    SystemTrayIcon();
    ~SystemTrayIcon() override;

    bool available() const override;
    void create() override;
    void destroy() override;
    bool exists() const override;
    void setToolTip(const QString &text) override;
    void setIcon(const QIcon &icon) override;
    bool reportsDoubleClicks() const override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
    QString m_toolTip;
    QIcon m_picture;
};

} // namespace orbilex
