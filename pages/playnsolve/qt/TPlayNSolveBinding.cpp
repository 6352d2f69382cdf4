// Wiring of the Play & Solve page logic to its sheet and to the window.
#include "TPlayNSolveBinding.h"

#include "Levels.h"
#include "TBaseBtn.h"
#include "TCellInput.h"
#include "TGridPrinter.h"
#include "TLoginName.h"
#include "TMainForm.h"
#include "TPageRequest.h"
#include "TPieGauge.h"
#include "TPuzzleMenus.h"
#include "TSolutionsPopupMenu.h"
#include "TSuDoKuGridPopupMenu.h"
#include "TSuDoKuGridWidget.h"
#include "TSuDoKuGridsPopupMenu.h"

#include <QEvent>
#include <QLabel>
#include <QStackedWidget>

namespace sudoku {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TPlayNSolveBinding::TPlayNSolveBinding(TMainForm& form, TPuzzleMenus& menus)
    : Form(form), Menus(menus), PageSheet(new TPlayNSolveSheet(form.Pages, form.ScreenLayout)),
      GridWidget(PageSheet->PlayNSolveSuDoKuGrid), Services(form),
      Panel(form, *GridWidget, *PageSheet->PlayNSolveDisplaySetImg,
            *PageSheet->PlayNSolveAlternativesLbl, *PageSheet->PlayNSolveAlternativesImg,
            *PageSheet->PlayNSolveFileNameLbl),
      PauseCaption(PageSheet->PlayNSolvePauseBtn->Caption()),
      PauseHint(PageSheet->PlayNSolvePauseBtn->toolTip()) {
    GridWidget->setFocusPolicy(Qt::StrongFocus);

    GamePage = std::make_unique<TPlayNSolvePage>(*this, Services, Form.Shared);
    Panel.GridSize = [this] { return GamePage->State().GridSize(); };
    // While a game is in play, the strip shows how many of each symbol are still to be placed.
    Panel.SymbolsToPlace = [this] {
        const TPlayState& state = GamePage->State();
        return HasFlag(state.SuDoKuState, sfPlaying) ? state.SymbolsToPlace() : std::vector<int>{};
    };
    Panel.StripClicked = [this](const TPuzzleGridPanel::TStripClick& click) {
        Run([this, click] {
            GamePage->DisplaySetImgMouseUp(click.X, click.Width, click.Factor, click.Shift,
                                           click.Ctrl);
        });
    };
    // The grid menu and the solutions menu serve the design page too: what the page hands on
    // goes there through the window.
    GamePage->Design.Key = [this](int virtualKey) {
        Form.Request(TMainForm::pgEnterNDesign,
                     TPageRequest{.Kind = TPageRequest::Key, .Number = virtualKey});
    };
    GamePage->Design.TakeSolution = [this](int solution) {
        Form.Request(TMainForm::pgEnterNDesign,
                     TPageRequest{.Kind = TPageRequest::TakeSolution, .Number = solution});
    };
    // A change of login between ticks: the old user's settings and game are saved under the
    // old name, then the new user's settings are applied.
    GamePage->CurrentLoginName = [] { return TLoginName::Current(); };
    GamePage->UserChanged = [this](const std::string& newName) { Form.ChangeUser(newName); };
    Connect();
    Refresh([this] {
        GridWidget->SetGridSize(3, 3);
        RefreshDisplaySet();
    });
}

TPlayNSolveBinding::~TPlayNSolveBinding() = default;

TSuDoKuGridsPopupMenu& TPlayNSolveBinding::ShapeMenu() const {
    return Menus.Shapes();
}

TSolutionsPopupMenu& TPlayNSolveBinding::SolutionsMenu() const {
    return Menus.Solutions();
}

TSuDoKuGridPopupMenu& TPlayNSolveBinding::GridMenu() const {
    return Menus.Grid();
}

void TPlayNSolveBinding::Connect() {
    TPlayNSolveSheet& sheet = *PageSheet;
    TPlayNSolvePage& page = *GamePage;
    const auto on = [this](TBaseBtn* button, std::function<void()> handler) {
        connect(button, &TBaseBtn::OnClick, this, [this, handler] { Run(handler); });
    };
    connect(sheet.PlayNSolveNewBtn, &TBaseBtn::OnClick, this, [this] {
        if (!HasFlag(Form.Shared.SuDoKuState, sfThinking | sfLoading | sfValidating))
            ShapeMenu().PopupBelow(PageSheet->PlayNSolveNewBtn);
    });
    on(sheet.PlayNSolveSaveBtn, [&page] { page.PlayNSolveSaveBtnClick(); });
    // Not through Run: the ticks while the print dialog is open take the rendering flag from
    // the shared state.
    connect(sheet.PlayNSolvePrintBtn, &TBaseBtn::OnClick, this,
            [this] { PlayNSolvePrintBtnClick(); });
    connect(sheet.PlayNSolveClipboardBtn, &TBaseBtn::OnClick, this,
            [this] { PlayNSolveClipboardBtnClick(); });
    on(sheet.PlayNSolvePauseBtn, [&page] { page.PlayNSolvePauseBtnClick(); });
    on(sheet.PlayNSolveRestartBtn, [&page] { page.PlayNSolveRestartBtnClick(); });
    on(sheet.PlayNSolveUndoBtn, [&page] { page.PlayNSolveUndoBtnClick(); });
    on(sheet.PlayNSolveRedoBtn, [&page] { page.PlayNSolveRedoBtnClick(); });
    on(sheet.PlayNSolveHintBtn, [&page] { page.PlayNSolveHintBtnClick(); });
    on(sheet.PlayNSolveErrorsBtn, [&page] { page.PlayNSolveErrorsBtnClick(); });
    on(sheet.PlayNSolveSolutionBtn, [this, &page] {
        if (page.SolutionsPopupClick())
            SolutionsMenu().PopupBelow(PageSheet->PlayNSolveSolutionBtn);
    });
    connect(&ShapeMenu(), &TSuDoKuGridsPopupMenu::ShapeChosen, this,
            [this, &page](const QString& name) {
                Run([&page, name] { page.SuDoKuGridsPopupMenuClick(name.toStdString()); });
            });
    connect(&SolutionsMenu(), &TSolutionsPopupMenu::SolutionChosen, this,
            [this, &page](const QString& name) {
                Run([&page, name] { page.SolutionsPopupMenuClick(name.toStdString()); });
            });
    connect(&GridMenu(), &TSuDoKuGridPopupMenu::ItemChosen, this,
            [this, &page](const QString& name) {
                Run([&page, name] { page.SuDoKuGridPopupMenuClick(name.toStdString()); });
            });

    connect(GridWidget, &TSuDoKuGridWidget::CellSelected, this, [this, &page](int col, int row) {
        Run([&page, col, row] { page.SuDoKuGridSelectCell(col + 1, row + 1); });
    });
    connect(GridWidget, &TSuDoKuGridWidget::CellMouseReleased, this,
            [this, &page](int, int, Qt::MouseButton, Qt::KeyboardModifiers) {
                Run([&page] { page.SuDoKuGridMouseUp(); });
            });
    connect(GridWidget, &TSuDoKuGridWidget::CellContextMenu, this,
            [this](int, int, const QPoint& globalPos) {
                if (Popup)
                    GridMenu().popup(globalPos);
            });
    // Keys act when pressed: a Ctrl let go a moment before the digit still makes a note.
    connect(GridWidget, &TSuDoKuGridWidget::GridKeyPressed, this,
            [this, &page](int key, Qt::KeyboardModifiers mods, quint32) {
                const int virtualKey = VirtualKey(key, mods);
                if (virtualKey != 0)
                    Run([&page, virtualKey, mods] {
                        page.SuDoKuGridKeyUp(virtualKey, mods.testFlag(Qt::ControlModifier));
                    });
            });
    sheet.PlayNSolveDisplaySetImg->installEventFilter(this);
    // The window being minimised pauses the game.
    Form.installEventFilter(this);
    sheet.PlayNSolveAlternativesImg->installEventFilter(this);
}

int TPlayNSolveBinding::VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    // Alt and the logo key belong to shortcuts: no such key enters a value.
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return 0;
    if (qtKey == Qt::Key_Pause)
        return vk::Pause;
    return TPuzzleGridPanel::VirtualKey(qtKey, modifiers);
}

