#pragma once
// The start-up entry: the program starts when the user logs on. On Windows
// it is the value "Orbilex" under the current user's Run key; on Linux and
// other XDG desktops the file Orbilex.desktop in the user's autostart folder.
// Each operation returns 0 on success, an error code otherwise; callers may
// ignore it, as a failure is silent.

#include <QString>

namespace orbilex::mdlRegistryII {

// The data of the Run value that starts programPath: the path with Windows
// separators, in double quotes, so the shell does not cut a path with blanks
// ("C:\Program Files\...") at its first blank and start something else.
QString runValue(const QString &programPath);

// The text of the autostart entry that starts programPath.
QString autostartEntry(const QString &programPath);

// Writes (or rewrites) the entry so it starts programPath. On XDG desktops
// autostartFolder is the folder that holds it.
int SetStartupEntry(const QString &autostartFolder, const QString &programPath);
// Removes the entry; removing one that does not exist is no error.
int DeleteStartupEntry(const QString &autostartFolder);

} // namespace orbilex::mdlRegistryII
