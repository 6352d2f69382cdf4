// The worked examples and edge cases of the alternatives computation and the solver, with
// their expected texts written out by hand, and the solver's hooks and re-entry.
#include "Alternatives.h"
#include "RandomStateMaker.h"
#include "TSuDoKuSolver.h"
#include "reference/ReferenceEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace sudoku {
namespace {

// Cell texts of rows (columns left to right) for grid g.
std::vector<std::vector<std::string>> Rows(const TSuDoKuGrid& g, const TSuDoKuStrings& s) {
    std::vector<std::vector<std::string>> rows(g.GridSize);
    for (int row = 1; row <= g.GridSize; ++row)
        for (int col = 1; col <= g.GridSize; ++col)
            rows[row - 1].push_back(s[CellIndex(col, row)]);
    return rows;
}

TEST(AlternativesExample, TwoByTwoAfterOneAndTwoPasses) {
    TSuDoKuGrid g(2, 2);
    TSuDoKuValues v{};
    TSuDoKuStrings s{};
    s[CellIndex(1, 1)] = "1";
    s[CellIndex(3, 2)] = "3";
    s[CellIndex(4, 4)] = "2";
    EXPECT_TRUE(ComputeAlternatives(g, v, s));
    using R = std::vector<std::string>;
    EXPECT_EQ(Rows(g, s), (std::vector<R>{{"$01", "$03", "$02", "$04"},
                                          {"2,4", "2,4", "$03", "$01"},
                                          {"2,3,4", "1,2,4", "1,4", "$03"},
                                          {"3,4", "1,4", "1,4", "$02"}}));
    EXPECT_EQ(v[CellIndex(1, 1)], 1);
    EXPECT_EQ(v[CellIndex(4, 1)], 0);

    EXPECT_TRUE(ComputeAlternatives(g, v, s));
    EXPECT_EQ(s[CellIndex(1, 3)], "2,4");
    EXPECT_EQ(s[CellIndex(1, 4)], "$03");
    EXPECT_EQ(v[CellIndex(4, 1)], 4); // read from the fixed text of the first pass
}

TEST(AlternativesExample, CompleteAndEmptyNineByNine) {
    TSuDoKuGrid g;
    TSuDoKuValues v{};
    TSuDoKuStrings s{};
    const TSuDoKuValues full = RandomStateMaker::Pattern(g.BoxCols, g.BoxRows);
    g.ValuesToStrings(full, s);
    EXPECT_TRUE(ComputeAlternatives(g, v, s));
    for (int col = 1; col <= 9; ++col)
        for (int row = 1; row <= 9; ++row)
            EXPECT_EQ(s[CellIndex(col, row)], FixedText(full[CellIndex(col, row)]));

    TSuDoKuGrid::ClearStrings(s);
    EXPECT_TRUE(ComputeAlternatives(g, v, s));
    for (int col = 1; col <= 9; ++col)
        for (int row = 1; row <= 9; ++row)
            EXPECT_EQ(s[CellIndex(col, row)], "1,2,3,4,5,6,7,8,9");
}

TEST(AlternativesExample, SingleEdgeCases) {
    TSuDoKuGrid g;
    TSuDoKuValues v{};
    TSuDoKuStrings s{};
    // Row 1 holds 1..8 in columns 2..9: (1,1) can only be 9 and is fixed by the cell
    // single at the end of box 1, after the lists of box 1 were written with 9 in them.
    for (int col = 2; col <= 9; ++col)
        s[CellIndex(col, 1)] = std::to_string(col - 1);
    s[CellIndex(4, 2)] = "pencil,1"; // pencil notes count as an empty cell
    s[CellIndex(5, 2)] = "1,4,";
    EXPECT_TRUE(ComputeAlternatives(g, v, s));
    EXPECT_EQ(s[CellIndex(1, 1)], "$09");
    EXPECT_EQ(s[CellIndex(2, 1)], "$01");
    EXPECT_EQ(s[CellIndex(1, 2)], "3,4,5,6,7,8,9");   // box 1 keeps 9 until the next pass
    EXPECT_EQ(s[CellIndex(1, 4)], "1,2,3,4,5,6,7,8"); // later boxes see the fixed 9
    EXPECT_EQ(s[CellIndex(4, 2)], "1,2,6,7,8,9");
    EXPECT_EQ(s[CellIndex(5, 2)], "1,2,6,7,8,9");

    // A cell with no possible value keeps the empty text.
    TSuDoKuGrid::ClearStrings(s);
    for (int col = 2; col <= 9; ++col)
        s[CellIndex(col, 1)] = std::to_string(col);
    s[CellIndex(1, 5)] = "1";
    EXPECT_TRUE(ComputeAlternatives(g, v, s));
    EXPECT_EQ(s[CellIndex(1, 1)], "");
    EXPECT_FALSE(g.StringsFull(s));
}

TEST(AlternativesExample, SixteenBySixteenWritesTwoDigitValues) {
    TSuDoKuGrid g(4, 4);
    TSuDoKuValues v{};
    TSuDoKuStrings s{};
    for (int col = 1; col <= 15; ++col)
        s[CellIndex(col, 1)] = std::to_string(col);
    EXPECT_TRUE(ComputeAlternatives(g, v, s));
    EXPECT_EQ(s[CellIndex(16, 1)], "$10");
    EXPECT_EQ(s[CellIndex(15, 1)], "$0F");
    EXPECT_EQ(s[CellIndex(1, 16)], "2,3,4,5,6,7,8,9,10,11,12,13,14,15,16");
}

TEST(SolverExample, EmptyLimitPerSize) {
    const std::vector<std::pair<int, int>> cases{
        {4, 13}, {6, 29}, {8, 52}, {9, 66}, {10, 81}, {12, 117}, {14, 160}, {15, 183}, {16, 209}};
    for (auto [n, limit] : cases)
        EXPECT_EQ(TSuDoKuSolver::EmptyLimit(n), limit) << n;
}

// Result, solutions collected and the grid left. With two rows of the pattern grid open, each
// stack can swap its two rows: 8 solutions in all, of which the cap keeps at most cap + 1.
// A 4 x 4 grid is never guessed at, and without guessing only reasoning counts: both stall
// with every open cell holding a list.
TEST(SolverExample, ResultsSolutionsAndTheGridLeft) {
    TSuDoKuStrings twoByTwo{};
    for (auto [col, row, text] : {std::tuple{1, 1, "1"}, {3, 2, "3"}, {2, 3, "4"}, {4, 4, "2"}})
        twoByTwo[CellIndex(col, row)] = text;
    struct Case {
        const char* Name;
        int BoxCols, BoxRows;
        TSuDoKuStrings Puzzle;
        bool ValuesGiven, AllowGuess;
        int Cap;
        bool Result;
        int Solutions;
        std::string Grid; // the one solution, row by row, when it is known
    };
    const Case cases[] = {
        {"2x2 by reasoning", 2, 2, twoByTwo, false, true, 10, true, 1, "1324423124133142"},
        {"complete texts", 3, 3, RandomStateMaker::OpenRows(3, 3, 0), false, true, 10, true, 1, ""},
        {"complete values", 3, 3, RandomStateMaker::OpenRows(3, 3, 0), true, true, 10, true, 1, ""},
        {"cap 10", 3, 3, RandomStateMaker::OpenRows(3, 3, 2), false, true, 10, false, 8, ""},
        {"cap 1", 3, 3, RandomStateMaker::OpenRows(3, 3, 2), false, true, 1, false, 2, ""},
        {"cap 0", 3, 3, RandomStateMaker::OpenRows(3, 3, 2), false, true, 0, true, 1, ""},
        {"4x4 never guesses", 2, 2, RandomStateMaker::OpenRows(2, 2, 2), false, true, 10, false, 0,
         ""},
        {"no guessing", 3, 3, RandomStateMaker::OpenRows(3, 3, 2), false, false, 10, false, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TSuDoKuGrid g(c.BoxCols, c.BoxRows);
        g.MaxSolutions = c.Cap;
        TSuDoKuSolver solver(g);
        std::vector<std::string> shown;
        solver.Hooks.ShowResults = [&](const std::vector<std::string>& list) { shown = list; };
        TSuDoKuValues v{};
        if (c.ValuesGiven)
            g.StringsToValues(c.Puzzle, v);
        TSuDoKuStrings s = c.Puzzle;
        const bool show = &c != &cases[1]; // results are shown only when asked
        EXPECT_EQ(solver.SolveSuDoKu(v, s, c.AllowGuess, show), c.Result);
        EXPECT_EQ(solver.Solutions(), c.Solutions);
        ASSERT_EQ(solver.SolutionList().size(), static_cast<std::size_t>(c.Solutions + 1));
        EXPECT_EQ(shown, show ? solver.SolutionList() : std::vector<std::string>{});
        EXPECT_EQ(solver.SolutionList()[0], "Solutions=" + std::to_string(c.Solutions));
        for (std::size_t i = 2; i < solver.SolutionList().size(); ++i)
            EXPECT_NE(solver.SolutionList()[i], solver.SolutionList()[i - 1]);
        // V holds the givens and, when a solution was found, the newest one: a valid grid.
        for (int i : reference::ReferenceEngine(c.BoxCols, c.BoxRows).Cells())
            EXPECT_TRUE(c.Puzzle[i].empty() || v[i] == TextToValue(c.Puzzle[i])) << i;
        if (c.Solutions > 0) {
            EXPECT_EQ(g.ValuesToHex(v), solver.SolutionList()[1]);
            EXPECT_TRUE(g.UnitsOK(v));
        } else { // reasoning stalled: every open cell holds a list
            EXPECT_FALSE(g.ValuesFull(v));
            EXPECT_TRUE(g.StringsFull(s));
            EXPECT_NE(s[CellIndex(1, 1)].find(','), std::string::npos);
        }
        for (std::size_t i = 0; i < c.Grid.size(); ++i)
            EXPECT_EQ(v[CellIndex(static_cast<int>(i) % 4 + 1, static_cast<int>(i) / 4 + 1)],
                      c.Grid[i] - '0');
    }
}

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
