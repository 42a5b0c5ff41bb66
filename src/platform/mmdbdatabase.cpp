#include "platform/mmdbdatabase.h"

#include "viewlogic/ipconvert.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <array>
#include <maxminddb.h>
#include <optional>

#ifdef Q_OS_LINUX
#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orbilex {

namespace {

// Where the databases of the different makers keep a country: its code, and
// the English name beside it where the database has names.
struct CountryPath {
    std::array<const char *, 3> code;
    std::array<const char *, 4> name;
};

constexpr CountryPath kCountryPaths[] = {
    {{"country", "iso_code", nullptr}, {"country", "names", "en", nullptr}},
    {{"country_code", nullptr, nullptr}, {nullptr, nullptr, nullptr, nullptr}},
    {{"registered_country", "iso_code", nullptr}, {"registered_country", "names", "en", nullptr}},
};
constexpr int kPathCount = int(std::size(kCountryPaths));

QByteArray nativeFileName(const QString &file)
{
#ifdef Q_OS_WIN
    // libmaxminddb turns UTF-8 names into wide ones on Windows.
    return file.toUtf8();
#else
    return QFile::encodeName(file);
#endif
}

#ifdef Q_OS_LINUX
// A copy of the file in memory, sealed so that nobody, this program included,
// can cut or change it: what libmaxminddb maps of it stays there. Sets error
// and gives -1 when the file cannot be read; gives -2 when no such copy can be
// made here, and the file has to be mapped itself.
int sealedCopyOf(const QString &file, QString *error)
{
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        *error = in.errorString();
        return -1;
    }
    const int copy = memfd_create("orbilex-ip-country", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (copy < 0)
        return -2;
    // Read, not mapped: a file cut while it is read just ends early.
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(chunk.data(), chunk.size());
        if (n < 0)
            *error = in.errorString();
        if (n <= 0)
            break;
        for (qint64 done = 0; done < n;) {
            const ssize_t written = ::write(copy, chunk.constData() + done, size_t(n - done));
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0) {
                ::close(copy);
                return -2;
            }
            done += written;
        }
    }
    if (!error->isEmpty()) {
        ::close(copy);
        return -1;
    }
    fcntl(copy, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL);
    return copy;
}
#endif

// Opens the database file the way that leaves it free to change on disk.
int openDatabase(const QString &file, MMDB_s *db, QString *error)
{
#ifdef Q_OS_LINUX
    const int copy = sealedCopyOf(file, error);
    if (copy == -1)
        return MMDB_FILE_OPEN_ERROR;
    if (copy >= 0) {
        const int status
            = MMDB_open(QByteArray("/proc/self/fd/" + QByteArray::number(copy)).constData(), MMDB_MODE_MMAP, db);
        ::close(copy);
        // Without /proc the copy cannot be named; the file itself serves then.
        if (status != MMDB_FILE_OPEN_ERROR)
            return status;
        *db = MMDB_s {};
    }
#else
    Q_UNUSED(error);
#endif
    return MMDB_open(nativeFileName(file).constData(), MMDB_MODE_MMAP, db);
}

} // namespace

struct MmdbDatabase::Handle {
    MMDB_s db {};
    // The path that answered last: every record of one database has the same
    // shape, so after the first answer one look suffices.
    mutable int codePath = 0;

    ~Handle() { MMDB_close(&db); }

    std::optional<MMDB_entry_s> entryOf(const QString &address) const
    {
        const std::optional<quint32> ip = parseDottedQuad(address);
        if (!ip)
            return std::nullopt;
        // The address is handed over as a number: the library's own text
        // parser takes short forms and host names, and asks the resolver.
        sockaddr_in socket {};
        socket.sin_family = AF_INET;
        socket.sin_addr.s_addr = qToBigEndian(*ip);
        int error = MMDB_SUCCESS;
        const MMDB_lookup_result_s result
            = MMDB_lookup_sockaddr(&db, reinterpret_cast<const sockaddr *>(&socket), &error);
        if (error != MMDB_SUCCESS || !result.found_entry)
            return std::nullopt;
        return result.entry;
    }

    // The two capital letters of the entry's country code and the path they
    // were found on; none when the entry has no such code.
    std::optional<std::array<char16_t, 2>> codeOf(MMDB_entry_s entry, int *path) const
    {
        for (int k = 0; k < kPathCount; ++k) {
            const int p = (codePath + k) % kPathCount;
            MMDB_entry_data_s data {};
            if (MMDB_aget_value(&entry, &data, kCountryPaths[p].code.data()) != MMDB_SUCCESS || !data.has_data
                || data.type != MMDB_DATA_TYPE_UTF8_STRING || data.data_size != 2)
                continue;
            const char a = data.utf8_string[0];
            const char b = data.utf8_string[1];
            if (a < 'A' || a > 'Z' || b < 'A' || b > 'Z')
                continue;
            codePath = p;
            *path = p;
            return std::array<char16_t, 2> {char16_t(a), char16_t(b)};
        }
        return std::nullopt;
    }

    QString nameOf(MMDB_entry_s entry, int path) const
    {
        if (!kCountryPaths[path].name[0])
            return {};
        MMDB_entry_data_s data {};
        if (MMDB_aget_value(&entry, &data, kCountryPaths[path].name.data()) != MMDB_SUCCESS || !data.has_data
            || data.type != MMDB_DATA_TYPE_UTF8_STRING)
            return {};
        return QString::fromUtf8(data.utf8_string, qsizetype(data.data_size)).trimmed();
    }
};

