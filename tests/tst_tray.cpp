// The tray icon and its menu, through the real tray window and main window;
// only the notification area itself is the test's.

#include "desktop/frmSysTray.h"
#include "desktop/mdlRegistryII.h"
#include "mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>

using namespace orbilex;
using namespace orbilex::test;

namespace {

QList<QAction *> entries(frmSysTray *tray)
{
    return tray->menu().actions();
}

QAction *entry(frmSysTray *tray, const char *key)
{
    for (QAction *a : entries(tray))
        if (a->data().toString() == QLatin1StringView(key))
            return a;
    return nullptr;
}

QWidget *shownAbout()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == u"frmAbout" && w->isVisible())
            return w;
    return nullptr;
}

} // namespace

class TestTray : public QObject
{
    Q_OBJECT
private slots:
    void menuHoldsTheFifteenEntriesInOrder()
    {
        MainWindow m;
        m.open();
        frmSysTray *tray = m.window->trayWindow();
        QVERIFY(tray && tray->iconShown());
        const QStringList captions {"&Show", "&Hide", "", "I&P2Country", "World &Map", "ISO 639 Language Codes",
            "HTML Version", "", "&Help", "&Technical Support", "Quendra on the &Web", "T&oday", "&About Orbilex...", "",
            "E&xit"};
        const QStringList keys {"open", "hide", "", "ipcon", "wmap", "isolan", "printv", "", "help", "email", "web",
            "today", "about", "", "close"};
        const QList<QAction *> items = entries(tray);
        QCOMPARE(items.size(), 15);
        for (int i = 0; i < 15; ++i) {
            QCOMPARE(items[i]->data().toString(), keys[i]);
            QCOMPARE(items[i]->isSeparator(), keys[i].isEmpty());
            if (!keys[i].isEmpty())
                QCOMPARE(items[i]->text(), captions[i]);
        }
        QCOMPARE(tray->DefaultMenuIndex(), 0);
        QCOMPARE(m.te.trayState.creates, 1);
    }

