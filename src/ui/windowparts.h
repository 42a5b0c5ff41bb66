#pragma once
// What every window of the program does alike: controls named by their
// design names, geometry given in twips, and a window's position kept in the
// settings store.

#include "store/settingskeys.h"
#include "store/settingsstore.h"
#include "viewlogic/windowmath.h"

#include <QPoint>
#include <QWidget>

#include <optional>

namespace orbilex {

template<typename T> T *named(T *widget, const char *objectName)
{
    widget->setObjectName(QLatin1StringView(objectName));
    return widget;
}

// Geometry given in twips, as the windows were designed.
inline void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// Moves w to the left and top edges stored in twips, each edge on its own:
// one that is missing or no number takes its default, or stays where it is
// when there is none. A position off every screen is brought onto the
// nearest one.
void restoreWindowPosition(const SettingsStore &settings, const IntKey &left, const IntKey &top, QWidget *w,
    std::optional<QPoint> defaultTwips = std::nullopt);

// Stores w's left and top edges in twips.
void saveWindowPosition(SettingsStore &settings, const IntKey &left, const IntKey &top, const QWidget *w);

} // namespace orbilex
