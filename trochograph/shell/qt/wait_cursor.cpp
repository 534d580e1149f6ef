#include "shell/qt/wait_cursor.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace trochograph {

namespace {

// A black-edged white hourglass with sand in its lower half, 24 pixels high.
QCursor stillHourglass()
{
    constexpr int side = 24;
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(Qt::white);
    const QPolygonF glass{{5, 2}, {19, 2}, {13, 12}, {19, 22}, {5, 22}, {11, 12}};
    painter.drawPolygon(glass);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x80, 0x60, 0x20));
    painter.drawPolygon(QPolygonF{{12, 15}, {17.5, 21}, {6.5, 21}});
    painter.end();
    return QCursor(picture, side / 2, side / 2);
}

}  // namespace

QCursor waitCursor()
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return QCursor(Qt::WaitCursor);
    // Made once and kept to the end, past the application whose pixmaps can't outlive it.
    static const QCursor* const still = new QCursor(stillHourglass());
    return *still;
}

}  // namespace trochograph
