// orbilex_crashwriter ini <file> <section> <key> <value> [repeat]
//   stores one override through the program's INI store, repeat times.
// orbilex_crashwriter clean <file>
//   removes what killed writers left, as the program does at start.
// It prints "done" after the last write; killed before that, the file must
// still hold either its old or its new content.

#include "store/inistore.h"
#include "store/savedfiles.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 6 && args[1] == u"ini") {
        orbilex::IniStore store;
        store.SetFile(args[2]);
        const int repeat = args.size() > 6 ? args[6].toInt() : 1;
        try {
            for (int i = 0; i < repeat; ++i)
                store.WriteValue(args[3], args[4], args[5]);
        } catch (...) {
            std::puts("failed");
            return 2;
        }
        std::puts("done");
        return 0;
    }
    if (args.size() == 3 && args[1] == u"clean") {
        std::printf("%d\n", orbilex::removeStaleTemporaries(args[2]));
        return 0;
    }
    std::fputs("usage: orbilex_crashwriter ini <file> <section> <key> <value> [repeat]\n"
               "       orbilex_crashwriter clean <file>\n",
               stderr);
    return 1;
}
