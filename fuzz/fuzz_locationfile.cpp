#include "fuzztarget.h"

#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // One folder for the whole run; each input overwrites wlocation.dat in it.
    static const QTemporaryDir folder;
    orbilex::fuzzcheck::failOn(
        orbilex::fuzzcheck::checkLocationFile(orbilex::fuzzcheck::inputOf(data, size), folder.path()));
    return 0;
}
