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

void restoreWindowPosition(const SettingsStore &settings, const IntKey &left, const IntKey &top, QWidget *w,
    std::optional<QPoint> defaultTwips)
{
    std::optional<int> x = settings.read(left);
    std::optional<int> y = settings.read(top);
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

void saveWindowPosition(SettingsStore &settings, const IntKey &left, const IntKey &top, const QWidget *w)
{
    settings.write(left, pixelsToTwips(w->x()));
    settings.write(top, pixelsToTwips(w->y()));
}

} // namespace orbilex
