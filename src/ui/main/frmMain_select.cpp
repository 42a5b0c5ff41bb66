// Selection and display: the one road every choice of a country takes.

#include "common/apperror.h"
#include "data/cities.h"
#include "data/countries.h"
#include "data/dialing.h"
#include "data/prefixnotes.h"
#include "data/records.h"
#include "data/text.h"
#include "store/storedvalues.h"
#include "ui/companions/frmWorldMap.h"
#include "ui/flags.h"
#include "ui/main/frmMain.h"
#include "viewlogic/fields.h"
#include "viewlogic/links.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orbilex {

void frmMain::SelectCountry()
{
    const int i = cmbCountryName->currentIndex();
    const auto moveTo = [i](QComboBox *box) {
        box->setCurrentIndex(i);
        // An unchanged selection keeps whatever was typed into the box; a new
        // country shows its own code in every box.
        if (i >= 0 && i < box->count() && box->currentText() != box->itemText(i))
            box->setEditText(box->itemText(i));
    };
    guarded([&] { moveTo(cmbCountryCode); });
    guarded([&] {
        if (auto *map = qobject_cast<frmWorldMap *>(companion(CompanionKind::WorldMap)))
            map->selectCountry(i);
    });
    guarded([&] { txtCountryName->setText(cmbCountryName->currentText()); });
    guarded([&] { moveTo(cmbTLD); });
    guarded([&] { moveTo(cmbFIPS); });
    guarded([&] { moveTo(cmbIOC); });
    guarded([&] { moveTo(cmbISO3); });
    guarded([&] { moveTo(cmbCurrencyCode); });
    guarded([&] { moveTo(cmbLanguage); });
    guarded([&] { moveTo(cmbDSCode); });
    guarded([&] { showReferenceLinks(); });
    guarded([&] { cmdLatMore->hide(); });
    guarded([&] { SetIDDNote(); });
    guarded([&] { SetNDDNote(); });
    guarded([&] { ShowCountryRecord(); });
    guarded([&] { showTodayMarkers(); });
    guarded([&] {
        const QPixmap flag = flagPicture(cmbFIPS->currentText(), picFlag->devicePixelRatioF());
        picFlag->setPixmap(flag.isNull() ? imgEmpty->pixmap() : flag);
    });
    guarded([&] { showTitle(); });
    guarded([&] { CheckDST(); });
    guarded([&] { m_fieldChecks[Field::CityAll]->setEnabled(cmbCity->count() >= 2); });
    // The marker follows only while the map is shown; its error goes to the log.
    guarded([&] {
        auto *map = qobject_cast<frmWorldMap *>(loadedCompanion(CompanionKind::WorldMap));
        if (!map || !map->isVisible())
            return;
        try {
            map->LocateCountry();
        } catch (const AppError &e) {
            txtLog->setText(QStringLiteral("Error ") + QString::number(e.number) + u' ' + e.description);
        }
    });
}

void frmMain::showReferenceLinks()
{
    setFieldText(txtUrl, factbookLink(cmbFIPS->currentText()));
    setFieldText(txtPInfo, statisticsLink(cmbFIPS->currentText()));
}

void frmMain::SetIDDNote()
{
    txtIDD->setPlainText(qs(iddNote(cmbCountryName->currentText().toStdString())));
}

void frmMain::SetNDDNote()
{
    txtNDD->setPlainText(qs(nddNote(cmbCountryName->currentText().toStdString())));
}

void frmMain::ShowCountryRecord()
{
    const int i = cmbCountryName->currentIndex();
    m_gmtIsUsers = false;
    if (i >= 0 && i < kCountryCount) {
        const CountryRecord &r = kRecords[std::size_t(i)];
        txtLongName->setText(qs(r.longName));
        txtType->setText(qs(r.type));
        txtDep->setText(qs(r.dependency));
        txtLocation->setText(qs(r.location));
        txtISONumber->setText(qs(r.isoNumber));
        setDialingCodeText(qs(r.dialingCode));
        txtGMT->setText(qs(r.gmt));
        fillCityList(i);
    }
    applyOverrides(i);
}

void frmMain::applyOverrides(int country)
{
    const QString path = userDbPath();
    if (!QFileInfo::exists(path))
        return;
    m_ini.SetFile(path);
    // Keys match with letter case ignored, as every other read of the file does.
    QHash<QString, QString> section;
    for (const auto [key, value] : m_ini.ReadSection(QString::number(country)).asKeyValueRange())
        section.insert(key.toCaseFolded(), value);
    for (const Field f : kOverrideReadOrder) {
        const QString value = section.value(QString::fromLatin1(fieldRow(f).user.key).toCaseFolded());
        if (value.isEmpty())
            continue;
        setFieldText(m_fieldWidgets[f], value);
        if (f == Field::Gmt)
            m_gmtIsUsers = true;
    }
}

void frmMain::fillCityList(int country)
{
    switch (cityKind(country)) {
    case CityKind::None:
        DisableCityList();
        break;
    case CityKind::Own:
        EnableCityList();
        // The first line appended becomes the selection, which runs the city rule.
        for (const OwnCityLine &line : ownCityLines(country))
            cmbCity->addItem(qs(line.text));
        break;
    case CityKind::UnitedKingdom:
        EnableCityList();
        FillUKCities();
        break;
    case CityKind::UnitedStates: {
        // Read before filling: filling selects line 0, whose city rule stores it.
        const std::optional<int> stored = m_env.settings->read(keys::USCi);
        EnableCityList();
        FillUSCities();
        if (stored && *stored >= 0 && *stored < cmbCity->count())
            cmbCity->setCurrentIndex(*stored);
        cmdLatMore->show();
        break;
    }
    }
}

