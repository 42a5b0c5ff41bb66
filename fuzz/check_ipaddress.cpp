#include "checksupport.h"
#include "fuzzchecks.h"
#include "platform/ipdatabase.h"
#include "viewlogic/ipconvert.h"

#include <QRegularExpression>

namespace orbilex::fuzzcheck {

namespace {

// A dotted quad by the rule the window states, written independently of the
// program's parser.
std::optional<quint32> expectedAddress(const QString &text)
{
    static const QRegularExpression quad(QRegularExpression::anchoredPattern(
        QStringLiteral("([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})")));
    const QRegularExpressionMatch match = quad.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    quint32 address = 0;
    for (int part = 1; part <= 4; ++part) {
        const int value = match.captured(part).toInt();
        if (value > 255)
            return std::nullopt;
        address = address << 8 | quint32(value);
    }
    return address;
}

} // namespace

// The IP window's text: the input as typed (UTF-8). The address rule is
// checked against a separate reading of it; with a database, the answers
// must be ones the window can show and hand over.
QString checkIpAddress(const QByteArray &bytes, const IpDatabase *db)
{
    const QString text = QString::fromUtf8(bytes);
    const std::optional<quint32> address = parseDottedQuad(text);
    if (address != expectedAddress(text))
        return QStringLiteral("%1 read as %2, expected %3")
            .arg(shown(text))
            .arg(address ? QString::number(*address) : QStringLiteral("none"))
            .arg(expectedAddress(text) ? QString::number(*expectedAddress(text)) : QStringLiteral("none"));

    if (properCase(text).size() != text.size())
        return QStringLiteral("properCase changed the length of %1").arg(shown(text));
    static_cast<void>(looksLikeAddress(text));

    if (!db)
        return {};
    const QString shortName = db->shortName(text);
    const QString longName = db->longName(text);
    if (!address && (shortName != u"-" || !longName.isEmpty()))
        return QStringLiteral("%1 is no address but gave %2 %3").arg(shown(text), shortName, shown(longName));
    if (shortName == u"-" && !longName.isEmpty())
        return QStringLiteral("%1 has no country but the name %2").arg(shown(text), shown(longName));
    if (const std::optional<QString> code = handOverCode(shortName)) {
        if (!boxLists()[0].contains(*code) || longName.isEmpty())
            return QStringLiteral("%1 hands over %2 (%3), which the country list lacks")
                .arg(shown(text), shown(*code), shown(longName));
    } else if (shortName != u"-" && shortName != u"--") {
        return QStringLiteral("%1 gave the short name %2").arg(shown(text), shown(shortName));
    }
    return {};
}

} // namespace orbilex::fuzzcheck
