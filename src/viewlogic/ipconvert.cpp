#include "viewlogic/ipconvert.h"

#include "data/codelists.h"
#include "data/countries.h"
#include "data/text.h"

#include <array>

namespace orbilex {

namespace {

constexpr int kNoCountry = -1;

constexpr bool isUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

constexpr int slotOf(char first, char second)
{
    return (first - 'A') * 26 + (second - 'A');
}

// Alpha-2 code to the first country index that has it, built by the compiler:
// a lookup answers from one array read instead of a walk over 253 rows, which
// matters when the database answers in well under a microsecond.
constexpr std::array<short, 26 * 26> kFirstCountryOfCode = [] {
    std::array<short, 26 * 26> table {};
    table.fill(kNoCountry);
    for (std::size_t i = kCodes.size(); i-- > 0;) {
        const std::string_view code = kCodes[i].alpha2;
        if (code.size() == 2 && isUpper(code[0]) && isUpper(code[1]))
            table[std::size_t(slotOf(code[0], code[1]))] = short(i);
    }
    return table;
}();

static_assert(kFirstCountryOfCode[slotOf('G', 'B')] != kNoCountry, "the United Kingdom is in the list as GB");
static_assert(kFirstCountryOfCode[slotOf('C', 'S')] != kNoCountry, "Serbia and Montenegro is in the list as CS");

struct FormerCode {
    char code[3];
    char listCode[3];
};

// Codes assigned after the country list was made, to the code of the country
// that held the place then.
constexpr FormerCode kFormerCodes[] = {
    {"AX", "FI"}, // Aland Islands, in Finland
    {"BL", "GP"}, // Saint Barthelemy, in Guadeloupe
    {"BQ", "AN"}, // Bonaire, Sint Eustatius and Saba, in the Netherlands Antilles
    {"CW", "AN"}, // Curacao
    {"ME", "CS"}, // Montenegro, in Serbia and Montenegro
    {"MF", "GP"}, // Saint Martin, in Guadeloupe
    {"RS", "CS"}, // Serbia
    {"SS", "SD"}, // South Sudan, in Sudan
    {"SX", "AN"}, // Sint Maarten
    {"UK", "GB"}, // the United Kingdom under its other name
    {"XK", "CS"}, // Kosovo
};

int firstCountryOf(QStringView code)
{
    if (code.size() != 2)
        return kNoCountry;
    const char16_t a = code[0].unicode();
    const char16_t b = code[1].unicode();
    if (a < 'A' || a > 'Z' || b < 'A' || b > 'Z')
        return kNoCountry;
    return kFirstCountryOfCode[std::size_t(slotOf(char(a), char(b)))];
}

} // namespace

std::optional<quint32> parseDottedQuad(QStringView text)
{
    if (text.size() < 7 || text.size() > 15)
        return std::nullopt;
    quint32 address = 0;
    int parts = 0;
    int digits = 0;
    int part = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= '0' && u <= '9') {
            if (++digits > 3)
                return std::nullopt;
            part = part * 10 + (u - '0');
            continue;
        }
        if (u != '.' || digits == 0 || part > 255 || parts == 3)
            return std::nullopt;
        address = address << 8 | quint32(part);
        ++parts;
        digits = 0;
        part = 0;
    }
    if (parts != 3 || digits == 0 || part > 255)
        return std::nullopt;
    return address << 8 | quint32(part);
}

QString properCase(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    bool wordStart = true;
    for (const QChar c : text) {
        if (c.isLetter()) {
            shown += wordStart ? c.toUpper() : c.toLower();
            wordStart = false;
        } else {
            shown += c;
            wordStart = c != u'\'';
        }
    }
    return shown;
}

bool looksLikeAddress(QStringView clipboard)
{
    return (clipboard.size() >= 3 && clipboard[2] == u'.') || (clipboard.size() >= 4 && clipboard[3] == u'.');
}

std::optional<QString> handOverCode(const QString &shortName)
{
    if (shortName == u"-" || shortName == u"--")
        return std::nullopt;
    if (shortName == u"UK")
        return QStringLiteral("GB");
    return shortName;
}

QString countryListCode(QStringView code)
{
    if (firstCountryOf(code) != kNoCountry)
        return code.toString();
    for (const FormerCode &f : kFormerCodes)
        if (code == QLatin1StringView(f.code, 2))
            return QString::fromLatin1(f.listCode, 2);
    return {};
}

QString countryNameOfCode(QStringView alpha2)
{
    const int i = firstCountryOf(alpha2);
    return i == kNoCountry ? QString() : qs(kCountryNames[std::size_t(i)]);
}

} // namespace orbilex
