// Side-by-side runs of the engine and the plain reference engine on seeded random states of
// every box shape: every text, value, result and solution-list entry must agree.
#include "Alternatives.h"
#include "RandomStateMaker.h"
#include "TSuDoKuSolver.h"
#include "reference/ReferenceEngine.h"

#include <gtest/gtest.h>

namespace sudoku {
namespace {

using Kind = RandomStateMaker::Kind;

// Marks the entries beyond N x N so that any routine touching them is noticed.
void MarkOutside(int n, TSuDoKuValues& v, TSuDoKuStrings& s) {
    for (int col = 1; col <= MaxGridSize; ++col)
        for (int row = 1; row <= MaxGridSize; ++row)
            if (col > n || row > n) {
                v[CellIndex(col, row)] = 7;
                s[CellIndex(col, row)] = "outside";
            }
}

// Cases per shape, fewer for the large grids where the reference is slow.
int CasesFor(int n, int small, int large) {
    return n <= 9 ? small : large;
}

class EngineMatchesReference : public ::testing::TestWithParam<TBoxShape> {};

TEST_P(EngineMatchesReference, Alternatives) {
    const TBoxShape shape = GetParam();
    TSuDoKuGrid grid(shape.BoxCols, shape.BoxRows);
    reference::ReferenceEngine ref(shape.BoxCols, shape.BoxRows);
    RandomStateMaker maker(shape.BoxCols, shape.BoxRows,
                           1000u + shape.BoxCols * 17u + shape.BoxRows);
    const int n = grid.GridSize;
    for (int c = 0; c < CasesFor(n, 300, 120); ++c) {
        SCOPED_TRACE(std::string(shape.ItemName) + " case " + std::to_string(c));
        const Kind kind = static_cast<Kind>(c % static_cast<int>(Kind::Count));
        TSuDoKuStrings s = maker.Puzzle(kind, maker.Unit());
        TSuDoKuValues v = maker.Below(2) ? maker.Noise() : TSuDoKuValues{};
        MarkOutside(n, v, s);
        TSuDoKuValues rv = v;
        TSuDoKuStrings rs = s;
        for (int pass = 1; pass <= 3; ++pass) {
            const bool result = ComputeAlternatives(grid, v, s);
            const bool expected = ref.ComputeAlternatives(rv, rs);
            ASSERT_EQ(result, expected) << "pass " << pass;
            ASSERT_EQ(v, rv) << "pass " << pass;
            ASSERT_EQ(s, rs) << "pass " << pass;
        }
        // The single-box routines on the state reached, for a random box and value.
        const int boxCol = 1 + maker.Below(grid.BoxesAcross);
        const int boxRow = 1 + maker.Below(grid.BoxesDown);
        const int value = 1 + maker.Below(n);
        grid.StringsToValues(s, v);
        ref.StringsToValues(rs, rv);
        ASSERT_EQ(AlternativesForValue(grid, v, s, boxCol, boxRow, value),
                  ref.AlternativesForValue(rv, rs, boxCol, boxRow, value));
        FixSingles(grid, s, boxCol, boxRow);
        ref.FixSingles(rs, boxCol, boxRow);
        ASSERT_EQ(s, rs);
    }
}

// Solves the same state with both engines (the reference with the same cap, node budget and
// pass limit) and asserts that results, solution lists, values and texts agree.
void ExpectSameSolve(TSuDoKuGrid& grid, TSuDoKuSolver& solver, reference::ReferenceEngine& ref,
                     TSuDoKuValues v, TSuDoKuStrings s, bool allowGuess) {
    ref.MaxSolutions = grid.MaxSolutions;
    ref.NodeBudget = solver.NodeLimit;
    ref.MaxPasses = solver.PassLimit;
    TSuDoKuValues rv = v;
    TSuDoKuStrings rs = s;
    const bool result = solver.SolveSuDoKu(v, s, allowGuess, false);
    ASSERT_EQ(result, ref.SolveSuDoKu(rv, rs, allowGuess));
    ASSERT_EQ(solver.SolutionList(), ref.SolutionList);
    ASSERT_EQ(v, rv);
    ASSERT_EQ(s, rs);
}

TEST_P(EngineMatchesReference, Solver) {
    const TBoxShape shape = GetParam();
    TSuDoKuGrid grid(shape.BoxCols, shape.BoxRows);
    TSuDoKuSolver solver(grid);
    reference::ReferenceEngine ref(shape.BoxCols, shape.BoxRows);
    RandomStateMaker maker(shape.BoxCols, shape.BoxRows,
                           2000u + shape.BoxCols * 17u + shape.BoxRows);
    const int n = grid.GridSize;
    const int caps[] = {0, 1, 10};
    int seen[5] = {};
    for (int c = 0; c < CasesFor(n, 200, 24); ++c) {
        const Kind kind = static_cast<Kind>(c % static_cast<int>(Kind::Count));
        // Keep between about 15 % and 85 % of the cells: around the emptiness limit and up
        // to puzzles that reasoning finishes alone.
        TSuDoKuStrings s = maker.Puzzle(kind, 0.15 + 0.7 * maker.Unit());
        TSuDoKuValues v{};
        if (maker.Below(2))
            grid.StringsToValues(s, v);
        MarkOutside(n, v, s);
        grid.MaxSolutions = caps[maker.Below(3)];
        const bool allowGuess = maker.Below(4) != 0;
        SCOPED_TRACE(std::string(shape.ItemName) + " case " + std::to_string(c) + " cap " +
                     std::to_string(grid.MaxSolutions) + (allowGuess ? " guessing" : ""));
        ExpectSameSolve(grid, solver, ref, v, s, allowGuess);
        if (HasFatalFailure())
            return;
        const int found = solver.Solutions();
        ++seen[found == 0 ? 0 : found == 1 ? 1 : 2];
        seen[3] += ref.NodesUsed == TSuDoKuSolver::NodeBudget;
        seen[4] += ref.NodesUsed > 1 && ref.NodesUsed < TSuDoKuSolver::NodeBudget;
    }
    // The random cases must reach every outcome the comparison is meant to cover.
    EXPECT_GT(seen[0], 0) << "no unsolvable case";
    EXPECT_GT(seen[1], 0) << "no uniquely solved case";
    if (n >= 6) {
        EXPECT_GT(seen[4], 0) << "no case with guessing";
        EXPECT_GT(seen[2] + seen[3], 0) << "no case with several solutions or a spent budget";
    }
}

// The same with small node budgets and pass limits, so that searches end on the limits
// (and reasoning stops with V one pass behind the texts) much more often.
TEST_P(EngineMatchesReference, SolverAtItsLimits) {
    const TBoxShape shape = GetParam();
    TSuDoKuGrid grid(shape.BoxCols, shape.BoxRows);
    TSuDoKuSolver solver(grid);
    reference::ReferenceEngine ref(shape.BoxCols, shape.BoxRows);
    RandomStateMaker maker(shape.BoxCols, shape.BoxRows,
                           3000u + shape.BoxCols * 17u + shape.BoxRows);
    const int nodeLimits[] = {1, 2, 5, 30};
    for (int c = 0; c < CasesFor(grid.GridSize, 150, 40); ++c) {
        const TSuDoKuStrings s = maker.Puzzle(Kind::Givens, 0.15 + 0.7 * maker.Unit());
        solver.NodeLimit = nodeLimits[maker.Below(4)];
        solver.PassLimit = 1 + maker.Below(3);
        grid.MaxSolutions = maker.Below(2) ? 10 : 1;
        SCOPED_TRACE(std::string(shape.ItemName) + " case " + std::to_string(c) + " nodes " +
                     std::to_string(solver.NodeLimit) + " passes " +
                     std::to_string(solver.PassLimit));
        ExpectSameSolve(grid, solver, ref, TSuDoKuValues{}, s, true);
        if (HasFatalFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(AllShapes, EngineMatchesReference, ::testing::ValuesIn(BoxShapes),
                         [](const auto& shapeInfo) {
                             return std::string(shapeInfo.param.ItemName);
                         });

} // namespace
} // namespace sudoku
