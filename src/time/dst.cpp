#include "time/dst.h"

#include <QByteArray>

namespace orbilex {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// "-05:00:00" becomes "-04:00:00". Every zone of the four countries lies west
// of Greenwich, so anything else is a hand-typed value the rule cannot read.
std::optional<QString> northAmericanShift(QStringView presentGmt)
{
    if (presentGmt.size() < 3 || presentGmt[0] != u'-' || !isAsciiDigit(presentGmt[1]) || !isAsciiDigit(presentGmt[2]))
        return std::nullopt;
    const int hours = (presentGmt[1].unicode() - u'0') * 10 + (presentGmt[2].unicode() - u'0');
    if (hours < 1)
        return std::nullopt;
    return QStringLiteral("-%1:00:00").arg(hours - 1, 2, 10, QChar(u'0'));
}

const DstRule *ruleFor(QStringView country)
{
    const QByteArray utf8 = country.toUtf8();
    const std::string_view name(utf8.constData(), std::size_t(utf8.size()));
    for (const DstRule &rule : kDstRules) {
        if (rule.country == name)
            return &rule;
    }
    return nullptr;
}

} // namespace

bool ruleInForce(int startMonth, int endMonth, int month)
{
    if (startMonth < endMonth)
        return startMonth < month && month < endMonth;
    if (startMonth > endMonth)
        return month > startMonth || month < endMonth;
    return false;
}

std::optional<QString> dstDeviation(QStringView country, int month, QStringView presentGmt)
{
    const DstRule *rule = ruleFor(country);
    if (!rule || !ruleInForce(rule->startMonth, rule->endMonth, month))
        return std::nullopt;
    if (rule->shifted.empty())
        return northAmericanShift(presentGmt);
    return QString::fromUtf8(rule->shifted.data(), qsizetype(rule->shifted.size()));
}

} // namespace orbilex
