// The limited solver's message hook, the exact counter and the proven solve: when the limited
// solver gives up, what the cap does, and agreement on random states of every shape.
#include "RandomStateMaker.h"
#include "TExactCounter.h"
#include "TPuzzleLine.h"
#include "TSuDoKuSolver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace sudoku {
namespace {

// The solutions as sorted hex texts, each checked to be a valid grid that keeps the givens and
// found once only.
std::vector<std::string> SoundSolutions(const TSuDoKuGrid& g, const TSuDoKuValues& givens,
                                        const std::vector<TSuDoKuValues>& found) {
    std::vector<std::string> texts;
    for (const TSuDoKuValues& v : found) {
        EXPECT_TRUE(g.ValuesFull(v) && g.UnitsOK(v) &&
                    std::equal(givens.begin(), givens.end(), v.begin(),
                               [](int given, int value) { return given == 0 || given == value; }));
        texts.push_back(g.ValuesToHex(v));
    }
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(std::adjacent_find(texts.begin(), texts.end()), texts.end()) << "a solution twice";
    return texts;
}

// When the limited solver gives up, what the exact counter finds with the cap, and what the
// proven solve makes of both. The hard puzzles are well known, each with one solution.
TEST(ExactCounter, GivingUpHardPuzzlesTheCapAndTheHooksOfTheLimitedSolver) {
    const std::string full = "123456789456789123789123456234567891567891234891234567345678912"
                             "678912345912345678";
    const std::string open2 = std::string(18, '.') + full.substr(18); // 8 solutions
    // Line, cap, guessing allowed, node limit, whether the limited solver gives up, and the
    // solutions the exact counter finds with the cap.
    const std::tuple<std::string, int, bool, int, bool, int> cases[] = {
        {open2, 10, true, 250, false, 8},
        {open2, 3, true, 250, false, 4},
        {open2, 0, true, 250, false, 1},
        {std::string(27, '.') + full.substr(27), 10, true, 250, false, 11},
        {open2, 10, false, 250, true, 8},                          // without guessing
        {open2, 10, true, 2, true, 8},                             // node budget spent
        {std::string(81, '.'), 10, true, 250, true, 11},           // too empty
        {"2x2:........23414123", 10, true, 250, true, 4},          // 4 x 4: never guessed at
        {"4x4:" + std::string(256, '.'), 10, true, 250, true, 11}, // too empty
        {"8" + std::string(17, '.') + full.substr(18), 10, true, 250, false, 0}, // 8 twice in box 1
        {"8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..", 10,
         true, 250, true, 1},
    };
    for (const auto& [line, cap, allowGuess, nodeLimit, gaveUp, exactCount] : cases) {
        SCOPED_TRACE(line + " cap " + std::to_string(cap) + " nodes " + std::to_string(nodeLimit) +
                     (allowGuess ? " guessing" : ""));
        const TPuzzleLine::TRead read = TPuzzleLine::Read(line, std::nullopt);
        ASSERT_EQ(read.Fault, "");
        TSuDoKuGrid g(read.Shape.BoxCols, read.Shape.BoxRows);
        g.MaxSolutions = cap;
        TSuDoKuSolver solver(g);
        solver.NodeLimit = nodeLimit;
        std::vector<std::string> shown;
        solver.Hooks.ShowResults = [&](const std::vector<std::string>& list) { shown = list; };
        TSuDoKuStrings puzzle{};
        g.ValuesToStrings(read.Givens, puzzle);
        TSuDoKuValues v{};
        TSuDoKuStrings s = puzzle;
        solver.SolveSuDoKu(v, s, allowGuess, false);
        EXPECT_EQ(solver.GaveUp(), gaveUp);
        EXPECT_TRUE(shown.empty()) << "results are shown only when asked";
        const std::vector<std::string> limited = solver.SolutionList();

        TExactCounter counter(g);
        EXPECT_EQ(counter.Count(read.Givens, cap), exactCount);
        SoundSolutions(g, read.Givens, counter.Found());
        if (!allowGuess)
            continue;
        // The proven solve keeps the limited result where it was proven and takes the exact
        // one, newest first, otherwise; V then holds the newest solution.
        std::vector<std::string> exact{"Solutions=" + std::to_string(counter.Found().size())};
        for (auto found = counter.Found().rbegin(); found != counter.Found().rend(); ++found)
            exact.push_back(g.ValuesToHex(*found));
        v = {};
        s = puzzle;
        EXPECT_EQ(solver.SolveSuDoKuProven(v, s, true), exactCount == 1);
        EXPECT_EQ(solver.SolutionList(), gaveUp ? exact : limited);
        EXPECT_EQ(shown, solver.SolutionList());
        EXPECT_TRUE(exactCount == 0 || g.ValuesToHex(v) == solver.SolutionList().at(1));
    }
    // A search started from inside the message hook is refused while the running one goes on, and
    // a hook that throws (the window closed mid-search) leaves the solver usable.
    TSuDoKuGrid g(4, 4);
    TSuDoKuSolver solver(g);
    solver.MessageInterval = std::chrono::milliseconds(0);
    const auto open = [&g](int rows) { // the pattern grid with its first rows open
        TSuDoKuStrings s{};
        g.ValuesToStrings(RandomStateMaker::Pattern(4, 4), s);
        for (int i = 0; i < rows * 16; ++i)
            s[CellIndex(i % 16 + 1, i / 16 + 1)].clear();
        return s;
    };
    int calls = 0;
    bool reentered = true;
    solver.Hooks.ProcessMessages = [&] {
        ++calls;
        TSuDoKuValues v{};
        TSuDoKuStrings s = open(1);
        reentered = solver.SolveSuDoKu(v, s, true, false);
    };
    TSuDoKuValues v{};
    TSuDoKuStrings s = open(3);
    solver.SolveSuDoKu(v, s, true, false);
    EXPECT_GT(calls, 0);
    EXPECT_FALSE(reentered);
    EXPECT_EQ(solver.Solutions(), 11) << "3 open rows complete in more than 10 ways";

    solver.Hooks.ProcessMessages = [] { throw std::runtime_error("closed"); };
    v = {};
    s = open(3);
    EXPECT_THROW(solver.SolveSuDoKu(v, s, true, false), std::runtime_error);
    solver.Hooks.ProcessMessages = nullptr;
    v = {};
    s = open(1);
    EXPECT_TRUE(solver.SolveSuDoKu(v, s, true, false));
    EXPECT_EQ(v, RandomStateMaker::Pattern(4, 4));
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
    int proven = 0;
    int gaveUp = 0;
    for (int c = 0; c < (g.GridSize <= 9 ? 150 : 40); ++c) {
        using Kind = RandomStateMaker::Kind;
        const TSuDoKuStrings puzzle =
            maker.Puzzle(c % 3 == 0 ? Kind::Contradiction : Kind::Givens, 0.2 + 0.7 * maker.Unit());
        g.MaxSolutions = c % 4 == 0 ? 1 : 10;
        SCOPED_TRACE(std::string(shape.ItemName) + " case " + std::to_string(c));
        TSuDoKuValues givens{};
        g.StringsToValues(puzzle, givens);
        const int exact = counter.Count(givens, g.MaxSolutions);
        const std::vector<std::string> all = SoundSolutions(g, givens, counter.Found());
        ASSERT_EQ(restarting.Count(givens, g.MaxSolutions), exact);
        const std::vector<std::string> again = SoundSolutions(g, givens, restarting.Found());
        // Below the cap every search that does not give up finds every solution.
        const bool below = exact <= g.MaxSolutions;
        EXPECT_TRUE(!below || again == all);
        TSuDoKuValues v{};
        TSuDoKuStrings s = puzzle;
        solver.SolveSuDoKu(v, s, true, false);
        ++(solver.GaveUp() ? gaveUp : proven);
        if (solver.GaveUp()) {
            EXPECT_GE(exact, solver.Solutions());
            continue;
        }
        ASSERT_EQ(exact, solver.Solutions());
        std::vector<std::string> limited(solver.SolutionList().begin() + 1,
                                         solver.SolutionList().end());
        std::sort(limited.begin(), limited.end());
        EXPECT_TRUE(!below || limited == all);
    }
    EXPECT_GT(proven, 0);
    EXPECT_GT(gaveUp, 0);
}

INSTANTIATE_TEST_SUITE_P(AllShapes, ExactCounterAgrees, ::testing::ValuesIn(BoxShapes),
                         [](const auto& shape) { return std::string(shape.param.ItemName); });

} // namespace
} // namespace sudoku
