#include "data/citylines.h"
#include "data/text.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTest>

using namespace orbilex;

namespace {

// The lines of every country that holds some, in table order.
QMap<int, QStringList> linesByCountry()
{
    QMap<int, QStringList> byCountry;
    for (const OwnCityLine &row : kOwnCityLines)
        byCountry[row.country].append(qs(row.text));
    return byCountry;
}

// Capital mark, name (words joined by single blanks), one or two blanks and the
// code, then the coordinates after a run of blanks; a single trailing blank is
// allowed here and pinned down to its one line by its own test.
const QRegularExpression &cityLineForm()
{
    static const QRegularExpression form(
        QStringLiteral(u"^(?<mark>\\* )?(?<name>[A-Za-z][A-Za-z'.-]*(?: [A-Za-z][A-Za-z'.-]*)*)"
                       u"(?:(?<sep> {1,2})(?<code>\\d+(?:/\\d+)*))?"
                       u"(?: +(?<latd>\\d{1,2})° (?<latm>\\d{1,2})' [NS] +(?<lond>\\d{1,3})° (?<lonm>\\d{1,2})' [EW])?"
                       u"(?<end> ?)$"));
    return form;
}

bool hasCoordinates(const QRegularExpressionMatch &m)
{
    return m.capturedStart(u"latd") >= 0;
}

} // namespace

class TestCityLines : public QObject
{
    Q_OBJECT
private slots:
    void rowsStandInCountryOrder()
    {
        int previous = 0;
        for (const OwnCityLine &row : kOwnCityLines) {
            QVERIFY2(row.country >= 0 && row.country < kCountryCount, qPrintable(qs(row.text)));
            QVERIFY2(row.country >= previous, qPrintable(qs(row.text)));
            QVERIFY2(!row.text.empty(), qPrintable(QString::number(row.country)));
            previous = row.country;
        }
    }

    void linesPerCountry()
    {
        const auto byCountry = linesByCountry();
        QCOMPARE(byCountry.size(), 117);
        // The two long lists are kept apart from the records.
        QVERIFY(!byCountry.contains(237));
        QVERIFY(!byCountry.contains(238));

        QMap<qsizetype, int> countriesWithSize;
        for (const QStringList &lines : byCountry)
            ++countriesWithSize[lines.size()];
        const QMap<qsizetype, int> expected {{1, 87}, {2, 15}, {3, 7}, {4, 4}, {5, 3}, {6, 1}};
        QCOMPARE(countriesWithSize, expected);
    }

    void recordLines_data()
    {
        QTest::addColumn<int>("country");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("Afghanistan") << 0
                                     << QStringList {
                                            QStringLiteral(u"* Kabul  20                 34° 35' N     69° 12' E")};
        QTest::newRow("Albania") << 1 << QStringList {QStringLiteral(u"* Tirana  4"), QStringLiteral(u"Durres  52")};
        QTest::newRow("Canada") << 38
                                << QStringList {
                                       QStringLiteral(u"Edmonton  403                  53° 34' N    113° 31' W"),
                                       QStringLiteral(u"Montreal  514/450          45° 28' N     73° 45' W"),
                                       QStringLiteral(u"* Ottawa  613                 45° 19' N     75° 40' W"),
                                       QStringLiteral(u"Toronto  416                   43° 41' N     79° 38' W"),
                                       QStringLiteral(u"Vancouver  604/778        49° 11' N    123° 10' W"),
                                   };
        QTest::newRow("Germany") << 81
                                 << QStringList {
                                        QStringLiteral(u"* Berlin  30                  52° 27' N     13° 18' E"),
                                        QStringLiteral(u"Bonn  228"),
                                        QStringLiteral(u"Dortmund  231"),
                                        QStringLiteral(u"Frankfurt  69"),
                                        QStringLiteral(u"Hamburg  40               53° 33' N      9° 58' E"),
                                        QStringLiteral(u"Munich  89                48° 9' N      11° 34' E"),
                                    };
        QTest::newRow("Palestinian Territory") << 176 << QStringList {QStringLiteral(u"Ramallah  2")};
        QTest::newRow("Taiwan") << 220
                                << QStringList {QStringLiteral(u"* Taipei  2                 25° 2' N     121° 31' E")};
        // Records of city kind none hold no lines at all.
        QTest::newRow("American Samoa") << 3 << QStringList {};
        QTest::newRow("Antarctica") << 7 << QStringList {};
        QTest::newRow("Baker Island") << 17 << QStringList {};
        QTest::newRow("Gaza Strip") << 79 << QStringList {};
    }

    void recordLines()
    {
        QFETCH(int, country);
        QFETCH(QStringList, lines);
        QCOMPARE(linesByCountry().value(country), lines);
    }

