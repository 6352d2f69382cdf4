// Candidate computation on cell texts: exclusion by row, column and box, plus box singles
// (a value with one place) and cell singles (a cell with one value), box by box in one pass.
#include "Alternatives.h"

#include "TCompactGrid.h"

namespace sudoku {

namespace {

// A cell is a place for value when it has no value and neither its row nor its column holds
// the value, as a value of V or as a fixed text written so far.
bool IsPlace(const TSuDoKuGrid& grid, const TSuDoKuValues& v, const TSuDoKuStrings& s, int col,
             int row, int value) {
    return v[CellIndex(col, row)] == 0 && grid.CountInRow(v, value, row) == 0 &&
           grid.CountInCol(v, value, col) == 0 && grid.CountFixedInRow(s, value, row) == 0 &&
           grid.CountFixedInCol(s, value, col) == 0;
}

} // namespace

bool AlternativesForValue(const TSuDoKuGrid& grid, const TSuDoKuValues& v, TSuDoKuStrings& s,
                          int boxColIdx, int boxRowIdx, int value) {
    const int n = grid.GridSize;
    for (int k = 1; k <= n; ++k)
        if (v[CellIndex(grid.BoxCellCol(boxColIdx, k), grid.BoxCellRow(boxRowIdx, k))] == value)
            return true;
    int places = 0;
    for (int k = 1; k <= n; ++k)
        places += IsPlace(grid, v, s, grid.BoxCellCol(boxColIdx, k), grid.BoxCellRow(boxRowIdx, k),
                          value);
    if (places == 0)
        return false;
    for (int k = 1; k <= n; ++k) {
        int col = grid.BoxCellCol(boxColIdx, k);
        int row = grid.BoxCellRow(boxRowIdx, k);
        if (!IsPlace(grid, v, s, col, row, value))
            continue;
        std::string& text = s[CellIndex(col, row)];
        if (places == 1)
            text = FixedText(value);
        else if (text.find('$') != std::string::npos)
            continue;
        else if (text.empty())
            text = std::to_string(value);
        else
            text.append(1, ',').append(std::to_string(value));
    }
    return true;
}

void FixSingles(const TSuDoKuGrid& grid, TSuDoKuStrings& s, int boxColIdx, int boxRowIdx) {
    for (int k = 1; k <= grid.GridSize; ++k) {
        std::string& text =
            s[CellIndex(grid.BoxCellCol(boxColIdx, k), grid.BoxCellRow(boxRowIdx, k))];
        if (text.find('$') != std::string::npos)
            continue;
        int value = grid.CellValue(text);
        if (text == std::to_string(value))
            text = FixedText(value);
    }
}

bool ComputeAlternatives(const TSuDoKuGrid& grid, TSuDoKuValues& v, TSuDoKuStrings& s) {
    // The pass runs on bit masks (TCompactGrid) with the same results as AlternativesForValue
    // and FixSingles applied box by box to the texts.
    const TCompactGrid compact(grid);
    TCompactGrid::TCells cells;
    compact.Load(s, cells);
    const bool result = compact.Pass(v, cells);
    TSuDoKuGrid::ClearStrings(s);
    compact.Store(cells, s);
    return result;
}

} // namespace sudoku
