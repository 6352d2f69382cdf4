// Grids for the engine tests: the fixed shifted-row grid of a shape, and seeded random valid
// complete grids with puzzles, contradictions, pencil notes and odd cell texts built on them.
#pragma once

#include "SuDoKuTypes.h"

#include <random>
#include <string>

namespace sudoku {

class RandomStateMaker {
public:
    enum class Kind { Givens, Contradiction, PencilNotes, OddTexts, Empty, Count };

    RandomStateMaker(int boxCols, int boxRows, unsigned seed)
        : BoxCols(boxCols), BoxRows(boxRows), N(boxCols * boxRows), Random(seed) {}

    // The shifted-row grid: a valid complete grid of any shape.
    static TSuDoKuValues Pattern(int boxCols, int boxRows);
    // Cell texts of the given kind built on a fresh complete grid; keepRatio is the share of
    // its cells kept as givens.
    TSuDoKuStrings Puzzle(Kind kind, double keepRatio);
    // An arbitrary value array (scratch content); values up to N, some 0.
    TSuDoKuValues Noise();

    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(Random); }
    double Unit() { return std::uniform_real_distribution<double>(0.0, 1.0)(Random); }

private:
    // A valid complete grid: the shifted-row pattern with values, rows within bands, bands,
    // columns within stacks and stacks shuffled.
    TSuDoKuValues CompleteGrid();
    std::string OddText();

    int BoxCols;
    int BoxRows;
    int N;
    std::mt19937 Random;
};

} // namespace sudoku
