#include "viewlogic/countrysearch.h"

#include "data/cities.h"
#include "data/codelists.h"
#include "data/records.h"
#include "data/searchnames.h"
#include "data/text.h"
#include "data/today.h"
#include "viewlogic/phonenumbers.h"

#include <QHash>
#include <QThreadPool>

#include <algorithm>
#include <array>
#include <mutex>

namespace orbilex {

namespace {

// In order of authority: where two schemes spell a code alike (GM is Gambia
// in ISO 3166 and Germany in FIPS 10-4), the first wins, and a code a row
// holds beats the same code withdrawn into another ("CS" is Serbia and
// Montenegro before Czechoslovakia).
enum class Scheme { Phone, Alpha2, Alpha3, Numeric, Withdrawn, Tld, Ioc, Currency, CallingCode, Fips, Sign, Language };

// Where a name comes from; within a rank the list's own name comes first.
enum class Source { ListName, OtherName, City };

struct CodeEntry {
    int country;
    Scheme scheme;
    QString what;
};

struct NameEntry {
    QString words; // folded, with a blank in front so a word start is " " + word
    QString compact; // folded without blanks: "cote d ivoire" and "cote divoire" meet
    int country;
    Source source;
    QString what;
};

struct SearchIndex {
    QHash<QString, std::vector<CodeEntry>> codes; // upper case; TLDs with their dot
    std::vector<NameEntry> names;
};

bool noValue(std::string_view value)
{
    return value.empty() || value == "-" || value == ".-" || value == "0";
}

QString compact(QString folded)
{
    return folded.remove(u' ');
}

QString currencyText(const QString &code)
{
    const std::string wanted = code.toStdString();
    const auto it = std::ranges::lower_bound(kCurrencyNames, std::string_view(wanted), {}, &CurrencyName::code);
    if (it == kCurrencyNames.end() || qs(it->code) != code)
        return QStringLiteral("currency ") + code;
    return code + QStringLiteral(" (") + qs(it->name) + u')';
}

// The code as the match shows it: with its scheme on the record, bare beside "today:".
QString codeText(Scheme scheme, const QString &code, bool today)
{
    // Withdrawn codes say what they were instead.
    static constexpr std::array kLabels = {"", "alpha-2 ", "alpha-3 ", "numeric ", "", "TLD ", "IOC ", "",
        "calling code ", "FIPS ", "vehicle sign ", "language "};
    static_assert(kLabels.size() == std::size_t(Scheme::Language) + 1);
    if (scheme == Scheme::Currency)
        return today ? QStringLiteral("today: ") + currencyText(code) : currencyText(code);
    if (scheme == Scheme::CallingCode)
        return today ? QStringLiteral("today: +") + code : QStringLiteral("calling code +") + code;
    return today ? QStringLiteral("today: ") + code : QString::fromLatin1(kLabels[std::size_t(scheme)]) + code;
}

void addCode(SearchIndex &index, int country, Scheme scheme, std::string_view code, const QString &what)
{
    if (noValue(code))
        return;
    std::vector<CodeEntry> &entries = index.codes[qs(code).toUpper()];
    const bool known
        = std::ranges::any_of(entries, [&](const CodeEntry &e) { return e.country == country && e.scheme == scheme; });
    if (!known)
        entries.push_back({country, scheme, what});
}

void addRecordCodes(SearchIndex &index, int i)
{
    const CountryCodes &c = kCodes[std::size_t(i)];
    const CountryRecord &r = kRecords[std::size_t(i)];
    const std::array<std::pair<Scheme, std::string_view>, 9> own
        = {{{Scheme::Alpha2, c.alpha2}, {Scheme::Alpha3, c.alpha3}, {Scheme::Numeric, r.isoNumber},
            {Scheme::Tld, c.tld}, {Scheme::Ioc, c.ioc}, {Scheme::Currency, c.currency},
            {Scheme::CallingCode, r.dialingCode}, {Scheme::Fips, c.fips}, {Scheme::Language, c.language}}};
    for (const auto &[scheme, code] : own)
        addCode(index, i, scheme, code, codeText(scheme, qs(code), false));
    // "TCH/TD": a sign written two ways.
    for (const QString &sign : qs(c.sign).split(u'/'))
        addCode(index, i, Scheme::Sign, sign.toStdString(), codeText(Scheme::Sign, sign, false));
}

// Today's codes where they are not the record's own: a successor's code
// finds the row it came from, and says so.
void addTodayCodes(SearchIndex &index, int i)
{
    const TodayRow &t = kToday[std::size_t(i)];
    const std::array<std::pair<Scheme, std::string_view>, 7> today
        = {{{Scheme::Alpha2, t.alpha2}, {Scheme::Alpha3, t.alpha3}, {Scheme::Numeric, t.numeric}, {Scheme::Tld, t.tlds},
            {Scheme::Ioc, t.ioc}, {Scheme::Currency, t.currencies}, {Scheme::CallingCode, t.callingCodes}}};
    for (const auto &[scheme, joined] : today)
        for (const std::string_view code : todayValues(joined))
            addCode(index, i, scheme, code, codeText(scheme, qs(code), true));
}

void addName(SearchIndex &index, int country, Source source, const QString &name, const QString &what)
{
    const QString folded = foldForSearch(name);
    if (folded.isEmpty())
        return;
    const QString words = u' ' + folded;
    for (auto it = index.names.rbegin(); it != index.names.rend() && it->country == country; ++it)
        if (it->words == words)
            return;
    index.names.push_back({words, compact(folded), country, source, what});
}

void addNames(SearchIndex &index, int i)
{
    addName(index, i, Source::ListName, qs(kCountryNames[std::size_t(i)]), QString());
    const std::string_view longName = kRecords[std::size_t(i)].longName;
    if (!noValue(longName))
        addName(index, i, Source::OtherName, qs(longName), qs(longName));
    const TodayRow &t = kToday[std::size_t(i)];
    for (const std::string_view joined : {t.commonName, t.isoName, t.shortNames})
        for (const std::string_view name : todayValues(joined))
            addName(index, i, Source::OtherName, qs(name), QStringLiteral("today: ") + qs(name));
    for (const std::string_view name : todayValues(kSearchNames[std::size_t(i)]))
        addName(index, i, Source::OtherName, qs(name), qs(name));
}

// Codes and names of ISO 3166 entries that were withdrawn into the row:
// "YU" and "Zaire" are still what some people know.
void addWithdrawn(SearchIndex &index, int i)
{
    for (const WithdrawnCode &w : kWithdrawnCodes) {
        if (w.country != i)
            continue;
        const QString what = QStringLiteral("withdrawn: %1 (%2)").arg(qs(w.alpha2), qs(w.name));
        for (const std::string_view code : {w.alpha2, w.alpha3, w.numeric})
            addCode(index, i, Scheme::Withdrawn, code, what);
        addName(index, i, Source::OtherName, qs(w.name), QStringLiteral("formerly: ") + qs(w.name));
    }
}

// A city line is "* " for a capital, the name, two blanks, the area code and
// the coordinates.
void addCity(SearchIndex &index, int country, std::string_view line)
{
    QString name = qs(line);
    if (name.startsWith(QStringLiteral("* ")))
        name.remove(0, 2);
    name.truncate(name.indexOf(QStringLiteral("  ")));
    addName(index, country, Source::City, name, QStringLiteral("city: ") + name);
}

SearchIndex buildIndex()
{
    SearchIndex index;
    index.names.reserve(2048);
    std::size_t ownCity = 0;
    for (int i = 0; i < kCountryCount; ++i) {
        addRecordCodes(index, i);
        addTodayCodes(index, i);
        addNames(index, i);
        addWithdrawn(index, i);
        for (; ownCity < kOwnCityLines.size() && kOwnCityLines[ownCity].country == i; ++ownCity)
            addCity(index, i, kOwnCityLines[ownCity].text);
        if (i == kUnitedKingdomIndex)
            for (const std::string_view line : kUnitedKingdomCities)
                addCity(index, i, line);
        if (i == kUnitedStatesIndex)
            for (const std::string_view line : kUnitedStatesCities)
                addCity(index, i, line);
    }
    return index;
}

const SearchIndex &searchIndex()
{
    static const SearchIndex index = buildIndex();
    return index;
}

// A region of the numbering plans is a row by its own alpha-2 code or, where
// no row has it, by today's: the first such row in list order, a row that is
// its own entry before one that is part of another (SJ is Svalbard, not Jan
// Mayen; UM is Baker Island, the first of the nine; CW is Netherlands Antilles).
std::optional<int> regionCountry(const QString &region)
{
    const std::string code = region.toStdString();
    std::optional<int> partOf;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < kCountryCount; ++i) {
            const TodayRow &t = kToday[std::size_t(i)];
            const bool has = pass == 0 ? kCodes[std::size_t(i)].alpha2 == code
                                       : std::ranges::count(todayValues(t.alpha2), std::string_view(code)) > 0;
            if (has && t.kind != TodayKind::PartOf)
                return i;
            if (has && !partOf)
                partOf = i;
        }
    }
    return partOf;
}

