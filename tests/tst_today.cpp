#include "data/countries.h"
#include "data/today.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace orbilex;

namespace {

int indexOf(std::string_view name)
{
    const std::optional<int> index = countryIndexByExactName(name);
    if (!index)
        qFatal("no country named %s", std::string(name).c_str());
    return *index;
}

QStringList values(std::string_view joined)
{
    QStringList list;
    for (const std::string_view value : todayValues(joined))
        list << QString::fromUtf8(value.data(), qsizetype(value.size()));
    return list;
}

// The source tree, found from this file's path as the compiler saw it (absolute, or relative to the build
// folder above the test's own folder).
QString sourceRoot()
{
    const QString file = QString::fromUtf8(__FILE__);
    const QStringList bases = {QString(), QCoreApplication::applicationDirPath() + QStringLiteral("/../"),
        QDir::currentPath() + QStringLiteral("/../")};
    for (const QString &base : bases) {
        const QFileInfo info(base + file);
        if (info.exists())
            return QDir::cleanPath(info.absolutePath() + QStringLiteral("/.."));
    }
    return {};
}

} // namespace

class TestToday : public QObject
{
    Q_OBJECT

private slots:
    void everyRecordMapsToAnEntryOrAReason()
    {
        for (int i = 0; i < kCountryCount; ++i) {
            const TodayRow &row = kToday[i];
            const QByteArray where
                = QByteArray::number(i) + ' ' + QByteArray(kCountryNames[i].data(), qsizetype(kCountryNames[i].size()));
            QVERIFY2(!row.alpha2.empty(), where);
            QVERIFY2(!row.isoName.empty() && !row.commonName.empty(), where);
            QCOMPARE_NE(row.alpha2.find('-'), 0u);
            if (row.kind == TodayKind::Same) {
                QVERIFY2(row.reason.empty(), where);
                QVERIFY2(!row.callingCodes.empty(), where);
                QCOMPARE(values(row.alpha2).size(), 1);
            } else {
                QVERIFY2(!row.reason.empty(), where);
            }
            if (row.kind == TodayKind::Dissolved)
                QVERIFY2(values(row.alpha2).size() > 1, where);
            QVERIFY2(row.ioc.empty() || row.iocDispute.empty(), where);
        }
    }

    void tellingRows_data()
    {
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("alpha2");
        QTest::addColumn<QString>("fact");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("state");
        const int differs = int(TodayState::Differs);
        const int same = int(TodayState::Same);
        QTest::newRow("Afghanistan AFN") << "Afghanistan"
                                         << "Same"
                                         << "AF"
                                         << "currencies"
                                         << "AFN" << int(TodayField::Currency) << differs;
        QTest::newRow("Slovenia EUR") << "Slovenia"
                                      << "Same"
                                      << "SI"
                                      << "currencies"
                                      << "EUR" << int(TodayField::Currency) << differs;
        QTest::newRow("Croatia EUR") << "Croatia (Hrvatska)"
                                     << "Same"
                                     << "HR"
                                     << "currencies"
                                     << "EUR" << int(TodayField::Currency) << differs;
        QTest::newRow("Serbia and Montenegro") << "Serbia and Montenegro"
                                               << "Dissolved"
                                               << "RS|ME"
                                               << "tlds"
                                               << ".rs|.me" << int(TodayField::Alpha2) << differs;
        QTest::newRow("Netherlands Antilles") << "Netherlands Antilles"
                                              << "Dissolved"
                                              << "CW|SX|BQ"
                                              << "alpha3"
                                              << "CUW|SXM|BES" << int(TodayField::Currency) << differs;
        QTest::newRow("American Samoa 1684") << "American Samoa"
                                             << "Same"
                                             << "AS"
                                             << "callingCodes"
                                             << "1684" << int(TodayField::CallingCode) << differs;
        QTest::newRow("Anguilla 1264 unchanged") << "Anguilla"
                                                 << "Same"
                                                 << "AI"
                                                 << "callingCodes"
                                                 << "1264" << int(TodayField::CallingCode) << same;
        QTest::newRow("Timor-Leste .tl") << "Timor-Leste"
                                         << "Same"
                                         << "TL"
                                         << "tlds"
                                         << ".tl" << int(TodayField::Tld) << differs;
        QTest::newRow("Sudan 729") << "Sudan"
                                   << "Same"
                                   << "SD"
                                   << "numeric"
                                   << "729" << int(TodayField::Numeric) << differs;
        QTest::newRow("Turkey Türkiye") << "Turkey"
                                        << "Same"
                                        << "TR"
                                        << "isoName"
                                        << "Türkiye" << int(TodayField::Name) << differs;
        QTest::newRow("Swaziland Eswatini") << "Swaziland"
                                            << "Same"
                                            << "SZ"
                                            << "commonName"
                                            << "Eswatini" << int(TodayField::Name) << differs;
        QTest::newRow("Cote d'Ivoire by its letters") << "Cote D 'Ivoire"
                                                      << "Same"
                                                      << "CI"
                                                      << "commonName"
                                                      << "Côte d’Ivoire" << int(TodayField::Name) << same;
        QTest::newRow("Baker Island UM") << "Baker Island"
                                         << "PartOf"
                                         << "UM"
                                         << "alpha3"
                                         << "UMI" << int(TodayField::Alpha2) << same;
        QTest::newRow("Wake Island UM, .um gone") << "Wake Island"
                                                  << "PartOf"
                                                  << "UM"
                                                  << "tlds"
                                                  << "" << int(TodayField::Tld) << differs;
        QTest::newRow("Gaza Strip PS") << "Gaza Strip"
                                       << "PartOf"
                                       << "PS"
                                       << "alpha3"
                                       << "PSE" << int(TodayField::Alpha2) << differs;
        QTest::newRow("West Bank PS") << "West Bank"
                                      << "PartOf"
                                      << "PS"
                                      << "numeric"
                                      << "275" << int(TodayField::Numeric) << differs;
        QTest::newRow("Chad IDD pattern") << "Chad"
                                          << "Same"
                                          << "TD"
                                          << "iddPattern"
                                          << "00|16" << int(TodayField::Idd) << differs;
        QTest::newRow("Australia 0011 preferred") << "Australia"
                                                  << "Same"
                                                  << "AU"
                                                  << "idd"
                                                  << "0011" << int(TodayField::Idd) << same;
        QTest::newRow("Russia 8~10") << "Russia"
                                     << "Same"
                                     << "RU"
                                     << "idd"
                                     << "8~10" << int(TodayField::Idd) << same;
        QTest::newRow("Czech no NDD") << "Czech"
                                      << "Same"
                                      << "CZ"
                                      << "ndd"
                                      << "" << int(TodayField::Ndd) << same;
        QTest::newRow("Lebanon IOC disputed") << "Lebanon"
                                              << "Same"
                                              << "LB"
                                              << "ioc"
                                              << "" << int(TodayField::Ioc) << int(TodayState::Unknown);
        QTest::newRow("Antarctica no plan") << "Antarctica"
                                            << "NoSource"
                                            << "AQ"
                                            << "callingCodes"
                                            << "" << int(TodayField::Ndd) << int(TodayState::Unknown);
    }

