// Grid geometry, cell-text reading, the conversions between value arrays, cell texts, hex
// grid texts and notes texts, and the compact cell form the fast passes work on.
#include "RandomStateMaker.h"
#include "TCompactGrid.h"
#include "TSuDoKuGrid.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace sudoku {
namespace {

TEST(GridGeometry, EveryShapeCoversTheGridOncePerBox) {
    for (const TBoxShape& shape : BoxShapes) {
        TSuDoKuGrid g(shape.BoxCols, shape.BoxRows);
        const int n = g.GridSize;
        EXPECT_EQ(g.BoxesAcross * g.BoxCols, n) << shape.ItemName;
        EXPECT_EQ(g.BoxesDown * g.BoxRows, n) << shape.ItemName;
        EXPECT_EQ(g.UnitSum, n * (n + 1) / 2) << shape.ItemName;
        std::set<int> seen;
        for (int br = 1; br <= g.BoxesDown; ++br)
            for (int bc = 1; bc <= g.BoxesAcross; ++bc)
                for (int k = 1; k <= n; ++k) {
                    int col = g.BoxCellCol(bc, k);
                    int row = g.BoxCellRow(br, k);
                    ASSERT_TRUE(col >= 1 && col <= n && row >= 1 && row <= n) << shape.ItemName;
                    // the cell maps back to the box it was taken from
                    EXPECT_EQ((col - 1) / g.BoxCols + 1, bc);
                    EXPECT_EQ((row - 1) / g.BoxRows + 1, br);
                    seen.insert(CellIndex(col, row));
                }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(n * n)) << shape.ItemName;
    }
}

TEST(GridGeometry, BoxCellsReadRowByRow) {
    TSuDoKuGrid g(3, 2); // boxes 3 wide, 2 high
    EXPECT_EQ(g.BoxesAcross, 2);
    EXPECT_EQ(g.BoxesDown, 3);
    // 4th cell of box (2,3): second row of the box, first column
    EXPECT_EQ(g.BoxCellCol(2, 4), 4);
    EXPECT_EQ(g.BoxCellRow(3, 4), 6);
    g.MaxSolutions = 1;
    g.SetBoxShape(2, 3);
    EXPECT_EQ(g.MaxSolutions, 10);
    EXPECT_EQ(g.BoxesAcross, 3);
}

TEST(GridGeometry, ShapesThatDoNotFitAreRefused) {
    TSuDoKuGrid g;
    for (auto [c, r] : {std::pair{1, 4}, {4, 1}, {0, 0}, {5, 4}, {17, 1}, {-2, -3}})
        EXPECT_THROW(g.SetBoxShape(c, r), std::invalid_argument) << c << "x" << r;
    EXPECT_EQ(g.GridSize, 9); // unchanged
}

TEST(CellText, ValueOfText) {
    struct Case {
        const char* text;
        int value;
    };
    for (Case c : {Case{"7", 7},
                   {"10", 10},
                   {"$0A", 10},
                   {"$0a", 10},
                   {"$10", 16},
                   {"1,4", 0},
                   {"A", 0},
                   {"", 0},
                   {"$", 0},
                   {"-3", 0},
                   {" 7", 0},
                   {"99999999999", 0},
                   {"$G1", 0},
                   {"007", 7}})
        EXPECT_EQ(TextToValue(c.text), c.value) << c.text;
    EXPECT_EQ(FixedText(5), "$05");
    EXPECT_EQ(FixedText(12), "$0C");
    EXPECT_EQ(FixedText(16), "$10");
    TSuDoKuGrid g;
    EXPECT_EQ(g.CellValue("9"), 9);
    EXPECT_EQ(g.CellValue("12"), 0); // above N: not a value of this grid
    EXPECT_EQ(g.CellValue("$0A"), 0);
}

TEST(CellText, ValuesAndTextsRoundTrip) {
    TSuDoKuGrid g(4, 4);
    TSuDoKuValues v{};
    v[CellIndex(1, 1)] = 16;
    v[CellIndex(16, 2)] = 9;
    TSuDoKuStrings s{};
    s[CellIndex(2, 1)] = "junk";
    g.ValuesToStrings(v, s);
    EXPECT_EQ(s[CellIndex(1, 1)], "16");
    EXPECT_EQ(s[CellIndex(16, 2)], "9");
    EXPECT_EQ(s[CellIndex(2, 1)], ""); // 0 is the empty text, never "0"
    TSuDoKuValues back{};
    g.StringsToValues(s, back);
    EXPECT_TRUE(g.ValuesEqual(v, back));
}

