#include "store/inistore.h"

#include "common/apperror.h"
#include "store/inieditor.h"
#include "store/savedfiles.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace orbilex {

namespace {

// The file as it is on disk now; a missing file reads as an empty one.
IniEditor load(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return IniEditor();
    if (!info.isFile() || !info.isReadable())
        throw AppError::pathFileAccess();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::pathFileAccess();
    QByteArray bytes = file.readAll();
    // A read cut short would look like a file with fewer sections, and the
    // next write would drop the rest.
    if (file.error() != QFileDevice::NoError)
        throw AppError::pathFileAccess();
    return IniEditor(std::move(bytes));
}

// A link stays a link: what it points to is replaced.
QString writeTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

// change returns whether it changed the file; an unchanged file is not
// written, so removing what is not there creates no file. The file is read
// under the lock, so a second copy of the program cannot slip its write in
// between and have it undone.
template<typename Change> void update(const QString &path, int lockTimeout, Change change)
{
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(lockTimeout))
        throw AppError::pathFileAccess();
    IniEditor editor = load(path);
    if (!change(editor))
        return;
    const QString target = writeTarget(path);
    // Renaming needs only the folder's permission; a file the user made
    // read-only must not be replaced behind their back.
    const QFileInfo old(target);
    if (old.exists() && !old.isWritable())
        throw AppError::pathFileAccess();
    replaceWhole(target, editor.bytes());
}

} // namespace

void IniStore::SetFile(const QString &path)
{
    m_path = path;
}

QString IniStore::ReadValue(const QString &section, const QString &key, const QString &defaultValue) const
{
    return load(m_path).value(section, key).value_or(defaultValue);
}

QHash<QString, QString> IniStore::ReadSection(const QString &section) const
{
    return load(m_path).section(section);
}

void IniStore::WriteValue(const QString &section, const QString &key, const QString &value)
{
    update(m_path, m_lockTimeout, [&](IniEditor &editor) {
        editor.setValue(section, key, value);
        return true;
    });
}

void IniStore::AddSection(const QString &)
{
    // A section exists through its keys: the WriteValue that follows makes
    // it, and adding one that exists is no error.
}

void IniStore::RemoveSection(const QString &section)
{
    update(m_path, m_lockTimeout, [&](IniEditor &editor) { return editor.removeSection(section); });
}

int IniStore::SectionCount() const
{
    return load(m_path).sectionCount() + 1;
}

} // namespace orbilex
