#include "data/cities.h"
#include "data/codelists.h"
#include "data/countries.h"
#include "data/zones.h"
#include "time/tzclock.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

using namespace orbilex;

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QDateTime utcAt(int year, int month, int day, int hour, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

QLocale::Territory territoryOf(std::string_view alpha2)
{
    return QLocale::codeToTerritory(qs(alpha2));
}

QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

constexpr int kGermany = 81;
constexpr int kNepal = 160;
constexpr int kNewZealand = 164;
constexpr int kSamoa = 196;
constexpr int kAustralia = 12;
constexpr int kJapan = 111;
constexpr int kBouvetIsland = 29;

} // namespace

class TestTzClock : public QObject
{
    Q_OBJECT
private slots:
    void localTimeOfAPlace_data()
    {
        QTest::addColumn<int>("country");
        QTest::addColumn<QString>("cityLine");
        QTest::addColumn<QDateTime>("utc");
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("abbreviation");
        QTest::addColumn<bool>("dst");
        QTest::newRow("Nepal +05:45") << kNepal << "" << utcAt(2024, 1, 15, 12) << "2024-01-15 17:45:00"
                                      << "+05:45"
                                      << "+0545" << false;
        QTest::newRow("Samoa before the date line move")
            << kSamoa << "" << utcAt(2011, 12, 29, 12) << "2011-12-29 02:00:00"
            << "-10:00"
            << "-10" << true;
        QTest::newRow("Samoa after it, 30 Dec 2011 skipped")
            << kSamoa << "" << utcAt(2011, 12, 30, 12) << "2011-12-31 02:00:00"
            << "+14:00"
            << "+14" << true;
        QTest::newRow("Berlin a second before summer time")
            << kGermany << "" << utcAt(2026, 3, 29, 0, 59, 59) << "2026-03-29 01:59:59"
            << "+01:00"
            << "CET" << false;
        QTest::newRow("Berlin at summer time") << kGermany << "" << utcAt(2026, 3, 29, 1) << "2026-03-29 03:00:00"
                                               << "+02:00"
                                               << "CEST" << true;
        QTest::newRow("Sydney in January") << kAustralia << "Sydney  2                  33° 52' S    151° 13' E"
                                           << utcAt(2025, 1, 15, 0) << "2025-01-15 11:00:00"
                                           << "+11:00"
                                           << "AEDT" << true;
        QTest::newRow("Perth, no summer time")
            << kAustralia << "Perth  8" << utcAt(2025, 1, 15, 0) << "2025-01-15 08:00:00"
            << "+08:00"
            << "AWST" << false;
        QTest::newRow("Phoenix in July, no summer time")
            << kUnitedStatesIndex << "Phoenix  602" << utcAt(2025, 7, 1, 12) << "2025-07-01 05:00:00"
            << "-07:00"
            << "MST" << false;
        QTest::newRow("Denver in July") << kUnitedStatesIndex << "Denver  303" << utcAt(2025, 7, 1, 12)
                                        << "2025-07-01 06:00:00"
                                        << "-06:00"
                                        << "MDT" << true;
        QTest::newRow("Indianapolis in July")
            << kUnitedStatesIndex << "Indianapolis  317" << utcAt(2025, 7, 1, 12) << "2025-07-01 08:00:00"
            << "-04:00"
            << "EDT" << true;
        // Most of Indiana kept standard time all year until 2006.
        QTest::newRow("Indianapolis in July 2005")
            << kUnitedStatesIndex << "Indianapolis  317" << utcAt(2005, 7, 1, 12) << "2005-07-01 07:00:00"
            << "-05:00"
            << "EST" << false;
        QTest::newRow("Vancouver, not the capital's zone") << 38 << "Vancouver  604/778        49° 11' N    123° 10' W"
                                                           << utcAt(2025, 1, 15, 20) << "2025-01-15 12:00:00"
                                                           << "-08:00"
                                                           << "PST" << false;
        QTest::newRow("United Kingdom line")
            << kUnitedKingdomIndex << "Oxford  1865" << utcAt(2025, 7, 1, 12) << "2025-07-01 13:00:00"
            << "+01:00"
            << "BST" << true;
        QTest::newRow("unlisted line takes the country's zone")
            << kGermany << "Atlantis  1" << utcAt(2025, 1, 15, 12) << "2025-01-15 13:00:00"
            << "+01:00"
            << "CET" << false;
    }
    void localTimeOfAPlace()
    {
        QFETCH(int, country);
        QFETCH(QString, cityLine);
        QFETCH(QDateTime, utc);
        const auto time = zoneTime(placeZone(country, cityLine), utc);
        QVERIFY(time);
        QTEST(time->local.toString(u"yyyy-MM-dd HH:mm:ss"), "local");
        QTEST(time->offsetText, "offset");
        QTEST(time->abbreviation, "abbreviation");
        QTEST(time->daylightSaving, "dst");
    }

