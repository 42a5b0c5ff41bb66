// The windows on a screen of two device pixels to a layout pixel: the
// pictures made for that density, in the layout sizes of 1x.
#include "mainwindow.h"
#include "ui/companions/frmWorldMap.h"
#include "ui/companions/worldmarkers.h"
#include "ui/flags.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>

using namespace orbilex;
using namespace orbilex::test;

namespace {

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

void compareDense(const QPixmap &shown, QSizeF layoutSize)
{
    QCOMPARE(shown.devicePixelRatio(), 2.0);
    QCOMPARE(shown.deviceIndependentSize(), layoutSize);
}

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT
private slots:
    void flagIsTheDensePictureInTheSameBox()
    {
        MainWindow m;
        m.open();
        QCOMPARE(m.window->devicePixelRatioF(), 2.0);
        m.selectNamed(QStringLiteral("Germany"));
        const QPixmap shown = m.get<QLabel>("picFlag")->pixmap();
        compareDense(shown, QSizeF(52, 30));
        QCOMPARE(rgb(shown.toImage()), rgb(QImage(QStringLiteral(":/flags/GM@2x.png"))));
        compareDense(m.get<QLabel>("imgEmpty")->pixmap(), QSizeF(52, 30));
        // Copies stay what they are at 1x.
        m.click("cmdFlagCopy");
        QCOMPARE(rgb(QApplication::clipboard()->image()), rgb(flagPicture(u"GM").toImage()));
    }

    void mapAndMarkerAreDrawnAtDeviceResolution()
    {
        MainWindow m;
        m.open();
        QVERIFY(QFile::copy(QFINDTESTDATA("../assets/wlocation.dat"), m.te.file(QStringLiteral("wlocation.dat"))));
        m.selectNamed(QStringLiteral("Germany"));
        m.click("cmdMapShow");
        auto *map = qobject_cast<frmWorldMap *>(m.window->companion(frmMain::CompanionKind::WorldMap));
        QVERIFY(map);
        auto *marker = child<QLabel>(map, "imgCur");
        compareDense(marker->pixmap(), QSizeF(kMarkerSize, kMarkerSize));
        compareDense(child<QLabel>(map, "imgNGeo")->pixmap(), QSizeF(22, 22));

        // Below the ruler and above the buttons only the marker covers the map.
        marker->hide();
        child(map, "lblCurTime")->hide();
        const QRect open(0, 2 * 40, 2 * 924, 2 * 330);
        const QImage shown = rgb(map->grab().toImage());
        const QImage dense = rgb(QImage(QStringLiteral(":/worldmap@2x.png")));
        QCOMPARE(dense.size(), QSize(1850, 952));
        QVERIFY(shown.copy(open) == dense.copy(open));
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