TEST(HexText, EncodeDecodeAndLengths) {
    TSuDoKuGrid small(2, 2);
    TSuDoKuValues v{};
    v[CellIndex(2, 1)] = 3;
    v[CellIndex(1, 2)] = 4;
    const std::string hex = small.ValuesToHex(v);
    EXPECT_EQ(hex, "00030000040000000000000000000000");
    EXPECT_EQ(small.ValuesToHex(TSuDoKuValues{}).size(), 32u);
    TSuDoKuGrid big(4, 4);
    EXPECT_EQ(big.ValuesToHex(TSuDoKuValues{}).size(), 512u);

    // Decoding with a larger grid reads past the end of the text as 0.
    TSuDoKuValues decoded{};
    decoded.fill(7);
    TSuDoKuGrid nine;
    nine.HexToValues(hex, decoded);
    EXPECT_EQ(decoded[CellIndex(2, 1)], 3);
    EXPECT_EQ(decoded[CellIndex(1, 3)], 0); // position 19..20 lies past the 32 characters
    EXPECT_EQ(decoded[CellIndex(9, 9)], 0);
    EXPECT_EQ(decoded[CellIndex(10, 10)], 7); // beyond N x N: untouched

    // Bad digits and values above N give 0.
    std::string bad(162, '0');
    bad.replace(0, 2, "ZZ");
    bad.replace(2, 2, "0A");
    bad.replace(4, 2, "09");
    nine.HexToValues(bad, decoded);
    EXPECT_EQ(decoded[CellIndex(1, 1)], 0);
    EXPECT_EQ(decoded[CellIndex(2, 1)], 0);
    EXPECT_EQ(decoded[CellIndex(3, 1)], 9);

    TSuDoKuStrings s{};
    s[CellIndex(1, 1)] = "$0A";
    s[CellIndex(2, 1)] = "1,4";
    s[CellIndex(3, 1)] = "10";
    EXPECT_EQ(big.StringsToHex(s).substr(0, 8), "0A000A00");
    big.HexToStrings(big.StringsToHex(s), s);
    EXPECT_EQ(s[CellIndex(1, 1)], "10");
    EXPECT_EQ(s[CellIndex(2, 1)], "");
}

TEST(NotesText, WriteAndReadBack) {
    TSuDoKuGrid g;
    TSuDoKuStrings s{};
    EXPECT_EQ(g.StringsToNotes(s), std::string(81, '|'));
    s[CellIndex(2, 1)] = "1,4";
    s[CellIndex(1, 2)] = "5"; // a value, not a note
    s[CellIndex(9, 9)] = "3,8,9";
    const std::string notes = g.StringsToNotes(s);
    EXPECT_EQ(notes.substr(0, 6), "|1,4||");
    EXPECT_EQ(notes.size(), 81u + 3 + 5);

    TSuDoKuStrings t{};
    t[CellIndex(2, 1)] = "7"; // a cell showing a value is never overwritten
    g.NotesToStrings(notes, t);
    EXPECT_EQ(t[CellIndex(2, 1)], "7");
    EXPECT_EQ(t[CellIndex(9, 9)], "3,8,9");
    EXPECT_EQ(t[CellIndex(1, 2)], "");

    TSuDoKuStrings u{};
    g.NotesToStrings("", u);
    g.NotesToStrings("1,2", u);
    EXPECT_EQ(g.CountEmptyStrings(u), 81);
    g.NotesToStrings("1,2|", u); // short text: only the cells it reaches
    EXPECT_EQ(u[CellIndex(1, 1)], "1,2");
    EXPECT_EQ(g.CountEmptyStrings(u), 80);
}

TEST(GridRoutines, CountsAndTests) {
    TSuDoKuGrid g;
    EXPECT_FALSE(g.SumsOK(TSuDoKuValues{}));
    EXPECT_FALSE(g.ValuesFull(TSuDoKuValues{}));
    TSuDoKuValues v = RandomStateMaker::Pattern(3, 3);
    EXPECT_TRUE(g.ValuesFull(v));
    EXPECT_TRUE(g.SumsOK(v));
    EXPECT_EQ(g.CountInRow(v, 5, 4), 1);
    EXPECT_EQ(g.CountInCol(v, 5, 4), 1);
    EXPECT_TRUE(g.UnitsOK(v));
    TSuDoKuValues w = v;
    w[CellIndex(4, 4)] = 10; // a value above N is no value of the grid
    EXPECT_FALSE(g.UnitsOK(w));
    // Rows 1 and 4 swapped: rows and columns still hold every value, boxes do not.
    w = v;
    for (int col = 1; col <= 9; ++col)
        std::swap(w[CellIndex(col, 1)], w[CellIndex(col, 4)]);
    EXPECT_TRUE(g.SumsOK(w));
    EXPECT_FALSE(g.UnitsOK(w));
    std::swap(v[CellIndex(1, 1)], v[CellIndex(2, 1)]); // row sums hold, column sums do not
    EXPECT_FALSE(g.SumsOK(v));
    EXPECT_FALSE(g.UnitsOK(v));

    TSuDoKuStrings s{};
    s[CellIndex(1, 3)] = "$05";
    s[CellIndex(4, 3)] = "$05";
    s[CellIndex(5, 3)] = "5";
    s[CellIndex(6, 3)] = "$5";
    EXPECT_EQ(g.CountFixedInRow(s, 5, 3), 2);
    EXPECT_EQ(g.CountFixedInCol(s, 5, 1), 1);
    EXPECT_EQ(g.CountEmptyStrings(s), 77);
    EXPECT_FALSE(g.StringsFull(s));

    // Copy and compare act on the N x N cells only; clear resets all 256.
    TSuDoKuStrings t{};
    t[CellIndex(16, 16)] = "outside";
    g.CopyStrings(s, t);
    EXPECT_TRUE(g.StringsEqual(s, t));
    EXPECT_EQ(t[CellIndex(16, 16)], "outside");
    TSuDoKuGrid::ClearStrings(t);
    EXPECT_EQ(t[CellIndex(16, 16)], "");
    g.ClearBox(v, 2, 3);
    EXPECT_EQ(v[CellIndex(4, 7)], 0);
    EXPECT_EQ(v[CellIndex(6, 9)], 0);
    EXPECT_NE(v[CellIndex(7, 9)], 0);
    EXPECT_NE(v[CellIndex(6, 6)], 0);
}

// The compact form keeps the texts a pass writes exactly; everything else is kept raw with the
// value it reads as. A list's length counts digits and commas, as the solver compares them.
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
