#pragma once
// What each fuzz target does with one input, shared with the regression test
// that replays the inputs the fuzzers found. A check returns what went wrong,
// or an empty text when the input was handled as it must be; crashes and
// undefined behaviour are left to the sanitizers.

#include "store/storedvalues.h"
#include "data/codelists.h"
#include "data/countries.h"
#include "data/dialing.h"
#include "data/text.h"
#include "common/apperror.h"
#include "platform/ipdatabase.h"
#include "store/inistore.h"
#include "store/savedfiles.h"
#include "store/settingskeys.h"
#include "store/settingsstore.h"
#include "store/worldlocations.h"
#include "viewlogic/ipconvert.h"
#include "viewlogic/codesearch.h"
#include "viewlogic/windowmath.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMap>
#include <QRegularExpression>
#include <QSettings>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <QTemporaryFile>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace orbilex::fuzzcheck {

namespace detail {

// Takes the input apart front to back; past its end every number is 0.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }
    quint8 byte() { return m_pos < m_bytes.size() ? quint8(m_bytes[m_pos++]) : 0; }
    quint16 u16() { return quint16(byte() | byte() << 8); }
    qint32 i32() { return qint32(quint32(u16()) | quint32(u16()) << 16); }
    QByteArray rest()
    {
        const QByteArray r = m_bytes.mid(m_pos);
        m_pos = m_bytes.size();
        return r;
    }
    bool atEnd() const { return m_pos >= m_bytes.size(); }

private:
    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
};

inline QString shown(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u'\\')
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return u'"' + out + u'"';
}

inline QString shown(std::optional<int> index)
{
    return index ? QString::number(*index) : QStringLiteral("none");
}

// userdb.ini read by the rules the store states, written apart from its own
// reader: case-folded section -> case-folded key -> value.
using IniListing = QMap<QString, QMap<QString, QString>>;

inline QString iniText(const QByteArray &bytes)
{
    // Valid UTF-8 comes back unchanged; the "a" keeps a leading U+FEFF from
    // being taken for a byte-order mark.
    const QByteArray probe = 'a' + bytes;
    if (const QString text = QString::fromUtf8(probe); text.toUtf8() == probe)
        return text.mid(1);
    QStringDecoder windows1252("windows-1252");
    return windows1252(bytes);
}

inline QString iniValue(QByteArray text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove(0, 1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    if (text.size() >= 2 && text.startsWith('"') && text.endsWith('"'))
        return iniText(text.mid(1, text.size() - 2));
    if (text.startsWith("@@"))
        return iniText(text.mid(1));
    if (!text.startsWith("@Text(") || !text.endsWith(')'))
        return iniText(text);
    const QString escaped = iniText(text.mid(6, text.size() - 7));
    static const QRegularExpression escape(QStringLiteral("\\\\[\\\\rn]"));
    QString value;
    qsizetype at = 0;
    for (const QRegularExpressionMatch &match : escape.globalMatch(escaped)) {
        const QChar c = match.captured().at(1);
        value += escaped.mid(at, match.capturedStart() - at) + (c == u'r' ? u'\r' : c == u'n' ? u'\n' : u'\\');
        at = match.capturedEnd();
    }
    return value + escaped.mid(at);
}

inline IniListing iniListing(QByteArray bytes)
{
    IniListing listing;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const auto nameBlank = [](char c) { return uchar(c) <= ' '; };
    const auto stripped = [&](QByteArray text) {
        while (!text.isEmpty() && nameBlank(text.front()))
            text.remove(0, 1);
        while (!text.isEmpty() && nameBlank(text.back()))
            text.chop(1);
        return text;
    };
    std::optional<QString> section;
    for (QByteArray line : bytes.replace("\r\n", "\n").replace('\r', '\n').split('\n')) {
        while (!line.isEmpty() && nameBlank(line.front()))
            line.remove(0, 1);
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            const QString name = close < 0 ? QString() : iniText(stripped(line.mid(1, close - 1))).toCaseFolded();
            section = name.isEmpty() ? std::nullopt : std::optional(name);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        const QByteArray key = stripped(line.left(equals));
        if (!section || line.startsWith(';') || line.startsWith('#') || equals < 0 || key.isEmpty())
            continue;
        listing[*section][iniText(key).toCaseFolded()] = iniValue(line.mid(equals + 1));
    }
    return listing;
}

inline QString differences(const IniListing &expected, const IniListing &found)
{
    const auto flat = [](const IniListing &listing) {
        QMap<QString, QString> keys;
        for (auto section = listing.cbegin(); section != listing.cend(); ++section)
            for (auto key = section->cbegin(); key != section->cend(); ++key)
                keys.insert(section.key() + u'/' + key.key(), key.value());
        return keys;
    };
    const QMap<QString, QString> wanted = flat(expected);
    const QMap<QString, QString> got = flat(found);
    QStringList lines;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        if (!got.contains(it.key()))
            lines << QStringLiteral("lost %1 = %2").arg(shown(it.key()), shown(it.value()));
        else if (got.value(it.key()) != it.value())
            lines << QStringLiteral("%1 was %2, now %3")
                         .arg(shown(it.key()), shown(it.value()), shown(got.value(it.key())));
    }
    for (auto it = got.cbegin(); it != got.cend(); ++it)
        if (!wanted.contains(it.key()))
            lines << QStringLiteral("gained %1 = %2").arg(shown(it.key()), shown(it.value()));
    return lines.join(QStringLiteral("; "));
}

