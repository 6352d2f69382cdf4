// Play & Solve without the mouse: a whole game played with keys only, Tab through the buttons,
// and the keys of every button wherever the focus is, after which the grid takes the keyboard
// back.
#include "GameWindowTestSupport.h"

#include <QKeySequence>
#include <QSignalSpy>

namespace sudoku {
namespace {

using KeyboardPlay = test::GameWindow;

TEST_F(KeyboardPlay, AWholeGameWithKeysOnlyFromNewToSolved) {
    Activate();
    ASSERT_EQ(Focus(), &Grid());
    // New: the shape menu opens below the button; its first item is the 9 x 9 grid.
    Key(Qt::Key_N, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    ASSERT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    ASSERT_EQ(State().GridSize(), 9);
    ASSERT_EQ(Focus(), &Grid());

    // The arrow keys walk the selection to a cell.
    const auto moveTo = [this](TCell cell) {
        while (Grid().Col() + 1 != cell.first)
            Key(Grid().Col() + 1 < cell.first ? Qt::Key_Right : Qt::Key_Left);
        while (Grid().Row() + 1 != cell.second)
            Key(Grid().Row() + 1 < cell.second ? Qt::Key_Down : Qt::Key_Up);
    };
    const auto open = OpenCells();
    for (std::size_t i = 0; i < open.size(); ++i) {
        const int v = Solution(open[i]);
        const std::string wrong = std::to_string(v % 9 + 1);
        const std::string notes = std::to_string(v) + "," + wrong + ",";
        moveTo(open[i]);
        if (i == 0) {
            // A note whose Ctrl is let go before its digit, another note, then a wrong value
            // taken back, brought back again and cleared.
            QTest::keyPress(Focus(), KeyOf(v), Qt::ControlModifier);
            QTest::keyRelease(Focus(), Qt::Key_Control, Qt::NoModifier);
            QTest::keyRelease(Focus(), KeyOf(v), Qt::NoModifier);
            Key(KeyOf(v % 9 + 1), Qt::ControlModifier);
            ASSERT_EQ(Text(open[i]), notes);
            Key(KeyOf(v % 9 + 1));
            Key(Qt::Key_Z, Qt::ControlModifier);
            ASSERT_EQ(Text(open[i]), notes);
            Key(Qt::Key_Y, Qt::ControlModifier);
            ASSERT_EQ(Text(open[i]), wrong);
            Key(Qt::Key_Z, Qt::ControlModifier);
            Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            ASSERT_EQ(Text(open[i]), wrong);
            Key(Qt::Key_Backspace);
            ASSERT_EQ(Text(open[i]), "");
        }
        Key(KeyOf(v));
        ASSERT_EQ(Text(open[i]), std::to_string(v)) << open[i].first << ", " << open[i].second;
        if (i == open.size() / 2)
            Screenshot("game-strip-counts.png");
    }
    EXPECT_EQ(Form->Shared.SuDoKuState, sfSolved);
    EXPECT_FALSE(Sheet().PlayNSolveHintBtn->isEnabled());
    Tick(1);
    EXPECT_EQ(Time(), "Puzzle Solved!");
    Screenshot("game-solved.png");
}

TEST_F(KeyboardPlay, TabAndKeysReachEveryButtonWhereverTheFocusIsOnThePage) {
    Activate();
    NewGame("S3X3");
    const auto open = OpenCells();
    for (int i = 0; i < 2; ++i)
        Type(open[i], Qt::Key_1, Qt::ControlModifier);
    TPlayNSolveSheet& s = Sheet();
    // Tab runs through the enabled buttons back to the grid; the focused one shows it, and Space
    // and Enter click it.
    std::vector<QWidget*> enabled, visited;
    for (const auto& [button, keys] : s.Keys())
        if (button->isEnabled())
            enabled.push_back(button);
    for (Key(Qt::Key_Tab); Focus() != &Grid() && visited.size() < 20; Key(Qt::Key_Tab))
        visited.push_back(Focus());
    EXPECT_EQ(visited, enabled);
    const QImage unfocused = s.PlayNSolvePauseBtn->grab().toImage();
    for (int i = 0; i < 20 && Focus() != s.PlayNSolvePauseBtn; ++i)
        Key(Qt::Key_Tab);
    EXPECT_NE(s.PlayNSolvePauseBtn->grab().toImage(), unfocused);
    Key(Qt::Key_Space);
    EXPECT_TRUE(HasFlag(Form->Shared.SuDoKuState, sfPaused));
    EXPECT_EQ(Focus(), s.PlayNSolvePauseBtn);
    Key(Qt::Key_Return);
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    EXPECT_EQ(Focus(), &Grid());
    // In an order in which each button is enabled when its key comes.
    const std::pair<const char*, TBaseBtn*> steps[] = {
        {"Alt+N", s.PlayNSolveNewBtn},      {"Alt+S", s.PlayNSolveSaveBtn},
        {"Alt+P", s.PlayNSolvePrintBtn},    {"Alt+C", s.PlayNSolveClipboardBtn},
        {"Pause", s.PlayNSolvePauseBtn},    {"Alt+A", s.PlayNSolvePauseBtn},
        {"Ctrl+Z", s.PlayNSolveUndoBtn},    {"Alt+U", s.PlayNSolveUndoBtn},
        {"Ctrl+Y", s.PlayNSolveRedoBtn},    {"Ctrl+Shift+Z", s.PlayNSolveRedoBtn},
        {"Alt+U", s.PlayNSolveUndoBtn},     {"Alt+D", s.PlayNSolveRedoBtn},
        {"Alt+H", s.PlayNSolveHintBtn},     {"Alt+E", s.PlayNSolveErrorsBtn},
        {"Alt+O", s.PlayNSolveSolutionBtn}, {"Alt+R", s.PlayNSolveRestartBtn}};
    QList<QKeySequence> pressed;
    for (const auto& [name, button] : steps) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(button->isEnabled());
        QSignalSpy clicks(button, &TBaseBtn::OnClick);
        const QKeyCombination combination = QKeySequence(QString::fromLatin1(name))[0];
        Key(combination.key(), combination.keyboardModifiers());
        EXPECT_EQ(clicks.count(), 1);
        if (QApplication::activePopupWidget() != nullptr)
            Key(Qt::Key_Escape); // the shape menu of New closes again
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        // The grid gets the keyboard back; while paused it is disabled and the button that
        // resumes has it.
        EXPECT_EQ(Focus(), HasFlag(Form->Shared.SuDoKuState, sfPaused)
                               ? static_cast<QWidget*>(s.PlayNSolvePauseBtn)
                               : &Grid());
        pressed << QKeySequence(QString::fromLatin1(name));
    }
    EXPECT_EQ(Page().Record().Sh, 1);
    EXPECT_EQ(Page().Record().Se, 1);
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    for (const auto& [button, keys] : Sheet().Keys())
        for (const QKeySequence& key : keys)
            EXPECT_TRUE(pressed.contains(key)) << key.toString().toStdString();
}

} // namespace
} // namespace sudoku
