#include "data/dialing.h"

#include <algorithm>

namespace orbilex {

namespace {

std::string_view withoutLeadingZeros(std::string_view digits)
{
    const auto first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : digits.substr(first);
}

} // namespace

const DialingEntry *findDialingEntry(std::string_view text)
{
    if (text.empty() || !std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; }))
        return nullptr;
    // Comparing the digit strings without leading zeros is comparing the numbers,
    // and no text is too long for it.
    const std::string_view number = withoutLeadingZeros(text);
    const auto it = std::ranges::find_if(
        kDialingIndex, [&](const DialingEntry &entry) { return withoutLeadingZeros(entry.code) == number; });
    return it == kDialingIndex.end() ? nullptr : &*it;
}

} // namespace orbilex
