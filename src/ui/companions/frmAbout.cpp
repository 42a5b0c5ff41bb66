// The About window. Beside the texts it carries the maintenance buttons: the
// two pieces the overrides and the IP lookup rest on are made usable again,
// and the uninstall forgets the user's settings and ends the program.

#include "ui/companions/frmAbout.h"

#include "common/apperror.h"
#include "store/savedfiles.h"
#include "ui/densepictures.h"
#include "ui/windowparts.h"
#include "viewlogic/abouttexts.h"
#include "viewlogic/fields.h"
#include "viewlogic/todaytexts.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>
#include <QVersionNumber>

namespace orbilex {

namespace {

QString title()
{
    return QString::fromLatin1(kProgramTitle);
}

// The row of buttons, read left to right; the default one stands apart at
// the right.
struct AboutButton {
    const char *objectName;
    const char *caption;
    const char *toolTip;
    void (frmAbout::*click)();
    bool isDefault = false;
};

const AboutButton kButtons[] = {
    {"cmdWeb", "&Web", "visit our website", &frmAbout::cmdWebClick},
    {"cmdEmail", "&Report BUG", "Report Updates, Corrections or Bugs", &frmAbout::cmdEmailClick},
    {"cmdReInsDLL", "Re&install Dlls", "try this if you get errors when attempting to edit database",
        &frmAbout::cmdReInsDLLClick},
    {"cmdUninstall", "&Uninstall", "resets settings and removes created registry keys", &frmAbout::cmdUninstallClick},
    {"cmdCool", "&Okay!", "Okay?", &frmAbout::cmdCoolClick, true},
};

QPlainTextEdit *readOnlyText(QWidget *parent, const char *objectName)
{
    auto *t = new QPlainTextEdit(parent);
    t->setObjectName(QLatin1StringView(objectName));
    t->setReadOnly(true);
    return t;
}

// A globe with one orbit: the program has no picture file for its logo.
QPixmap logoPicture(qreal ratio)
{
    QPixmap picture = denseCanvas(QSize(64, 64), ratio);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 90, 160));
    p.drawEllipse(QRectF(12, 12, 40, 40));
    p.setPen(QPen(QColor(240, 180, 40), 3));
    p.setBrush(Qt::NoBrush);
    p.translate(32, 32);
    p.rotate(-25);
    p.drawEllipse(QRectF(-30, -11, 60, 22));
    return picture;
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

frmAbout::frmAbout(Environment &env, QWidget &owner, const QCursor &pointer)
    : QDialog(&owner)
    , m_env(env)
{
    setModal(true);
    buildWindow();
    Load(pointer);
}

frmAbout::frmAbout(Environment &env)
    : QDialog(nullptr)
    , m_env(env)
{
    buildWindow();
    Load(QCursor(Qt::PointingHandCursor));
}

void frmAbout::buildWindow()
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + title());

    auto *imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(logoPicture(devicePixelRatioF()));
    imgLogo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    txtInfo = readOnlyText(this, "txtInfo");
    txtDesc = readOnlyText(this, "txtDesc");
    QPlainTextEdit *txtHistory = readOnlyText(this, "txtHistory");
    txtHistory->setPlainText(about::historyText());
    txtInfo->setFixedHeight(fontMetrics().lineSpacing() * 7);
    txtDesc->setFixedHeight(fontMetrics().lineSpacing() * 4);
    lblIPDate = new QLabel(this);
    lblIPDate->setObjectName(QStringLiteral("lblIPDate"));
    // Where the facts of today shown beside the record come from.
    QPlainTextEdit *txtSources = readOnlyText(this, "txtSources");
    txtSources->setAccessibleName(QStringLiteral("Sources of today's facts"));
    txtSources->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtSources->setPlainText(today::sourceLines().join(u'\n'));
    txtSources->setFixedHeight(fontMetrics().lineSpacing() * 4);

    auto *glossary = new QGroupBox(this);
    glossary->setObjectName(QStringLiteral("fraGlossary"));
    auto *terms = new QGridLayout(glossary);
    int row = 0;
    for (const about::GlossaryEntry &entry : about::kGlossary) {
        auto *term = new QLabel(QString::fromLatin1(entry.term), glossary);
        QFont bold = term->font();
        bold.setBold(true);
        term->setFont(bold);
        term->setObjectName(QStringLiteral("lblTerm%1").arg(row));
        auto *meaning = new QLabel(QString::fromLatin1(entry.meaning), glossary);
        meaning->setObjectName(QStringLiteral("lblMeaning%1").arg(row));
        terms->addWidget(term, row, 0);
        terms->addWidget(meaning, row, 1);
        ++row;
    }
    terms->setColumnStretch(1, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(imgLogo);
    top->addWidget(txtInfo, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(txtDesc);
    layout->addWidget(lblIPDate);
    layout->addWidget(txtSources);
    layout->addWidget(txtHistory, 1);
    layout->addWidget(glossary);
    layout->addLayout(buildButtons());
    resize(520, 560);
    tabInLayoutOrder({layout});
    txtInfo->setAccessibleName(QStringLiteral("Version"));
    txtDesc->setAccessibleName(QStringLiteral("Database"));
    txtHistory->setAccessibleName(QStringLiteral("Release history"));
}

QLayout *frmAbout::buildButtons()
{
    auto *buttons = new QHBoxLayout;
    for (const AboutButton &entry : kButtons) {
        QPushButton *b = pushButton(this, entry.objectName, entry.caption, entry.toolTip);
        connect(b, &QPushButton::clicked, this, entry.click);
        if (entry.isDefault) {
            b->setDefault(true);
            buttons->addStretch(1);
        }
        buttons->addWidget(b);
    }
    return buttons;
}

void frmAbout::Load(const QCursor &pointer)
{
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setCursor(pointer);

    txtInfo->setPlainText(about::infoText(QVersionNumber::fromString(QStringLiteral(ORBILEX_VERSION)),
        about::platformLine(QSysInfo::kernelType(), QSysInfo::prettyProductName())));
    txtDesc->setPlainText(about::descriptionText());
    showIpDatabaseDate();
}

void frmAbout::showEvent(QShowEvent *event)
{
    // The window stays loaded between openings; the database may have been
    // replaced or opened since.
    showIpDatabaseDate();
    QDialog::showEvent(event);
}

void frmAbout::showIpDatabaseDate()
{
    IpDatabase *db = m_env.ipDatabase.get();
    // The date lives in the file's own metadata, so the file has to be open.
    if (db && !db->refresh())
        db->open();
    lblIPDate->setText(about::ipDatabaseText(db && db->isOpen() ? db->buildDate() : QDateTime()));
}

void frmAbout::cmdCoolClick()
{
    close();
}

void frmAbout::cmdWebClick()
{
    m_env.shell->open(QString::fromLatin1(about::kWebAddress));
}

void frmAbout::cmdEmailClick()
{
    m_env.shell->open(about::reportMailAddress());
}

void frmAbout::enterProgramFolder() const
{
    if (!QDir::setCurrent(m_env.programFolder.absolutePath()))
        throw AppError::pathNotFound(shown(m_env.programFolder.absolutePath()));
}

// The override store is part of the program and needs no registration; what
// it does need is a userdb.ini it can replace, which means a file (not a
// folder) of that name, if any, and a folder that takes new files, since every
// write goes through a temporary file renamed into place.
void frmAbout::registerIniStore() const
{
    const QString path = m_env.programFile(QLatin1StringView(kUserDbFile));
    const QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        throw AppError::pathFileAccess(shown(path));
    if (!canWriteIn(m_env.programFolder.absolutePath()))
        throw AppError::pathFileAccess(shown(m_env.programFolder.absolutePath()));
}

// Opening the database is what makes lookups possible again, also after the
// file was replaced.
void frmAbout::registerIpDatabase() const
{
    IpDatabase *db = m_env.ipDatabase.get();
    if (!db)
        throw AppError::fileNotFound(QStringLiteral("IP database"));
    if (db->open())
        return;
    const QString path = db->path();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw AppError::fileNotFound(path.isEmpty() ? QStringLiteral("IP database") : shown(path));
    // There but unusable (unreadable, damaged): the database says why.
    AppError error = AppError::pathFileAccess(shown(path));
    if (const QString problem = db->problem(); !problem.isEmpty())
        error.description = problem;
    throw error;
}

void frmAbout::cmdReInsDLLClick()
{
    try {
        enterProgramFolder();
        registerIniStore();
        registerIpDatabase();
        m_env.dialogs->message(Dialogs::Icon::Information, about::reinstallDoneText(), about::reinstallDoneTitle());
    } catch (const AppError &error) {
        m_env.dialogs->message(Dialogs::Icon::Critical, about::reinstallErrorText(error), about::reinstallErrorTitle());
    } catch (...) {
        m_env.dialogs->message(Dialogs::Icon::Critical, about::reinstallErrorText(AppError::internalError()),
            about::reinstallErrorTitle());
    }
    showIpDatabaseDate();
}

void frmAbout::cmdUninstallClick()
{
    if (!m_env.dialogs->question(Dialogs::Icon::Warning, about::uninstallQuestion(), title(), true))
        return;
    try {
        m_env.settings->clearAll();
        enterProgramFolder();
        // Neither the override store nor the IP database leaves anything
        // behind outside the program folder, so there is nothing to undo for
        // them; their files stay, like every other program file.
    } catch (const AppError &error) {
        m_env.dialogs->message(Dialogs::Icon::Warning, about::uninstallErrorText(error), title());
    } catch (...) {
        m_env.dialogs->message(Dialogs::Icon::Warning, about::uninstallErrorText(AppError::internalError()), title());
    }
    // At once: no window's closing steps run, so nothing writes the settings back.
    m_env.endProgram(0);
}

} // namespace orbilex
