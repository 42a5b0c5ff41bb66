#pragma once
// The marker file wlocation.dat: one line per country, `"name" "x" "y"` in
// twips, CR LF. Hand-edited files are read leniently; the program writes
// only its own form of the one line it changes, and only by renaming a
// complete new file into place.

#include "common/apperror.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace orbilex {

inline constexpr const char *kLocationFileName = "wlocation.dat";

struct LocationFields {
    QString name;
    QString x;
    QString y;
};

// A quoted field runs to the next quote; an unquoted one to the next comma or
// the line end, blanks around it dropped. Fields are separated by blanks, one
// comma or both. None when the line does not give three fields; text after
// the third is ignored.
std::optional<LocationFields> splitLocationLine(const QString &line);

// The country a line belongs to: its first field, read as above, also when
// the rest of the line is bad. None for a blank line.
std::optional<QString> locationLineName(const QString &line);

// The lines without their ends; CR LF, LF and a lone CR all end a line, and a
// last line without an end still counts.
QList<QByteArray> splitLines(const QByteArray &content);

struct MarkerPosition {
    QString xText;
    QString yText;
    int x = 0;
    int y = 0;
};

// What reading the file for one country found. The last matching line wins.
// A bad line of the country itself stops the reading, and what was found
// before it stays found; a bad line of another country is passed over.
struct LocationScan {
    // The country's name once a line matched, even if its coordinates failed.
    std::optional<QString> locatedName;
    std::optional<MarkerPosition> position;
    // Why the country's own line could not be read.
    std::optional<AppError> error;
    // Why the last line of another country that was passed over could not be read.
    std::optional<AppError> skipped;
};

LocationScan scanLocations(const QByteArray &content, const QString &countryName);

// The program's own form of a line, with its CR LF.
QByteArray locationLine(const QString &name, int x, int y);

// The file with the last line of country name (the one readers take)
// replaced by line, and every other byte as it was. None when no line
// belongs to that country: then nothing is to be written.
std::optional<QByteArray> patchLocationLine(const QByteArray &content, const QString &name, const QByteArray &line);

// The file's content. A missing file is put back from shipped, the copy that
// came with the program, when there is one; where it cannot be put back the
// copy itself is read. Throws AppError: 53 for a missing file with no copy,
// 75 when it cannot be read.
QByteArray readLocationFile(const QString &path, const QString &shipped = {});

// Stores the marker of country name at (x, y): the file is read again under
// its lock and only that country's line changes, so a second copy of the
// program storing another country in between keeps its line. A missing file
// is first put back from shipped. False when the file has no line of that
// country; nothing is written then. Throws AppError: 53 for a missing file
// with no copy, 75 when the file cannot be read or written or its owner made
// it read-only; the old file then stays exactly as it was.
bool storeLocation(const QString &path, const QString &name, int x, int y, const QString &shipped = {});

} // namespace orbilex
