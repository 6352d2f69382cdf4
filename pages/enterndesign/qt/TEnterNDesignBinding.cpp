// Wiring of the Enter & Design page logic to its sheet and to the window.
#include "TEnterNDesignBinding.h"

#include "TBaseBtn.h"
#include "TFormBuilder.h"
#include "TGridPrinter.h"
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

TEnterNDesignBinding::TEnterNDesignBinding(TMainForm& form, TPuzzleMenus& menus)
    : Form(form), Menus(menus), PageSheet(new TEnterNDesignSheet(form.Pages, form.ScreenLayout)),
      GridWidget(PageSheet->EnterNDesignSuDoKuGrid), Services(form),
      Panel(form, *GridWidget, *PageSheet->EnterNDesignDisplaySetImg,
            *PageSheet->EnterNDesignAlternativesLbl, *PageSheet->EnterNDesignAlternativesImg,
            *PageSheet->EnterNDesignFileNameLbl) {
    GridWidget->setFocusPolicy(Qt::StrongFocus);
    DesignPage = std::make_unique<TEnterNDesignPage>(*this, Services, Form.Shared);
    Panel.GridSize = [this] { return DesignPage->Board().GridSize(); };
    Panel.StripClicked = [this](const TPuzzleGridPanel::TStripClick& click) {
        Run([this, click] {
            DesignPage->DisplaySetImgMouseUp(click.X, click.Width, click.Factor, click.Shift);
        });
    };
    Connect();
    Run([this] { SetShape(3, 3); });
}

TEnterNDesignBinding::~TEnterNDesignBinding() = default;

void TEnterNDesignBinding::Connect() {
    TEnterNDesignSheet& sheet = *PageSheet;
    TEnterNDesignPage& page = *DesignPage;
    const auto on = [this](TBaseBtn* button, std::function<void()> handler) {
        connect(button, &TBaseBtn::OnClick, this, [this, handler] { Run(handler); });
    };
    connect(sheet.EnterNDesignNewBtn, &TBaseBtn::OnClick, this, [this] {
        if (!HasFlag(Form.Shared.SuDoKuState, sfThinking | sfLoading | sfValidating))
            Menus.Shapes().PopupBelow(PageSheet->EnterNDesignNewBtn);
    });
    // Printing runs outside Run: the timer's ticks during its dialogs see the rendering flag.
    connect(sheet.EnterNDesignPrintBtn, &TBaseBtn::OnClick, this,
            [this] { Form.GridPrinter().Print(*GridWidget, Q(DesignPage->Record().Name)); });
    connect(sheet.EnterNDesignClipboardBtn, &TBaseBtn::OnClick, this,
            [this] { Form.GridPrinter().CopyToClipboard(*GridWidget); });
    on(sheet.EnterNDesignSaveBtn, [&page] { page.EnterNDesignSaveBtnClick(); });
    on(sheet.EnterNDesignPlayNSolveBtn, [&page] { page.EnterNDesignPlayNSolveBtnClick(); });
    on(sheet.EnterNDesignModeBtn, [&page] { page.EnterNDesignModeBtnClick(); });
    on(sheet.EnterNDesignCheckPuzzleBtn, [&page] { page.EnterNDesignValidatePuzzle(); });
    on(sheet.EnterNDesignGenerateBtn, [&page] { page.EnterNDesignGenerateBtnClick(); });
    on(sheet.EnterNDesignPuzzleBtn, [&page] { page.EnterNDesignPuzzleBtnClick(); });
    on(sheet.EnterNDesignCompleteBtn, [this, &page] {
        if (page.SolutionsPopupClick())
            Menus.Solutions().PopupBelow(PageSheet->EnterNDesignCompleteBtn);
    });
    // An emptied solutions menu leaves nothing to choose: "Complete" acts at once again.
    connect(&Menus.Solutions(), &TSolutionsPopupMenu::SolutionsChanged, this, [this](int count) {
        if (count == 0)
            SetCompleteCaption(Services.Translate(660, "Complete"));
    });

    connect(GridWidget, &TSuDoKuGridWidget::CellSelected, this, [this, &page](int col, int row) {
        Run([&page, col, row] { page.SuDoKuGridSelectCell(col + 1, row + 1); });
    });
    connect(GridWidget, &TSuDoKuGridWidget::CellMouseReleased, this,
            [this, &page](int, int, Qt::MouseButton, Qt::KeyboardModifiers) {
                Run([&page] { page.SuDoKuGridMouseUp(); });
            });
    connect(GridWidget, &TSuDoKuGridWidget::CellDoubleClicked, this,
            [this, &page](int, int) { Run([&page] { page.SuDoKuGridDblClick(); }); });
    connect(GridWidget, &TSuDoKuGridWidget::CellContextMenu, this,
            [this](int, int, const QPoint& globalPos) {
                if (!Popup)
                    return;
                // The menu is shared: its values are those of this grid while it opens here.
                Menus.Grid().ApplyDisplaySet(Panel.Sets(), DesignPage->Board().GridSize());
                Menus.Grid().popup(globalPos);
            });
    connect(GridWidget, &TSuDoKuGridWidget::GridKeyReleased, this,
            [this, &page](int key, Qt::KeyboardModifiers mods, quint32) {
                const int virtualKey = VirtualKey(key, mods);
                if (virtualKey != 0)
                    Run([&page, virtualKey] { page.SuDoKuGridKeyUp(virtualKey); });
            });
    sheet.EnterNDesignDisplaySetImg->installEventFilter(this);
    sheet.EnterNDesignAlternativesImg->installEventFilter(this);
}

