#pragma once

#include <cstdint>

// A 16-bit signed integer: the width of every game variable.
using Integer = std::int16_t;

// Cell codes of the board. A cell of code k is drawn with Slika(k - 1).
namespace Cell {
inline constexpr Integer kWall = -1;  // wall and floor
inline constexpr Integer kEmpty = 0;
inline constexpr Integer kFirstColour = 1;
inline constexpr Integer kLastColour = 6;
inline constexpr Integer kJoker = 7;
inline constexpr Integer kShower = 8;
inline constexpr Integer kColumnBlock = 9;
inline constexpr Integer kRowBlock = 10;
inline constexpr Integer kColourBlock = 11;
inline constexpr Integer kBomb = 12;
inline constexpr Integer kBlasted = 13;
inline constexpr Integer kCleared = 14;
// Codes from here up are cells waiting to be removed.
inline constexpr Integer kFirstToRemove = kColumnBlock;
} // namespace Cell
