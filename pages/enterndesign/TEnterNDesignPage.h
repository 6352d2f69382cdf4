// The Enter & Design page as plain logic: a design is a complete grid and the choice of its
// givens. New, Generate, Puzzle, Complete, Check Puzzle, the two modes, keys and double clicks
// on the grid, saving, playing the design, and the design kept across page changes. It reaches
// the window through TEnterNDesignView and TWindowServices, the other pages in TSharedState.
#pragma once

#include "TDesignBoard.h"
#include "TEnterNDesignView.h"
#include "TRandom.h"
#include "TSharedState.h"
#include "TSuDoKuFileData.h"
#include "TSuDoKuSolver.h"
#include "TWindowServices.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace sudoku {

// Status byte of a design record: the mode the page shows it in.
enum TEnterNDesignStatus : std::uint8_t {
    dsPuzzleMode = 4,
    dsDesignMode = 5,
};

class TEnterNDesignPage {
public:
    // The Enter key, which toggles a given like the double click.
    static constexpr int ReturnKey = 0x0D;

    TEnterNDesignPage(TEnterNDesignView& view, TWindowServices& window, TSharedState& shared);

    // Loading and saving the design record; the last design across page changes.
    void EnterNDesignLoad(const std::string& fileName, const std::string& section);
    void EnterNDesignSave(const std::string& fileName, std::string section, bool interactive);
    void RestoreLastDesign();
    void SaveLastDesign();
    std::string LastSection() const;

    // Buttons.
    void EnterNDesignSaveBtnClick();
    void EnterNDesignPlayNSolveBtnClick();
    void EnterNDesignModeBtnClick();
    void EnterNDesignGenerateBtnClick();
    void EnterNDesignPuzzleBtnClick();
    void EnterNDesignValidatePuzzle(); // also "Check Puzzle"
    // "Complete": true when the solutions menu should open instead of completing at once.
    bool SolutionsPopupClick();
    void EnterNDesignCompleteBtnClick();

    // The shared menus: a shape chosen for this page, a solution chosen from the menu.
    void NewDesign(int boxCols, int boxRows);
    void EnterNDesignNewBtnClick();
    void TakeSolution(int index);

    // Grid input: keys (and grid-menu items as keys), double click, the symbol strip.
    void SuDoKuGridKeyUp(int virtualKey);
    void SuDoKuGridDblClick();
    void DisplaySetImgMouseUp(int x, int stripWidth, double scale, bool shift);
    void SuDoKuGridSelectCell(int col, int row);
    void SuDoKuGridMouseUp();

    void UpdateStatus();
    // The language changed: the texts this page sets at run time are read again.
    void Retranslate();

    const TDesignBoard& Board() const { return Design; }
    TSuDoKuFileData& Record() { return EnterNDesignRecord; }
    // The givens to draw: the puzzle so far while carving, the design's givens otherwise.
    const TSuDoKuStrings& DrawnGivens() const;
    bool Carving() const { return CarvingNow; }
    int HighlightValue() const { return Highlight; }
    TSuDoKuSolver& Solver() { return SuDoKuSolver; }
    void SetRandom(TRandom& random) { Rand = &random; }
    // Least time between two looks at pending events while carving.
    std::chrono::milliseconds MessageInterval{40};

private:
    TSuDoKuState& State() { return Shared.SuDoKuState; }
    TSuDoKuState State() const { return Shared.SuDoKuState; }
    bool Has(TSuDoKuState flags) const { return HasFlag(Shared.SuDoKuState, flags); }
    // Refuses input and engine work while a record loads, a check runs or the engine works.
    bool Busy() const { return Has(sfLoading | sfValidating | sfThinking); }
    void StartThinking();
    void ShowMode(bool refillGrid);
    void ResetRecord();
    void ResetSolutions();
    void ShowSolutions(const std::vector<std::string>& list);
    void HideGauge();
    void ThrottledProcessMessages();
    void Carve();
    std::string Text(int tag, const char* english) const;

    TEnterNDesignView& View;
    TWindowServices& Window;
    TSharedState& Shared;

    TDesignBoard Design;
    TSuDoKuSolver SuDoKuSolver{Design.Grid()};
    TSuDoKuFileData EnterNDesignRecord;
    TDefaultRandom OwnRandom;
    TRandom* Rand = &OwnRandom;

    bool CarvingNow = false;
    TSuDoKuStrings CarvedPuzzle{};
    int Highlight = 0;
    std::string FileNameCaption;
    std::chrono::steady_clock::time_point LastMessages{};
};

} // namespace sudoku
