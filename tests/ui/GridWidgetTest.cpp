// The grid widget: cell sizes and hit-testing, incremental redraws that match a full render,
// selection by mouse and keys, and the signals the pages connect to.
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

TGridLook TestLook() {
    TGridLook look;
    look.FontName = QStringLiteral("DejaVu Sans");
    look.ContrastColor = QColor(0xDD, 0xEE, 0xFF);
    look.RulerColor = QColor(0xCC, 0xFF, 0xCC);
    return look;
}

TEST(GridWidget, CellSizeAndHitTestingFollowGridAndWidgetSize) {
    struct Case {
        int BoxCols, BoxRows, Width, Height, CellW, CellH;
    };
    const Case cases[] = {
        {3, 3, 245, 245, 27, 27}, {4, 4, 245, 245, 15, 15}, {2, 3, 306, 306, 51, 51},
        {4, 2, 392, 245, 49, 30}, {2, 2, 245, 245, 61, 61},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.BoxCols << "x" << c.BoxRows);
        TSuDoKuGridWidget grid;
        grid.resize(c.Width, c.Height);
        grid.SetGridSize(c.BoxCols, c.BoxRows);
        const int n = c.BoxCols * c.BoxRows;
        EXPECT_EQ(grid.ColCount(), n);
        EXPECT_EQ(grid.RowCount(), n);
        EXPECT_EQ(grid.DefaultColWidth(), c.CellW);
        EXPECT_EQ(grid.DefaultRowHeight(), c.CellH);
        for (int col = 0; col < n; ++col)
            for (int row = 0; row < n; ++row) {
                const QRect rect = grid.cellRect(col, row);
                EXPECT_EQ(grid.cellAt(rect.topLeft()), QPoint(col, row));
                EXPECT_EQ(grid.cellAt(rect.bottomRight()), QPoint(col, row));
            }
        // The pixels left over at the right and bottom belong to no cell.
        EXPECT_EQ(grid.cellAt(QPoint(n * c.CellW, 0)), QPoint(-1, -1));
        EXPECT_EQ(grid.cellAt(QPoint(0, n * c.CellH)), QPoint(-1, -1));
        EXPECT_EQ(grid.cellAt(QPoint(-1, 3)), QPoint(-1, -1));
    }
}

TEST(GridWidget, IncrementalRedrawsMatchAFullRender) {
    TSuDoKuGridWidget grid;
    grid.resize(270, 270);
    TGridLook look = TestLook();
    look.ShowRuler = true;
    grid.SetLook(look);
    TGridDrawState state;
    state.SolutionValues[CellIndex(1, 1)] = 4;
    state.GivenStrings[CellIndex(1, 1)] = "4";
    grid.SetDrawState(state);

    // Each step changes something the drawing reads; the buffer must show all of it.
    const std::function<void()> steps[] = {
        [&] { grid.SetCell(0, 0, "4"); },
        [&] { grid.SetCell(3, 4, "1,5,9,"); },
        [&] { grid.SetSelection(4, 4); },
        [&] { grid.SetSelection(8, 0); },
        [&] {
            state.HighlightValue = 4;
            grid.SetDrawState(state);
        },
        [&] { grid.SetCell(2, 2, "4"); },
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
        [&] { grid.resize(300, 240); },
    };
    int step = 0;
    for (const auto& change : steps) {
        change();
        EXPECT_EQ(grid.GridBuffer(), FullRender(grid)) << "after step " << step;
        ++step;
    }
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
    EXPECT_EQ(grid.Col(), 5);
    EXPECT_EQ(grid.Row(), 2);
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

    // A disabled grid takes no clicks.
    grid.setEnabled(false);
    QTest::mouseClick(&grid, Qt::LeftButton, Qt::NoModifier, grid.cellRect(7, 7).center());
    EXPECT_EQ(QPoint(grid.Col(), grid.Row()), QPoint(0, 1));
}

TEST(GridWidget, SetCellIgnoresUnchangedTextsAndCellsOffTheGrid) {
    TSuDoKuGridWidget grid;
    grid.SetCell(2, 2, "5");
    EXPECT_EQ(grid.Cell(2, 2), QStringLiteral("5"));
    grid.SetCell(16, 0, "5");
    grid.SetCell(-1, 0, "5");
    EXPECT_EQ(grid.CellText(16, 0), "");
    grid.ClearCells();
    EXPECT_EQ(grid.Cell(2, 2), QString());
    // Shapes beyond 16 symbols are refused.
    grid.SetGridSize(5, 4);
    EXPECT_EQ(grid.ColCount(), 9);
}

} // namespace
} // namespace sudoku
