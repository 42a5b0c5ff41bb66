#pragma once

#include "platform/trayicon.h"

#include <QElapsedTimer>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QTimer>

#include <memory>

class QAction;

namespace orbilex {

// The tray window: owns the notification-area icon and its popup menu, and
// turns the shell's mouse messages into events. It knows nothing of the rest
// of the program.
class frmSysTray : public QObject
{
    Q_OBJECT
public:
    // Adds the icon, with the program's description as its first tip.
    frmSysTray(std::unique_ptr<TrayIcon> icon, const QString &description);
    // Removes the icon.
    ~frmSysTray() override;

    QString ToolTip() const { return m_tip; }
    // At most 63 characters reach the tip.
    void setToolTip(const QString &tip);
    QIcon IconHandle() const { return m_iconHandle; }
    void setIconHandle(const QIcon &icon);

    // Entry 0 exists from the start and takes the first item; later items are
    // appended. A caption "-" makes a separator. Returns the entry's index.
    int AddMenuItem(const QString &caption, const QString &key, bool isDefault);
    // Entries outside the menu are ignored.
    void EnableMenuItem(int index, bool enabled);
    int DefaultMenuIndex() const { return m_defaultIndex; }
    // An index outside the menu sets 0.
    void setDefaultMenuIndex(int index);
    // Pops the menu up at the pointer, the default entry drawn as such.
    void ShowMenu();

    // The icon is on the desktop (none where there is no notification area).
    bool iconShown() const { return m_icon && m_icon->exists(); }
    QMenu &menu() { return mnuPopup; }
    // One shell mouse message over the icon.
    void notify(int message);
    // How often a tray without a notification area looks for one again.
    static constexpr int kWaitForAreaMs = 2000;

signals:
    void SysTrayMouseDown(int button);
    void SysTrayMouseUp(int button);
    void SysTrayMouseMove();
    void SysTrayDoubleClick(int button);
    // A left click on a host that reports no double-clicks: the gesture
    // that stands for the double-click there.
    void SysTrayClick(int button);
    // The icon appeared in a notification area that was not there at first.
    void IconShown();
    void MenuClick(int index, const QString &key);

private:
    void lookForArea();

    std::unique_ptr<TrayIcon> m_icon;
    QTimer *timTrayWait;
    QElapsedTimer m_lastClick;
    QMenu mnuPopup;
    QList<QAction *> mnuSysTray;
    bool m_firstItemUsed = false;
    int m_defaultIndex = 0;
    QString m_tip;
    QIcon m_iconHandle;
};

} // namespace orbilex
