#include "viewlogic/commandline.h"

#include "common/program.h"
#include "viewlogic/countrysearch.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <array>

namespace orbilex {

namespace {

// The options QGuiApplication and QApplication take for themselves.
constexpr std::array kQtValueOptions
    = {"platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger", "qwindowgeometry", "qwindowicon",
        "qwindowtitle", "session", "display", "geometry", "name", "visual", "ncols", "cmap", "style", "stylesheet"};
constexpr std::array kQtFlagOptions = {"reverse", "nograb", "dograb", "sync", "widgetcount"};

void addHidden(QCommandLineParser &parser, const char *name, bool takesValue)
{
    QCommandLineOption option(QString::fromLatin1(name));
    if (takesValue)
        option.setValueName(QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

// What a message repeats of the command line: a line's worth at most, and
// nothing that would move the terminal's cursor or change its colours.
QString harmless(QString text, qsizetype limit)
{
    if (text.size() > limit)
        text = text.left(limit - 1) + u'…';
    for (QChar &c : text)
        if (!c.isPrint())
            c = QChar::ReplacementCharacter;
    return text;
}

QString quoted(const QString &argument)
{
    return u'\'' + harmless(argument, 60) + u'\'';
}

} // namespace

std::optional<int> countryNamedBy(const QString &text)
{
    const std::vector<SearchMatch> best = searchCountries(text, 1);
    if (best.empty())
        return std::nullopt;
    return best.front().country;
}

StartRequest parseCommandLine(const QStringList &arguments, const QString &version)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Offline reference of the codes and facts that identify the world's countries."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Shows this help."));
    const QCommandLineOption showVersion(
        {QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Shows the program's version."));
    const QCommandLineOption country(QStringLiteral("country"),
        QStringLiteral("Starts on the country that best matches the text, as the search box finds it: a name, a code "
                       "(ISO, TLD, IOC, FIPS, vehicle sign), a city or a phone number."),
        QStringLiteral("name or code"));
    const QCommandLineOption worldMap(QStringLiteral("world-map"), QStringLiteral("Opens the world map as well."));
    const QCommandLineOption ipToCountry(
        QStringLiteral("ip-to-country"), QStringLiteral("Opens the IP to country window as well."));
    for (const QCommandLineOption &option : {help, showVersion, country, worldMap, ipToCountry})
        parser.addOption(option);
    for (const char *name : kQtValueOptions)
        addHidden(parser, name, true);
    for (const char *name : kQtFlagOptions)
        addHidden(parser, name, false);

    const QString program = QStringLiteral("orbilex");
    StartRequest request;
    const auto fail = [&](const QString &why) {
        request.action = StartRequest::Action::FailAndExit;
        request.output = program + QStringLiteral(": ") + why + QStringLiteral("\nTry '") + program
            + QStringLiteral(" --help' for the options.\n");
        return request;
    };
    if (!parser.parse(arguments))
        return fail(harmless(parser.errorText(), 160));
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("Unexpected argument %1.").arg(quoted(parser.positionalArguments().constFirst())));
    if (parser.isSet(help)) {
        request.action = StartRequest::Action::PrintAndExit;
        // The usage line names the program as started; a launcher's path says nothing.
        request.output = parser.helpText().replace(QRegularExpression(QStringLiteral("^Usage: .*? \\[options\\]")),
            QStringLiteral("Usage: orbilex [options]"));
        return request;
    }
    if (parser.isSet(showVersion)) {
        request.action = StartRequest::Action::PrintAndExit;
        request.output = QLatin1StringView(kProgramTitle) + u' ' + version + u'\n';
        return request;
    }
    if (parser.isSet(country)) {
        const QString named = parser.value(country);
        request.country = countryNamedBy(named);
        if (!request.country)
            return fail(QStringLiteral("No country matches %1.").arg(quoted(named)));
    }
    request.worldMap = parser.isSet(worldMap);
    request.ipToCountry = parser.isSet(ipToCountry);
    return request;
}

} // namespace orbilex
