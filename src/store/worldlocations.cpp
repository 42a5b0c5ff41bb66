#include "store/worldlocations.h"

#include "store/savedfiles.h"
#include "store/storedvalues.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

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

// Reads up to count fields; fewer when the line ends first.
QStringList splitFields(const QString &line, int count)
{
    QStringList fields;
    qsizetype pos = 0;
    while (fields.size() < count) {
        pos = skipBlanks(line, pos);
        if (pos >= line.size())
            break;
        if (line[pos] == u'"') {
            qsizetype end = line.indexOf(u'"', pos + 1);
            if (end < 0)
                end = line.size();
            fields << line.mid(pos + 1, end - pos - 1);
            pos = skipBlanks(line, end + 1);
            if (pos < line.size() && line[pos] == u',')
                ++pos;
        } else {
            qsizetype end = line.indexOf(u',', pos);
            if (end < 0)
                end = line.size();
            fields << line.mid(pos, end - pos).trimmed();
            pos = end + 1;
        }
    }
    return fields;
}

// One line of the file as bytes: where it starts, its length without its
// end, and where the next one starts.
struct LineSpan {
    qsizetype start;
    qsizetype length;
    qsizetype next;
};

QList<LineSpan> lineSpans(const QByteArray &content)
{
    QList<LineSpan> spans;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        if (content[i] != '\r' && content[i] != '\n')
            continue;
        const qsizetype length = i - start;
        if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
            ++i;
        spans.append({start, length, i + 1});
        start = i + 1;
    }
    if (start < content.size())
        spans.append({start, content.size() - start, content.size()});
    return spans;
}

QString lineText(const QByteArray &content, const LineSpan &span)
{
    // The file is in a single-byte code page; any byte reads as some character.
    return QString::fromLatin1(content.constData() + span.start, span.length);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        throw AppError::fileNotFound();
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::pathFileAccess();
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError::pathFileAccess();
    return bytes;
}

// The shipped copy's bytes, when there is a copy.
std::optional<QByteArray> shippedBytes(const QString &shipped)
{
    if (shipped.isEmpty() || !QFileInfo::exists(shipped))
        return std::nullopt;
    return fileBytes(shipped);
}

} // namespace

std::optional<LocationFields> splitLocationLine(const QString &line)
{
    const QStringList fields = splitFields(line, 3);
    if (fields.size() < 3)
        return std::nullopt;
    return LocationFields {fields[0], fields[1], fields[2]};
}

std::optional<QString> locationLineName(const QString &line)
{
    const QStringList fields = splitFields(line, 1);
    if (fields.isEmpty())
        return std::nullopt;
    return fields.front();
}

QList<QByteArray> splitLines(const QByteArray &content)
{
    QList<QByteArray> lines;
    for (const LineSpan &span : lineSpans(content))
        lines.append(content.mid(span.start, span.length));
    return lines;
}

LocationScan scanLocations(const QByteArray &content, const QString &countryName)
{
    LocationScan scan;
    for (const LineSpan &span : lineSpans(content)) {
        const QString line = lineText(content, span);
        if (line.trimmed().isEmpty())
            continue;
        const std::optional<LocationFields> fields = splitLocationLine(line);
        if (!fields) {
            // Only the country's own line may stop the reading; anyone
            // else's, however broken, takes nothing from it.
            if (locationLineName(line) != countryName) {
                scan.skipped = unreadableLine();
                continue;
            }
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
        scan.position = MarkerPosition {fields->x, fields->y, *x, *y};
    }
    return scan;
}

QByteArray locationLine(const QString &name, int x, int y)
{
    // One arg() for all three: a "%2" in the name must stay text.
    return QStringLiteral("\"%1\" \"%2\" \"%3\"\r\n").arg(name, QString::number(x), QString::number(y)).toLatin1();
}

std::optional<QByteArray> patchLocationLine(const QByteArray &content, const QString &name, const QByteArray &line)
{
    const QList<LineSpan> spans = lineSpans(content);
    for (qsizetype i = spans.size() - 1; i >= 0; --i) {
        if (locationLineName(lineText(content, spans[i])) != name)
            continue;
        QByteArray patched = content;
        patched.replace(spans[i].start, spans[i].next - spans[i].start, line);
        return patched;
    }
    return std::nullopt;
}

QByteArray readLocationFile(const QString &path, const QString &shipped)
{
    if (!QFileInfo::exists(path)) {
        const std::optional<QByteArray> copy = shippedBytes(shipped);
        if (!copy)
            throw AppError::fileNotFound();
        // Under the lock a copy of the program that stored a marker in the
        // meantime keeps its file.
        const bool restored = guarded([&] {
            updateWhole(path, [&](const std::optional<QByteArray> &old) { return old ? std::nullopt : copy; });
        });
        if (!restored)
            return *copy;
    }
    return fileBytes(path);
}

bool storeLocation(const QString &path, const QString &name, int x, int y, const QString &shipped)
{
    bool found = false;
    updateWhole(path, [&](const std::optional<QByteArray> &old) {
        std::optional<QByteArray> base = old;
        if (!base)
            base = shippedBytes(shipped);
        if (!base)
            throw AppError::fileNotFound();
        std::optional<QByteArray> patched = patchLocationLine(*base, name, locationLine(name, x, y));
        found = patched.has_value();
        return patched;
    });
    return found;
}

} // namespace orbilex
