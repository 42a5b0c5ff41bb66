#include "viewlogic/recordexport.h"

#include "data/windows1252.h"
#include "viewlogic/links.h"

#include <QLocale>

#include <array>

namespace orbilex {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// One line of the text format, in the order the clipboard text gives them.
struct TextLine {
    const char *label;
    QString value;
    bool chosen;
};

// The lines before the city part. The TLD line carries its whois link and the
// same-code line the joined list; whether the latter is copied is decided by
// the callers, which treat it differently.
std::array<TextLine, 21> textLines(const RecordView &v, const FieldChoice &c)
{
    return {{
        {"Country Name: ", v.countryName, c.countryName},
        {"Long Name: ", v.longName, c.longName},
        {"Type: ", v.type, c.type},
        {"Dependency Of: ", v.dependency, c.dependency},
        {"Location: ", v.location, c.location},
        {"TLD Code: ", v.tld + QStringLiteral(" ( ") + tldLinkAddress(v.tld) + QStringLiteral(" )"), c.tld},
        {"ISO Alpha-2 Code: ", v.alpha2, c.alpha2},
        {"ISO Alpha-3 Code: ", v.alpha3, c.alpha3},
        {"ISO Number: ", v.isoNumber, c.isoNumber},
        {"IOC Code: ", v.ioc, c.ioc},
        {"ISO Currency Code: ", v.currency, c.currency},
        {"Language abbreviation: ", v.language, c.language},
        {"FIPS 10-4 Code: ", v.fips, c.fips},
        {"GMT Deviation: ", v.gmt, c.gmt},
        {"Extra Information: ", v.extraInfo, c.extraInfo},
        {"Extra Information II: ", v.extraInfo2, c.extraInfo2},
        {"Distinguishing sign: ", v.sign, c.sign},
        {"Dialing Code: ", v.dialingCode, c.dialingCode},
        {"Countries with the same dialing code: ", joinedSameCode(v.sameCode), c.sameCode},
        {"IDDD Code: ", v.idd, c.idd},
        {"NDD Code: ", v.ndd, c.ndd},
    }};
}

constexpr int kSameCodeLine = 18;

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
        return QStringLiteral("City: ") + v.shownCity;
    return {};
}

QString textLine(const TextLine &line)
{
    return QLatin1StringView(line.label) + line.value + kCrLf;
}

enum class RowKind { LongName, Note, Link, Plain };

struct HtmlRow {
    const char *label;
    QString value;
    bool chosen;
    RowKind kind;
};

// The field rows in the order of the page, which moves the distinguishing
// sign down behind the dialing notes.
std::array<HtmlRow, 20> htmlRows(const RecordView &v, const FieldChoice &c)
{
    return {{
        {"Long Name:", v.longName, c.longName, RowKind::LongName},
        {"Type:", v.type, c.type, RowKind::Plain},
        {"Dependency Of:", v.dependency, c.dependency, RowKind::Plain},
        {"Location:", v.location, c.location, RowKind::Plain},
        {"TLD Code:", v.tld.trimmed(), c.tld, RowKind::Plain},
        {"ISO Alpha-2 Code:", v.alpha2.trimmed(), c.alpha2, RowKind::Plain},
        {"ISO Alpha-3 Code:", v.alpha3, c.alpha3, RowKind::Plain},
        {"ISO Number:", v.isoNumber, c.isoNumber, RowKind::Plain},
        {"IOC Code:", v.ioc.trimmed(), c.ioc, RowKind::Plain},
        {"ISO Currency Code:", v.currency.trimmed(), c.currency, RowKind::Plain},
        {"Language abbreviation:", v.language.trimmed(), c.language, RowKind::Plain},
        {"FIPS 10-4 Code:", v.fips.trimmed(), c.fips, RowKind::Plain},
        {"GMT Deviation:", v.gmt, c.gmt, RowKind::Plain},
        {"Extra Information:", v.extraInfo, c.extraInfo, RowKind::Link},
        {"Extra Information II:", v.extraInfo2, c.extraInfo2, RowKind::Link},
        {"Dialing Code:", v.dialingCode.trimmed(), c.dialingCode, RowKind::Plain},
        {"Countries with the <br>same dialing code:", joinedSameCode(v.sameCode), c.sameCode, RowKind::Plain},
        {"IDDD Code:", v.idd.trimmed(), c.idd, RowKind::Note},
        {"NDD Code:", v.ndd.trimmed(), c.ndd, RowKind::Note},
        {"Distinguishing sign:", v.sign.trimmed(), c.sign, RowKind::Plain},
    }};
}

QString htmlRow(const HtmlRow &row)
{
    const QLatin1StringView label(row.label);
    const QString value = htmlEscape(row.value);
    switch (row.kind) {
    case RowKind::LongName:
        return QStringLiteral("<tr><td nowrap align=right nowrap><b>") + label + QStringLiteral("</b></td><td nowrap>")
            + value + QStringLiteral("</td></tr>");
    case RowKind::Note:
        return QStringLiteral("<tr><td align=right valign=Top nowrap><b>") + label
            + QStringLiteral("</b></td><td><font face=Verdana>") + value + QStringLiteral("</font></td></tr>");
    case RowKind::Link:
        return QStringLiteral("<tr><td align=right nowrap><b>") + label
            + QStringLiteral("</b></td><td><font face=Verdana><a href=http://") + hrefValue(row.value)
            + QStringLiteral(" target=_blank>http://") + value + QStringLiteral("</a></font></td></tr>");
    case RowKind::Plain:
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
    for (const TextLine &line : textLines(v, FieldChoice {}))
        text += textLine(line);
    return text + cityEntries(v, cityAll);
}

QString selectedRecordText(const RecordView &v, const FieldChoice &c)
{
    QString text;
    const auto lines = textLines(v, c);
    for (int i = 0; i < int(lines.size()); ++i) {
        const TextLine &line = lines[i];
        if (!line.chosen)
            continue;
        // "-" is the list's own mark for a code nobody else uses: nothing worth copying.
        if (i == kSameCodeLine && (line.value.isEmpty() || line.value.startsWith(u'-')))
            continue;
        text += textLine(line);
    }
    if (v.cityListEnabled) {
        if (c.cityAll)
            text += cityEntries(v, true) + kCrLf;
        else if (c.city)
            text += QStringLiteral("City: ") + v.shownCity;
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
    const QString name = htmlEscape(v.countryName);
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

    for (const HtmlRow &row : htmlRows(v, c))
        if (!selective || row.chosen)
            lines << htmlRow(row);

    if (!selective) {
        lines << QStringLiteral("<tr><td align=right valign=Top nowrap><b>City:</b></td><td><font face=Verdana>");
        if (v.cityListEnabled)
            appendEveryCity(lines, v);
        else
            lines << QStringLiteral("-");
    } else if (v.cityListEnabled) {
        const QString head = QStringLiteral("<tr><td align=right valign=Top><b>City:</b></td><td><font face=Verdana>");
        if (c.city && !c.cityAll) {
            lines << head << htmlEscape(v.shownCity);
        } else if (c.cityAll && (c.city || c.cityAllEnabled)) {
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
