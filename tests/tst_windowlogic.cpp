// The arithmetic behind the main window, without a window: searches,
// type-ahead, stored numbers, the options panel's steps and the links.

#include "data/codelists.h"
#include "data/text.h"
#include "store/storedvalues.h"
#include "viewlogic/codesearch.h"
#include "viewlogic/links.h"
#include "viewlogic/windowmath.h"

#include <QTest>

#include <climits>

using namespace orbilex;

namespace {

QStringList column(std::string_view CountryCodes::*field)
{
    QStringList list;
    for (const CountryCodes &c : kCodes)
        list << qs(c.*field);
    return list;
}

std::optional<int> prefixAfter(const QStringList &list, const QString &text, int start)
{
    return findPrefixAfter(
        int(list.size()), [&](int i) { return list[i]; }, text, start);
}

std::optional<int> sign(const QString &text)
{
    static const QStringList signs = column(&CountryCodes::sign);
    return signRuleChoice(
        int(signs.size()), [&](int i) { return signs[i]; }, text);
}

} // namespace

class TestWindowLogic : public QObject
{
    Q_OBJECT
private slots:
    void prefixSearchStartsAfterTheStartAndWraps()
    {
        const QStringList list {"AB", "AC", "B", "ab"};
        QCOMPARE(prefixAfter(list, "A", 0), std::optional<int>(1));
        QCOMPARE(prefixAfter(list, "ab", 0), std::optional<int>(3));
        QCOMPARE(prefixAfter(list, "ab", 3), std::optional<int>(0));
        QCOMPARE(prefixAfter(list, "AB", 1), std::optional<int>(3));
        QCOMPARE(prefixAfter(list, "x", 0), std::nullopt);
        QCOMPARE(prefixAfter({}, "x", 0), std::nullopt);
        const QStringList alpha2 = column(&CountryCodes::alpha2);
        QCOMPARE(prefixAfter(alpha2, "AF", 0), std::optional<int>(0));
    }

