// The latitude list and its window: the columns and bounds of every place
// line, the state headings and their places, the lines copied exactly as
// listed, the fixed-pitch font that lines the columns up, and the position.

#include "data/latitudes.h"
#include "data/text.h"
#include "mainwindow.h"
#include "ui/companions/frmLat.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRegularExpression>

#include <algorithm>

using namespace orbilex;
using namespace orbilex::test;

namespace {

int lineIndex(const QString &line)
{
    for (std::size_t i = 0; i < kLatitudeLines.size(); ++i)
        if (qs(kLatitudeLines[i]) == line)
            return int(i);
    return -1;
}

bool isHeading(std::string_view line)
{
    return !line.starts_with("..");
}

// Columns counted from 1: full stops in 1-2, the name filled to 28, latitude
// from 29, longitude degrees ending in 44.
const QRegularExpression kPlaceLine(QStringLiteral("^\\.\\.(\\S.{24}) (\\d\\d)° ([1-5]?\\d)' N +(\\d{2,3})° "
                                                   "([1-5]?\\d)' W$"));

struct Coordinates {
    int latitudeMinutes;
    int longitudeMinutes;
};

Coordinates coordinates(const QRegularExpressionMatch &m)
{
    return {m.captured(2).toInt() * 60 + m.captured(3).toInt(), m.captured(4).toInt() * 60 + m.captured(5).toInt()};
}

struct LatWindow {
    MainWindow m;
    frmLat *window = nullptr;

    void open() { window = m.openCompanion<frmLat>("cmdLatMore", frmMain::CompanionKind::Latitudes); }

    template<typename T = QWidget> T *get(const char *name) const { return child<T>(window, name); }
    QListWidget *items() const
    {
        return get<QWidget>("cmbMainList")->findChild<QListWidget *>(QStringLiteral("items"));
    }
    QLineEdit *field() const { return get<QWidget>("cmbMainList")->findChild<QLineEdit *>(QStringLiteral("text")); }

    void choose(int row) const
    {
        QListWidget *view = items();
        QListWidgetItem *item = view->item(row);
        view->scrollToItem(item);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualItemRect(item).center());
    }
    QString copied() const
    {
        QApplication::clipboard()->clear();
        get<QPushButton>("Command2")->click();
        return QApplication::clipboard()->text();
    }
};

} // namespace

class TestLatitudes : public QObject
{
    Q_OBJECT
private slots:
    void everyPlaceLineKeepsTheColumnsAndTheBounds()
    {
        QCOMPARE(kLatitudeLines.size(), std::size_t(807));
        int withCoordinates = 0;
        QStringList without;
        QList<int> latitudes, longitudes;
        for (std::string_view raw : kLatitudeLines) {
            if (isHeading(raw))
                continue;
            const QString line = qs(raw);
            const QRegularExpressionMatch m = kPlaceLine.match(line);
            if (!m.hasMatch()) {
                without << line;
                continue;
            }
            ++withCoordinates;
            // The blanks before the longitude vary; its degrees end in column 44.
            QVERIFY2(line.indexOf(u'°', 31) == 44, raw.data());
            const Coordinates c = coordinates(m);
            QVERIFY2(c.latitudeMinutes >= 19 * 60 + 43 && c.latitudeMinutes <= 71 * 60 + 18, raw.data());
            QVERIFY2(c.longitudeMinutes >= 68 * 60 + 1 && c.longitudeMinutes <= 165 * 60 + 26, raw.data());
            latitudes << c.latitudeMinutes;
            longitudes << c.longitudeMinutes;
        }
        QCOMPARE(withCoordinates, 754);
        QCOMPARE(without, QStringList({QStringLiteral("..Alamagordo°"), QStringLiteral("..San Angelo°")}));
        // The bounds are reached, by the places that set them.
        QCOMPARE(*std::min_element(latitudes.begin(), latitudes.end()), 19 * 60 + 43);
        QCOMPARE(*std::max_element(latitudes.begin(), latitudes.end()), 71 * 60 + 18);
        QCOMPARE(*std::min_element(longitudes.begin(), longitudes.end()), 68 * 60 + 1);
        QCOMPARE(*std::max_element(longitudes.begin(), longitudes.end()), 165 * 60 + 26);
    }

