// A game in progress on the Play & Solve page: the board's cell texts, the solution, the givens,
// the alternatives, the undo and redo histories and the state flags, with the checks made on
// them.
#pragma once

#include "SuDoKuState.h"
#include "TMoveHistory.h"

#include "SuDoKuTypes.h"
#include "TSuDoKuGrid.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sudoku {

// Status byte of the game record.
enum TPlayNSolveStatus : std::uint8_t {
    psInProgress = 1,
    psPaused = 2,
    psOver = 3,
};

// What the undo replay needs from the window: a repaint of the board and a wait. Tests hand in
// hooks that record the calls instead of sleeping.
struct TUndoHooks {
    std::function<void()> Repaint;
    std::function<void(int milliseconds)> Wait;
};

class TPlayState {
public:
    // The state works on the flag set the window shares with every page.
    explicit TPlayState(TSuDoKuState& sharedState) : SuDoKuState(sharedState) {}

    // Sets the box shape and empties the board, the arrays and the history.
    void SetBoxShape(int boxCols, int boxRows);
    // Empties the board, the solution, the givens, the alternatives and both histories.
    void ClearBoard();
    // Nothing left to undo or redo (Restart and Solution).
    void ClearHistory();
    const TSuDoKuGrid& Grid() const { return Geometry; }
    int GridSize() const { return Geometry.GridSize; }

    // Cells are addressed 1-based; a cell outside the N x N grid reads as empty and ignores writes.
    const std::string& CellText(int col, int row) const;
    void SetCellText(int col, int row, std::string text);
    bool InGrid(int col, int row) const;
    // A given: its given text equals the decimal text of its solution value.
    bool IsGiven(int col, int row) const;

    // A change made by the player or a hint: when the text really differs, the old text goes on
    // the history, the undone moves can no longer be redone, the alternatives are recomputed,
    // the error marks go and true is returned.
    bool ChangeCell(int col, int row, std::string text);

    // One undo step with the four-blink replay of the restored cell. True when a cell changed;
    // the error marks go then. The step goes on the redo history.
    bool Undo(const TUndoHooks& hooks);
    // Takes back the last undo the same way, until the next change; it goes on the undo history.
    bool Redo(const TUndoHooks& hooks);

    // For each value 1..N (index 0 unused): how many more cells should hold it, N less the
    // cells that hold it now, never below 0. Notes count for nothing.
    std::vector<int> SymbolsToPlace() const;

    bool SuDoKuGridIsFull() const;
    bool SuDoKuGridIsSolved() const;
    int SuDoKuGridErrorCount() const;

    // Input is taken unless loading, validating, paused, thinking or restarting.
    bool GridEnabled() const;
    // Ends a game whose board is complete and correct: state := exactly sfSolved, status 3.
    bool CompletionTest();

    // Rebuilds AlternativeStrings from the board through the candidate computation.
    void RecomputeAlternatives();

    TSuDoKuStrings Cells{};
    TSuDoKuValues SolutionValues{};
    TSuDoKuStrings GivenStrings{};
    TSuDoKuStrings AlternativeStrings{};
    TMoveHistory MoveHistory;
    // Undone moves, newest first, in the same form; each holds the text the undo replaced.
    TMoveHistory RedoHistory;
    TSuDoKuState& SuDoKuState;
    std::uint8_t PlayNSolveStatus = psInProgress;
    std::uint8_t HighlightValue = 0;

    // Marks of wrong entries stay on the board until a cell changes.
    void ClearErrorMarks() { SuDoKuState &= static_cast<TSuDoKuState>(~sfShowErrors); }

private:
    // Moves a step from one history to the other: the cell shows the entry's text after the
    // four-blink replay, and the text it had goes on the other history.
    bool Replay(TMoveHistory& from, TMoveHistory& to, const TUndoHooks& hooks);
    // Cell text differs from the decimal text of the cell's solution value.
    bool CellWrong(int col, int row) const;

    TSuDoKuGrid Geometry;
};

} // namespace sudoku
