#pragma once

#include <QImage>

// The pictures of art/. Each function draws its picture with `scale` device
// pixels to a layout pixel, from the same paths at every scale.

inline constexpr int kColourBlockCount = 6;
// The letter blocks of cell codes 1 to 6, colour 0 to 5.
QImage drawColourBlock(int colour, int scale);

QImage drawGiftBox(int scale);
QImage drawPumpkin(int scale);
QImage drawUprightLadder(int scale);
QImage drawLyingLadder(int scale);
QImage drawHeart(int scale);
QImage drawBomb(int scale);
QImage drawFlames(int scale);
QImage drawMoneyBag(int scale);

QImage drawBoard(int scale);
QImage drawTitle(int scale);
QImage drawPointer(int scale);
QImage drawSoundHolder(int scale);
