// The generator: seeds a checkerboard of boxes at random, lets the solver complete the grid
// and, on request, carves a puzzle out of it down to the level's target of empty cells.
#pragma once

#include "TRandom.h"
#include "TSuDoKuSolver.h"

#include <functional>
#include <string_view>

namespace sudoku {

// What the window does around a carving. BeginCarving keeps the progress caption and the
// drawing options and switches to carving mode; EndCarving restores them. Progress follows
// each successful removal with the text to show, the puzzle so far and whether the guessing
// phase is on; the page decides what to show and lets pending events run.
struct TCarveHooks {
    std::function<void()> BeginCarving;
    std::function<void(std::string_view text, const TSuDoKuStrings& puzzle, bool fiendish)>
        Progress;
    std::function<void()> EndCarving;
};

class TSuDoKuGenerator {
public:
    static constexpr int SeedRetries = 13;   // failures in a box that retry the same value
    static constexpr int SeedFailLimit = 26; // failures in a box that end the attempt
    static constexpr int PlaceTries = 500;   // random cells tried for one value
    static constexpr int CarveAttempts = 101;

    TSuDoKuGenerator(TSuDoKuGrid& grid, TSuDoKuSolver& solver, TRandom& random)
        : Grid(grid), Solver(solver), Rand(random) {}

    // One attempt: V receives the complete grid, S the carved puzzle (empty unless
    // makePuzzle). False when the attempt failed; V and S then hold partial work.
    bool GenerateSuDoKu(TSuDoKuValues& v, TSuDoKuStrings& s, int level, bool makePuzzle);
    // Repeats GenerateSuDoKu until it succeeds, calling reseed before every repeated attempt
    // (not before the first). maxAttempts 0 means no limit. Returns the attempts made, or 0
    // when the limit ran out.
    int GenerateUntilSuccess(TSuDoKuValues& v, TSuDoKuStrings& s, int level, bool makePuzzle,
                             const std::function<void()>& reseed, int maxAttempts = 0);

    // Seeds the checkerboard of boxes into a cleared V; false when a box could not be seeded.
    bool SeedBoxes(TSuDoKuValues& v);
    // Puts Value at a random allowed empty cell of the box (true if it is there already).
    bool PlaceValueInBox(TSuDoKuValues& v, int boxColIdx, int boxRowIdx, int value);

    // Carves a puzzle out of the complete grid V into S (givens as decimal texts). V is never
    // changed; on failure S is as it was on entry. MaxSolutions is 10 afterwards.
    bool CarvePuzzle(const TSuDoKuValues& v, TSuDoKuStrings& s, int level);

    TCarveHooks Hooks;

private:
    bool Carve(const TSuDoKuValues& complete, TSuDoKuStrings& s, int level);
    bool CompleteGrid(TSuDoKuValues& v, TSuDoKuStrings& s);

    TSuDoKuGrid& Grid;
    TSuDoKuSolver& Solver;
    TRandom& Rand;
};

} // namespace sudoku
