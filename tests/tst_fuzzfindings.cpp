// Every input the fuzz targets found a fault with, run through the same check
// as the target, so a fixed fault stays fixed. The inputs live in
// fuzzfindings/<target>/, one file each, as libFuzzer wrote them.
#include "fuzzchecks.h"
#include "platform/mmdbdatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace orbilex;

namespace {

using Check = std::function<QString(const QByteArray &, const QString &folder)>;

const QMap<QString, Check> &checks()
{
    static const QMap<QString, Check> all {
        {QStringLiteral("inistore"), fuzzcheck::checkIniStore},
        {QStringLiteral("settingsstore"), fuzzcheck::checkSettingsStore},
        {QStringLiteral("codesearch"),
            [](const QByteArray &b, const QString &) { return fuzzcheck::checkCodeSearch(b); }},
        {QStringLiteral("typeahead"),
            [](const QByteArray &b, const QString &) { return fuzzcheck::checkTypeAhead(b); }},
        {QStringLiteral("locationfile"), fuzzcheck::checkLocationFile},
        {QStringLiteral("ipaddress"),
            [](const QByteArray &b, const QString &) {
                // The database the target looks addresses up in: the shipped one.
                static MmdbDatabase db {
                    QStringList {QFileInfo(QFINDTESTDATA("../assets/ip-country.mmdb")).absolutePath()}};
                static const bool opened = db.open();
                return opened ? fuzzcheck::checkIpAddress(b, &db) : QStringLiteral("no IP database: ") + db.problem();
            }},
    };
    return all;
}

} // namespace

class TestFuzzFindings : public QObject
{
    Q_OBJECT
private slots:
    void findings_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("file");
        const QString root = QFINDTESTDATA("fuzzfindings");
        QVERIFY2(!root.isEmpty(), "the folder fuzzfindings is missing");
        for (const QString &target : QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QDir folder(QDir(root).filePath(target));
            for (const QString &name : folder.entryList(QDir::Files))
                QTest::newRow(qPrintable(target + u'/' + name)) << target << folder.filePath(name);
        }
    }

    void findings()
    {
        QFETCH(QString, target);
        QFETCH(QString, file);
        // A folder named after no target would be skipped without this.
        QVERIFY2(checks().contains(target), qPrintable(QStringLiteral("no fuzz target is named ") + target));
        QFile input(file);
        QVERIFY(input.open(QIODevice::ReadOnly));
        const QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString problem = checks().value(target)(input.readAll(), folder.path());
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }
};

QTEST_APPLESS_MAIN(TestFuzzFindings)
#include "tst_fuzzfindings.moc"
