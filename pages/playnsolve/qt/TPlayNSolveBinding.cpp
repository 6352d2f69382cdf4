// Wiring of the Play & Solve page logic to the controls of the main window.
#include "TPlayNSolveBinding.h"

#include "SuDoKuDateTime.h"
#include "TBaseBtn.h"
#include "TCellInput.h"
#include "TEnterNDesignSheet.h"
#include "TFormBuilder.h"
#include "TMainForm.h"
#include "TOptionsSheet.h"
#include "TPieGauge.h"
#include "TPlayNSolveSheet.h"
#include "TScreenLayout.h"
#include "TShellClock.h"
#include "TSolutionsPopupMenu.h"
#include "TSuDoKuGridPopupMenu.h"
#include "TSuDoKuGridWidget.h"
#include "TSuDoKuGridsPopupMenu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QTimeEdit>

#include <array>
#include <utility>

namespace sudoku {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The check boxes of the options page that switch the aids, each with its bit.
std::array<std::pair<QCheckBox*, TSolveOptions>, 5> AidBoxes(const TOptionsSheet& o) {
    return {{{o.OptionsShowRulerChkBox, soRuler},
             {o.OptionsShowHintsChkBox, soHints},
             {o.OptionsShowErrorsChkBox, soErrors},
             {o.OptionsShowAlternativesChkBox, soAlternatives},
             {o.OptionsTimeLimitedChkBox, soTimeLimited}}};
}

} // namespace

TPlayNSolveBinding::TPlayNSolveBinding(TMainForm& form, TTranslate translate)
    : QObject(&form), Form(form), TranslateText(std::move(translate)),
      GridWidget(form.PlayNSolveSheet->PlayNSolveSuDoKuGrid) {
    GridWidget->setFocusPolicy(Qt::StrongFocus);
    SuDoKuGridsPopupMenu = new TSuDoKuGridsPopupMenu(&Form);
    SolutionsPopupMenu = new TSolutionsPopupMenu(&Form);
    SuDoKuGridPopupMenu = new TSuDoKuGridPopupMenu(&Form);
    Sets.FillDisplaySetList(Form.AppDir);

    GamePage = std::make_unique<TPlayNSolvePage>(*this, Form.Shared);
    ShareOptions();
    Connect();
    Run([this] {
        GridWidget->SetGridSize(3, 3);
        RefreshDisplaySet();
    });
}

TPlayNSolveBinding::~TPlayNSolveBinding() = default;

