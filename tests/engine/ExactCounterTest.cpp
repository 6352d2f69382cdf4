// The exact counter and the proven solve: hard puzzles, the cap, when the limited solver gives
// up, and agreement with the limited solver on random states of every shape.
#include "RandomStateMaker.h"
#include "TExactCounter.h"
#include "TSuDoKuSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace sudoku {
namespace {

// Cell texts of a 9 x 9 puzzle line: rows top to bottom, "." for an open cell.
TSuDoKuStrings Puzzle(const std::string& line) {
    TSuDoKuStrings s{};
    for (int i = 0; i < 81; ++i)
        if (line.at(static_cast<std::size_t>(i)) != '.')
            s[CellIndex(i % 9 + 1, i / 9 + 1)] = line.substr(static_cast<std::size_t>(i), 1);
    return s;
}

// Every solution is a valid grid that keeps the givens, and no two are equal.
void ExpectSoundSolutions(const TSuDoKuGrid& g, const TSuDoKuStrings& puzzle,
                          const std::vector<TSuDoKuValues>& found) {
    std::vector<std::string> texts;
    for (const TSuDoKuValues& v : found) {
        EXPECT_TRUE(g.ValuesFull(v) && g.UnitsOK(v));
        for (int col = 1; col <= g.GridSize; ++col)
            for (int row = 1; row <= g.GridSize; ++row) {
                const std::string& given = puzzle[CellIndex(col, row)];
                EXPECT_TRUE(given.empty() || std::to_string(v[CellIndex(col, row)]) == given);
            }
        texts.push_back(g.ValuesToHex(v));
    }
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(std::adjacent_find(texts.begin(), texts.end()), texts.end()) << "a solution twice";
}

// The solution list of the exact counter's result: the count, then the solutions newest first.
std::vector<std::string> ExactList(const TSuDoKuGrid& g, const TExactCounter& counter) {
    std::vector<std::string> list{"Solutions=" + std::to_string(counter.Found().size())};
    for (auto v = counter.Found().rbegin(); v != counter.Found().rend(); ++v)
        list.push_back(g.ValuesToHex(*v));
    return list;
}

// When the limited solver gives up, what the exact counter finds with the cap, and what the
// proven solve makes of both. The four hard puzzles are well known, each with one solution.
TEST(ExactCounter, GivingUpHardPuzzlesAndTheCap) {
    struct Case {
        const char* Name;
        int BoxCols, BoxRows;
        TSuDoKuStrings Puzzle;
        int Cap;
        bool AllowGuess;
        int NodeLimit;
        bool GaveUp;
        int Exact; // solutions the exact counter finds with the cap
    };
    const auto open = RandomStateMaker::OpenRows;
    TSuDoKuStrings clash = open(3, 3, 2);
    clash[CellIndex(1, 1)] = clash[CellIndex(2, 3)]; // a value twice in box 1
    const auto hard = [](const char* line) {
        return Case{line, 3, 3, Puzzle(line), 10, true, 250, true, 1};
    };
    const Case cases[] = {
        {"two rows open: 8 solutions", 3, 3, open(3, 3, 2), 10, true, 250, false, 8},
        {"cap 3", 3, 3, open(3, 3, 2), 3, true, 250, false, 4},
        {"cap 0", 3, 3, open(3, 3, 2), 0, true, 250, false, 1},
        {"three rows open: over the cap", 3, 3, open(3, 3, 3), 10, true, 250, false, 11},
        {"without guessing", 3, 3, open(3, 3, 2), 10, false, 250, true, 8},
        {"node budget", 3, 3, open(3, 3, 2), 10, true, 2, true, 8},
        {"too empty", 3, 3, TSuDoKuStrings{}, 10, true, 250, true, 11},
        {"4 x 4 is never guessed at", 2, 2, open(2, 2, 2), 10, true, 250, true, 4},
        {"16 x 16 too empty", 4, 4, TSuDoKuStrings{}, 10, true, 250, true, 11},
        {"given twice", 3, 3, clash, 10, true, 250, false, 0},
        hard("8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4.."),
        hard("1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1"),
        hard(".......39.....1..5..3.5.8....8.9...6.7...2...1..4.......9.8..5..2....6..4..7....."),
        hard("..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9"),
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TSuDoKuGrid g(c.BoxCols, c.BoxRows);
        g.MaxSolutions = c.Cap;
        TSuDoKuSolver solver(g);
        solver.NodeLimit = c.NodeLimit;
        std::vector<std::string> shown;
        solver.Hooks.ShowResults = [&](const std::vector<std::string>& list) { shown = list; };
        TSuDoKuValues v{};
        TSuDoKuStrings s = c.Puzzle;
        solver.SolveSuDoKu(v, s, c.AllowGuess, false);
        EXPECT_EQ(solver.GaveUp(), c.GaveUp);
        const std::vector<std::string> limited = solver.SolutionList();

        TSuDoKuValues givens{};
        g.StringsToValues(c.Puzzle, givens);
        TExactCounter counter(g);
        EXPECT_EQ(counter.Count(givens, c.Cap), c.Exact);
        ExpectSoundSolutions(g, c.Puzzle, counter.Found());
        if (!c.AllowGuess)
            continue;
        // The proven solve keeps the limited result where it was proven and takes the exact
        // one otherwise; V then holds the newest solution.
        TSuDoKuValues w{};
        TSuDoKuStrings t = c.Puzzle;
        EXPECT_EQ(solver.SolveSuDoKuProven(w, t, true), c.Exact == 1);
        EXPECT_EQ(solver.SolutionList(), c.GaveUp ? ExactList(g, counter) : limited);
        EXPECT_EQ(shown, solver.SolutionList());
        if (c.Exact > 0) {
            ASSERT_GT(solver.SolutionList().size(), 1U);
            EXPECT_EQ(g.ValuesToHex(w), solver.SolutionList()[1]);
        }
    }
}

// On random states of every shape, wherever the limited solver did not give up, the exact
// counter finds the same solutions, also when it has to restart its search many times.
class ExactCounterAgrees : public ::testing::TestWithParam<TBoxShape> {};

TEST_P(ExactCounterAgrees, WithTheLimitedSolver) {
    const TBoxShape shape = GetParam();
    TSuDoKuGrid g(shape.BoxCols, shape.BoxRows);
    RandomStateMaker maker(shape.BoxCols, shape.BoxRows, 5000u + shape.BoxCols * 17u);
    TSuDoKuSolver solver(g);
    TExactCounter counter(g);
    TExactCounter restarting(g);
    restarting.FirstRunNodes = 1;
    const auto sorted = [&](const std::vector<TSuDoKuValues>& found) {
        std::vector<std::string> texts;
        for (const TSuDoKuValues& v : found)
            texts.push_back(g.ValuesToHex(v));
        std::sort(texts.begin(), texts.end());
        return texts;
    };
    int proven = 0;
    int gaveUp = 0;
    const int cases = g.GridSize <= 9 ? 150 : 40;
    for (int c = 0; c < cases; ++c) {
        using Kind = RandomStateMaker::Kind;
        const TSuDoKuStrings puzzle =
            maker.Puzzle(c % 3 == 0 ? Kind::Contradiction : Kind::Givens, 0.2 + 0.7 * maker.Unit());
        g.MaxSolutions = c % 4 == 0 ? 1 : 10;
        SCOPED_TRACE(std::string(shape.ItemName) + " case " + std::to_string(c));
        TSuDoKuValues givens{};
        g.StringsToValues(puzzle, givens);
        const int exact = counter.Count(givens, g.MaxSolutions);
        ExpectSoundSolutions(g, puzzle, counter.Found());
        ASSERT_EQ(restarting.Count(givens, g.MaxSolutions), exact);
        ExpectSoundSolutions(g, puzzle, restarting.Found());
        // Below the cap every search that does not give up finds every solution.
        const bool all = exact <= g.MaxSolutions;
        if (all) {
            EXPECT_EQ(sorted(restarting.Found()), sorted(counter.Found()));
        }
        TSuDoKuValues v{};
        TSuDoKuStrings s = puzzle;
        solver.SolveSuDoKu(v, s, true, false);
        if (solver.GaveUp()) {
            ++gaveUp;
            EXPECT_GE(exact, solver.Solutions());
            continue;
        }
        ++proven;
        ASSERT_EQ(exact, solver.Solutions());
        std::vector<std::string> limited(solver.SolutionList().begin() + 1,
                                         solver.SolutionList().end());
        std::sort(limited.begin(), limited.end());
        if (all) {
            EXPECT_EQ(limited, sorted(counter.Found()));
        }
    }
    EXPECT_GT(proven, 0);
    EXPECT_GT(gaveUp, 0);
}

INSTANTIATE_TEST_SUITE_P(AllShapes, ExactCounterAgrees, ::testing::ValuesIn(BoxShapes),
                         [](const auto& shapeInfo) {
                             return std::string(shapeInfo.param.ItemName);
                         });

} // namespace
} // namespace sudoku
