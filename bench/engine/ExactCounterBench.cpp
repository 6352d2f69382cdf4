// Speed of the exact counter on 9 x 9 and 16 x 16 puzzles, and of the proven solve that runs
// the limited solver first and the exact counter where it gives up.
#include "TExactCounter.h"
#include "TSuDoKuSolver.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace sudoku;

struct TBenchPuzzle {
    const char* Name;
    int BoxCols;
    int BoxRows;
    std::string Line; // rows top to bottom; "." open, "1".."9", then "Q".."W" for 10..16
};

const std::vector<TBenchPuzzle>& Puzzles() {
    static const std::vector<TBenchPuzzle> puzzles{
        {"9x9 typical (Normal, generated)", 3, 3,
         ".......6.5..9.34.2.73.62.9.7..3.89268..7.4...9....68....4.8...7..7...2.1..26....."},
        {"9x9 hard (21 givens)", 3, 3,
         "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4.."},
        {"16x16 half given (134 givens)", 4, 4,
         "W8.V.T5R.62.73U....R7Q..8V..46W2T4.73126.W9..S8.3.2UW.V81SR....T1..4.53V..Q..2.....6"
         "Q.....4VU9S7..U.6..4..WR5.Q...89UW7..1.S..T4..V3....7.6.TW.S8T41R..W3Q.297....W....7"
         "9T...VR.....1U.3.....Q2..17.S..5V.T62...U...V.1.S2..W.76S96Q..WT.U....V..2.846...97."
         "ST.Q"},
        {"16x16 Expert (generated, 120 givens)", 4, 4,
         ".SR..W.....5..6V..6.VR...3S...Q..Q.VS..69...1R..17......6R..W..4...2.7..3.91...U.R74."
         "9...Q.T6V3.V..9W..3.2U.S75.53S..4..7.869..W95..1V.WT..4.37.........Q.....9..TU69.42V"
         "..8RQ..R..3.Q....6WV54T.4.7..WQ.T.V.6.2..V..1R.WU....S.Q...T2.V.8.S41..8W.1.S5..64.Q."
         "VR"},
        // Minimal: no given can be taken out without a second solution; about the hardest
        // kind of puzzle for the counter to prove unique.
        {"16x16 minimal (97 givens)", 4, 4,
         "16.QS....4.3...V2.....1.UW.8...7..7..T2R...........W.934.RV..61.9.4.R.T2.1Q...U.U..8"
         ".....2R.1V.Q.7R.....5...3.9........8S..9.7..74.....6...5...3.Q8U.WS.....6R....1.8..."
         "W...T472S..9.........Q.8..T7.2R...U..8..Q...9.W.3..4V2.....S.3...V.....U.26.U.Q5..9W"
         "7..."},
        {"16x16 sparse (56 givens, over the cap)", 4, 4,
         "W8.....R.......1...R..........W..........W.....R.....4....R7..9....4T.3...........5."
         "Q...T.4....7..U.6.S....R..Q...8....2.......4...3...Q.5.....S........3.S............7"
         ".T......579.......V...28...WS8Q.VR..............S...W....9.............5.....6RU...5"
         "...."},
    };
    return puzzles;
}

TSuDoKuValues Givens(const TSuDoKuGrid& g, const std::string& line) {
    TSuDoKuValues v{};
    for (int i = 0; i < g.GridSize * g.GridSize; ++i) {
        const char c = line[static_cast<std::size_t>(i)];
        const int value = c == '.' ? 0 : c <= '9' ? c - '0' : c - 'Q' + 10;
        v[CellIndex(i % g.GridSize + 1, i / g.GridSize + 1)] = static_cast<std::uint8_t>(value);
    }
    return v;
}

void PuzzleArgs(benchmark::internal::Benchmark* b) {
    b->ArgName("puzzle");
    for (int i = 0; i < static_cast<int>(Puzzles().size()); ++i)
        b->Arg(i);
}

void BM_ExactCount(benchmark::State& state) {
    const TBenchPuzzle& puzzle = Puzzles()[static_cast<std::size_t>(state.range(0))];
    const TSuDoKuGrid grid(puzzle.BoxCols, puzzle.BoxRows);
    const TSuDoKuValues givens = Givens(grid, puzzle.Line);
    TExactCounter counter(grid);
    int found = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(found = counter.Count(givens, grid.MaxSolutions));
    state.SetLabel(puzzle.Name);
    state.counters["solutions"] = found;
}
BENCHMARK(BM_ExactCount)->Apply(PuzzleArgs)->Unit(benchmark::kMicrosecond);

void BM_SolveSuDoKuProven(benchmark::State& state) {
    const TBenchPuzzle& puzzle = Puzzles()[static_cast<std::size_t>(state.range(0))];
    TSuDoKuGrid grid(puzzle.BoxCols, puzzle.BoxRows);
    TSuDoKuSolver solver(grid);
    TSuDoKuStrings texts{};
    grid.ValuesToStrings(Givens(grid, puzzle.Line), texts);
    TSuDoKuValues v{};
    TSuDoKuStrings s;
    for (auto _ : state) {
        TSuDoKuGrid::ClearValues(v);
        s = texts;
        benchmark::DoNotOptimize(solver.SolveSuDoKuProven(v, s, false));
    }
    state.SetLabel(puzzle.Name);
    state.counters["solutions"] = solver.Solutions();
    state.counters["exact"] = solver.GaveUp();
}
BENCHMARK(BM_SolveSuDoKuProven)->Apply(PuzzleArgs)->Unit(benchmark::kMicrosecond);

} // namespace