void TPlayNSolveBinding::Connect() {
    TPlayNSolveSheet& sheet = *Form.PlayNSolveSheet;
    TPlayNSolvePage& page = *GamePage;
    const auto on = [this](TBaseBtn* button, std::function<void()> handler) {
        connect(button, &TBaseBtn::OnClick, this, [this, handler] { Run(handler); });
    };
    connect(sheet.PlayNSolveNewBtn, &TBaseBtn::OnClick, this, [this] {
        if (!HasFlag(Form.Shared.SuDoKuState, sfThinking | sfLoading | sfValidating))
            SuDoKuGridsPopupMenu->PopupBelow(Form.PlayNSolveSheet->PlayNSolveNewBtn);
    });
    on(sheet.PlayNSolveSaveBtn, [&page] { page.PlayNSolveSaveBtnClick(); });
    on(sheet.PlayNSolvePauseBtn, [&page] { page.PlayNSolvePauseBtnClick(); });
    on(sheet.PlayNSolveRestartBtn, [&page] { page.PlayNSolveRestartBtnClick(); });
    on(sheet.PlayNSolveUndoBtn, [&page] { page.PlayNSolveUndoBtnClick(); });
    on(sheet.PlayNSolveHintBtn, [&page] { page.PlayNSolveHintBtnClick(); });
    on(sheet.PlayNSolveErrorsBtn, [&page] { page.PlayNSolveErrorsBtnClick(); });
    on(sheet.PlayNSolveSolutionBtn, [this, &page] {
        if (page.SolutionsPopupClick())
            SolutionsPopupMenu->PopupBelow(Form.PlayNSolveSheet->PlayNSolveSolutionBtn);
    });
    connect(SuDoKuGridsPopupMenu, &TSuDoKuGridsPopupMenu::ShapeChosen, this,
            [this, &page](const QString& name) {
                Run([&page, name] { page.SuDoKuGridsPopupMenuClick(name.toStdString()); });
            });
    connect(SolutionsPopupMenu, &TSolutionsPopupMenu::SolutionChosen, this,
            [this, &page](const QString& name) {
                Run([&page, name] { page.SolutionsPopupMenuClick(name.toStdString()); });
            });
    connect(SuDoKuGridPopupMenu, &TSuDoKuGridPopupMenu::ItemChosen, this,
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
                    SuDoKuGridPopupMenu->popup(globalPos);
            });
    connect(GridWidget, &TSuDoKuGridWidget::GridKeyReleased, this,
            [this, &page](int key, Qt::KeyboardModifiers mods, quint32) {
                const int virtualKey = VirtualKey(key, mods);
                if (virtualKey != 0)
                    Run([&page, virtualKey, mods] {
                        page.SuDoKuGridKeyUp(virtualKey, mods.testFlag(Qt::ControlModifier));
                    });
            });
    connect(Form.Pages, &QStackedWidget::currentChanged, this, [this](int index) {
        SuDoKuGridPopupMenu->SetPencilNotesOffered(index == TMainForm::pgPlayNSolve);
    });
    // The aids take effect as soon as their boxes change, also during a game.
    for (const auto& [box, bit] : AidBoxes(*Form.OptionsSheet))
        connect(box, &QCheckBox::toggled, this, [this, bit = bit](bool checked) {
            TSuDoKuData& options = Form.Shared.Options;
            const auto set = [checked, bit](TSolveOptions aids) {
                return static_cast<TSolveOptions>(checked ? aids | bit : aids & ~bit);
            };
            options.SolveOptions = set(options.SolveOptions);
            Form.Shared.ShownAids = set(Form.Shared.ShownAids);
            Run([this] { GamePage->UpdateStatus(); });
        });
    connect(Form.OptionsSheet->OptionsLevelList, &QComboBox::currentIndexChanged, this,
            [this](int index) {
                Form.Shared.Options.Level = static_cast<std::uint8_t>(index < 0 ? 1 : index);
            });
    connect(Form.OptionsSheet->OptionsTimeLimitedTime, &QTimeEdit::timeChanged, this,
            [this](QTime time) {
                Form.Shared.Options.TimeLimit =
                    time.msecsSinceStartOfDay() / static_cast<double>(MillisecondsPerDay);
            });
    connect(Form.OptionsSheet->OptionsDisplaySetList, &QComboBox::currentIndexChanged, this,
            [this](int) {
                Run([this] {
                    RefreshDisplaySet();
                    RepaintGrid();
                });
            });
    sheet.PlayNSolveDisplaySetImg->installEventFilter(this);
    sheet.PlayNSolveAlternativesImg->installEventFilter(this);
}

int TPlayNSolveBinding::VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
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
    // A nested entry (a tick inside a dialog or inside engine work) finds the page's own
    // state current; only the outermost one takes the window's.
    if (Depth++ == 0)
        SyncFromForm();
    handler();
    SyncGrid();
    SyncToForm();
    --Depth;
}

void TPlayNSolveBinding::SyncFromForm() {
    GamePage->State().SuDoKuState = Form.Shared.SuDoKuState;
}

void TPlayNSolveBinding::SyncToForm() {
    Form.Shared.SuDoKuState = GamePage->State().SuDoKuState;
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
    TGridLook look = GridWidget->Look();
    look.ShowRuler = (Form.Shared.Options.SolveOptions & soRuler) != 0;
    look.DisplaySet = Sets.DisplaySet();
    look.PictureSet = Sets.PictureSetSelected() && draw.GridSize() < 10;
    look.IconList16x16 = Sets.IconList16x16();
    look.IconList32x32 = Sets.IconList32x32();
    if (!(look == GridWidget->Look()))
        GridWidget->SetLook(look);
}

void TPlayNSolveBinding::PlayNSolveLoad(const QString& fileName, const QString& section) {
    Run([this, fileName, section] {
        GamePage->PlayNSolveLoad(fileName.toStdString(), section.toStdString());
    });
}

void TPlayNSolveBinding::PlayNSolveSave(const QString& fileName, const QString& section,
                                        bool interactive) {
    Run([this, fileName, section, interactive] {
        GamePage->PlayNSolveSave(fileName.toStdString(), section.toStdString(), interactive);
    });
}

