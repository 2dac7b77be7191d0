#include "AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>

QImage AppIcon::Render(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // Tile (as in the SVG: 64 x 64, corner radius 12).
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x79));
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // Truss: bottom chord 12..52 at y 42, top chord 20..44 at y 22,
    // verticals and diagonals of a Pratt panel.
    QPen chord(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(chord);
    p.setBrush(Qt::NoBrush);
    QPainterPath frame;
    frame.moveTo(12, 42);
    frame.lineTo(52, 42);
    frame.lineTo(44, 22);
    frame.lineTo(20, 22);
    frame.closeSubpath();
    p.drawPath(frame);
    QPen web(QColor(0xff, 0xc8, 0x3d), 2.4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(web);
    p.drawLine(QPointF(32, 22), QPointF(32, 42));
    p.drawLine(QPointF(20, 22), QPointF(32, 42));
    p.drawLine(QPointF(44, 22), QPointF(32, 42));

    // Supports: a pin (triangle) and a roller (triangle on a line).
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0x4a, 0x3c));
    p.drawPolygon(QPolygonF({QPointF(12, 42), QPointF(7, 51), QPointF(17, 51)}));
    p.drawPolygon(QPolygonF({QPointF(52, 42), QPointF(47, 51), QPointF(57, 51)}));
    p.setPen(QPen(QColor(0xe8, 0x4a, 0x3c), 2));
    p.drawLine(QPointF(45, 54), QPointF(59, 54));
    return image;
}

QIcon AppIcon::Create()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(Render(size)));
    return icon;
}
