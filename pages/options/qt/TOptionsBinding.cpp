// Wiring of the Options sheet to the shared Options record and the window.
#include "TOptionsBinding.h"

#include "SuDoKuDateTime.h"
#include "TMainForm.h"
#include "TScreenLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QStackedWidget>
#include <QTimeEdit>

#include <array>
#include <cstdint>
#include <utility>

namespace sudoku {

namespace {

// The check boxes that switch the aids, each with its bit.
std::array<std::pair<QCheckBox*, TSolveOptions>, 5> AidBoxes(const TOptionsSheet& o) {
    return {{{o.OptionsShowRulerChkBox, soRuler},
             {o.OptionsShowHintsChkBox, soHints},
             {o.OptionsShowErrorsChkBox, soErrors},
             {o.OptionsShowAlternativesChkBox, soAlternatives},
             {o.OptionsTimeLimitedChkBox, soTimeLimited}}};
}

TDateTime TimeOfDay(QTime time) {
    return time.msecsSinceStartOfDay() / static_cast<double>(MillisecondsPerDay);
}

} // namespace

TOptionsBinding::TOptionsBinding(TMainForm& form)
    : Form(form), PageSheet(new TOptionsSheet(form.Pages, form.ScreenLayout)) {
    ShareControls();
    TOptionsSheet& sheet = *PageSheet;
    connect(sheet.OptionsLevelList, &QComboBox::currentIndexChanged, this,
            &TOptionsBinding::OptionsLevelListChange);
    for (const auto& [box, bit] : AidBoxes(sheet))
        connect(box, &QCheckBox::toggled, this,
                [this, bit = bit](bool checked) { OptionsChkBoxClick(bit, checked); });
    connect(sheet.OptionsTimeLimitedTime, &QTimeEdit::timeChanged, this,
            &TOptionsBinding::OptionsTimeLimitedTimeChange);
    connect(sheet.OptionsDisplaySetList, &QComboBox::currentIndexChanged, this,
            &TOptionsBinding::OptionsDisplaySetListChange);
    connect(sheet.OptionsScreenModeList, &QComboBox::currentIndexChanged, this,
            &TOptionsBinding::OptionsScreenModeListChange);
}

void TOptionsBinding::ShareControls() {
    const TOptionsSheet& sheet = *PageSheet;
    TSharedState& shared = Form.Shared;
    OptionsLevelListChange(sheet.OptionsLevelList->currentIndex());
    shared.ShownAids = 0;
    for (const auto& [box, bit] : AidBoxes(sheet))
        if (box->isChecked())
            shared.ShownAids |= bit;
    shared.Options.SolveOptions = static_cast<TSolveOptions>(soRestart | shared.ShownAids);
    shared.Options.TimeLimit = TimeOfDay(sheet.OptionsTimeLimitedTime->time());
    shared.Options.DisplaySet = sheet.OptionsDisplaySetList->currentText().toStdString();
}

void TOptionsBinding::OptionsLevelListChange(int index) {
    Form.Shared.Options.Level = static_cast<std::uint8_t>(index < 0 ? 1 : index);
}

void TOptionsBinding::OptionsChkBoxClick(TSolveOptions aid, bool checked) {
    // The aids take effect at once, also during a game.
    const auto set = [aid, checked](TSolveOptions aids) {
        return static_cast<TSolveOptions>(checked ? aids | aid : aids & ~aid);
    };
    Form.Shared.Options.SolveOptions = set(Form.Shared.Options.SolveOptions);
    Form.Shared.ShownAids = set(Form.Shared.ShownAids);
    Form.UpdateStatus();
}

void TOptionsBinding::OptionsTimeLimitedTimeChange(QTime time) {
    Form.Shared.Options.TimeLimit = TimeOfDay(time);
}

void TOptionsBinding::OptionsDisplaySetListChange(int index) {
    Form.Shared.Options.DisplaySet =
        PageSheet->OptionsDisplaySetList->itemText(index).toStdString();
    Form.OptionsChanged();
}

void TOptionsBinding::OptionsScreenModeListChange(int index) {
    const int mode = index < 0 || index > 4 ? 0 : index;
    Form.Shared.Options.ScreenSize = static_cast<std::uint8_t>(mode);
    Form.ScaleUp(mode);
    TScreenLayout::CentreOnScreen(&Form, true);
}

} // namespace sudoku
