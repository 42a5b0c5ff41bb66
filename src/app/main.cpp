#include "desktop/systemtray.h"
#include "platform/production.h"
#include "platform/singleinstance.h"
#include "ui/main/frmMain.h"
#include "viewlogic/commandline.h"

#include <QApplication>

#include <cstdio>

namespace {

// What a command line asks of a window already on the screen.
void apply(orbilex::frmMain &window, const orbilex::StartRequest &request)
{
    if (request.country)
        window.chooseCountry(*request.country);
    if (request.worldMap)
        window.showCompanion(orbilex::frmMain::CompanionKind::WorldMap);
    if (request.ipToCountry)
        window.showCompanion(orbilex::frmMain::CompanionKind::IpToCountry);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const orbilex::StartRequest request = orbilex::parseCommandLine(arguments, QStringLiteral(ORBILEX_VERSION));
    if (request.action != orbilex::StartRequest::Action::Start) {
        const bool failed = request.action == orbilex::StartRequest::Action::FailAndExit;
        std::fputs(request.output.toLocal8Bit().constData(), failed ? stderr : stdout);
        return failed ? 2 : 0;
    }

    QApplication app(argc, argv);
    orbilex::setUpApplication();
    orbilex::SingleInstance instance(orbilex::SingleInstance::defaultFolder());
    if (!instance.becomeRunningCopy()) {
        if (instance.sendToRunningCopy(arguments))
            return 0;
        std::fputs("orbilex: another copy is running but does not answer\n", stderr);
        return 1;
    }

    orbilex::Environment env = orbilex::makeProductionEnvironment();
    env.makeTrayIcon = [] { return std::make_unique<orbilex::SystemTrayIcon>(); };
    orbilex::frmMain window(env);
    if (request.country)
        window.chooseCountry(*request.country);
    window.showAsLoaded();
    orbilex::StartRequest windows = request;
    windows.country.reset();
    apply(window, windows);
    QObject::connect(
        &instance, &orbilex::SingleInstance::argumentsReceived, &window, [&window](const QStringList &later) {
            const orbilex::StartRequest asked = orbilex::parseCommandLine(later, QStringLiteral(ORBILEX_VERSION));
            if (asked.action != orbilex::StartRequest::Action::Start)
                return;
            window.bringForward();
            apply(window, asked);
        });
    return QApplication::exec();
}
