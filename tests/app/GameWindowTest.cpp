// Whole games through the window as the program composes it, headless: menus, keys, the
// symbol strip, hints, undo and redo, pausing and minimising, saving, page changes, a restart
// and error marks that stay until the board changes.
#include "GameWindowTestSupport.h"
#include "TPageRequest.h"
#include "TPieGauge.h"
#include "TSolutionsPopupMenu.h"
#include "TSuDoKuFileData.h"
#include "TSuDoKuGridPopupMenu.h"

#include <QCheckBox>

namespace sudoku {
namespace {

using test::GameWindow;

TEST_F(GameWindow, MenusOfferEveryShapeAndValueAndANewGameTakesKeysMenuStripAndHints) {
    for (const TBoxShape& shape : BoxShapes)
        EXPECT_NE(Binding().ShapeMenu().Item(
                      QString::fromLatin1(shape.ItemName.data(), shape.ItemName.size())),
                  nullptr);
    // Values and notes up to 16 ("G"), those above the grid size hidden; notes in the game only.
    TSuDoKuGridPopupMenu& menu = Binding().GridMenu();
    const char symbols[] = "0123456789ABCDEFG";
    for (int i = 0; i <= 16; ++i) {
        SCOPED_TRACE(i);
        ASSERT_NE(menu.Item(QString("P") + symbols[i] + "2"), nullptr);
        ASSERT_NE(menu.Item(QString("N") + symbols[i] + "1"), nullptr);
        EXPECT_EQ(menu.Item(QString("N") + symbols[i] + "1")->isVisible(), i <= 9);
    }
    EXPECT_TRUE(menu.PencilNote()->menuAction()->isVisible());
    Form->EnterNDesignBtnClick();
    EXPECT_FALSE(menu.PencilNote()->menuAction()->isVisible());

    Form->PlayNSolveBtnClick();
    Options().OptionsTimeLimitedChkBox->setChecked(false);
    NewGame("S3X3");
    ASSERT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    EXPECT_EQ(Grid().ColCount(), 9);
    EXPECT_EQ(Sheet().PlayNSolveFileNameLbl->text(), "December 5 2026 17:45:15");
    EXPECT_FALSE(Sheet().PlayNSolveUndoBtn->isEnabled());
    const auto open = OpenCells();
    Type(open[0], Qt::Key_3, Qt::ControlModifier);
    Type(open[0], Qt::Key_7, Qt::ControlModifier);
    EXPECT_EQ(Grid().CellText(open[0].first - 1, open[0].second - 1), "3,7,");
    TypeValue(open[0], Solution(open[0]));
    EXPECT_EQ(Text(open[0]), std::to_string(Solution(open[0])));
    EXPECT_EQ(Page().Record().Sn, 3);
    // A pencil note through the grid's menu.
    Select(open[1]);
    Binding().GridMenu().Item("P42")->trigger();
    EXPECT_EQ(Text(open[1]), "4,");

    Tick(65);
    EXPECT_EQ(Time(), "Time 01:05");
    EXPECT_EQ(Sheet().PlayNSolveGauge->Progress(), 1 + 2);
    EXPECT_EQ(Sheet().PlayNSolveGauge->Color(), QColor(Qt::black));
    Screenshot("game-progress.png");
    // Undo takes back the last move first; each blinks, asking for waits that none is real.
    Click(Sheet().PlayNSolveUndoBtn);
    EXPECT_EQ(Text(open[1]), "");
    Click(Sheet().PlayNSolveUndoBtn);
    EXPECT_EQ(Text(open[0]), "3,7,");
    EXPECT_EQ(Waited, 2 * 4 * 300);

    // The strip: a value, a note with Ctrl, a highlight with Shift.
    Select(open[2]);
    ClickStrip(4);
    EXPECT_EQ(Text(open[2]), "4");
    ClickStrip(7, Qt::ControlModifier);
    EXPECT_EQ(Text(open[2]), "7,");
    ClickStrip(2, Qt::ShiftModifier);
    EXPECT_EQ(Grid().DrawState().HighlightValue, 2);
    EXPECT_EQ(Text(open[2]), "7,");
    // A hint fills one open cell with its solution.
    Waited = 0;
    Click(Sheet().PlayNSolveHintBtn);
    EXPECT_EQ(Page().Record().Sh, 1);
    EXPECT_EQ(Waited, 4 * 300);
    int solved = 0;
    for (const auto& cell : open)
        solved += Text(cell) == std::to_string(Solution(cell)) ? 1 : 0;
    EXPECT_EQ(solved, 1);
}

TEST_F(GameWindow, PauseAndMinimisingCoverTheGameAndStopTheClock) {
    Form->showMinimized(); // no game: nothing to pause
    Form->showNormal();
    EXPECT_EQ(Form->Shared.SuDoKuState, 0);
    NewGame("S3X3");
    const auto open = OpenCells();
    Type(open[0], Qt::Key_1, Qt::ControlModifier);
    Tick(30);
    const std::pair<const char*, std::function<void()>> pauses[] = {
        {"Pause", [this] { Click(Sheet().PlayNSolvePauseBtn); }},
        {"minimised twice", [this] {
             for (int round = 0; round < 2; ++round) { // the second time it is paused already
                 Form->showMinimized();
                 QApplication::processEvents();
                 Form->showNormal();
                 QApplication::processEvents();
             }
         }}};
    for (const auto& [what, pause] : pauses) {
        SCOPED_TRACE(what);
        pause();
        EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying | sfPaused);
        EXPECT_EQ(Time(), "Pausing");
        EXPECT_FALSE(Grid().isEnabled());
        EXPECT_FALSE(Sheet().PlayNSolveUndoBtn->isEnabled());
        Type(open[1], Qt::Key_5);
        EXPECT_EQ(Text(open[1]), "");
        Tick(600);
        EXPECT_FALSE(Sheet().PlayNSolveGauge->isVisible());
        Screenshot("game-paused.png");
        Click(Sheet().PlayNSolvePauseBtn);
        EXPECT_EQ(Time(), "Time 00:30");
        EXPECT_TRUE(Grid().isEnabled());
    }
}

TEST_F(GameWindow, AGameKeepsMovesRedoPauseAndTimeAcrossAPageChangeASaveAndARestart) {
    NewGame("S3X3");
    const auto open = OpenCells();
    const std::string value = std::to_string(Solution(open[0]));
    TypeValue(open[0], Solution(open[0]));
    Type(open[1], Qt::Key_2, Qt::ControlModifier);
    EXPECT_FALSE(Sheet().PlayNSolveRedoBtn->isEnabled());
    Click(Sheet().PlayNSolveUndoBtn);
    Click(Sheet().PlayNSolveUndoBtn);
    EXPECT_EQ(Text(open[0]), "");
    Click(Sheet().PlayNSolveRedoBtn);
    EXPECT_EQ(Text(open[0]), value);
    EXPECT_EQ(Page().Record().Sn, 2); // a redo is no new entry
    Tick(42);
    Click(Sheet().PlayNSolvePauseBtn);

    // Another page stores the game; back here it is paused as it was left.
    Form->OptionsBtnClick();
    EXPECT_EQ(Form->Shared.SuDoKuState, 0);
    Form->PlayNSolveBtnClick();
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying | sfPaused);
    EXPECT_EQ(Text(open[0]), value);
    Click(Sheet().PlayNSolvePauseBtn);
    const TSuDoKuStrings cells = State().Cells;
    // Saving stores the game under the answered name. The clock ticks on while the name is asked
    // for, but saving time is not played time.
    Answers->Texts = {"Evening"};
    Answers->WhileEditOpen = [this] { Tick(300); };
    Click(Sheet().PlayNSolveSaveBtn);
    Answers->WhileEditOpen = nullptr;
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    EXPECT_TRUE(SectionExistsInFile(Library(), Section("Evening")));
    EXPECT_EQ(Sheet().PlayNSolveFileNameLbl->text(), "Evening");

