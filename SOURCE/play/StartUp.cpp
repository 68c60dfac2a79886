// Start-up and the start of play.
#include "window/Form1.h"

#include "window/forms/CommandButton.h"
#include "window/forms/Label.h"
#include "window/forms/MenuItem.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"
#include "window/forms/TextBox.h"

#include <cmath>

void Form1::Form_Load()
{
    LoadTopPlayers();
    startLevel = 1;
    BuildColorMask();
    platform.random->randomize();
    NewGameReset();
}

void Form1::BuildColorMask()
{
    // One bit per colour and one for the shower block; the joker has every
    // bit, and wall, floor, empty and codes 9..14 have none.
    for (int i = 1; i <= 8; ++i) colorMask[static_cast<std::size_t>(i)] = static_cast<Integer>(std::pow(2.0, i - 1));
    colorMask[Cell::kJoker] = 255;
    colorMask[Cell::kEmpty] = 0;
    for (std::size_t i = 9; i <= 15; ++i) colorMask[i] = 0;
}

void Form1::NewGameReset()
{
    board.fill(Cell::kEmpty);
    for (int row = 0; row <= BoardSize::kFloorRow; ++row) {
        board(BoardSize::kLeftWall, row) = Cell::kWall;
        board(BoardSize::kRightWall, row) = Cell::kWall;
    }
    for (int column = 0; column <= BoardSize::kRightWall; ++column) board(column, BoardSize::kFloorRow) = Cell::kWall;
    for (int k = 0; k <= 2; ++k) {
        Dio(k)->setVisible(false);
        Dio(k)->setBorderStyle(PictureBox::kBorderNone);
    }
    for (int k = 0; k <= 13; ++k) Slika(k)->setVisible(false);
    level = startLevel;
    ime->setEnabled(true);
    lev->setCaption(QString::number(level));
    cash = 0;
    lova->setCaption(QString::number(cash) + QLatin1Char('$'));
    Picture1->Cls();
    Command1->setVisible(true);
    o22->setEnabled(true);
}

void Form1::Command1_Click()
{
    // "New game" shows the button again while the stopped game may still be
    // unwinding inside a pause; a second game loop must not start inside it.
    if (gameLoopRunning) return;
    Command1->setVisible(false);
    o11->setEnabled(false);
    ime->setEnabled(false);
    o22->setEnabled(false);
    MakeNextPiece();
    RunGame();
}
