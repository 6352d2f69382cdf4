// Composing the puzzle grid through the cell renderer: a whole grid of values and notes at the
// base size for 9 and 16 symbols, and a single cell as a selection change redraws it.
#include "GridRenderer.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <string>

namespace {

using namespace sudoku;

struct BenchGrid {
    TGridLook Look;
    TGridDrawState Draw;
    TSuDoKuStrings Cells{};
    QImage Buffer{245, 245, QImage::Format_RGB32};

    explicit BenchGrid(int box) {
        Look.ShowRuler = true;
        Draw.BoxCols = box;
        Draw.BoxRows = box;
        const int n = box * box;
        for (int col = 1; col <= n; ++col)
            for (int row = 1; row <= n; ++row)
                Cells[CellIndex(col, row)] =
                    (col + row) % 3 == 0 ? "1,2,3," : std::to_string((col * row) % n + 1);
    }
    int CellSize() const { return 245 / Draw.GridSize(); }
};

void GridFullRedraw(benchmark::State& state) {
    BenchGrid grid(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QPainter painter(&grid.Buffer);
        SuDoKuGridDrawAll(painter, {grid.Look, grid.Draw, grid.Cells, 1, 1}, grid.CellSize(),
                          grid.CellSize());
    }
    state.SetItemsProcessed(state.iterations() * grid.Draw.GridSize() * grid.Draw.GridSize());
}
BENCHMARK(GridFullRedraw)->Arg(3)->Arg(4)->ArgName("box")->Unit(benchmark::kMicrosecond);

void GridCellRedraw(benchmark::State& state) {
    BenchGrid grid(3);
    const QRect rect = GridCellRect(4, 4, grid.CellSize(), grid.CellSize());
    QPainter painter(&grid.Buffer);
    for (auto _ : state)
        SuDoKuGridDrawCell(painter, {grid.Look, grid.Draw, grid.Cells, 4, 4}, 4, 4, rect);
}
BENCHMARK(GridCellRedraw)->Unit(benchmark::kMicrosecond);

} // namespace
