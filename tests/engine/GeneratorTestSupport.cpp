// Checks shared by the generator and carving tests.
#include "GeneratorTestSupport.h"

#include "Levels.h"
#include "TSuDoKuSolver.h"
#include "reference/ReferenceEngine.h"

#include <string>

namespace sudoku::testing {

namespace {

// Solves a copy of the puzzle; true when exactly one solution was found and it is `complete`.
bool SolvesUniquelyTo(const TSuDoKuGrid& shape, const TSuDoKuStrings& puzzle,
                      const TSuDoKuValues& complete, bool allowGuess, int maxSolutions) {
    TSuDoKuGrid grid(shape.BoxCols, shape.BoxRows);
    grid.MaxSolutions = maxSolutions;
    TSuDoKuSolver solver(grid);
    TSuDoKuValues v{};
    TSuDoKuStrings s = puzzle;
    return solver.SolveSuDoKu(v, s, allowGuess, false) && solver.Solutions() == 1 &&
           grid.ValuesEqual(v, complete);
}

} // namespace

bool IsSudokuGrid(const TSuDoKuGrid& grid, const TSuDoKuValues& v) {
    return reference::ReferenceEngine(grid.BoxCols, grid.BoxRows).UnitsOK(v);
}

::testing::AssertionResult IsSoundGame(const TSuDoKuGrid& shape, const TSuDoKuValues& complete,
                                       const TSuDoKuStrings& puzzle, int level) {
    const int n = shape.GridSize;
    const auto failure = [&] { return ::testing::AssertionFailure() << PuzzleLine(shape, puzzle); };
    if (!IsSudokuGrid(shape, complete))
        return ::testing::AssertionFailure() << "the complete grid is not a Sudoku";
    int empty = 0;
    for (int col = 1; col <= MaxGridSize; ++col)
        for (int row = 1; row <= MaxGridSize; ++row) {
            const std::string& text = puzzle[CellIndex(col, row)];
            if (col > n || row > n) {
                if (!text.empty())
                    return failure() << ": text beyond the grid at " << col << "," << row;
            } else if (text.empty()) {
                ++empty;
            } else if (text != std::to_string(complete[CellIndex(col, row)])) {
                return failure() << ": given at " << col << "," << row << " is not the grid's";
            }
        }
    const bool guessing = level == ExpertLevel && n <= 9;
    if (!SolvesUniquelyTo(shape, puzzle, complete, true, 10))
        return failure() << ": the solver does not find the grid as the only solution";
    if (!guessing && !SolvesUniquelyTo(shape, puzzle, complete, false, 1))
        return failure() << ": reasoning alone does not finish";
    const int target = CarvingTarget(n, level);
    const int lowest = CarvingTargetIsReduced(n, level) ? target - CarvingSpread(n) + 1 : target;
    if (empty > target)
        return failure() << ": " << empty << " empty cells, more than " << target;
    // Stopping short is fine only when no given can be removed any more.
    for (int i = 0; i < n * n && empty < lowest; ++i) {
        TSuDoKuStrings less = puzzle;
        std::string& text = less[CellIndex(i % n + 1, i / n + 1)];
        if (text.empty())
            continue;
        text.clear();
        if (SolvesUniquelyTo(shape, less, complete, guessing, 1))
            return failure() << ": " << empty << " empty cells, below " << lowest
                             << ", though cell " << i << " could still go";
    }
    return ::testing::AssertionSuccess();
}

std::string ShapeName(const ::testing::TestParamInfo<TBoxShape>& param) {
    return std::string(param.param.ItemName);
}

std::string PuzzleLine(const TSuDoKuGrid& grid, const TSuDoKuStrings& puzzle) {
    std::string line;
    for (int row = 1; row <= grid.GridSize; ++row)
        for (int col = 1; col <= grid.GridSize; ++col) {
            const int value = TextToValue(puzzle[CellIndex(col, row)]);
            line += static_cast<char>(value == 0   ? '.'
                                      : value <= 9 ? '0' + value
                                                   : 'Q' + value - 10);
        }
    return line;
}

} // namespace sudoku::testing
