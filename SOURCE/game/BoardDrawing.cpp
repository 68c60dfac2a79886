// Drawing the board, the falling piece and the preview from the cell pictures.
#include "window/Form1.h"

#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"

namespace {

// The preview is drawn in twips: three stacked slots, the last block always in the bottom one.
constexpr int kPreviewCellWidth = 448;
constexpr int kPreviewCellHeight = 384;
constexpr int kPreviewBottomSlot = 2;

} // namespace

void Form1::DrawCell(Integer code, int x, int y)
{
    Picture1->PaintPicture(Slika(code - 1)->Picture(), x, y, BoardSize::kCellSize, BoardSize::kCellSize);
}

void Form1::RedrawBoard()
{
    Picture1->Cls();
    for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x) {
        for (int y = BoardSize::kBottomRow; y >= BoardSize::kTopRow; --y) {
            const Integer code = board(x, y);
            if (code >= 1 && code <= Cell::kCleared)
                DrawCell(code, x * BoardSize::kCellSize - BoardSize::kCellSize, y * BoardSize::kCellSize);
        }
    }
}

void Form1::PlaceSprites()
{
    // The sprites show the piece where it was before this step's descent.
    for (int i = 0; i <= pieceLast; ++i)
        Dio(i)->Move(pieceX, pieceY - 4 + BoardSize::kCellSize * i, BoardSize::kCellSize, BoardSize::kCellSize);
}

void Form1::DrawPreview()
{
    Picture7->Cls();
    for (int k = 0; k <= nextLast; ++k) {
        const Integer code = nextColors[static_cast<std::size_t>(k)];
        Picture7->PaintPicture(Slika(code - 1)->Picture(), 0, (kPreviewBottomSlot - nextLast + k) * kPreviewCellHeight,
                               kPreviewCellWidth, kPreviewCellHeight);
    }
}
