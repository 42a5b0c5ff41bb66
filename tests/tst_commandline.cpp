#include "data/countries.h"
#include "data/text.h"
#include "viewlogic/commandline.h"

#include <QTest>

using namespace orbilex;

class CommandLineTest : public QObject
{
    Q_OBJECT

    static StartRequest parse(const QStringList &options)
    {
        return parseCommandLine(QStringList {QStringLiteral("orbilex")} + options, QStringLiteral("2.5.0"));
    }

private slots:
    void printsOrFailsWithoutStarting_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("output");
        const int print = int(StartRequest::Action::PrintAndExit), fail = int(StartRequest::Action::FailAndExit);
        QTest::newRow("--help") << QStringList {"--help"} << print << "Usage: orbilex [options]";
        QTest::newRow("-h") << QStringList {"-h"} << print << "--country <name or code>";
        QTest::newRow("--version") << QStringList {"--version"} << print << "Orbilex 2.5.0\n";
        QTest::newRow("unknown option") << QStringList {"--frobnicate"} << fail << "Unknown option 'frobnicate'";
        QTest::newRow("stray argument") << QStringList {"Germany"} << fail << "Unexpected argument 'Germany'";
        QTest::newRow("country missing its value") << QStringList {"--country"} << fail << "Missing value";
        QTest::newRow("no such country") << QStringList {"--country", "Atlantis"} << fail << "'Atlantis'";
        QTest::newRow("binary country, quoted short and harmless") << QStringList {
            "--country", "\x1b[2J" + QString(3000, u'x')} << fail << "'\uFFFD[2J" + QString(55, u'x') + "…'.\n";
    }
    void printsOrFailsWithoutStarting()
    {
        QFETCH(QStringList, options);
        QFETCH(int, action);
        QFETCH(QString, output);
        const StartRequest request = parse(options);
        QCOMPARE(int(request.action), action);
        QVERIFY2(request.output.contains(output), qPrintable(request.output));
    }

    void startsWithWhatWasAsked()
    {
        // Qt's own options belong to the application, not to us.
        const StartRequest plain = parse({"-platform", "offscreen", "-style", "fusion", "-reverse"});
        QCOMPARE(int(plain.action), int(StartRequest::Action::Start));
        QVERIFY(!plain.country && !plain.worldMap && !plain.ipToCountry);

        const StartRequest all = parse({"--country", "de", "--world-map", "--ip-to-country"});
        QCOMPARE(int(all.action), int(StartRequest::Action::Start));
        QCOMPARE(all.country, 81);
        QVERIFY(all.worldMap && all.ipToCountry);
    }

    void countryNamedByNameOrCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("country");
        QTest::newRow("list name, any case") << "GERMANY"
                                             << "Germany";
        QTest::newRow("alpha-2") << "jp"
                                 << "Japan";
        QTest::newRow("alpha-3") << "DEU"
                                 << "Germany";
        QTest::newRow("TLD with dot") << ".de"
                                      << "Germany";
        QTest::newRow("IOC") << "GER"
                             << "Germany";
        QTest::newRow("numeric") << "276"
                                 << "Germany";
        QTest::newRow("vehicle sign") << "CDN"
                                      << "Canada";
        // GM is Gambia in ISO 3166 and Germany in FIPS 10-4; AU is Australia and Austria.
        QTest::newRow("ISO before FIPS") << "GM"
                                         << "Gambia";
        QTest::newRow("ISO before FIPS 2") << "au"
                                           << "Australia";
        QTest::newRow("FIPS where no ISO code is alike") << "JA"
                                                         << "Japan";
        QTest::newRow("first letters, as typed into the list") << "jap"
                                                               << "Japan";
        QTest::newRow("blanks around") << "  Japan "
                                       << "Japan";
    }
    void countryNamedByNameOrCode()
    {
        QFETCH(QString, text);
        QFETCH(QString, country);
        const std::optional<int> found = countryNamedBy(text);
        QVERIFY(found);
        QCOMPARE(qs(kCountryNames[std::size_t(*found)]), country);
    }

    void placeholdersNameNoCountry()
    {
        for (const char *text : {"-", ".-", "", "   "})
            QVERIFY2(!countryNamedBy(QString::fromLatin1(text)), text);
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
