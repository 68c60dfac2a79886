// What a special one-block piece does when it lands.
#include "window/Form1.h"

#include <array>

namespace {

constexpr Integer kShowerCue = 2;
constexpr Integer kBombCue = 3;
constexpr Integer kLadderCue = 4;
constexpr Integer kHeartCue = 5;

} // namespace

void Form1::ApplySpecial()
{
    const int c = pieceCol;
    const int r = pieceRow + pieceLast;
    switch (board(c, r)) {
    case Cell::kShower:
        if (board(c, r + 1) == Cell::kShower) {
            for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x) {
                for (int y = BoardSize::kBottomRow; y >= BoardSize::kTopRow; --y) {
                    if (board(x, y) == Cell::kEmpty) {
                        board(x, y) = Cell::kShower;
                        break;
                    }
                }
            }
            soundCue = kShowerCue;
        }
        break;
    case Cell::kColumnBlock:
        for (int y = BoardSize::kBottomRow; y >= BoardSize::kTopRow && board(c, y) >= 1; --y)
            board(c, y) = Cell::kColumnBlock;
        soundCue = kLadderCue;
        break;
    case Cell::kRowBlock:
        if (board(c, r + 1) != Cell::kWall) {
            for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x)
                if (board(x, r + 1) >= 1) board(x, r + 1) = Cell::kRowBlock;
        }
        soundCue = kLadderCue;
        break;
    case Cell::kColourBlock: {
        const Integer below = board(c, r + 1);
        if (below >= 1) {
            for (int x = BoardSize::kFirstColumn; x <= BoardSize::kLastColumn; ++x)
                for (int y = BoardSize::kTopRow; y <= BoardSize::kBottomRow; ++y)
                    if (board(x, y) == below) board(x, y) = Cell::kColourBlock;
        }
        soundCue = kHeartCue;
        break;
    }
    case Cell::kBomb: {
        board(c, r) = Cell::kBlasted;
        // The cell above the bomb is always empty: it has just landed there.
        const std::array<std::array<int, 2>, 7> around{
            {{c, r + 1}, {c - 1, r + 1}, {c + 1, r + 1}, {c - 1, r}, {c + 1, r}, {c - 1, r - 1}, {c + 1, r - 1}}};
        for (const auto& [x, y] : around)
            if (board(x, y) >= 1) board(x, y) = Cell::kBlasted;
        soundCue = kBombCue;
        break;
    }
    default:
        break;
    }
    RedrawBoard();
}
