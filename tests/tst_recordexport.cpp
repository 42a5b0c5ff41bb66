#include "viewlogic/links.h"
#include "viewlogic/recordexport.h"

#include <QTest>

using namespace orbilex;

Q_DECLARE_METATYPE(orbilex::RecordView)

namespace {

const QString kBerlin = QStringLiteral("* Berlin  30                  52° 27' N     13° 18' E");
const QString kFactbook = QStringLiteral("web.archive.org/web/2006/www.cia.gov/cia/publications/factbook/geos/gm.html");
const QString kStatistics = QStringLiteral("web.archive.org/web/2006/www.nationmaster.com/country/gm/");
const QString kProduct = QStringLiteral("http://www.example.org/orbilex/");
const QDateTime kNow(QDate(2005, 6, 5), QTime(17, 16, 40));

// Germany as the window shows it: nobody else on +49, six cities with Berlin shown.
RecordView germany()
{
    RecordView v;
    v[Field::CountryName] = QStringLiteral("Germany");
    v[Field::LongName] = QStringLiteral("Federal Republic of Germany");
    v[Field::Type] = QStringLiteral("Nation");
    v[Field::Dependency] = QStringLiteral("(Does Not Exist)");
    v[Field::Location] = QStringLiteral("Western Europe");
    v[Field::Tld] = QStringLiteral(".de");
    v[Field::Alpha2] = QStringLiteral("DE");
    v[Field::Alpha3] = QStringLiteral("DEU");
    v[Field::IsoNumber] = QStringLiteral("276");
    v[Field::Ioc] = QStringLiteral("GER");
    v[Field::Currency] = QStringLiteral("EUR");
    v[Field::Language] = QStringLiteral("DEU");
    v[Field::Fips] = QStringLiteral("GM");
    v[Field::Gmt] = QStringLiteral("+01:00:00");
    v[Field::ExtraInfo] = kFactbook;
    v[Field::ExtraInfo2] = kStatistics;
    v[Field::Sign] = QStringLiteral("D");
    v[Field::DialingCode] = QStringLiteral("49");
    v.sameCode = {QStringLiteral("-")};
    v[Field::Idd] = QStringLiteral("00");
    v[Field::Ndd] = QStringLiteral("0");
    v.cities = {kBerlin, QStringLiteral("Bonn  228"), QStringLiteral("Dortmund  231"), QStringLiteral("Frankfurt  69"),
        QStringLiteral("Hamburg  40               53° 33' N      9° 58' E"),
        QStringLiteral("Munich  89                48° 9' N      11° 34' E")};
    v[Field::City] = kBerlin;
    v.cityListEnabled = true;
    return v;
}

// A country without a city list, as DisableCityList leaves the window.
RecordView withoutCities()
{
    RecordView v = germany();
    v.cities.clear();
    v[Field::City].clear();
    v.cityListEnabled = false;
    return v;
}

RecordView threeCities()
{
    RecordView v = germany();
    v.cities = {QStringLiteral("Alpha  1"), QStringLiteral("Beta  2"), QStringLiteral("Gamma  3")};
    v[Field::City] = QStringLiteral("Beta  2");
    return v;
}

FieldChoice everyField()
{
    FieldChoice c;
    for (const FieldRow &row : kFields)
        c[row.field] = row.field != Field::City && row.field != Field::CityAll;
    return c;
}

QString line(const QStringList &lines, const QString &startingWith)
{
    for (const QString &l : lines)
        if (l.startsWith(startingWith))
            return l;
    return {};
}

// The lines between the last field row and the closing of the field table.
QStringList cityRows(const QStringList &page)
{
    const qsizetype end = page.indexOf(QStringLiteral("</font></td></tr></table></td></tr>"));
    qsizetype begin = end;
    while (begin > 0 && !page[begin - 1].contains(QStringLiteral("Distinguishing sign:"))
        && !page[begin - 1].startsWith(QStringLiteral("<table border=0 cellpadding=4")))
        --begin;
    return page.mid(begin, end - begin);
}

} // namespace

