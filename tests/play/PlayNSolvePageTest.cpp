// Whole games on the Play & Solve page through a fake window: new games at every level, input
// by keys, menu and strip, undo, hint, errors, solution, restart, pause, the clock, saving
// into the library and the last game kept across page changes and program restarts.
#include "FakePlayNSolveView.h"
#include "Levels.h"
#include "TCellInput.h"
#include "TPlayNSolvePage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

namespace sudoku {
namespace {

namespace fs = std::filesystem;
constexpr double Minute = 1.0 / 1440;

class PlayNSolveGame : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = fs::temp_directory_path() /
              ("playnsolve-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(Dir);
        fs::create_directories(Dir);
        Page = MakePage(View);
    }
    void TearDown() override { fs::remove_all(Dir); }

    std::unique_ptr<TPlayNSolvePage> MakePage(FakePlayNSolveView& view) {
        auto page = std::make_unique<TPlayNSolvePage>(
            view, TPlayNSolveFiles{(Dir / "sudoku.dat").string(), (Dir / "sudokus.ini").string()},
            "Default User");
        page->SetRandom(Random);
        return page;
    }

    TPlayState& State() { return Page->State(); }
    int N() { return State().GridSize(); }

    void Key(int col, int row, int key, bool ctrl = false) {
        View.Col = col;
        View.Row = row;
        Page->SuDoKuGridSelectCell(col, row);
        Page->SuDoKuGridKeyUp(key, ctrl);
    }

    std::vector<std::pair<int, int>> OpenCells() {
        std::vector<std::pair<int, int>> cells;
        for (int row = 1; row <= N(); ++row)
            for (int col = 1; col <= N(); ++col)
                if (!State().IsGiven(col, row))
                    cells.emplace_back(col, row);
        return cells;
    }
    int Solution(int col, int row) { return State().SolutionValues[CellIndex(col, row)]; }
    // A value that is not the cell's solution.
    int Wrong(int col, int row) { return Solution(col, row) % N() + 1; }

    int Givens() {
        int count = 0;
        for (int row = 1; row <= N(); ++row)
            for (int col = 1; col <= N(); ++col)
                count += State().GivenStrings[CellIndex(col, row)].empty() ? 0 : 1;
        return count;
    }

    void Tick(double minutes) {
        View.Clock += minutes * Minute;
        Page->MainTimerTime();
    }

    fs::path Dir;
    TDefaultRandom Random{20261206};
    FakePlayNSolveView View;
    std::unique_ptr<TPlayNSolvePage> Page;
};

TEST_F(PlayNSolveGame, NewNineByNineGivesTheLevelsCountOfGivens) {
    for (int level = 0; level < LevelCount; ++level) {
        SCOPED_TRACE(level);
        View.Level = level;
        Page->SuDoKuGridsPopupMenuClick("S3X3");
        ASSERT_EQ(State().SuDoKuState, sfPlaying);
        EXPECT_EQ(State().PlayNSolveStatus, psInProgress);
        EXPECT_EQ(View.GridSize, 9);
        const int empty = 81 - Givens();
        const int target = CarvingTarget(9, level);
        const int lowest =
            CarvingTargetIsReduced(9, level) ? target - CarvingSpread(9) + 1 : target;
        EXPECT_LE(empty, target);
        // Expert aims at more empty cells than a unique puzzle often allows; the carving
        // then stops where no cell can go, still beyond what a Skilled game leaves open.
        const int floor = level < ExpertLevel ? lowest : CarvingTarget(9, 2) - CarvingSpread(9) + 1;
        EXPECT_GE(empty, floor) << "carving stopped short of its target";
        // The board shows exactly the givens, each one the solution's value.
        for (int row = 1; row <= 9; ++row)
            for (int col = 1; col <= 9; ++col) {
                const std::string& given = State().GivenStrings[CellIndex(col, row)];
                EXPECT_EQ(State().CellText(col, row), given);
                if (!given.empty()) {
                    EXPECT_EQ(given, std::to_string(Solution(col, row)));
                }
            }
        EXPECT_EQ(Page->Record().L, level);
        EXPECT_EQ(Page->Record().O, orGenerated);
        EXPECT_EQ(Page->Record().Name.rfind("Default User@December 5 2026 12:00:00", 0), 0u);
        EXPECT_EQ(View.LevelCaption, std::string("Level ") + View.OptionsLevelText(level));
        EXPECT_EQ(View.FileName, "December 5 2026 12:00:00");
        EXPECT_TRUE(State().MoveHistory.IsEmpty());
        EXPECT_TRUE(View.Enabled[TPlayControl::Solution]);
        EXPECT_FALSE(View.Enabled[TPlayControl::Undo]);
    }
}

TEST_F(PlayNSolveGame, ThinkingAnimatesAndRefusesClicksWhileGenerating) {
    int ticks = 0;
    TSuDoKuState seen = 0;
    View.OnProcessMessages = [&] {
        if (!HasFlag(State().SuDoKuState, sfThinking) || ticks >= 3)
            return;
        ++ticks;
        seen = State().SuDoKuState;
        Page->MainTimerTime();
        Page->PlayNSolveNewBtnClick();           // refused: still one generation
        Page->SuDoKuGridsPopupMenuClick("S4X4"); // refused: the shape stays
        Page->PlayNSolveRestartBtnClick();
    };
    View.Level = 3;
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    EXPECT_EQ(seen, sfThinking);
    EXPECT_GE(ticks, 1);
    EXPECT_EQ(View.GridSize, 9);
    EXPECT_EQ(State().SuDoKuState, sfPlaying);
    EXPECT_EQ(Page->Record().Sr, 0);
    EXPECT_EQ(Page->Clock().PlayFace.Caption.rfind("Thinking", 0), 0u);
}

TEST_F(PlayNSolveGame, KeysMenuAndStripChangeCellsAndCountEntries) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    const auto open = OpenCells();
    const auto [c1, r1] = open[0];
    const auto [c2, r2] = open[1];
    const auto [c3, r3] = open[2];

