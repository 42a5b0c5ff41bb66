#include "desktop/systemtray.h"
#include "platform/production.h"
#include "ui/main/frmMain.h"
#include "viewlogic/commandline.h"

#include <QApplication>
#include <QComboBox>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const orbilex::StartRequest request
        = orbilex::parseCommandLine(arguments, QStringLiteral(ORBILEX_VERSION));
    if (request.action != orbilex::StartRequest::Action::Start) {
        const bool failed = request.action == orbilex::StartRequest::Action::FailAndExit;
        std::fputs(request.output.toLocal8Bit().constData(), failed ? stderr : stdout);
        return failed ? 2 : 0;
    }

    QApplication app(argc, argv);
    orbilex::setUpApplication();
    orbilex::Environment env = orbilex::makeProductionEnvironment();
    env.makeTrayIcon = [] { return std::make_unique<orbilex::SystemTrayIcon>(); };
    orbilex::frmMain window(env);
    if (request.country)
        window.chooseCountry(*request.country);
    window.showAsLoaded();
    if (request.worldMap)
        window.showCompanion(orbilex::frmMain::CompanionKind::WorldMap);
    if (request.ipToCountry)
        window.showCompanion(orbilex::frmMain::CompanionKind::IpToCountry);
    return QApplication::exec();
}
