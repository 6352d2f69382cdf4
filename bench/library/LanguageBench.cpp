// Translation with a valid 60 MB language file: a text looked up in the tables already read,
// and the first lookup after the file changed, which reads the file once.
// Run: bench_library --benchmark_filter=Language
#include "LanguageCache.h"
#include "LanguageFileWriter.h"
#include "TransLtr.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace sudoku {
namespace {

// The shape of the shipped file, made large by 10,000 rows after the real ones and one long
// text that widens every row of the table: about 60 MB.
struct TLargeLanguageFile {
    std::filesystem::path Dir =
        std::filesystem::temp_directory_path() / ("sudoku-bench-lng-" + std::to_string(::getpid()));
    std::string File = (Dir / "SuDoku.lng").string();

    TLargeLanguageFile() {
        std::filesystem::create_directories(Dir);
        LanguageFileWriter writer;
        writer.AddTable("Contents", {"iCountry", "sCountry", "sLanguage"},
                        {{"44", "English", "en"}, {"31", "Nederlands", "nl"}});
        std::vector<std::vector<std::string>> rows;
        for (int tag = 500; tag < 900; tag += 5) {
            rows.push_back({std::to_string(tag), "Caption " + std::to_string(tag), "Hint"});
        }
        for (int i = 0; i < 10000; ++i) {
            rows.push_back({std::to_string(100000 + i), "Filler " + std::to_string(i), ""});
        }
        rows.push_back({"109999", std::string(2000, 'x'), ""});
        writer.AddTable("MainForm (English)", {"Tag", "Caption", "Hint"}, std::move(rows));
        writer.Write(File);
    }
    ~TLargeLanguageFile() {
        std::error_code ec;
        std::filesystem::remove_all(Dir, ec);
    }
};

TLargeLanguageFile& LargeFile() {
    static TLargeLanguageFile file;
    return file;
}

void BM_LanguageLookupInMemory(benchmark::State& state) {
    const std::string& file = LargeFile().File;
    TransLtr::SetLngID(TransLtr::English);
    TransLtr::TranslateText(575, "MainForm", file, "Time ");
    for (auto _ : state) {
        benchmark::DoNotOptimize(TransLtr::TranslateText(575, "MainForm", file, "Time "));
        benchmark::DoNotOptimize(TransLtr::TranslateText(531, "MainForm", file, "Pause"));
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(file)) / 1e6;
}
BENCHMARK(BM_LanguageLookupInMemory);

void BM_LanguageFirstLookupAfterTheFileChanged(benchmark::State& state) {
    const std::string& file = LargeFile().File;
    TransLtr::SetLngID(TransLtr::English);
    for (auto _ : state) {
        LanguageCache::Shared().Clear();
        benchmark::DoNotOptimize(TransLtr::TranslateText(575, "MainForm", file, "Time "));
    }
}
BENCHMARK(BM_LanguageFirstLookupAfterTheFileChanged)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace sudoku
