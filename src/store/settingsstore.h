#pragma once
// The per-user settings: typed values kept as text in the section "Settings".

#include "common/apperror.h"
#include "store/settingskeys.h"

#include <QString>

#include <memory>
#include <optional>

class QSettings;

namespace orbilex {

class SettingsStore
{
public:
    explicit SettingsStore(std::unique_ptr<QSettings> settings);
    ~SettingsStore();

    // The stored value; the key's default when missing. A number or yes/no
    // stored as text that is none has no value, nor has a missing key
    // without a default; text without one reads as empty.
    QString read(const TextKey &key) const;
    std::optional<int> read(const IntKey &key) const { return readValue(key); }
    std::optional<bool> read(const BoolKey &key) const { return readValue(key); }

    // The stored value; throws "Type mismatch" when there is none.
    template<typename Key> auto require(const Key &key) const
    {
        const auto value = read(key);
        if (!value)
            throw AppError::typeMismatch();
        return *value;
    }

    // Whether the key holds exactly the text value is written as (its
    // default counts when missing). Stricter than read(): "2" and " 1" are
    // yes to read() but not the "1" this asks for.
    bool holds(const IntKey &key, int value) const { return textOf(key) == key.format(value); }
    bool holds(const BoolKey &key, bool value) const { return textOf(key) == key.format(value); }

    // Whether the key reads as empty text: missing without a default, or
    // stored empty.
    template<typename Key> bool isBlank(const Key &key) const { return textOf(key).isEmpty(); }

    bool contains(const char *name) const;
    template<typename Key> bool contains(const Key &key) const { return contains(key.name); }

    void write(const TextKey &key, const QString &value) { writeText(key.name, key.format(value)); }
    void write(const IntKey &key, int value) { writeText(key.name, key.format(value)); }
    void write(const BoolKey &key, bool value) { writeText(key.name, key.format(value)); }

    // Writes what was set to the disk. Returns the error when the store
    // could not be written (an access error or a file it cannot parse).
    std::optional<AppError> save();
    // Deletes every value of the application, on the disk too. Throws
    // AppError (75, the file named) when that does not reach the disk: the
    // values would come back on the next start.
    void clearAll();
    // Where the values are kept.
    QString fileName() const;

private:
    // The stored text; none when missing.
    std::optional<QString> storedText(const char *name) const;
    void writeText(const char *name, const QString &text);

    static QString defaultText(const TextKey &key)
    {
        return key.defaultValue ? QString::fromLatin1(key.defaultValue) : QString();
    }
    template<typename Key> static QString defaultText(const Key &key)
    {
        return key.defaultValue ? key.format(*key.defaultValue) : QString();
    }
    template<typename Key> QString textOf(const Key &key) const
    {
        return storedText(key.name).value_or(defaultText(key));
    }
    template<typename Key> auto readValue(const Key &key) const -> decltype(key.parse(QString()))
    {
        const std::optional<QString> text = storedText(key.name);
        if (!text)
            return key.defaultValue;
        return key.parse(*text);
    }

    std::unique_ptr<QSettings> m_settings;
};

} // namespace orbilex