    void placeWithoutZone()
    {
        QVERIFY(placeZone(kBouvetIsland, u"").empty());
        QVERIFY(!noZoneReason(kBouvetIsland).empty());
        QVERIFY(noZoneReason(kNepal).empty());
        QVERIFY(!zoneTime(placeZone(kBouvetIsland, u""), utcAt(2025, 1, 1, 0)));
        QVERIFY(!zoneTime("Mars/Olympus_Mons", utcAt(2025, 1, 1, 0)));
        QVERIFY(!nextOffsetChange("", utcAt(2025, 1, 1, 0)));
        QVERIFY(placeZone(-1, u"").empty());
        QVERIFY(placeZone(kCountryCount, u"").empty());
    }

    void fieldText()
    {
        QCOMPARE(zoneTimeText(*zoneTime("Asia/Kathmandu", utcAt(2024, 1, 15, 12))), u"17:45:00 +05:45 +0545");
        QCOMPARE(zoneTimeText(*zoneTime("Europe/Berlin", utcAt(2025, 7, 1, 12))), u"14:00:00 +02:00 CEST DST");
        QCOMPARE(zoneTimeText(*zoneTime("America/Caracas", utcAt(2025, 7, 1, 12))), u"08:00:00 -04:00 -04");
    }

    // The country clock's faults the true time is there to show, at fixed instants.
    void differsFromTheCountryClock_data()
    {
        QTest::addColumn<int>("country");
        QTest::addColumn<QDateTime>("utc");
        QTest::addColumn<QString>("gmt");
        QTest::addColumn<bool>("differs");
        QTest::newRow("Nepal: no key for +05:45") << kNepal << utcAt(2025, 1, 15, 12) << "+05:45:00" << true;
        QTest::newRow("New Zealand summer: +13 has no key")
            << kNewZealand << utcAt(2025, 1, 15, 12) << "+13:00:00" << true;
        QTest::newRow("Germany, last days of March") << kGermany << utcAt(2026, 3, 30, 12) << "+01:00:00" << true;
        QTest::newRow("Germany in April") << kGermany << utcAt(2026, 4, 15, 12) << "+02:00:00" << false;
        QTest::newRow("Germany, last days of October") << kGermany << utcAt(2026, 10, 27, 12) << "+02:00:00" << true;
        QTest::newRow("Samoa since 2011") << kSamoa << utcAt(2025, 1, 15, 12) << "-11:00:00" << true;
        QTest::newRow("Japan") << kJapan << utcAt(2025, 7, 15, 12) << "+09:00:00" << false;
    }
    void differsFromTheCountryClock()
    {
        QFETCH(int, country);
        QFETCH(QDateTime, utc);
        const QString gmt = designGmt(country, u"", utc.date().month(), true);
        QTEST(gmt, "gmt");
        QTEST(differsFromDesign(*zoneTime(placeZone(country, u""), utc), gmt), "differs");
    }

    void designGmtFollowsCityAndSwitch()
    {
        QCOMPARE(designGmt(kUnitedStatesIndex, u"Phoenix  602", 7, false), u"-07:00:00");
        QCOMPARE(designGmt(kUnitedStatesIndex, u"Phoenix  602", 7, true), u"-06:00:00");
        QCOMPARE(designGmt(kGermany, u"", 7, false), u"+01:00:00");
        QVERIFY(differsFromDesign(*zoneTime("America/Phoenix", utcAt(2025, 7, 1, 12)), u"-06:00:00"));
        QVERIFY(differsFromDesign(*zoneTime("Europe/Berlin", utcAt(2025, 7, 1, 12)), u"-"));
    }

