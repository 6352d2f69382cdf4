// The limited solver: repeated alternatives passes, then capped guessing at short candidate
// lists inside a node budget. Counts distinct solutions up to the grid's MaxSolutions.
#pragma once

#include "TSuDoKuGrid.h"

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace sudoku {

struct TSolverHooks {
    // Lets the window handle pending events; called between reasoning passes, throttled.
    std::function<void()> ProcessMessages;
    // Called at the end of a top-level search that was asked to show its results, with the
    // solution list ("Solutions=n", then the solutions' hex grid texts, newest first).
    std::function<void(const std::vector<std::string>& solutionList)> ShowResults;
};

class TSuDoKuSolver {
public:
    static constexpr int NodeBudget = 250;
    static constexpr int MaxPasses = 28;

    explicit TSuDoKuSolver(TSuDoKuGrid& grid) : Grid(grid) {}

    // True when exactly one solution was found; V then holds it.
    bool SolveSuDoKu(TSuDoKuValues& v, TSuDoKuStrings& s, bool allowGuess, bool showResults);

    // After a top-level call: "Solutions=n" then the n solutions, newest first.
    const std::vector<std::string>& SolutionList() const { return List; }
    int Solutions() const; // the "Solutions" entry, 0 when there is none

    TSolverHooks Hooks;

    // A node works only while fewer texts than this are empty (66 for 9 x 9).
    static int EmptyLimit(int gridSize);

private:
    void Guess(TSuDoKuValues& v, TSuDoKuStrings& s);
    void ProcessMessages();

    static constexpr std::chrono::milliseconds MessageInterval{10};

    TSuDoKuGrid& Grid;
    std::vector<std::string> List;
    std::chrono::steady_clock::time_point LastMessages;
};

} // namespace sudoku
