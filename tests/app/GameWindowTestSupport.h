// The window as the program composes it, driven headless by the whole-game tests on the Play &
// Solve page: helpers that start a game, type, press keys where the focus is and tick.
#pragma once

#include "TOptionsBinding.h"
#include "TPlayNSolveBinding.h"
#include "TPlayNSolveSheet.h"
#include "TSuDoKuGridWidget.h"
#include "WindowTestSupport.h"

#include <QLabel>

namespace sudoku::test {

class GameWindow : public AtelierWindowTest {
protected:
    using TCell = std::pair<int, int>; // column and row, from 1

    TPlayNSolveBinding& Binding() { return PlayNSolvePage(*Form); }
    TPlayNSolvePage& Page() { return Binding().Page(); }
    TPlayState& State() { return Page().State(); }
    TPlayNSolveSheet& Sheet() { return Binding().Sheet(); }
    TOptionsSheet& Options() { return OptionsPage(*Form).Sheet(); }
    TSuDoKuGridWidget& Grid() { return Binding().Grid(); }

    void NewGame(const char* shape) { NewPuzzle(Sheet().PlayNSolveNewBtn, shape); }
    void Select(TCell cell) {
        QTest::mouseClick(&Grid(), Qt::LeftButton, {},
                          Grid().cellRect(cell.first - 1, cell.second - 1).center());
        QApplication::processEvents();
    }
    // Clicks the cell and types a key on the grid.
    void Type(TCell cell, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        Select(cell);
        QTest::keyClick(&Grid(), key, mods);
        QApplication::processEvents();
    }
    void TypeValue(TCell cell, int value) { Type(cell, KeyOf(value)); }
    std::string Text(TCell cell) { return State().CellText(cell.first, cell.second); }
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
    QString Time() { return Sheet().PlayNSolveTimeLbl->text(); }
    std::vector<TCell> OpenCells() {
        std::vector<TCell> cells;
        const int n = State().GridSize();
        for (int row = 1; row <= n; ++row)
            for (int col = 1; col <= n; ++col)
                if (!State().IsGiven(col, row))
                    cells.emplace_back(col, row);
        return cells;
    }
    int Solution(TCell cell) { return State().SolutionValues[CellIndex(cell.first, cell.second)]; }
    // A click on the symbol strip at the symbol of value (from 1).
    void ClickStrip(int value, Qt::KeyboardModifiers mods = {}) {
        QWidget* strip = Sheet().PlayNSolveDisplaySetImg;
        const double step = strip->width() / 255.0 * 27; // 27 of 255 at the base layout
        QTest::mouseClick(strip, Qt::LeftButton, mods,
                          QPoint(static_cast<int>(step * (value - 0.5)), 5));
        QApplication::processEvents();
    }
    static Qt::Key KeyOf(int value) {
        return value <= 9 ? static_cast<Qt::Key>(Qt::Key_0 + value)
                          : static_cast<Qt::Key>(Qt::Key_Q + value - 10);
    }
};

} // namespace sudoku::test
