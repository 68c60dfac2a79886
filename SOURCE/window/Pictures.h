#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The pictures the window carries, built into the program from art/. Each
// comes at two sizes: a display with more than one device pixel to a layout
// pixel gets the double-size drawing, so it shows sharp rather than blown up.
namespace Pictures {

inline constexpr int kCellPictureCount = 14;
inline constexpr int kCellSize = 32;

// Device pixels to a layout pixel on the sharpest screen.
qreal displayRatio();

// The picture of cell code index + 1.
QPixmap cellPicture(int index, qreal ratio = displayRatio());
QPixmap boardPicture(qreal ratio = displayRatio());
QPixmap titlePicture(qreal ratio = displayRatio());
// The sound holder class's own picture.
QPixmap soundHolderPicture(qreal ratio = displayRatio());
// The picture of cell code 2, at both sizes.
QIcon windowIcon();
// A pointing hand with its hot spot at the fingertip, (0, 0).
QCursor pointer(qreal ratio = displayRatio());

} // namespace Pictures
