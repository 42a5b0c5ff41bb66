#include "checksupport.h"
#include "fuzzchecks.h"
#include "viewlogic/codesearch.h"

#include <string>

namespace orbilex::fuzzcheck {

// The country list's type-ahead on any key codes and idle ticks, searched as
// the list searches after each key. Three bytes a step: the step's kind (a
// tick when its low two bits are set), then a key code.
QString checkTypeAhead(const QByteArray &bytes)
{
    Reader in(bytes);
    TypeAhead typeAhead;
    std::u16string prefix;
    int idle = 0;
    const Entries names {countryNames()};
    for (int step = 0; !in.atEnd(); ++step) {
        const bool tick = (in.byte() & 3) == 3;
        const char16_t code = in.u16();
        if (tick) {
            const bool ended = typeAhead.tick();
            ++idle;
            if (ended != (idle == 2))
                return QStringLiteral("step %1: tick %2 reported %3").arg(step).arg(idle).arg(ended);
            if (idle == 2)
                prefix.clear();
        } else {
            typeAhead.key(code);
            if (code == 8) {
                if (!prefix.empty())
                    prefix.pop_back();
            } else if (code != 13) {
                prefix.push_back(code);
            }
            idle = 0;
        }
        // Not fromStdU16String: that takes a leading U+FEFF or U+FFFE for a byte-order mark.
        const QString expected(reinterpret_cast<const QChar *>(prefix.data()), qsizetype(prefix.size()));
        if (typeAhead.prefix() != expected || typeAhead.idleTicks() != idle)
            return QStringLiteral("step %1: prefix %2 after %3 idle ticks, expected %4 after %5")
                .arg(step)
                .arg(shown(typeAhead.prefix()))
                .arg(typeAhead.idleTicks())
                .arg(shown(expected))
                .arg(idle);
        if (!tick) {
            const std::optional<int> found = findPrefixFromTop(names.count(), names.at(), typeAhead.prefix());
            if (found != expectedFromTop(names.list, expected) || names.outside)
                return QStringLiteral("step %1: prefix %2 found %3").arg(step).arg(shown(expected), shown(found));
        }
    }
    return {};
}

} // namespace orbilex::fuzzcheck