int TEnterNDesignBinding::VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter)
        return TEnterNDesignPage::ReturnKey;
    return TPuzzleGridPanel::VirtualKey(qtKey, modifiers);
}

// ---- Entries -------------------------------------------------------------------------------

void TEnterNDesignBinding::Run(const std::function<void()>& handler) {
    handler();
    SyncGrid();
}

void TEnterNDesignBinding::SyncGrid() {
    const TEnterNDesignPage& page = *DesignPage;
    const TDesignBoard& board = page.Board();
    TGridDrawState draw;
    draw.BoxCols = board.Grid().BoxCols;
    draw.BoxRows = board.Grid().BoxRows;
    draw.SolutionValues = board.SolutionValues;
    draw.GivenStrings = page.DrawnGivens();
    // The drawing reads only the flags of a game and of rendering, none of which a design sets.
    draw.SuDoKuState = Form.Shared.SuDoKuState & sfRendering;
    draw.HighlightValue = page.HighlightValue();
    // While carving, the grid shows no ruler and the remaining givens on the contrast colour.
    Panel.ShowBoard(draw, board.Cells, [&page](TGridLook& look) {
        look.ShowRuler = look.ShowRuler && !page.Carving();
        look.ContrastPuzzle = look.ContrastPuzzle || page.Carving();
    });
}

// ---- The window's moments -------------------------------------------------------------------

void TEnterNDesignBinding::Entered(bool wasShowing) {
    if (!wasShowing)
        Run([this] { DesignPage->RestoreLastDesign(); });
}

void TEnterNDesignBinding::SaveLastState() {
    Run([this] { DesignPage->SaveLastDesign(); });
}

void TEnterNDesignBinding::UpdateStatus() {
    Run([this] { DesignPage->UpdateStatus(); });
}

void TEnterNDesignBinding::TimerTick() {
    // The clock animates this face while the engine works on a design.
    const TClockFace& face = Form.Shared.Clock.DesignFace;
    ShowClock(face);
    if (HasFlag(Form.Shared.SuDoKuState, sfThinking) &&
        HasFlag(Form.Shared.SuDoKuState, sfDesigning) && !face.Caption.empty())
        SetStatusCaption(face.Caption);
}

void TEnterNDesignBinding::OptionsChanged() {
    Run([this] { Panel.ApplyDisplaySet(); });
}

void TEnterNDesignBinding::Retranslate() {
    Run([this] { DesignPage->Retranslate(); });
}

void TEnterNDesignBinding::Request(const TPageRequest& request) {
    if (request.Kind == TPageRequest::Open) {
        Run([this, &request] {
            DesignPage->EnterNDesignLoad(request.FileName.toStdString(),
                                         request.Section.toStdString());
        });
        return;
    }
    // The other kinds come from the Play & Solve page's menu handlers while those run: they
    // are taken up once that handler is done.
    QMetaObject::invokeMethod(
        this,
        [this, request] {
            Run([this, &request] {
                TEnterNDesignPage& page = *DesignPage;
                switch (request.Kind) {
                case TPageRequest::NewDesign:
                    page.NewDesign(request.BoxCols, request.BoxRows);
                    break;
                case TPageRequest::TakeSolution:
                    page.TakeSolution(request.Number);
                    break;
                case TPageRequest::Key:
                    page.SuDoKuGridKeyUp(request.Number);
                    break;
                case TPageRequest::Open:
                case TPageRequest::ShowLevel:
                    break;
                }
            });
        },
        Qt::QueuedConnection);
}

// ---- Display set ------------------------------------------------------------------------------

std::string TEnterNDesignBinding::DisplaySetSymbols() const {
    return Panel.Sets().DisplaySet().toStdString();
}

// ---- Controls ------------------------------------------------------------------------------

