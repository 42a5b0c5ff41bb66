#pragma once

namespace orbilex {

// The caption of every message box, the settings store's application name
// and the name of the start-up entry.
inline constexpr const char *kProgramTitle = "Orbilex";

} // namespace orbilex
