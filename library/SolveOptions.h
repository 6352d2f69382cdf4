// The solving aids chosen on the Options page: one bit each in TSuDoKuData::SolveOptions.
#pragma once

#include <cstdint>

namespace sudoku {

using TSolveOptions = std::uint8_t;

constexpr TSolveOptions soRuler = 1;
constexpr TSolveOptions soRestart = 2;
constexpr TSolveOptions soHints = 4;
constexpr TSolveOptions soErrors = 8;
constexpr TSolveOptions soAlternatives = 16;
constexpr TSolveOptions soTimeLimited = 32;

} // namespace sudoku
