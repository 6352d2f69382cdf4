// Exact solution counting for any box shape: every distinct solution of a set of givens up to
// a cap, found by bit-mask backtracking that never gives up.
#pragma once

#include "TSuDoKuGrid.h"

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace sudoku {

class TExactCounter {
public:
    explicit TExactCounter(const TSuDoKuGrid& grid);

    // Counts the distinct solutions of the givens (1..N, 0 for an open cell; only the N x N
    // cells are read) and stops as soon as more than cap are found, so the result is at most
    // cap + 1. Givens that repeat a value in a row, column or box have no solution.
    int Count(const TSuDoKuValues& givens, int cap);
    // The solutions of the last count in the order they were found; entries beyond N x N
    // are 0. Equal givens and cap give the same solutions in the same order.
    const std::vector<TSuDoKuValues>& Found() const { return Solutions; }

    // Called every few dozen search nodes, so that a long count can let the window work.
    std::function<void()> ProcessMessages;
    // Nodes of the first run; each further run may take twice as many. A lower value lets
    // tests reach the restarts with small puzzles.
    std::int64_t FirstRunNodes = 512;

private:
    using TMask = std::uint32_t; // bit v - 1 for value v

    struct TState {
        std::array<std::uint8_t, CellCount> Value{}; // by row * N + col (0-based), 0 = open
        std::array<TMask, 3 * MaxGridSize> Used{};   // values placed per unit: rows, cols, boxes
        std::array<std::uint16_t, CellCount> Excluded{}; // ruled out beyond its units' values
    };

    // The cells that a row or column shares with a box.
    struct TSegment {
        std::uint8_t Line;
        std::uint8_t Box;
        std::uint8_t Kind; // 0 a row's, 1 a column's
        std::uint8_t Count;
        std::array<std::uint8_t, MaxGridSize / 2> Cells;
    };
    // Segments that split a unit: a line's segments, or a box's row or column segments.
    struct TFamily {
        std::uint8_t Unit;
        std::uint8_t Count;
        std::array<std::uint8_t, MaxGridSize / 2> Segments;
    };

    // Where a node splits: the candidates of a cell, or the places of a value in a unit.
    struct TBranch {
        int Cell = -1;
        int Unit = -1;
        TMask Bit = 0;
    };

    void BuildSegments(const TSuDoKuGrid& grid);
    TMask Candidates(const TState& state, int cell) const;
    void Place(TState& state, int cell, int value) const;
    // Where a value of a line can only be in one box, or a value of a box in one line, rules
    // it out for the rest of the box or line. True when it ruled out any candidate.
    bool ExcludeLocked(TState& state) const;
    // Places the singles and rules out locked values until neither finds more. False on a
    // contradiction; otherwise the branch with the fewest ways, or none when the grid is full.
    bool Propagate(TState& state, TBranch& branch) const;
    // False once the cap is passed or the run's nodes are spent, which ends the run.
    bool Search(TState& state);
    // Puts the first count items into a random order.
    void Shuffle(std::array<std::uint8_t, MaxGridSize>& items, int count);
    void Record(const TState& state);

    static constexpr int NodesPerMessages = 64;
    static constexpr std::int64_t MaxRunNodes = std::int64_t{1} << 40;

    int N;
    TMask All;
    // Per cell its three units (row, N + col, 2N + box); per unit its cells.
    std::array<std::array<std::uint8_t, 3>, CellCount> UnitsOfCell{};
    std::array<std::array<std::uint8_t, MaxGridSize>, 3 * MaxGridSize> CellsOfUnit{};
    std::vector<TSegment> Segments;
    std::vector<TFamily> Families;
    // Per cell its row segment and its column segment.
    std::array<std::array<std::uint8_t, 2>, CellCount> SegmentsOfCell{};
    int Cap = 0;
    int Nodes = 0;
    std::int64_t NodesLeft = 0; // in the current run
    bool RunCut = false;        // the current run ran out of nodes
    std::minstd_rand Random;
    std::vector<TSuDoKuValues> Solutions;
};

} // namespace sudoku
