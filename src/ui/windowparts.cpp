#include "store/storedvalues.h"
#include "ui/windowparts.h"

#include <QGuiApplication>
#include <QScreen>

namespace orbilex {

namespace {

QList<QRect> availableAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

} // namespace

void restoreWindowPosition(const SettingsStore &settings, const SettingKey &left, const SettingKey &top, QWidget *w,
    std::optional<QPoint> defaultTwips)
{
    std::optional<int> x = storedNumber(settings.read(left));
    std::optional<int> y = storedNumber(settings.read(top));
    if (defaultTwips) {
        x = x.value_or(defaultTwips->x());
        y = y.value_or(defaultTwips->y());
    }
    // With nothing stored the window system places the window.
    if (!x && !y)
        return;
    // A position stored for another screen, or written by hand, must not
    // leave the window where nobody can see it.
    const QPoint wanted(x ? twipsToPixels(*x) : w->x(), y ? twipsToPixels(*y) : w->y());
    w->move(reachablePosition(wanted, w->frameGeometry().size(), availableAreas()));
}

void saveWindowPosition(SettingsStore &settings, const SettingKey &left, const SettingKey &top, const QWidget *w)
{
    settings.write(left, QString::number(pixelsToTwips(w->x())));
    settings.write(top, QString::number(pixelsToTwips(w->y())));
}

} // namespace orbilex
