#include "ui/windowparts.h"

namespace orbilex {

void restoreWindowPosition(const SettingsStore &settings, const SettingKey &left, const SettingKey &top, QWidget *w,
    std::optional<QPoint> defaultTwips)
{
    std::optional<int> x = storedNumber(settings.read(left));
    std::optional<int> y = storedNumber(settings.read(top));
    if (defaultTwips) {
        x = x.value_or(defaultTwips->x());
        y = y.value_or(defaultTwips->y());
    }
    w->move(x ? twipsToPixels(*x) : w->x(), y ? twipsToPixels(*y) : w->y());
}

void saveWindowPosition(SettingsStore &settings, const SettingKey &left, const SettingKey &top, const QWidget *w)
{
    settings.write(left, QString::number(pixelsToTwips(w->x())));
    settings.write(top, QString::number(pixelsToTwips(w->y())));
}

} // namespace orbilex