class TestRecordExport : public QObject
{
    Q_OBJECT
private slots:
    void sameCodeListIsJoined()
    {
        QCOMPARE(joinedSameCode({}), QString());
        QCOMPARE(joinedSameCode({QStringLiteral("-")}), QStringLiteral("-"));
        QCOMPARE(joinedSameCode({QStringLiteral("Canada"), QStringLiteral("United States")}),
            QStringLiteral("Canada, United States, "));
        // Only a leading mark stands for "nobody shares it".
        QCOMPARE(joinedSameCode({QStringLiteral("Canada"), QStringLiteral("-")}), QStringLiteral("Canada, -, "));
    }

    void tldLinkUsesTheTrimmedCode()
    {
        QCOMPARE(tldLinkAddress(QStringLiteral(" .de ")),
            QStringLiteral("http://web.archive.org/web/2006/www.iana.org/root-whois/de.htm"));
        QVERIFY(tldLinkAddress(QStringLiteral(".af")).endsWith(QStringLiteral("/root-whois/af.htm")));
    }

    void fullTextOfGermany()
    {
        const QStringList expected = {
            QStringLiteral("Country Name: Germany"),
            QStringLiteral("Long Name: Federal Republic of Germany"),
            QStringLiteral("Type: Nation"),
            QStringLiteral("Dependency Of: (Does Not Exist)"),
            QStringLiteral("Location: Western Europe"),
            QStringLiteral("TLD Code: .de ( http://web.archive.org/web/2006/www.iana.org/root-whois/de.htm )"),
            QStringLiteral("ISO Alpha-2 Code: DE"),
            QStringLiteral("ISO Alpha-3 Code: DEU"),
            QStringLiteral("ISO Number: 276"),
            QStringLiteral("IOC Code: GER"),
            QStringLiteral("ISO Currency Code: EUR"),
            QStringLiteral("Language abbreviation: DEU"),
            QStringLiteral("FIPS 10-4 Code: GM"),
            QStringLiteral("GMT Deviation: +01:00:00"),
            QStringLiteral("Extra Information: ") + kFactbook,
            QStringLiteral("Extra Information II: ") + kStatistics,
            QStringLiteral("Distinguishing sign: D"),
            QStringLiteral("Dialing Code: 49"),
            QStringLiteral("Countries with the same dialing code: -"),
            QStringLiteral("IDDD Code: 00"),
            QStringLiteral("NDD Code: 0"),
            QStringLiteral("City: ") + kBerlin,
        };
        const QString text = fullRecordText(germany(), false);
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        for (int i = 0; i < qMin(lines.size(), expected.size()); ++i)
            QCOMPARE(lines[i], expected[i]);
        QCOMPARE(lines.size(), expected.size());
        QCOMPARE(text, expected.join(QStringLiteral("\r\n")));
    }

    void fullTextParticulars()
    {
        RecordView shared = germany();
        shared.sameCode = {QStringLiteral("Canada"), QStringLiteral("United States")};
        QVERIFY(fullRecordText(shared, false)
                    .contains(QStringLiteral("\r\nCountries with the same dialing code: Canada, United States, \r\n")));

        // Without a city list the text ends with the NDD line and its line end.
        QVERIFY(fullRecordText(withoutCities(), true).endsWith(QStringLiteral("\r\nNDD Code: 0\r\n")));

        // All cities: one line each and nothing after the last.
        QVERIFY(fullRecordText(threeCities(), true)
                    .endsWith(QStringLiteral("\r\nNDD Code: 0\r\nCity: \r\nAlpha  1\r\nBeta  2\r\nGamma  3")));
        QVERIFY(fullRecordText(threeCities(), false).endsWith(QStringLiteral("\r\nNDD Code: 0\r\nCity: Beta  2")));
        // A single city is shown, not listed, even when all are asked for.
        RecordView single = germany();
        single.cities = {kBerlin};
        QVERIFY(fullRecordText(single, true).endsWith(QStringLiteral("\r\nCity: ") + kBerlin));

        // Notes keep their own line ends.
        RecordView notes = germany();
        notes[Field::Idd] = QStringLiteral("00\r\n(to Austria 043)");
        QVERIFY(fullRecordText(notes, false)
                    .contains(QStringLiteral("\r\nIDDD Code: 00\r\n(to Austria 043)\r\nNDD Code: 0\r\n")));
    }

