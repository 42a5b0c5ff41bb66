#include "data/countries.h"

#include <QTest>

using namespace orbilex;

class TestCountries : public QObject
{
    Q_OBJECT
private slots:
    void listOrderIsTheCountryIndex()
    {
        QCOMPARE(kCountryNames.front(), std::string_view("Afghanistan"));
        QCOMPARE(kCountryNames[81], std::string_view("Germany"));
        QCOMPARE(kCountryNames[120], std::string_view("Korea, North"));
        QCOMPARE(kCountryNames[121], std::string_view("Korea"));
        QCOMPARE(kCountryNames[237], std::string_view("United Kingdom"));
        QCOMPARE(kCountryNames[238], std::string_view("United States"));
        QCOMPARE(kCountryNames.back(), std::string_view("Zimbabwe"));
    }

    void namesAreUnique()
    {
        for (int i = 0; i < kCountryCount; ++i)
            QCOMPARE(countryIndexByName(kCountryNames[i]), std::optional<int>(i));
    }

    void selectionByNameIgnoresCaseOnlyWhenAsked()
    {
        QCOMPARE(countryIndexByName("Turks and Caicos Islands"), std::optional<int>(232));
        QCOMPARE(countryIndexByName("SAO TOME AND PRINCIPE"), std::optional<int>(198));
        QCOMPARE(countryIndexByExactName("Turks and Caicos Islands"), std::nullopt);
        QCOMPARE(countryIndexByExactName("Turks And Caicos Islands"), std::optional<int>(232));
        QCOMPARE(countryIndexByName("-"), std::nullopt);
        QCOMPARE(countryIndexByName(""), std::nullopt);
        QCOMPARE(countryIndexByName("Germany "), std::nullopt);
    }
};

QTEST_APPLESS_MAIN(TestCountries)
#include "tst_countries.moc"
