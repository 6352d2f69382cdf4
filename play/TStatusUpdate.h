// The rules of the status update for the Play & Solve page: which controls are enabled, the
// display name, and how the alternatives of a cell are shown for each display set.
#pragma once

#include "SuDoKuState.h"

#include <string>
#include <string_view>
#include <vector>

namespace sudoku {

struct TStatusInput {
    TSuDoKuState State = 0;
    bool Hints = false;        // soHints
    bool Errors = false;       // soErrors
    bool Alternatives = false; // soAlternatives
    bool HistoryHasEntry = false;
    bool RedoHasEntry = false;
    bool SolutionUsable = false; // SolutionValues complete and passing the row/column checks
    int SolverSolutions = 0;     // the solver's "Solutions" value
};

struct TPlayNSolveControls {
    bool GridEnabled = false;
    bool New = false;
    bool Save = false;
    bool Print = false;
    bool Clipboard = false;
    bool Pause = false;
    bool Restart = false;
    bool Undo = false;
    bool Redo = false;
    bool Hint = false;
    bool Errors = false;
    bool Solution = false;
    bool AlternativesLbl = false;
    bool ShowCellAlternatives = false; // the selected cell's alternatives are shown
    friend bool operator==(const TPlayNSolveControls&, const TPlayNSolveControls&) = default;
};

// What the alternatives label and picture show.
struct TAlternativesDisplay {
    std::string Caption;
    bool PictureVisible = false;
    std::vector<int> PictureValues; // values whose small pictures are drawn, left to right
};

class TStatusUpdate {
public:
    static TPlayNSolveControls Controls(const TStatusInput& in);

    // alternatives: the "," list of the cell; displaySet: 0 digits, 1 and 2 letters, 3+
    // pictures; symbols: the display set's symbol string; hasPicture tells which values
    // of a picture set have a small picture.
    static TAlternativesDisplay ShowAlternatives(std::string_view caption,
                                                 std::string_view alternatives, int gridSize,
                                                 int displaySet, std::string_view symbols,
                                                 const std::vector<bool>& hasPicture = {});
};

} // namespace sudoku
