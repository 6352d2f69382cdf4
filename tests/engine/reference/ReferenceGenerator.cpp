// Plain transcription of the generator and the carving; slow and literal on purpose.
#include "ReferenceGenerator.h"

#include <cmath>

namespace sudoku::reference {

int ReferenceGenerator::Rounded81(int k) const {
    return static_cast<int>(std::lround(E.GridSize * E.GridSize * k / 81.0));
}

// A complete grid that is a Sudoku: each value once per row, column and box.
bool ReferenceGenerator::IsSudoku(const TSuDoKuValues& v) const {
    return E.ValuesFull(v) && E.SumsOK(v) && E.UnitsOK(v);
}

bool ReferenceGenerator::PlaceValueInBox(TSuDoKuValues& v, int boxColIdx, int boxRowIdx,
                                         int value) {
    // Count the empty cells and look for the value.
    int emptyCount = 0;
    bool present = false;
    for (int k = 1; k <= E.GridSize; ++k) {
        int col = E.BoxCol(boxColIdx, k);
        int row = E.BoxRow(boxRowIdx, k);
        if (v[E.Idx(col, row)] == 0)
            ++emptyCount;
        if (v[E.Idx(col, row)] == value)
            present = true;
    }
    if (present)
        return true;
    if (emptyCount == 0)
        return false;
    // Up to 500 tries: a random empty cell, taken when row and column allow the value.
    for (int tries = 1; tries <= 500; ++tries) {
        int pick = Rand.Random(emptyCount) + 1;
        int seen = 0;
        for (int k = 1; k <= E.GridSize; ++k) {
            int col = E.BoxCol(boxColIdx, k);
            int row = E.BoxRow(boxRowIdx, k);
            if (v[E.Idx(col, row)] != 0)
                continue;
            ++seen;
            if (seen != pick)
                continue;
            if (E.CountInRow(v, value, row) == 0 && E.CountInCol(v, value, col) == 0) {
                v[E.Idx(col, row)] = static_cast<std::uint8_t>(value);
                return true;
            }
            break;
        }
    }
    return false;
}

bool ReferenceGenerator::GenerateSuDoKu(TSuDoKuValues& v, TSuDoKuStrings& s, int level,
                                        bool makePuzzle) {
    E.MaxSolutions = 0;
    E.ClearValues(v);
    s.fill("");
    // Seed the boxes of the checkerboard, with the failure counters of the whole grid.
    int fails = 0;
    bool placed = false;
    bool skip = false;
    for (int boxRow = 1; boxRow <= E.BoxesDown; ++boxRow)
        for (int boxCol = 1; boxCol <= E.BoxesAcross; ++boxCol) {
            if (fails >= 26)
                skip = true;
            if (skip)
                continue;
            fails = 0;
            if ((boxRow + boxCol) % 2 != 0) // seeded: box row and column both odd or both even
                continue;
            int value = 1;
            while (value <= E.GridSize && fails < 26) {
                placed = PlaceValueInBox(v, boxCol, boxRow, value);
                if (placed) {
                    value = value + 1;
                } else {
                    if (fails >= 13) {                        // else the same value again
                        for (int k = 1; k <= E.GridSize; ++k) // empty the box
                            v[E.Idx(E.BoxCol(boxCol, k), E.BoxRow(boxRow, k))] = 0;
                        value = 1;
                    }
                    fails = fails + 1;
                }
            }
        }
    // Complete the grid with the solver.
    bool result = false;
    if (placed) {
        E.ValuesToStrings(v, s);
        E.SolveSuDoKu(v, s, true);
        int solutions = std::stoi(E.SolutionList[0].substr(std::string("Solutions=").size()));
        if (solutions > 0) {
            E.ClearValues(v);
            E.HexToValues(E.SolutionList[1], v);
            s.fill("");
            // a full grid that only has the right sums is no success
            result = IsSudoku(v);
        }
    }
    E.MaxSolutions = 10;
    // Carve, up to 101 attempts.
    if (result && makePuzzle) {
        bool success = false;
        for (int attempt = 1; attempt <= 101 && !success; ++attempt) {
            s.fill("");
            E.ValuesToStrings(v, s);
            success = CarvePuzzle(v, s, level);
        }
        result = success;
    }
    return result;
}

bool ReferenceGenerator::CarvePuzzle(TSuDoKuValues& v, TSuDoKuStrings& s, int level) {
    const int n = E.GridSize;
    bool fiendish = false;
    E.MaxSolutions = 1;
    bool result = false;
    // A grid that is not a complete Sudoku fails at once.
    if (IsSudoku(v)) {
        TSuDoKuValues v0{};
        E.Copy(v, v0);
        TSuDoKuStrings s0 = s;
        TSuDoKuStrings puzzle{};
        E.ValuesToStrings(v, puzzle);
        std::vector<bool> marks(256, false);
        E.ValuesToStrings(v, s);
        if (E.SolveSuDoKu(v, s, false)) {
            // The target of empty cells.
            int lvl = (level >= 0 && level <= 3) ? level : 1;
            const int fractions[4] = {46, 51, 56, 61};
            const char* texts[4] = {"Target is Rookie", "Target is Normal", "Target is Skilled",
                                    "Target is Expert"};
            int target = Rounded81(fractions[lvl]);
            if (n > 9)
                target = target - (n - 9) * (n - 9);
            if (!(level == 3 && n <= 9))
                target = target - Rand.Random(Rounded81(5));
            std::string text = texts[lvl];
            int removed = 0;
            int open = n * n;
            // Take out random cells not tried since the last success, until the target.
            while (removed < target && open > 0) {
                E.ClearValues(v);
                s = puzzle;
                open = 0;
                for (int row = 1; row <= n; ++row)
                    for (int col = 1; col <= n; ++col)
                        if (s[E.Idx(col, row)] != "" && !marks[E.Idx(col, row)])
                            ++open;
                int pickedCol = 0;
                int pickedRow = 0;
                if (open > 0) {
                    int pick = Rand.Random(open) + 1;
                    int seen = 0;
                    for (int row = 1; row <= n && pickedCol == 0; ++row)
                        for (int col = 1; col <= n && pickedCol == 0; ++col)
                            if (s[E.Idx(col, row)] != "" && !marks[E.Idx(col, row)]) {
                                ++seen;
                                if (seen == pick) {
                                    pickedCol = col;
                                    pickedRow = row;
                                }
                            }
                    s[E.Idx(pickedCol, pickedRow)] = "";
                    marks[E.Idx(pickedCol, pickedRow)] = true;
                    E.StringsToValues(s, v);
                    puzzle = s;
                }
                // Keep the removal only when the grid is still the one solution.
                if (pickedCol > 0) {
                    if (E.SolveSuDoKu(v, s, fiendish) && E.Equal(v, v0)) {
                        for (auto&& mark : marks)
                            mark = false;
                        s = puzzle;
                        Progress.push_back(fiendish ? "Level is Fiendish!" : text);
                        removed = removed + 1;
                    } else {
                        puzzle[E.Idx(pickedCol, pickedRow)] =
                            std::to_string(v0[E.Idx(pickedCol, pickedRow)]);
                    }
                }
                // Expert up to 9 x 9 goes on with guessing allowed (the Fiendish phase).
                if ((removed == target || open == 0) && n <= 9 && !fiendish && level == 3) {
                    fiendish = true;
                    for (auto&& mark : marks)
                        mark = false;
                    open = n * n;
                }
            }
            result = true;
            E.Copy(v0, v);
            E.Copy(puzzle, s);
        } else {
            E.Copy(v0, v);
            s = s0;
        }
    }
    E.MaxSolutions = 10;
    return result;
}

} // namespace sudoku::reference
