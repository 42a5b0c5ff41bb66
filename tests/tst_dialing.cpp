#include "data/countries.h"
#include "data/dialing.h"
#include "data/records.h"

#include <QTest>

#include <algorithm>
#include <set>
#include <span>
#include <string>

using namespace orbilex;

namespace {

std::span<const std::string_view> sharersOf(const DialingEntry &entry)
{
    return std::span(entry.sharers).first(std::size_t(entry.sharerCount));
}

} // namespace

class TestDialing : public QObject
{
    Q_OBJECT
private slots:
    void kindsAndCounts()
    {
        int single = 0, shared = 0, none = 0;
        for (const DialingEntry &e : kDialingIndex) {
            switch (e.kind) {
            case DialingKind::Single:
                ++single;
                QCOMPARE(e.sharerCount, 0);
                QVERIFY(countryIndexByName(e.primary));
                break;
            case DialingKind::Shared:
                ++shared;
                QVERIFY(e.sharerCount >= 2);
                break;
            case DialingKind::None:
                ++none;
                QCOMPARE(e.code, std::string_view("0"));
                break;
            }
        }
        QCOMPARE(single, 212);
        QCOMPARE(shared, 14);
        QCOMPARE(none, 1);
        std::set<std::string_view> codes;
        for (const DialingEntry &e : kDialingIndex)
            QVERIFY2(codes.insert(e.code).second, std::string(e.code).c_str());
    }

    void sharedCodesKeepTheirOwnOrder_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("primary");
        QTest::addColumn<QStringList>("list");
        QTest::newRow("1") << "1"
                           << "United States" << QStringList {"United States", "Canada", "Navassa Island"};
        QTest::newRow("7") << "7"
                           << "Russia" << QStringList {"Kazakhstan", "Russia"};
        QTest::newRow("44") << "44"
                            << "United Kingdom" << QStringList {"United Kingdom", "Guernsey", "Jersey", "Man, Isle of"};
        QTest::newRow("378") << "378"
                             << "San Marino" << QStringList {"San Marino", "Jan Mayen", "Svalbard"};
        QTest::newRow("596") << "596"
                             << "Martinique" << QStringList {"French Southern and Antarctic Lands", "Martinique"};
        QTest::newRow("682") << "682"
                             << "Howland Island" << QStringList {"Cook Islands", "Howland Island"};
        QTest::newRow("692") << "692"
                             << "Heard and McDonald Islands"
                             << QStringList {"Marshall Islands", "Heard and McDonald Islands"};
        QTest::newRow("970") << "970"
                             << "Palestinian Territory"
                             << QStringList {"Gaza Strip", "West Bank", "Palestinian Territory"};
    }
    void sharedCodesKeepTheirOwnOrder()
    {
        QFETCH(QString, code);
        QFETCH(QString, primary);
        QFETCH(QStringList, list);
        const DialingEntry *e = findDialingEntry(code.toStdString());
        QVERIFY(e);
        QCOMPARE(e->kind, DialingKind::Shared);
        QCOMPARE(QString::fromUtf8(e->primary.data(), qsizetype(e->primary.size())), primary);
        QStringList actual;
        for (std::string_view s : sharersOf(*e))
            actual << QString::fromUtf8(s.data(), qsizetype(s.size()));
        QCOMPARE(actual, list);
    }

    void lookupReadsTheTextAsANumber()
    {
        QCOMPARE(findDialingEntry("093")->primary, std::string_view("Afghanistan"));
        QCOMPARE(findDialingEntry("856")->primary, std::string_view("Laos"));
        QCOMPARE(findDialingEntry("1242")->primary, std::string_view("Bahamas"));
        QCOMPARE(findDialingEntry("000")->kind, DialingKind::None);
        QVERIFY(!findDialingEntry("12"));
        QVERIFY(!findDialingEntry("124"));
        QVERIFY(!findDialingEntry(""));
        QVERIFY(!findDialingEntry("abc"));
        QVERIFY(!findDialingEntry("4 4"));
        QVERIFY(!findDialingEntry("-44"));
        QVERIFY(!findDialingEntry("+44"));
        QVERIFY(!findDialingEntry(std::string(5000, '9')));
        QCOMPARE(findDialingEntry(std::string(5000, '0') + "49")->primary, std::string_view("Germany"));
    }

    void everyRecordOwnsAnIndexEntryNamingIt()
    {
        for (int i = 0; i < kCountryCount; ++i) {
            const std::string_view code = kRecords[std::size_t(i)].dialingCode;
            const DialingEntry *e = findDialingEntry(code);
            QVERIFY2(e && e->code == code, std::string(kCountryNames[std::size_t(i)]).c_str());
            if (e->kind == DialingKind::Single)
                QCOMPARE(countryIndexByName(e->primary), std::optional<int>(i));
            if (e->kind == DialingKind::Shared) {
                const auto sharers = sharersOf(*e);
                QVERIFY(std::ranges::find(sharers, kCountryNames[std::size_t(i)]) != sharers.end());
            }
        }
        // ... and the other way round: every name of the index is a record holding that code.
        for (const DialingEntry &e : kDialingIndex) {
            std::vector<std::string_view> named(sharersOf(e).begin(), sharersOf(e).end());
            if (e.kind == DialingKind::Single)
                named.push_back(e.primary);
            for (std::string_view name : named) {
                const auto i = countryIndexByName(name);
                QVERIFY2(i, std::string(name).c_str());
                QCOMPARE(kRecords[std::size_t(*i)].dialingCode, e.code);
            }
        }
    }

    void placesWithoutACodeOfTheirOwn()
    {
        QStringList zero;
        for (int i = 0; i < kCountryCount; ++i)
            if (kRecords[std::size_t(i)].dialingCode == "0")
                zero << QString::fromUtf8(kCountryNames[std::size_t(i)].data());
        QCOMPARE(zero,
            (QStringList {"Baker Island", "Jarvis Island", "Johnston Atoll", "Kingman Reef", "Palmyra Atoll",
                "Pitcairn Island", "South Georgia"}));
    }

    void dropDownOffersTheCodesInTextOrder()
    {
        QVERIFY(std::ranges::is_sorted(kDialingCodes));
        QVERIFY(std::ranges::adjacent_find(kDialingCodes) == kDialingCodes.end());
        std::set<std::string_view> expected;
        for (const DialingEntry &e : kDialingIndex)
            if (e.code != "0" && e.code != "856")
                expected.insert(e.code);
        QCOMPARE(std::set<std::string_view>(kDialingCodes.begin(), kDialingCodes.end()), expected);
        QCOMPARE(kDialingCodes[0], std::string_view("1"));
        QCOMPARE(kDialingCodes[1], std::string_view("1242"));
        QCOMPARE(kDialingCodes[22], std::string_view("20"));
        QCOMPARE(kDialingCodes[23], std::string_view("212"));
        QCOMPARE(kDialingCodes.back(), std::string_view("998"));
    }
};

QTEST_APPLESS_MAIN(TestDialing)
#include "tst_dialing.moc"
