// Opening the My SuDoKus page in the real window, headless, on a library of 10,000 records:
// the section names read, the list sorted and filled, the first entry read and its details
// shown. Run: bench_mysudokus (the median is the figure to compare with 100 ms).
#include "AtelierPages.h"
#include "BenchLibraryFile.h"
#include "TAppPaths.h"
#include "TMySuDoKusBinding.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

namespace {

void BM_OpenMySuDoKus(benchmark::State& state) {
    const std::string& library = sudoku::bench::LibraryFile();
    const auto dir = std::filesystem::path(library).parent_path();
    sudoku::TAppPaths::SetFolders(dir.string() + "/", dir.string() + "/");
    sudoku::TMainForm form(&sudoku::MakeAtelierPages, 0);
    form.Timer->stop();
    form.Shared.UserName = "Default User";
    form.show();
    QApplication::processEvents();
    sudoku::TMySuDoKusSheet& sheet = sudoku::MySuDoKusPage(form).Sheet();
    for (auto _ : state) {
        form.MySuDoKusBtnClick();
        QApplication::processEvents();
    }
    if (sheet.MySuDoKusList->count() != sudoku::bench::RecordCount ||
        sheet.MySuDoKusDataLbl->text().isEmpty())
        state.SkipWithError("the list or the details are missing");
    sudoku::TAppPaths::Reset();
}

BENCHMARK(BM_OpenMySuDoKus)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