    Key(c1, r1, '0' + Wrong(c1, r1));
    EXPECT_EQ(State().CellText(c1, r1), std::to_string(Wrong(c1, r1)));
    Key(c1, r1, '0' + Wrong(c1, r1)); // the same value again: no change
    EXPECT_EQ(Page->Record().Sn, 1);
    EXPECT_EQ(State().MoveHistory.Text(), std::to_string(c1) + "," + std::to_string(r1) + "=|");
    EXPECT_TRUE(View.Enabled[TPlayControl::Undo]);

    // Ctrl on a cell holding a value drops it and starts the notes.
    Key(c1, r1, '5', true);
    EXPECT_EQ(State().CellText(c1, r1), "5,");
    Key(c1, r1, vk::Numpad1 + 2, true);
    EXPECT_EQ(State().CellText(c1, r1), "5,3,");
    Key(c1, r1, '5', true);
    EXPECT_EQ(State().CellText(c1, r1), "3,");

    View.Col = c2;
    View.Row = r2;
    Page->SuDoKuGridPopupMenuClick("N71");
    EXPECT_EQ(State().CellText(c2, r2), "7");
    Page->SuDoKuGridPopupMenuClick("P22");
    EXPECT_EQ(State().CellText(c2, r2), "2,");
    Page->SuDoKuGridPopupMenuClick("N01");
    EXPECT_EQ(State().CellText(c2, r2), "");

    View.Col = c3;
    View.Row = r3;
    Page->DisplaySetImgMouseUp(27 * 3 + 5, 255, 1.0, false, false); // the fourth symbol
    EXPECT_EQ(State().CellText(c3, r3), "4");
    Page->DisplaySetImgMouseUp(27 * 5 + 1, 255, 1.0, false, true);
    EXPECT_EQ(State().CellText(c3, r3), "6,");
    // Shift highlights without touching the cell; the next status update forgets it.
    Page->DisplaySetImgMouseUp(27 * 8, 255, 1.0, true, false);
    EXPECT_EQ(State().HighlightValue, 9);
    EXPECT_EQ(State().CellText(c3, r3), "6,");
    Page->SuDoKuGridMouseUp();
    EXPECT_EQ(State().HighlightValue, 0);

    EXPECT_EQ(Page->Record().Sn, 9);
    EXPECT_EQ(State().AlternativeStrings[CellIndex(c3, r3)].empty(), false);
}