    // Quitting saves the game with the settings; the next start brings it back in play.
    Restart();
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    EXPECT_EQ(State().Cells, cells);
    EXPECT_EQ(Grid().CellText(open[0].first - 1, open[0].second - 1), value);
    Tick(1);
    EXPECT_EQ(Time(), "Time 00:43");
    ASSERT_TRUE(Sheet().PlayNSolveRedoBtn->isEnabled());
    Click(Sheet().PlayNSolveRedoBtn);
    EXPECT_EQ(Text(open[1]), "2,");
    EXPECT_FALSE(Sheet().PlayNSolveRedoBtn->isEnabled());
    // A new move ends what can be redone.
    Click(Sheet().PlayNSolveUndoBtn);
    EXPECT_TRUE(Sheet().PlayNSolveRedoBtn->isEnabled());
    Type(open[2], Qt::Key_3, Qt::ControlModifier);
    EXPECT_FALSE(Sheet().PlayNSolveRedoBtn->isEnabled());
    // The reloaded game knows its solution is the only one: it shows at once, without a menu.
    Click(Sheet().PlayNSolveSolutionBtn);
    EXPECT_FALSE(Binding().SolutionsMenu().isVisible());
    Binding().SolutionsMenu().close();
    EXPECT_EQ(Form->Shared.SuDoKuState, sfSolved);

