// The window as the program composes it, driven headless by the whole-game tests: a clock
// that stands still unless the test moves it, queued dialog answers, and helpers that click,
// type and tick.
#pragma once

#include "AtelierPages.h"
#include "MainFormTestSupport.h"
#include "TAppPaths.h"
#include "TBaseBtn.h"
#include "TOptionsBinding.h"
#include "TPlayNSolveBinding.h"
#include "TPlayNSolveSheet.h"
#include "TSuDoKuGridWidget.h"
#include "TSuDoKuGridsPopupMenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace sudoku::test {

namespace fs = std::filesystem;

// Time stands still unless the test moves it; waits return at once, after running what the
// test wants to happen while the window waits.
class SteppedClock : public TShellClock {
public:
    QDateTime* Moment;
    int* Waited;
    std::function<void()>* DuringWait;
    SteppedClock(QDateTime& moment, int& waited, std::function<void()>& duringWait)
        : Moment(&moment), Waited(&waited), DuringWait(&duringWait) {}
    QDateTime Now() const override { return *Moment; }
    void Delay(int ms) override {
        *Waited += ms;
        if (*DuringWait)
            (*DuringWait)();
    }
};

class GameWindow : public ::testing::Test {
protected:
    // The window makes its folder the working folder: give that back before the folder goes,
    // so later tests (and the programs they start) do not run in a deleted folder.
    void SetUp() override {
        ASSERT_TRUE(Temp.isValid());
        Dir = Temp.path().toStdString();
        TAppPaths::SetFolders(Dir.string() + "/", Dir.string() + "/");
        Open();
    }
    void TearDown() override {
        Form.reset();
        TAppPaths::Reset();
        QDir::setCurrent(WorkingDir);
    }

    void Open() {
        Form = std::make_unique<TMainForm>(&MakeAtelierPages, 0);
        auto answerer = std::make_unique<test::TQueuedAnswerer>();
        Answers = answerer.get();
        Form->SetDialogAnswerer(std::move(answerer));
        Form->SetShellClock(std::make_unique<SteppedClock>(Moment, Waited, DuringWait));
        Form->Timer->stop(); // ticks come from the test
        Form->show();
        QApplication::processEvents();
    }

    TPlayNSolveBinding& Binding() { return PlayNSolvePage(*Form); }
    TPlayNSolvePage& Page() { return Binding().Page(); }
    TPlayState& State() { return Page().State(); }
    TPlayNSolveSheet& Sheet() { return Binding().Sheet(); }
    TOptionsSheet& Options() { return OptionsPage(*Form).Sheet(); }
    TSuDoKuGridWidget& Grid() { return Binding().Grid(); }

    void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        QApplication::processEvents();
    }
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
    void Screenshot(const char* name) {
        const QByteArray dir = qgetenv("SUDOKU_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        QApplication::processEvents();
        Form->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
    }

    const QString WorkingDir = QDir::currentPath();
    QTemporaryDir Temp;
    fs::path Dir;
    test::TQueuedAnswerer* Answers = nullptr; // owned by the window
    QDateTime Moment{QDate(2026, 12, 5), QTime(17, 45, 15)};
    int Waited = 0;
    std::function<void()> DuringWait;
    std::unique_ptr<TMainForm> Form;
};

} // namespace sudoku::test
