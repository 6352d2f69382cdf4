// Speed of the reasoning engine per box shape: one alternatives pass (through the text API
// and on the compact cells the solver uses) and one solve of a puzzle with about half of
// its cells given, cut from a fixed valid grid.
#include "Alternatives.h"
#include "TCompactGrid.h"
#include "TSuDoKuSolver.h"
#include "reference/ReferenceEngine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

using namespace sudoku;

// A puzzle for shape index: a shuffled shifted-row grid, each cell kept with chance 1/2.
// The seed is fixed so that every run times the same puzzles.
TSuDoKuStrings BenchPuzzle(const TSuDoKuGrid& g, int shapeIndex) {
    std::mt19937 random(4242u + static_cast<unsigned>(shapeIndex));
    const int n = g.GridSize;
    std::vector<int> symbols(n);
    std::iota(symbols.begin(), symbols.end(), 1);
    std::shuffle(symbols.begin(), symbols.end(), random);
    std::vector<int> rows(n);
    std::iota(rows.begin(), rows.end(), 0);
    for (int band = 0; band < n; band += g.BoxRows) // rows within their band
        std::shuffle(rows.begin() + band, rows.begin() + band + g.BoxRows, random);
    TSuDoKuStrings s{};
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            const int row = rows[r];
            const int value = symbols[(row % g.BoxRows * g.BoxCols + row / g.BoxRows + c) % n];
            if (random() % 2 == 0)
                s[CellIndex(c + 1, r + 1)] = std::to_string(value);
        }
    return s;
}

void ShapeArgs(benchmark::internal::Benchmark* b) {
    b->ArgName("shape");
    for (int i = 0; i < static_cast<int>(BoxShapes.size()); ++i)
        b->Arg(i);
}

void Label(benchmark::State& state, const TBoxShape& shape) {
    state.SetLabel(std::string(shape.Caption));
}

void BM_ComputeAlternatives(benchmark::State& state) {
    const TBoxShape& shape = BoxShapes[static_cast<std::size_t>(state.range(0))];
    const TSuDoKuGrid grid(shape.BoxCols, shape.BoxRows);
    const TSuDoKuStrings puzzle = BenchPuzzle(grid, static_cast<int>(state.range(0)));
    TSuDoKuValues v{};
    TSuDoKuStrings s;
    for (auto _ : state) {
        s = puzzle;
        benchmark::DoNotOptimize(ComputeAlternatives(grid, v, s));
    }
    Label(state, shape);
}
BENCHMARK(BM_ComputeAlternatives)->Apply(ShapeArgs);

void BM_CompactPass(benchmark::State& state) {
    const TBoxShape& shape = BoxShapes[static_cast<std::size_t>(state.range(0))];
    const TSuDoKuGrid grid(shape.BoxCols, shape.BoxRows);
    const TCompactGrid compact(grid);
    TCompactGrid::TCells puzzle;
    compact.Load(BenchPuzzle(grid, static_cast<int>(state.range(0))), puzzle);
    TSuDoKuValues v{};
    TCompactGrid::TCells cells;
    for (auto _ : state) {
        cells = puzzle;
        benchmark::DoNotOptimize(compact.Pass(v, cells));
    }
    Label(state, shape);
}
BENCHMARK(BM_CompactPass)->Apply(ShapeArgs);

void BM_SolveSuDoKu(benchmark::State& state) {
    const TBoxShape& shape = BoxShapes[static_cast<std::size_t>(state.range(0))];
    TSuDoKuGrid grid(shape.BoxCols, shape.BoxRows);
    TSuDoKuSolver solver(grid);
    const TSuDoKuStrings puzzle = BenchPuzzle(grid, static_cast<int>(state.range(0)));
    TSuDoKuValues v{};
    TSuDoKuStrings s;
    for (auto _ : state) {
        TSuDoKuGrid::ClearValues(v);
        s = puzzle;
        benchmark::DoNotOptimize(solver.SolveSuDoKu(v, s, true, false));
    }
    Label(state, shape);
    state.counters["solutions"] = solver.Solutions();
}
BENCHMARK(BM_SolveSuDoKu)->Apply(ShapeArgs)->Unit(benchmark::kMicrosecond);

// The same solves by the plain text-scanning engine of the tests, for comparison.
void BM_ReferenceSolve(benchmark::State& state) {
    const TBoxShape& shape = BoxShapes[static_cast<std::size_t>(state.range(0))];
    reference::ReferenceEngine ref(shape.BoxCols, shape.BoxRows);
    const TSuDoKuGrid grid(shape.BoxCols, shape.BoxRows);
    const TSuDoKuStrings puzzle = BenchPuzzle(grid, static_cast<int>(state.range(0)));
    TSuDoKuValues v{};
    TSuDoKuStrings s;
    for (auto _ : state) {
        ref.ClearValues(v);
        s = puzzle;
        benchmark::DoNotOptimize(ref.SolveSuDoKu(v, s, true));
    }
    Label(state, shape);
}
BENCHMARK(BM_ReferenceSolve)->Arg(0)->Arg(1)->Arg(13)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
