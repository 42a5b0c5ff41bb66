#include "fuzztarget.h"

#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // One folder for the whole run; each input overwrites userdb.ini in it.
    static const QTemporaryDir folder;
    orbilex::fuzzcheck::failOn(
        orbilex::fuzzcheck::checkIniStore(orbilex::fuzzcheck::inputOf(data, size), folder.path()));
    return 0;
}
