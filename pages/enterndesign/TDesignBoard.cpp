// Edits and views of the design's arrays.
#include "TDesignBoard.h"

#include "Alternatives.h"

#include <string>

namespace sudoku {

void TDesignBoard::SetBoxShape(int boxCols, int boxRows) {
    Geometry.SetBoxShape(boxCols, boxRows);
    Clear();
}

void TDesignBoard::Clear() {
    TSuDoKuGrid::ClearValues(SolutionValues);
    TSuDoKuGrid::ClearStrings(GivenStrings);
    TSuDoKuGrid::ClearStrings(AlternativeStrings);
    TSuDoKuGrid::ClearStrings(Cells);
}

bool TDesignBoard::InGrid(int col, int row) const {
    return col >= 1 && row >= 1 && col <= Geometry.GridSize && row <= Geometry.GridSize;
}

void TDesignBoard::ShowValues() {
    Geometry.ValuesToStrings(SolutionValues, Cells);
}

void TDesignBoard::ShowGivens() {
    Geometry.CopyStrings(GivenStrings, Cells);
}

void TDesignBoard::RecomputeAlternatives() {
    TSuDoKuGrid::ClearStrings(AlternativeStrings);
    Geometry.ValuesToStrings(SolutionValues, AlternativeStrings);
    TSuDoKuValues scratch{};
    ComputeAlternatives(Geometry, scratch, AlternativeStrings);
}

void TDesignBoard::EnterValue(int col, int row, int value, bool designMode) {
    if (!InGrid(col, row) || value < 0 || value > Geometry.GridSize)
        return;
    const int index = CellIndex(col, row);
    const std::string text = value == 0 ? std::string() : std::to_string(value);
    SolutionValues[index] = static_cast<std::uint8_t>(value);
    if (!designMode || IsGiven(col, row))
        GivenStrings[index] = text;
    Cells[index] = text;
    RecomputeAlternatives();
}

bool TDesignBoard::ToggleGiven(int col, int row) {
    if (!InGrid(col, row))
        return false;
    const int index = CellIndex(col, row);
    if (SolutionValues[index] == 0)
        return false;
    std::string& given = GivenStrings[index];
    given = given.empty() ? std::to_string(SolutionValues[index]) : std::string();
    return true;
}

} // namespace sudoku
