// The main window's life: the first run, the stored choices read at load and
// written at unload, the start state, hiding, and the options panel.

#include "mainwindow.h"
#include "viewlogic/fields.h"
#include "viewlogic/windowmath.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>

using namespace orbilex;
using namespace orbilex::test;

class TestMainLife : public QObject
{
    Q_OBJECT
private slots:
    void firstRun()
    {
        MainWindow m;
        QDir::setCurrent(QDir::tempPath());
        m.open();
        QCOMPARE(m.te.setting("FirstUp"), QStringLiteral("0"));
        QCOMPARE(QDir::currentPath(), QDir(m.te.folder.path()).canonicalPath());
        for (const FieldRow &f : kFields)
            QVERIFY2(!m.checked(f.check), f.check);
        QVERIFY(m.checked("chkDST"));
        QVERIFY(!m.checked("chkOption"));
        QVERIFY(!m.get<QTimer>("timOption")->isActive());
        QCOMPARE(m.country(), 0);
        QCOMPARE(m.text("txtCountryName"), QStringLiteral("Afghanistan"));
        QVERIFY(m.te.tray && m.te.tray->exists());
        QVERIFY(m.get("cmdExit")->isEnabled());
    }

    void startRemovesWhatKilledWritersLeft()
    {
        MainWindow m;
        const auto touch = [&](const char *name, const QByteArray &bytes) {
            QFile f(m.te.file(QLatin1StringView(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        touch("userdb.ini", "[0]\nLongName=kept\n");
        touch("userdb.ini.orbilex-Ab12cD", "half written");
        touch("userdb.ini.orbilex-Ab12cD.Zz9yX8", "half written by QSettings");
        touch("userdb.ini.orbilex-Ab12cD.lock", "1");
        touch("userdb.ini.backup", "the user's own");
        touch("wlocation.dat.orbilex-Qw34eR", "half written marker file");
        touch("wlocation.dat.old", "the user's own");
        m.open();
        QCOMPARE(QDir(m.te.folder.path()).entryList({QStringLiteral("userdb.ini.orbilex-*")}), QStringList());
        QCOMPARE(QDir(m.te.folder.path()).entryList({QStringLiteral("wlocation.dat.orbilex-*")}), QStringList());
        QVERIFY(QFile::exists(m.te.file(QStringLiteral("userdb.ini.backup"))));
        QVERIFY(QFile::exists(m.te.file(QStringLiteral("wlocation.dat.old"))));
        QCOMPARE(m.text("txtLongName"), QStringLiteral("kept"));
    }

    void laterRunRestoresPositionAndChoices()
    {
        MainWindow m;
        m.te.setSetting("FirstUp", QStringLiteral("0"));
        m.te.setSetting("Left", QStringLiteral("1500"));
        m.te.setSetting("Top", QStringLiteral("3000"));
        m.te.setSetting("CountryName", QStringLiteral("81"));
        m.te.setSetting("chkLongName", QStringLiteral("1"));
        m.te.setSetting("chkIDD", QStringLiteral("1"));
        m.te.setSetting("chkType", QStringLiteral("0"));
        m.te.setSetting("chkFIPS", QStringLiteral("abc"));
        m.te.setSetting("chkDST", QStringLiteral("0"));
        m.te.setSetting("chkSelHtml", QStringLiteral("1"));
        m.open();
        QCOMPARE(m.window->pos(), QPoint(100, 200));
        QCOMPARE(m.countryName(), QStringLiteral("Germany"));
        QVERIFY(m.checked("chkLongName"));
        QVERIFY(m.checked("chkIDDCopy"));
        QVERIFY(!m.checked("chkType"));
        QVERIFY(!m.checked("chkFIPS"));
        QVERIFY(!m.checked("chkDST"));
        QVERIFY(m.checked("chkSelHtml"));
    }

    void oddStoredValuesSkipOnlyTheirStep()
    {
        MainWindow m;
        m.te.setSetting("FirstUp", QStringLiteral("0"));
        m.te.setSetting("Left", QStringLiteral("left"));
        m.te.setSetting("Top", QStringLiteral("1e400"));
        m.te.setSetting("CountryName", QStringLiteral("9999"));
        m.te.setSetting("chkOption", QStringLiteral("yes"));
        m.open();
        QCOMPARE(m.country(), -1);
        QCOMPARE(m.text("txtCountryName"), QStringLiteral("unknown"));
        QVERIFY(!m.checked("chkOption"));
        QCOMPARE(m.box("cmbCountryName")->count(), 253);
        QVERIFY(m.te.tray && m.te.tray->exists());
        // With nothing selected, a selection still works as usual.
        m.select(81);
        QCOMPARE(m.text("txtCountryName"), QStringLiteral("Germany"));
    }

    void hiddenAndMinimisedStarts()
    {
        {
            MainWindow m;
            m.te.setSetting("wVis", QStringLiteral("False"));
            m.open();
            m.window->showAsLoaded();
            QVERIFY(!m.window->isVisible());
        }
        {
            MainWindow m;
            m.te.setSetting("wState", QStringLiteral("1"));
            m.te.setSetting("wVis", QStringLiteral("True"));
            m.te.setSetting("EnableTray", QStringLiteral("0"));
            m.open();
            m.window->showAsLoaded();
            QVERIFY(m.window->isMinimized());
            QVERIFY(m.window->isVisible());
        }
        {
            // With the tray enabled, minimising sends the window to the tray.
            MainWindow m;
            m.te.setSetting("wState", QStringLiteral("1"));
            m.te.setSetting("wVis", QStringLiteral("True"));
            m.open();
            m.window->showAsLoaded();
            QTRY_VERIFY(!m.window->isVisible());
        }
        {
            // ... but never when no icon exists to bring it back.
            MainWindow m;
            m.te.trayState.isAvailable = false;
            m.te.setSetting("wState", QStringLiteral("1"));
            m.te.setSetting("wVis", QStringLiteral("True"));
            m.open();
            m.window->showAsLoaded();
            QTest::qWait(20);
            QVERIFY(m.window->isVisible());
        }
    }

    // A window hidden at exit comes back hidden only where the icon exists
    // to bring it back.
    void hiddenStartNeedsTheIcon_data()
    {
        QTest::addColumn<bool>("notificationArea");
        QTest::addColumn<QString>("enableTray");
        QTest::addColumn<bool>("visible");
        QTest::newRow("icon") << true << "1" << false;
        QTest::newRow("no notification area") << false << "1" << true;
        QTest::newRow("tray option off") << true << "0" << true;
    }
    void hiddenStartNeedsTheIcon()
    {
        QFETCH(bool, notificationArea);
        QFETCH(QString, enableTray);
        QFETCH(bool, visible);
        MainWindow m;
        m.te.trayState.isAvailable = notificationArea;
        m.te.setSetting("FirstUp", QStringLiteral("0"));
        m.te.setSetting("wState", QStringLiteral("1"));
        m.te.setSetting("wVis", QStringLiteral("False"));
        m.te.setSetting("EnableTray", enableTray);
        m.open();
        m.window->showAsLoaded();
        QTest::qWait(20);
        QCOMPARE(m.window->isVisible(), visible);
        QCOMPARE(m.window->isMinimized(), false);
    }

    void trayChoicesDecideTheHideButton()
    {
        {
            MainWindow m;
            m.te.setSetting("EnableTray", QStringLiteral("0"));
            m.te.setSetting("OTray", QStringLiteral("0"));
            m.open();
            QVERIFY(!m.window->trayWindow());
            QVERIFY(!m.te.tray);
            QVERIFY(!m.get("cmdExit")->isEnabled());
        }
        {
            // "OTray" missing reads as "1", but no icon exists: nothing may hide the window.
            MainWindow m;
            m.te.setSetting("EnableTray", QStringLiteral("0"));
            m.open();
            QVERIFY(!m.window->trayWindow());
            QVERIFY(!m.get("cmdExit")->isEnabled());
            m.window->show();
            QVERIFY(QTest::qWaitForWindowExposed(m.window.get()));
            QTest::keyClick(m.box("cmbCountryName"), Qt::Key_Escape);
            m.window->hideToTray();
            QVERIFY(m.window->isVisible());
        }
    }

    void hideButtonAndEscapeHide()
    {
        MainWindow m;
        m.open();
        m.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.window.get()));
        m.click("cmdExit");
        QVERIFY(!m.window->isVisible());
        m.window->showNormal();
        QVERIFY(m.window->isVisible());
        QTest::keyClick(m.box("cmbCountryName"), Qt::Key_Escape);
        QVERIFY(!m.window->isVisible());
        QVERIFY(m.window->isMinimized());
    }

    // Stored for another screen, or typed by hand: the window comes back onto
    // the screen, and the exit stores where it now is.
    void offScreenPositionsComeBack_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::newRow("2,400 px on a narrower screen") << "36000"
                                                       << "1500";
        QTest::newRow("far beyond") << "99999999"
                                    << "99999999";
        QTest::newRow("int limits") << "2147483647"
                                    << "-2147483648";
        QTest::newRow("negative") << "-30000"
                                  << "-1";
    }
    void offScreenPositionsComeBack()
    {
        QFETCH(QString, left);
        QFETCH(QString, top);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.width() < 2400);
        MainWindow m;
        m.te.setSetting("FirstUp", QStringLiteral("0"));
        m.te.setSetting("Left", left);
        m.te.setSetting("Top", top);
        m.open();
        QVERIFY(screen.contains(m.window->pos()));
        m.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.window.get()));
        m.window->close();
        const QPoint stored(twipsToPixels(m.te.setting("Left").toInt()), twipsToPixels(m.te.setting("Top").toInt()));
        QVERIFY2(screen.contains(stored), qPrintable(m.te.setting("Left") + u' ' + m.te.setting("Top")));
    }

    void offScreenCompanionsComeBack_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("leftKey");
        QTest::addColumn<QString>("topKey");
        QTest::newRow("IP") << int(frmMain::CompanionKind::IpToCountry) << "Left_IPL"
                            << "Top_IPL";
        QTest::newRow("ISO 639") << int(frmMain::CompanionKind::IsoLanguages) << "Left_ISO"
                                 << "Top_ISO";
        QTest::newRow("latitudes") << int(frmMain::CompanionKind::Latitudes) << "Left_Lat"
                                   << "Top_Lat";
    }
    void offScreenCompanionsComeBack()
    {
        QFETCH(int, kind);
        QFETCH(QString, leftKey);
        QFETCH(QString, topKey);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        MainWindow m;
        m.te.setSetting(qPrintable(leftKey), QStringLiteral("99999999"));
        m.te.setSetting(qPrintable(topKey), QStringLiteral("-2147483648"));
        m.open();
        m.window->showCompanion(frmMain::CompanionKind(kind));
        QWidget *w = m.window->companion(frmMain::CompanionKind(kind));
        QVERIFY(w->isVisible());
        QVERIFY(screen.contains(w->pos()));
        w->close();
        const QPoint stored(twipsToPixels(m.te.setting(qPrintable(leftKey)).toInt()),
            twipsToPixels(m.te.setting(qPrintable(topKey)).toInt()));
        QVERIFY(screen.contains(stored));
    }

    // Settings that cannot be written are said so once, with where they
    // were to go, and the program does not end as if all went well.
    void unsavedSettingsAreReported()
    {
        MainWindow m;
        // A folder that is a plain file can be made by nobody, root included.
        QFile plain(m.te.file(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QString path = plain.fileName() + QStringLiteral("/Orbilex.conf");
        m.te.env.settings = std::make_unique<SettingsStore>(std::make_unique<QSettings>(path, QSettings::IniFormat));
        m.open();
        m.select(81);
        m.window->close();
        QCOMPARE(m.te.dialogs->shown.size(), std::size_t(1));
        const ScriptedDialogs::Shown &shown = m.te.dialogs->shown.front();
        QCOMPARE(shown.icon, Dialogs::Icon::Warning);
        QCOMPARE(shown.title, QStringLiteral("Orbilex"));
        QVERIFY2(shown.text.contains(QDir::toNativeSeparators(path)), qPrintable(shown.text));
        QVERIFY(shown.text.contains(u"75: Path/File access error"));
        QCOMPARE(m.te.endings, std::vector<int> {1});
        m.window.reset();
        QCOMPARE(m.te.dialogs->shown.size(), std::size_t(1));
    }

    void unloadWritesTheChoices()
    {
        MainWindow m;
        m.te.setSetting("FirstUp", QStringLiteral("0"));
        m.open();
        m.window->move(200, 100);
        m.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.window.get()));
        m.select(81);
        m.get<QCheckBox>("chkIDDCopy")->setChecked(true);
        m.get<QCheckBox>("chkDST")->setChecked(false);
        m.window->close();
        QCOMPARE(m.te.setting("Left"), QString::number(m.window->x() * 15));
        QCOMPARE(m.te.setting("Top"), QString::number(m.window->y() * 15));
        QCOMPARE(m.te.setting("CountryName"), QStringLiteral("81"));
        QCOMPARE(m.te.setting("chkIDD"), QStringLiteral("1"));
        QCOMPARE(m.te.setting("chkLongName"), QStringLiteral("0"));
        QCOMPARE(m.te.setting("chkDST"), QStringLiteral("0"));
        QCOMPARE(m.te.setting("chkOption"), QStringLiteral("0"));
        QCOMPARE(m.te.setting("wState"), QStringLiteral("0"));
        QCOMPARE(m.te.setting("wVis"), QStringLiteral("True"));
        QCOMPARE(m.te.setting("wmap"), QStringLiteral("False"));
        QCOMPARE(m.te.tray->destroys, 1);
        QCOMPARE(m.te.endings, std::vector<int> {0});
        QVERIFY(m.te.dialogs->shown.empty());

        // The next start takes it all back.
        MainWindow again;
        again.te.env.settings = std::move(m.te.env.settings);
        again.open();
        QCOMPARE(again.countryName(), QStringLiteral("Germany"));
        QVERIFY(again.checked("chkIDDCopy"));
        QVERIFY(!again.checked("chkDST"));
    }

    void exitWhileMinimisedKeepsThePosition()
    {
        MainWindow m;
        m.te.setSetting("FirstUp", QStringLiteral("0"));
        m.te.setSetting("Left", QStringLiteral("4500"));
        m.te.setSetting("Top", QStringLiteral("3000"));
        m.te.setSetting("EnableTray", QStringLiteral("0"));
        m.open();
        m.window->showMinimized();
        QTRY_VERIFY(m.window->isMinimized());
        m.window->move(10, 10);
        m.window->close();
        QCOMPARE(m.te.setting("Left"), QStringLiteral("4500"));
        QCOMPARE(m.te.setting("Top"), QStringLiteral("3000"));
        QCOMPARE(m.te.setting("wState"), QStringLiteral("1"));
    }

    void optionsPanelGrowsAndShrinksInNineTicks()
    {
        MainWindow m;
        m.open();
        m.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m.window.get()));
        auto *panel = m.get<QGroupBox>("Frame1");
        const int closed = m.window->height();
        QVERIFY(panel->geometry().top() >= closed);

        QTimer *open = m.get<QTimer>("timOption");
        QTimer *close = m.get<QTimer>("timOptionBack");
        QCOMPARE(open->interval(), 10);
        m.get<QCheckBox>("chkOption")->click();
        QVERIFY(open->isActive());
        QTRY_VERIFY(!open->isActive());
        QCOMPARE(m.window->height(), closed + 60); // 900 twips
        QVERIFY(panel->geometry().bottom() < m.window->height());
        QVERIFY(m.get<QCheckBox>("chkTray")->isChecked()); // EnableTray defaults to "1"

        m.get<QCheckBox>("chkOption")->click();
        QVERIFY(close->isActive() && !open->isActive());
        QTRY_VERIFY(!close->isActive());
        QCOMPARE(m.window->height(), closed);
    }

    void panelWaitsWhileMinimised()
    {
        MainWindow m;
        m.te.setSetting("EnableTray", QStringLiteral("0"));
        m.open();
        m.window->showMinimized();
        QTRY_VERIFY(m.window->isMinimized());
        const int closed = m.window->height();
        m.get<QCheckBox>("chkOption")->click();
        QTest::qWait(60);
        QCOMPARE(m.window->height(), closed);
        QVERIFY(m.get<QTimer>("timOption")->isActive());
        m.window->showNormal();
        QTRY_VERIFY(!m.get<QTimer>("timOption")->isActive());
        QCOMPARE(m.window->height(), closed + 60);
    }

    void storedOpenPanelOpensAtStart()
    {
        MainWindow m;
        m.te.setSetting("chkOption", QStringLiteral("1"));
        m.open();
        QVERIFY(m.checked("chkOption"));
        QVERIFY(m.get<QTimer>("timOption")->isActive());
    }
};

QTEST_MAIN(TestMainLife)
#include "tst_mainlife.moc"
