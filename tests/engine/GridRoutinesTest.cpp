// Cell texts and the texts records store (hex grids, pencil notes), shapes that do not fit,
// and the shape a puzzle line gets from its cell count when it names none.
#include "TPuzzleLine.h"
#include "TSuDoKuGrid.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace sudoku {
namespace {

TEST(CellText, ValueOfTextAndShapesThatDoNotFit) {
    const std::pair<const char*, int> cases[] = {
        {"7", 7}, {"10", 10}, {"$0A", 10}, {"$0a", 10},        {"$10", 16}, {"1,4", 0}, {"A", 0},
        {"", 0},  {"$", 0},   {"-3", 0},   {"99999999999", 0}, {"$G1", 0},  {" 7", 0},  {"007", 7}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(TextToValue(text), value) << text;
    // In a grid, numbers above N are no values: 9 is the largest of a 9 x 9 grid.
    EXPECT_EQ(TSuDoKuGrid().CellValue("9"), 9);
    EXPECT_EQ(TSuDoKuGrid().CellValue("10"), 0);
    // Shapes that do not fit are refused and leave the grid as it was.
    TSuDoKuGrid g;
    for (auto [c, r] : {std::pair{1, 4}, {4, 1}, {0, 0}, {5, 4}, {17, 1}, {-2, -3}})
        EXPECT_THROW(g.SetBoxShape(c, r), std::invalid_argument) << c << "x" << r;
    EXPECT_EQ(g.GridSize, 9);
}

// Givens and entries are stored as hex grids, pencil notes as a notes text; a stored game
// reads back with its notes filling only the cells that hold no value.
TEST(GridTexts, HexAndNotesTextsReadBackAndAPuzzleLineTakesTheShapeOfItsLength) {
    TSuDoKuGrid g(4, 4);
    TSuDoKuStrings s{};
    s[CellIndex(1, 1)] = "$0A";
    s[CellIndex(2, 1)] = "1,4";
    s[CellIndex(3, 1)] = "16";
    s[CellIndex(16, 16)] = "3,8,9";
    const std::string hex = g.StringsToHex(s);
    EXPECT_EQ(hex.substr(0, 8), "0A001000");
    EXPECT_EQ(hex.size(), 512U);
    const std::string notes = g.StringsToNotes(s);
    EXPECT_EQ(notes, "|1,4|" + std::string(253, '|') + "3,8,9|");

    TSuDoKuStrings back{};
    g.HexToStrings(hex, back);
    EXPECT_EQ(back[CellIndex(1, 1)], "10");
    EXPECT_EQ(back[CellIndex(3, 1)], "16");
    back[CellIndex(2, 1)] = "7"; // an entry in a cell the notes also name
    g.NotesToStrings(notes, back);
    EXPECT_EQ(back[CellIndex(2, 1)], "7");
    EXPECT_EQ(back[CellIndex(16, 16)], "3,8,9");
    EXPECT_EQ(g.CountEmptyStrings(back), 252);

    // A short or damaged hex text reads as 0 past its end, for bad digits and above N.
    TSuDoKuGrid nine;
    back.fill("7");
    nine.HexToStrings("ZZ0A0905", back);
    EXPECT_EQ(nine.StringsToHex(back).substr(0, 12), "000009050000");
    // A puzzle line that names no shape takes the one of its cell count: square boxes first,
    // then in menu order.
    const std::pair<std::size_t, const char*> cases[] = {{16, "2x2"},  {81, "3x3"}, {256, "4x4"},
                                                         {36, "2x3"},  {64, "2x4"}, {144, "2x6"},
                                                         {225, "3x5"}, {12, ""},    {0, ""}};
    for (const auto& [cells, name] : cases) {
        const auto shape = TPuzzleLine::ShapeOfCellCount(cells);
        EXPECT_EQ(shape ? TPuzzleLine::ShapeName(TSuDoKuGrid(shape->BoxCols, shape->BoxRows)) : "",
                  name)
            << cells;
    }
}

} // namespace
} // namespace sudoku
