// What the markers, the summary line and the Today window say, without a window.

#include "data/countries.h"
#include "viewlogic/todaytexts.h"

#include <QTest>

using namespace orbilex;

namespace {

int indexOf(const QString &name)
{
    const std::optional<int> index = countryIndexByExactName(name.toStdString());
    if (!index)
        qFatal("no country named %s", qPrintable(name));
    return *index;
}

} // namespace

class TestTodayTexts : public QObject
{
    Q_OBJECT

private slots:
    void markers_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("spoken");
        const int currency = int(Field::Currency);
        QTest::newRow("Afghanistan AFA") << "Afghanistan" << currency << "today AFN"
                                         << "ISO Currency Code today: AFN";
        QTest::newRow("Slovenia SIT") << "Slovenia" << currency << "today EUR"
                                      << "ISO Currency Code today: EUR";
        QTest::newRow("Serbia and Montenegro successors")
            << "Serbia and Montenegro" << int(Field::Alpha2) << "today RS, ME"
            << "ISO Alpha-2 Code today: RS, ME";
        QTest::newRow("Serbia and Montenegro by name")
            << "Serbia and Montenegro" << int(Field::CountryName) << "today Serbia, Montenegro"
            << "Country Name today: Serbia, Montenegro";
        QTest::newRow("Netherlands Antilles calling codes")
            << "Netherlands Antilles" << int(Field::DialingCode) << "today 599, 1721"
            << "Dialing Code today: 599, 1721";
        QTest::newRow("unchanged alpha-2") << "Afghanistan" << int(Field::Alpha2) << ""
                                           << "";
        QTest::newRow("no fact of today") << "Afghanistan" << int(Field::LongName) << ""
                                          << "";
        QTest::newRow("no numbering plan") << "Bouvet Island" << int(Field::Idd) << ""
                                           << "";
        QTest::newRow("off the list") << "" << currency << ""
                                      << "";
    }
    void markers()
    {
        QFETCH(QString, country);
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, spoken);
        const int index = country.isEmpty() ? kCountryCount : indexOf(country);
        const today::Marker marker = today::marker(index, Field(field));
        QCOMPARE(marker.text, text);
        QCOMPARE(marker.accessibleName, spoken);
        QCOMPARE(marker.toolTip.isEmpty(), text.isEmpty());
    }

    // A source paired with another's version would date the fact wrongly.
    void sourcesCarryTheirVersionAndDate()
    {
        QCOMPARE(today::sourceText(TodayField::Currency),
            QStringLiteral("ISO 4217 through Unicode CLDR 48.2.0 (2026-03-18)"));
        QCOMPARE(today::sourceText(TodayField::Alpha2),
            QStringLiteral("ISO 3166-1 through Debian iso-codes 4.15.0-1 (2023-04-27)"));
        QCOMPARE(today::sourceText(TodayField::Ndd),
            QStringLiteral("national prefixes through libphonenumber-js 1.13.18 (2026-12-03)"));
        const QStringList lines = today::sourceLines();
        QCOMPARE(lines.size(), int(kTodaySources.size()) + 1);
        QCOMPARE(lines.front(),
            QStringLiteral("ISO 3166-1 and 3166-3 (Debian iso-codes) 4.15.0-1 (2023-04-27), LGPL-2.1-or-later"));
        QCOMPARE(lines.back(), QStringLiteral("IANA tz database 2025b, public domain"));
    }

    void summary_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("summary");
        QTest::newRow("several") << "American Samoa"
                                 << "3 facts changed since this record";
        QTest::newRow("one") << "Afghanistan"
                             << "1 fact changed since this record";
        QTest::newRow("withdrawn: every fact") << "Serbia and Montenegro"
                                               << "10 facts changed since this record";
        QTest::newRow("unchanged") << "Germany"
                                   << "";
    }
    void summary()
    {
        QFETCH(QString, country);
        QFETCH(QString, summary);
        QCOMPARE(today::summaryText(indexOf(country)), summary);
    }

    void rowsAndCopiedText()
    {
        const int serbia = indexOf(QStringLiteral("Serbia and Montenegro"));
        const std::vector<today::FactRow> rows = today::factRows(serbia);
        QCOMPARE(rows.size(), std::size_t(kTodayFieldCount) + 1);
        QCOMPARE(rows.front().field, QStringLiteral("Country Name"));
        QCOMPARE(rows.front().record, QStringLiteral("Serbia and Montenegro"));
        QCOMPARE(rows.front().today, QStringLiteral("Serbia, Montenegro"));
        QVERIFY(rows.front().changed);
        QCOMPARE(rows.back().field, QStringLiteral("Time Zone"));
        QVERIFY(!rows.back().changed);

        const QString text = today::copyText(indexOf(QStringLiteral("Afghanistan")));
        QVERIFY(text.startsWith(
            QStringLiteral("Afghanistan: the record beside today\r\n1 fact changed since this record\r\n")));
        QVERIFY(text.contains(QStringLiteral("\r\nISO Currency Code: AFA; today: AFN (changed); source: ISO 4217 "
                                             "through Unicode CLDR 48.2.0 (2026-03-18)\r\n")));
        QVERIFY(text.contains(QStringLiteral("\r\nISO Alpha-2 Code: AF; today: AF; source: ")));
        QVERIFY(text.endsWith(QStringLiteral("\r\n")));
        QVERIFY(!text.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));

        const QString bouvet = today::copyText(indexOf(QStringLiteral("Bouvet Island")));
        QVERIFY(bouvet.contains(QStringLiteral("\r\nuninhabited: no telephone numbering plan\r\n")));
    }
};

QTEST_GUILESS_MAIN(TestTodayTexts)
#include "tst_todaytexts.moc"