// Reads of many sections cost a read of the file each; a sample suffices.
inline constexpr int kSampledSections = 12;
inline constexpr int kSampledKeys = 12;

// The sampled sections read through the store as the listing has them.
inline QString storeAgrees(const IniStore &store, const IniListing &listing, const char *when)
{
    const QLatin1StringView step(when);
    if (store.SectionCount() != listing.size() + 1)
        return QStringLiteral("%1: SectionCount %2 for %3 sections")
            .arg(step)
            .arg(store.SectionCount())
            .arg(listing.size());
    int sampled = 0;
    int keysRead = 0;
    for (auto section = listing.cbegin(); section != listing.cend() && sampled < kSampledSections;
         ++section, ++sampled) {
        QMap<QString, QString> found;
        const QHash<QString, QString> read = store.ReadSection(section.key());
        for (auto it = read.cbegin(); it != read.cend(); ++it)
            found.insert(it.key().toCaseFolded(), it.value());
        if (found != *section)
            return QStringLiteral("%1: ReadSection(%2) differs from the file: %3")
                .arg(step, shown(section.key()), differences({{section.key(), *section}}, {{section.key(), found}}));
        for (auto key = section->cbegin(); key != section->cend() && keysRead < kSampledKeys; ++key, ++keysRead) {
            const QString value = store.ReadValue(section.key(), key.key(), QStringLiteral("<missing>"));
            if (value != key.value())
                return QStringLiteral("%1: ReadValue(%2, %3) is %4, the file holds %5")
                    .arg(step, shown(section.key()), shown(key.key()), shown(value), shown(key.value()));
        }
    }
    return {};
}

inline bool isSubsequence(const QByteArray &part, const QByteArray &whole)
{
    qsizetype i = 0;
    for (const char c : whole)
        if (i < part.size() && part[i] == c)
            ++i;
    return i == part.size();
}

inline QStringList codeColumn(std::string_view CountryCodes::*column)
{
    QStringList entries;
    for (const CountryCodes &row : kCodes)
        entries << qs(row.*column);
    return entries;
}

template<typename Rows> QStringList textsOf(const Rows &rows)
{
    QStringList entries;
    for (const std::string_view row : rows)
        entries << qs(row);
    return entries;
}

// The lists of the main window's boxes, filled as the window fills them.
inline const QList<QStringList> &boxLists()
{
    static const QList<QStringList> lists {
        codeColumn(&CountryCodes::alpha2),
        codeColumn(&CountryCodes::alpha3),
        codeColumn(&CountryCodes::tld),
        codeColumn(&CountryCodes::fips),
        codeColumn(&CountryCodes::ioc),
        codeColumn(&CountryCodes::currency),
        codeColumn(&CountryCodes::language),
        codeColumn(&CountryCodes::sign),
        textsOf(kCountryNames),
        textsOf(kDialingCodes),
    };
    return lists;
}

