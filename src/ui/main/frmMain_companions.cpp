// The companion windows: loaded on first need, hidden until shown, reopened
// at start when they were open at exit, and unloaded with the main window.

#include "platform/apperror.h"
#include "ui/companions/frmAbout.h"
#include "ui/companions/frmIP2Location.h"
#include "ui/companions/frmISOLang.h"
#include "ui/companions/frmLat.h"
#include "ui/companions/frmWorldMap.h"
#include "ui/main/frmMain.h"

#include <QLineEdit>
#include <QPushButton>

namespace orbilex {

namespace {

struct CompanionInfo {
    frmMain::CompanionKind kind;
    const SettingKey *visibleKey;
    const char *button;
};

// In the order the load reopens them and the unload writes and closes them.
const CompanionInfo kCompanions[] = {
    {frmMain::CompanionKind::IpToCountry, &keys::wip, "cmdIP2Location"},
    {frmMain::CompanionKind::IsoLanguages, &keys::wiso, "cmdISOLang"},
    {frmMain::CompanionKind::WorldMap, &keys::wmap, "cmdMapShow"},
    {frmMain::CompanionKind::Latitudes, &keys::wlat, "cmdLatMore"},
};

} // namespace

QWidget *frmMain::companion(CompanionKind kind)
{
    auto &slot = m_companions[std::size_t(kind)];
    if (!slot)
        slot.reset(makeCompanion(kind));
    return slot.get();
}

QWidget *frmMain::loadedCompanion(CompanionKind kind) const
{
    return m_companions[std::size_t(kind)].get();
}

bool frmMain::companionVisible(CompanionKind kind) const
{
    const QWidget *w = loadedCompanion(kind);
    return w && w->isVisible();
}

void frmMain::showCompanion(CompanionKind kind)
{
    QWidget *w = companion(kind);
    if (!w)
        return;
    w->show();
    w->raise();
    w->activateWindow();
}

void frmMain::connectCompanions()
{
    for (const CompanionInfo &c : kCompanions)
        connect(findChild<QPushButton *>(QLatin1StringView(c.button)), &QPushButton::clicked, this,
                [this, kind = c.kind] { guarded([&] { showCompanion(kind); }); });
    connect(cmdAbout, &QPushButton::clicked, this, [this] { guarded([&] { showAbout(true); }); });
}

// From the main window's button the About window is owned by it and modal;
// from the tray it stands alone and is not modal. Each opening makes it anew,
// unless it is open already.
void frmMain::showAbout(bool owned)
{
    auto &slot = m_companions[std::size_t(CompanionKind::About)];
    if (!slot || !slot->isVisible())
        slot.reset(owned ? new frmAbout(m_env, *this) : new frmAbout(m_env));
    slot->show();
    slot->raise();
    slot->activateWindow();
}

void frmMain::reopenCompanions()
{
    for (const CompanionInfo &c : kCompanions)
        guarded([&] {
            if (m_env.settings->read(*c.visibleKey) == QLatin1StringView("True"))
                showCompanion(c.kind);
        });
}

void frmMain::writeCompanionState()
{
    for (const CompanionInfo &c : kCompanions)
        m_env.settings->write(*c.visibleKey, truthText(companionVisible(c.kind)));
}

void frmMain::unloadCompanions()
{
    for (const CompanionInfo &c : kCompanions)
        if (companionVisible(c.kind))
            loadedCompanion(c.kind)->close();
}

} // namespace orbilex

namespace orbilex {

// Each companion window joins the program here; its owner is the main window,
// which hands it the environment.
QWidget *frmMain::makeCompanion(CompanionKind kind)
{
    switch (kind) {
    case CompanionKind::WorldMap:
        return new frmWorldMap(m_env, *this);
    case CompanionKind::IpToCountry:
        return new frmIP2Location(m_env, *this);
    case CompanionKind::IsoLanguages:
        return new frmISOLang(m_env, *this);
    case CompanionKind::About:
        return new frmAbout(m_env, *this);
    case CompanionKind::Latitudes:
        return new frmLat(m_env, *this);
    case CompanionKind::Count:
        break;
    }
    return nullptr;
}

} // namespace orbilex
