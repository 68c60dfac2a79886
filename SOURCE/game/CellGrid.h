#pragma once

#include "game/CellCodes.h"

#include <array>
#include <cassert>

// Board geometry: columns 1..7 and rows 0..13 are the playing area; columns
// 0 and 8 are walls and row 14 the floor, so every neighbour of a playing
// cell lies inside the grid.
namespace BoardSize {
inline constexpr int kFirstColumn = 1;
inline constexpr int kLastColumn = 7;
inline constexpr int kTopRow = 0;
inline constexpr int kBottomRow = 13;
inline constexpr int kLeftWall = 0;
inline constexpr int kRightWall = 8;
inline constexpr int kFloorRow = 14;
inline constexpr int kCellSize = 32;
} // namespace BoardSize

// A grid of Integers indexed (column 0..8, row 0..14).
class CellGrid {
public:
    static constexpr int kColumns = BoardSize::kRightWall + 1;
    static constexpr int kRows = BoardSize::kFloorRow + 1;

    Integer& operator()(int column, int row)
    {
        assert(column >= 0 && column < kColumns && row >= 0 && row < kRows);
        return cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
    }
    Integer operator()(int column, int row) const
    {
        assert(column >= 0 && column < kColumns && row >= 0 && row < kRows);
        return cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
    }

    void fill(Integer value)
    {
        for (auto& column : cells) column.fill(value);
    }

    bool operator==(const CellGrid&) const = default;

private:
    std::array<std::array<Integer, kRows>, kColumns> cells{};
};
