#include "desktop/systemtray.h"
#include "platform/production.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbilex"));
    QApplication::setOrganizationName(QStringLiteral("Orbilex"));
    // The window may live on hidden in the tray; the program ends with its unload.
    QApplication::setQuitOnLastWindowClosed(false);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/orbilex-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    QApplication::setDesktopFileName(QStringLiteral("orbilex"));

    orbilex::Environment env = orbilex::makeProductionEnvironment();
    env.makeTrayIcon = [] { return std::make_unique<orbilex::SystemTrayIcon>(); };
    orbilex::frmMain window(env);
    window.showAsLoaded();
    return QApplication::exec();
}
