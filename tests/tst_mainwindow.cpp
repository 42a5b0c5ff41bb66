#include "data/codelists.h"
#include "data/countries.h"
#include "data/text.h"
#include "ui/flags.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace orbilex;

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void opensWithTheCountryListInIndexOrder()
    {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("Orbilex"));
        auto *list = window.findChild<QComboBox *>(QStringLiteral("cmbCountryName"));
        QVERIFY(list);
        QCOMPARE(list->count(), kCountryCount);
        for (int i = 0; i < kCountryCount; ++i)
            QCOMPARE(list->itemText(i), qs(kCountryNames[std::size_t(i)]));
        QVERIFY(!list->isEditable());
        QCOMPARE(QApplication::focusWidget(), list);
    }

    void showsTheChosenCountrysNameAndFlag()
    {
        frmMain window;
        auto *list = window.findChild<QComboBox *>(QStringLiteral("cmbCountryName"));
        auto *name = window.findChild<QLineEdit *>(QStringLiteral("txtCountryName"));
        auto *flag = window.findChild<QLabel *>(QStringLiteral("picFlag"));
        QVERIFY(list && name && flag);
        QCOMPARE(name->text(), QStringLiteral("Afghanistan"));

        list->setCurrentIndex(81);
        QCOMPARE(name->text(), QStringLiteral("Germany"));
        QCOMPARE(flag->pixmap().toImage(), flagPicture(u"GM").toImage());

        list->setCurrentIndex(79);
        QCOMPARE(name->text(), QStringLiteral("Gaza Strip"));
        QCOMPARE(flag->pixmap().toImage(), flagPicture(u"GZ").toImage());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