inline const QStringList &countryNames()
{
    return boxLists()[8];
}

// A list as the searches see it: a count and an accessor that notes every
// index outside the list.
struct Entries {
    const QStringList &list;
    mutable bool outside = false;
    int count() const { return int(list.size()); }
    auto at() const
    {
        return [this](int i) {
            if (i < 0 || i >= list.size()) {
                outside = true;
                return QString();
            }
            return list[i];
        };
    }
};

inline bool begins(const QString &entry, const QString &text)
{
    return entry.startsWith(text, Qt::CaseInsensitive);
}

// The first entry that begins with text, looking after start round to start
// itself, counted without overflow for any start.
inline std::optional<int> expectedAfter(const QStringList &list, const QString &text, int start)
{
    const qint64 n = list.size();
    for (qint64 step = 1; step <= n; ++step) {
        const int i = int(((qint64(start) + step) % n + n) % n);
        if (begins(list[i], text))
            return i;
    }
    return std::nullopt;
}

inline std::optional<int> expectedFromTop(const QStringList &list, const QString &text)
{
    for (int i = 0; i < list.size(); ++i)
        if (begins(list[i], text))
            return i;
    return std::nullopt;
}

inline std::optional<int> firstEqual(const QStringList &list, const QString &text)
{
    const qsizetype i = list.indexOf(text);
    return i < 0 ? std::nullopt : std::optional<int>(int(i));
}

// A dotted quad by the rule the window states, written independently of the
// program's parser.
inline std::optional<quint32> expectedAddress(const QString &text)
{
    static const QRegularExpression quad(QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})")));
    const QRegularExpressionMatch match = quad.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    quint32 address = 0;
    for (int part = 1; part <= 4; ++part) {
        const int value = match.captured(part).toInt();
        if (value > 255)
            return std::nullopt;
        address = address << 8 | quint32(value);
    }
    return address;
}

} // namespace detail

// userdb.ini as a user may have left it: the input is the file. The store
// reads it as the rules say; writing one value changes only that key, and
// only the bytes of one line or where new lines go in; removing its section
// takes that section and nothing else, and adds no byte.
inline QString checkIniStore(const QByteArray &bytes, const QString &folder)
{
    using namespace detail;
    const QString path = folder + QStringLiteral("/userdb.ini");
    const auto contentOf = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return QStringLiteral("cannot write the input file");
    }
    IniStore store;
    store.SetFile(path);
    const char *step = "reading";
    try {
        const IniListing before = iniListing(bytes);
        if (QString problem = storeAgrees(store, before, "as found"); !problem.isEmpty())
            return problem;

        // The written value is the input's start, line breaks, quotes, "@" and
        // backslashes of every kind included; an odd last byte overwrites a key.
        const QString section = before.isEmpty() ? QStringLiteral("0") : before.firstKey();
        const bool overwrite = before.contains(section) && (bytes.isEmpty() || (bytes.back() & 1));
        const QString key = overwrite ? before[section].firstKey() : QStringLiteral("written");
        const QString value = QString::fromUtf8(bytes.left(80));
        step = "writing";
        store.WriteValue(section, key, value);
        step = "reading after the write";

        const QByteArray written = contentOf();
        IniListing expected = before;
        expected[section][key] = value;
        if (const IniListing after = iniListing(written); after != expected)
            return QStringLiteral("writing %1/%2 = %3 changed the file: %4")
                .arg(shown(section), shown(key), shown(value), differences(expected, after));
        qsizetype prefix = 0;
        while (prefix < bytes.size() && prefix < written.size() && bytes[prefix] == written[prefix])
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < qMin(bytes.size(), written.size()) - prefix
            && bytes[bytes.size() - 1 - suffix] == written[written.size() - 1 - suffix])
            ++suffix;
        const QByteArray replaced = bytes.mid(prefix, bytes.size() - prefix - suffix);
        if (replaced.contains('\n') || replaced.contains('\r'))
            return QStringLiteral("writing %1/%2 replaced more than one line: %3 bytes from %4")
                .arg(shown(section), shown(key))
                .arg(replaced.size())
                .arg(prefix);
        if (QString problem = storeAgrees(store, expected, "after the write"); !problem.isEmpty())
            return problem;

        step = "removing the section";
        store.RemoveSection(section);
        step = "reading after the removal";
        const QByteArray left = contentOf();
        expected.remove(section);
        if (const IniListing after = iniListing(left); after != expected)
            return QStringLiteral("removing section %1 changed the file: %2")
                .arg(shown(section), differences(expected, after));
        if (!isSubsequence(left, written))
            return QStringLiteral("removing section %1 changed bytes it kept").arg(shown(section));
        if (QString problem = storeAgrees(store, expected, "after the removal"); !problem.isEmpty())
            return problem;
    } catch (const AppError &error) {
        return QStringLiteral("AppError %1 %2 while %3")
            .arg(error.number)
            .arg(error.description, QLatin1StringView(step));
    }
    return {};
}

