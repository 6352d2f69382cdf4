// Speed of the record store on a library of 10,000 stored 9 x 9 games: listing the sections,
// reading one record and writing one record, each a full open-parse-close of the file.
// Backing up all 10,000 records shows the cost of one batch copy.
// Run: bench_library --benchmark_repetitions=15 --benchmark_report_aggregates_only=true
// (the medians are the figures to compare with 100 ms, 5 ms and 50 ms).
#include "TSectionCopy.h"
#include "TSuDoKuFileData.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace sudoku {
namespace {

constexpr int RecordCount = 10000;

std::string SectionName(int i) {
    return "Default User@Puzzle " + std::to_string(i);
}

TSuDoKuFileData Record(int i) {
    TSuDoKuFileData rec;
    rec.Name = SectionName(i);
    rec.Tc = 46361.5 + i / 1440.0;
    rec.L = static_cast<std::uint8_t>(i % 4);
    rec.O = orGenerated;
    std::string grid;
    std::string notes;
    for (int cell = 0; cell < 81; ++cell) {
        static constexpr char Hex[] = "0123456789ABCDEF";
        const int value = (cell * 7 + i) % 9 + 1;
        grid += '0';
        grid += Hex[value];
        notes += cell % 5 == 0 ? "1,4,7,|" : "|";
    }
    rec.M1 = grid;
    rec.M2 = grid;
    rec.M3 = grid;
    rec.M4 = notes;
    rec.Tpts = rec.Tc;
    rec.Tptl = rec.Tc + 0.01;
    rec.Tpt = 0.01;
    rec.Tptm = 1.0 / 24;
    rec.Sn = i % 300;
    rec.U = "3,2=|1,1=2,4,|5,5=|";
    rec.S = 1;
    return rec;
}

// The library file is built once per process with the store's own in-memory writer, in a
// folder that is removed again when the process ends.
struct TBenchFolder {
    std::filesystem::path Dir =
        std::filesystem::temp_directory_path() / ("sudoku-bench-" + std::to_string(::getpid()));
    std::string File = (Dir / "sudoku.dat").string();

    TBenchFolder() {
        std::filesystem::create_directories(Dir);
        std::vector<std::pair<std::string, std::vector<TProfileFile::TEntry>>> sections;
        for (int i = 0; i < RecordCount; ++i) {
            sections.emplace_back(SectionName(i), SuDoKuFileDataEntries(Record(i)));
        }
        TProfileFile library;
        library.ReplaceSections(sections);
        library.Save(File);
    }
    ~TBenchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(Dir, ec);
    }
    TBenchFolder(const TBenchFolder&) = delete;
    TBenchFolder& operator=(const TBenchFolder&) = delete;
};

const std::string& LibraryFile() {
    static const TBenchFolder folder;
    return folder.File;
}

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
