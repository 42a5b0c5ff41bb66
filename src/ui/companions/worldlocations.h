#pragma once
// The marker file wlocation.dat: one line per country, `"name" "x" "y"` in
// twips, CR LF. Hand-edited files are read leniently; the program writes
// only its own form, and only by renaming a complete new file into place.

#include "platform/apperror.h"

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

// The lines without their ends; CR LF, LF and a lone CR all end a line, and a
// last line without an end still counts.
QList<QByteArray> splitLines(const QByteArray &content);

struct MarkerPosition {
    QString xText;
    QString yText;
    int x = 0;
    int y = 0;
};

// What reading the file for one country found. The last matching line wins;
// a bad line stops the reading, and what was found before it stays found.
struct LocationScan {
    // The country's name once a line matched, even if its coordinates failed.
    std::optional<QString> locatedName;
    std::optional<MarkerPosition> position;
    std::optional<AppError> error;
};

LocationScan scanLocations(const QByteArray &content, const QString &countryName);

// The program's own form of a line, with its CR LF.
QByteArray locationLine(const QString &name, int x, int y);

// The file with line `index` replaced and every other line as it was, each
// ended by CR LF. None when there is no such line: then nothing is written.
std::optional<QByteArray> replaceLocationLine(const QList<QByteArray> &lines, int index, const QByteArray &line);

// Throw AppError: 53 for a missing file, 75 when it cannot be read or written.
QByteArray readLocationFile(const QString &path);
// Through a temporary file renamed over the old one: a failed write leaves the
// old file exactly as it was.
void writeLocationFile(const QString &path, const QByteArray &content);

} // namespace orbilex
