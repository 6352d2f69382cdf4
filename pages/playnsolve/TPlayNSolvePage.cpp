// Handlers of the Play & Solve page. Each changes the play state, then refreshes the status.
#include "TPlayNSolvePage.h"

#include "RecordSaving.h"
#include "SuDoKuDateTime.h"
#include "TCellInput.h"
#include "TStatusUpdate.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <utility>

namespace sudoku {

namespace {

constexpr auto MessageInterval = std::chrono::milliseconds(40);
constexpr int PauseButtonTag = 530;
constexpr int PauseButtonPausedTag = 531; // its caption offers to resume

// One more in a record's counter. A counter read from a file may stand anywhere; at the top it
// stays there.
void Count(std::int32_t& counter) {
    if (counter < std::numeric_limits<std::int32_t>::max())
        ++counter;
}

} // namespace

TPlayNSolvePage::TPlayNSolvePage(TPlayNSolveView& view, TWindowServices& window,
                                 TSharedState& shared)
    : View(view), Window(window), Shared(shared) {
    InitSuDoKuFileData(PlayNSolveRecord);
    SuDoKuSolver.Hooks.ProcessMessages = [this] { ThrottledProcessMessages(); };
    SuDoKuSolver.Hooks.ShowResults = [this](const std::vector<std::string>& list) {
        Shared.SolutionList = list;
        // The menu offers a choice only between two or more solutions; the caption tells how
        // many there are ("10+" beyond the cap).
        const int found = list.empty() ? 0 : static_cast<int>(list.size()) - 1;
        SolutionsMenuCount = found >= 2 ? std::min(found, MaxSolutionItems) : 0;
        View.SetSolutionsMenu(SolutionsMenuCount);
        if (found >= 2)
            View.SetSolutionCaption(
                Text(560, "Solution") + " [" +
                (found > MaxSolutionItems ? std::string("10+") : std::to_string(found)) + "]");
    };
}

void TPlayNSolvePage::SetRandom(TRandom& random) {
    Rand = &random;
}

std::string TPlayNSolvePage::Text(int tag, const char* english) const {
    return Window.Translate(tag, english);
}

void TPlayNSolvePage::ThrottledProcessMessages() {
    // The engine calls this between every reasoning pass; the window only needs a look now
    // and then for the animation and for clicks that the flags will refuse.
    const auto now = std::chrono::steady_clock::now();
    if (now - LastMessages < MessageInterval)
        return;
    LastMessages = now;
    Window.ProcessMessages();
}

void TPlayNSolvePage::SetShape(int boxCols, int boxRows) {
    EngineGrid.SetBoxShape(boxCols, boxRows);
    Game.SetBoxShape(boxCols, boxRows);
    View.RefreshDisplaySet();
}

void TPlayNSolvePage::ClearSolutionsMenu() {
    SolutionsMenuCount = 0;
    View.SetSolutionsMenu(0);
    View.SetSolutionCaption(Text(560, "Solution"));
}

void TPlayNSolvePage::ShowClock() {
    View.ShowClock(Shared.Clock.PlayFace);
}

void TPlayNSolvePage::SetTimeCaption(const std::string& caption) {
    Shared.Clock.PlayFace.Caption = caption;
    ShowClock();
}

void TPlayNSolvePage::SetPauseButton(bool paused) {
    View.SetPauseButton(paused ? PauseButtonPausedTag : PauseButtonTag);
}

bool TPlayNSolvePage::SolutionUsable() const {
    return EngineGrid.ValuesFull(Game.SolutionValues) && EngineGrid.SumsOK(Game.SolutionValues);
}

// ---- Menus ---------------------------------------------------------------------------------

void TPlayNSolvePage::SuDoKuGridsPopupMenuClick(std::string_view itemName) {
    // The engine's grid must not change shape under a running search.
    if (HasFlag(Game.SuDoKuState, sfThinking))
        return;
    ClearSolutionsMenu();
    const auto shape =
        std::find_if(BoxShapes.begin(), BoxShapes.end(),
                     [itemName](const TBoxShape& s) { return s.ItemName == itemName; });
    const TBoxShape& chosen = shape == BoxShapes.end() ? BoxShapes.front() : *shape;
    if (HasFlag(Game.SuDoKuState, sfPlaying) || View.PlayNSolveShowing()) {
        SetShape(chosen.BoxCols, chosen.BoxRows);
        View.SetGridSize(Game.GridSize());
        PlayNSolveNewBtnClick();
    } else if (HasFlag(Game.SuDoKuState, sfDesigning) || View.EnterNDesignShowing()) {
        EngineGrid.SetBoxShape(chosen.BoxCols, chosen.BoxRows);
        View.RefreshDisplaySet();
        View.StartNewDesign(chosen.BoxCols, chosen.BoxRows);
    } else {
        SetShape(chosen.BoxCols, chosen.BoxRows);
    }
}

bool TPlayNSolvePage::SolutionsPopupClick() {
    if (SolutionsMenuCount > 0)
        return true;
    PlayNSolveSolutionBtnClick();
    return false;
}

void TPlayNSolvePage::SolutionsPopupMenuClick(std::string_view itemName) {
    if (HasFlag(Game.SuDoKuState, sfThinking))
        return;
    int index = -1;
    const auto underscore = itemName.find('_');
    if (underscore != std::string_view::npos) {
        const std::string_view digits = itemName.substr(underscore + 1);
        int value = 0;
        const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (ec == std::errc() && ptr == digits.data() + digits.size() && !digits.empty())
            index = value;
    }
    const auto& list = Shared.SolutionList;
    if (index <= 0 || static_cast<int>(list.size()) <= index)
        return;
    if (HasFlag(Game.SuDoKuState, sfPlaying) || View.PlayNSolveShowing()) {
        EngineGrid.HexToValues(list[static_cast<std::size_t>(index)], Game.SolutionValues);
        Game.SuDoKuState = 0;
        ShowSolution();
    } else if ((HasFlag(Game.SuDoKuState, sfDesigning) || View.EnterNDesignShowing()) &&
               Design.TakeSolution) {
        Design.TakeSolution(index);
    }
}

// ---- New game ------------------------------------------------------------------------------

void TPlayNSolvePage::PlayNSolveNewBtnClick() {
    if (HasFlag(Game.SuDoKuState, sfThinking))
        return;
    Game.SuDoKuState = sfThinking;
    SetPauseButton(false);
    SetTimeCaption(Text(575, "Time "));
    UpdateStatus();
    Window.ProcessMessages();

    const int level = Shared.Options.Level;
    View.SetLevelCaption(Text(570, "Level") + " " + View.OptionsLevelText(level));

    const TSolveOptions aids = soRuler | soHints | soErrors | soAlternatives | soTimeLimited;
    TSolveOptions& inForce = Shared.Options.SolveOptions;
    inForce = static_cast<TSolveOptions>((inForce & soRestart) | (Shared.ShownAids & aids));
    const double timeLimit = Shared.Options.TimeLimit;

    InitSuDoKuFileData(PlayNSolveRecord);
    PlayNSolveRecord.Tc = Window.Now();
    PlayNSolveRecord.Name = DefaultRecordName(Shared.UserName, PlayNSolveRecord.Tc);
    PlayNSolveRecord.L = static_cast<std::uint8_t>(level);
    PlayNSolveRecord.O = orGenerated;
    PlayNSolveRecord.Nc = EngineGrid.BoxCols;
    PlayNSolveRecord.Nr = EngineGrid.BoxRows;
    PlayNSolveRecord.Tptm = timeLimit - static_cast<double>(static_cast<long long>(timeLimit));

    Game.ClearBoard();
    Shared.Clock.PlayFace.GaugePosition = 0;
    ShowClock();
    View.SelectCell(1, 1);
    Window.ProcessMessages();

    TSuDoKuGenerator generator(EngineGrid, SuDoKuSolver, *Rand);
    generator.Hooks.Progress = [this](std::string_view, const TSuDoKuStrings&, bool) {
        ThrottledProcessMessages();
    };
    generator.GenerateUntilSuccess(Game.SolutionValues, Game.GivenStrings, level, true, [this] {
        if (Rand == &OwnRandom)
            OwnRandom.SeedFromClock();
    });
    EngineGrid.MaxSolutions = 10;

    EngineGrid.CopyStrings(Game.GivenStrings, Game.Cells);
    Game.RecomputeAlternatives();

    PlayNSolveRecord.Tpts = Window.Now();
    PlayNSolveRecord.Tptl = PlayNSolveRecord.Tpts;
    PlayNSolveRecord.Tpt = 0;
    Game.SuDoKuState = sfPlaying;
    Game.PlayNSolveStatus = psInProgress;
    UpdateStatus();
}

// ---- Buttons -------------------------------------------------------------------------------

void TPlayNSolvePage::PlayNSolveSaveBtnClick() {
    PlayNSolveSave(Shared.LibraryFile, PlayNSolveRecord.Name, true);
}

void TPlayNSolvePage::Pause() {
    Game.ClearErrorMarks();
    if (HasFlag(Game.SuDoKuState, sfPaused)) {
        Game.SuDoKuState &= static_cast<TSuDoKuState>(~sfPaused);
        Game.PlayNSolveStatus = psInProgress;
        PlayNSolveRecord.Tptl = Window.Now();
        SetPauseButton(false);
        SetTimeCaption(Shared.Clock.TimeCaption(PlayNSolveRecord.Tpt));
    } else {
        Game.SuDoKuState |= sfPaused;
        Game.PlayNSolveStatus = psPaused;
        SetPauseButton(true);
        SetTimeCaption(Text(576, "Pausing"));
        Count(PlayNSolveRecord.Sp);
    }
    View.RepaintGrid();
}

void TPlayNSolvePage::PlayNSolvePauseBtnClick() {
    // Only a game in play can pause; the button is disabled otherwise, a key may not be.
    if (!HasFlag(Game.SuDoKuState, sfPlaying) ||
        HasFlag(Game.SuDoKuState, sfLoading | sfValidating | sfSaving))
        return;
    Pause();
    UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveRestartBtnClick() {
    // Without a game there are no givens to go back to.
    if (HasFlag(Game.SuDoKuState, sfRestarting | sfThinking) || Replaying ||
        !HasFlag(Game.SuDoKuState, sfPlaying | sfSolved))
        return;
    const bool wasSolved = HasFlag(Game.SuDoKuState, sfSolved);
    Game.SuDoKuState = sfRestarting;
    SetPauseButton(false);
    SetTimeCaption(Text(575, "Time "));

    EngineGrid.CopyStrings(Game.GivenStrings, Game.Cells);
    Game.RecomputeAlternatives();
    View.SelectCell(1, 1);
    Window.ProcessMessages();

    const double now = Window.Now();
    if (wasSolved) {
        PlayNSolveRecord.Tpts = now;
        PlayNSolveRecord.Tpt = 0;
    }
    PlayNSolveRecord.Tptl = now;
    Game.SuDoKuState = sfPlaying;
    Game.ClearHistory();
    Game.PlayNSolveStatus = psInProgress;
    Count(PlayNSolveRecord.Sr);
    UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveUndoBtnClick() {
    ReplayStep(&TPlayState::Undo);
}

void TPlayNSolvePage::PlayNSolveRedoBtnClick() {
    ReplayStep(&TPlayState::Redo);
}

void TPlayNSolvePage::ReplayStep(bool (TPlayState::*step)(const TUndoHooks&)) {
    if (Replaying || !HasFlag(Game.SuDoKuState, sfPlaying) ||
        HasFlag(Game.SuDoKuState, sfPaused | sfHinting))
        return;
    Replaying = true;
    (Game.*step)(TUndoHooks{[this] { View.RepaintGrid(); }, [this](int ms) { Window.Delay(ms); }});
    Replaying = false;
    UpdateStatus();
}

void TPlayNSolvePage::Blink(int col, int row, const std::string& first, int firstMs,
                            const std::string& second, int secondMs) {
    for (int blink = 0; blink < 4; ++blink) {
        Game.SetCellText(col, row, first);
        View.RepaintGrid();
        Window.Delay(firstMs);
        Game.SetCellText(col, row, second);
        View.RepaintGrid();
        Window.Delay(secondMs);
    }
}

void TPlayNSolvePage::PlayNSolveHintBtnClick() {
    if (HasFlag(Game.SuDoKuState, sfHinting) || Replaying ||
        !HasFlag(Game.SuDoKuState, sfPlaying) || HasFlag(Game.SuDoKuState, sfPaused))
        return;
    Game.SuDoKuState |= sfHinting;
    const int n = Game.GridSize();
    const auto open = [this](int col, int row) {
        const std::string& text = Game.CellText(col, row);
        return Game.SolutionValues[CellIndex(col, row)] != 0 &&
               (text.empty() || text.find(',') != std::string::npos);
    };
    int count = 0;
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col)
            count += open(col, row) ? 1 : 0;
    if (count > 0) {
        const int k = Rand->Random(count) + 1;
        int seen = 0;
        for (int row = 1; row <= n && seen < k; ++row)
            for (int col = 1; col <= n && seen < k; ++col) {
                if (!open(col, row) || ++seen != k)
                    continue;
                const std::string before = Game.CellText(col, row);
                const std::string value = std::to_string(Game.SolutionValues[CellIndex(col, row)]);
                Replaying = true;
                Blink(col, row, value, 100, "", 200);
                Replaying = false;
                Game.SetCellText(col, row, before);
                if (Game.ChangeCell(col, row, value))
                    Count(PlayNSolveRecord.Sh);
            }
    }
    Game.SuDoKuState &= static_cast<TSuDoKuState>(~sfHinting);
    UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveErrorsBtnClick() {
    if (HasFlag(Game.SuDoKuState, sfShowErrors) || !HasFlag(Game.SuDoKuState, sfPlaying))
        return;
    // The marks stay until the board changes, a pause, or the game ends or starts again.
    Game.SuDoKuState |= sfShowErrors;
    View.RepaintGrid();
    Count(PlayNSolveRecord.Se);
    UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveSolutionBtnClick() {
    // An empty page has no solution to show.
    if (HasFlag(Game.SuDoKuState, sfSolved) || !HasFlag(Game.SuDoKuState, sfPlaying))
        return;
    ShowSolution();
}

void TPlayNSolvePage::ShowSolution() {
    Game.SuDoKuState = sfSolved;
    Game.ClearHistory();
    Game.PlayNSolveStatus = psOver;
    const int n = Game.GridSize();
    for (int col = 1; col <= n; ++col)
        for (int row = 1; row <= n; ++row)
            if (Game.CellText(col, row).find(',') != std::string::npos)
                Game.SetCellText(col, row, "");
    Game.RecomputeAlternatives();
    View.RepaintGrid();
    UpdateStatus();
}

// ---- Load and save -------------------------------------------------------------------------

void TPlayNSolvePage::PlayNSolveLoad(const std::string& fileName, const std::string& recordName) {
    if (HasFlag(Game.SuDoKuState, sfLoading))
        return;
    Game.SuDoKuState = sfLoading;
    UpdateStatus();
    SetPauseButton(false);
    SetTimeCaption(Text(575, "Time "));
    Game.ClearBoard();

    TSuDoKuFileData rec;
    // A record whose box shape is none of the known ones cannot be played.
    const auto known = [&rec] {
        return std::any_of(BoxShapes.begin(), BoxShapes.end(), [&rec](const TBoxShape& s) {
            return s.BoxCols == rec.Nc && s.BoxRows == rec.Nr;
        });
    };
    if (!ReadSuDoKuFileData(fileName, recordName, rec) || !known()) {
        Game.SuDoKuState = 0;
        View.RefreshDisplaySet();
        UpdateStatus();
        return;
    }
    PlayNSolveRecord = rec;
    ClearSolutionsMenu();
    EngineGrid.MaxSolutions = 10;

    SetShape(rec.Nc, rec.Nr);
    View.SetGridSize(Game.GridSize());

    EngineGrid.HexToValues(rec.M1, Game.SolutionValues);
    EngineGrid.HexToStrings(rec.M2, Game.GivenStrings);
    std::string values = rec.M3.empty() ? rec.M2 : rec.M3;

    View.SetLevelCaption(Text(570, "Level") + " " + View.OptionsLevelText(rec.L));
    Game.SuDoKuState |= sfThinking;

    TSuDoKuValues scratchValues{};
    TSuDoKuStrings scratch = Game.GivenStrings;
    if (SolutionUsable()) {
        SuDoKuSolver.SolveSuDoKu(scratchValues, scratch, true, true);
    } else {
        if (SuDoKuSolver.SolveSuDoKu(scratchValues, scratch, true, true))
            EngineGrid.CopyValues(scratchValues, Game.SolutionValues);
        else // no single solution: the givens stand for it, so they stay protected
            EngineGrid.StringsToValues(Game.GivenStrings, Game.SolutionValues);
        EngineGrid.HexToStrings(rec.M2, Game.GivenStrings);
    }
    EngineGrid.MaxSolutions = 10;
    EngineGrid.HexToStrings(values, Game.Cells);
    EngineGrid.NotesToStrings(rec.M4, Game.Cells);
    Game.MoveHistory.SetText(rec.U);
    Game.RedoHistory.SetText(rec.R);
    Game.RecomputeAlternatives();
    View.SelectCell(1, 1);
    Window.ProcessMessages();

    PlayNSolveRecord.Tptl = Window.Now();
    Game.SuDoKuState = sfPlaying;
    Game.PlayNSolveStatus = psInProgress;
    if (rec.S == psPaused) {
        Pause();
    } else if (rec.S == psOver) {
        Game.SuDoKuState = sfSolved;
        Game.PlayNSolveStatus = psOver;
        View.RepaintGrid();
    }
    UpdateStatus();
}

void TPlayNSolvePage::PlayNSolveReplay() {
    if (!HasFlag(Game.SuDoKuState, sfPlaying | sfSolved))
        return; // the load found no game
    PlayNSolveRecord.Tpts = Window.Now();
    PlayNSolveRecord.Tptl = PlayNSolveRecord.Tpts;
    PlayNSolveRecord.Tpt = 0;
    PlayNSolveRestartBtnClick();
}

void TPlayNSolvePage::FillRecordFromBoard() {
    const TSuDoKuGrid& grid = Game.Grid();
    PlayNSolveRecord.Nc = grid.BoxCols;
    PlayNSolveRecord.Nr = grid.BoxRows;
    PlayNSolveRecord.M1 = grid.ValuesToHex(Game.SolutionValues);
    PlayNSolveRecord.M2 = grid.StringsToHex(Game.GivenStrings);
    PlayNSolveRecord.M3 = grid.StringsToHex(Game.Cells);
    PlayNSolveRecord.M4 = grid.StringsToNotes(Game.Cells);
    PlayNSolveRecord.U = Game.MoveHistory.Text();
    PlayNSolveRecord.R = Game.RedoHistory.Text();
    PlayNSolveRecord.S = Game.PlayNSolveStatus;
}

void TPlayNSolvePage::PlayNSolveSave(const std::string& fileName, std::string recordName,
                                     bool interactive) {
    if (HasFlag(Game.SuDoKuState, sfSaving))
        return;
    Game.SuDoKuState |= sfSaving;
    UpdateStatus();
    FillRecordFromBoard();
    SaveRecord(Window, fileName, recordName, Shared.UserName, PlayNSolveRecord, interactive);
    Game.SuDoKuState &= static_cast<TSuDoKuState>(~sfSaving);
    UpdateStatus();
}

void TPlayNSolvePage::RestoreLastGame() {
    if (HasFlag(Game.SuDoKuState, sfLoading | sfThinking | sfValidating))
        return;
    PlayNSolveLoad(Shared.SettingsFile, LastSection());
}

void TPlayNSolvePage::SaveLastGame() {
    if (HasFlag(Game.SuDoKuState, sfPlaying | sfSolved))
        PlayNSolveSave(Shared.SettingsFile, LastSection(), false);
}

void TPlayNSolvePage::LeavePage() {
    if (!HasFlag(Game.SuDoKuState, sfPlaying | sfSolved))
        return;
    SaveLastGame();
    Game.SuDoKuState = 0;
}

// ---- Cell input ----------------------------------------------------------------------------

void TPlayNSolvePage::SuDoKuGridKeyUp(int virtualKey, bool ctrl) {
    // A key that arrives while a blink is on screen would be overwritten by it.
    if (!HasFlag(Game.SuDoKuState, sfPlaying) || HasFlag(Game.SuDoKuState, sfPaused) ||
        !Game.GridEnabled() || HasFlag(Game.SuDoKuState, sfHinting) || Replaying)
        return;
    const int col = View.SelectedCol();
    const int row = View.SelectedRow();
    if (Game.InGrid(col, row) && !Game.IsGiven(col, row)) {
        const TKeyAction action =
            TCellInput::KeyToAction(virtualKey, ctrl, View.DisplaySetIndex(), Game.GridSize());
        if (action.Kind == TKeyKind::Pause) {
            Pause();
        } else if (action.Kind != TKeyKind::None) {
            const std::string& text = Game.CellText(col, row);
            if (Game.ChangeCell(col, row, TCellInput::ApplyAction(text, action, ctrl)))
                Count(PlayNSolveRecord.Sn);
        }
    }
    View.RepaintGrid();
    UpdateStatus();
}

void TPlayNSolvePage::SuDoKuGridPopupMenuClick(std::string_view itemName) {
    bool ctrl = false;
    const int key = TCellInput::MenuItemKey(itemName, ctrl);
    if (key == 0)
        return;
    if (HasFlag(Game.SuDoKuState, sfPlaying) && !HasFlag(Game.SuDoKuState, sfPaused)) {
        const int col = View.SelectedCol();
        const int row = View.SelectedRow();
        if (Game.InGrid(col, row) && Game.SolutionValues[CellIndex(col, row)] != 0)
            SuDoKuGridKeyUp(key, ctrl);
    } else if (HasFlag(Game.SuDoKuState, sfDesigning) && Design.Key) {
        Design.Key(key);
    }
}

void TPlayNSolvePage::DisplaySetImgMouseUp(int x, int stripWidth, double scale, bool shift,
                                           bool ctrl) {
    if (HasFlag(Game.SuDoKuState, sfThinking))
        return;
    const int symbol = TCellInput::StripSymbolAt(x, stripWidth, Game.GridSize(), scale);
    if (symbol == 0)
        return;
    if (shift) {
        Game.HighlightValue = static_cast<std::uint8_t>(symbol);
        View.RepaintGrid();
        return;
    }
    SuDoKuGridKeyUp(TCellInput::ValueKey(symbol), ctrl);
}

void TPlayNSolvePage::SuDoKuGridSelectCell(int col, int row) {
    View.SetPopupAllowed(HasFlag(Game.SuDoKuState, sfPlaying) &&
                         !HasFlag(Game.SuDoKuState, sfPaused) && Game.InGrid(col, row) &&
                         Game.SolutionValues[CellIndex(col, row)] != 0 && !Game.IsGiven(col, row));
    UpdateStatus();
}

void TPlayNSolvePage::SuDoKuGridMouseUp() {
    View.RepaintGrid();
    UpdateStatus();
}

void TPlayNSolvePage::WindowMinimised() {
    constexpr TSuDoKuState busy =
        sfPaused | sfLoading | sfSaving | sfThinking | sfRestarting | sfValidating | sfHinting;
    if (!HasFlag(Game.SuDoKuState, sfPlaying) || HasFlag(Game.SuDoKuState, busy) || Replaying)
        return;
    Pause();
    UpdateStatus();
}

// ---- Timer and status ----------------------------------------------------------------------

void TPlayNSolvePage::MainTimerTime() {
    if (CurrentLoginName) {
        const std::string login = CurrentLoginName();
        if (login != Shared.UserName) {
            if (UserChanged)
                UserChanged(login);
            Shared.UserName = login;
            return;
        }
    }
    TPlayTimes times{PlayNSolveRecord.Tpts, PlayNSolveRecord.Tptl, PlayNSolveRecord.Tpt,
                     PlayNSolveRecord.Tptm};
    const TTickOutcome outcome = Shared.Clock.Tick(
        Game.SuDoKuState, (Shared.Options.SolveOptions & soTimeLimited) != 0, Window.Now(), times,
        [this] { return Game.SuDoKuGridIsFull() && Game.SuDoKuGridIsSolved(); });
    PlayNSolveRecord.Tpt = times.Tpt;
    PlayNSolveRecord.Tptl = times.Tptl;
    ShowClock();
    if (outcome == TTickOutcome::TimeLimitPassed)
        PlayNSolveSolutionBtnClick();
}

void TPlayNSolvePage::UpdateStatus() {
    if (!FileNameCaption.empty() || !PlayNSolveRecord.Name.empty()) {
        FileNameCaption = DisplayNameOf(PlayNSolveRecord.Name);
        View.SetFileNameCaption(FileNameCaption);
    }
    Game.CompletionTest();

    const TSolveOptions aids = Shared.Options.SolveOptions;
    TStatusInput in;
    in.State = Game.SuDoKuState;
    in.Hints = (aids & soHints) != 0;
    in.Errors = (aids & soErrors) != 0;
    in.Alternatives = (aids & soAlternatives) != 0;
    in.HistoryHasEntry = !Game.MoveHistory.IsEmpty();
    in.RedoHasEntry = !Game.RedoHistory.IsEmpty();
    in.SolutionUsable = SolutionUsable();
    in.SolverSolutions = SuDoKuSolver.Solutions();
    const TPlayNSolveControls c = TStatusUpdate::Controls(in);
    const std::pair<TPlayControl, bool> enabling[] = {
        {TPlayControl::Grid, c.GridEnabled},
        {TPlayControl::New, c.New},
        {TPlayControl::Save, c.Save},
        {TPlayControl::Print, c.Print},
        {TPlayControl::Clipboard, c.Clipboard},
        {TPlayControl::Pause, c.Pause},
        {TPlayControl::Restart, c.Restart},
        {TPlayControl::Undo, c.Undo},
        {TPlayControl::Redo, c.Redo},
        {TPlayControl::Hint, c.Hint},
        {TPlayControl::Errors, c.Errors},
        {TPlayControl::Solution, c.Solution},
        {TPlayControl::AlternativesLbl, c.AlternativesLbl}};
    for (const auto& [control, enabled] : enabling)
        View.SetEnabled(control, enabled);

    const std::string caption = Text(565, "Alternatives");
    TAlternativesDisplay shown{caption, false, {}};
    const int col = View.SelectedCol();
    const int row = View.SelectedRow();
    if (c.ShowCellAlternatives && Game.InGrid(col, row)) {
        const int index = CellIndex(col, row);
        const std::string& given = Game.GivenStrings[index];
        if (given.empty() || given != Game.Cells[index]) {
            const std::string& alternatives = Game.AlternativeStrings[index];
            if (!alternatives.empty())
                Count(PlayNSolveRecord.Sa);
            std::vector<bool> pictures(10, false);
            for (int v = 1; v <= 9; ++v)
                pictures[static_cast<std::size_t>(v)] = View.HasSmallPicture(v);
            shown = TStatusUpdate::ShowAlternatives(caption, alternatives, Game.GridSize(),
                                                    View.DisplaySetIndex(),
                                                    View.DisplaySetSymbols(), pictures);
        }
    }
    View.ShowAlternatives(shown);
    Game.HighlightValue = 0;
}

} // namespace sudoku
