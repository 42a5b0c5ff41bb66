#include "viewlogic/recordexport.h"

#include "data/windows1252.h"
#include "viewlogic/links.h"

#include <QLocale>

namespace orbilex {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// One line of the text format.
struct TextLine {
    const char *label;
    QString value;
    bool chosen;
};

// The lines before the city part. The TLD line carries its whois link and the
// same-code line the joined list; whether the latter is copied is decided by
// the callers, which treat it differently.
TextLine textLine(const RecordView &v, const FieldChoice &c, Field f)
{
    QString value = v[f];
    if (f == Field::Tld)
        value += QStringLiteral(" ( ") + tldLinkAddress(v[f]) + QStringLiteral(" )");
    else if (f == Field::SameCode)
        value = joinedSameCode(v.sameCode);
    return {fieldRow(f).copy.label, value, c[f]};
}

// "City: " and either every city on a line of its own or the shown one.
QString cityEntries(const RecordView &v, bool cityAll)
{
    if (cityAll && v.cities.size() > 1) {
        QString text = QStringLiteral("City: ");
        for (const QString &city : v.cities)
            text += kCrLf + city;
        return text;
    }
    if (!v.cities.isEmpty())
        return QStringLiteral("City: ") + v[Field::City];
    return {};
}

QString lineText(const TextLine &line)
{
    return QLatin1StringView(line.label) + line.value + kCrLf;
}

struct HtmlRow {
    const char *label;
    QString value;
    bool chosen;
    PageKind kind;
};

HtmlRow htmlRow(const RecordView &v, const FieldChoice &c, Field f)
{
    const PageRow &page = fieldRow(f).page;
    const QString value = f == Field::SameCode ? joinedSameCode(v.sameCode) : v[f];
    return {page.label, page.trimmed ? value.trimmed() : value, c[f], page.kind};
}

QString rowHtml(const HtmlRow &row)
{
    const QLatin1StringView label(row.label);
    const QString value = htmlEscape(row.value);
    switch (row.kind) {
    case PageKind::LongName:
        return QStringLiteral("<tr><td nowrap align=right nowrap><b>") + label + QStringLiteral("</b></td><td nowrap>")
            + value + QStringLiteral("</td></tr>");
    case PageKind::Note:
        return QStringLiteral("<tr><td align=right valign=Top nowrap><b>") + label
            + QStringLiteral("</b></td><td><font face=Verdana>") + value + QStringLiteral("</font></td></tr>");
    case PageKind::Link:
        return QStringLiteral("<tr><td align=right nowrap><b>") + label
            + QStringLiteral("</b></td><td><font face=Verdana><a href=http://") + hrefValue(row.value)
            + QStringLiteral(" target=_blank>http://") + value + QStringLiteral("</a></font></td></tr>");
    case PageKind::Plain:
        break;
    }
    return QStringLiteral("<tr><td align=right nowrap><b>") + label + QStringLiteral("</b></td><td><font face=Verdana>")
        + value + QStringLiteral("</font></td></tr>");
}

void appendEveryCity(QStringList &lines, const RecordView &v)
{
    for (const QString &city : v.cities)
        lines << QStringLiteral("<br>") + htmlEscape(city);
}

int cp1252Byte(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return int(code);
    for (int i = 0; i < int(kWindows1252At80.size()); ++i)
        if (kWindows1252At80[i] == code)
            return 0x80 + i;
    return -1;
}

} // namespace

QString joinedSameCode(const QStringList &entries)
{
    QString joined;
    for (const QString &entry : entries)
        joined += entry + QStringLiteral(", ");
    if (joined.startsWith(u'-'))
        return QStringLiteral("-");
    return joined;
}

QString fullRecordText(const RecordView &v, bool cityAll)
{
    QString text;
    const FieldChoice all;
    for (const Field f : kCopyOrder)
        text += lineText(textLine(v, all, f));
    return text + cityEntries(v, cityAll);
}

QString selectedRecordText(const RecordView &v, const FieldChoice &c)
{
    QString text;
    for (const Field f : kCopyOrder) {
        const TextLine line = textLine(v, c, f);
        if (!line.chosen)
            continue;
        // "-" is the list's own mark for a code nobody else uses: nothing worth copying.
        if (f == Field::SameCode && (line.value.isEmpty() || line.value.startsWith(u'-')))
            continue;
        text += lineText(line);
    }
    if (v.cityListEnabled) {
        if (c[Field::CityAll])
            text += cityEntries(v, true) + kCrLf;
        else if (c[Field::City])
            text += QStringLiteral("City: ") + v[Field::City];
    }
    return text;
}

