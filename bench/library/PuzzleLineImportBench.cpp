// Importing a puzzle-line file of 1,000 generated 9 x 9 puzzles (Expert, seeded) into an empty
// library: every line read, solved to prove one solution, rated and written in one update.
#include "PuzzleLineFile.h"
#include "TPuzzleLine.h"
#include "TSuDoKuGenerator.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace sudoku {
namespace {

constexpr int LineCount = 1000;

void ImportPuzzleLines1000(benchmark::State& state) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("sudoku-lines-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string source = (dir / "puzzles.txt").string();
    {
        TSuDoKuGrid grid(3, 3);
        TSuDoKuSolver solver(grid);
        TDefaultRandom random(7);
        TSuDoKuGenerator generator(grid, solver, random);
        std::ofstream out(source);
        for (int i = 0; i < LineCount; ++i) {
            TSuDoKuValues complete{};
            TSuDoKuStrings puzzle{};
            generator.GenerateUntilSuccess(complete, puzzle, 3, true, [] {});
            TSuDoKuValues givens{};
            grid.StringsToValues(puzzle, givens);
            out << TPuzzleLine::Format(grid, givens) << '\n';
        }
    }
    const std::string library = (dir / "sudoku.dat").string();
    TPuzzleLineCounts counts;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(library);
        state.ResumeTiming();
        counts = ImportPuzzleLines(source, library, "Default User", 46361.5, 0);
    }
    if (counts.Imported != LineCount)
        state.SkipWithError("not every line was imported");
    std::filesystem::remove_all(dir);
}

BENCHMARK(ImportPuzzleLines1000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace sudoku
