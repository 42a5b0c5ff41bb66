#pragma once
// The text rules of the IP-to-country window and its database: what counts
// as an address, how a name is shown, which code the country list is handed.

#include <QString>
#include <QStringView>

#include <optional>

namespace orbilex {

// A dotted-quad IPv4 address as a number: four decimal parts of one to three
// digits, each at most 255, and nothing else. Short forms such as "1.2.3",
// which the system's address parser reads as 1.2.0.3, and blanks around the
// address are refused, so no text is ever read as an address the user did not
// write.
std::optional<quint32> parseDottedQuad(QStringView text);

// Each word's first letter upper case, the rest lower case; a word starts
// after any character that is neither a letter nor an apostrophe.
QString properCase(QStringView text);

// Whether text found on the clipboard when the window loads is taken for an
// address: a dot in third or fourth place, as after a first part of two or
// three digits.
bool looksLikeAddress(QStringView clipboard);

// The code the main window's alpha-2 box receives for a source's short name,
// or none when the source found no country ("-" or "--"). The source may call
// the United Kingdom "UK"; the country list knows it as "GB".
std::optional<QString> handOverCode(const QString &shortName);

// The alpha-2 code under which the country list holds a database's country:
// the code itself, or for a country that was part of another when the list
// was made (Serbia, Montenegro and Kosovo in Serbia and Montenegro, Curacao in
// the Netherlands Antilles, South Sudan in Sudan ...) the code it had then.
// Empty when the list has no such country.
QString countryListCode(QStringView code);

// The country list's name of the first country with this alpha-2 code; empty
// when there is none.
QString countryNameOfCode(QStringView alpha2);

} // namespace orbilex
