// Level tables and the arithmetic of targets and rating bands.
#include "Levels.h"

#include <array>

namespace sudoku {

namespace {

struct TLevelInfo {
    std::string_view Name;
    std::string_view TargetText;
    int CarveEighty; // carving target, in 81sts of N^2
    int RateEighty;  // upper bound of empty cells when rating, in 81sts of N^2
};

constexpr std::array<TLevelInfo, LevelCount> Levels{{
    {"Rookie", "Target is Rookie", 46, 46},
    {"Normal", "Target is Normal", 51, 51},
    {"Skilled", "Target is Skilled", 56, 56},
    {"Expert", "Target is Expert", 61, 66},
}};

const TLevelInfo& Info(int level) {
    return (level >= 0 && level < LevelCount) ? Levels[static_cast<std::size_t>(level)] : Levels[1];
}

// N^2 x k / 81 never ends in exactly one half (81 is odd), so adding 40 rounds to nearest.
int RoundedEightyFirsts(int gridSize, int eightyFirsts) {
    return (gridSize * gridSize * eightyFirsts + 40) / 81;
}

// N^2 x eightyFirsts / 81 rounded to the nearest integer, less (N - 9)^2 for N above 9.
int LevelBound(int gridSize, int eightyFirsts) {
    int bound = RoundedEightyFirsts(gridSize, eightyFirsts);
    if (gridSize > 9) {
        bound -= (gridSize - 9) * (gridSize - 9);
    }
    return bound;
}

} // namespace

std::string_view LevelName(int level) {
    return Info(level).Name;
}

std::string_view LevelTargetText(int level) {
    return Info(level).TargetText;
}

int CarvingTarget(int gridSize, int level) {
    return LevelBound(gridSize, Info(level).CarveEighty);
}

int CarvingSpread(int gridSize) {
    return RoundedEightyFirsts(gridSize, 5);
}

bool CarvingTargetIsReduced(int gridSize, int level) {
    return !(level == ExpertLevel && gridSize <= 9);
}

int RateEmptyCells(int gridSize, int emptyCells) {
    for (int level = 0; level < LevelCount; ++level) {
        if (emptyCells <=
            LevelBound(gridSize, Levels[static_cast<std::size_t>(level)].RateEighty)) {
            return level;
        }
    }
    // More empty cells than any band holds: rated as the first level.
    return 0;
}

int RatePuzzle(const TSuDoKuGrid& grid, const TSuDoKuStrings& givenStrings) {
    return RateEmptyCells(grid.GridSize, grid.CountEmptyStrings(givenStrings));
}

} // namespace sudoku
