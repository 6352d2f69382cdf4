// The same shape choice through the real main window, headless: menu item to a grid that has
// been drawn with the new givens. Built only with the Qt parts.
#ifdef SUDOKU_BENCH_WINDOW
#include "AtelierPages.h"
#include "TAppPaths.h"
#include "TOptionsBinding.h"
#include "TPlayNSolveBinding.h"
#include "TSuDoKuGridWidget.h"
#include "TSuDoKuGridsPopupMenu.h"

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTimer>

#include <filesystem>

namespace {

void BM_NewGameInWindow(benchmark::State& state) {
    const auto dir = std::filesystem::temp_directory_path() / "bench-playnsolve-window";
    std::filesystem::create_directories(dir);
    sudoku::TAppPaths::SetFolders(dir.string() + "/", dir.string() + "/");
    sudoku::TMainForm form(&sudoku::MakeAtelierPages, 0);
    form.Timer->stop();
    form.show();
    QApplication::processEvents();
    sudoku::OptionsPage(form).Sheet().OptionsLevelList->setCurrentIndex(
        static_cast<int>(state.range(0)));
    sudoku::TPlayNSolveBinding& page = sudoku::PlayNSolvePage(form);
    QAction* item = page.ShapeMenu().Item(QStringLiteral("S3X3"));
    for (auto _ : state) {
        item->trigger();
        QApplication::processEvents();
        benchmark::DoNotOptimize(page.Grid().GridBuffer());
    }
    if (form.Shared.SuDoKuState != sudoku::sfPlaying)
        state.SkipWithError("the new game is not playable");
    sudoku::TAppPaths::Reset();
}

BENCHMARK(BM_NewGameInWindow)
    ->DenseRange(0, 3)
    ->ArgName("level")
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
#endif