// ---- Entries -------------------------------------------------------------------------------

void TPlayNSolveBinding::Run(const std::function<void()>& handler) {
    Refresh(handler);
    // Handlers disable the grid for a while (New, Pause, Restart, dialogs), and a disabled
    // widget gives its focus away: the keyboard belongs to the grid again afterwards, or, while
    // the game is paused, to the button that resumes it.
    if (!PlayNSolveShowing())
        return;
    if (GridWidget->isEnabled())
        GridWidget->setFocus(Qt::OtherFocusReason);
    else if (HasFlag(Form.Shared.SuDoKuState, sfPaused))
        PageSheet->PlayNSolvePauseBtn->setFocus(Qt::OtherFocusReason);
}

void TPlayNSolveBinding::Refresh(const std::function<void()>& handler) {
    handler();
    SyncGrid();
    PageSheet->PlayNSolveDisplaySetImg->update(); // its counts
}

void TPlayNSolveBinding::SyncGrid() {
    const TPlayState& state = GamePage->State();
    TGridDrawState draw;
    draw.BoxCols = state.Grid().BoxCols;
    draw.BoxRows = state.Grid().BoxRows;
    draw.SolutionValues = state.SolutionValues;
    draw.GivenStrings = state.GivenStrings;
    draw.SuDoKuState = state.SuDoKuState;
    draw.HighlightValue = state.HighlightValue;
    Panel.ShowBoard(draw, state.Cells);
}

