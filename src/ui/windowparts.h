#pragma once
// What every window of the program does alike: controls named by their
// design names, geometry given in twips, and a window's position kept in the
// settings store.

#include "common/apperror.h"
#include "store/settingskeys.h"
#include "store/settingsstore.h"
#include "viewlogic/windowmath.h"

#include <QLayout>
#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <concepts>
#include <initializer_list>
#include <optional>
#include <type_traits>

class QPushButton;

namespace orbilex {

template<typename T> T *named(T *widget, const char *objectName)
{
    widget->setObjectName(QLatin1StringView(objectName));
    return widget;
}

// A button of a window under its design name, with a tooltip when one is
// given; Enter elsewhere in the window never presses it.
QPushButton *pushButton(QWidget *parent, const char *objectName, const char *caption, const char *toolTip = nullptr);

// A timer of the window, found by its design name.
QTimer *namedTimer(QObject *owner, const char *objectName, int intervalMs);

// A slot that throws must not take the event loop down with it: the failing
// reaction is skipped, as every other step of a window's life is.
template<typename Sender, typename Signal, typename Receiver>
void guardedConnect(Sender *sender, Signal signal, Receiver *receiver, void (Receiver::*slot)())
{
    QObject::connect(sender, signal, receiver, [receiver, slot] { guarded([&] { (receiver->*slot)(); }); });
}

// The same for a reaction that needs the signal's arguments or more than one call.
template<typename Sender, typename Signal, typename Receiver, typename Slot>
requires(!std::is_member_function_pointer_v<Slot>) void guardedConnect(
    Sender *sender, Signal signal, Receiver *receiver, Slot slot)
{
    // Constrained, so that Qt hands over only as many arguments as the slot takes.
    QObject::connect(
        sender, signal, receiver, [slot](const auto &...args) requires std::invocable<const Slot &, decltype(args)...> {
            guarded([&] { slot(args...); });
        });
}

// Geometry given in twips, as the windows were designed.
inline void place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// Chains Tab through the controls of the layouts in the order they are read:
// a box layout's items in turn, a grid row by row, each cell left to right,
// nested layouts and the layouts of container widgets where they stand.
void tabInLayoutOrder(std::initializer_list<QLayout *> layouts);

// Whether a window may place itself on this platform; a Wayland compositor
// places every window, and reports no position back.
bool windowsPlaceThemselves();

// Moves w to the left and top edges stored in twips, each edge on its own:
// one that is missing or no number takes its default, or stays where it is
// when there is none. A position off every screen is brought onto the
// nearest one. Nothing happens where windows cannot place themselves.
void restoreWindowPosition(const SettingsStore &settings, const IntKey &left, const IntKey &top, QWidget *w,
    std::optional<QPoint> defaultTwips = std::nullopt);

// Stores w's left and top edges in twips; where windows cannot place
// themselves the stored edges stay as they were, for the next X11 or Windows
// session.
void saveWindowPosition(SettingsStore &settings, const IntKey &left, const IntKey &top, const QWidget *w);

} // namespace orbilex
