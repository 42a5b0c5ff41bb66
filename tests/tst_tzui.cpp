// The local-time field beside the country clock, driven through the real main
// window at instants the test clock fixes.

#include "mainwindow.h"
#include "time/tzclock.h"

using namespace orbilex;
using namespace orbilex::test;

namespace {

QDateTime utcAt(int month, int day, int hour)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, 0, 0), Qt::UTC);
}

// The window opened on a day, with the clock at that instant and one tick done.
void openAt(MainWindow &m, const QDateTime &utc, const QString &country)
{
    m.te.clock->utc = utc;
    m.te.clock->local = QDateTime(utc.date(), utc.time());
    m.open();
    m.selectNamed(country);
    QVERIFY(QMetaObject::invokeMethod(m.get<QTimer>("timClock"), "timeout"));
}

} // namespace

class TestTzUi : public QObject
{
    Q_OBJECT
private slots:
    void fieldShowsTheZonesTime_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QDateTime>("utc");
        QTest::addColumn<QString>("countryTime");
        QTest::addColumn<QString>("field");
        QTest::newRow("Nepal: the clock has no +05:45") << "Nepal" << utcAt(1, 15, 12) << ".unknown"
                                                        << "≠ 17:45:00 +05:45 +0545";
        QTest::newRow("Germany in winter") << "Germany" << utcAt(1, 15, 12) << "13:00:00"
                                           << "13:00:00 +01:00 CET";
        QTest::newRow("Germany in summer") << "Germany" << utcAt(7, 1, 12) << "14:00:00"
                                           << "14:00:00 +02:00 CEST DST";
        // Summer time began on 29 March; the month rule waits for April.
        QTest::newRow("Germany on 30 March") << "Germany" << utcAt(3, 30, 12) << "13:00:00"
                                             << "≠ 14:00:00 +02:00 CEST DST";
        QTest::newRow("New Zealand in summer, no +13:00 key") << "New Zealand" << utcAt(1, 15, 12) << ".unknown"
                                                              << "≠ 01:00:00 +13:00 NZDT DST";
    }
    void fieldShowsTheZonesTime()
    {
        QFETCH(QString, country);
        QFETCH(QDateTime, utc);
        QFETCH(QString, countryTime);
        QFETCH(QString, field);
        MainWindow m;
        openAt(m, utc, country);
        QCOMPARE(m.text("txtcTime"), countryTime);
        QCOMPARE(m.text("txtTzTime"), field);
        auto *tz = m.get<QLineEdit>("txtTzTime");
        const bool marked = field.startsWith(u'≠');
        QCOMPARE(tz->font().bold(), marked);
        QCOMPARE(tz->accessibleDescription().isEmpty(), !marked);
        QCOMPARE(tz->toolTip().contains(QStringLiteral("Country/City Time")), marked);
        QCOMPARE(tz->accessibleName(), QStringLiteral("Local time"));
        QVERIFY(tz->isReadOnly());
    }

    void placesWithoutAZone_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("Bouvet Island") << "Bouvet Island"
                                       << "no time zone (uninhabited)"
                                       << "uninhabited: the tz database gives it no zone";
        QTest::newRow("Antarctica") << "Antarctica"
                                    << "no time zone (no zone of its own)"
                                    << "no zone of its own: each research station keeps the time of the country "
                                       "that supplies it";
    }
    void placesWithoutAZone()
    {
        QFETCH(QString, country);
        QFETCH(QString, field);
        QFETCH(QString, toolTip);
        MainWindow m;
        openAt(m, utcAt(1, 15, 12), country);
        QCOMPARE(m.text("txtTzTime"), field);
        QCOMPARE(m.get("txtTzTime")->toolTip(), toolTip);
        QVERIFY(!m.get<QLineEdit>("txtTzTime")->font().bold());
    }

    void noCountryChosenShowsNothing()
    {
        MainWindow m;
        m.te.setSetting("CountryName", QStringLiteral("-5"));
        m.open();
        QVERIFY(QMetaObject::invokeMethod(m.get<QTimer>("timClock"), "timeout"));
        QCOMPARE(m.text("txtTzTime"), QString());
        QCOMPARE(m.get("txtTzTime")->toolTip(), QString());
    }

    void toolTipNamesZoneReleaseAndNextChange()
    {
        MainWindow m;
        openAt(m, utcAt(7, 1, 12), QStringLiteral("Germany"));
        const QString version = tzDatabaseVersion();
        const QStringList lines = m.get("txtTzTime")->toolTip().split(u'\n');
        QCOMPARE(lines.value(0),
            QStringLiteral("Europe/Berlin, tz database ")
                + (version.isEmpty() ? QStringLiteral("of unknown release") : version));
        QCOMPARE(lines.value(1), QStringLiteral("daylight saving ends 25 Oct 2026 03:00"));

        // The clocks turned while the window was open: the next change is the spring one.
        m.te.clock->utc = QDateTime(QDate(2026, 10, 25), QTime(1, 0, 0), Qt::UTC);
        QVERIFY(QMetaObject::invokeMethod(m.get<QTimer>("timClock"), "timeout"));
        QCOMPARE(m.get("txtTzTime")->toolTip().split(u'\n').value(1),
            QStringLiteral("daylight saving begins 28 Mar 2027 02:00"));
    }

    void cityLineChoosesTheZone_data()
    {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("zone");
        QTest::newRow("Phoenix keeps standard time") << "Phoenix  602"
                                                     << "11:00:00 -07:00 MST"
                                                     << "America/Phoenix";
        QTest::newRow("New York in summer") << "New York  718"
                                            << "≠ 14:00:00 -04:00 EDT DST"
                                            << "America/New_York";
    }
    void cityLineChoosesTheZone()
    {
        QFETCH(QString, city);
        QFETCH(QString, field);
        QFETCH(QString, zone);
        MainWindow m;
        openAt(m, utcAt(7, 1, 18), QStringLiteral("United States"));
        QComboBox *cities = m.box("cmbCity");
        cities->setCurrentIndex(cities->findText(city));
        QCOMPARE(m.text("txtTzTime"), field);
        QVERIFY(m.get("txtTzTime")->toolTip().startsWith(zone + u','));
    }
};

QTEST_MAIN(TestTzUi)
#include "tst_tzui.moc"
