// What the pages of the window share. The window holds one and hands it to every page by
// reference; a page keeps its own game, design or list to itself and meets the others here.
#pragma once

#include "SolveOptions.h"
#include "SuDoKuState.h"
#include "TGameClock.h"
#include "TSuDoKuData.h"

#include <string>
#include <utility>
#include <vector>

namespace sudoku {

struct TSharedState {
    explicit TSharedState(TGameClock::TTranslate translate = {}) : Clock(std::move(translate)) {}

    // What the puzzle pages are doing (the sf... flags). The window's busy rule and page
    // changes read it; handlers set and clear it.
    TSuDoKuState SuDoKuState = 0;
    // The settings of the Options page. Its runtime fields SuDoKuState and HighlightValue are
    // not used: the flags above and each puzzle page's own highlight are.
    TSuDoKuData Options;
    // The aid check boxes of the Options page, which a new game takes. They can differ from
    // Options.SolveOptions, the aids in force.
    TSolveOptions ShownAids = 0;
    // The login name; it prefixes the user's library records and settings sections.
    std::string UserName;
    // Results of the last solver run that showed them: "Solutions=n", then the solutions'
    // hex grid texts, newest first. The solutions menu offers these.
    std::vector<std::string> SolutionList;
    // The clock of the main timer: the Play & Solve page ticks it, and each puzzle page shows
    // its face (time played, the "Thinking" animation, the end caption).
    TGameClock Clock;
    // The puzzle library ("sudoku.dat") and the settings file ("sudokus.ini").
    std::string LibraryFile;
    std::string SettingsFile;
};

} // namespace sudoku
