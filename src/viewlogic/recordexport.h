#pragma once
// The texts behind "copy all", "copy" and the printable HTML page. They are
// built from what the main window shows at the moment of the action, so the
// window reads its controls into a RecordView and hands it here; nothing in
// this file touches a widget, the clipboard or a file.

#include "viewlogic/fields.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace orbilex {

// What the main window shows, read from its controls at the moment of the action.
struct RecordView {
    // A line's text, a box's shown text (the city list's too), a note's lines
    // joined by CR LF; empty for a list.
    PerField<QString> shown;
    QStringList sameCode; // the entries of lstSameCode, first to last
    QStringList cities; // the entries of cmbCity
    bool cityListEnabled = false; // chkCity enabled (false after DisableCityList)

    QString &operator[](Field f) { return shown[f]; }
    const QString &operator[](Field f) const { return shown[f]; }
};

// The ticks of the check boxes.
struct FieldChoice {
    PerField<bool> ticked;
    bool cityAllEnabled = false;

    bool &operator[](Field f) { return ticked[f]; }
    bool operator[](Field f) const { return ticked[f]; }
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
