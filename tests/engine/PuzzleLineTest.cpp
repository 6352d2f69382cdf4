// The shape a puzzle line gets from its cell count when it names none.
#include "TPuzzleLine.h"

#include <gtest/gtest.h>

namespace sudoku {
namespace {

TEST(PuzzleLine, ShapeOfCellCountPrefersSquareBoxesThenMenuOrder) {
    const struct {
        std::size_t Cells;
        const char* Shape; // "" for none
    } cases[] = {{16, "2x2"},  {81, "3x3"},  {256, "4x4"}, {36, "2x3"}, {64, "2x4"},
                 {144, "2x6"}, {225, "3x5"}, {12, ""},     {0, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Cells);
        const auto shape = TPuzzleLine::ShapeOfCellCount(c.Cells);
        EXPECT_EQ(shape ? TPuzzleLine::ShapeName(TSuDoKuGrid(shape->BoxCols, shape->BoxRows)) : "",
                  c.Shape);
    }
}

} // namespace
} // namespace sudoku