TEST_F(PlayNSolveGame, GivensPausedAndFinishedGamesIgnoreKeys) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    int gc = 0, gr = 0;
    for (int row = 1; row <= 9 && gc == 0; ++row)
        for (int col = 1; col <= 9 && gc == 0; ++col)
            if (State().IsGiven(col, row)) {
                gc = col;
                gr = row;
            }
    const std::string given = State().CellText(gc, gr);
    Key(gc, gr, vk::Delete);
    Key(gc, gr, '1', true);
    Key(gc, gr, vk::Pause); // not even the pause key on a given
    EXPECT_EQ(State().CellText(gc, gr), given);
    EXPECT_FALSE(View.PopupAllowed);
    EXPECT_FALSE(HasFlag(State().SuDoKuState, sfPaused));

    const auto [oc, orow] = OpenCells().front();
    Page->SuDoKuGridSelectCell(oc, orow);
    EXPECT_TRUE(View.PopupAllowed);
    Key(oc, orow, vk::Pause);
    EXPECT_EQ(State().SuDoKuState, sfPlaying | sfPaused);
    Key(oc, orow, '3');
    View.Col = oc;
    View.Row = orow;
    Page->SuDoKuGridPopupMenuClick("N31");
    EXPECT_EQ(State().CellText(oc, orow), "");
    EXPECT_FALSE(View.PopupAllowed);
    EXPECT_FALSE(View.Enabled[TPlayControl::Undo]);

    Page->PlayNSolvePauseBtnClick();
    Page->PlayNSolveSolutionBtnClick();
    Key(oc, orow, '3');
    EXPECT_EQ(State().CellText(oc, orow), "");
    EXPECT_EQ(Page->Record().Sn, 0);
}

TEST_F(PlayNSolveGame, UndoRestoresNotesExactlyAndTakesNoRealTime) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    const auto [c, r] = OpenCells().front();
    for (int key : {'3', '7', '1'})
        Key(c, r, key, true);
    ASSERT_EQ(State().CellText(c, r), "3,7,1,");
    Key(c, r, '5');
    const int entries = Page->Record().Sn;
    std::vector<std::string> shown;
    View.OnRepaint = [&] { shown.push_back(State().CellText(c, r)); };
    Page->PlayNSolveUndoBtnClick();
    EXPECT_EQ(State().CellText(c, r), "3,7,1,");
    EXPECT_EQ(View.DelayedMs, 4 * (100 + 200));
    ASSERT_EQ(shown.size(), 8u);
    EXPECT_EQ(shown[0], "5");
    EXPECT_EQ(shown[1], "3,7,1,");
    EXPECT_EQ(Page->Record().Sn, entries);
    for (int i = 0; i < 3; ++i)
        Page->PlayNSolveUndoBtnClick();
    EXPECT_EQ(State().CellText(c, r), "");
    EXPECT_FALSE(View.Enabled[TPlayControl::Undo]);
    Page->PlayNSolveUndoBtnClick(); // nothing left: nothing changes
    EXPECT_EQ(State().CellText(c, r), "");
}

TEST_F(PlayNSolveGame, HintFillsAnOpenCellAndUndoTakesItBack) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    // Every open cell but one holds a value, the last one notes: the hint must pick it.
    const auto open = OpenCells();
    for (std::size_t i = 0; i + 1 < open.size(); ++i)
        State().SetCellText(open[i].first, open[i].second,
                            std::to_string(Wrong(open[i].first, open[i].second)));
    const auto [c, r] = open.back();
    Key(c, r, '1', true);
    Key(c, r, '2', true);
    const std::string notes = State().CellText(c, r);
    const int entries = Page->Record().Sn;
    Page->PlayNSolveHintBtnClick();
    EXPECT_EQ(State().CellText(c, r), std::to_string(Solution(c, r)));
    EXPECT_EQ(Page->Record().Sh, 1);
    EXPECT_EQ(Page->Record().Sn, entries);
    EXPECT_EQ(View.DelayedMs, 4 * 300);
    EXPECT_FALSE(HasFlag(State().SuDoKuState, sfHinting));

    Page->PlayNSolveUndoBtnClick();
    EXPECT_EQ(State().CellText(c, r), notes);
    EXPECT_EQ(Page->Record().Sh, 1);

    // With no open cell left the hint changes nothing.
    State().SetCellText(c, r, std::to_string(Wrong(c, r)));
    const std::string history = State().MoveHistory.Text();
    Page->PlayNSolveHintBtnClick();
    EXPECT_EQ(State().CellText(c, r), std::to_string(Wrong(c, r)));
    EXPECT_EQ(State().MoveHistory.Text(), history);
    EXPECT_EQ(Page->Record().Sh, 1);
}

