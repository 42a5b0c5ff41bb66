#include "common/apperror.h"
#include "store/inistore.h"
#include "testfiles.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <optional>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <linux/securebits.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

using namespace orbilex;
using namespace orbilex::test;
using namespace Qt::Literals::StringLiterals;

namespace {

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray joinLines(const QByteArrayList &lines, const QByteArray &lineEnd)
{
    return lines.join(lineEnd) + lineEnd;
}

// Every entry under root, with the bytes of each file: equal snapshots mean
// nothing was changed, added or left behind.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(
        root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        entries.insert(
            QDir(root).relativeFilePath(info.filePath()), info.isDir() ? "<folder>"_ba : readBytes(info.filePath()));
    }
    return entries;
}

QStringList entriesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

std::optional<AppError> errorOf(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const AppError &error) {
        return error;
    }
    return std::nullopt;
}

IniStore storeAt(const QString &path)
{
    IniStore store;
    store.SetFile(path);
    return store;
}

// Each entry is "section/key=value"; the value must read back exactly.
void verifyReadable(const IniStore &store, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const qsizetype slash = entry.indexOf(u'/');
        const qsizetype equals = entry.indexOf(u'=');
        QCOMPARE(store.ReadValue(entry.left(slash), entry.mid(slash + 1, equals - slash - 1), u"<missing>"_s),
            entry.mid(equals + 1));
    }
}

enum class Obstacle { ReadOnlyFolder, ReadOnlyFile, TargetIsFolder, MissingParentFolder, LockHeld };

// Root, or anyone with CAP_DAC_OVERRIDE, writes through a chmod, and access()
// calls such a file writable. While this lives, the calling thread, the one
// the store writes on, lays those capabilities aside (keeping them to take
// back) and has access() see it so too: the bits bind as for any user.
class PermissionBitsBind
{
public:
    PermissionBitsBind()
    {
#ifdef Q_OS_LINUX
        if (syscall(SYS_capget, &m_header, m_kept) != 0 || !(m_kept[0].effective & kOverrides))
            return;
        // Without it, access() gives a real root its permitted capabilities;
        // setting it takes CAP_SETPCAP, which a container may withhold.
        m_securebits = prctl(PR_GET_SECUREBITS);
        if (m_securebits >= 0 && prctl(PR_SET_SECUREBITS, m_securebits | SECBIT_NO_SETUID_FIXUP) != 0)
            m_securebits = -1;
        __user_cap_data_struct without[2] = {m_kept[0], m_kept[1]};
        without[0].effective &= ~kOverrides;
        m_dropped = syscall(SYS_capset, &m_header, without) == 0;
#endif
    }
    ~PermissionBitsBind()
    {
#ifdef Q_OS_LINUX
        if (m_dropped && syscall(SYS_capset, &m_header, m_kept) != 0)
            qFatal("the test cannot take its capabilities back");
        if (m_securebits >= 0)
            prctl(PR_SET_SECUREBITS, m_securebits);
#endif
    }
    PermissionBitsBind(const PermissionBitsBind &) = delete;
    PermissionBitsBind &operator=(const PermissionBitsBind &) = delete;

private:
#ifdef Q_OS_LINUX
    static constexpr __u32 kOverrides = 1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH;
    __user_cap_header_struct m_header {_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_kept[2] {};
    int m_securebits = -1;
    bool m_dropped = false;
#endif
};

bool permissionsBind(const QString &path)
{
    if (QFileInfo(path).isDir()) {
        const QString probe = path + u"/probe"_s;
        const bool written = writeBytes(probe, "x");
        QFile::remove(probe);
        return !written;
    }
    // The store asks access() before it replaces a file.
    QFile file(path);
    return !file.open(QIODevice::WriteOnly | QIODevice::Append) && !QFileInfo(path).isWritable();
}

constexpr QFileDevice::Permissions kModeBits = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
    | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
    | QFileDevice::WriteOther | QFileDevice::ExeOther;

} // namespace

class TestIniStore : public QObject
{
    Q_OBJECT

