#include "ui/windowparts.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QPushButton>
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

void collectTabStops(QLayoutItem *item, QList<QWidget *> &stops);

void collectTabStops(QLayout *layout, QList<QWidget *> &stops)
{
    QList<QLayoutItem *> items;
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column)
                if (QLayoutItem *item = grid->itemAtPosition(row, column); item && !items.contains(item))
                    items << item;
    } else {
        for (int i = 0; i < layout->count(); ++i)
            items << layout->itemAt(i);
    }
    for (QLayoutItem *item : items)
        collectTabStops(item, stops);
}

void collectTabStops(QLayoutItem *item, QList<QWidget *> &stops)
{
    if (QLayout *nested = item->layout())
        return collectTabStops(nested, stops);
    QWidget *w = item->widget();
    if (!w)
        return;
    if (w->focusPolicy() & Qt::TabFocus)
        stops << w;
    if (w->layout())
        collectTabStops(w->layout(), stops);
}

} // namespace

QPushButton *pushButton(QWidget *parent, const char *objectName, const char *caption, const char *toolTip)
{
    auto *b = named(new QPushButton(QString::fromLatin1(caption), parent), objectName);
    if (toolTip)
        b->setToolTip(QString::fromLatin1(toolTip));
    b->setAutoDefault(false);
    return b;
}

QTimer *namedTimer(QObject *owner, const char *objectName, int intervalMs)
{
    auto *timer = new QTimer(owner);
    timer->setObjectName(QLatin1StringView(objectName));
    timer->setInterval(intervalMs);
    return timer;
}

void tabInLayoutOrder(std::initializer_list<QLayout *> layouts)
{
    QList<QWidget *> stops;
    for (QLayout *layout : layouts)
        collectTabStops(layout, stops);
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

bool windowsPlaceThemselves()
{
    return !QGuiApplication::platformName().startsWith(u"wayland");
}

void restoreWindowPosition(const SettingsStore &settings, const IntKey &left, const IntKey &top, QWidget *w,
    std::optional<QPoint> defaultTwips)
{
    if (!windowsPlaceThemselves())
        return;
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
    if (!windowsPlaceThemselves())
        return;
    settings.write(left, pixelsToTwips(w->x()));
    settings.write(top, pixelsToTwips(w->y()));
}

} // namespace orbilex
