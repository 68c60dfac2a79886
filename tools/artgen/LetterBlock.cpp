#include "LetterBlock.h"

#include "Canvas.h"
#include "Lettering.h"

#include <QLinearGradient>

namespace {

// How the light falls: the top brightest, the side in shadow.
constexpr int kTopLightening = 135;
constexpr int kSideDarkening = 145;
constexpr int kOutlineDarkening = 300;
// The raised rim around each face, as a part of the face's unit square.
constexpr double kRimFrom = 0.1;
constexpr double kRimTo = 0.9;
constexpr double kCapitalHeight = 0.66;
constexpr double kSmallHeight = 0.72;
constexpr double kOutlineWidth = 1.0;
constexpr double kInnerEdgeWidth = 0.6;
constexpr double kLetterEdgeWidth = 0.5;

void paintFace(QPainter& painter, const QPolygonF& face, const QColor& colour)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.lighter(125));
    painter.drawPolygon(face);
    const QPolygonF inner = insetQuad(face, kRimFrom, kRimTo);
    QLinearGradient light(inner[0], inner[2]);
    light.setColorAt(0, colour.lighter(112));
    light.setColorAt(1, colour.darker(112));
    painter.setBrush(light);
    painter.drawPolygon(inner);
}

void paintLetter(QPainter& painter, const QPolygonF& face, const QString& letter, double height,
                 const QColor& colour)
{
    const QPainterPath outline = onQuad(textInUnitSquare(letter, Typeface::BlockLetters, height), face);
    painter.setPen(QPen(colour.lightness() > 128 ? QColor(0, 0, 0, 110) : QColor(255, 255, 255, 110),
                        kLetterEdgeWidth));
    painter.setBrush(colour);
    painter.drawPath(outline);
}

} // namespace

LetterBlock colouredBlock(const QColor& colour, const QString& capital, const QString& small)
{
    return {colour, colour.lighter(kTopLightening), colour.darker(kSideDarkening), Qt::white,
            QColor(235, 235, 235), capital, small};
}

void paintLetterBlock(QPainter& painter, const Cube& cube, const LetterBlock& block)
{
    paintFace(painter, cube.top(), block.top);
    paintFace(painter, cube.side(), block.side);
    paintFace(painter, cube.front(), block.front);
    paintLetter(painter, cube.front(), block.capital, kCapitalHeight, block.frontLetter);
    paintLetter(painter, cube.side(), block.small, kSmallHeight, block.sideLetter);

    const QColor edge = block.side.darker(kOutlineDarkening);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(edge, kInnerEdgeWidth));
    painter.drawPolyline(QPolygonF({cube.top()[3], cube.top()[2], cube.side()[3]}));
    painter.setPen(QPen(edge, kOutlineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolygon(cube.silhouette());
}
