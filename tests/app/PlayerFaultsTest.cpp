// Faults a player met in the real window, each caught the way the player meets it: error marks
// that vanish, a grid that loses the keyboard, a one-item solutions menu, values above the grid
// size, unreadable notes, Ctrl released early, tiles that look like buttons, and the title line.
#include "GameWindowTestSupport.h"
#include "TBkControl.h"
#include "TScreenLayout.h"
#include "TSolutionsPopupMenu.h"
#include "TSuDoKuGridPopupMenu.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>

#include <cmath>

namespace sudoku {
namespace {

using test::GameWindow;

class PlayerFaults : public GameWindow {
protected:
    QImage CellPicture(int col, int row) {
        QApplication::processEvents();
        return Grid().GridBuffer().copy(Grid().cellRect(col - 1, row - 1));
    }
    // The background of a cell, away from its symbol and the selection frame.
    QColor Background(int col, int row) {
        const QRect r = Grid().cellRect(col - 1, row - 1);
        return Grid().GridBuffer().pixelColor(r.left() + 4, r.top() + 4);
    }
    void Select(int col, int row) {
        QTest::mouseClick(&Grid(), Qt::LeftButton, {}, Grid().cellRect(col - 1, row - 1).center());
        QApplication::processEvents();
    }
};

TEST_F(PlayerFaults, ErrorMarksStayUntilTheBoardChanges) {
    Options().OptionsShowErrorsChkBox->setChecked(true);
    NewGame("S3X3");
    const auto open = OpenCells();
    const auto [c, r] = open[0];
    Type(c, r, KeyOf(Solution(c, r) % 9 + 1));
    const auto mark = [this, c = c, r = r] {
        Click(Sheet().PlayNSolveErrorsBtn);
        ASSERT_EQ(Background(c, r), QColor(Qt::red));
    };
    struct Step {
        const char* What;
        std::function<void()> Do;
        bool Marked;
    };
    const auto [c2, r2] = open[1];
    const Step steps[] = {
        {"the selection moves", [&] { QTest::keyClick(&Grid(), Qt::Key_Right); }, true},
        {"a tick", [&] { Tick(1); }, true},
        {"another cell changes", [&] { Type(c2, r2, KeyOf(Solution(c2, r2))); }, false},
        {"undo", [&] { Click(Sheet().PlayNSolveUndoBtn); }, false},
        {"pause", [&] { Click(Sheet().PlayNSolvePauseBtn); }, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.What);
        if (Sheet().PlayNSolveErrorsBtn->isEnabled())
            mark();
        step.Do();
        EXPECT_EQ(Background(c, r) == QColor(Qt::red), step.Marked);
        // While the marks show, "Errors" has nothing more to show.
        if (!HasFlag(Form->Shared.SuDoKuState, sfPaused)) {
            EXPECT_EQ(Sheet().PlayNSolveErrorsBtn->isEnabled(), !step.Marked);
        }
    }
    EXPECT_EQ(Page().Record().Se, 3);
}

TEST_F(PlayerFaults, TheGridGetsTheKeyboardBackAfterEveryButton) {
    Activate();
    EXPECT_EQ(Focus(), &Grid());
    Answers->Texts = {"Kept"};
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"New", [this] { NewGame("S3X3"); }},
        {"Pause", [this] { Click(Sheet().PlayNSolvePauseBtn); }},
        {"Resume", [this] { Click(Sheet().PlayNSolvePauseBtn); }},
        {"Save with its name dialog", [this] { Click(Sheet().PlayNSolveSaveBtn); }},
        {"Restart", [this] { Click(Sheet().PlayNSolveRestartBtn); }},
        {"Solution", [this] { Click(Sheet().PlayNSolveSolutionBtn); }},
        {"Restart after the solution", [this] { Click(Sheet().PlayNSolveRestartBtn); }},
    };
    for (const auto& [what, step] : steps) {
        SCOPED_TRACE(what);
        step();
        // A paused grid is disabled and takes no keys.
        if (!HasFlag(Form->Shared.SuDoKuState, sfPaused)) {
            EXPECT_EQ(Focus(), &Grid());
        }
    }
}

TEST_F(PlayerFaults, SolutionOfAReloadedGameWithOneSolutionActsAtOnce) {
    NewGame("S3X3");
    for (const auto& leave :
         {std::function<void()>([this] { Form->OptionsBtnClick(); }), std::function<void()>([this] {
              Answers->YesNo = {true};
              Form->QuitBtnClick();
              QApplication::processEvents();
              Open();
          })}) {
        leave();
        Form->PlayNSolveBtnClick();
        ASSERT_EQ(Form->Shared.SuDoKuState, sfPlaying);
        Click(Sheet().PlayNSolveSolutionBtn);
        EXPECT_FALSE(Binding().SolutionsMenu().isVisible());
        Binding().SolutionsMenu().close();
        EXPECT_EQ(Form->Shared.SuDoKuState, sfSolved);
        Click(Sheet().PlayNSolveRestartBtn);
    }
}

TEST_F(PlayerFaults, ValuesAboveTheGridSizeAreRefusedOnEveryPath) {
    QWidget* strip = Sheet().PlayNSolveDisplaySetImg;
    struct Case {
        const char* Shape;
        const char* What;
        std::function<void(int, int)> Enter;
    };
    const Case cases[] = {
        {"S3X3", "Q", [this](int c, int r) { Type(c, r, Qt::Key_Q); }},
        {"S3X3", "Ctrl+W", [this](int c, int r) { Type(c, r, Qt::Key_W, Qt::ControlModifier); }},
        {"S2X2", "7", [this](int c, int r) { Type(c, r, Qt::Key_7); }},
        {"S2X2", "Ctrl+5", [this](int c, int r) { Type(c, r, Qt::Key_5, Qt::ControlModifier); }},
        {"S2X2", "menu 7",
         [this](int c, int r) {
             Select(c, r);
             Binding().GridMenu().Item("N71")->trigger();
         }},
        {"S2X2", "strip 6",
         [this, strip](int c, int r) {
             Select(c, r);
             const int step = strip->width() * 27 / 255;
             QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(step * 5 + step / 2, 5));
         }},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.What);
        NewGame(test.Shape);
        const auto [c, r] = OpenCells().front();
        test.Enter(c, r);
        QApplication::processEvents();
        EXPECT_EQ(State().CellText(c, r), "");
        EXPECT_EQ(Page().Record().Sn, 0);
        EXPECT_FALSE(Sheet().PlayNSolveUndoBtn->isEnabled());
    }
}

} // namespace
} // namespace sudoku