    void selectedTextFollowsTheTicks()
    {
        QCOMPARE(selectedRecordText(germany(), FieldChoice {}), QString());

        FieldChoice c;
        c[Field::SameCode] = true;
        QCOMPARE(selectedRecordText(germany(), c), QString()); // "-" is left out even when ticked
        RecordView nobody = germany();
        nobody.sameCode.clear();
        QCOMPARE(selectedRecordText(nobody, c), QString());
        RecordView shared = germany();
        shared.sameCode = {QStringLiteral("Canada"), QStringLiteral("United States")};
        QCOMPARE(selectedRecordText(shared, c),
            QStringLiteral("Countries with the same dialing code: Canada, United States, \r\n"));

        // Table order without gaps: in the text the sign comes before the dialing code.
        FieldChoice some;
        some[Field::DialingCode] = some[Field::Sign] = some[Field::Tld] = some[Field::Ndd] = true;
        QCOMPARE(selectedRecordText(germany(), some),
            QStringLiteral("TLD Code: .de ( http://web.archive.org/web/2006/www.iana.org/root-whois/de.htm )\r\n"
                           "Distinguishing sign: D\r\nDialing Code: 49\r\nNDD Code: 0\r\n"));

        // Every field box ticked gives the full text minus the "-" line and the city part.
        QString full = fullRecordText(germany(), false);
        full.truncate(full.indexOf(QStringLiteral("City: ")));
        full.remove(QStringLiteral("Countries with the same dialing code: -\r\n"));
        QCOMPARE(selectedRecordText(germany(), everyField()), full);
    }

    void selectedCityPart_data()
    {
        QTest::addColumn<RecordView>("view");
        QTest::addColumn<bool>("city");
        QTest::addColumn<bool>("cityAll");
        QTest::addColumn<QString>("expected");

        QTest::newRow("shown city") << threeCities() << true << false << QStringLiteral("City: Beta  2");
        QTest::newRow("all cities") << threeCities() << true << true
                                    << QStringLiteral("City: \r\nAlpha  1\r\nBeta  2\r\nGamma  3\r\n");
        QTest::newRow("all cities without the city box")
            << threeCities() << false << true << QStringLiteral("City: \r\nAlpha  1\r\nBeta  2\r\nGamma  3\r\n");
        RecordView single = germany();
        single.cities = {kBerlin};
        QTest::newRow("all of one city") << single << false << true << QStringLiteral("City: ") + kBerlin + "\r\n";
        QTest::newRow("neither box") << threeCities() << false << false << QString();
        QTest::newRow("disabled list, city box") << withoutCities() << true << false << QString();
        QTest::newRow("disabled list, all cities") << withoutCities() << true << true << QString();
    }

    void selectedCityPart()
    {
        QFETCH(RecordView, view);
        QFETCH(bool, city);
        QFETCH(bool, cityAll);
        QFETCH(QString, expected);
        FieldChoice c;
        c[Field::City] = city;
        c[Field::CityAll] = cityAll;
        c.cityAllEnabled = true;
        QCOMPARE(selectedRecordText(view, c), expected);
    }

