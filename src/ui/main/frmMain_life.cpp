// Window life: load, the stored choices, the options panel, hiding, closing
// and unload.

#include "common/apperror.h"
#include "data/codelists.h"
#include "data/countries.h"
#include "data/dialing.h"
#include "data/text.h"
#include "desktop/frmSysTray.h"
#include "store/savedfiles.h"
#include "store/worldlocations.h"
#include "ui/main/frmMain.h"
#include "ui/windowparts.h"
#include "viewlogic/fields.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTime>

namespace orbilex {

namespace {

// A check box takes a stored yes or no; text that is neither leaves it as it
// is.
void setFromStored(QCheckBox *box, const SettingsStore &settings, const BoolKey &key)
{
    box->setChecked(settings.require(key));
}

// A hidden window comes back only through the icon, so it is hidden only
// while the icon is really there: a desktop without a notification area (or
// one whose panel is not up yet) makes none.
bool trayIconShown(const frmSysTray *tray)
{
    return tray && tray->iconShown();
}

// The session's settings are all written at the end, so a store that cannot
// be written (a read-only file or folder) would lose them without a word.
bool settingsSaved(SettingsStore &store, Dialogs &dialogs)
{
    const std::optional<AppError> failed = store.save();
    if (!failed)
        return true;
    const AppError &error = *failed;
    dialogs.message(Dialogs::Icon::Warning,
        QStringLiteral("Some errors occured:\r\n") + QString::number(error.number) + QStringLiteral(": ")
            + error.description
            + QStringLiteral("\r\nThe window positions, the last country and the chosen fields "
                             "and options could not be saved to\r\n")
            + QDir::toNativeSeparators(store.fileName()),
        QString::fromLatin1(kProgramTitle));
    return false;
}

} // namespace

void frmMain::Load()
{
    SettingsStore &settings = *m_env.settings;
    txtClock->setText(m_env.clock->localNow().time().toString(QStringLiteral("HH:mm:ss")));
    // What writers killed in the middle of a save left beside the two files
    // a user can change.
    guarded([&] { removeStaleTemporaries(userDbPath()); });
    guarded([&] { removeStaleTemporaries(m_env.programFile(QLatin1StringView(kLocationFileName))); });

    guarded([&] {
        if (settings.isBlank(keys::FirstUp)) {
            settings.write(keys::FirstUp, false);
            QDir::setCurrent(m_env.programFolder.absolutePath());
        } else {
            restoreWindowPosition(settings, keys::Left, keys::Top, this);
        }
    });
    guarded([&] { loadFieldChecks(); });
    guarded([&] { setFromStored(chkOption, settings, keys::chkOption); });
    guarded([&] { setFromStored(chkSelHtml, settings, keys::chkSelHtml); });
    guarded([&] { setFromStored(chkDST, settings, keys::chkDST); });
    guarded([&] {
        const bool hidden = settings.holds(keys::wVis, false);
        if (settings.holds(keys::wState, 1) || hidden) {
            m_startHidden = hidden;
            m_startMinimised = !hidden;
        }
    });
    guarded([&] { FillCodeLists(); });
    guarded([&] { FillLanguageList(); });
    guarded([&] { FillISO3List(); });
    guarded([&] { FillDSCodeList(); });
    // Filled lists start with nothing selected; from here on a selection runs
    // its reaction.
    for (QComboBox *list : {cmbCountryName, cmbCountryCode, cmbTLD, cmbFIPS, cmbCode, cmbIOC, cmbCurrencyCode,
             cmbLanguage, cmbISO3, cmbDSCode})
        list->setCurrentIndex(-1);
    connectLists();
    reopenCompanions();
    guarded([&] {
        if (settings.isBlank(keys::CountryName)) {
            cmbCountryName->setCurrentIndex(0);
            return;
        }
        const std::optional<int> i = settings.read(keys::CountryName);
        if (!i || *i < 0 || *i >= cmbCountryName->count())
            throw AppError::invalidPropertyValue();
        cmbCountryName->setCurrentIndex(*i);
    });
    guarded([&] {
        if (trayEnabled())
            eSystray();
    });
    guarded([&] {
        if (!trayEnabled() && settings.holds(keys::OTray, false))
            cmdExit->setEnabled(false);
    });
    guarded([&] { updateHideButton(); });
}

void frmMain::loadFieldChecks()
{
    for (const FieldRow &row : kFields)
        guarded([&] {
            // A missing key leaves the box as created.
            const BoolKey key = row.settingsKey;
            if (!m_env.settings->isBlank(key))
                setFromStored(m_fieldChecks[row.field], *m_env.settings, key);
        });
}

namespace {

// One call per list: appending entry by entry costs a millisecond at start.
template<typename Rows, typename Text> void fill(QComboBox *list, const Rows &rows, Text text)
{
    QStringList entries;
    entries.reserve(qsizetype(rows.size()));
    for (const auto &row : rows)
        entries << qs(text(row));
    // A plain list of texts: a few hundred entries in each of ten lists
    // would otherwise each be an item object of their own.
    list->setModel(new QStringListModel(entries, list));
}

std::string_view same(std::string_view s)
{
    return s;
}

} // namespace

void frmMain::FillCodeLists()
{
    fill(cmbCountryCode, kCodes, [](const CountryCodes &c) { return c.alpha2; });
    fill(cmbCountryName, kCountryNames, same);
    fill(cmbTLD, kCodes, [](const CountryCodes &c) { return c.tld; });
    fill(cmbFIPS, kCodes, [](const CountryCodes &c) { return c.fips; });
    fill(cmbCode, kDialingCodes, same);
    fill(cmbIOC, kCodes, [](const CountryCodes &c) { return c.ioc; });
    fill(cmbCurrencyCode, kCodes, [](const CountryCodes &c) { return c.currency; });
}

void frmMain::FillLanguageList()
{
    fill(cmbLanguage, kCodes, [](const CountryCodes &c) { return c.language; });
}

void frmMain::FillISO3List()
{
    fill(cmbISO3, kCodes, [](const CountryCodes &c) { return c.alpha3; });
}

void frmMain::FillDSCodeList()
{
    fill(cmbDSCode, kCodes, [](const CountryCodes &c) { return c.sign; });
}

void frmMain::showAsLoaded()
{
    if (m_startHidden && trayIconShown(trayWindow()))
        return;
    if (m_startMinimised) {
        showMinimized();
        sendToTrayWhenMinimised();
    } else {
        show();
    }
    if (!m_startMinimised) {
        activateWindow();
        cmbCountryName->setFocus();
    }
}

bool frmMain::trayEnabled() const
{
    return m_env.settings->holds(keys::EnableTray, true);
}

void frmMain::hideToTray()
{
    if (!trayIconShown(trayWindow()))
        return;
    setWindowState(windowState() | Qt::WindowMinimized);
    hide();
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && cmdExit->isEnabled()) {
        hideToTray();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmMain::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        sendToTrayWhenMinimised();
}

// Minimising sends the window to the tray, but only when there is an icon
// there to bring it back.
void frmMain::sendToTrayWhenMinimised()
{
    if (isMinimized() && trayEnabled() && trayIconShown(trayWindow()))
        hide();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    guarded([&] {
        if (trayEnabled())
            m_frmSysTray.reset();
    });
    Unload();
    event->accept();
}

void frmMain::Unload(int exitCode)
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    SettingsStore &settings = *m_env.settings;
    if (!isMinimized())
        saveWindowPosition(settings, keys::Left, keys::Top, this);
    settings.write(keys::CountryName, cmbCountryName->currentIndex());
    for (const FieldRow &row : kFields)
        settings.write(row.settingsKey, m_fieldChecks[row.field]->isChecked());
    settings.write(keys::chkOption, chkOption->isChecked());
    settings.write(keys::chkSelHtml, chkSelHtml->isChecked());
    settings.write(keys::chkDST, chkDST->isChecked());
    settings.write(keys::wState, isMinimized() ? 1 : isMaximized() ? 2 : 0);
    settings.write(keys::wVis, isVisible());
    writeCompanionState();
    unloadCompanions();
    const bool saved = settingsSaved(settings, *m_env.dialogs);
    if (m_env.endProgram)
        m_env.endProgram(saved ? exitCode : 1);
}

