// Whole games on the Play & Solve page through a fake window: new games at every level, input
// by keys, menu and strip, undo, hint, errors, solution, restart, pause, the clock, saving
// into the library and the last game kept across page changes and program restarts.
#include "FakePlayNSolveView.h"
#include "Levels.h"
#include "RandomStateMaker.h"
#include "TCellInput.h"
#include "TPlayNSolvePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

namespace sudoku {
namespace {

namespace fs = std::filesystem;
using TCell = std::pair<int, int>;
constexpr double Minute = 1.0 / 1440;

class PlayNSolveGame : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = fs::temp_directory_path() /
              ("playnsolve-" +
               std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(Dir);
        fs::create_directories(Dir);
        Shared = MakeShared();
        Page = MakePage(View, Shared);
    }
    void TearDown() override { fs::remove_all(Dir); }

    // What a window starting afresh shares with its pages.
    TSharedState MakeShared() const {
        return FakeSharedState(Library(), Settings(), "Default User");
    }
    std::unique_ptr<TPlayNSolvePage> MakePage(FakePlayNSolveView& view, TSharedState& shared) {
        auto page = std::make_unique<TPlayNSolvePage>(view, view, shared);
        page->SetRandom(Random);
        return page;
    }
    std::string Library() const { return (Dir / "sudoku.dat").string(); }
    std::string Settings() const { return (Dir / "sudokus.ini").string(); }
    // Writes a record of the user's into the library and loads it on the page.
    void Load(TSuDoKuFileData rec) {
        rec.Name = "Default User@Stored";
        rec.S = 1;
        WriteSuDoKuFileData(Library(), rec.Name, rec);
        Page->PlayNSolveLoad(Library(), rec.Name);
    }

    TPlayState& State() { return Page->State(); }
    int N() { return State().GridSize(); }
    std::string Text(TCell cell) { return State().CellText(cell.first, cell.second); }

    void NewGame(const char* shape = "S3X3") { Page->SuDoKuGridsPopupMenuClick(shape); }
    // Moves the window's selection and tells the page, as a click on the cell does.
    void Select(TCell cell) {
        View.Col = cell.first;
        View.Row = cell.second;
        Page->SuDoKuGridSelectCell(cell.first, cell.second);
    }
    // A key or a popup item on the cell; what the cell shows then.
    std::string Key(TCell cell, int key, bool ctrl = false) {
        Select(cell);
        Page->SuDoKuGridKeyUp(key, ctrl);
        return Text(cell);
    }
    std::string Menu(TCell cell, const char* item) {
        Select(cell);
        Page->SuDoKuGridPopupMenuClick(item);
        return Text(cell);
    }

    std::vector<TCell> Cells(bool given) {
        std::vector<TCell> cells;
        for (int row = 1; row <= N(); ++row)
            for (int col = 1; col <= N(); ++col)
                if (State().IsGiven(col, row) == given)
                    cells.emplace_back(col, row);
        return cells;
    }
    std::vector<TCell> OpenCells() { return Cells(false); }
    int Solution(TCell cell) { return State().SolutionValues[CellIndex(cell.first, cell.second)]; }
    // The key of the cell's solution value, and of a value that is not.
    int Right(TCell cell) { return '0' + Solution(cell); }
    int Wrong(TCell cell) { return '0' + Solution(cell) % N() + 1; }
    static std::string Typed(int key) { return std::string(1, static_cast<char>(key)); }

    // The main timer fires the given time later; the caption it leaves.
    const std::string& Tick(double minutes) {
        View.Clock += minutes * Minute;
        Page->MainTimerTime();
        return View.PlayFace.Caption;
    }

