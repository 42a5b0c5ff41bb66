#include "viewlogic/codesearch.h"

namespace orbilex {

void TypeAhead::key(char16_t code)
{
    if (code == 8) {
        if (!m_prefix.isEmpty())
            m_prefix.chop(1);
    } else if (code != 13) {
        m_prefix.append(QChar(code));
    }
    m_idleTicks = 0;
}

bool TypeAhead::tick()
{
    if (++m_idleTicks != 2)
        return false;
    m_prefix.clear();
    return true;
}

} // namespace orbilex
