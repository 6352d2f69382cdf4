// The worked examples and edge cases of the alternatives computation and the solver, with
// their expected texts written out by hand.
#include "Alternatives.h"
#include "RandomStateMaker.h"
#include "TSuDoKuSolver.h"

#include <gtest/gtest.h>

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

TEST(SolverExample, TwoByTwoSolvedWithoutGuess) {
    TSuDoKuGrid g(2, 2);
    TSuDoKuSolver solver(g);
    TSuDoKuValues v{};
    TSuDoKuStrings s{};
    s[CellIndex(1, 1)] = "1";
    s[CellIndex(3, 2)] = "3";
    s[CellIndex(2, 3)] = "4";
    s[CellIndex(4, 4)] = "2";
    EXPECT_TRUE(solver.SolveSuDoKu(v, s, true, false));
    EXPECT_EQ(solver.Solutions(), 1);
    const int rows[4][4] = {{1, 3, 2, 4}, {4, 2, 3, 1}, {2, 4, 1, 3}, {3, 1, 4, 2}};
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 4; ++col)
            EXPECT_EQ(v[CellIndex(col, row)], rows[row - 1][col - 1]) << col << "," << row;
    EXPECT_EQ(solver.SolutionList(), (std::vector<std::string>{"Solutions=1", g.ValuesToHex(v)}));
}

TEST(SolverExample, CompleteGridIsTheOnlySolution) {
    for (bool valuesGiven : {false, true}) {
        TSuDoKuGrid g;
        TSuDoKuSolver solver(g);
        const TSuDoKuValues full = RandomStateMaker::Pattern(g.BoxCols, g.BoxRows);
        TSuDoKuValues v = valuesGiven ? full : TSuDoKuValues{};
        TSuDoKuStrings s{};
        g.ValuesToStrings(full, s);
        EXPECT_TRUE(solver.SolveSuDoKu(v, s, true, false));
        EXPECT_EQ(solver.SolutionList(),
                  (std::vector<std::string>{"Solutions=1", g.ValuesToHex(full)}));
        EXPECT_TRUE(g.ValuesEqual(v, full));
    }
}

TEST(SolverExample, EmptyLimitPerSize) {
    const std::vector<std::pair<int, int>> cases{
        {4, 13}, {6, 29}, {8, 52}, {9, 66}, {10, 81}, {12, 117}, {14, 160}, {15, 183}, {16, 209}};
    for (auto [n, limit] : cases)
        EXPECT_EQ(TSuDoKuSolver::EmptyLimit(n), limit) << n;
}

TEST(SolverExample, CapsLimitTheSolutionsCollected) {
    TSuDoKuGrid g;
    const TSuDoKuValues full = RandomStateMaker::Pattern(3, 3);
    const TSuDoKuStrings puzzle = RandomStateMaker::OpenRows(3, 3, 2);
    struct Case {
        int cap;
        int expectedSolutions;
    };
    // Rows 1 and 2 of the pattern grid can be completed in exactly two ways per stack
    // (the pair of rows swaps within each stack independently): 8 solutions in all.
    for (Case c : {Case{10, 8}, Case{1, 2}, Case{0, 1}}) {
        TSuDoKuSolver solver(g);
        g.MaxSolutions = c.cap;
        std::vector<std::string> shown;
        solver.Hooks.ShowResults = [&](const std::vector<std::string>& list) { shown = list; };
        TSuDoKuValues v{};
        TSuDoKuStrings s = puzzle;
        EXPECT_EQ(solver.SolveSuDoKu(v, s, true, true), c.expectedSolutions == 1) << c.cap;
        EXPECT_EQ(solver.Solutions(), c.expectedSolutions) << c.cap;
        ASSERT_EQ(solver.SolutionList().size(), static_cast<std::size_t>(c.expectedSolutions + 1));
        EXPECT_EQ(shown, solver.SolutionList());
        // V holds the newest solution, which is a valid grid agreeing with the givens.
        EXPECT_EQ(g.ValuesToHex(v), solver.SolutionList()[1]);
        EXPECT_TRUE(g.SumsOK(v));
        for (int col = 1; col <= 9; ++col)
            for (int row = 3; row <= 9; ++row)
                EXPECT_EQ(v[CellIndex(col, row)], full[CellIndex(col, row)]);
        for (std::size_t i = 2; i < solver.SolutionList().size(); ++i)
            EXPECT_NE(solver.SolutionList()[i], solver.SolutionList()[i - 1]);
    }
    g.MaxSolutions = 10;
}

TEST(SolverExample, FourByFourNeverGuesses) {
    TSuDoKuGrid g(2, 2);
    TSuDoKuSolver solver(g);
    TSuDoKuValues v{};
    TSuDoKuStrings s{};
    // Rows 1 and 2 open: every open cell keeps two candidates and no single appears, while
    // 8 empty cells are well below the limit of 13.
    s = RandomStateMaker::OpenRows(2, 2, 2);
    EXPECT_FALSE(solver.SolveSuDoKu(v, s, true, false));
    EXPECT_EQ(solver.Solutions(), 0);
    EXPECT_FALSE(g.ValuesFull(v));
    EXPECT_TRUE(g.StringsFull(s));
}

TEST(SolverExample, WithoutGuessingOnlyReasoningCounts) {
    TSuDoKuGrid g;
    TSuDoKuSolver solver(g);
    TSuDoKuValues v{};
    TSuDoKuStrings s = RandomStateMaker::OpenRows(3, 3, 2);
    EXPECT_FALSE(solver.SolveSuDoKu(v, s, false, false));
    EXPECT_EQ(solver.Solutions(), 0);
    // The state reasoning reached is left: rows 3..9 as given, rows 1-2 with pairs.
    EXPECT_EQ(v[CellIndex(1, 5)], RandomStateMaker::Pattern(3, 3)[CellIndex(1, 5)]);
    EXPECT_EQ(s[CellIndex(1, 1)].find(','), 1u);
}

} // namespace
} // namespace sudoku
