// orbilex_crashwriter ini <file> <section> <key> <value> [repeat]
//   stores one override through the program's INI store, repeat times.
// orbilex_crashwriter location <file> <name> <x> <y> [repeat]
//   moves one marker of the location file the way the world map stores it:
//   the file read again under its lock, the country's line replaced, the
//   whole file written.
// orbilex_crashwriter clean <file>
//   removes what killed writers left, as the program does at start.
// It prints "done" after the last write, "failed" (exit 2) when a write was
// refused; killed before that, the file must still hold either its old or
// its new content.

#include "common/apperror.h"
#include "store/inistore.h"
#include "store/savedfiles.h"
#include "store/worldlocations.h"

#include <QCoreApplication>

#include <cstdio>
#include <functional>

namespace {

int writeRepeatedly(int repeat, const std::function<void()> &write)
{
    try {
        for (int i = 0; i < repeat; ++i)
            write();
    } catch (...) {
        std::puts("failed");
        return 2;
    }
    std::puts("done");
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 6 && args[1] == u"ini") {
        orbilex::IniStore store;
        store.SetFile(args[2]);
        return writeRepeatedly(
            args.size() > 6 ? args[6].toInt() : 1, [&] { store.WriteValue(args[3], args[4], args[5]); });
    }
    if (args.size() >= 6 && args[1] == u"location") {
        return writeRepeatedly(args.size() > 6 ? args[6].toInt() : 1, [&] {
            if (!orbilex::storeLocation(args[2], args[3], args[4].toInt(), args[5].toInt()))
                throw orbilex::AppError(380, QStringLiteral("Invalid property value"));
        });
    }
    if (args.size() == 3 && args[1] == u"clean") {
        std::printf("%d\n", orbilex::removeStaleTemporaries(args[2]));
        return 0;
    }
    std::fputs("usage: orbilex_crashwriter ini <file> <section> <key> <value> [repeat]\n"
               "       orbilex_crashwriter location <file> <name> <x> <y> [repeat]\n"
               "       orbilex_crashwriter clean <file>\n",
        stderr);
    return 1;
}
