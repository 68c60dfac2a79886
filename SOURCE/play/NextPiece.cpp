// Making the next piece: its size, its codes, and the level's chance of a
// special block.
#include "window/Form1.h"

#include "game/FloorDiv.h"

#include <cmath>

namespace {

constexpr int kSizes = 3;
constexpr int kOrdinaryCodes = 7;
constexpr int kSpecialCodes = 6;
constexpr int kFirstSpecialDraw = 6;

int intOf(double value) { return static_cast<int>(std::floor(value)); }

} // namespace

void Form1::MakeNextPiece()
{
    RandomSource& rnd = *platform.random;
    nextLast = static_cast<Integer>(intOf(rnd.next() * kSizes));
    for (int i = 0; i <= nextLast; ++i) {
        int c = intOf(rnd.next() * kOrdinaryCodes);
        // The chance draw is made for every block, also where it cannot make the block special.
        const int m = floorDiv(level, 2) + 2;
        const bool chance = intOf(rnd.next() * m) == 0;
        if (nextLast == 0 && chance) c = intOf(rnd.next() * kSpecialCodes) + kFirstSpecialDraw;
        nextColors[static_cast<std::size_t>(i)] = static_cast<Integer>(c + 1);
    }
}
