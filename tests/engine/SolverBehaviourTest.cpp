// Solver behaviour around its edges: hooks, re-entry, a grid already full on entry, results
// read by the next search, and V and S when the puzzle is too empty.
#include "RandomStateMaker.h"
#include "TSuDoKuSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace sudoku {
namespace {

// The pattern grid of g with its first `open` rows emptied.
TSuDoKuStrings OpenRows(const TSuDoKuGrid& g, int open) {
    return RandomStateMaker::OpenRows(g.BoxCols, g.BoxRows, open);
}

TEST(SolverHooks, MessagesAreProcessedAndReentryIsRefused) {
    TSuDoKuGrid g(4, 4);
    TSuDoKuSolver solver(g);
    solver.MessageInterval = std::chrono::milliseconds(0);
    int calls = 0;
    bool reentered = true;
    solver.Hooks.ProcessMessages = [&] {
        ++calls;
        // A handler that tries to start another search while one runs gets false and
        // leaves the running search alone.
        TSuDoKuValues v{};
        TSuDoKuStrings s = OpenRows(g, 1);
        reentered = solver.SolveSuDoKu(v, s, true, false);
    };
    TSuDoKuValues v{};
    TSuDoKuStrings s = OpenRows(g, 3);
    solver.SolveSuDoKu(v, s, true, false);
    EXPECT_GT(calls, 0);
    EXPECT_FALSE(reentered);
    // The running search went on to its own result: 3 open rows of 4 x 4 boxes complete in
    // more than 10 ways.
    EXPECT_EQ(solver.Solutions(), 11);

    TSuDoKuSolver quiet(g); // default interval: a short search is not interrupted
    int quietCalls = 0;
    quiet.Hooks.ProcessMessages = [&] { ++quietCalls; };
    TSuDoKuStrings small = OpenRows(g, 1);
    TSuDoKuValues w{};
    EXPECT_TRUE(quiet.SolveSuDoKu(w, small, true, false));
    EXPECT_EQ(quietCalls, 0);
}

TEST(SolverHooks, AThrowingHookLeavesTheSolverUsable) {
    TSuDoKuGrid g(4, 4);
    TSuDoKuSolver solver(g);
    solver.MessageInterval = std::chrono::milliseconds(0);
    solver.Hooks.ProcessMessages = [] { throw std::runtime_error("closed"); };
    TSuDoKuValues v{};
    TSuDoKuStrings s = OpenRows(g, 3);
    EXPECT_THROW(solver.SolveSuDoKu(v, s, true, false), std::runtime_error);
    solver.Hooks.ProcessMessages = nullptr;
    TSuDoKuValues w{};
    TSuDoKuStrings t = OpenRows(g, 1);
    EXPECT_TRUE(solver.SolveSuDoKu(w, t, true, false));
    EXPECT_EQ(w, RandomStateMaker::Pattern(4, 4));
}

TEST(SolverHooks, ResultsShownOnlyWhenAsked) {
    TSuDoKuGrid g;
    TSuDoKuSolver solver(g);
    int shown = 0;
    std::vector<std::string> list;
    solver.Hooks.ShowResults = [&](const std::vector<std::string>& l) {
        ++shown;
        list = l;
    };
    for (bool show : {false, true, false}) {
        TSuDoKuValues v{};
        TSuDoKuStrings s = OpenRows(g, 2);
        EXPECT_FALSE(solver.SolveSuDoKu(v, s, true, show));
    }
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(list, solver.SolutionList());
    EXPECT_EQ(list.front(), "Solutions=8");
}

TEST(SolverEdges, FullValuesOnEntryNeedNoPass) {
    TSuDoKuGrid g(3, 2);
    TSuDoKuSolver solver(g);
    const TSuDoKuValues full = RandomStateMaker::Pattern(3, 2);
    TSuDoKuStrings s{};
    g.ValuesToStrings(full, s);
    s[CellIndex(9, 9)] = "outside";
    TSuDoKuValues v = full;
    EXPECT_TRUE(solver.SolveSuDoKu(v, s, true, false));
    EXPECT_EQ(s[CellIndex(1, 1)], std::to_string(full[CellIndex(1, 1)])); // texts untouched
    EXPECT_EQ(s[CellIndex(9, 9)], "outside");

    // Full values whose sums fail are no solution, and nothing is guessed.
    std::swap(v[CellIndex(1, 1)], v[CellIndex(1, 2)]);
    std::swap(v[CellIndex(1, 1)], v[CellIndex(2, 1)]);
    EXPECT_FALSE(solver.SolveSuDoKu(v, s, true, false));
    EXPECT_EQ(solver.SolutionList(), std::vector<std::string>{"Solutions=0"});
}

TEST(SolverEdges, RepeatedValueInABoxIsNoSolution) {
    // Each row and column of the cyclic square holds every value once, so the sums come
    // out right, but its boxes repeat values: givens like these have no solution.
    for (const TBoxShape& shape : BoxShapes) {
        TSuDoKuGrid g(shape.BoxCols, shape.BoxRows);
        TSuDoKuSolver solver(g);
        const TSuDoKuValues cyclic = RandomStateMaker::Cyclic(g.GridSize);
        ASSERT_TRUE(g.SumsOK(cyclic));
        TSuDoKuStrings s{};
        g.ValuesToStrings(cyclic, s);
        TSuDoKuValues v{};
        EXPECT_FALSE(solver.SolveSuDoKu(v, s, true, false)) << shape.ItemName;
        EXPECT_EQ(solver.Solutions(), 0) << shape.ItemName;
    }
}

TEST(SolverEdges, EachSearchStartsAfresh) {
    TSuDoKuGrid g;
    TSuDoKuSolver solver(g);
    TSuDoKuValues v{};
    TSuDoKuStrings s = OpenRows(g, 2);
    solver.SolveSuDoKu(v, s, true, false);
    ASSERT_EQ(solver.Solutions(), 8);
    // The same puzzle again gives the same list: visited states and counters do not carry
    // over from the search before.
    const std::vector<std::string> first = solver.SolutionList();
    TSuDoKuValues w{};
    TSuDoKuStrings t = OpenRows(g, 2);
    solver.SolveSuDoKu(w, t, true, false);
    EXPECT_EQ(solver.SolutionList(), first);
    EXPECT_EQ(v, w);
    EXPECT_EQ(s, t);
}

TEST(SolverEdges, TooEmptyLeavesValuesAndTextsAlone) {
    struct Case {
        int boxCols, boxRows, openRows;
        bool tooEmpty;
    };
    // 9 x 9 works below 66 empty cells, 4 x 4 below 13, 16 x 16 below 209.
    for (Case c : {Case{3, 3, 9, true}, // nothing given
                   {3, 3, 8, true},
                   {3, 3, 7, false},
                   {2, 2, 4, true},
                   {2, 2, 3, false},
                   {4, 4, 14, true},
                   {4, 4, 13, false}}) {
        TSuDoKuGrid g(c.boxCols, c.boxRows);
        TSuDoKuSolver solver(g);
        TSuDoKuStrings s = OpenRows(g, c.openRows);
        const TSuDoKuStrings before = s;
        TSuDoKuValues v{};
        v[CellIndex(16, 16)] = 5;
        solver.SolveSuDoKu(v, s, true, false);
        EXPECT_EQ(s == before, c.tooEmpty) << c.boxCols << "x" << c.boxRows << " " << c.openRows;
        if (c.tooEmpty) {
            EXPECT_EQ(solver.SolutionList(), std::vector<std::string>{"Solutions=0"});
            EXPECT_EQ(v[CellIndex(1, std::min(c.openRows + 1, g.GridSize))], 0);
            EXPECT_EQ(v[CellIndex(16, 16)], 5);
        }
    }
}

} // namespace
} // namespace sudoku
