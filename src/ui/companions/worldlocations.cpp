#include "ui/companions/worldlocations.h"

#include "store/savedfiles.h"
#include "ui/main/windowmath.h"

#include <QFile>

namespace orbilex {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

qsizetype skipBlanks(const QString &line, qsizetype pos)
{
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    return pos;
}

AppError unreadableLine()
{
    return {62, QStringLiteral("Input past end of file")};
}

AppError notANumber()
{
    return {13, QStringLiteral("Type mismatch")};
}

} // namespace

std::optional<LocationFields> splitLocationLine(const QString &line)
{
    QString fields[3];
    qsizetype pos = 0;
    for (QString &field : fields) {
        pos = skipBlanks(line, pos);
        if (pos >= line.size())
            return std::nullopt;
        if (line[pos] == u'"') {
            qsizetype end = line.indexOf(u'"', pos + 1);
            if (end < 0)
                end = line.size();
            field = line.mid(pos + 1, end - pos - 1);
            pos = skipBlanks(line, end + 1);
            if (pos < line.size() && line[pos] == u',')
                ++pos;
        } else {
            qsizetype end = line.indexOf(u',', pos);
            if (end < 0)
                end = line.size();
            field = line.mid(pos, end - pos).trimmed();
            pos = end + 1;
        }
    }
    return LocationFields{fields[0], fields[1], fields[2]};
}

QList<QByteArray> splitLines(const QByteArray &content)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n')
            continue;
        lines.append(content.mid(start, i - start));
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < content.size())
        lines.append(content.mid(start));
    return lines;
}

LocationScan scanLocations(const QByteArray &content, const QString &countryName)
{
    LocationScan scan;
    for (const QByteArray &raw : splitLines(content)) {
        // The file is in a single-byte code page; any byte reads as some character.
        const QString line = QString::fromLatin1(raw);
        if (line.trimmed().isEmpty())
            continue;
        const std::optional<LocationFields> fields = splitLocationLine(line);
        if (!fields) {
            scan.error = unreadableLine();
            return scan;
        }
        if (fields->name != countryName)
            continue;
        scan.locatedName = fields->name;
        const std::optional<int> x = storedNumber(fields->x);
        const std::optional<int> y = storedNumber(fields->y);
        if (!x || !y) {
            scan.error = notANumber();
            return scan;
        }
        scan.position = MarkerPosition{fields->x, fields->y, *x, *y};
    }
    return scan;
}

QByteArray locationLine(const QString &name, int x, int y)
{
    return QStringLiteral("\"%1\" \"%2\" \"%3\"\r\n").arg(name).arg(x).arg(y).toLatin1();
}

std::optional<QByteArray> replaceLocationLine(const QList<QByteArray> &lines, int index, const QByteArray &line)
{
    if (index < 0 || index >= lines.size())
        return std::nullopt;
    QByteArray content;
    for (qsizetype i = 0; i < lines.size(); ++i)
        content += i == index ? line : lines[i] + "\r\n";
    return content;
}

QByteArray readLocationFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        throw AppError::fileNotFound();
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::pathFileAccess();
    return file.readAll();
}

void writeLocationFile(const QString &path, const QByteArray &content)
{
    saveWhole(path, content);
}

} // namespace orbilex
