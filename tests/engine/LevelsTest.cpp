// Level names and texts, carving targets per grid size and the rating bands.
#include "Levels.h"

#include <gtest/gtest.h>

#include <array>

namespace sudoku {
namespace {

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
