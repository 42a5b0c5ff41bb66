#include "fakes.h"
#include "mainwindow.h"
#include "ui/companions/frmAbout.h"
#include "viewlogic/abouttexts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

using namespace orbilex;
using namespace orbilex::test;

namespace {

// A database that is there or not, and counts how often it was asked to open.
class FakeIpDatabase final : public IpDatabase
{
public:
    bool present = true;
    int opens = 0;
    bool opened = false;
    QString file = QStringLiteral("/opt/orbilex/ipcountry.mmdb");
    QDateTime built = QDateTime(QDate(2005, 6, 1), QTime(8, 30), Qt::UTC);

    bool open() override
    {
        ++opens;
        opened = present;
        return opened;
    }
    bool isOpen() const override { return opened; }
    QString path() const override { return file; }
    QString shortName(const QString &) const override { return QStringLiteral("-"); }
    QString longName(const QString &) const override { return {}; }
    QDateTime buildDate() const override { return opened ? built : QDateTime(); }
    QString problem() const override { return opened ? QString() : damage; }
    QString damage;
};

struct AboutWindow {
    TestEnvironment te;
    FakeIpDatabase *db = nullptr;
    QWidget owner;
    std::unique_ptr<frmAbout> window;

    explicit AboutWindow(bool withDatabase = true)
    {
        if (withDatabase) {
            auto d = std::make_unique<FakeIpDatabase>();
            db = d.get();
            te.env.ipDatabase = std::move(d);
        }
        auto *opener = new QPushButton(&owner);
        opener->setObjectName(QStringLiteral("cmdAbout"));
        opener->setCursor(Qt::CrossCursor);
    }
    void open()
    {
        window = std::make_unique<frmAbout>(te.env, owner, owner.findChild<QPushButton *>()->cursor());
        window->show();
    }
    template<typename T = QWidget> T *get(const char *name) const { return child<T>(window.get(), name); }
    QString text(const char *name) const { return get<QPlainTextEdit>(name)->toPlainText(); }
    void click(const char *name) const { get<QPushButton>(name)->click(); }
    const ScriptedDialogs::Shown &onlyBox() const
    {
        if (te.dialogs->shown.size() != 1)
            qFatal("expected one box, got %d", int(te.dialogs->shown.size()));
        return te.dialogs->shown.front();
    }
};

QStringList storedKeys(const QString &file)
{
    QSettings reread(file, QSettings::IniFormat);
    return reread.allKeys();
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private slots:
    void platformLineNamesTheSystemItRunsOn_data()
    {
        QTest::addColumn<QString>("kernel");
        QTest::addColumn<QString>("pretty");
        QTest::addColumn<QString>("line");
        QTest::newRow("windows") << "winnt"
                                 << "Windows 11 Version 23H2"
                                 << "for Windows 9x/ME/NT/2000/XP";
        QTest::newRow("debian") << "linux"
                                << "Debian GNU/Linux 12 (bookworm)"
                                << "for Linux (Debian GNU/Linux 12 (bookworm))";
        QTest::newRow("unnamed linux") << "linux"
                                       << ""
                                       << "for Linux";
        QTest::newRow("mac") << "darwin"
                             << "macOS 14.4"
                             << "for macOS (macOS 14.4)";
        QTest::newRow("other") << "haiku"
                               << ""
                               << "for haiku";
    }

    void platformLineNamesTheSystemItRunsOn()
    {
        QFETCH(QString, kernel);
        QFETCH(QString, pretty);
        QFETCH(QString, line);
        QCOMPARE(about::platformLine(kernel, pretty), line);
    }

    void loadShowsVersionDescriptionAndGlossary()
    {
        AboutWindow w;
        w.open();
        QCOMPARE(w.window->windowTitle(), QStringLiteral("About Orbilex"));
        QVERIFY(w.window->isModal());

        const QString windows = about::platformLine(QStringLiteral("winnt"), QStringLiteral("Windows 10 Version 22H2"));
        const QStringList info = about::infoText(QVersionNumber(2, 5, 0), windows).split(QStringLiteral("\r\n"));
        QCOMPARE(info.size(), 8);
        QCOMPARE(info[0], QStringLiteral("Orbilex Version 2.5.0"));
        QCOMPARE(info[1], QStringLiteral("for Windows 9x/ME/NT/2000/XP"));
        QVERIFY(info[2].isEmpty() && info[6].isEmpty() && info[7].isEmpty());
        QCOMPARE(info[5], QString::fromLatin1(about::kWebAddress));
        // The window shows the build's own version.
        QCOMPARE(w.text("txtInfo").split(u'\n').front(), QStringLiteral("Orbilex Version 2.5.0"));
        QCOMPARE(w.text("txtDesc"),
            QStringLiteral("The database already contains 253 countries. Updates will be available as soon as "
                           "needed and possible. All comments and suggestions are welcomed. Contact us!"));

        QCOMPARE(w.get<QLabel>("lblTerm1")->text(), QStringLiteral("TLD:"));
        QCOMPARE(w.get<QLabel>("lblMeaning1")->text(), QStringLiteral("Top Level Domains (assigned by IANA)"));
        QCOMPARE(w.get<QLabel>("lblTerm5")->text(), QStringLiteral("NDD:"));

        // Every button points like the main window's "about" button.
        for (const char *name : {"cmdCool", "cmdWeb", "cmdEmail", "cmdReInsDLL", "cmdUninstall"})
            QCOMPARE(w.get<QPushButton>(name)->cursor().shape(), Qt::CrossCursor);
    }

    void historyRunsFromNewestToOldestRelease()
    {
        AboutWindow w;
        w.open();
        static const QRegularExpression heading(QStringLiteral(R"(^v(\d+)\.(\d+) \((\w+ \d\d, \d{4})\)$)"));
        QStringList dates;
        int previous = 1000;
        for (const QString &line : w.text("txtHistory").split(u'\n')) {
            if (line.isEmpty())
                continue;
            const QRegularExpressionMatch m = heading.match(line);
            if (m.hasMatch()) {
                const int version = m.captured(1).toInt() * 10 + m.captured(2).toInt();
                QVERIFY2(version < previous, qPrintable(line));
                previous = version;
                dates << m.captured(3);
            } else {
                QVERIFY2(!dates.isEmpty(), "a change before the first release heading");
                QVERIFY2(line.startsWith(u'*') || line.startsWith(u'+') || line.startsWith(u'.'), qPrintable(line));
            }
        }
        QCOMPARE(dates.front(), QStringLiteral("June 05, 2005"));
        QCOMPARE(dates.back(), QStringLiteral("November 03, 2003"));
        QCOMPARE(previous, 10);
    }

    void webAndMailGoToTheShell()
    {
        AboutWindow w;
        w.open();
        w.click("cmdWeb");
        w.click("cmdEmail");
        QCOMPARE(w.te.shell->opened,
            QStringList({QString::fromLatin1(about::kWebAddress),
                QStringLiteral("mailto:support@orbilex.example.org?subject=Orbilex v2.5.0 : Data "
                               "Update Report")}));
        QVERIFY(w.te.dialogs->shown.empty());
    }

    void ipDatabaseDateComesFromTheDatabase()
    {
        AboutWindow present;
        present.open();
        QCOMPARE(present.get<QLabel>("lblIPDate")->text(), QStringLiteral("IP database built on 2005-06-01"));

        AboutWindow missing;
        missing.db->present = false;
        missing.open();
        QCOMPARE(missing.get<QLabel>("lblIPDate")->text(), QStringLiteral("IP database: not found"));

        AboutWindow none(false);
        none.open();
        QCOMPARE(none.get<QLabel>("lblIPDate")->text(), QStringLiteral("IP database: not found"));
    }

    void reregistrationSucceeds()
    {
        AboutWindow w;
        w.db->present = false;
        w.open();
        w.db->present = true;
        const int before = w.db->opens;
        w.click("cmdReInsDLL");
        QCOMPARE(w.db->opens, before + 1);
        QCOMPARE(w.onlyBox().icon, Dialogs::Icon::Information);
        QCOMPARE(w.onlyBox().title, QStringLiteral("Orbilex - it is done."));
        QCOMPARE(w.onlyBox().text,
            QStringLiteral("IP2Location.dll and VUROREro.dll have been successfully registred "
                           "into windows registry."));
        QCOMPARE(QDir::current().canonicalPath(), w.te.env.programFolder.canonicalPath());
        // The freshly opened database's date replaces "not found".
        QCOMPARE(w.get<QLabel>("lblIPDate")->text(), QStringLiteral("IP database built on 2005-06-01"));
        QVERIFY(w.window->isVisible());
    }

    void reregistrationWithTheDatabaseMissing_data()
    {
        QTest::addColumn<bool>("withDatabase");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("named");
        QTest::newRow("file missing") << true << false << QStringLiteral("53:: File not found: ")
                                      << QStringLiteral("ipcountry.mmdb");
        QTest::newRow("no database at all")
            << false << false << QStringLiteral("53:: File not found: ") << QStringLiteral("IP database");
        QTest::newRow("file damaged") << true << true << QStringLiteral("75:: IP database is damaged: ")
                                      << QStringLiteral("ipcountry.mmdb");
    }
    void reregistrationWithTheDatabaseMissing()
    {
        QFETCH(bool, withDatabase);
        QFETCH(bool, damaged);
        QFETCH(QString, expected);
        QFETCH(QString, named);
        AboutWindow w(withDatabase);
        if (w.db) {
            w.db->present = false;
            w.db->file = w.te.file(QStringLiteral("ipcountry.mmdb"));
        }
        if (damaged) {
            QFile file(w.db->file);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a database");
            w.db->damage = QStringLiteral("IP database is damaged: ") + w.db->file;
        }
        w.open();
        w.click("cmdReInsDLL");
        // One box only: the error, no success after it.
        const ScriptedDialogs::Shown &box = w.onlyBox();
        QCOMPARE(box.icon, Dialogs::Icon::Critical);
        QCOMPARE(box.title, QStringLiteral("Orbilex - Error."));
        QVERIFY2(box.text.startsWith(QStringLiteral("Some errors occured :\r\n") + expected), qPrintable(box.text));
        QVERIFY2(box.text.contains(named), qPrintable(box.text));
        QVERIFY(box.text.endsWith(QStringLiteral("\r\n\r\nTIP:: try to reinstall Orbilex from original package.")));
        QVERIFY(w.window->isVisible());
    }

    // The override store comes first: when it fails, the database is not asked.
    void reregistrationStopsAtTheOverrideStore_data()
    {
        QTest::addColumn<bool>("folderGone");
        QTest::addColumn<QString>("expected");
        QTest::newRow("program folder gone") << true << QStringLiteral("76:: Path not found: ");
        QTest::newRow("userdb.ini is a folder") << false << QStringLiteral("75:: Path/File access error: ");
    }
    void reregistrationStopsAtTheOverrideStore()
    {
        QFETCH(bool, folderGone);
        QFETCH(QString, expected);
        AboutWindow w;
        w.open();
        QString named;
        if (folderGone) {
            w.te.env.programFolder = QDir(w.te.file(QStringLiteral("removed")));
            named = QStringLiteral("removed");
        } else {
            QVERIFY(QDir(w.te.folder.path()).mkdir(QStringLiteral("userdb.ini")));
            named = QStringLiteral("userdb.ini");
        }
        const int before = w.db->opens;
        w.click("cmdReInsDLL");
        const ScriptedDialogs::Shown &box = w.onlyBox();
        QCOMPARE(box.title, QStringLiteral("Orbilex - Error."));
        QVERIFY2(box.text.contains(expected) && box.text.contains(named), qPrintable(box.text));
        QCOMPARE(w.db->opens, before);
    }

    void uninstallAnsweredNoKeepsEverySetting()
    {
        AboutWindow w;
        w.te.setSetting("FirstUp", QStringLiteral("0"));
        w.te.setSetting("Left", QStringLiteral("1200"));
        w.te.setSetting("CountryName", QStringLiteral("81"));
        w.te.setSetting("wip", QStringLiteral("True"));
        w.te.env.settings->save();
        const QString file = w.te.env.settings->fileName();
        const QStringList before = storedKeys(file);
        QCOMPARE(before.size(), 4);
        w.open();
        w.te.dialogs->answers = {false};
        w.click("cmdUninstall");

        const ScriptedDialogs::Shown &box = w.onlyBox();
        QCOMPARE(box.kind, QStringLiteral("question"));
        QCOMPARE(box.icon, Dialogs::Icon::Warning);
        QCOMPARE(box.title, QStringLiteral("Orbilex"));
        QVERIFY(box.noIsDefault);
        QCOMPARE(box.text,
            QStringLiteral("Orbilex has created some registry keys to remeber last run settings\r\n"
                           "also IP2Location.dll and VUROREro.dll are registered in windows "
                           "registry,\r\n\r\n   This will remove them, continue?"));
        QVERIFY(w.te.endings.empty());
        w.te.env.settings->save();
        QCOMPARE(storedKeys(file), before);
        QCOMPARE(w.te.setting("Left"), QStringLiteral("1200"));
        QVERIFY(w.window->isVisible());
    }

    void uninstallAnsweredYesLeavesNoSettingAndEnds()
    {
        MainWindow m;
        m.open();
        m.te.setSetting("Left", QStringLiteral("1200"));
        m.te.setSetting("EnableTray", QStringLiteral("1"));
        QFile userDb(m.te.file(QStringLiteral("userdb.ini")));
        QVERIFY(userDb.open(QIODevice::WriteOnly));
        userDb.write("[81]\r\nLongName=x\r\n");
        userDb.close();

        m.click("cmdAbout");
        QWidget *about = m.window->loadedCompanion(frmMain::CompanionKind::About);
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Orbilex"));
        m.te.dialogs->answers = {true};
        child<QPushButton>(about, "cmdUninstall")->click();

        QCOMPARE(m.te.endings, std::vector<int>({0}));
        QCOMPARE(m.te.dialogs->shown.size(), std::size_t(1));
        // Ending at once: taking the main window down writes nothing back.
        const QString file = m.te.env.settings->fileName();
        m.window.reset();
        m.te.env.settings.reset();
        QCOMPARE(storedKeys(file), QStringList());
        QVERIFY(QFileInfo::exists(m.te.file(QStringLiteral("userdb.ini"))));
    }

    void uninstallThatCannotClearReportsAndStillEnds()
    {
        AboutWindow w;
        // A settings "file" that is a folder can never be written.
        const QString blocked = w.te.file(QStringLiteral("blocked.ini"));
        QVERIFY(QDir().mkdir(blocked));
        w.te.env.settings = std::make_unique<SettingsStore>(std::make_unique<QSettings>(blocked, QSettings::IniFormat));
        w.te.setSetting("Left", QStringLiteral("1200"));
        w.open();
        w.te.dialogs->answers = {true};
        w.click("cmdUninstall");

        QCOMPARE(w.te.dialogs->shown.size(), std::size_t(2));
        const ScriptedDialogs::Shown &box = w.te.dialogs->shown.back();
        QCOMPARE(box.icon, Dialogs::Icon::Warning);
        QCOMPARE(box.title, QStringLiteral("Orbilex"));
        QVERIFY2(box.text.startsWith(QStringLiteral("Some errors occured:\r\n75: Path/File access error: ")),
            qPrintable(box.text));
        QCOMPARE(w.te.endings, std::vector<int>({0}));
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
