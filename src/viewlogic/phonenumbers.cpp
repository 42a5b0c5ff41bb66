#include "viewlogic/phonenumbers.h"

#include <phonenumbers/phonenumberutil.h>

namespace orbilex {

namespace {

// libphonenumber refuses a text longer than this, but only after reading it
// in a time that grows with the square of its length: a pasted page of
// digits held the search box for seconds.
constexpr qsizetype kLongestNumberText = 250;

} // namespace

std::optional<PhoneRegion> phoneRegion(const QString &number)
{
    if (number.size() > kLongestNumberText)
        return std::nullopt;
    using i18n::phonenumbers::PhoneNumber;
    using i18n::phonenumbers::PhoneNumberUtil;
    const PhoneNumberUtil &util = *PhoneNumberUtil::GetInstance();
    PhoneNumber parsed;
    // "ZZ": no region to assume, so only a number with its calling code parses.
    if (util.Parse(number.toStdString(), "ZZ", &parsed) != PhoneNumberUtil::NO_PARSING_ERROR)
        return std::nullopt;
    std::string region;
    util.GetRegionCodeForNumber(parsed, &region);
    if (region == "ZZ")
        util.GetRegionCodeForCountryCode(parsed.country_code(), &region);
    if (region == "ZZ" || region == "001")
        return std::nullopt;
    std::string written;
    if (util.IsValidNumber(parsed))
        util.Format(parsed, PhoneNumberUtil::INTERNATIONAL, &written);
    else
        written = '+' + std::to_string(parsed.country_code()) + ' ' + std::to_string(parsed.national_number());
    return PhoneRegion {QString::fromStdString(region), QString::fromStdString(written)};
}

void loadPhoneMetadata()
{
    i18n::phonenumbers::PhoneNumberUtil::GetInstance();
}

} // namespace orbilex
