// IP to country: the address and name rules, the MaxMind DB source on the
// shipped database (and on damaged copies of it), and the window driving the
// main window.

#include "data/countries.h"
#include "data/text.h"
#include "mainwindow.h"
#include "platform/mmdbdatabase.h"
#include "testfiles.h"
#include "ui/companions/frmIP2Location.h"
#include "viewlogic/ipconvert.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

using namespace orbilex;
using namespace orbilex::test;

namespace {

constexpr int kGermany = 81;
constexpr int kJapan = 111;
constexpr int kNetherlands = 161;
constexpr int kSerbiaAndMontenegro = 201;
constexpr int kUnitedKingdom = 237;
constexpr int kUnitedStates = 238;

QString shippedDatabase()
{
    return QFINDTESTDATA("../assets/ip-country.mmdb");
}

QByteArray shippedBytes()
{
    static const QByteArray bytes = [] {
        QFile f(shippedDatabase());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    return bytes;
}

// The shipped database and its digest file in a folder, as the build puts
// them beside the program.
void installShipped(const QString &folder, const QByteArray &bytes = shippedBytes(), bool withDigest = true)
{
    writeFile(QDir(folder).filePath(QStringLiteral("ip-country.mmdb")), bytes);
    if (withDigest)
        QVERIFY(QFile::copy(shippedDatabase() + QStringLiteral(".digest"),
            QDir(folder).filePath(QStringLiteral("ip-country.mmdb.digest"))));
}

// Addresses whose country has been the same for decades: registries,
// universities and broadcasters in their own countries' blocks.
struct KnownAddress {
    const char *address;
    const char *code;
    int country;
};
constexpr KnownAddress kKnown[] = {
    {"8.8.8.8", "US", kUnitedStates},
    {"81.91.170.12", "DE", kGermany},
    {"193.0.6.139", "NL", kNetherlands},
    {"133.11.0.1", "JP", kJapan},
    {"212.58.244.1", "GB", kUnitedKingdom},
    {"147.91.8.6", "CS", kSerbiaAndMontenegro},
};

class FakeSource final : public IpDatabase
{
public:
    QString code = QStringLiteral("-");
    QString name;
    bool opens = true;
    bool opened = false;
    int openCalls = 0;
    QStringList asked;

    bool open() override
    {
        ++openCalls;
        opened = opens;
        return opened;
    }
    bool isOpen() const override { return opened; }
    QString path() const override { return QStringLiteral("/nowhere/ip-country.mmdb"); }
    QString shortName(const QString &address) const override
    {
        const_cast<FakeSource *>(this)->asked << address;
        return code;
    }
    QString longName(const QString &) const override { return name; }
    QDateTime buildDate() const override { return {}; }
};

// A main window on a test environment and its IP window, loaded as the main
// window's button loads it.
struct IpWindow {
    MainWindow m;
    frmIP2Location *ip = nullptr;

    explicit IpWindow(std::unique_ptr<IpDatabase> db = nullptr, bool install = true)
    {
        QGuiApplication::clipboard()->clear();
        if (install)
            installShipped(m.te.folder.path());
        m.te.env.ipDatabase = db ? std::move(db) : std::make_unique<MmdbDatabase>(QStringList {m.te.folder.path()});
        m.open();
        m.select(0);
    }

    frmIP2Location *load()
    {
        ip = qobject_cast<frmIP2Location *>(m.window->companion(frmMain::CompanionKind::IpToCountry));
        if (!ip)
            qFatal("the main window has no IP window");
        return ip;
    }
    frmIP2Location *show()
    {
        m.window->showCompanion(frmMain::CompanionKind::IpToCountry);
        return load();
    }

    template<typename T = QWidget> T *get(const char *name) const { return child<T>(ip, name); }
    QLineEdit *address() const { return get<QLineEdit>("txtIPL"); }
    QString status() const { return get<QLabel>("lblIPLG")->text(); }
    bool statusRed() const
    {
        return get<QLabel>("lblIPLG")->palette().color(QPalette::WindowText) == QColor(255, 0, 0);
    }
    void convert(const QString &text) const
    {
        address()->setText(text);
        get<QPushButton>("cmdIPL")->click();
    }
};

// The window system reports a change of window state some events later; a
// user takes longer than that before the next step.
void settle()
{
    QTest::qWait(50);
}

} // namespace

class TestIpToCountry : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QGuiApplication::clipboard()->clear(); }

    // ---- the text rules

    void dottedQuad_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        const qint64 none = -1;
        QTest::newRow("plain") << "8.8.8.8" << qint64(0x08080808);
        QTest::newRow("lowest") << "0.0.0.0" << qint64(0);
        QTest::newRow("highest") << "255.255.255.255" << qint64(0xFFFFFFFF);
        QTest::newRow("zero-padded parts are decimal") << "010.001.002.003" << qint64(0x0A010203);
        QTest::newRow("empty") << "" << none;
        QTest::newRow("three parts") << "1.2.3" << none;
        QTest::newRow("five parts") << "1.2.3.4.5" << none;
        QTest::newRow("part over 255") << "256.1.1.1" << none;
        QTest::newRow("last part over 255") << "1.1.1.256" << none;
        QTest::newRow("four digits") << "0001.1.1.1" << none;
        QTest::newRow("blanks around") << " 8.8.8.8 " << none;
        QTest::newRow("line end") << "8.8.8.8\n" << none;
        QTest::newRow("empty part") << "1..2.3" << none;
        QTest::newRow("leading dot") << ".1.2.3" << none;
        QTest::newRow("trailing dot") << "1.2.3.4." << none;
        QTest::newRow("sign") << "1.2.3.-4" << none;
        QTest::newRow("hexadecimal") << "0x1.2.3.4" << none;
        QTest::newRow("letters") << "eight.8.8.8" << none;
        QTest::newRow("other digits") << QString::fromUtf8("١.٢.٣.٤") << none;
        QTest::newRow("IPv6") << "::1" << none;
        QTest::newRow("junk") << QString(10000, u'x') << none;
    }
    void dottedQuad()
    {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        const std::optional<quint32> parsed = parseDottedQuad(text);
        QCOMPARE(parsed ? qint64(*parsed) : qint64(-1), value);
    }

    void properCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("capitals") << "UNITED KINGDOM"
                                  << "United Kingdom";
        QTest::newRow("small") << "germany"
                               << "Germany";
        QTest::newRow("comma") << "KOREA, REPUBLIC OF"
                               << "Korea, Republic Of";
        QTest::newRow("hyphen") << "GUINEA-BISSAU"
                                << "Guinea-Bissau";
        QTest::newRow("apostrophe") << "COTE D'IVOIRE"
                                    << "Cote D'ivoire";
        QTest::newRow("letters beyond ASCII")
            << QString::fromUtf8("ÅLAND ISLANDS") << QString::fromUtf8("Åland Islands");
        QTest::newRow("empty") << ""
                               << "";
    }
    void properCase()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(orbilex::properCase(text), shown);
    }

    void clipboardRule_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("taken");
        QTest::newRow("three digits first") << "193.0.6.139" << true;
        QTest::newRow("two digits first") << "81.91.170.12" << true;
        QTest::newRow("one digit first") << "9.100.1.1" << false;
        // The rule looks at places, not parts: here the second dot is fourth.
        QTest::newRow("one digit first and second") << "8.8.8.8" << true;
        QTest::newRow("four digits first") << "1234.5.6.7" << false;
        QTest::newRow("blank before") << " 81.91.170.12" << true;
        QTest::newRow("words") << "hello world" << false;
        QTest::newRow("any text with the dot there") << "ab.cd" << true;
        QTest::newRow("short") << "1." << false;
        QTest::newRow("empty") << "" << false;
    }
    void clipboardRule()
    {
        QFETCH(QString, clipboard);
        QFETCH(bool, taken);
        QCOMPARE(looksLikeAddress(clipboard), taken);
    }

    void codesHandedOverAndListed()
    {
        QVERIFY(!handOverCode(QStringLiteral("-")));
        QVERIFY(!handOverCode(QStringLiteral("--")));
        QCOMPARE(handOverCode(QStringLiteral("UK")).value_or(QString()), QStringLiteral("GB"));
        QCOMPARE(handOverCode(QStringLiteral("DE")).value_or(QString()), QStringLiteral("DE"));

        QCOMPARE(countryListCode(u"DE"), QStringLiteral("DE"));
        QCOMPARE(countryListCode(u"RS"), QStringLiteral("CS"));
        QCOMPARE(countryListCode(u"ME"), QStringLiteral("CS"));
        QCOMPARE(countryListCode(u"XK"), QStringLiteral("CS"));
        QCOMPARE(countryListCode(u"SS"), QStringLiteral("SD"));
        QCOMPARE(countryListCode(u"CW"), QStringLiteral("AN"));
        QCOMPARE(countryListCode(u"UK"), QStringLiteral("GB"));
        QCOMPARE(countryListCode(u"EU"), QString());
        QCOMPARE(countryListCode(u"de"), QString());
        QCOMPARE(countryListCode(u"D"), QString());

        QCOMPARE(countryNameOfCode(u"DE"), qs(kCountryNames[kGermany]));
        QCOMPARE(countryNameOfCode(u"CS"), qs(kCountryNames[kSerbiaAndMontenegro]));
        QCOMPARE(countryNameOfCode(u"GB"), qs(kCountryNames[kUnitedKingdom]));
        QCOMPARE(countryNameOfCode(u"ZZ"), QString());
    }

    // ---- the source on the shipped database

    void shippedDatabaseKnowsItsCountries()
    {
        QTemporaryDir dir;
        installShipped(dir.path());
        MmdbDatabase db({dir.path()});
        QVERIFY(!db.isOpen());
        QVERIFY(!db.buildDate().isValid());
        QVERIFY2(db.open(), qPrintable(db.problem()));
        QCOMPARE(db.path(), dir.filePath(QStringLiteral("ip-country.mmdb")));
        QVERIFY(db.problem().isEmpty());
        QVERIFY(db.buildDate() > QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC));
        for (const KnownAddress &k : kKnown) {
            QCOMPARE(db.shortName(QLatin1StringView(k.address)), QLatin1StringView(k.code));
            // The shipped file has codes only; the names are the list's.
            QCOMPARE(db.longName(QLatin1StringView(k.address)), qs(kCountryNames[std::size_t(k.country)]));
        }
        for (const char *unplaced : {"10.0.0.1", "127.0.0.1", "192.0.2.1", "0.0.0.0"}) {
            QCOMPARE(db.shortName(QLatin1StringView(unplaced)), QStringLiteral("-"));
            QCOMPARE(db.longName(QLatin1StringView(unplaced)), QString());
        }
    }

    void notAnAddressIsNeverLookedUp_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("empty") << "";
        // The library's own parser reads "1.2.3" as 1.2.0.3, which is placed.
        QTest::newRow("three parts") << "1.2.3";
        QTest::newRow("part over 255") << "256.1.1.1";
        QTest::newRow("five parts") << "1.2.3.4.5";
        QTest::newRow("blanks around") << " 8.8.8.8 ";
        QTest::newRow("letters") << "dns.google";
        QTest::newRow("IPv6") << "2001:4860:4860::8888";
        QTest::newRow("junk") << QString(10000, u'#');
    }
    void notAnAddressIsNeverLookedUp()
    {
        QFETCH(QString, address);
        QTemporaryDir dir;
        installShipped(dir.path());
        MmdbDatabase db({dir.path()});
        QVERIFY(db.open());
        QCOMPARE(db.shortName(address), QStringLiteral("-"));
        QCOMPARE(db.longName(address), QString());
    }

    void missingDatabaseNamesEveryFileLookedFor()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        MmdbDatabase db({first.path(), second.path()});
        QVERIFY(!db.open());
        QVERIFY(!db.isOpen());
        QCOMPARE(db.path(), first.filePath(QStringLiteral("ip-country.mmdb")));
        QVERIFY2(db.problem().contains(QDir::toNativeSeparators(first.filePath(QStringLiteral("ip-country.mmdb")))),
            qPrintable(db.problem()));
        QVERIFY(db.problem().contains(QDir::toNativeSeparators(second.filePath(QStringLiteral("ip-country.mmdb")))));
        QCOMPARE(db.shortName(QStringLiteral("8.8.8.8")), QStringLiteral("-"));

        // A folder of that name is no database either.
        QVERIFY(QDir(first.path()).mkdir(QStringLiteral("ip-country.mmdb")));
        QVERIFY(!db.open());

        // The second folder serves when the first has none; registering again
        // finds a file that came later.
        installShipped(second.path());
        QVERIFY(db.open());
        QCOMPARE(db.path(), second.filePath(QStringLiteral("ip-country.mmdb")));
        QCOMPARE(db.shortName(QStringLiteral("8.8.8.8")), QStringLiteral("US"));
    }

    void firstFileFoundIsTheDatabase()
    {
        QTemporaryDir first;
        QTemporaryDir second;
        writeFile(first.filePath(QStringLiteral("ip-country.mmdb")), QByteArray("not a database"));
        installShipped(second.path());
        MmdbDatabase db({first.path(), second.path()});
        QVERIFY(!db.open());
        QVERIFY2(db.problem().contains(QDir::toNativeSeparators(first.filePath(QStringLiteral("ip-country.mmdb")))),
            qPrintable(db.problem()));
    }

    void truncatedFilesAreRefused_data()
    {
        QTest::addColumn<qsizetype>("length");
        const qsizetype size = shippedBytes().size();
        QVERIFY(size > 1000);
        for (qsizetype length : {qsizetype(0), qsizetype(1), qsizetype(100), size / 2, size - 200, size - 16, size - 1})
            QTest::addRow("%lld bytes", static_cast<long long>(length)) << length;
    }
    void truncatedFilesAreRefused()
    {
        QFETCH(qsizetype, length);
        for (const bool withDigest : {true, false}) {
            QTemporaryDir dir;
            installShipped(dir.path(), shippedBytes().left(length), withDigest);
            MmdbDatabase db({dir.path()});
            QVERIFY(!db.open());
            QVERIFY(db.problem().contains(QDir::toNativeSeparators(db.path())));
            QCOMPARE(db.shortName(QStringLiteral("8.8.8.8")), QStringLiteral("-"));
        }
    }

    // With its digest file beside it a damaged copy of the shipped database
    // is refused, whichever byte changed: never a wrong country.
    void byteFlippedCopiesNeverAnswerWrongly()
    {
        const QByteArray bytes = shippedBytes();
        QList<qsizetype> positions;
        for (int k = 0; k < 48; ++k)
            positions << bytes.size() * k / 48 + k;
        // Every byte of the metadata at the end, where the tree's size and
        // record width are kept.
        for (qsizetype p = bytes.size() - 200; p < bytes.size(); ++p)
            positions << p;
        QTemporaryDir dir;
        installShipped(dir.path());
        const QString file = dir.filePath(QStringLiteral("ip-country.mmdb"));
        for (const qsizetype p : std::as_const(positions)) {
            QByteArray damaged = bytes;
            damaged[p] = char(damaged[p] ^ 0x5A);
            writeFile(file, damaged);
            MmdbDatabase db({dir.path()});
            QVERIFY2(!db.open(), qPrintable(QStringLiteral("flip at %1 taken").arg(p)));
            QVERIFY(db.problem().contains(QDir::toNativeSeparators(file)));
            for (const KnownAddress &k : kKnown)
                QCOMPARE(db.shortName(QLatin1StringView(k.address)), QStringLiteral("-"));
        }
    }

    // Without the digest (a user's own file) a damaged database can answer
    // anything, but it must not bring the program down, and what it answers
    // is a code or "no country".
    void byteFlippedCopiesWithoutDigestDoNotCrash()
    {
        const QByteArray bytes = shippedBytes();
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("ip-country.mmdb"));
        const QStringList addresses = [] {
            QStringList list;
            for (quint32 a = 0x01000000, step = 0x00FFF1D3; list.size() < 400; a += step)
                list
                    << QStringLiteral("%1.%2.%3.%4").arg(a >> 24).arg((a >> 16) & 255).arg((a >> 8) & 255).arg(a & 255);
            return list;
        }();
        int opened = 0;
        for (int k = 0; k < 80; ++k) {
            QByteArray damaged = bytes;
            const qsizetype p = k < 60 ? bytes.size() * k / 60 : bytes.size() - 1 - (k - 60) * 7;
            damaged[p] = char(damaged[p] ^ 0xFF);
            writeFile(file, damaged);
            MmdbDatabase db({dir.path()});
            if (!db.open())
                continue;
            ++opened;
            for (const QString &a : addresses) {
                const QString code = db.shortName(a);
                QVERIFY2(code == u"-" || code == u"--" || (code.size() == 2 && !countryNameOfCode(code).isEmpty()),
                    qPrintable(code));
                db.longName(a);
            }
        }
        QVERIFY(opened > 0);
    }

    void databaseOfAnotherSizeIsTakenAsItIs()
    {
        // The digest describes the shipped file; one byte more makes it a
        // database the user put in, which the digest does not speak for.
        QTemporaryDir dir;
        installShipped(dir.path(), shippedBytes() + QByteArray(1, '\0'));
        MmdbDatabase db({dir.path()});
        QVERIFY2(db.open(), qPrintable(db.problem()));
        QCOMPARE(db.shortName(QStringLiteral("81.91.170.12")), QStringLiteral("DE"));
    }

    void databaseRenamedOverIsTakenUpAtTheNextRegistration()
    {
        QTemporaryDir dir;
        installShipped(dir.path());
        MmdbDatabase db({dir.path()});
        QVERIFY(db.open());
        const QString file = dir.filePath(QStringLiteral("ip-country.mmdb"));
        const QString replacement = dir.filePath(QStringLiteral("new.mmdb"));
        writeFile(replacement, shippedBytes().left(1000));
        QCOMPARE(std::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(file).constData()), 0);
        // The open file is the old one, whole, until the source opens again.
        QCOMPARE(db.shortName(QStringLiteral("8.8.8.8")), QStringLiteral("US"));
        QVERIFY(!db.open());
        QCOMPARE(db.shortName(QStringLiteral("8.8.8.8")), QStringLiteral("-"));
    }

    // ---- the window

    void conversionSelectsTheCountryInTheMainWindow_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("country");
        for (const KnownAddress &k : kKnown)
            QTest::newRow(k.address) << QString::fromLatin1(k.address) << k.country;
        // The window hands over the address trimmed.
        QTest::newRow("blanks around") << " 8.8.8.8 " << kUnitedStates;
    }
    void conversionSelectsTheCountryInTheMainWindow()
    {
        QFETCH(QString, address);
        QFETCH(int, country);
        IpWindow w;
        w.show();
        QCOMPARE(w.status(), QStringLiteral("waiting..."));
        w.convert(address);
        QCOMPARE(w.m.country(), country);
        QCOMPARE(w.m.text("cmbCountryCode"), w.m.box("cmbCountryCode")->itemText(country));
        QCOMPARE(w.status(), orbilex::properCase(qs(kCountryNames[std::size_t(country)])));
        QVERIFY(!w.statusRed());
        QVERIFY(!w.get<QTimer>("timIPLEr")->isActive());
        QVERIFY(!w.get<QTimer>("timIPLG")->isActive());
    }

    void typingAndEnter()
    {
        IpWindow w;
        w.show();
        QTest::keyClicks(w.address(), QStringLiteral("193.0.6.139"));
        QTest::keyClick(w.address(), Qt::Key_Return);
        QCOMPARE(w.m.country(), kNetherlands);
        // Typing stops at the length of the longest address.
        w.address()->clear();
        QTest::keyClicks(w.address(), QStringLiteral("255.255.255.2551234"));
        QCOMPARE(w.address()->text(), QStringLiteral("255.255.255.255"));
    }

    void noCountryShowsTheErrorForOneSecond_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("empty") << "";
        QTest::newRow("three parts") << "1.2.3";
        QTest::newRow("part over 255") << "256.1.1.1";
        QTest::newRow("five parts") << "1.2.3.4.5";
        QTest::newRow("letters") << "abc.def.ghi.jkl";
        QTest::newRow("private") << "10.0.0.1";
        QTest::newRow("documentation") << "192.0.2.1";
        // Written whole, as a paste writes it: cut to fifteen characters it
        // would read as the address 123.123.123.123.
        QTest::newRow("too long") << "123.123.123.1234";
        QTest::newRow("junk") << QString(10000, u'7');
    }
    void noCountryShowsTheErrorForOneSecond()
    {
        QFETCH(QString, address);
        IpWindow w;
        w.show();
        w.convert(address);
        QCOMPARE(w.status(), QStringLiteral(": ERROR :"));
        QVERIFY(w.statusRed());
        QCOMPARE(w.m.country(), 0);
        QCOMPARE(w.address()->selectedText(), address);
        QTimer *timer = w.get<QTimer>("timIPLEr");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        timer->setInterval(5);
        QTRY_COMPARE(w.status(), QStringLiteral("waiting..."));
        QVERIFY(!w.statusRed());
        QVERIFY(!timer->isActive());
    }

    void pastedJunkIsJudgedWhole()
    {
        IpWindow w;
        w.show();
        QGuiApplication::clipboard()->setText(QStringLiteral("8.8.8.8") + QString(10000, u'x'));
        w.get<QPushButton>("cmdPaste")->click();
        QCOMPARE(w.address()->text().size(), 10007);
        QCOMPARE(w.status(), QStringLiteral(": ERROR :"));
        QCOMPARE(w.m.country(), 0);
    }

    void sourceSpeakingOfUKAndInCapitals()
    {
        auto fake = std::make_unique<FakeSource>();
        FakeSource *source = fake.get();
        source->code = QStringLiteral("UK");
        source->name = QStringLiteral("UNITED KINGDOM OF GREAT BRITAIN AND NORTHERN IRELAND");
        IpWindow w(std::move(fake), false);
        w.show();
        w.convert(QStringLiteral("  1.2.3.4  "));
        QCOMPARE(source->asked, QStringList {QStringLiteral("1.2.3.4")});
        QCOMPARE(w.m.country(), kUnitedKingdom);
        QCOMPARE(w.m.text("cmbCountryCode"), QStringLiteral("GB"));
        QCOMPARE(w.status(), QStringLiteral("United Kingdom Of Great Britain And Northern Ireland"));

        source->code = QStringLiteral("--");
        w.convert(QStringLiteral("1.2.3.4"));
        QCOMPARE(w.status(), QStringLiteral(": ERROR :"));
        QCOMPARE(w.m.country(), kUnitedKingdom);
    }

    void registrationIsTriedOnceThenTheFileIsNamed()
    {
        auto fake = std::make_unique<FakeSource>();
        FakeSource *source = fake.get();
        source->opens = false;
        source->code = QStringLiteral("DE");
        IpWindow w(std::move(fake), false);
        w.show();
        w.convert(QStringLiteral("81.91.170.12"));
        QCOMPARE(source->openCalls, 1);
        QVERIFY(source->asked.isEmpty());
        QVERIFY2(w.status().contains(QStringLiteral("/nowhere/ip-country.mmdb")), qPrintable(w.status()));
        QVERIFY(w.statusRed());
        QCOMPARE(w.m.country(), 0);

        // A registration that works ends like any conversion.
        source->opens = true;
        w.convert(QStringLiteral("81.91.170.12"));
        QCOMPARE(source->openCalls, 2);
        QCOMPARE(w.m.country(), kGermany);
        w.convert(QStringLiteral("81.91.170.12"));
        QCOMPARE(source->openCalls, 2);
    }

    void missingOrDamagedDatabaseInTheWindow()
    {
        IpWindow w(nullptr, false);
        w.show();
        const QString file = QDir::toNativeSeparators(w.m.te.file(QStringLiteral("ip-country.mmdb")));
        w.convert(QStringLiteral("8.8.8.8"));
        QVERIFY2(w.status().contains(file), qPrintable(w.status()));
        QVERIFY(w.status().contains(QStringLiteral("not found")));
        QCOMPARE(w.m.country(), 0);

        QByteArray damaged = shippedBytes();
        damaged[damaged.size() / 3] = char(damaged[damaged.size() / 3] ^ 1);
        installShipped(w.m.te.folder.path(), damaged);
        w.convert(QStringLiteral("8.8.8.8"));
        QVERIFY2(w.status().contains(file), qPrintable(w.status()));
        QVERIFY(w.status().contains(QStringLiteral("damaged")));
        QCOMPARE(w.m.country(), 0);
        // The whole message fits in the window.
        auto *label = w.get<QLabel>("lblIPLG");
        QTRY_VERIFY(label->height() >= label->heightForWidth(label->width()));
    }

    // The file changed under the open database the ways a user or an update
    // changes it: copied over in place (which cuts it first), emptied, filled
    // with noise, deleted, or a broken file renamed over it. The next
    // conversion names the file; nothing brings the program down, and the
    // file copied back is taken up again.
    void databaseChangedWhileTheWindowHoldsIt_data()
    {
        QTest::addColumn<QString>("change");
        for (const char *change : {"cut to a third", "cut to nothing", "noise", "deleted", "renamed over"})
            QTest::newRow(change) << change;
    }
    void databaseChangedWhileTheWindowHoldsIt()
    {
        QFETCH(QString, change);
        IpWindow w;
        w.show();
        w.convert(QStringLiteral("8.8.8.8"));
        QCOMPARE(w.m.country(), kUnitedStates);

        const QString file = w.m.te.file(QStringLiteral("ip-country.mmdb"));
        const QByteArray bytes = shippedBytes();
        if (change == u"cut to a third") {
            QVERIFY(QFile::resize(file, bytes.size() / 3));
        } else if (change == u"cut to nothing") {
            QVERIFY(QFile::resize(file, 0));
        } else if (change == u"noise") {
            QByteArray noise(bytes.size(), Qt::Uninitialized);
            for (qsizetype i = 0; i < noise.size(); ++i)
                noise[i] = char((quint64(i) * 2654435761u) >> 13);
            writeFile(file, noise);
        } else if (change == u"deleted") {
            QVERIFY(QFile::remove(file));
        } else {
            const QString replacement = w.m.te.file(QStringLiteral("new.mmdb"));
            writeFile(replacement, bytes.left(bytes.size() / 2));
            QCOMPARE(std::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(file).constData()), 0);
        }
        w.convert(QStringLiteral("81.91.170.12"));
        QCOMPARE(w.m.country(), kUnitedStates);
        QVERIFY2(w.status().contains(QDir::toNativeSeparators(file)), qPrintable(w.status()));
        QVERIFY(w.statusRed());

        writeFile(file, bytes);
        w.convert(QStringLiteral("133.11.0.1"));
        QCOMPARE(w.m.country(), kJapan);
    }

    void autoHideClosesAndRestoresTheMainWindow()
    {
        IpWindow w;
        w.m.window->show();
        w.m.window->showMinimized();
        settle();
        w.show();
        w.get<QCheckBox>("chkAuto")->setChecked(true);
        QTimer *timer = w.get<QTimer>("timIPLG");
        timer->setInterval(5);

        // No country: nothing to hide for.
        w.convert(QStringLiteral("10.0.0.1"));
        QVERIFY(!timer->isActive());

        w.convert(QStringLiteral("133.11.0.1"));
        QVERIFY(timer->isActive());
        QTRY_VERIFY(!w.ip->isVisible());
        QVERIFY(!timer->isActive());
        QVERIFY(w.m.window->isVisible());
        QVERIFY(!w.m.window->isMinimized());
        QCOMPARE(w.m.country(), kJapan);
        QCOMPARE(w.m.te.setting("AutoHide"), QStringLiteral("1"));
    }

    void uncheckingAutoHideInThatSecondKeepsTheWindow()
    {
        IpWindow w;
        w.m.window->show();
        w.m.window->hideToTray();
        settle();
        w.show();
        auto *autoHide = w.get<QCheckBox>("chkAuto");
        autoHide->setChecked(true);
        QTimer *timer = w.get<QTimer>("timIPLG");
        timer->setInterval(5);
        w.convert(QStringLiteral("81.91.170.12"));
        autoHide->setChecked(false);
        QTRY_VERIFY(!timer->isActive());
        QVERIFY(w.ip->isVisible());
        QVERIFY(w.m.window->isVisible());
        QVERIFY(!w.m.window->isMinimized());
    }

    void clipboardAtLoad_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("country");
        QTest::newRow("three-digit first part") << "193.0.6.139"
                                                << "Netherlands" << kNetherlands;
        QTest::newRow("two-digit first part") << "81.91.170.12"
                                              << "Germany" << kGermany;
        QTest::newRow("one-digit first part") << "9.100.1.1"
                                              << "waiting..." << 0;
        QTest::newRow("words") << "hello world"
                               << "waiting..." << 0;
        QTest::newRow("text with a dot there") << "ab.cd"
                                               << ": ERROR :" << 0;
    }
    void clipboardAtLoad()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, status);
        QFETCH(int, country);
        IpWindow w;
        QGuiApplication::clipboard()->setText(clipboard);
        w.load();
        QCOMPARE(w.status(), status);
        QCOMPARE(w.m.country(), country);
        QCOMPARE(w.address()->text(), status == u"waiting..." ? QString() : clipboard);
    }

    void showingAgainAfterCloseLoadsAgain()
    {
        IpWindow w;
        w.show();
        w.ip->close();
        QVERIFY(!w.ip->isLoaded());
        QGuiApplication::clipboard()->setText(QStringLiteral("133.11.0.1"));
        w.show();
        QVERIFY(w.ip->isLoaded());
        QCOMPARE(w.m.country(), kJapan);
        // Showing an open window again is no new load.
        QGuiApplication::clipboard()->setText(QStringLiteral("193.0.6.139"));
        w.show();
        QCOMPARE(w.m.country(), kJapan);
    }

    void settingsPlaceTheWindowAndAreSavedOnClose()
    {
        IpWindow w;
        w.m.te.setSetting("Left_IPL", QStringLiteral("1500"));
        w.m.te.setSetting("Top_IPL", QStringLiteral("3000"));
        w.m.te.setSetting("AutoHide", QStringLiteral("1"));
        w.show();
        QCOMPARE(w.ip->pos(), QPoint(100, 200));
        QVERIFY(w.get<QCheckBox>("chkAuto")->isChecked());

        w.ip->move(150, 60);
        w.get<QCheckBox>("chkAuto")->setChecked(false);
        QTest::keyClick(w.address(), Qt::Key_Escape);
        QVERIFY(!w.ip->isVisible());
        QCOMPARE(w.m.te.setting("Left_IPL"), QStringLiteral("2250"));
        QCOMPARE(w.m.te.setting("Top_IPL"), QStringLiteral("900"));
        QCOMPARE(w.m.te.setting("AutoHide"), QStringLiteral("0"));

        // Closed while minimised: all three stay as they were.
        w.show();
        w.ip->move(300, 300);
        w.get<QCheckBox>("chkAuto")->setChecked(true);
        w.ip->showMinimized();
        w.ip->close();
        QCOMPARE(w.m.te.setting("Left_IPL"), QStringLiteral("2250"));
        QCOMPARE(w.m.te.setting("Top_IPL"), QStringLiteral("900"));
        QCOMPARE(w.m.te.setting("AutoHide"), QStringLiteral("0"));
    }

    // A missing "AutoHide" reads as "0": each load shows the stored choice,
    // never what the box held before the window was closed.
    void missingAutoHideReadsAsUnticked()
    {
        IpWindow w;
        w.show();
        auto *autoHide = w.get<QCheckBox>("chkAuto");
        autoHide->setChecked(true);
        // Closed minimised, so nothing is stored.
        w.ip->showMinimized();
        w.ip->close();
        QVERIFY(w.m.te.setting("AutoHide").isEmpty());
        w.show();
        QVERIFY(!autoHide->isChecked());
    }

    void unreadableSettingsLeaveTheWindowWhereItIs()
    {
        IpWindow plain;
        const QPoint placed = plain.load()->pos();
        IpWindow w;
        w.m.te.setSetting("Left_IPL", QStringLiteral("left"));
        w.m.te.setSetting("Top_IPL", QStringLiteral("3000"));
        w.m.te.setSetting("AutoHide", QStringLiteral("yes"));
        w.load();
        QCOMPARE(w.ip->pos(), QPoint(placed.x(), 200));
        QVERIFY(!w.get<QCheckBox>("chkAuto")->isChecked());
    }

    void copyTakesTheTrimmedAddress()
    {
        IpWindow w;
        w.show();
        w.address()->setText(QStringLiteral("  193.0.6.139 "));
        w.get<QPushButton>("cmdCopy")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("193.0.6.139"));
        QCOMPARE(w.status(), QStringLiteral("waiting..."));
    }
};

QTEST_MAIN(TestIpToCountry)
#include "tst_iptocountry.moc"
