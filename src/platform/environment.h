#pragma once
// Everything through which the program touches the world: built once at start
// and handed to every window, so tests can put their own pieces in.

#include "common/program.h"
#include "platform/ipdatabase.h"
#include "platform/trayicon.h"
#include "store/settingsstore.h"

#include <QDateTime>
#include <QDir>
#include <QString>
#include <QStringList>

class QWidget;

#include <functional>
#include <memory>

namespace orbilex {

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime utcNow() const = 0;
    virtual QDateTime localNow() const = 0;
};

class ShellOpen
{
public:
    virtual ~ShellOpen() = default;
    // Hands an address or a file to the desktop; the result is never examined.
    virtual void open(const QString &address) = 0;
};

class Dialogs
{
public:
    enum class Icon { Information, Question, Warning, Critical };
    virtual ~Dialogs() = default;
    virtual void message(Icon icon, const QString &text, const QString &title) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(Icon icon, const QString &text, const QString &title, bool noIsDefault) = 0;
    // The typed answer; empty on Cancel.
    virtual QString input(const QString &prompt, const QString &title, const QString &initial) = 0;
};

struct Environment {
    QDir programFolder;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<ShellOpen> shell;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<IpDatabase> ipDatabase;
    // Makes the notification-area icon the tray window shows.
    std::function<std::unique_ptr<TrayIcon>()> makeTrayIcon;
    // Where the desktop looks for programs to start at logon.
    QString autostartFolder;
    // Ends the program at once; the unload, a fatal error and the uninstall
    // come here.
    std::function<void(int exitCode)> endProgram;

    QString programFile(const QString &name) const { return programFolder.filePath(name); }

    // Where the files that come with the program lie, first choice first.
    QStringList shippedFolders;
    // The copy of a program file that came with the program, empty when
    // there is none apart from the program folder's own.
    QString shippedFile(const QString &name) const
    {
        for (const QString &folder : shippedFolders) {
            const QDir shipped(folder);
            if (shipped.exists(name) && shipped.absolutePath() != programFolder.absolutePath())
                return shipped.filePath(name);
        }
        return {};
    }
};

} // namespace orbilex
