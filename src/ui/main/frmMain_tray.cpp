// The main window's side of the tray icon: building the icon and its menu,
// the menu's choices, bringing the window back, and the option that switches
// the icon on and off.

#include "common/apperror.h"
#include "desktop/frmSysTray.h"
#include "desktop/mdlRegistryII.h"
#include "ui/main/frmMain.h"
#include "ui/windowparts.h"
#include "viewlogic/links.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QPushButton>

namespace orbilex {

namespace {

struct TrayItem {
    const char *caption; // null: the item that names the program
    const char *key;
};

constexpr TrayItem kTrayMenu[] = {
    {"&Show", "open"},
    {"&Hide", "hide"},
    {"-", ""},
    {"I&P2Country", "ipcon"},
    {"World &Map", "wmap"},
    {"ISO 639 Language Codes", "isolan"},
    {"HTML Version", "printv"},
    {"-", ""},
    {"&Help", "help"},
    {"&Technical Support", "email"},
    {"Quendra on the &Web", "web"},
    {"T&oday", "today"},
    {nullptr, "about"},
    {"-", ""},
    {"E&xit", "close"},
};

} // namespace

void frmMain::eSystray()
{
    m_frmSysTray = std::make_unique<frmSysTray>(
        m_env.makeTrayIcon ? m_env.makeTrayIcon() : nullptr, QString::fromLatin1(kProgramTitle));
    frmSysTray *tray = m_frmSysTray.get();
    guardedConnect(tray, &frmSysTray::SysTrayDoubleClick, this, &frmMain::restoreFromTray);
    guardedConnect(tray, &frmSysTray::SysTrayClick, this, &frmMain::restoreFromTray);
    // The hide button waited for an icon to come back through.
    guardedConnect(tray, &frmSysTray::IconShown, this, [this] { cmdExit->setEnabled(true); });
    guardedConnect(tray, &frmSysTray::SysTrayMouseDown, this, [this](int button) { trayMouseDown(button); });
    guardedConnect(tray, &frmSysTray::MenuClick, this, [this](int, const QString &key) { trayMenuClick(key); });
    for (const TrayItem &item : kTrayMenu) {
        const QString caption = item.caption
            ? QString::fromLatin1(item.caption)
            : QStringLiteral("&About ") + QLatin1StringView(kProgramTitle) + QStringLiteral("...");
        tray->AddMenuItem(caption, QString::fromLatin1(item.key), qstrcmp(item.key, "open") == 0);
    }
    tray->setToolTip(windowTitle());
    tray->setIconHandle(windowIcon());
}

frmSysTray *frmMain::trayWindow() const
{
    return m_frmSysTray.get();
}

void frmMain::restoreFromTray()
{
    showNormal();
    raise();
    activateWindow();
}

void frmMain::trayMouseDown(int button)
{
    if (button != 2)
        return;
    const bool shown = isVisible() && !isMinimized();
    m_frmSysTray->EnableMenuItem(0, !shown);
    m_frmSysTray->EnableMenuItem(1, shown);
    m_frmSysTray->ShowMenu();
}

void frmMain::trayMenuClick(const QString &key)
{
    if (key == u"open")
        restoreFromTray();
    else if (key == u"hide")
        hideToTray();
    else if (key == u"ipcon")
        showCompanion(CompanionKind::IpToCountry);
    else if (key == u"wmap")
        cmdMapShow->click();
    else if (key == u"isolan")
        showCompanion(CompanionKind::IsoLanguages);
    else if (key == u"printv")
        printVersion();
    else if (key == u"help")
        m_env.shell->open(m_env.programFile(QStringLiteral("readme.htm")));
    else if (key == u"email")
        m_env.shell->open(supportMailAddress());
    else if (key == u"web")
        m_env.shell->open(QString::fromLatin1(kMakerWebAddress));
    else if (key == u"today")
        showCompanion(CompanionKind::Today);
    else if (key == u"about")
        showAbout(false);
    else if (key == u"close")
        close();
}

// A hidden window comes back only through the icon, so the hide button (and
// Escape with it) works only while there is one: not without a notification
// area, nor with the option off, whatever "OTray" says.
void frmMain::updateHideButton()
{
    if (!m_frmSysTray || !m_frmSysTray->iconShown())
        cmdExit->setEnabled(false);
}

void frmMain::chkTrayClicked()
{
    SettingsStore &settings = *m_env.settings;
    const bool on = chkTray->isChecked();
    guarded([&] { settings.write(keys::EnableTray, on); });
    if (on && settings.holds(keys::OTray, false)) {
        guarded([&] { eSystray(); });
        guarded([&] { settings.write(keys::OTray, true); });
        guarded([&] { cmdExit->setEnabled(true); });
    } else if (on) {
        guarded([&] { cmdExit->setEnabled(true); });
    } else {
        guarded([&] { m_frmSysTray.reset(); });
        guarded([&] { settings.write(keys::OTray, false); });
        guarded([&] { cmdExit->setEnabled(false); });
    }
    guarded([&] { updateHideButton(); });
}

// Start at logon. The setting is stored whatever the desktop answers, so box
// and entry can disagree after a failure, silently.
void frmMain::chkRunAtStartClicked()
{
    const bool on = chkRunAtStart->isChecked();
    m_env.settings->write(keys::WinStart, on);
    if (on)
        mdlRegistryII::SetStartupEntry(m_env.autostartFolder, QCoreApplication::applicationFilePath());
    else
        mdlRegistryII::DeleteStartupEntry(m_env.autostartFolder);
}

} // namespace orbilex
