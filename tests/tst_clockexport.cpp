// The clock, daylight saving, copying, the printable page and the links,
// driven through the real main window with the test clock, shell and dialogs.

#include "mainwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMimeData>

using namespace orbilex;
using namespace orbilex::test;

namespace {

void setDate(MainWindow &m, QDate date)
{
    m.te.clock->local = QDateTime(date, QTime(12, 0, 0));
}

QTimer *clockOf(MainWindow &m)
{
    return m.get<QTimer>("timClock");
}

// One tick, exactly when the test says.
void tick(MainWindow &m)
{
    QVERIFY(QMetaObject::invokeMethod(clockOf(m), "timeout"));
}

} // namespace

class TestClockExport : public QObject
{
    Q_OBJECT
private slots:
    void daylightSavingByMonth_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("gmt");
        QTest::newRow("Germany 15 April") << "Germany" << QDate(2026, 4, 15) << "+02:00:00";
        QTest::newRow("Germany 15 March") << "Germany" << QDate(2026, 3, 15) << "+01:00:00";
        QTest::newRow("Germany 1 November") << "Germany" << QDate(2026, 11, 1) << "+01:00:00";
        QTest::newRow("Egypt April") << "Egypt" << QDate(2026, 4, 20) << "+02:00:00";
        QTest::newRow("Egypt May") << "Egypt" << QDate(2026, 5, 20) << "+03:00:00";
        QTest::newRow("Australia December") << "Australia" << QDate(2026, 12, 1) << "+11:00:00";
        QTest::newRow("Australia April") << "Australia" << QDate(2026, 4, 1) << "+10:00:00";
        QTest::newRow("Japan in summer") << "Japan" << QDate(2026, 7, 1) << "+09:00:00";
    }
    void daylightSavingByMonth()
    {
        QFETCH(QString, country);
        QFETCH(QDate, date);
        QFETCH(QString, gmt);
        MainWindow m;
        setDate(m, date);
        m.open();
        m.selectNamed(country);
        QCOMPARE(m.text("txtGMT"), gmt);
    }

    void clockTickShowsTimesAndTitleOneTickBehind()
    {
        MainWindow m;
        m.winter();
        m.open();
        QVERIFY(clockOf(m)->isActive());
        QCOMPARE(clockOf(m)->interval(), 1000);
        m.selectNamed(QStringLiteral("Afghanistan")); // +04:30
        m.te.clock->utc = QDateTime(QDate(2026, 1, 15), QTime(21, 45, 10), Qt::UTC);
        m.te.clock->local = QDateTime(QDate(2026, 1, 15), QTime(22, 45, 10));
        tick(m);
        QCOMPARE(m.text("txtGMTc"), QStringLiteral("21:45:10"));
        QCOMPARE(m.text("txtcTime"), QStringLiteral("02:15:10"));
        QCOMPARE(m.text("txtClock"), QStringLiteral("22:45:10"));
        m.te.clock->utc = m.te.clock->utc.addSecs(1);
        tick(m);
        QCOMPARE(m.window->windowTitle(), QStringLiteral("Orbilex - Afghanistan - 02:15:10"));
        QCOMPARE(m.text("txtcTime"), QStringLiteral("02:15:11"));
        QCOMPARE(m.te.tray->toolTip, m.window->windowTitle());

        // New Zealand's summer +13:00 is no key of the clock.
        setDate(m, QDate(2026, 1, 15));
        m.selectNamed(QStringLiteral("New Zealand"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+13:00:00"));
        tick(m);
        QCOMPARE(m.text("txtcTime"), QStringLiteral(".unknown"));
    }

    void clearingDaylightSavingPutsTheStandardBack()
    {
        MainWindow m;
        setDate(m, QDate(2026, 7, 1));
        m.open();
        m.selectNamed(QStringLiteral("Germany"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+02:00:00"));
        m.get<QCheckBox>("chkDST")->click();
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+01:00:00"));
        m.get<QCheckBox>("chkDST")->click();
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+02:00:00"));

        m.selectNamed(QStringLiteral("United States"));
        m.box("cmbCity")->setCurrentIndex(47); // Los Angeles, -08:00
        m.selectNamed(QStringLiteral("Germany"));
        m.selectNamed(QStringLiteral("United States"));
        QCOMPARE(m.text("cmbCity"), QStringLiteral("Los Angeles  213"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("-07:00:00"));
        m.get<QCheckBox>("chkDST")->click();
        QCOMPARE(m.text("cmbCity"), QStringLiteral("Los Angeles  213"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("-08:00:00"));
    }

    // Every way back to the record shows the summer hour, as a selection does.
    void resetsKeepTheSummerHour_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("yeses");
        QTest::newRow("d of the GMT") << "cmdGMTdef" << 1;
        QTest::newRow("d of another field") << "cmdLongDef" << 1;
        QTest::newRow("default, then the file") << "cmdDefCount" << 2;
        QTest::newRow("reset db") << "cmdResetDB" << 1;
    }
    void resetsKeepTheSummerHour()
    {
        QFETCH(QString, button);
        QFETCH(int, yeses);
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("Germany"));
        m.te.dialogs->inputs.push_back(QStringLiteral("Mine"));
        m.click("cmdLongEdit");
        m.te.dialogs->answers.assign(std::size_t(yeses), true);
        m.click(button.toLatin1().constData());
        QCOMPARE(m.te.dialogs->unexpected, 0);
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+02:00:00"));
        tick(m);
        QCOMPARE(m.text("txtcTime"), QStringLiteral("01:59:59"));
    }

    // The user's own deviation is shown as given, summer or not.
    void aGmtOverrideIsNotShifted()
    {
        MainWindow m;
        setDate(m, QDate(2026, 12, 15));
        m.open();
        m.selectNamed(QStringLiteral("Australia"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+11:00:00"));
        m.te.dialogs->inputs.push_back(QStringLiteral("+05:00:00"));
        m.click("cmdGMTEdit");
        m.select(0);
        m.selectNamed(QStringLiteral("Australia"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+05:00:00"));
        auto *dst = m.get<QCheckBox>("chkDST");
        dst->click();
        dst->click();
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+05:00:00"));
        // Without the override the rule applies again.
        m.te.dialogs->answers.push_back(true);
        m.click("cmdGMTdef");
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+11:00:00"));
    }

    void anyGmtOverrideOnlyMakesTheTimeUnknown()
    {
        MainWindow m;
        m.open();
        m.te.dialogs->inputs.push_back(QStringLiteral("soon"));
        m.click("cmdGMTEdit");
        tick(m);
        QCOMPARE(m.text("txtcTime"), QStringLiteral(".unknown"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("soon"));
    }

    void copyAllAndCopySelected()
    {
        MainWindow m;
        m.winter();
        m.open();
        m.selectNamed(QStringLiteral("American Samoa"));
        m.click("cmdCopyAll");
        const QString all = QApplication::clipboard()->text();
        QVERIFY(all.startsWith(QStringLiteral("Country Name: American Samoa\r\n")));
        QVERIFY(all.endsWith(QStringLiteral("NDD Code: 0\r\n")));
        QVERIFY(all.contains(QStringLiteral("\r\nCountries with the same dialing code: -\r\n")));

        QApplication::clipboard()->setText(QStringLiteral("before"));
        m.click("cmdCopySel");
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));

        m.selectNamed(QStringLiteral("Canada"));
        m.get<QCheckBox>("chkCountryName")->setChecked(true);
        m.get<QCheckBox>("chkCityAll")->setChecked(true);
        m.click("cmdCopySel");
        const QString five = QApplication::clipboard()->text();
        QVERIFY(five.startsWith(QStringLiteral("Country Name: Canada\r\nCity: \r\nEdmonton")));
        QCOMPARE(five.count(QStringLiteral("\r\n")), 7);

        m.click("cmdSelAll");
        QVERIFY(m.checked("chkNDD") && m.checked("chkDSCode") && m.checked("chkCity"));
        m.click("cmdDSelAll");
        QVERIFY(!m.checked("chkNDD") && !m.checked("chkCountryName"));
        QVERIFY(m.checked("chkCityAll"));

        m.selectNamed(QStringLiteral("Venezuela"));
        m.click("cmdCopyAll");
        QVERIFY(
            QApplication::clipboard()->text().contains(QStringLiteral("IDDD Code: 00 - DEFAULT\r\n01-02-0 - Etelix")));
    }

    void flagCopyAndEnlargement()
    {
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("Afghanistan"));
        m.click("cmdFlagCopy");
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(52, 30));
        m.click("cmdFlag");
        QVERIFY(m.te.shell->opened.back().endsWith(u"/cia/publications/factbook/flags/af-lgflag.gif"));
        QVERIFY(m.te.shell->opened.back().startsWith(u"http://"));
        m.selectNamed(QStringLiteral("Gaza Strip"));
        const auto opened = m.te.shell->opened.size();
        QTest::mouseClick(m.get("picFlag"), Qt::LeftButton);
        QCOMPARE(m.te.shell->opened.size(), opened);
        QCOMPARE(m.te.dialogs->shown.back().text,
            QStringLiteral("Sorry but large picture is not available for \r\n\r\n        Gaza Strip flag."));
    }

    void printableVersionIsWrittenAndOpened()
    {
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("American Samoa"));
        m.te.dialogs->inputs.push_back(QStringLiteral("<script>alert('x')</script> & co"));
        m.click("cmdLongEdit");
        m.click("cmdPrintVer");
        const QString page = m.te.file(QStringLiteral("temp.htm"));
        QCOMPARE(m.te.shell->opened.back(), page);
        QFile f(page);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray html = f.readAll();
        QVERIFY(html.startsWith("<html><head><title>About American Samoa</title></head><body bgcolor=#FFFFFF>\r\n"));
        QVERIFY(html.contains("&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; co"));
        QVERIFY(!html.contains("<script>"));
        QVERIFY(html.contains("<b>City:</b></td><td><font face=Verdana>\r\n-\r\n"));
        QVERIFY(html.contains("Orbilex v2.5.0"));
        QCOMPARE(QImage(m.te.file(QStringLiteral("temp.bmp"))).size(), QSize(52, 30));

        // Selective mode without a city list writes no city row at all.
        m.get<QCheckBox>("chkSelHtml")->setChecked(true);
        m.click("cmdPrintVer");
        QVERIFY(f.seek(0));
        f.close();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(!f.readAll().contains("City:"));
    }

    void printableVersionThatCannotBeWrittenSaysSo()
    {
        MainWindow m;
        const QString notAFolder = m.te.file(QStringLiteral("plain-file"));
        QFile f(notAFolder);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        m.te.env.programFolder = QDir(notAFolder);
        m.open();
        m.click("cmdPrintVer");
        QVERIFY(m.te.shell->opened.isEmpty());
        QCOMPARE(m.te.dialogs->shown.back().icon, Dialogs::Icon::Warning);
        QVERIFY(m.te.dialogs->shown.back().text.startsWith(u"The printable version could not be written:"));
        // The window goes on working.
        m.select(81);
        QCOMPARE(m.text("txtCountryName"), QStringLiteral("Germany"));
    }

    void webLinksOpenTheirAddresses()
    {
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("Germany"));
        const auto last = [&] { return m.te.shell->opened.back(); };
        emit m.get<QLabel>("lblTLDURL")->linkActivated(QStringLiteral("#"));
        QVERIFY(last().startsWith(u"http://") && last().endsWith(u"/root-whois/de.htm"));
        emit m.get<QLabel>("lblIOCUrl")->linkActivated(QStringLiteral("#"));
        QVERIFY(last().endsWith(u"/uk/organisation/noc/noc_uk.asp?noc_initials=GER"));
        emit m.get<QLabel>("lblMoreCur")->linkActivated(QStringLiteral("#"));
        QVERIFY(last().endsWith(u"/country/gm/Currency"));
        emit m.get<QLabel>("lblCurPic")->linkActivated(QStringLiteral("#"));
        QVERIFY(last().endsWith(u"/de.htm"));
        m.click("cmdAirport");
        QVERIFY(last().endsWith(u"/alphabetical/country-name/g.html"));
        m.click("cmdTimeServer");
        QVERIFY(last().endsWith(u"/current_time_in_DE.aspx"));
        m.click("cmdCiaURL");
        QCOMPARE(last(), m.text("txtUrl"));
        QTest::keyClick(m.get("txtPInfo"), Qt::Key_Return);
        QCOMPARE(last(), m.text("txtPInfo"));
        m.click("cmdHelp");
        QCOMPARE(last(), m.te.file(QStringLiteral("readme.htm")));
    }

    void tldLinkRefusesOtherForms_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shownAs");
        QTest::newRow("no dot") << "uk"
                                << "uk";
        QTest::newRow("too long") << ".com"
                                  << ".com";
        QTest::newRow("dot alone") << "."
                                   << ".";
        QTest::newRow("blanks around") << "  uk "
                                       << "uk";
    }
    void tldLinkRefusesOtherForms()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shownAs);
        MainWindow m;
        m.open();
        m.box("cmbTLD")->setEditText(typed);
        m.click("cmdMoreInfo");
        QVERIFY(m.te.shell->opened.isEmpty());
        QCOMPARE(m.te.dialogs->shown.back().text,
            QStringLiteral("There is no such TLD Code <") + shownAs
                + QStringLiteral("> in database.\r\nMake sure that the form "
                                 "is correct. (eg: .uk)"));
    }
};

QTEST_MAIN(TestClockExport)
#include "tst_clockexport.moc"
