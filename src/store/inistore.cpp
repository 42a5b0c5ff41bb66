#include "store/inistore.h"

#include "platform/apperror.h"
#include "store/savedfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryFile>

#include <filesystem>
#include <memory>
#include <utility>

namespace orbilex {

namespace {

constexpr QFileDevice::Permissions kModeBits = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
    | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
    | QFileDevice::WriteOther | QFileDevice::ExeOther;

QString keyPath(const QString &section, const QString &key)
{
    return section + u'/' + key;
}

std::unique_ptr<QTemporaryFile> temporaryBeside(const QString &path)
{
    auto file = std::make_unique<QTemporaryFile>(temporaryTemplate(path));
    if (!file->open())
        throw AppError::pathFileAccess();
    file->close();
    return file;
}

// QSettings reads and writes a key by its normal form, with no slash at
// either end and none doubled. A key listed in another form ("a/" from "[a]"
// and "=x", "2/" beside "2") is no key of its own: contains() answers for the
// normal form, so such a key would read another key's value and, written
// back, overwrite it; the empty key is not written at all, and a map holding
// only that one would come out as an empty file, taken for a failed write.
bool isReachable(const QString &key)
{
    return !key.isEmpty() && !key.startsWith(u'/') && !key.endsWith(u'/') && !key.contains(QStringLiteral("//"));
}

// The file's keys and values as QSettings parses it. QSettings keeps one parsed
// copy per path for the whole process and trusts it while size and time stamp
// look unchanged; parsing a private copy under a fresh name always reads what
// is on disk now.
QSettings::SettingsMap load(const QString &path)
{
    QSettings::SettingsMap map;
    const QFileInfo info(path);
    if (!info.exists())
        return map;
    if (!info.isFile() || !info.isReadable())
        throw AppError::pathFileAccess();
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly))
        throw AppError::pathFileAccess();
    QTemporaryFile copy(QDir::temp().filePath(QStringLiteral("orbilex-ini.XXXXXX")));
    if (!copy.open() || copy.write(withTextValues(original.readAll())) < 0 || !copy.flush())
        throw AppError::pathFileAccess();
    copy.close();
    const QSettings settings(copy.fileName(), QSettings::IniFormat);
    // A copy that could not be read would look like an empty file, and the
    // next write would drop every section of the real one.
    if (settings.status() == QSettings::AccessError)
        throw AppError::pathFileAccess();
    // A line without a key ("=x", or keys under "[]") is listed under a name
    // that no read can reach; keeping it would count a section that holds
    // nothing and write junk back.
    for (const QString &key : settings.allKeys()) {
        if (isReachable(key))
            map.insert(key, settings.value(key));
    }
    return map;
}

void writeMap(const QString &file, const QSettings::SettingsMap &map)
{
    QSettings settings(file, QSettings::IniFormat);
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw AppError::pathFileAccess();
}

QByteArray bytesOf(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        throw AppError::pathFileAccess();
    return f.readAll();
}

// Writes the whole map to a fresh file beside the old one and renames it into
// place: a failed or interrupted write leaves the old file as it was. The
// fresh file also makes QSettings' status trustworthy, which a file it found
// malformed would not be (a format error hides a later access error).
void save(const QString &path, const QSettings::SettingsMap &map)
{
    // Renaming needs only the folder's permission; a file the user made
    // read-only must not be replaced behind their back.
    const QFileInfo old(path);
    if (old.exists() && !old.isWritable())
        throw AppError::pathFileAccess();
    auto fresh = temporaryBeside(path);
    // The new file keeps the old one's permissions. A first file is left for
    // QSettings to create, so it gets what any new file gets instead of the
    // temporary file's owner-only mode; the name stays ours to clean up.
    if (old.exists()) {
        if (!fresh->setPermissions(old.permissions() & kModeBits))
            throw AppError::pathFileAccess();
    } else {
        QFile::remove(fresh->fileName());
    }
    writeMap(fresh->fileName(), map);
    // QSettings does not notice a write the system refused: it reports success
    // for a short or empty file. The same map written a second time must come
    // out byte for byte the same, and not empty, before the new file may
    // replace the old one; and it is on disk first, so a power cut cannot
    // leave a renamed but empty file.
    {
        QTemporaryFile check(temporaryTemplate(path));
        if (!check.open())
            throw AppError::pathFileAccess();
        check.close();
        writeMap(check.fileName(), map);
        const QByteArray written = bytesOf(fresh->fileName());
        if (written != bytesOf(check.fileName()) || (written.isEmpty() && !map.isEmpty()))
            throw AppError::pathFileAccess();
    }
    if (!syncToDisk(fresh->fileName()))
        throw AppError::pathFileAccess();
    std::error_code error;
    std::filesystem::rename(
        std::filesystem::path(fresh->fileName().toStdU16String()), std::filesystem::path(path.toStdU16String()), error);
    if (error)
        throw AppError::pathFileAccess();
    fresh->setAutoRemove(false);
}

// A link stays a link: what it points to is replaced.
QString writeTarget(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    return info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
}

// change returns whether it changed the map; an unchanged map is not written,
// so removing what is not there creates no file.
template<typename Change> void update(const QString &path, int lockTimeout, Change change)
{
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(lockTimeout))
        throw AppError::pathFileAccess();
    QSettings::SettingsMap map = load(path);
    if (change(map))
        save(writeTarget(path), map);
}

} // namespace

void IniStore::SetFile(const QString &path)
{
    m_path = path;
}

QString IniStore::ReadValue(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QSettings::SettingsMap map = load(m_path);
    const auto it = map.constFind(keyPath(section, key));
    return it == map.cend() ? defaultValue : valueText(*it);
}

QHash<QString, QString> IniStore::ReadSection(const QString &section) const
{
    QHash<QString, QString> values;
    const QString prefix = section + u'/';
    const QSettings::SettingsMap map = load(m_path);
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        if (it.key().startsWith(prefix))
            values.insert(it.key().mid(prefix.size()), valueText(*it));
    return values;
}

void IniStore::WriteValue(const QString &section, const QString &key, const QString &value)
{
    update(m_path, m_lockTimeout, [&](QSettings::SettingsMap &map) {
        map.insert(keyPath(section, key), value);
        return true;
    });
}

void IniStore::AddSection(const QString &)
{
    // An INI section exists through its keys: the WriteValue that follows makes
    // it, and adding one that exists is no error.
}

void IniStore::RemoveSection(const QString &section)
{
    update(m_path, m_lockTimeout, [&](QSettings::SettingsMap &map) {
        const QString prefix = section + u'/';
        return map.removeIf([&](const auto &entry) { return entry.key().startsWith(prefix); }) > 0;
    });
}

int IniStore::SectionCount() const
{
    QStringList sections;
    const QSettings::SettingsMap map = load(m_path);
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        if (slash > 0 && !sections.contains(it.key().left(slash)))
            sections << it.key().left(slash);
    }
    return int(sections.size()) + 1;
}

} // namespace orbilex
