// The sound holder's own picture: an orange plate held by four rivets, with a
// small loudspeaker sign in the middle. It fills its square: no transparency.
#include "Artwork.h"
#include "Canvas.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr QSize kHolderSize(32, 32);
const QColor kPlate(242, 140, 28);
const QColor kSpeaker(40, 30, 25);
constexpr double kBevel = 2.0;
constexpr double kRivetRadius = 2.2;
const QPointF kRivets[] = {{5.5, 5.5}, {26.5, 5.5}, {5.5, 26.5}, {26.5, 26.5}};

void paintPlate(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    // Light from the top left: a bright upper-left rim, a dark lower-right one.
    painter.setBrush(kPlate.darker(150));
    painter.drawRect(QRectF(0, 0, 32, 32));
    painter.setBrush(kPlate.lighter(140));
    painter.drawPolygon(QPolygonF({{0, 0}, {32, 0}, {32 - kBevel, kBevel}, {kBevel, 32 - kBevel}, {0, 32}}));
    QLinearGradient face(QPointF(0, 0), QPointF(32, 32));
    face.setColorAt(0, kPlate.lighter(110));
    face.setColorAt(1, kPlate.darker(110));
    painter.setBrush(face);
    painter.drawRect(QRectF(kBevel, kBevel, 32 - 2 * kBevel, 32 - 2 * kBevel));
}

void paintRivets(QPainter& painter)
{
    for (const QPointF& centre : kRivets) {
        QRadialGradient shine(centre + QPointF(-0.8, -0.8), kRivetRadius * 1.4);
        shine.setColorAt(0, QColor(250, 240, 225));
        shine.setColorAt(1, QColor(130, 110, 95));
        painter.setPen(QPen(QColor(90, 50, 10), 0.6));
        painter.setBrush(shine);
        painter.drawEllipse(centre, kRivetRadius, kRivetRadius);
    }
}

void paintSpeaker(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSpeaker);
    painter.drawPolygon(
        QPolygonF({{9.0, 13.0}, {12.5, 13.0}, {17.0, 9.0}, {17.0, 23.0}, {12.5, 19.0}, {9.0, 19.0}}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kSpeaker, 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(15.0, 12.0, 6.0, 8.0), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(14.0, 9.0, 10.0, 14.0), -50 * 16, 100 * 16);
}

} // namespace

QImage drawSoundHolder(int scale)
{
    QImage picture = newPicture(kHolderSize, scale);
    QPainter painter;
    beginPainting(painter, picture);
    paintPlate(painter);
    paintRivets(painter);
    paintSpeaker(painter);
    return picture;
}