    // As the library page asks for a stored game: the window shows Play & Solve and the page
    // loads the record there.
    NewGame("S2X3");
    Form->MySuDoKusBtnClick();
    ASSERT_EQ(Form->Shared.SuDoKuState, 0);
    Form->Request(TMainForm::pgPlayNSolve,
                  TPageRequest{.FileName = QString::fromStdString(Library()),
                               .Section = QString::fromStdString(Section("Evening"))});
    EXPECT_EQ(Form->ActivePageName(), "Play & Solve");
    EXPECT_EQ(Grid().ColCount(), 9);
    EXPECT_EQ(Sheet().PlayNSolveFileNameLbl->text(), "Evening");
}

TEST_F(GameWindow, ErrorMarksStayUntilTheBoardChanges) {
    Options().OptionsShowErrorsChkBox->setChecked(true);
    NewGame("S3X3");
    const auto open = OpenCells();
    for (const std::size_t i : {0u, 2u, 3u, 4u}) // more than one to see in the picture
        TypeValue(open[i], Solution(open[i]) % 9 + 1);
    const auto marked = [this, cell = open[0]] {
        const QRect r = Grid().cellRect(cell.first - 1, cell.second - 1);
        return Grid().GridBuffer().pixelColor(r.left() + 4, r.top() + 4) == QColor(Qt::red);
    };
    const struct {
        const char* What;
        std::function<void()> Do;
        bool Marked;
    } steps[] = {
        {"the selection moves", [&] { QTest::keyClick(&Grid(), Qt::Key_Right); }, true},
        {"a tick", [&] { Tick(1); }, true},
        {"another cell changes", [&] { TypeValue(open[1], Solution(open[1])); }, false},
        {"undo", [&] { Click(Sheet().PlayNSolveUndoBtn); }, false},
        {"pause", [&] { Click(Sheet().PlayNSolvePauseBtn); }, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.What);
        if (Sheet().PlayNSolveErrorsBtn->isEnabled()) {
            Click(Sheet().PlayNSolveErrorsBtn);
            ASSERT_TRUE(marked());
        }
        step.Do();
        if (&step == &steps[0])
            Screenshot("game-errors.png");
        EXPECT_EQ(marked(), step.Marked);
        // While the marks show, "Errors" has nothing more to show.
        if (!HasFlag(Form->Shared.SuDoKuState, sfPaused)) {
            EXPECT_EQ(Sheet().PlayNSolveErrorsBtn->isEnabled(), !step.Marked);
        }
    }
    EXPECT_EQ(Page().Record().Se, 3);
}

} // namespace
} // namespace sudoku
