// Plain transcription of the generator and the carving; slow and literal on purpose.
#include "ReferenceGenerator.h"

#include <cmath>

namespace sudoku::reference {

namespace {
int Idx(int col, int row) {
    return (col - 1) * 16 + (row - 1);
}
} // namespace

int ReferenceGenerator::Rounded81(int k) const {
    return static_cast<int>(std::lround(E.GridSize * E.GridSize * k / 81.0));
}

void ReferenceGenerator::ClearBox(TSuDoKuValues& v, int boxColIdx, int boxRowIdx) const {
    for (int k = 1; k <= E.GridSize; ++k) {
        int col = (boxColIdx - 1) * E.BoxCols + (k - 1) % E.BoxCols + 1;
        int row = (boxRowIdx - 1) * E.BoxRows + (k - 1) / E.BoxCols + 1;
        v[Idx(col, row)] = 0;
    }
}

// A complete grid that is a Sudoku: each value once per row, column and box.
bool ReferenceGenerator::IsSudoku(const TSuDoKuValues& v) const {
    if (!E.ValuesFull(v) || !E.SumsOK(v))
        return false;
    for (int value = 1; value <= E.GridSize; ++value) {
        for (int i = 1; i <= E.GridSize; ++i)
            if (E.CountInRow(v, value, i) != 1 || E.CountInCol(v, value, i) != 1)
                return false;
        for (int boxRow = 1; boxRow <= E.BoxesDown; ++boxRow)
            for (int boxCol = 1; boxCol <= E.BoxesAcross; ++boxCol) {
                int count = 0;
                for (int k = 1; k <= E.GridSize; ++k) {
                    int col = (boxCol - 1) * E.BoxCols + (k - 1) % E.BoxCols + 1;
                    int row = (boxRow - 1) * E.BoxRows + (k - 1) / E.BoxCols + 1;
                    if (v[Idx(col, row)] == value)
                        ++count;
                }
                if (count != 1)
                    return false;
            }
    }
    return true;
}

bool ReferenceGenerator::PlaceValueInBox(TSuDoKuValues& v, int boxColIdx, int boxRowIdx,
                                         int value) {
    // 1. empty cells and presence
    int emptyCount = 0;
    bool present = false;
    for (int k = 1; k <= E.GridSize; ++k) {
        int col = (boxColIdx - 1) * E.BoxCols + (k - 1) % E.BoxCols + 1;
        int row = (boxRowIdx - 1) * E.BoxRows + (k - 1) / E.BoxCols + 1;
        if (v[Idx(col, row)] == 0)
            ++emptyCount;
        if (v[Idx(col, row)] == value)
            present = true;
    }
    // 2.
    if (present)
        return true;
    if (emptyCount == 0)
        return false;
    // 3. up to 500 failed tries
    for (int tries = 1; tries <= 500; ++tries) {
        int pick = Rand.Random(emptyCount) + 1;
        int seen = 0;
        for (int k = 1; k <= E.GridSize; ++k) {
            int col = (boxColIdx - 1) * E.BoxCols + (k - 1) % E.BoxCols + 1;
            int row = (boxRowIdx - 1) * E.BoxRows + (k - 1) / E.BoxCols + 1;
            if (v[Idx(col, row)] != 0)
                continue;
            ++seen;
            if (seen != pick)
                continue;
            if (E.CountInRow(v, value, row) == 0 && E.CountInCol(v, value, col) == 0) {
                v[Idx(col, row)] = static_cast<std::uint8_t>(value);
                return true;
            }
            break;
        }
    }
    // 4.
    return false;
}

bool ReferenceGenerator::GenerateSuDoKu(TSuDoKuValues& v, TSuDoKuStrings& s, int level,
                                        bool makePuzzle) {
    // 1.
    E.MaxSolutions = 0;
    E.ClearValues(v);
    E.ClearStrings(s);
    // 2. seed the checkerboard
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
            bool bothOdd = boxRow % 2 == 1 && boxCol % 2 == 1;
            bool bothEven = boxRow % 2 == 0 && boxCol % 2 == 0;
            if (!bothOdd && !bothEven)
                continue;
            int value = 1;
            while (value <= E.GridSize && fails < 26) {
                placed = PlaceValueInBox(v, boxCol, boxRow, value);
                if (placed) {
                    value = value + 1;
                } else {
                    if (fails < 13) {
                        // the same value again
                    } else {
                        ClearBox(v, boxCol, boxRow);
                        value = 1;
                    }
                    fails = fails + 1;
                }
            }
        }
    // 3. + 4. complete the grid with the solver
    bool result = false;
    if (placed) {
        E.ValuesToStrings(v, s);
        E.SolveSuDoKu(v, s, true);
        int solutions = std::stoi(E.SolutionList[0].substr(std::string("Solutions=").size()));
        if (solutions > 0) {
            E.ClearValues(v);
            E.HexToValues(E.SolutionList[1], v);
            E.ClearStrings(s);
            // a full grid that only has the right sums is no success
            result = IsSudoku(v);
        }
    }
    // 5.
    E.MaxSolutions = 10;
    // 6. carve
    if (result && makePuzzle) {
        bool success = false;
        for (int attempt = 1; attempt <= 101 && !success; ++attempt) {
            E.ClearStrings(s);
            E.ValuesToStrings(v, s);
            success = CarvePuzzle(v, s, level);
        }
        result = success;
    }
    // 7.
    return result;
}