void TPlayNSolveBinding::UpdateStatus() {
    Run([this] { GamePage->UpdateStatus(); });
}

void TPlayNSolveBinding::MainTimerTime() {
    Run([this] { GamePage->MainTimerTime(); });
}

void TPlayNSolveBinding::SaveLastGame() {
    Run([this] { GamePage->SaveLastGame(); });
}

// ---- Options page --------------------------------------------------------------------------

std::string TPlayNSolveBinding::OptionsLevelText(int level) const {
    return Form.OptionsSheet->OptionsLevelList->itemText(level).toStdString();
}

void TPlayNSolveBinding::ShareOptions() {
    const TOptionsSheet& sheet = *Form.OptionsSheet;
    TSharedState& shared = Form.Shared;
    const int level = sheet.OptionsLevelList->currentIndex();
    shared.Options.Level = static_cast<std::uint8_t>(level < 0 ? 1 : level);
    shared.ShownAids = 0;
    for (const auto& [box, bit] : AidBoxes(sheet))
        if (box->isChecked())
            shared.ShownAids |= bit;
    shared.Options.SolveOptions = static_cast<TSolveOptions>(soRestart | shared.ShownAids);
    shared.Options.TimeLimit = sheet.OptionsTimeLimitedTime->time().msecsSinceStartOfDay() /
                               static_cast<double>(MillisecondsPerDay);
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
    return Form.Pages->currentIndex() == TMainForm::pgPlayNSolve;
}

bool TPlayNSolveBinding::EnterNDesignShowing() const {
    return Form.Pages->currentIndex() == TMainForm::pgEnterNDesign;
}

// ---- Controls ------------------------------------------------------------------------------

void TPlayNSolveBinding::SetEnabled(TPlayControl control, bool enabled) {
    TPlayNSolveSheet& s = *Form.PlayNSolveSheet;
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
    Form.PlayNSolveSheet->PlayNSolvePauseBtn->SetCaption(Q(caption));
}

void TPlayNSolveBinding::SetSolutionCaption(const std::string& caption) {
    Form.PlayNSolveSheet->PlayNSolveSolutionBtn->SetCaption(Q(caption));
}

void TPlayNSolveBinding::SetCompleteCaption(const std::string& caption) {
    Form.EnterNDesignSheet->EnterNDesignCompleteBtn->SetCaption(Q(caption));
}

void TPlayNSolveBinding::SetFileNameCaption(const std::string& caption) {
    QLabel* label = Form.PlayNSolveSheet->PlayNSolveFileNameLbl;
    const QString text = Q(caption);
    label->setText(text);
    label->setToolTip(text);
    // A long name (a default name holds the date and time) is drawn smaller rather than cut
    // off; the size the screen layout gives the label is the largest.
    label->setFont(
        TFormBuilder::ShrinkToFit(TScreenLayout::PlacedFont(label), text, label->width(), 5));
}

void TPlayNSolveBinding::SetLevelCaption(const std::string& caption) {
    Form.PlayNSolveSheet->PlayNSolveLevelLbl->setText(Q(caption));
}

void TPlayNSolveBinding::ShowClock(const TClockFace& play, const TClockFace& design) {
    TPlayNSolveSheet& s = *Form.PlayNSolveSheet;
    if (s.PlayNSolveTimeLbl->text() != Q(play.Caption))
        s.PlayNSolveTimeLbl->setText(Q(play.Caption));
    s.PlayNSolveGauge->SetProgress(play.GaugePosition);
    s.PlayNSolveGauge->SetColor(play.GaugeRed ? QColor(Qt::red) : QColor(Qt::black));
    s.PlayNSolveGauge->setVisible(play.GaugeVisible);
    TEnterNDesignSheet& d = *Form.EnterNDesignSheet;
    d.EnterNDesignGauge->SetProgress(design.GaugePosition);
    d.EnterNDesignGauge->SetColor(Qt::black);
    d.EnterNDesignGauge->setVisible(design.GaugeVisible);
    if (HasFlag(GamePage->State().SuDoKuState, sfThinking | sfDesigning) && !design.Caption.empty())
        d.EnterNDesignStatusLbl->setText(Q(design.Caption));
}

