// Time of one new game: a complete grid built and carved at each level, as the New button
// asks for it, on 9 x 9 and on the three 16-symbol shapes. One iteration is one puzzle, so
// the median over the repetitions is the median time per puzzle.
#include "TSuDoKuGenerator.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace sudoku;

void BM_NewGame(benchmark::State& state) {
    const auto boxCols = static_cast<int>(state.range(0));
    const auto boxRows = static_cast<int>(state.range(1));
    const auto level = static_cast<int>(state.range(2));
    TSuDoKuGrid grid(boxCols, boxRows);
    TSuDoKuSolver solver(grid);
    // A fixed chain of seeds keeps runs comparable; the counter goes on between puzzles.
    static std::uint32_t seed = 1;
    TDefaultRandom random(seed);
    TSuDoKuGenerator generator(grid, solver, random);
    TSuDoKuValues values{};
    TSuDoKuStrings strings{};
    int attempts = 0;
    for (auto _ : state) {
        random.Seed(++seed);
        attempts += generator.GenerateUntilSuccess(values, strings, level, true,
                                                   [&random] { random.Seed(++seed); });
        benchmark::DoNotOptimize(values);
    }
    state.counters["attempts"] = benchmark::Counter(attempts, benchmark::Counter::kAvgIterations);
}

void Shapes(benchmark::internal::Benchmark* bench) {
    bench->ArgNames({"cols", "rows", "level"});
    for (int level = 0; level < 4; ++level) {
        bench->Args({3, 3, level});
    }
    for (const auto& [cols, rows] : {std::pair{2, 8}, std::pair{4, 4}, std::pair{8, 2}}) {
        for (int level = 0; level < 4; ++level) {
            bench->Args({cols, rows, level});
        }
    }
}

BENCHMARK(BM_NewGame)
    ->Apply(Shapes)
    ->Iterations(1)
    ->Repetitions(21)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
