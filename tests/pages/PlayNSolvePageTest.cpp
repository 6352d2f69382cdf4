// Whole games on the Play & Solve page through a fake window: new games, input, hint, errors,
// undo, solution, restart, pause, the clock and its limit, users, saving and loading.
#include "../platform/TestFolder.h"
#include "FakePlayNSolveView.h"
#include "Levels.h"
#include "TCellInput.h"
#include "TPlayNSolvePage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>

namespace sudoku {
namespace {

namespace fs = std::filesystem;
using TCell = std::pair<int, int>;
constexpr double Minute = 1.0 / 1440;

class PlayNSolveGame : public ::testing::Test {
protected:
    void SetUp() override { Page.SetRandom(Random); }

    // Writes a record of the user's into the library and loads it on the page.
    void Load(TSuDoKuFileData rec) {
        rec.Name = "Default User@Stored";
        rec.S = 1;
        WriteSuDoKuFileData(Shared.LibraryFile, rec.Name, rec);
        Page.PlayNSolveLoad(Shared.LibraryFile, rec.Name);
    }
    TPlayState& State() { return Page.State(); }
    const TSuDoKuFileData& Rec() { return Page.Record(); }
    std::string Text(TCell cell) { return State().CellText(cell.first, cell.second); }
    void NewGame(const char* shape = "S3X3") { Page.SuDoKuGridsPopupMenuClick(shape); }
    // Moves the window's selection and tells the page, as a click on the cell does.
    void Select(TCell cell) {
        std::tie(View.Col, View.Row) = cell;
        Page.SuDoKuGridSelectCell(cell.first, cell.second);
    }
    // A key on the cell; what the cell shows then.
    std::string Key(TCell cell, int key, bool ctrl = false) {
        Select(cell);
        Page.SuDoKuGridKeyUp(key, ctrl);
        return Text(cell);
    }
    std::vector<TCell> Cells(bool given) {
        std::vector<TCell> cells;
        for (int row = 1; row <= State().GridSize(); ++row)
            for (int col = 1; col <= State().GridSize(); ++col)
                if (State().IsGiven(col, row) == given)
                    cells.emplace_back(col, row);
        return cells;
    }
    int Solution(TCell cell) { return State().SolutionValues[CellIndex(cell.first, cell.second)]; }
    // The key of the cell's solution value, and of a value that is not.
    int Right(TCell cell) { return '0' + Solution(cell); }
    int Wrong(TCell cell) { return '0' + Solution(cell) % State().GridSize() + 1; }
    static std::string Typed(int key) { return std::string(1, static_cast<char>(key)); }
    // The main timer fires the given time later; the caption it leaves.
    const std::string& Tick(double minutes) {
        View.Clock += minutes * Minute;
        Page.MainTimerTime();
        return View.PlayFace.Caption;
    }