    void everyLineHasTheCityLineForm()
    {
        const auto byCountry = linesByCountry();
        for (auto it = byCountry.cbegin(); it != byCountry.cend(); ++it) {
            QSet<QString> seen;
            for (const QString &line : it.value()) {
                const auto m = cityLineForm().match(line);
                QVERIFY2(m.hasMatch(), qPrintable(line));
                if (hasCoordinates(m)) {
                    QVERIFY2(m.captured(u"latd").toInt() <= 90, qPrintable(line));
                    QVERIFY2(m.captured(u"lond").toInt() <= 180, qPrintable(line));
                    QVERIFY2(m.captured(u"latm").toInt() < 60, qPrintable(line));
                    QVERIFY2(m.captured(u"lonm").toInt() < 60, qPrintable(line));
                }
                // Lines are told apart by their whole text.
                QVERIFY2(!seen.contains(line), qPrintable(line));
                seen.insert(line);
            }
        }
    }

    void coordinatesStartInTheirColumn()
    {
        int withCoordinates = 0;
        for (const OwnCityLine &row : kOwnCityLines) {
            const QString line = qs(row.text);
            const auto m = cityLineForm().match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            if (!hasCoordinates(m)) {
                QVERIFY2(!line.contains(u'°'), qPrintable(line));
                continue;
            }
            ++withCoordinates;
            // Counted in characters: the degree sign is one, though two bytes.
            const qsizetype column = m.capturedStart(u"latd") + 1;
            QVERIFY2(column >= 26 && column <= 33, qPrintable(line));
        }
        QCOMPARE(withCoordinates, 101);
    }

    void oneBlankBeforeTheCodeOnlyInFourLines()
    {
        QStringList oneBlank;
        for (const OwnCityLine &row : kOwnCityLines) {
            const auto m = cityLineForm().match(qs(row.text));
            QVERIFY2(m.hasMatch(), qPrintable(qs(row.text)));
            if (m.captured(u"sep") == u" ")
                oneBlank.append(m.captured(0));
        }
        QCOMPARE(oneBlank,
            QStringList({QStringLiteral(u"* Bandar Seri Begawan 2"), QStringLiteral(u"All Points 93"),
                QStringLiteral(u"Makkah 2"), QStringLiteral(u"Medina 4")}));

        const auto byCountry = linesByCountry();
        QVERIFY(byCountry.value(32).contains(u"* Bandar Seri Begawan 2"));
        QVERIFY(byCountry.value(199).contains(u"Makkah 2"));
        QVERIFY(byCountry.value(199).contains(u"Medina 4"));
        // Where one code serves the whole country, that line is the country's only line.
        int allPointsCountries = 0;
        for (const QStringList &lines : byCountry) {
            if (lines.contains(u"All Points 93")) {
                ++allPointsCountries;
                QCOMPARE(lines.size(), 1);
            }
        }
        QCOMPARE(allPointsCountries, 1);
    }

    void capitalMarks()
    {
        const auto byCountry = linesByCountry();
        int withCapital = 0;
        QList<int> withoutCapital;
        QList<int> firstLineUnmarked;
        for (auto it = byCountry.cbegin(); it != byCountry.cend(); ++it) {
            qsizetype marks = 0;
            for (const QString &line : it.value()) {
                // The mark only ever opens a line.
                QVERIFY2(line.indexOf(u'*', 1) < 0, qPrintable(line));
                if (line.startsWith(u"* "))
                    ++marks;
            }
            QVERIFY2(marks <= 1, qPrintable(it.value().join(u" | ")));
            if (marks == 1)
                ++withCapital;
            else
                withoutCapital.append(it.key());
            if (!it.value().constFirst().startsWith(u"* "))
                firstLineUnmarked.append(it.key());
        }
        QCOMPARE(withCapital, 109);
        QCOMPARE(withoutCapital.size(), 8);
        QVERIFY(withoutCapital.contains(176));
        QCOMPARE(firstLineUnmarked.size(), 16);
        QVERIFY(firstLineUnmarked.contains(38));
    }

    void linesWithoutAPlainCode()
    {
        const auto byCountry = linesByCountry();
        QMap<QString, int> codeless;
        QStringList trailingBlank;
        int joinedCodes = 0;
        for (const OwnCityLine &row : kOwnCityLines) {
            const QString line = qs(row.text);
            const auto m = cityLineForm().match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            if (m.capturedStart(u"code") < 0)
                codeless.insert(m.captured(u"name"), row.country);
            if (!m.captured(u"end").isEmpty())
                trailingBlank.append(line);
            if (m.captured(u"code") == u"81/82/83")
                ++joinedCodes;
        }
        const QMap<QString, int> expectedCodeless {{QStringLiteral(u"Copenhagen"), 58},
            {QStringLiteral(u"Hong Kong"), 98}, {QStringLiteral(u"Reykjavik"), 101}};
        QCOMPARE(codeless, expectedCodeless);
        QVERIFY(byCountry.value(58).contains(u"* Copenhagen"));
        for (int country : {98, 101}) {
            const auto m = cityLineForm().match(byCountry.value(country).constFirst());
            QCOMPARE(m.captured(u"mark"), QStringLiteral(u"* "));
            QVERIFY(hasCoordinates(m));
        }

        QCOMPARE(trailingBlank, QStringList {QStringLiteral(u"* Beijing  10 ")});
        QVERIFY(byCountry.value(44).contains(u"* Beijing  10 "));
        QCOMPARE(joinedCodes, 1);
    }
};

QTEST_APPLESS_MAIN(TestCityLines)
#include "tst_citylines.moc"
