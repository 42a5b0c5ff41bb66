#pragma once
// The real pieces of the environment: system clock, desktop shell, message
// boxes, the user's settings and the program folder.

#include "platform/environment.h"
#include "store/savedfiles.h"

#include <QStringList>

#include <functional>

namespace orbilex {

// The executable's folder when it can be written, so userdb.ini sits beside
// the program; otherwise (a read-only install) the per-user data folder; and
// when that cannot be made or written either, the first of shippedFolders
// that exists, read where it is.
QDir chooseProgramFolder(const QString &executableFolder, const QString &userDataFolder,
    const QStringList &shippedFolders = {}, const std::function<bool(const QString &)> &canWrite = canWriteIn);

// Copies the shipped files (help page, location file, IP database) that the
// program folder lacks from the first of shippedFolders that exists; the
// user's own copies are never replaced.
void seedShippedFiles(const QDir &programFolder, const QStringList &shippedFolders);

// The desktop's message and input boxes, as the program shows them.
std::unique_ptr<Dialogs> makeMessageBoxes();

Environment makeProductionEnvironment();

// What the program sets on its application object before the main window:
// names (the settings store's too), the window icon, the desktop entry, and
// that closing the last window does not end it.
void setUpApplication();

} // namespace orbilex