MmdbDatabase::MmdbDatabase(QStringList folders, QString fileName)
    : m_folders(std::move(folders))
    , m_fileName(std::move(fileName))
{
    m_folders.removeDuplicates();
    if (!m_folders.isEmpty())
        m_path = QDir(m_folders.front()).filePath(m_fileName);
}

MmdbDatabase::~MmdbDatabase() = default;

void MmdbDatabase::close()
{
    m_handle.reset();
}

bool MmdbDatabase::open()
{
    close();
    m_problem.clear();
    QStringList lookedFor;
    for (const QString &folder : std::as_const(m_folders)) {
        const QString file = QDir(folder).filePath(m_fileName);
        lookedFor << QDir::toNativeSeparators(file);
        if (QFileInfo(file).isFile()) {
            m_path = file;
            return openFile(file);
        }
    }
    m_problem = QStringLiteral("IP database not found: %1").arg(lookedFor.join(QStringLiteral(" or ")));
    return false;
}

bool MmdbDatabase::openFile(const QString &file)
{
    // Taken before the file is read: a change while it is read shows at the
    // next refresh.
    m_stamp = stampOf(file);
    auto handle = std::make_unique<Handle>();
    QString error;
    const int status = openDatabase(file, &handle->db, &error);
    if (status != MMDB_SUCCESS) {
        // A failed open leaves nothing to close.
        handle->db = MMDB_s {};
        m_problem = QStringLiteral("IP database cannot be read: %1 (%2)")
                        .arg(QDir::toNativeSeparators(file),
                            error.isEmpty() ? QString::fromUtf8(MMDB_strerror(status)) : error);
        return false;
    }
    m_handle = std::move(handle);
    if (!matchesDigest(file)) {
        close();
        m_problem
            = QStringLiteral("IP database is damaged: %1 does not match %2")
                  .arg(QDir::toNativeSeparators(file), QFileInfo(file + QLatin1StringView(kDigestSuffix)).fileName());
        return false;
    }
    return true;
}

bool MmdbDatabase::matchesDigest(const QString &file)
{
    QFile digestFile(file + QLatin1StringView(kDigestSuffix));
    if (!digestFile.open(QIODevice::ReadOnly | QIODevice::Text))
        return true;
    qint64 size = -1;
    QByteArray digest;
    // A few short lines; anything longer is not a digest file of ours.
    const QByteArray content = digestFile.read(4096);
    for (const QByteArray &line : content.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = line.left(eq).trimmed();
        const QByteArray value = line.mid(eq + 1).trimmed();
        if (key == "size") {
            bool ok = false;
            size = value.toLongLong(&ok);
            if (!ok)
                size = -1;
        } else if (key == "blake2b-256") {
            digest = value.toLower();
        }
    }
    const MMDB_s &db = m_handle->db;
    if (size != qint64(db.file_size) || digest.isEmpty())
        return true;
    const QByteArrayView mapped(db.file_content, qsizetype(db.file_size));
    return QCryptographicHash::hash(mapped, QCryptographicHash::Blake2b_256).toHex() == digest;
}

bool MmdbDatabase::isOpen() const
{
    return bool(m_handle);
}

bool MmdbDatabase::refresh()
{
    if (!m_handle)
        return false;
    if (stampOf(m_path) == m_stamp)
        return true;
    return open();
}

MmdbDatabase::Stamp MmdbDatabase::stampOf(const QString &file)
{
    Stamp stamp;
#ifdef Q_OS_LINUX
    struct stat st = {};
    if (::stat(QFile::encodeName(file).constData(), &st) != 0)
        return stamp;
    stamp.size = st.st_size;
    stamp.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.changed = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    stamp.inode = st.st_ino;
    stamp.device = st.st_dev;
#else
    const QFileInfo info(file);
    if (!info.exists())
        return stamp;
    stamp.size = info.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch();
    stamp.changed = info.fileTime(QFileDevice::FileMetadataChangeTime).toMSecsSinceEpoch();
#endif
    stamp.exists = true;
    return stamp;
}

QString MmdbDatabase::path() const
{
    return m_path;
}

QString MmdbDatabase::problem() const
{
    return m_problem;
}

QString MmdbDatabase::shortName(const QString &address) const
{
    if (!m_handle)
        return QStringLiteral("-");
    const std::optional<MMDB_entry_s> entry = m_handle->entryOf(address);
    if (!entry)
        return QStringLiteral("-");
    int path = 0;
    const auto code = m_handle->codeOf(*entry, &path);
    if (!code)
        return QStringLiteral("-");
    const QString listed = countryListCode(QStringView(code->data(), 2));
    return listed.isEmpty() ? QStringLiteral("--") : listed;
}

QString MmdbDatabase::longName(const QString &address) const
{
    if (!m_handle)
        return {};
    const std::optional<MMDB_entry_s> entry = m_handle->entryOf(address);
    if (!entry)
        return {};
    int path = 0;
    const auto code = m_handle->codeOf(*entry, &path);
    if (!code)
        return {};
    const QString name = m_handle->nameOf(*entry, path);
    if (!name.isEmpty())
        return name;
    return countryNameOfCode(countryListCode(QStringView(code->data(), 2)));
}

QDateTime MmdbDatabase::buildDate() const
{
    if (!m_handle)
        return {};
    return QDateTime::fromSecsSinceEpoch(qint64(m_handle->db.metadata.build_epoch), Qt::UTC);
}

} // namespace orbilex
