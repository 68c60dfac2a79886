// The cleared cell: a grey money bag marked with a green dollar sign.
#include "Artwork.h"
#include "Canvas.h"
#include "Lettering.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr QSize kCellSize(32, 32);
const QColor kCloth(160, 160, 165);
const QColor kEdge(55, 55, 60);
const QColor kCord(110, 85, 50);
const QColor kDollarGreen(20, 150, 40);
const QRectF kDollarBox(10.0, 15.0, 12.0, 14.0);

QPainterPath sack()
{
    QPainterPath path;
    path.moveTo(12.0, 12.0);
    path.cubicTo(4.5, 15.0, 2.5, 22.0, 4.0, 26.5);
    path.cubicTo(5.5, 30.5, 26.5, 30.5, 28.0, 26.5);
    path.cubicTo(29.5, 22.0, 27.5, 15.0, 20.0, 12.0);
    path.closeSubpath();
    return path;
}

QPainterPath ruffle()
{
    QPainterPath path;
    path.moveTo(12.5, 11.0);
    path.lineTo(9.0, 4.0);
    path.quadTo(11.5, 5.5, 13.0, 3.0);
    path.quadTo(14.5, 5.0, 16.0, 2.5);
    path.quadTo(17.5, 5.0, 19.0, 3.0);
    path.quadTo(20.5, 5.5, 23.0, 4.0);
    path.lineTo(19.5, 11.0);
    path.closeSubpath();
    return path;
}

} // namespace

QImage drawMoneyBag(int scale)
{
    QImage picture = newPicture(kCellSize, scale);
    QPainter painter;
    beginPainting(painter, picture);
    QRadialGradient light(QPointF(12.0, 18.0), 16.0);
    light.setColorAt(0, kCloth.lighter(130));
    light.setColorAt(0.6, kCloth);
    light.setColorAt(1, kCloth.darker(150));
    painter.setPen(QPen(kEdge, 0.9));
    painter.setBrush(light);
    painter.drawPath(ruffle());
    painter.drawPath(sack());
    painter.setPen(QPen(kCord.darker(160), 0.6));
    painter.setBrush(kCord);
    painter.drawRoundedRect(QRectF(10.5, 10.0, 11.0, 2.5), 1.0, 1.0);

    const QPolygonF box(
        {kDollarBox.topLeft(), kDollarBox.topRight(), kDollarBox.bottomRight(), kDollarBox.bottomLeft()});
    painter.setPen(QPen(kDollarGreen.darker(180), 0.5));
    painter.setBrush(kDollarGreen);
    painter.drawPath(onQuad(textInUnitSquare(QStringLiteral("$"), Typeface::BlockLetters, 1.0), box));
    return picture;
}
