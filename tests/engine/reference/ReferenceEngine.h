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
    ReferenceEngine(int boxCols = 3, int boxRows = 3) { SetBoxShape(boxCols, boxRows); }
    void SetBoxShape(int boxCols, int boxRows);

    int BoxCols = 3;
    int BoxRows = 3;
    int GridSize = 9;
    int BoxesAcross = 3;
    int BoxesDown = 3;
    int UnitSum = 45;
    int MaxSolutions = 10;
    int NodeBudget = 250;
    int MaxPasses = 28;
    // "Solutions=", "Depth=", "Count=", solution hex texts and ">" keys, as the search runs.
    std::vector<std::string> SolutionList;
    // Nodes entered by the last top-level search (its "Count" entry before removal).
    int NodesUsed = 0;

    int TextValue(std::string_view text) const; // 0 unless a number (or "$" hex) in 1..N
    static std::string Fixed(int value);

    void ClearValues(TSuDoKuValues& v) const;
    void ClearStrings(TSuDoKuStrings& s) const;
    void CopyValues(const TSuDoKuValues& src, TSuDoKuValues& dst) const;
    void CopyStrings(const TSuDoKuStrings& src, TSuDoKuStrings& dst) const;
    void ValuesToStrings(const TSuDoKuValues& v, TSuDoKuStrings& s) const;
    void StringsToValues(const TSuDoKuStrings& s, TSuDoKuValues& v) const;
    std::string ValuesToHex(const TSuDoKuValues& v) const;
    void HexToValues(const std::string& text, TSuDoKuValues& v) const;
    std::string StringsToHex(const TSuDoKuStrings& s) const;
    int CountInRow(const TSuDoKuValues& v, int value, int row) const;
    int CountInCol(const TSuDoKuValues& v, int value, int col) const;
    int CountFixedInRow(const TSuDoKuStrings& s, int value, int row) const;
    int CountFixedInCol(const TSuDoKuStrings& s, int value, int col) const;
    int CountEmptyStrings(const TSuDoKuStrings& s) const;
    bool ValuesFull(const TSuDoKuValues& v) const;
    bool SumsOK(const TSuDoKuValues& v) const;
    bool UnitsOK(const TSuDoKuValues& v) const; // each value once per row, column and box
    bool ValuesEqual(const TSuDoKuValues& a, const TSuDoKuValues& b) const;
    bool StringsEqual(const TSuDoKuStrings& a, const TSuDoKuStrings& b) const;
    bool StringsFull(const TSuDoKuStrings& s) const;

    bool ComputeAlternatives(TSuDoKuValues& v, TSuDoKuStrings& s) const;
    bool AlternativesForValue(const TSuDoKuValues& v, TSuDoKuStrings& s, int boxColIdx,
                              int boxRowIdx, int value) const;
    void FixSingles(TSuDoKuStrings& s, int boxColIdx, int boxRowIdx) const;

    bool SolveSuDoKu(TSuDoKuValues& v, TSuDoKuStrings& s, bool allowGuess);

private:
    static int Idx(int col, int row) { return (col - 1) * 16 + (row - 1); }
    int BoxCol(int boxColIdx, int k) const {
        return (boxColIdx - 1) * BoxCols + (k - 1) % BoxCols + 1;
    }
    int BoxRow(int boxRowIdx, int k) const {
        return (boxRowIdx - 1) * BoxRows + (k - 1) / BoxCols + 1;
    }
    bool IsPlace(const TSuDoKuValues& v, const TSuDoKuStrings& s, int col, int row,
                 int value) const;
    int IndexOf(const std::string& entry) const;
    int IndexOfName(const std::string& name) const;
    int GetCounter(const std::string& name) const;
    void SetCounter(const std::string& name, int value);
};

} // namespace sudoku::reference
