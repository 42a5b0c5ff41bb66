#include "desktop/systemtray.h"
#include "platform/production.h"
#include "ui/main/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    orbilex::setUpApplication();
    orbilex::Environment env = orbilex::makeProductionEnvironment();
    env.makeTrayIcon = [] { return std::make_unique<orbilex::SystemTrayIcon>(); };
    orbilex::frmMain window(env);
    window.showAsLoaded();
    return QApplication::exec();
}
