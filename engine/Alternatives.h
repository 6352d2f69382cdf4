// Candidate computation: exclusion by row, column and box, with box and cell singles fixed,
// one pass box by box in reading order.
#pragma once

#include "TSuDoKuGrid.h"

namespace sudoku {

// S holds cell texts on entry and the alternatives of every cell on return; V is scratch and
// leaves holding the values read from S. False only when no value has a place in any box.
bool ComputeAlternatives(const TSuDoKuGrid& grid, TSuDoKuValues& v, TSuDoKuStrings& s);
// One box and one value (boxes and values counted from 1).
bool AlternativesForValue(const TSuDoKuGrid& grid, const TSuDoKuValues& v, TSuDoKuStrings& s,
                          int boxColIdx, int boxRowIdx, int value);
// Turns every single decimal value of the box into its fixed "$" form.
void FixSingles(const TSuDoKuGrid& grid, TSuDoKuStrings& s, int boxColIdx, int boxRowIdx);

} // namespace sudoku
