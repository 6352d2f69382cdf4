// Handlers of the Enter & Design page. Engine work runs with sfThinking set and lets the window
// process its events meanwhile; every handler refuses to start while the flags say it must wait.
#include "TEnterNDesignPage.h"

#include "Levels.h"
#include "RecordSaving.h"
#include "SolveOptions.h"
#include "TCellInput.h"
#include "TSuDoKuData.h"
#include "TSuDoKuGenerator.h"

#include <algorithm>

namespace sudoku {

namespace {

constexpr int ModeButtonPuzzleTag = 645; // in Puzzle Mode the button offers the design mode
constexpr int ModeButtonDesignTag = 646;

bool KnownShape(int boxCols, int boxRows) {
    return std::any_of(BoxShapes.begin(), BoxShapes.end(), [=](const TBoxShape& s) {
        return s.BoxCols == boxCols && s.BoxRows == boxRows;
    });
}

void Clear(TSuDoKuState& state, TSuDoKuState flags) {
    state = static_cast<TSuDoKuState>(state & ~flags);
}

} // namespace

TEnterNDesignPage::TEnterNDesignPage(TEnterNDesignView& view, TWindowServices& window,
                                     TSharedState& shared)
    : View(view), Window(window), Shared(shared) {
    InitSuDoKuFileData(EnterNDesignRecord);
    SuDoKuSolver.Hooks.ProcessMessages = [this] { Window.ProcessMessages(); };
    SuDoKuSolver.Hooks.ShowResults = [this](const std::vector<std::string>& list) {
        ShowSolutions(list);
    };
}

std::string TEnterNDesignPage::Text(int tag, const char* english) const {
    return Window.Translate(tag, english);
}

std::string TEnterNDesignPage::LastSection() const {
    return LastEnterNDesignSection(Shared.UserName);
}

const TSuDoKuStrings& TEnterNDesignPage::DrawnGivens() const {
    return CarvingNow ? CarvedPuzzle : Design.GivenStrings;
}

void TEnterNDesignPage::ThrottledProcessMessages() {
    const auto now = std::chrono::steady_clock::now();
    if (now - LastMessages < MessageInterval)
        return;
    LastMessages = now;
    Window.ProcessMessages();
}

// ---- Common steps ---------------------------------------------------------------------------

void TEnterNDesignPage::StartThinking() {
    // The engine works on a design, also when the page held none yet: the clock then animates
    // this page's gauge and status line.
    State() = static_cast<TSuDoKuState>((State() | sfThinking | sfDesigning) & ~sfSolvable);
}

void TEnterNDesignPage::ShowMode(bool refillGrid) {
    const bool design = EnterNDesignRecord.S == dsDesignMode;
    Clear(State(), sfPuzzleMode | sfDesignMode);
    State() |= design ? sfDesignMode : sfPuzzleMode;
    if (refillGrid) {
        if (design)
            Design.ShowValues();
        else
            Design.ShowGivens();
        View.RefreshGrid();
    }
    View.SetModeButton(design ? ModeButtonDesignTag : ModeButtonPuzzleTag);
    View.SetStatusCaption(design ? Text(676, "Design Mode") : Text(675, "Puzzle Mode"));
}

void TEnterNDesignPage::ResetRecord() {
    const double timeLimit = Shared.Options.TimeLimit;
    InitSuDoKuFileData(EnterNDesignRecord);
    EnterNDesignRecord.Tc = Window.Now();
    EnterNDesignRecord.Name = DefaultRecordName(Shared.UserName, EnterNDesignRecord.Tc);
    EnterNDesignRecord.L = Shared.Options.Level;
    EnterNDesignRecord.O = orSelfDesigned;
    EnterNDesignRecord.Nc = Design.Grid().BoxCols;
    EnterNDesignRecord.Nr = Design.Grid().BoxRows;
    EnterNDesignRecord.Tptm = timeLimit - static_cast<double>(static_cast<long long>(timeLimit));
    EnterNDesignRecord.S = Has(sfDesignMode) ? dsDesignMode : dsPuzzleMode;
}

void TEnterNDesignPage::ResetSolutions() {
    View.SetSolutionsMenu(0);
    View.SetCompleteCaption(Text(660, "Complete"));
}

void TEnterNDesignPage::ShowSolutions(const std::vector<std::string>& list) {
    // The one list both pages' solutions menu reads; its items are offered from two on.
    Shared.SolutionList = list;
    const int found = list.empty() ? 0 : static_cast<int>(list.size()) - 1;
    if (found < 2) {
        View.SetSolutionsMenu(0);
        return;
    }
    View.SetSolutionsMenu(std::min(found, Design.Grid().MaxSolutions));
    const std::string count = found > Design.Grid().MaxSolutions ? "10+" : std::to_string(found);
    View.SetCompleteCaption(Text(660, "Complete") + " [" + count + "]");
}

void TEnterNDesignPage::HideGauge() {
    // At position 0: the clock's animation starts from nothing when it shows the gauge again.
    TClockFace& face = Shared.Clock.DesignFace;
    face.GaugeVisible = false;
    face.GaugePosition = 0;
    View.ShowClock(face);
}

// ---- Load and save --------------------------------------------------------------------------

void TEnterNDesignPage::EnterNDesignLoad(const std::string& fileName, const std::string& section) {
    if (Has(sfLoading))
        return;
    State() = sfLoading;
    UpdateStatus();
    Design.Clear();
    View.RefreshGrid();

    TSuDoKuFileData rec;
    // A record of no known box shape cannot be shown.
    if (!ReadSuDoKuFileData(fileName, section, rec) || !KnownShape(rec.Nc, rec.Nr)) {
        State() = 0;
        View.SetShape(Design.Grid().BoxCols, Design.Grid().BoxRows);
        UpdateStatus();
        return;
    }
    EnterNDesignRecord = rec;
    ResetSolutions();
    Design.SetBoxShape(rec.Nc, rec.Nr);
    View.SetShape(rec.Nc, rec.Nr);
    Design.Grid().HexToValues(rec.M1, Design.SolutionValues);
    Design.Grid().HexToStrings(rec.M2, Design.GivenStrings);
    EnterNDesignRecord.M3.clear();
    EnterNDesignRecord.M4.clear();

    Design.RecomputeAlternatives();
    View.SelectCell(1, 1);
    Window.ProcessMessages();
    EnterNDesignRecord.Tptl = Window.Now();

    State() = sfDesigning;
    if (EnterNDesignRecord.S != dsPuzzleMode && EnterNDesignRecord.S != dsDesignMode)
        EnterNDesignRecord.S = dsPuzzleMode;
    ShowMode(true);
    EnterNDesignValidatePuzzle();
}

void TEnterNDesignPage::EnterNDesignSave(const std::string& fileName, std::string section,
                                         bool interactive) {
    if (Has(sfSaving))
        return;
    State() |= sfSaving;
    UpdateStatus();
    TSuDoKuFileData& rec = EnterNDesignRecord;
    const TSuDoKuGrid& grid = Design.Grid();
    rec.Nc = grid.BoxCols;
    rec.Nr = grid.BoxRows;
    rec.M1 = grid.ValuesToHex(Design.SolutionValues);
    rec.M2 = grid.StringsToHex(Design.GivenStrings);
    rec.M3.clear();
    rec.M4.clear();
    SaveRecord(Window, fileName, section, Shared.UserName, rec, interactive);
    Clear(State(), sfSaving);
    UpdateStatus();
}

void TEnterNDesignPage::RestoreLastDesign() {
    if (Has(sfLoading | sfThinking | sfValidating))
        return;
    EnterNDesignLoad(Shared.SettingsFile, LastSection());
}

void TEnterNDesignPage::SaveLastDesign() {
    if (Has(sfDesigning))
        EnterNDesignSave(Shared.SettingsFile, LastSection(), false);
}

void TEnterNDesignPage::EnterNDesignSaveBtnClick() {
    if (Busy() || !Has(sfDesigning))
        return;
    EnterNDesignRecord.L =
        static_cast<std::uint8_t>(RatePuzzle(Design.Grid(), Design.GivenStrings));
    EnterNDesignSave(Shared.LibraryFile, EnterNDesignRecord.Name, true);
    UpdateStatus();
}

void TEnterNDesignPage::EnterNDesignPlayNSolveBtnClick() {
    if (Busy() || !Has(sfDesigning))
        return;
    // Leaving the page stores the design in the last-design section, which the game loads.
    View.PlayNSolve(Shared.SettingsFile, LastSection());
    UpdateStatus();
}

// ---- Modes and new designs -------------------------------------------------------------------

void TEnterNDesignPage::EnterNDesignModeBtnClick() {
    if (Busy())
        return;
    if (Has(sfPuzzleMode))
        EnterNDesignRecord.S = dsDesignMode;
    else if (Has(sfDesignMode))
        EnterNDesignRecord.S = dsPuzzleMode;
    else
        return;
    ShowMode(true);
    UpdateStatus();
}

void TEnterNDesignPage::NewDesign(int boxCols, int boxRows) {
    // The engine's grid must not change shape under a running search.
    if (Busy() || !KnownShape(boxCols, boxRows))
        return;
    ResetSolutions();
    Design.SetBoxShape(boxCols, boxRows);
    View.SetShape(boxCols, boxRows);
    EnterNDesignNewBtnClick();
}

void TEnterNDesignPage::EnterNDesignNewBtnClick() {
    if (Busy())
        return;
    StartThinking();
    UpdateStatus();
    Window.ProcessMessages();

    // A new design takes the aids of the Options page's check boxes, as a new game does.
    const TSolveOptions aids = soRuler | soHints | soErrors | soAlternatives | soTimeLimited;
    TSolveOptions& inForce = Shared.Options.SolveOptions;
    inForce = static_cast<TSolveOptions>((inForce & soRestart) | (Shared.ShownAids & aids));
    ResetRecord();

    Design.Clear();
    View.RefreshGrid();
    View.SelectCell(1, 1);
    Window.ProcessMessages();
    Design.ShowValues();
    Design.RecomputeAlternatives();

    State() = sfDesigning;
    ShowMode(true);
    UpdateStatus();
}

// ---- Engine work ------------------------------------------------------------------------------

void TEnterNDesignPage::EnterNDesignGenerateBtnClick() {
    if (Busy())
        return;
    const bool hadDesign = Has(sfDesigning);
    StartThinking();
    ResetSolutions();
    UpdateStatus();
    Window.ProcessMessages();
    // Without a design on the page the grid gets a record of its own, as New gives, and is
    // shown in Design Mode: in Puzzle Mode a grid without givens would show nothing.
    if (!hadDesign) {
        ResetRecord();
        EnterNDesignRecord.S = dsDesignMode;
    }

    Design.Clear();
    HideGauge();
    EnterNDesignRecord.Tpts = 0;
    EnterNDesignRecord.Tptl = 0;
    EnterNDesignRecord.Tpt = 0;
    View.SelectCell(1, 1);
    View.RepaintGrid();
    Window.ProcessMessages();

    TSuDoKuGenerator generator(Design.Grid(), SuDoKuSolver, *Rand);
    generator.GenerateUntilSuccess(Design.SolutionValues, Design.GivenStrings, Shared.Options.Level,
                                   false, [this] {
                                       if (Rand == &OwnRandom)
                                           OwnRandom.SeedFromClock();
                                   });
    TSuDoKuGrid::ClearStrings(Design.GivenStrings);
    Design.ShowValues();
    Design.RecomputeAlternatives();

    State() = sfDesigning;
    ShowMode(true);
    UpdateStatus();
}

void TEnterNDesignPage::Carve() {
    TSuDoKuGenerator generator(Design.Grid(), SuDoKuSolver, *Rand);
    // While carving the grid shows the puzzle as its cells disappear, and the validity line
    // the level aimed at.
    generator.Hooks.BeginCarving = [this] { CarvingNow = true; };
    generator.Hooks.EndCarving = [this] { CarvingNow = false; };
    generator.Hooks.Progress = [this](std::string_view text, const TSuDoKuStrings& puzzle, bool) {
        CarvedPuzzle = puzzle;
        Design.Cells = puzzle;
        View.SetValidateCaption(std::string(text));
        View.RefreshGrid();
        ThrottledProcessMessages();
    };
    bool carved = false;
    for (int attempt = 0; attempt < TSuDoKuGenerator::CarveAttempts && !carved; ++attempt) {
        TSuDoKuGrid::ClearStrings(Design.GivenStrings);
        Design.Grid().ValuesToStrings(Design.SolutionValues, Design.GivenStrings);
        carved =
            generator.CarvePuzzle(Design.SolutionValues, Design.GivenStrings, Shared.Options.Level);
    }
    if (!carved)
        TSuDoKuGrid::ClearStrings(Design.GivenStrings);
}

void TEnterNDesignPage::EnterNDesignPuzzleBtnClick() {
    if (Busy() || !Has(sfDesigning))
        return;
    StartThinking();
    ResetSolutions();
    UpdateStatus();
    Window.ProcessMessages();
    HideGauge();
    View.SelectCell(1, 1);
    View.RepaintGrid();
    Window.ProcessMessages();

    Carve();
    ShowMode(false);
    Design.ShowValues();
    View.RepaintGrid();
    Clear(State(), sfThinking);
    EnterNDesignValidatePuzzle();
    UpdateStatus();
}

void TEnterNDesignPage::EnterNDesignValidatePuzzle() {
    // A check asked for while the engine works (its events run meanwhile) would end the flags
    // of the work under way: it waits for the button again.
    if (Has(sfThinking | sfValidating))
        return;
    State() = static_cast<TSuDoKuState>((State() & ~sfSolvable) | sfValidating);
    View.SetCompleteCaption(Text(660, "Complete"));
    View.SetValidateCaption(Text(670, "Validating..."));
    UpdateStatus();
    Window.ProcessMessages();

    if (Has(sfDesigning)) {
        State() |= sfThinking;
        TSuDoKuValues values{};
        TSuDoKuStrings texts{};
        Design.Grid().CopyStrings(Design.GivenStrings, texts);
        // Where the limited search gives up, the exact counter decides the verdict.
        const bool unique = SuDoKuSolver.SolveSuDoKuProven(values, texts, true);
        if (unique || SuDoKuSolver.Solutions() >= 2)
            State() |= sfSolvable;
    }
    View.RepaintGrid();
    Clear(State(), sfValidating | sfThinking);
    HideGauge();
    if (Has(sfPuzzleMode))
        View.SetStatusCaption(Text(675, "Puzzle Mode"));
    else if (Has(sfDesignMode))
        View.SetStatusCaption(Text(676, "Design Mode"));
    UpdateStatus();
}

bool TEnterNDesignPage::SolutionsPopupClick() {
    if (Busy() || !Has(sfDesigning))
        return false;
    if (View.SolutionsMenuCount() > 0)
        return true;
    EnterNDesignCompleteBtnClick();
    return false;
}

void TEnterNDesignPage::EnterNDesignCompleteBtnClick() {
    if (Busy() || !Has(sfDesigning))
        return;
    const TSuDoKuGrid& grid = Design.Grid();
    if (Has(sfSolvable)) {
        // The design is reduced to its givens before solving.
        grid.StringsToValues(Design.GivenStrings, Design.SolutionValues);
        grid.ValuesToStrings(Design.SolutionValues, Design.GivenStrings);
    }
    StartThinking();
    UpdateStatus();
    Window.ProcessMessages();

    TSuDoKuValues values{};
    TSuDoKuStrings texts{};
    grid.ValuesToStrings(Design.SolutionValues, texts);
    SuDoKuSolver.SolveSuDoKuProven(values, texts, false);
    if (SuDoKuSolver.Solutions() == 1) {
        grid.CopyValues(values, Design.SolutionValues);
        Design.ShowValues();
    } else {
        // What reasoning fixed; the other cells show their candidates.
        TSuDoKuGrid::ClearValues(Design.SolutionValues);
        grid.StringsToValues(texts, Design.SolutionValues);
        grid.CopyStrings(texts, Design.Cells);
    }
    Design.RecomputeAlternatives();
    View.SelectCell(1, 1);
    View.RefreshGrid();
    Window.ProcessMessages();
    Clear(State(), sfThinking);
    EnterNDesignValidatePuzzle();
    UpdateStatus();
}

void TEnterNDesignPage::TakeSolution(int index) {
    const auto& list = Shared.SolutionList;
    if (Busy() || !Has(sfDesigning) || index <= 0 || static_cast<int>(list.size()) <= index)
        return;
    TSuDoKuGrid::ClearValues(Design.SolutionValues);
    Design.Grid().HexToValues(list[static_cast<std::size_t>(index)], Design.SolutionValues);
    Design.ShowValues();
    Design.RecomputeAlternatives();
    View.SelectCell(1, 1);
    View.RefreshGrid();
    Window.ProcessMessages();
    UpdateStatus();
}

// ---- Grid input ---------------------------------------------------------------------------

void TEnterNDesignPage::SuDoKuGridKeyUp(int virtualKey) {
    if (!Has(sfDesigning) || Busy())
        return;
    const int col = View.SelectedCol();
    const int row = View.SelectedRow();
    if (!Design.InGrid(col, row))
        return;
    if (virtualKey == ReturnKey) {
        Design.ToggleGiven(col, row);
    } else {
        const int n = Design.GridSize();
        const TKeyAction action =
            TCellInput::KeyToAction(virtualKey, false, View.DisplaySetIndex(), n);
        // A value above the grid's symbols has no place in a design.
        if (action.Kind == TKeyKind::Value && action.Value <= n)
            Design.EnterValue(col, row, action.Value, Has(sfDesignMode));
        else if (action.Kind == TKeyKind::Clear)
            Design.EnterValue(col, row, 0, Has(sfDesignMode));
    }
    View.RefreshGrid();
    UpdateStatus();
}

void TEnterNDesignPage::SuDoKuGridDblClick() {
    if (!Has(sfDesignMode) || Busy())
        return;
    Design.ToggleGiven(View.SelectedCol(), View.SelectedRow());
    View.RefreshGrid();
    UpdateStatus();
}

void TEnterNDesignPage::DisplaySetImgMouseUp(int x, int stripWidth, double scale, bool shift) {
    if (Has(sfThinking))
        return;
    const int symbol = TCellInput::StripSymbolAt(x, stripWidth, Design.GridSize(), scale);
    if (symbol == 0)
        return;
    if (shift) {
        Highlight = symbol;
        View.RepaintGrid();
        return;
    }
    SuDoKuGridKeyUp(TCellInput::ValueKey(symbol));
}

void TEnterNDesignPage::SuDoKuGridSelectCell(int, int) {
    View.SetPopupAllowed(Has(sfDesigning) && !Busy());
    UpdateStatus();
}

void TEnterNDesignPage::SuDoKuGridMouseUp() {
    View.RefreshGrid();
    UpdateStatus();
}

// ---- Status -------------------------------------------------------------------------------

void TEnterNDesignPage::Retranslate() {
    const bool design = Has(sfDesignMode);
    View.SetModeButton(design ? ModeButtonDesignTag : ModeButtonPuzzleTag);
    if (!Has(sfThinking))
        View.SetStatusCaption(design ? Text(676, "Design Mode") : Text(675, "Puzzle Mode"));
    UpdateStatus();
}

void TEnterNDesignPage::UpdateStatus() {
    if (!FileNameCaption.empty() || !EnterNDesignRecord.Name.empty()) {
        FileNameCaption = DisplayNameOf(EnterNDesignRecord.Name);
        View.SetFileNameCaption(FileNameCaption);
    }
    const bool idle = !Busy();
    const bool design = idle && Has(sfDesigning);
    const bool showAlternatives = design && Has(sfDesignMode);
    const std::pair<TDesignControl, bool> enabling[] = {
        {TDesignControl::Grid, idle},          {TDesignControl::New, idle},
        {TDesignControl::Generate, idle},      {TDesignControl::Save, design},
        {TDesignControl::PlayNSolve, design},  {TDesignControl::Mode, design},
        {TDesignControl::CheckPuzzle, design}, {TDesignControl::Puzzle, design},
        {TDesignControl::Complete, design},    {TDesignControl::Print, design},
        {TDesignControl::Clipboard, design},   {TDesignControl::AlternativesLbl, showAlternatives}};
    for (const auto& [control, enabled] : enabling)
        View.SetEnabled(control, enabled);

    const std::string caption = Text(665, "Alternatives");
    TAlternativesDisplay shown{caption, false, {}};
    const int col = View.SelectedCol();
    const int row = View.SelectedRow();
    if (showAlternatives && Design.InGrid(col, row)) {
        std::vector<bool> pictures(10, false);
        for (int v = 1; v <= 9; ++v)
            pictures[static_cast<std::size_t>(v)] = View.HasSmallPicture(v);
        shown = TStatusUpdate::ShowAlternatives(
            caption, Design.AlternativeStrings[CellIndex(col, row)], Design.GridSize(),
            View.DisplaySetIndex(), View.DisplaySetSymbols(), pictures);
    }
    View.ShowAlternatives(shown);
    Highlight = 0;

    // The validity line shows "Validating..." while a check runs and the level aimed at
    // while carving; otherwise the verdict of the last check.
    if (Has(sfValidating) || CarvingNow)
        return;
    if (Has(sfDesigning) && !Has(sfThinking) && Has(sfSolvable)) {
        std::string verdict = Text(672, "Puzzle Solvable");
        const int held =
            Shared.SolutionList.empty() ? 0 : static_cast<int>(Shared.SolutionList.size()) - 1;
        if (held > 1)
            verdict +=
                held > Design.Grid().MaxSolutions ? " [10+]" : " [" + std::to_string(held) + "]";
        View.SetValidateCaption(verdict);
    } else {
        View.SetValidateCaption(Text(671, "Puzzle Invalid"));
    }
}

} // namespace sudoku
