#pragma once
// The part every fuzz target shares: a failed check is reported and ends the
// run the way a crash does, so libFuzzer keeps the input that caused it.

#include "fuzzchecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace orbilex::fuzzcheck {

inline void failOn(const QString &problem)
{
    if (problem.isEmpty())
        return;
    std::fprintf(stderr, "check failed: %s\n", problem.toUtf8().constData());
    std::abort();
}

inline QByteArray inputOf(const uint8_t *data, size_t size)
{
    // A deep copy: QByteArray::fromRawData would let a check keep a view of
    // libFuzzer's buffer beyond the call.
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace orbilex::fuzzcheck
