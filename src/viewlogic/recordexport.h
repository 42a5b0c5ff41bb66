#pragma once
// The texts behind "copy all", "copy" and the printable HTML page. They are
// built from what the main window shows at the moment of the action, so the
// window reads its controls into a RecordView and hands it here; nothing in
// this file touches a widget, the clipboard or a file.

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace orbilex {

// What the main window shows, read from its controls at the moment of the action.
struct RecordView {
    QString countryName; // txtCountryName
    QString longName, type, dependency, location;
    QString tld, alpha2, alpha3, isoNumber, ioc, currency, language, fips, gmt;
    QString extraInfo, extraInfo2; // txtUrl, txtPInfo (addresses without scheme)
    QString sign, dialingCode;
    QStringList sameCode; // the entries of lstSameCode, first to last
    QString idd, ndd; // note texts, lines joined by CR LF
    QStringList cities; // the entries of cmbCity
    QString shownCity; // the text shown in cmbCity
    bool cityListEnabled = false; // chkCity enabled (false after DisableCityList)
};

// The ticks of the check boxes.
struct FieldChoice {
    bool countryName = false, longName = false, type = false, dependency = false, location = false, tld = false,
         alpha2 = false, alpha3 = false, isoNumber = false, ioc = false, currency = false, language = false,
         fips = false, gmt = false, extraInfo = false, extraInfo2 = false, dialingCode = false, sameCode = false,
         city = false, cityAll = false, cityAllEnabled = false, idd = false, ndd = false, sign = false;
};

// Every entry followed by ", "; "-" alone when the list says no one shares the code.
QString joinedSameCode(const QStringList &entries);

// "copy all"; cityAll = chkCityAll ticked.
QString fullRecordText(const RecordView &v, bool cityAll);
// "copy"; empty when nothing is chosen.
QString selectedRecordText(const RecordView &v, const FieldChoice &c);

// & < > " ' as entities: anything shown may be user-typed.
QString htmlEscape(const QString &text);
// An address for an unquoted href: escaped, and with blanks and quotes
// percent-encoded so that it cannot end the attribute.
QString hrefValue(const QString &address);

// The lines of temp.htm (without line ends); selective = chkSelHtml ticked.
// productAddress is the full address of the product page, version "major.minor.revision".
QStringList htmlPageLines(const RecordView &v, const FieldChoice &c, bool selective, const QDateTime &now,
    const QString &productAddress, const QString &version);
// The lines joined by CR LF (one after every line) in Windows-1252, with numeric character
// references for characters the code page lacks.
QByteArray htmlPageBytes(const QStringList &lines);

} // namespace orbilex