    test::TTestFolder Dir;
    TDefaultRandom Random{20261206};
    TSharedState Shared =
        FakeSharedState(Dir.File("sudoku.dat"), Dir.File("sudokus.ini"), "Default User");
    FakePlayNSolveView View;
    TPlayNSolvePage Page{View, View, Shared};
};

TEST_F(PlayNSolveGame, NewGameThinksRefusingClicksThenShowsTheGivensItsLevelLeaves) {
    int ticks = 0;
    View.OnProcessMessages = [&] {
        if (!HasFlag(State().SuDoKuState, sfThinking) || ticks++ >= 3)
            return;
        Page.MainTimerTime();
        Page.PlayNSolveNewBtnClick(); // refused: still one generation
        NewGame("S4X4");              // refused: the shape stays
        Page.PlayNSolveRestartBtnClick();
    };
    for (int level = 0; level < LevelCount; ++level) {
        SCOPED_TRACE(level);
        Shared.Options.Level = level;
        ticks = 0;
        NewGame();
        EXPECT_EQ(Page.Clock().PlayFace.Caption.rfind("Thinking", 0), 0u);
        ASSERT_EQ(State().SuDoKuState, sfPlaying);
        EXPECT_EQ(View.GridSize, 9);
        EXPECT_EQ(Rec().Sr, 0);
        EXPECT_EQ(Rec().L, level);
        // The board shows exactly the givens, as many as the level leaves; Expert stops where
        // no more cell can go, which still leaves a Skilled game at least.
        EXPECT_EQ(State().Cells, State().GivenStrings);
        const int rating = RateEmptyCells(9, static_cast<int>(Cells(false).size()));
        EXPECT_TRUE(rating == level || (level == ExpertLevel && rating == 2)) << rating;
    }
}

TEST_F(PlayNSolveGame, KeysMenuAndStripChangeOpenCellsOnlyWhileTheGameRuns) {
    NewGame();
    const auto open = Cells(false);
    const TCell given = Cells(true).front(), a = open[0], b = open[1];
    const std::string text = Text(given);
    for (const auto& [key, ctrl] : {std::pair{vk::Delete, false}, {'1', true}, {vk::Pause, false}})
        EXPECT_EQ(Key(given, key, ctrl), text); // not even the pause key on a given
    EXPECT_FALSE(View.PopupAllowed);
    // Selecting an open cell shows its alternatives and counts them.
    const int shown = Rec().Sa;
    Select(a);
    EXPECT_TRUE(View.PopupAllowed);
    EXPECT_EQ(Rec().Sa, shown + 1);
    EXPECT_EQ(Key(a, Wrong(a)), Typed(Wrong(a)));
    Key(a, Wrong(a));                               // the same value again: no change
    EXPECT_EQ(Key(a, vk::Numpad1 + 2, true), "3,"); // Ctrl drops the value, starts the notes
    Select(b);
    Page.SuDoKuGridPopupMenuClick("P22");
    EXPECT_EQ(Text(b), "2,");
    Page.DisplaySetImgMouseUp(27 * 3 + 5, 255, 1.0, false, false); // the fourth symbol
    EXPECT_EQ(Text(b), "4");
    EXPECT_EQ(Rec().Sn, 4);
    // Paused, the cells take nothing.
    Key(b, vk::Pause);
    EXPECT_EQ(State().SuDoKuState, sfPlaying | sfPaused);
    Page.SuDoKuGridPopupMenuClick("N31");
    EXPECT_EQ(Key(b, '3'), "4");
    EXPECT_FALSE(View.PopupAllowed);
    Page.PlayNSolvePauseBtnClick();
    // The last right value ends the game; the next tick says so, and keys do nothing more.
    for (const TCell& cell : open) {
        EXPECT_EQ(State().SuDoKuState, sfPlaying);
        Key(cell, Right(cell));
    }
    EXPECT_EQ(State().PlayNSolveStatus, psOver);
    EXPECT_EQ(Tick(1.0 / 60), "Puzzle Solved!");
    EXPECT_EQ(Key(a, Wrong(a)), Typed(Right(a)));
}

TEST_F(PlayNSolveGame, HintFillsAnOpenCellWithABlinkThatUndoTakesBack) {
    NewGame();
    // Every open cell but one holds a value, the last one notes: the hint must pick it.
    const auto open = Cells(false);
    for (std::size_t i = 0; i + 1 < open.size(); ++i)
        State().SetCellText(open[i].first, open[i].second, Typed(Wrong(open[i])));
    const TCell cell = open.back();
    Key(cell, '1', true);
    const std::string notes = Key(cell, '2', true);
    const int entries = Rec().Sn;
    std::vector<TSuDoKuState> states;
    View.OnRepaint = [&] { states.push_back(State().SuDoKuState); };
    Page.PlayNSolveHintBtnClick();
    EXPECT_EQ(Text(cell), std::to_string(Solution(cell)));
    EXPECT_EQ(Rec().Sn, entries);
    // Blinks go through the window's repaint and delay, never a real wait.
    EXPECT_EQ(states.size(), 8u);
    EXPECT_EQ(View.DelayedMs, 4 * 300);
    EXPECT_FALSE(HasFlag(State().SuDoKuState, sfHinting));
    Page.PlayNSolveUndoBtnClick();
    EXPECT_EQ(Text(cell), notes);
    EXPECT_EQ(View.DelayedMs, 8 * 300);
    // An empty cell is open as well.
    EXPECT_EQ(Key(cell, vk::Delete), "");
    Page.PlayNSolveHintBtnClick();
    EXPECT_EQ(Text(cell), std::to_string(Solution(cell)));
    EXPECT_EQ(Rec().Sh, 2);
}

TEST_F(PlayNSolveGame, TimeLimitTurnsThePieRedAndEndsTheGameOnlyWhenTicked) {
    Shared.ShownAids = soHints | soTimeLimited;
    Shared.Options.TimeLimit = 2.0 + 30 * Minute; // the picker's day part is dropped
    NewGame();
    Tick(29);
    EXPECT_TRUE(View.PlayFace.GaugeRed);
    Tick(1);
    EXPECT_EQ(State().SuDoKuState, sfPlaying); // exactly at the limit the game goes on
    Tick(1.0 / 60);
    EXPECT_EQ(State().SuDoKuState, sfSolved);
}

TEST_F(PlayNSolveGame, PauseStopsTheClockAndAGameLeftOrOfAnotherUserIsKept) {
    NewGame("S2X3");
    const TCell cell = Cells(false).front();
    Key(cell, '3', true);
    Tick(3);
    Page.PlayNSolvePauseBtnClick();
    EXPECT_EQ(State().PlayNSolveStatus, psPaused);
    EXPECT_EQ(Tick(20), "Pausing");
    Page.PlayNSolvePauseBtnClick();
    EXPECT_EQ(Tick(1), "Time 04:00");
    // A paused game left on a page change comes back paused, with one more pause.
    Page.PlayNSolvePauseBtnClick();
    Page.LeavePage();
    Page.RestoreLastGame();
    EXPECT_EQ(State().SuDoKuState, sfPlaying | sfPaused);
    EXPECT_EQ(Rec().Sp, 3);
    EXPECT_EQ(Text(cell), "3,");
    Page.PlayNSolvePauseBtnClick();
    // Another login is handed over while the old user still holds, and that tick ends there.
    std::string savedFor;
    Page.CurrentLoginName = [] { return "ann"; };
    Page.UserChanged = [&](const std::string&) { savedFor = Shared.UserName; };
    EXPECT_EQ(Tick(3), "Time 04:00");
    EXPECT_EQ(savedFor, "Default User");
    EXPECT_EQ(Page.LastSection(), "ann.Last_PlayNSolve");
}

// A stored game's counters may stand at the top of their range: playing on keeps them there.
// Restart takes back the moves of the game before it, and with no game it does nothing.
TEST_F(PlayNSolveGame, CountersAtTheTopOfTheirRangeStayThereAndRestartStartsAfresh) {
    constexpr std::int32_t Top = std::numeric_limits<std::int32_t>::max();
    NewGame();
    Page.PlayNSolveSave(Shared.LibraryFile, "Default User@Stored", false);
    TSuDoKuFileData rec;
    ASSERT_TRUE(ReadSuDoKuFileData(Shared.LibraryFile, "Default User@Stored", rec));
    for (std::int32_t* counter : {&rec.Sn, &rec.Sp, &rec.Sh, &rec.Se, &rec.Sr, &rec.Sa})
        *counter = Top;
    Load(rec);
    const TCell cell = Cells(false).front();
    Key(cell, Wrong(cell)); // an entry, and the alternatives of the cell shown
    Page.PlayNSolveErrorsBtnClick();
    Page.PlayNSolveHintBtnClick();
    Page.PlayNSolvePauseBtnClick();
    Page.PlayNSolvePauseBtnClick();
    Page.PlayNSolveRestartBtnClick();
    for (std::int32_t counter : {Rec().Sn, Rec().Sp, Rec().Sh, Rec().Se, Rec().Sr, Rec().Sa})
        EXPECT_EQ(counter, Top);
    EXPECT_EQ(Text(cell), "");
    EXPECT_FALSE(View.Enabled[TPlayControl::Undo]);

    // A record of no known shape is not played.
    std::tie(rec.Nc, rec.Nr, rec.M1) = std::tuple(5, 5, std::string(2 * 25 * 25, '1'));
    Load(rec);
    Page.PlayNSolveRestartBtnClick();
    EXPECT_EQ(State().SuDoKuState, 0);
    EXPECT_EQ(State().GridSize(), 9);
}

TEST_F(PlayNSolveGame, SaveAsksForANameAndGuardsExistingRecords) {
    NewGame();
    const std::string shown = DisplayNameOf(Rec().Name);
    const auto storedEntries = [this](const std::string& name) {
        TSuDoKuFileData rec;
        EXPECT_TRUE(ReadSuDoKuFileData(Shared.LibraryFile, "Default User@" + name, rec)) << name;
        return rec.Sn;
    };
    // New names are taken without a question; the last one becomes the record's.
    View.EditAnswers = {"  " + shown + " ", "Morning game"};
    Page.PlayNSolveSaveBtnClick();
    EXPECT_EQ(storedEntries(shown), 0);
    Page.PlayNSolveSaveBtnClick();
    EXPECT_EQ(View.FileName, "Morning game");
    // An existing name answered "No": nothing written, the name stays; "Yes" overwrites.
    const TCell cell = Cells(false).front();
    Key(cell, Wrong(cell));
    for (const bool overwrite : {false, true}) {
        View.EditAnswers = {shown};
        View.MsgAnswers = {overwrite};
        Page.PlayNSolveSaveBtnClick();
        EXPECT_EQ(View.Prompts.back(),
                  "\"" + shown + "\" already exists, overwrite existing SuDoKu?");
        EXPECT_EQ(storedEntries(shown), overwrite ? 1 : 0);
        EXPECT_EQ(Rec().Name, "Default User@" + (overwrite ? shown : "Morning game"));
    }
    // A name that would break the file's section headers is refused.
    View.EditAnswers = {"bad]name"};
    Page.PlayNSolveSaveBtnClick();
    EXPECT_FALSE(SectionExistsInFile(Shared.LibraryFile, "Default User@bad]name"));

    // A folder where the library should be: reported, and the clock is not stuck in saving.
    fs::remove(Shared.LibraryFile);
    fs::create_directories(Shared.LibraryFile);
    View.EditAnswers = {"Somewhere"};
    Page.PlayNSolveSaveBtnClick();
    ASSERT_EQ(View.Errors.size(), 1u);
    EXPECT_EQ(View.Errors[0].rfind("Unable to write to ", 0), 0u);
    EXPECT_EQ(State().SuDoKuState, sfPlaying);
}

TEST_F(PlayNSolveGame, SolutionActsAtOnceOrOffersTheSolutionsInAMenu) {
    NewGame();
    const TCell cell = Cells(false).front();
    Key(cell, Wrong(cell));
    Key(Cells(false)[1], '4', true);
    EXPECT_FALSE(Page.SolutionsPopupClick()); // one solution: shown at once
    EXPECT_EQ(State().SuDoKuState, sfSolved);
    EXPECT_EQ(Text(cell), Typed(Wrong(cell))); // entries stay, notes go
    EXPECT_EQ(Text(Cells(false)[1]), "");
    // The solution less its top band leaves more ways to fill it than the menu's ten items.
    TSuDoKuStrings givens{};
    State().Grid().ValuesToStrings(State().SolutionValues, givens);
    for (int index = 0; index < 3 * 9; ++index)
        givens[CellIndex(index % 9 + 1, index / 9 + 1)].clear();
    TSuDoKuFileData rec;
    InitSuDoKuFileData(rec);
    rec.M2 = State().Grid().StringsToHex(givens);
    Load(rec);
    EXPECT_EQ(View.SolutionsMenu, 10);
    EXPECT_EQ(View.SolutionCaption, "Solution [10+]");
    EXPECT_TRUE(Page.SolutionsPopupClick()); // opens the menu instead of acting
    for (const char* refused : {"Solution_x", "Solution_99", "Solution_0"})
        Page.SolutionsPopupMenuClick(refused);
    EXPECT_EQ(State().SuDoKuState, sfPlaying);
    Page.SolutionsPopupMenuClick("Solution_2");
    EXPECT_EQ(State().SuDoKuState, sfSolved);
    TSuDoKuValues second{};
    State().Grid().HexToValues(Page.Solver().SolutionList()[2], second);
    EXPECT_EQ(State().SolutionValues, second);
    NewGame(); // a new game empties the menu
    EXPECT_EQ(View.SolutionCaption, "Solution");
}

} // namespace
} // namespace sudoku
