// User overrides through the real window and the real userdb.ini: edit, reset
// a field, reset a country, reset the file, with the program's own messages.

#include "mainwindow.h"
#include "platform/production.h"
#include "store/inistore.h"
#include "testfiles.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QSettings>
#include <QUrl>

using namespace orbilex;
using namespace orbilex::test;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString iniValue(const QString &path, const QString &key)
{
    return QSettings(path, QSettings::IniFormat).value(key).toString();
}

} // namespace

class TestOverrides : public QObject
{
    Q_OBJECT
private slots:
    void editCreatesTheFileAndShowsEverywhere()
    {
        MainWindow m;
        m.open();
        const QString db = m.te.file(QStringLiteral("userdb.ini"));
        QVERIFY(!QFile::exists(db));
        m.te.dialogs->inputs.push_back(QStringLiteral("X"));
        m.click("cmdLongEdit");
        const auto &box = m.te.dialogs->shown.at(0);
        QCOMPARE(box.kind, QStringLiteral("input"));
        QCOMPARE(box.title, QStringLiteral("Orbilex - editing database..."));
        QCOMPARE(box.text, QStringLiteral("Enter new value for LongName:"));
        QCOMPARE(box.initial, QStringLiteral("Islamic State of Afghanistan"));
        QCOMPARE(m.text("txtLongName"), QStringLiteral("X"));
        QVERIFY(QFile::exists(db));
        QCOMPARE(iniValue(db, QStringLiteral("0/LongName")), QStringLiteral("X"));

        m.select(81);
        QCOMPARE(m.text("txtLongName"), QStringLiteral("Federal Republic of Germany"));
        m.select(0);
        QCOMPARE(m.text("txtLongName"), QStringLiteral("X"));
        QCOMPARE(m.te.dialogs->unexpected, 0);
    }

    void gmtPromptAndOverrideOrder()
    {
        MainWindow m;
        m.open();
        m.selectNamed(QStringLiteral("Canada"));
        m.te.dialogs->inputs.push_back(QStringLiteral("+03:00:00"));
        m.click("cmdGMTEdit");
        QCOMPARE(m.te.dialogs->shown.at(0).text,
            QStringLiteral("Enter new value for GMT:") + kCrLf + kCrLf
                + QStringLiteral("Please follow the syntax or it would not work:") + kCrLf
                + QStringLiteral("+hh:mm:ss OR -hh:mm:ss"));
        m.select(0);
        m.selectNamed(QStringLiteral("Canada"));
        // The override wins over both the record and Edmonton's city rule.
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+03:00:00"));
    }

    void overridesOfLinksAndNotesWinOverTheBuiltOnes()
    {
        MainWindow m;
        const QString db = m.te.file(QStringLiteral("userdb.ini"));
        IniStore ini;
        ini.SetFile(db);
        ini.WriteValue(QStringLiteral("0"), QStringLiteral("LongName"), QString());
        ini.WriteValue(QStringLiteral("0"), QStringLiteral("GMT"), QStringLiteral("+03:00:00"));
        ini.WriteValue(QStringLiteral("0"), QStringLiteral("InfoA"), QStringLiteral("example.org/mine"));
        ini.WriteValue(QStringLiteral("0"), QStringLiteral("IDDD"), QStringLiteral("99\r\n98"));
        ini.WriteValue(QStringLiteral("0"), QStringLiteral("NDD"), QStringLiteral("none & <b>"));
        m.open();
        QCOMPARE(m.text("txtLongName"), QStringLiteral("Islamic State of Afghanistan"));
        QCOMPARE(m.text("txtGMT"), QStringLiteral("+03:00:00"));
        QCOMPARE(m.text("txtUrl"), QStringLiteral("example.org/mine"));
        QVERIFY(m.text("txtPInfo").endsWith(u"/country/af/"));
        QCOMPARE(m.text("txtIDD"), QStringLiteral("99\n98"));
        QCOMPARE(m.text("txtNDD"), QStringLiteral("none & <b>"));
    }