// The best match found so far of each country; kind 4 is none.
struct Best {
    int kind = 4;
    int sub = 0;
    const QString *what = nullptr;
    QString owned;
};

void offer(Best &best, int kind, int sub, const QString *what)
{
    if (std::pair(kind, sub) < std::pair(best.kind, best.sub)) {
        best.kind = kind;
        best.sub = sub;
        best.what = what;
    }
}

// The entries of one code, in place: the matches point into them.
const std::vector<CodeEntry> &codeEntries(const SearchIndex &index, const QString &code)
{
    static const std::vector<CodeEntry> kNone;
    const auto it = index.codes.constFind(code);
    return it == index.codes.cend() ? kNone : *it;
}

void findPhone(std::array<Best, kCountryCount> &best, const SearchIndex &index, const QString &text)
{
    QString number = text.trimmed();
    if (number.startsWith(QStringLiteral("00")))
        number.replace(0, 2, u'+');
    QString digits = number;
    digits.removeIf([](QChar c) { return !c.isDigit(); });
    for (const CodeEntry &e : codeEntries(index, digits))
        if (e.scheme == Scheme::CallingCode)
            offer(best[std::size_t(e.country)], int(MatchKind::ExactCode), int(e.scheme), &e.what);
    const std::optional<PhoneRegion> phone = phoneRegion(number);
    const std::optional<int> country = phone ? regionCountry(phone->region) : std::nullopt;
    if (!country)
        return;
    Best &b = best[std::size_t(*country)];
    offer(b, int(MatchKind::ExactCode), int(Scheme::Phone), nullptr);
    if (b.sub == int(Scheme::Phone) && b.kind == int(MatchKind::ExactCode))
        b.owned = QStringLiteral("phone ") + phone->number;
}

