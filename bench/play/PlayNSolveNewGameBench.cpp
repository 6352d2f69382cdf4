// Time from choosing "3 x 3 (Pure Sudoku)" in the shape menu to a playable grid, per level:
// one game per repetition, so the median aggregate is the median game.
#include "FakePlayNSolveView.h"
#include "TPlayNSolvePage.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>

namespace {

void BM_NewGameNineByNine(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / "bench-playnsolve";
    sudoku::FakePlayNSolveView view;
    sudoku::TSharedState shared = sudoku::FakeSharedState((dir / "sudoku.dat").string(),
                                                          (dir / "sudokus.ini").string(), "Bench");
    shared.Options.Level = static_cast<std::uint8_t>(state.range(0));
    sudoku::TPlayNSolvePage page(view, view, shared);
    // One seeded sequence per level, so runs of the benchmark play the same games.
    static sudoku::TDefaultRandom random(4242);
    page.SetRandom(random);
    for (auto _ : state) {
        page.SuDoKuGridsPopupMenuClick("S3X3");
        benchmark::DoNotOptimize(page.State().GivenStrings);
    }
    if (page.State().SuDoKuState != sudoku::sfPlaying)
        state.SkipWithError("the new game is not playable");
}

BENCHMARK(BM_NewGameNineByNine)
    ->DenseRange(0, 3)
    ->ArgName("level")
    ->Iterations(1)
    ->Repetitions(31)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

// Built with the window benchmark, the program takes its entry point from bench_window_main,
// which makes the application object first.
#ifndef SUDOKU_BENCH_WINDOW
BENCHMARK_MAIN();
#endif
