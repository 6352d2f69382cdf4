// Whole games through the window as the program composes it, headless: the shape menu, keys
// on the grid, the buttons, the timer, saving, page changes, another page opening a stored
// game, a restart of the program, and scaling through the Options page's screen-size list.
// With SUDOKU_SCREENSHOT_DIR set, the game is also photographed in progress, paused, solved
// and after "Solution".
#include "GameWindowTestSupport.h"
#include "TBaseBtn.h"
#include "TPageRequest.h"
#include "TPieGauge.h"
#include "TScreenLayout.h"
#include "TSolutionsPopupMenu.h"
#include "TSuDoKuFileData.h"
#include "TSuDoKuGridPopupMenu.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimeEdit>

namespace sudoku {
namespace {

using test::GameWindow;

TEST_F(GameWindow, ShapeMenuOffersAllNineteenShapes) {
    TSuDoKuGridsPopupMenu& menu = Binding().ShapeMenu();
    EXPECT_EQ(menu.actions().first()->text(), "3 x 3 (Pure Sudoku)");
    EXPECT_EQ(menu.Variants()->actions().size(), 18);
    for (const TBoxShape& shape : BoxShapes)
        EXPECT_NE(menu.Item(QString::fromLatin1(shape.ItemName.data(), shape.ItemName.size())),
                  nullptr);
}

TEST_F(GameWindow, GridMenuHoldsEveryValueAndNoteItem) {
    TSuDoKuGridPopupMenu& menu = Binding().GridMenu();
    const char symbols[] = "0123456789ABCDEFG";
    for (int i = 0; i <= 16; ++i) {
        const QString value = QString("N") + symbols[i] + "1";
        const QString note = QString("P") + symbols[i] + "2";
        ASSERT_NE(menu.Item(value), nullptr) << value.toStdString();
        ASSERT_NE(menu.Item(note), nullptr) << note.toStdString();
        EXPECT_EQ(menu.Item(value)->isVisible(), i <= 9) << value.toStdString();
    }
    EXPECT_FALSE(menu.Item("P02")->isVisible());
    EXPECT_FALSE(menu.Item("P02")->isEnabled());
    EXPECT_EQ(menu.Item("N51")->text(), "5");
    EXPECT_EQ(menu.Item("P52")->text(), "5  (Ctrl + 5)");
    EXPECT_TRUE(menu.PencilNote()->menuAction()->isVisible());
    Form->OptionsBtnClick();
    EXPECT_FALSE(menu.PencilNote()->menuAction()->isVisible());
}

TEST_F(GameWindow, NewGamePlaysWithKeysAndUndoThroughTheWindow) {
    Options().OptionsTimeLimitedChkBox->setChecked(false);
    NewGame("S3X3");
    ASSERT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    EXPECT_EQ(Grid().ColCount(), 9);
    EXPECT_EQ(Grid().Cells(), State().Cells);
    EXPECT_EQ(Sheet().PlayNSolveLevelLbl->text(), "Level Normal");
    EXPECT_EQ(Sheet().PlayNSolveFileNameLbl->text(), "December 5 2026 17:45:15");
    EXPECT_TRUE(Sheet().PlayNSolvePauseBtn->isEnabled());
    EXPECT_FALSE(Sheet().PlayNSolveUndoBtn->isEnabled());

    const auto open = OpenCells();
    const auto [c, r] = open[0];
    Type(c, r, Qt::Key_3, Qt::ControlModifier);
    Type(c, r, Qt::Key_7, Qt::ControlModifier);
    EXPECT_EQ(State().CellText(c, r), "3,7,");
    EXPECT_EQ(Grid().CellText(c - 1, r - 1), "3,7,");
    Type(c, r, KeyOf(Solution(c, r)));
    EXPECT_EQ(Grid().CellText(c - 1, r - 1), std::to_string(Solution(c, r)));
    EXPECT_TRUE(Sheet().PlayNSolveUndoBtn->isEnabled());
    EXPECT_EQ(Page().Record().Sn, 3);

    // Right-click menu: a pencil note through the submenu.
    const auto [c2, r2] = open[1];
    Type(c2, r2, Qt::Key_Delete);
    EXPECT_TRUE(Binding().PopupAllowed());
    Binding().GridMenu().Item("P42")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(State().CellText(c2, r2), "4,");

    Tick(65);
    EXPECT_EQ(Sheet().PlayNSolveTimeLbl->text(), "Time 01:05");
    EXPECT_TRUE(Sheet().PlayNSolveGauge->isVisible());
    EXPECT_EQ(Sheet().PlayNSolveGauge->Progress(), 1 + 2);
    EXPECT_EQ(Sheet().PlayNSolveGauge->Color(), QColor(Qt::black));
    Screenshot("game-progress.png");

    Waited = 0;
    Click(Sheet().PlayNSolveUndoBtn);
    EXPECT_EQ(State().CellText(c2, r2), "");
    Click(Sheet().PlayNSolveUndoBtn);
    EXPECT_EQ(Grid().CellText(c - 1, r - 1), "3,7,");
    EXPECT_EQ(Waited, 2 * 4 * 300); // the blinks asked for their waits, none was real
}

TEST_F(GameWindow, SymbolStripAndHintButton) {
    NewGame("S3X3");
    QWidget* strip = Sheet().PlayNSolveDisplaySetImg;
    const double step = strip->width() / 255.0 * 27; // the strip is 255 wide at the base layout
    const auto open = OpenCells();
    const auto [c, r] = open[0];
    QTest::mouseClick(&Grid(), Qt::LeftButton, {}, Grid().cellRect(c - 1, r - 1).center());
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(static_cast<int>(step * 3.5), 5));
    EXPECT_EQ(State().CellText(c, r), "4");
    QTest::mouseClick(strip, Qt::LeftButton, Qt::ControlModifier,
                      QPoint(static_cast<int>(step * 6.5), 5));
    EXPECT_EQ(State().CellText(c, r), "7,");
    QTest::mouseClick(strip, Qt::LeftButton, Qt::ShiftModifier,
                      QPoint(static_cast<int>(step * 1.5), 5));
    EXPECT_EQ(Grid().DrawState().HighlightValue, 2);
    EXPECT_EQ(State().CellText(c, r), "7,");