    void nextChange_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QDateTime>("utc");
        QTest::addColumn<QString>("text");
        QTest::newRow("Berlin in summer")
            << "Europe/Berlin" << utcAt(2026, 7, 15, 12) << "daylight saving ends 25 Oct 2026 03:00";
        QTest::newRow("Berlin in winter")
            << "Europe/Berlin" << utcAt(2026, 1, 15, 12) << "daylight saving begins 29 Mar 2026 02:00";
        QTest::newRow("Sydney in January")
            << "Australia/Sydney" << utcAt(2026, 1, 15, 12) << "daylight saving ends 5 Apr 2026 03:00";
        QTest::newRow("Samoa's date line move")
            << "Pacific/Apia" << utcAt(2011, 10, 1, 0) << "offset changes to +14:00 30 Dec 2011 00:00";
        QTest::newRow("Phoenix: none") << "America/Phoenix" << utcAt(2025, 7, 1, 12) << "";
        QTest::newRow("Nepal: none") << "Asia/Kathmandu" << utcAt(2025, 7, 1, 12) << "";
    }
    void nextChange()
    {
        QFETCH(QString, zone);
        QFETCH(QDateTime, utc);
        const QByteArray id = zone.toUtf8();
        const auto change = nextOffsetChange(std::string_view(id.constData(), std::size_t(id.size())), utc);
        QTEST(change ? offsetChangeText(*change) : QString(), "text");
    }

    void databaseVersionAndAge()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QCOMPARE(tzDatabaseVersion(dir.path()), QString());
        QFile file(dir.filePath(QStringLiteral("tzdata.zi")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("# version 2024a\n# Rule...\n");
        file.close();
        QCOMPARE(tzDatabaseVersion(dir.path()), u"2024a");

        QVERIFY(!tzDatabaseOlderThanAYear(u"2024a", QDate(2025, 7, 1)));
        QVERIFY(tzDatabaseOlderThanAYear(u"2024a", QDate(2025, 7, 2)));
        QVERIFY(!tzDatabaseOlderThanAYear(u"", QDate(2040, 1, 1)));
        QVERIFY(!tzDatabaseOlderThanAYear(u"unknown", QDate(2040, 1, 1)));

        const QString fresh = zoneToolTip("Europe/Berlin", utcAt(2026, 7, 15, 12), u"2026a", QDate(2026, 7, 15));
        QCOMPARE(fresh, u"Europe/Berlin, tz database 2026a\ndaylight saving ends 25 Oct 2026 03:00");
        const QString stale = zoneToolTip("Asia/Kathmandu", utcAt(2026, 7, 15, 12), u"2025a", QDate(2026, 7, 15));
        QVERIFY(stale.startsWith(u"Asia/Kathmandu, tz database 2025a\nThe time-zone database is more than a year old"));
    }

    // A wrong id shows as a zone of another country, or as none at all on this machine.
    void everyPlaceHasAZoneOfItsOwnCountry()
    {
        // Rows that are no ISO entry today show the zone of the entry that followed them; their other zones lie in
        // the other successors (Montenegro, Sint Maarten, Bonaire).
        const QHash<int, QLocale::Territory> successor = {
            {79, QLocale::PalestinianTerritories},
            {248, QLocale::PalestinianTerritories},
            {201, QLocale::Serbia},
            {162, QLocale::Curacao},
        };
        const QDateTime winter = utcAt(2025, 1, 15, 12);
        const QDateTime summer = utcAt(2025, 7, 15, 12);
        int withoutZone = 0;
        int differsWinter = 0;
        int differsSummer = 0;
        for (int country = 0; country < kCountryCount; ++country) {
            const auto zones = countryZones(country);
            const QByteArray name = bytes(kCountryNames[std::size_t(country)]);
            if (zones.empty()) {
                ++withoutZone;
                continue;
            }
            const QLocale::Territory territory
                = successor.value(country, territoryOf(kCodes[std::size_t(country)].alpha2));
            QVERIFY2(territory != QLocale::AnyTerritory, name.constData());
            for (std::string_view id : zones) {
                const QTimeZone zone(bytes(id));
                QVERIFY2(zone.isValid(), (name + ": " + bytes(id)).constData());
                if (id == zones.front() || !successor.contains(country))
                    QVERIFY2(zone.territory() == territory, (name + ": " + bytes(id)).constData());
            }
            const std::string_view shown = placeZone(country, u"");
            QCOMPARE(shown, zones.front());
            const QTimeZone zone(bytes(shown));
            for (const QDateTime &at : {winter, summer}) {
                const auto time = zoneTime(shown, at);
                QVERIFY2(time, name.constData());
                QCOMPARE(time->offsetSeconds, zone.offsetFromUtc(at));
            }
            differsWinter += differsFromDesign(*zoneTime(shown, winter), designGmt(country, u"", 1, true));
            differsSummer += differsFromDesign(*zoneTime(shown, summer), designGmt(country, u"", 7, true));
        }
        QCOMPARE(withoutZone, 10);
        qDebug("country clock differs from the true time: %d of %d records on 15 Jan 2025, %d on 15 Jul 2025",
            differsWinter, kCountryCount - withoutZone, differsSummer);
    }

    // Each city line's zone lies in its own country, and the table holds every listed line.
    void everyCityLineHasAZoneOfItsCountry()
    {
        auto check = [](std::string_view line, int country) {
            const std::string_view id = cityLineZone(line);
            const QTimeZone zone(bytes(id));
            QVERIFY2(zone.isValid(), bytes(line).constData());
            const QTimeZone countryZone(bytes(countryZones(country).front()));
            QVERIFY2(zone.territory() == countryZone.territory(), (bytes(line) + ": " + bytes(id)).constData());
        };
        for (std::string_view line : kUnitedKingdomCities)
            check(line, kUnitedKingdomIndex);
        for (std::string_view line : kUnitedStatesCities)
            check(line, kUnitedStatesIndex);
        for (const OwnCityLine &line : kOwnCityLines)
            check(line.text, line.country);
        QCOMPARE(
            kCityLineZones.size(), kUnitedKingdomCities.size() + kUnitedStatesCities.size() + kOwnCityLines.size());
    }
};

QTEST_GUILESS_MAIN(TestTzClock)
#include "tst_tzclock.moc"
