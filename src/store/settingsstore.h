#pragma once
// The per-user settings: named text values in the section "Settings".

#include "store/settingskeys.h"

#include <QString>

#include <memory>

class QSettings;

namespace orbilex {

class SettingsStore
{
public:
    explicit SettingsStore(std::unique_ptr<QSettings> settings);
    ~SettingsStore();

    // The stored text; the key's default when missing; empty without one.
    QString read(const SettingKey &key) const;
    // By name, for keys listed in a table (the field check boxes).
    QString read(const char *name, const char *defaultValue = nullptr) const;
    bool contains(const SettingKey &key) const;

    void write(const SettingKey &key, const QString &value);
    void write(const char *name, const QString &value);

    // Deletes every value of the application.
    void clear();

    QSettings &backend() const { return *m_settings; }

private:
    std::unique_ptr<QSettings> m_settings;
};

// Text forms of the stored values.
inline QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}
inline QString truthText(bool on)
{
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace orbilex
