// The column block and the row block: one wooden ladder, upright and lying.
#include "Artwork.h"
#include "Canvas.h"

#include <QLinearGradient>

namespace {

constexpr QSize kCellSize(32, 32);
const QColor kWood(160, 100, 45);
const QColor kEdge(70, 38, 12);
constexpr double kRailWidth = 3.0;
constexpr double kLeftRail = 7.5;
constexpr double kRightRail = 21.5;
constexpr double kRailTop = 1.5;
constexpr double kRailBottom = 30.5;
constexpr double kRungHeight = 2.0;
constexpr double kRungTops[] = {5.0, 12.0, 19.0, 26.0};
constexpr double kQuarterTurn = 90.0;

void paintWood(QPainter& painter, const QRectF& piece, bool alongY)
{
    QLinearGradient grain(piece.topLeft(), alongY ? piece.topRight() : piece.bottomLeft());
    grain.setColorAt(0, kWood.lighter(135));
    grain.setColorAt(0.45, kWood);
    grain.setColorAt(1, kWood.darker(135));
    painter.setPen(QPen(kEdge, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(grain);
    painter.drawRect(piece);
}

void paintLadder(QPainter& painter)
{
    // The rungs sit between the rails, which hide their ends.
    const double rungLeft = kLeftRail + kRailWidth - 1.0;
    const double rungWidth = kRightRail - kLeftRail - kRailWidth + 2.0;
    for (const double top : kRungTops) paintWood(painter, QRectF(rungLeft, top, rungWidth, kRungHeight), false);
    for (const double left : {kLeftRail, kRightRail}) {
        paintWood(painter, QRectF(left, kRailTop, kRailWidth, kRailBottom - kRailTop), true);
    }
}

} // namespace

QImage drawUprightLadder(int scale)
{
    QImage picture = newPicture(kCellSize, scale);
    QPainter painter;
    beginPainting(painter, picture);
    paintLadder(painter);
    return picture;
}

QImage drawLyingLadder(int scale)
{
    QImage picture = newPicture(kCellSize, scale);
    QPainter painter;
    beginPainting(painter, picture);
    const QPointF centre(kCellSize.width() / 2.0, kCellSize.height() / 2.0);
    painter.translate(centre);
    painter.rotate(kQuarterTurn);
    painter.translate(-centre);
    paintLadder(painter);
    return picture;
}
