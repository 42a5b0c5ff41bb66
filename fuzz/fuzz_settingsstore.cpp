#include "fuzztarget.h"

#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QTemporaryDir folder;
    orbilex::fuzzcheck::failOn(
        orbilex::fuzzcheck::checkSettingsStore(orbilex::fuzzcheck::inputOf(data, size), folder.path()));
    return 0;
}
