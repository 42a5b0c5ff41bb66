#include "store/savedfiles.h"

#include "common/apperror.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <filesystem>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orbilex {

QString temporaryTemplate(const QString &file)
{
    return file + QStringLiteral(".orbilex-XXXXXX");
}

bool canWriteIn(const QString &folder)
{
    // Asking the file system is the only sure test: permissions, read-only
    // mounts and ACLs all show in whether a file can be made.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".orbilex-write-test.XXXXXX")));
    return probe.open();
}

bool syncToDisk(const QString &file)
{
#ifdef Q_OS_UNIX
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    return ::fsync(f.handle()) == 0;
#else
    QFile f(file);
    return f.open(QIODevice::ReadWrite) && f.flush();
#endif
}

namespace {

// The user's way of saying a file must not change: no write permission for
// its owner. Root may write through that, but the program does not.
bool markedReadOnly(const QString &file)
{
    return !(QFile::permissions(file) & QFileDevice::WriteOwner) || !QFileInfo(file).isWritable();
}

} // namespace

void replaceWhole(const QString &file, const QByteArray &bytes)
{
    QTemporaryFile fresh(temporaryTemplate(file));
    if (!fresh.open() || fresh.write(bytes) != bytes.size() || !fresh.flush())
        throw AppError::pathFileAccess();
    // The old file's permissions carry over to the new one; a first file gets
    // what any new file gets, not the temporary's owner-only mode.
    if (QFileInfo::exists(file)) {
        fresh.setPermissions(QFile::permissions(file));
    } else {
#ifdef Q_OS_UNIX
        // The mask is only read and put back; the program writes on one thread.
        const mode_t mask = ::umask(0);
        ::umask(mask);
        if (::fchmod(fresh.handle(), 0666 & ~mask) != 0)
            throw AppError::pathFileAccess();
#endif
    }
    fresh.close();
    if (!syncToDisk(fresh.fileName()))
        throw AppError::pathFileAccess();
    std::error_code error;
    std::filesystem::rename(
        std::filesystem::path(fresh.fileName().toStdU16String()), std::filesystem::path(file.toStdU16String()), error);
    if (error)
        throw AppError::pathFileAccess();
    fresh.setAutoRemove(false);
}

void saveWhole(const QString &file, const QByteArray &bytes)
{
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!lock.tryLock(2000))
        throw AppError::pathFileAccess();
    replaceWhole(file, bytes);
}

void updateWhole(
    const QString &file, const std::function<std::optional<QByteArray>(const std::optional<QByteArray> &)> &change)
{
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!lock.tryLock(2000))
        throw AppError::pathFileAccess();
    std::optional<QByteArray> old;
    if (QFileInfo::exists(file)) {
        QFile f(file);
        if (!f.open(QIODevice::ReadOnly))
            throw AppError::pathFileAccess();
        old = f.readAll();
        if (f.error() != QFileDevice::NoError)
            throw AppError::pathFileAccess();
    }
    const std::optional<QByteArray> bytes = change(old);
    if (!bytes)
        return;
    if (old && markedReadOnly(file))
        throw AppError::pathFileAccess();
    replaceWhole(file, *bytes);
}

QByteArray withTextValues(const QByteArray &bytes)
{
    QByteArray out;
    out.reserve(bytes.size() + 64);
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArrayView line(bytes.constData() + start, end - start);
        const qsizetype equals = line.indexOf('=');
        qsizetype at = -1;
        if (equals > 0 && !line.startsWith(';') && !line.startsWith('#')) {
            qsizetype i = equals + 1;
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
                ++i;
            if (i < line.size() && line[i] == '"')
                ++i;
            if (line.sliced(i).startsWith("@Variant("))
                at = i;
        }
        if (at < 0) {
            out.append(line);
        } else {
            out.append(line.first(at));
            out.append('@');
            out.append(line.sliced(at));
        }
        start = end;
    }
    return out;
}

void makeValuesText(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = f.readAll();
    f.close();
    const QByteArray text = withTextValues(bytes);
    if (text != bytes)
        saveWhole(file, text);
}

QString valueText(const QVariant &value)
{
    QString text;
    if (value.typeId() == QMetaType::QStringList) {
        text = value.toStringList().join(QStringLiteral(", "));
    } else if (value.typeId() == QMetaType::QVariantList) {
        QStringList parts;
        for (const QVariant &part : value.toList())
            parts << part.toString();
        text = parts.join(QStringLiteral(", "));
    } else {
        text = value.toString();
    }
    // An escape such as "\xd83e" names half of a character. The file is
    // UTF-8 and cannot hold it, so the next save would turn it into the
    // replacement character: it reads as that from the start.
    if (!text.isValidUtf16()) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate())
                text[i] = QChar::ReplacementCharacter;
        }
    }
    return text;
}

int removeStaleTemporaries(const QString &file)
{
    const QFileInfo info(file);
    QDir folder = info.absoluteDir();
    if (!folder.exists())
        return 0;
    // "<file>.orbilex-XXXXXX", what QSettings' own save leaves beside that
    // (".XXXXXX" more), and the lock files of either.
    const QRegularExpression leftover(u'^' + QRegularExpression::escape(info.fileName())
        + QStringLiteral("\\.orbilex-[A-Za-z0-9]{6}(\\.[A-Za-z0-9]{6})?(\\.lock)?$"));
    const auto leftovers = [&] {
        QStringList names;
        for (const QString &name : folder.entryList(
                 {info.fileName() + QStringLiteral(".orbilex-*")}, QDir::Files | QDir::Hidden | QDir::System))
            if (leftover.match(name).hasMatch())
                names << name;
        return names;
    };
    // Nearly every start finds nothing, and the lock is a file of its own,
    // written and flushed to the disk: it is taken only when there is
    // something to remove.
    if (leftovers().isEmpty())
        return 0;
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!lock.tryLock(100))
        return 0;
    int removed = 0;
    for (const QString &name : leftovers())
        if (folder.remove(name))
            ++removed;
    return removed;
}

} // namespace orbilex
