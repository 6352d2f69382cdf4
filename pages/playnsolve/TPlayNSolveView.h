// What the Play & Solve page needs from its controls: captions, enabling, the board, the menus
// and the display set (dialogs, texts and time come through TWindowServices). The Qt layer
// implements it; tests fake it.
#pragma once

#include "TGameClock.h"
#include "TStatusUpdate.h"

#include <string>

namespace sudoku {

enum class TPlayControl {
    New,
    Save,
    Print,
    Clipboard,
    Pause,
    Restart,
    Undo,
    Redo,
    Hint,
    Errors,
    Solution,
    AlternativesLbl,
    Grid,
};

class TPlayNSolveView {
public:
    virtual ~TPlayNSolveView() = default;

    // The name of a level as the Options page lists it; the display set in force.
    virtual std::string OptionsLevelText(int level) const = 0;
    virtual int DisplaySetIndex() const = 0;
    virtual std::string DisplaySetSymbols() const = 0;
    virtual bool HasSmallPicture(int value) const = 0;

    // Which notebook page shows.
    virtual bool PlayNSolveShowing() const = 0;
    virtual bool EnterNDesignShowing() const = 0;

    // Controls of the page. The Pause button takes the caption and hint of its tag: 530 while
    // the game runs, 531 while it is paused.
    virtual void SetEnabled(TPlayControl control, bool enabled) = 0;
    virtual void SetPauseButton(int tag) = 0;
    virtual void SetSolutionCaption(const std::string& caption) = 0;
    virtual void SetFileNameCaption(const std::string& caption) = 0;
    virtual void SetLevelCaption(const std::string& caption) = 0;
    virtual void ShowClock(const TClockFace& play) = 0;
    virtual void ShowAlternatives(const TAlternativesDisplay& display) = 0;
    // Solution items "Solution_1".."Solution_count"; 0 empties the menu.
    virtual void SetSolutionsMenu(int count) = 0;
    virtual void SetPopupAllowed(bool allowed) = 0;

    // The board: N columns and rows with cells of grid size div N; selection; repaint now.
    virtual void SetGridSize(int gridSize) = 0;
    virtual void RefreshDisplaySet() = 0;
    virtual void SelectCell(int col, int row) = 0;
    virtual int SelectedCol() const = 0;
    virtual int SelectedRow() const = 0;
    virtual void RepaintGrid() = 0;

    // A shape chosen for the Enter & Design page, which shares the menus: a new design.
    virtual void StartNewDesign(int boxCols, int boxRows) = 0;
};

} // namespace sudoku
