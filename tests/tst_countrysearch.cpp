#include "data/codelists.h"
#include "data/countries.h"
#include "data/text.h"
#include "data/today.h"
#include "mainwindow.h"
#include "viewlogic/countrysearch.h"

#include <QElapsedTimer>
#include <QShortcut>

using namespace orbilex;
using namespace orbilex::test;

namespace {

QString nameOf(int country)
{
    return qs(kCountryNames[std::size_t(country)]);
}

QStringList names(const std::vector<SearchMatch> &matches)
{
    QStringList list;
    for (const SearchMatch &m : matches)
        list << nameOf(m.country);
    return list;
}

} // namespace

class CountrySearchTest : public QObject
{
    Q_OBJECT
private slots:
    void foldsCaseAccentsAndPunctuation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("accent and curly apostrophe") << QStringLiteral("Côte d’Ivoire") << "cote d ivoire";
        QTest::newRow("the list's own spelling") << "Cote D 'Ivoire"
                                                 << "cote d ivoire";
        QTest::newRow("cedilla") << QStringLiteral("CURAÇAO") << "curacao";
        QTest::newRow("acute") << QStringLiteral("Réunion") << "reunion";
        QTest::newRow("hyphen with blanks") << "Guinea - Bissau"
                                            << "guinea bissau";
        QTest::newRow("dots, ampersand, runs of blanks") << "  St. Kitts  &  Nevis "
                                                         << "st kitts nevis";
        QTest::newRow("compatibility form") << QStringLiteral("ﬁji") << "fiji";
        QTest::newRow("nothing but punctuation") << " -'. "
                                                 << "";
    }
    void foldsCaseAccentsAndPunctuation()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QCOMPARE(foldForSearch(text), folded);
    }

    void phoneNumbersAreToldFromCodes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("phone");
        QTest::newRow("plus") << "+1 (684) 633-1234" << true;
        QTest::newRow("double zero") << "00 7 495 123.45.67" << true;
        QTest::newRow("plus alone") << "+" << false;
        QTest::newRow("digits without a prefix are a code") << "276" << false;
        QTest::newRow("letters") << "+1 call me" << false;
    }
    void phoneNumbersAreToldFromCodes()
    {
        QFETCH(QString, text);
        QFETCH(bool, phone);
        QCOMPARE(looksLikePhoneNumber(text), phone);
    }

    // The best match of what a user types, and what it says was found.
    void bestMatch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("what");
        const auto row = [](const char *tag, const QString &text, const char *country, const QString &what) {
            QTest::newRow(tag) << text << QString::fromUtf8(country) << what;
        };
        row("alpha-2 beats names", "DE", "Germany", "alpha-2 DE");
        row("IOC, lower case", "ger", "Germany", "IOC GER");
        row("TLD", ".de", "Germany", "TLD .de");
        row("ISO before FIPS", "GM", "Gambia", "alpha-2 GM");
        row("today's ISO before the record's FIPS", "RS", "Serbia and Montenegro", "today: RS");
        row("record's withdrawn code", "CS", "Serbia and Montenegro", "alpha-2 CS");
        row("withdrawn alpha-3", "scg", "Serbia and Montenegro", "alpha-3 SCG");
        row("withdrawn into the row", "YU", "Serbia and Montenegro", "withdrawn: YU");
        row("successor of a dissolved row", "CW", "Netherlands Antilles", "today: CW");
        row("withdrawn before the record's TLD", "TP", "Timor-Leste", "withdrawn: TP");
        row("split into rows", "Czechoslovakia", "Czech", "formerly: Czechoslovakia, Czechoslovak Socialist Republic");
        row("today's alpha-3", "TLS", "Timor-Leste", "alpha-3 TLS");
        row("calling code", "49", "Germany", "calling code +49");
        row("ISO number that looks like a phone number", "004", "Afghanistan", "numeric 004");
        row("exact name before a longer one", "korea", "Korea", "");
        row("CLDR name", "Eswatini", "Swaziland", "today: Eswatini");
        row("CLDR variant", "ivory coast", "Cote D 'Ivoire", "Ivory Coast");
        row("accents typed", QStringLiteral("Côte d'Iv"), "Cote D 'Ivoire", "");
        row("apostrophe left out", "cote divoire", "Cote D 'Ivoire", "");
        row("hyphen typed", "Guinea-Bissau", "Guinea - Bissau", "");
        row("word order as people say it", "South Korea", "Korea", "today: South Korea");
        row("word order as the list files it", "korea south", "Korea", "today: South Korea");
        row("today's name", "czechia", "Czech", "today: Czechia");
        row("today's name 2", "North Macedonia", "Macedonia, The Former Republic of Yugoslav",
            "today: North Macedonia");
        row("today's name, accented", QStringLiteral("Türkiye"), "Turkey", QStringLiteral("today: Türkiye"));
        row("today's name, unaccented", "Turkiye", "Turkey", QStringLiteral("today: Türkiye"));
        row("former name", "zaire", "Congo, Democratic Republic of", "formerly: Zaire");
        row("record's long name", "federal republic", "Germany", "Federal Republic of Germany");
        row("city", "Montreal", "Canada", "city: Montreal");
        row("capital", "kabul", "Afghanistan", "city: Kabul");
        row("city of the US list", "albuquerque", "United States", "city: Albuquerque");
        row("+1 New York", "+1 212 555 0123", "United States", "phone +1 212-555-0123");
        row("+1 Toronto", "+1 416 555 0123", "Canada", "phone +1 416-555-0123");
        row("+1 American Samoa", "+1 684 633 1234", "American Samoa", "phone +1 684-633-1234");
        row("+1 Jamaica", "+1-876-927-1234", "Jamaica", "phone +1 876-927-1234");
        row("+1 US Virgin Islands", "+1 (340) 774 1234", "Virgin Islands", "phone +1 340-774-1234");
        row("+7 Moscow", "00 7 495 123 45 67", "Russia", "phone +7 495 123-45-67");
        row("+7 Almaty", "+7 727 123 4567", "Kazakhstan", "phone +7 727");
        row("+44 London", "+44 20 7946 0958", "United Kingdom", "phone +44 20 7946 0958");
        row("a number as far as it is typed", "+1 684 63", "American Samoa", "+1 684");
        // SJ is the code of Jan Mayen's row too, but that row is part of another entry today.
        row("region two rows share", "+47 79 12 34 56", "Svalbard", "phone +47 79 12 34 56");
        row("region of a dissolved row", "+599 9 123 4567", "Netherlands Antilles", "phone +599");
    }
    void bestMatch()
    {
        QFETCH(QString, text);
        QFETCH(QString, country);
        QFETCH(QString, what);
        const std::vector<SearchMatch> found = searchCountries(text, 5);
        QVERIFY2(!found.empty(), qPrintable(text));
        QCOMPARE(nameOf(found.front().country), country);
        if (what.isEmpty())
            QCOMPARE(found.front().what, what);
        else
            QVERIFY2(found.front().what.contains(what), qPrintable(found.front().what));
    }

    void ranksCodeThenPrefixThenWordThenAnywhere()
    {
        const std::vector<SearchMatch> found = searchCountries(QStringLiteral("ger"), 50);
        QCOMPARE(names(found).mid(0, 4), QStringList({"Germany", "Algeria", "Niger", "Nigeria"}));
        QCOMPARE(found[0].kind, MatchKind::ExactCode);
        QCOMPARE(found[1].kind, MatchKind::Anywhere);

        // "guinea": the names that begin with it in list order, then "Equatorial Guinea" and
        // "Papua New Guinea" by a word.
        const QStringList guinea = names(searchCountries(QStringLiteral("guinea"), 10));
        QCOMPARE(guinea.mid(0, 2), QStringList({"Guinea", "Guinea - Bissau"}));
        QVERIFY(guinea.indexOf("Equatorial Guinea") > 1 && guinea.indexOf("Papua New Guinea") > 1);

        QCOMPARE(searchCountries(QStringLiteral("a"), 7).size(), std::size_t(7));

        // A place that was split finds every row it became.
        QCOMPARE(names(searchCountries(QStringLiteral("CSK"), 10)), QStringList({"Czech", "Slovakia"}));
    }

    // A currency code finds every country that has it, on the record or today, and nothing else.
    void currencyFindsItsCountriesOnly()
    {
        QSet<int> expected;
        for (int i = 0; i < kCountryCount; ++i) {
            const std::vector<std::string_view> today = todayValues(kToday[std::size_t(i)].currencies);
            if (kCodes[std::size_t(i)].currency == "EUR" || std::ranges::count(today, "EUR"))
                expected.insert(i);
        }
        QVERIFY(expected.size() > 30);
        QSet<int> found;
        for (const SearchMatch &m : searchCountries(QStringLiteral("EUR"), kCountryCount)) {
            QCOMPARE(m.kind, MatchKind::ExactCode);
            found.insert(m.country);
        }
        QCOMPARE(found, expected);
        QVERIFY(found.contains(81) && !found.contains(252));
    }

    void findsNothingForNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("placeholder") << "-";
        QTest::newRow("dotted placeholder") << ".-";
        QTest::newRow("no such place") << "Atlantis";
        QTest::newRow("no such calling code") << "+999";
        QTest::newRow("a pasted page of digits") << u'+' + QString(32766, u'4');
    }
    void findsNothingForNothing()
    {
        QFETCH(QString, text);
        QElapsedTimer took;
        took.start();
        QCOMPARE(searchCountries(text, 10).size(), std::size_t(0));
        // A keystroke's search; the longest text a box holds once took 15 s.
        QVERIFY2(took.elapsed() < 2000, qPrintable(QStringLiteral("%1 ms").arg(took.elapsed())));
    }

    // The box in the window: Ctrl+F, the list of matches as one types, Up and
    // Down, Enter, a click, Escape.
    void searchBoxSelectsThroughTheCountryList()
    {
        MainWindow m;
        m.open();
        m.window->show();
        QVERIFY(QTest::qWaitForWindowActive(m.window.get()));
        auto *box = m.get<QLineEdit>("txtSearch");
        QCOMPARE(box->accessibleName(), QStringLiteral("Search"));
        QTest::keyClick(m.window.get(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), box);

        QTest::keyClicks(box, QStringLiteral("+1 87"));
        auto *list = m.get<QListWidget>("lstSearch");
        QVERIFY(!list->accessibleName().isEmpty());
        QTest::keyClicks(box, QStringLiteral("6 927 1234"));
        QVERIFY(list->isVisible());
        QVERIFY(list->item(0)->text().startsWith(QStringLiteral("Jamaica")));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(m.countryName(), QStringLiteral("Jamaica"));
        QCOMPARE(m.text("txtCountryName"), QStringLiteral("Jamaica"));
        QVERIFY(!list->isVisible());

        box->clear();
        QTest::keyClicks(box, QStringLiteral("guinea"));
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Down);
        QTest::keyClick(box, Qt::Key_Up);
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(m.countryName(), QStringLiteral("Guinea - Bissau"));

        box->clear();
        QTest::keyClicks(box, QStringLiteral("EUR"));
        QListWidgetItem *third = list->item(2);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(third).center());
        QCOMPARE(m.country(), third->data(Qt::UserRole).toInt());
        QCOMPARE(m.text("cmbCurrencyCode"), QStringLiteral("EUR"));

        // Escape closes the list first and leaves the window where it is.
        QTest::keyClicks(box, QStringLiteral("x"));
        box->clear();
        QTest::keyClicks(box, QStringLiteral("fr"));
        QVERIFY(list->isVisible());
        QTest::keyClick(box, Qt::Key_Escape);
        QVERIFY(!list->isVisible());
        QVERIFY(m.window->isVisible());
    }
};

QTEST_MAIN(CountrySearchTest)
#include "tst_countrysearch.moc"
