// The bomb: a black round bomb with a lit fuse.
#include "Artwork.h"
#include "Canvas.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr QSize kCellSize(32, 32);
const QPointF kBallCentre(13.5, 19.5);
constexpr double kBallRadius = 9.5;
const QColor kIron(30, 30, 36);
const QColor kFuse(205, 175, 120);
const QPointF kSpark(26.5, 5.0);
constexpr int kSparkPoints = 8;
constexpr double kPi = 3.14159265358979323846;

void paintBall(QPainter& painter)
{
    QRadialGradient light(kBallCentre + QPointF(-3.5, -3.5), kBallRadius * 1.5);
    light.setColorAt(0, QColor(120, 120, 135));
    light.setColorAt(0.35, kIron);
    light.setColorAt(1, Qt::black);
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(light);
    painter.drawEllipse(kBallCentre, kBallRadius, kBallRadius);
}

void paintCap(QPainter& painter)
{
    painter.save();
    painter.translate(kBallCentre);
    painter.rotate(45.0);
    painter.setPen(QPen(Qt::black, 0.8));
    painter.setBrush(QColor(95, 95, 105));
    painter.drawRect(QRectF(-2.5, -kBallRadius - 2.5, 5.0, 3.5));
    painter.restore();
}

void paintFuse(QPainter& painter)
{
    QPainterPath fuse;
    fuse.moveTo(21.0, 11.0);
    fuse.cubicTo(22.0, 8.0, 25.5, 9.5, 24.5, 6.5);
    fuse.quadTo(24.0, 5.5, kSpark.x(), kSpark.y());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kFuse, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(fuse);
}

QPolygonF star(const QPointF& centre, double outer, double inner)
{
    QPolygonF points;
    for (int i = 0; i < 2 * kSparkPoints; ++i) {
        const double angle = i * kPi / kSparkPoints;
        const double radius = i % 2 == 0 ? outer : inner;
        points << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return points;
}

void paintSpark(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 120, 0));
    painter.drawPolygon(star(kSpark, 4.5, 1.8));
    painter.setBrush(QColor(255, 225, 40));
    painter.drawPolygon(star(kSpark, 2.8, 1.3));
    painter.setBrush(Qt::white);
    painter.drawEllipse(kSpark, 0.9, 0.9);
}

} // namespace

QImage drawBomb(int scale)
{
    QImage picture = newPicture(kCellSize, scale);
    QPainter painter;
    beginPainting(painter, picture);
    paintFuse(painter);
    paintCap(painter);
    paintBall(painter);
    paintSpark(painter);
    return picture;
}