    void anyTextIsStoredAsTyped_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("accents and scripts") << QStringLiteral("Ελλάδα – 日本 – ñ");
        QTest::newRow("ini syntax") << QStringLiteral("[0]\nLongName=evil ; # \"q\" \\ a, b");
        QTest::newRow("long") << QString(20000, u'x');
        QTest::newRow("blanks around") << QStringLiteral("  spaced  ");
    }
    void anyTextIsStoredAsTyped()
    {
        QFETCH(QString, value);
        MainWindow m;
        m.open();
        m.te.dialogs->inputs.push_back(value);
        m.click("cmdLocationEdit");
        m.select(1);
        m.select(0);
        QCOMPARE(m.text("txtLocation"), value);
        QCOMPARE(m.text("txtLongName"), QStringLiteral("Islamic State of Afghanistan"));
    }

    // Past a line edit's default limit of 32767 characters nothing is cut.
    void aLongOverrideIsKeptWhole()
    {
        MainWindow m;
        const QString db = m.te.file(QStringLiteral("userdb.ini"));
        const QString value = QString(40000, u'x') + QStringLiteral("END");
        QSettings(db, QSettings::IniFormat).setValue(QStringLiteral("0/Location"), value);
        m.open();
        QCOMPARE(m.text("txtLocation"), value);
        m.click("cmdCopyAll");
        QVERIFY(QApplication::clipboard()->text().contains(value));
        m.click("cmdPrintVer");
        QVERIFY(readBytes(m.te.file(QStringLiteral("temp.htm"))).contains(value.toLatin1()));
        // The edit box starts from the whole value; OK on it stores it whole.
        m.te.dialogs->inputs.push_back(value);
        m.click("cmdLocationEdit");
        QCOMPARE(m.te.dialogs->shown.back().initial, value);
        QCOMPARE(iniValue(db, QStringLiteral("0/Location")), value);
    }

    void theInputBoxGivesALongTextBackUnchanged()
    {
        const std::unique_ptr<Dialogs> boxes = makeMessageBoxes();
        const QString value = QString(40000, u'x') + QStringLiteral("END");
        QTimer ok;
        connect(&ok, &QTimer::timeout, [] {
            if (auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget()))
                box->accept();
        });
        ok.start(10);
        QCOMPARE(
            boxes->input(QStringLiteral("Enter new value for Location:"), QStringLiteral("Orbilex"), value), value);
    }

    void cancelChangesNothing()
    {
        MainWindow m;
        m.open();
        m.te.dialogs->inputs.push_back(QString());
        m.click("cmdTypeEdit");
        QCOMPARE(m.text("txtType"), QStringLiteral("Nation"));
        QVERIFY(!QFile::exists(m.te.file(QStringLiteral("userdb.ini"))));
    }

    void resetsWithoutAFileSayItIsDefault()
    {
        MainWindow m;
        m.open();
        m.click("cmdTypeDef");
        m.click("cmdDefCount");
        QCOMPARE(m.te.dialogs->shown.size(), std::size_t(2));
        QCOMPARE(m.te.dialogs->shown[0].text, QStringLiteral("It is already the default database!"));
        QCOMPARE(m.te.dialogs->shown[0].icon, Dialogs::Icon::Information);
        QCOMPARE(m.te.dialogs->shown[1].text, QStringLiteral("It is already default database!"));
        QCOMPARE(m.te.dialogs->shown[1].title, QStringLiteral("Orbilex"));
        QVERIFY(!QFile::exists(m.te.file(QStringLiteral("userdb.ini"))));
        // Removing a file that is not there says nothing at all.
        m.click("cmdResetDB");
        QCOMPARE(m.te.dialogs->shown.size(), std::size_t(3));
        QCOMPARE(m.te.dialogs->shown[2].kind, QStringLiteral("question"));
    }

    void aFileThatCannotBeRemovedIsReported()
    {
        MainWindow m;
        m.open();
        // A folder with something in it cannot be removed as a file, by
        // root either, where a read-only folder stops only other users.
        const QString db = m.te.file(QStringLiteral("userdb.ini"));
        QVERIFY(QDir().mkpath(db + QStringLiteral("/inside")));
        m.te.dialogs->answers = {true};
        m.click("cmdResetDB");
        const auto &box = m.te.dialogs->shown.back();
        QCOMPARE(box.kind, QStringLiteral("message"));
        QCOMPARE(box.icon, Dialogs::Icon::Warning);
        QCOMPARE(
            box.text, QStringLiteral("Some errors occured:") + kCrLf + QStringLiteral("75: Path/File access error"));
        QVERIFY(QFileInfo(db + QStringLiteral("/inside")).isDir());
    }

    // A local file given as the extra information opens as that file.
    void extraInformationNamingAFileOpensTheFile()
    {
        MainWindow m;
        const QString notes = m.te.file(QStringLiteral("my notes.txt"));
        QFile f(notes);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QSettings(m.te.file(QStringLiteral("userdb.ini")), QSettings::IniFormat)
            .setValue(QStringLiteral("0/InfoA"), QStringLiteral("my notes.txt"));
        m.open();
        m.click("cmdCiaURL");
        QCOMPARE(m.te.shell->opened.back(), QUrl::fromLocalFile(notes).toString(QUrl::FullyEncoded));
    }

    void resetFieldAsksThenStoresEmpty()
    {
        MainWindow m;
        m.open();
        const QString db = m.te.file(QStringLiteral("userdb.ini"));
        m.te.dialogs->inputs.push_back(QStringLiteral("Mine"));
        m.click("cmdDep"); // the edit button of this field has no "Edit" in its name
        QCOMPARE(m.text("txtDep"), QStringLiteral("Mine"));

        m.te.dialogs->answers.push_back(false);
        m.click("cmdDepDef");
        QCOMPARE(m.te.dialogs->shown.back().text,
            QStringLiteral("Default value for Dep will be applied after you push Yes,") + kCrLf
                + QStringLiteral("Continue?"));
        QCOMPARE(m.text("txtDep"), QStringLiteral("Mine"));

        m.te.dialogs->answers.push_back(true);
        m.click("cmdDepDef");
        QCOMPARE(m.text("txtDep"), QStringLiteral("(Does Not Exist)"));
        QVERIFY(QSettings(db, QSettings::IniFormat).contains(QStringLiteral("0/Dep")));
        QCOMPARE(iniValue(db, QStringLiteral("0/Dep")), QString());

        // A field never edited: still asked, still stored empty, display unchanged.
        m.te.dialogs->answers.push_back(true);
        m.click("cmdISoNumDef");
        QCOMPARE(m.text("txtISONumber"), QStringLiteral("004"));
        QVERIFY(QSettings(db, QSettings::IniFormat).contains(QStringLiteral("0/ISONum")));
        QCOMPARE(m.te.dialogs->unexpected, 0);
    }

    void resettingTheOnlyCountryOffersToRemoveTheFile()
    {
        MainWindow m;
        m.open();
        const QString db = m.te.file(QStringLiteral("userdb.ini"));
        m.te.dialogs->inputs.push_back(QStringLiteral("X"));
        m.click("cmdLongEdit");

        m.te.dialogs->answers = {true, false};
        m.click("cmdDefCount");
        const auto &shown = m.te.dialogs->shown;
        QCOMPARE(shown[shown.size() - 2].text,
            QStringLiteral("Default values for Afghanistan will be applied after "
                           "you push Yes,")
                + kCrLf + QStringLiteral("Continue?"));
        QCOMPARE(shown.back().text,
            QStringLiteral("This will remove \"userdb.ini\" which contains your own given "
                           "information,")
                + kCrLf + QStringLiteral("Are you sure?"));
        QCOMPARE(shown.back().icon, Dialogs::Icon::Warning);
        QVERIFY(shown.back().noIsDefault);
        QVERIFY(QFile::exists(db));
        IniStore store;
        store.SetFile(db);
        QCOMPARE(store.SectionCount(), 1);
        QCOMPARE(m.text("txtLongName"), QStringLiteral("Islamic State of Afghanistan"));

        m.te.dialogs->answers = {true};
        m.click("cmdResetDB");
        QVERIFY(!QFile::exists(db));
        QCOMPARE(m.te.dialogs->unexpected, 0);
    }

    void resettingOneOfTwoCountriesKeepsTheOther()
    {
        MainWindow m;
        m.open();
        m.te.dialogs->inputs = {QStringLiteral("A"), QStringLiteral("B")};
        m.click("cmdLongEdit");
        m.select(81);
        m.click("cmdLongEdit");
        m.te.dialogs->answers = {true};
        m.click("cmdDefCount");
        QCOMPARE(m.te.dialogs->unexpected, 0);
        QCOMPARE(m.text("txtLongName"), QStringLiteral("Federal Republic of Germany"));
        m.select(0);
        QCOMPARE(m.text("txtLongName"), QStringLiteral("A"));
    }

    void editWithNoCountrySelectedWritesSectionMinusOne()
    {
        MainWindow m;
        m.te.setSetting("FirstUp", QStringLiteral("0"));
        m.te.setSetting("CountryName", QStringLiteral("9999"));
        m.open();
        m.te.dialogs->inputs.push_back(QStringLiteral("nobody"));
        m.click("cmdTypeEdit");
        QCOMPARE(
            iniValue(m.te.file(QStringLiteral("userdb.ini")), QStringLiteral("-1/Type")), QStringLiteral("nobody"));
    }

    void aFolderThatCannotBeWrittenIsReportedAndLosesNothing()
    {
        MainWindow m;
        // A program "folder" that is really a file can never hold userdb.ini,
        // whoever runs the test.
        const QString notAFolder = m.te.file(QStringLiteral("plain-file"));
        QFile f(notAFolder);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keep me");
        f.close();
        m.te.env.programFolder = QDir(notAFolder);
        m.open();
        m.te.dialogs->inputs.push_back(QStringLiteral("X"));
        m.click("cmdLongEdit");
        const auto &box = m.te.dialogs->shown.back();
        QCOMPARE(box.kind, QStringLiteral("message"));
        QCOMPARE(box.icon, Dialogs::Icon::Warning);
        QCOMPARE(box.text,
            QStringLiteral("Some errors occured:") + kCrLf
                + QStringLiteral("75: Path/File access errortry to register DLLs again using the "
                                 "option provided in About window"));
        QCOMPARE(readBytes(notAFolder), QByteArray("keep me"));
    }

    void aMalformedFileShowsWhatCanBeReadAndKeepsIt()
    {
        MainWindow m;
        const QString db = m.te.file(QStringLiteral("userdb.ini"));
        QFile f(db);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("\xef\xbb\xbf[0]\nLongName=Kept\n\x01\x02\xff junk\n[81]\nType=Hand, "
                "edited\nlongname=Hand-written\n[0]\nType=Dup\n");
        f.close();
        m.open();
        QCOMPARE(m.text("txtLongName"), QStringLiteral("Kept"));
        QCOMPARE(m.text("txtType"), QStringLiteral("Dup"));
        m.select(81);
        QCOMPARE(m.text("txtType"), QStringLiteral("Hand, edited"));
        QCOMPARE(m.text("txtLongName"), QStringLiteral("Hand-written"));
        m.te.dialogs->inputs.push_back(QStringLiteral("new"));
        m.click("cmdLocationEdit");
        QCOMPARE(iniValue(db, QStringLiteral("0/LongName")), QStringLiteral("Kept"));
        QCOMPARE(iniValue(db, QStringLiteral("81/Location")), QStringLiteral("new"));
        m.select(0);
        m.select(81);
        QCOMPARE(m.text("txtType"), QStringLiteral("Hand, edited"));
    }
};

QTEST_MAIN(TestOverrides)
#include "tst_overrides.moc"