QString htmlEscape(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case u'&':
            escaped += QStringLiteral("&amp;");
            break;
        case u'<':
            escaped += QStringLiteral("&lt;");
            break;
        case u'>':
            escaped += QStringLiteral("&gt;");
            break;
        case u'"':
            escaped += QStringLiteral("&quot;");
            break;
        case u'\'':
            escaped += QStringLiteral("&#39;");
            break;
        default:
            escaped += ch;
        }
    }
    return escaped;
}

QString hrefValue(const QString &address)
{
    // Encoded before escaping, so the quotes become %22 / %27 rather than entities.
    QString encoded;
    encoded.reserve(address.size());
    for (const QChar ch : address) {
        switch (ch.unicode()) {
        case u' ':
        case u'\t':
        case u'\n':
        case u'\f':
        case u'\r':
        case u'"':
        case u'\'':
            encoded += QStringLiteral("%%1").arg(ch.unicode(), 2, 16, QLatin1Char('0')).toUpper();
            break;
        default:
            encoded += ch;
        }
    }
    return htmlEscape(encoded);
}

QStringList htmlPageLines(const RecordView &v, const FieldChoice &c, bool selective, const QDateTime &now,
    const QString &productAddress, const QString &version)
{
    const QString name = htmlEscape(v[Field::CountryName]);
    QStringList lines;
    lines << QStringLiteral("<html><head><title>About ") + name
            + QStringLiteral("</title></head><body bgcolor=#FFFFFF>")
          << QStringLiteral("<table border=0 cellpadding=3 cellspacing=0 style=\"border: 1 solid #DBDBDB\"><tr><td "
                            "bgcolor=EBEBEB>")
          << QStringLiteral("<table border=0 cellpadding=5 cellspacing=0><tr><td>")
          << QStringLiteral("<img border=0 src=temp.bmp width=52 height=30></td><td>")
          << QStringLiteral("<font face=Verdana size=5>") + name
            + QStringLiteral("</font></td></tr></table></td></tr><tr><td>")
          << QStringLiteral(
                 "<table border=0 cellpadding=4 cellspacing=0 style=\"font-family: Verdana, Arial; font-size: 10pt\">");

    for (const Field f : kPageOrder)
        if (const HtmlRow row = htmlRow(v, c, f); !selective || row.chosen)
            lines << rowHtml(row);

    if (!selective) {
        lines << QStringLiteral("<tr><td align=right valign=Top nowrap><b>City:</b></td><td><font face=Verdana>");
        if (v.cityListEnabled)
            appendEveryCity(lines, v);
        else
            lines << QStringLiteral("-");
    } else if (v.cityListEnabled) {
        const QString head = QStringLiteral("<tr><td align=right valign=Top><b>City:</b></td><td><font face=Verdana>");
        if (c[Field::City] && !c[Field::CityAll]) {
            lines << head << htmlEscape(v[Field::City]);
        } else if (c[Field::CityAll] && (c[Field::City] || c.cityAllEnabled)) {
            lines << head;
            appendEveryCity(lines, v);
        }
    }

    lines << QStringLiteral("</font></td></tr></table></td></tr>")
          << QStringLiteral(
                 "<tr><td align=right style=\"font-size: 8pt; border-top: 1 solid #DBDBDB\" bgcolor=#EBEBEB>")
          << QStringLiteral("<font face=verdana>Generated with <a href=") + productAddress
            + QStringLiteral(" target=_blank>Orbilex v") + version + QStringLiteral("</a>")
          << QStringLiteral(" ") + QLocale(QLocale::English).toString(now, QStringLiteral("MMMM dd, yyyy ::: hh:mm:ss"))
          << QStringLiteral("</font></td></tr></table></body></html>");
    return lines;
}

QByteArray htmlPageBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        const QString text = line + kCrLf;
        for (const char32_t code : text.toUcs4()) {
            const int byte = cp1252Byte(code);
            if (byte >= 0)
                bytes += char(byte);
            else
                bytes += "&#" + QByteArray::number(uint(code)) + ';';
        }
    }
    return bytes;
}

} // namespace orbilex