    void tellingRows()
    {
        QFETCH(QString, country);
        QFETCH(QString, kind);
        QFETCH(QString, alpha2);
        QFETCH(QString, fact);
        QFETCH(QString, value);
        QFETCH(int, field);
        QFETCH(int, state);
        const int index = indexOf(country.toStdString());
        const TodayRow &row = kToday[index];
        static const QMap<TodayKind, QString> kinds = {{TodayKind::Same, "Same"}, {TodayKind::PartOf, "PartOf"},
            {TodayKind::Dissolved, "Dissolved"}, {TodayKind::NoSource, "NoSource"}};
        QCOMPARE(kinds.value(row.kind), kind);
        QCOMPARE(values(row.alpha2).join('|'), alpha2);
        const QMap<QString, std::string_view> facts
            = {{"isoName", row.isoName}, {"commonName", row.commonName}, {"alpha3", row.alpha3},
                {"numeric", row.numeric}, {"tlds", row.tlds}, {"ioc", row.ioc}, {"currencies", row.currencies},
                {"callingCodes", row.callingCodes}, {"idd", row.idd}, {"iddPattern", row.iddPattern}, {"ndd", row.ndd}};
        QVERIFY(facts.contains(fact));
        const QStringList got = values(facts.value(fact));
        if (fact == QStringLiteral("iddPattern"))
            QCOMPARE(QString::fromUtf8(row.iddPattern.data(), qsizetype(row.iddPattern.size())), value);
        else if (value.isEmpty())
            QVERIFY2(got.isEmpty(), qPrintable(got.join('|')));
        else
            QVERIFY2(got.join('|') == value || got.contains(value), qPrintable(got.join('|')));
        QCOMPARE(int(compareWithToday(index, TodayField(field))), state);
    }

    // The generator counted the differing records with its own copy of the comparison rules; the two must
    // agree, or the figures it prints are not the program's.
    void comparisonAgreesWithTheGeneratorsCounts()
    {
        for (int field = 0; field < kTodayFieldCount; ++field) {
            int differing = 0;
            for (int i = 0; i < kCountryCount; ++i)
                differing += compareWithToday(i, TodayField(field)) == TodayState::Differs;
            QCOMPARE(differing, kTodayDifferingRecords[field]);
        }
        QCOMPARE(compareWithToday(-1, TodayField::Name), TodayState::Unknown);
        QCOMPARE(compareWithToday(kCountryCount, TodayField::Name), TodayState::Unknown);
    }

    void sourcesAreRecorded()
    {
        for (const TodaySource &source : kTodaySources) {
            QVERIFY(!source.name.empty() && !source.version.empty() && !source.licence.empty());
            QVERIFY2(
                QDate::fromString(QString::fromUtf8(source.date.data(), qsizetype(source.date.size())), Qt::ISODate)
                    .isValid(),
                source.name.data());
        }
    }

    // Needs node and the pinned packages (cd tools && npm ci); skipped where they are missing.
    void generatorReproducesTheTable()
    {
        const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
        const QString root = sourceRoot();
        if (node.isEmpty() || root.isEmpty()
            || !QFileInfo::exists(root + QStringLiteral("/tools/node_modules/cldr-core")))
            QSKIP("node or the generator's pinned packages are not installed");
        QProcess generator;
        generator.start(node, {root + QStringLiteral("/tools/make-today.mjs"), QStringLiteral("--check")});
        QVERIFY(generator.waitForFinished(120000));
        QVERIFY2(generator.exitCode() == 0, generator.readAllStandardError().constData());
    }
};

QTEST_GUILESS_MAIN(TestToday)
#include "tst_today.moc"
