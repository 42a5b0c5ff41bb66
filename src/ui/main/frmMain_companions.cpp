// The companion windows: loaded on first need, hidden until shown, reopened
// at start when they were open at exit, and unloaded with the main window.

#include "common/apperror.h"
#include "ui/companions/frmAbout.h"
#include "ui/companions/frmIP2Location.h"
#include "ui/companions/frmISOLang.h"
#include "ui/companions/frmLat.h"
#include "ui/companions/frmToday.h"
#include "ui/companions/frmWorldMap.h"
#include "ui/main/frmMain.h"
#include "ui/windowparts.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace orbilex {

namespace {

struct CompanionInfo {
    frmMain::CompanionKind kind;
    const BoolKey *visibleKey;
    const char *button;
};

// In the order the load reopens them and the unload writes and closes them.
const CompanionInfo kCompanions[] = {
    {frmMain::CompanionKind::IpToCountry, &keys::wip, "cmdIP2Location"},
    {frmMain::CompanionKind::IsoLanguages, &keys::wiso, "cmdISOLang"},
    {frmMain::CompanionKind::WorldMap, &keys::wmap, "cmdMapShow"},
    {frmMain::CompanionKind::Latitudes, &keys::wlat, "cmdLatMore"},
    {frmMain::CompanionKind::Today, &keys::wtoday, "cmdToday"},
};

// Runs a step once the watched window has painted its first frame, so the
// step does not delay that frame; at once when the window is not shown (or
// only minimised) by the time events are handled, since then no frame comes.
class AfterFirstFrame final : public QObject
{
public:
    AfterFirstFrame(QWidget *window, std::function<void()> step)
        : QObject(window)
        , m_window(window)
        , m_step(std::move(step))
    {
        window->installEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            if (!m_window->isVisible() || m_window->isMinimized())
                run();
        });
        // A frame that never comes (a window shown and hidden again at once).
        QTimer::singleShot(2000, this, [this] { run(); });
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // After the whole frame, children and flush included, and one turn
        // later still, so whatever else waited for the frame (input that came
        // meanwhile, a watch on the start) goes first.
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, this, [this] { QTimer::singleShot(0, this, [this] { run(); }); });
        return false;
    }

private:
    void run()
    {
        if (!m_step)
            return;
        m_window->removeEventFilter(this);
        const std::function<void()> step = std::move(m_step);
        m_step = nullptr;
        step();
        deleteLater();
    }

    QWidget *m_window;
    std::function<void()> m_step;
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
        guardedConnect(findChild<QPushButton *>(QLatin1StringView(c.button)), &QPushButton::clicked, this,
            [this, kind = c.kind] { showCompanion(kind); });
    guardedConnect(cmdAbout, &QPushButton::clicked, this, [this] { showAbout(true); });
    // Once shown, the map checks its file for the country. The map may be made
    // by this very click, too late to connect to the button itself.
    guardedConnect(cmdMapShow, &QPushButton::clicked, this, [this] {
        if (auto *map = qobject_cast<frmWorldMap *>(loadedCompanion(CompanionKind::WorldMap)))
            map->locateOrEnd();
    });
    // The IP and language windows are loaded, hidden, with the main window,
    // since their picture buttons are themed then; their load steps run now.
    new AfterFirstFrame(this, [this] {
        for (const CompanionKind kind : {CompanionKind::IpToCountry, CompanionKind::IsoLanguages})
            guarded([&] { companion(kind); });
    });
}

// From the main window's button the About window is owned by it and modal;
// from the tray it stands alone and is not modal. Each opening makes it anew,
// unless it is open already.
void frmMain::showAbout(bool owned)
{
    auto &slot = m_companions[std::size_t(CompanionKind::About)];
    if (!slot || !slot->isVisible())
        slot.reset(owned ? new frmAbout(m_env, *this, handCursor()) : new frmAbout(m_env));
    slot->show();
    slot->raise();
    slot->activateWindow();
}

void frmMain::reopenCompanions()
{
    for (const CompanionInfo &c : kCompanions)
        guarded([&] {
            if (m_env.settings->holds(*c.visibleKey, true))
                showCompanion(c.kind);
        });
}

void frmMain::writeCompanionState()
{
    for (const CompanionInfo &c : kCompanions)
        m_env.settings->write(*c.visibleKey, companionVisible(c.kind));
}

void frmMain::unloadCompanions()
{
    for (const CompanionInfo &c : kCompanions)
        if (companionVisible(c.kind))
            loadedCompanion(c.kind)->close();
}

} // namespace orbilex

namespace orbilex {

QCursor frmMain::handCursor() const
{
    return cmdAbout->cursor();
}

QIcon frmMain::programIcon() const
{
    return windowIcon();
}

int frmMain::countryCount() const
{
    return cmbCountryName->count();
}

QString frmMain::countryName(int index) const
{
    return cmbCountryName->itemText(index);
}

int frmMain::selectedCountry() const
{
    return cmbCountryName->currentIndex();
}

void frmMain::chooseCountry(int index)
{
    cmbCountryName->setCurrentIndex(index);
}

void frmMain::followSelection(QObject *receiver, std::function<void()> step)
{
    guardedConnect(cmbCountryName, &QComboBox::currentIndexChanged, receiver, [step = std::move(step)] { step(); });
}

QString frmMain::countryTime() const
{
    return txtcTime->text();
}

QString frmMain::fipsCode() const
{
    return cmbFIPS->currentText();
}

void frmMain::log(const QString &text)
{
    txtLog->setText(text);
}

// Shown and restored to normal size in one step.
void frmMain::showNormalAgain()
{
    if (isMinimized() || !isVisible())
        showNormal();
}

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
        return new frmAbout(m_env, *this, handCursor());
    case CompanionKind::Latitudes:
        return new frmLat(m_env, *this);
    case CompanionKind::Today:
        return new frmToday(m_env, *this);
    case CompanionKind::Count:
        break;
    }
    return nullptr;
}

} // namespace orbilex
