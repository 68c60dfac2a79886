// The shower block: a carved pumpkin with a grinning face, lit from inside.
#include "Artwork.h"
#include "Canvas.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr QSize kCellSize(32, 32);
const QColor kRind(240, 120, 10);
const QColor kRindShadow(190, 75, 5);
const QColor kEdge(100, 40, 0);
const QColor kGlow(255, 225, 70);
const QColor kStem(90, 120, 30);

struct Lobe {
    QPointF centre;
    double rx;
    double ry;
};

// Outer lobes first, so the middle one lies in front.
const Lobe kLobes[] = {
    {{9.5, 19.0}, 7.5, 10.0},
    {{22.5, 19.0}, 7.5, 10.0},
    {{16.0, 19.0}, 7.0, 11.0},
};

void paintStem(QPainter& painter)
{
    QPainterPath stem;
    stem.moveTo(14.5, 10.0);
    stem.cubicTo(14.5, 6.5, 15.5, 4.0, 18.5, 2.5);
    stem.lineTo(19.8, 4.3);
    stem.cubicTo(17.8, 5.5, 17.5, 7.5, 17.8, 10.0);
    stem.closeSubpath();
    painter.setPen(QPen(kStem.darker(200), 0.8));
    painter.setBrush(kStem);
    painter.drawPath(stem);
}

void paintBody(QPainter& painter)
{
    painter.setPen(QPen(kEdge, 0.9));
    for (const Lobe& lobe : kLobes) {
        QRadialGradient light(lobe.centre + QPointF(-2.0, -4.0), lobe.ry * 1.3);
        light.setColorAt(0, kRind.lighter(125));
        light.setColorAt(0.6, kRind);
        light.setColorAt(1, kRindShadow);
        painter.setBrush(light);
        painter.drawEllipse(lobe.centre, lobe.rx, lobe.ry);
    }
}

QPainterPath face()
{
    QPainterPath cuts;
    cuts.addPolygon(QPolygonF({{8.5, 17.0}, {12.0, 12.5}, {14.0, 17.5}}));
    cuts.closeSubpath();
    cuts.addPolygon(QPolygonF({{23.5, 17.0}, {20.0, 12.5}, {18.0, 17.5}}));
    cuts.closeSubpath();
    cuts.addPolygon(QPolygonF({{16.0, 17.5}, {17.4, 20.0}, {14.6, 20.0}}));
    cuts.closeSubpath();
    // A wide grin with two teeth left standing in the upper lip.
    QPainterPath grin;
    grin.moveTo(6.5, 20.5);
    grin.lineTo(10.5, 22.0);
    grin.lineTo(11.5, 20.8);
    grin.lineTo(12.5, 22.4);
    grin.lineTo(19.5, 22.4);
    grin.lineTo(20.5, 20.8);
    grin.lineTo(21.5, 22.0);
    grin.lineTo(25.5, 20.5);
    grin.cubicTo(24.0, 26.5, 19.5, 28.0, 16.0, 28.0);
    grin.cubicTo(12.5, 28.0, 8.0, 26.5, 6.5, 20.5);
    grin.closeSubpath();
    cuts.addPath(grin);
    return cuts;
}

} // namespace

QImage drawPumpkin(int scale)
{
    QImage picture = newPicture(kCellSize, scale);
    QPainter painter;
    beginPainting(painter, picture);
    paintStem(painter);
    paintBody(painter);
    painter.setPen(QPen(kEdge, 0.8));
    painter.setBrush(kGlow);
    painter.drawPath(face());
    return picture;
}
