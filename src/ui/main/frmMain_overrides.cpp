// User overrides: ten fields of any country may be replaced by the user's own
// text, kept in userdb.ini beside the program, one section per country index.

#include "common/apperror.h"
#include "ui/main/frmMain.h"
#include "viewlogic/fields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace orbilex {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString title()
{
    return QString::fromLatin1(kProgramTitle);
}

QString errorText(const AppError &error)
{
    return QStringLiteral("Some errors occured:") + kCrLf + QString::number(error.number) + QStringLiteral(": ")
        + error.description;
}

} // namespace

QString frmMain::userDbPath() const
{
    return m_env.programFile(QLatin1StringView(kUserDbFile));
}

QString frmMain::currentSection() const
{
    return QString::number(cmbCountryName->currentIndex());
}

QString frmMain::fieldText(const QWidget *field)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(field))
        return line->text();
    if (const auto *note = qobject_cast<const QPlainTextEdit *>(field))
        return note->toPlainText();
    return {};
}

void frmMain::setFieldText(QWidget *field, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(field)) {
        line->setText(text);
        line->setCursorPosition(0);
    } else if (auto *note = qobject_cast<QPlainTextEdit *>(field)) {
        note->setPlainText(text);
    }
}

void frmMain::editField(Field f)
{
    try {
        QWidget *field = m_fieldWidgets[f];
        const QString k = QLatin1StringView(fieldRow(f).user.key);
        QString prompt = QStringLiteral("Enter new value for ") + k + u':';
        if (f == Field::Gmt)
            prompt += kCrLf + kCrLf + QStringLiteral("Please follow the syntax or it would not work:") + kCrLf
                + QStringLiteral("+hh:mm:ss OR -hh:mm:ss");
        const QString answer
            = m_env.dialogs->input(prompt, title() + QStringLiteral(" - editing database..."), fieldText(field));
        if (!answer.isEmpty()) {
            setFieldText(field, answer);
            if (f == Field::Gmt)
                m_gmtIsUsers = true;
            m_ini.SetFile(userDbPath());
            m_ini.Sections().AddSection(currentSection());
            m_ini.WriteValue(currentSection(), k, answer);
        }
        cmbCountryName->setFocus();
    } catch (const AppError &error) {
        m_env.dialogs->message(Dialogs::Icon::Warning,
            errorText(error) + QStringLiteral("try to register DLLs again using the option provided in About window"),
            title());
    }
}

void frmMain::resetField(Field f)
{
    try {
        const QString k = QLatin1StringView(fieldRow(f).user.key);
        if (!QFileInfo::exists(userDbPath())) {
            m_env.dialogs->message(
                Dialogs::Icon::Information, QStringLiteral("It is already the default database!"), title());
        } else if (m_env.dialogs->question(Dialogs::Icon::Question,
                       QStringLiteral("Default value for ") + k + QStringLiteral(" will be applied after you push Yes,")
                           + kCrLf + QStringLiteral("Continue?"),
                       title(), false)) {
            m_ini.SetFile(userDbPath());
            m_ini.WriteValue(currentSection(), k, QString());
            Redisplay();
        }
        cmbCountryName->setFocus();
    } catch (const AppError &error) {
        m_env.dialogs->message(Dialogs::Icon::Warning, errorText(error), title());
    }
}

void frmMain::resetCountry()
{
    try {
        if (!QFileInfo::exists(userDbPath())) {
            m_env.dialogs->message(
                Dialogs::Icon::Information, QStringLiteral("It is already default database!"), title());
        } else if (m_env.dialogs->question(Dialogs::Icon::Question,
                       QStringLiteral("Default values for ") + cmbCountryName->currentText()
                           + QStringLiteral(" will be applied after you push Yes,") + kCrLf
                           + QStringLiteral("Continue?"),
                       title(), false)) {
            m_ini.SetFile(userDbPath());
            m_ini.Sections().RemoveSection(currentSection());
            Redisplay();
            if (m_ini.Sections().SectionCount() == 1)
                resetFile();
        }
    } catch (const AppError &error) {
        // The section could not be removed: say so rather than pretend.
        m_env.dialogs->message(Dialogs::Icon::Warning, errorText(error), title());
    }
    cmbCountryName->setFocus();
}

void frmMain::resetFile()
{
    guarded([&] {
        const bool yes = m_env.dialogs->question(Dialogs::Icon::Warning,
            QStringLiteral("This will remove \"userdb.ini\" which contains your own given information,") + kCrLf
                + QStringLiteral("Are you sure?"),
            title(), true);
        if (!yes)
            return;
        QFile file(userDbPath());
        if (!file.remove()) {
            // Nothing there to remove is no failure; a file that is still
            // there is one, and the user must not think the reset was done.
            if (file.exists())
                m_env.dialogs->message(Dialogs::Icon::Warning, errorText(AppError::pathFileAccess()), title());
            return;
        }
        Redisplay();
    });
    cmbCountryName->setFocus();
}

void frmMain::Redisplay()
{
    showReferenceLinks();
    SetIDDNote();
    SetNDDNote();
    ShowCountryRecord();
    // The record just shown holds the standard deviation, as after a
    // selection; with the box cleared there is nothing to shift.
    if (chkDST->isChecked())
        CheckDST();
}

} // namespace orbilex
