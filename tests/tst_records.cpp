#include "data/countries.h"
#include "data/dialing.h"
#include "data/records.h"
#include "data/text.h"

#include <QTest>

#include <algorithm>
#include <map>
#include <set>
#include <span>

using namespace orbilex;

namespace {

using Field = std::string_view CountryRecord::*;

int countOf(Field field, std::string_view value)
{
    return int(std::ranges::count_if(kRecords, [&](const CountryRecord &r) { return r.*field == value; }));
}

// Country names in index order, so a failing comparison shows the list.
QStringList namesWhere(Field field, std::string_view value)
{
    QStringList names;
    for (int i = 0; i < kCountryCount; ++i)
        if (kRecords[i].*field == value)
            names << qs(kCountryNames[i]);
    return names;
}

std::map<std::string_view, int> tally(Field field)
{
    std::map<std::string_view, int> counts;
    for (const CountryRecord &r : kRecords)
        ++counts[r.*field];
    return counts;
}

// "value=count" for every value the field takes, sorted by value.
QStringList tallyText(Field field)
{
    QStringList lines;
    for (const auto &[value, count] : tally(field))
        lines << qs(value) + u'=' + QString::number(count);
    return lines;
}

bool allDigits(std::string_view text)
{
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

int twoDigits(std::string_view text, size_t at)
{
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

bool isGmtDeviation(std::string_view gmt)
{
    if (gmt == "-")
        return true;
    if (gmt.size() != 9 || (gmt[0] != '+' && gmt[0] != '-') || gmt[3] != ':' || gmt[6] != ':')
        return false;
    if (!allDigits(gmt.substr(1, 2)) || !allDigits(gmt.substr(4, 2)) || gmt.substr(7) != "00")
        return false;
    const int minutes = twoDigits(gmt, 4);
    if (minutes != 0 && minutes != 30 && minutes != 45)
        return false;
    const int total = twoDigits(gmt, 1) * 60 + minutes;
    return total <= (gmt[0] == '-' ? 12 * 60 : 14 * 60);
}

const DialingEntry *entryWithCode(std::string_view code)
{
    const auto it = std::ranges::find(kDialingIndex, code, &DialingEntry::code);
    return it == kDialingIndex.end() ? nullptr : &*it;
}

const std::set<std::string_view> kRegions = {
    "Antarctica",
    "Australasia",
    "Caribbean",
    "Central Africa",
    "Central America",
    "Central Asia",
    "Eastern Africa",
    "Eastern Asia",
    "Eastern Europe",
    "Middle East",
    "North America",
    "Northern Africa",
    "Northern Asia",
    "Northern Europe",
    "South America",
    "Southeastern Asia",
    "Southern Africa",
    "Southern Asia",
    "Southern Europe",
    "Southwestern Asia",
    "United States",
    "Western Africa",
    "Western Europe",
};

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT
private slots:
    void tellingRows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("fields");
        const auto row
            = [](int index, QStringList fields) { QTest::newRow(kCountryNames[index].data()) << index << fields; };
        row(0,
            {"Islamic State of Afghanistan", "Nation", "(Does Not Exist)", "Southern Asia", "004", "93", "+04:30:00"});
        row(1, {"Republic of Albania", "Nation", "(Does Not Exist)", "Southern Europe", "008", "355", "+01:00:00"});
        row(3, {"Territory of American Samoa", "Dependent", "United States", "-", "016", "684", "-"});
        row(7, {"-", "Miscellaneous", "(Does Not Exist)", "Antarctica", "010", "672", "+04:30:00"});
        row(17, {"-", "Dependent", "(Does Not Exist)", "United States", "581", "0", "-"});
        row(38, {"-", "Nation", "(Does Not Exist)", "North America", "124", "1", "-05:00:00"});
        row(79, {"-", "Miscellaneous", "-", "Middle East", "-", "970", "+02:00:00"});
        row(81,
            {"Federal Republic of Germany", "Nation", "(Does Not Exist)", "Western Europe", "276", "49", "+01:00:00"});
        row(176, {"-", "-", "-", "Middle East", "275", "970", "+02:00:00"});
        row(220, {"-", "Other", "(Does Not Exist)", "Eastern Asia", "158", "886", "+08:00:00"});
        row(237,
            {"United Kingdom of Great Britain and Northern Ireland", "Nation", "(Does Not Exist)", "Western Europe",
                "826", "44", "+00:00:00"});
        row(238, {"United States of America", "Nation", "(Does Not Exist)", "North America", "840", "1", "-05:00:00"});
    }

    void tellingRows()
    {
        QFETCH(int, index);
        QFETCH(QStringList, fields);
        const CountryRecord &r = kRecords[index];
        const QStringList actual {qs(r.longName), qs(r.type), qs(r.dependency), qs(r.location), qs(r.isoNumber),
            qs(r.dialingCode), qs(r.gmt)};
        QCOMPARE(actual, fields);
    }

    // A row left out of the initialiser would be value-initialised, not rejected.
    void noFieldIsEmpty()
    {
        for (int i = 0; i < kCountryCount; ++i) {
            const CountryRecord &r = kRecords[i];
            for (std::string_view field :
                {r.longName, r.type, r.dependency, r.location, r.isoNumber, r.dialingCode, r.gmt})
                QVERIFY2(!field.empty(), kCountryNames[i].data());
        }
    }

    void longNameCounts() { QCOMPARE(countOf(&CountryRecord::longName, "-"), 63); }

    void typeCounts()
    {
        QCOMPARE(tallyText(&CountryRecord::type),
            QStringList({"-=1", "Dependent=55", "Miscellaneous=4", "Nation=192", "Other=1"}));
        QCOMPARE(namesWhere(&CountryRecord::type, "Miscellaneous"),
            QStringList({"Antarctica", "Gaza Strip", "West Bank", "Western Sahara"}));
        QCOMPARE(namesWhere(&CountryRecord::type, "Other"), QStringList({"Taiwan"}));
        QCOMPARE(namesWhere(&CountryRecord::type, "-"), QStringList({"Palestinian Territory"}));
    }

    void dependencyCounts()
    {
        QCOMPARE(tallyText(&CountryRecord::dependency),
            QStringList({"(Does Not Exist)=195", "-=4", "Australia=4", "China=2", "Denmark=2", "France=10",
                "Netherlands=2", "New Zealand=3", "Norway=3", "United Kingdom=15", "United States=13"}));
        QCOMPARE(namesWhere(&CountryRecord::dependency, "-"),
            QStringList({"Gaza Strip", "Palestinian Territory", "West Bank", "Western Sahara"}));
        QCOMPARE(namesWhere(&CountryRecord::dependency, "China"), QStringList({"Hong Kong", "Macao"}));
        QVERIFY(namesWhere(&CountryRecord::dependency, "United Kingdom").contains("Man, Isle of"));
        QVERIFY(namesWhere(&CountryRecord::dependency, "Norway").contains("Jan Mayen"));
    }

    void locationCounts()
    {
        QCOMPARE(countOf(&CountryRecord::location, "-"), 42);
        QCOMPARE(namesWhere(&CountryRecord::location, "United States"), QStringList({"Baker Island"}));
        QCOMPARE(namesWhere(&CountryRecord::location, "Antarctica"), QStringList({"Antarctica"}));
    }

    void isoNumberCounts()
    {
        QCOMPARE(namesWhere(&CountryRecord::isoNumber, "-"),
            QStringList({"Gaza Strip", "Guernsey", "Jan Mayen", "Jersey", "Man, Isle of", "West Bank"}));
    }

    void dialingCodeCounts()
    {
        QCOMPARE(namesWhere(&CountryRecord::dialingCode, "0"),
            QStringList({"Baker Island", "Jarvis Island", "Johnston Atoll", "Kingman Reef", "Palmyra Atoll",
                "Pitcairn Island", "South Georgia"}));
    }

    void gmtCounts()
    {
        QCOMPARE(countOf(&CountryRecord::gmt, "-"), 22);
        // A country spanning several zones shows its capital's.
        QCOMPARE(qs(kRecords[*countryIndexByName("Russia")].gmt), QString("+03:00:00"));
        QCOMPARE(qs(kRecords[*countryIndexByName("Australia")].gmt), QString("+10:00:00"));
        QCOMPARE(qs(kRecords[*countryIndexByName("Brazil")].gmt), QString("-03:00:00"));
    }

    void fieldForms()
    {
        for (int i = 0; i < kCountryCount; ++i) {
            const CountryRecord &r = kRecords[i];
            const char *name = kCountryNames[i].data();
            QVERIFY2(r.isoNumber == "-" || (r.isoNumber.size() == 3 && allDigits(r.isoNumber)), name);
            QVERIFY2(isGmtDeviation(r.gmt), name);
            const bool plainCode = !r.dialingCode.empty() && r.dialingCode.size() <= 4 && allDigits(r.dialingCode)
                && r.dialingCode[0] != '0';
            QVERIFY2(plainCode || r.dialingCode == "0", name);
            QVERIFY2(r.location == "-" || kRegions.contains(r.location), name);
            QVERIFY2(r.dependency == "(Does Not Exist)" || r.dependency == "-"
                    || countryIndexByExactName(r.dependency).has_value(),
                name);
        }
    }

    void gmtFormRejectsMalformedText()
    {
        QVERIFY(isGmtDeviation("+05:45:00"));
        QVERIFY(isGmtDeviation("-12:00:00"));
        QVERIFY(isGmtDeviation("+14:00:00"));
        QVERIFY(!isGmtDeviation("-12:30:00"));
        QVERIFY(!isGmtDeviation("+14:30:00"));
        QVERIFY(!isGmtDeviation("+05:15:00"));
        QVERIFY(!isGmtDeviation("+05:30:30"));
        QVERIFY(!isGmtDeviation("05:30:00"));
        QVERIFY(!isGmtDeviation("+5:30:00"));
    }

    // Only a dependent has a sovereign, and a sovereign is itself an independent nation.
    void typeAndDependencyAgree()
    {
        for (int i = 0; i < kCountryCount; ++i) {
            const CountryRecord &r = kRecords[i];
            const char *name = kCountryNames[i].data();
            const bool hasSovereign = r.dependency != "(Does Not Exist)" && r.dependency != "-";
            if (r.type != "Dependent") {
                QVERIFY2(!hasSovereign, name);
            } else if (hasSovereign) {
                const CountryRecord &sovereign = kRecords[*countryIndexByExactName(r.dependency)];
                QVERIFY2(sovereign.type == "Nation" && sovereign.dependency == "(Does Not Exist)", name);
            }
        }
        // Baker Island is the one dependent without a sovereign.
        QCOMPARE(countOf(&CountryRecord::type, "Dependent") - 1,
            kCountryCount - countOf(&CountryRecord::dependency, "(Does Not Exist)")
                - countOf(&CountryRecord::dependency, "-"));
    }

    // The United States Minor Outlying Islands share one number; any other repeat is a slip.
    void isoNumbersAreUniqueOutsideTheMinorOutlyingIslands()
    {
        const auto counts = tally(&CountryRecord::isoNumber);
        for (const auto &[number, count] : counts)
            if (number != "-" && number != "581")
                QVERIFY2(count == 1, number.data());
        for (int i = 0; i < kCountryCount; ++i)
            if (kRecords[i].isoNumber == "581")
                QVERIFY2(kRecords[i].dependency == "United States" || kCountryNames[i] == "Baker Island",
                    kCountryNames[i].data());
    }

    void dialingCodeAgreesWithTheIndex()
    {
        for (int i = 0; i < kCountryCount; ++i) {
            const std::string_view name = kCountryNames[i];
            const DialingEntry *entry = entryWithCode(kRecords[i].dialingCode);
            QVERIFY2(entry, name.data());
            switch (entry->kind) {
            case DialingKind::Single:
                QCOMPARE(countryIndexByName(entry->primary), std::optional<int>(i));
                break;
            case DialingKind::Shared: {
                const auto sharers = std::span(entry->sharers).first(size_t(entry->sharerCount));
                QVERIFY2(std::ranges::find(sharers, name) != sharers.end(), name.data());
                break;
            }
            case DialingKind::None: // the places without a code of their own are named above
                break;
            }
        }
        // And the other way: every country the index names holds that code.
        for (const DialingEntry &entry : kDialingIndex) {
            if (entry.kind == DialingKind::Single)
                QCOMPARE(qs(kRecords[*countryIndexByName(entry.primary)].dialingCode), qs(entry.code));
            for (int s = 0; s < entry.sharerCount; ++s)
                QCOMPARE(qs(kRecords[*countryIndexByExactName(entry.sharers[s])].dialingCode), qs(entry.code));
        }
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
