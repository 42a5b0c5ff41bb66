#pragma once
// Whole international phone numbers, read with libphonenumber's metadata. Kept
// apart so that only this file depends on the library.

#include <QString>

#include <optional>

namespace orbilex {

struct PhoneRegion {
    QString region; // ISO 3166-1 alpha-2, as the numbering plan names it
    QString number; // the number as it is written internationally
};

// The region whose numbering plan holds number ("+1 684 633 1234", digits
// after "+"). Where several regions share a calling code (+1, +7), the
// number's area decides; a number too short to decide takes the calling
// code's main region. Nothing when the text is no number.
std::optional<PhoneRegion> phoneRegion(const QString &number);

// Reads the metadata, which the first number would otherwise wait for; safe
// on any thread.
void loadPhoneMetadata();

} // namespace orbilex
