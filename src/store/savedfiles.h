#pragma once
// Files the program rewrites whole (userdb.ini, wlocation.dat) are written to
// a temporary file beside them and renamed into place, under the lock file
// "<file>.lock". A writer killed on the way leaves its temporary file behind;
// the next start removes such leftovers.

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>

namespace orbilex {

// The name pattern of a temporary beside file, for QTemporaryFile: marked as
// the program's own, so no file of the user's can be taken for one.
QString temporaryTemplate(const QString &file);

// QSettings reads an INI value that begins with "@Variant(" as serialised
// binary data, and a hand-edited or damaged one can make it try to allocate
// gigabytes. The program only ever stores text (QSettings writes a leading
// "@" doubled), so such values are made text: the "@" doubled, they read
// back exactly as they stand.
QByteArray withTextValues(const QByteArray &iniBytes);
// The same for a settings file on disk, rewritten whole only when it holds
// such a value.
void makeValuesText(const QString &file);

// A value read from an INI file as one text. A hand-edited value such as
// "a, b" reads back as a list; it is joined again, so no part of what the user
// wrote is lost. A list with a part that begins with "@" ("a, @b", or a part
// holding a NUL, which QSettings writes as "@String(...)") comes as a list of
// variants, whose own toString() is empty. Half a character (a lone
// surrogate, which only an escape can make) reads as U+FFFD, as it would
// after the next save.
QString valueText(const QVariant &value);

// Whether a new file can be made in folder, as every write through a
// temporary beside its file needs.
bool canWriteIn(const QString &folder);

// Flushes a written file to the disk; false when the system refuses.
bool syncToDisk(const QString &file);

// Writes bytes as the whole new content of file: to a temporary beside it,
// flushed to disk, renamed into place, all under the file's lock. Throws
// AppError (75) when it cannot; the old file then stays as it was.
void saveWhole(const QString &file, const QByteArray &bytes);
// The same for a caller that holds the file's lock itself, to read the file
// and write it back with no other writer in between.
void replaceWhole(const QString &file, const QByteArray &bytes);

// Reads file and writes what change makes of its bytes as its whole new
// content, all under the file's lock: a second copy of the program that
// saves in between is not undone by this one. change gets none for a missing
// file and returns none to write nothing. A file whose owner may not write it
// is refused. Throws AppError (75) when it cannot read or write; the old file
// then stays as it was.
void updateWhole(
    const QString &file, const std::function<std::optional<QByteArray>(const std::optional<QByteArray> &)> &change);

// Removes the temporaries (and their own ".lock") left by writers that died,
// unless a writer holds the file's lock right now. Returns how many went.
int removeStaleTemporaries(const QString &file);

} // namespace orbilex
