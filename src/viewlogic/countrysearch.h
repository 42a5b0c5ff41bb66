#pragma once
// The search box: a country found by anything a user knows of it. Its names
// (the list's, the record's, today's and the other names people use), any code
// of the record or of today in any scheme, withdrawn codes, a city of the city
// lists, or a whole international phone number.

#include <QString>

#include <vector>

namespace orbilex {

// Best first.
enum class MatchKind { ExactCode, NamePrefix, WordPrefix, Anywhere };

struct SearchMatch {
    int country; // country index
    MatchKind kind;
    // What was found, when it is not the list name itself: "IOC GER",
    // "today: RS", "city: Montreal", "Ivory Coast".
    QString what;
};

// Letter case, accents (decomposed, marks dropped), hyphens, apostrophes and
// other punctuation folded away: words of letters and digits with single
// blanks between them. "Côte d’Ivoire" and "Cote D 'Ivoire" both give
// "cote d ivoire", "Guinea-Bissau" gives "guinea bissau".
QString foldForSearch(const QString &text);

// Whether text is written as an international phone number: "+" or "00",
// then digits with blanks, dashes, dots, slashes or brackets between them.
bool looksLikePhoneNumber(const QString &text);

// The countries text finds, at most max of them, ranked: an exact code, then
// a name that begins with the text, then a name with a word that does (or
// whose words begin with each word typed, in any order), then a name that
// holds it anywhere. Within a rank an exact name comes first, then the list
// name before other names and cities, then the code schemes in their order
// of authority (ISO before FIPS), then list order. One match per country,
// its best. The index is built on the first call.
std::vector<SearchMatch> searchCountries(const QString &text, int max);

// Builds the index and reads the phone-number metadata on a worker thread, so
// that the first keystroke finds them ready (together some milliseconds, too
// long for a keystroke and needless for a start). Once; later calls return.
void prepareCountrySearch();

} // namespace orbilex
