#include "store/settingsstore.h"

#include "store/savedfiles.h"

#include <QDir>
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

QString SettingsStore::read(const TextKey &key) const
{
    return textOf(key);
}

std::optional<QString> SettingsStore::storedText(const char *name) const
{
    const QVariant value = m_settings->value(keyPath(name));
    if (!value.isValid())
        return std::nullopt;
    return valueText(value);
}

bool SettingsStore::contains(const char *name) const
{
    return m_settings->contains(keyPath(name));
}

void SettingsStore::writeText(const char *name, const QString &text)
{
    m_settings->setValue(keyPath(name), text);
}

std::optional<AppError> SettingsStore::save()
{
    m_settings->sync();
    switch (m_settings->status()) {
    case QSettings::NoError:
        return std::nullopt;
    case QSettings::AccessError:
        return AppError::pathFileAccess();
    case QSettings::FormatError:
        break;
    }
    return AppError::invalidFileFormat();
}

void SettingsStore::clearAll()
{
    m_settings->clear();
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw AppError::pathFileAccess(QDir::toNativeSeparators(fileName()));
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}

} // namespace orbilex
