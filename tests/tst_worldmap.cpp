// The world map: reading and rewriting wlocation.dat, the flag pictures, the
// picture and its zone ruler, the shipped marker file, and the window driven
// through the main window as a user would.

#include "data/countries.h"
#include "mainwindow.h"
#include "store/worldlocations.h"
#include "testfiles.h"
#include "ui/companions/frmWorldMap.h"
#include "ui/companions/worldmarkers.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QRegularExpression>

using namespace orbilex;
using namespace orbilex::test;

namespace {

QString shippedLocations()
{
    return QFINDTESTDATA("../assets/wlocation.dat");
}

// A main window whose program folder holds a marker file, with its map.
struct MapWindow : MainWindow {
    QString locations() const { return te.file(QLatin1StringView(kLocationFileName)); }
    void ship() { QVERIFY(QFile::copy(shippedLocations(), locations())); }
    // A copy that came with the program, outside the program folder.
    void shipCopy()
    {
        QVERIFY(QDir(te.folder.path()).mkdir(QStringLiteral("share")));
        QVERIFY(QFile::copy(shippedLocations(), te.file(QStringLiteral("share/wlocation.dat"))));
        te.env.shippedFolders = {te.file(QStringLiteral("share"))};
    }
    void setLocations(const QByteArray &bytes) { writeFile(locations(), bytes); }

    frmWorldMap *map() const
    {
        return qobject_cast<frmWorldMap *>(window->companion(frmMain::CompanionKind::WorldMap));
    }
    template<typename T = QWidget> T *part(const char *name) const { return child<T>(map(), name); }
    QString mapText(const char *name) const
    {
        QWidget *w = part(name);
        if (auto *l = qobject_cast<QLineEdit *>(w))
            return l->text();
        if (auto *l = qobject_cast<QLabel *>(w))
            return l->text();
        return qobject_cast<QComboBox *>(w)->currentText();
    }
    QPoint marker() const { return part("imgCur")->pos(); }
    QString log() const { return text("txtLog"); }
    void clearLog() const { window->logField()->clear(); }

    void openMap() const { click("cmdMapShow"); }
    void mapClick(const char *name) const { part<QPushButton>(name)->click(); }
    void mouse(QEvent::Type type, QPoint pixel) const
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(pixel), map()->mapToGlobal(QPointF(pixel)), button, button, Qt::NoModifier);
        QApplication::sendEvent(map(), &event);
    }
    void press(QPoint pixel) const { mouse(QEvent::MouseButtonPress, pixel); }
    void storeAt(QPoint pixel) const
    {
        mapClick("cmdEdit");
        press(pixel);
    }

    // Ticks come only when the test fires them.
    QTimer *manualTimer(const char *name) const
    {
        auto *t = part<QTimer>(name);
        t->setInterval(3600 * 1000);
        if (t->isActive())
            t->start();
        return t;
    }
    static void tick(QTimer *t) { QMetaObject::invokeMethod(t, "timeout"); }
};

// The shipped file with one country's line replaced.
QByteArray shippedWith(const QByteArray &from, const QByteArray &to)
{
    QByteArray bytes = readBytes(shippedLocations());
    const qsizetype at = bytes.indexOf(from);
    if (at < 0)
        qFatal("no line %s", from.constData());
    return bytes.replace(at, from.size(), to);
}

bool sameImage(const QPixmap &pixmap, Marker marker)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32) == markerImage(marker);
}

bool isLandColour(QRgb c)
{
    // Land and its outlines are warm, the sea is blue.
    return qRed(c) > qBlue(c);
}

} // namespace

class TestWorldMap : public QObject
{
    Q_OBJECT
private slots:
    // --- the file, without a window ---------------------------------------------------------------------------------

