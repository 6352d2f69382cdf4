// The window as the program composes it, driven headless by the whole-game tests on the Play &
// Solve page: a clock that stands still unless the test moves it, and helpers that start a
// game, type and tick.
#pragma once

#include "TBaseBtn.h"
#include "TOptionsBinding.h"
#include "TPlayNSolveBinding.h"
#include "TPlayNSolveSheet.h"
#include "TSuDoKuGridWidget.h"
#include "TSuDoKuGridsPopupMenu.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace sudoku::test {

class GameWindow : public AtelierWindowTest {
protected:
    void SetUp() override {
        AtelierWindowTest::SetUp();
        Open();
    }
    void Open() { OpenWindow(std::make_unique<SteppedClock>(Moment, Waited, DuringWait)); }

    TPlayNSolveBinding& Binding() { return PlayNSolvePage(*Form); }
    TPlayNSolvePage& Page() { return Binding().Page(); }
    TPlayState& State() { return Page().State(); }
    TPlayNSolveSheet& Sheet() { return Binding().Sheet(); }
    TOptionsSheet& Options() { return OptionsPage(*Form).Sheet(); }
    TSuDoKuGridWidget& Grid() { return Binding().Grid(); }

    void NewGame(const QString& shape) {
        Click(Sheet().PlayNSolveNewBtn);
        Binding().ShapeMenu().Item(shape)->trigger();
        Binding().ShapeMenu().close();
        QApplication::processEvents();
    }
    // Clicks the cell (1-based) and types a key on the grid.
    void Type(int col, int row, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QTest::mouseClick(&Grid(), Qt::LeftButton, {}, Grid().cellRect(col - 1, row - 1).center());
        QTest::keyClick(&Grid(), key, mods);
        QApplication::processEvents();
    }
    // Keys go where the focus is, as a player's do: the window is made the active one.
    void Activate() {
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }
    QWidget* Focus() const { return QApplication::focusWidget(); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QWidget* target = QApplication::activePopupWidget() != nullptr
                              ? QApplication::activePopupWidget()
                              : QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "no widget has the focus";
        QTest::keyClick(target, key, mods);
        QApplication::processEvents();
    }
    void Tick(int seconds) {
        Moment = Moment.addSecs(seconds);
        Binding().TimerTick();
        QApplication::processEvents();
    }
    std::vector<std::pair<int, int>> OpenCells() {
        std::vector<std::pair<int, int>> cells;
        const int n = State().GridSize();
        for (int row = 1; row <= n; ++row)
            for (int col = 1; col <= n; ++col)
                if (!State().IsGiven(col, row))
                    cells.emplace_back(col, row);
        return cells;
    }
    int Solution(int col, int row) { return State().SolutionValues[CellIndex(col, row)]; }
    static Qt::Key KeyOf(int value) {
        return value <= 9 ? static_cast<Qt::Key>(Qt::Key_0 + value)
                          : static_cast<Qt::Key>(Qt::Key_Q + value - 10);
    }
    QDateTime Moment{QDate(2026, 12, 5), QTime(17, 45, 15)};
    int Waited = 0;
    std::function<void()> DuringWait;
};

} // namespace sudoku::test
