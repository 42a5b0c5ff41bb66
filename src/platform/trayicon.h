#pragma once
// The icon in the desktop's notification area, as the main window needs it:
// made and removed by the window's life, and able to bring a hidden window
// back. A desktop without a notification area has none to make.

#include <QString>

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
};

} // namespace orbilex
