#include "ui/toolicons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace orbilex {

namespace {

// Drawn on a 16 by 16 grid; scale makes the larger size.
void draw(QPainter &p, ToolIcon which)
{
    // In the colours of the buttons they sit on, so a dark palette keeps them visible.
    const QPalette palette = QGuiApplication::palette();
    const QColor ink = palette.color(QPalette::ButtonText);
    const QColor paper = palette.color(QPalette::Base);
    p.setPen(QPen(ink, 1));
    switch (which) {
    case ToolIcon::Enlarge:
        // A frame with an arrow out of its corner.
        p.setBrush(paper);
        p.drawRect(QRectF(1.5, 4.5, 10, 10));
        p.drawLine(QPointF(6.5, 9.5), QPointF(14.5, 1.5));
        p.drawLine(QPointF(9.5, 1.5), QPointF(14.5, 1.5));
        p.drawLine(QPointF(14.5, 1.5), QPointF(14.5, 6.5));
        break;
    case ToolIcon::Copy:
        // Two sheets, one over the other.
        p.setBrush(paper);
        p.drawRect(QRectF(1.5, 1.5, 8, 10));
        p.drawRect(QRectF(6.5, 4.5, 8, 10));
        for (const double y : {7.5, 9.5, 11.5})
            p.drawLine(QPointF(8.5, y), QPointF(12.5, y));
        break;
    case ToolIcon::Paste:
        // A clipboard with a sheet on it.
        p.setBrush(QColor(190, 150, 90));
        p.drawRect(QRectF(2.5, 2.5, 10, 12));
        p.setBrush(ink);
        p.drawRect(QRectF(5.5, 1.5, 4, 2));
        p.setBrush(paper);
        p.drawRect(QRectF(6.5, 6.5, 8, 9));
        for (const double y : {9.5, 11.5, 13.5})
            p.drawLine(QPointF(8.5, y), QPointF(12.5, y));
        break;
    case ToolIcon::Options:
        // A list of settings: a mark and a line on each row.
        for (const double y : {3.5, 7.5, 11.5}) {
            p.fillRect(QRectF(1, y - 1.5, 3, 3), ink);
            p.drawLine(QPointF(6.5, y), QPointF(14.5, y));
        }
        break;
    }
}

QPixmap picture(ToolIcon which, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, size > 16);
    p.scale(size / 16.0, size / 16.0);
    draw(p, which);
    return pixmap;
}

} // namespace

QIcon toolIcon(ToolIcon which)
{
    QIcon icon;
    for (const int size : {16, 32})
        icon.addPixmap(picture(which, size));
    return icon;
}

} // namespace orbilex
