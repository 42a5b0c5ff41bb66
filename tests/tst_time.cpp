#include "data/countries.h"
#include "data/records.h"
#include "data/text.h"
#include "time/dst.h"
#include "time/gmt.h"

#include <QTest>

#include <set>

using namespace orbilex;

namespace {

// Reads a full "±hh:mm:ss" deviation as minutes, independently of the clock's
// key table, so that the rule table can be checked against the records even
// where the clock itself has no key (Tonga's +13).
std::optional<int> parsedMinutes(QStringView text)
{
    if (text.size() != 9 || (text[0] != u'+' && text[0] != u'-') || text[3] != u':' || text[6] != u':')
        return std::nullopt;
    bool hoursOk = false;
    bool minutesOk = false;
    const int hours = text.sliced(1, 2).toInt(&hoursOk);
    const int minutes = text.sliced(4, 2).toInt(&minutesOk);
    if (!hoursOk || !minutesOk)
        return std::nullopt;
    return (text[0] == u'-' ? -1 : 1) * (hours * 60 + minutes);
}

int timeOfDay(int minutes)
{
    return ((minutes % 1440) + 1440) % 1440;
}

} // namespace

class TestTime : public QObject
{
    Q_OBJECT
private slots:
    void deviationReadsSignHoursAndMinutesOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("known");
        QTest::addColumn<int>("minutes");
        QTest::newRow("+04:30") << "+04:30:00" << true << 270;
        QTest::newRow("-03:30") << "-03:30:00" << true << -210;
        QTest::newRow("+00:00") << "+00:00:00" << true << 0;
        QTest::newRow("seconds ignored") << "+05:30:45" << true << 330;
        QTest::newRow("-05:30") << "-05:30:00" << true << -330;
        QTest::newRow("-00:30") << "-00:30:00" << true << -30;
        QTest::newRow("+12:00") << "+12:00:00" << true << 720;
        QTest::newRow("-12:00") << "-12:00:00" << true << -720;
        QTest::newRow("six characters only") << "+02:00" << true << 120;
        QTest::newRow("trailing text") << "+03:00 abc" << true << 180;
        QTest::newRow("+05:45") << "+05:45:00" << false << 0;
        QTest::newRow("+02:30") << "+02:30:00" << false << 0;
        QTest::newRow("+13:00") << "+13:00:00" << false << 0;
        QTest::newRow("+12:30") << "+12:30:00" << false << 0;
        QTest::newRow("-12:30") << "-12:30:00" << false << 0;
        QTest::newRow("unknown mark") << "-" << false << 0;
        QTest::newRow("no sign") << "05:00:00" << false << 0;
        QTest::newRow("negative zero") << "-00:00:00" << false << 0;
        QTest::newRow("five characters") << "+04:3" << false << 0;
        QTest::newRow("leading blank") << " +04:30:00" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
    }
    void deviationReadsSignHoursAndMinutesOnly()
    {
        QFETCH(QString, text);
        QFETCH(bool, known);
        QFETCH(int, minutes);
        const std::optional<int> result = deviationMinutes(text);
        QCOMPARE(result.has_value(), known);
        if (known)
            QCOMPARE(*result, minutes);
    }

    // Every half hour from -12:00 to +12:00 except +02:30, and nothing else of the same shape.
    void exactlyTheFortyEightHalfHoursAreKeys()
    {
        std::set<int> accepted;
        for (const QChar sign : {u'+', u'-'}) {
            for (int hours = 0; hours < 100; ++hours) {
                for (int minutes = 0; minutes < 100; ++minutes) {
                    const QString key = QStringLiteral("%1%2:%3")
                                            .arg(sign)
                                            .arg(hours, 2, 10, QChar(u'0'))
                                            .arg(minutes, 2, 10, QChar(u'0'));
                    const std::optional<int> result = deviationMinutes(key);
                    if (!result)
                        continue;
                    const int expected = (sign == u'-' ? -1 : 1) * (hours * 60 + minutes);
                    QCOMPARE(*result, expected);
                    QVERIFY2(accepted.insert(expected).second, qPrintable(key));
                }
            }
        }
        std::set<int> halfHours;
        for (int minutes = -720; minutes <= 720; minutes += 30) {
            if (minutes != 150)
                halfHours.insert(minutes);
        }
        QCOMPARE(accepted.size(), std::size_t(48));
        QVERIFY(accepted == halfHours);
    }

    void countryTimeWrapsAroundMidnight_data()
    {
        QTest::addColumn<QTime>("utc");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("expected");
        QTest::newRow("past midnight") << QTime(21, 45, 10) << 270 << "02:15:10";
        QTest::newRow("back before midnight") << QTime(1, 10, 0) << -210 << "21:40:00";
        QTest::newRow("no offset") << QTime(7, 5, 9) << 0 << "07:05:09";
        QTest::newRow("+12 at the last second") << QTime(23, 59, 59) << 720 << "11:59:59";
        QTest::newRow("-12 at midnight") << QTime(0, 0, 0) << -720 << "12:00:00";
        QTest::newRow("to midnight exactly") << QTime(23, 30, 0) << 30 << "00:00:00";
        QTest::newRow("several days") << QTime(10, 0, 0) << 3 * 1440 + 30 << "10:30:00";
        QTest::newRow("several days back") << QTime(10, 0, 0) << -3 * 1440 - 30 << "09:30:00";
        QTest::newRow("milliseconds dropped") << QTime(8, 0, 0, 999) << 60 << "09:00:00";
    }
    void countryTimeWrapsAroundMidnight()
    {
        QFETCH(QTime, utc);
        QFETCH(int, minutes);
        QFETCH(QString, expected);
        QCOMPARE(countryTimeText(utc, minutes), expected);
    }

    void deviationSecondsDoNotReachTheClock()
    {
        const std::optional<int> minutes = deviationMinutes(u"+05:30:45");
        QVERIFY(minutes);
        QCOMPARE(countryTimeText(QTime(0, 0, 0), *minutes), QStringLiteral("05:30:00"));
    }

    void clockIsTwentyFourHour()
    {
        QCOMPARE(clockText(QTime(7, 5, 9)), QStringLiteral("07:05:09"));
        QCOMPARE(clockText(QTime(23, 0, 0)), QStringLiteral("23:00:00"));
        QCOMPARE(clockText(QTime(0, 0, 0)), QStringLiteral("00:00:00"));
        QCOMPARE(clockText(QTime(12, 59, 59, 999)), QStringLiteral("12:59:59"));
    }

    void seasonLiesStrictlyBetweenItsMonths()
    {
        auto monthsInForce = [](int start, int end) {
            std::set<int> months;
            for (int m = 1; m <= 12; ++m) {
                if (ruleInForce(start, end, m))
                    months.insert(m);
            }
            return months;
        };
        QVERIFY(monthsInForce(3, 11) == (std::set<int> {4, 5, 6, 7, 8, 9, 10}));
        QVERIFY(monthsInForce(4, 10) == (std::set<int> {5, 6, 7, 8, 9}));
        QVERIFY(monthsInForce(11, 2) == (std::set<int> {12, 1}));
        QVERIFY(monthsInForce(8, 4) == (std::set<int> {9, 10, 11, 12, 1, 2, 3}));
        QVERIFY(monthsInForce(3, 4).empty());
        QVERIFY(monthsInForce(6, 6).empty());
    }

    void shiftedDeviation_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("present");
        QTest::addColumn<bool>("shifts");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Germany April") << "Germany" << 4 << "+01:00:00" << true << "+02:00:00";
        QTest::newRow("Germany October") << "Germany" << 10 << "+01:00:00" << true << "+02:00:00";
        QTest::newRow("Germany March") << "Germany" << 3 << "+01:00:00" << false << "";
        QTest::newRow("Germany November") << "Germany" << 11 << "+01:00:00" << false << "";
        QTest::newRow("fixed rows ignore the field") << "Germany" << 7 << "abc" << true << "+02:00:00";
        QTest::newRow("Egypt April") << "Egypt" << 4 << "+02:00:00" << false << "";
        QTest::newRow("Egypt May") << "Egypt" << 5 << "+02:00:00" << true << "+03:00:00";
        QTest::newRow("Australia December") << "Australia" << 12 << "+10:00:00" << true << "+11:00:00";
        QTest::newRow("Australia March") << "Australia" << 3 << "+10:00:00" << true << "+11:00:00";
        QTest::newRow("Australia April") << "Australia" << 4 << "+10:00:00" << false << "";
        QTest::newRow("Australia October") << "Australia" << 10 << "+10:00:00" << false << "";
        QTest::newRow("Tonga December") << "Tonga" << 12 << "+13:00:00" << true << "-10:00:00";
        QTest::newRow("Tonga January") << "Tonga" << 1 << "+13:00:00" << true << "-10:00:00";
        QTest::newRow("Tonga February") << "Tonga" << 2 << "+13:00:00" << false << "";
        QTest::newRow("New Zealand January") << "New Zealand" << 1 << "+12:00:00" << true << "+13:00:00";
        QTest::newRow("United States city July") << "United States" << 7 << "-08:00:00" << true << "-07:00:00";
        QTest::newRow("United States April") << "United States" << 4 << "-05:00:00" << true << "-04:00:00";
        QTest::newRow("United States March") << "United States" << 3 << "-05:00:00" << false << "";
        QTest::newRow("Honolulu") << "United States" << 7 << "-10:00:00" << true << "-09:00:00";
        QTest::newRow("minutes dropped") << "Canada" << 7 << "-03:30:00" << true << "-02:00:00";
        QTest::newRow("Mexico") << "Mexico" << 10 << "-06:00:00" << true << "-05:00:00";
        QTest::newRow("Bahamas") << "Bahamas" << 5 << "-05:00:00" << true << "-04:00:00";
        QTest::newRow("unknown mark kept") << "United States" << 7 << "-" << false << "";
        QTest::newRow("user text kept") << "United States" << 7 << "abc" << false << "";
        QTest::newRow("east of Greenwich kept") << "Canada" << 7 << "+03:00:00" << false << "";
        QTest::newRow("zero hours kept") << "Mexico" << 7 << "-00:30:00" << false << "";
        QTest::newRow("one digit kept") << "Mexico" << 7 << "-5:00:00" << false << "";
        QTest::newRow("empty kept") << "United States" << 7 << "" << false << "";
        QTest::newRow("case matters") << "germany" << 7 << "+01:00:00" << false << "";
        QTest::newRow("whole name only") << "Germany " << 7 << "+01:00:00" << false << "";
    }
    void shiftedDeviation()
    {
        QFETCH(QString, country);
        QFETCH(int, month);
        QFETCH(QString, present);
        QFETCH(bool, shifts);
        QFETCH(QString, expected);
        const std::optional<QString> result = dstDeviation(country, month, present);
        QCOMPARE(result.has_value(), shifts);
        if (shifts)
            QCOMPARE(*result, expected);
    }

    void newZealandSummerIsUnknownToTheClock()
    {
        const std::optional<QString> shifted = dstDeviation(u"New Zealand", 1, u"+12:00:00");
        QCOMPARE(shifted, std::optional<QString>(QStringLiteral("+13:00:00")));
        QCOMPARE(deviationMinutes(*shifted), std::nullopt);
    }

    void countryWithoutRuleNeverShifts()
    {
        for (int month = 1; month <= 12; ++month)
            QCOMPARE(dstDeviation(u"Japan", month, u"+09:00:00"), std::nullopt);
    }

    void rulesNameEachListedCountryOnceInListOrder()
    {
        int previous = -1;
        for (const DstRule &rule : kDstRules) {
            const std::optional<int> index = countryIndexByExactName(rule.country);
            QVERIFY2(index, rule.country.data());
            // Strictly rising indices also rule out a name listed twice.
            QVERIFY2(*index > previous, rule.country.data());
            previous = *index;
            QVERIFY(rule.startMonth >= 1 && rule.startMonth <= 12);
            QVERIFY(rule.endMonth >= 1 && rule.endMonth <= 12);
        }
    }

    // In season every rule, fixed or derived, must move the record's own
    // standard deviation forward by one hour on the clock face.
    void ruleAddsOneHourToTheRecord_data()
    {
        QTest::addColumn<int>("rule");
        for (std::size_t i = 0; i < kDstRules.size(); ++i)
            QTest::newRow(kDstRules[i].country.data()) << int(i);
    }
    void ruleAddsOneHourToTheRecord()
    {
        QFETCH(int, rule);
        const DstRule &row = kDstRules[std::size_t(rule)];
        const std::optional<int> index = countryIndexByExactName(row.country);
        QVERIFY(index);
        const QString standard = qs(kRecords[std::size_t(*index)].gmt);
        const std::optional<int> standardMinutes = parsedMinutes(standard);
        QVERIFY2(standardMinutes, qPrintable(standard));

        int month = 1;
        while (month <= 12 && !ruleInForce(row.startMonth, row.endMonth, month))
            ++month;
        QVERIFY(month <= 12);
        const std::optional<QString> shifted = dstDeviation(qs(row.country), month, standard);
        QVERIFY(shifted);
        const std::optional<int> shiftedMinutes = parsedMinutes(*shifted);
        QVERIFY2(shiftedMinutes, qPrintable(*shifted));

        // Compared as time of day: Tonga's +13:00:00 becomes -10:00:00, the same clock reading as +14.
        QCOMPARE(timeOfDay(*shiftedMinutes), timeOfDay(*standardMinutes + 60));
    }
};

QTEST_APPLESS_MAIN(TestTime)
#include "tst_time.moc"