void TPlayNSolveBinding::PlayNSolvePrintBtnClick() {
    Form.GridPrinter().Print(*GridWidget, Q(GamePage->Record().Name));
}

void TPlayNSolveBinding::PlayNSolveClipboardBtnClick() {
    Form.GridPrinter().CopyToClipboard(*GridWidget);
}

// ---- The window's moments -------------------------------------------------------------------

void TPlayNSolveBinding::Entered(bool wasShowing) {
    Run([this, wasShowing] {
        if (!wasShowing)
            GamePage->RestoreLastGame();
    });
}

void TPlayNSolveBinding::SaveLastState() {
    Refresh([this] { GamePage->SaveLastGame(); });
}

void TPlayNSolveBinding::UpdateStatus() {
    Refresh([this] { GamePage->UpdateStatus(); });
}

void TPlayNSolveBinding::TimerTick() {
    Refresh([this] { GamePage->MainTimerTime(); });
}

void TPlayNSolveBinding::OptionsChanged() {
    Refresh([this] {
        RefreshDisplaySet();
        RepaintGrid();
    });
}

void TPlayNSolveBinding::Rescale() {
    Refresh([] {});
}

void TPlayNSolveBinding::Request(const TPageRequest& request) {
    if (request.Kind == TPageRequest::Open)
        Run([this, &request] {
            GamePage->PlayNSolveLoad(request.FileName.toStdString(), request.Section.toStdString());
            if (request.Replay)
                GamePage->PlayNSolveReplay();
        });
    else if (request.Kind == TPageRequest::ShowLevel)
        SetLevelCaption(Services.Translate(570, "Level") + " " + OptionsLevelText(request.Number));
}

// ---- Options and display set ---------------------------------------------------------------

std::string TPlayNSolveBinding::OptionsLevelText(int level) const {
    // The level list of the Options page holds these names in the language in force.
    return level >= 0 && level < LevelCount
               ? Services.Translate(861 + level, std::string(LevelName(level)))
               : std::string();
}

std::string TPlayNSolveBinding::DisplaySetSymbols() const {
    return Panel.Sets().DisplaySet().toStdString();
}

bool TPlayNSolveBinding::PlayNSolveShowing() const {
    return Form.ActivePage() == TMainForm::pgPlayNSolve;
}

bool TPlayNSolveBinding::EnterNDesignShowing() const {
    return Form.ActivePage() == TMainForm::pgEnterNDesign;
}

// ---- Controls ------------------------------------------------------------------------------

