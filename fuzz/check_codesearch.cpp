#include "checksupport.h"
#include "fuzzchecks.h"
#include "viewlogic/codesearch.h"

namespace orbilex::fuzzcheck {

namespace {

// The first entry that begins with text, looking after start round to start
// itself, counted without overflow for any start.
std::optional<int> expectedAfter(const QStringList &list, const QString &text, int start)
{
    const qint64 n = list.size();
    for (qint64 step = 1; step <= n; ++step) {
        const int i = int(((qint64(start) + step) % n + n) % n);
        if (begins(list[i], text))
            return i;
    }
    return std::nullopt;
}

std::optional<int> firstEqual(const QStringList &list, const QString &text)
{
    const qsizetype i = list.indexOf(text);
    return i < 0 ? std::nullopt : std::optional<int>(int(i));
}

} // namespace

// The code boxes' searches over the real lists, or over a list from the
// input. Layout: list choice, start (4 bytes), then UTF-8 text; for the
// input's own list its first line is the text and every further line an entry.
QString checkCodeSearch(const QByteArray &bytes)
{
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

} // namespace orbilex::fuzzcheck