    void splitsFields_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("fields");
        const QStringList germany {QStringLiteral("Germany"), QStringLiteral("6900"), QStringLiteral("2130")};
        QTest::newRow("own form") << "\"Germany\" \"6900\" \"2130\"" << germany;
        QTest::newRow("quoted, commas") << "\"Germany\",\"6900\",\"2130\"" << germany;
        QTest::newRow("quoted, comma and blanks") << "  \"Germany\" , \"6900\"  ,\"2130\"  " << germany;
        QTest::newRow("unquoted, commas") << "Germany,6900,2130" << germany;
        QTest::newRow("unquoted, blanks around") << "  Germany ,  6900 , 2130  " << germany;
        QTest::newRow("mixed") << "\"Germany\" 6900,\"2130\"" << germany;
        QTest::newRow("text after the third") << "\"Germany\" \"6900\" \"2130\" \"extra\"" << germany;
        QTest::newRow("quoted comma stays") << "\"Korea, North\" \"1\" \"2\"" << QStringList {"Korea, North", "1", "2"};
        QTest::newRow("empty unquoted field") << "\"A\",,\"3\"" << QStringList {"A", "", "3"};
        QTest::newRow("open quote runs to the end") << "\"A\" \"1\" \"2" << QStringList {"A", "1", "2"};
        // Blanks separate only after a quoted field: unquoted, they are text.
        QTest::newRow("unquoted blanks are text") << "Germany 6900 2130" << QStringList();
        QTest::newRow("two fields") << "\"Germany\" \"6900\"" << QStringList();
        QTest::newRow("blank line") << "   " << QStringList();
    }
    void splitsFields()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, fields);
        const std::optional<LocationFields> got = splitLocationLine(line);
        if (fields.isEmpty()) {
            QVERIFY(!got);
            return;
        }
        QVERIFY(got);
        QCOMPARE((QStringList {got->name, got->x, got->y}), fields);
    }

    void splitsLinesAtEveryKindOfEnd()
    {
        QCOMPARE(splitLines("a\r\nb\nc\rd"), (QList<QByteArray> {"a", "b", "c", "d"}));
        QCOMPARE(splitLines("a\r\n\r\nb\r\n"), (QList<QByteArray> {"a", "", "b"}));
        QCOMPARE(splitLines(""), QList<QByteArray>());
    }

    void scanKeepsTheLastMatchAndStopsAtABadLine()
    {
        const QByteArray twice = "\"Chad\" \"1\" \"2\"\r\n\"Germany\" \"15\" \"30\"\r\n\r\n"
                                 "Germany,45,60\r\n\"Germanyx\" \"0\" \"0\"\r\n";
        LocationScan scan = scanLocations(twice, QStringLiteral("Germany"));
        QVERIFY(!scan.error);
        QCOMPARE(scan.position->x, 45);
        QCOMPARE(scan.position->yText, QStringLiteral("60"));

        // Names compare exactly.
        QVERIFY(!scanLocations(twice, QStringLiteral("germany")).locatedName);

        // Another country's bad line is passed over; the country's own stops the reading.
        scan = scanLocations(
            "\"Germany\" \"15\" \"30\"\r\nnot a line\r\n\"Germany\" \"45\" \"60\"\r\n", QStringLiteral("Germany"));
        QVERIFY(!scan.error);
        QCOMPARE(scan.skipped->number, 62);
        QCOMPARE(scan.position->x, 45);
        scan = scanLocations("\"Germany\" \"15\" \"30\"\r\n\"Germany\" \"45\"\r\n\"Germany\" \"45\" \"60\"\r\n",
            QStringLiteral("Germany"));
        QCOMPARE(scan.error->number, 62);
        QVERIFY(!scan.skipped);
        QCOMPARE(scan.position->x, 15);

        // A bad number counts only on the country's own line; the name is
        // located before its numbers are read.
        scan = scanLocations("\"Chad\" \"x\" \"y\"\r\n\"Germany\" \"15\" \"30\"\r\n\"Germany\" \"1\" \"2o\"\r\n",
            QStringLiteral("Germany"));
        QCOMPARE(scan.error->number, 13);
        QCOMPARE(scan.error->description, QStringLiteral("Type mismatch"));
        QCOMPARE(scan.locatedName, QStringLiteral("Germany"));
        QCOMPARE(scan.position->x, 15);
    }

    void patchReplacesTheCountrysLastLineOnly()
    {
        const QByteArray file = "\"A\" \"1\" \"2\"\r\nB, 3 ,4\n  \"C\"  \"5\" \"6\"  \r\r\n\"B\" 7\n\"D\" \"x\"";
        const auto patch = [&](const char *name) {
            return patchLocationLine(file, QString::fromLatin1(name), locationLine(QString::fromLatin1(name), 30, 45));
        };
        QCOMPARE(*patch("A"), "\"A\" \"30\" \"45\"\r\nB, 3 ,4\n  \"C\"  \"5\" \"6\"  \r\r\n\"B\" 7\n\"D\" \"x\"");
        // The last line of a name is the one readers take, a bad one too.
        QCOMPARE(*patch("B"),
            "\"A\" \"1\" \"2\"\r\nB, 3 ,4\n  \"C\"  \"5\" \"6\"  \r\r\n\"B\" \"30\" \"45\"\r\n\"D\" \"x\"");
        QCOMPARE(
            *patch("D"), "\"A\" \"1\" \"2\"\r\nB, 3 ,4\n  \"C\"  \"5\" \"6\"  \r\r\n\"B\" 7\n\"D\" \"30\" \"45\"\r\n");
        QVERIFY(!patch("E"));
        QVERIFY(!patch(""));
        QVERIFY(!patchLocationLine({}, QStringLiteral("A"), locationLine(QStringLiteral("A"), 0, 0)));
    }

    void fileErrors()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wlocation.dat"));
        try {
            readLocationFile(path);
            QFAIL("read a missing file");
        } catch (const AppError &e) {
            QCOMPARE(e.number, 53);
            QCOMPARE(e.description, QStringLiteral("File not found"));
        }
        QVERIFY_THROWS_EXCEPTION(AppError, storeLocation(path, QStringLiteral("Chad"), 1, 2));
        QVERIFY(!QFile::exists(path));
        // A store that cannot be written is an error and leaves nothing behind.
        const QString inMissingFolder = dir.filePath(QStringLiteral("no/such/folder/wlocation.dat"));
        QVERIFY_THROWS_EXCEPTION(
            AppError, storeLocation(inMissingFolder, QStringLiteral("Chad"), 1, 2, shippedLocations()));
        QVERIFY(!QFile::exists(inMissingFolder));
        // A missing file comes back from the shipped copy, whole.
        QCOMPARE(readLocationFile(path, shippedLocations()), readBytes(shippedLocations()));
        QCOMPARE(readBytes(path), readBytes(shippedLocations()));
    }

    // --- the pictures
    // -------------------------------------------------------------------------------------------------

    void markerPictures()
    {
        const QImage full = markerImage(Marker::Full);
        const QImage empty = markerImage(Marker::Empty);
        QCOMPARE(full.size(), QSize(32, 32));
        const auto black = [](const QImage &image, int x, int y) { return qAlpha(image.pixel(x, y)) == 255; };
        // Block, bar and pole of the flag, and just beyond each.
        for (const QPoint p : {QPoint(0, 0), QPoint(7, 8), QPoint(5, 3), QPoint(27, 4), QPoint(27, 5), QPoint(8, 5),
                 QPoint(3, 20), QPoint(4, 20), QPoint(3, 9)})
            QVERIFY2(black(full, p.x(), p.y()), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        for (const QPoint p : {QPoint(8, 0), QPoint(0, 9), QPoint(28, 4), QPoint(27, 6), QPoint(8, 3), QPoint(2, 20),
                 QPoint(5, 20), QPoint(3, 21), QPoint(31, 31)})
            QVERIFY2(!black(full, p.x(), p.y()), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        // The empty one is the outline: the block's inside is clear, the thin
        // bar and pole stay whole.
        QVERIFY(black(empty, 0, 0) && black(empty, 7, 2) && black(empty, 0, 8));
        QVERIFY(!black(empty, 2, 2) && !black(empty, 5, 6));
        QVERIFY(black(empty, 20, 4) && black(empty, 20, 5) && black(empty, 3, 15) && black(empty, 4, 20));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QVERIFY(!black(empty, x, y) || black(full, x, y));
        const QCursor pointer = markerCursor(Marker::Empty);
        QCOMPARE(pointer.hotSpot(), QPoint(0, 0));
        QVERIFY(sameImage(pointer.pixmap(), Marker::Empty));
    }

    void zoneBandsLineUpWithTheRuler()
    {
        MapWindow m;
        m.ship();
        m.open();
        const QImage picture(QStringLiteral(":/worldmap.png"));
        QCOMPARE(picture.size(), QSize(925, 476));

        QStringList texts;
        QList<int> centres;
        for (int n = 3; n <= 28; ++n) {
            auto *l = m.part<QLabel>(qPrintable(QStringLiteral("Label%1").arg(n)));
            texts << l->text();
            centres << l->x() + l->width() / 2;
        }
        QStringList expected {"-11", "-10", "-9", "-8", "-7", "-6", "-5", "-4", "-3", "-2", "-1", "0"};
        for (int z = 1; z <= 12; ++z)
            expected << QStringLiteral("+%1").arg(z);
        expected << "-12"
                 << "-11";
        QCOMPARE(texts, expected);
        QCOMPARE(m.part("Label27")->y() + m.part("Label27")->height(), m.part("Label26")->y());
        QCOMPARE(centres[24], centres[23]);
        // The top row is open sea all along: the tint changes halfway between
        // two labels and nowhere near a label.
        centres.removeAt(24);
        texts.removeAt(24);
        const auto colour = [&](int x) { return picture.pixel(x, 0); };
        for (int k = 0; k + 1 < centres.size(); ++k) {
            const int mid = (centres[k] + centres[k + 1]) / 2;
            for (int x = centres[k] - 12; x <= mid - 2; ++x)
                QVERIFY2(x < 0 || colour(x) == colour(centres[k]), qPrintable(texts[k]));
            for (int x = mid + 2; x <= centres[k + 1] + 12 && x < picture.width(); ++x)
                QVERIFY2(colour(x) == colour(centres[k + 1]), qPrintable(texts[k + 1]));
            QVERIFY(colour(centres[k]) != colour(centres[k + 1]));
        }
    }

    void pictureIsTheBackgroundUnscaled()
    {
        MapWindow m;
        m.ship();
        m.open();
        m.openMap();
        QCOMPARE(m.map()->size(), QSize(924, 490));
        // The small fonts of the map's own texts come with its first showing.
        for (const char *small : {"txtCurCountry", "txtCTop", "cmdEdit", "cmbWMCountry", "lblGeoWorld"})
            QCOMPARE(m.part(small)->font().pixelSize(), 9);
        QVERIFY(m.part("lblCurTime")->font().bold());
        QVERIFY(m.part("lblGeoWorld")->font().underline());
        QVERIFY(m.part("lblCurTime")->width() < 80);
        const QImage shown = m.map()->grab().toImage();
        const QImage picture(QStringLiteral(":/worldmap.png"));
        for (const QPoint p : {QPoint(600, 300), QPoint(200, 150), QPoint(900, 60)})
            QCOMPARE(shown.pixel(p), picture.pixel(p));
    }

    void shippedFileHasEveryCountryOnItsLand()
    {
        const QByteArray bytes = readBytes(shippedLocations());
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), qsizetype(kCountryCount));
        QCOMPARE(bytes.count('\n'), qsizetype(kCountryCount));
        const QList<QByteArray> lines = splitLines(bytes);
        const QImage picture(QStringLiteral(":/worldmap.png"));
        for (int i = 0; i < kCountryCount; ++i) {
            const QString name = QString::fromUtf8(kCountryNames[std::size_t(i)]);
            const std::optional<LocationFields> f = splitLocationLine(QString::fromLatin1(lines[i]));
            QVERIFY(f);
            QCOMPARE(f->name, name);
            QCOMPARE(lines[i] + "\r\n", locationLine(name, f->x.toInt(), f->y.toInt()));
            const QPoint p(twipsToPixels(f->x.toInt()), twipsToPixels(f->y.toInt()));
            QVERIFY2(picture.rect().contains(p), qPrintable(name));
        }
        // Where the picture is land, the marker's corner stands on it.
        for (const int i : {81, 30, 111, 12, 238, 44, 189, 102, 38, 63, 9, 147, 211}) {
            const std::optional<LocationFields> f = splitLocationLine(QString::fromLatin1(lines[i]));
            const QPoint p(twipsToPixels(f->x.toInt()), twipsToPixels(f->y.toInt()));
            bool land = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    land = land || isLandColour(picture.pixel(p + QPoint(dx, dy)));
            QVERIFY2(land, qPrintable(f->name));
        }
    }

    // --- the window
    // ---------------------------------------------------------------------------------------------------

    void loadsHiddenWithTheFirstSelection()
    {
        MapWindow m;
        m.ship();
        m.open();
        frmWorldMap *map = qobject_cast<frmWorldMap *>(m.window->loadedCompanion(frmMain::CompanionKind::WorldMap));
        QVERIFY(map);
        QVERIFY(!map->isVisible());
        QVERIFY(m.part<QTimer>("Timer1")->isActive());
        QCOMPARE(m.part<QTimer>("Timer1")->interval(), 500);
        QVERIFY(!m.part<QTimer>("Timer2")->isActive());
        QCOMPARE(m.part<QComboBox>("cmbWMCountry")->count(), kCountryCount);
        QCOMPARE(m.mapText("cmbWMCountry"), QStringLiteral("Afghanistan"));
        QCOMPARE(map->windowTitle(), QStringLiteral("World Map - Afghanistan"));
        // The load located the country already.
        QCOMPARE(m.mapText("txtCurCountry"), QStringLiteral("Afghanistan"));
        QCOMPARE(m.mapText("txtID"), QStringLiteral("0"));
        QCOMPARE(m.marker(), QPoint(8985 / 15, 2955 / 15));
        QCOMPARE(m.log(), QString());
        QVERIFY(!m.part("cmdCancel")->isEnabled());
        QCOMPARE(m.part<QPushButton>("cmdEdit")->text(), QStringLiteral("&Edit position"));
        QCOMPARE(m.part<QPushButton>("cmdClose")->text(), QStringLiteral("Clo&se"));
        // Selecting while the map is hidden does not show it.
        m.select(81);
        QVERIFY(!map->isVisible());
        QCOMPARE(m.mapText("cmbWMCountry"), QStringLiteral("Germany"));
    }

    void positionFromSettings()
    {
        MapWindow m;
        m.ship();
        m.open();
        QCOMPARE(m.map()->pos(), QPoint(twipsToPixels(100), twipsToPixels(80)));

        MapWindow n;
        n.ship();
        n.te.setSetting("Left_World", QStringLiteral("3000"));
        n.te.setSetting("Top_World", QStringLiteral(" 1500 "));
        n.open();
        QCOMPARE(n.map()->pos(), QPoint(200, 100));
    }

    void commaAndBlankLinesPlaceTheMarkerAlike()
    {
        MapWindow m;
        m.ship();
        m.open();
        m.openMap();
        QPoint places[3];
        const QByteArray forms[3]
            = {"\"Germany\" \"4500\" \"3000\"\r\n", "\"Germany\",\"4500\",\"3000\"\r\n", "Germany, 4500 ,3000\r\n"};
        for (int i = 0; i < 3; ++i) {
            m.setLocations(forms[i]);
            m.select(0);
            m.select(81);
            places[i] = m.marker();
            QCOMPARE(m.mapText("txtCLeft"), QStringLiteral("4500"));
            QCOMPARE(m.mapText("txtCTop"), QStringLiteral("3000"));
        }
        QCOMPARE(places[0], QPoint(300, 200));
        QCOMPARE(places[1], places[0]);
        QCOMPARE(places[2], places[0]);
    }

    void laterDuplicateWins()
    {
        MapWindow m;
        m.ship();
        m.open();
        m.openMap();
        m.setLocations("\"Germany\" \"1500\" \"1500\"\r\n\"Chad\" \"30\" \"30\"\r\n\"Germany\" \"3000\" \"1500\"\r\n");
        m.select(81);
        QCOMPARE(m.marker(), QPoint(200, 100));
        QCOMPARE(m.mapText("txtCurCountry"), QStringLiteral("Germany"));
        QCOMPARE(m.mapText("txtID"), QStringLiteral("81"));
    }

    void listsMirrorWithoutChasing()
    {
        MapWindow m;
        m.ship();
        m.open();
        m.openMap();
        int mainEvents = 0;
        int mapEvents = 0;
        QObject::connect(m.box("cmbCountryName"), &QComboBox::currentIndexChanged, [&] { ++mainEvents; });
        QObject::connect(m.part<QComboBox>("cmbWMCountry"), &QComboBox::currentIndexChanged, [&] { ++mapEvents; });

        m.part<QComboBox>("cmbWMCountry")->setCurrentIndex(81);
        QCOMPARE(m.countryName(), QStringLiteral("Germany"));
        QCOMPARE(m.text("txtCountryName"), QStringLiteral("Germany"));
        QCOMPARE(m.map()->windowTitle(), QStringLiteral("World Map - Germany"));
        QCOMPARE(m.mapText("txtCurCountry"), QStringLiteral("Germany"));
        QCOMPARE(mainEvents, 1);
        QCOMPARE(mapEvents, 1);

        m.select(30);
        QCOMPARE(m.mapText("cmbWMCountry"), QStringLiteral("Brazil"));
        QCOMPARE(m.map()->windowTitle(), QStringLiteral("World Map - Brazil"));
        QCOMPARE(m.mapText("txtCurCountry"), QStringLiteral("Brazil"));
        QCOMPARE(mainEvents, 2);
        QCOMPARE(mapEvents, 2);
    }

    void storingReplacesOnlyTheCountrysLine()
    {
        MapWindow m;
        const QByteArray rest
            = "Albania, 7140 ,2655\n  \"Algeria\"  \"6510\" \"2865\"  \r\n\r\n\"Nowhere\" \"1\" \"2\"\r\n";
        m.setLocations("\"Afghanistan\" \"8985\" \"2955\"\r\n" + rest);
        m.open();
        m.openMap();
        QCOMPARE(m.mapText("txtCurCountry"), QStringLiteral("Afghanistan"));

        m.mapClick("cmdEdit");
        QVERIFY(m.map()->inEditMode());
        QVERIFY(m.part("cmdCancel")->isEnabled());
        QVERIFY(!m.part("cmdEdit")->isEnabled());
        QVERIFY(!m.part("imgCur")->isVisible());
        QVERIFY(!m.part("lblCurTime")->isVisible());

        m.mouse(QEvent::MouseMove, {100, 200});
        QCOMPARE(m.mapText("txtCLeft"), QStringLiteral("1500"));
        QCOMPARE(m.mapText("txtCTop"), QStringLiteral("3000"));
        QVERIFY(m.part("linX")->isVisible());
        QCOMPARE(m.part("linX")->geometry(), QRect(0, 200, 924, 1));
        QCOMPARE(m.part("linY")->geometry(), QRect(100, 0, 1, 490));
        QCOMPARE(m.part("txtLeft")->pos(), QPoint(100, 0));
        QCOMPARE(m.mapText("txtLeft"), QStringLiteral("1500"));

        m.press({100, 200});
        QCOMPARE(readBytes(m.locations()), "\"Afghanistan\" \"1500\" \"3000\"\r\n" + rest);
        QVERIFY(!m.map()->inEditMode());
        QVERIFY(m.part("imgCur")->isVisible());
        QCOMPARE(m.marker(), QPoint(100, 200));
        // 8 twips right and below the marker's corner.
        QCOMPARE(m.part("lblCurTime")->pos(), QPoint(twipsToPixels(1508), twipsToPixels(3008)));
        QVERIFY(!m.part("linX")->isVisible());
        QCOMPARE(m.mapText("lblCFlash"), QStringLiteral("."));
        QCOMPARE(m.mapText("txtCurCountry"), QStringLiteral("Afghanistan"));

        // Outside edit mode a press stores nothing.
        const QByteArray stored = readBytes(m.locations());
        m.press({300, 300});
        QCOMPARE(readBytes(m.locations()), stored);
        QCOMPARE(m.marker(), QPoint(100, 200));
    }

    void storeThatCannotBeDoneChangesNothing()
    {
        // The located country's line went away.
        MapWindow m;
        m.ship();
        m.open();
        m.openMap();
        m.select(81);
        m.setLocations("\"Chad\" \"1500\" \"1500\"\r\n");
        const QByteArray shortFile = readBytes(m.locations());
        const QPoint germany = m.marker();
        m.select(30); // Brazil has no line; Germany (index 81) stays located
        m.storeAt({50, 50});
        QCOMPARE(readBytes(m.locations()), shortFile);
        QCOMPARE(m.marker(), germany);
        QVERIFY(!m.map()->inEditMode());
        QVERIFY(m.te.dialogs->shown.empty());

        // No country located yet.
        MapWindow n;
        n.setLocations("\"Chad\" \"1500\" \"1500\"\r\n");
        n.open();
        n.openMap();
        QCOMPARE(n.mapText("txtID"), QString());
        n.storeAt({50, 50});
        QCOMPARE(readBytes(n.locations()), QByteArray("\"Chad\" \"1500\" \"1500\"\r\n"));

        // The file went missing, with no copy to put back: said, not made up.
        MapWindow g;
        g.ship();
        g.open();
        g.openMap();
        QVERIFY(QFile::remove(g.locations()));
        g.storeAt({50, 50});
        QVERIFY(!QFile::exists(g.locations()));
        QCOMPARE(g.te.dialogs->shown.size(), std::size_t(1));
        QCOMPARE(g.te.dialogs->shown.front().text, QStringLiteral("Error 53 File not found"));
        QVERIFY(!g.map()->inEditMode());
    }

    // The store changes the located country's line only, in the file as it
    // is at the click, or nothing.
    void storeFindsTheCountrysLineByName()
    {
        MapWindow m;
        const QByteArray albania = "\"Albania\" \"7140\" \"2655\"\r\n";
        m.setLocations(shippedWith(albania, {}));
        m.open();
        m.openMap();
        m.selectNamed(QStringLiteral("Germany"));
        m.storeAt({100, 200});
        QCOMPARE(readBytes(m.locations()),
            shippedWith(albania, {}).replace("\"Germany\" \"6900\" \"2130\"", "\"Germany\" \"1500\" \"3000\""));
    }

    void storeKeepsWhatASecondCopyStored()
    {
        MapWindow a;
        MapWindow b;
        a.ship();
        b.te.env.programFolder = a.te.env.programFolder;
        a.open();
        b.open();
        a.openMap();
        b.openMap();
        a.selectNamed(QStringLiteral("France"));
        b.selectNamed(QStringLiteral("Spain"));
        a.mapClick("cmdEdit");
        b.mapClick("cmdEdit");
        a.press({100, 100});
        b.press({200, 200});
        QCOMPARE(readBytes(a.locations()),
            shippedWith("\"France\" \"6480\" \"2310\"", "\"France\" \"1500\" \"1500\"")
                .replace("\"Spain\" \"6255\" \"2700\"", "\"Spain\" \"3000\" \"3000\""));
    }

    // Made read-only by the user: refused as a read-only userdb.ini is.
    void storeRefusesAReadOnlyFile()
    {
        MapWindow r;
        r.ship();
        r.open();
        r.openMap();
        r.selectNamed(QStringLiteral("Germany"));
        const QPoint germany = r.marker();
        const QFileDevice::Permissions readOnly
            = QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(r.locations(), readOnly));
        r.storeAt({100, 200});
        QCOMPARE(readBytes(r.locations()), readBytes(shippedLocations()));
        QCOMPARE(QFile(r.locations()).permissions()
                & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther),
            QFileDevice::Permissions());
        QCOMPARE(r.marker(), germany);
        QCOMPARE(r.te.dialogs->shown.size(), std::size_t(1));
        QCOMPARE(r.te.dialogs->shown.front().icon, Dialogs::Icon::Warning);
        QCOMPARE(r.te.dialogs->shown.front().title, QStringLiteral("Orbilex"));
        QCOMPARE(r.te.dialogs->shown.front().text, QStringLiteral("Error 75 Path/File access error"));
        QVERIFY(!r.map()->inEditMode());
    }

    void editModeBlinksThePointer()
    {
        MapWindow m;
        m.ship();
        m.open();
        m.openMap();
        QTimer *timer2 = m.manualTimer("Timer2");
        m.mapClick("cmdEdit");
        QVERIFY(timer2->isActive());
        QCOMPARE(m.map()->cursor().hotSpot(), QPoint(0, 0));
        QVERIFY(sameImage(m.map()->cursor().pixmap(), Marker::Empty));
        m.tick(timer2);
        QCOMPARE(m.mapText("lblCFlash"), QStringLiteral(".."));
        QVERIFY(sameImage(m.map()->cursor().pixmap(), Marker::Full));
        m.tick(timer2);
        QCOMPARE(m.mapText("lblCFlash"), QStringLiteral("..."));
        QVERIFY(sameImage(m.map()->cursor().pixmap(), Marker::Empty));

        // Escape cancels edit mode, and then closes the window.
        QTest::keyClick(m.map(), Qt::Key_Escape);
        QVERIFY(!m.map()->inEditMode());
        QVERIFY(!timer2->isActive());
        QCOMPARE(m.map()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(m.mapText("lblCFlash"), QStringLiteral("."));
        QVERIFY(m.map()->isVisible());
        QTest::keyClick(m.map(), Qt::Key_Escape);
        QVERIFY(!m.map()->isVisible());
    }

    void markerBlinksWithTheLocalTime()
    {
        MapWindow m;
        m.ship();
        m.te.clock->utc = QDateTime(QDate(2026, 1, 15), QTime(12, 0, 0), Qt::UTC);
        m.open();
        QTimer *timer1 = m.manualTimer("Timer1");
        auto *marker = m.part<QLabel>("imgCur");
        QVERIFY(sameImage(marker->pixmap(), Marker::Empty));
        // The country clock knows no +05:45; the label shows Nepal's own time.
        m.selectNamed(QStringLiteral("Nepal"));
        m.tick(timer1);
        QVERIFY(sameImage(marker->pixmap(), Marker::Full));
        QCOMPARE(m.mapText("lblCurTime"), QStringLiteral("17:45:00"));
        m.tick(timer1);
        QVERIFY(sameImage(marker->pixmap(), Marker::Empty));
        // A place without a zone shows the country clock.
        m.selectNamed(QStringLiteral("Antarctica"));
        m.get<QLineEdit>("txtcTime")->setText(QStringLiteral("12:34:56"));
        m.tick(timer1);
        QCOMPARE(m.mapText("lblCurTime"), QStringLiteral("12:34:56"));
    }

    void closingInEditModeThenReopening()
    {
        MapWindow m;
        m.ship();
        m.open();
        m.openMap();
        m.mapClick("cmdEdit");
        m.map()->close();
        QVERIFY(!m.map()->isLoaded());
        QVERIFY(!m.map()->inEditMode());
        QVERIFY(!m.part<QTimer>("Timer1")->isActive());
        const QByteArray before = readBytes(m.locations());

        m.openMap();
        QVERIFY(m.map()->isVisible());
        QVERIFY(m.map()->isLoaded());
        QVERIFY(!m.map()->inEditMode());
        QVERIFY(m.part("cmdEdit")->isEnabled());
        QVERIFY(m.part<QTimer>("Timer1")->isActive());
        m.press({50, 50});
        QCOMPARE(readBytes(m.locations()), before);
        QCOMPARE(m.marker(), QPoint(8985 / 15, 2955 / 15));
    }

    void closingSavesThePositionUnlessMinimised()
    {
        MapWindow m;
        m.ship();
        m.te.setSetting("Left_World", QStringLiteral("1500"));
        m.te.setSetting("Top_World", QStringLiteral("1200"));
        m.open();
        m.openMap();
        m.map()->move(200, 150);
        m.map()->showMinimized();
        m.mapClick("cmdClose");
        QCOMPARE(m.te.setting("Left_World"), QStringLiteral("1500"));
        QCOMPARE(m.te.setting("Top_World"), QStringLiteral("1200"));

        m.openMap();
        m.map()->showNormal();
        m.map()->move(200, 150);
        m.map()->close();
        QCOMPARE(m.te.setting("Left_World"), QStringLiteral("3000"));
        QCOMPARE(m.te.setting("Top_World"), QStringLiteral("2250"));
    }

    void unreadableCountryOpeningTheMapEndsTheProgram_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("error");
        QTest::newRow("no file, no shipped copy") << QByteArray() << "Error 53 File not found";
        QTest::newRow("own line cut short")
            << QByteArray("\"Afghanistan\" \"8985\"\r\n") << "Error 62 Input past end of file";
        QTest::newRow("own line not numeric")
            << QByteArray("\"Afghanistan\" \"x\" \"2955\"\r\n") << "Error 13 Type mismatch";
    }
    void unreadableCountryOpeningTheMapEndsTheProgram()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        MapWindow m;
        if (!content.isEmpty())
            m.setLocations(content);
        m.open();
        // The load and the first selection only log.
        QCOMPARE(m.log(), error);
        QVERIFY(m.te.dialogs->shown.empty());
        QVERIFY(m.te.endings.empty());

        m.openMap();
        QCOMPARE(m.te.dialogs->shown.size(), std::size_t(1));
        const ScriptedDialogs::Shown &box = m.te.dialogs->shown.front();
        QCOMPARE(box.kind, QStringLiteral("message"));
        QCOMPARE(box.icon, Dialogs::Icon::Critical);
        QCOMPARE(box.title, QString(error).replace(QRegularExpression(QStringLiteral("^(Error \\d+) ")), "\\1 : "));
        QCOMPARE(box.text,
            QStringLiteral("File \"wlocation.dat\" missed or is in invalid format\r\n"
                           "try reinstalling the program,\r\n\r\n"
                           "Unable to continue, now closing Orbilex..."));
        QCOMPARE(m.te.endings, std::vector<int> {1});
        // The session is kept as at any exit.
        QCOMPARE(m.te.setting("CountryName"), QStringLiteral("0"));
        QVERIFY(m.te.env.settings->contains(keys::Left));
        QVERIFY(m.te.env.settings->contains(keys::Left_World));
        QCOMPARE(readBytes(m.locations()), content);
    }

    // A start with no country selected makes the map with the first click.
    void firstMapClickChecksTheFile()
    {
        MapWindow m;
        m.te.setSetting("CountryName", QStringLiteral("9999"));
        m.open();
        QVERIFY(!m.window->loadedCompanion(frmMain::CompanionKind::WorldMap));
        m.openMap();
        QCOMPARE(m.te.dialogs->shown.size(), std::size_t(1));
        QCOMPARE(m.te.dialogs->shown.front().title, QStringLiteral("Error 53 : File not found"));
        QCOMPARE(m.te.endings, std::vector<int> {1});
    }

    void anotherCountrysBadLineIsPassedOver()
    {
        MapWindow m;
        m.setLocations(shippedWith("\"Angola\" \"6900\"", "\"Angola \"6900\""));
        m.open();
        m.selectNamed(QStringLiteral("Germany"));
        m.clearLog();
        m.openMap();
        QVERIFY(m.te.endings.empty());
        QVERIFY(m.te.dialogs->shown.empty());
        QCOMPARE(m.log(), QStringLiteral("Error 62 Input past end of file"));
        QCOMPARE(m.mapText("txtCurCountry"), QStringLiteral("Germany"));
        QCOMPARE(m.marker(), QPoint(6900 / 15, 2130 / 15));
    }

    void missingFileComesBackFromTheShippedCopy()
    {
        MapWindow m;
        m.shipCopy();
        m.open();
        QCOMPARE(m.log(), QString());
        QVERIFY(QFile::remove(m.locations()));
        m.openMap();
        QVERIFY(m.te.endings.empty());
        QVERIFY(m.te.dialogs->shown.empty());
        QCOMPARE(readBytes(m.locations()), readBytes(shippedLocations()));
        QCOMPARE(m.marker(), QPoint(8985 / 15, 2955 / 15));
        // And so for a store.
        QVERIFY(QFile::remove(m.locations()));
        m.storeAt({100, 200});
        QCOMPARE(readBytes(m.locations()),
            shippedWith("\"Afghanistan\" \"8985\" \"2955\"", "\"Afghanistan\" \"1500\" \"3000\""));
    }

    // Positions near the limits of a number stay off the map, the clock
    // beside its marker.
    void farPositionsStayOffTheMap_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("sideX");
        QTest::addColumn<int>("sideY");
        QTest::newRow("max, min") << QByteArray("\"Germany\" \"2147483647\" \"-2147483648\"") << 1 << -1;
        QTest::newRow("min, max") << QByteArray("\"Germany\" \"-2147483648\" \"2147483647\"") << -1 << 1;
        QTest::newRow("max - 3") << QByteArray("\"Germany\" \"2147483644\" \"2147483640\"") << 1 << 1;
    }
    void farPositionsStayOffTheMap()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, sideX);
        QFETCH(int, sideY);
        MapWindow m;
        m.setLocations(line + "\r\n");
        m.open();
        m.openMap();
        m.selectNamed(QStringLiteral("Germany"));
        QCOMPARE(m.log(), QString());
        const QPoint marker = m.marker();
        const QRect surface = m.map()->rect();
        QVERIFY(sideX > 0 ? marker.x() > surface.right() : marker.x() + kMarkerSize < 0);
        QVERIFY(sideY > 0 ? marker.y() > surface.bottom() : marker.y() + kMarkerSize < 0);
        const QPoint offset = m.part("lblCurTime")->pos() - marker;
        QVERIFY2(offset.x() >= 0 && offset.x() <= 1 && offset.y() >= 0 && offset.y() <= 1,
            qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
    }

    void missingFileWithTheMapShownOnlyLogs()
    {
        MapWindow m;
        m.ship();
        m.open();
        m.openMap();
        QVERIFY(QFile::remove(m.locations()));
        m.select(81);
        QCOMPARE(m.log(), QStringLiteral("Error 53 File not found"));
        QCOMPARE(m.text("txtCountryName"), QStringLiteral("Germany"));
        QCOMPARE(m.mapText("cmbWMCountry"), QStringLiteral("Germany"));
        QVERIFY(m.te.dialogs->shown.empty());
        QVERIFY(m.te.endings.empty());
        QVERIFY(!QFile::exists(m.locations()));
    }

    void badFilesAreReportedAndNeverChanged_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("log");
        QTest::addColumn<bool>("placed");
        const QByteArray germany = "\"Germany\" \"3000\" \"1500\"\r\n";
        QTest::newRow("garbage before") << "garbage\r\n" + germany << "Error 62 Input past end of file" << true;
        QTest::newRow("own line cut short")
            << "\"Germany\" \"3000\"\r\n" + germany << "Error 62 Input past end of file" << false;
        QTest::newRow("garbage after") << germany + "just,two\r\n"
                                       << "Error 62 Input past end of file" << true;
        QTest::newRow("own line not numeric")
            << QByteArray("\"Germany\" \"left\" \"top\"\r\n") << "Error 13 Type mismatch" << false;
        QTest::newRow("other line not numeric") << "\"Chad\" \"left\" \"top\"\r\n" + germany << "" << true;
        QTest::newRow("missing line") << QByteArray("\"Chad\" \"30\" \"30\"\r\n") << "" << false;
        QTest::newRow("empty file") << QByteArray() << "" << false;
        QTest::newRow("extra lines") << "\"Atlantis\" \"1\" \"1\"\r\n" + germany + "\"Lemuria\" \"2\" \"2\"\r\n"
                                     << "" << true;
        QTest::newRow("LF only") << QByteArray("\"Chad\" \"30\" \"30\"\n\"Germany\" \"3000\" \"1500\"\n") << "" << true;
        QTest::newRow("binary bytes") << QByteArray("\x00\x01\x7f\x80\xfe\xff garbage \x00", 16)
                                      << "Error 62 Input past end of file" << false;
        QTest::newRow("binary name") << "\"Ger\xffmany\" \"1\" \"2\"\r\n" + germany << "" << true;
        QTest::newRow("10 MB line") << QByteArray(10 * 1024 * 1024, 'x') << "Error 62 Input past end of file" << false;
    }
    void badFilesAreReportedAndNeverChanged()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, log);
        QFETCH(bool, placed);
        MapWindow m;
        m.ship();
        m.open();
        m.openMap();
        const QPoint before = m.marker();
        m.setLocations(content);
        m.clearLog();
        QElapsedTimer clock;
        clock.start();
        m.select(81);
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(m.log(), log);
        QCOMPARE(m.marker(), placed ? QPoint(200, 100) : before);
        // A country without a line is no error: the map goes on naming the last one found.
        if (!placed && log.isEmpty())
            QCOMPARE(m.mapText("txtCurCountry"), QStringLiteral("Afghanistan"));
        QCOMPARE(m.text("txtCountryName"), QStringLiteral("Germany"));
        QVERIFY(m.te.dialogs->shown.empty());
        QVERIFY(m.te.endings.empty());
        // Neither reading nor an edit mode left without a click writes.
        m.mapClick("cmdEdit");
        m.mapClick("cmdCancel");
        m.select(30);
        QCOMPARE(readBytes(m.locations()), content);
    }

    void links()
    {
        MapWindow m;
        m.ship();
        m.open();
        m.openMap();
        m.select(81);
        QTest::mouseClick(m.part("lblGeoCountry"), Qt::LeftButton);
        QTest::mouseClick(m.part("imgNGeo"), Qt::LeftButton);
        QTest::mouseClick(m.part("lblGeoWorld"), Qt::LeftButton);
        QCOMPARE(m.te.shell->opened.size(), 3);
        QVERIFY(m.te.shell->opened[0].endsWith(QStringLiteral("/mapmachine/profiles/gm.html")));
        QCOMPARE(m.te.shell->opened[1], m.te.shell->opened[0]);
        QVERIFY(m.te.shell->opened[2].endsWith(
            QStringLiteral("/mapmachine/viewandcustomize.html?task=getMap&themeId=100&size=l")));
        QCOMPARE(m.mapText("lblGeoWorld"), QStringLiteral("Satelite view of World Map"));
        QCOMPARE(m.mapText("lblGeoCountry"), QStringLiteral("Country Profile"));
    }
};

QTEST_MAIN(TestWorldMap)
#include "tst_worldmap.moc"
