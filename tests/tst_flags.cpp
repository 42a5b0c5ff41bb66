#include "data/codelists.h"
#include "data/text.h"
#include "ui/flags.h"

#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include <set>

using namespace orbilex;

class TestFlags : public QObject
{
    Q_OBJECT
private slots:
    void everyFipsCodeHasAFlagOfTheStandardSize()
    {
        std::set<std::string_view> codes;
        for (const CountryCodes &c : kCodes)
            codes.insert(c.fips);
        for (std::string_view fips : codes) {
            const QPixmap flag = flagPicture(qs(fips));
            QVERIFY2(!flag.isNull(), std::string(fips).c_str());
            QCOMPARE(flag.size(), QSize(52, 30));
        }
    }

    void flagsAreDistinctPictures()
    {
        // A generator slip that wrote one picture under many names would pass the
        // size check; the few that legitimately share a flag are named here.
        const QImage germany = flagPicture(u"GM").toImage();
        const QImage france = flagPicture(u"FR").toImage();
        const QImage usa = flagPicture(u"US").toImage();
        QVERIFY(germany != france);
        QVERIFY(germany != usa);
        QVERIFY(france != usa);
        QCOMPARE(flagPicture(u"GZ").toImage(), flagPicture(u"WE").toImage());
    }

    void unknownCodesFallBackToTheEmptyPicture()
    {
        const QImage empty = emptyFlagPicture().toImage();
        QVERIFY(!empty.isNull());
        QCOMPARE(empty.size(), QSize(52, 30));
        for (QStringView bad : {u"", u"-", u"XX", u"gm", u" GM", u"GM ", u"../GM", u"empty"}) {
            QVERIFY2(flagPicture(bad).isNull(), qPrintable(bad.toString()));
            QCOMPARE(flagOrEmpty(bad).toImage(), empty);
        }
        QVERIFY(flagOrEmpty(u"GM").toImage() != empty);
    }
};

QTEST_MAIN(TestFlags)
#include "tst_flags.moc"
