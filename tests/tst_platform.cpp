// The real pieces of the environment that can run in a test: where the
// program keeps its files, and the settings store's text forms.

#include "platform/production.h"
#include "store/savedfiles.h"
#include "store/settingsstore.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace orbilex;

class TestPlatform : public QObject
{
    Q_OBJECT
private slots:
    void programFolderIsTheExecutablesWhenWritable()
    {
        QTemporaryDir exe, user;
        QCOMPARE(chooseProgramFolder(exe.path(), user.filePath(QStringLiteral("data"))).absolutePath(),
            QDir(exe.path()).absolutePath());
        QVERIFY(!QDir(user.filePath(QStringLiteral("data"))).exists());
        QCOMPARE(QDir(exe.path()).entryList(QDir::Files | QDir::Hidden).size(), 0); // the probe is gone
    }

    void readOnlyInstallFallsBackToTheUsersFolder()
    {
        QTemporaryDir user;
        // A "folder" below a plain file cannot be written by anyone, root included.
        const QString file = user.filePath(QStringLiteral("plain"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        const QString data = user.filePath(QStringLiteral("share/Orbilex"));
        const QDir chosen = chooseProgramFolder(file + QStringLiteral("/bin"), data);
        QCOMPARE(chosen.absolutePath(), QDir(data).absolutePath());
        QVERIFY(chosen.exists());
    }

    // Nowhere to write: the files are read where they lie rather than from an
    // empty folder. Root can write anywhere, so the program folder is made
    // "read-only" through the probe, and the data folder lies below a plain
    // file, which nobody can make.
    void nothingWritableReadsTheShippedFiles()
    {
        QTemporaryDir exe, install;
        QFile plain(install.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QString data = plain.fileName() + QStringLiteral("/Orbilex");
        const auto canWrite = [&](const QString &folder) { return folder != exe.path() && canWriteIn(folder); };
        const QString share = install.filePath(QStringLiteral("share/orbilex"));
        const QDir portable = chooseProgramFolder(exe.path(), data, {share, exe.path()}, canWrite);
        QCOMPARE(portable.absolutePath(), QDir(exe.path()).absolutePath());
        QVERIFY(QDir().mkpath(share));
        const QDir installed = chooseProgramFolder(exe.path(), data, {share, exe.path()}, canWrite);
        QCOMPARE(installed.absolutePath(), QDir(share).absolutePath());
    }

    void shippedFilesSeedTheUsersFolderButNeverReplaceItsOwn()
    {
        QTemporaryDir install, user;
        const QDir share(install.filePath(QStringLiteral("share/orbilex")));
        QVERIFY(QDir().mkpath(share.path()));
        const auto write = [](const QString &path, const QByteArray &bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        write(share.filePath(QStringLiteral("readme.htm")), "help");
        write(share.filePath(QStringLiteral("wlocation.dat")), "shipped");
        write(user.filePath(QStringLiteral("wlocation.dat")), "moved by the user");
        seedShippedFiles(QDir(user.path()), {install.filePath(QStringLiteral("nowhere")), share.path()});
        QFile readme(user.filePath(QStringLiteral("readme.htm")));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        QCOMPARE(readme.readAll(), QByteArray("help"));
        QFile location(user.filePath(QStringLiteral("wlocation.dat")));
        QVERIFY(location.open(QIODevice::ReadOnly));
        QCOMPARE(location.readAll(), QByteArray("moved by the user"));
    }

    void damagedBinarySettingsAreMadeText()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Orbilex.conf"));
        const auto write = [&](const QByteArray &bytes) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        const auto read = [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        // A length prefix of gigabytes, as a damaged file may hold.
        write("[Settings]\nLeft=@Variant(\\0\\0\\0\\x0b\\x7f\\xff\\xff\\xff)\nTop=\"@Variant(x)\"\nwVis=True\n");
        makeValuesText(path);
        const QSettings settings(path, QSettings::IniFormat);
        QVERIFY(settings.value(QStringLiteral("Settings/Left")).toString().startsWith(u"@Variant("));
        QCOMPARE(settings.value(QStringLiteral("Settings/Top")).toString(), QStringLiteral("@Variant(x)"));
        QCOMPARE(settings.value(QStringLiteral("Settings/wVis")).toString(), QStringLiteral("True"));

        const QByteArray plain = "[Settings]\nUSCi=@@Variant(kept)\nFirstUp=0\n";
        write(plain);
        makeValuesText(path);
        QCOMPARE(read(), plain);
        makeValuesText(dir.filePath(QStringLiteral("missing.conf")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing.conf"))));
    }

    void settingsReadTheirDefaultsAndKeepText()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("s.ini"));
        SettingsStore store(std::make_unique<QSettings>(path, QSettings::IniFormat));
        const auto text = [](const auto &key) { return TextKey {key.name}; };
        QVERIFY(store.holds(keys::chkDST, true));
        QVERIFY(store.holds(keys::EnableTray, true));
        QVERIFY(store.holds(keys::Left_Lat, 300));
        QVERIFY(store.isBlank(keys::FirstUp));
        QVERIFY(!store.contains(keys::FirstUp));
        store.write(keys::FirstUp, false);
        QCOMPARE(store.read(text(keys::FirstUp)), QStringLiteral("0"));
        store.write(text(keys::CountryName), QStringLiteral("a, b"));
        QVERIFY(!store.save());
        SettingsStore again(std::make_unique<QSettings>(path, QSettings::IniFormat));
        QCOMPARE(again.read(text(keys::CountryName)), QStringLiteral("a, b"));
        QCOMPARE(again.read(text(keys::FirstUp)), QStringLiteral("0"));

        // A hand-edited list comes back as one text.
        QFile raw(path);
        QVERIFY(raw.open(QIODevice::Append));
        raw.write("\n[Settings]\nUSCi=4, 5\n");
        raw.close();
        SettingsStore edited(std::make_unique<QSettings>(path, QSettings::IniFormat));
        QCOMPARE(edited.read(text(keys::USCi)), QStringLiteral("4, 5"));
        edited.clearAll();
        QVERIFY(edited.isBlank(keys::FirstUp));
    }

    // A check box reads any number, the tray and window state only the exact
    // text the program writes; text that is no number has no value.
    void typedKeysReadHandEditedText()
    {
        QTemporaryDir dir;
        QFile raw(dir.filePath(QStringLiteral("s.ini")));
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write("[Settings]\nEnableTray=\" 2\"\nwState=01\nwVis=true\nLeft=left\nchkDST=\n");
        raw.close();
        SettingsStore store(std::make_unique<QSettings>(raw.fileName(), QSettings::IniFormat));
        QCOMPARE(store.read(keys::EnableTray), std::optional<bool>(true));
        QVERIFY(!store.holds(keys::EnableTray, true));
        QCOMPARE(store.read(keys::wState), std::optional<int>(1));
        QVERIFY(!store.holds(keys::wState, 1));
        QCOMPARE(store.read(keys::wVis), std::nullopt);
        QVERIFY(!store.holds(keys::wVis, true) && !store.holds(keys::wVis, false));
        QCOMPARE(store.read(keys::Left), std::nullopt);
        QVERIFY(store.isBlank(keys::chkDST));
        QVERIFY(store.holds(keys::OTray, true));
        QCOMPARE(store.read(keys::USCi.withDefault(1)), std::optional<int>(1));
        try {
            store.require(keys::chkDST);
            QFAIL("an empty yes/no has no value");
        } catch (const AppError &error) {
            QCOMPARE(error.number, 13);
        }
    }

    // The desktop finds the launcher, its icon and its actions by this id.
    void applicationIsTiedToItsLauncher()
    {
        setUpApplication();
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.orbilex.Orbilex"));
        QVERIFY(!QGuiApplication::quitOnLastWindowClosed());
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
