// The IP-to-country window.

#include "ui/companions/frmIP2Location.h"

#include "common/apperror.h"
#include "common/program.h"
#include "desktop/XPButton.h"
#include "store/settingskeys.h"
#include "ui/toolicons.h"
#include "ui/windowparts.h"
#include "viewlogic/ipconvert.h"
#include "viewlogic/windowmath.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QValidator>
#include <QVBoxLayout>

namespace orbilex {

namespace {

constexpr int kTypedLength = 15;
// Rounds of registering the database and converting again before the window
// gives up and says which file is missing.
constexpr int kRegisterRounds = 1;

// Limits what is typed or dropped into the box to the length of an address;
// text the program writes (a pasted clipboard) stays whole, so a long text is
// judged as it is and never cut into something that reads as an address.
class TypedLength final : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override { return input.size() <= kTypedLength ? Acceptable : Invalid; }
};

} // namespace

frmIP2Location::frmIP2Location(Environment &env, MainWindowLink &main)
    : CompanionWindow(
        env, main, "frmIP2Location", programWindowTitle(QStringLiteral("IP2Location")), keys::Left_IPL, keys::Top_IPL)
{
    buildWindow();
    timIPLEr = namedTimer(this, "timIPLEr", 1000);
    timIPLG = namedTimer(this, "timIPLG", 1000);
    guardedConnect(timIPLEr, &QTimer::timeout, this, &frmIP2Location::timIPLErTick);
    guardedConnect(timIPLG, &QTimer::timeout, this, &frmIP2Location::timIPLGTick);
    Load();
}

void frmIP2Location::buildWindow()
{
    // The window's inside, in twips; it grows taller where it must.
    constexpr int kClientWidthTwips = 3990;
    constexpr int kClientHeightTwips = 2085;
    setFixedWidth(twipsToPixels(kClientWidthTwips));
    setMinimumHeight(twipsToPixels(kClientHeightTwips));
    resize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    addBorder();

    auto *lblPrompt = named(new QLabel(QStringLiteral("Enter numeric IPv4 (e.g. 193.0.6.139):"), this), "lblPrompt");
    txtIPL = named(new QLineEdit(this), "txtIPL");
    txtIPL->setAlignment(Qt::AlignCenter);
    txtIPL->setValidator(new TypedLength(txtIPL));
    txtIPL->setAccessibleName(QStringLiteral("IPv4 address"));
    lblPrompt->setBuddy(txtIPL);
    // Made in the order Tab visits them.
    QLayout *buttons = buildButtons();

    lblIPLG = named(new QLabel(QStringLiteral("waiting..."), this), "lblIPLG");
    QFont bold = lblIPLG->font();
    bold.setBold(true);
    lblIPLG->setFont(bold);
    lblIPLG->setAlignment(Qt::AlignCenter);
    lblIPLG->setWordWrap(true);
    lblIPLG->setTextInteractionFlags(Qt::TextSelectableByMouse);
    chkAuto = named(new QCheckBox(QStringLiteral("auto hide when done after 1 sec."), this), "chkAuto");
    QPushButton *cmdClose = addSmallCloseButton(435);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(lblPrompt);
    layout->addWidget(txtIPL);
    layout->addLayout(buttons);
    layout->addWidget(lblIPLG, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(chkAuto);
    bottom->addStretch();
    bottom->addWidget(cmdClose, 0, Qt::AlignBottom);
    layout->addLayout(bottom);
    // The picture buttons are taller than plain ones; the window grows to hold them.
    setMinimumHeight(std::max(minimumHeight(), layout->minimumSize().height()));
    resize(width(), minimumHeight());
    txtIPL->setFocus();
}

QLayout *frmIP2Location::buildButtons()
{
    auto *cmdPaste = pushButton(this, "cmdPaste", "paste", "paste clipboard content");
    cmdPaste->setIcon(toolIcon(ToolIcon::Paste));
    auto *cmdCopy = pushButton(this, "cmdCopy", "copy", "copy to clipboard");
    cmdCopy->setIcon(toolIcon(ToolIcon::Copy));
    for (QPushButton *b : {cmdPaste, cmdCopy})
        ThemeButton(b);
    auto *cmdIPL = pushButton(this, "cmdIPL", "&Convert!", "Convert IP to country code");
    guardedConnect(cmdIPL, &QPushButton::clicked, this, &frmIP2Location::Convert);
    guardedConnect(cmdPaste, &QPushButton::clicked, this, &frmIP2Location::Paste);
    guardedConnect(cmdCopy, &QPushButton::clicked, this, &frmIP2Location::Copy);
    pointsWithHand({cmdIPL, cmdPaste, cmdCopy});

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdPaste);
    buttons->addWidget(cmdCopy);
    buttons->addStretch();
    buttons->addWidget(cmdIPL);
    return buttons;
}

