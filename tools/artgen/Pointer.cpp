// The mouse pointer: a white-gloved hand pointing up and to the left, the tip
// of its finger at the hot spot (0, 0).
#include "Artwork.h"
#include "Canvas.h"

#include <QPainterPath>

namespace {

constexpr QSize kPointerSize(32, 32);
const QColor kGlove(252, 252, 252);
const QColor kShade(200, 202, 214);
const QColor kEdge(0, 0, 0);
constexpr double kOutlineWidth = 1.0;
// The hand is drawn pointing straight up from its fingertip at the origin,
// then turned a quarter of the way to the left. The tip sits a little inside
// the picture so that its outline is not cut off.
constexpr double kTurn = -45.0;
constexpr double kTipInset = 0.7;
constexpr double kTipRadius = 2.0;

void paintPart(QPainter& painter, const QPainterPath& part, const QColor& fill)
{
    painter.setPen(QPen(kEdge, kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(part);
}

QPainterPath rounded(const QRectF& box, double radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

QPainterPath finger()
{
    // Narrow at the tip, so that the rounded end stays inside the picture.
    QPainterPath path;
    path.moveTo(-kTipRadius, kTipRadius);
    path.arcTo(QRectF(-kTipRadius, 0.0, 2 * kTipRadius, 2 * kTipRadius), 180.0, -180.0);
    path.lineTo(3.0, 14.0);
    path.lineTo(-3.0, 14.0);
    path.closeSubpath();
    return path;
}

void paintHand(QPainter& painter)
{
    // Back to front: the cuff, the pointing finger, the thumb's bulge at the
    // side, and the fist over the finger's root with lines between the
    // curled fingers.
    paintPart(painter, rounded(QRectF(-4.0, 23.5, 15.5, 6.0), 1.5), kShade);
    paintPart(painter, finger(), kGlove);
    QPainterPath thumb;
    thumb.addEllipse(QPointF(-3.5, 18.0), 2.8, 4.5);
    paintPart(painter, thumb, kGlove);
    paintPart(painter, rounded(QRectF(-3.0, 11.0, 14.0, 13.5), 4.5), kGlove);
    painter.setPen(QPen(kEdge, 0.8, Qt::SolidLine, Qt::RoundCap));
    for (const double y : {15.5, 20.0}) painter.drawLine(QPointF(4.5, y), QPointF(11.0, y));
}

} // namespace

QImage drawPointer(int scale)
{
    QImage picture = newPicture(kPointerSize, scale);
    QPainter painter;
    beginPainting(painter, picture);
    painter.translate(kTipInset, kTipInset);
    painter.rotate(kTurn);
    paintHand(painter);
    return picture;
}