    // The store has no business in the temporary folder; pointing that folder
    // here lets every test check that nothing is left behind in it.
    QTemporaryDir m_readCopies;
    QString m_realTemp;
    std::unique_ptr<QTemporaryDir> m_dir;

    QString inDir(const QString &name) const { return m_dir->filePath(name); }
    QString userdb() const { return inDir(u"userdb.ini"_s); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_readCopies.isValid());
        m_realTemp = QDir::tempPath();
        qputenv("TMPDIR", QFile::encodeName(m_readCopies.path()));
        QCOMPARE(QDir::tempPath(), m_readCopies.path());
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>(m_realTemp + u"/tst_inistore-XXXXXX"_s);
        QVERIFY(m_dir->isValid());
    }

    void cleanup()
    {
        m_dir.reset();
        QCOMPARE(entriesIn(m_readCopies.path()), QStringList());
    }

    // Round trip

    void valueReadsBackAsWritten_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << u"Islamic State of Afghanistan"_s;
        QTest::newRow("equals signs") << u"a=b=c"_s;
        QTest::newRow("semicolon") << u"x; y"_s;
        QTest::newRow("hash") << u"#1 # no comment"_s;
        QTest::newRow("double quotes") << u"\"quoted\" and \"half"_s;
        QTest::newRow("single quote") << u"'it's'"_s;
        QTest::newRow("backslashes") << u"C:\\Temp\\new\\x41\\"_s;
        QTest::newRow("blanks around") << u"  padded\t "_s;
        QTest::newRow("only blanks") << u"   "_s;
        QTest::newRow("at sign first") << u"@home"_s;
        QTest::newRow("variant lookalike") << u"@Variant(\\0\\0\\0\\x7f)"_s;
        QTest::newRow("list lookalike") << u"a, b"_s;
        QTest::newRow("lone comma") << u","_s;
        QTest::newRow("line breaks") << u"one\r\ntwo\rthree\nfour"_s;
        QTest::newRow("section lookalike") << u"\n[1]\nType=x"_s;
        QTest::newRow("non-ASCII") << u"é 日本 😀"_s;
        QTest::newRow("100 000 characters") << u"é日x;=\"\\\n"_s.repeated(12500);
    }

    void valueReadsBackAsWritten()
    {
        QFETCH(QString, value);
        IniStore store = storeAt(userdb());
        store.WriteValue(u"0"_s, u"Dep"_s, u"before"_s);
        store.WriteValue(u"0"_s, u"GMT"_s, value);
        store.WriteValue(u"0"_s, u"Type"_s, u"after"_s);
        QCOMPARE(store.ReadValue(u"0"_s, u"GMT"_s), value);

        // The next display reads it through another instance, and every later
        // write rewrites it; the neighbours show its escaping stays contained.
        store.WriteValue(u"1"_s, u"LongName"_s, u"next section"_s);
        verifyReadable(storeAt(userdb()),
            {u"0/Dep=before"_s, u"0/GMT="_s + value, u"0/Type=after"_s, u"1/LongName=next section"_s});
    }

    void missingSectionOrKeyGivesTheDefault()
    {
        IniStore store = storeAt(userdb());
        QCOMPARE(store.ReadValue(u"0"_s, u"LongName"_s, u"default"_s), u"default"_s);
        QCOMPARE(store.ReadValue(u"0"_s, u"LongName"_s), QString());
        QVERIFY(!QFile::exists(userdb()));

        store.WriteValue(u"0"_s, u"LongName"_s, u"X"_s);
        QCOMPARE(store.ReadValue(u"1"_s, u"LongName"_s, u"default"_s), u"default"_s);
        QCOMPARE(store.ReadValue(u"0"_s, u"Type"_s, u"default"_s), u"default"_s);
    }

    void emptyValueIsStoredAndKeepsTheKey()
    {
        IniStore store = storeAt(userdb());
        store.WriteValue(u"0"_s, u"LongName"_s, u"X"_s);
        store.WriteValue(u"0"_s, u"LongName"_s, QString());
        store.WriteValue(u"7"_s, u"GMT"_s, QString());
        QCOMPARE(store.ReadValue(u"0"_s, u"LongName"_s, u"default"_s), QString());
        QCOMPARE(store.ReadValue(u"7"_s, u"GMT"_s, u"default"_s), QString());
        QCOMPARE(store.SectionCount(), 3);
    }

    void sectionCountIsNamedSectionsPlusOne()
    {
        IniStore store = storeAt(userdb());
        QCOMPARE(store.SectionCount(), 1);
        QVERIFY(!QFile::exists(userdb()));
        QVERIFY(writeBytes(userdb(), {}));
        QCOMPARE(store.SectionCount(), 1);

        store.WriteValue(u"0"_s, u"LongName"_s, u"a"_s);
        store.WriteValue(u"5"_s, u"Type"_s, u"b"_s);
        store.WriteValue(u"5"_s, u"Dep"_s, u"c"_s);
        store.WriteValue(u"252"_s, u"GMT"_s, u"d"_s);
        store.WriteValue(u"-1"_s, u"NDD"_s, u"e"_s);
        QCOMPARE(store.SectionCount(), 5);
        QCOMPARE(store.ReadValue(u"-1"_s, u"NDD"_s), u"e"_s);
    }

    void removeSectionRemovesOnlyThatSection()
    {
        IniStore store = storeAt(userdb());
        const QStringList sections = {u"-1"_s, u"0"_s, u"1"_s, u"10"_s, u"11"_s};
        for (const QString &section : sections) {
            store.WriteValue(section, u"LongName"_s, u"name "_s + section);
            store.WriteValue(section, u"Type"_s, u"type "_s + section);
        }

        store.Sections().RemoveSection(u"1"_s);
        QCOMPARE(store.ReadValue(u"1"_s, u"LongName"_s, u"gone"_s), u"gone"_s);
        QCOMPARE(store.ReadValue(u"1"_s, u"Type"_s, u"gone"_s), u"gone"_s);
        verifyReadable(
            store, {u"-1/LongName=name -1"_s, u"0/Type=type 0"_s, u"10/LongName=name 10"_s, u"11/Type=type 11"_s});
        QCOMPARE(store.SectionCount(), 5);

        // Removing it again changes nothing.
        const QByteArray bytes = readBytes(userdb());
        store.RemoveSection(u"1"_s);
        QCOMPARE(readBytes(userdb()), bytes);

        for (const QString &section : sections)
            store.RemoveSection(section);
        QCOMPARE(store.SectionCount(), 1);
        QVERIFY(QFile::exists(userdb()));
    }

    void readSectionHoldsOnlyThatSection()
    {
        IniStore store = storeAt(userdb());
        QVERIFY(store.ReadSection(u"1"_s).isEmpty());
        store.WriteValue(u"1"_s, u"LongName"_s, u"one"_s);
        store.WriteValue(u"1"_s, u"GMT"_s, QString());
        store.WriteValue(u"10"_s, u"LongName"_s, u"ten"_s);
        const QHash<QString, QString> one = store.ReadSection(u"1"_s);
        QCOMPARE(one.size(), 2);
        QCOMPARE(one.value(u"LongName"_s), u"one"_s);
        QVERIFY(one.contains(u"GMT"_s));
        QCOMPARE(store.ReadSection(u"10"_s).value(u"LongName"_s), u"ten"_s);
    }

    void removeSectionOfAMissingFileCreatesNone()
    {
        IniStore store = storeAt(userdb());
        store.RemoveSection(u"0"_s);
        QCOMPARE(entriesIn(m_dir->path()), QStringList());
    }

    void sameSizeChangesReadBackTheLatest()
    {
        IniStore store = storeAt(userdb());
        for (int i = 0; i < 20; ++i) {
            const QString value = i % 2 ? u"bbbb"_s : u"aaaa"_s;
            store.WriteValue(u"0"_s, u"LongName"_s, value);
            QCOMPARE(store.ReadValue(u"0"_s, u"LongName"_s), value);
        }

        // A hand edit that keeps both size and time stamp.
        QVERIFY(writeBytes(userdb(), "[0]\nLongName=cccc\n"));
        const QDateTime stamp = QFileInfo(userdb()).lastModified();
        QCOMPARE(store.ReadValue(u"0"_s, u"LongName"_s), u"cccc"_s);
        QVERIFY(writeBytes(userdb(), "[0]\nLongName=dddd\n"));
        QFile file(userdb());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(QFileInfo(userdb()).lastModified(), stamp);
        QCOMPARE(store.ReadValue(u"0"_s, u"LongName"_s), u"dddd"_s);
    }

    void worksInAFolderWithANonAsciiName()
    {
        const QString folder = u"Orbilex é 日本"_s;
        QVERIFY(QDir(m_dir->path()).mkdir(folder));
        IniStore store = storeAt(inDir(folder + u"/userdb.ini"_s));
        store.WriteValue(u"0"_s, u"LongName"_s, u"a"_s);
        store.WriteValue(u"0"_s, u"LongName"_s, u"b"_s);
        QCOMPARE(store.ReadValue(u"0"_s, u"LongName"_s), u"b"_s);
        QCOMPARE(entriesIn(inDir(folder)), QStringList {u"userdb.ini"_s});
    }

    void writeKeepsTheFilesPermissions()
    {
        // A new file gets what any new file in the folder gets.
        QVERIFY(writeBytes(inDir(u"reference"_s), "x"));
        const QFileDevice::Permissions fresh = QFileInfo(inDir(u"reference"_s)).permissions() & kModeBits;
        IniStore store = storeAt(userdb());
        store.WriteValue(u"0"_s, u"LongName"_s, u"a"_s);
        QCOMPARE(QFileInfo(userdb()).permissions() & kModeBits, fresh);

        const QFileDevice::Permissions chosen = QFileDevice::ReadOwner | QFileDevice::WriteOwner
            | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(userdb(), chosen));
        store.WriteValue(u"0"_s, u"LongName"_s, u"b"_s);
        QCOMPARE(QFileInfo(userdb()).permissions() & kModeBits, chosen);
    }

    void writeThroughALinkKeepsTheLink()
    {
        const QString real = inDir(u"real.ini"_s);
        QVERIFY(writeBytes(real, "[0]\nLongName=a\n"));
        if (!QFile::link(real, userdb()))
            QSKIP("this file system cannot hold a symbolic link");
        IniStore store = storeAt(userdb());
        store.WriteValue(u"0"_s, u"Type"_s, u"b"_s);
        QVERIFY(QFileInfo(userdb()).isSymLink());
        verifyReadable(storeAt(real), {u"0/LongName=a"_s, u"0/Type=b"_s});
        QCOMPARE(entriesIn(m_dir->path()), (QStringList {u"real.ini"_s, u"userdb.ini"_s}));
    }

    // Malformed files

    void malformedFileKeepsWhatCanBeRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("readable"); // "section/key=value", before and after the next write
        QTest::addColumn<int>("sections"); // SectionCount, or -1 where the bytes leave it open

        QByteArray junk(8192, '\0');
        QRandomGenerator random(2006);
        for (char &byte : junk)
            byte = char(random.bounded(256));
        QTest::newRow("binary junk") << junk << QStringList() << -1;
        QTest::newRow("junk line between sections")
            << "[0]\nLongName=kept\n\xff\xfe\x00\x01\x02garbage\x7f\n[1]\nType=also\n"_ba
            << QStringList {u"0/LongName=kept"_s, u"1/Type=also"_s} << 3;
        QTest::newRow("no sections") << "LongName=top\nType=level\n"_ba << QStringList() << 1;
        QTest::newRow("duplicate sections")
            << "[0]\nLongName=first\n[1]\nType=one\n[0]\nDep=second\n"_ba
            << QStringList {u"0/LongName=first"_s, u"0/Dep=second"_s, u"1/Type=one"_s} << 3;
        QTest::newRow("duplicate keys") << "[0]\nLongName=first\nLongName=second\n"_ba
                                        << QStringList {u"0/LongName=second"_s} << 2;
        const qsizetype longLine = 1 << 20;
        QTest::newRow("very long lines") << "[0]\nLongName=" + QByteArray(longLine, 'x') + '\n'
                + QByteArray(longLine, 'y') + "\n[1]\nType=t\n"
                                         << QStringList {u"0/LongName="_s + QString(longLine, u'x'), u"1/Type=t"_s}
                                         << 3;
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF[0]\nLongName=bom\n"_ba << QStringList {u"0/LongName=bom"_s}
                                         << 2;
        const QByteArrayList lines = {"[0]", "LongName=x", "Type=y", "[1]", "Dep=z"};
        const QStringList linesReadable = {u"0/LongName=x"_s, u"0/Type=y"_s, u"1/Dep=z"_s};
        QTest::newRow("LF line ends") << joinLines(lines, "\n") << linesReadable << 3;
        QTest::newRow("CR line ends") << joinLines(lines, "\r") << linesReadable << 3;
        QTest::newRow("CRLF line ends") << joinLines(lines, "\r\n") << linesReadable << 3;
        QTest::newRow("NUL byte") << "[0]\nLongName=a\0b\nType=t\n[1]\nDep=d\n"_ba
                                  << QStringList {u"0/LongName=a"_s + QChar(0) + u"b"_s, u"0/Type=t"_s, u"1/Dep=d"_s}
                                  << 3;
        QTest::newRow("unterminated quote")
            << "[1]\nDep=d\n[0]\nLongName=\"open\nType=t\n"_ba << QStringList {u"1/Dep=d"_s} << 3;
        QTest::newRow("comma-separated value")
            << "[0]\nLongName=a, b\nType=x,y\nDep=\"c, d\"\n"_ba
            << QStringList {u"0/LongName=a, b"_s, u"0/Type=x,y"_s, u"0/Dep=c, d"_s} << 2;
        QTest::newRow("@Variant( garbage") << "[0]\nLongName=@Variant(garbage)\nType=t\n"_ba
                                           << QStringList {u"0/LongName=@Variant(garbage)"_s, u"0/Type=t"_s} << 2;
        // A length prefix of gigabytes once made the reader try to allocate them.
        QTest::newRow("quoted @Variant( huge")
            << "[0]\nLongName=\"@Variant(\\0\\0\\0\\n\\xff\\xff\\xff\\xf0)\"\nType=t\n"_ba
            << QStringList {u"0/Type=t"_s} << 2;
        QTest::newRow("@Variant( written by the program stays text")
            << "[0]\nLongName=@@Variant(x)\nType=@\n"_ba << QStringList {u"0/LongName=@Variant(x)"_s, u"0/Type=@"_s}
            << 2;
        QTest::newRow("@Variant( huge list")
            << "[0]\nLongName=@Variant(\\0\\0\\0\\x0b\\x7f\\xff\\xff\\xff)\nType=t\n"_ba << QStringList {u"0/Type=t"_s}
            << 2;
        QTest::newRow("@Variant( unterminated")
            << "[0]\nLongName=@Variant(\nType=t\n"_ba << QStringList {u"0/Type=t"_s} << 2;
        // A backslash is an ordinary character, also where it looks like an escape.
        QTest::newRow("escape lookalike")
            << "[0]\nLongName=a\\x0d83ez\nType=t\n"_ba << QStringList {u"0/LongName=a\\x0d83ez"_s, u"0/Type=t"_s} << 2;
        QTest::newRow("lines without a key")
            << "[0]\nLongName\n=orphan\n[]\nType=x\n[2]\nDep=d\n"_ba << QStringList {u"2/Dep=d"_s} << 2;
    }

    void malformedFileKeepsWhatCanBeRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, readable);
        QFETCH(int, sections);
        QVERIFY(writeBytes(userdb(), bytes));
        IniStore store = storeAt(userdb());
        verifyReadable(store, readable);
        if (QTest::currentTestFailed())
            return;
        const int count = store.SectionCount();
        if (sections >= 0)
            QCOMPARE(count, sections);

        store.WriteValue(u"200"_s, u"LongName"_s, u"new"_s);
        QCOMPARE(store.ReadValue(u"200"_s, u"LongName"_s), u"new"_s);
        verifyReadable(store, readable);
        QCOMPARE(store.SectionCount(), count + 1);
    }

    // Only what is written changes

    void saveChangesOnlyWhatItWrites_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key"); // empty: RemoveSection
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("readable"); // "section/key=value" after the save

        QTest::newRow("backslash at a value's end")
            << "[80]\nLongName=C:\\maps\\\n[81]\nType=KEEP-ME\n"_ba << u"81"_s << u"Dep"_s << u"x"_s
            << "[80]\nLongName=C:\\maps\\\n[81]\nType=KEEP-ME\nDep=x\n"_ba
            << QStringList {u"80/LongName=C:\\maps\\"_s, u"80/Type=<missing>"_s, u"81/Type=KEEP-ME"_s};
        // A file in the older program's code page stays in it.
        QTest::newRow("Windows-1252") << "[0]\r\nLongName=Afgh\xF4n\r\n"_ba << u"0"_s << u"Type"_s << u"Île"_s
                                      << "[0]\r\nLongName=Afgh\xF4n\r\nType=\xCEle\r\n"_ba
                                      << QStringList {u"0/LongName=Afghôn"_s, u"0/Type=Île"_s};
        QTest::newRow("Windows-1252 bytes that would read as UTF-8")
            << "[0]\nLongName=\xF4\n"_ba << u"0"_s << u"Type"_s << u"Ã©"_s << "[0]\nLongName=\xF4\nType=Ã©\n"_ba
            << QStringList {u"0/LongName=ô"_s, u"0/Type=Ã©"_s};
        QTest::newRow("UTF-8 stays UTF-8")
            << "[0]\nLongName=Afghôn\n"_ba << u"0"_s << u"Type"_s << u"Île"_s << "[0]\nLongName=Afghôn\nType=Île\n"_ba
            << QStringList {u"0/LongName=Afghôn"_s, u"0/Type=Île"_s};
        // Its last NUL stands right before the next section's "[".
        const QByteArray binary("\x00\xff[\x01\xfe\x00=\x9c]\r\x00\x00\x1b]\n\x00", 16);
        QTest::newRow("binary stretch") << "[0]\nLongName=a\n"_ba + binary + "[81]\nType=KEEP-ME\n"_ba << u"81"_s
                                        << u"Dep"_s << u"x"_s
                                        << "[0]\nLongName=a\n"_ba + binary + "[81]\nType=KEEP-ME\nDep=x\n"_ba
                                        << QStringList {u"0/LongName=a"_s, u"81/Type=KEEP-ME"_s, u"81/Dep=x"_s};
        QTest::newRow("comments, blanks and CR LF")
            << "; mine\r\n[12]\r\nLocation = Oceania \r\n\r\n# 81 next\r\n[81]\r\nGMT=+1\r\n"_ba << u"12"_s << u"Type"_s
            << u"T"_s << "; mine\r\n[12]\r\nLocation = Oceania \r\nType=T\r\n\r\n# 81 next\r\n[81]\r\nGMT=+1\r\n"_ba
            << QStringList {u"12/Location=Oceania"_s, u"81/GMT=+1"_s};
        QTest::newRow("commas and quotes")
            << "[0]\nType=a,b\nDep=\"x, y\"\n"_ba << u"0"_s << u"GMT"_s << u"+1"_s
            << "[0]\nType=a,b\nDep=\"x, y\"\nGMT=+1\n"_ba << QStringList {u"0/Type=a,b"_s, u"0/Dep=x, y"_s};
        QTest::newRow("patch keeps the key's spelling")
            << "[0]\r\nlongname = old\r\nType=t\r\n"_ba << u"0"_s << u"LongName"_s << u"new"_s
            << "[0]\r\nlongname = new\r\nType=t\r\n"_ba << QStringList {u"0/LongName=new"_s, u"0/Type=t"_s};
        QTest::newRow("the key read is the key patched")
            << "[0]\nLongName=first\n[1]\nType=one\n[0]\nLongName=second\n"_ba << u"0"_s << u"LongName"_s << u"new"_s
            << "[0]\nLongName=first\n[1]\nType=one\n[0]\nLongName=new\n"_ba << QStringList {u"0/LongName=new"_s};
        QTest::newRow("new section after a last line without its end")
            << "[0]\r\nA=1"_ba << u"5"_s << u"GMT"_s << u"x"_s << "[0]\r\nA=1\r\n[5]\r\nGMT=x\r\n"_ba
            << QStringList {u"0/A=1"_s, u"5/GMT=x"_s};
        QTest::newRow("line breaks make no lines")
            << "[0]\nLongName=old\n[1]\nType=kept\n"_ba << u"0"_s << u"LongName"_s << u"a\r\n[1]\\\r\nType=x"_s
            << "[0]\nLongName=@Text(a\\r\\n[1]\\\\\\r\\nType=x)\n[1]\nType=kept\n"_ba
            << QStringList {u"0/LongName=a\r\n[1]\\\r\nType=x"_s, u"1/Type=kept"_s};
        QTest::newRow("blanks, quotes and @ kept by the value's form")
            << "[0]\nA= \nB=\nC=\n"_ba << u"0"_s << u"B"_s << u"\"q\""_s << "[0]\nA= \nB=\"\"q\"\"\nC=\n"_ba
            << QStringList {u"0/B=\"q\""_s};
        QTest::newRow("a new file has CR LF")
            << QByteArray() << u"3"_s << u"Dep"_s << u"@x"_s << "[3]\r\nDep=@@x\r\n"_ba << QStringList {u"3/Dep=@x"_s};
        QTest::newRow("remove cuts each part, from header to last key")
            << "; head\r\n[0]\r\nLongName=a\r\n; about 1\r\n[1]\r\nType=b\r\n[0]\r\nDep=c\r\n\r\n[2]\r\nGMT=x"_ba
            << u"0"_s << QString() << QString() << "; head\r\n; about 1\r\n[1]\r\nType=b\r\n\r\n[2]\r\nGMT=x"_ba
            << QStringList {u"0/LongName=<missing>"_s, u"0/Dep=<missing>"_s, u"1/Type=b"_s, u"2/GMT=x"_s};
    }

    void saveChangesOnlyWhatItWrites()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, readable);
        if (!before.isEmpty())
            QVERIFY(writeBytes(userdb(), before));
        IniStore store = storeAt(userdb());
        if (key.isEmpty())
            store.RemoveSection(section);
        else
            store.WriteValue(section, key, value);
        QCOMPARE(readBytes(userdb()), after);
        verifyReadable(store, readable);
    }

    void readsAndWritesWithoutTheTemporaryFolder()
    {
        QVERIFY(writeBytes(userdb(), "[0]\nLongName=a\n"));
        // A temporary folder that is a file: nothing can be made in it.
        QVERIFY(writeBytes(inDir(u"not a folder"_s), "x"));
        const QByteArray temp = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] { qputenv("TMPDIR", temp); });
        qputenv("TMPDIR", QFile::encodeName(inDir(u"not a folder"_s)));
        IniStore store = storeAt(userdb());
        QCOMPARE(store.ReadValue(u"0"_s, u"LongName"_s), u"a"_s);
        QCOMPARE(store.ReadSection(u"0"_s).value(u"LongName"_s), u"a"_s);
        QCOMPARE(store.SectionCount(), 2);
        store.WriteValue(u"1"_s, u"Type"_s, u"b"_s);
        QCOMPARE(store.ReadValue(u"1"_s, u"Type"_s), u"b"_s);
    }

    // Failures

    void failedWriteLeavesTheFolderAsItWas_data()
    {
        QTest::addColumn<int>("obstacle");
        QTest::addColumn<bool>("remove"); // RemoveSection instead of WriteValue

        const struct {
            const char *name;
            Obstacle obstacle;
        } obstacles[] = {
            {"read-only folder", Obstacle::ReadOnlyFolder},
            {"read-only file", Obstacle::ReadOnlyFile},
            {"target is a folder", Obstacle::TargetIsFolder},
            {"missing parent folder", Obstacle::MissingParentFolder},
            {"lock held", Obstacle::LockHeld},
        };
        for (const auto &row : obstacles) {
            QTest::addRow("%s, WriteValue", row.name) << int(row.obstacle) << false;
            QTest::addRow("%s, RemoveSection", row.name) << int(row.obstacle) << true;
        }
    }

    void failedWriteLeavesTheFolderAsItWas()
    {
        QFETCH(int, obstacle);
        QFETCH(bool, remove);
        QString path = userdb();
        QVERIFY(writeBytes(path, "[0]\nLongName=old\n[1]\nType=kept\n"));
        const auto restorePermissions = qScopeGuard([&] {
            QFile::setPermissions(
                m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            if (QFileInfo(userdb()).isFile())
                QFile::setPermissions(userdb(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        });
        std::optional<QLockFile> otherWriter;
        std::optional<PermissionBitsBind> asAnyUser;
        switch (Obstacle(obstacle)) {
        case Obstacle::ReadOnlyFolder:
            QVERIFY(QFile::setPermissions(m_dir->path(),
                QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                    | QFileDevice::ReadOther | QFileDevice::ExeOther));
            asAnyUser.emplace();
            if (!permissionsBind(m_dir->path()))
                QSKIP("a read-only folder is writable for this user, who cannot lay that right aside");
            break;
        case Obstacle::ReadOnlyFile:
            QVERIFY(
                QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
            asAnyUser.emplace();
            if (!permissionsBind(path))
                QSKIP("a read-only file is writable for this user, who cannot lay that right aside");
            break;
        case Obstacle::TargetIsFolder:
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir().mkdir(path));
            QVERIFY(writeBytes(path + u"/inside"_s, "x"));
            break;
        case Obstacle::MissingParentFolder:
            path = inDir(u"missing/userdb.ini"_s);
            break;
        case Obstacle::LockHeld:
            otherWriter.emplace(path + u".lock"_s);
            QVERIFY(otherWriter->lock());
            break;
        }

        IniStore store = storeAt(path);
        store.setLockTimeout(100);
        const auto before = snapshot(m_dir->path());
        const auto error = errorOf([&] {
            if (remove)
                store.RemoveSection(u"0"_s);
            else
                store.WriteValue(u"0"_s, u"LongName"_s, u"new"_s);
        });
        QVERIFY(error);
        QCOMPARE(error->number, 75);
        QCOMPARE(error->description, u"Path/File access error"_s);
        const auto after = snapshot(m_dir->path());
        QCOMPARE(after.keys(), before.keys());
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(after.value(it.key()), it.value());
    }

    void heldLockFailsTheWriteAfterItsTimeout()
    {
        QLockFile otherWriter(userdb() + u".lock"_s);
        QVERIFY(otherWriter.lock());
        IniStore store = storeAt(userdb());
        store.setLockTimeout(300);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(errorOf([&] { store.WriteValue(u"0"_s, u"LongName"_s, u"x"_s); }));
        QVERIFY2(timer.elapsed() >= 290, "the write did not wait for the other writer");
        QVERIFY2(timer.elapsed() < 5000, "the write waited far beyond its timeout");

        otherWriter.unlock();
        store.WriteValue(u"0"_s, u"LongName"_s, u"x"_s);
        QCOMPARE(store.ReadValue(u"0"_s, u"LongName"_s), u"x"_s);
    }

    void readOfAFolderFails()
    {
        QVERIFY(QDir().mkdir(userdb()));
        IniStore store = storeAt(userdb());
        const auto error = errorOf([&] { store.ReadValue(u"0"_s, u"LongName"_s); });
        QVERIFY(error);
        QCOMPARE(error->number, 75);
        QVERIFY(errorOf([&] { store.SectionCount(); }));
    }

    // Leftovers

    void successfulWritesLeaveOnlyTheFile()
    {
        IniStore store = storeAt(userdb());
        for (int i = 0; i < 30; ++i)
            store.WriteValue(QString::number(i % 7), u"LongName"_s, QString::number(i));
        store.RemoveSection(u"3"_s);
        QCOMPARE(store.SectionCount(), 7);
        QCOMPARE(entriesIn(m_dir->path()), QStringList {u"userdb.ini"_s});
    }
};

QTEST_GUILESS_MAIN(TestIniStore)
#include "tst_inistore.moc"
