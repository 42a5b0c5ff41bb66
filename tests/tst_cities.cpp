#include "data/cities.h"
#include "data/countries.h"

#include <QTest>

#include <map>
#include <set>

using namespace orbilex;

class TestCities : public QObject
{
    Q_OBJECT
private slots:
    void cityKindCounts()
    {
        std::map<CityKind, int> kinds;
        for (int i = 0; i < kCountryCount; ++i)
            ++kinds[cityKind(i)];
        QCOMPARE(kinds[CityKind::None], 134);
        QCOMPARE(kinds[CityKind::Own], 117);
        QCOMPARE(kinds[CityKind::UnitedKingdom], 1);
        QCOMPARE(kinds[CityKind::UnitedStates], 1);
        QCOMPARE(cityKind(237), CityKind::UnitedKingdom);
        QCOMPARE(cityKind(238), CityKind::UnitedStates);
        QVERIFY(ownCityLines(237).empty());
        QVERIFY(ownCityLines(238).empty());
        QVERIFY(ownCityLines(-1).empty());
        QVERIFY(ownCityLines(kCountryCount).empty());
        QCOMPARE(ownCityLines(81).size(), std::size_t(6));
        QCOMPARE(
            ownCityLines(81).front().text, std::string_view("* Berlin  30                  52° 27' N     13° 18' E"));
    }

    void longListsInStoredOrder()
    {
        QCOMPARE(kUnitedKingdomCities.front(), std::string_view("Belfast  28                54° 36' N      5° 55' W"));
        QCOMPARE(kUnitedKingdomCities[8], std::string_view("* London  20                 51° 29' N      0° 0' W"));
        QCOMPARE(kUnitedKingdomCities.back(), std::string_view("Southampton  23"));
        QCOMPARE(kUnitedStatesCities.front(), std::string_view("Alaska  907"));
        QCOMPARE(kUnitedStatesCities[55], std::string_view("Montana 406"));
        QCOMPARE(kUnitedStatesCities[80], std::string_view("Seattle  206"));
        QCOMPARE(kUnitedStatesCities[81], std::string_view("Springfield  413"));
        QCOMPARE(kUnitedStatesCities[82], std::string_view("Saint Louis  314"));
        QCOMPARE(kUnitedStatesCities[83], std::string_view("Saint Paul  651"));
        QCOMPARE(kUnitedStatesCities[88], std::string_view("* Washington  202"));
        QCOMPARE(kUnitedStatesCities.back(), std::string_view("Youngstown  330"));
        // Alphabetical apart from the two Saint lines after Springfield.
        std::vector<std::string_view> rest(kUnitedStatesCities.begin(), kUnitedStatesCities.end());
        std::erase(rest, "Saint Louis  314");
        std::erase(rest, "Saint Paul  651");
        std::erase(rest, "* Washington  202");
        QCOMPARE(rest.size(), std::size_t(90));
        QVERIFY(std::ranges::is_sorted(rest));
    }

    void zoneTableMatchesWholeLines()
    {
        std::set<std::string_view> lines;
        for (const CityZone &z : kCityZones)
            QVERIFY2(lines.insert(z.line).second, std::string(z.line).c_str());
        // Every zone row names a line some list really shows.
        for (const CityZone &z : kCityZones) {
            const bool us = std::ranges::find(kUnitedStatesCities, z.line) != kUnitedStatesCities.end();
            const auto canada = ownCityLines(38);
            const bool ca = std::ranges::find(canada, z.line, &OwnCityLine::text) != canada.end();
            QVERIFY2(us != ca, std::string(z.line).c_str());
        }
        QCOMPARE(kCityZones.size(), std::size_t(43));
    }

    void cityRuleDeviation_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("gmt");
        QTest::newRow("Edmonton") << "Edmonton  403                  53° 34' N    113° 31' W"
                                  << "Canada"
                                  << "-08:00:00";
        QTest::newRow("Toronto") << "Toronto  416                   43° 41' N     79° 38' W"
                                 << "Canada"
                                 << "-05:00:00";
        QTest::newRow("Honolulu") << "Honolulu  808"
                                  << "United States"
                                  << "-10:00:00";
        QTest::newRow("Hawaii, in no row") << "Hawaii  808"
                                           << "United States"
                                           << "-05:00:00";
        QTest::newRow("Alaska") << "Alaska  907"
                                << "United States"
                                << "-09:00:00";
        QTest::newRow("Montana") << "Montana 406"
                                 << "United States"
                                 << "-05:00:00";
        QTest::newRow("Phoenix") << "Phoenix  602"
                                 << "United States"
                                 << "-07:00:00";
        QTest::newRow("Omaha") << "Omaha  402"
                               << "United States"
                               << "-06:00:00";
        QTest::newRow("London leaves it") << "* London  20                 51° 29' N      0° 0' W"
                                          << "United Kingdom"
                                          << "";
        QTest::newRow("Berlin leaves it") << "* Berlin  30                  52° 27' N     13° 18' E"
                                          << "Germany"
                                          << "";
        QTest::newRow("exact text only") << "honolulu  808"
                                         << "United States"
                                         << "-05:00:00";
        QTest::newRow("exact country only") << "Hawaii  808"
                                            << "united states"
                                            << "";
    }
    void cityRuleDeviation()
    {
        QFETCH(QString, line);
        QFETCH(QString, country);
        QFETCH(QString, gmt);
        const std::string l = line.toStdString(), c = country.toStdString();
        QCOMPARE(QString::fromUtf8(cityGmt(l, c).data(), qsizetype(cityGmt(l, c).size())), gmt);
    }
};

QTEST_APPLESS_MAIN(TestCities)
#include "tst_cities.moc"
