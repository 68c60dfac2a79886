// Matching and clearing: passes over the board that clear lines of three,
// pay for them, and take removed cells out one per column and pass.
#include "game/YieldingPause.h"

#include "game/Pauses.h"
#include "window/forms/Label.h"
#include "window/forms/PictureBox.h"

#include <array>

namespace {

constexpr Integer kMatchCue = 1;
constexpr int kDropPerFrame = 2;
constexpr int kMaxLevel = 10;
constexpr int kCashPerLevel = 50;
constexpr int kCodeBits = 15;

// The two neighbours of a cell on each line through it: both diagonals,
// across, down.
constexpr std::array<std::array<int, 4>, 4> kLines{{
    {-1, -1, +1, +1},
    {+1, -1, -1, +1},
    {-1, 0, +1, 0},
    {0, -1, 0, +1},
}};

int cellX(int column) { return column * BoardSize::kCellSize - BoardSize::kCellSize; }
int cellY(int row) { return row * BoardSize::kCellSize; }

} // namespace

void Form1::SettleBoard()
{
    bool firstPass = true;
    for (;;) {
        boardChanged = false;
        ClearMarks();
        MatchScan();
        ClearMarked();
        RedrawBoard();
        boardChanged = false;
        ClearMarks();

        waitStart = platform.clock->tickCount();
        if (firstPass && soundCue > 0) PlayCue(soundCue);
        // 250 ms on the first pass (the cue plays inside it); later passes only yield.
        YieldingPause(Pauses::kFirstPassPauseMs, [&firstPass] { return !firstPass; });
        firstPass = false;

        MarkCollapse();
        if (!boardChanged) break;
        AnimateCollapse();
        CollapseColumns();
        if (stopGame) break;
    }
    RedrawBoard();
}

void Form1::ClearMarks()
{
    for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x)
        for (int y = BoardSize::kTopRow; y <= BoardSize::kBottomRow; ++y) marks(x, y) = 0;
}

void Form1::MatchScan()
{
    const auto maskOf = [this](Integer code) { return colorMask[static_cast<std::size_t>(code & kCodeBits)]; };
    for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x) {
        for (int y = BoardSize::kBottomRow; y >= 1; --y) {
            const Integer v = board(x, y);
            if (v < Cell::kFirstColour || v > Cell::kShower) continue;
            const Integer m = maskOf(v);
            for (const auto& [ax, ay, bx, by] : kLines) {
                if ((maskOf(board(x + ax, y + ay)) & maskOf(board(x + bx, y + by)) & m) != 0) {
                    marks(x, y) = -1;
                    marks(x + ax, y + ay) = -1;
                    marks(x + bx, y + by) = -1;
                }
            }
        }
    }
}

void Form1::ClearMarked()
{
    for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x) {
        for (int y = BoardSize::kBottomRow; y >= 1; --y) {
            if (marks(x, y) != -1) continue;
            soundCue = kMatchCue;
            marks(x, y) = 0;
            board(x, y) = Cell::kCleared;
            ++cash;
            lova->setCaption(QString::number(cash) + QLatin1Char('$'));
            if (cash > kCashPerLevel * level) {
                if (level < kMaxLevel) ++level;
                lev->setCaption(QString::number(level));
            }
            boardChanged = true;
        }
    }
}

void Form1::MarkCollapse()
{
    for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x) {
        for (int y = BoardSize::kBottomRow; y >= 1; --y) {
            if (board(x, y) < Cell::kFirstToRemove) continue;
            // The cell to remove and the whole run above it slide down.
            boardChanged = true;
            for (int t = y; t >= 1; --t)
                if (board(x, t) >= 1) marks(x, t) = -1;
            break;
        }
    }
}

void Form1::AnimateCollapse()
{
    for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x) {
        for (int y = BoardSize::kTopRow; y <= BoardSize::kBottomRow; ++y) {
            if (marks(x, y) != -1) continue;
            dropX(x, y) = static_cast<Integer>(cellX(x));
            dropY(x, y) = static_cast<Integer>(cellY(y));
        }
    }
    for (int frame = 0; frame < Pauses::kCollapseFrames; ++frame) {
        Picture1->Cls();
        // Sliding cells first, so each slides behind the resting cell beneath it.
        for (const bool sliding : {true, false}) {
            for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x) {
                for (int y = BoardSize::kBottomRow; y >= BoardSize::kTopRow; --y) {
                    const Integer code = board(x, y);
                    if ((marks(x, y) == -1) != sliding || code < 1) continue;
                    if (sliding)
                        DrawCell(code, dropX(x, y), dropY(x, y));
                    else
                        DrawCell(code, cellX(x), cellY(y));
                }
            }
        }
        for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x)
            for (int y = BoardSize::kTopRow; y <= BoardSize::kBottomRow; ++y)
                if (marks(x, y) == -1) dropY(x, y) = static_cast<Integer>(dropY(x, y) + kDropPerFrame);
        waitStart = platform.clock->tickCount();
        YieldingPause(Pauses::kFramePauseMs, [] { return false; });
    }
}

void Form1::CollapseColumns()
{
    for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x) {
        for (int y = BoardSize::kBottomRow; y >= 1; --y) {
            if (board(x, y) < Cell::kFirstToRemove) continue;
            for (int t = y; t >= 1; --t)
                if (board(x, t) >= 1) board(x, t) = board(x, t - 1);
            break;
        }
    }
}
