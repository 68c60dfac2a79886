#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The pictures the window carries.
namespace Pictures {

inline constexpr int kCellPictureCount = 14;
inline constexpr int kCellSize = 32;

// The picture of cell code index + 1.
QPixmap cellPicture(int index);
QPixmap boardPicture();
QPixmap titlePicture();
QIcon windowIcon();
QCursor pointer();

} // namespace Pictures
