// A plain, literal engine kept beside the fast one: cell texts scanned cell by cell and the
// solver's bookkeeping in a list of strings, so the fast engine's outputs can be checked.
#pragma once

#include "SuDoKuTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace sudoku::reference {

class ReferenceEngine {
public:
    ReferenceEngine(int boxCols, int boxRows)
        : BoxCols(boxCols), BoxRows(boxRows), GridSize(boxCols * boxRows), BoxesAcross(boxRows),
          BoxesDown(boxCols), UnitSum(GridSize * (GridSize + 1) / 2) {}

    const int BoxCols;
    const int BoxRows;
    const int GridSize;
    const int BoxesAcross;
    const int BoxesDown;
    const int UnitSum;
    int MaxSolutions = 10;
    int NodeBudget = 250;
    int MaxPasses = 28;
    // "Solutions=", "Depth=", "Count=", solution hex texts and ">" keys, as the search runs.
    std::vector<std::string> SolutionList;
    // Nodes entered by the last top-level search (its "Count" entry before removal).
    int NodesUsed = 0;

    static int Idx(int col, int row) { return (col - 1) * 16 + (row - 1); }
    // Column and row of the k-th cell (in reading order) of a box.
    int BoxCol(int boxColIdx, int k) const {
        return (boxColIdx - 1) * BoxCols + (k - 1) % BoxCols + 1;
    }
    int BoxRow(int boxRowIdx, int k) const {
        return (boxRowIdx - 1) * BoxRows + (k - 1) / BoxCols + 1;
    }
    // The indices of the N x N cells; the other entries of an array are never read or written.
    std::vector<int> Cells() const;

    int TextValue(std::string_view text) const; // 0 unless a number (or "$" hex) in 1..N
    static std::string Fixed(int value);

    void ClearValues(TSuDoKuValues& v) const { v.fill(0); } // all 256 entries
    template <typename Grid> void Copy(const Grid& src, Grid& dst) const {
        for (int i : Cells())
            dst[i] = src[i];
    }
    template <typename Grid> bool Equal(const Grid& a, const Grid& b) const {
        for (int i : Cells())
            if (a[i] != b[i])
                return false;
        return true;
    }
    // Cells of the row (column) holding item: a value, or a text such as Fixed(value).
    template <typename Grid, typename Item>
    int CountInRow(const Grid& g, Item item, int row) const {
        int count = 0;
        for (int col = 1; col <= GridSize; ++col)
            count += g[Idx(col, row)] == item;
        return count;
    }
    template <typename Grid, typename Item>
    int CountInCol(const Grid& g, Item item, int col) const {
        int count = 0;
        for (int row = 1; row <= GridSize; ++row)
            count += g[Idx(col, row)] == item;
        return count;
    }

    void ValuesToStrings(const TSuDoKuValues& v, TSuDoKuStrings& s) const;
    void StringsToValues(const TSuDoKuStrings& s, TSuDoKuValues& v) const;
    std::string ValuesToHex(const TSuDoKuValues& v) const;
    void HexToValues(const std::string& text, TSuDoKuValues& v) const;
    int CountEmptyStrings(const TSuDoKuStrings& s) const;
    bool ValuesFull(const TSuDoKuValues& v) const;
    bool SumsOK(const TSuDoKuValues& v) const;
    bool UnitsOK(const TSuDoKuValues& v) const; // each value once per row, column and box

    bool ComputeAlternatives(TSuDoKuValues& v, TSuDoKuStrings& s) const;
    bool AlternativesForValue(const TSuDoKuValues& v, TSuDoKuStrings& s, int boxColIdx,
                              int boxRowIdx, int value) const;
    void FixSingles(TSuDoKuStrings& s, int boxColIdx, int boxRowIdx) const;

    bool SolveSuDoKu(TSuDoKuValues& v, TSuDoKuStrings& s, bool allowGuess);

private:
    bool IsPlace(const TSuDoKuValues& v, const TSuDoKuStrings& s, int col, int row,
                 int value) const;
    int IndexOf(const std::string& entry) const;
    int IndexOfName(const std::string& name) const;
    int GetCounter(const std::string& name) const;
    void SetCounter(const std::string& name, int value);
};

} // namespace sudoku::reference
