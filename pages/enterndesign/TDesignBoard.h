// The design on the Enter & Design page: its complete grid, its givens, the candidates the
// grid leaves and the texts the page's grid shows, with the edits that keys make to them.
#pragma once

#include "SuDoKuTypes.h"
#include "TSuDoKuGrid.h"

namespace sudoku {

class TDesignBoard {
public:
    // Sets the box shape and empties the design.
    void SetBoxShape(int boxCols, int boxRows);
    // Empties the complete grid, the givens, the alternatives and the shown texts.
    void Clear();
    TSuDoKuGrid& Grid() { return Geometry; }
    const TSuDoKuGrid& Grid() const { return Geometry; }
    int GridSize() const { return Geometry.GridSize; }

    // Cells are addressed 1-based; a cell outside the N x N grid is never changed.
    bool InGrid(int col, int row) const;
    bool IsGiven(int col, int row) const { return !GivenStrings[CellIndex(col, row)].empty(); }

    // The grid shows the complete grid (its values as decimal texts) or the givens.
    void ShowValues();
    void ShowGivens();
    // Alternatives of the complete grid as it stands.
    void RecomputeAlternatives();

    // A value (0 clears the cell) typed into a cell. In Puzzle Mode it sets the given too; in
    // Design Mode a given follows the value (and opens when cleared), an open cell stays open.
    void EnterValue(int col, int row, int value, bool designMode);
    // Enter or a double click: a cell with a value becomes a given, a given opens again.
    // False when the cell has no value, so nothing changed.
    bool ToggleGiven(int col, int row);

    TSuDoKuValues SolutionValues{};
    TSuDoKuStrings GivenStrings{};
    TSuDoKuStrings AlternativeStrings{};
    TSuDoKuStrings Cells{}; // the texts the grid shows

private:
    TSuDoKuGrid Geometry;
};

} // namespace sudoku