bool ReferenceGenerator::CarvePuzzle(TSuDoKuValues& v, TSuDoKuStrings& s, int level) {
    const int n = E.GridSize;
    // 2. (caption, ruler and contrast belong to the window)
    bool fiendish = false;
    E.MaxSolutions = 1;
    bool result = false;
    // 3. a grid that is not a complete Sudoku fails at once
    if (IsSudoku(v)) {
        // 4.
        TSuDoKuValues v0{};
        E.CopyValues(v, v0);
        TSuDoKuStrings s0 = s;
        TSuDoKuStrings puzzle{};
        E.ValuesToStrings(v, puzzle);
        std::vector<bool> marks(256, false);
        E.ValuesToStrings(v, s);
        // 5.
        if (E.SolveSuDoKu(v, s, false)) {
            // 6. + 7.
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
            // 8.
            int removed = 0;
            int open = n * n;
            // 9.
            while (removed < target && open > 0) {
                // 9.1
                E.ClearValues(v);
                s = puzzle;
                // 9.2
                open = 0;
                for (int row = 1; row <= n; ++row)
                    for (int col = 1; col <= n; ++col)
                        if (s[Idx(col, row)] != "" && !marks[Idx(col, row)])
                            ++open;
                // 9.3
                int pickedCol = 0;
                int pickedRow = 0;
                if (open > 0) {
                    int pick = Rand.Random(open) + 1;
                    int seen = 0;
                    for (int row = 1; row <= n && pickedCol == 0; ++row)
                        for (int col = 1; col <= n && pickedCol == 0; ++col)
                            if (s[Idx(col, row)] != "" && !marks[Idx(col, row)]) {
                                ++seen;
                                if (seen == pick) {
                                    pickedCol = col;
                                    pickedRow = row;
                                }
                            }
                    s[Idx(pickedCol, pickedRow)] = "";
                    marks[Idx(pickedCol, pickedRow)] = true;
                    E.StringsToValues(s, v);
                    puzzle = s;
                }
                // 9.4, only when a cell was taken out; the one solution must be the grid
                if (pickedCol > 0) {
                    if (E.SolveSuDoKu(v, s, fiendish) && E.ValuesEqual(v, v0)) {
                        for (auto&& mark : marks)
                            mark = false;
                        s = puzzle;
                        Progress.push_back(fiendish ? "Level is Fiendish!" : text);
                        removed = removed + 1;
                    } else {
                        puzzle[Idx(pickedCol, pickedRow)] =
                            std::to_string(v0[Idx(pickedCol, pickedRow)]);
                    }
                }
                // 9.5
                if ((removed == target || open == 0) && n <= 9 && !fiendish && level == 3) {
                    fiendish = true;
                    for (auto&& mark : marks)
                        mark = false;
                    open = n * n;
                }
            }
            // 11.
            result = true;
            E.CopyValues(v0, v);
            E.CopyStrings(puzzle, s);
        } else {
            E.CopyValues(v0, v);
            s = s0;
        }
    }
    // 12.
    E.MaxSolutions = 10;
    return result;
}

} // namespace sudoku::reference
