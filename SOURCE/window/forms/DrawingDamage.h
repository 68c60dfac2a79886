#pragma once

#include <QRectF>
#include <QRegion>

#include <vector>

// One picture drawn onto a picture box's cleared image: which picture
// (QPixmap::cacheKey) and where, in the image's pixels.
struct DrawnPicture {
    qint64 picture = 0;
    QRectF place;

    bool operator==(const DrawnPicture&) const = default;
};

// Where an image made by drawing `after` in order onto a cleared image can
// differ from one made by drawing `before`: the places of pictures drawn in
// only one of them, and where two pictures drawn in both overlap in another
// order. Everywhere else both images are the same, pixel for pixel, so a
// board drawn again with a few cells moved repaints only those cells.
QRegion drawingDamage(const std::vector<DrawnPicture>& before, const std::vector<DrawnPicture>& after);
