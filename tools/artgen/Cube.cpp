#include "Cube.h"

QPolygonF Cube::front() const
{
    const QPointF p = frontTopLeft;
    return {{p, p + QPointF(size, 0), p + QPointF(size, size), p + QPointF(0, size)}};
}

QPolygonF Cube::top() const
{
    const QPointF p = frontTopLeft;
    const QPointF back(depth, -depth);
    return {{p + back, p + back + QPointF(size, 0), p + QPointF(size, 0), p}};
}

QPolygonF Cube::side() const
{
    const QPointF p = frontTopLeft + QPointF(size, 0);
    const QPointF back(depth, -depth);
    return {{p, p + back, p + back + QPointF(0, size), p + QPointF(0, size)}};
}

QPolygonF Cube::silhouette() const
{
    const QPointF p = frontTopLeft;
    const QPointF back(depth, -depth);
    return {{p, p + back, p + back + QPointF(size, 0), p + back + QPointF(size, size),
             p + QPointF(size, size), p + QPointF(0, size)}};
}