void TPlayNSolveBinding::ShowAlternatives(const TAlternativesDisplay& display) {
    TPlayNSolveSheet& s = *Form.PlayNSolveSheet;
    s.PlayNSolveAlternativesLbl->setText(Q(display.Caption));
    AlternativePictures = display.PictureValues;
    s.PlayNSolveAlternativesImg->setVisible(display.PictureVisible);
    s.PlayNSolveAlternativesImg->update();
}

void TPlayNSolveBinding::SetSolutionsMenu(int count) {
    SolutionsPopupMenu->SetSolutions(count, TranslateText(560, QStringLiteral("Solution")));
}

void TPlayNSolveBinding::SetGridSize(int) {
    const TSuDoKuGrid& grid = GamePage->State().Grid();
    GridWidget->SetGridSize(grid.BoxCols, grid.BoxRows);
}

void TPlayNSolveBinding::RefreshDisplaySet() {
    const int n = GamePage->State().GridSize();
    const int index = Form.OptionsSheet->OptionsDisplaySetList->currentIndex();
    Sets.Apply(index < 0 || index >= static_cast<int>(Sets.Entries().size()) ? 0 : index, n);
    SuDoKuGridPopupMenu->ApplyDisplaySet(Sets, n);
    Form.PlayNSolveSheet->PlayNSolveDisplaySetImg->update();
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

// ---- Dialogs and time ----------------------------------------------------------------------

std::string TPlayNSolveBinding::EditDlg(const std::string& prompt, const std::string& okCaption,
                                        const std::string& cancelCaption, const std::string& text) {
    return Form.EditDlg(Q(prompt), Q(okCaption), Q(cancelCaption), Q(text)).toStdString();
}

bool TPlayNSolveBinding::MsgDlg(const std::string& text, const std::string& yesCaption,
                                const std::string& noCaption) {
    return Form.MsgDlg(Q(text), Q(yesCaption), Q(noCaption));
}

void TPlayNSolveBinding::ShowWriteError(const std::string& message) {
    Form.MsgDlg(Q(message), TranslateText(20, QStringLiteral("Ok")), QString());
}

std::string TPlayNSolveBinding::Translate(int tag, const std::string& english) const {
    return TranslateText ? TranslateText(tag, Q(english)).toStdString() : english;
}

void TPlayNSolveBinding::ProcessMessages() {
    // Nested handlers see the flags the running one has set, and it sees theirs afterwards.
    SyncToForm();
    QCoreApplication::processEvents();
    SyncFromForm();
}

void TPlayNSolveBinding::Delay(int milliseconds) {
    Form.Clock().Delay(milliseconds);
}

double TPlayNSolveBinding::Now() const {
    const QDateTime now = Form.Clock().Now();
    const QDate date = now.date();
    const QTime time = now.time();
    return EncodeDateTime(TDateTimeParts{date.year(), date.month(), date.day(), time.hour(),
                                         time.minute(), time.second(), time.msec()});
}

// ---- Strip and alternatives picture ---------------------------------------------------------

bool TPlayNSolveBinding::eventFilter(QObject* watched, QEvent* event) {
    TPlayNSolveSheet& s = *Form.PlayNSolveSheet;
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
    QWidget* strip = Form.PlayNSolveSheet->PlayNSolveDisplaySetImg;
    QPainter painter(strip);
    const int n = GamePage->State().GridSize();
    // The clicks on the strip are read back with the same step.
    const int step =
        TCellInput::StripStep(strip->width(), n, TScreenLayout::Factor(Form.ScreenLayout));
    Sets.DrawDisplaySetImg(painter, strip->width(), strip->height(), n, TFormBuilder::WindowColor(),
                           Form.font(), step);
}

void TPlayNSolveBinding::PaintAlternatives() {
    QWidget* picture = Form.PlayNSolveSheet->PlayNSolveAlternativesImg;
    QPainter painter(picture);
    painter.fillRect(picture->rect(), TFormBuilder::WindowColor());
    const auto& icons = Sets.IconList16x16();
    int drawn = 0;
    for (int v : AlternativePictures)
        if (v < icons.size() && !icons[v].isNull())
            painter.drawPixmap(9 * drawn++, 2, icons[v]);
}

} // namespace sudoku
