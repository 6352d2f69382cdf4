// The generator: its random source, the seeding of the checkerboard of boxes with its
// failure counters, the repeat-until-success loop, and the level targets and rating bands.
// Sound games for every shape and level are checked beside the reference generator.
#include "GeneratorTestSupport.h"
#include "Levels.h"
#include "TSuDoKuGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

namespace sudoku {
namespace {

using testing::IsSoundGame;
using testing::IsSudokuGrid;
using testing::TScriptedRandom;

TEST(Random, StaysInRangeRepeatsPerSeedAndSpreadsEvenly) {
    TDefaultRandom a(42);
    TDefaultRandom b(42);
    TDefaultRandom c(43);
    int differing = 0;
    std::map<int, int> counts;
    constexpr int Draws = 70000;
    for (int i = 0; i < Draws; ++i) {
        const int x = a.Random(7);
        ASSERT_EQ(x, b.Random(7));
        differing += x != c.Random(7) ? 1 : 0;
        ASSERT_GE(x, 0);
        ASSERT_LT(x, 7);
        ++counts[x];
    }
    EXPECT_GT(differing, Draws / 2) << "another seed gives another sequence";
    double chi = 0;
    for (const auto& [value, count] : counts) {
        const double expected = Draws / 7.0;
        chi += (count - expected) * (count - expected) / expected;
    }
    EXPECT_LT(chi, 30.0) << "far beyond the 0.01% point of chi-square with 6 degrees";
    for (int n : {-3, 0, 1}) {
        EXPECT_EQ(a.Random(n), 0) << n;
    }
}

TEST(PlaceValueInBox, PresentValueFullBoxAndBlockedValue) {
    TSuDoKuGrid grid; // 3 x 3
    TSuDoKuSolver solver(grid);
    TScriptedRandom random([](int n) { return n - 1; });
    TSuDoKuGenerator generator(grid, solver, random);
    TSuDoKuValues v{};

    // Value already in the box: true without a draw and without a change.
    v[CellIndex(2, 2)] = 5;
    const TSuDoKuValues before = v;
    EXPECT_TRUE(generator.PlaceValueInBox(v, 1, 1, 5));
    EXPECT_EQ(v, before);
    EXPECT_TRUE(random.Ranges.empty());

    // Value 7 in row 1 and rows 2, 3 blocked for box (2,1) (columns 4-6): no allowed cell,
    // so exactly 500 draws over the 9 empty cells, then false and nothing written.
    v[CellIndex(1, 1)] = 7;
    v[CellIndex(8, 2)] = 7;
    v[CellIndex(9, 3)] = 7;
    const TSuDoKuValues blocked = v;
    EXPECT_FALSE(generator.PlaceValueInBox(v, 2, 1, 7));
    EXPECT_EQ(v, blocked);
    EXPECT_EQ(random.Ranges, std::vector<int>(500, 9));

    // Only column 6 blocked: the draw n-1 picks the last empty cell (6,3), which is refused,
    // so every draw fails in the same way; with column 4 blocked instead it succeeds there.
    random.Ranges.clear();
    TSuDoKuValues w{};
    w[CellIndex(6, 9)] = 3;
    EXPECT_FALSE(generator.PlaceValueInBox(w, 2, 1, 3));
    EXPECT_EQ(random.Ranges.size(), 500U);
    TSuDoKuValues u{};
    u[CellIndex(4, 9)] = 3;
    EXPECT_TRUE(generator.PlaceValueInBox(u, 2, 1, 3));
    EXPECT_EQ(u[CellIndex(6, 3)], 3);

    // A full box refuses any value it lacks.
    TSuDoKuValues full{};
    for (int k = 1; k <= 9; ++k) {
        full[CellIndex(grid.BoxCellCol(3, k), grid.BoxCellRow(3, k))] =
            static_cast<std::uint8_t>(k == 9 ? 1 : k); // 9 missing, 1 twice
    }
    random.Ranges.clear();
    EXPECT_FALSE(generator.PlaceValueInBox(full, 3, 3, 9));
    EXPECT_TRUE(random.Ranges.empty());
}

// Box (1,1) is filled by hand and value 2 is blocked in rows 1-3, so box (3,1) can take 1
// but never 2. The log of ranges shows the counters: 13 retries of value 2 (500 draws over 8
// cells each), then the 14th to 26th failures each empty the box and place 1 again (a draw
// over 9 cells) before failing on 2 again; after the 26th nothing else is drawn.
TEST(SeedBoxes, FailureCountersRetryThenRestartThenAbandon) {
    TSuDoKuGrid grid;
    TSuDoKuSolver solver(grid);
    TScriptedRandom random([](int n) { return n - 1; }); // the last empty cell of the box
    TSuDoKuGenerator generator(grid, solver, random);
    TSuDoKuValues v{};
    for (int k = 1; k <= 9; ++k) {
        v[CellIndex(grid.BoxCellCol(1, k), grid.BoxCellRow(1, k))] = static_cast<std::uint8_t>(k);
    }
    v[CellIndex(4, 2)] = 2;
    v[CellIndex(5, 3)] = 2;
    TSuDoKuValues expected = v;

    EXPECT_FALSE(generator.SeedBoxes(v));

    std::vector<int> ranges{9};
    for (int failure = 1; failure <= 26; ++failure) {
        if (failure > 14) {
            ranges.push_back(9); // value 1 again after the box was emptied
        }
        ranges.insert(ranges.end(), 500, 8);
    }
    EXPECT_EQ(random.Ranges, ranges);
    EXPECT_EQ(v, expected) << "box (3,1) emptied by the last failure, later boxes untouched";
}

TEST(GenerateSuDoKu, CompleteGridOnlyLeavesTheTextsEmpty) {
    TSuDoKuGrid grid;
    TSuDoKuSolver solver(grid);
    TDefaultRandom random(11);
    TSuDoKuGenerator generator(grid, solver, random);
    TSuDoKuValues v{};
    TSuDoKuStrings s;
    s.fill("stale");
    std::uint32_t next = 11;
    ASSERT_GT(generator.GenerateUntilSuccess(v, s, 1, false, [&] { random.Seed(++next); }), 0);
    EXPECT_TRUE(IsSudokuGrid(grid, v));
    EXPECT_TRUE(std::all_of(s.begin(), s.end(), [](const std::string& t) { return t.empty(); }));
    EXPECT_EQ(grid.MaxSolutions, 10);
}

TEST(GenerateSuDoKu, RepeatsUntilSuccessReseedingBeforeEveryRepeat) {
    TSuDoKuGrid grid;
    TSuDoKuSolver solver(grid);
    // Always the first empty cell: box (3,1) cannot take value 1 in row 1, so every attempt
    // is abandoned while this answer holds.
    TScriptedRandom random([](int) { return 0; });
    TSuDoKuGenerator generator(grid, solver, random);
    TSuDoKuValues v{};
    TSuDoKuStrings s{};
    int reseeds = 0;
    EXPECT_EQ(generator.GenerateUntilSuccess(
                  v, s, 0, true, [&] { ++reseeds; }, 3),
              0);
    EXPECT_EQ(reseeds, 2) << "no reseed before the first attempt";
    EXPECT_EQ(grid.MaxSolutions, 10);

    // The second reseed brings a working source: the third attempt succeeds.
    TDefaultRandom real(5);
    reseeds = 0;
    const int attempts = generator.GenerateUntilSuccess(
        v, s, 0, true,
        [&] {
            if (++reseeds == 2) {
                random.Answer = [&real](int n) { return real.Random(n); };
            }
        },
        50);
    EXPECT_GE(attempts, 3);
    EXPECT_EQ(reseeds, attempts - 1);
    EXPECT_TRUE(IsSoundGame(grid, v, s, 0));
}

TEST(Levels, NamesAndProgressTextsWithUnknownLevelsAsNormal) {
    struct Case {
        int Level;
        std::string_view Name;
        std::string_view Text;
    };
    const Case cases[] = {
        {0, "Rookie", "Target is Rookie"},   {1, "Normal", "Target is Normal"},
        {2, "Skilled", "Target is Skilled"}, {3, "Expert", "Target is Expert"},
        {-1, "Normal", "Target is Normal"},  {4, "Normal", "Target is Normal"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LevelName(c.Level), c.Name) << c.Level;
        EXPECT_EQ(LevelTargetText(c.Level), c.Text) << c.Level;
    }
    EXPECT_EQ(FiendishText, "Level is Fiendish!");
}

// Expert keeps its exact target up to 9 x 9, where the guessing phase follows; every other
// target has the random part taken off.
TEST(Levels, CarvingTargetsBeforeTheRandomPart) {
    struct Case {
        int GridSize;
        std::array<int, 4> Targets;
        int Spread;
    };
    const Case cases[] = {
        {4, {9, 10, 11, 12}, 1},       // Random(1) is always 0
        {6, {20, 23, 25, 27}, 2},      // 36 x k / 81 rounded
        {8, {36, 40, 44, 48}, 4},      // 64 x k / 81 rounded
        {9, {46, 51, 56, 61}, 5},      // 35, 30, 25 and 20 givens
        {10, {56, 62, 68, 74}, 6},     // 100 x k / 81 rounded, less 1
        {12, {73, 82, 91, 99}, 9},     // 144 x k / 81 rounded, less 9
        {16, {96, 112, 128, 144}, 16}, // 256 x k / 81 rounded, less 49
    };
    for (const auto& c : cases) {
        for (int level = 0; level < 4; ++level) {
            SCOPED_TRACE("N=" + std::to_string(c.GridSize) + " level " + std::to_string(level));
            EXPECT_EQ(CarvingTarget(c.GridSize, level), c.Targets[static_cast<std::size_t>(level)]);
            EXPECT_EQ(CarvingTargetIsReduced(c.GridSize, level), level != 3 || c.GridSize > 9);
        }
        EXPECT_EQ(CarvingTarget(c.GridSize, 7), c.Targets[1]) << "unknown level carves as Normal";
        EXPECT_EQ(CarvingSpread(c.GridSize), c.Spread) << c.GridSize;
    }
}

TEST(Levels, RatingBandsByEmptyCells) {
    struct Case {
        int GridSize;
        int Empty;
        int Level;
    };
    const Case cases[] = {
        {9, 0, 0},    {9, 46, 0},   {9, 47, 1},   {9, 51, 1},   {9, 52, 2},  {9, 56, 2},
        {9, 57, 3},   {9, 60, 3},   {9, 66, 3},   {9, 67, 0},   {9, 70, 0},  {4, 9, 0},
        {4, 10, 1},   {4, 11, 2},   {4, 13, 3},   {4, 14, 0},   {16, 96, 0}, {16, 97, 1},
        {16, 128, 2}, {16, 129, 3}, {16, 160, 3}, {16, 161, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RateEmptyCells(c.GridSize, c.Empty), c.Level)
            << "N=" << c.GridSize << " empty " << c.Empty;
    }
}

TEST(Levels, RatePuzzleCountsTheEmptyTextsOfTheGrid) {
    struct Case {
        int Empty;
        int Level;
    };
    const TSuDoKuGrid grid; // 3 x 3
    for (const auto& c : {Case{70, 0}, Case{60, 3}, Case{50, 1}, Case{81, 0}}) {
        // The first cells in reading order are left empty; the entries beyond 9 x 9 stay
        // empty and must not count.
        TSuDoKuStrings givens{};
        for (int i = c.Empty; i < 81; ++i)
            givens[CellIndex(i % 9 + 1, i / 9 + 1)] = "5";
        EXPECT_EQ(RatePuzzle(grid, givens), c.Level) << c.Empty;
    }
}

} // namespace
} // namespace sudoku
