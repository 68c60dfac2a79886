// The colour block: a red heart.
#include "Artwork.h"
#include "Canvas.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr QSize kCellSize(32, 32);
const QColor kRed(222, 22, 44);
const QColor kEdge(110, 0, 15);

QPainterPath heart()
{
    QPainterPath path;
    path.moveTo(16.0, 29.0);
    path.cubicTo(10.0, 24.0, 2.5, 18.5, 2.5, 11.0);
    path.cubicTo(2.5, 6.5, 5.5, 3.5, 9.5, 3.5);
    path.cubicTo(12.5, 3.5, 15.0, 5.5, 16.0, 8.5);
    path.cubicTo(17.0, 5.5, 19.5, 3.5, 22.5, 3.5);
    path.cubicTo(26.5, 3.5, 29.5, 6.5, 29.5, 11.0);
    path.cubicTo(29.5, 18.5, 22.0, 24.0, 16.0, 29.0);
    path.closeSubpath();
    return path;
}

} // namespace

QImage drawHeart(int scale)
{
    QImage picture = newPicture(kCellSize, scale);
    QPainter painter;
    beginPainting(painter, picture);
    QRadialGradient light(QPointF(11.0, 10.0), 18.0);
    light.setColorAt(0, kRed.lighter(135));
    light.setColorAt(0.55, kRed);
    light.setColorAt(1, kRed.darker(150));
    painter.setPen(QPen(kEdge, 1.0));
    painter.setBrush(light);
    painter.drawPath(heart());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 190));
    painter.translate(8.5, 8.5);
    painter.rotate(-35.0);
    painter.drawEllipse(QPointF(0, 0), 2.6, 1.5);
    return picture;
}
