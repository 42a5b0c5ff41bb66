// Web links and help: addresses built from what the window shows, handed to
// the desktop. Only the domain link checks its input first.

#include "data/text.h"
#include "ui/flags.h"
#include "ui/main/frmMain.h"
#include "viewlogic/links.h"
#include "viewlogic/recordexport.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace orbilex {

namespace {

// The extra-information fields hold what the user gave: a local file or
// program opens as that file, not as a web address.
void openExtraInformation(const Environment &env, const QString &text)
{
    env.shell->open(extraInformationTarget(
        text, env.programFolder.absolutePath(), [](const QString &path) { return QFileInfo::exists(path); }));
}

} // namespace

void frmMain::connectLinks()
{
    const auto open = [this](const QString &address) { m_env.shell->open(address); };
    connect(lblTLDURL, &QLabel::linkActivated, this, &frmMain::openTldLink);
    connect(cmdMoreInfo, &QPushButton::clicked, this, &frmMain::openTldLink);
    connect(lblIOCUrl, &QLabel::linkActivated, this, [=, this] { open(olympicAddress(cmbIOC->currentText())); });
    connect(lblMoreCur, &QLabel::linkActivated, this, [=, this] { open(currencyAddress(cmbFIPS->currentText())); });
    connect(
        lblCurPic, &QLabel::linkActivated, this, [=, this] { open(banknoteAddress(cmbCountryCode->currentText())); });
    connect(
        cmdAirport, &QPushButton::clicked, this, [=, this] { open(airportAddress(cmbCountryName->currentText())); });
    connect(cmdTimeServer, &QPushButton::clicked, this,
        [=, this] { open(worldClockAddress(cmbCountryCode->currentText())); });
    connect(cmdCiaURL, &QPushButton::clicked, this, [this] { openExtraInformation(m_env, txtUrl->text()); });
    connect(cmdHelp, &QPushButton::clicked, this, [=, this] { open(m_env.programFile(QStringLiteral("readme.htm"))); });
    connect(cmdZoom, &QPushButton::clicked, this, &frmMain::enlargeFlag);
    connect(cmdFlag, &QPushButton::clicked, this, &frmMain::enlargeFlag);
    connect(cmdCopy, &QPushButton::clicked, this, &frmMain::copyFlag);
    connect(cmdFlagCopy, &QPushButton::clicked, this, &frmMain::copyFlag);
    for (QWidget *w : std::initializer_list<QWidget *> {txtUrl, txtPInfo, picFlag})
        w->installEventFilter(this);
}

void frmMain::openTldLink()
{
    const QString tld = cmbTLD->currentText().trimmed();
    if (isTldForm(tld))
        m_env.shell->open(tldLinkAddress(tld));
    else
        m_env.dialogs->message(Dialogs::Icon::Warning, unknownTldMessage(tld), QString::fromLatin1(kProgramTitle));
}

void frmMain::enlargeFlag()
{
    const QString fips = cmbFIPS->currentText().trimmed();
    if (hasLargeFlag(fips))
        m_env.shell->open(largeFlagAddress(fips));
    else
        m_env.dialogs->message(Dialogs::Icon::Information, noLargeFlagMessage(cmbCountryName->currentText()),
            QString::fromLatin1(kProgramTitle));
}

void frmMain::copyFlag()
{
    QApplication::clipboard()->setPixmap(flagAtLayoutSize(picFlag->pixmap(), cmbFIPS->currentText()));
}

// The two extra-information fields open their address on a click and on
// Enter; the flag enlarges on a click and copies on a right click.
bool frmMain::linkEvent(QObject *watched, QEvent *event)
{
    if (watched == txtUrl || watched == txtPInfo) {
        auto *field = static_cast<QLineEdit *>(watched);
        const bool enter = event->type() == QEvent::KeyPress
            && (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return
                || static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter);
        if (enter
            || (event->type() == QEvent::MouseButtonRelease
                && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)) {
            openExtraInformation(m_env, field->text());
            return enter;
        }
    }
    if (watched == picFlag && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
            copyFlag();
        else
            enlargeFlag();
        return true;
    }
    return false;
}

} // namespace orbilex