    fs::path Dir;
    TDefaultRandom Random{20261206};
    TSharedState Shared;
    FakePlayNSolveView View;
    std::unique_ptr<TPlayNSolvePage> Page;
};

TEST_F(PlayNSolveGame, NewNineByNineGivesTheLevelsCountOfGivens) {
    for (int level = 0; level < LevelCount; ++level) {
        SCOPED_TRACE(level);
        Shared.Options.Level = level;
        NewGame();
        ASSERT_EQ(State().SuDoKuState, sfPlaying);
        EXPECT_EQ(State().PlayNSolveStatus, psInProgress);
        EXPECT_EQ(View.GridSize, 9);
        const int empty = static_cast<int>(OpenCells().size());
        const int target = CarvingTarget(9, level);
        EXPECT_LE(empty, target);
        // Expert aims at more empty cells than a unique puzzle often allows; the carving
        // then stops where no cell can go, still beyond what a Skilled game leaves open.
        const int floor = level == ExpertLevel ? CarvingTarget(9, 2) - CarvingSpread(9) + 1
                          : CarvingTargetIsReduced(9, level) ? target - CarvingSpread(9) + 1
                                                             : target;
        EXPECT_GE(empty, floor) << "carving stopped short of its target";
        // The board shows exactly the givens, each one the solution's value.
        EXPECT_EQ(State().Cells, State().GivenStrings);
        EXPECT_EQ(std::ranges::count_if(State().GivenStrings, [](auto& g) { return !g.empty(); }),
                  81 - empty);
        EXPECT_EQ(Page->Record().L, level);
        EXPECT_EQ(Page->Record().O, orGenerated);
        EXPECT_EQ(Page->Record().Name.rfind("Default User@December 5 2026 12:00:00", 0), 0u);
        EXPECT_EQ(View.LevelCaption, "Level " + View.OptionsLevelText(level));
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
        Page->PlayNSolveNewBtnClick(); // refused: still one generation
        NewGame("S4X4");               // refused: the shape stays
        Page->PlayNSolveRestartBtnClick();
    };
    Shared.Options.Level = 3;
    NewGame();
    EXPECT_EQ(seen, sfThinking);
    EXPECT_GE(ticks, 1);
    EXPECT_EQ(View.GridSize, 9);
    EXPECT_EQ(State().SuDoKuState, sfPlaying);
    EXPECT_EQ(Page->Record().Sr, 0);
    EXPECT_EQ(Page->Clock().PlayFace.Caption.rfind("Thinking", 0), 0u);
}

TEST_F(PlayNSolveGame, KeysMenuAndStripChangeCellsAndCountEntriesAndAlternatives) {
    NewGame();
    const auto open = OpenCells();
    const TCell a = open[0], b = open[1], c = open[2];
    // Selecting a cell shows its alternatives; only those of open cells are counted.
    const int shownAlternatives = Page->Record().Sa;
    Select(Cells(true).front());
    EXPECT_EQ(View.Alternatives.Caption, "Alternatives");
    EXPECT_EQ(Page->Record().Sa, shownAlternatives);
    Select(a);
    EXPECT_EQ(Page->Record().Sa, shownAlternatives + 1);
    EXPECT_EQ(View.Alternatives.Caption,
              "Alternatives\n" + State().AlternativeStrings[CellIndex(a.first, a.second)]);

    EXPECT_EQ(Key(a, Wrong(a)), Typed(Wrong(a)));
    Key(a, Wrong(a)); // the same value again: no change
    EXPECT_EQ(Page->Record().Sn, 1);
    EXPECT_EQ(State().MoveHistory.Text(),
              std::to_string(a.first) + "," + std::to_string(a.second) + "=|");
    EXPECT_TRUE(View.Enabled[TPlayControl::Undo]);

    // Ctrl on a cell holding a value drops it and starts the notes.
    const std::pair<int, const char*> notes[] = {
        {'5', "5,"}, {vk::Numpad1 + 2, "5,3,"}, {'5', "3,"}};
    for (const auto& [key, text] : notes)
        EXPECT_EQ(Key(a, key, true), text);
    const std::pair<const char*, const char*> items[] = {{"N71", "7"}, {"P22", "2,"}, {"N01", ""}};
    for (const auto& [item, text] : items)
        EXPECT_EQ(Menu(b, item), text) << item;

    Select(c);
    Page->DisplaySetImgMouseUp(27 * 3 + 5, 255, 1.0, false, false); // the fourth symbol
    EXPECT_EQ(Text(c), "4");
    Page->DisplaySetImgMouseUp(27 * 5 + 1, 255, 1.0, false, true);
    EXPECT_EQ(Text(c), "6,");
    // Shift highlights without touching the cell; the next status update forgets it.
    Page->DisplaySetImgMouseUp(27 * 8, 255, 1.0, true, false);
    EXPECT_EQ(State().HighlightValue, 9);
    EXPECT_EQ(Text(c), "6,");
    Page->SuDoKuGridMouseUp();
    EXPECT_EQ(State().HighlightValue, 0);

    EXPECT_EQ(Page->Record().Sn, 9);
    EXPECT_FALSE(State().AlternativeStrings[CellIndex(c.first, c.second)].empty());
}

TEST_F(PlayNSolveGame, GivensPausedAndFinishedGamesIgnoreKeys) {
    NewGame();
    const TCell given = Cells(true).front();
    const std::string text = Text(given);
    for (const auto& [key, ctrl] : {std::pair{vk::Delete, false}, {'1', true}, {vk::Pause, false}})
        EXPECT_EQ(Key(given, key, ctrl), text); // not even the pause key on a given
    EXPECT_FALSE(View.PopupAllowed);
    EXPECT_FALSE(HasFlag(State().SuDoKuState, sfPaused));

    const TCell open = OpenCells().front();
    Select(open);
    EXPECT_TRUE(View.PopupAllowed);
    Key(open, vk::Pause);
    EXPECT_EQ(State().SuDoKuState, sfPlaying | sfPaused);
    Key(open, '3');
    EXPECT_EQ(Menu(open, "N31"), "");
    EXPECT_FALSE(View.PopupAllowed);
    EXPECT_FALSE(View.Enabled[TPlayControl::Undo]);

    Page->PlayNSolvePauseBtnClick();
    Page->PlayNSolveSolutionBtnClick();
    EXPECT_EQ(Key(open, '3'), "");
    EXPECT_EQ(Page->Record().Sn, 0);
}

TEST_F(PlayNSolveGame, UndoRestoresNotesExactlyAndTakesNoRealTime) {
    NewGame();
    const TCell cell = OpenCells().front();
    for (int key : {'3', '7', '1'})
        Key(cell, key, true);
    ASSERT_EQ(Text(cell), "3,7,1,");
    Key(cell, '5');
    const int entries = Page->Record().Sn;
    std::vector<std::string> shown;
    View.OnRepaint = [&] { shown.push_back(Text(cell)); };
    Page->PlayNSolveUndoBtnClick();
    EXPECT_EQ(Text(cell), "3,7,1,");
    // The blink replay goes through the window's repaint and its delay, not a real wait.
    EXPECT_EQ(View.DelayedMs, 4 * (100 + 200));
    ASSERT_EQ(shown.size(), 8u);
    EXPECT_EQ(shown[0], "5");
    EXPECT_EQ(shown[1], "3,7,1,");
    EXPECT_EQ(Page->Record().Sn, entries);
    for (int i = 0; i < 3; ++i)
        Page->PlayNSolveUndoBtnClick();
    EXPECT_EQ(Text(cell), "");
    EXPECT_FALSE(View.Enabled[TPlayControl::Undo]);
    Page->PlayNSolveUndoBtnClick(); // nothing left: nothing changes
    EXPECT_EQ(Text(cell), "");
}

TEST_F(PlayNSolveGame, HintFillsTheOpenCellAndErrorsMarkUntilTheBoardChanges) {
    NewGame();
    std::vector<TSuDoKuState> states;
    View.OnRepaint = [&] { states.push_back(State().SuDoKuState); };
    Page->PlayNSolveErrorsBtnClick();
    ASSERT_EQ(states.size(), 1u);
    EXPECT_TRUE(HasFlag(states[0], sfShowErrors));
    EXPECT_TRUE(HasFlag(State().SuDoKuState, sfShowErrors));
    EXPECT_EQ(Page->Record().Se, 1);
    View.OnRepaint = nullptr;

    // Every open cell but one holds a value, the last one notes: the hint must pick it.
    const auto open = OpenCells();
    for (std::size_t i = 0; i + 1 < open.size(); ++i)
        State().SetCellText(open[i].first, open[i].second, Typed(Wrong(open[i])));
    const TCell cell = open.back();
    Key(cell, '1', true);
    EXPECT_FALSE(HasFlag(State().SuDoKuState, sfShowErrors));
    const std::string notes = Key(cell, '2', true);
    const int entries = Page->Record().Sn;
    Page->PlayNSolveHintBtnClick();
    EXPECT_EQ(Text(cell), std::to_string(Solution(cell)));
    EXPECT_EQ(Page->Record().Sh, 1);
    EXPECT_EQ(Page->Record().Sn, entries);
    EXPECT_EQ(View.DelayedMs, 4 * 300);
    EXPECT_FALSE(HasFlag(State().SuDoKuState, sfHinting));
    Page->PlayNSolveUndoBtnClick();
    EXPECT_EQ(Text(cell), notes);

    // With no open cell left the hint changes nothing.
    const std::string wrong = Typed(Wrong(cell));
    State().SetCellText(cell.first, cell.second, wrong);
    const std::string history = State().MoveHistory.Text();
    Page->PlayNSolveHintBtnClick();
    EXPECT_EQ(Text(cell), wrong);
    EXPECT_EQ(State().MoveHistory.Text(), history);
    EXPECT_EQ(Page->Record().Sh, 1);
}

TEST_F(PlayNSolveGame, FinishingTheGridEndsTheGameAndTheNextTickSaysSolved) {
    NewGame();
    const auto open = OpenCells();
    for (std::size_t i = 0; i + 1 < open.size(); ++i)
        Key(open[i], Right(open[i]));
    EXPECT_EQ(State().SuDoKuState, sfPlaying);
    Key(open.back(), Right(open.back()));
    EXPECT_EQ(State().SuDoKuState, sfSolved);
    EXPECT_EQ(State().PlayNSolveStatus, psOver);
    EXPECT_FALSE(View.Enabled[TPlayControl::Hint]);
    EXPECT_TRUE(View.Enabled[TPlayControl::Restart]);
    EXPECT_EQ(Tick(1.0 / 60), "Puzzle Solved!");
    EXPECT_FALSE(View.PlayFace.GaugeVisible);
}

TEST_F(PlayNSolveGame, SolutionKeepsEntriesDropsNotesAndRestartResetsTheClock) {
    NewGame();
    const auto open = OpenCells();
    const auto play = [&] {
        Key(open[0], Wrong(open[0]));
        Key(open[1], '4', true);
    };
    play();
    Key(open[2], Right(open[2]));
    Tick(10);
    Page->PlayNSolveRestartBtnClick(); // during play the time played stays
    EXPECT_NEAR(Page->Record().Tpt, 10 * Minute, 1e-9);
    EXPECT_EQ(Text(open[2]), "");
    EXPECT_EQ(Page->Record().Sr, 1);

    play();
    Tick(5);
    EXPECT_FALSE(Page->SolutionsPopupClick());
    EXPECT_EQ(State().SuDoKuState, sfSolved);
    EXPECT_EQ(Text(open[0]), Typed(Wrong(open[0])));
    EXPECT_EQ(Text(open[1]), "");
    EXPECT_GT(State().SuDoKuGridErrorCount(), 0);
    EXPECT_TRUE(State().MoveHistory.IsEmpty());
    EXPECT_FALSE(View.Enabled[TPlayControl::Undo]);
    EXPECT_EQ(Tick(1), "Puzzle Solution");
    EXPECT_NEAR(Page->Record().Tpt, 15 * Minute, 1e-9);

    Page->PlayNSolveRestartBtnClick();
    EXPECT_EQ(State().SuDoKuState, sfPlaying);
    EXPECT_EQ(Page->Record().Tpt, 0);
    EXPECT_EQ(Page->Record().Tpts, View.Clock);
    EXPECT_EQ(Page->Record().Sr, 2);
    for (const TCell& cell : open)
        EXPECT_EQ(Text(cell), "");
    EXPECT_EQ(Tick(2), "Time 02:00");
}

TEST_F(PlayNSolveGame, ClockShowsMinutesOfTheHourAndHonoursTheTimeLimit) {
    Shared.ShownAids = soHints | soErrors;
    NewGame();
    EXPECT_EQ(Tick(75), "Time 15:00");
    EXPECT_FALSE(View.PlayFace.GaugeRed);

    Shared.ShownAids = soHints | soTimeLimited;
    Shared.Options.TimeLimit = 2.0 + 30 * Minute; // the picker's day part is dropped
    NewGame();
    EXPECT_NEAR(Page->Record().Tptm, 30 * Minute, 1e-9);
    Tick(29);
    EXPECT_TRUE(View.PlayFace.GaugeRed);
    Tick(1);
    EXPECT_EQ(State().SuDoKuState, sfPlaying); // exactly at the limit the game goes on
    Tick(1.0 / 60);
    EXPECT_EQ(State().SuDoKuState, sfSolved);
    EXPECT_EQ(Tick(1.0 / 60), "Puzzle Solution");
}

TEST_F(PlayNSolveGame, GameSurvivesPausePageChangesAndClosingTheProgram) {
    Shared.Options.Level = 2;
    NewGame("S2X3");
    const auto open = OpenCells();
    Key(open[0], '3', true);
    Key(open[0], '1', true);
    Key(open[1], Right(open[1]));
    Tick(3);
    Page->PlayNSolvePauseBtnClick();
    EXPECT_EQ(View.PlayFace.Caption, "Pausing");
    EXPECT_EQ(View.PauseTag, 531);
    EXPECT_EQ(State().PlayNSolveStatus, psPaused);
    EXPECT_FALSE(View.Enabled[TPlayControl::Grid]);
    EXPECT_EQ(Tick(20), "Pausing");
    EXPECT_FALSE(View.PlayFace.GaugeVisible);
    Page->PlayNSolvePauseBtnClick();
    EXPECT_EQ(View.PlayFace.Caption, "Time 03:00");
    EXPECT_EQ(View.PauseTag, 530);
    EXPECT_EQ(Tick(1), "Time 04:00");
    EXPECT_EQ(Page->Record().Sp, 1);

    // A paused game left on a page change comes back paused, with one more pause.
    Page->PlayNSolvePauseBtnClick();
    const TSuDoKuStrings cells = State().Cells;
    const std::string history = State().MoveHistory.Text();
    Page->LeavePage();
    EXPECT_EQ(State().SuDoKuState, 0);
    Page->RestoreLastGame();
    EXPECT_EQ(State().SuDoKuState, sfPlaying | sfPaused);
    EXPECT_EQ(Page->Record().Sp, 3);
    EXPECT_EQ(State().Cells, cells);
    EXPECT_EQ(State().MoveHistory.Text(), history);
    EXPECT_EQ(View.PlayFace.Caption, "Pausing");
    Page->PlayNSolvePauseBtnClick();
    EXPECT_EQ(View.PlayFace.Caption, "Time 04:00");

    // Closing saves the game with the settings; the next start goes on from its stored time.
    EXPECT_EQ(Tick(3), "Time 07:00");
    Page->SaveLastGame();
    EXPECT_EQ(State().SuDoKuState, sfPlaying);
    FakePlayNSolveView reopened;
    reopened.Clock = View.Clock + 60;
    TSharedState reopenedShared = MakeShared();
    auto page = MakePage(reopened, reopenedShared);
    page->RestoreLastGame();
    EXPECT_EQ(page->State().SuDoKuState, sfPlaying);
    EXPECT_EQ(page->State().GridSize(), 6);
    EXPECT_EQ(reopened.GridSize, 6);
    EXPECT_EQ(page->State().Cells, cells);
    EXPECT_EQ(page->State().SolutionValues, State().SolutionValues);
    EXPECT_EQ(page->Record().Sn, 3);
    EXPECT_EQ(page->Record().Name, Page->Record().Name);
    EXPECT_NEAR(page->Record().Tpt, 7 * Minute, 1.0 / 86400);
    EXPECT_EQ(reopened.LevelCaption, "Level Skilled");
    EXPECT_EQ(reopened.FileName, DisplayNameOf(Page->Record().Name));
    reopened.Clock += Minute;
    page->MainTimerTime();
    EXPECT_EQ(reopened.PlayFace.Caption, "Time 08:00");
    // Undo still knows the notes.
    page->PlayNSolveUndoBtnClick();
    page->PlayNSolveUndoBtnClick();
    EXPECT_EQ(page->State().CellText(open[0].first, open[0].second), "3,");
}

TEST_F(PlayNSolveGame, ChangedLoginSavesUnderTheOldUserAndSkipsTheTick) {
    NewGame();
    std::string login = "Default User";
    std::vector<std::string> savedFor;
    Page->CurrentLoginName = [&login] { return login; };
    Page->UserChanged = [&](const std::string& newName) {
        savedFor.push_back(Shared.UserName);
        Page->SaveLastGame();
        savedFor.push_back(newName);
    };
    EXPECT_EQ(Tick(2), "Time 02:00");
    login = "ann";
    EXPECT_EQ(Tick(3), "Time 02:00"); // the rest of that tick is skipped
    EXPECT_EQ(savedFor, (std::vector<std::string>{"Default User", "ann"}));
    EXPECT_EQ(Page->LastSection(), "ann.Last_PlayNSolve");
    EXPECT_TRUE(SectionExistsInFile(Settings(), "Default User.Last_PlayNSolve"));
    EXPECT_EQ(Tick(1), "Time 06:00");
}

TEST_F(PlayNSolveGame, MissingLastGameOrUnknownShapeLeavesAnEmptyPage) {
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

    for (const auto& [cols, rows] : {TCell{5, 5}, TCell{0, 3}, TCell{-2, 4}}) {
        TSuDoKuFileData rec;
        InitSuDoKuFileData(rec);
        rec.Nc = cols;
        rec.Nr = rows;
        rec.M1 = std::string(2 * 25 * 25, '1');
        Load(rec);
        EXPECT_EQ(State().SuDoKuState, 0) << cols << " x " << rows;
        EXPECT_EQ(N(), 9);
    }
}

// A stored game's counters may stand at the top of their range: playing on keeps them there.
TEST_F(PlayNSolveGame, CountersAtTheTopOfTheirRangeStayThere) {
    constexpr std::int32_t Top = std::numeric_limits<std::int32_t>::max();
    NewGame();
    const std::string section = "Default User@Stored";
    Page->PlayNSolveSave(Library(), section, false);
    TSuDoKuFileData rec;
    ASSERT_TRUE(ReadSuDoKuFileData(Library(), section, rec));
    for (std::int32_t* counter : {&rec.Sn, &rec.Sp, &rec.Sh, &rec.Se, &rec.Sr, &rec.Sa})
        *counter = Top;
    Load(rec);
    ASSERT_EQ(State().SuDoKuState, sfPlaying);
    const TCell cell = OpenCells().front();
    Key(cell, Wrong(cell)); // an entry, and the alternatives of the cell shown
    Page->PlayNSolveErrorsBtnClick();
    Page->PlayNSolveHintBtnClick();
    Page->PlayNSolvePauseBtnClick();
    Page->PlayNSolvePauseBtnClick();
    Page->PlayNSolveRestartBtnClick();
    const TSuDoKuFileData& after = Page->Record();
    for (std::int32_t counter : {after.Sn, after.Sp, after.Sh, after.Se, after.Sr, after.Sa})
        EXPECT_EQ(counter, Top);
}

TEST_F(PlayNSolveGame, SaveAsksForANameAndGuardsExistingRecords) {
    NewGame();
    const std::string shown = DisplayNameOf(Page->Record().Name);
    const auto stored = [this](const std::string& name) {
        TSuDoKuFileData rec;
        EXPECT_TRUE(ReadSuDoKuFileData(Library(), "Default User@" + name, rec)) << name;
        return rec;
    };

    // Cancelled: nothing written.
    Page->PlayNSolveSaveBtnClick();
    EXPECT_EQ(View.EditDefaults.back(), shown);
    EXPECT_FALSE(fs::exists(Library()));

    // The name it already has: written under it without a question.
    View.EditAnswers = {"  " + shown + " "};
    Page->PlayNSolveSaveBtnClick();
    EXPECT_TRUE(SectionExistsInFile(Library(), "Default User@" + shown));

    // A new name: the record takes it.
    View.EditAnswers = {"Morning game"};
    Page->PlayNSolveSaveBtnClick();
    EXPECT_TRUE(SectionExistsInFile(Library(), "Default User@Morning game"));
    EXPECT_EQ(Page->Record().Name, "Default User@Morning game");
    EXPECT_EQ(View.FileName, "Morning game");

    // An existing name answered "No": nothing written, the name stays; "Yes" overwrites.
    const TCell cell = OpenCells().front();
    Key(cell, Wrong(cell));
    for (const bool overwrite : {false, true}) {
        View.EditAnswers = {shown};
        View.MsgAnswers = {overwrite};
        Page->PlayNSolveSaveBtnClick();
        EXPECT_EQ(View.Prompts.back(),
                  "\"" + shown + "\" already exists, overwrite existing SuDoKu?");
        EXPECT_EQ(stored(shown).Sn, overwrite ? 1 : 0);
        EXPECT_EQ(Page->Record().Name, "Default User@" + (overwrite ? shown : "Morning game"));
    }
    EXPECT_EQ(stored(shown).M3, State().Grid().StringsToHex(State().Cells));

    // A name that would break the file's section headers is refused.
    View.EditAnswers = {"bad]name"};
    Page->PlayNSolveSaveBtnClick();
    EXPECT_FALSE(SectionExistsInFile(Library(), "Default User@bad]name"));
    EXPECT_FALSE(HasFlag(State().SuDoKuState, sfSaving));

    // A folder where the library should be: reported, and the clock is not stuck in saving.
    fs::remove(Library());
    fs::create_directories(Library());
    View.EditAnswers = {"Somewhere"};
    Page->PlayNSolveSaveBtnClick();
    ASSERT_EQ(View.Errors.size(), 1u);
    EXPECT_EQ(View.Errors[0].rfind("Unable to write to ", 0), 0u);
    EXPECT_NE(Page->Record().Name, "Default User@Somewhere");
    EXPECT_EQ(State().SuDoKuState, sfPlaying);
}

TEST_F(PlayNSolveGame, SixteenBySixteenIsPlayableWithQToW) {
    NewGame("S4X4");
    ASSERT_EQ(N(), 16);
    EXPECT_EQ(View.GridSize, 16);
    const auto open = OpenCells();
    const char letters[] = "QRSTUVW";
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(Key(open[i], letters[i]), std::to_string(10 + i));
    const TCell cell = open[7];
    const std::pair<int, const char*> notes[] = {{'R', "11,"}, {'1', "11,1,"}, {'1', "11,"}};
    for (const auto& [key, text] : notes)
        EXPECT_EQ(Key(cell, key, true), text);
    EXPECT_EQ(Menu(cell, "PG2"), "11,16,");
    EXPECT_EQ(Page->Record().Sn, 11);

    // The strip of a 16-symbol grid divides its width by 16.
    Select(open[8]);
    Page->DisplaySetImgMouseUp(15 * 20 + 3, 320, 1.0, false, false);
    EXPECT_EQ(Text(open[8]), "16");

    // Alternatives of a 16-symbol grid are shown with the fixed symbols.
    Select(open[9]);
    EXPECT_EQ(View.Alternatives.Caption.rfind("Alternatives\n", 0), 0u);
    EXPECT_EQ(View.Alternatives.Caption.find('0'), std::string::npos);
}

TEST_F(PlayNSolveGame, PuzzleWithSeveralSolutionsOffersThemInAMenu) {
    // A full grid less one swappable rectangle has exactly two solutions; stored without
    // its solution, the page must offer both.
    std::vector<int> rectangle;
    for (int attempt = 0; attempt < 30 && rectangle.empty(); ++attempt) {
        NewGame();
        rectangle = RandomStateMaker::SwappableRectangle(State().SolutionValues);
    }
    ASSERT_FALSE(rectangle.empty());
    const TSuDoKuGrid& grid = State().Grid();
    TSuDoKuStrings givens{};
    grid.ValuesToStrings(State().SolutionValues, givens);
    for (int index : rectangle)
        givens[static_cast<std::size_t>(index)].clear();
    TSuDoKuFileData rec;
    InitSuDoKuFileData(rec);
    rec.M2 = grid.StringsToHex(givens);
    Load(rec);
    ASSERT_EQ(State().SuDoKuState, sfPlaying);
    EXPECT_EQ(Page->Solver().Solutions(), 2);
    EXPECT_EQ(View.SolutionsMenu, 2);
    EXPECT_EQ(View.SolutionCaption, "Solution [2]");
    EXPECT_TRUE(View.Enabled[TPlayControl::Solution]);
    EXPECT_TRUE(Page->SolutionsPopupClick()); // opens the menu instead of acting
    for (const char* refused : {"Solution_x", "Solution_3", "Solution_0"})
        Page->SolutionsPopupMenuClick(refused);
    EXPECT_EQ(State().SuDoKuState, sfPlaying);

    Page->SolutionsPopupMenuClick("Solution_2");
    EXPECT_EQ(State().SuDoKuState, sfSolved);
    TSuDoKuValues second{};
    grid.HexToValues(Page->Solver().SolutionList()[2], second);
    EXPECT_EQ(State().SolutionValues, second);
    Page->MainTimerTime();
    EXPECT_EQ(View.PlayFace.Caption, "Puzzle Solution");

    // A new shape empties the menu.
    NewGame("S2X2");
    EXPECT_EQ(View.SolutionsMenu, 0);
    EXPECT_EQ(View.SolutionCaption, "Solution");
}

TEST_F(PlayNSolveGame, ShapeChosenOnTheDesignPageLeavesThePlayGameAlone) {
    NewGame();
    Page->LeavePage();
    View.PlayShowing = false;
    View.DesignShowing = true;
    NewGame("S4X4");
    EXPECT_EQ(View.NewDesigns, 1);
    EXPECT_EQ(State().SuDoKuState, 0);
    TSuDoKuFileData last;
    ASSERT_TRUE(ReadSuDoKuFileData(Settings(), Page->LastSection(), last));
    EXPECT_EQ(last.Nc, 3);
    // An unknown item gives 3 x 3.
    View.PlayShowing = true;
    View.DesignShowing = false;
    NewGame("S9X9");
    EXPECT_EQ(N(), 9);
}

} // namespace
} // namespace sudoku