    void tellingLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("first") << QStringLiteral("ALABAMA");
        QTest::newRow("Alexander City") << QStringLiteral("..Alexander City            32° 57' N     85° 57' W");
        QTest::newRow("Rock Springs") << QStringLiteral("..Rock Springs AP           41° 36' N    109° 0' W");
        QTest::newRow("Tyndall") << QStringLiteral("..Panama City, Tyndall AFB  30° 4' N      85° 35' W");
        QTest::newRow("Hilo") << QStringLiteral("..Hilo AP (S)               19° 43' N    155° 5' W");
        QTest::newRow("Nome") << QStringLiteral("..Nome AP                   64° 30' N    165° 26' W");
        QTest::newRow("Barrow") << QStringLiteral("..Barrow (S)                71° 18' N    156° 47' W");
        QTest::newRow("Caribou") << QStringLiteral("..Caribou AP (S)            46° 52' N     68° 1' W");
    }
    void tellingLines()
    {
        QFETCH(QString, line);
        QVERIFY(lineIndex(line) >= 0);
    }

    // The headings in alphabetical order, each with as many places as it has;
    // the two lines without coordinates stand under their states.
    void headingsAndTheirPlaces()
    {
        const std::array<int, 51> counts
            = {15, 6, 10, 10, 61, 13, 8, 2, 2, 23, 17, 4, 9, 27, 24, 16, 16, 10, 11, 7, 6, 13, 21, 15, 13, 19, 14, 14,
                9, 7, 8, 18, 35, 17, 8, 30, 16, 15, 22, 2, 12, 9, 13, 50, 10, 3, 11, 18, 10, 16, 11};
        QStringList headings;
        QList<int> places;
        QString stateOf[2];
        for (std::string_view raw : kLatitudeLines) {
            const QString line = qs(raw);
            if (isHeading(raw)) {
                QVERIFY2(line == line.toUpper() && line == line.trimmed(), raw.data());
                headings << line;
                places << 0;
                continue;
            }
            QVERIFY(!places.isEmpty());
            ++places.last();
            if (line == QStringLiteral("..Alamagordo°"))
                stateOf[0] = headings.last();
            if (line == QStringLiteral("..San Angelo°"))
                stateOf[1] = headings.last();
        }
        QCOMPARE(headings.size(), 51);
        QStringList sorted = headings;
        sorted.sort();
        QCOMPARE(headings, sorted);
        QVERIFY(headings.contains(QStringLiteral("DISTRICT OF COLUMBIA")));
        QCOMPARE(headings.last(), QStringLiteral("WYOMING"));
        QCOMPARE(places, QList<int>(counts.begin(), counts.end()));
        QCOMPARE(stateOf[0], QStringLiteral("NEW MEXICO"));
        QCOMPARE(stateOf[1], QStringLiteral("TEXAS"));
        // The base stands on the line after the town without coordinates.
        QVERIFY(qs(kLatitudeLines[lineIndex(QStringLiteral("..San Angelo°")) + 1]).startsWith("..Goodfellow AFB "));
        QVERIFY(qs(kLatitudeLines[lineIndex(QStringLiteral("..Alamagordo°")) + 1]).startsWith("..Holloman AFB "));
    }

    void loadFillsTheListAndChoosesLineZero()
    {
        LatWindow w;
        w.open();
        QCOMPARE(w.window->windowTitle(), QStringLiteral("Orbilex - Latitude and Longitude"));
        QCOMPARE(w.window->size(), QSize(497, 364));
        QCOMPARE(w.get<QLabel>("lblTitle")->text(), QStringLiteral("Latitude and Longitude of USA Regions/Cities"));
        QVERIFY(w.get<QLabel>("lblTitle")->font().bold());
        QCOMPARE(w.items()->count(), 807);
        for (int i = 0; i < 807; ++i)
            QCOMPARE(w.items()->item(i)->text(), qs(kLatitudeLines[i]));
        QCOMPARE(w.items()->currentRow(), 0);
        QCOMPARE(w.field()->text(), QStringLiteral("ALABAMA"));
        QCOMPARE(w.get<QPushButton>("Command2")->text(), QStringLiteral("&copy"));
        QCOMPARE(w.get<QPushButton>("Command1")->text(), QStringLiteral("close"));
        for (const char *button : {"Command1", "Command2"})
            QCOMPARE(w.get<QPushButton>(button)->cursor().shape(), w.m.get("cmdAbout")->cursor().shape());
    }

    // With characters of one width every place line's latitude and longitude
    // start at the same distance from the left edge.
    void theColumnsLineUpOnScreen()
    {
        LatWindow w;
        w.open();
        QVERIFY(QFontInfo(w.items()->font()).fixedPitch());
        const QFontMetrics metrics(w.items()->font());
        QSet<int> latitudeAt, longitudeAt;
        for (int i = 0; i < w.items()->count(); ++i) {
            const QString line = w.items()->item(i)->text();
            if (!kPlaceLine.match(line).hasMatch())
                continue;
            latitudeAt << metrics.horizontalAdvance(line.left(28));
            longitudeAt << metrics.horizontalAdvance(line.left(44));
        }
        QCOMPARE(latitudeAt.size(), 1);
        QCOMPARE(longitudeAt.size(), 1);
    }

    void copyTakesTheChosenLineExactly_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("heading") << QStringLiteral("TEXAS");
        QTest::newRow("no coordinates") << QStringLiteral("..San Angelo°");
        QTest::newRow("place") << QStringLiteral("..Panama City, Tyndall AFB  30° 4' N      85° 35' W");
        QTest::newRow("last") << qs(kLatitudeLines.back());
    }
    void copyTakesTheChosenLineExactly()
    {
        QFETCH(QString, line);
        LatWindow w;
        w.open();
        QCOMPARE(w.copied(), QStringLiteral("ALABAMA"));
        const int row = lineIndex(line);
        QVERIFY(row >= 0);
        w.choose(row);
        QCOMPARE(w.items()->currentRow(), row);
        QCOMPARE(w.copied(), line);
    }

    void typedTextLeavesNoLineChosenAndIsWhatIsCopied()
    {
        LatWindow w;
        w.open();
        w.choose(5);
        QTest::keyClick(w.field(), Qt::Key_End);
        QTest::keyClicks(w.field(), QStringLiteral(" x"));
        QCOMPARE(w.items()->currentRow(), -1);
        QCOMPARE(w.copied(), qs(kLatitudeLines[5]) + QStringLiteral(" x"));
        w.choose(7);
        QCOMPARE(w.copied(), qs(kLatitudeLines[7]));
    }

    void withoutAStoredPositionItOpens300TwipsFromTheEdges()
    {
        LatWindow w;
        w.open();
        QCOMPARE(w.window->pos(), QPoint(20, 20));
    }

    void positionIsRestoredAndSaved()
    {
        LatWindow w;
        w.m.te.setSetting("Left_Lat", QStringLiteral("1500"));
        w.m.te.setSetting("Top_Lat", QStringLiteral("900"));
        w.open();
        QCOMPARE(w.window->pos(), QPoint(100, 60));
        w.window->move(200, 120);
        w.get<QPushButton>("Command1")->click();
        QVERIFY(!w.window->isVisible());
        QVERIFY(!w.window->isLoaded());
        QCOMPARE(w.m.te.setting("Left_Lat"), QStringLiteral("3000"));
        QCOMPARE(w.m.te.setting("Top_Lat"), QStringLiteral("1800"));
    }

    void closingMinimisedKeepsTheStoredPosition()
    {
        LatWindow w;
        w.m.te.setSetting("Left_Lat", QStringLiteral("1500"));
        w.m.te.setSetting("Top_Lat", QStringLiteral("900"));
        w.open();
        w.window->move(300, 300);
        w.window->showMinimized();
        QVERIFY(w.window->isMinimized());
        w.window->close();
        QCOMPARE(w.m.te.setting("Left_Lat"), QStringLiteral("1500"));
        QCOMPARE(w.m.te.setting("Top_Lat"), QStringLiteral("900"));
    }

    // Enter and Escape close the window from the list and from its field; the
    // next opening loads it again on line 0.
    void enterAndEscapeCloseAndReopeningStartsOnLineZero_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("inField");
        QTest::newRow("Escape in the list") << int(Qt::Key_Escape) << false;
        QTest::newRow("Enter in the list") << int(Qt::Key_Return) << false;
        QTest::newRow("Escape in the field") << int(Qt::Key_Escape) << true;
        QTest::newRow("Enter in the field") << int(Qt::Key_Return) << true;
    }
    void enterAndEscapeCloseAndReopeningStartsOnLineZero()
    {
        QFETCH(int, key);
        QFETCH(bool, inField);
        LatWindow w;
        w.open();
        w.choose(40);
        QWidget *target = inField ? static_cast<QWidget *>(w.field()) : w.items();
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(!w.window->isVisible());
        QVERIFY(!w.window->isLoaded());
        QVERIFY(!w.m.te.setting("Left_Lat").isEmpty());
        w.open();
        QCOMPARE(w.items()->count(), 807);
        QCOMPARE(w.items()->currentRow(), 0);
        QCOMPARE(w.field()->text(), QStringLiteral("ALABAMA"));
    }

    void aWindowOpenAtExitIsReopenedAtStart()
    {
        LatWindow w;
        w.m.te.setSetting("wlat", QStringLiteral("True"));
        w.m.open();
        QWidget *lat = w.m.window->loadedCompanion(frmMain::CompanionKind::Latitudes);
        QVERIFY(lat);
        QVERIFY(qobject_cast<frmLat *>(lat));
    }
};

QTEST_MAIN(TestLatitudes)
#include "tst_latitudes.moc"
