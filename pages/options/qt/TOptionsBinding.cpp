// Wiring of the Options page logic to its sheet and to the window.
#include "TOptionsBinding.h"

#include "TBaseBtn.h"
#include "TDesktopLauncher.h"
#include "TDisplaySets.h"
#include "TGridOptions.h"
#include "TMainForm.h"
#include "TPageRequest.h"
#include "TScreenLayout.h"
#include "TShellArt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimeEdit>

#include <cmath>
#include <utility>

namespace sudoku {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The check boxes of the page, each with what it changes.
std::array<std::pair<QCheckBox*, TOptionsBox>, 6> Boxes(const TOptionsSheet& o) {
    return {{{o.OptionsContrastPuzzleChkBox, TOptionsBox::ContrastPuzzle},
             {o.OptionsShowRulerChkBox, TOptionsBox::Ruler},
             {o.OptionsShowHintsChkBox, TOptionsBox::Hints},
             {o.OptionsShowErrorsChkBox, TOptionsBox::Errors},
             {o.OptionsShowAlternativesChkBox, TOptionsBox::Alternatives},
             {o.OptionsTimeLimitedChkBox, TOptionsBox::TimeLimited}}};
}

TDesktopLauncher Launcher() {
    return TDesktopLauncher::ForThisProgram(
        TShellArt::ProgramTitle, "Play, solve and design Sudoku puzzles of 19 box shapes");
}

// Selects an item without running the list's handler; an index outside the list selects none.
void Select(QComboBox* list, int index) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

} // namespace

TOptionsBinding::TOptionsBinding(TMainForm& form)
    : Form(form), PageSheet(new TOptionsSheet(form.Pages, form.ScreenLayout)),
      OptionsPage(std::make_unique<TOptionsPage>(*this, form.Shared)) {
    TDisplaySets sets;
    sets.FillDisplaySetList(Form.AppDir);
    PageSheet->OptionsDisplaySetList->clear();
    PageSheet->OptionsDisplaySetList->addItems(sets.Entries());
    Connect();
}

TOptionsBinding::~TOptionsBinding() = default;

void TOptionsBinding::Connect() {
    TOptionsSheet& sheet = *PageSheet;
    TOptionsPage& page = *OptionsPage;
    connect(sheet.OptionsBackgroundColorBtn, &TBaseBtn::OnClick, this,
            [&page] { page.OptionsBackgroundColorBtnClick(); });
    connect(sheet.OptionsContrastColorBtn, &TBaseBtn::OnClick, this,
            [&page] { page.OptionsContrastColorBtnClick(); });
    connect(sheet.OptionsRulerColorBtn, &TBaseBtn::OnClick, this,
            [&page] { page.OptionsRulerColorBtnClick(); });
    connect(sheet.OptionsFontBtn, &TBaseBtn::OnClick, this,
            [&page] { page.OptionsFontBtnClick(); });
    connect(sheet.OptionsDefaultOptionsBtn, &TBaseBtn::OnClick, this,
            [&page] { page.OptionsDefaultOptionsBtnClick(); });
    for (const auto& [box, which] : Boxes(sheet))
        connect(box, &QCheckBox::toggled, this,
                [&page, which = which](bool checked) { page.OptionsChkBoxClick(which, checked); });
    connect(sheet.OptionsShowProgramShortcutOnDesktopChkBox, &QCheckBox::toggled, this,
            [&page](bool checked) { page.OptionsShortcutChkBoxClick(checked); });
    connect(sheet.OptionsTimeLimitedTime, &QTimeEdit::timeChanged, this, [&page](QTime time) {
        page.OptionsTimeLimitedTimeChange(time.msecsSinceStartOfDay() /
                                          static_cast<double>(MillisecondsPerDay));
    });
    connect(sheet.OptionsLevelList, &QComboBox::currentIndexChanged, this,
            [&page](int index) { page.OptionsLevelListChange(index); });
    connect(sheet.OptionsDisplaySetList, &QComboBox::currentIndexChanged, this,
            [this, &page](int index) {
                page.OptionsDisplaySetListChange(
                    PageSheet->OptionsDisplaySetList->itemText(index).toStdString());
            });
    connect(sheet.OptionsScreenModeList, &QComboBox::currentIndexChanged, this,
            [&page](int index) { page.OptionsScreenModeListChange(index); });
    // Queued: the change refills this list, which is better not done inside its own signal.
    connect(
        sheet.OptionsLanguageList, &QComboBox::currentIndexChanged, this,
        [this, &page](int index) {
            page.OptionsLanguageListChange(
                PageSheet->OptionsLanguageList->itemText(index).toStdString());
        },
        Qt::QueuedConnection);
}

// ---- The window's moments -------------------------------------------------------------------

void TOptionsBinding::LoadSettings() {
    OptionsPage->ShowSettings();
}

void TOptionsBinding::Retranslate() {
    OptionsPage->ShowTexts();
}

// ---- Controls ------------------------------------------------------------------------------

