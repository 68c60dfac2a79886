// The game loop: each piece enters, falls while the player steers it, lands
// and is settled, until a column reaches row 3 or the game is stopped.
#include "game/YieldingPause.h"

#include "game/FloorDiv.h"
#include "game/Pauses.h"
#include "window/forms/Label.h"
#include "window/forms/MenuItem.h"
#include "window/forms/PictureBox.h"
#include "window/forms/WindowlessPictureBox.h"

#include <QScopedValueRollback>

namespace {

constexpr Integer kNoTarget = 255;
constexpr Integer kSpawnColumn = 4;
constexpr Integer kSpawnX = 96;
constexpr int kMovePerStep = 4;
constexpr int kGameOverRow = 3;
constexpr Integer kWantLeft = 1;
constexpr Integer kWantRight = 2;

bool isMultipleOfCell(int units) { return units % BoardSize::kCellSize == 0; }

Integer columnOf(int x) { return static_cast<Integer>(floorDiv(x, BoardSize::kCellSize) + 1); }

} // namespace

void Form1::RunGame()
{
    const QScopedValueRollback running(gameLoopRunning, true);
    const PreciseTiming precise(*platform.clock);
    level = startLevel;
    stopGame = false;
    lev->setCaption(QString::number(level));
    gameOver = false;
    do {
        SpawnPiece();
        MakeNextPiece();
        DrawPreview();
        Picture1->setAutoRedraw(true);
        moveDir = 0;
        wantDir = 0;
        targetCol = kNoTarget;
        moveStep = 0;
        while (!FallStep()) {
        }
        LandPiece();
        soundCue = -1;
        if (pieceLast == 0 && board(pieceCol, pieceRow + pieceLast) >= Cell::kShower) ApplySpecial();
        SettleBoard();
        CheckGameOver();
    } while (!stopGame);
    o22->setEnabled(true);
    if (!gameOver) NewGameReset();
}

void Form1::SpawnPiece()
{
    pieceCol = kSpawnColumn;
    pieceX = kSpawnX;
    pieceLast = nextLast;
    pieceY = static_cast<Integer>(-(nextLast + 1) * BoardSize::kCellSize);
    for (int i = 0; i <= pieceLast; ++i) {
        const auto block = static_cast<std::size_t>(i);
        pieceColors[block] = nextColors[block];
        Dio(i)->setPicture(Slika(pieceColors[block] - 1)->Picture());
        Dio(i)->Move(pieceX, pieceY + BoardSize::kCellSize * i);
        Dio(i)->setVisible(true);
    }
    for (int i = pieceLast + 1; i <= 2; ++i) Dio(i)->setVisible(false);
}

bool Form1::FallStep()
{
    if (targetCol == kNoTarget) {
        wantDir = 0;
    } else {
        if (pieceCol > targetCol && moveDir == 0) wantDir = kWantLeft;
        if (pieceCol < targetCol && moveDir == 0) wantDir = kWantRight;
        if (pieceCol == targetCol) wantDir = 0;
    }
    if (wantDir == kWantLeft && moveStep == 0) moveDir = -1;
    if (wantDir == kWantRight && moveStep == 0) moveDir = 1;
    // A sideways move only begins on a step that starts aligned to a row.
    if (!isMultipleOfCell(pieceY)) moveDir = 0;

    pieceY = static_cast<Integer>(pieceY + Pauses::kFallPerStep);
    pieceRow = static_cast<Integer>(floorDiv(pieceY, BoardSize::kCellSize));
    pieceCol = columnOf(pieceX);

    // The row the bottom block is entering; walls and blocks stop the move.
    const int entering = pieceRow + pieceLast + 1;
    if (board(pieceCol - 1, entering) == Cell::kEmpty && moveDir == -1) moveStep = -kMovePerStep;
    if (board(pieceCol + 1, entering) == Cell::kEmpty && moveDir == 1) moveStep = kMovePerStep;
    pieceX = static_cast<Integer>(pieceX + moveStep);
    if (isMultipleOfCell(pieceX)) {
        moveStep = 0;
        moveDir = 0;
    }
    pieceCol = columnOf(pieceX);

    PlaceSprites();
    waitStart = platform.clock->tickCount();
    YieldingPause(Pauses::fallStepMs(level), [this] { return stopGame; });
    return board(pieceCol, pieceRow + pieceLast + 1) != Cell::kEmpty;
}

void Form1::LandPiece()
{
    for (int i = 0; i <= pieceLast; ++i) {
        const Integer code = pieceColors[static_cast<std::size_t>(i)];
        Dio(i)->setVisible(false);
        DrawCell(code, pieceX, pieceY + BoardSize::kCellSize * i);
        board(pieceCol, pieceRow + i) = code;
    }
}

void Form1::CheckGameOver()
{
    // A game stopped by "New game" or a close request is not lost, even if
    // its last piece, dropped without pauses, fills row 3.
    if (stopGame) return;
    for (int column = BoardSize::kFirstColumn; column <= BoardSize::kLastColumn; ++column) {
        if (board(column, kGameOverRow) > Cell::kEmpty) {
            // The result is entered before the cue: the cue yields first, and a
            // "New game" handled there resets the cash that the table must show.
            InsertTopPlayer();
            PlayCue(6);
            stopGame = true;
            gameOver = true;
            o11->setEnabled(true);
            return;
        }
    }
}
