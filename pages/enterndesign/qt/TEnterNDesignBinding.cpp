// Wiring of the Enter & Design page logic to its sheet and to the window.
#include "TEnterNDesignBinding.h"

#include "LanguageTable.h"
#include "TBaseBtn.h"
#include "TCellInput.h"
#include "TFormBuilder.h"
#include "TGridOptions.h"
#include "TGridPrinter.h"
#include "TMainForm.h"
#include "TPageRequest.h"
#include "TPieGauge.h"
#include "TPuzzleMenus.h"
#include "TScreenLayout.h"
#include "TSolutionsPopupMenu.h"
#include "TSuDoKuGridPopupMenu.h"
#include "TSuDoKuGridWidget.h"
#include "TSuDoKuGridsPopupMenu.h"
#include "TransLtr.h"

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

// Caption and hint of the mode button under its tag, from the language in force. The form
// holds the texts of tag 645; those of 646 come from the language file only, so without one
// the button offers the puzzle mode in English.
TranslatedText ModeButtonTexts(int tag) {
    LanguageTable table;
    if (table.Open(TransLtr::LanguageFileName(), TransLtr::MainSection, TransLtr::LngID()))
        if (auto texts = table.Lookup(tag))
            return *texts;
    return tag == 646 ? TranslatedText{"Puzzle Mode", "Switch to puzzle mode"}
                      : TranslatedText{"Design Mode", "Switch to design mode"};
}

} // namespace

TEnterNDesignBinding::TEnterNDesignBinding(TMainForm& form, TPuzzleMenus& menus)
    : Form(form), Menus(menus), PageSheet(new TEnterNDesignSheet(form.Pages, form.ScreenLayout)),
      GridWidget(PageSheet->EnterNDesignSuDoKuGrid), Services(form) {
    GridWidget->setFocusPolicy(Qt::StrongFocus);
    Sets.FillDisplaySetList(Form.AppDir);
    DesignPage = std::make_unique<TEnterNDesignPage>(*this, Services, Form.Shared);
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
                Menus.Grid().ApplyDisplaySet(Sets, DesignPage->Board().GridSize());
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
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TEnterNDesignPage::ReturnKey;
    default:
        return 0;
    }
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
    GridWidget->SetDrawState(draw);
    GridWidget->SetCells(board.Cells);
    // While carving, the grid shows no ruler and the remaining givens on the contrast colour.
    TGridLook look = WithOptions(GridWidget->Look(), Form.Shared.Options, Form.ScreenLayout);
    look.ShowRuler = look.ShowRuler && !page.Carving();
    look.ContrastPuzzle = look.ContrastPuzzle || page.Carving();
    look.DisplaySet = Sets.DisplaySet();
    look.PictureSet = Sets.PictureSetSelected() && draw.GridSize() < 10;
    look.IconList16x16 = Sets.IconList16x16();
    look.IconList32x32 = Sets.IconList32x32();
    if (!(look == GridWidget->Look()))
        GridWidget->SetLook(look);
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
    Run([this] { RefreshDisplaySet(); });
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

int TEnterNDesignBinding::DisplaySetIndex() const {
    return Sets.SelectedIndex();
}

std::string TEnterNDesignBinding::DisplaySetSymbols() const {
    return Sets.DisplaySet().toStdString();
}

bool TEnterNDesignBinding::HasSmallPicture(int value) const {
    const auto& icons = Sets.IconList16x16();
    return value >= 0 && value < icons.size() && !icons[value].isNull();
}

void TEnterNDesignBinding::RefreshDisplaySet() {
    const int n = DesignPage->Board().GridSize();
    Sets.Apply(Sets.IndexOf(Q(Form.Shared.Options.DisplaySet)), n);
    PageSheet->EnterNDesignDisplaySetImg->update();
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
    TBaseBtn* button = PageSheet->EnterNDesignModeBtn;
    TFormBuilder::SetTag(button, tag);
    const TranslatedText texts = ModeButtonTexts(tag);
    TFormBuilder::SetButtonCaption(button, Q(texts.Caption));
    button->setToolTip(Q(texts.Hint));
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
    QLabel* label = PageSheet->EnterNDesignFileNameLbl;
    const QString text = Q(caption);
    label->setText(text);
    label->setToolTip(text);
    // A default name holds the date and time: drawn smaller rather than cut off.
    label->setFont(
        TFormBuilder::ShrinkToFit(TScreenLayout::PlacedFont(label), text, label->width(), 5));
}

void TEnterNDesignBinding::ShowClock(const TClockFace& design) {
    TPieGauge* gauge = PageSheet->EnterNDesignGauge;
    gauge->SetProgress(design.GaugePosition);
    gauge->SetColor(Qt::black);
    gauge->setVisible(design.GaugeVisible);
}

void TEnterNDesignBinding::ShowAlternatives(const TAlternativesDisplay& display) {
    TEnterNDesignSheet& s = *PageSheet;
    s.EnterNDesignAlternativesLbl->setText(Q(display.Caption));
    AlternativePictures = display.PictureValues;
    s.EnterNDesignAlternativesImg->setVisible(display.PictureVisible);
    s.EnterNDesignAlternativesImg->update();
}

void TEnterNDesignBinding::SetSolutionsMenu(int count) {
    Menus.Solutions().SetSolutions(count, Form.TranslateText(560, QStringLiteral("Solution")));
}

int TEnterNDesignBinding::SolutionsMenuCount() const {
    return static_cast<int>(Menus.Solutions().actions().size());
}

void TEnterNDesignBinding::SetShape(int boxCols, int boxRows) {
    GridWidget->SetGridSize(boxCols, boxRows);
    RefreshDisplaySet();
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
    TEnterNDesignSheet& s = *PageSheet;
    if (watched == s.EnterNDesignDisplaySetImg) {
        if (event->type() == QEvent::Paint) {
            PaintStrip();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const int x = static_cast<int>(mouse->position().x());
            const bool shift = mouse->modifiers().testFlag(Qt::ShiftModifier);
            const double factor = TScreenLayout::Factor(Form.ScreenLayout);
            const int width = s.EnterNDesignDisplaySetImg->width();
            Run([this, x, shift, factor, width] {
                DesignPage->DisplaySetImgMouseUp(x, width, factor, shift);
            });
            return true;
        }
    } else if (watched == s.EnterNDesignAlternativesImg && event->type() == QEvent::Paint) {
        PaintAlternatives();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TEnterNDesignBinding::PaintStrip() {
    QWidget* strip = PageSheet->EnterNDesignDisplaySetImg;
    QPainter painter(strip);
    const int n = DesignPage->Board().GridSize();
    const int step =
        TCellInput::StripStep(strip->width(), n, TScreenLayout::Factor(Form.ScreenLayout));
    Sets.DrawDisplaySetImg(painter, strip->width(), strip->height(), n, TFormBuilder::WindowColor(),
                           Form.font(), step);
}

void TEnterNDesignBinding::PaintAlternatives() {
    QWidget* picture = PageSheet->EnterNDesignAlternativesImg;
    QPainter painter(picture);
    painter.fillRect(picture->rect(), TFormBuilder::WindowColor());
    const auto& icons = Sets.IconList16x16();
    int drawn = 0;
    for (int v : AlternativePictures)
        if (v < icons.size() && !icons[v].isNull())
            painter.drawPixmap(9 * drawn++, 2, icons[v]);
}

} // namespace sudoku
