// Binds the plain Enter & Design page to its sheet: button clicks, grid keys, double clicks and
// mouse, the symbol strip, the shared menus and the window's moments reach the page; the page's
// captions, enabling, gauge and board reach the controls.
#pragma once

#include "TEnterNDesignPage.h"
#include "TEnterNDesignSheet.h"
#include "TEnterNDesignView.h"
#include "TFormServices.h"
#include "TPuzzleGridPanel.h"
#include "TShellPage.h"

#include <QObject>

#include <functional>
#include <memory>

namespace sudoku {

class TMainForm;
class TPuzzleMenus;
class TSuDoKuGridWidget;

class TEnterNDesignBinding : public QObject, public TEnterNDesignView, public TShellPage {
    Q_OBJECT
public:
    TEnterNDesignBinding(TMainForm& form, TPuzzleMenus& menus);
    ~TEnterNDesignBinding() override;

    // TShellPage: entering restores the last design, leaving stores it; the status, the tick,
    // options and language reach the page; other pages ask it to open a record, start a new
    // design, take a solution or a grid-menu key.
    TEnterNDesignSheet& Sheet() override { return *PageSheet; }
    void Entered(bool wasShowing) override;
    void SaveLastState() override;
    void UpdateStatus() override;
    void TimerTick() override;
    // The grid takes the display set and the settings' colours, font, contrast puzzle, ruler
    // and font sizes.
    void OptionsChanged() override;
    void Rescale() override { OptionsChanged(); }
    void Retranslate() override;
    void Request(const TPageRequest& request) override;

    TEnterNDesignPage& Page() { return *DesignPage; }
    TSuDoKuGridWidget& Grid() const { return *GridWidget; }
    bool PopupAllowed() const { return Popup; }
    // Virtual-key code of a Qt key on the design grid (0 for keys it does not take).
    static int VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);

    // TEnterNDesignView
    int DisplaySetIndex() const override { return Panel.Sets().SelectedIndex(); }
    std::string DisplaySetSymbols() const override;
    bool HasSmallPicture(int value) const override { return Panel.HasSmallPicture(value); }
    void SetEnabled(TDesignControl control, bool enabled) override;
    void SetModeButton(int tag) override;
    void SetStatusCaption(const std::string& caption) override;
    void SetValidateCaption(const std::string& caption) override;
    void SetCompleteCaption(const std::string& caption) override;
    void SetFileNameCaption(const std::string& caption) override;
    void ShowClock(const TClockFace& design) override;
    void ShowAlternatives(const TAlternativesDisplay& display) override;
    void SetPopupAllowed(bool allowed) override { Popup = allowed; }
    void SetSolutionsMenu(int count) override;
    int SolutionsMenuCount() const override;
    void SetShape(int boxCols, int boxRows) override;
    void SelectCell(int col, int row) override;
    int SelectedCol() const override;
    int SelectedRow() const override;
    void RefreshGrid() override;
    void RepaintGrid() override;
    void PlayNSolve(const std::string& fileName, const std::string& section) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Every entry from the window runs the handler, then brings the page's arrays to the grid.
    void Run(const std::function<void()>& handler);
    void SyncGrid();
    void Connect();

    TMainForm& Form;
    TPuzzleMenus& Menus;
    TEnterNDesignSheet* PageSheet; // owned by the notebook
    TSuDoKuGridWidget* GridWidget;
    TFormServices Services;
    TPuzzleGridPanel Panel;
    std::unique_ptr<TEnterNDesignPage> DesignPage;
    bool Popup = false;
};

} // namespace sudoku
