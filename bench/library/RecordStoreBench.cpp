// Speed of the record store on a library of 10,000 stored 9 x 9 games: listing the sections,
// reading one record and writing one record, each a full open-parse-close of the file.
// Backing up all 10,000 records shows the cost of one batch copy.
// Run: bench_library --benchmark_repetitions=15 --benchmark_report_aggregates_only=true
// (the medians are the figures to compare with 100 ms, 5 ms and 50 ms).
#include "BenchLibraryFile.h"
#include "TSectionCopy.h"
#include "TSuDoKuFileData.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace sudoku {
namespace {

using namespace bench;

void ListSections(benchmark::State& state) {
    const std::string& file = LibraryFile();
    for (auto _ : state) {
        auto names = ReadSectionNamesOfFile(file);
        benchmark::DoNotOptimize(names.data());
        if (names.size() != RecordCount) {
            state.SkipWithError("wrong section count");
        }
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
}

void ReadRecord(benchmark::State& state) {
    const std::string& file = LibraryFile();
    const std::string section = SectionName(RecordCount / 2);
    TSuDoKuFileData rec;
    for (auto _ : state) {
        if (!ReadSuDoKuFileData(file, section, rec)) {
            state.SkipWithError("record not found");
        }
        benchmark::DoNotOptimize(rec.M1.data());
    }
}

void WriteRecord(benchmark::State& state) {
    const std::string& file = LibraryFile();
    const std::string section = SectionName(RecordCount / 2);
    TSuDoKuFileData rec = Record(RecordCount / 2);
    for (auto _ : state) {
        ++rec.Sn;
        WriteSuDoKuFileData(file, section, rec);
    }
}

// Backing up every record of the user: the whole library copied into the backup file in one
// update (the backup already holds an older copy of each section).
void BackupAll(benchmark::State& state) {
    const std::string& file = LibraryFile();
    const std::string backup = file + ".bak";
    std::vector<TSectionCopy> copies;
    for (const std::string& s : UserSectionsOfFile(file, "Default User")) {
        copies.push_back({s, s, {}});
    }
    CopySections(file, backup, copies);
    for (auto _ : state) {
        CopySections(file, backup, copies);
    }
    if (ReadSectionNamesOfFile(backup).size() != RecordCount) {
        state.SkipWithError("backup incomplete");
    }
}

BENCHMARK(ListSections)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(BackupAll)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace sudoku

BENCHMARK_MAIN();
