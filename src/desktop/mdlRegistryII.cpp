#include "desktop/mdlRegistryII.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>

namespace orbilex::mdlRegistryII {

namespace {

constexpr const char *kEntryName = "Orbilex";

// An Exec argument in double quotes: the desktop entry format wants ", `, $
// and \ escaped inside the quotes, then every \ of the value escaped again,
// and % doubled.
QString execArgument(const QString &path)
{
    QString quoted;
    for (QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted = u'"' + quoted + u'"';
    return quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'%', QStringLiteral("%%"));
}

QString entryFile(const QString &folder)
{
    return QDir(folder).filePath(QLatin1StringView(kEntryName) + QStringLiteral(".desktop"));
}

#ifdef Q_OS_WIN
const QString kRunKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
#endif

} // namespace

QString runValue(const QString &programPath)
{
    QString path = programPath;
    return u'"' + path.replace(u'/', u'\\') + u'"';
}

QString autostartEntry(const QString &programPath)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Orbilex\n"
                          "Comment=Country codes reference\n"
                          "Exec=")
        + execArgument(programPath)
        + QStringLiteral("\n"
                         "Icon=orbilex\n"
                         "Terminal=false\n"
                         "X-GNOME-Autostart-enabled=true\n");
}

int SetStartupEntry(const QString &autostartFolder, const QString &programPath)
{
#ifdef Q_OS_WIN
    Q_UNUSED(autostartFolder);
    QSettings run(kRunKey, QSettings::NativeFormat);
    run.setValue(QLatin1StringView(kEntryName), runValue(programPath));
    run.sync();
    return run.status() == QSettings::NoError ? 0 : 1;
#else
    if (!QDir().mkpath(autostartFolder))
        return 1;
    QSaveFile file(entryFile(autostartFolder));
    if (!file.open(QIODevice::WriteOnly))
        return 2;
    file.write(autostartEntry(programPath).toUtf8());
    return file.commit() ? 0 : 3;
#endif
}

int DeleteStartupEntry(const QString &autostartFolder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(autostartFolder);
    QSettings run(kRunKey, QSettings::NativeFormat);
    run.remove(QLatin1StringView(kEntryName));
    run.sync();
    return run.status() == QSettings::NoError ? 0 : 1;
#else
    const QString file = entryFile(autostartFolder);
    if (!QFile::exists(file))
        return 0;
    return QFile::remove(file) ? 0 : 1;
#endif
}

} // namespace orbilex::mdlRegistryII
