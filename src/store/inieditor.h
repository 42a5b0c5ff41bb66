#pragma once
// userdb.ini as bytes, read and edited line by line. A write replaces the value
// of one line, inserts one key line or appends one section; a removal cuts one
// section's lines; every other byte stays as it was. The files of the older
// Windows program are Windows-1252, hand-edited ones may hold comments, CR LF
// and stray binary bytes, and all of that must come out of a save untouched.
//
// How the bytes read:
// - A line ends at LF, CR LF or a lone CR. A UTF-8 byte-order mark at the
//   start of the file is skipped.
// - A line whose first non-blank character is "[" starts a section, named by
//   the text up to the first "]", blanks trimmed. Without a "]", or with an
//   empty name, it starts a region no name reaches: the keys below it never
//   attach to the section above.
// - A line whose first non-blank character is ";" or "#" is a comment.
// - Any other line with an "=" is a key line: the key is the text before the
//   first "=", the value the text after it, both with blanks trimmed. Lines
//   before the first section, lines without "=" or with an empty key belong
//   to no key and are only kept.
// - Blanks are spaces and tabs; around section and key names, control
//   characters count as blanks too, so a stray byte of binary junk at the
//   start of a line does not hide the section or key on it.
// - Section and key names compare with letter case ignored. A section named
//   more than once holds the keys of all its parts; a key given more than once
//   reads as its last line.
// - A value is the user's text as it stands: a backslash, a comma or a ";" is
//   an ordinary character. A value wholly in double quotes reads without them.
//   The forms the program writes for what a plain line cannot hold are also
//   read back: "@@" at the start reads as one "@", and "@Text(...)" holds line
//   breaks as \r and \n (and a backslash as \\).
// - Each key and value is decoded by itself: as UTF-8 when it is valid UTF-8,
//   else as Windows-1252, the code page of the older program's files.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace orbilex {

class IniEditor
{
public:
    explicit IniEditor(QByteArray bytes = {});

    const QByteArray &bytes() const { return m_bytes; }

    std::optional<QString> value(const QString &section, const QString &key) const;
    // Each key once, spelt as at its first line, with the value it reads as.
    QHash<QString, QString> section(const QString &section) const;
    // The sections that hold at least one key, each once.
    int sectionCount() const;

    // Patches the key's line, or adds it at the end of its section, or adds
    // the section at the end of the file. Throws AppError (5) for a section or
    // key name that no line could hold.
    void setValue(const QString &section, const QString &key, const QString &value);
    // Cuts each part of the section, from its first line to its last key line.
    // Returns whether anything was cut.
    bool removeSection(const QString &section);

    // The line form of a value, and the value a line's text after "=" reads as.
    static QByteArray encodeValue(const QString &value, bool windows1252);
    static QString decodeValue(QByteArrayView text);

private:
    enum class Kind : quint8 { Other, Header, Key };
    struct Line {
        qsizetype begin = 0; // first byte
        qsizetype end = 0; // end of the text, before the line end
        qsizetype next = 0; // first byte after the line end
        qsizetype equals = -1; // the "=" of a key line
        int part = -1; // index into m_parts of the section the line is in
        Kind kind = Kind::Other;
    };
    struct Part {
        QString name; // case-folded; empty for a region no name reaches
        int header = 0; // its line
        int lastKey = -1; // its last key line
    };

    void parse();
    QList<int> partsOf(const QString &section) const;
    QString keyOf(const Line &line) const;
    QByteArrayView valueText(const Line &line) const;
    QByteArray lineEndAfter(int line) const;
    bool holdsWindows1252() const;
    void splice(qsizetype from, qsizetype to, const QByteArray &with);

    QByteArray m_bytes;
    QList<Line> m_lines;
    QList<Part> m_parts;
};

} // namespace orbilex