// The per-user settings file as a user may have left it: the input is the
// file. At start the program makes its binary values text, then reads keys
// through the store. Every key reads as the file's text, and after one write
// and a new start every other key reads as before and the written one as
// written.
inline QString checkSettingsStore(const QByteArray &bytes, const QString &folder)
{
    using namespace detail;
    // A fresh name for each file: QSettings trusts its parse of a path whose
    // size and time stamp look unchanged.
    const auto freshFile = [&](const QByteArray &content) {
        auto file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/Orbilex.XXXXXX.conf"));
        if (file->open())
            file->write(content);
        file->close();
        return file;
    };
    const auto contentOf = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const auto storeOn
        = [](const QString &path) { return SettingsStore(std::make_unique<QSettings>(path, QSettings::IniFormat)); };

    static const QList<QByteArray> programKeys = [] {
        QList<QByteArray> names;
        for (const char *name : {keys::FirstUp.name, keys::Left.name, keys::Top.name, keys::CountryName.name,
                 keys::wState.name, keys::wVis.name, keys::wip.name, keys::wiso.name, keys::wmap.name, keys::wlat.name,
                 keys::chkOption.name, keys::chkSelHtml.name, keys::chkDST.name, keys::EnableTray.name,
                 keys::OTray.name, keys::WinStart.name, keys::USCi.name, keys::Left_World.name, keys::Top_World.name,
                 keys::Left_IPL.name, keys::Top_IPL.name, keys::AutoHide.name, keys::Left_ISO.name, keys::Top_ISO.name,
                 keys::Left_Lat.name, keys::Top_Lat.name})
            names << QByteArray(name);
        return names;
    }();

    try {
        const auto first = freshFile(bytes);
        makeValuesText(first->fileName());
        // The names to read: the program's keys and whatever else the file
        // holds in its section, as far as the store can name it.
        QList<QByteArray> names = programKeys;
        QMap<QString, QString> expected;
        {
            const auto copy = freshFile(contentOf(first->fileName()));
            QSettings raw(copy->fileName(), QSettings::IniFormat);
            raw.beginGroup(QStringLiteral("Settings"));
            for (const QString &key : raw.childKeys()) {
                const QByteArray latin = key.toLatin1();
                if (QString::fromLatin1(latin) == key && !latin.contains('\0') && !names.contains(latin))
                    names << latin;
            }
            // A value QSettings cannot make anything of ("@Invalid()") reads as missing.
            for (const QByteArray &name : std::as_const(names))
                if (const QVariant v = raw.value(QString::fromLatin1(name)); v.isValid())
                    expected.insert(QString::fromLatin1(name), valueText(v));
        }

        QMap<QString, QString> before;
        const QString written = QString::fromLatin1(names[bytes.isEmpty() ? 0 : quint8(bytes.back()) % names.size()]);
        const qsizetype lineEnd = bytes.indexOf('\n');
        const QString value = QString::fromUtf8(bytes.left(qMin<qsizetype>(lineEnd < 0 ? bytes.size() : lineEnd, 80)));
        {
            SettingsStore store = storeOn(first->fileName());
            for (const QByteArray &name : std::as_const(names)) {
                const QString text = store.read(TextKey {name.constData(), "<missing>"});
                if (text != expected.value(QString::fromLatin1(name), QStringLiteral("<missing>")))
                    return QStringLiteral("%1 reads as %2, the file holds %3")
                        .arg(shown(QString::fromLatin1(name)), shown(text),
                            shown(expected.value(QString::fromLatin1(name), QStringLiteral("<missing>"))));
                before.insert(QString::fromLatin1(name), text);
            }
            const QByteArray writtenName = written.toLatin1();
            store.write(TextKey {writtenName.constData()}, value);
        }

        // The next start.
        const auto second = freshFile(contentOf(first->fileName()));
        makeValuesText(second->fileName());
        SettingsStore store = storeOn(second->fileName());
        before.insert(written, value);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const QByteArray name = it.key().toLatin1();
            const QString text = store.read(TextKey {name.constData(), "<missing>"});
            if (text != it.value())
                return QStringLiteral("after writing %1 = %2 and a new start, %3 reads as %4, before as %5")
                    .arg(shown(written), shown(value), shown(it.key()), shown(text), shown(it.value()));
        }
    } catch (const AppError &error) {
        return QStringLiteral("AppError %1 %2").arg(error.number).arg(error.description);
    }
    return {};
}

