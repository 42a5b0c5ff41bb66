#include "fuzztarget.h"
#include "platform/mmdbdatabase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The shipped database, so accepted addresses are looked up for real.
    static orbilex::MmdbDatabase db {QStringList {QStringLiteral(ORBILEX_ASSETS_DIR)}};
    static const bool opened = db.open();
    if (!opened)
        orbilex::fuzzcheck::failOn(db.problem());
    orbilex::fuzzcheck::failOn(orbilex::fuzzcheck::checkIpAddress(orbilex::fuzzcheck::inputOf(data, size), &db));
    return 0;
}
