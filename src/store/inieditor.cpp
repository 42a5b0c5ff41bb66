#include "store/inieditor.h"

#include "common/apperror.h"
#include "data/windows1252.h"

#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace orbilex {

namespace {

constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";
constexpr QByteArrayView kTextForm = "@Text(";

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

// Around a name, control characters count as blanks too: a stray NUL or
// escape byte left by binary junk must not hide a section or a key.
bool isNameBlank(char16_t c)
{
    return c <= u' ';
}

template<typename Blank> QByteArrayView trimmed(QByteArrayView text, Blank blank)
{
    while (!text.isEmpty() && blank(uchar(text.front())))
        text = text.sliced(1);
    while (!text.isEmpty() && blank(uchar(text.back())))
        text.chop(1);
    return text;
}

QByteArrayView trimmedValue(QByteArrayView text)
{
    return trimmed(text, isBlank);
}

QByteArrayView trimmedName(QByteArrayView text)
{
    return trimmed(text, isNameBlank);
}

bool isAscii(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return uchar(c) < 0x80; });
}

bool isUtf8(QByteArrayView text, QString *decoded = nullptr)
{
    // A byte-order mark inside a value is a character of it, not a marker.
    QStringDecoder utf8(
        QStringConverter::Utf8, QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString result = utf8(text);
    if (utf8.hasError())
        return false;
    if (decoded)
        *decoded = std::move(result);
    return true;
}

QString decodeText(QByteArrayView text)
{
    if (isAscii(text))
        return QString::fromLatin1(text);
    QString result;
    if (isUtf8(text, &result))
        return result;
    result.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uchar byte = uchar(text[i]);
        result[i] = QChar(byte >= 0x80 && byte < 0xA0 ? kWindows1252At80[byte - 0x80] : char16_t(byte));
    }
    return result;
}

std::optional<QByteArray> windows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += char(u);
            continue;
        }
        const auto *found = std::find(kWindows1252At80.begin(), kWindows1252At80.end(), u);
        if (found == kWindows1252At80.end())
            return std::nullopt;
        bytes += char(0x80 + (found - kWindows1252At80.begin()));
    }
    return bytes;
}

// Text for a file that is all Windows-1252 stays in that code page when it
// can: such a file goes on reading right in the older program and in an
// editor, which sees one code page for the whole file. Bytes that would read
// back as UTF-8 are written as UTF-8.
QByteArray encodeText(const QString &text, bool inWindows1252)
{
    if (inWindows1252) {
        if (const auto bytes = windows1252(text); bytes && (isAscii(*bytes) || !isUtf8(*bytes)))
            return *bytes;
    }
    return text.toUtf8();
}

template<typename Blank> bool isEdgedBy(const QString &text, Blank blank)
{
    return !text.isEmpty() && (blank(text.front().unicode()) || blank(text.back().unicode()));
}

bool holdsOnOneLine(const QString &text)
{
    return !text.contains(u'\r') && !text.contains(u'\n');
}

AppError badName()
{
    return {5, QStringLiteral("Invalid procedure call or argument")};
}

} // namespace

IniEditor::IniEditor(QByteArray bytes)
    : m_bytes(std::move(bytes))
{
    parse();
}

void IniEditor::parse()
{
    m_lines.clear();
    m_parts.clear();
    const char *data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    qsizetype pos = m_bytes.startsWith(kByteOrderMark) ? kByteOrderMark.size() : 0;
    int part = -1;
    while (pos < size) {
        Line line;
        line.begin = pos;
        line.end = pos;
        while (line.end < size && data[line.end] != '\n' && data[line.end] != '\r')
            ++line.end;
        line.next = line.end;
        if (line.next < size && data[line.next++] == '\r' && line.next < size && data[line.next] == '\n')
            ++line.next;

        const QByteArrayView text = QByteArrayView(data + pos, line.end - pos);
        qsizetype first = 0;
        while (first < text.size() && isNameBlank(uchar(text[first])))
            ++first;
        const char lead = first < text.size() ? text[first] : '\0';
        if (lead == '[') {
            Part header;
            header.header = int(m_lines.size());
            const qsizetype close = text.indexOf(']', first);
            if (close > 0)
                header.name = decodeText(trimmedName(text.sliced(first + 1, close - first - 1))).toCaseFolded();
            part = int(m_parts.size());
            m_parts.append(header);
            line.kind = Kind::Header;
        } else if (lead != ';' && lead != '#' && part >= 0 && !m_parts[part].name.isEmpty()) {
            const qsizetype equals = text.indexOf('=', first);
            if (equals > first && !trimmedName(text.sliced(first, equals - first)).isEmpty()) {
                line.kind = Kind::Key;
                line.equals = pos + equals;
                m_parts[part].lastKey = int(m_lines.size());
            }
        }
        line.part = part;
        m_lines.append(line);
        pos = line.next;
    }
}

