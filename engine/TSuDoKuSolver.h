// The limited solver: repeated alternatives passes, then capped guessing at short candidate
// lists inside a node budget. Counts distinct solutions up to the grid's MaxSolutions.
#pragma once

#include "TCompactGrid.h"
#include "TSuDoKuGrid.h"

#include <chrono>
#include <functional>
#include <string>
#include <unordered_set>
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

    // True when exactly one solution was found; V then holds it. A call made from inside a
    // running search (through a hook) does nothing and returns false.
    bool SolveSuDoKu(TSuDoKuValues& v, TSuDoKuStrings& s, bool allowGuess, bool showResults);

    // After a top-level call: "Solutions=n" then the n solutions, newest first.
    const std::vector<std::string>& SolutionList() const { return List; }
    int Solutions() const; // the "Solutions" entry, 0 when there is none

    TSolverHooks Hooks;
    // The limits in force: NodeBudget and MaxPasses. Lower values let tests reach the limits
    // with small puzzles.
    int NodeLimit = NodeBudget;
    int PassLimit = MaxPasses;
    // Least time between two calls of Hooks.ProcessMessages; the clock is read every few
    // passes only.
    std::chrono::milliseconds MessageInterval{10};

    // A node works only while fewer texts than this are empty (66 for 9 x 9).
    static int EmptyLimit(int gridSize);

private:
    // State of one top-level search.
    struct TSearch {
        explicit TSearch(const TSuDoKuGrid& grid) : Compact(grid) {}
        TCompactGrid Compact;
        int Cap = 0;
        int Count = 0;
        int Depth = 0;
        std::vector<std::string> Found; // solution hex texts, oldest first
        std::unordered_set<std::string> Visited;
        bool TopLevelPassed = false; // the top-level node ran a pass (S was rebuilt)
    };

    bool Node(TSearch& search, TSuDoKuValues& v, TCompactGrid::TCells& cells, bool allowGuess);
    void Guess(TSearch& search, TSuDoKuValues& v, TCompactGrid::TCells& cells);
    void ProcessMessages();

    static constexpr int PassesPerClockLook = 8;

    TSuDoKuGrid& Grid;
    std::vector<std::string> List;
    bool Searching = false;
    int PassesSinceLook = 0;
    std::chrono::steady_clock::time_point LastMessages;
};

} // namespace sudoku
