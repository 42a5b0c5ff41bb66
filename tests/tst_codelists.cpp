#include "data/codelists.h"
#include "data/records.h"
#include "data/text.h"

#include <QRegularExpression>
#include <QTest>

#include <map>
#include <set>

using namespace orbilex;

namespace {

QStringList columns(const CountryCodes &c)
{
    return {qs(c.alpha2), qs(c.alpha3), qs(c.tld), qs(c.fips), qs(c.ioc), qs(c.currency), qs(c.language), qs(c.sign)};
}

// The code boxes search like a list-box prefix search started at entry 0: entries 1 to the last first, entry 0
// last, letter case ignored. A shared code therefore lands on its first holder after Afghanistan.
template<typename Field> int firstPrefixMatch(Field field, const QString &typed)
{
    for (int step = 1; step <= kCountryCount; ++step) {
        const int i = step % kCountryCount;
        if (qs(kCodes[i].*field).startsWith(typed, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

// Countries holding each value of one column, placeholders left out.
template<typename Field> std::map<std::string_view, std::vector<int>> holders(Field field)
{
    std::map<std::string_view, std::vector<int>> result;
    for (int i = 0; i < kCountryCount; ++i) {
        const std::string_view value = kCodes[i].*field;
        if (value != "-" && value != ".-")
            result[value].push_back(i);
    }
    return result;
}

const std::vector<int> kMinorOutlyingIslands = {17, 99, 112, 114, 118, 149, 159, 175, 246};

} // namespace

class TestCodeLists : public QObject
{
    Q_OBJECT
private slots:
    void tellingRows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("expected");
        const auto row
            = [](int index, QStringList expected) { QTest::newRow(kCountryNames[index].data()) << index << expected; };
        row(0, {"AF", "AFG", ".af", "AF", "AFG", "AFA", "-", "AFG"});
        row(13, {"AT", "AUT", ".at", "AU", "AUT", "EUR", "DEA", "A"});
        row(17, {"UM", "UMI", ".um", "FQ", "UMI", "USD", "ENB", "-"});
        row(42, {"TD", "TCD", ".td", "CD", "CHA", "XAF", "-", "TCH/TD"});
        row(79, {"GZ", "-", ".-", "GZ", "-", "-", "-", "-"});
        row(110, {"SJ", "-", ".sj", "JN", "-", "-", "-", "-"});
        row(133, {"MO", "MAC", ".mo", "MC", "Mac", "MOP", "ZHM", "-"});
        row(176, {"PS", "PSE", ".ps", "GZ", "PLE", "-", "-", "-"});
        row(201, {"CS", "SCG", ".yu", "YI", "YUG", "YUG", "-", "SCG"});
        row(224, {"TL", "TLS", ".tp", "TT", "TLS", "TPE", "-", "-"});
        row(237, {"GB", "GBR", ".uk", "UK", "GBR", "GBP", "ENG", "GB"});
        row(238, {"US", "USA", ".us", "US", "USA", "USD", "ENU", "USA"});
        row(248, {"WE", "-", "-", "WE", "-", "-", "-", "-"});
        row(252, {"ZW", "ZWE", ".zw", "ZI", "ZIM", "ZWD", "ENW", "ZW"});
    }

    void tellingRows()
    {
        QFETCH(int, index);
        QFETCH(QStringList, expected);
        QCOMPARE(columns(kCodes[index]), expected);
    }

    void everyColumnKeepsItsForm_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("alpha-2") << 0 << "[A-Z]{2}";
        QTest::newRow("alpha-3") << 1 << "[A-Z]{3}|-";
        QTest::newRow("TLD") << 2 << "\\.[a-z]{2}|\\.-|-";
        QTest::newRow("FIPS") << 3 << "[A-Z]{2}";
        QTest::newRow("IOC") << 4 << "[A-Za-z]{3}|-";
        QTest::newRow("currency") << 5 << "[A-Z]{3}|-";
        QTest::newRow("language") << 6 << "[A-Z]{3}|-";
        QTest::newRow("sign") << 7 << "[A-Z]{1,3}(/[A-Z]{1,3})?|-";
    }

    void everyColumnKeepsItsForm()
    {
        QFETCH(int, column);
        QFETCH(QString, pattern);
        const QRegularExpression form(QRegularExpression::anchoredPattern(pattern));
        for (int i = 0; i < kCountryCount; ++i) {
            const QString value = columns(kCodes[i]).at(column);
            if (!form.match(value).hasMatch())
                QFAIL(qPrintable(QStringLiteral("%1 %2: \"%3\"").arg(i).arg(qs(kCountryNames[i]), value)));
        }
    }

    // The domain follows the alpha-2 code except where the mid-2000s delegation differed or none existed.
    void domainFollowsTheAlpha2Code()
    {
        const std::map<int, std::string_view> exceptions
            = {{79, ".-"}, {201, ".yu"}, {224, ".tp"}, {237, ".uk"}, {248, "-"}};
        for (int i = 0; i < kCountryCount; ++i) {
            const auto exception = exceptions.find(i);
            const QString expected
                = exception != exceptions.end() ? qs(exception->second) : "." + qs(kCodes[i].alpha2).toLower();
            QCOMPARE(qs(kCodes[i].tld), expected);
        }
    }

    void singleLetterSignsAreExactlyTheEighteen()
    {
        const std::map<QString, QString> expected = {
            {"A", "Austria"},
            {"B", "Belgium"},
            {"K", "Cambodia"},
            {"F", "France"},
            {"G", "Gabon"},
            {"D", "Germany"},
            {"V", "Holy See (Vatican City)"},
            {"H", "Hungary"},
            {"I", "Italy"},
            {"J", "Japan"},
            {"L", "Luxembourg"},
            {"M", "Malta"},
            {"N", "Norway"},
            {"P", "Portugal"},
            {"Q", "Qatar"},
            {"E", "Spain"},
            {"S", "Sweden"},
            {"T", "Thailand"},
        };
        std::map<QString, QString> found;
        for (int i = 0; i < kCountryCount; ++i) {
            const QString sign = qs(kCodes[i].sign);
            if (sign.size() == 1 && sign.at(0).isLetter())
                QVERIFY2(found.emplace(sign, qs(kCountryNames[i])).second, qPrintable(sign));
        }
        QCOMPARE(found, expected);
    }

    // Codes that several countries legitimately share; any other repeat is a slip that would make a typed code
    // select the wrong country.
    void sharedCodesAreOnlyTheKnownOnes()
    {
        const std::vector<int> gaza = {79, 176};
        const std::vector<int> svalbardAndJanMayen = {110, 215};

        auto check = [](const auto &byCode, const std::map<std::string_view, std::vector<int>> &allowed) {
            for (const auto &[code, indexes] : byCode) {
                if (indexes.size() < 2)
                    continue;
                const auto known = allowed.find(code);
                QVERIFY2(known != allowed.end(), qPrintable("shared without reason: " + qs(code)));
                QCOMPARE(indexes, known->second);
            }
            for (const auto &[code, indexes] : allowed)
                QCOMPARE(byCode.at(code), indexes);
        };
        check(holders(&CountryCodes::fips), {{"GZ", gaza}});
        check(holders(&CountryCodes::alpha2), {{"UM", kMinorOutlyingIslands}, {"SJ", svalbardAndJanMayen}});
        check(holders(&CountryCodes::tld), {{".um", kMinorOutlyingIslands}, {".sj", svalbardAndJanMayen}});
        check(holders(&CountryCodes::alpha3), {{"UMI", kMinorOutlyingIslands}});
        check(holders(&CountryCodes::ioc), {{"UMI", kMinorOutlyingIslands}});
        check(holders(&CountryCodes::sign), {});
    }

    void theMinorOutlyingIslandsDifferOnlyInFips()
    {
        for (int i : kMinorOutlyingIslands) {
            QStringList row = columns(kCodes[i]);
            QVERIFY(row.at(3) != "UM");
            row[3] = "FQ";
            QCOMPARE(row, columns(kCodes[17]));
        }
    }

    // A place without an ISO alpha-3 code has no ISO number either: both came from the same edition of the standard.
    void alpha3AndIsoNumberAreMissingTogether()
    {
        int missing = 0;
        for (int i = 0; i < kCountryCount; ++i) {
            QCOMPARE(kCodes[i].alpha3 == "-", kRecords[i].isoNumber == "-");
            missing += kCodes[i].alpha3 == "-";
        }
        QCOMPARE(missing, 6);
    }

    void typedCodeFindsTheFirstHolderAfterIndexZero()
    {
        QCOMPARE(firstPrefixMatch(&CountryCodes::alpha2, "AF"), 0);
        QCOMPARE(firstPrefixMatch(&CountryCodes::alpha2, "af"), 0);
        QCOMPARE(firstPrefixMatch(&CountryCodes::alpha2, "UM"), 17);
        QCOMPARE(firstPrefixMatch(&CountryCodes::currency, "EUR"), 4);
        QCOMPARE(firstPrefixMatch(&CountryCodes::currency, "USD"), 3);
        QCOMPARE(firstPrefixMatch(&CountryCodes::tld, ".uk"), 237);
        QCOMPARE(firstPrefixMatch(&CountryCodes::ioc, "MAC"), 133);
        QCOMPARE(firstPrefixMatch(&CountryCodes::fips, "GZ"), 79);
    }

    void signPrefixesLandOnTheirCountry()
    {
        QCOMPARE(firstPrefixMatch(&CountryCodes::sign, "RA"), 9);
        QCOMPARE(firstPrefixMatch(&CountryCodes::sign, "ra"), 9);
        QCOMPARE(firstPrefixMatch(&CountryCodes::sign, "TCH"), 42);
        // "D" alone must be resolved by the single-letter table: the prefix search reaches Algeria first.
        QCOMPARE(firstPrefixMatch(&CountryCodes::sign, "D"), 2);
        // "C" finds an entry, so only the single-letter table keeps it from selecting anything.
        QVERIFY(firstPrefixMatch(&CountryCodes::sign, "C") >= 0);
    }
};

QTEST_APPLESS_MAIN(TestCodeLists)
#include "tst_codelists.moc"