// The code boxes' searches over the real lists, or over a list from the
// input. Layout: list choice, start (4 bytes), then UTF-8 text; for the
// input's own list its first line is the text and every further line an entry.
inline QString checkCodeSearch(const QByteArray &bytes)
{
    using namespace detail;
    Reader in(bytes);
    const QList<QStringList> &lists = boxLists();
    const int choice = in.byte() % (lists.size() + 1);
    const int start = in.i32();
    QString text = QString::fromUtf8(in.rest());
    QStringList own;
    if (choice == lists.size()) {
        own = text.split(u'\n');
        text = own.takeFirst();
    }
    const QStringList &list = choice == lists.size() ? own : lists[choice];
    const Entries entries {list};
    const QString where = QStringLiteral("list %1, start %2, text %3").arg(choice).arg(start).arg(shown(text));

    const std::optional<int> after = findPrefixAfter(entries.count(), entries.at(), text, start);
    if (after != (list.isEmpty() ? std::nullopt : expectedAfter(list, text, start)))
        return QStringLiteral("findPrefixAfter gave %1, expected %2 (%3)")
            .arg(shown(after), shown(expectedAfter(list, text, start)), where);

    const std::optional<int> top = findPrefixFromTop(entries.count(), entries.at(), text);
    if (top != expectedFromTop(list, text))
        return QStringLiteral("findPrefixFromTop gave %1, expected %2 (%3)")
            .arg(shown(top), shown(expectedFromTop(list, text)), where);

    // The sign box: one letter chooses only the entry that is that letter; a
    // longer text prefers an exact entry to the prefix search on the trimmed text.
    const std::optional<int> sign = signRuleChoice(entries.count(), entries.at(), text);
    const QString trimmed = text.trimmed();
    std::optional<int> expectedSign;
    if (!trimmed.isEmpty() && expectedFromTop(list, trimmed)) {
        if (text.size() == 1)
            expectedSign = firstEqual(list, text.toUpper());
        else
            expectedSign = firstEqual(list, text) ? firstEqual(list, text) : expectedAfter(list, trimmed, 0);
    }
    if (sign != expectedSign)
        return QStringLiteral("signRuleChoice gave %1, expected %2 (%3)").arg(shown(sign), shown(expectedSign), where);

    if (entries.outside)
        return QStringLiteral("a search read outside the list (%1)").arg(where);
    return {};
}