    void fullPageOfGermany()
    {
        const QString plain = QStringLiteral("<tr><td align=right nowrap><b>%1</b></td><td><font face=Verdana>%2"
                                             "</font></td></tr>");
        const QString note = QStringLiteral("<tr><td align=right valign=Top nowrap><b>%1</b></td><td>"
                                            "<font face=Verdana>%2</font></td></tr>");
        const QString link = QStringLiteral("<tr><td align=right nowrap><b>%1</b></td><td><font face=Verdana>"
                                            "<a href=http://%2 target=_blank>http://%2</a></font></td></tr>");
        QStringList expected = {
            QStringLiteral("<html><head><title>About Germany</title></head><body bgcolor=#FFFFFF>"),
            QStringLiteral("<table border=0 cellpadding=3 cellspacing=0 style=\"border: 1 solid #DBDBDB\"><tr>"
                           "<td bgcolor=EBEBEB>"),
            QStringLiteral("<table border=0 cellpadding=5 cellspacing=0><tr><td>"),
            QStringLiteral("<img border=0 src=temp.bmp width=52 height=30></td><td>"),
            QStringLiteral("<font face=Verdana size=5>Germany</font></td></tr></table></td></tr><tr><td>"),
            QStringLiteral("<table border=0 cellpadding=4 cellspacing=0 style=\"font-family: Verdana, Arial; "
                           "font-size: 10pt\">"),
            QStringLiteral("<tr><td nowrap align=right nowrap><b>Long Name:</b></td><td nowrap>"
                           "Federal Republic of Germany</td></tr>"),
            plain.arg(QStringLiteral("Type:"), QStringLiteral("Nation")),
            plain.arg(QStringLiteral("Dependency Of:"), QStringLiteral("(Does Not Exist)")),
            plain.arg(QStringLiteral("Location:"), QStringLiteral("Western Europe")),
            plain.arg(QStringLiteral("TLD Code:"), QStringLiteral(".de")),
            plain.arg(QStringLiteral("ISO Alpha-2 Code:"), QStringLiteral("DE")),
            plain.arg(QStringLiteral("ISO Alpha-3 Code:"), QStringLiteral("DEU")),
            plain.arg(QStringLiteral("ISO Number:"), QStringLiteral("276")),
            plain.arg(QStringLiteral("IOC Code:"), QStringLiteral("GER")),
            plain.arg(QStringLiteral("ISO Currency Code:"), QStringLiteral("EUR")),
            plain.arg(QStringLiteral("Language abbreviation:"), QStringLiteral("DEU")),
            plain.arg(QStringLiteral("FIPS 10-4 Code:"), QStringLiteral("GM")),
            plain.arg(QStringLiteral("GMT Deviation:"), QStringLiteral("+01:00:00")),
            link.arg(QStringLiteral("Extra Information:"), kFactbook),
            link.arg(QStringLiteral("Extra Information II:"), kStatistics),
            plain.arg(QStringLiteral("Dialing Code:"), QStringLiteral("49")),
            plain.arg(QStringLiteral("Countries with the <br>same dialing code:"), QStringLiteral("-")),
            note.arg(QStringLiteral("IDDD Code:"), QStringLiteral("00")),
            note.arg(QStringLiteral("NDD Code:"), QStringLiteral("0")),
            plain.arg(QStringLiteral("Distinguishing sign:"), QStringLiteral("D")),
            QStringLiteral("<tr><td align=right valign=Top nowrap><b>City:</b></td><td><font face=Verdana>"),
        };
        for (QString city : germany().cities)
            expected << QStringLiteral("<br>") + city.replace(u'\'', QStringLiteral("&#39;"));
        expected << QStringLiteral("</font></td></tr></table></td></tr>")
                 << QStringLiteral("<tr><td align=right style=\"font-size: 8pt; border-top: 1 solid #DBDBDB\" "
                                   "bgcolor=#EBEBEB>")
                 << QStringLiteral("<font face=verdana>Generated with <a href=http://www.example.org/orbilex/ "
                                   "target=_blank>Orbilex v2.5.0</a>")
                 << QStringLiteral(" June 05, 2005 ::: 17:16:40")
                 << QStringLiteral("</font></td></tr></table></body></html>");

        // The selection does not matter for the full page.
        const QStringList page = htmlPageLines(germany(), FieldChoice {}, false, kNow, kProduct, "2.5.0");
        for (int i = 0; i < qMin(page.size(), expected.size()); ++i)
            QCOMPARE(page[i], expected[i]);
        QCOMPARE(page.size(), expected.size());

        // Blanks around the codes are gone in the page.
        RecordView padded = germany();
        padded[Field::Tld] = QStringLiteral(" .de ");
        padded[Field::DialingCode] = QStringLiteral(" 49 ");
        padded[Field::Ndd] = QStringLiteral(" 0 ");
        QCOMPARE(htmlPageLines(padded, FieldChoice {}, false, kNow, kProduct, "2.5.0"), page);
    }