void findCodes(std::array<Best, kCountryCount> &best, const SearchIndex &index, const QString &text)
{
    const QString key = text.trimmed().toUpper();
    for (const CodeEntry &e : codeEntries(index, key))
        offer(best[std::size_t(e.country)], int(MatchKind::ExactCode), int(e.scheme), &e.what);
    // A top-level domain may be typed without its dot.
    if (!key.startsWith(u'.'))
        for (const CodeEntry &e : codeEntries(index, u'.' + key))
            if (e.scheme == Scheme::Tld)
                offer(best[std::size_t(e.country)], int(MatchKind::ExactCode), int(e.scheme), &e.what);
}

bool wordsBegin(const NameEntry &e, const QString &spaced, const QStringList &words)
{
    if (e.words.contains(spaced))
        return true;
    if (words.size() < 2)
        return false;
    return std::ranges::all_of(words, [&](const QString &w) { return e.words.contains(w); });
}

void findNames(std::array<Best, kCountryCount> &best, const SearchIndex &index, const QString &text)
{
    const QString folded = foldForSearch(text);
    if (folded.isEmpty())
        return;
    const QString spaced = u' ' + folded;
    const QString joined = compact(folded);
    QStringList words = folded.split(u' ');
    for (QString &w : words)
        w.prepend(u' ');
    for (const NameEntry &e : index.names) {
        MatchKind kind;
        if (e.compact.startsWith(joined))
            kind = MatchKind::NamePrefix;
        else if (wordsBegin(e, spaced, words))
            kind = MatchKind::WordPrefix;
        else if (e.compact.contains(joined))
            kind = MatchKind::Anywhere;
        else
            continue;
        const bool whole = kind == MatchKind::NamePrefix && e.compact.size() == joined.size();
        const int sub = (whole ? 0 : 3) + int(e.source);
        offer(best[std::size_t(e.country)], int(kind), sub, &e.what);
    }
}

} // namespace

QString foldForSearch(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    bool blank = false;
    for (const QChar c : decomposed) {
        if (c.isMark())
            continue;
        if (c.isLetterOrNumber()) {
            if (blank && !folded.isEmpty())
                folded += u' ';
            blank = false;
            folded += c.toLower();
        } else {
            blank = true;
        }
    }
    return folded;
}

bool looksLikePhoneNumber(const QString &text)
{
    const QString t = text.trimmed();
    const qsizetype start = t.startsWith(u'+') ? 1 : t.startsWith(QStringLiteral("00")) ? 2 : -1;
    if (start < 0 || start >= t.size())
        return false;
    static const QString kBetween = QStringLiteral(" -./()");
    return std::all_of(t.begin() + start, t.end(), [](QChar c) { return c.isDigit() || kBetween.contains(c); })
        && std::any_of(t.begin() + start, t.end(), [](QChar c) { return c.isDigit(); });
}

std::vector<SearchMatch> searchCountries(const QString &text, int max)
{
    std::vector<SearchMatch> matches;
    if (text.trimmed().isEmpty() || max <= 0)
        return matches;
    const SearchIndex &index = searchIndex();
    std::array<Best, kCountryCount> best;
    // "004" is Afghanistan's number and also written like a phone number.
    findCodes(best, index, text);
    if (looksLikePhoneNumber(text))
        findPhone(best, index, text);
    else
        findNames(best, index, text);
    std::vector<int> found;
    for (int i = 0; i < kCountryCount; ++i)
        if (best[std::size_t(i)].kind < 4)
            found.push_back(i);
    const auto rank = [&](int i) { return std::tuple(best[std::size_t(i)].kind, best[std::size_t(i)].sub, i); };
    std::ranges::sort(found, {}, rank);
    found.resize(std::min(found.size(), std::size_t(max)));
    for (const int i : found) {
        const Best &b = best[std::size_t(i)];
        matches.push_back({i, MatchKind(b.kind), b.what ? *b.what : b.owned});
    }
    return matches;
}

void prepareCountrySearch()
{
    static std::once_flag once;
    std::call_once(once, [] {
        QThreadPool::globalInstance()->start([] {
            searchIndex();
            loadPhoneMetadata();
        });
    });
}

} // namespace orbilex
