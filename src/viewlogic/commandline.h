#pragma once
// The program's command line: what a launcher action or a script may ask of
// a start. Read before the application object exists, so that --help and
// --version answer even where no display can be opened.

#include <QString>
#include <QStringList>

#include <optional>

namespace orbilex {

struct StartRequest {
    enum class Action { Start, PrintAndExit, FailAndExit };
    Action action = Action::Start;
    // What to print for PrintAndExit (to standard output) or FailAndExit
    // (to standard error), with its line end.
    QString output;
    // The country the window is to show instead of the one of the last exit.
    std::optional<int> country;
    bool worldMap = false;
    bool ipToCountry = false;
};

// arguments as main() received them, the program's name first. Qt's own
// options (-platform, -style ...) are passed over: the application reads them.
StartRequest parseCommandLine(const QStringList &arguments, const QString &version);

// The country a user names, as the search box would put it first: any of its
// names or codes (ISO before FIPS), a city or a phone number.
std::optional<int> countryNamedBy(const QString &text);

} // namespace orbilex
