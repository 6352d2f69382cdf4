// Cell arrays, cell addressing and the table of box shapes shared by every layer.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sudoku {

constexpr int MaxGridSize = 16;
constexpr int CellCount = MaxGridSize * MaxGridSize;

// One byte per cell: 0 = no value, 1..N = a value.
using TSuDoKuValues = std::array<std::uint8_t, CellCount>;
// One text per cell: empty, a decimal value, "$" + two hex digits (fixed), or a "," list.
using TSuDoKuStrings = std::array<std::string, CellCount>;

// Index of cell (col, row), both counted from 1; one column's 16 entries lie together.
constexpr int CellIndex(int col, int row) { return (col - 1) * MaxGridSize + (row - 1); }

struct TBoxShape {
    std::string_view ItemName; // "S3X3", "S2X2", ...
    std::string_view Caption;  // "3 x 3 (Pure Sudoku)", "2 x 2", ...
    int BoxCols;               // box width
    int BoxRows;               // box height
};

// The 19 shapes in menu order: S3X3 first, then the 18 variants.
constexpr std::array<TBoxShape, 19> BoxShapes{{
    {"S3X3", "3 x 3 (Pure Sudoku)", 3, 3}, {"S2X2", "2 x 2", 2, 2}, {"S2X3", "2 x 3", 2, 3},
    {"S2X4", "2 x 4", 2, 4}, {"S2X5", "2 x 5", 2, 5}, {"S2X6", "2 x 6", 2, 6},
    {"S2X7", "2 x 7", 2, 7}, {"S2X8", "2 x 8", 2, 8}, {"S3X2", "3 x 2", 3, 2},
    {"S3X4", "3 x 4", 3, 4}, {"S3X5", "3 x 5", 3, 5}, {"S4X2", "4 x 2", 4, 2},
    {"S4X3", "4 x 3", 4, 3}, {"S4X4", "4 x 4", 4, 4}, {"S5X2", "5 x 2", 5, 2},
    {"S5X3", "5 x 3", 5, 3}, {"S6X2", "6 x 2", 6, 2}, {"S7X2", "7 x 2", 7, 2},
    {"S8X2", "8 x 2", 8, 2},
}};

} // namespace sudoku
