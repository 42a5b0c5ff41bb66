#pragma once
// The icon in the desktop's notification area: shown and removed, given a
// tip and a picture, and reporting the mouse on it as the shell's mouse
// messages (512 move, 513/514 left down/up, 515 left double-click, 516/517
// right down/up, 518 right double-click). A desktop without a notification
// area has none to show.

#include <QIcon>
#include <QString>

#include <functional>

namespace orbilex {

class TrayIcon
{
public:
    virtual ~TrayIcon() = default;
    // Whether this desktop can show one at all.
    virtual bool available() const = 0;
    virtual void create() = 0;
    virtual void destroy() = 0;
    virtual bool exists() const = 0;
    virtual void setToolTip(const QString &text) = 0;
    virtual void setIcon(const QIcon &icon) = 0;
    // Whether the host reports a double-click at all. StatusNotifierItem
    // hosts report every left click as a single one.
    virtual bool reportsDoubleClicks() const { return true; }

    std::function<void(int message)> onMessage;
};

} // namespace orbilex