    void pageWithoutCityList()
    {
        const QStringList full = htmlPageLines(withoutCities(), everyField(), false, kNow, kProduct, "2.5.0");
        QCOMPARE(cityRows(full),
            QStringList({QStringLiteral("<tr><td align=right valign=Top nowrap><b>City:</b></td><td>"
                                        "<font face=Verdana>"),
                QStringLiteral("-")}));

        FieldChoice c = everyField();
        c[Field::City] = c[Field::CityAll] = c.cityAllEnabled = true;
        const QStringList selective = htmlPageLines(withoutCities(), c, true, kNow, kProduct, "2.5.0");
        QCOMPARE(cityRows(selective), QStringList());
        // Every field was ticked: the selective page is the full one without its city rows.
        QStringList withoutCityRows = full;
        for (const QString &cityRow : cityRows(full))
            withoutCityRows.removeOne(cityRow);
        QCOMPARE(selective, withoutCityRows);
    }

    void selectivePageRows()
    {
        FieldChoice c;
        c[Field::Sign] = c[Field::LongName] = true;
        const QStringList page = htmlPageLines(germany(), c, true, kNow, kProduct, "2.5.0");
        QCOMPARE(page.size(), 6 + 2 + 5);
        QVERIFY(page[6].contains(QStringLiteral("<b>Long Name:</b>")));
        QVERIFY(page[7].contains(QStringLiteral("<b>Distinguishing sign:</b>")));

        // Unlike "copy", the page keeps the same-code row when it reads "-".
        FieldChoice same;
        same[Field::SameCode] = true;
        const QStringList samePage = htmlPageLines(germany(), same, true, kNow, kProduct, "2.5.0");
        QCOMPARE(samePage.size(), 6 + 1 + 5);
        QVERIFY(samePage[6].endsWith(QStringLiteral("same dialing code:</b></td><td><font face=Verdana>-"
                                                    "</font></td></tr>")));
    }

    void selectiveCityRows_data()
    {
        QTest::addColumn<bool>("city");
        QTest::addColumn<bool>("cityAll");
        QTest::addColumn<bool>("cityAllEnabled");
        QTest::addColumn<QStringList>("expected");

        const QString head = QStringLiteral("<tr><td align=right valign=Top><b>City:</b></td><td><font face=Verdana>");
        const QStringList all
            = {head, QStringLiteral("<br>Alpha  1"), QStringLiteral("<br>Beta  2"), QStringLiteral("<br>Gamma  3")};
        const QStringList shown = {head, QStringLiteral("Beta  2")};
        QTest::newRow("city") << true << false << true << shown;
        QTest::newRow("city, all disabled") << true << false << false << shown;
        QTest::newRow("city and all") << true << true << true << all;
        QTest::newRow("city and all, all disabled") << true << true << false << all;
        QTest::newRow("all") << false << true << true << all;
        QTest::newRow("all, disabled") << false << true << false << QStringList();
        QTest::newRow("none") << false << false << true << QStringList();
        QTest::newRow("none, all disabled") << false << false << false << QStringList();
    }

    void selectiveCityRows()
    {
        QFETCH(bool, city);
        QFETCH(bool, cityAll);
        QFETCH(bool, cityAllEnabled);
        QFETCH(QStringList, expected);
        FieldChoice c;
        c[Field::Sign] = true;
        c[Field::City] = city;
        c[Field::CityAll] = cityAll;
        c.cityAllEnabled = cityAllEnabled;
        QCOMPARE(cityRows(htmlPageLines(threeCities(), c, true, kNow, kProduct, "2.5.0")), expected);
    }