TEST_F(PlayNSolveGame, FinishingTheGridEndsTheGameAndTheNextTickSaysSolved) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    const auto open = OpenCells();
    for (std::size_t i = 0; i + 1 < open.size(); ++i)
        Key(open[i].first, open[i].second, '0' + Solution(open[i].first, open[i].second));
    EXPECT_EQ(State().SuDoKuState, sfPlaying);
    const auto [c, r] = open.back();
    Key(c, r, '0' + Solution(c, r));
    EXPECT_EQ(State().SuDoKuState, sfSolved);
    EXPECT_EQ(State().PlayNSolveStatus, psOver);
    EXPECT_FALSE(View.Enabled[TPlayControl::Hint]);
    EXPECT_TRUE(View.Enabled[TPlayControl::Restart]);
    Tick(1.0 / 60);
    EXPECT_EQ(View.PlayFace.Caption, "Puzzle Solved!");
    EXPECT_FALSE(View.PlayFace.GaugeVisible);
}

TEST_F(PlayNSolveGame, ErrorsMarkDuringOneRepaintAndCount) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    std::vector<TSuDoKuState> states;
    View.OnRepaint = [&] { states.push_back(State().SuDoKuState); };
    Page->PlayNSolveErrorsBtnClick();
    ASSERT_EQ(states.size(), 1u);
    EXPECT_TRUE(HasFlag(states[0], sfShowErrors));
    EXPECT_FALSE(HasFlag(State().SuDoKuState, sfShowErrors));
    EXPECT_EQ(Page->Record().Se, 1);
}

TEST_F(PlayNSolveGame, SolutionKeepsEntriesDropsNotesAndRestartResetsTheClock) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    const auto open = OpenCells();
    Key(open[0].first, open[0].second, '0' + Wrong(open[0].first, open[0].second));
    Key(open[1].first, open[1].second, '4', true);
    Key(open[2].first, open[2].second, '0' + Solution(open[2].first, open[2].second));
    Tick(10);
    Page->PlayNSolveRestartBtnClick(); // during play the time played stays
    EXPECT_NEAR(Page->Record().Tpt, 10 * Minute, 1e-9);
    EXPECT_EQ(State().CellText(open[2].first, open[2].second), "");
    EXPECT_EQ(Page->Record().Sr, 1);

    Key(open[0].first, open[0].second, '0' + Wrong(open[0].first, open[0].second));
    Key(open[1].first, open[1].second, '4', true);
    Tick(5);
    EXPECT_TRUE(Page->SolutionsPopupClick() == false);
    EXPECT_EQ(State().SuDoKuState, sfSolved);
    EXPECT_EQ(State().CellText(open[0].first, open[0].second),
              std::to_string(Wrong(open[0].first, open[0].second)));
    EXPECT_EQ(State().CellText(open[1].first, open[1].second), "");
    EXPECT_GT(State().SuDoKuGridErrorCount(), 0);
    EXPECT_TRUE(State().MoveHistory.IsEmpty());
    EXPECT_FALSE(View.Enabled[TPlayControl::Undo]);
    Tick(1);
    EXPECT_EQ(View.PlayFace.Caption, "Puzzle Solution");
    EXPECT_NEAR(Page->Record().Tpt, 15 * Minute, 1e-9);

    Page->PlayNSolveRestartBtnClick();
    EXPECT_EQ(State().SuDoKuState, sfPlaying);
    EXPECT_EQ(Page->Record().Tpt, 0);
    EXPECT_EQ(Page->Record().Tpts, View.Clock);
    EXPECT_EQ(Page->Record().Sr, 2);
    for (const auto& [c, r] : open)
        EXPECT_EQ(State().CellText(c, r), "");
    Tick(2);
    EXPECT_EQ(View.PlayFace.Caption, "Time 02:00");
}

TEST_F(PlayNSolveGame, ClockShowsMinutesOfTheHourAndHonoursTheTimeLimit) {
    View.Checks = soHints | soErrors;
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    Tick(75);
    EXPECT_EQ(View.PlayFace.Caption, "Time 15:00");
    EXPECT_FALSE(View.PlayFace.GaugeRed);

    View.Checks = soHints | soTimeLimited;
    View.TimeLimit = 2.0 + 30 * Minute; // the picker's day part is dropped
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    EXPECT_NEAR(Page->Record().Tptm, 30 * Minute, 1e-9);
    Tick(29);
    EXPECT_TRUE(View.PlayFace.GaugeRed);
    EXPECT_EQ(State().SuDoKuState, sfPlaying);
    Tick(1);
    EXPECT_EQ(State().SuDoKuState, sfPlaying); // exactly at the limit the game goes on
    Tick(1.0 / 60);
    EXPECT_EQ(State().SuDoKuState, sfSolved);
    Tick(1.0 / 60);
    EXPECT_EQ(View.PlayFace.Caption, "Puzzle Solution");
}

