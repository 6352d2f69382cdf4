// Binds the plain Play & Solve page to its sheet: button clicks, grid keys and mouse, the
// shared menus, the symbol strip and the window's moments reach the page; the page's captions,
// enabling, clock and board reach the controls.
#pragma once

#include "TFormServices.h"
#include "TPlayNSolvePage.h"
#include "TPlayNSolveSheet.h"
#include "TPlayNSolveView.h"
#include "TPuzzleGridPanel.h"
#include "TShellPage.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace sudoku {

class TMainForm;
class TPuzzleMenus;
class TSolutionsPopupMenu;
class TSuDoKuGridPopupMenu;
class TSuDoKuGridWidget;
class TSuDoKuGridsPopupMenu;

class TPlayNSolveBinding : public QObject, public TPlayNSolveView, public TShellPage {
    Q_OBJECT
public:
    TPlayNSolveBinding(TMainForm& form, TPuzzleMenus& menus);
    ~TPlayNSolveBinding() override;

    // TShellPage: entering restores the last game, leaving stores it; the status, the tick
    // and a change of options reach the page; another page may ask it to open a record.
    TPlayNSolveSheet& Sheet() override { return *PageSheet; }
    void Entered(bool wasShowing) override;
    void SaveLastState() override;
    void UpdateStatus() override;
    void TimerTick() override;
    void OptionsChanged() override;
    // The grid's symbols and notes follow the new screen layout.
    void Rescale() override;
    void Request(const TPageRequest& request) override;

    // Print and Clipboard hand the grid and the record's name to the window's printer.
    void PlayNSolvePrintBtnClick();
    void PlayNSolveClipboardBtnClick();

    TPlayNSolvePage& Page() { return *GamePage; }
    TSuDoKuGridWidget& Grid() const { return *GridWidget; }
    TSuDoKuGridsPopupMenu& ShapeMenu() const;
    TSolutionsPopupMenu& SolutionsMenu() const;
    TSuDoKuGridPopupMenu& GridMenu() const;
    bool PopupAllowed() const { return Popup; }
    // Virtual-key code of a Qt key (0 for keys the grid does not take).
    static int VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

    // TPlayNSolveView
    std::string OptionsLevelText(int level) const override;
    int DisplaySetIndex() const override { return Panel.Sets().SelectedIndex(); }
    std::string DisplaySetSymbols() const override;
    bool HasSmallPicture(int value) const override { return Panel.HasSmallPicture(value); }
    bool PlayNSolveShowing() const override;
    bool EnterNDesignShowing() const override;
    void SetEnabled(TPlayControl control, bool enabled) override;
    void SetPauseButton(int tag) override;
    void SetSolutionCaption(const std::string& caption) override;
    void SetFileNameCaption(const std::string& caption) override;
    void SetLevelCaption(const std::string& caption) override;
    void ShowClock(const TClockFace& play) override;
    void ShowAlternatives(const TAlternativesDisplay& display) override;
    void SetSolutionsMenu(int count) override;
    void SetPopupAllowed(bool allowed) override { Popup = allowed; }
    void SetGridSize(int gridSize) override;
    void RefreshDisplaySet() override;
    void SelectCell(int col, int row) override;
    int SelectedCol() const override;
    int SelectedRow() const override;
    void RepaintGrid() override;
    void StartNewDesign(int boxCols, int boxRows) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the player does runs through Run, the window's own moments through Refresh; both
    // hand the board to the grid afterwards, and Run gives the grid the keyboard back.
    void Run(const std::function<void()>& handler);
    void Refresh(const std::function<void()>& handler);
    void SyncGrid();
    void Connect();

    TMainForm& Form;
    TPuzzleMenus& Menus;
    TPlayNSolveSheet* PageSheet; // owned by the notebook
    TSuDoKuGridWidget* GridWidget;
    TFormServices Services;
    TPuzzleGridPanel Panel;
    // The form's English texts of the Pause button.
    const QString PauseCaption;
    const QString PauseHint;
    std::unique_ptr<TPlayNSolvePage> GamePage;
    bool Popup = false;
};

} // namespace sudoku