void TPlayNSolveBinding::SetEnabled(TPlayControl control, bool enabled) {
    TPlayNSolveSheet& s = *PageSheet;
    QWidget* widget = nullptr;
    switch (control) {
    case TPlayControl::New:
        widget = s.PlayNSolveNewBtn;
        break;
    case TPlayControl::Save:
        widget = s.PlayNSolveSaveBtn;
        break;
    case TPlayControl::Print:
        widget = s.PlayNSolvePrintBtn;
        break;
    case TPlayControl::Clipboard:
        widget = s.PlayNSolveClipboardBtn;
        break;
    case TPlayControl::Pause:
        widget = s.PlayNSolvePauseBtn;
        break;
    case TPlayControl::Restart:
        widget = s.PlayNSolveRestartBtn;
        break;
    case TPlayControl::Undo:
        widget = s.PlayNSolveUndoBtn;
        break;
    case TPlayControl::Redo:
        widget = s.PlayNSolveRedoBtn;
        break;
    case TPlayControl::Hint:
        widget = s.PlayNSolveHintBtn;
        break;
    case TPlayControl::Errors:
        widget = s.PlayNSolveErrorsBtn;
        break;
    case TPlayControl::Solution:
        widget = s.PlayNSolveSolutionBtn;
        break;
    case TPlayControl::AlternativesLbl:
        widget = s.PlayNSolveAlternativesLbl;
        break;
    case TPlayControl::Grid:
        widget = GridWidget;
        break;
    }
    if (widget != nullptr && widget->isEnabled() != enabled)
        widget->setEnabled(enabled);
}

void TPlayNSolveBinding::SetPauseButton(int tag) {
    // The paused texts come from the language file only; without them the button keeps the
    // form's texts.
    Form.RetagButton(PageSheet->PlayNSolvePauseBtn, tag, PauseCaption, PauseHint);
}

void TPlayNSolveBinding::SetSolutionCaption(const std::string& caption) {
    PageSheet->PlayNSolveSolutionBtn->SetCaption(Q(caption));
}

void TPlayNSolveBinding::SetFileNameCaption(const std::string& caption) {
    Panel.ShowFileName(caption);
}

void TPlayNSolveBinding::SetLevelCaption(const std::string& caption) {
    PageSheet->PlayNSolveLevelLbl->setText(Q(caption));
}

void TPlayNSolveBinding::ShowClock(const TClockFace& play) {
    TPlayNSolveSheet& s = *PageSheet;
    if (s.PlayNSolveTimeLbl->text() != Q(play.Caption))
        s.PlayNSolveTimeLbl->setText(Q(play.Caption));
    s.PlayNSolveGauge->SetProgress(play.GaugePosition);
    s.PlayNSolveGauge->SetColor(play.GaugeRed ? QColor(Qt::red) : QColor(Qt::black));
    s.PlayNSolveGauge->setVisible(play.GaugeVisible);
}

void TPlayNSolveBinding::ShowAlternatives(const TAlternativesDisplay& display) {
    Panel.ShowAlternatives(display);
}

void TPlayNSolveBinding::SetSolutionsMenu(int count) {
    SolutionsMenu().SetSolutions(count, Form.TranslateText(560, QStringLiteral("Solution")));
}

void TPlayNSolveBinding::SetGridSize(int) {
    const TSuDoKuGrid& grid = GamePage->State().Grid();
    GridWidget->SetGridSize(grid.BoxCols, grid.BoxRows);
}

void TPlayNSolveBinding::RefreshDisplaySet() {
    Panel.ApplyDisplaySet();
    GridMenu().ApplyDisplaySet(Panel.Sets(), GamePage->State().GridSize());
}

void TPlayNSolveBinding::SelectCell(int col, int row) {
    GridWidget->SetSelection(col - 1, row - 1);
}

int TPlayNSolveBinding::SelectedCol() const {
    return GridWidget->Col() + 1;
}

int TPlayNSolveBinding::SelectedRow() const {
    return GridWidget->Row() + 1;
}

void TPlayNSolveBinding::RepaintGrid() {
    SyncGrid();
    GridWidget->RepaintNow();
}

void TPlayNSolveBinding::StartNewDesign(int boxCols, int boxRows) {
    Form.Request(
        TMainForm::pgEnterNDesign,
        TPageRequest{.Kind = TPageRequest::NewDesign, .BoxCols = boxCols, .BoxRows = boxRows});
}

// ---- Strip and alternatives picture ---------------------------------------------------------

bool TPlayNSolveBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &Form) {
        if (event->type() == QEvent::WindowStateChange && Form.isMinimized())
            Refresh([this] { GamePage->WindowMinimised(); });
        return false;
    }
    return Panel.HandleEvent(watched, event) || QObject::eventFilter(watched, event);
}

} // namespace sudoku