TEST_F(PlayNSolveGame, PauseFreezesTheClock) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    Tick(3);
    Page->PlayNSolvePauseBtnClick();
    EXPECT_EQ(View.PlayFace.Caption, "Pausing");
    EXPECT_EQ(State().PlayNSolveStatus, psPaused);
    EXPECT_FALSE(View.Enabled[TPlayControl::Grid]);
    Tick(20);
    EXPECT_EQ(View.PlayFace.Caption, "Pausing");
    EXPECT_FALSE(View.PlayFace.GaugeVisible);
    Page->PlayNSolvePauseBtnClick();
    EXPECT_EQ(View.PlayFace.Caption, "Time 03:00");
    Tick(1);
    EXPECT_EQ(View.PlayFace.Caption, "Time 04:00");
    EXPECT_EQ(Page->Record().Sp, 1);
}

TEST_F(PlayNSolveGame, PausedGameLeftOnPageChangeComesBackPausedWithOneMorePause) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    const auto [c, r] = OpenCells().front();
    Key(c, r, '2', true);
    Key(c, r, '9', true);
    Tick(4);
    Page->PlayNSolvePauseBtnClick();
    const TSuDoKuStrings cells = State().Cells;
    const std::string history = State().MoveHistory.Text();
    Page->LeavePage();
    EXPECT_EQ(State().SuDoKuState, 0);
    Page->RestoreLastGame();
    EXPECT_EQ(State().SuDoKuState, sfPlaying | sfPaused);
    EXPECT_EQ(Page->Record().Sp, 2);
    EXPECT_EQ(State().Cells, cells);
    EXPECT_EQ(State().MoveHistory.Text(), history);
    EXPECT_EQ(View.PlayFace.Caption, "Pausing");
    Page->PlayNSolvePauseBtnClick();
    EXPECT_EQ(View.PlayFace.Caption, "Time 04:00");
}

TEST_F(PlayNSolveGame, GameSurvivesClosingAndReopening) {
    View.Level = 2;
    Page->SuDoKuGridsPopupMenuClick("S2X3");
    const auto open = OpenCells();
    Key(open[0].first, open[0].second, '3', true);
    Key(open[0].first, open[0].second, '1', true);
    Key(open[1].first, open[1].second, '0' + Solution(open[1].first, open[1].second));
    Tick(7);
    Page->SaveLastGame(); // the game part of saving the settings at close
    EXPECT_EQ(State().SuDoKuState, sfPlaying);
    const TSuDoKuFileData saved = Page->Record();
    const TSuDoKuStrings cells = State().Cells;
    const TSuDoKuValues solution = State().SolutionValues;

    FakePlayNSolveView reopened;
    reopened.Clock = View.Clock + 60;
    auto page = MakePage(reopened);
    page->RestoreLastGame();
    EXPECT_EQ(page->State().SuDoKuState, sfPlaying);
    EXPECT_EQ(page->State().GridSize(), 6);
    EXPECT_EQ(reopened.GridSize, 6);
    EXPECT_EQ(page->State().Cells, cells);
    EXPECT_EQ(page->State().SolutionValues, solution);
    EXPECT_EQ(page->Record().Sn, 3);
    EXPECT_EQ(page->Record().Name, saved.Name);
    EXPECT_NEAR(page->Record().Tpt, 7 * Minute, 1.0 / 86400);
    EXPECT_EQ(reopened.LevelCaption, "Level Skilled");
    EXPECT_EQ(reopened.FileName, DisplayNameOf(saved.Name));
    // The clock goes on from the stored time, not from when the program was closed.
    reopened.Clock += Minute;
    page->MainTimerTime();
    EXPECT_EQ(reopened.PlayFace.Caption, "Time 08:00");
    // Undo still knows the notes.
    reopened.Col = open[1].first;
    reopened.Row = open[1].second;
    page->PlayNSolveUndoBtnClick();
    page->PlayNSolveUndoBtnClick();
    EXPECT_EQ(page->State().CellText(open[0].first, open[0].second), "3,");
}

