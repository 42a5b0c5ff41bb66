#pragma once

#include <QString>

namespace orbilex {

// The caption of every message box, the settings store's application name
// and the name of the start-up entry.
inline constexpr const char *kProgramTitle = "Orbilex";

// The caption of a window that speaks for the program about one thing.
inline QString programWindowTitle(const QString &part)
{
    return QLatin1StringView(kProgramTitle) + QStringLiteral(" - ") + part;
}

} // namespace orbilex
