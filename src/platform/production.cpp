#include "platform/production.h"

#include "common/apperror.h"
#include "platform/mmdbdatabase.h"
#include "store/savedfiles.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QIcon>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>

#include <limits>

namespace orbilex {

namespace {

class SystemClock final : public Clock
{
public:
    QDateTime utcNow() const override { return QDateTime::currentDateTimeUtc(); }
    QDateTime localNow() const override { return QDateTime::currentDateTime(); }
};

class DesktopShell final : public ShellOpen
{
public:
    void open(const QString &address) override
    {
        // Addresses are written without a scheme; a local file is a path.
        const QUrl url = QFileInfo::exists(address) ? QUrl::fromLocalFile(address) : QUrl::fromUserInput(address);
        QDesktopServices::openUrl(url);
    }
};

class MessageBoxes final : public Dialogs
{
public:
    void message(Icon icon, const QString &text, const QString &title) override
    {
        QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    }

    bool question(Icon icon, const QString &text, const QString &title, bool noIsDefault) override
    {
        QMessageBox box(boxIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
        box.setDefaultButton(noIsDefault ? QMessageBox::No : QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }

    QString input(const QString &prompt, const QString &title, const QString &initial) override
    {
        QInputDialog box(QApplication::activeWindow());
        box.setWindowTitle(title);
        box.setLabelText(prompt);
        box.setInputMode(QInputDialog::TextInput);
        // The initial text is a stored value of any length: with the line
        // edit's default limit, OK on it unchanged would store it cut.
        if (auto *edit = box.findChild<QLineEdit *>())
            edit->setMaxLength(std::numeric_limits<int>::max());
        box.setTextValue(initial);
        return box.exec() == QDialog::Accepted ? box.textValue() : QString();
    }

private:
    static QMessageBox::Icon boxIcon(Icon icon)
    {
        switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Critical:
            return QMessageBox::Critical;
        }
        return QMessageBox::NoIcon;
    }
};

} // namespace

void seedShippedFiles(const QDir &programFolder, const QStringList &shippedFolders)
{
    for (const QString &folder : shippedFolders) {
        const QDir shipped(folder);
        if (!shipped.exists() || shipped.absolutePath() == programFolder.absolutePath())
            continue;
        // The shipped files are data; the program itself (and anything else
        // executable beside it) stays where it is.
        for (const QString &name : shipped.entryList(QDir::Files)) {
            if (QFileInfo(shipped.filePath(name)).isExecutable())
                continue;
            if (!programFolder.exists(name))
                QFile::copy(shipped.filePath(name), programFolder.filePath(name));
        }
        return;
    }
}

QDir chooseProgramFolder(const QString &executableFolder, const QString &userDataFolder,
    const QStringList &shippedFolders, const std::function<bool(const QString &)> &canWrite)
{
    if (canWrite(executableFolder))
        return QDir(executableFolder);
    if (QDir().mkpath(userDataFolder) && canWrite(userDataFolder))
        return QDir(userDataFolder);
    // Nowhere to write: an empty folder would hide the overrides and the
    // marker file the program can still read where they were shipped. Each
    // write is then refused and reported where it is made.
    for (const QString &folder : shippedFolders)
        if (QDir(folder).exists())
            return QDir(folder);
    return QDir(executableFolder);
}

std::unique_ptr<Dialogs> makeMessageBoxes()
{
    return std::make_unique<MessageBoxes>();
}

Environment makeProductionEnvironment()
{
    Environment env;
    const QString executableFolder = QCoreApplication::applicationDirPath();
    // An installed program keeps its shipped files in share/orbilex; a built
    // one beside itself.
    env.shippedFolders = {QDir(executableFolder).filePath(QStringLiteral("../share/orbilex")), executableFolder};
    env.programFolder = chooseProgramFolder(
        executableFolder, QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation), env.shippedFolders);
    seedShippedFiles(env.programFolder, env.shippedFolders);
#ifndef Q_OS_WIN
    // Here the settings are an INI file: a damaged binary value in it must
    // not take the start down, so it is made safe before QSettings reads it.
    guarded([] {
        makeValuesText(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/Orbilex/Orbilex.conf"));
    });
#endif
    auto settings = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
        QString::fromLatin1(kProgramTitle), QString::fromLatin1(kProgramTitle));
    env.settings = std::make_unique<SettingsStore>(std::move(settings));
    env.clock = std::make_unique<SystemClock>();
    env.shell = std::make_unique<DesktopShell>();
    env.dialogs = makeMessageBoxes();
    env.endProgram = [](int exitCode) { QCoreApplication::exit(exitCode); };
    // A database put beside userdb.ini is the user's own and comes first.
    env.ipDatabase = std::make_unique<MmdbDatabase>(QStringList {env.programFolder.absolutePath(), executableFolder});
    env.autostartFolder
        = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
    return env;
}

namespace {

// Dark colours for every role, on the Fusion style that draws with them all;
// the desktop's own dark theme, where it has one, serves a user better.
QPalette darkPalette()
{
    QPalette p;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230), disabled(130, 130, 130);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, QColor(255, 90, 90));
    p.setColor(QPalette::Light, QColor(75, 75, 80));
    p.setColor(QPalette::Midlight, QColor(60, 60, 64));
    p.setColor(QPalette::Mid, QColor(38, 38, 40));
    p.setColor(QPalette::Dark, QColor(20, 20, 22));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(110, 170, 255));
    p.setColor(QPalette::LinkVisited, QColor(190, 140, 255));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

} // namespace

void setUpApplication()
{
    // ORBILEX_PALETTE=dark: a dark look where the desktop offers none, and
    // the way the dark screenshot is taken.
    if (qEnvironmentVariable("ORBILEX_PALETTE") == u"dark") {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(darkPalette());
    }
    QApplication::setApplicationName(QStringLiteral("Orbilex"));
    QApplication::setOrganizationName(QStringLiteral("Orbilex"));
    // Ties the windows to the installed launcher (the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.orbilex.Orbilex"));
    // The window may live on hidden in the tray; the program ends with its unload.
    QApplication::setQuitOnLastWindowClosed(false);
    // On X11 every size is decoded and handed to the window manager as the
    // window is shown; 128 and 256 pixels added 2 ms to each start. Launchers
    // and docks take the large ones from the installed icon theme.
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/orbilex-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

} // namespace orbilex