    Waited = 0;
    const int hints = Page().Record().Sh;
    Click(Sheet().PlayNSolveHintBtn);
    EXPECT_EQ(Page().Record().Sh, hints + 1);
    EXPECT_EQ(Waited, 4 * 300);
    int filled = 0;
    for (const auto& [oc, orow] : open)
        filled += State().CellText(oc, orow) == std::to_string(Solution(oc, orow)) ? 1 : 0;
    EXPECT_EQ(filled, 1);
}

TEST_F(GameWindow, AidBoxesTakeEffectDuringTheGame) {
    Options().OptionsShowHintsChkBox->setChecked(true);
    NewGame("S3X3");
    EXPECT_TRUE(Sheet().PlayNSolveHintBtn->isEnabled());
    Options().OptionsShowHintsChkBox->setChecked(false);
    EXPECT_FALSE(Sheet().PlayNSolveHintBtn->isEnabled());
    Options().OptionsShowHintsChkBox->setChecked(true);
    EXPECT_TRUE(Sheet().PlayNSolveHintBtn->isEnabled());
}

TEST_F(GameWindow, TimeLimitTurnsThePieRedAndEndsTheGame) {
    Options().OptionsTimeLimitedChkBox->setChecked(true);
    Options().OptionsTimeLimitedTime->setTime(QTime(0, 30));
    NewGame("S3X3");
    Tick(15 * 60);
    EXPECT_EQ(Sheet().PlayNSolveGauge->Color(), QColor(Qt::red));
    EXPECT_EQ(Sheet().PlayNSolveGauge->Progress(), 30 + 2);
    Tick(15 * 60);
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    Tick(1);
    EXPECT_EQ(Form->Shared.SuDoKuState, sfSolved);
    Tick(1);
    EXPECT_EQ(Sheet().PlayNSolveTimeLbl->text(), "Puzzle Solution");
}

TEST_F(GameWindow, LetterSetChangesKeysMenuAndAlternatives) {
    QComboBox* sets = Options().OptionsDisplaySetList;
    if (sets->count() < 3)
        sets->addItems({"123456789", "ABCDEFGHI", "SINGAPORE"});
    NewGame("S3X3");
    sets->setCurrentIndex(2);
    EXPECT_EQ(Binding().GridMenu().Item("N11")->text(), "S");
    EXPECT_EQ(Binding().GridMenu().Item("P92")->text(), "E  (Ctrl + E)");
    const auto [c, r] = OpenCells().front();
    Type(c, r, Qt::Key_E);
    EXPECT_EQ(State().CellText(c, r), "9");
    Type(c, r, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(State().CellText(c, r), "1,");
}

TEST_F(GameWindow, PauseCoversTheGameAndRefusesKeys) {
    NewGame("S3X3");
    const auto [c, r] = OpenCells().front();
    Tick(30);
    Click(Sheet().PlayNSolvePauseBtn);
    EXPECT_EQ(Sheet().PlayNSolveTimeLbl->text(), "Pausing");
    // Without a language file the paused button keeps the form's caption.
    EXPECT_EQ(Sheet().PlayNSolvePauseBtn->Caption(), "Pause");
    EXPECT_FALSE(Grid().isEnabled());
    EXPECT_FALSE(Sheet().PlayNSolveUndoBtn->isEnabled());
    Type(c, r, Qt::Key_5);
    EXPECT_EQ(State().CellText(c, r), "");
    Tick(600);
    EXPECT_FALSE(Sheet().PlayNSolveGauge->isVisible());
    Screenshot("game-paused.png");
    Click(Sheet().PlayNSolvePauseBtn);
    EXPECT_EQ(Sheet().PlayNSolveTimeLbl->text(), "Time 00:30");
    EXPECT_TRUE(Grid().isEnabled());
}

TEST_F(GameWindow, FinishingByKeysShowsPuzzleSolved) {
    NewGame("S3X3");
    for (const auto& [c, r] : OpenCells())
        Type(c, r, KeyOf(Solution(c, r)));
    EXPECT_EQ(Form->Shared.SuDoKuState, sfSolved);
    EXPECT_FALSE(Sheet().PlayNSolveHintBtn->isEnabled());
    EXPECT_TRUE(Sheet().PlayNSolveRestartBtn->isEnabled());
    Tick(1);
    EXPECT_EQ(Sheet().PlayNSolveTimeLbl->text(), "Puzzle Solved!");
    Screenshot("game-solved.png");
}

TEST_F(GameWindow, SolutionEndsTheGameAndRestartStartsTheClockAgain) {
    NewGame("S3X3");
    const auto open = OpenCells();
    const auto [c, r] = open[0];
    Type(c, r, KeyOf(Solution(c, r) % 9 + 1));
    Type(open[1].first, open[1].second, Qt::Key_2, Qt::ControlModifier);
    Tick(120);
    Click(Sheet().PlayNSolveSolutionBtn);
    EXPECT_EQ(Form->Shared.SuDoKuState, sfSolved);
    EXPECT_EQ(State().CellText(open[1].first, open[1].second), "");
    Tick(1);
    EXPECT_EQ(Sheet().PlayNSolveTimeLbl->text(), "Puzzle Solution");
    Screenshot("game-solution.png");

    Click(Sheet().PlayNSolveRestartBtn);
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    EXPECT_EQ(State().CellText(c, r), "");
    Tick(5);
    EXPECT_EQ(Sheet().PlayNSolveTimeLbl->text(), "Time 00:05");
}

TEST_F(GameWindow, GameSurvivesPageChangesAndAProgramRestart) {
    NewGame("S3X3");
    const auto [c, r] = OpenCells().front();
    Type(c, r, Qt::Key_4, Qt::ControlModifier);
    Tick(42);
    Click(Sheet().PlayNSolvePauseBtn);
    Form->OptionsBtnClick();
    Form->PagesPageChanged();
    EXPECT_EQ(Form->Shared.SuDoKuState, 0);
    Form->PlayNSolveBtnClick();
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying | sfPaused);
    EXPECT_EQ(State().CellText(c, r), "4,");
    EXPECT_EQ(Page().Record().Sp, 2);
    Click(Sheet().PlayNSolvePauseBtn);
    const TSuDoKuStrings cells = State().Cells;

    // Closing saves the game with the settings; a new window brings it back.
    Answers->YesNo = {true};
    Form->QuitBtnClick();
    QApplication::processEvents();
    Open();
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    EXPECT_EQ(State().Cells, cells);
    EXPECT_EQ(Grid().CellText(c - 1, r - 1), "4,");
    Tick(1);
    EXPECT_EQ(Sheet().PlayNSolveTimeLbl->text(), "Time 00:43");
}

TEST_F(GameWindow, SaveButtonStoresTheGameUnderTheAnsweredName) {
    NewGame("S2X3");
    Tick(10);
    Answers->Texts = {"Evening"};
    // The clock ticks on while the name is asked for, but saving time is not played time.
    Answers->WhileEditOpen = [this] { Tick(300); };
    Click(Sheet().PlayNSolveSaveBtn);
    Answers->WhileEditOpen = nullptr;
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    Tick(1);
    EXPECT_EQ(Sheet().PlayNSolveTimeLbl->text(), "Time 00:11");
    const std::string library = (Dir / "sudoku.dat").string();
    EXPECT_TRUE(SectionExistsInFile(library, Form->Shared.UserName + "@Evening"));
    EXPECT_EQ(Sheet().PlayNSolveFileNameLbl->text(), "Evening");
}

TEST_F(GameWindow, AnotherPageOpensAStoredGameOnPlayNSolve) {
    NewGame("S2X3");
    Answers->Texts = {"Evening"};
    Click(Sheet().PlayNSolveSaveBtn);
    NewGame("S3X3");
    Form->MySuDoKusBtnClick();
    ASSERT_EQ(Form->Shared.SuDoKuState, 0);
    // As the library page asks for a stored game: the window shows Play & Solve and the page
    // loads the record there.
    Form->Request(
        TMainForm::pgPlayNSolve,
        TPageRequest{.FileName = QString::fromStdString((Dir / "sudoku.dat").string()),
                     .Section = QString::fromStdString(Form->Shared.UserName + "@Evening")});
    EXPECT_EQ(Form->ActivePageName(), "Play & Solve");
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    EXPECT_EQ(Grid().ColCount(), 6);
    EXPECT_EQ(Sheet().PlayNSolveFileNameLbl->text(), "Evening");
}

TEST_F(GameWindow, SixteenBySixteenTakesQToW) {
    NewGame("S4X4");
    ASSERT_EQ(Grid().ColCount(), 16);
    EXPECT_TRUE(Binding().GridMenu().Item("NG1")->isVisible());
    const auto open = OpenCells();
    const Qt::Key letters[] = {Qt::Key_Q, Qt::Key_R, Qt::Key_S, Qt::Key_T,
                               Qt::Key_U, Qt::Key_V, Qt::Key_W};
    for (int i = 0; i < 7; ++i) {
        Type(open[i].first, open[i].second, letters[i]);
        EXPECT_EQ(State().CellText(open[i].first, open[i].second), std::to_string(10 + i));
    }
    Type(open[7].first, open[7].second, Qt::Key_R, Qt::ControlModifier);
    Type(open[7].first, open[7].second, Qt::Key_1, Qt::ControlModifier);
    Type(open[7].first, open[7].second, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(State().CellText(open[7].first, open[7].second), "11,");
}

TEST_F(GameWindow, ScalingUpAndBackReturnsEveryControlToItsBaseGeometry) {
    Form->ScaleUp(4);
    EXPECT_EQ(Form->ScreenLayout, TScreenLayout::sl1024ByWidth);
    EXPECT_EQ(Form->PlayNSolveBtn->geometry(), QRect(24, 245, 192, 56));
    EXPECT_EQ(Form->ScaleValue(12), 19);
    // The screen size list scales the window and centres it on the screen.
    QComboBox* list = Form->findChild<QComboBox*>(QStringLiteral("OptionsScreenModeList"));
    ASSERT_NE(list, nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const std::pair<int, QSize> cases[] = {
        {4, {909, 648}}, {1, {568, 405}}, {3, {710, 506}}, {2, {568, 405}}};
    for (const auto& [index, size] : cases) {
        list->setCurrentIndex(index);
        EXPECT_EQ(Form->size(), size) << index;
        EXPECT_EQ(Form->pos(), QPoint(screen.x() + (screen.width() - size.width()) / 2,
                                      screen.y() + (screen.height() - size.height()) / 2))
            << index;
    }
    EXPECT_EQ(Form->ScreenLayout, TScreenLayout::slBase);
    for (QWidget* widget : Form->findChildren<QWidget*>()) {
        const QRect base = TScreenLayout::BaseGeometry(widget);
        if (base.isValid()) {
            EXPECT_EQ(widget->geometry(), base) << widget->objectName().toStdString();
        }
    }
}

TEST_F(GameWindow, SymbolsOfTheGridGrowWithTheScreenSize) {
    // The height of the dark ink inside a given's cell, outline and borders left out.
    const auto inkHeight = [this] {
        int col = 1;
        while (!State().IsGiven(col, 1))
            ++col;
        const QImage cell =
            Grid().GridBuffer().copy(Grid().cellRect(col - 1, 0).adjusted(3, 3, -3, -3));
        int top = cell.height();
        int bottom = -1;
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                if (qGray(cell.pixel(x, y)) < 100) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return bottom - top + 1;
    };
    Form->ScaleUp(2);
    NewGame("S3X3");
    const int base = inkHeight();
    Form->ScaleUp(4);
    EXPECT_GT(inkHeight(), base * 1.4);
}

TEST_F(GameWindow, KeysOfQtBecomeVirtualKeys) {
    struct Case {
        int Key;
        Qt::KeyboardModifiers Mods;
        int Expected;
    };
    const Case cases[] = {
        {Qt::Key_5, {}, '5'},
        {Qt::Key_5, Qt::KeypadModifier, 0x65},
        {Qt::Key_Q, Qt::ControlModifier, 'Q'},
        {Qt::Key_Delete, {}, 0x2E},
        {Qt::Key_Backspace, {}, 0x08},
        {Qt::Key_Space, {}, 0x20},
        {Qt::Key_Clear, Qt::KeypadModifier, 0x0C},
        {Qt::Key_Pause, {}, 0x13},
        {Qt::Key_0, {}, 0},
        {Qt::Key_3, Qt::AltModifier, 0}, // Alt belongs to the buttons' keys
        {Qt::Key_S, Qt::AltModifier | Qt::ControlModifier, 0},
        {Qt::Key_F1, {}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TPlayNSolveBinding::VirtualKey(c.Key, c.Mods), c.Expected) << c.Key;
}

} // namespace
} // namespace sudoku