QList<int> IniEditor::partsOf(const QString &section) const
{
    QList<int> parts;
    const QString name = section.toCaseFolded();
    if (name.isEmpty())
        return parts;
    for (int i = 0; i < m_parts.size(); ++i)
        if (m_parts[i].name == name)
            parts << i;
    return parts;
}

QString IniEditor::keyOf(const Line &line) const
{
    return decodeText(trimmedName(QByteArrayView(m_bytes).sliced(line.begin, line.equals - line.begin)));
}

QByteArrayView IniEditor::valueText(const Line &line) const
{
    return QByteArrayView(m_bytes).sliced(line.equals + 1, line.end - line.equals - 1);
}

std::optional<QString> IniEditor::value(const QString &section, const QString &key) const
{
    const QList<int> parts = partsOf(section);
    const QString name = key.toCaseFolded();
    for (auto line = m_lines.crbegin(); line != m_lines.crend(); ++line)
        if (line->kind == Kind::Key && parts.contains(line->part) && keyOf(*line).toCaseFolded() == name)
            return decodeValue(valueText(*line));
    return std::nullopt;
}

QHash<QString, QString> IniEditor::section(const QString &section) const
{
    QHash<QString, QString> values;
    QHash<QString, QString> spelling; // case-folded key -> its first spelling
    const QList<int> parts = partsOf(section);
    if (parts.isEmpty())
        return values;
    for (const Line &line : m_lines) {
        if (line.kind != Kind::Key || !parts.contains(line.part))
            continue;
        const QString key = keyOf(line);
        const QString folded = key.toCaseFolded();
        if (!spelling.contains(folded))
            spelling.insert(folded, key);
        values.insert(spelling.value(folded), decodeValue(valueText(line)));
    }
    return values;
}

int IniEditor::sectionCount() const
{
    QSet<QString> names;
    for (const Part &part : m_parts)
        if (part.lastKey >= 0)
            names.insert(part.name);
    return int(names.size());
}

void IniEditor::setValue(const QString &section, const QString &key, const QString &value)
{
    // Names that a line cannot hold would be read back as another key or
    // section, or as none.
    if (section.isEmpty() || !holdsOnOneLine(section) || section.contains(u']') || isEdgedBy(section, isNameBlank))
        throw badName();
    if (key.isEmpty() || !holdsOnOneLine(key) || key.contains(u'=') || isEdgedBy(key, isNameBlank)
        || key.front() == u'[' || key.front() == u';' || key.front() == u'#')
        throw badName();

    const bool inWindows1252 = holdsWindows1252();
    const QByteArray encoded = encodeValue(value, inWindows1252);
    const QList<int> parts = partsOf(section);
    const QString name = key.toCaseFolded();
    for (auto line = m_lines.crbegin(); line != m_lines.crend(); ++line) {
        if (line->kind == Kind::Key && parts.contains(line->part) && keyOf(*line).toCaseFolded() == name) {
            // What stands before the value, the blanks after "=" included, stays.
            qsizetype from = line->equals + 1;
            while (from < line->end && isBlank(uchar(m_bytes[from])))
                ++from;
            splice(from, line->end, encoded);
            return;
        }
    }

    // A new key goes below the last key of the section's last part, so blank
    // lines and comments that lead to the next section stay above it.
    int after = int(m_lines.size()) - 1;
    if (!parts.isEmpty()) {
        const Part &part = m_parts[parts.back()];
        after = part.lastKey >= 0 ? part.lastKey : part.header;
    }
    const QByteArray lineEnd = lineEndAfter(after);
    QByteArray lines = encodeText(key, inWindows1252) + '=' + encoded + lineEnd;
    if (parts.isEmpty())
        lines.prepend('[' + encodeText(section, inWindows1252) + ']' + lineEnd);
    if (after < 0) {
        splice(m_bytes.size(), m_bytes.size(), lines);
        return;
    }
    const qsizetype at = m_lines[after].next;
    // The file's last line may have no line end; it gets one before the new lines.
    if (at == m_lines[after].end)
        lines.prepend(lineEnd);
    splice(at, at, lines);
}

