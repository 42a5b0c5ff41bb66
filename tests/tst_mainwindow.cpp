// The one road through the real main window: the country list and its
// type-ahead, the code boxes, the dialing code and the city lists.

#include "data/countries.h"
#include "data/text.h"
#include "mainwindow.h"
#include "ui/flags.h"
#include "viewlogic/fields.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>

using namespace orbilex;
using namespace orbilex::test;

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void opensWithTheListInIndexOrderAndFocusInIt()
    {
        MainWindow m;
        m.open();
        m.window->show();
        QVERIFY(QTest::qWaitForWindowActive(m.window.get()));
        QComboBox *list = m.box("cmbCountryName");
        QCOMPARE(list->count(), kCountryCount);
        for (int i = 0; i < kCountryCount; ++i)
            QCOMPARE(list->itemText(i), qs(kCountryNames[std::size_t(i)]));
        QCOMPARE(QApplication::focusWidget(), list);
        for (const char *name :
            {"cmbCountryCode", "cmbTLD", "cmbFIPS", "cmbIOC", "cmbISO3", "cmbCurrencyCode", "cmbLanguage", "cmbDSCode"})
            QCOMPARE(m.box(name)->count(), kCountryCount);
        QCOMPARE(m.box("cmbCode")->count(), 225);
        QCOMPARE(m.text("cmbLanguage"), QStringLiteral("-"));
        QCOMPARE(m.box("cmbDSCode")->itemText(252), QStringLiteral("ZW"));
    }

    void everyFieldIsNamedForScreenReaders()
    {
        MainWindow m;
        m.open();
        QCOMPARE(m.get("txtLongName")->accessibleName(), QStringLiteral("Long Name:"));
        QCOMPARE(m.get("cmbCode")->accessibleName(), QStringLiteral("Dialing Code:"));
        QCOMPARE(m.get("lstSameCode")->accessibleName(), QStringLiteral("Countries with the same dialing code:"));
        QCOMPARE(m.get("txtIDD")->accessibleName(), QStringLiteral("IDDD Code:"));
        QCOMPARE(m.get("cmbTLD")->accessibleName(), QStringLiteral("TLD Code:"));
        for (QWidget *w : m.window->findChildren<QWidget *>()) {
            const QString name = w->objectName();
            if ((name.startsWith(u"txt") || name.startsWith(u"cmb") || name.startsWith(u"lst")) && name != u"txtLog")
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(name));
        }
    }

    // A name in the field table that the window lacks or holds twice leaves a
    // field unread or a button dead; a key used twice stores two boxes as one.
    void fieldTableNamesOneControlEach()
    {
        MainWindow m;
        m.open();
        QSet<QString> names;
        QSet<QString> keys;
        const auto one = [&](const char *name, const char *kind) {
            const QList<QWidget *> found = m.window->findChildren<QWidget *>(QLatin1StringView(name));
            QVERIFY2(found.size() == 1 && found.front()->inherits(kind), name);
            QVERIFY2(!names.contains(QLatin1StringView(name)), name);
            names.insert(QLatin1StringView(name));
        };
        for (const FieldRow &row : kFields) {
            one(row.check, "QCheckBox");
            QCOMPARE(m.get<QCheckBox>(row.check)->text(), QLatin1StringView(row.caption));
            if (row.widget)
                one(row.widget, "QWidget");
            if (row.user.key) {
                one(row.user.editButton, "QPushButton");
                one(row.user.resetButton, "QPushButton");
            }
            QVERIFY2(!keys.contains(QLatin1StringView(row.settingsKey.name)), row.settingsKey.name);
            keys.insert(QLatin1StringView(row.settingsKey.name));
        }
    }

    void germanyTrace()
    {
        MainWindow m;
        m.open();
        m.select(81);
        QCOMPARE(m.text("txtCountryName"), QStringLiteral("Germany"));
        QCOMPARE(m.text("cmbCountryCode"), QStringLiteral("DE"));
        QCOMPARE(m.text("cmbFIPS"), QStringLiteral("GM"));
        for (const char *name :
            {"cmbCountryCode", "cmbTLD", "cmbFIPS", "cmbIOC", "cmbISO3", "cmbCurrencyCode", "cmbLanguage", "cmbDSCode"})
            QCOMPARE(m.box(name)->currentIndex(), 81);
        QVERIFY(m.text("txtUrl").endsWith(u"/cia/publications/factbook/geos/gm.html"));
        QVERIFY(m.text("txtPInfo").endsWith(u"/country/gm/"));
        QVERIFY(!m.text("txtUrl").contains(u"://"));
        QCOMPARE(m.text("txtLongName"), QStringLiteral("Federal Republic of Germany"));
        QCOMPARE(m.text("txtType"), QStringLiteral("Nation"));
        QCOMPARE(m.text("txtDep"), QStringLiteral("(Does Not Exist)"));
        QCOMPARE(m.text("txtLocation"), QStringLiteral("Western Europe"));
        QCOMPARE(m.text("txtISONumber"), QStringLiteral("276"));
        QCOMPARE(m.text("cmbCode"), QStringLiteral("49"));
        // 15 April with "Consider DST" ticked: summer time.
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+02:00:00"));
        QCOMPARE(m.sameCodeList(), QStringList {QStringLiteral("-")});
        QCOMPARE(m.get("lstSameCode")->backgroundRole(), QPalette::Button);
        QCOMPARE(m.cityLines().size(), 6);
        QCOMPARE(m.box("cmbCity")->currentIndex(), 0);
        QVERIFY(m.text("cmbCity").startsWith(u"* Berlin  30"));
        QCOMPARE(m.text("txtIDD"), QStringLiteral("00"));
        QCOMPARE(m.text("txtNDD"), QStringLiteral("0"));
        QCOMPARE(m.get<QLabel>("picFlag")->pixmap().toImage(), flagPicture(u"GM").toImage());
        QCOMPARE(m.window->windowTitle(), QStringLiteral("Orbilex - Germany - ") + m.text("txtcTime"));
        QVERIFY(m.get<QCheckBox>("chkCityAll")->isEnabled());
        QVERIFY(m.get("cmdLatMore")->isHidden());
    }

    void recordsWithoutCitiesOrCode()
    {
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("American Samoa"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("-"));
        QCOMPARE(m.box("cmbCity")->count(), 0);
        QVERIFY(!m.box("cmbCity")->isEnabled());
        QVERIFY(!m.get("chkCity")->isEnabled());
        QVERIFY(!m.get("chkCityAll")->isEnabled());
        m.selectNamed(QStringLiteral("Afghanistan"));
        QCOMPARE(m.text("txtLongName"), QStringLiteral("Islamic State of Afghanistan"));
        QCOMPARE(m.cityLines().size(), 1);
        QVERIFY(m.box("cmbCity")->isEnabled() && m.get("chkCity")->isEnabled());
        QVERIFY(!m.get("chkCityAll")->isEnabled());
        m.selectNamed(QStringLiteral("Pitcairn Island"));
        QCOMPARE(m.text("cmbCode"), QStringLiteral("0"));
        QCOMPARE(m.sameCodeList(), QStringList {QStringLiteral("-")});
        QCOMPARE(m.get("lstSameCode")->backgroundRole(), QPalette::Button);
        m.selectNamed(QStringLiteral("Gaza Strip"));
        QCOMPARE(m.get<QLabel>("picFlag")->pixmap().toImage(), flagPicture(u"GZ").toImage());
    }

    void typeAheadFollowsThePrefix()
    {
        MainWindow m;
        m.open();
        QComboBox *list = m.box("cmbCountryName");
        QSignalSpy selections(list, &QComboBox::currentIndexChanged);
        QTest::keyClicks(list, QStringLiteral("ger"));
        QCOMPARE(selections.size(), 3);
        QCOMPARE(selections[0][0].toInt(), 77); // Gabon
        QCOMPARE(selections[1][0].toInt(), 80); // Georgia
        QCOMPARE(selections[2][0].toInt(), 81); // Germany
        QCOMPARE(m.text("txtLongName"), QStringLiteral("Federal Republic of Germany"));
        QCOMPARE(list->currentText(), QStringLiteral("Germany"));

        // "x" continues the prefix "gerx", which matches nothing.
        QTest::keyClick(list, Qt::Key_X);
        QCOMPARE(m.country(), 81);
        QTimer *reset = m.fastTimer("timAutoCombo");
        QTRY_VERIFY(!reset->isActive());
        QTest::keyClicks(list, QStringLiteral("kor"));
        QCOMPARE(m.countryName(), QStringLiteral("Korea, North"));
        QTRY_VERIFY(!reset->isActive());
        QTest::keyClick(list, Qt::Key_X);
        QCOMPARE(m.countryName(), QStringLiteral("Korea, North"));
        QTRY_VERIFY(!reset->isActive());
        QTest::keyClick(list, Qt::Key_Backspace);
        QCOMPARE(m.countryName(), QStringLiteral("Afghanistan"));
    }

    void typeAheadResetsAfterTwoIdleTicks()
    {
        MainWindow m;
        m.open();
        QComboBox *list = m.box("cmbCountryName");
        QTimer *reset = m.get<QTimer>("timAutoCombo");
        QCOMPARE(reset->interval(), 900);
        QVERIFY(!reset->isActive());
        QTest::keyClicks(list, QStringLiteral("un"));
        QVERIFY(reset->isActive());
        QCOMPARE(m.countryName(), QStringLiteral("United Arab Emirates"));
        // Delete is swallowed, arrows move as usual.
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(m.countryName(), QStringLiteral("United Arab Emirates"));
        m.fastTimer("timAutoCombo");
        QTRY_VERIFY(!reset->isActive());
        QTest::keyClicks(list, QStringLiteral("i"));
        QCOMPARE(m.countryName(), QStringLiteral("Iceland"));
    }

    void nameBoxCopiesTheName()
    {
        MainWindow m;
        m.open();
        m.select(81);
        QApplication::clipboard()->clear();
        QTest::mouseClick(m.get("txtCountryName"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Germany"));
        QCOMPARE(m.get<QLineEdit>("txtCountryName")->selectedText(), QStringLiteral("Germany"));
    }

    void codeBoxesSelectByTypedCode_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("country");
        QTest::newRow("AF wraps to the first entry") << "cmbCountryCode"
                                                     << "AF"
                                                     << "Afghanistan";
        QTest::newRow("af") << "cmbCountryCode"
                            << "af"
                            << "Afghanistan";
        QTest::newRow("UM") << "cmbCountryCode"
                            << "UM"
                            << "Baker Island";
        QTest::newRow("EUR") << "cmbCurrencyCode"
                             << "EUR"
                             << "Andorra";
        QTest::newRow("USD") << "cmbCurrencyCode"
                             << "USD"
                             << "American Samoa";
        QTest::newRow(".uk") << "cmbTLD"
                             << ".uk"
                             << "United Kingdom";
        QTest::newRow("FIPS gm") << "cmbFIPS"
                                 << "gm"
                                 << "Germany";
        QTest::newRow("ISO3 FRA") << "cmbISO3"
                                  << "FRA"
                                  << "France";
        QTest::newRow("IOC SUI") << "cmbIOC"
                                 << "SUI"
                                 << "Switzerland";
        QTest::newRow("sign D") << "cmbDSCode"
                                << "D"
                                << "Germany";
        QTest::newRow("sign d") << "cmbDSCode"
                                << "d"
                                << "Germany";
        QTest::newRow("sign RA exact") << "cmbDSCode"
                                       << "RA"
                                       << "Argentina";
        QTest::newRow("sign ra by prefix") << "cmbDSCode"
                                           << "ra"
                                           << "Argentina";
        QTest::newRow("sign TCH") << "cmbDSCode"
                                  << "TCH"
                                  << "Chad";
    }
    void codeBoxesSelectByTypedCode()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, country);
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("Peru"));
        const QByteArray name = box.toLatin1();
        m.clear(name.constData());
        m.type(name.constData(), typed);
        QCOMPARE(m.countryName(), country);
        QCOMPARE(m.text("txtCountryName"), country);
    }

    void shortOrUnknownCodesChangeNothing_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::newRow("two letters in a three-letter box") << "cmbCurrencyCode"
                                                           << "EU";
        QTest::newRow("placeholder in the TLD box") << "cmbTLD"
                                                    << "-";
        QTest::newRow("unknown alpha-2") << "cmbCountryCode"
                                         << "QQ";
        QTest::newRow("sign C") << "cmbDSCode"
                                << "C";
        QTest::newRow("sign x") << "cmbDSCode"
                                << "x";
    }
    void shortOrUnknownCodesChangeNothing()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("Peru"));
        const QByteArray name = box.toLatin1();
        m.clear(name.constData());
        m.type(name.constData(), typed);
        QCOMPARE(m.countryName(), QStringLiteral("Peru"));
        QCOMPARE(m.text(name.constData()), typed);
    }

    // Only typing and picking select: Enter or leaving the box with a text
    // that equals some entry ("-" is one of nearly every list) does not.
    void finishingAnEditSelectsNothing_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byEnter");
        const std::pair<const char *, const char *> typings[] = {
            {"cmbTLD", "-"},
            {"cmbTLD", ".-"},
            {"cmbISO3", "-"},
            {"cmbIOC", "-"},
            {"cmbCurrencyCode", "-"},
            {"cmbLanguage", "-"},
            {"cmbDSCode", "-"},
            {"cmbCountryCode", "-"},
            {"cmbFIPS", "-"},
            {"cmbISO3", "pe"},
        };
        for (const auto &[box, typed] : typings)
            for (const bool byEnter : {true, false})
                QTest::addRow("%s %s %s", box, typed, byEnter ? "Enter" : "focus out") << box << typed << byEnter;
    }
    void finishingAnEditSelectsNothing()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, byEnter);
        MainWindow m;
        m.open();
        m.window->show();
        m.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m.window.get()));
        m.selectNamed(QStringLiteral("Peru"));
        const QByteArray name = box.toLatin1();
        QComboBox *edited = m.box(name.constData());
        edited->setFocus();
        QTRY_VERIFY(edited->hasFocus());
        m.clear(name.constData());
        m.type(name.constData(), typed);
        QCOMPARE(m.countryName(), QStringLiteral("Peru"));
        if (byEnter) {
            QTest::keyClick(edited->lineEdit(), Qt::Key_Return);
        } else {
            m.get("cmbCountryName")->setFocus();
            QTRY_VERIFY(!edited->hasFocus());
        }
        QCOMPARE(m.countryName(), QStringLiteral("Peru"));
        QCOMPARE(m.text(name.constData()), typed);
    }

    void threeLetterSearchSelectsTheCodeForOverTyping()
    {
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("Peru"));
        m.clear("cmbIOC");
        m.type("cmbIOC", QStringLiteral("ge"));
        QCOMPARE(m.countryName(), QStringLiteral("Peru"));
        m.type("cmbIOC", QStringLiteral("r"));
        QCOMPARE(m.countryName(), QStringLiteral("Germany"));
        QCOMPARE(m.text("cmbIOC"), QStringLiteral("GER"));
        QCOMPARE(m.box("cmbIOC")->lineEdit()->selectedText(), QStringLiteral("GER"));
    }

    void codeBoxesOpenTheirWholeListWithoutCompleting()
    {
        MainWindow m;
        m.open();
        m.select(81);
        m.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.window.get()));
        for (const char *name : {"cmbTLD", "cmbDSCode", "cmbFIPS"}) {
            QComboBox *box = m.box(name);
            QVERIFY(box->isEditable());
            // The program's own search answers the typing; nothing completes inline.
            QVERIFY2(!box->completer(), name);
            box->showPopup();
            QAbstractItemView *list = box->view();
            QTRY_VERIFY(list->isVisible());
            QCOMPARE(list->model()->rowCount(), box->count());
            QCOMPARE(list->currentIndex().row(), 81);
            QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
            QVERIFY(list->verticalScrollBar()->isVisible());
            box->hidePopup();
        }
    }

    void pickingAnEntrySelectsItsCountry()
    {
        MainWindow m;
        m.open();
        QComboBox *currency = m.box("cmbCurrencyCode");
        const int secondEur = [&] {
            for (int i = 5; i < currency->count(); ++i)
                if (currency->itemText(i) == u"EUR")
                    return i;
            return -1;
        }();
        currency->setCurrentIndex(secondEur);
        QCOMPARE(m.country(), secondEur);
        QVERIFY(m.countryName() != QStringLiteral("Andorra"));
    }

    void dialingCodeTypedKeyByKey()
    {
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("Germany"));
        m.clear("cmbCode");
        QCOMPARE(m.countryName(), QStringLiteral("Germany"));
        QCOMPARE(m.sameCodeList(), QStringList {QStringLiteral("-")});
        m.type("cmbCode", QStringLiteral("1"));
        QCOMPARE(m.countryName(), QStringLiteral("United States"));
        QCOMPARE(m.sameCodeList(), (QStringList {"United States", "Canada", "Navassa Island"}));
        QCOMPARE(m.get("lstSameCode")->backgroundRole(), QPalette::Base);
        m.type("cmbCode", QStringLiteral("2"));
        QCOMPARE(m.countryName(), QStringLiteral("United States"));
        QCOMPARE(m.sameCodeList(), QStringList {QStringLiteral("-")});
        m.type("cmbCode", QStringLiteral("4"));
        QCOMPARE(m.countryName(), QStringLiteral("United States"));
        m.type("cmbCode", QStringLiteral("2"));
        QCOMPARE(m.countryName(), QStringLiteral("Bahamas"));
        QCOMPARE(m.box("cmbCode")->currentText(), QStringLiteral("1242"));
        QCOMPARE(m.text("txtIDD"), QStringLiteral("011"));
    }

    void dialingCodesSelectTheirCountry()
    {
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("France"));
        m.clear("cmbCode");
        m.type("cmbCode", QStringLiteral("44"));
        QCOMPARE(m.countryName(), QStringLiteral("United Kingdom"));
        QCOMPARE(m.text("txtLongName"), QStringLiteral("United Kingdom of Great Britain and Northern Ireland"));
        QCOMPARE(m.sameCodeList(), (QStringList {"United Kingdom", "Guernsey", "Jersey", "Man, Isle of"}));

        m.clear("cmbCode");
        m.type("cmbCode", QStringLiteral("856"));
        QCOMPARE(m.countryName(), QStringLiteral("Laos"));
        QCOMPARE(m.box("cmbCode")->findText(QStringLiteral("856")), -1);

        m.clear("cmbCode");
        m.type("cmbCode", QStringLiteral("093"));
        QCOMPARE(m.countryName(), QStringLiteral("Afghanistan"));

        m.clear("cmbCode");
        QCOMPARE(m.countryName(), QStringLiteral("Afghanistan"));
        m.type("cmbCode", QStringLiteral("abc"));
        QCOMPARE(m.countryName(), QStringLiteral("Afghanistan"));
        QCOMPARE(m.sameCodeList(), QStringList {QStringLiteral("-")});

        QComboBox *code = m.box("cmbCode");
        const int twenty = code->findText(QStringLiteral("20"));
        code->setCurrentIndex(twenty);
        emit code->activated(twenty);
        QCOMPARE(m.countryName(), QStringLiteral("Egypt"));
    }

    void sharedCodesKeepTheirSharers()
    {
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("Jersey"));
        QCOMPARE(m.countryName(), QStringLiteral("Jersey"));
        QCOMPARE(m.sameCodeList(), (QStringList {"United Kingdom", "Guernsey", "Jersey", "Man, Isle of"}));
        QCOMPARE(m.get("lstSameCode")->backgroundRole(), QPalette::Base);

        m.selectNamed(QStringLiteral("Kazakhstan"));
        m.clear("cmbCode");
        m.type("cmbCode", QStringLiteral("7"));
        QCOMPARE(m.countryName(), QStringLiteral("Kazakhstan"));
        m.selectNamed(QStringLiteral("Peru"));
        m.clear("cmbCode");
        m.type("cmbCode", QStringLiteral("7"));
        QCOMPARE(m.countryName(), QStringLiteral("Russia"));
        QCOMPARE(m.sameCodeList(), (QStringList {"Kazakhstan", "Russia"}));
    }

    void sameCodeListClickSelects()
    {
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("Canada"));
        auto *list = m.get<QListWidget>("lstSameCode");
        const QRect navassa = list->visualItemRect(list->item(2));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, navassa.center());
        QCOMPARE(m.countryName(), QStringLiteral("Navassa Island"));

        m.selectNamed(QStringLiteral("Germany"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QCOMPARE(m.countryName(), QStringLiteral("Germany"));
    }

    void canadaFollowsItsChosenCity()
    {
        MainWindow m;
        m.winter();
        m.open();
        m.selectNamed(QStringLiteral("Canada"));
        QVERIFY(m.text("cmbCity").startsWith(u"Edmonton"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("-08:00:00"));
        QCOMPARE(m.text("txtIDD"), QStringLiteral("011"));
        QCOMPARE(m.text("txtNDD"), QStringLiteral("1"));
        m.box("cmbCity")->setCurrentIndex(3);
        QVERIFY(m.text("cmbCity").startsWith(u"Toronto"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("-05:00:00"));
        QVERIFY(m.te.setting("USCi").isEmpty());
    }

    void unitedKingdomStartsAtBelfast()
    {
        MainWindow m;
        m.winter();
        m.open();
        m.selectNamed(QStringLiteral("United Kingdom"));
        QCOMPARE(m.cityLines().size(), 15);
        QVERIFY(m.text("cmbCity").startsWith(u"Belfast"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+00:00:00"));
        m.box("cmbCity")->setCurrentIndex(8);
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+00:00:00"));
    }

    void unitedStatesRemembersItsCity()
    {
        MainWindow m;
        m.winter();
        m.open();
        m.selectNamed(QStringLiteral("United States"));
        QCOMPARE(m.cityLines().size(), 93);
        QCOMPARE(m.text("cmbCity"), QStringLiteral("Alaska  907"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("-09:00:00"));
        QVERIFY(!m.get("cmdLatMore")->isHidden());
        QCOMPARE(m.get<QLabel>("picFlag")->pixmap().toImage(), flagPicture(u"US").toImage());
        QVERIFY(m.text("txtUrl").endsWith(u"/geos/us.html"));

        m.box("cmbCity")->setCurrentIndex(88);
        QCOMPARE(m.te.setting("USCi"), QStringLiteral("88"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("-05:00:00"));
        m.box("cmbCity")->setCurrentIndex(39);
        QCOMPARE(m.text("txtGMT"), QStringLiteral("-10:00:00")); // Honolulu
        m.box("cmbCity")->setCurrentIndex(37);
        QCOMPARE(m.text("txtGMT"), QStringLiteral("-05:00:00")); // Hawaii, in no row
        m.box("cmbCity")->setCurrentIndex(88);

        m.selectNamed(QStringLiteral("Mexico"));
        QVERIFY(m.get("cmdLatMore")->isHidden());
        m.selectNamed(QStringLiteral("United States"));
        QCOMPARE(m.box("cmbCity")->currentIndex(), 88);
        QCOMPARE(m.text("cmbCity"), QStringLiteral("* Washington  202"));
    }

    void storedUsCityOutOfRangeFallsBackToTheFirst_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("beyond") << "200";
        QTest::newRow("negative") << "-3";
        QTest::newRow("not a number") << "abc";
        QTest::newRow("fraction") << "0.9";
    }
    void storedUsCityOutOfRangeFallsBackToTheFirst()
    {
        QFETCH(QString, stored);
        MainWindow m;
        m.te.setSetting("USCi", stored);
        m.open();
        m.selectNamed(QStringLiteral("United States"));
        QCOMPARE(m.box("cmbCity")->currentIndex(), 0);
        QCOMPARE(m.te.setting("USCi"), QStringLiteral("0"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
