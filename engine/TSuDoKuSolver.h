// The limited solver: repeated alternatives passes, then capped guessing at short candidate
// lists inside a node budget. Counts distinct solutions up to the grid's MaxSolutions; the
// proven solve lets the exact counter decide where the limited search gives up.
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

    // SolveSuDoKu with guessing, but with a proven count: when the limited search gave up, the
    // exact counter decides from the givens in S the result, the solution list (in the same
    // form, its solutions newest first) and V (its newest solution when it found one); S and,
    // without a solution, V stay as the limited search left them. Shows the results, if asked,
    // once the count is decided.
    bool SolveSuDoKuProven(TSuDoKuValues& v, TSuDoKuStrings& s, bool showResults);

    // After a top-level call: "Solutions=n" then the n solutions, newest first.
    const std::vector<std::string>& SolutionList() const { return List; }
    int Solutions() const; // the "Solutions" entry, 0 when there is none

    // Whether the last top-level search left its count unproven: some part of the search was
    // cut off by the node budget, by a too empty grid, or stalled without guessing (guessing
    // not allowed, every candidate list too long, or V left behind the texts by the pass
    // limit), and the cap was not passed. Solutions() is then only a lower bound. After
    // SolveSuDoKuProven: whether the exact counter decided.
    bool GaveUp() const { return LastGaveUp; }

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
        bool GaveUp = false;         // some node ended without settling its part of the search
    };

    bool Node(TSearch& search, TSuDoKuValues& v, TCompactGrid::TCells& cells, bool allowGuess);
    // False when no cell could be guessed at, so the node's part of the search stays open.
    bool Guess(TSearch& search, TSuDoKuValues& v, TCompactGrid::TCells& cells);
    void ProcessMessages();

    static constexpr int PassesPerClockLook = 8;

    TSuDoKuGrid& Grid;
    std::vector<std::string> List;
    bool Searching = false;
    bool LastGaveUp = false;
    int PassesSinceLook = 0;
    std::chrono::steady_clock::time_point LastMessages;
};

} // namespace sudoku
