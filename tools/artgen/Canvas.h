#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <QString>

// A blank picture of the given size in layout pixels, with `scale` device
// pixels to each. Painters on it draw in layout pixels, so one drawing gives
// both the plain and the double-size picture.
QImage newPicture(QSize layoutSize, int scale, const QColor& fill = Qt::transparent);

// An antialiased painter on a picture made by newPicture.
void beginPainting(QPainter& painter, QImage& picture);

// Writes a PNG; pictures without a single transparent pixel are stored
// without an alpha channel. Returns false when the file cannot be written.
bool savePicture(const QImage& picture, const QString& path);

// The quadrilateral that the unit square's [from, to] x [from, to] part maps
// to under the mapping of the unit square onto `quad` (corners clockwise from
// the top-left).
QPolygonF insetQuad(const QPolygonF& quad, double from, double to);
