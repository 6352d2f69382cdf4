// Grid geometry of the current box shape and the small routines on value and text arrays
// (clear, copy, convert, encode, count, test) that the solver, generator and pages build on.
#pragma once

#include "SuDoKuTypes.h"

#include <string>
#include <string_view>

namespace sudoku {

class TSuDoKuGrid {
public:
    TSuDoKuGrid() = default; // 3 x 3 boxes
    TSuDoKuGrid(int boxCols, int boxRows) { SetBoxShape(boxCols, boxRows); }

    // Engine half of setting a shape: MaxSolutions := 10 and all geometry fields. Throws
    // std::invalid_argument unless both sides are at least 2 and the product at most 16.
    void SetBoxShape(int boxCols, int boxRows);

    int BoxCols = 3;
    int BoxRows = 3;
    int GridSize = 9;
    int BoxesAcross = 3;
    int BoxesDown = 3;
    int UnitSum = 45;
    int MaxSolutions = 10;

    // Value of a cell text in this grid: TextToValue, but 0 for a number above GridSize, so
    // that no stray text or damaged file can bring a value outside 1..N into a grid.
    int CellValue(std::string_view text) const;

    // Col/Row of the k-th cell (1..N) of a box, reading the box row by row.
    int BoxCellCol(int boxColIdx, int k) const;
    int BoxCellRow(int boxRowIdx, int k) const;

    static void ClearValues(TSuDoKuValues& v);
    static void ClearStrings(TSuDoKuStrings& s);
    void ClearBox(TSuDoKuValues& v, int boxColIdx, int boxRowIdx) const;
    void CopyValues(const TSuDoKuValues& src, TSuDoKuValues& dst) const;
    void CopyStrings(const TSuDoKuStrings& src, TSuDoKuStrings& dst) const;
    void ValuesToStrings(const TSuDoKuValues& v, TSuDoKuStrings& s) const;
    void StringsToValues(const TSuDoKuStrings& s, TSuDoKuValues& v) const;
    std::string ValuesToHex(const TSuDoKuValues& v) const;
    void HexToValues(std::string_view text, TSuDoKuValues& v) const;
    std::string StringsToHex(const TSuDoKuStrings& s) const;
    void HexToStrings(std::string_view text, TSuDoKuStrings& s) const;
    std::string StringsToNotes(const TSuDoKuStrings& s) const;           // notes text of cell texts
    void NotesToStrings(std::string_view text, TSuDoKuStrings& s) const; // fills empty cells only
    int CountInRow(const TSuDoKuValues& v, int value, int row) const;
    int CountInCol(const TSuDoKuValues& v, int value, int col) const;
    int CountFixedInRow(const TSuDoKuStrings& s, int value, int row) const;
    int CountFixedInCol(const TSuDoKuStrings& s, int value, int col) const;
    int CountEmptyStrings(const TSuDoKuStrings& s) const;
    bool ValuesFull(const TSuDoKuValues& v) const;
    bool SumsOK(const TSuDoKuValues& v) const;
    // True when every row, column and box holds each value 1..N exactly once.
    bool UnitsOK(const TSuDoKuValues& v) const;
    bool ValuesEqual(const TSuDoKuValues& a, const TSuDoKuValues& b) const;
    bool StringsEqual(const TSuDoKuStrings& a, const TSuDoKuStrings& b) const;
    bool StringsFull(const TSuDoKuStrings& s) const;

private:
    // Value of cell (col, row) in a hex grid text; 0 past its end, for non-hex digits and
    // for values above GridSize.
    int HexCellValue(std::string_view text, int col, int row) const;
};

// Value of a cell text: decimal, or hexadecimal after a leading "$"; anything else is 0.
int TextToValue(std::string_view text);
// "$" + the value as two upper-case hexadecimal digits ("$0A").
std::string FixedText(int value);

} // namespace sudoku
