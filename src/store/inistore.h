#pragma once
// The store of userdb.ini: sections named by country index, keys and text
// values. Each read reads the file as it is on disk (IniEditor says how its
// lines read); each write patches only the lines it changes, goes through a
// temporary file renamed into place, and keeps a second writer out with a
// lock file.

#include <QHash>
#include <QString>

namespace orbilex {

class IniStore
{
public:
    // Later operations work on this file.
    void SetFile(const QString &path);
    const QString &file() const { return m_path; }

    // The stored text, or defaultValue when the section or key is missing.
    QString ReadValue(const QString &section, const QString &key, const QString &defaultValue = QString()) const;

    // Every key of one section with its text, read in one pass: a shown
    // country reads its ten overrides so, not ten times the file.
    QHash<QString, QString> ReadSection(const QString &section) const;

    // Stores the value at once, creating the file and the section when missing.
    // Throws AppError when the file cannot be written; the old file is then
    // left as it was.
    void WriteValue(const QString &section, const QString &key, const QString &value);

    // The section collection of the file.
    IniStore &Sections() { return *this; }
    void AddSection(const QString &section);
    void RemoveSection(const QString &section);
    // One more than the named sections, so 1 means no country section is left.
    int SectionCount() const;

    // How long a write waits for another writer's lock before it fails.
    void setLockTimeout(int milliseconds) { m_lockTimeout = milliseconds; }

private:
    QString m_path;
    int m_lockTimeout = 2000;
};

} // namespace orbilex