    void signRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("country");
        QTest::newRow("D is Germany, not Algeria") << "D" << 81;
        QTest::newRow("lower d") << "d" << 81;
        QTest::newRow("C is no single sign") << "C" << -1;
        QTest::newRow("the placeholder is no sign") << "-" << -1;
        QTest::newRow("nor a digit") << "1" << -1;
        QTest::newRow("RA exact") << "RA" << 9;
        QTest::newRow("ra by prefix") << "ra" << 9;
        QTest::newRow("TCH prefix of TCH/TD") << "TCH" << 42;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("blanks") << "   " << -1;
        QTest::newRow("unknown") << "QQQ" << -1;
        QTest::newRow("blank before a letter is no single letter") << " D" << 2; // DZ, Algeria
    }
    void signRule()
    {
        QFETCH(QString, typed);
        QFETCH(int, country);
        QCOMPARE(sign(typed).value_or(-1), country);
    }

    void everySingleLetterSignSelectsItsCountry()
    {
        const QStringList signs = column(&CountryCodes::sign);
        int letters = 0;
        for (char16_t c = u'A'; c <= u'Z'; ++c) {
            const std::optional<int> found = sign(QString(QChar(c)));
            if (found) {
                ++letters;
                QCOMPARE(signs[*found], QString(QChar(c)));
            }
        }
        QCOMPARE(letters, 18);
    }

    void typeAheadPrefix()
    {
        TypeAhead t;
        t.key(u'g');
        t.key(u'e');
        QCOMPARE(t.prefix(), QStringLiteral("ge"));
        t.key(8);
        QCOMPARE(t.prefix(), QStringLiteral("g"));
        t.key(13);
        QCOMPARE(t.prefix(), QStringLiteral("g"));
        t.key(1); // Ctrl+A is appended like any character
        QCOMPARE(t.prefix(), QStringLiteral("g\x01"));
        t.key(8);
        t.key(8);
        t.key(8);
        QCOMPARE(t.prefix(), QString());
        t.key(u'x');
        QVERIFY(!t.tick());
        QCOMPARE(t.prefix(), QStringLiteral("x"));
        QVERIFY(t.tick());
        QCOMPARE(t.prefix(), QString());
        // A key between ticks starts the count again.
        t.key(u'a');
        QVERIFY(!t.tick());
        t.key(u'b');
        QVERIFY(!t.tick());
        QVERIFY(t.tick());
    }

    void storedNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "1500" << 1500 << true;
        QTest::newRow("blanks") << " 88 " << 88 << true;
        QTest::newRow("fraction cut") << "92.9" << 92 << true;
        QTest::newRow("negative") << "-15" << -15 << true;
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("word") << "abc" << 0 << false;
        QTest::newRow("too big") << "1e400" << 0 << false;
        QTest::newRow("beyond int") << "99999999999" << 0 << false;
        QTest::newRow("nan") << "nan" << 0 << false;
        QTest::newRow("comma decimal") << "1,5" << 0 << false;
    }
    void storedNumbers()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(bool, valid);
        const std::optional<int> n = storedNumber(text);
        QCOMPARE(n.has_value(), valid);
        if (valid)
            QCOMPARE(*n, value);
    }

    void optionPanelSteps()
    {
        const OptionPanelSizes sizes; // created at 8300 twips
        int height = 8300, ticks = 0;
        for (PanelTick t {height, false}; !t.stop; ++ticks) {
            t = openingTick(height, false, sizes);
            height = t.heightTwips;
        }
        QCOMPARE(ticks, 9);
        QCOMPARE(height, 9200);
        ticks = 0;
        for (PanelTick t {height, false}; !t.stop; ++ticks) {
            t = closingTick(height, sizes);
            height = t.heightTwips;
        }
        QCOMPARE(ticks, 9);
        QCOMPARE(height, 8300);
        const PanelTick waiting = openingTick(8300, true, sizes);
        QCOMPARE(waiting.heightTwips, 8300);
        QVERIFY(!waiting.stop);
    }

    void twips()
    {
        QCOMPARE(twipsToPixels(1500), 100);
        QCOMPARE(twipsToPixels(100), 7);
        QCOMPARE(twipsToPixels(-1500), -100);
        QCOMPARE(pixelsToTwips(100), 1500);
        QCOMPARE(twipsToPixels(pixelsToTwips(553)), 553);
        // Any int a user stores converts without overflowing.
        QCOMPARE(twipsToPixels(INT_MAX), 143165576);
        QCOMPARE(twipsToPixels(INT_MIN), -143165577);
        QCOMPARE(twipsToPixels(INT_MAX - 3), 143165576);
        QCOMPARE(pixelsToTwips(200000000), INT_MAX);
        QCOMPARE(pixelsToTwips(-200000000), INT_MIN);
    }

    void reachablePositions_data()
    {
        // A 1600 x 960 desktop and a second screen to its right.
        const QList<QRect> two {{0, 0, 1600, 960}, {1600, 0, 1280, 1024}};
        QTest::addColumn<QList<QRect>>("screens");
        QTest::addColumn<QPoint>("wanted");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("placed");
        const QSize w(600, 550);
        QTest::newRow("on screen stays") << two << QPoint(100, 200) << w << QPoint(100, 200);
        QTest::newRow("on the second screen stays") << two << QPoint(2000, 100) << w << QPoint(2000, 100);
        QTest::newRow("mostly off at the right, grabbable") << two << QPoint(2800, 100) << w << QPoint(2800, 100);
        QTest::newRow("Left=36000 on one 1600 px screen")
            << QList<QRect> {{0, 0, 1600, 960}} << QPoint(2400, 100) << w << QPoint(1000, 100);
        QTest::newRow("beyond the second screen") << two << QPoint(5000, 100) << w << QPoint(2280, 100);
        QTest::newRow("a sliver at the right edge") << two << QPoint(2850, 100) << w << QPoint(2280, 100);
        QTest::newRow("title bar above the top") << two << QPoint(100, -10) << w << QPoint(100, 0);
        QTest::newRow("only the frame's top below") << two << QPoint(100, 950) << w << QPoint(100, 410);
        QTest::newRow("negative") << two << QPoint(-700, 100) << w << QPoint(0, 100);
        QTest::newRow("Left=Top=99999999") << two << QPoint(6666667, 6666667) << w << QPoint(2280, 474);
        QTest::newRow("INT_MAX pixels") << two << QPoint(INT_MAX, INT_MAX) << w << QPoint(2280, 474);
        QTest::newRow("INT_MIN pixels") << two << QPoint(INT_MIN, INT_MIN) << w << QPoint(0, 0);
        QTest::newRow("near INT_MIN twips") << two << QPoint(-143165577, 300) << w << QPoint(0, 300);
        QTest::newRow("larger than the screen, on it") << two << QPoint(50, 50) << QSize(2000, 1200) << QPoint(50, 50);
        QTest::newRow("larger than the screen, off it")
            << two << QPoint(-5000, 50) << QSize(2000, 1200) << QPoint(0, 0);
        QTest::newRow("no screens") << QList<QRect> {} << QPoint(99999, -5) << w << QPoint(99999, -5);
    }
    void reachablePositions()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(QPoint, wanted);
        QFETCH(QSize, size);
        QFETCH(QPoint, placed);
        QCOMPARE(reachablePosition(wanted, size, screens), placed);
    }

    void referenceLinks()
    {
        QVERIFY(factbookLink(QStringLiteral(" AF ")).endsWith(u"/cia/publications/factbook/geos/af.html"));
        QVERIFY(statisticsLink(QStringLiteral("US")).endsWith(u"/country/us/"));
        QVERIFY(!factbookLink(QStringLiteral("AF")).contains(u"://"));
    }

    void extraInformationTarget_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("opened");
        const QString factbook = factbookLink(QStringLiteral("AF"));
        QTest::newRow("the built link") << factbook << factbook;
        QTest::newRow("web address") << "https://example.org/a?b=c"
                                     << "https://example.org/a?b=c";
        QTest::newRow("host with port") << "localhost:8080/x"
                                        << "localhost:8080/x";
        QTest::newRow("mail address") << "mailto:me@example.org"
                                      << "mailto:me@example.org";
        QTest::newRow("bare mail address") << "me@example.org"
                                           << "me@example.org";
        QTest::newRow("file URL") << "file:///tmp/a.txt"
                                  << "file:///tmp/a.txt";
        QTest::newRow("absolute path") << "/usr/bin/xterm"
                                       << "file:///usr/bin/xterm";
        QTest::newRow("blanks in and around") << " /tmp/my notes.txt "
                                              << "file:///tmp/my%20notes.txt";
        QTest::newRow("drive path") << "C:\\Maps\\world.exe"
                                    << "file:///C:/Maps/world.exe";
        QTest::newRow("network path") << "\\\\server\\share\\a.txt"
                                      << "file://server/share/a.txt";
        QTest::newRow("file beside the program") << "notes.txt"
                                                 << "file:///prog/notes.txt";
        QTest::newRow("no such file beside it") << "other.txt"
                                                << "other.txt";
        QTest::newRow("empty") << ""
                               << "";
    }
    void extraInformationTarget()
    {
        QFETCH(QString, text);
        QFETCH(QString, opened);
        const auto isFile = [](const QString &path) { return path == u"/prog/notes.txt"; };
        QCOMPARE(orbilex::extraInformationTarget(text, QStringLiteral("/prog"), isFile), opened);
    }
};

QTEST_APPLESS_MAIN(TestWindowLogic)
#include "tst_windowlogic.moc"
