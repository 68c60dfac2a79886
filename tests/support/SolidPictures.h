#pragma once

#include "window/Form1.h"

#include <QColor>

// Gives every cell code a plain, fully opaque 32 x 32 picture of its own
// colour, so that a test can tell from one pixel which code was drawn where.
void useSolidPictures(Form1& form);
QColor solidColourOf(Integer code);
// The code whose solid colour the pixel shows, 0 for a transparent pixel, -1 for anything else.
Integer codeAtPixel(const QImage& image, int x, int y);
