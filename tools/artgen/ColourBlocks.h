#pragma once

#include "LetterBlock.h"

// The six colours of the letter blocks, shared by the cells and the title.
QColor blockColour(int colour);

// The letter block of the given colour (0 to 5) in its cell.
inline constexpr QSize kBlockCellSize(32, 32);
void paintColourBlock(QPainter& painter, int colour);

// Where a block sits in a 32 x 32 cell: two pixels clear of every edge. Its
// edges lie on half pixels, so a one-pixel outline covers whole pixels.
inline const Cube kCellCube{{2.5, 10.5}, 19.0, 8.0};
