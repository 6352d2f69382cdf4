// Wiring of the Play & Solve page logic to its sheet and to the window.
#include "TPlayNSolveBinding.h"

#include "Levels.h"
#include "TBaseBtn.h"
#include "TCellInput.h"
#include "TFormBuilder.h"
#include "TGridOptions.h"
#include "TGridPrinter.h"
#include "TLoginName.h"
#include "TMainForm.h"
#include "TPageRequest.h"
#include "TPieGauge.h"
#include "TPuzzleMenus.h"
#include "TScreenLayout.h"
#include "TSolutionsPopupMenu.h"
#include "TSuDoKuGridPopupMenu.h"
#include "TSuDoKuGridWidget.h"
#include "TSuDoKuGridsPopupMenu.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>

namespace sudoku {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TPlayNSolveBinding::TPlayNSolveBinding(TMainForm& form, TPuzzleMenus& menus)
    : Form(form), Menus(menus), PageSheet(new TPlayNSolveSheet(form.Pages, form.ScreenLayout)),
      GridWidget(PageSheet->PlayNSolveSuDoKuGrid), Services(form) {
    GridWidget->setFocusPolicy(Qt::StrongFocus);
    Sets.FillDisplaySetList(Form.AppDir);

    GamePage = std::make_unique<TPlayNSolvePage>(*this, Services, Form.Shared);
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
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    if (qtKey >= Qt::Key_1 && qtKey <= Qt::Key_9)
        return keypad ? vk::Numpad1 + (qtKey - Qt::Key_1) : '1' + (qtKey - Qt::Key_1);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 'A' + (qtKey - Qt::Key_A);
    switch (qtKey) {
    case Qt::Key_Delete:
        return vk::Delete;
    case Qt::Key_Backspace:
        return vk::Back;
    case Qt::Key_Space:
        return vk::Space;
    case Qt::Key_Clear:
        return vk::Clear;
    case Qt::Key_Pause:
        return vk::Pause;
    default:
        return 0;
    }
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
    // A new shape comes with the draw state.
    GridWidget->SetDrawState(draw);
    GridWidget->SetCells(state.Cells);
    TGridLook look = WithOptions(GridWidget->Look(), Form.Shared.Options, Form.ScreenLayout);
    look.DisplaySet = Sets.DisplaySet();
    look.PictureSet = Sets.PictureSetSelected() && draw.GridSize() < 10;
    look.IconList16x16 = Sets.IconList16x16();
    look.IconList32x32 = Sets.IconList32x32();
    // Point sizes of symbols and notes follow the screen layout.
    look.ValueFontSize = Form.ScaleValue(12);
    look.LargeGridValueFontSize = Form.ScaleValue(10);
    look.NoteFontSize = Form.ScaleValue(6);
    look.LargeGridNoteFontSize = Form.ScaleValue(4);
    if (!(look == GridWidget->Look()))
        GridWidget->SetLook(look);
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

int TPlayNSolveBinding::DisplaySetIndex() const {
    return Sets.SelectedIndex();
}

std::string TPlayNSolveBinding::DisplaySetSymbols() const {
    return Sets.DisplaySet().toStdString();
}

bool TPlayNSolveBinding::HasSmallPicture(int value) const {
    const auto& icons = Sets.IconList16x16();
    return value >= 0 && value < icons.size() && !icons[value].isNull();
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

void TPlayNSolveBinding::SetPauseCaption(const std::string& caption) {
    PageSheet->PlayNSolvePauseBtn->SetCaption(Q(caption));
}

void TPlayNSolveBinding::SetSolutionCaption(const std::string& caption) {
    PageSheet->PlayNSolveSolutionBtn->SetCaption(Q(caption));
}

void TPlayNSolveBinding::SetFileNameCaption(const std::string& caption) {
    QLabel* label = PageSheet->PlayNSolveFileNameLbl;
    const QString text = Q(caption);
    label->setText(text);
    label->setToolTip(text);
    // A long name (a default name holds the date and time) is drawn smaller rather than cut
    // off; the size the screen layout gives the label is the largest.
    label->setFont(
        TFormBuilder::ShrinkToFit(TScreenLayout::PlacedFont(label), text, label->width(), 5));
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
    TPlayNSolveSheet& s = *PageSheet;
    s.PlayNSolveAlternativesLbl->setText(Q(display.Caption));
    AlternativePictures = display.PictureValues;
    s.PlayNSolveAlternativesImg->setVisible(display.PictureVisible);
    s.PlayNSolveAlternativesImg->update();
}

void TPlayNSolveBinding::SetSolutionsMenu(int count) {
    SolutionsMenu().SetSolutions(count, Form.TranslateText(560, QStringLiteral("Solution")));
}

void TPlayNSolveBinding::SetGridSize(int) {
    const TSuDoKuGrid& grid = GamePage->State().Grid();
    GridWidget->SetGridSize(grid.BoxCols, grid.BoxRows);
}

void TPlayNSolveBinding::RefreshDisplaySet() {
    const int n = GamePage->State().GridSize();
    Sets.Apply(Sets.IndexOf(QString::fromStdString(Form.Shared.Options.DisplaySet)), n);
    GridMenu().ApplyDisplaySet(Sets, n);
    PageSheet->PlayNSolveDisplaySetImg->update();
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
    TPlayNSolveSheet& s = *PageSheet;
    if (watched == &Form) {
        if (event->type() == QEvent::WindowStateChange && Form.isMinimized())
            Refresh([this] { GamePage->WindowMinimised(); });
        return false;
    }
    if (watched == s.PlayNSolveDisplaySetImg) {
        if (event->type() == QEvent::Paint) {
            PaintStrip();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int x = static_cast<int>(mouse->position().x());
            const Qt::KeyboardModifiers mods = mouse->modifiers();
            const double factor = TScreenLayout::Factor(Form.ScreenLayout);
            const int width = s.PlayNSolveDisplaySetImg->width();
            Run([this, x, mods, factor, width] {
                GamePage->DisplaySetImgMouseUp(x, width, factor, mods.testFlag(Qt::ShiftModifier),
                                               mods.testFlag(Qt::ControlModifier));
            });
            return true;
        }
    } else if (watched == s.PlayNSolveAlternativesImg && event->type() == QEvent::Paint) {
        PaintAlternatives();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TPlayNSolveBinding::PaintStrip() {
    QWidget* strip = PageSheet->PlayNSolveDisplaySetImg;
    QPainter painter(strip);
    const int n = GamePage->State().GridSize();
    // The clicks on the strip are read back with the same step.
    const int step =
        TCellInput::StripStep(strip->width(), n, TScreenLayout::Factor(Form.ScreenLayout));
    // While a game is in play, how many of each symbol are still to be placed.
    const TPlayState& state = GamePage->State();
    Sets.DrawDisplaySetImg(
        painter, strip->width(), strip->height(), n, TFormBuilder::WindowColor(), Form.font(), step,
        HasFlag(state.SuDoKuState, sfPlaying) ? state.SymbolsToPlace() : std::vector<int>{});
}

void TPlayNSolveBinding::PaintAlternatives() {
    QWidget* picture = PageSheet->PlayNSolveAlternativesImg;
    QPainter painter(picture);
    painter.fillRect(picture->rect(), TFormBuilder::WindowColor());
    const auto& icons = Sets.IconList16x16();
    int drawn = 0;
    for (int v : AlternativePictures)
        if (v < icons.size() && !icons[v].isNull())
            painter.drawPixmap(9 * drawn++, 2, icons[v]);
}

} // namespace sudoku
