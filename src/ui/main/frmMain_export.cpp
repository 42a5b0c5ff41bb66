// Copy and export: the record as labelled text on the clipboard, the flag as
// a picture, and a printable HTML page opened in the browser. Every value is
// read from what the window shows, overrides and daylight saving included.

#include "viewlogic/fields.h"
#include "ui/main/frmMain.h"
#include "viewlogic/recordexport.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QDir>
#include <QSaveFile>

namespace orbilex {

namespace {

// A multi-line field hands its lines back joined by LF; the program's texts
// join them by CR LF.
QString noteText(const QPlainTextEdit *note)
{
    return note->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace

RecordView frmMain::recordView() const
{
    RecordView v;
    v.countryName = txtCountryName->text();
    v.longName = txtLongName->text();
    v.type = txtType->text();
    v.dependency = txtDep->text();
    v.location = txtLocation->text();
    v.tld = cmbTLD->currentText();
    v.alpha2 = cmbCountryCode->currentText();
    v.alpha3 = cmbISO3->currentText();
    v.isoNumber = txtISONumber->text();
    v.ioc = cmbIOC->currentText();
    v.currency = cmbCurrencyCode->currentText();
    v.language = cmbLanguage->currentText();
    v.fips = cmbFIPS->currentText();
    v.gmt = txtGMT->text();
    v.extraInfo = txtUrl->text();
    v.extraInfo2 = txtPInfo->text();
    v.sign = cmbDSCode->currentText();
    v.dialingCode = cmbCode->currentText();
    for (int i = 0; i < lstSameCode->count(); ++i)
        v.sameCode << lstSameCode->item(i)->text();
    v.idd = noteText(txtIDD);
    v.ndd = noteText(txtNDD);
    for (int i = 0; i < cmbCity->count(); ++i)
        v.cities << cmbCity->itemText(i);
    v.shownCity = cmbCity->currentText();
    v.cityListEnabled = m_fieldChecks[fieldIndex("chkCity")]->isEnabled();
    return v;
}

FieldChoice frmMain::fieldChoice() const
{
    const auto on = [this](const char *name) { return m_fieldChecks[fieldIndex(name)]->isChecked(); };
    FieldChoice c;
    c.countryName = on("chkCountryName");
    c.longName = on("chkLongName");
    c.type = on("chkType");
    c.dependency = on("chkDep");
    c.location = on("chkLocation");
    c.tld = on("chkTLD");
    c.alpha2 = on("chkISO2");
    c.alpha3 = on("chkISO3");
    c.isoNumber = on("chkISONumber");
    c.ioc = on("chkIOC");
    c.currency = on("chkCurrency");
    c.language = on("chkLanguage");
    c.fips = on("chkFIPS");
    c.gmt = on("chkGMT");
    c.extraInfo = on("chkUrl");
    c.extraInfo2 = on("chkInfoP");
    c.dialingCode = on("chkCountryCode");
    c.sameCode = on("chkSameCode");
    c.city = on("chkCity");
    c.cityAll = on("chkCityAll");
    c.cityAllEnabled = m_fieldChecks[fieldIndex("chkCityAll")]->isEnabled();
    c.idd = on("chkIDDCopy");
    c.ndd = on("chkNDD");
    c.sign = on("chkDSCode");
    return c;
}

void frmMain::connectExport()
{
    connect(cmdCopyAll, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setText(fullRecordText(recordView(), fieldChoice().cityAll));
    });
    connect(cmdCopySel, &QPushButton::clicked, this, [this] {
        const QString text = selectedRecordText(recordView(), fieldChoice());
        if (!text.isEmpty())
            QApplication::clipboard()->setText(text);
    });
    connect(cmdSelAll, &QPushButton::clicked, this, [this] { setFieldChecks(true); });
    connect(cmdDSelAll, &QPushButton::clicked, this, [this] { setFieldChecks(false); });
    connect(cmdPrintVer, &QPushButton::clicked, this, &frmMain::printVersion);
}

void frmMain::setFieldChecks(bool on)
{
    for (std::size_t i = 0; i < kFieldChecks.size(); ++i)
        if (qstrcmp(kFieldChecks[i].objectName, "chkCityAll") != 0)
            m_fieldChecks[i]->setChecked(on);
}

// Both files are written whole to a temporary file and renamed into place,
// so a failed export leaves the previous page as it was.
void frmMain::printVersion()
{
    const QString bitmap = m_env.programFile(QStringLiteral("temp.bmp"));
    const QString page = m_env.programFile(QStringLiteral("temp.htm"));
    const auto fail = [this](const QString &path, const QString &reason) {
        m_env.dialogs->message(Dialogs::Icon::Warning,
                               QStringLiteral("The printable version could not be written:") + QStringLiteral("\r\n")
                                   + QDir::toNativeSeparators(path) + QStringLiteral("\r\n") + reason,
                               QString::fromLatin1(kProgramTitle));
    };

    QSaveFile flag(bitmap);
    if (!flag.open(QIODevice::WriteOnly) || !picFlag->pixmap().save(&flag, "BMP") || !flag.commit()) {
        fail(bitmap, flag.errorString());
        return;
    }
    const QStringList lines
        = htmlPageLines(recordView(), fieldChoice(), chkSelHtml->isChecked(), m_env.clock->localNow(),
                        QStringLiteral("readme.htm"), QStringLiteral(ORBILEX_VERSION));
    const QByteArray bytes = htmlPageBytes(lines);
    QSaveFile html(page);
    if (!html.open(QIODevice::WriteOnly) || html.write(bytes) != bytes.size() || !html.commit()) {
        fail(page, html.errorString());
        return;
    }
    m_env.shell->open(page);
}

} // namespace orbilex
