#pragma once
// Numbers kept as text, in the settings store and in the location file.

#include <QString>

#include <optional>

namespace orbilex {

// A stored number: decimal text, blanks around it allowed, cut to its integer
// part. Missing, non-numeric and out-of-range text has none.
std::optional<int> storedNumber(const QString &text);

} // namespace orbilex
