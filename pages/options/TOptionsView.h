// What the Options page needs from the window: its controls, the colour and font dialogs, the
// desktop launcher, and the window's own steps that follow a change. The Qt binding
// implements it.
#pragma once

#include "SolveOptions.h"
#include "SuDoKuDateTime.h"
#include "TSuDoKuData.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sudoku {

// A font as the font dialog hands it over: its name and colour (size and style are not kept).
struct TFontPick {
    std::string Name;
    std::uint32_t Colour = 0; // red in the lowest byte
};

class TOptionsView {
public:
    virtual ~TOptionsView() = default;

    // The controls: the colour samples and the font label; the level (-1 or a level without an
    // item selects nothing); the aid boxes and the time picker; the screen size; the shortcut
    // box; the display set, found without regard to case or else the first, whose name is
    // returned.
    virtual void ShowColours(const TSuDoKuData& options) = 0;
    virtual void ShowLevel(int level) = 0;
    virtual void ShowAids(TSolveOptions boxes, bool contrastPuzzle, TDateTime timeLimit) = 0;
    virtual void ShowScreenSize(int index) = 0;
    virtual void ShowShortcut(bool ticked) = 0;
    virtual std::string ShowDisplaySet(const std::string& name) = 0;
    // The lists' texts: the four level names, the first two screen sizes, the languages with
    // the one selected (-1 for none).
    virtual void ShowListTexts(const std::array<std::string, 4>& levels,
                               const std::string& automatic, const std::string& ignore) = 0;
    virtual void ShowLanguages(const std::vector<std::string>& names, int selected) = 0;

    // Dialogs: nothing when cancelled.
    virtual std::optional<std::uint32_t> ChooseColour(std::uint32_t colour) = 0;
    virtual std::optional<TFontPick> ChooseFont(const TFontPick& font) = 0;

    // The desktop launcher: whether it is there; make or remove it.
    virtual bool ShortcutExists() const = 0;
    virtual void SetShortcut(bool present) = 0;

    // The window: rescale to a screen size and centre; the record changed (grids, display
    // set); refresh the status; the Play & Solve level label; the settings saved and applied
    // again; a text in the language in force.
    virtual void ScaleUp(int mode) = 0;
    virtual void RecordChanged() = 0;
    virtual void RefreshStatus() = 0;
    virtual void ShowPlayLevel(int level) = 0;
    virtual void SaveAndApplyOptions() = 0;
    virtual std::string Translate(int number, const std::string& english) const = 0;
};

} // namespace sudoku
