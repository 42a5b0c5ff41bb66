#include "data/prefixnotes.h"

#include <algorithm>

namespace orbilex {

namespace {

template<std::size_t N>
std::string_view noteFor(const std::array<PrefixNote, N> &notes, std::string_view country, std::string_view fallback)
{
    const auto it = std::ranges::find(notes, country, &PrefixNote::country);
    return it == notes.end() ? fallback : it->text;
}

} // namespace

std::string_view iddNote(std::string_view country)
{
    return noteFor(kIddNotes, country, kDefaultIddNote);
}

std::string_view nddNote(std::string_view country)
{
    return noteFor(kNddNotes, country, kDefaultNddNote);
}

} // namespace orbilex
