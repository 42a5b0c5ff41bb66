#pragma once
// What the checks share: a reader of the input's fields, a printable form of
// what they report, and the lists of the main window's boxes.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace orbilex::fuzzcheck {

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

// A text quoted, every character outside printable ASCII and every backslash
// escaped.
QString shown(const QString &text);
QString shown(std::optional<int> index);

// The lists of the main window's boxes, filled as the window fills them.
const QList<QStringList> &boxLists();
const QStringList &countryNames();

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

// Whether entry begins with text, case aside, as the searches compare.
bool begins(const QString &entry, const QString &text);
// The first entry that begins with text.
std::optional<int> expectedFromTop(const QStringList &list, const QString &text);

} // namespace orbilex::fuzzcheck
