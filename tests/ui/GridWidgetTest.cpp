// The grid widget: incremental redraws that match a full render, selection by mouse and keys,
// and the signals the pages connect to.
#include "TSuDoKuGridWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace sudoku {
namespace {

// What the whole grid looks like when drawn from scratch in the widget's present state.
QImage FullRender(const TSuDoKuGridWidget& grid) {
    QImage image(grid.GridBuffer().size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(grid.GridBuffer().dotsPerMeterX());
    image.setDotsPerMeterY(grid.GridBuffer().dotsPerMeterY());
    image.fill(QColor(0xFF, 0xFF, 0xF2));
    QPainter painter(&image);
    const TGridRenderContext context{grid.Look(), grid.DrawState(), grid.Cells(), grid.Col(),
                                     grid.Row()};
    SuDoKuGridDrawAll(painter, context, grid.DefaultColWidth(), grid.DefaultRowHeight());
    return image;
}

TEST(GridWidget, IncrementalRedrawsMatchAFullRender) {
    TSuDoKuGridWidget grid;
    grid.resize(270, 270);
    TGridLook look;
    look.FontName = "DejaVu Sans";
    look.ShowRuler = true;
    grid.SetLook(look);
    TGridDrawState state;
    state.SolutionValues[CellIndex(1, 1)] = 4;
    state.GivenStrings[CellIndex(1, 1)] = "4";
    state.SolutionValues[CellIndex(7, 6)] = 3;
    grid.SetDrawState(state);

    // Each step changes something the drawing reads; the buffer must show all of it.
    const std::function<void()> steps[] = {
        [&] { grid.SetCell(0, 0, "4"); },
        [&] { grid.SetSelection(4, 4); },
        [&] { grid.SetSelection(8, 0); },
        [&] {
            state.HighlightValue = 4;
            grid.SetDrawState(state);
        },
        [&] { grid.SetCell(2, 2, "4"); },
        [&] { grid.SetCell(6, 5, "3"); },
        [&] {
            state.GivenStrings[CellIndex(7, 6)] = "3"; // the entry becomes a given: bold
            grid.SetDrawState(state);
        },
        [&] {
            state.HighlightValue = 0;
            state.SolutionValues[CellIndex(3, 3)] = 9;
            grid.SetDrawState(state);
        },
        [&] {
            state.SuDoKuState = sfPlaying | sfShowErrors;
            grid.SetDrawState(state);
        },
        [&] {
            look.ShowRuler = false;
            grid.SetLook(look);
        },
        [&] { grid.SetSelection(1, 1); },
        [&] {
            TSuDoKuStrings cells = grid.Cells();
            cells[CellIndex(9, 9)] = "7";
            cells[CellIndex(1, 1)] = "";
            grid.SetCells(cells);
        },
        [&] { grid.SetGridSize(2, 3); },
        [&] {
            grid.SetGridSize(5, 4); // beyond 16 symbols: refused
            grid.SetCell(16, 0, "5");
            grid.SetCell(-1, 0, "5");
        },
        [&] { grid.resize(300, 240); },
    };
    for (std::size_t step = 0; step < std::size(steps); ++step) {
        steps[step]();
        EXPECT_EQ(grid.GridBuffer(), FullRender(grid)) << "after step " << step;
    }
    EXPECT_EQ(grid.ColCount(), 6);
    EXPECT_EQ(grid.CellText(16, 0), "");
}

TEST(GridWidget, MouseAndKeysSelectCellsAndReachThePage) {
    TSuDoKuGridWidget grid;
    grid.resize(245, 245);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy selected(&grid, &TSuDoKuGridWidget::CellSelected);
    QSignalSpy released(&grid, &TSuDoKuGridWidget::CellMouseReleased);
    QSignalSpy keys(&grid, &TSuDoKuGridWidget::GridKeyPressed);

    QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, grid.cellRect(5, 2).center());
    EXPECT_EQ(QPoint(grid.Col(), grid.Row()), QPoint(5, 2));
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 5);
    ASSERT_EQ(released.count(), 1);
    EXPECT_EQ(released.at(0).at(1).toInt(), 2);

    struct Move {
        Qt::Key Key;
        int Col, Row;
    };
    const Move moves[] = {{Qt::Key_Left, 4, 2}, {Qt::Key_Up, 4, 1},   {Qt::Key_Up, 4, 0},
                          {Qt::Key_Up, 4, 0},   {Qt::Key_End, 8, 0},  {Qt::Key_Right, 8, 0},
                          {Qt::Key_Down, 8, 1}, {Qt::Key_Home, 0, 1}, {Qt::Key_Left, 0, 1}};
    for (const Move& m : moves) {
        QTest::keyClick(&grid, m.Key);
        EXPECT_EQ(QPoint(grid.Col(), grid.Row()), QPoint(m.Col, m.Row)) << m.Key;
    }

    QTest::keyClick(&grid, Qt::Key_5, Qt::ControlModifier);
    const auto five = std::find_if(keys.begin(), keys.end(), [](const QList<QVariant>& args) {
        return args.at(0).toInt() == int(Qt::Key_5);
    });
    ASSERT_NE(five, keys.end());
    EXPECT_TRUE(five->at(1).value<Qt::KeyboardModifiers>() & Qt::ControlModifier);
    EXPECT_EQ(QPoint(grid.Col(), grid.Row()), QPoint(0, 1));
    // A held key reaches the page once.
    const qsizetype pressed = keys.count();
    QKeyEvent repeated(QEvent::KeyPress, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"), true);
    QApplication::sendEvent(&grid, &repeated);
    EXPECT_EQ(keys.count(), pressed);

    // The pixels left over at the right belong to no cell; a disabled grid takes no clicks.
    QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, QPoint(9 * 27 + 1, 5));
    EXPECT_EQ(QPoint(grid.Col(), grid.Row()), QPoint(0, 1));
    grid.setEnabled(false);
    QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, grid.cellRect(7, 7).center());
    EXPECT_EQ(QPoint(grid.Col(), grid.Row()), QPoint(0, 1));
}

} // namespace
} // namespace sudoku