TEST_F(PlayNSolveGame, ChangedLoginSavesUnderTheOldUserAndSkipsTheTick) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    std::string login = "Default User";
    std::vector<std::string> savedFor;
    Page->CurrentLoginName = [&login] { return login; };
    Page->UserChanged = [&](const std::string& newName) {
        savedFor.push_back(Page->User());
        Page->SaveLastGame();
        savedFor.push_back(newName);
    };
    Tick(2);
    EXPECT_EQ(View.PlayFace.Caption, "Time 02:00");
    login = "ann";
    Tick(3);
    EXPECT_EQ(savedFor, (std::vector<std::string>{"Default User", "ann"}));
    EXPECT_EQ(View.PlayFace.Caption, "Time 02:00"); // the rest of that tick is skipped
    EXPECT_EQ(Page->LastSection(), "ann.Last_PlayNSolve");
    EXPECT_TRUE(
        SectionExistsInFile((Dir / "sudokus.ini").string(), "Default User.Last_PlayNSolve"));
    Tick(1);
    EXPECT_EQ(View.PlayFace.Caption, "Time 06:00");
}

TEST_F(PlayNSolveGame, RecordOfAnUnknownShapeIsNotLoaded) {
    const std::string library = (Dir / "sudoku.dat").string();
    for (const auto& [cols, rows] : {std::pair{5, 5}, std::pair{0, 3}, std::pair{-2, 4}}) {
        TSuDoKuFileData rec;
        InitSuDoKuFileData(rec);
        rec.Name = "Default User@Odd";
        rec.Nc = cols;
        rec.Nr = rows;
        rec.M1 = std::string(2 * 25 * 25, '1');
        rec.S = 1;
        WriteSuDoKuFileData(library, rec.Name, rec);
        Page->PlayNSolveLoad(library, rec.Name);
        EXPECT_EQ(State().SuDoKuState, 0) << cols << " x " << rows;
        EXPECT_EQ(N(), 9);
    }
}

TEST_F(PlayNSolveGame, MissingLastGameLeavesAnEmptyPage) {
    Page->RestoreLastGame();
    EXPECT_EQ(State().SuDoKuState, 0);
    EXPECT_FALSE(View.Enabled[TPlayControl::Pause]);
    // Buttons reached by keys or stale clicks do nothing without a game.
    Page->PlayNSolveRestartBtnClick();
    Page->PlayNSolveHintBtnClick();
    Page->PlayNSolvePauseBtnClick();
    Page->PlayNSolveSolutionBtnClick();
    EXPECT_EQ(State().SuDoKuState, 0);
    EXPECT_EQ(Page->Record().Sr + Page->Record().Sh + Page->Record().Sp, 0);
    EXPECT_TRUE(View.Enabled[TPlayControl::New]);
}

TEST_F(PlayNSolveGame, SaveAsksForANameAndGuardsExistingRecords) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    const std::string library = (Dir / "sudoku.dat").string();
    const std::string shown = DisplayNameOf(Page->Record().Name);

    // Cancelled: nothing written.
    Page->PlayNSolveSaveBtnClick();
    EXPECT_EQ(View.EditDefaults.back(), shown);
    EXPECT_FALSE(fs::exists(library));

    // The name it already has: written under it without a question.
    View.EditAnswers = {"  " + shown + " "};
    Page->PlayNSolveSaveBtnClick();
    EXPECT_TRUE(SectionExistsInFile(library, "Default User@" + shown));

    // A new name: the record takes it.
    View.EditAnswers = {"Morning game"};
    Page->PlayNSolveSaveBtnClick();
    EXPECT_TRUE(SectionExistsInFile(library, "Default User@Morning game"));
    EXPECT_EQ(Page->Record().Name, "Default User@Morning game");
    EXPECT_EQ(View.FileName, "Morning game");

    // An existing name answered "No": nothing written, the name stays.
    const auto [c, r] = OpenCells().front();
    Key(c, r, '0' + Wrong(c, r));
    View.EditAnswers = {shown};
    View.MsgAnswers = {false};
    Page->PlayNSolveSaveBtnClick();
    EXPECT_EQ(View.Prompts.back(), "\"" + shown + "\" already exists, overwrite existing SuDoKu?");
    EXPECT_EQ(Page->Record().Name, "Default User@Morning game");
    TSuDoKuFileData stored;
    ASSERT_TRUE(ReadSuDoKuFileData(library, "Default User@" + shown, stored));
    EXPECT_EQ(stored.Sn, 0);

    // Answered "Yes": overwritten.
    View.EditAnswers = {shown};
    View.MsgAnswers = {true};
    Page->PlayNSolveSaveBtnClick();
    ASSERT_TRUE(ReadSuDoKuFileData(library, "Default User@" + shown, stored));
    EXPECT_EQ(stored.Sn, 1);
    EXPECT_EQ(stored.M3, State().Grid().StringsToHex(State().Cells));

    // A name that would break the file's section headers is refused.
    View.EditAnswers = {"bad]name"};
    Page->PlayNSolveSaveBtnClick();
    EXPECT_FALSE(SectionExistsInFile(library, "Default User@bad]name"));
    EXPECT_FALSE(HasFlag(State().SuDoKuState, sfSaving));
}

