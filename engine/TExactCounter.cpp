// Exact counting. Each row, column and box keeps the set of values placed in it as a bit
// mask, so a cell's candidates are one complement of three masks (less the values ruled out
// for the cell). A search node places every single (a cell with one candidate, a value with
// one place left in a unit) and rules out the values locked into the cells a line shares with
// a box, until neither finds more; it fails at a cell without candidates or a value without a
// place. Then it splits on the open cell with the fewest candidates, or on a value with only
// two places in a unit when no cell has two candidates, trying the ways in a random order,
// each in a copy of the state. One unlucky early choice can hide the solutions behind a long
// fruitless subtree, so the search runs with a node budget that doubles from run to run,
// keeping the distinct solutions of every run: it ends when a run passes the cap or searches
// every branch within its budget, so the count is exact.
#include "TExactCounter.h"

#include <algorithm>
#include <bit>

namespace sudoku {

TExactCounter::TExactCounter(const TSuDoKuGrid& grid)
    : N(grid.GridSize), All((TMask{1} << grid.GridSize) - 1) {
    std::array<int, 3 * MaxGridSize> filled{};
    for (int row = 0; row < N; ++row)
        for (int col = 0; col < N; ++col) {
            const int cell = row * N + col;
            const int box = row / grid.BoxRows * grid.BoxesAcross + col / grid.BoxCols;
            const int units[3] = {row, N + col, 2 * N + box};
            for (int k = 0; k < 3; ++k) {
                UnitsOfCell[cell][k] = static_cast<std::uint8_t>(units[k]);
                CellsOfUnit[units[k]][filled[units[k]]++] = static_cast<std::uint8_t>(cell);
            }
        }
    BuildSegments(grid);
}

void TExactCounter::BuildSegments(const TSuDoKuGrid& grid) {
    // Row segments first (line = row, BoxesAcross per row), then column segments.
    for (int kind = 0; kind < 2; ++kind) {
        const int width = kind == 0 ? grid.BoxCols : grid.BoxRows;
        for (int line = 0; line < N; ++line)
            for (int start = 0; start < N; start += width) {
                TSegment segment{};
                segment.Line = static_cast<std::uint8_t>(kind * N + line);
                segment.Kind = static_cast<std::uint8_t>(kind);
                for (int k = 0; k < width; ++k) {
                    const int cell = kind == 0 ? line * N + start + k : (start + k) * N + line;
                    segment.Cells[segment.Count++] = static_cast<std::uint8_t>(cell);
                    segment.Box = UnitsOfCell[cell][2];
                    SegmentsOfCell[cell][kind] = static_cast<std::uint8_t>(Segments.size());
                }
                Segments.push_back(segment);
            }
    }
    const auto family = [&](int unit, auto belongs) {
        TFamily f{};
        f.Unit = static_cast<std::uint8_t>(unit);
        for (std::size_t s = 0; s < Segments.size(); ++s)
            if (belongs(Segments[s]))
                f.Segments[f.Count++] = static_cast<std::uint8_t>(s);
        Families.push_back(f);
    };
    for (int line = 0; line < 2 * N; ++line)
        family(line, [&](const TSegment& s) { return s.Line == line; });
    for (int box = 2 * N; box < 3 * N; ++box)
        for (int kind = 0; kind < 2; ++kind)
            family(box, [&](const TSegment& s) { return s.Box == box && s.Kind == kind; });
}

bool TExactCounter::ExcludeLocked(TState& state) const {
    std::array<TMask, CellCount> seen{}; // per segment; there are at most N x N
    for (std::size_t s = 0; s < Segments.size(); ++s)
        for (int k = 0; k < Segments[s].Count; ++k) {
            const int cell = Segments[s].Cells[k];
            if (state.Value[cell] == 0)
                seen[s] |= Candidates(state, cell);
        }
    bool excluded = false;
    for (const TFamily& f : Families) {
        TMask once = 0;
        TMask twice = 0;
        for (int k = 0; k < f.Count; ++k) {
            twice |= once & seen[f.Segments[k]];
            once |= seen[f.Segments[k]];
        }
        const TMask locked = once & ~twice;
        if (locked == 0)
            continue;
        for (int k = 0; k < f.Count; ++k) {
            const TMask values = locked & seen[f.Segments[k]];
            if (values == 0)
                continue;
            // The value stays in this segment: out of the rest of the segment's other unit.
            const TSegment& segment = Segments[f.Segments[k]];
            const int other = f.Unit == segment.Box ? segment.Line : segment.Box;
            for (int j = 0; j < N; ++j) {
                const int cell = CellsOfUnit[other][j];
                if (state.Value[cell] != 0 || SegmentsOfCell[cell][segment.Kind] == f.Segments[k] ||
                    (Candidates(state, cell) & values) == 0)
                    continue;
                state.Excluded[cell] |= static_cast<std::uint16_t>(values);
                excluded = true;
            }
        }
    }
    return excluded;
}

TExactCounter::TMask TExactCounter::Candidates(const TState& state, int cell) const {
    const auto& units = UnitsOfCell[cell];
    return All & ~(state.Used[units[0]] | state.Used[units[1]] | state.Used[units[2]] |
                   state.Excluded[cell]);
}

void TExactCounter::Place(TState& state, int cell, int value) const {
    state.Value[cell] = static_cast<std::uint8_t>(value);
    for (const std::uint8_t unit : UnitsOfCell[cell])
        state.Used[unit] |= TMask{1} << (value - 1);
}

int TExactCounter::Count(const TSuDoKuValues& givens, int cap) {
    Solutions.clear();
    Cap = cap < 0 ? 0 : cap;
    Nodes = 0;
    Random.seed(1);
    TState start;
    for (int row = 0; row < N; ++row)
        for (int col = 0; col < N; ++col) {
            const int value = givens[CellIndex(col + 1, row + 1)];
            if (value == 0 || value > N)
                continue;
            const int cell = row * N + col;
            if ((Candidates(start, cell) & (TMask{1} << (value - 1))) == 0)
                return 0; // the value is in one of the cell's units already
            Place(start, cell, value);
        }
    for (std::int64_t runNodes = std::max<std::int64_t>(1, FirstRunNodes);;
         runNodes = std::min(2 * runNodes, MaxRunNodes)) {
        NodesLeft = runNodes;
        RunCut = false;
        TState state = start;
        Search(state);
        if (!RunCut || static_cast<int>(Solutions.size()) > Cap)
            return static_cast<int>(Solutions.size());
    }
}

bool TExactCounter::Propagate(TState& state, TBranch& branch) const {
    const int cells = N * N;
    for (;;) {
        bool placed = false;
        branch = TBranch{};
        int fewest = N + 1;
        for (int cell = 0; cell < cells; ++cell) {
            if (state.Value[cell] != 0)
                continue;
            const TMask candidates = Candidates(state, cell);
            const int count = std::popcount(candidates);
            if (count == 0)
                return false;
            if (count == 1) {
                Place(state, cell, std::countr_zero(candidates) + 1);
                placed = true;
            } else if (count < fewest) {
                fewest = count;
                branch.Cell = cell;
            }
        }
        if (placed)
            continue;
        // Per unit, the values seen in at least one, two and three of its open cells.
        for (int unit = 0; unit < 3 * N; ++unit) {
            TMask once = 0;
            TMask twice = 0;
            TMask thrice = 0;
            for (int k = 0; k < N; ++k) {
                const int cell = CellsOfUnit[unit][k];
                if (state.Value[cell] != 0)
                    continue;
                const TMask candidates = Candidates(state, cell);
                thrice |= twice & candidates;
                twice |= once & candidates;
                once |= candidates;
            }
            const TMask missing = All & ~state.Used[unit];
            if ((missing & ~once) != 0)
                return false;
            for (TMask singles = missing & ~twice; singles != 0; singles &= singles - 1) {
                const TMask bit = singles & (~singles + 1);
                for (int k = 0; k < N; ++k) {
                    const int cell = CellsOfUnit[unit][k];
                    // A single placed earlier in this sweep may have taken the place; the
                    // next sweep then finds the value without one.
                    if (state.Value[cell] == 0 && (Candidates(state, cell) & bit) != 0) {
                        Place(state, cell, std::countr_zero(bit) + 1);
                        placed = true;
                        break;
                    }
                }
            }
            // A value with two places splits the search in two, as well as the best cell.
            const TMask pairs = missing & twice & ~thrice;
            if (fewest > 2 && branch.Unit < 0 && pairs != 0) {
                branch.Unit = unit;
                branch.Bit = pairs & (~pairs + 1);
            }
        }
        if (!placed && !ExcludeLocked(state))
            return true;
    }
}

bool TExactCounter::Search(TState& state) {
    if (NodesLeft-- == 0) {
        RunCut = true;
        return false;
    }
    if (ProcessMessages && ++Nodes % NodesPerMessages == 0)
        ProcessMessages();
    TBranch branch;
    if (!Propagate(state, branch))
        return true;
    if (branch.Cell < 0 && branch.Unit < 0) {
        Record(state);
        return static_cast<int>(Solutions.size()) <= Cap;
    }
    // The ways to split: the places of the value in the unit, or the candidates of the cell.
    std::array<std::uint8_t, MaxGridSize> ways{};
    int count = 0;
    if (branch.Unit >= 0) {
        for (const std::uint8_t cell : CellsOfUnit[branch.Unit])
            if (state.Value[cell] == 0 && (Candidates(state, cell) & branch.Bit) != 0)
                ways[count++] = cell;
    } else {
        for (TMask candidates = Candidates(state, branch.Cell); candidates != 0;
             candidates &= candidates - 1)
            ways[count++] = static_cast<std::uint8_t>(std::countr_zero(candidates) + 1);
    }
    Shuffle(ways, count);
    for (int i = 0; i < count; ++i) {
        TState child = state;
        if (branch.Unit >= 0)
            Place(child, ways[i], std::countr_zero(branch.Bit) + 1);
        else
            Place(child, branch.Cell, ways[i]);
        if (!Search(child))
            return false;
    }
    return true;
}

void TExactCounter::Shuffle(std::array<std::uint8_t, MaxGridSize>& items, int count) {
    for (int i = count - 1; i > 0; --i)
        std::swap(items[i], items[Random() % static_cast<unsigned>(i + 1)]);
}

void TExactCounter::Record(const TState& state) {
    TSuDoKuValues v{};
    for (int row = 0; row < N; ++row)
        for (int col = 0; col < N; ++col)
            v[CellIndex(col + 1, row + 1)] = state.Value[row * N + col];
    // A run after a cut one finds its solutions again.
    if (std::find(Solutions.begin(), Solutions.end(), v) == Solutions.end())
        Solutions.push_back(v);
}

} // namespace sudoku
