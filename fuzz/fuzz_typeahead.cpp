#include "fuzztarget.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    orbilex::fuzzcheck::failOn(orbilex::fuzzcheck::checkTypeAhead(orbilex::fuzzcheck::inputOf(data, size)));
    return 0;
}