    void typedValuesAreEscaped()
    {
        RecordView v = germany();
        v[Field::CountryName] = QStringLiteral("Trinidad & Tobago");
        v[Field::LongName] = QStringLiteral("<script>alert('x')</script>");
        v[Field::Location] = QStringLiteral("Caribbean & \"West\" Indies");
        v[Field::City] = QStringLiteral("<b>Port");
        v.cities = {QStringLiteral("A&B"), v[Field::City]};
        FieldChoice c = everyField();
        c[Field::City] = true;
        for (bool selective : {false, true}) {
            const QStringList page = htmlPageLines(v, c, selective, kNow, kProduct, "2.5.0");
            const QString joined = page.join(u'\n');
            QVERIFY(!joined.contains(QStringLiteral("<script>")));
            QVERIFY(joined.contains(QStringLiteral("&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;")));
            QVERIFY(joined.contains(QStringLiteral("Caribbean &amp; &quot;West&quot; Indies")));
            QCOMPARE(page[0],
                QStringLiteral("<html><head><title>About Trinidad &amp; Tobago</title></head>"
                               "<body bgcolor=#FFFFFF>"));
            QVERIFY(page[4].startsWith(QStringLiteral("<font face=Verdana size=5>Trinidad &amp; Tobago</font>")));
            QVERIFY(!joined.contains(QStringLiteral("<b>Port")));
            QVERIFY(joined.contains(selective ? QStringLiteral("\n&lt;b&gt;Port\n") : QStringLiteral("<br>A&amp;B")));
        }
        // Nothing is escaped twice.
        QCOMPARE(htmlEscape(QStringLiteral("&amp; <>\"'")), QStringLiteral("&amp;amp; &lt;&gt;&quot;&#39;"));
    }

    void addressCannotEndTheAttribute()
    {
        RecordView v = germany();
        v[Field::ExtraInfo] = QStringLiteral("www.example.org/a b\" onmouseover=\"alert('x')&q=<1>");
        const QStringList page = htmlPageLines(v, FieldChoice {}, false, kNow, kProduct, "2.5.0");
        const QString row = line(page, QStringLiteral("<tr><td align=right nowrap><b>Extra Information:</b>"));
        const qsizetype start = row.indexOf(QStringLiteral("<a href=")) + 8;
        // An unquoted value ends at the first blank or ">", and may hold no quote.
        qsizetype end = start;
        while (end < row.size() && row[end] != u' ' && row[end] != u'>')
            ++end;
        const QString value = row.mid(start, end - start);
        QCOMPARE(
            value, QStringLiteral("http://www.example.org/a%20b%22%20onmouseover=%22alert(%27x%27)&amp;q=&lt;1&gt;"));
        QVERIFY(row.mid(end).startsWith(QStringLiteral(" target=_blank>http://www.example.org/a b&quot; "
                                                       "onmouseover=&quot;alert(&#39;x&#39;)&amp;q=&lt;1&gt;</a>")));
        QCOMPARE(hrefValue(QStringLiteral("a\tb\r\nc")), QStringLiteral("a%09b%0D%0Ac"));
    }

    void pageBytesInWesternCodePage()
    {
        QCOMPARE(htmlPageBytes({QStringLiteral("ü€日"), QStringLiteral("x")}), QByteArray("\xFC\x80&#26085;\r\nx\r\n"));
        // Characters outside the basic plane are one reference, not two halves.
        QCOMPARE(htmlPageBytes({QString::fromUcs4(U"\U0001F600")}), QByteArray("&#128512;\r\n"));
        // Latin-1 control points that the code page uses for other letters cannot pass through as bytes.
        QCOMPARE(htmlPageBytes({QStringLiteral("\u0080\u0160\u00A0")}), QByteArray("&#128;\x8A\xA0\r\n"));
        QCOMPARE(htmlPageBytes({}), QByteArray());
        QCOMPARE(htmlPageBytes({QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ")}),
            QByteArray("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98"
                       "\x99\x9A\x9B\x9C\x9E\x9F\r\n"));

        RecordView v = germany();
        v[Field::Location] = QStringLiteral("Mitteleuropa – Köln");
        const QByteArray bytes = htmlPageBytes(htmlPageLines(v, FieldChoice {}, false, kNow, kProduct, "2.5.0"));
        QVERIFY(bytes.contains("Mitteleuropa \x96 K\xF6ln"));
        QVERIFY(bytes.contains("52\xB0 27&#39; N"));
        QVERIFY(bytes.endsWith("</font></td></tr></table></body></html>\r\n"));
        QVERIFY(!bytes.contains("\n\n"));
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    }
};

QTEST_APPLESS_MAIN(TestRecordExport)
#include "tst_recordexport.moc"
