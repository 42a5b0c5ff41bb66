#pragma once
// The searches behind the country list's type-ahead and the code boxes. They
// work on the entries of a list, handed in as a count and an accessor, so the
// window passes its boxes and tests pass plain lists.

#include <QString>

#include <optional>

namespace orbilex {

// The platform's list-box prefix search: the first entry that begins with
// text, letter case ignored, looking at the entries after start to the end,
// then from the first entry up to start itself.
template<typename EntryAt> std::optional<int> findPrefixAfter(int count, EntryAt entryAt, QStringView text, int start)
{
    if (count <= 0)
        return std::nullopt;
    // Any start counts round the list: one below -1 would otherwise give
    // negative indexes, and one near INT_MAX overflow.
    const int from = int((qint64(start) % count + count) % count);
    for (int step = 1; step <= count; ++step) {
        const int i = (from + step) % count;
        if (QStringView(entryAt(i)).startsWith(text, Qt::CaseInsensitive))
            return i;
    }
    return std::nullopt;
}

// The first entry from the top that begins with prefix, letter case ignored;
// the empty prefix matches the first entry.
template<typename EntryAt> std::optional<int> findPrefixFromTop(int count, EntryAt entryAt, QStringView prefix)
{
    for (int i = 0; i < count; ++i)
        if (QStringView(entryAt(i)).startsWith(prefix, Qt::CaseInsensitive))
            return i;
    return std::nullopt;
}

// The distinguishing-sign box: which entry a typed text chooses. A single
// letter chooses only the country whose sign is that one letter; a longer text
// prefers an exact match (letter case counts) over the prefix search.
template<typename EntryAt> std::optional<int> signRuleChoice(int count, EntryAt entryAt, const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const std::optional<int> found = findPrefixAfter(count, entryAt, trimmed, 0);
    if (!found)
        return std::nullopt;
    if (text.size() == 1) {
        // Only letters are one-letter signs; "-", the placeholder of a
        // country without a sign, is an entry too and must choose nothing.
        const QString letter = text.toUpper();
        if (letter.front() < u'A' || letter.front() > u'Z')
            return std::nullopt;
        for (int i = 0; i < count; ++i)
            if (entryAt(i) == letter)
                return i;
        return std::nullopt;
    }
    for (int i = 0; i < count; ++i)
        if (entryAt(i) == text)
            return i;
    return found;
}

// The prefix typed into the country list and its idle ticks.
class TypeAhead
{
public:
    static constexpr int kTickMs = 900;

    // A character code as the list receives it: 8 drops the last character,
    // 13 is ignored, every other code is appended (control codes included).
    void key(char16_t code);
    // One idle tick; true when this tick ended the typing (prefix emptied).
    bool tick();

    const QString &prefix() const { return m_prefix; }
    int idleTicks() const { return m_idleTicks; }

private:
    QString m_prefix;
    int m_idleTicks = 0;
};

} // namespace orbilex
