// Checks, history replay and alternatives of the Play & Solve board.
#include "TPlayState.h"

#include "Alternatives.h"

namespace sudoku {

namespace {

const std::string EmptyText;

} // namespace

void TPlayState::SetBoxShape(int boxCols, int boxRows) {
    Geometry.SetBoxShape(boxCols, boxRows);
    ClearBoard();
    HighlightValue = 0;
}

void TPlayState::ClearBoard() {
    TSuDoKuGrid::ClearStrings(Cells);
    TSuDoKuGrid::ClearValues(SolutionValues);
    TSuDoKuGrid::ClearStrings(GivenStrings);
    TSuDoKuGrid::ClearStrings(AlternativeStrings);
    ClearHistory();
}

void TPlayState::ClearHistory() {
    MoveHistory.Clear();
    RedoHistory.Clear();
}

bool TPlayState::InGrid(int col, int row) const {
    return col >= 1 && row >= 1 && col <= Geometry.GridSize && row <= Geometry.GridSize;
}

const std::string& TPlayState::CellText(int col, int row) const {
    if (!InGrid(col, row))
        return EmptyText;
    return Cells[CellIndex(col, row)];
}

void TPlayState::SetCellText(int col, int row, std::string text) {
    if (InGrid(col, row))
        Cells[CellIndex(col, row)] = std::move(text);
}

bool TPlayState::IsGiven(int col, int row) const {
    if (!InGrid(col, row))
        return false;
    const int index = CellIndex(col, row);
    return GivenStrings[index] == std::to_string(SolutionValues[index]);
}

bool TPlayState::ChangeCell(int col, int row, std::string text) {
    if (!InGrid(col, row))
        return false;
    std::string& cell = Cells[CellIndex(col, row)];
    if (cell == text)
        return false;
    if (!MoveHistory.Push(col, row, cell))
        return false;
    RedoHistory.Clear();
    cell = std::move(text);
    ClearErrorMarks();
    RecomputeAlternatives();
    return true;
}

bool TPlayState::Undo(const TUndoHooks& hooks) {
    return Replay(MoveHistory, RedoHistory, hooks);
}

bool TPlayState::Redo(const TUndoHooks& hooks) {
    return Replay(RedoHistory, MoveHistory, hooks);
}

bool TPlayState::Replay(TMoveHistory& from, TMoveHistory& to, const TUndoHooks& hooks) {
    const auto entry = from.Pop();
    // Entries naming a cell outside the board (a damaged record) are dropped without effect.
    if (!entry || !InGrid(entry->Col, entry->Row))
        return false;
    std::string& cell = Cells[CellIndex(entry->Col, entry->Row)];
    const std::string current = cell;
    for (int blink = 0; blink < 4; ++blink) {
        cell = current;
        if (hooks.Repaint)
            hooks.Repaint();
        if (hooks.Wait)
            hooks.Wait(100);
        cell = entry->PreviousText;
        if (hooks.Repaint)
            hooks.Repaint();
        if (hooks.Wait)
            hooks.Wait(200);
    }
    to.Push(entry->Col, entry->Row, current);
    ClearErrorMarks();
    RecomputeAlternatives();
    return true;
}

bool TPlayState::CellWrong(int col, int row) const {
    const int index = CellIndex(col, row);
    return Cells[index] != std::to_string(SolutionValues[index]);
}

std::vector<int> TPlayState::SymbolsToPlace() const {
    const int n = Geometry.GridSize;
    std::vector<int> left(static_cast<std::size_t>(n) + 1, n);
    left[0] = 0;
    for (int col = 1; col <= n; ++col)
        for (int row = 1; row <= n; ++row) {
            const std::string& text = Cells[CellIndex(col, row)];
            const int v = text.find(',') == std::string::npos ? TextToValue(text) : 0;
            if (v >= 1 && v <= n && left[static_cast<std::size_t>(v)] > 0)
                --left[static_cast<std::size_t>(v)];
        }
    return left;
}

bool TPlayState::SuDoKuGridIsFull() const {
    for (int col = 1; col <= Geometry.GridSize; ++col)
        for (int row = 1; row <= Geometry.GridSize; ++row)
            if (Cells[CellIndex(col, row)].empty())
                return false;
    return true;
}

bool TPlayState::SuDoKuGridIsSolved() const {
    return SuDoKuGridErrorCount() == 0;
}

int TPlayState::SuDoKuGridErrorCount() const {
    int errors = 0;
    for (int col = 1; col <= Geometry.GridSize; ++col)
        for (int row = 1; row <= Geometry.GridSize; ++row)
            if (CellWrong(col, row))
                ++errors;
    return errors;
}

bool TPlayState::GridEnabled() const {
    constexpr TSuDoKuState blocking =
        sfLoading | sfValidating | sfPaused | sfThinking | sfRestarting;
    return (SuDoKuState & blocking) == 0;
}

bool TPlayState::CompletionTest() {
    if (!GridEnabled() || !HasFlag(SuDoKuState, sfPlaying) || HasFlag(SuDoKuState, sfSolved))
        return false;
    if (!SuDoKuGridIsFull() || SuDoKuGridErrorCount() != 0 || !SuDoKuGridIsSolved())
        return false;
    SuDoKuState = sfSolved;
    PlayNSolveStatus = psOver;
    return true;
}

void TPlayState::RecomputeAlternatives() {
    TSuDoKuGrid::ClearStrings(AlternativeStrings);
    Geometry.CopyStrings(Cells, AlternativeStrings);
    TSuDoKuValues scratch{};
    ComputeAlternatives(Geometry, scratch, AlternativeStrings);
}

} // namespace sudoku