TEST_F(PlayNSolveGame, UnwritableLibraryReportsAndEndsTheSave) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    fs::create_directories(Dir / "sudoku.dat"); // a folder where the file should be
    View.EditAnswers = {"Somewhere"};
    Page->PlayNSolveSaveBtnClick();
    ASSERT_EQ(View.Errors.size(), 1u);
    EXPECT_EQ(View.Errors[0].rfind("Unable to write to ", 0), 0u);
    EXPECT_NE(Page->Record().Name, "Default User@Somewhere");
    EXPECT_EQ(State().SuDoKuState, sfPlaying); // the clock is not stuck in saving
}

TEST_F(PlayNSolveGame, SixteenBySixteenIsPlayableWithQToW) {
    Page->SuDoKuGridsPopupMenuClick("S4X4");
    ASSERT_EQ(N(), 16);
    EXPECT_EQ(View.GridSize, 16);
    const auto open = OpenCells();
    const char letters[] = "QRSTUVW";
    for (int i = 0; i < 7; ++i) {
        Key(open[i].first, open[i].second, letters[i]);
        EXPECT_EQ(State().CellText(open[i].first, open[i].second), std::to_string(10 + i));
    }
    const auto [c, r] = open[7];
    Key(c, r, 'R', true);
    Key(c, r, '1', true);
    EXPECT_EQ(State().CellText(c, r), "11,1,");
    Key(c, r, '1', true);
    EXPECT_EQ(State().CellText(c, r), "11,");
    View.Col = c;
    View.Row = r;
    Page->SuDoKuGridPopupMenuClick("PG2");
    EXPECT_EQ(State().CellText(c, r), "11,16,");
    EXPECT_EQ(Page->Record().Sn, 11);

    // The strip of a 16-symbol grid divides its width by 16.
    const auto [c2, r2] = open[8];
    View.Col = c2;
    View.Row = r2;
    Page->DisplaySetImgMouseUp(15 * 20 + 3, 320, 1.0, false, false);
    EXPECT_EQ(State().CellText(c2, r2), "16");

    // Alternatives of a 16-symbol grid are shown with the fixed symbols.
    View.Aids |= soAlternatives;
    const auto [c3, r3] = open[9];
    Page->SuDoKuGridSelectCell(c3, r3);
    View.Col = c3;
    View.Row = r3;
    Page->SuDoKuGridSelectCell(c3, r3);
    EXPECT_EQ(View.Alternatives.Caption.rfind("Alternatives\n", 0), 0u);
    EXPECT_EQ(View.Alternatives.Caption.find_first_of("0"), std::string::npos);
}

TEST_F(PlayNSolveGame, AlternativesAreCountedForOpenCellsOnly) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    int gc = 0, gr = 0;
    for (int row = 1; row <= 9 && gc == 0; ++row)
        for (int col = 1; col <= 9 && gc == 0; ++col)
            if (State().IsGiven(col, row)) {
                gc = col;
                gr = row;
            }
    const int before = Page->Record().Sa;
    View.Col = gc;
    View.Row = gr;
    Page->SuDoKuGridSelectCell(gc, gr);
    EXPECT_EQ(View.Alternatives.Caption, "Alternatives");
    EXPECT_EQ(Page->Record().Sa, before);

    const auto [c, r] = OpenCells().front();
    View.Col = c;
    View.Row = r;
    Page->SuDoKuGridSelectCell(c, r);
    EXPECT_EQ(Page->Record().Sa, before + 1);
    EXPECT_EQ(View.Alternatives.Caption,
              "Alternatives\n" + State().AlternativeStrings[CellIndex(c, r)]);
}

