#include "ui/main/frmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orbilex"));
    orbilex::frmMain window;
    window.show();
    return QApplication::exec();
}
