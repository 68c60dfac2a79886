// The joker: a green gift box tied with a red ribbon and a bow on its lid.
#include "Artwork.h"
#include "Canvas.h"
#include "Cube.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

constexpr QSize kCellSize(32, 32);
// Smaller than a letter block, to leave room for the bow above the lid.
const Cube kBox{{2.5, 11.5}, 18.0, 8.0};
const QColor kBoxGreen(40, 170, 70);
const QColor kRibbonRed(220, 30, 40);
const QColor kEdge(15, 60, 25);
const QColor kRibbonEdge(110, 10, 15);
// The ribbon's band across a face, as a part of the face's unit square: on
// the front it covers whole pixels, from x = 10 to 13.
constexpr double kBandFrom = 7.5 / 18.0;
constexpr double kBandTo = 10.5 / 18.0;

QPolygonF unitBand(const QPolygonF& face, bool across)
{
    QTransform unitToFace;
    QTransform::squareToQuad(face, unitToFace);
    const QRectF band = across ? QRectF(0, kBandFrom, 1, kBandTo - kBandFrom)
                               : QRectF(kBandFrom, 0, kBandTo - kBandFrom, 1);
    return unitToFace.map(QPolygonF(band));
}

void paintFace(QPainter& painter, const QPolygonF& face, const QColor& colour)
{
    QLinearGradient light(face[0], face[2]);
    light.setColorAt(0, colour.lighter(115));
    light.setColorAt(1, colour.darker(115));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawPolygon(face);
}

void paintBand(QPainter& painter, const QPolygonF& band, const QColor& colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(band);
}

void paintBow(QPainter& painter, const QPointF& knot)
{
    painter.setPen(QPen(kRibbonEdge, 0.8));
    for (const double side : {-1.0, 1.0}) {
        QPainterPath tail;
        tail.moveTo(knot);
        tail.lineTo(knot + QPointF(side * 5.0, 4.0));
        tail.lineTo(knot + QPointF(side * 3.2, 5.2));
        tail.closeSubpath();
        painter.setBrush(kRibbonRed.darker(115));
        painter.drawPath(tail);
        QPainterPath loop;
        loop.moveTo(knot);
        loop.cubicTo(knot + QPointF(side * 3.0, -8.5), knot + QPointF(side * 10.5, -6.5),
                     knot + QPointF(side * 2.0, 1.0));
        loop.closeSubpath();
        painter.setBrush(kRibbonRed);
        painter.drawPath(loop);
    }
    painter.setBrush(kRibbonRed.lighter(120));
    painter.drawEllipse(knot + QPointF(0, -0.5), 2.2, 1.9);
}

} // namespace

QImage drawGiftBox(int scale)
{
    QImage picture = newPicture(kCellSize, scale);
    QPainter painter;
    beginPainting(painter, picture);
    paintFace(painter, kBox.top(), kBoxGreen.lighter(130));
    paintFace(painter, kBox.side(), kBoxGreen.darker(140));
    paintFace(painter, kBox.front(), kBoxGreen);
    paintBand(painter, unitBand(kBox.top(), false), kRibbonRed.lighter(115));
    paintBand(painter, unitBand(kBox.top(), true), kRibbonRed.lighter(115));
    paintBand(painter, unitBand(kBox.side(), false), kRibbonRed.darker(130));
    paintBand(painter, unitBand(kBox.front(), false), kRibbonRed);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kEdge, 0.6));
    painter.drawPolyline(QPolygonF({kBox.top()[3], kBox.top()[2], kBox.side()[3]}));
    painter.setPen(QPen(kEdge, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolygon(kBox.silhouette());

    QTransform unitToTop;
    QTransform::squareToQuad(kBox.top(), unitToTop);
    paintBow(painter, unitToTop.map(QPointF(0.5, 0.5)));
    return picture;
}