// Cells of a solved 9 x 9 grid whose two values can swap without breaking any unit: two rows
// of one band and two columns holding a, b and b, a.
std::vector<int> SwappableRectangle(const TSuDoKuValues& v) {
    for (int r1 = 1; r1 <= 9; ++r1)
        for (int r2 = r1 + 1; r2 <= 9 && (r2 - 1) / 3 == (r1 - 1) / 3; ++r2)
            for (int c1 = 1; c1 <= 9; ++c1)
                for (int c2 = c1 + 1; c2 <= 9; ++c2)
                    if (v[CellIndex(c1, r1)] == v[CellIndex(c2, r2)] &&
                        v[CellIndex(c2, r1)] == v[CellIndex(c1, r2)])
                        return {CellIndex(c1, r1), CellIndex(c2, r1), CellIndex(c1, r2),
                                CellIndex(c2, r2)};
    return {};
}

TEST_F(PlayNSolveGame, PuzzleWithSeveralSolutionsOffersThemInAMenu) {
    // A full grid less one swappable rectangle has exactly two solutions; stored without
    // its solution, the page must offer both.
    std::vector<int> rectangle;
    for (int attempt = 0; attempt < 30 && rectangle.empty(); ++attempt) {
        Page->SuDoKuGridsPopupMenuClick("S3X3");
        rectangle = SwappableRectangle(State().SolutionValues);
    }
    ASSERT_FALSE(rectangle.empty());
    const TSuDoKuGrid& grid = State().Grid();
    TSuDoKuStrings givens{};
    grid.ValuesToStrings(State().SolutionValues, givens);
    for (int index : rectangle)
        givens[static_cast<std::size_t>(index)].clear();
    TSuDoKuFileData rec;
    InitSuDoKuFileData(rec);
    rec.Name = "Default User@Open";
    rec.M2 = grid.StringsToHex(givens);
    rec.S = 1;
    const std::string library = (Dir / "sudoku.dat").string();
    WriteSuDoKuFileData(library, rec.Name, rec);

    Page->PlayNSolveLoad(library, rec.Name);
    ASSERT_EQ(State().SuDoKuState, sfPlaying);
    EXPECT_EQ(Page->Solver().Solutions(), 2);
    EXPECT_EQ(View.SolutionsMenu, 2);
    EXPECT_TRUE(View.Enabled[TPlayControl::Solution]);
    EXPECT_TRUE(Page->SolutionsPopupClick()); // opens the menu instead of acting
    EXPECT_EQ(State().SuDoKuState, sfPlaying);

    Page->SolutionsPopupMenuClick("Solution_x");
    Page->SolutionsPopupMenuClick("Solution_3");
    Page->SolutionsPopupMenuClick("Solution_0");
    EXPECT_EQ(State().SuDoKuState, sfPlaying);

    Page->SolutionsPopupMenuClick("Solution_2");
    EXPECT_EQ(State().SuDoKuState, sfSolved);
    TSuDoKuValues second{};
    grid.HexToValues(Page->Solver().SolutionList()[2], second);
    EXPECT_EQ(State().SolutionValues, second);
    Page->MainTimerTime();
    EXPECT_EQ(View.PlayFace.Caption, "Puzzle Solution");

    // A new shape empties the menu.
    Page->SuDoKuGridsPopupMenuClick("S2X2");
    EXPECT_EQ(View.SolutionsMenu, 0);
    EXPECT_EQ(View.SolutionCaption, "Solution");
}

TEST_F(PlayNSolveGame, ShapeChosenOnTheDesignPageLeavesThePlayGameAlone) {
    Page->SuDoKuGridsPopupMenuClick("S3X3");
    Page->LeavePage();
    View.PlayShowing = false;
    View.DesignShowing = true;
    Page->SuDoKuGridsPopupMenuClick("S4X4");
    EXPECT_EQ(View.NewDesigns, 1);
    EXPECT_EQ(State().SuDoKuState, 0);
    TSuDoKuFileData last;
    ASSERT_TRUE(ReadSuDoKuFileData((Dir / "sudokus.ini").string(), Page->LastSection(), last));
    EXPECT_EQ(last.Nc, 3);
    // An unknown item gives 3 x 3.
    View.PlayShowing = true;
    View.DesignShowing = false;
    Page->SuDoKuGridsPopupMenuClick("S9X9");
    EXPECT_EQ(N(), 9);
}

} // namespace
} // namespace sudoku