void frmIP2Location::loadSteps()
{
    timIPLEr->stop();
    timIPLG->stop();
    setStatus(QStringLiteral("waiting..."), false);

    guarded([&] { chkAuto->setChecked(m_env.settings->require(keys::AutoHide)); });
    guarded([&] {
        if (looksLikeAddress(QGuiApplication::clipboard()->text()))
            Paste();
    });
}

void frmIP2Location::saveSettings()
{
    m_env.settings->write(keys::AutoHide, chkAuto->isChecked());
}

void frmIP2Location::unloadSteps()
{
    timIPLEr->stop();
    timIPLG->stop();
}

void frmIP2Location::setStatus(const QString &text, bool red)
{
    QPalette palette = lblIPLG->palette();
    palette.setColor(QPalette::WindowText, red ? QColor(255, 0, 0) : palette.color(QPalette::ButtonText));
    lblIPLG->setPalette(palette);
    lblIPLG->setText(text);
    lblIPLG->setToolTip(red && text.size() > 20 ? text : QString());
}

void frmIP2Location::Convert()
{
    // A conversion started while an error is still shown starts afresh, so
    // the error's end cannot overwrite this result a moment later.
    timIPLEr->stop();
    IpDatabase *db = m_env.ipDatabase.get();
    for (int round = 0;; ++round) {
        setStatus(QStringLiteral("analyzing..."), false);
        // Every conversion asks the file as it is now: it may have been
        // replaced since the last one.
        if (db && db->refresh()) {
            convertOnce(*db);
            return;
        }
        if (!db || round == kRegisterRounds) {
            showDatabaseProblem();
            return;
        }
        setStatus(QStringLiteral("Registering DLL..."), false);
        db->open();
    }
}

void frmIP2Location::convertOnce(IpDatabase &db)
{
    // The window does not judge the address; the database does.
    const QString address = txtIPL->text().trimmed();
    const QString code = db.shortName(address);
    const QString name = db.longName(address);
    const std::optional<QString> handed = handOverCode(code);
    if (!handed) {
        showError();
        return;
    }
    guarded([&] { m_main.handOverCountryCode(*handed); });
    setStatus(properCase(name.isEmpty() ? *handed : name), false);
    if (chkAuto->isChecked())
        timIPLG->start();
}

void frmIP2Location::showError()
{
    setStatus(QStringLiteral(": ERROR :"), true);
    txtIPL->setFocus();
    txtIPL->selectAll();
    timIPLEr->start();
}

void frmIP2Location::showDatabaseProblem()
{
    const IpDatabase *db = m_env.ipDatabase.get();
    QString text = db ? db->problem() : QString();
    if (text.isEmpty())
        text = db ? QStringLiteral("IP database not found: %1").arg(db->path()) : QStringLiteral("No IP database");
    setStatus(text, true);
    // A long path wraps; the window grows to show it whole.
    if (QLayout *l = layout(); l && l->hasHeightForWidth())
        resize(width(), std::max(minimumHeight(), l->totalHeightForWidth(width())));
}

void frmIP2Location::timIPLErTick()
{
    setStatus(QStringLiteral("waiting..."), false);
    timIPLEr->stop();
}

void frmIP2Location::Paste()
{
    txtIPL->setText(QGuiApplication::clipboard()->text());
    Convert();
}

void frmIP2Location::Copy()
{
    QGuiApplication::clipboard()->setText(txtIPL->text().trimmed());
}

void frmIP2Location::timIPLGTick()
{
    m_main.showNormalAgain();
    timIPLG->stop();
    if (chkAuto->isChecked())
        close();
}

void frmIP2Location::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        guarded([&] { Convert(); });
        return;
    case Qt::Key_Escape:
        closeButton()->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace orbilex