// The panel animation counts the window's inner height, so the panel comes
// into view the same whatever the height of the desktop's title bars.
int frmMain::heightTwips() const
{
    return pixelsToTwips(height());
}

void frmMain::setHeightTwips(int twips)
{
    resize(width(), twipsToPixels(twips));
}

void frmMain::chkOptionClicked()
{
    if (chkOption->isChecked()) {
        timOption->start();
        timOptionBack->stop();
        guarded([&] { setFromStored(chkTray, *m_env.settings, keys::EnableTray); });
        guarded([&] { setFromStored(chkRunAtStart, *m_env.settings, keys::WinStart); });
    } else {
        timOption->stop();
        timOptionBack->start();
    }
    m_panelHeightTwips = heightTwips();
}

// The panel's height is kept in twips, so steps of 100 twips (6.7 pixels) add
// up exactly; a height changed from outside is taken over.
void frmMain::timOptionTick()
{
    if (std::abs(twipsToPixels(m_panelHeightTwips) - height()) > 1)
        m_panelHeightTwips = heightTwips();
    const PanelTick tick = openingTick(m_panelHeightTwips, isMinimized(), m_panelSizes);
    if (tick.heightTwips != m_panelHeightTwips) {
        m_panelHeightTwips = tick.heightTwips;
        setHeightTwips(tick.heightTwips);
    }
    if (tick.stop)
        timOption->stop();
}

void frmMain::timOptionBackTick()
{
    if (std::abs(twipsToPixels(m_panelHeightTwips) - height()) > 1)
        m_panelHeightTwips = heightTwips();
    const PanelTick tick = closingTick(m_panelHeightTwips, m_panelSizes);
    m_panelHeightTwips = tick.heightTwips;
    setHeightTwips(tick.heightTwips);
    if (tick.stop)
        timOptionBack->stop();
}

} // namespace orbilex
