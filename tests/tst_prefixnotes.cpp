#include "data/countries.h"
#include "data/prefixnotes.h"

#include <QTest>

#include <set>

using namespace orbilex;

namespace {

QStringList linesOf(std::string_view note)
{
    return QString::fromUtf8(note.data(), qsizetype(note.size())).split(QStringLiteral("\r\n"));
}

template<std::size_t N> void checkKeyedByExactCountryNames(const std::array<PrefixNote, N> &notes)
{
    std::set<std::string_view> seen;
    for (const PrefixNote &n : notes) {
        QVERIFY2(countryIndexByExactName(n.country), std::string(n.country).c_str());
        QVERIFY2(seen.insert(n.country).second, std::string(n.country).c_str());
        // Lines are joined by CR LF only: no bare CR or LF, none after the last line.
        const QString text = QString::fromUtf8(n.text.data(), qsizetype(n.text.size()));
        QCOMPARE(text.count(u'\r'), text.count(u'\n'));
        QCOMPARE(text.count(u'\n'), text.count(QStringLiteral("\r\n")));
        QVERIFY(!text.endsWith(u'\n'));
        QVERIFY(!text.isEmpty());
    }
}

} // namespace

class TestPrefixNotes : public QObject
{
    Q_OBJECT
private slots:
    void tablesAreKeyedByCountryListNames()
    {
        QCOMPARE(kIddNotes.size(), std::size_t(71));
        QCOMPARE(kNddNotes.size(), std::size_t(56));
        checkKeyedByExactCountryNames(kIddNotes);
        checkKeyedByExactCountryNames(kNddNotes);
    }

    void defaultsForCountriesNotNamed()
    {
        QCOMPARE(iddNote("Germany"), std::string_view("00"));
        QCOMPARE(nddNote("Germany"), std::string_view("0"));
        QCOMPARE(iddNote("United States"), std::string_view("00"));
        QCOMPARE(nddNote("United States"), std::string_view("1"));
        // The rule tables compare exactly: a differently cased name is not named.
        QCOMPARE(iddNote("canada"), std::string_view("00"));
        QCOMPARE(iddNote("Canada"), std::string_view("011"));
        QCOMPARE(nddNote("Canada"), std::string_view("1"));
        QCOMPARE(iddNote("Midway Islands"), std::string_view("011"));
        QCOMPARE(nddNote("Midway Islands"), std::string_view("1"));
        QCOMPARE(iddNote("Belarus"), std::string_view("8**10 ( written as 8~10)"));
        QCOMPARE(nddNote("Norfolk Island"), std::string_view("None required"));
    }

    void groupsOfTheSameNote()
    {
        int idd011 = 0, idd810 = 0, ndd1 = 0, ndd8 = 0, nddNone = 0;
        for (const PrefixNote &n : kIddNotes) {
            idd011 += n.text == "011";
            idd810 += n.text == "8~10";
        }
        for (const PrefixNote &n : kNddNotes) {
            ndd1 += n.text == "1";
            ndd8 += n.text == "8";
            nddNone += n.text == "None required";
        }
        QCOMPARE(idd011, 24);
        QCOMPARE(idd810, 6);
        QCOMPARE(ndd1, 25);
        QCOMPARE(ndd8, 11);
        QCOMPARE(nddNone, 11);
    }

    void multiLineNotesKeepTheirBlanksAndOrder()
    {
        const QStringList israel = linesOf(iddNote("Israel"));
        QCOMPARE(israel.size(), 4);
        QCOMPARE(israel[0], QStringLiteral("00 (default selected carrier, not available from public phones); "));
        QCOMPARE(linesOf(iddNote("Japan"))[0], QStringLiteral("001 (KDD) "));
        QCOMPARE(linesOf(nddNote("Colombia")),
            (QStringList {"03   (Mobile Phones)", "05     Orbitel", "07    ETB", "09    Telecom"}));
        QCOMPARE(linesOf(iddNote("Colombia"))[3], QStringLiteral("#555   Bellsouth"));
        QCOMPARE(linesOf(iddNote("Lebanon")).size(), 1);
        QVERIFY(linesOf(iddNote("Lebanon"))[0].contains(QStringLiteral("\"02-xx-number\"")));
        QCOMPARE(linesOf(iddNote("Singapore")).size(), 7);
    }

    void venezuelaListsCarrier50Before33()
    {
        const QStringList idd = linesOf(iddNote("Venezuela"));
        const QStringList ndd = linesOf(nddNote("Venezuela"));
        QCOMPARE(idd.size(), 11);
        QCOMPARE(ndd.size(), 11);
        QCOMPARE(idd.first(), QStringLiteral("00 - DEFAULT"));
        QCOMPARE(ndd.first(), QStringLiteral("0 - DEFAULT"));
        QCOMPARE(idd[8], QStringLiteral("01-50-0 - LD Telecomunicaciones, C.A."));
        QCOMPARE(idd[9], QStringLiteral("01-33-0 - Telecomunicaciones NGTV"));
        QCOMPARE(ndd[8], QStringLiteral("01-50 - LD Telecomunicaciones, C.A."));
        QCOMPARE(ndd[9], QStringLiteral("01-33 - Telecomunicaciones NGTV"));
        QVERIFY(idd[2].startsWith(QStringLiteral("01-07-0 - ")) && idd[2].size() > 10);
        QVERIFY(ndd[2].startsWith(QStringLiteral("01-07 - ")) && ndd[2].size() > 8);
    }
};

QTEST_APPLESS_MAIN(TestPrefixNotes)
#include "tst_prefixnotes.moc"
