// The generator: its random source, the seeding of the checkerboard of boxes with its
// failure counters and the repeat-until-success loop. Sound games for every shape and level
// are checked beside the reference generator.
#include "GeneratorTestSupport.h"
#include "Levels.h"
#include "TSuDoKuGenerator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace sudoku {
namespace {

using testing::IsSoundGame;
using testing::IsSudokuGrid;
using testing::TScriptedRandom;

int FilledInBox(const TSuDoKuGrid& grid, const TSuDoKuValues& v, int boxCol, int boxRow) {
    int filled = 0;
    for (int k = 1; k <= grid.GridSize; ++k)
        filled += v[CellIndex(grid.BoxCellCol(boxCol, k), grid.BoxCellRow(boxRow, k))] != 0;
    return filled;
}

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

TEST(SeedBoxes, NineByNineSeedsExactlyTheCheckerboardBoxes) {
    int seededBuilds = 0;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        TSuDoKuGrid grid;
        TSuDoKuSolver solver(grid);
        TDefaultRandom random(seed);
        TSuDoKuGenerator generator(grid, solver, random);
        TSuDoKuValues v{};
        if (!generator.SeedBoxes(v)) {
            continue; // an abandoned attempt; the caller starts another
        }
        ++seededBuilds;
        for (int boxRow = 1; boxRow <= 3; ++boxRow) {
            for (int boxCol = 1; boxCol <= 3; ++boxCol) {
                const bool seeded = (boxCol == 1 || boxCol == 3) == (boxRow == 1 || boxRow == 3);
                EXPECT_EQ(FilledInBox(grid, v, boxCol, boxRow), seeded ? 9 : 0)
                    << "seed " << seed << " box (" << boxRow << "," << boxCol << ")";
            }
        }
        for (int i = 1; i <= 9; ++i) {
            for (int value = 1; value <= 9; ++value) {
                EXPECT_LE(grid.CountInRow(v, value, i), 1) << "seed " << seed;
                EXPECT_LE(grid.CountInCol(v, value, i), 1) << "seed " << seed;
            }
        }
    }
    EXPECT_GT(seededBuilds, 5);
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

} // namespace
} // namespace sudoku
