// The small widgets the windows are built of: the compact drop-down list and
// the drawn pictures of the picture buttons.

#include "ui/compactcombobox.h"
#include "ui/toolicons.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>

using namespace orbilex;

class TestWidgets : public QObject
{
    Q_OBJECT
private slots:
    void compactBoxIsAsWideAsQtMakesIt_data()
    {
        QTest::addColumn<int>("characters");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<int>("pointSize");
        QTest::newRow("code box") << 7 << true << 0;
        QTest::newRow("country list") << 30 << false << 0;
        QTest::newRow("city list") << 44 << false << 0;
        QTest::newRow("code box, large font") << 7 << true << 20;
        QTest::newRow("city list, small font") << 44 << false << 6;
    }

    void compactBoxIsAsWideAsQtMakesIt()
    {
        QFETCH(int, characters);
        QFETCH(bool, editable);
        QFETCH(int, pointSize);
        QComboBox qt;
        CompactComboBox compact(characters, nullptr);
        if (pointSize) {
            QFont f = qt.font();
            f.setPointSize(pointSize);
            qt.setFont(f);
            compact.setFont(f);
        }
        if (editable) {
            qt.setEditable(true);
            compact.setLineEdit(new QLineEdit(&compact));
        }
        qt.setMinimumContentsLength(characters);
        qt.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        QCOMPARE(compact.sizeHint(), qt.sizeHint());
        QCOMPARE(compact.minimumSizeHint(), qt.minimumSizeHint());
        // The entries never widen it.
        const QSize empty = compact.sizeHint();
        compact.addItem(QString(characters * 3, u'W'));
        compact.setCurrentIndex(0);
        QCOMPARE(compact.sizeHint(), empty);
    }

    void toolIconsAreDistinctPicturesAtBothSizes()
    {
        QList<QImage> seen;
        for (const ToolIcon which : {ToolIcon::Enlarge, ToolIcon::Copy, ToolIcon::Options}) {
            const QIcon icon = toolIcon(which);
            QCOMPARE(icon.availableSizes(), (QList<QSize> {QSize(16, 16), QSize(32, 32)}));
            const QImage picture = icon.pixmap(16, 16).toImage();
            int inked = 0;
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    inked += qAlpha(picture.pixel(x, y)) > 0 ? 1 : 0;
            // Something drawn, not a filled square.
            QVERIFY(inked > 10);
            QVERIFY(inked < 16 * 16);
            QVERIFY(!seen.contains(picture));
            seen << picture;
        }
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