void frmMain::EnableCityList()
{
    cmbCity->clear();
    cmbCity->setEnabled(true);
    m_fieldChecks[Field::City]->setEnabled(true);
}

void frmMain::DisableCityList()
{
    cmbCity->clear();
    cmbCity->setEnabled(false);
    m_fieldChecks[Field::City]->setEnabled(false);
}

void frmMain::FillUKCities()
{
    for (std::string_view line : kUnitedKingdomCities)
        cmbCity->addItem(qs(line));
    cmbCity->setCurrentIndex(0);
}

void frmMain::FillUSCities()
{
    for (std::string_view line : kUnitedStatesCities)
        cmbCity->addItem(qs(line));
}

void frmMain::cmbCityChanged()
{
    if (cmbCity->currentIndex() < 0)
        return;
    SetCityGMT();
    if (cmbCountryName->currentText() == QLatin1StringView("United States"))
        m_env.settings->write(keys::USCi, cmbCity->currentIndex());
}

void frmMain::SetCityGMT()
{
    const std::string_view gmt
        = cityGmt(cmbCity->currentText().toStdString(), cmbCountryName->currentText().toStdString());
    if (!gmt.empty()) {
        txtGMT->setText(qs(gmt));
        m_gmtIsUsers = false;
    }
}

void frmMain::setDialingCodeText(const QString &code)
{
    if (cmbCode->currentText() == code)
        return;
    cmbCode->setEditText(code);
    cmbCodeEdited();
}

void frmMain::ListSameCode()
{
    const DialingEntry *entry = findDialingEntry(cmbCode->currentText().trimmed().toStdString());
    if (entry && entry->kind == DialingKind::Single) {
        guarded([&] { selectCountryByName(qs(entry->primary)); });
        ShowNoSameCode();
        return;
    }
    if (entry && entry->kind == DialingKind::Shared) {
        const QString shown = cmbCountryName->currentText();
        const auto sharers = std::span(entry->sharers).first(std::size_t(entry->sharerCount));
        // The sharers that stay displayed are all but the primary; the primary
        // itself is already what would be selected.
        const bool kept = std::ranges::any_of(sharers, [&](std::string_view s) { return qs(s) == shown; });
        if (!kept)
            guarded([&] { selectCountryByName(qs(entry->primary)); });
        ShowSameCodeList();
        for (std::string_view s : sharers)
            lstSameCode->addItem(qs(s));
        return;
    }
    ShowNoSameCode();
}

void frmMain::ShowSameCodeList()
{
    lstSameCode->clear();
    lstSameCode->setBackgroundRole(QPalette::Base);
    lstSameCode->viewport()->setBackgroundRole(QPalette::Base);
}

void frmMain::ShowNoSameCode()
{
    lstSameCode->clear();
    lstSameCode->setBackgroundRole(QPalette::Button);
    lstSameCode->viewport()->setBackgroundRole(QPalette::Button);
    lstSameCode->addItem(QStringLiteral("-"));
}

void frmMain::selectCountryByName(const QString &name)
{
    const std::optional<int> i = countryIndexByName(name.toStdString());
    if (!i)
        throw AppError::invalidPropertyValue();
    cmbCountryName->setCurrentIndex(*i);
}

void frmMain::lstSameCodeClicked()
{
    if (QListWidgetItem *item = lstSameCode->currentItem())
        guarded([&] { selectCountryByName(item->text()); });
}

void frmMain::txtCountryNameClicked()
{
    txtCountryName->setSelection(0, int(txtCountryName->text().size()));
    QApplication::clipboard()->setText(txtCountryName->text());
}

// The country list's own keyboard search is replaced by a prefix typed over
// about a second, so "ger" reaches Germany rather than the third "r" entry.
void frmMain::countryListKey(QKeyEvent *event)
{
    char16_t code = 0;
    if (event->key() == Qt::Key_Backspace)
        code = 8;
    else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        code = 13;
    else if (!event->text().isEmpty())
        code = event->text().front().unicode();
    m_typeAhead.key(code);
    if (!timAutoCombo->isActive())
        timAutoCombo->start();
    const std::optional<int> found = findPrefixFromTop(
        cmbCountryName->count(), [this](int i) { return cmbCountryName->itemText(i); }, m_typeAhead.prefix());
    if (found)
        cmbCountryName->setCurrentIndex(*found);
}

void frmMain::timAutoComboTick()
{
    if (m_typeAhead.tick())
        timAutoCombo->stop();
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    bool handled = false;
    if (guarded([&] { handled = linkEvent(watched, event); }) && handled)
        return true;
    if (watched == cmbCountryName && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete)
            return true;
        const bool typed = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Return
            || key->key() == Qt::Key_Enter
            || (!key->text().isEmpty() && key->key() != Qt::Key_Escape && key->key() != Qt::Key_Tab
                && key->key() != Qt::Key_Backtab);
        if (typed && !(key->modifiers() & Qt::AltModifier)) {
            guarded([&] { countryListKey(key); });
            return true;
        }
    }
    if (watched == txtCountryName && event->type() == QEvent::MouseButtonRelease) {
        guarded([&] { txtCountryNameClicked(); });
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace orbilex
