// The Options page as plain logic: the handlers of its controls on the shared Options record
// and the aid boxes, and showing the record when the settings are applied. The window reads
// and writes the settings file; the page shows and changes what was read.
#pragma once

#include "TOptionsView.h"
#include "TSharedState.h"

#include <string>

namespace sudoku {

// The check boxes of the page that change the record.
enum class TOptionsBox { ContrastPuzzle, Ruler, Hints, Errors, Alternatives, TimeLimited };
// The solving aid a box switches; none for Contrast Puzzle.
TSolveOptions AidOf(TOptionsBox box);

class TOptionsPage {
public:
    TOptionsPage(TOptionsView& view, TSharedState& shared);

    // The settings were read: show the record on the page (screen size, colours and font,
    // display set, level, aid boxes and time limit, the shortcut box). The boxes become the
    // aids in force.
    void ShowSettings();
    // The language changed: the level names, the first two screen sizes, the language list.
    void ShowTexts();

    void OptionsBackgroundColorBtnClick();
    void OptionsContrastColorBtnClick();
    void OptionsRulerColorBtnClick();
    void OptionsFontBtnClick();
    void OptionsDisplaySetListChange(const std::string& name);
    void OptionsLevelListChange(int index);
    void OptionsChkBoxClick(TOptionsBox box, bool checked);
    // The time picker: its time of day.
    void OptionsTimeLimitedTimeChange(TDateTime time);
    void OptionsScreenModeListChange(int index);
    void OptionsDefaultOptionsBtnClick();
    void OptionsLanguageListChange(const std::string& name);
    void OptionsShortcutChkBoxClick(bool checked);

private:
    void ChooseColour(std::uint32_t TSuDoKuData::*colour);
    // ApplyOptions' display steps shared with "Default Options".
    void ShowRecord();

    TOptionsView& View;
    TSharedState& Shared;
};

} // namespace sudoku
