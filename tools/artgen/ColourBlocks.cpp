#include "ColourBlocks.h"

#include "Artwork.h"
#include "Canvas.h"

#include <array>

namespace {

struct ColourLetters {
    QColor colour;
    const char* capital;
    const char* small;
};

const std::array<ColourLetters, kColourBlockCount> kBlocks{{
    {QColor(214, 32, 32), "A", "a"},
    {QColor(36, 84, 214), "B", "b"},
    {QColor(38, 158, 48), "C", "c"},
    {QColor(132, 48, 172), "D", "d"},
    {QColor(246, 138, 18), "E", "e"},
    {QColor(24, 24, 24), "F", "f"},
}};
constexpr int kBlackAndWhite = 5;

LetterBlock lookOf(int colour)
{
    const ColourLetters& letters = kBlocks.at(static_cast<std::size_t>(colour));
    const QString capital = QString::fromLatin1(letters.capital);
    const QString small = QString::fromLatin1(letters.small);
    if (colour != kBlackAndWhite) return colouredBlock(letters.colour, capital, small);
    // Black front with a white letter, white top and side with black ones.
    return {letters.colour, QColor(250, 250, 250), QColor(215, 215, 215), Qt::white, letters.colour, capital,
            small};
}

} // namespace

QColor blockColour(int colour) { return kBlocks.at(static_cast<std::size_t>(colour)).colour; }

void paintColourBlock(QPainter& painter, int colour) { paintLetterBlock(painter, kCellCube, lookOf(colour)); }

QImage drawColourBlock(int colour, int scale)
{
    QImage picture = newPicture(kBlockCellSize, scale);
    QPainter painter;
    beginPainting(painter, picture);
    paintColourBlock(painter, colour);
    return picture;
}
