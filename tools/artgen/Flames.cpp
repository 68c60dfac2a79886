// The blasted cell: yellow and orange flames.
#include "Artwork.h"
#include "Canvas.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

constexpr QSize kCellSize(32, 32);

// One tongue of flame: a round foot at `base`, rising to a tip that leans.
QPainterPath tongue(const QPointF& base, double halfWidth, double height, double lean)
{
    const QPointF tip = base + QPointF(lean, -height);
    QPainterPath path;
    path.moveTo(tip);
    path.cubicTo(base + QPointF(lean * 0.2 + halfWidth * 0.4, -height * 0.55),
                 base + QPointF(halfWidth * 1.15, -height * 0.3), base + QPointF(halfWidth, 0));
    path.cubicTo(base + QPointF(halfWidth * 0.8, halfWidth * 0.75), base + QPointF(-halfWidth * 0.8, halfWidth * 0.75),
                 base + QPointF(-halfWidth, 0));
    path.cubicTo(base + QPointF(-halfWidth * 1.15, -height * 0.3),
                 base + QPointF(lean * 0.2 - halfWidth * 0.4, -height * 0.55), tip);
    path.closeSubpath();
    return path;
}

struct Tongue {
    QPointF base;
    double halfWidth;
    double height;
    double lean;
};

// Back to front: the side tongues behind the big middle one.
const Tongue kTongues[] = {
    {{9.0, 24.0}, 6.0, 15.0, -3.5},
    {{23.0, 24.5}, 6.0, 13.0, 3.0},
    {{16.0, 23.5}, 8.5, 21.5, 1.0},
};
const QColor kOrange(245, 105, 10);
const QColor kYellow(255, 205, 30);
const QColor kCore(255, 250, 190);
const QColor kEdge(170, 45, 0);

} // namespace

QImage drawFlames(int scale)
{
    QImage picture = newPicture(kCellSize, scale);
    QPainter painter;
    beginPainting(painter, picture);
    for (const Tongue& t : kTongues) {
        QLinearGradient heat(t.base, t.base + QPointF(t.lean, -t.height));
        heat.setColorAt(0, kYellow);
        heat.setColorAt(1, kOrange);
        painter.setPen(QPen(kEdge, 0.8));
        painter.setBrush(heat);
        painter.drawPath(tongue(t.base, t.halfWidth, t.height, t.lean));
        painter.setPen(Qt::NoPen);
        painter.setBrush(kYellow);
        painter.drawPath(tongue(t.base + QPointF(0, 1.0), t.halfWidth * 0.55, t.height * 0.6, t.lean * 0.5));
    }
    painter.setBrush(kCore);
    painter.drawPath(tongue(QPointF(16.0, 25.5), 3.0, 8.0, 0.5));
    return picture;
}
