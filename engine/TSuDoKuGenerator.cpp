// Grid generation by seeded boxes plus solver completion, and carving by random removal under
// the limited solver's uniqueness test.
#include "TSuDoKuGenerator.h"

#include "Levels.h"

#include <cstdint>
#include <string>

namespace sudoku {

namespace {

// Restores the window's carving state and the solver cap however the carving ends.
class TCarveScope {
public:
    TCarveScope(TSuDoKuGrid& grid, const TCarveHooks& hooks) : Grid(grid), Hooks(hooks) {
        if (Hooks.BeginCarving) {
            Hooks.BeginCarving();
        }
        Grid.MaxSolutions = 1;
    }
    ~TCarveScope() {
        if (Hooks.EndCarving) {
            Hooks.EndCarving();
        }
        Grid.MaxSolutions = 10;
    }
    TCarveScope(const TCarveScope&) = delete;
    TCarveScope& operator=(const TCarveScope&) = delete;

private:
    TSuDoKuGrid& Grid;
    const TCarveHooks& Hooks;
};

} // namespace

bool TSuDoKuGenerator::GenerateSuDoKu(TSuDoKuValues& v, TSuDoKuStrings& s, int level,
                                      bool makePuzzle) {
    Grid.MaxSolutions = 0; // the completing search stops at its first solution
    TSuDoKuGrid::ClearValues(v);
    TSuDoKuGrid::ClearStrings(s);
    bool result = SeedBoxes(v) && CompleteGrid(v, s);
    Grid.MaxSolutions = 10;
    if (result && makePuzzle) {
        result = false;
        for (int attempt = 0; attempt < CarveAttempts && !result; ++attempt) {
            TSuDoKuGrid::ClearStrings(s);
            Grid.ValuesToStrings(v, s);
            result = CarvePuzzle(v, s, level);
        }
    }
    return result;
}

int TSuDoKuGenerator::GenerateUntilSuccess(TSuDoKuValues& v, TSuDoKuStrings& s, int level,
                                           bool makePuzzle, const std::function<void()>& reseed,
                                           int maxAttempts) {
    for (int attempt = 1; maxAttempts <= 0 || attempt <= maxAttempts; ++attempt) {
        if (attempt > 1 && reseed) {
            reseed();
        }
        if (GenerateSuDoKu(v, s, level, makePuzzle)) {
            return attempt;
        }
    }
    return 0;
}

// Boxes whose box row and box column are both odd or both even are seeded value by value.
// In one box the first SeedRetries failures retry the value, later ones empty the box and
// start again at 1, and the SeedFailLimit-th failure abandons the attempt.
bool TSuDoKuGenerator::SeedBoxes(TSuDoKuValues& v) {
    const int n = Grid.GridSize;
    int fails = 0;
    bool placed = false;
    for (int boxRow = 1; boxRow <= Grid.BoxesDown; ++boxRow) {
        for (int boxCol = 1; boxCol <= Grid.BoxesAcross; ++boxCol) {
            if (fails >= SeedFailLimit) {
                return false;
            }
            fails = 0;
            if (boxRow % 2 != boxCol % 2) {
                continue;
            }
            int value = 1;
            while (value <= n && fails < SeedFailLimit) {
                placed = PlaceValueInBox(v, boxCol, boxRow, value);
                if (placed) {
                    ++value;
                    continue;
                }
                if (fails >= SeedRetries) {
                    Grid.ClearBox(v, boxCol, boxRow);
                    value = 1;
                }
                ++fails;
            }
        }
    }
    return placed;
}

bool TSuDoKuGenerator::PlaceValueInBox(TSuDoKuValues& v, int boxColIdx, int boxRowIdx, int value) {
    const int n = Grid.GridSize;
    std::array<int, MaxGridSize> empties{}; // cell indexes of the empty cells, in box order
    int emptyCount = 0;
    for (int k = 1; k <= n; ++k) {
        const int index = CellIndex(Grid.BoxCellCol(boxColIdx, k), Grid.BoxCellRow(boxRowIdx, k));
        if (v[static_cast<std::size_t>(index)] == value) {
            return true;
        }
        if (v[static_cast<std::size_t>(index)] == 0) {
            empties[static_cast<std::size_t>(emptyCount++)] = index;
        }
    }
    if (emptyCount == 0) {
        return false;
    }
    // V does not change while drawing, so whether each empty cell may take the value is
    // worked out once; the draws themselves still happen one by one, as many as before.
    std::array<bool, MaxGridSize> allowed{};
    for (int e = 0; e < emptyCount; ++e) {
        const int index = empties[static_cast<std::size_t>(e)];
        allowed[static_cast<std::size_t>(e)] =
            Grid.CountInRow(v, value, index % MaxGridSize + 1) == 0 &&
            Grid.CountInCol(v, value, index / MaxGridSize + 1) == 0;
    }
    for (int tries = 0; tries < PlaceTries; ++tries) {
        const int pick = Rand.Random(emptyCount);
        if (allowed[static_cast<std::size_t>(pick)]) {
            v[static_cast<std::size_t>(empties[static_cast<std::size_t>(pick)])] =
                static_cast<std::uint8_t>(value);
            return true;
        }
    }
    return false;
}

bool TSuDoKuGenerator::CompleteGrid(TSuDoKuValues& v, TSuDoKuStrings& s) {
    Grid.ValuesToStrings(v, s);
    // With a solution found, V holds it; the solver counts only grids whose units are whole.
    Solver.SolveSuDoKu(v, s, true, false);
    if (Solver.Solutions() <= 0) {
        return false;
    }
    TSuDoKuGrid::ClearStrings(s);
    return true;
}

bool TSuDoKuGenerator::CarvePuzzle(const TSuDoKuValues& v, TSuDoKuStrings& s, int level) {
    const TCarveScope scope(Grid, Hooks);
    return Grid.UnitsOK(v) && Carve(v, s, level);
}

// Removes random cells one at a time. A removal stands when the solver (without guessing, or
// with it in the Expert guessing phase) still finds exactly one solution, the grid itself.
// A failed cell stays marked and is not drawn again until the next removal succeeds; when
// every remaining given is marked, no removal is possible any more.
bool TSuDoKuGenerator::Carve(const TSuDoKuValues& complete, TSuDoKuStrings& s, int level) {
    const int n = Grid.GridSize;
    const TSuDoKuStrings entry = s;
    TSuDoKuValues work = complete;
    TSuDoKuStrings puzzle;
    Grid.ValuesToStrings(complete, puzzle);
    Grid.ValuesToStrings(complete, s);
    if (!Solver.SolveSuDoKu(work, s, false, false)) {
        s = entry;
        return false;
    }

    std::array<bool, CellCount> marks{};
    int target = CarvingTarget(n, level);
    if (CarvingTargetIsReduced(n, level)) {
        target -= Rand.Random(CarvingSpread(n));
    }
    bool fiendish = false;
    int removed = 0;
    int open = n * n;
    while (removed < target && open > 0) {
        TSuDoKuGrid::ClearValues(work);
        Grid.CopyStrings(puzzle, s);
        open = 0;
        for (int row = 1; row <= n; ++row) {
            for (int col = 1; col <= n; ++col) {
                const auto index = static_cast<std::size_t>(CellIndex(col, row));
                open += (!puzzle[index].empty() && !marks[index]) ? 1 : 0;
            }
        }
        if (open > 0) {
            int pick = Rand.Random(open) + 1;
            std::size_t picked = 0;
            for (int row = 1; row <= n && pick > 0; ++row) {
                for (int col = 1; col <= n && pick > 0; ++col) {
                    const auto index = static_cast<std::size_t>(CellIndex(col, row));
                    if (!puzzle[index].empty() && !marks[index] && --pick == 0) {
                        picked = index;
                    }
                }
            }
            s[picked].clear();
            marks[picked] = true;
            Grid.StringsToValues(s, work);
            puzzle[picked].clear();
            // A single solution other than the grid would mean the puzzle has two.
            if (Solver.SolveSuDoKu(work, s, fiendish, false) && Grid.ValuesEqual(work, complete)) {
                marks.fill(false);
                Grid.CopyStrings(puzzle, s);
                if (Hooks.Progress) {
                    Hooks.Progress(fiendish ? FiendishText : LevelTargetText(level), puzzle,
                                   fiendish);
                }
                ++removed;
            } else {
                puzzle[picked] = std::to_string(complete[picked]);
            }
        }
        if ((removed >= target || open == 0) && n <= 9 && !fiendish && level == ExpertLevel) {
            fiendish = true;
            marks.fill(false);
            open = n * n;
        }
    }
    Grid.CopyStrings(puzzle, s);
    return true;
}

} // namespace sudoku
