#pragma once
// The IP country source on a MaxMind DB (.mmdb) file read by libmaxminddb.
// Any country database in that format serves (GeoLite2 Country, DB-IP
// Country Lite, the ip-location-db country files ...): the country is read
// from "country"/"iso_code", "country_code" or "registered_country"/
// "iso_code", the name from "names"/"en" beside the code where there is one.
//
// What is open is a private copy of the file, so the file itself may be cut,
// rewritten, deleted or renamed over at any time: libmaxminddb memory-maps
// what it reads, and a mapped file cut in place takes the pages away from
// under the reader, which then dies. refresh() notices a changed file by its
// size, times and inode and takes it up as it now is.
//
// A digest file beside the database ("ip-country.mmdb.digest", written by
// tools/update-ipdb.sh) holds the size and BLAKE2b-256 digest of the file it
// came with. When the database has that size, it must have that digest, so a
// damaged copy of the shipped file is refused instead of answering wrong
// countries; a database of another size is one the user put in, and is taken
// as it is.

#include "platform/ipdatabase.h"

#include <QStringList>

#include <memory>

namespace orbilex {

class MmdbDatabase final : public IpDatabase
{
public:
    static constexpr const char *kFileName = "ip-country.mmdb";
    static constexpr const char *kDigestSuffix = ".digest";

    // Looks for the file in each folder in turn; the first one found is the
    // database, whether it can be read or not.
    explicit MmdbDatabase(QStringList folders, QString fileName = QString::fromLatin1(kFileName));
    ~MmdbDatabase() override;
    MmdbDatabase(const MmdbDatabase &) = delete;
    MmdbDatabase &operator=(const MmdbDatabase &) = delete;

    // Closes what is open and finds and opens the file anew, so a database
    // replaced on disk is taken up here.
    bool open() override;
    bool isOpen() const override;
    bool refresh() override;
    QString path() const override;
    QString shortName(const QString &address) const override;
    QString longName(const QString &address) const override;
    QDateTime buildDate() const override;
    QString problem() const override;

    void close();

private:
    struct Handle;

    // What tells one state of the file from another.
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        qint64 modified = 0;
        qint64 changed = 0;
        quint64 inode = 0;
        quint64 device = 0;
        friend bool operator==(const Stamp &, const Stamp &) = default;
    };
    static Stamp stampOf(const QString &file);

    bool openFile(const QString &file);
    bool matchesDigest(const QString &file);

    QStringList m_folders;
    QString m_fileName;
    QString m_path;
    QString m_problem;
    Stamp m_stamp;
    std::unique_ptr<Handle> m_handle;
};

} // namespace orbilex
