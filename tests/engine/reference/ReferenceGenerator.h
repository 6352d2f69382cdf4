// The generator and the carving written out step by step on the plain reference engine,
// drawing from the same kind of random source, so the fast generator's grids and puzzles can
// be compared with it seed by seed.
#pragma once

#include "ReferenceEngine.h"
#include "TRandom.h"

namespace sudoku::reference {

class ReferenceGenerator {
public:
    ReferenceGenerator(ReferenceEngine& engine, TRandom& random) : E(engine), Rand(random) {}

    bool GenerateSuDoKu(TSuDoKuValues& v, TSuDoKuStrings& s, int level, bool makePuzzle);
    bool PlaceValueInBox(TSuDoKuValues& v, int boxColIdx, int boxRowIdx, int value);
    bool CarvePuzzle(TSuDoKuValues& v, TSuDoKuStrings& s, int level);

    // The progress texts of the carvings so far, one per successful removal.
    std::vector<std::string> Progress;

private:
    bool IsSudoku(const TSuDoKuValues& v) const;
    int Rounded81(int k) const; // N^2 x k / 81 rounded

    ReferenceEngine& E;
    TRandom& Rand;
};

} // namespace sudoku::reference
