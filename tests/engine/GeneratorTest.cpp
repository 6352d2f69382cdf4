// The generator beside the plain reference one, driven by equal random sequences: the same
// attempts succeed, with the same complete grids, puzzles and progress texts, and every game
// made is sound, for every shape and level. Also the random source, the repeat-until-success
// loop, the refusal to carve grids that are not complete Sudokus, and the rating bands.
#include "Levels.h"
#include "RandomStateMaker.h"
#include "TExactCounter.h"
#include "TSuDoKuGenerator.h"
#include "reference/ReferenceGenerator.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>

namespace sudoku {
namespace {

class GeneratorMatchesReference : public ::testing::TestWithParam<TBoxShape> {};

TEST_P(GeneratorMatchesReference, SameSoundGamesAtEveryLevel) {
    const TBoxShape& shape = GetParam();
    const int n = shape.BoxCols * shape.BoxRows;
    const int seeds = n <= 6 ? 12 : n <= 9 ? 5 : n <= 12 ? 2 : 1; // few where the reference is slow
    for (int level = 0; level < LevelCount; ++level) {
        for (int seed = 1; seed <= seeds; ++seed) {
            SCOPED_TRACE(std::string(shape.Caption) + " level " + std::to_string(level) + " seed " +
                         std::to_string(seed));
            const auto seedValue = static_cast<std::uint32_t>(seed * 4 + level);
            TSuDoKuGrid grid(shape.BoxCols, shape.BoxRows);
            TSuDoKuSolver solver(grid);
            TDefaultRandom fastRandom(seedValue);
            TSuDoKuGenerator fast(grid, solver, fastRandom);
            std::vector<std::string> fastProgress;
            int carvings = 0;
            fast.Hooks.BeginCarving = [&] { ++carvings; };
            fast.Hooks.EndCarving = [&] { --carvings; };
            // Uniqueness is tested with the cap 1, and the guessing phase has its own text.
            fast.Hooks.Progress = [&](std::string_view text, const TSuDoKuStrings&, bool fiendish) {
                fastProgress.emplace_back(text);
                EXPECT_EQ(carvings, 1);
                EXPECT_EQ(grid.MaxSolutions, 1);
                EXPECT_EQ(fiendish, text == FiendishText);
            };
            reference::ReferenceEngine engine(shape.BoxCols, shape.BoxRows);
            TDefaultRandom referenceRandom(seedValue);
            reference::ReferenceGenerator plain(engine, referenceRandom);

            // Attempts go on with the same random streams until one succeeds, so failed
            // attempts are compared too.
            bool done = false;
            for (int attempt = 1; attempt <= 50 && !done; ++attempt) {
                SCOPED_TRACE("attempt " + std::to_string(attempt));
                TSuDoKuValues fastV{};
                TSuDoKuStrings fastS{};
                TSuDoKuValues plainV{};
                TSuDoKuStrings plainS{};
                done = fast.GenerateSuDoKu(fastV, fastS, level, true);
                ASSERT_EQ(done, plain.GenerateSuDoKu(plainV, plainS, level, true));
                ASSERT_EQ(fastV, plainV);
                ASSERT_EQ(fastS, plainS);
                ASSERT_EQ(fastProgress, plain.Progress);
                ASSERT_EQ(fastRandom.Random(1 << 30), referenceRandom.Random(1 << 30))
                    << "the random streams drifted apart";
                EXPECT_EQ(carvings, 0) << "every carving ends";
                EXPECT_EQ(grid.MaxSolutions, 10) << "the cap is restored after every attempt";
                TSuDoKuValues givens{};
                grid.StringsToValues(fastS, givens);
                TExactCounter counter(grid);
                EXPECT_TRUE(!done || (counter.Count(givens, 1) == 1 && counter.Found()[0] == fastV))
                    << "the complete grid is not the puzzle's one solution";
            }
            EXPECT_TRUE(done);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, GeneratorMatchesReference, ::testing::ValuesIn(BoxShapes),
                         [](const auto& shape) { return std::string(shape.param.ItemName); });

// Answers Random(n) through a function that a test may swap.
class TScriptedRandom : public TRandom {
public:
    int Random(int n) override { return n <= 1 ? 0 : Answer(n); }
    std::function<int(int)> Answer;
};

TEST(GenerateSuDoKu, DrawsSpreadEvenlyAndAttemptsRepeatUntilSuccessReseedingBeforeEach) {
    // The draws stay in range and spread evenly (equal seeds repeating a run is checked by the
    // command line's seeded runs).
    TDefaultRandom draws(42);
    std::map<int, int> counts;
    for (int i = 0; i < 70000; ++i)
        ++counts[draws.Random(7)];
    ASSERT_EQ(counts.size(), 7U);
    for (const auto& [value, count] : counts)
        EXPECT_TRUE(value >= 0 && value < 7 && count > 9500 && count < 10500) << value;
    EXPECT_EQ(draws.Random(1) + draws.Random(0) + draws.Random(-3), 0);

    // Always the first empty cell: box (3,1) cannot take value 1 in row 1, so every attempt is
    // abandoned until the third reseed brings a working source.
    TSuDoKuGrid grid;
    TSuDoKuSolver solver(grid);
    TScriptedRandom random;
    random.Answer = [](int) { return 0; };
    TDefaultRandom real(5);
    int reseeds = 0;
    const auto reseed = [&] {
        if (++reseeds == 3)
            random.Answer = [&real](int n) { return real.Random(n); };
    };
    TSuDoKuGenerator generator(grid, solver, random);
    TSuDoKuValues v{};
    TSuDoKuStrings s{};
    EXPECT_EQ(generator.GenerateUntilSuccess(v, s, 0, true, reseed, 2), 0);
    EXPECT_EQ(reseeds, 1) << "no reseed before the first attempt";
    const int attempts = generator.GenerateUntilSuccess(v, s, 0, true, reseed);
    EXPECT_GE(attempts, 3);
    EXPECT_EQ(reseeds, attempts);
    EXPECT_TRUE(grid.UnitsOK(v));
}

TEST(CarvePuzzle, RefusesGridsThatAreNotCompleteSudokusAndLeavesTextsAlone) {
    TSuDoKuValues hole = RandomStateMaker::Pattern(3, 3);
    hole[CellIndex(5, 5)] = 0;
    TSuDoKuValues changed = RandomStateMaker::Pattern(3, 3);
    changed[CellIndex(1, 1)] = 2;
    TSuDoKuValues cyclic{}; // every row and column right, the boxes repeating values
    for (int i = 0; i < 81; ++i)
        cyclic[CellIndex(i % 9 + 1, i / 9 + 1)] =
            static_cast<std::uint8_t>((i % 9 + i / 9) % 9 + 1);
    for (const TSuDoKuValues& values : {hole, changed, cyclic, TSuDoKuValues{}}) {
        TSuDoKuGrid grid;
        grid.MaxSolutions = 0;
        TSuDoKuSolver solver(grid);
        TDefaultRandom random(1);
        TSuDoKuGenerator generator(grid, solver, random);
        TSuDoKuStrings s;
        s.fill("kept");
        const TSuDoKuStrings entry = s;
        EXPECT_FALSE(generator.CarvePuzzle(values, s, 1));
        EXPECT_EQ(s, entry);
        EXPECT_EQ(grid.MaxSolutions, 10);
    }
}

// Bands of empty cells by grid size: N, empty cells, level.
TEST(Levels, RatingBandsByEmptyCells) {
    const std::array<int, 3> cases[] = {
        {9, 0, 0},    {9, 46, 0},   {9, 47, 1},   {9, 51, 1},   {9, 52, 2},  {9, 56, 2},
        {9, 57, 3},   {9, 60, 3},   {9, 66, 3},   {9, 67, 0},   {9, 70, 0},  {4, 9, 0},
        {4, 10, 1},   {4, 11, 2},   {4, 13, 3},   {4, 14, 0},   {16, 96, 0}, {16, 97, 1},
        {16, 128, 2}, {16, 129, 3}, {16, 160, 3}, {16, 161, 0},
    };
    for (const auto& [n, empty, level] : cases)
        EXPECT_EQ(RateEmptyCells(n, empty), level) << "N=" << n << " empty " << empty;
}

} // namespace
} // namespace sudoku
