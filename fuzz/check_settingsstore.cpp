#include "checksupport.h"
#include "common/apperror.h"
#include "fuzzchecks.h"
#include "store/savedfiles.h"
#include "store/settingskeys.h"
#include "store/settingsstore.h"

#include <QFile>
#include <QMap>
#include <QSettings>
#include <QTemporaryFile>

#include <memory>

namespace orbilex::fuzzcheck {

// The per-user settings file as a user may have left it: the input is the
// file. At start the program makes its binary values text, then reads keys
// through the store. Every key reads as the file's text, and after one write
// and a new start every other key reads as before and the written one as
// written.
QString checkSettingsStore(const QByteArray &bytes, const QString &folder)
{
    // A fresh name for each file: QSettings trusts its parse of a path whose
    // size and time stamp look unchanged.
    const auto freshFile = [&](const QByteArray &content) {
        auto file = std::make_unique<QTemporaryFile>(folder + QStringLiteral("/Orbilex.XXXXXX.conf"));
        if (file->open())
            file->write(content);
        file->close();
        return file;
    };
    const auto contentOf = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const auto storeOn
        = [](const QString &path) { return SettingsStore(std::make_unique<QSettings>(path, QSettings::IniFormat)); };

    static const QList<QByteArray> programKeys = [] {
        QList<QByteArray> names;
        for (const char *name : {keys::FirstUp.name, keys::Left.name, keys::Top.name, keys::CountryName.name,
                 keys::wState.name, keys::wVis.name, keys::wip.name, keys::wiso.name, keys::wmap.name, keys::wlat.name,
                 keys::chkOption.name, keys::chkSelHtml.name, keys::chkDST.name, keys::EnableTray.name,
                 keys::OTray.name, keys::WinStart.name, keys::USCi.name, keys::Left_World.name, keys::Top_World.name,
                 keys::Left_IPL.name, keys::Top_IPL.name, keys::AutoHide.name, keys::Left_ISO.name, keys::Top_ISO.name,
                 keys::Left_Lat.name, keys::Top_Lat.name})
            names << QByteArray(name);
        return names;
    }();

    try {
        const auto first = freshFile(bytes);
        makeValuesText(first->fileName());
        // The names to read: the program's keys and whatever else the file
        // holds in its section, as far as the store can name it.
        QList<QByteArray> names = programKeys;
        QMap<QString, QString> expected;
        {
            const auto copy = freshFile(contentOf(first->fileName()));
            QSettings raw(copy->fileName(), QSettings::IniFormat);
            raw.beginGroup(QStringLiteral("Settings"));
            for (const QString &key : raw.childKeys()) {
                const QByteArray latin = key.toLatin1();
                if (QString::fromLatin1(latin) == key && !latin.contains('\0') && !names.contains(latin))
                    names << latin;
            }
            // A value QSettings cannot make anything of ("@Invalid()") reads as missing.
            for (const QByteArray &name : std::as_const(names))
                if (const QVariant v = raw.value(QString::fromLatin1(name)); v.isValid())
                    expected.insert(QString::fromLatin1(name), valueText(v));
        }

        QMap<QString, QString> before;
        const QString written = QString::fromLatin1(names[bytes.isEmpty() ? 0 : quint8(bytes.back()) % names.size()]);
        const qsizetype lineEnd = bytes.indexOf('\n');
        const QString value = QString::fromUtf8(bytes.left(qMin<qsizetype>(lineEnd < 0 ? bytes.size() : lineEnd, 80)));
        {
            SettingsStore store = storeOn(first->fileName());
            for (const QByteArray &name : std::as_const(names)) {
                const QString text = store.read(TextKey {name.constData(), "<missing>"});
                if (text != expected.value(QString::fromLatin1(name), QStringLiteral("<missing>")))
                    return QStringLiteral("%1 reads as %2, the file holds %3")
                        .arg(shown(QString::fromLatin1(name)), shown(text),
                            shown(expected.value(QString::fromLatin1(name), QStringLiteral("<missing>"))));
                before.insert(QString::fromLatin1(name), text);
            }
            const QByteArray writtenName = written.toLatin1();
            store.write(TextKey {writtenName.constData()}, value);
        }

        // The next start.
        const auto second = freshFile(contentOf(first->fileName()));
        makeValuesText(second->fileName());
        SettingsStore store = storeOn(second->fileName());
        before.insert(written, value);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const QByteArray name = it.key().toLatin1();
            const QString text = store.read(TextKey {name.constData(), "<missing>"});
            if (text != it.value())
                return QStringLiteral("after writing %1 = %2 and a new start, %3 reads as %4, before as %5")
                    .arg(shown(written), shown(value), shown(it.key()), shown(text), shown(it.value()));
        }
    } catch (const AppError &error) {
        return QStringLiteral("AppError %1 %2").arg(error.number).arg(error.description);
    }
    return {};
}

} // namespace orbilex::fuzzcheck
