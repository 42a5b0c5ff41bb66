#include "store/savedfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

namespace orbilex {

int removeStaleTemporaries(const QString &file)
{
    const QFileInfo info(file);
    QDir folder = info.absoluteDir();
    if (!folder.exists())
        return 0;
    QLockFile lock(file + QStringLiteral(".lock"));
    if (!lock.tryLock(100))
        return 0;
    const QRegularExpression leftover(u'^' + QRegularExpression::escape(info.fileName())
                                      + QStringLiteral("\\.[A-Za-z0-9]{6}(\\.lock)?$"));
    int removed = 0;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (leftover.match(name).hasMatch() && folder.remove(name))
            ++removed;
    }
    return removed;
}

} // namespace orbilex
