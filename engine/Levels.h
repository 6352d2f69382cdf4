// Difficulty levels: their names and progress texts, the carving targets and the bands of
// empty cells by which a puzzle is rated.
#pragma once

#include "TSuDoKuGrid.h"

#include <string_view>

namespace sudoku {

constexpr int LevelCount = 4; // 0 Rookie, 1 Normal, 2 Skilled, 3 Expert
constexpr int ExpertLevel = 3;

// "Rookie", "Normal", "Skilled", "Expert"; an index outside 0..3 names Normal.
std::string_view LevelName(int level);
// "Target is Rookie" and so on; an index outside 0..3 gives Normal's text.
std::string_view LevelTargetText(int level);
constexpr std::string_view FiendishText = "Level is Fiendish!";

// Empty cells a carving aims at before its random reduction (levels outside 0..3 as Normal).
int CarvingTarget(int gridSize, int level);
// The range n of the random reduction Random(n) of the target: N^2 x 5 / 81 rounded.
int CarvingSpread(int gridSize);
// Whether the target is reduced at random: always, except Expert on grids up to 9 x 9.
bool CarvingTargetIsReduced(int gridSize, int level);

// Level of a puzzle by its number of empty cells.
int RateEmptyCells(int gridSize, int emptyCells);
// Level of a puzzle given as texts (empty where the cell is not a given).
int RatePuzzle(const TSuDoKuGrid& grid, const TSuDoKuStrings& givenStrings);

} // namespace sudoku
