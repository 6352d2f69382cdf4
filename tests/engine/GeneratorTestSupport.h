// Helpers of the generator and carving tests: a scripted random source and the checks that
// matter to a player on every generated puzzle.
#pragma once

#include "TRandom.h"
#include "TSuDoKuGrid.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace sudoku::testing {

// Answers Random(n) through a function and logs every n asked for.
class TScriptedRandom : public TRandom {
public:
    explicit TScriptedRandom(std::function<int(int)> answer) : Answer(std::move(answer)) {}
    int Random(int n) override {
        Ranges.push_back(n);
        return n <= 1 ? 0 : Answer(n);
    }
    std::function<int(int)> Answer;
    std::vector<int> Ranges;
};

// Every value 1..N exactly once in each row, column and box (checked by the reference engine).
bool IsSudokuGrid(const TSuDoKuGrid& grid, const TSuDoKuValues& v);

// The player's view of a generated game: the complete grid is a Sudoku, the givens are taken
// from it, the limited solver finds it as the one solution (by reasoning alone unless the
// Expert guessing phase applies), and the number of empty cells lies in the level's band, or
// is below it only because no further given can be removed.
::testing::AssertionResult IsSoundGame(const TSuDoKuGrid& shape, const TSuDoKuValues& complete,
                                       const TSuDoKuStrings& puzzle, int level);

// Test name of a shape parameter: its menu item name, such as S3X3.
std::string ShapeName(const ::testing::TestParamInfo<TBoxShape>& param);

// The puzzle as one line: "." for an empty cell, else the value as one hex-like character.
std::string PuzzleLine(const TSuDoKuGrid& grid, const TSuDoKuStrings& puzzle);

} // namespace sudoku::testing
