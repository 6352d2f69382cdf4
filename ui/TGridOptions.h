// What the Options record decides about the look of both puzzle grids: colours, font, the
// contrast puzzle, the ruler, and the font sizes of the screen layout in force.
#pragma once

#include "GridRenderer.h"
#include "TSuDoKuData.h"

#include <QColor>

namespace sudoku {

// A colour of the record: red in the lowest byte, then green, then blue.
QColor RecordColour(std::uint32_t colour);
std::uint32_t RecordColour(const QColor& colour);

// The look with the record's colours, font, contrast puzzle and ruler, and the grid font sizes
// (12, 10, 6 and 4 points at the base size) scaled to the screen layout.
TGridLook WithOptions(TGridLook look, const TSuDoKuData& options, int screenLayout);

} // namespace sudoku
