// The mouse: the left button chooses the column, the right button shifts the
// falling piece's blocks.
#include "window/Form1.h"

#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"

#include <cmath>

void Form1::Picture1_MouseDown(int Button, int Shift, double X, double Y)
{
    Q_UNUSED(Shift);
    Q_UNUSED(Y);
    if (Button == PictureBox::kLeftButton) {
        targetCol = static_cast<Integer>(static_cast<int>(std::floor(X / BoardSize::kCellSize)) + 1);
    } else if (Button == PictureBox::kRightButton) {
        if (pieceLast <= 0) return;
        // The bottom block wraps round to the top.
        const Integer bottom = pieceColors[static_cast<std::size_t>(pieceLast)];
        for (int i = pieceLast; i >= 1; --i)
            pieceColors[static_cast<std::size_t>(i)] = pieceColors[static_cast<std::size_t>(i - 1)];
        pieceColors[0] = bottom;
        for (int i = 0; i <= pieceLast; ++i)
            Dio(i)->setPicture(Slika(pieceColors[static_cast<std::size_t>(i)] - 1)->Picture());
    }
}
