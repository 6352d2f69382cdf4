// What the Enter & Design page needs from its controls: captions, enabling, the board, the
// shared solutions menu, the display set and another page (dialogs, texts and time come
// through TWindowServices). The Qt layer implements it.
#pragma once

#include "TGameClock.h"
#include "TStatusUpdate.h"

#include <string>

namespace sudoku {

enum class TDesignControl {
    New,
    Save,
    PlayNSolve,
    Print,
    Clipboard,
    Mode,
    CheckPuzzle,
    Generate,
    Puzzle,
    Complete,
    AlternativesLbl,
    Grid,
};

class TEnterNDesignView {
public:
    virtual ~TEnterNDesignView() = default;

    // The display set in force (0 digits, 1 and 2 letters, 3 and up pictures), its symbols,
    // and which values its small pictures cover.
    virtual int DisplaySetIndex() const = 0;
    virtual std::string DisplaySetSymbols() const = 0;
    virtual bool HasSmallPicture(int value) const = 0;

    // Controls of the page. The mode button takes the caption and hint of its tag: 645 offers
    // the design mode, 646 the puzzle mode.
    virtual void SetEnabled(TDesignControl control, bool enabled) = 0;
    virtual void SetModeButton(int tag) = 0;
    virtual void SetStatusCaption(const std::string& caption) = 0;
    virtual void SetValidateCaption(const std::string& caption) = 0;
    virtual void SetCompleteCaption(const std::string& caption) = 0;
    virtual void SetFileNameCaption(const std::string& caption) = 0;
    virtual void ShowClock(const TClockFace& design) = 0;
    virtual void ShowAlternatives(const TAlternativesDisplay& display) = 0;
    virtual void SetPopupAllowed(bool allowed) = 0;

    // The solutions menu both puzzle pages share: items "Solution_1".."Solution_count" (0
    // empties it), and how many it holds now.
    virtual void SetSolutionsMenu(int count) = 0;
    virtual int SolutionsMenuCount() const = 0;

    // The board: a new shape (grid size and display set follow), the selection, and the
    // page's arrays brought to the grid: painted with the next events, or at once.
    virtual void SetShape(int boxCols, int boxRows) = 0;
    virtual void SelectCell(int col, int row) = 0;
    virtual int SelectedCol() const = 0;
    virtual int SelectedRow() const = 0;
    virtual void RefreshGrid() = 0;
    virtual void RepaintGrid() = 0;

    // Shows the Play & Solve page and plays the record stored in section of fileName there.
    virtual void PlayNSolve(const std::string& fileName, const std::string& section) = 0;
};

} // namespace sudoku