void TEnterNDesignBinding::SetEnabled(TDesignControl control, bool enabled) {
    TEnterNDesignSheet& s = *PageSheet;
    QWidget* widget = nullptr;
    switch (control) {
    case TDesignControl::New:
        widget = s.EnterNDesignNewBtn;
        break;
    case TDesignControl::Save:
        widget = s.EnterNDesignSaveBtn;
        break;
    case TDesignControl::PlayNSolve:
        widget = s.EnterNDesignPlayNSolveBtn;
        break;
    case TDesignControl::Print:
        widget = s.EnterNDesignPrintBtn;
        break;
    case TDesignControl::Clipboard:
        widget = s.EnterNDesignClipboardBtn;
        break;
    case TDesignControl::Mode:
        widget = s.EnterNDesignModeBtn;
        break;
    case TDesignControl::CheckPuzzle:
        widget = s.EnterNDesignCheckPuzzleBtn;
        break;
    case TDesignControl::Generate:
        widget = s.EnterNDesignGenerateBtn;
        break;
    case TDesignControl::Puzzle:
        widget = s.EnterNDesignPuzzleBtn;
        break;
    case TDesignControl::Complete:
        widget = s.EnterNDesignCompleteBtn;
        break;
    case TDesignControl::AlternativesLbl:
        widget = s.EnterNDesignAlternativesLbl;
        break;
    case TDesignControl::Grid:
        widget = GridWidget;
        break;
    }
    if (widget != nullptr && widget->isEnabled() != enabled)
        widget->setEnabled(enabled);
}

void TEnterNDesignBinding::SetModeButton(int tag) {
    // The form's texts offer the design mode; without a language file the button offers the
    // puzzle mode in English.
    const bool offersPuzzleMode = tag == 646;
    Form.RetagButton(PageSheet->EnterNDesignModeBtn, tag,
                     offersPuzzleMode ? QStringLiteral("Puzzle Mode")
                                      : QStringLiteral("Design Mode"),
                     offersPuzzleMode ? QStringLiteral("Switch to puzzle mode")
                                      : QStringLiteral("Switch to design mode"));
}

void TEnterNDesignBinding::SetStatusCaption(const std::string& caption) {
    PageSheet->EnterNDesignStatusLbl->setText(Q(caption));
}

void TEnterNDesignBinding::SetValidateCaption(const std::string& caption) {
    PageSheet->EnterNDesignValidateLbl->setText(Q(caption));
}

void TEnterNDesignBinding::SetCompleteCaption(const std::string& caption) {
    TFormBuilder::SetButtonCaption(PageSheet->EnterNDesignCompleteBtn, Q(caption));
}

void TEnterNDesignBinding::SetFileNameCaption(const std::string& caption) {
    Panel.ShowFileName(caption);
}

void TEnterNDesignBinding::ShowClock(const TClockFace& design) {
    TPieGauge* gauge = PageSheet->EnterNDesignGauge;
    gauge->SetProgress(design.GaugePosition);
    gauge->SetColor(Qt::black);
    gauge->setVisible(design.GaugeVisible);
}

void TEnterNDesignBinding::ShowAlternatives(const TAlternativesDisplay& display) {
    Panel.ShowAlternatives(display);
}

void TEnterNDesignBinding::SetSolutionsMenu(int count) {
    Menus.Solutions().SetSolutions(count, Form.TranslateText(560, QStringLiteral("Solution")));
}

int TEnterNDesignBinding::SolutionsMenuCount() const {
    return static_cast<int>(Menus.Solutions().actions().size());
}

void TEnterNDesignBinding::SetShape(int boxCols, int boxRows) {
    GridWidget->SetGridSize(boxCols, boxRows);
    Panel.ApplyDisplaySet();
}

void TEnterNDesignBinding::SelectCell(int col, int row) {
    GridWidget->SetSelection(col - 1, row - 1);
}

int TEnterNDesignBinding::SelectedCol() const {
    return GridWidget->Col() + 1;
}

int TEnterNDesignBinding::SelectedRow() const {
    return GridWidget->Row() + 1;
}

void TEnterNDesignBinding::RefreshGrid() {
    SyncGrid();
}

void TEnterNDesignBinding::RepaintGrid() {
    SyncGrid();
    GridWidget->RepaintNow();
}

void TEnterNDesignBinding::PlayNSolve(const std::string& fileName, const std::string& section) {
    Form.Request(
        TMainForm::pgPlayNSolve,
        TPageRequest{.Kind = TPageRequest::Open, .FileName = Q(fileName), .Section = Q(section)});
}

// ---- Strip and alternatives picture ---------------------------------------------------------

bool TEnterNDesignBinding::eventFilter(QObject* watched, QEvent* event) {
    return Panel.HandleEvent(watched, event) || QObject::eventFilter(watched, event);
}

} // namespace sudoku
