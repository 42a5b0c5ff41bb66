#pragma once
// The tables hold UTF-8 literals; widgets take QString.

#include <QString>

#include <string_view>

namespace orbilex {

inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace orbilex
