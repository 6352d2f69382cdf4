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

class EngineMatchesReference : public ::testing::TestWithParam<TBoxShape> {
protected:
    // Random states seeded per test and shape.
    RandomStateMaker Maker(unsigned base) const {
        return {Shape.BoxCols, Shape.BoxRows, base + Shape.BoxCols * 17u + Shape.BoxRows};
    }
    // Cases per shape, fewer for the large grids where the reference is slow.
    int Cases(int small, int large) const { return Grid.GridSize <= 9 ? small : large; }

    // Solves the same state with both engines (the reference with the same cap, node budget
    // and pass limit) and asserts that results, solution lists, values and texts agree.
    void ExpectSameSolve(TSuDoKuValues v, TSuDoKuStrings s, bool allowGuess) {
        Ref.MaxSolutions = Grid.MaxSolutions;
        Ref.NodeBudget = Solver.NodeLimit;
        Ref.MaxPasses = Solver.PassLimit;
        TSuDoKuValues rv = v;
        TSuDoKuStrings rs = s;
        const bool result = Solver.SolveSuDoKu(v, s, allowGuess, false);
        ASSERT_EQ(result, Ref.SolveSuDoKu(rv, rs, allowGuess));
        ASSERT_EQ(Solver.SolutionList(), Ref.SolutionList);
        ASSERT_EQ(v, rv);
        ASSERT_EQ(s, rs);
    }

    const TBoxShape Shape = GetParam();
    TSuDoKuGrid Grid{Shape.BoxCols, Shape.BoxRows};
    TSuDoKuSolver Solver{Grid};
    reference::ReferenceEngine Ref{Shape.BoxCols, Shape.BoxRows};
};

TEST_P(EngineMatchesReference, Alternatives) {
    RandomStateMaker maker = Maker(1000u);
    const int n = Grid.GridSize;
    for (int c = 0; c < Cases(300, 120); ++c) {
        SCOPED_TRACE(std::string(Shape.ItemName) + " case " + std::to_string(c));
        const Kind kind = static_cast<Kind>(c % static_cast<int>(Kind::Count));
        TSuDoKuStrings s = maker.Puzzle(kind, maker.Unit());
        TSuDoKuValues v = maker.Below(2) ? maker.Noise() : TSuDoKuValues{};
        MarkOutside(n, v, s);
        TSuDoKuValues rv = v;
        TSuDoKuStrings rs = s;
        for (int pass = 1; pass <= 3; ++pass) {
            const bool result = ComputeAlternatives(Grid, v, s);
            ASSERT_EQ(result, Ref.ComputeAlternatives(rv, rs)) << "pass " << pass;
            ASSERT_EQ(v, rv) << "pass " << pass;
            ASSERT_EQ(s, rs) << "pass " << pass;
        }
        // The single-box routines on the state reached, for a random box and value.
        const int boxCol = 1 + maker.Below(Grid.BoxesAcross);
        const int boxRow = 1 + maker.Below(Grid.BoxesDown);
        const int value = 1 + maker.Below(n);
        Grid.StringsToValues(s, v);
        Ref.StringsToValues(rs, rv);
        ASSERT_EQ(AlternativesForValue(Grid, v, s, boxCol, boxRow, value),
                  Ref.AlternativesForValue(rv, rs, boxCol, boxRow, value));
        FixSingles(Grid, s, boxCol, boxRow);
        Ref.FixSingles(rs, boxCol, boxRow);
        ASSERT_EQ(s, rs);
    }
}

TEST_P(EngineMatchesReference, Solver) {
    RandomStateMaker maker = Maker(2000u);
    const int caps[] = {0, 1, 10};
    int seen[5] = {};
    for (int c = 0; c < Cases(200, 24); ++c) {
        const Kind kind = static_cast<Kind>(c % static_cast<int>(Kind::Count));
        // Keep between about 15 % and 85 % of the cells: around the emptiness limit and up
        // to puzzles that reasoning finishes alone.
        TSuDoKuStrings s = maker.Puzzle(kind, 0.15 + 0.7 * maker.Unit());
        TSuDoKuValues v{};
        if (maker.Below(2))
            Grid.StringsToValues(s, v);
        MarkOutside(Grid.GridSize, v, s);
        Grid.MaxSolutions = caps[maker.Below(3)];
        const bool allowGuess = maker.Below(4) != 0;
        SCOPED_TRACE(std::string(Shape.ItemName) + " case " + std::to_string(c) + " cap " +
                     std::to_string(Grid.MaxSolutions) + (allowGuess ? " guessing" : ""));
        ExpectSameSolve(v, s, allowGuess);
        if (HasFatalFailure())
            return;
        const int found = Solver.Solutions();
        ++seen[found == 0 ? 0 : found == 1 ? 1 : 2];
        seen[3] += Ref.NodesUsed == TSuDoKuSolver::NodeBudget;
        seen[4] += Ref.NodesUsed > 1 && Ref.NodesUsed < TSuDoKuSolver::NodeBudget;
    }
    // The random cases must reach every outcome the comparison is meant to cover.
    EXPECT_GT(seen[0], 0) << "no unsolvable case";
    EXPECT_GT(seen[1], 0) << "no uniquely solved case";
    if (Grid.GridSize >= 6) {
        EXPECT_GT(seen[4], 0) << "no case with guessing";
        EXPECT_GT(seen[2] + seen[3], 0) << "no case with several solutions or a spent budget";
    }
}

// The same with small node budgets and pass limits, so that searches end on the limits
// (and reasoning stops with V one pass behind the texts) much more often.
TEST_P(EngineMatchesReference, SolverAtItsLimits) {
    RandomStateMaker maker = Maker(3000u);
    const int nodeLimits[] = {1, 2, 5, 30};
    for (int c = 0; c < Cases(150, 40); ++c) {
        const TSuDoKuStrings s = maker.Puzzle(Kind::Givens, 0.15 + 0.7 * maker.Unit());
        Solver.NodeLimit = nodeLimits[maker.Below(4)];
        Solver.PassLimit = 1 + maker.Below(3);
        Grid.MaxSolutions = maker.Below(2) ? 10 : 1;
        SCOPED_TRACE(std::string(Shape.ItemName) + " case " + std::to_string(c) + " nodes " +
                     std::to_string(Solver.NodeLimit) + " passes " +
                     std::to_string(Solver.PassLimit));
        ExpectSameSolve(TSuDoKuValues{}, s, true);
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
