#include "store/settingsstore.h"

#include "store/savedfiles.h"

#include <QSettings>

namespace orbilex {

namespace {

QString keyPath(const char *name)
{
    return QStringLiteral("Settings/") + QLatin1StringView(name);
}

} // namespace

SettingsStore::SettingsStore(std::unique_ptr<QSettings> settings)
    : m_settings(std::move(settings))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::read(const SettingKey &key) const
{
    return read(key.name, key.defaultValue);
}

QString SettingsStore::read(const char *name, const char *defaultValue) const
{
    const QVariant value = m_settings->value(keyPath(name));
    if (!value.isValid())
        return defaultValue ? QString::fromLatin1(defaultValue) : QString();
    return valueText(value);
}

bool SettingsStore::contains(const SettingKey &key) const
{
    return m_settings->contains(keyPath(key.name));
}

void SettingsStore::write(const SettingKey &key, const QString &value)
{
    write(key.name, value);
}

void SettingsStore::write(const char *name, const QString &value)
{
    m_settings->setValue(keyPath(name), value);
}

void SettingsStore::clear()
{
    m_settings->clear();
}

} // namespace orbilex
