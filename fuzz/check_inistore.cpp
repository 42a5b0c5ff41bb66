#include "checksupport.h"
#include "common/apperror.h"
#include "fuzzchecks.h"
#include "store/inistore.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include <optional>

namespace orbilex::fuzzcheck {

namespace {

// userdb.ini read by the rules the store states, written apart from its own
// reader: case-folded section -> case-folded key -> value.
using IniListing = QMap<QString, QMap<QString, QString>>;

QString iniText(const QByteArray &bytes)
{
    // Valid UTF-8 comes back unchanged; the "a" keeps a leading U+FEFF from
    // being taken for a byte-order mark.
    const QByteArray probe = 'a' + bytes;
    if (const QString text = QString::fromUtf8(probe); text.toUtf8() == probe)
        return text.mid(1);
    QStringDecoder windows1252("windows-1252");
    return windows1252(bytes);
}

QString iniValue(QByteArray text)
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

IniListing iniListing(QByteArray bytes)
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

QString differences(const IniListing &expected, const IniListing &found)
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
constexpr int kSampledSections = 12;
constexpr int kSampledKeys = 12;

// The sampled sections read through the store as the listing has them.
QString storeAgrees(const IniStore &store, const IniListing &listing, const char *when)
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

bool isSubsequence(const QByteArray &part, const QByteArray &whole)
{
    qsizetype i = 0;
    for (const char c : whole)
        if (i < part.size() && part[i] == c)
            ++i;
    return i == part.size();
}

} // namespace

// userdb.ini as a user may have left it: the input is the file. The store
// reads it as the rules say; writing one value changes only that key, and
// only the bytes of one line or where new lines go in; removing its section
// takes that section and nothing else, and adds no byte.
QString checkIniStore(const QByteArray &bytes, const QString &folder)
{
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

} // namespace orbilex::fuzzcheck
