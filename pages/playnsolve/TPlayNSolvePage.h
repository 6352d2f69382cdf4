// The Play & Solve page as plain logic: new games, saving and loading, pause, restart, undo,
// hint, errors, solution, cell input, the main timer's tick and the status update. It reaches
// the window through TPlayNSolveView and TWindowServices, the other pages in TSharedState.
#pragma once

#include "SolveOptions.h"
#include "TGameClock.h"
#include "TPlayNSolveView.h"
#include "TPlayState.h"
#include "TRandom.h"
#include "TSharedState.h"
#include "TSuDoKuFileData.h"
#include "TSuDoKuGenerator.h"
#include "TSuDoKuSolver.h"
#include "TWindowServices.h"

#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace sudoku {

// What the shared menus hand on to the Enter & Design page when it holds the design.
struct TDesignHooks {
    std::function<void(int virtualKey)> Key;        // a popup item on the design grid
    std::function<void(int solution)> TakeSolution; // a solution chosen from the menu
};

class TPlayNSolvePage {
public:
    static constexpr int MaxSolutionItems = 10;

    TPlayNSolvePage(TPlayNSolveView& view, TWindowServices& window, TSharedState& shared);

    // Grid-shape menu ("S3X3", "S2X3", ...) and the New button's game.
    void SuDoKuGridsPopupMenuClick(std::string_view itemName);
    void PlayNSolveNewBtnClick();

    void PlayNSolveSaveBtnClick();
    void PlayNSolvePauseBtnClick();
    void PlayNSolveRestartBtnClick();
    void PlayNSolveUndoBtnClick();
    // Takes back the last undo, until the next change of a cell.
    void PlayNSolveRedoBtnClick();
    void PlayNSolveHintBtnClick();
    void PlayNSolveErrorsBtnClick();
    // "Solution": true when the solutions menu should open instead of acting at once.
    bool SolutionsPopupClick();
    void SolutionsPopupMenuClick(std::string_view itemName);
    void PlayNSolveSolutionBtnClick();

    void PlayNSolveLoad(const std::string& fileName, const std::string& recordName);
    // After a load from the library's "Replay & Solve": the game starts again from its givens
    // with the clock at zero.
    void PlayNSolveReplay();
    void PlayNSolveSave(const std::string& fileName, std::string recordName, bool interactive);

    // The page is entered: restore the last game. The page is left or the settings saved:
    // store it (leaving also clears the state set).
    void RestoreLastGame();
    void LeavePage();
    void SaveLastGame();
    std::string LastSection() const { return LastPlayNSolveSection(Shared.UserName); }

    // Cell input. Keys come in as they are pressed.
    void SuDoKuGridKeyUp(int virtualKey, bool ctrl);
    void SuDoKuGridPopupMenuClick(std::string_view itemName);
    void DisplaySetImgMouseUp(int x, int stripWidth, double scale, bool shift, bool ctrl);
    void SuDoKuGridSelectCell(int col, int row);
    void SuDoKuGridMouseUp();

    // The window was minimised: a game in play pauses itself, and stays paused when the window
    // comes back.
    void WindowMinimised();

    void MainTimerTime();
    void UpdateStatus();

    // The login name of the moment (empty function: users never change) and what to do when
    // it changed (save the old user's options, apply the new user's).
    std::function<std::string()> CurrentLoginName;
    std::function<void(const std::string& newName)> UserChanged;
    TDesignHooks Design;

    TPlayState& State() { return Game; }
    const TPlayState& State() const { return Game; }
    TSuDoKuFileData& Record() { return PlayNSolveRecord; }
    const TGameClock& Clock() const { return Shared.Clock; }
    TSuDoKuSolver& Solver() { return SuDoKuSolver; }
    void SetRandom(TRandom& random);

private:
    void SetShape(int boxCols, int boxRows);
    void ClearSolutionsMenu();
    void SetTimeCaption(const std::string& caption);
    void SetPauseButton(bool paused);
    void ShowClock();
    void Pause();
    // An undo or redo step with its blink, while a game is in play.
    void ReplayStep(bool (TPlayState::*step)(const TUndoHooks&));
    void ShowSolution();
    void Blink(int col, int row, const std::string& first, int firstMs, const std::string& second,
               int secondMs);
    bool SolutionUsable() const;
    void ThrottledProcessMessages();
    void FillRecordFromBoard();
    std::string Text(int tag, const char* english) const;

    TPlayNSolveView& View;
    TWindowServices& Window;
    TSharedState& Shared;

    TPlayState Game{Shared.SuDoKuState};
    TSuDoKuFileData PlayNSolveRecord;
    TSuDoKuGrid EngineGrid;
    TSuDoKuSolver SuDoKuSolver{EngineGrid};
    TDefaultRandom OwnRandom;
    TRandom* Rand = &OwnRandom;

    int SolutionsMenuCount = 0;
    bool Replaying = false; // an undo or hint blink is on screen
    std::string FileNameCaption;
    std::chrono::steady_clock::time_point LastMessages{};
};

} // namespace sudoku