bool IniEditor::removeSection(const QString &section)
{
    const QList<int> parts = partsOf(section);
    for (auto part = parts.crbegin(); part != parts.crend(); ++part) {
        const Part &p = m_parts[*part];
        const qsizetype from = m_lines[p.header].begin;
        m_bytes.remove(from, m_lines[p.lastKey >= 0 ? p.lastKey : p.header].next - from);
    }
    if (parts.isEmpty())
        return false;
    parse();
    return true;
}

QByteArray IniEditor::lineEndAfter(int line) const
{
    const auto endOf = [this](const Line &l) { return m_bytes.mid(l.end, l.next - l.end); };
    if (line >= 0 && m_lines[line].next > m_lines[line].end)
        return endOf(m_lines[line]);
    for (const Line &l : m_lines)
        if (l.next > l.end)
            return endOf(l);
    // A new file: the older program's files have CR LF.
    return QByteArrayLiteral("\r\n");
}

bool IniEditor::holdsWindows1252() const
{
    if (m_bytes.startsWith(kByteOrderMark))
        return false;
    bool found = false;
    for (const Line &line : m_lines) {
        const QByteArrayView text = QByteArrayView(m_bytes).sliced(line.begin, line.end - line.begin);
        if (isAscii(text))
            continue;
        if (isUtf8(text))
            return false;
        found = true;
    }
    return found;
}

void IniEditor::splice(qsizetype from, qsizetype to, const QByteArray &with)
{
    m_bytes.replace(from, to - from, with);
    parse();
}

QByteArray IniEditor::encodeValue(const QString &value, bool inWindows1252)
{
    if (!holdsOnOneLine(value)) {
        QString escaped;
        escaped.reserve(value.size() + 16);
        for (const QChar c : value) {
            if (c == u'\\')
                escaped += QStringLiteral("\\\\");
            else if (c == u'\r')
                escaped += QStringLiteral("\\r");
            else if (c == u'\n')
                escaped += QStringLiteral("\\n");
            else
                escaped += c;
        }
        return kTextForm.toByteArray() + encodeText(escaped, inWindows1252) + ')';
    }
    const QByteArray text = encodeText(value, inWindows1252);
    // Blanks at either end would be trimmed, and enclosing quotes taken off.
    if (isEdgedBy(value, isBlank) || (value.size() >= 2 && value.front() == u'"' && value.back() == u'"'))
        return '"' + text + '"';
    if (value.startsWith(u'@'))
        return '@' + text;
    return text;
}

QString IniEditor::decodeValue(QByteArrayView text)
{
    text = trimmedValue(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return decodeText(text.sliced(1, text.size() - 2));
    if (text.startsWith("@@"))
        return decodeText(text.sliced(1));
    if (!text.startsWith(kTextForm) || !text.endsWith(')'))
        return decodeText(text);
    const QString escaped = decodeText(text.sliced(kTextForm.size(), text.size() - kTextForm.size() - 1));
    QString value;
    value.reserve(escaped.size());
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const QChar next = i + 1 < escaped.size() ? escaped[i + 1] : QChar();
        if (escaped[i] == u'\\' && (next == u'\\' || next == u'r' || next == u'n')) {
            value += next == u'r' ? u'\r' : next == u'n' ? u'\n' : u'\\';
            ++i;
        } else {
            value += escaped[i];
        }
    }
    return value;
}

} // namespace orbilex
