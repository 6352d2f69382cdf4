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

    const TBoxShape Shape = GetParam();
    TSuDoKuGrid Grid{Shape.BoxCols, Shape.BoxRows};
    TSuDoKuSolver Solver{Grid};
    reference::ReferenceEngine Ref{Shape.BoxCols, Shape.BoxRows};
};

TEST_P(EngineMatchesReference, Alternatives) {
    RandomStateMaker maker = Maker(1000u);
    for (int c = 0; c < Cases(300, 120); ++c) {
        SCOPED_TRACE(std::string(Shape.ItemName) + " case " + std::to_string(c));
        const Kind kind = static_cast<Kind>(c % static_cast<int>(Kind::Count));
        TSuDoKuStrings s = maker.Puzzle(kind, maker.Unit());
        TSuDoKuValues v = maker.Below(2) ? maker.Noise() : TSuDoKuValues{};
        MarkOutside(Grid.GridSize, v, s);
        TSuDoKuValues rv = v;
        TSuDoKuStrings rs = s;
        for (int pass = 1; pass <= 3; ++pass) {
            const bool result = ComputeAlternatives(Grid, v, s);
            ASSERT_EQ(result, Ref.ComputeAlternatives(rv, rs)) << "pass " << pass;
            ASSERT_EQ(v, rv) << "pass " << pass;
            ASSERT_EQ(s, rs) << "pass " << pass;
        }
    }
}

// Solves random states of every kind with both engines, with caps 0, 1 and 10, with and without
// guessing, V given or not, and asserts that results, solution lists, values and texts agree.
// The later cases run with small node budgets and pass limits, so that searches end on the
// limits (and reasoning stops with V one pass behind the texts) much more often.
TEST_P(EngineMatchesReference, Solver) {
    RandomStateMaker maker = Maker(2000u);
    RandomStateMaker atLimits = Maker(3000u);
    const int caps[] = {0, 1, 10};
    const int nodeLimits[] = {1, 2, 5, 30};
    const int unlimited = Cases(200, 24);
    int seen[5] = {};
    for (int c = 0; c < unlimited + Cases(150, 40); ++c) {
        const bool limited = c >= unlimited;
        RandomStateMaker& m = limited ? atLimits : maker;
        const Kind kind =
            limited ? Kind::Givens : static_cast<Kind>(c % static_cast<int>(Kind::Count));
        // Keep between about 15 % and 85 % of the cells: around the emptiness limit and up
        // to puzzles that reasoning finishes alone.
        TSuDoKuStrings s = m.Puzzle(kind, 0.15 + 0.7 * m.Unit());
        TSuDoKuValues v{};
        if (limited) {
            Ref.NodeBudget = Solver.NodeLimit = nodeLimits[m.Below(4)];
            Ref.MaxPasses = Solver.PassLimit = 1 + m.Below(3);
        } else {
            if (m.Below(2))
                Grid.StringsToValues(s, v);
            MarkOutside(Grid.GridSize, v, s);
        }
        Ref.MaxSolutions = Grid.MaxSolutions = limited ? (m.Below(2) ? 10 : 1) : caps[m.Below(3)];
        const bool allowGuess = limited || m.Below(4) != 0;
        SCOPED_TRACE(std::string(Shape.ItemName) + " case " + std::to_string(c) + " cap " +
                     std::to_string(Grid.MaxSolutions) + (allowGuess ? " guessing" : ""));
        TSuDoKuValues rv = v;
        TSuDoKuStrings rs = s;
        ASSERT_EQ(Solver.SolveSuDoKu(v, s, allowGuess, false), Ref.SolveSuDoKu(rv, rs, allowGuess));
        ASSERT_EQ(Solver.SolutionList(), Ref.SolutionList);
        ASSERT_EQ(v, rv);
        ASSERT_EQ(s, rs);
        const int found = Solver.Solutions();
        seen[found == 0 ? 0 : found == 1 ? 1 : 2] += !limited;
        seen[3] += !limited && Ref.NodesUsed == TSuDoKuSolver::NodeBudget;
        seen[4] += !limited && Ref.NodesUsed > 1 && Ref.NodesUsed < TSuDoKuSolver::NodeBudget;
    }
    // The random cases must reach every outcome the comparison is meant to cover.
    EXPECT_GT(seen[0], 0) << "no unsolvable case";
    EXPECT_GT(seen[1], 0) << "no uniquely solved case";
    if (Grid.GridSize >= 6) {
        EXPECT_GT(seen[4], 0) << "no case with guessing";
        EXPECT_GT(seen[2] + seen[3], 0) << "no case with several solutions or a spent budget";
    }
}

INSTANTIATE_TEST_SUITE_P(AllShapes, EngineMatchesReference, ::testing::ValuesIn(BoxShapes),
                         [](const auto& shape) { return std::string(shape.param.ItemName); });

} // namespace
} // namespace sudoku
