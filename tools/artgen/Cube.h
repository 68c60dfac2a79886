#pragma once

#include <QPointF>
#include <QPolygonF>

// A cube in three-quarter view: the front face square to the viewer, the top
// and the right side seen at an angle, receding up and to the right. Each face
// is a quadrilateral with its corners clockwise from the top-left.
struct Cube {
    QPointF frontTopLeft;
    double size;   // edge of the front face
    double depth;  // how far the back edges lie up and to the right

    QPolygonF front() const;
    QPolygonF top() const;
    QPolygonF side() const;
    // The outline of all three faces together.
    QPolygonF silhouette() const;
};