// The country list's type-ahead on any key codes and idle ticks, searched as
// the list searches after each key. Three bytes a step: the step's kind (a
// tick when its low two bits are set), then a key code.
inline QString checkTypeAhead(const QByteArray &bytes)
{
    using namespace detail;
    Reader in(bytes);
    TypeAhead typeAhead;
    std::u16string prefix;
    int idle = 0;
    const Entries names {countryNames()};
    for (int step = 0; !in.atEnd(); ++step) {
        const bool tick = (in.byte() & 3) == 3;
        const char16_t code = in.u16();
        if (tick) {
            const bool ended = typeAhead.tick();
            ++idle;
            if (ended != (idle == 2))
                return QStringLiteral("step %1: tick %2 reported %3").arg(step).arg(idle).arg(ended);
            if (idle == 2)
                prefix.clear();
        } else {
            typeAhead.key(code);
            if (code == 8) {
                if (!prefix.empty())
                    prefix.pop_back();
            } else if (code != 13) {
                prefix.push_back(code);
            }
            idle = 0;
        }
        // Not fromStdU16String: that takes a leading U+FEFF or U+FFFE for a byte-order mark.
        const QString expected(reinterpret_cast<const QChar *>(prefix.data()), qsizetype(prefix.size()));
        if (typeAhead.prefix() != expected || typeAhead.idleTicks() != idle)
            return QStringLiteral("step %1: prefix %2 after %3 idle ticks, expected %4 after %5")
                .arg(step)
                .arg(shown(typeAhead.prefix()))
                .arg(typeAhead.idleTicks())
                .arg(shown(expected))
                .arg(idle);
        if (!tick) {
            const std::optional<int> found = findPrefixFromTop(names.count(), names.at(), typeAhead.prefix());
            if (found != expectedFromTop(names.list, expected) || names.outside)
                return QStringLiteral("step %1: prefix %2 found %3").arg(step).arg(shown(expected), shown(found));
        }
    }
    return {};
}

// wlocation.dat as a user may have left it, and the program's store of one
// marker into it, through the file in folder. Layout: the line whose country
// is stored (2 bytes; past the last line, a country of the list), country
// (2 bytes), x and y (4 bytes each), then the file.
inline QString checkLocationFile(const QByteArray &bytes, const QString &folder)
{
    using namespace detail;
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

// The IP window's text: the input as typed (UTF-8). The address rule is
// checked against a separate reading of it; with a database, the answers
// must be ones the window can show and hand over.
inline QString checkIpAddress(const QByteArray &bytes, const IpDatabase *db)
{
    using namespace detail;
    const QString text = QString::fromUtf8(bytes);
    const std::optional<quint32> address = parseDottedQuad(text);
    if (address != expectedAddress(text))
        return QStringLiteral("%1 read as %2, expected %3")
            .arg(shown(text))
            .arg(address ? QString::number(*address) : QStringLiteral("none"))
            .arg(expectedAddress(text) ? QString::number(*expectedAddress(text)) : QStringLiteral("none"));

    if (properCase(text).size() != text.size())
        return QStringLiteral("properCase changed the length of %1").arg(shown(text));
    static_cast<void>(looksLikeAddress(text));

    if (!db)
        return {};
    const QString shortName = db->shortName(text);
    const QString longName = db->longName(text);
    if (!address && (shortName != u"-" || !longName.isEmpty()))
        return QStringLiteral("%1 is no address but gave %2 %3").arg(shown(text), shortName, shown(longName));
    if (shortName == u"-" && !longName.isEmpty())
        return QStringLiteral("%1 has no country but the name %2").arg(shown(text), shown(longName));
    if (const std::optional<QString> code = handOverCode(shortName)) {
        if (!boxLists()[0].contains(*code) || longName.isEmpty())
            return QStringLiteral("%1 hands over %2 (%3), which the country list lacks")
                .arg(shown(text), shown(*code), shown(longName));
    } else if (shortName != u"-" && shortName != u"--") {
        return QStringLiteral("%1 gave the short name %2").arg(shown(text), shown(shortName));
    }
    return {};
}

} // namespace orbilex::fuzzcheck
