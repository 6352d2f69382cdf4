// Handlers of the Options page.
#include "TOptionsPage.h"

#include "LanguageList.h"
#include "Levels.h"
#include "TransLtr.h"

#include <cmath>

namespace sudoku {

namespace {

// The aids that have a box on the page; soRestart has none and stays on.
constexpr TSolveOptions BoxedAids = soRuler | soHints | soErrors | soAlternatives | soTimeLimited;

TSolveOptions WithBit(TSolveOptions set, TSolveOptions bit, bool on) {
    return static_cast<TSolveOptions>(on ? set | bit : set & ~bit);
}

} // namespace

TSolveOptions AidOf(TOptionsBox box) {
    switch (box) {
    case TOptionsBox::Ruler:
        return soRuler;
    case TOptionsBox::Hints:
        return soHints;
    case TOptionsBox::Errors:
        return soErrors;
    case TOptionsBox::Alternatives:
        return soAlternatives;
    case TOptionsBox::TimeLimited:
        return soTimeLimited;
    case TOptionsBox::ContrastPuzzle:
        break;
    }
    return 0;
}

TOptionsPage::TOptionsPage(TOptionsView& view, TSharedState& shared) : View(view), Shared(shared) {}

void TOptionsPage::ShowRecord() {
    TSuDoKuData& options = Shared.Options;
    View.ShowColours(options);
    OptionsDisplaySetListChange(View.ShowDisplaySet(options.DisplaySet));
    View.ShowLevel(options.Level);
    View.ShowPlayLevel(options.Level);
    Shared.ShownAids = static_cast<TSolveOptions>(options.SolveOptions & BoxedAids);
    View.ShowAids(Shared.ShownAids, options.ContrastPuzzle, options.TimeLimit);
}

void TOptionsPage::ShowSettings() {
    View.ShowScreenSize(Shared.Options.ScreenSize);
    ShowRecord();
    View.ShowShortcut(View.ShortcutExists());
}

void TOptionsPage::ShowTexts() {
    std::array<std::string, 4> levels;
    for (int level = 0; level < LevelCount; ++level) {
        levels[static_cast<std::size_t>(level)] =
            View.Translate(861 + level, std::string(LevelName(level)));
    }
    View.ShowListTexts(levels, View.Translate(886, "Automatic"), View.Translate(887, "Ignore"));
    LanguageList languages;
    languages.Load(TransLtr::LanguageFileName());
    View.ShowLanguages(languages.Names(), languages.SelectedIndex(TransLtr::LngID()));
}

void TOptionsPage::ChooseColour(std::uint32_t TSuDoKuData::*colour) {
    if (const auto chosen = View.ChooseColour(Shared.Options.*colour)) {
        Shared.Options.*colour = *chosen;
        View.ShowColours(Shared.Options);
        View.RecordChanged();
    }
}

void TOptionsPage::OptionsBackgroundColorBtnClick() {
    ChooseColour(&TSuDoKuData::BackgroundColor);
}

void TOptionsPage::OptionsContrastColorBtnClick() {
    ChooseColour(&TSuDoKuData::ContrastColor);
}

void TOptionsPage::OptionsRulerColorBtnClick() {
    ChooseColour(&TSuDoKuData::RulerColor);
}

void TOptionsPage::OptionsFontBtnClick() {
    TSuDoKuData& options = Shared.Options;
    if (const auto chosen = View.ChooseFont({options.FontName, options.FontColor})) {
        options.FontName = chosen->Name;
        options.FontColor = chosen->Colour;
        View.ShowColours(options);
        View.RecordChanged();
    }
}

void TOptionsPage::OptionsDisplaySetListChange(const std::string& name) {
    if (name == Shared.Options.DisplaySet) {
        return;
    }
    Shared.Options.DisplaySet = name;
    View.RecordChanged();
}

void TOptionsPage::OptionsLevelListChange(int index) {
    if (index < 0 || index >= LevelCount) {
        return;
    }
    TSuDoKuData& options = Shared.Options;
    SelectLevel(options, index);
    // The boxes of the level's aids follow it; the ruler box keeps what the user chose.
    Shared.ShownAids = static_cast<TSolveOptions>((Shared.ShownAids & soRuler) |
                                                  (options.SolveOptions & BoxedAids & ~soRuler));
    View.ShowAids(Shared.ShownAids, options.ContrastPuzzle, options.TimeLimit);
    View.ShowPlayLevel(index);
    View.RecordChanged();
    View.RefreshStatus();
}

void TOptionsPage::OptionsChkBoxClick(TOptionsBox box, bool checked) {
    TSuDoKuData& options = Shared.Options;
    if (box == TOptionsBox::ContrastPuzzle) {
        options.ContrastPuzzle = checked;
    }
    const TSolveOptions bit = AidOf(box);
    // The aids take effect at once, also during a game; a new game takes the boxes.
    options.SolveOptions = WithBit(options.SolveOptions, bit, checked);
    Shared.ShownAids = WithBit(Shared.ShownAids, bit, checked);
    View.RecordChanged();
    View.RefreshStatus();
}

void TOptionsPage::OptionsTimeLimitedTimeChange(TDateTime time) {
    Shared.Options.TimeLimit = time - std::floor(time);
}

void TOptionsPage::OptionsScreenModeListChange(int index) {
    const int mode = index < 0 || index > 4 ? 0 : index;
    Shared.Options.ScreenSize = static_cast<std::uint8_t>(mode);
    View.ScaleUp(mode);
}

void TOptionsPage::OptionsDefaultOptionsBtnClick() {
    SetDefaultOptions(Shared.Options);
    ApplyLevelPreset(Shared.Options);
    ShowRecord();
    View.ShowShortcut(true);
    OptionsShortcutChkBoxClick(true);
    View.RecordChanged();
}

void TOptionsPage::OptionsLanguageListChange(const std::string& name) {
    LanguageList languages;
    if (name.empty() || !languages.Load(TransLtr::LanguageFileName())) {
        return;
    }
    const int old = TransLtr::LngID();
    const int chosen = languages.LanguageIdFor(name, old);
    if (chosen == old) {
        return;
    }
    // Saved with the new language, then everything read again and shown in it.
    TransLtr::SetLngID(chosen);
    View.SaveAndApplyOptions();
}

void TOptionsPage::OptionsShortcutChkBoxClick(bool checked) {
    if (checked != View.ShortcutExists()) {
        View.SetShortcut(checked);
    }
    // The box shows what is there, also when the launcher could not be made or removed.
    View.ShowShortcut(View.ShortcutExists());
    View.RefreshStatus();
}

} // namespace sudoku