void TOptionsBinding::ShowColours(const TSuDoKuData& options) {
    TOptionsSheet& s = *PageSheet;
    const std::pair<QLabel*, std::uint32_t> samples[] = {
        {s.OptionsBackgroundColor, options.BackgroundColor},
        {s.OptionsContrastColor, options.ContrastColor},
        {s.OptionsRulerColor, options.RulerColor}};
    for (const auto& [label, colour] : samples) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, RecordColour(colour));
        label->setPalette(palette);
    }
    // The three samples and the font label show the grid font: its name in its colour, at the
    // size the layout gives the label, without style.
    for (QLabel* label :
         {s.OptionsBackgroundColor, s.OptionsContrastColor, s.OptionsRulerColor, s.OptionsFont}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, RecordColour(options.FontColor));
        label->setPalette(palette);
        QFont font = TScreenLayout::PlacedFont(label);
        font.setFamily(Q(options.FontName));
        font.setBold(false);
        font.setItalic(false);
        font.setUnderline(false);
        font.setStrikeOut(false);
        label->setFont(font);
    }
    s.OptionsFont->setText(Q(options.FontName));
}

void TOptionsBinding::ShowLevel(int level) {
    Select(PageSheet->OptionsLevelList, level);
}

void TOptionsBinding::ShowAids(TSolveOptions boxes, bool contrastPuzzle, TDateTime timeLimit) {
    for (const auto& [box, which] : Boxes(*PageSheet)) {
        const QSignalBlocker quiet(box);
        const TSolveOptions bit = AidOf(which);
        box->setChecked(bit == 0 ? contrastPuzzle : (boxes & bit) != 0);
    }
    QTimeEdit* picker = PageSheet->OptionsTimeLimitedTime;
    const QSignalBlocker quiet(picker);
    const double day = timeLimit - std::floor(timeLimit);
    picker->setTime(QTime::fromMSecsSinceStartOfDay(
        static_cast<int>(std::lround(day * MillisecondsPerDay)) % MillisecondsPerDay));
}

void TOptionsBinding::ShowScreenSize(int index) {
    Select(PageSheet->OptionsScreenModeList, index);
}

void TOptionsBinding::ShowShortcut(bool ticked) {
    QCheckBox* box = PageSheet->OptionsShowProgramShortcutOnDesktopChkBox;
    const QSignalBlocker quiet(box);
    box->setChecked(ticked);
}

std::string TOptionsBinding::ShowDisplaySet(const std::string& name) {
    QComboBox* list = PageSheet->OptionsDisplaySetList;
    // findText matches without regard to case; an unknown name takes the first set.
    Select(list, std::max(list->findText(Q(name), Qt::MatchFixedString), 0));
    return list->currentText().toStdString();
}

void TOptionsBinding::ShowListTexts(const std::array<std::string, 4>& levels,
                                    const std::string& automatic, const std::string& ignore) {
    QComboBox* levelList = PageSheet->OptionsLevelList;
    for (int i = 0; i < static_cast<int>(levels.size()) && i < levelList->count(); ++i)
        levelList->setItemText(i, Q(levels[static_cast<std::size_t>(i)]));
    PageSheet->OptionsScreenModeList->setItemText(0, Q(automatic));
    PageSheet->OptionsScreenModeList->setItemText(1, Q(ignore));
}

void TOptionsBinding::ShowLanguages(const std::vector<std::string>& names, int selected) {
    QComboBox* list = PageSheet->OptionsLanguageList;
    const QSignalBlocker quiet(list);
    list->clear();
    for (const std::string& name : names)
        list->addItem(Q(name));
    list->setCurrentIndex(selected);
}

// ---- Dialogs and the launcher ---------------------------------------------------------------

std::optional<std::uint32_t> TOptionsBinding::ChooseColour(std::uint32_t colour) {
    const std::optional<QColor> chosen = Form.ColorDlg(RecordColour(colour));
    return chosen ? std::optional<std::uint32_t>(RecordColour(*chosen)) : std::nullopt;
}

std::optional<TFontPick> TOptionsBinding::ChooseFont(const TFontPick& font) {
    const std::optional<TFontChoice> chosen =
        Form.FontDlg({Q(font.Name), RecordColour(font.Colour)});
    if (!chosen)
        return std::nullopt;
    return TFontPick{chosen->Name.toStdString(), RecordColour(chosen->Colour)};
}

bool TOptionsBinding::ShortcutExists() const {
    return Launcher().Exists();
}

void TOptionsBinding::SetShortcut(bool present) {
    // A failure is silent here; the box then shows that there is no launcher (or still one).
    const TDesktopLauncher launcher = Launcher();
    if (present)
        launcher.Create();
    else
        launcher.Remove();
}

// ---- The window ----------------------------------------------------------------------------

void TOptionsBinding::ScaleUp(int mode) {
    Form.ScaleUp(mode);
    TScreenLayout::CentreOnScreen(&Form, true);
}

void TOptionsBinding::RecordChanged() {
    Form.OptionsChanged();
}

void TOptionsBinding::RefreshStatus() {
    Form.UpdateStatus();
}

void TOptionsBinding::ShowPlayLevel(int level) {
    Form.Request(TMainForm::pgPlayNSolve,
                 TPageRequest{.Kind = TPageRequest::ShowLevel, .Number = level});
}

void TOptionsBinding::SaveAndApplyOptions() {
    Form.SaveOptions();
    Form.ApplyOptions();
}

std::string TOptionsBinding::Translate(int number, const std::string& english) const {
    return Form.TranslateText(number, Q(english)).toStdString();
}

} // namespace sudoku