    void rightPressOffersShowOrHide()
    {
        MainWindow m;
        m.open();
        m.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.window.get()));
        frmSysTray *tray = m.window->trayWindow();
        m.te.trayState.send(516);
        QVERIFY(!entry(tray, "open")->isEnabled());
        QVERIFY(entry(tray, "hide")->isEnabled());
        QCOMPARE(tray->menu().defaultAction(), entry(tray, "open"));
        tray->menu().hide();

        entry(tray, "hide")->trigger();
        QVERIFY(!m.window->isVisible());
        m.te.trayState.send(516);
        QVERIFY(entry(tray, "open")->isEnabled());
        QVERIFY(!entry(tray, "hide")->isEnabled());
        tray->menu().hide();

        // A double-click with either button brings the window back.
        m.te.trayState.send(518);
        QVERIFY(m.window->isVisible());
        QVERIFY(!m.window->isMinimized());
        m.window->hide();
        m.te.trayState.send(515);
        QVERIFY(m.window->isVisible());
    }

    // Where the host reports no double-clicks a left click restores; where it
    // reports both, a double-click right after that click is the same gesture.
    void leftClickRestoresWhereNoDoubleClickComes_data()
    {
        QTest::addColumn<bool>("doubleClicks");
        QTest::addColumn<QList<int>>("messages");
        QTest::addColumn<int>("restores");
        QTest::newRow("double-click host, click") << true << QList<int> {513, 514} << 0;
        QTest::newRow("double-click host, double-click") << true << QList<int> {513, 514, 515} << 1;
        QTest::newRow("click host, click") << false << QList<int> {513, 514} << 1;
        QTest::newRow("click host, XEmbed double-click") << false << QList<int> {513, 514, 515} << 1;
        QTest::newRow("click host, right click") << false << QList<int> {516, 517} << 0;
    }

    void leftClickRestoresWhereNoDoubleClickComes()
    {
        QFETCH(bool, doubleClicks);
        QFETCH(QList<int>, messages);
        QFETCH(int, restores);
        MainWindow m;
        m.te.trayState.doubleClicks = doubleClicks;
        m.open();
        frmSysTray *tray = m.window->trayWindow();
        QSignalSpy clicks(tray, &frmSysTray::SysTrayClick);
        QSignalSpy doubles(tray, &frmSysTray::SysTrayDoubleClick);
        for (const int message : messages)
            m.te.trayState.send(message);
        tray->menu().hide();
        QCOMPARE(clicks.size() + doubles.size(), restores);
        QCOMPARE(m.window->isVisible(), restores > 0);
    }

    // A session that starts the program before its panel.
    void iconAppearsWhenANotificationAreaDoes()
    {
        MainWindow m;
        m.te.trayState.isAvailable = false;
        m.open();
        frmSysTray *tray = m.window->trayWindow();
        auto *wait = child<QTimer>(tray, "timTrayWait");
        QVERIFY(wait->isActive());
        wait->setInterval(5);
        QTest::qWait(30);
        QVERIFY(!tray->iconShown());
        QVERIFY(!m.get("cmdExit")->isEnabled());
        m.te.trayState.isAvailable = true;
        QTRY_VERIFY(tray->iconShown());
        QVERIFY(m.get("cmdExit")->isEnabled());
        QVERIFY(!wait->isActive());
        QCOMPARE(m.te.trayState.creates, 1);
    }

    void menuChoicesReachTheirActions()
    {
        MainWindow m;
        m.open();
        frmSysTray *tray = m.window->trayWindow();
        entry(tray, "help")->trigger();
        QCOMPARE(m.te.shell->opened.back(), m.te.file(QStringLiteral("readme.htm")));
        entry(tray, "email")->trigger();
        QVERIFY(m.te.shell->opened.back().startsWith(u"mailto:"));
        QVERIFY(m.te.shell->opened.back().contains(u"subject=Orbilex%20v2.0"));
        entry(tray, "printv")->trigger();
        QCOMPARE(m.te.shell->opened.back(), m.te.file(QStringLiteral("temp.htm")));
    }

    // From the tray the About window stands alone, with no owner and not
    // modal; the main window's button opens it owned and modal.
    void aboutFromTheTrayHasNoOwner()
    {
        MainWindow m;
        m.open();
        entry(m.window->trayWindow(), "about")->trigger();
        QWidget *about = shownAbout();
        QVERIFY(about);
        QVERIFY(!about->parentWidget());
        QVERIFY(!about->isModal());
        about->close();

        m.click("cmdAbout");
        about = shownAbout();
        QVERIFY(about);
        QCOMPARE(about->parentWidget(), m.window.get());
        QVERIFY(about->isModal());
        about->close();
        QVERIFY(!shownAbout());
    }

    void exitEndsLikeClosingTheWindow()
    {
        MainWindow m;
        m.open();
        m.select(81);
        entry(m.window->trayWindow(), "close")->trigger();
        QCOMPARE(m.te.endings, std::vector<int> {0});
        QCOMPARE(m.te.setting("CountryName"), QStringLiteral("81"));
        QVERIFY(!m.te.trayState.exists());
        QVERIFY(!m.window->trayWindow());
    }

    void optionSwitchesTheIconOffAndOnAgain()
    {
        MainWindow m;
        m.open();
        m.get<QCheckBox>("chkOption")->click(); // the panel sets the box from the settings
        auto *option = m.get<QCheckBox>("chkTray");
        QVERIFY(option->isChecked());
        option->click();
        QVERIFY(!m.window->trayWindow());
        QVERIFY(!m.te.trayState.exists());
        QCOMPARE(m.te.setting("EnableTray"), QStringLiteral("0"));
        QCOMPARE(m.te.setting("OTray"), QStringLiteral("0"));
        QVERIFY(!m.get("cmdExit")->isEnabled());

        option->click();
        QVERIFY(m.te.trayState.exists());
        QCOMPARE(m.te.trayState.creates, 2);
        QCOMPARE(entries(m.window->trayWindow()).size(), 15);
        QCOMPARE(m.te.setting("OTray"), QStringLiteral("1"));
        QVERIFY(m.get("cmdExit")->isEnabled());
    }

    void tipFollowsTheTitleCutTo63()
    {
        frmSysTray tray(nullptr, QStringLiteral("Orbilex"));
        QCOMPARE(tray.ToolTip(), QStringLiteral("Orbilex"));
        tray.setToolTip(QString(100, u'x'));
        QCOMPARE(tray.ToolTip().size(), 63);
        QCOMPARE(tray.AddMenuItem(QStringLiteral("a"), QStringLiteral("a"), false), 0);
        QCOMPARE(tray.AddMenuItem(QStringLiteral("b"), QStringLiteral("b"), true), 1);
        QCOMPARE(tray.DefaultMenuIndex(), 1);
        tray.setDefaultMenuIndex(7);
        QCOMPARE(tray.DefaultMenuIndex(), 0);
        tray.EnableMenuItem(9, false); // ignored
        tray.EnableMenuItem(-1, false);
        QVERIFY(tray.menu().actions().at(0)->isEnabled());
        QVERIFY(!tray.iconShown());
    }

    void startAtLogonWritesOneEntryAndRemovesIt()
    {
        MainWindow m;
        m.open();
        const QString entry = m.te.file(QStringLiteral("autostart/Orbilex.desktop"));
        auto *box = m.get<QCheckBox>("chkRunAtStart");
        // Clearing with no entry is silent and leaves none.
        box->setChecked(true);
        box->setChecked(false);
        QVERIFY(!QFile::exists(entry));
        QCOMPARE(m.te.setting("WinStart"), QStringLiteral("0"));
        box->setChecked(true);
        box->setChecked(false);
        box->setChecked(true);
        QCOMPARE(m.te.setting("WinStart"), QStringLiteral("1"));
        QCOMPARE(QDir(m.te.file(QStringLiteral("autostart"))).entryList(QDir::Files).size(), 1);
        QFile f(entry);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll());
        QVERIFY(text.startsWith(u"[Desktop Entry]\n"));
        QVERIFY(text.contains(
            QStringLiteral("\nExec=\"") + QCoreApplication::applicationFilePath() + QStringLiteral("\"\n")));
        QVERIFY(m.te.dialogs->shown.empty());
    }

    void startEntriesQuoteOddPaths()
    {
        const QString text = mdlRegistryII::autostartEntry(QStringLiteral("/opt/my \"odd\" $dir/100%/orbilex"));
        QVERIFY(text.contains(u"Exec=\"/opt/my \\\\\"odd\\\\\" \\\\$dir/100%%/orbilex\"\n"));
        // Unquoted, the shell would start C:\Program.exe at logon, or nothing.
        QCOMPARE(mdlRegistryII::runValue(QStringLiteral("C:/Program Files/Orbilex/Orbilex.exe")),
            QStringLiteral("\"C:\\Program Files\\Orbilex\\Orbilex.exe\""));
    }

    void withoutANotificationAreaTheWindowStaysReachable()
    {
        MainWindow m;
        m.te.trayState.isAvailable = false;
        m.open();
        QVERIFY(m.window->trayWindow());
        QVERIFY(!m.window->trayWindow()->iconShown());
        QVERIFY(!m.get("cmdExit")->isEnabled());
        m.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.window.get()));
        QTest::keyClick(m.box("cmbCountryName"), Qt::Key_Escape);
        QVERIFY(m.window->isVisible());
        m.window->showMinimized();
        QTest::qWait(20);
        QVERIFY(m.window->isVisible());
    }
};

QTEST_MAIN(TestTray)
#include "tst_tray.moc"
