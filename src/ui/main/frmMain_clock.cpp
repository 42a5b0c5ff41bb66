// The country clock and daylight saving: the one-second tick refreshes the
// clocks, the title and the tray tooltip; the rule shifts the GMT deviation by
// whole months. Beside them the local-time field shows the place's time from
// the system's time-zone database.

#include "common/apperror.h"
#include "common/program.h"
#include "desktop/frmSysTray.h"
#include "store/storedvalues.h"
#include "time/dst.h"
#include "time/gmt.h"
#include "ui/main/frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace orbilex {

void frmMain::CheckDST()
{
    if (!chkDST->isChecked()) {
        const QString name = cmbCountryName->currentText();
        ShowCountryRecord();
        if (name == QLatin1StringView("United States")) {
            // Here a city list with nothing stored goes to its second line.
            const std::optional<int> line = m_env.settings->read(keys::USCi.withDefault(1));
            if (line && *line >= 0 && *line < cmbCity->count())
                cmbCity->setCurrentIndex(*line);
        }
        return;
    }
    // A deviation the user gave is taken as it was given: it may already be
    // the summer one, and shifting it again would lose what was typed.
    if (m_gmtIsUsers)
        return;
    const std::optional<QString> shifted
        = dstDeviation(txtCountryName->text(), m_env.clock->localNow().date().month(), txtGMT->text());
    if (shifted)
        txtGMT->setText(*shifted);
}

void frmMain::UpdateCountryTime()
{
    const std::optional<int> minutes = deviationMinutes(txtGMT->text());
    if (minutes)
        SetCountryTime(*minutes);
    else
        txtcTime->setText(QStringLiteral(".unknown"));
}

void frmMain::SetCountryTime(int minutes)
{
    txtcTime->setText(countryTimeText(m_env.clock->utcNow().time(), minutes));
}

void frmMain::showTitle()
{
    setWindowTitle(programWindowTitle(cmbCountryName->currentText() + QStringLiteral(" - ") + txtcTime->text()));
}

void frmMain::timClockTick()
{
    const QDateTime utc = m_env.clock->utcNow();
    // The title shows the country time of the previous tick.
    showTitle();
    guarded([&] {
        if (trayEnabled() && m_frmSysTray)
            m_frmSysTray->setToolTip(windowTitle());
    });
    txtGMTc->setText(clockText(utc.time()));
    UpdateCountryTime();
    txtClock->setText(clockText(m_env.clock->localNow().time()));
    showLocalTime(utc);
}

void frmMain::localPlaceChanged()
{
    m_localTime.setPlace(cmbCountryName->currentIndex(), cmbCity->currentText());
    showLocalTime(m_env.clock->utcNow());
}

void frmMain::showLocalTime(const QDateTime &utc)
{
    const LocalTimeView view = m_localTime.at(utc, txtGMT->text(), m_env.clock->localNow().date());
    txtTzTime->setText(view.text);
    if (txtTzTime->toolTip() != view.toolTip)
        txtTzTime->setToolTip(view.toolTip);
    // Bold and the sign read in any palette; the description is what a
    // screen reader says of the mark.
    if (txtTzTime->font().bold() != view.differs) {
        QFont font = txtTzTime->font();
        font.setBold(view.differs);
        txtTzTime->setFont(font);
        txtTzTime->setAccessibleDescription(
            view.differs ? QStringLiteral("differs from the Country/City Time") : QString());
    }
}

QString frmMain::localTime() const
{
    return m_localTime.clockAt(m_env.clock->utcNow()).value_or(txtcTime->text());
}

} // namespace orbilex
