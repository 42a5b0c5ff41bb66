// Copy and export: the record as labelled text on the clipboard, the flag as
// a picture, and a printable HTML page opened in the browser. Every value is
// read from what the window shows, overrides and daylight saving included.

#include "ui/flags.h"
#include "ui/main/frmMain.h"
#include "viewlogic/fields.h"
#include "viewlogic/recordexport.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>

namespace orbilex {

namespace {

// What a field shows: a line's text, a box's shown entry, a note's lines
// joined by CR LF as the program's texts join them (the widget hands them
// back joined by LF); a list's entries are read apart.
QString shownText(const QWidget *field)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(field))
        return line->text();
    if (const auto *box = qobject_cast<const QComboBox *>(field))
        return box->currentText();
    if (const auto *note = qobject_cast<const QPlainTextEdit *>(field))
        return note->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    return {};
}

} // namespace

RecordView frmMain::recordView() const
{
    RecordView v;
    for (const FieldRow &row : kFields)
        v[row.field] = shownText(m_fieldWidgets[row.field]);
    for (int i = 0; i < lstSameCode->count(); ++i)
        v.sameCode << lstSameCode->item(i)->text();
    for (int i = 0; i < cmbCity->count(); ++i)
        v.cities << cmbCity->itemText(i);
    v.cityListEnabled = m_fieldChecks[Field::City]->isEnabled();
    return v;
}

FieldChoice frmMain::fieldChoice() const
{
    FieldChoice c;
    for (const FieldRow &row : kFields)
        c[row.field] = m_fieldChecks[row.field]->isChecked();
    c.cityAllEnabled = m_fieldChecks[Field::CityAll]->isEnabled();
    return c;
}

void frmMain::connectExport()
{
    connect(cmdCopyAll, &QPushButton::clicked, this,
        [this] { QApplication::clipboard()->setText(fullRecordText(recordView(), fieldChoice()[Field::CityAll])); });
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
    for (const FieldRow &row : kFields)
        if (row.field != Field::CityAll)
            m_fieldChecks[row.field]->setChecked(on);
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
    if (!flag.open(QIODevice::WriteOnly)
        || !flagAtLayoutSize(picFlag->pixmap(), cmbFIPS->currentText()).save(&flag, "BMP") || !flag.commit()) {
        fail(bitmap, flag.errorString());
        return;
    }
    const QStringList lines = htmlPageLines(recordView(), fieldChoice(), chkSelHtml->isChecked(),
        m_env.clock->localNow(), QStringLiteral("readme.htm"), QStringLiteral(ORBILEX_VERSION));
    const QByteArray bytes = htmlPageBytes(lines);
    QSaveFile html(page);
    if (!html.open(QIODevice::WriteOnly) || html.write(bytes) != bytes.size() || !html.commit()) {
        fail(page, html.errorString());
        return;
    }
    m_env.shell->open(page);
}

} // namespace orbilex
