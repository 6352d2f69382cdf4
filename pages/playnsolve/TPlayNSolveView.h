// What the Play & Solve page needs from the window: captions, enabling, the board, the menus,
// the display set, the dialogs, and time. The Qt layer implements it; tests fake it.
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

    // Controls of the page.
    virtual void SetEnabled(TPlayControl control, bool enabled) = 0;
    virtual void SetPauseCaption(const std::string& caption) = 0;
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

    // Dialogs: text entry (empty unless confirmed) and yes/no; the write-error box.
    virtual std::string EditDlg(const std::string& prompt, const std::string& okCaption,
                                const std::string& cancelCaption, const std::string& text) = 0;
    virtual bool MsgDlg(const std::string& text, const std::string& yesCaption,
                        const std::string& noCaption) = 0;
    virtual void ShowWriteError(const std::string& message) = 0;

    // Translated text by tag, with its English default.
    virtual std::string Translate(int tag, const std::string& english) const = 0;

    // The message loop and time: handle pending events, block for a while, the moment now
    // (days since 30 December 1899).
    virtual void ProcessMessages() = 0;
    virtual void Delay(int milliseconds) = 0;
    virtual double Now() const = 0;
};

} // namespace sudoku
