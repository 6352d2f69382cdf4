// The compact cell form: which texts it keeps exactly, what it reads them as, and the list
// text lengths the solver compares when it picks a cell to guess at.
#include "TCompactGrid.h"

#include <gtest/gtest.h>

namespace sudoku {
namespace {

TEST(CompactGrid, ReadsTextsAndKeepsOnlyThePassForms) {
    struct Case {
        const char* text;
        int boxCols, boxRows;
        TCellKind kind;
        int value;
        bool sameTextBack;
    };
    const Case cases[] = {
        {"", 3, 3, TCellKind::Empty, 0, true},
        {"7", 3, 3, TCellKind::Numbers, 7, true},
        {"1,4,9", 3, 3, TCellKind::Numbers, 0, true},
        {"$05", 3, 3, TCellKind::Fixed, 5, true},
        {"$10", 4, 4, TCellKind::Fixed, 16, true},
        {"10,16", 4, 4, TCellKind::Numbers, 0, true},
        {"9,10", 4, 4, TCellKind::Numbers, 0, true},
        {"1,2,3,4,5,6,7", 3, 3, TCellKind::Numbers, 0, true},
        {"10,11,12,13,14,15,16", 4, 4, TCellKind::Numbers, 0, true},
        {"16", 4, 4, TCellKind::Numbers, 16, true},
        // Everything else is kept as a raw text with the value it reads as.
        {"1,4,", 3, 3, TCellKind::Raw, 0, false},
        {"4,1", 3, 3, TCellKind::Raw, 0, false},
        {"1,1", 3, 3, TCellKind::Raw, 0, false},
        {"A", 3, 3, TCellKind::Raw, 0, false},
        {"07", 3, 3, TCellKind::Raw, 7, false},
        {"0", 3, 3, TCellKind::Raw, 0, false},
        {"$0a", 4, 4, TCellKind::Raw, 10, false},
        {"$0A", 3, 3, TCellKind::Raw, 0, false}, // 10 is no value of a 9 x 9 grid
        {"$00", 3, 3, TCellKind::Raw, 0, false},
        {"10", 3, 3, TCellKind::Raw, 0, false},
        {"1,10", 3, 3, TCellKind::Raw, 0, false},
        {"$5", 3, 3, TCellKind::Raw, 5, false},
    };
    for (const Case& c : cases) {
        const TSuDoKuGrid grid(c.boxCols, c.boxRows);
        const TCompactGrid compact(grid);
        TSuDoKuStrings s{};
        s[CellIndex(2, 3)] = c.text;
        TCompactGrid::TCells cells;
        compact.Load(s, cells);
        const TCompactCell& cell = cells[CellIndex(2, 3)];
        EXPECT_EQ(cell.Kind, c.kind) << c.text;
        EXPECT_EQ(cell.Value, c.value) << c.text;
        EXPECT_EQ(cell.Value, grid.CellValue(c.text)) << c.text;
        EXPECT_EQ(TCompactGrid::CellText(cell) == c.text, c.sameTextBack) << c.text;
        // The length of a list counts its digits and commas, as the text's length does.
        EXPECT_EQ(cell.HasComma(), c.kind == TCellKind::Numbers && c.value == 0) << c.text;
        if (cell.HasComma()) {
            EXPECT_EQ(cell.ListLength(), static_cast<int>(std::string(c.text).size())) << c.text;
        }
        // Store writes the pass forms and leaves raw texts alone.
        TSuDoKuStrings out{};
        out[CellIndex(2, 3)] = "before";
        compact.Store(cells, out);
        EXPECT_EQ(out[CellIndex(2, 3)], c.sameTextBack ? c.text : "before") << c.text;
    }
}

TEST(CompactGrid, PassLeavesEveryCellFixedListedOrEmpty) {
    const TSuDoKuGrid grid(2, 3);
    const TCompactGrid compact(grid);
    TSuDoKuStrings s{};
    s[CellIndex(1, 1)] = "1";
    s[CellIndex(2, 2)] = "pencil";
    s[CellIndex(6, 6)] = "$03";
    TCompactGrid::TCells cells;
    compact.Load(s, cells);
    EXPECT_EQ(compact.CountEmpty(cells), 33);
    TSuDoKuValues v{};
    v.fill(9); // scratch: only the 6 x 6 cells are written
    EXPECT_TRUE(compact.Pass(v, cells));
    EXPECT_EQ(v[CellIndex(1, 1)], 1);
    EXPECT_EQ(v[CellIndex(6, 6)], 3);
    EXPECT_EQ(v[CellIndex(2, 2)], 0);
    EXPECT_EQ(v[CellIndex(7, 7)], 9);
    for (int col = 1; col <= 6; ++col)
        for (int row = 1; row <= 6; ++row) {
            const TCompactCell& cell = cells[CellIndex(col, row)];
            EXPECT_TRUE(cell.Kind == TCellKind::Fixed || cell.Kind == TCellKind::Empty ||
                        cell.HasComma());
        }
    TCompactGrid::TCells again = cells;
    EXPECT_TRUE(compact.CellsEqual(cells, again));
    again[CellIndex(3, 3)] = TCompactCell{};
    EXPECT_FALSE(compact.CellsEqual(cells, again));
    again = cells;
    again[CellIndex(7, 7)].Value = 5; // outside the 6 x 6 grid: not compared
    EXPECT_TRUE(compact.CellsEqual(cells, again));
}

} // namespace
} // namespace sudoku
