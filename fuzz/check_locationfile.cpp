#include "checksupport.h"
#include "common/apperror.h"
#include "data/countries.h"
#include "fuzzchecks.h"
#include "store/storedvalues.h"
#include "store/worldlocations.h"

#include <QFile>

namespace orbilex::fuzzcheck {

// wlocation.dat as a user may have left it, and the program's store of one
// marker into it, through the file in folder. Layout: the line whose country
// is stored (2 bytes; past the last line, a country of the list), country
// (2 bytes), x and y (4 bytes each), then the file.
QString checkLocationFile(const QByteArray &bytes, const QString &folder)
{
    Reader in(bytes);
    const quint16 lineChoice = in.u16();
    QString name = countryNames()[in.u16() % kCountryCount];
    const int x = in.i32();
    const int y = in.i32();
    const QByteArray content = in.rest();

    // The lines and, apart, what ends each, found byte by byte.
    const QList<QByteArray> lines = splitLines(content);
    QList<QByteArray> ends;
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') {
            ends << QByteArray("\r\n");
            ++i;
        } else if (content[i] == '\r' || content[i] == '\n') {
            ends << QByteArray(1, content[i]);
        }
    }
    const bool openLast = !content.isEmpty() && content.back() != '\n' && content.back() != '\r';
    if (openLast)
        ends << QByteArray();
    if (lines.size() != ends.size())
        return QStringLiteral("%1 lines for %2 line ends").arg(lines.size()).arg(ends.size());
    QByteArray joined;
    for (qsizetype i = 0; i < lines.size(); ++i)
        joined += lines[i] + ends[i];
    if (joined != content)
        return QStringLiteral("the %1 lines and their ends do not make the file").arg(lines.size());

    for (const QByteArray &line : lines) {
        const QString text = QString::fromLatin1(line);
        if (const auto fields = splitLocationLine(text)) {
            if (fields->name.size() + fields->x.size() + fields->y.size() > text.size())
                return QStringLiteral("the fields of %1 are longer than the line").arg(shown(text));
            if (locationLineName(text) != fields->name)
                return QStringLiteral("%1 is named %2 alone").arg(shown(text), shown(*locationLineName(text)));
        }
    }

    // The name stored is one a line gives, so the store often finds its
    // line; names with a quote are not in the country list.
    const int choice = int(lineChoice % (lines.size() + 1));
    if (choice < lines.size())
        if (const auto lineName = locationLineName(QString::fromLatin1(lines[choice])))
            if (!lineName->contains(u'"'))
                name = *lineName;

    const LocationScan scan = scanLocations(content, name);
    if (scan.position
        && (scan.locatedName != name || storedNumber(scan.position->xText) != scan.position->x
            || storedNumber(scan.position->yText) != scan.position->y))
        return QStringLiteral("a marker for %1 at %2, %3 does not match its line")
            .arg(shown(name), scan.position->xText, scan.position->yText);

    // The line the program writes reads back as written.
    const QByteArray own = locationLine(name, x, y);
    const auto ownFields = splitLocationLine(QString::fromLatin1(own.chopped(2)));
    if (!ownFields || ownFields->name != name || ownFields->x != QString::number(x)
        || ownFields->y != QString::number(y))
        return QStringLiteral("the written line %1 does not read back").arg(shown(QString::fromLatin1(own)));

    // The store: the last line of the name, the one readers take, becomes the
    // program's own; every other byte stays.
    qsizetype last = -1;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (locationLineName(QString::fromLatin1(lines[i])) == name)
            last = i;
    const QString path = folder + QStringLiteral("/wlocation.dat");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
            return QStringLiteral("cannot write the input file");
    }
    bool stored = false;
    try {
        stored = storeLocation(path, name, x, y);
    } catch (const AppError &e) {
        return QStringLiteral("storing %1 failed: %2 %3").arg(shown(name)).arg(e.number).arg(e.description);
    }
    QByteArray written;
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("the stored file cannot be read");
        written = file.readAll();
    }
    if (stored != (last >= 0))
        return QStringLiteral("%1 %2 stored, with a line of its name: %3")
            .arg(shown(name), stored ? QStringLiteral("was") : QStringLiteral("was not"))
            .arg(last >= 0 ? QStringLiteral("yes") : QStringLiteral("no"));
    QByteArray expected;
    for (qsizetype i = 0; i < lines.size(); ++i)
        expected += i == last ? own : lines[i] + ends[i];
    if (written != expected)
        return QStringLiteral("storing %1 at line %2 changed more than that line").arg(shown(name)).arg(last);
    if (last < 0)
        return {};

    // Read again, the stored line places the marker, unless a bad line of the
    // country before it stops the reading as it did before.
    QByteArray upTo;
    for (qsizetype i = 0; i < last; ++i)
        upTo += lines[i] + ends[i];
    const LocationScan earlier = scanLocations(upTo, name);
    const LocationScan reread = scanLocations(written, name);
    if (earlier.error) {
        if (!reread.error || reread.error->number != earlier.error->number)
            return QStringLiteral("a bad line before line %1 no longer stops the reading").arg(last);
    } else if (reread.error || !reread.position || reread.position->x != x || reread.position->y != y) {
        return QStringLiteral("the marker stored at line %1 for %2 at %3, %4 does not read back")
            .arg(last)
            .arg(shown(name))
            .arg(x)
            .arg(y);
    }
    return {};
}

} // namespace orbilex::fuzzcheck
